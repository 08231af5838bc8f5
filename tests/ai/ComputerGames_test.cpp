// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFolders.h"
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

// Whole "Vs Computer" games, seeded, started as the menu commands start them. A computer
// sits in each seat; the human's seat is played by clicks or by its computer.
class ComputerGamesTest : public GameFixture {
protected:
    Settings settings;
    FileFolders folders;
    MenuCommands commands {game, settings, platform, folders};
    ComputerSeats seats {game, random, clock};
    ComputerPlayer& computer = seats.At(Player2);

    void NewGameOn(const Board& board)
    {
        if (game.CurrentMode() != PlayMode::VsComputer)
            commands.VsComputer();
        if (board.level != Level::Custom)
            RunLevelCommand(commands, board.level);
        else
            commands.StartCustomGame(static_cast<int16_t>(board.width),
                static_cast<int16_t>(board.height), static_cast<int16_t>(board.mines));
        static_cast<void>(game.TakeEvents());
    }
    // The deal passes the first move on: a second deal of the board passes it back.
    void NewGameOn(const Board& board, PlayerIndex firstMover)
    {
        NewGameOn(board);
        if (game.CurrentPlayer() != firstMover)
            game.Restart();
        static_cast<void>(game.TakeEvents());
    }

    Duel DuelOf(uint64_t seed, Rival rival)
    {
        Duel duel(game, clock, computer, seed, rival);
        duel.SeatPhase = [this](PlayerIndex seat) { return seats.At(seat).Phase(); };
        return duel;
    }
    // A frame of the computer to move, whose pointer stays on the board.
    void Frame()
    {
        const ComputerPlayer& ai = seats.At(game.CurrentPlayer());
        seats.Frame();
        static_cast<void>(game.TakeEvents());
        ASSERT_GE(ai.PointerX(), 0.0f);
        ASSERT_LE(ai.PointerX(), game.BoardWidth() - 1.0f);
        ASSERT_GE(ai.PointerY(), 0.0f);
        ASSERT_LE(ai.PointerY(), game.BoardHeight() - 1.0f);
    }

    // The rules' invariants after every move.
    void CheckInvariants(PlayerIndex mover, int foundBefore, bool moved)
    {
        if (!moved)
            return;
        std::array<int, 2> marks {};
        for (const Cell& cell : game.Cells()) {
            ASSERT_TRUE(cell.Mark == CellMark::None || cell.ShowsMine());
            if (cell.Mark != CellMark::None)
                ++marks[cell.Mark == CellMark::Flag ? Player1 : Player2];
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
            ASSERT_TRUE(game.BonusSpent()) << "only the bonus open finds and passes";
        }
    }

    void PlayGames(const Board& board, Rival rival, int games)
    {
        for (int g = 0; g < games; ++g) {
            const uint64_t seed = static_cast<uint64_t>(g) + 1;
            random.engine.seed(seed);
            NewGameOn(board);
            const int32_t scores = game.Players()[Player1].Score + game.Players()[Player2].Score;
            Duel duel = DuelOf(seed, rival);
            const auto check = [&](PlayerIndex mover, int found, bool moved) {
                CheckInvariants(mover, found, moved);
            };
            const DuelResult result = duel.Play(0.5, 100000, check, [this] { Frame(); });
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
    GameInvariants invariants;
    for (const Board& board : Boards) {
        for (int g = 0; g < board.games / 25; ++g) {
            const PlayerIndex strongSeat = g % 2 == 0 ? Player2 : Player1;
            seats.At(strongSeat).SetStrength(ComputerStrength::Strong);
            seats.At(OtherPlayer(strongSeat)).SetStrength(ComputerStrength::Normal);
            random.engine.seed(static_cast<uint64_t>(g) + 1);
            NewGameOn(board, (g / 2) % 2 == 0 ? Player2 : Player1);
            std::string broken;
            Duel duel = DuelOf(1, Rival::Computer);
            const DuelResult result = duel.Play(
                0.5, 100000, [](PlayerIndex, int, bool) {},
                [&] {
                    invariants.Before(game);
                    seats.Frame();
                    int results = 0;
                    for (const GameEvent& event : game.TakeEvents())
                        results += std::holds_alternative<SeriesPointWon>(event);
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
        NewGameOn(Boards[2], Player2);
        random.scripted = {0.999}; // the last cell it may guess: a long travel right
        for (int i = 0; i < 4; ++i) {
            clock.FrameTime = 0.3;
            computer.Update();
        }
        ASSERT_EQ(computer.Phase(), OpponentPhase::Travel);
        ASSERT_GT(computer.PointerX(), 5.0f);

        // One new game or two: the first gives the first move to the human, the next to
        // the computer. Its first move starts from the top left cell.
        for (int i = 0; i <= extra; ++i)
            NewGameOn(Boards[0]);
        bool computerMoved = false;
        Duel duel = DuelOf(7, Rival::RandomOpener);
        const auto check = [&](PlayerIndex mover, int found, bool moved) {
            if (mover == Player2 && !computerMoved) {
                computerMoved = true;
                EXPECT_EQ(computer.Phase(), OpponentPhase::Travel);
                EXPECT_EQ(computer.PointerX() + computer.PointerY(), 0.0f);
            }
            CheckInvariants(mover, found, moved);
        };
        const DuelResult result = duel.Play(0.05, 100000, check, [this] { Frame(); });
        EXPECT_TRUE(computerMoved);
        EXPECT_TRUE(result.decided);
    }
}

} // namespace
