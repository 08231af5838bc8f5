// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "game/RecordedGame.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"

#include <functional>

namespace orvane {

// A game played again from its record: the start deals the same board, each command is
// given at its time on a counter the replay moves, and the random source is never asked.
class ReplayedGame {
public:
    // Deals the recorded start; the listener hears the deal's events with the first play.
    explicit ReplayedGame(const RecordedGame& record);

    // Gives the commands up to the given milliseconds since the deal; each event of the
    // game goes to the listener, when one is set.
    void PlayUntil(int64_t milliseconds);
    void PlayToEnd();
    // Gives the next commands, as many as asked for or left.
    void PlayCommands(size_t count);
    bool Finished() const { return next_ >= record_.Commands.size(); }
    // The command the next play gives; only while not finished.
    const Command& NextCommand() const { return record_.Commands[next_]; }
    // How many commands have been given.
    size_t CommandsGiven() const { return next_; }

    // The game clock at the given moment, no earlier than the last command given: 0 before
    // the first open, held through a pause, and as it stopped once the game ended.
    double GameSecondsAt(int64_t milliseconds);

    Game& game() { return game_; }
    // How often the replay asked the random source: never, when replays are exact.
    int RandomDraws() const { return random_.Draws; }
    std::function<void(const GameEvent&)> OnEvent;

private:
    class RefusingRandom final : public RandomSource {
    public:
        void SeedFromClock() override { ++Draws; }
        double NextReal() override
        {
            ++Draws;
            return 0.0;
        }
        int Draws = 0;
    };

    void PlayNext();
    void Pass();

    const RecordedGame& record_;
    ManualCounter counter_;
    FrameClock clock_ {counter_};
    RefusingRandom random_;
    Game game_ {random_, clock_};
    size_t next_ = 0;
    double heldSeconds_ = 0.0; // the clock while paused or after the end
};

} // namespace orvane
