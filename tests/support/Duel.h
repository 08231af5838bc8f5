// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "platform/FrameClock.h"

#include <functional>
#include <random>
#include <vector>

namespace orvane::testing {

// Who plays Player1 against the computer.
enum class Rival { RandomOpener, Computer };

struct DuelResult {
    bool decided = false;
    int frames = 0;
    int computerTurns = 0; // turns of Player2: its moves up to the one that passes
    int computerFinds = 0;
};

// Plays one "Vs Computer" game to its end as the main loop would: the computer moves one
// frame per pass on its turns, Player1 is either a player who clicks a random closed cell
// or the computer again. After every frame or click the check is called with the player
// to move before it, that player's finds before it, and whether a move was made.
class Duel {
public:
    Duel(Game& game, FrameClock& clock, ComputerPlayer& computer, uint64_t seed, Rival rival) :
        game_(game), clock_(clock), computer_(computer), engine_(seed), rival_(rival)
    {
        openable_.reserve(game.Cells().size());
    }

    template<typename Check> DuelResult Play(double frameTime, int frameLimit, Check check)
    {
        return Play(frameTime, frameLimit, check, [this] {
            computer_.Update();
            static_cast<void>(game_.TakeEvents());
        });
    }

    // The same, with each of the computer's frames run by the given call (to time it).
    template<typename Check, typename Frame>
    DuelResult Play(double frameTime, int frameLimit, Check check, Frame frame)
    {
        DuelResult result;
        while (game_.IsRunning() && result.frames < frameLimit) {
            const PlayerIndex mover = game_.CurrentPlayer();
            const int foundBefore = game_.Players()[mover].MinesFound;
            bool moved = true;
            if (mover == Player1 && rival_ == Rival::RandomOpener) {
                ClickRandomCell();
            } else {
                const OpponentPhase phase = PhaseOf(mover);
                clock_.FrameTime = frameTime;
                frame();
                ++result.frames;
                // A click ends the travel, in the same frame.
                moved = phase == OpponentPhase::Travel && PhaseOf(mover) != OpponentPhase::Travel;
            }
            // A turn ends when it passes, or with the game.
            if (moved && mover == Player2 && (game_.CurrentPlayer() != Player2 || !game_.IsRunning()))
                ++result.computerTurns;
            if (mover == Player2)
                result.computerFinds += game_.Players()[Player2].MinesFound - foundBefore;
            check(mover, foundBefore, moved);
        }
        result.decided = game_.CurrentState() == GameState::Won;
        return result;
    }

    // The phase of the computer in the seat: the Duel's own computer plays Player2, and
    // the frame call of matched computers moves Player1's.
    std::function<OpponentPhase(PlayerIndex)> SeatPhase;

private:
    OpponentPhase PhaseOf(PlayerIndex mover) const
    {
        return SeatPhase ? SeatPhase(mover) : computer_.Phase();
    }

    void ClickRandomCell()
    {
        openable_.clear();
        for (const Cell& cell : game_.Cells())
            if (cell.IsClosedUnmarked())
                openable_.push_back(cell.Index);
        const int16_t cell
            = openable_[std::uniform_int_distribution<size_t>(0, openable_.size() - 1)(engine_)];
        game_.ActOnCell(CellGesture::Open, CellAction::Press, cell);
        game_.ActOnCell(CellGesture::Open, CellAction::Release, cell);
        static_cast<void>(game_.TakeEvents());
    }

    Game& game_;
    FrameClock& clock_;
    ComputerPlayer& computer_;
    std::mt19937_64 engine_;
    Rival rival_;
    std::vector<int16_t> openable_;
};

} // namespace orvane::testing
