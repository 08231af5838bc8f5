// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/MessageBar.h"

#include <cmath>

namespace orvane {

void MessageBar::Reset()
{
    Stage = Idle;
    Elapsed = 0.0;
}

void MessageBar::Post(const std::string& text, float slideTime, float holdTime)
{
    Reset();
    AlsoInClassic = false;
    Continue(text, slideTime, holdTime);
}

void MessageBar::Continue(const std::string& text, float slideTime, float holdTime)
{
    Text = text;
    SlideTime = slideTime;
    HoldTime = holdTime;
    Stage = SlideIn;
}

void MessageBar::Step(double frameTime, int32_t width)
{
    Elapsed += frameTime;
    const double slide = SlideTime;
    const double hold = HoldTime;
    if (Elapsed > slide && Elapsed < slide + hold)
        Stage = Shown;
    if (Elapsed > slide + hold)
        Stage = SlideOut;
    if (Elapsed > 2 * slide + hold)
        Reset();

    switch (Stage) {
    case SlideIn:
        OffsetX = static_cast<int32_t>(std::trunc(Elapsed / slide * width)) - width;
        break;
    case Shown:
        OffsetX = 0;
        break;
    case SlideOut:
        OffsetX = static_cast<int32_t>(std::trunc((Elapsed - (slide + hold)) / slide * width));
        break;
    default:
        break;
    }
}

} // namespace orvane
