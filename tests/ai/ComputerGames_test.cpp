// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Settings.h"
#include "support/ComputerSeats.h"
#include "support/Duel.h"
#include "support/GameFixture.h"
#include "support/GameInvariants.h"
#include "support/LevelCommand.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

struct Board {
    const char* name;
    Level level;
    int width, height, mines; // for Custom only
    int games;                // against the random player; half as many against itself
};

// Whole "Vs Computer" games, seeded, started as the menu commands start them.
class ComputerGamesTest : public GameFixture {
protected:
    Settings settings;
    MenuCommands commands {game, settings};
    ComputerPlayer computer {game};

    ComputerGamesTest() { computer.Create(); }

    void NewGameOn(const Board& board)
    {
        if (game.CurrentMode() != PlayMode::VsComputer)
            commands.VsComputer();
        if (board.level != Level::Custom) {
            RunLevelCommand(commands, board.level);
            return;
        }
        game.BoardWidth() = static_cast<int16_t>(board.width);
        game.BoardHeight() = static_cast<int16_t>(board.height);
        game.MineCount() = static_cast<int16_t>(board.mines);
        game.FlagsToWin() = static_cast<int16_t>(board.mines / 2 + 1);
        commands.StartCustomGame();
    }

    // The opponent kept on the board after every frame, the rules' invariants after every move.
    void CheckInvariants(PlayerIndex mover, int foundBefore, bool moved)
    {
        const OpponentState& ai = game.Opponent;
        if (ai.Phase == OpponentState::Travel || ai.Phase == OpponentState::Click) {
            ASSERT_GE(ai.Target, 0);
            ASSERT_LT(ai.Target, static_cast<int>(game.Cells().size()));
        }
        ASSERT_GE(ai.PointerX, 0.0f);
        ASSERT_LE(ai.PointerX, game.BoardWidth() - 1.0f);
        ASSERT_GE(ai.PointerY, 0.0f);
        ASSERT_LE(ai.PointerY, game.BoardHeight() - 1.0f);
        if (!moved)
            return;
        std::array<int, 2> marks {};
        for (const Cell& cell : game.Cells()) {
            ASSERT_LE(cell.Mark, FoundByPlayer2);
            if (cell.Mark != NoMark)
                ++marks[cell.Mark - 1];
        }
        // The walk of a bonus area goes on after the find that wins.
        for (PlayerIndex p : {Player1, Player2}) {
            ASSERT_EQ(marks[p], game.Players()[p].MinesFound);
            if (game.IsRunning()) {
                ASSERT_LT(game.Players()[p].MinesFound, game.FlagsToWin());
            }
        }
        const bool found = game.Players()[mover].MinesFound > foundBefore;
        const bool passed = game.CurrentPlayer() != mover;
        if (found && passed) {
            ASSERT_EQ(game.BonusOwner(), BonusUsed) << "only the bonus open finds and passes";
        }
    }

    void PlayGames(const Board& board, Rival rival, int games)
    {
        for (int g = 0; g < games; ++g) {
            const uint64_t seed = static_cast<uint64_t>(g) + 1;
            random.engine.seed(seed);
            NewGameOn(board);
            const int32_t scores = game.Players()[Player1].Score + game.Players()[Player2].Score;
            Duel duel(game, computer, seed, rival);
            const DuelResult result
                = duel.Play(0.5, 100000, [&](PlayerIndex mover, int found, bool moved) {
                      CheckInvariants(mover, found, moved);
                  });
            ASSERT_FALSE(HasFatalFailure()) << board.name << " game " << g;
            ASSERT_TRUE(result.decided) << board.name << " game " << g << " did not end";
            const bool firstWon = game.Players()[Player1].MinesFound >= game.FlagsToWin();
            const bool secondWon = game.Players()[Player2].MinesFound >= game.FlagsToWin();
            ASSERT_NE(firstWon, secondWon) << "exactly one winner";
            ASSERT_EQ(game.Players()[Player1].Score + game.Players()[Player2].Score, scores + 1);
        }
    }
};

const Board Boards[] {
    {"Beginner", Level::Beginner, 0, 0, 0, 500},
    {"Intermediate", Level::Intermediate, 0, 0, 0, 100},
    {"Expert", Level::Expert, 0, 0, 0, 50},
    {"custom 2 x 2", Level::Custom, 2, 2, 3, 500},
    {"custom 5 x 4", Level::Custom, 5, 4, 7, 500},
    {"custom 35 x 25", Level::Custom, 35, 25, 201, 20},
};

TEST_F(ComputerGamesTest, GamesAgainstARandomPlayerEndWithAWinner)
{
    for (const Board& board : Boards)
        PlayGames(board, Rival::RandomOpener, board.games);
}

TEST_F(ComputerGamesTest, GamesAgainstItselfEndWithAWinner)
{
    for (const Board& board : Boards)
        PlayGames(board, Rival::Computer, board.games / 2);
}

// Strong against Normal, each in either seat and moving first in turn: the rules'
// invariants hold after every frame, and every game ends with exactly one winner.
TEST_F(ComputerGamesTest, StrongAgainstNormalKeepsTheRulesAndEndsWithOneWinner)
{
    ComputerSeats seats(game);
    GameInvariants invariants;
    int results = 0;
    game.OnTwoPlayerResult = [&] { ++results; };
    for (const Board& board : Boards) {
        for (int g = 0; g < board.games / 25; ++g) {
            const PlayerIndex strongSeat = g % 2 == 0 ? Player2 : Player1;
            seats.At(strongSeat).SetStrength(ComputerStrength::Strong);
            seats.At(OtherPlayer(strongSeat)).SetStrength(ComputerStrength::Normal);
            random.engine.seed(static_cast<uint64_t>(g) + 1);
            game.CurrentPlayer() = (g / 2) % 2 == 0 ? Player1 : Player2;
            NewGameOn(board);
            std::string broken;
            Duel duel(game, computer, 1, Rival::Computer);
            const DuelResult result = duel.Play(
                0.5, 100000, [](PlayerIndex, int, bool) {},
                [&] {
                    invariants.Before(game);
                    results = 0;
                    seats.Frame();
                    if (broken.empty())
                        broken = invariants.After(game, results);
                });
            ASSERT_EQ(broken, "") << board.name << " game " << g;
            ASSERT_TRUE(result.decided) << board.name << " game " << g << " did not end";
            const bool firstWon = game.Players()[Player1].MinesFound >= game.FlagsToWin();
            const bool secondWon = game.Players()[Player2].MinesFound >= game.FlagsToWin();
            ASSERT_NE(firstWon, secondWon) << board.name << " game " << g;
        }
    }
}

// A level command given while the computer glides to a far cell of the Expert board: the
// next board is smaller, and whoever moves first, nothing of the old turn carries over.
TEST_F(ComputerGamesTest, NothingOfATurnCarriesIntoTheNextGame)
{
    for (int extra = 0; extra < 2; ++extra) {
        NewGameOn(Boards[2]);
        if (game.CurrentPlayer() != Player2)
            NewGameOn(Boards[2]);
        ASSERT_EQ(game.CurrentPlayer(), Player2);
        game.Opponent.ToColumn = 29;
        game.Opponent.ToRow = 15;
        random.scripted = {0.0}; // the top left cell: a long travel back
        for (int i = 0; i < 4; ++i) {
            game.FrameTimer.FrameTime = 0.3;
            computer.Update();
        }
        ASSERT_EQ(game.Opponent.Phase, OpponentState::Travel);
        ASSERT_GT(game.Opponent.Clock, 1.0);

        // One new game or two: the first gives the first move to the human, the next to
        // the computer.
        for (int i = 0; i <= extra; ++i)
            NewGameOn(Boards[0]);
        EXPECT_EQ(game.Opponent.Target, -1);
        EXPECT_EQ(game.Opponent.Clock, 0.0);
        EXPECT_EQ(game.Opponent.ToColumn + game.Opponent.ToRow, 0);
        Duel duel(game, computer, 7, Rival::RandomOpener);
        const DuelResult result
            = duel.Play(0.05, 100000, [&](PlayerIndex mover, int found, bool moved) {
                  CheckInvariants(mover, found, moved);
              });
        EXPECT_TRUE(result.decided);
    }
}

} // namespace
