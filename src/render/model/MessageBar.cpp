// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/MessageBar.h"

#include <cmath>

namespace orvane {

void MessageBar::Reset()
{
    Stage = BarStage::Idle;
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
    Stage = BarStage::SlideIn;
}

void MessageBar::Step(double frameTime, int32_t width)
{
    Elapsed += frameTime;
    const double slide = SlideTime;
    const double hold = HoldTime;
    if (Elapsed > slide && Elapsed < slide + hold)
        Stage = BarStage::Shown;
    if (Elapsed > slide + hold)
        Stage = BarStage::SlideOut;
    if (Elapsed > 2 * slide + hold)
        Reset();

    switch (Stage) {
    case BarStage::SlideIn:
        OffsetX = static_cast<int32_t>(std::trunc(Elapsed / slide * width)) - width;
        break;
    case BarStage::Shown:
        OffsetX = 0;
        break;
    case BarStage::SlideOut:
        OffsetX = static_cast<int32_t>(std::trunc((Elapsed - (slide + hold)) / slide * width));
        break;
    case BarStage::Idle:
        break;
    }
}

void MessageBar::ShowWhole()
{
    if (Stage == BarStage::Idle)
        return;
    Stage = BarStage::Shown;
    Elapsed = SlideTime;
    OffsetX = 0;
}

} // namespace orvane
