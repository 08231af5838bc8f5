#pragma once
#include "platform/Platform.h"

#include <functional>

class QWidget;

namespace orvane {

class SdlSoundPlayer;

// The window system and sound device as the game sees them: Qt dialogs owned by the
// main window, SDL2 for sound.
class QtPlatform final : public Platform {
public:
    QtPlatform(QWidget& owner, SdlSoundPlayer& sound, const std::string& appDir);

    bool AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    std::string PromptText(
        const std::string& title, const std::string& prompt, const std::string& initial) override;
    void ApplyLayout() override;
    void RedrawNow() override;
    void PlaySoundFile(const std::string& name) override;
    void PlayClickSound() override;
    void OpenDocument(const std::string& target) override;

    std::function<void()> OnApplyLayout;
    std::function<void()> OnRedrawNow;

private:
    QWidget* BoxOwner() const;

    QWidget& owner_;
    SdlSoundPlayer& sound_;
    std::string appDir_;
};

} // namespace orvane
