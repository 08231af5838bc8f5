// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/MessageBar.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orvane;

namespace {

constexpr int32_t Width = 200;
// An eighth of a second is exact in binary, so the stage borders fall on whole frames.
constexpr double Frame = 0.125;

struct Seen {
    BarStage Stage;
    int32_t OffsetX;
};

std::vector<Seen> StepFrames(MessageBar& message, int frames)
{
    std::vector<Seen> seen;
    for (int i = 0; i < frames; ++i) {
        message.Step(Frame, Width);
        seen.push_back({message.Stage, message.OffsetX});
    }
    return seen;
}

TEST(MessageBar, SlidesInHoldsAndSlidesOutAcrossTheStrip)
{
    MessageBar message;
    message.Post("Bonus Activated", 0.5f, 2.0f);
    EXPECT_EQ(message.Stage, BarStage::SlideIn);
    EXPECT_EQ(message.Elapsed, 0.0);

    const std::vector<Seen> seen = StepFrames(message, 25); // 3.125 s
    // In from the left edge over the first half second, a quarter of the width per frame.
    const std::vector<int32_t> slideIn {-150, -100, -50, 0};
    for (size_t i = 0; i < slideIn.size(); ++i) {
        EXPECT_EQ(seen[i].Stage, BarStage::SlideIn) << "frame " << i;
        EXPECT_EQ(seen[i].OffsetX, slideIn[i]) << "frame " << i;
    }
    // Standing still with its text from just after 0.5 s up to 2.5 s.
    for (size_t i = 4; i < 20; ++i) {
        EXPECT_EQ(seen[i].Stage, BarStage::Shown) << "frame " << i;
        EXPECT_EQ(seen[i].OffsetX, 0) << "frame " << i;
    }
    // Out to the right until 3.0 s.
    const std::vector<int32_t> slideOut {50, 100, 150, 200};
    for (size_t i = 0; i < slideOut.size(); ++i) {
        EXPECT_EQ(seen[20 + i].Stage, BarStage::SlideOut) << "frame " << 20 + i;
        EXPECT_EQ(seen[20 + i].OffsetX, slideOut[i]) << "frame " << 20 + i;
    }
    // The frame that ends it still draws the bar where the previous frame left it.
    EXPECT_EQ(seen[24].Stage, BarStage::Idle);
    EXPECT_EQ(seen[24].OffsetX, 200);
    EXPECT_EQ(message.Elapsed, 0.0);
}

TEST(MessageBar, UnevenFramesStillPassThroughEveryStageInOrder)
{
    MessageBar message;
    message.Post("P1 Need 3 Flags", 0.5f, 2.0f);
    double elapsed = 0.0;
    BarStage last = BarStage::SlideIn;
    int32_t lastOffset = -Width;
    for (const double frame : {0.07, 0.2, 0.13, 0.6, 0.9, 0.61, 0.11, 0.17, 0.19, 0.05}) {
        elapsed += frame;
        message.Step(frame, Width);
        if (message.Stage == BarStage::Idle)
            break;
        EXPECT_GE(message.Stage, last) << "at " << elapsed << " s";
        EXPECT_GE(message.OffsetX, lastOffset) << "the bar only moves to the right";
        EXPECT_GE(message.OffsetX, -Width);
        EXPECT_LE(message.OffsetX, Width);
        const BarStage expected = elapsed < 0.5 ? BarStage::SlideIn
            : elapsed < 2.5                     ? BarStage::Shown
                                                : BarStage::SlideOut;
        EXPECT_EQ(message.Stage, expected) << "at " << elapsed << " s";
        last = message.Stage;
        lastOffset = message.OffsetX;
    }
    EXPECT_GT(elapsed, 3.0);
    EXPECT_EQ(message.Stage, BarStage::Idle);
}

TEST(MessageBar, PostReplacesARunningMessageFromTheStart)
{
    MessageBar message;
    message.Post("5 Flags To WIN", 1.0f, 5.0f);
    StepFrames(message, 16); // 2 s: standing with its text
    ASSERT_EQ(message.Stage, BarStage::Shown);

    message.Post("Bonus Deactivated", 0.5f, 2.0f);
    EXPECT_EQ(message.Stage, BarStage::SlideIn);
    EXPECT_EQ(message.Elapsed, 0.0);
    EXPECT_EQ(message.Text, "Bonus Deactivated");
    message.Step(Frame, Width);
    EXPECT_EQ(message.OffsetX, -150) << "slides in again from the left";
    EXPECT_EQ(message.Stage, BarStage::SlideIn);
}

TEST(MessageBar, ContinueKeepsTheRunningTime)
{
    MessageBar message;
    message.Post("5 Flags To WIN", 1.0f, 5.0f);
    StepFrames(message, 16);
    ASSERT_EQ(message.Stage, BarStage::Shown);

    message.Continue("P1 Won.", 1.0f, 5.0f);
    EXPECT_EQ(message.Text, "P1 Won.");
    EXPECT_EQ(message.Elapsed, 2.0);
    message.Step(Frame, Width);
    EXPECT_EQ(message.Stage, BarStage::Shown) << "past the slide in already";
    EXPECT_EQ(message.OffsetX, 0);
    // It ends when the first message would have: 2 x 1.0 + 5.0 s after that one started.
    const std::vector<Seen> rest = StepFrames(message, 40);
    EXPECT_EQ(rest[38].Stage, BarStage::SlideOut) << "at 7.0 s";
    EXPECT_EQ(rest[39].Stage, BarStage::Idle) << "at 7.125 s";
}

} // namespace
