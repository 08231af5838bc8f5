// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Sound.h"
#include "platform/Text.h"

#include <string>

namespace orvane {

enum class MessageIcon { Error, Warning, Information };

// What the rules need from the window system and the sound device. Texts come in English
// and are shown in the player's language. The Qt and SDL
// implementation lives in the shell; tests use a scripted one that records each request.
class Platform {
public:
    virtual ~Platform() = default;

    // A task-modal question with Yes and No buttons titled "Orvane"; true on Yes.
    virtual bool AskYesNo(const Text& text) = 0;
    // A message box titled "Orvane" with an OK button.
    virtual void ShowMessage(const Text& text, MessageIcon icon) = 0;
    // A one-line prompt: the edited text after OK, the pre-filled text after Cancel.
    virtual std::string PromptText(
        const Text& title, const Text& prompt, const std::string& initial)
        = 0;

    // Resize the window and both drawing areas to the current board and cell size.
    virtual void ApplyLayout() = 0;
    // Draw both areas and show the frame at once.
    virtual void RedrawNow() = 0;

    // Asynchronous, one sound at a time; a missing file is silently skipped.
    virtual void PlaySound(Sound sound) = 0;

    // Hand a file or web address to the desktop's viewer; the result is not examined.
    virtual void OpenDocument(const std::string& target) = 0;
};

} // namespace orvane
