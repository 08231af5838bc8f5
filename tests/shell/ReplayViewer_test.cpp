// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ReplayViewer.h"
#include "support/FakeCounter.h"
#include "support/GameFixture.h"
#include "support/ReplayCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <tuple>

using namespace orvane;
using namespace orvane::testing;

namespace {

RecordedGame GameOfSeed(uint64_t seed, ReplayPlayer player)
{
    return PlayOneGame(BoardOfSeed(PlayMode::Classic, seed), player, seed).Record;
}

// The game shown at each moment equals the record's commands up to it played one by one
// into a fresh game, whichever way the viewer came there.
TEST(ReplayViewer, SeekingShowsTheCommandsUpToTheMomentPlayed)
{
    FakeCounter counter;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        const RecordedGame record = GameOfSeed(seed, ReplayPlayer::Random);
        ReplayViewer viewer(record, counter);
        std::vector<int64_t> moments {0};
        for (const Command& command : record.Commands)
            for (const int64_t near : {-1, 0, 1})
                moments.push_back(std::max<int64_t>(command.AtMilliseconds + near, 0));
        std::shuffle(moments.begin(), moments.end(), std::mt19937_64(seed));
        for (const int64_t moment : moments) {
            viewer.SeekTo(moment);
            ReplayedGame straight(record);
            straight.PlayCommands(static_cast<size_t>(std::ranges::count_if(record.Commands,
                [&](const Command& c) { return c.AtMilliseconds <= viewer.Moment(); })));
            ASSERT_EQ(SeeGame(viewer.game()), SeeGame(straight.game()))
                << "seed " << seed << " at " << moment;
        }
    }
}

TEST(ReplayViewer, AtTheEndTheCountersAreThoseOfTheWholeGame)
{
    FakeCounter counter;
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        const RecordedGame record = GameOfSeed(seed, ReplayPlayer::Solver);
        ReplayViewer viewer(record, counter);
        const ReplayCounters start = viewer.Counters();
        EXPECT_EQ(start.Seconds, 0.0);
        EXPECT_EQ(start.ThreeBV, std::nullopt); // no board laid yet
        EXPECT_EQ(start.Clicks, 0);

        viewer.End();
        const GameCounters whole = CountGame(record);
        const ReplayCounters end = viewer.Counters();
        EXPECT_EQ(end.Seconds, whole.Seconds.value());
        EXPECT_EQ(end.ThreeBV, whole.ThreeBV);
        EXPECT_EQ(end.ThreeBVDone == end.ThreeBV, whole.Result == GameResult::Won);
        EXPECT_EQ(end.Clicks, whole.Clicks);
        EXPECT_EQ(end.ThreeBVPerSecond, whole.ThreeBVPerSecond);
        EXPECT_EQ(end.Ioe, whole.Ioe);
        viewer.Home();
        EXPECT_EQ(viewer.Moment(), 0);
        EXPECT_EQ(viewer.Counters().Clicks, 0);
    }
}

// A click on the board's opening at 100 ms and 200 ms, another press at 1500 ms, and the
// pointer sampled in between.
class ReplayViewerSteps : public GameFixture {
protected:
    ReplayViewerSteps()
    {
        LayMines({"*....", ".....", "....."});
        At(100, [this] { Act(CellGesture::Open, CellAction::Press, 4, 2); });
        At(200, [this] { Act(CellGesture::Open, CellAction::Release, 4, 2); });
        At(1500, [this] { Act(CellGesture::Open, CellAction::Press, 0, 0); });
        record = game.Recorded();
        for (const auto& [at, x, y] : std::initializer_list<std::tuple<int, int, int>> {
                 {116, 40, 64}, {150, 48, 72}, {216, 80, 80}}) {
            const int64_t time = at;
            record.Commands.insert(
                std::ranges::find_if(
                    record.Commands, [time](const Command& c) { return c.AtMilliseconds > time; }),
                Command {time, CommandKind::PointerMove, {}, {}, PackPointer({x, y}), {}});
        }
    }
    void At(int64_t milliseconds, const std::function<void()>& act)
    {
        counter.now = milliseconds * counter.frequency / 1000;
        act();
    }
    RecordedGame record;
};

TEST_F(ReplayViewerSteps, StepsGoFromMoveToMoveOverThePointersSamples)
{
    ReplayViewer viewer(record, counter);
    for (const int64_t expected : {100, 200, 1500, 1500}) {
        viewer.StepForward();
        EXPECT_EQ(viewer.Moment(), expected);
    }
    for (const int64_t expected : {200, 100, 0, 0}) {
        viewer.StepBack();
        EXPECT_EQ(viewer.Moment(), expected);
    }
    viewer.SeekTo(216);
    viewer.StepBack();
    EXPECT_EQ(viewer.Moment(), 100);
}

TEST_F(ReplayViewerSteps, TheTrailIsTheLastSecondOfSamplesEndingAtThePointer)
{
    ReplayViewer viewer(record, counter);
    viewer.SeekTo(115);
    EXPECT_TRUE(viewer.Trail().empty());
    viewer.SeekTo(150);
    EXPECT_EQ(viewer.Trail(), (std::vector<TrailPoint> {{1.25f, 2.0f, 34}, {1.5f, 2.25f, 0}}));
    viewer.SeekTo(1150);
    EXPECT_EQ(viewer.Trail(), (std::vector<TrailPoint> {{2.5f, 2.5f, 934}}));
    // Older than a second, the pointer stays where it was last.
    viewer.End();
    EXPECT_EQ(viewer.Trail(), (std::vector<TrailPoint> {{2.5f, 2.5f, 1284}}));
}

TEST_F(ReplayViewerSteps, PlayingMovesByTheRealTimeTimesTheSpeed)
{
    ReplayViewer viewer(record, counter);
    const auto pass = [&](int64_t milliseconds) {
        counter.now += milliseconds * counter.frequency / 1000;
        viewer.Advance();
    };
    viewer.SetSpeed(0); // 0.25x
    viewer.Play();
    pass(100);
    EXPECT_EQ(viewer.Moment(), 25);
    viewer.SetSpeed(5); // 8x
    pass(100);
    EXPECT_EQ(viewer.Moment(), 825);
    viewer.Pause();
    pass(100);
    EXPECT_EQ(viewer.Moment(), 825);
    viewer.Play();
    pass(1000);
    EXPECT_EQ(viewer.Moment(), 1500);
    EXPECT_FALSE(viewer.Playing());
    viewer.Play(); // from the end, again from the deal
    EXPECT_EQ(viewer.Moment(), 0);
    EXPECT_TRUE(viewer.Playing());
}

} // namespace

// While the computer holds the turn its pointer shows on the cell it acts on next; on the
// player's turn it shows nowhere.
TEST(ReplayViewer, TheComputersPointerAimsAtItsNextCell)
{
    FakeCounter counter;
    const RecordedGame record
        = PlayOneGame(BoardOfSeed(PlayMode::VsComputer, 1), ReplayPlayer::Computers, 1).Record;
    ReplayViewer viewer(record, counter);
    int aimed = 0;
    for (const Command& command : record.Commands) {
        if (command.Kind != CommandKind::ActOnCell)
            continue;
        viewer.SeekTo(command.AtMilliseconds - 1);
        const std::optional<int32_t> aim = viewer.ComputerAim();
        EXPECT_EQ(aim.has_value(), viewer.game().ComputerHasTheTurn());
        if (aim && viewer.game().ComputerHasTheTurn() && command.AtMilliseconds > 0) {
            EXPECT_EQ(*aim, command.Value);
            ++aimed;
        }
    }
    EXPECT_GT(aimed, 0);
}
