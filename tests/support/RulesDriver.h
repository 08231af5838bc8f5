// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "platform/CounterSource.h"
#include "platform/Platform.h"
#include "render/model/ViewState.h"
#include "session/GameSession.h"
#include "support/FixedRandom.h"
#include "support/GameInvariants.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane::testing {

// Bytes read one at a time; past the end every read gives 0.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) { }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
    bool AtEnd() const { return pos_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A whole game without a window: the rules, board and status input, keys, menu commands
// and the score and settings files in a folder of their own. Each step reads one input
// (a press, move or release on the board or the status panel, a double click, a key, a
// command, passing frames, in which the computer opponent moves) from bytes, applies it
// as the window would, and checks every rule of the game afterwards. The questions and prompts the
// game asks are answered from the same bytes.
class RulesDriver {
public:
    // keepMode: the mode commands restart the mode given here instead of changing it.
    RulesDriver(const std::string& folder, PlayMode mode, Level level, bool keepMode);

    // The first rule broken after the input, or empty.
    std::string Step(ByteReader& in);
    const Game& game() const { return session_.game; }

private:
    // Answers from the bytes of the input being applied; sounds and drawing go nowhere.
    class AnsweringPlatform final : public Platform {
    public:
        ByteReader* answers = nullptr;
        bool AskYesNo(const Text&) override;
        void ShowMessage(const Text&, MessageIcon) override { }
        std::string PromptText(const Text&, const Text&, const std::string&) override;
        // The layout of a screen that any board fits.
        void ApplyLayout() override { session->FitToRoom(1 << 16, 1 << 16); }
        GameSession* session = nullptr;
        void RedrawNow() override { }
        void PlaySound(Sound) override { }
        void OpenDocument(const std::string&) override { }
    };
    // Time passes only when the game sleeps or the input says so.
    class SteppedCounter final : public CounterSource {
    public:
        bool Available() const override { return true; }
        int64_t Frequency() const override { return 1000; }
        int64_t Now() const override { return now; }
        void SleepMilliseconds(int64_t ms) override { now += ms; }
        int64_t now = 0;
    };

    void Apply(ByteReader& in);
    void BoardInput(ByteReader& in, uint8_t kind);
    void StatusInput(ByteReader& in, uint8_t kind);
    void Key(uint8_t pick);
    void Command(ByteReader& in);
    void CustomSize(ByteReader& in);
    void Frames(ByteReader& in);
    int BoardPoint(ByteReader& in, int cells) const;

    AnsweringPlatform platform_;
    FixedRandom random_;
    SteppedCounter counter_;
    ViewState view_;
    GameSession session_;
    Game& game_ {session_.game};
    MenuCommands& commands_ {session_.commands};
    GameInvariants invariants_;
    PlayMode mode_;
    bool keepMode_;
    int results_ = 0;
};

} // namespace orvane::testing
