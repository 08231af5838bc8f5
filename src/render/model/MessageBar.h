// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

// The one on-screen message: a bar that slides in across the player strip, holds
// its text and slides out. Stepping is kept apart from drawing so it runs without GL.
enum class BarStage : uint8_t { Idle, SlideIn, Shown, SlideOut };

class MessageBar {
public:

    void Reset();
    // Replaces any running message and starts it from the left edge.
    void Post(const std::string& text, float slideTime, float holdTime);
    // Takes over the text and times but keeps the running message's elapsed time.
    void Continue(const std::string& text, float slideTime, float holdTime);
    // Advances by one frame of frameTime seconds across a strip of the given width.
    void Step(double frameTime, int32_t width);

    int32_t OffsetX = 0;
    float HoldTime = 0.0f;
    float SlideTime = 0.0f;
    std::string Text;
    double Elapsed = 0.0;
    BarStage Stage = BarStage::Idle;
    // The bar runs across the player strip; a message posted with this set shows in
    // Classic too, across the counter strip. Every Post clears it.
    bool AlsoInClassic = false;

    // The bar runs across the player strip of the two-player modes, or in Classic across
    // the counters for a message posted for Classic.
    bool ShownFor(bool twoPlayer) const { return twoPlayer || AlsoInClassic; }
    bool Running() const { return Stage != BarStage::Idle; }
    // Skips the slide in: the whole bar stands with its text, for its whole hold, from now.
    void ShowWhole();
};

} // namespace orvane
