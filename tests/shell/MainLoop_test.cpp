// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"
#include "render/model/ViewState.h"
#include "session/MainLoop.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::FakeCounter;
using orvane::testing::GameFixture;

namespace {

// Records the order of the host's steps and can run a handler inside the message step.
// With a clock given, time passes as in the real window: the messages take passCounts and
// a wait lasts as long as it may, for no message comes.
struct RecordingHost final : LoopHost {
    std::vector<std::string> steps;
    std::function<void()> duringMessages;
    bool menuOpen = false;
    FakeCounter* clock = nullptr;
    int64_t passCounts = 0;
    void HandlePendingMessages() override
    {
        steps.push_back("messages");
        if (clock)
            clock->now += passCounts;
        if (duringMessages)
            duringMessages();
    }
    bool MenuOrDialogOpen() const override { return menuOpen; }
    void UpdateOpponent() override { steps.push_back("opponent"); }
    void DrawFrame(FrameChanges) override { steps.push_back("draw"); }
    void WaitForMessages(int64_t milliseconds) override
    {
        waits.push_back(milliseconds);
        if (clock)
            clock->now += milliseconds * clock->frequency / 1000;
    }
    std::vector<int64_t> waits;
};

class MainLoopTest : public GameFixture {
protected:
    RecordingHost host;
    ViewState view;
    ComputerPlayer computer {game, random, clock};
    FrameStep step {view, screen, computer, clock};
    bool quit = false;

    std::vector<std::string> Pass()
    {
        host.steps.clear();
        RunLoopPass(game, clock, step, host, quit);
        return host.steps;
    }
    // The goal's message runs on the bar, as the session shows it.
    void ShowGoalMessage()
    {
        const MessagePosted goal = Told<MessagePosted>().back();
        view.Message.Post(goal.Text, goal.SlideTime, goal.HoldTime);
    }
    // Opens a cell that holds no mine, after the first open laid the mines.
    void ClickSafeCell()
    {
        for (const Cell& cell : game.Cells())
            if (cell.IsClosedUnmarked() && cell.Value != MineValue) {
                Click(cell.Index % game.BoardWidth(), cell.Index / game.BoardWidth());
                return;
            }
    }
    // Time runs by itself from here on: a quiet pass takes 50 microseconds, as on the real
    // program, and every sleep and wait its whole length.
    void LetTimeRun()
    {
        counter.sleepsPassTime = true;
        host.clock = &counter;
        host.passCounts = 50;
    }
};

using Steps = std::vector<std::string>;

TEST_F(MainLoopTest, DrawsOnlyWhenTheCellsMatchTheBoardAndSomethingChanged)
{
    // Before the first board there are no cells to draw.
    EXPECT_EQ(Pass(), (Steps {"messages"}));
    StartBoard(9, 9, 10);
    EXPECT_EQ(Pass(), (Steps {"messages", "draw"}));
    EXPECT_EQ(Pass(), (Steps {"messages"})) << "the same picture is not drawn again";
}

TEST_F(MainLoopTest, GameClockIsCopiedOnlyWhilePlaying)
{
    StartBoard(9, 9, 10);
    counter.now = 10'000'000;
    Pass();
    EXPECT_EQ(game.ElapsedSeconds(), 0) << "Ready: the clock has not started";

    Click(4, 4);
    counter.now += 3'500'000;
    Pass();
    EXPECT_EQ(game.ElapsedSeconds(), 3);

    for (const Cell& cell : game.Cells())
        if (cell.Value == MineValue) {
            Click(cell.Index % 9, cell.Index / 9);
            break;
        }
    ASSERT_EQ(game.CurrentState(), GameState::Lost);
    counter.now += 5'000'000;
    Pass();
    EXPECT_EQ(game.ElapsedSeconds(), 3) << "the time stands still once the game is over";

    game.Restart();
    EXPECT_EQ(game.ElapsedSeconds(), 0);
}

TEST_F(MainLoopTest, OpenMenuHoldsTheOpponentWhileTheGameClockRunsOn)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    // Two safe cells: the first open starts the clock, the second gives the computer the move.
    Click(4, 4);
    ClickSafeCell();
    ASSERT_TRUE(game.ComputerIsToMove());
    counter.now += 1'500'000;
    Pass();
    ASSERT_EQ(game.ElapsedSeconds(), 1);

    host.menuOpen = true;
    EXPECT_EQ(Pass(), (Steps {"messages"}));
    EXPECT_EQ(counter.sleeps.back(), 33) << "one frame's sleep";
    counter.now += 5'000'000;
    Pass();
    EXPECT_EQ(game.ElapsedSeconds(), 1) << "the clock shown stands still while the menu is open";

    // A command chosen in the menu starts its game afresh, then the menu closes.
    host.menuOpen = false;
    host.duringMessages = [&] { clock.Tick(); };
    EXPECT_EQ(Pass(), (Steps {"messages", "opponent"}));
    EXPECT_EQ(game.ElapsedSeconds(), 6) << "the true time shows once the menu is closed";
    EXPECT_LE(counter.sleeps.back(), 34) << "no more than a frame";
    host.duringMessages = nullptr;
    counter.now += 40'000;
    Pass();
    EXPECT_NEAR(clock.FrameTime, 0.04, 1e-9) << "the held time is no frame's";
}

TEST_F(MainLoopTest, PausedGameHoldsEverythingButDrawsItsHiddenBoard)
{
    StartBoard(9, 9, 10);
    Click(4, 4);
    counter.now += 2'000'000;
    Pass();
    ASSERT_EQ(game.ElapsedSeconds(), 2);
    game.PauseGame();
    EXPECT_EQ(Pass(), (Steps {"messages", "draw"})) << "the board is hidden";
    counter.now += 30'000'000;
    EXPECT_EQ(Pass(), (Steps {"messages"}));
    EXPECT_EQ(game.ElapsedSeconds(), 2);
    game.ResumeGame();
    counter.now += 1'100'000;
    Pass();
    EXPECT_EQ(game.ElapsedSeconds(), 3) << "the paused stretch is not counted";
}

TEST_F(MainLoopTest, EachPassWaitsAsLongAsThePictureStaysTheSame)
{
    StartBoard(9, 9, 10);
    Pass();
    EXPECT_EQ(host.waits, (std::vector<int64_t> {500})) << "nothing will change by itself";

    Click(4, 4);
    counter.now += 1'750'000;
    host.waits.clear();
    Pass();
    EXPECT_EQ(host.waits, (std::vector<int64_t> {250})) << "until the clock's next second";

    StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Beginner);
    ShowGoalMessage();
    host.waits.clear();
    counter.sleeps.clear();
    Pass();
    EXPECT_TRUE(host.waits.empty()) << "the goal message slides in";
    EXPECT_EQ(counter.sleeps.size(), 1u);

    view.Message.Reset();
    host.waits.clear();
    Pass();
    ASSERT_EQ(host.waits.size(), 1u) << "only the panel pulses";
}

TEST_F(MainLoopTest, PulseAloneIsDrawnAtEachOfItsVisibleStepsAndWakesTheLoopForNothingElse)
{
    StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Beginner);
    view.Message.Reset();
    LetTimeRun();
    Pass();
    const auto shownLevel = [&] { return std::lround(view.PulseScale * 127.5f); };
    long shown = shownLevel();
    int steps = 0, passes = 0;
    // Two swings, down and up: 13 steps each way.
    for (const int64_t start = counter.now; counter.now - start < 1'800'000; ++passes) {
        Pass();
        EXPECT_LE(std::abs(shownLevel() - shown), 1) << "no step is skipped";
        steps += shownLevel() != shown;
        shown = shownLevel();
    }
    EXPECT_GE(steps, 25);
    EXPECT_LE(passes, steps + 2) << "a pass for every step and hardly any other";
}

// A message lives as long as its times say, in the counter's seconds: a quiet pass is
// short, and a sleep rounded to whole milliseconds must not bring a pass just short of
// the frame's end whose frame time counts that frame again.
TEST_F(MainLoopTest, MessageLivesItsTimesInTheCountersSeconds)
{
    LetTimeRun();
    StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Beginner);
    ShowGoalMessage();
    ASSERT_EQ(view.Message.Text, "10 Flags To WIN"); // 1 s in, 5 s with its text, 1 s out
    const int64_t posted = counter.now;
    int64_t textFrom = -1, textUntil = -1;
    while (view.Message.Stage != BarStage::Idle && counter.now - posted < 20'000'000) {
        Pass();
        if (view.Message.Stage == BarStage::Shown) {
            textFrom = textFrom < 0 ? counter.now : textFrom;
            textUntil = counter.now;
        }
    }
    EXPECT_NEAR(static_cast<double>(counter.now - posted) / 1e6, 7.0, 0.1);
    EXPECT_NEAR(static_cast<double>(textUntil - textFrom) / 1e6, 5.0, 0.1);
}

TEST_F(MainLoopTest, OpponentMovesOnlyOnItsTurnInARunningGame)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(Pass(), (Steps {"messages", "opponent", "draw"}));

    // The next deal gives the human the first move; a find keeps it.
    const std::vector<std::string> threeMines {"**.", "*.."};
    LayMines(threeMines, PlayMode::VsComputer);
    Click(0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    ASSERT_EQ(game.CurrentPlayer(), Player1);
    EXPECT_EQ(Pass(), (Steps {"messages", "draw"}));

    // The computer's two finds win the next game, and it holds the turn of its win.
    LayMines(threeMines, PlayMode::VsComputer);
    Click(0, 0);
    Click(1, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(Pass(), (Steps {"messages", "draw"}));
}

TEST_F(MainLoopTest, CloseDuringAPassFinishesThatPassAndStops)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    int passes = 0;
    host.duringMessages = [&] {
        if (++passes == 3)
            quit = true;
    };
    RunMainLoop(game, clock, step, host, quit);
    EXPECT_EQ(passes, 3);
    // The computer makes no move after the close: the closing pass only handles messages.
    EXPECT_EQ(host.steps.back(), "messages");
}

} // namespace
