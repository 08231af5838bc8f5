// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/FrameStep.h"

namespace orvane {

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
    // Advance the computer opponent by one frame.
    virtual void UpdateOpponent() = 0;
    // Draw the areas whose picture changed, and show them.
    virtual void DrawFrame(FrameChanges changes) = 0;
};

// One pass: messages, the frame step (with the opponent's frame), drawing what changed,
// frame pacing, the game clock. While a menu or a dialog is open nothing advances; once a
// handler of this pass has asked to quit, the opponent makes no more moves.
void RunLoopPass(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested);

// Runs passes until quitRequested is set by a handler inside a pass.
void RunMainLoop(Game& game, FrameStep& step, LoopHost& host, const bool& quitRequested);

} // namespace orvane
