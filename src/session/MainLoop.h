// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "session/FrameStep.h"

#include <cstdint>

namespace orvane {

class FrameClock;
class Game;

// What one pass of the main loop asks of the window system; the Qt main window is
// the real host, tests use a recording one.
class LoopHost {
public:
    virtual ~LoopHost() = default;
    // Handle every pending window message and return at once.
    virtual void HandlePendingMessages() = 0;
    // True while a menu, a modal dialog or a message box is open.
    virtual bool MenuOrDialogOpen() const = 0;
    // Advance the computer opponent by one frame, and let the program react to its move.
    virtual void UpdateOpponent() = 0;
    // Draw the areas whose picture changed, and show them.
    virtual void DrawFrame(FrameChanges changes) = 0;
    // Wait until a window message arrives or the milliseconds have passed, handling what
    // arrives.
    virtual void WaitForMessages(int64_t milliseconds) = 0;
};

// One pass: messages, the frame step (with the opponent's frame), drawing what changed,
// frame pacing, the game clock. While something animates the pass sleeps out a 1/30 s
// frame; otherwise it waits for the next message or the clock's next second. While a menu or a
// dialog is open nothing advances; once a handler of this pass has asked to quit, the opponent
// makes no more moves.
void RunLoopPass(
    Game& game, FrameClock& clock, FrameStep& step, LoopHost& host, const bool& quitRequested);

// Runs passes until quitRequested is set by a handler inside a pass.
void RunMainLoop(
    Game& game, FrameClock& clock, FrameStep& step, LoopHost& host, const bool& quitRequested);

} // namespace orvane
