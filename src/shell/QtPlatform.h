// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <QTimer>

#include <functional>
#include <vector>

class QString;
class QWidget;

namespace orvane {

class SdlSoundPlayer;
class HelpWindow;

// The window system and sound device as the game sees them: Qt dialogs owned by the
// main window, SDL2 for sound.
class QtPlatform final : public Platform {
public:
    QtPlatform(QWidget& owner, SdlSoundPlayer& sound, std::vector<std::string> soundDirs);

    bool AskYesNo(const Text& text) override;
    void ShowMessage(const Text& text, MessageIcon icon) override;
    std::string PromptText(
        const Text& title, const Text& prompt, const std::string& initial) override;
    void ApplyLayout() override;
    void RedrawNow() override;
    void PlaySound(Sound sound) override;
    void OpenDocument(const std::string& target) override;

    std::function<void()> OnApplyLayout;
    std::function<void()> OnRedrawNow;
    // True once the program is ending: no box opens any more and each question answers No.
    std::function<bool()> Quitting;

private:
    bool Ending() const;
    void ShowHelpPages(const QString& helpFile);
    QWidget* BoxOwner() const;
    void CloseSoundWhenDone();
    void AfterSound();

    QWidget& owner_;
    HelpWindow* helpForm_ = nullptr;
    SdlSoundPlayer& sound_;
    std::vector<std::string> soundDirs_;
    QTimer soundDone_;
};

} // namespace orvane
