#pragma once

namespace orvane {

class Game;

// What one pass of the main loop asks of the window system; the Qt main window is
// the real host, tests use a recording one.
class LoopHost {
public:
    virtual ~LoopHost() = default;
    // Handle every pending window message and return at once.
    virtual void HandlePendingMessages() = 0;
    // Advance the computer opponent by one frame.
    virtual void UpdateOpponent() = 0;
    // Draw the board and then the status area, and show them.
    virtual void DrawFrame() = 0;
};

// One pass: messages, the opponent's frame, drawing, frame pacing, the game clock.
// Once a handler of this pass has asked to quit, the opponent makes no more moves.
void RunLoopPass(Game& game, LoopHost& host, const bool& quitRequested);

// Runs passes until quitRequested is set by a handler inside a pass.
void RunMainLoop(Game& game, LoopHost& host, const bool& quitRequested);

} // namespace orvane
