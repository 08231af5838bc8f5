// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"
#include "render/model/ViewState.h"
#include "session/FrameStep.h"
#include "support/GameFixture.h"

#include <algorithm>
#include <functional>

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class FrameStepTest : public GameFixture {
protected:
    ViewState view;
    ComputerPlayer computer {game, random, clock};
    FrameStep step {view, screen, computer, clock};
    int opponentFrames = 0;

    FrameStepTest()
    {
        view.WavingFlags.Configure(-1, 8, 4, 0.11, 3, Rgb8 {230, 230, 230}, 139, 140);
        view.WavingFlags.Start(clock);
        computer.Create();
        StartBoard(9, 9, 10);
    }

    // One pass's step after the given seconds, measured as the loop measures them.
    FrameChanges Pass(double seconds = 1.0 / 30)
    {
        counter.now += static_cast<int64_t>(seconds * counter.frequency);
        clock.Tick();
        return step.Advance(game, [this] {
            ++opponentFrames;
            computer.Update();
            TakeEvents();
        });
    }
    // A pass after which every picture is as drawn.
    void Settle()
    {
        Pass();
        ASSERT_FALSE(Pass(0.0).Any());
    }
    void TwoPlayer() { StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Beginner); }
};

TEST_F(FrameStepTest, QuietPassChangesNothingAndEachKindOfChangeRedrawsItsArea)
{
    struct Case {
        const char* what;
        std::function<void()> change;
        bool board, status;
    };
    // Every safe cell shows a number, so each open opens one cell.
    LayMines(orvane::testing::NumberedBoard);
    const std::vector<Case> cases {
        {"a cell opened", [this] { Click(2, 1); }, true, false},
        {"the clock's second",
            [this] {
                counter.now += counter.frequency;
                clock.Tick();
                game.ShowGameClock();
            },
            false, true},
        {"the marks of the bonus's three opens",
            [this] {
                // The first three safe cells of the placement: (1, 0), (3, 0), (0, 1).
                random.scripted = {0.0, 1.5 / 14, 2.5 / 14};
                game.RandomOpen();
            },
            true, false},
        {"the face", [this] { game.PressFace(true); }, false, true},
        {"the button held", [this] { screen.FaceDown = true; }, false, true},
        {"the cell size", [this] { screen.CellSize = 36; }, true, true},
        {"a theme or exposure", [this] { step.Invalidate(); }, true, true},
        {"the keyboard's cell",
            [this] {
                screen.KeyCursorShown = true;
                screen.KeyColumn = 3;
                screen.KeyRow = 1;
            },
            true, false},
        {"the chances shown", [this] { view.Chances.Shown = true; }, true, false},
        {"the flag animation's frame",
            [this] {
                RightClick(0, 0);
                Pass();
                view.WavingFlags.Frame = 5;
            },
            true, false},
    };
    for (const Case& c : cases) {
        Settle();
        c.change();
        TakeEvents();
        const FrameChanges changes = Pass(0.0);
        EXPECT_EQ(changes.Board, c.board) << c.what;
        EXPECT_EQ(changes.Status, c.status) << c.what;
        EXPECT_FALSE(Pass(0.0).Any()) << "nothing changed after " << c.what;
    }
}

// With the pulse standing still nothing else would redraw the status area: each of
// these must do it by itself.
TEST_F(FrameStepTest, PlayerStripRedrawsForTheMessageTextAndThePlayersAlone)
{
    TwoPlayer();
    Click(4, 4); // a game being played, which may be given up
    view.Message.Post("first", 0.05f, 10.0f);
    const std::vector<std::pair<const char*, std::function<void()>>> changes {
        {"the message's text", [this] { view.Message.Text = "second"; }},
        {"a player's name", [this] { game.RenamePlayer(Player1, "Ann"); }},
        {"a player's score", [this] { game.GiveUp(); }},
    };
    Pass(0.1);
    ASSERT_EQ(view.Message.Stage, BarStage::Shown);
    for (const auto& [what, change] : changes) {
        Pass(0.0);
        change();
        EXPECT_TRUE(Pass(0.0).Status) << what;
    }
}

TEST_F(FrameStepTest, FlagsWaveOnlyWhileAFlagIsOnTheBoard)
{
    Settle();
    EXPECT_FALSE(Pass(0.5).Any()) << "no flag: the playback stands";
    const uint8_t frame = view.WavingFlags.Frame;
    RightClick(3, 3);
    Pass(0.12);
    std::vector<bool> redrawn;
    for (int i = 0; i < 6; ++i)
        redrawn.push_back(Pass(0.12).Board);
    EXPECT_NE(view.WavingFlags.Frame, frame);
    // Frame 0 is held for four steps, then each step shows a new frame.
    EXPECT_EQ(redrawn, (std::vector<bool> {false, false, true, true, true, true}));
}

TEST_F(FrameStepTest, GlowSpinsAThirdOfATurnASecondOnlyAfterALoss)
{
    LayMines(orvane::testing::NumberedBoard);
    Click(1, 1);
    Settle();
    Pass(0.5);
    EXPECT_EQ(view.SpinAngle, 0.0f);
    Click(0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Lost);
    Pass(0.25);
    EXPECT_FLOAT_EQ(view.SpinAngle, 30.0f);
    EXPECT_TRUE(Pass(0.25).Board) << "the glow turned";
    EXPECT_FLOAT_EQ(view.SpinAngle, 60.0f);
    Pass(2.5);
    EXPECT_EQ(view.SpinAngle, 0.0f) << "a full turn starts again from 0";
}

TEST_F(FrameStepTest, ActivePanelPulsesBetween90And100PercentInTwoPlayerModesOnly)
{
    view.PulseScale = 0.95f;
    Pass(0.1);
    EXPECT_EQ(view.PulseScale, 0.95f) << "Classic leaves the pulse where it is";

    TwoPlayer();
    view.PulseScale = 1.0f;
    view.PulseStep = -0.1f;
    std::vector<float> scales;
    for (int i = 0; i < 24; ++i) {
        Pass(0.1);
        scales.push_back(view.PulseScale);
    }
    EXPECT_TRUE(std::ranges::all_of(scales, [](float s) { return s >= 0.9f && s <= 1.0f; }));
    // 0.9 s of frames down to the bottom, as long again up to the top.
    const auto bottom = std::ranges::find(scales, 0.9f);
    const auto top = std::find(bottom, scales.end(), 1.0f);
    ASSERT_NE(top, scales.end());
    EXPECT_NEAR(bottom - scales.begin() + 1, 9, 1);
    EXPECT_NEAR(top - bottom, 9, 1);
    EXPECT_TRUE(std::is_sorted(scales.begin(), bottom, std::greater<>())) << "going down first";
    EXPECT_TRUE(std::is_sorted(bottom, top + 1)) << "then up";
    EXPECT_TRUE(Pass(0.1).Status) << "the panel's new brightness is drawn";
}

TEST_F(FrameStepTest, MessageSlidesOnlyWhileThePlayerStripShows)
{
    view.Message.Post("3 Mines Remain.", 0.5f, 3.0f);
    Pass(0.5);
    EXPECT_EQ(view.Message.Elapsed, 0.0) << "in Classic the message waits";
    EXPECT_EQ(view.Message.Stage, BarStage::SlideIn);

    TwoPlayer();
    Pass(0.25);
    EXPECT_EQ(view.Message.Elapsed, 0.25);
    // Half way in across the status area's width: 9 cells of 22 and the margins.
    EXPECT_EQ(view.Message.OffsetX, -105);
    EXPECT_TRUE(Pass(0.1).Status) << "the sliding bar is drawn";
}

TEST_F(FrameStepTest, ComputersPointerRedrawsTheBoardWhileItsMoveIsUnderWay)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    random.scripted = {0.5}; // a cell in the middle: the pointer has a way to go
    Settle();
    EXPECT_EQ(opponentFrames, 2);
    ASSERT_EQ(computer.Phase(), OpponentPhase::Travel);
    EXPECT_TRUE(Pass(0.1).Board) << "the pointer glided";
    EXPECT_EQ(view.ComputerPointerX, computer.PointerX());
    EXPECT_GT(view.ComputerPointerX + view.ComputerPointerY, 0.0f);
}

TEST_F(FrameStepTest, NothingIsDrawnOrAdvancedBeforeTheFirstBoard)
{
    Game undealt {random, clock};
    view.Message.Post("3 Mines Remain.", 0.5f, 3.0f);
    view.Message.AlsoInClassic = true;
    counter.now += counter.frequency;
    clock.Tick();
    EXPECT_FALSE(step.Advance(undealt, [] {}).Any());
    EXPECT_EQ(view.Message.Elapsed, 0.0);
}

} // namespace
