// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

// The one on-screen message: a bar that slides in across the player strip, holds
// its text and slides out. Stepping is kept apart from drawing so it runs without GL.
class MessageBar {
public:
    enum Stage : uint8_t { Idle = 0, SlideIn = 1, Shown = 2, SlideOut = 3 };

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
    uint8_t Stage = Idle;
    // The bar runs across the player strip; a message posted with this set shows in
    // Classic too, across the counter strip. Every Post clears it.
    bool AlsoInClassic = false;
};

} // namespace orvane
