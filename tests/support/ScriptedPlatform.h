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
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        return NextAnswer(yesNoAnswers, defaultYes);
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override
    {
        messages.push_back(text);
        messageIcons.push_back(icon);
    }
    std::string PromptText(
        const std::string& title, const std::string& prompt, const std::string& initial) override
    {
        prompts.push_back(title + "|" + prompt + "|" + initial);
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
