#include "shell/MainLoop.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

// Records the order of the host's steps and can run a handler inside the message step.
struct RecordingHost final : LoopHost {
    std::vector<std::string> steps;
    std::function<void()> duringMessages;
    void HandlePendingMessages() override
    {
        steps.push_back("messages");
        if (duringMessages)
            duringMessages();
    }
    void UpdateOpponent() override { steps.push_back("opponent"); }
    void DrawFrame() override { steps.push_back("draw"); }
};

class MainLoopTest : public GameFixture {
protected:
    RecordingHost host;
    bool quit = false;
};

TEST_F(MainLoopTest, DrawsOnlyWhenTheCellsMatchTheBoard)
{
    StartBoard(9, 9, 10);
    RunLoopPass(game, host, quit);
    EXPECT_EQ(host.steps, (std::vector<std::string> {"messages", "draw"}));

    // A custom size was confirmed but the new game has not rebuilt the cells yet.
    host.steps.clear();
    game.BoardWidth = 20;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(host.steps, (std::vector<std::string> {"messages"}));
}

TEST_F(MainLoopTest, GameClockIsCopiedOnlyWhilePlaying)
{
    StartBoard(9, 9, 10);
    counter.now = 10'000'000;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(game.ElapsedSeconds, 0) << "Ready: the clock has not started";

    Click(4, 4);
    counter.now += 3'500'000;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(game.ElapsedSeconds, 3);

    game.CurrentState = GameState::Lost;
    counter.now += 5'000'000;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(game.ElapsedSeconds, 3) << "the time stands still once the game is over";

    game.NewGame(Level::Custom);
    EXPECT_EQ(game.ElapsedSeconds, 0);
}

TEST_F(MainLoopTest, OpponentMovesOnlyOnItsTurnInARunningGame)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    ASSERT_EQ(game.CurrentPlayer, Player2);
    RunLoopPass(game, host, quit);
    EXPECT_EQ(host.steps, (std::vector<std::string> {"messages", "opponent", "draw"}));

    host.steps.clear();
    game.CurrentState = GameState::Won;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(host.steps, (std::vector<std::string> {"messages", "draw"}));

    host.steps.clear();
    game.CurrentState = GameState::Playing;
    game.Opponent.Phase = MrAI::Idle;
    RunLoopPass(game, host, quit);
    EXPECT_EQ(host.steps, (std::vector<std::string> {"messages", "draw"}));
}

TEST_F(MainLoopTest, CloseDuringAPassFinishesThatPassAndStops)
{
    StartBoard(9, 9, 19, PlayMode::VsComputer, Level::Beginner);
    int passes = 0;
    host.duringMessages = [&] {
        if (++passes == 3)
            quit = true;
    };
    RunMainLoop(game, host, quit);
    EXPECT_EQ(passes, 3);
    // The closing pass draws once more, but the computer makes no move after the close.
    const std::vector<std::string> last(host.steps.end() - 3, host.steps.end());
    EXPECT_EQ(last, (std::vector<std::string> {"draw", "messages", "draw"}));
}

} // namespace
