// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

class ComputerPlayer;
class FrameClock;
class Game;
struct ScreenState;
struct ViewState;

// Which areas show a picture other than the one last drawn.
struct FrameChanges {
    bool Board = false;
    bool Status = false;
    bool Any() const { return Board || Status; }
};

// The step of a loop pass between input and drawing. It advances everything timed by
// the frame timer's FrameTime (the computer opponent, the flag animation, the loss
// glow's spin, the active panel's pulse, the message bar) and settles the bonus button's
// look, in the order the renderers used to do it. Then it tells which areas changed since they were
// last drawn.
class FrameStep {
public:
    FrameStep(ViewState& view, const ScreenState& screen, const ComputerPlayer& computer,
        const FrameClock& clock) :
        view_(view), screen_(screen), computer_(computer), clock_(clock)
    {
    }

    // updateOpponent is the computer opponent's frame, run while its move is under way.
    FrameChanges Advance(const Game& game, const std::function<void()>& updateOpponent);
    // A new theme, size or exposure: both areas are drawn again whatever the game shows.
    void Invalidate();
    // How soon the picture changes by itself after this pass: every frame while the
    // computer moves, flags wave, the loss glow turns or the message bar slides; at the
    // slow pace of its visible steps while only the active panel pulses; not at all
    // otherwise (the clock's second aside).
    enum class Pace { EveryFrame, Pulse, Still };
    Pace NextPace(const Game& game) const;
    // How long the active panel keeps its brightness: until its next visible step, or
    // until the swing turns.
    int64_t MillisecondsToNextPulseStep() const;

private:
    void AdvanceBoard(const Game& game);
    void AdvanceStatus(const Game& game);

    ViewState& view_;
    const ScreenState& screen_;
    const ComputerPlayer& computer_;
    const FrameClock& clock_;
    std::string drawnBoard_;
    std::string drawnStatus_;
    std::string current_;
};

} // namespace orvane
