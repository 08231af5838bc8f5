// SPDX-License-Identifier: GPL-3.0-or-later
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
    FrameStep step {view, screen};
    int opponentFrames = 0;

    FrameStepTest()
    {
        view.WavingFlags.Configure(-1, 8, 4, 0.11, 3, Rgb8 {230, 230, 230}, 139, 140);
        view.WavingFlags.Start(game.FrameTimer);
        StartBoard(9, 9, 10);
    }

    // One pass's step after the given seconds, measured as the loop measures them.
    FrameChanges Pass(double seconds = 1.0 / 30)
    {
        counter.now += static_cast<int64_t>(seconds * counter.frequency);
        game.FrameTimer.Tick();
        return step.Advance(game, [this] { ++opponentFrames; });
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
    const std::vector<Case> cases {
        {"a cell pressed", [this] { At(2, 2).State = Pressed; }, true, false},
        {"the clock's second", [this] { game.ElapsedSeconds() = 1; }, false, true},
        {"the face", [this] { game.Face() = FaceLook::Pressing; }, false, true},
        {"the button held", [this] { screen.FaceDown = true; }, false, true},
        {"the cell size", [this] { screen.CellSize = 36; }, true, true},
        {"a theme or exposure", [this] { step.Invalidate(); }, true, true},
        {"the move marks", [this] { game.ShowMoveMarks() = true; }, true, false},
        {"the keyboard's cell",
            [this] {
                screen.KeyCursorShown = true;
                screen.KeyColumn = 3;
                screen.KeyRow = 1;
            },
            true, false},
        {"the flag animation's frame",
            [this] {
                At(0, 0).Mark = FlagMark;
                Pass();
                view.WavingFlags.Frame = 5;
            },
            true, false},
    };
    for (const Case& c : cases) {
        Settle();
        c.change();
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
    game.Message.Post("first", 0.05f, 10.0f);
    const std::vector<std::pair<const char*, std::function<void()>>> changes {
        {"the message's text", [this] { game.Message.Text = "second"; }},
        {"a player's name", [this] { game.Players()[Player1].Name = "Ann"; }},
        {"a player's score", [this] { ++game.Players()[Player2].Score; }},
    };
    Pass(0.1);
    ASSERT_EQ(game.Message.Stage, BarStage::Shown);
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
    At(3, 3).Mark = FoundByPlayer2;
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
    Settle();
    Pass(0.5);
    EXPECT_EQ(view.SpinAngle, 0.0f);
    game.CurrentState() = GameState::Lost;
    EXPECT_TRUE(Pass(0.25).Board);
    EXPECT_FLOAT_EQ(view.SpinAngle, 30.0f);
    Pass(2.75);
    EXPECT_EQ(view.SpinAngle, 0.0f) << "a full turn starts again from 0";
}

TEST_F(FrameStepTest, ActivePanelPulsesBetween90And100PercentInTwoPlayerModesOnly)
{
    view.PulseScale = 0.95f;
    Pass(0.1);
    EXPECT_EQ(view.PulseScale, 0.95f) << "Classic leaves the pulse where it is";

    TwoPlayer();
    game.Message.Reset();
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
    game.Message.Post("3 Mines Remain.", 0.5f, 3.0f);
    Pass(0.5);
    EXPECT_EQ(game.Message.Elapsed, 0.0) << "in Classic the message waits";
    EXPECT_EQ(game.Message.Stage, BarStage::SlideIn);

    game.CurrentMode() = PlayMode::VsHuman;
    Pass(0.25);
    EXPECT_EQ(game.Message.Elapsed, 0.25);
    // Half way in across the status area's width: 9 cells of 22 and the margins.
    EXPECT_EQ(game.Message.OffsetX, -105);
    EXPECT_TRUE(Pass(0.1).Status) << "the sliding bar is drawn";
}

TEST_F(FrameStepTest, UnavailableBonusButtonLooksPressed)
{
    game.BonusButtonEnabled() = false;
    game.BonusButtonDown() = false;
    Pass();
    EXPECT_TRUE(game.BonusButtonDown());
}

TEST_F(FrameStepTest, OpponentsPointerRedrawsTheBoardAndNothingAdvancesWithoutABoard)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    Settle();
    EXPECT_EQ(opponentFrames, 2);
    game.Opponent.PointerX = 0.25f;
    EXPECT_TRUE(Pass(0.0).Board) << "the pointer glided";

    // The new dimensions are set, the cells not yet rebuilt.
    game.BoardWidth() = 20;
    game.CurrentState() = GameState::Lost;
    EXPECT_FALSE(Pass().Any());
    EXPECT_EQ(view.SpinAngle, 0.0f);
}

} // namespace
