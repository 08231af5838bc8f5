// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FrameClock.h"
#include "render/model/FlagAnimation.h"
#include "support/FakeCounter.h"

#include <gtest/gtest.h>

using namespace orvane;
using orvane::testing::FakeCounter;

namespace {

class FlagPlayback : public ::testing::Test {
protected:
    FakeCounter counter {1000};
    FrameClock timer {counter};
    FlagAnimation flags;

    void SetUp() override
    {
        ASSERT_TRUE(timer.Create());
        timer.Start();
        timer.Tick();
        flags.Configure(-1, 8, 4, 0.11, 3, Rgb8 {230, 230, 230}, 139, 140);
        flags.Start(timer);
    }
    // One main-loop frame 120 ms later in which some flag is drawn.
    uint8_t NextStep()
    {
        counter.now += 120;
        timer.Tick();
        flags.Advance(timer);
        return flags.Frame;
    }
};

TEST_F(FlagPlayback, RunsForthAndBackWithFrameZeroHeldForFourSteps)
{
    std::vector<int> frames;
    for (int step = 0; step < 34; ++step)
        frames.push_back(NextStep());
    const std::vector<int> cycle {0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1, 0};
    ASSERT_EQ(cycle.size(), 17u);
    EXPECT_EQ(std::vector<int>(frames.begin(), frames.begin() + 17), cycle);
    EXPECT_EQ(std::vector<int>(frames.begin() + 17, frames.end()), cycle) << "a 17-step cycle";
}

TEST_F(FlagPlayback, StepsAtMostOncePerIntervalAndNeverWithoutADrawnFlag)
{
    for (int i = 0; i < 4; ++i)
        NextStep();
    ASSERT_EQ(flags.Frame, 1);
    // Many flags drawn in one frame see the same counter reading: one step at most.
    counter.now += 200;
    timer.Tick();
    for (int flag = 0; flag < 50; ++flag)
        flags.Advance(timer);
    EXPECT_EQ(flags.Frame, 2);
    // Frames with no flag drawn do not advance, however long they last.
    counter.now += 5000;
    timer.Tick();
    EXPECT_EQ(flags.Frame, 2);
    flags.Advance(timer);
    EXPECT_EQ(flags.Frame, 3) << "the first flag drawn later takes one step at once";
    counter.now += 50;
    timer.Tick();
    flags.Advance(timer);
    EXPECT_EQ(flags.Frame, 3) << "not yet an interval since that step";
}

TEST_F(FlagPlayback, FiniteLoopsStopOnTheStopFrame)
{
    // Every step that finds frame 0 counts a loop, held steps included, so two loops are
    // used up while frame 0 is held and the playback stops on its way up.
    flags.Configure(2, 8, 4, 0.11, 3, Rgb8 {230, 230, 230}, 139, 140);
    flags.Start(timer);
    std::vector<int> frames;
    for (int step = 0; step < 10; ++step)
        frames.push_back(NextStep());
    EXPECT_EQ(frames, (std::vector<int> {0, 0, 0, 1, 2, 3, 3, 3, 3, 3}));
    EXPECT_FALSE(flags.Running);
    EXPECT_TRUE(flags.Holding);
}

TEST_F(FlagPlayback, FrameWidthCoversOneFrameOfTheStrip)
{
    EXPECT_FLOAT_EQ(flags.FrameWidth, 0.125f);
}

} // namespace
