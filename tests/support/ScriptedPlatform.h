// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Platform.h"

#include <deque>
#include <string>
#include <vector>

namespace orvane::testing {

// Records every request the game makes of the window system and answers as scripted.
class ScriptedPlatform final : public Platform {
public:
    bool AskYesNo(const Text& text) override
    {
        questions.push_back(text.English());
        return NextAnswer(yesNoAnswers, defaultYes);
    }
    void ShowMessage(const Text& text, MessageIcon icon) override
    {
        messages.push_back(text.English());
        messageIcons.push_back(icon);
    }
    std::string PromptText(
        const Text& title, const Text& prompt, const std::string& initial) override
    {
        prompts.push_back(title.English() + "|" + prompt.English() + "|" + initial);
        return NextAnswer(promptAnswers, initial);
    }
    void ApplyLayout() override { ++layouts; }
    void RedrawNow() override { ++redraws; }
    void PlaySound(Sound sound) override
    {
        const char* file = SoundFileName(sound);
        sounds.emplace_back(file ? file : "CLICK");
    }
    void OpenDocument(const std::string& target) override { documents.push_back(target); }

    std::deque<bool> yesNoAnswers;
    bool defaultYes = false;
    std::deque<std::string> promptAnswers;

    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<MessageIcon> messageIcons;
    std::vector<std::string> prompts;
    std::vector<std::string> sounds;
    std::vector<std::string> documents;
    int layouts = 0;
    int redraws = 0;

private:
    template<typename T> static T NextAnswer(std::deque<T>& queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace orvane::testing
