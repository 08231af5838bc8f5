// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FrameClock.h"
#include "support/FakeCounter.h"

#include <gtest/gtest.h>

using orvane::FrameClock;
using orvane::testing::FakeCounter;

namespace {

constexpr int64_t Hz = 1'000'000; // one count per microsecond

struct TimerTest : ::testing::Test {
    FakeCounter counter {Hz};
    FrameClock timer {counter};
    void SetUp() override
    {
        ASSERT_TRUE(timer.Create());
        counter.now = 5'000'000;
        timer.Start();
    }
    void Pass(double seconds) { counter.now += static_cast<int64_t>(seconds * Hz); }
};

TEST_F(TimerTest, ShortPassSleepsTheRestAndKeepsTheMark)
{
    Pass(0.010);
    timer.WaitFrame(30);
    EXPECT_NEAR(timer.FrameTime, 0.010, 1e-9);
    ASSERT_EQ(counter.sleeps.size(), 1u);
    EXPECT_EQ(counter.sleeps[0], 24); // 33.3 - 10 ms, up to a whole ms
    EXPECT_EQ(timer.LastFrameCount, 5'000'000);

    Pass(0.024); // 34 ms after the mark
    timer.WaitFrame(30);
    EXPECT_NEAR(timer.FrameTime, 0.034, 1e-9);
    EXPECT_EQ(counter.sleeps.size(), 1u);
    EXPECT_EQ(timer.LastFrameCount, counter.now);
}

TEST_F(TimerTest, LongPassMovesTheMarkWithoutSleeping)
{
    Pass(0.050);
    timer.WaitFrame(30);
    EXPECT_TRUE(counter.sleeps.empty());
    EXPECT_NEAR(timer.FrameTime, 0.050, 1e-9);
    EXPECT_EQ(timer.LastFrameCount, counter.now);
}

TEST_F(TimerTest, TenSecondDialogGivesOneLongFrameThenMeasuresFromIt)
{
    Pass(10.0);
    timer.Tick();
    EXPECT_NEAR(timer.FrameTime, 10.0, 1e-9);
    Pass(0.040);
    timer.WaitFrame(30);
    EXPECT_NEAR(timer.FrameTime, 0.040, 1e-9);
}

// The frame's last fraction of a millisecond is slept as a whole one: the next pass
// finds the frame over.
TEST_F(TimerTest, NearlyFullFrameSleepsAWholeMillisecond)
{
    Pass(0.0332);
    timer.WaitFrame(30);
    ASSERT_EQ(counter.sleeps.size(), 1u);
    EXPECT_EQ(counter.sleeps[0], 1);
}

TEST_F(TimerTest, GameClockTruncatesToWholeSeconds)
{
    timer.SetMark();
    Pass(59.9);
    timer.WaitFrame(30);
    EXPECT_EQ(timer.SecondsSinceMark(), 59);
    Pass(0.2);
    EXPECT_EQ(timer.SecondsSinceMark(), 59) << "reads no counter by itself";
    timer.Tick();
    EXPECT_EQ(timer.SecondsSinceMark(), 60);
}

TEST_F(TimerTest, LargeCounterValuesKeepPrecision)
{
    counter.now = (int64_t {1} << 62);
    timer.Start();
    timer.SetMark();
    Pass(1.5);
    timer.Tick();
    EXPECT_DOUBLE_EQ(timer.FrameTime, 1.5);
    EXPECT_EQ(timer.SecondsSinceMark(), 1);
}

// A menu held open: a command inside it ticks, the rules wait a frame, and once the
// menu lets go the next frame is an ordinary one, while the game clock ran all along.
TEST_F(TimerTest, HeldFramesRestartOnReleaseWhateverTickedMeanwhile)
{
    timer.SetMark();
    timer.HoldFrames();
    Pass(5.0);
    timer.Tick();
    timer.WaitFrame(30);
    Pass(3.0);
    timer.ReleaseFrames();
    EXPECT_EQ(timer.FrameTime, 0.0) << "the held stretch is no frame's time";

    Pass(0.010);
    counter.sleeps.clear();
    timer.WaitFrame(30);
    EXPECT_NEAR(timer.FrameTime, 0.010, 1e-9);
    ASSERT_EQ(counter.sleeps.size(), 1u);
    EXPECT_EQ(counter.sleeps[0], 24) << "never more than the rest of one frame";
    EXPECT_EQ(timer.SecondsSinceMark(), 8) << "the game clock ran through the menu";
}

TEST_F(TimerTest, PausedGameClockLeavesOutThePausedStretch)
{
    timer.SetMark();
    Pass(2.5);
    timer.PauseGameClock();
    Pass(100.0);
    timer.Tick();
    timer.ResumeGameClock();
    EXPECT_EQ(timer.FrameTime, 0.0);
    Pass(1.0);
    timer.WaitFrame(30);
    EXPECT_EQ(timer.SecondsSinceMark(), 3);
}

TEST(TimerCreate, FailsWithoutCounter)
{
    FakeCounter counter {Hz};
    counter.available = false;
    FrameClock timer {counter};
    EXPECT_FALSE(timer.Create());
}

} // namespace
