// SPDX-License-Identifier: GPL-3.0-or-later
// A game being played that a command replaces is kept as given up with its own board: the
// level, mode and face commands all end it before they deal the next one; a game nobody
// moved in is not kept.
#include "game/BoardMeasures.h"
#include "support/QuietGame.h"

#include <gtest/gtest.h>

#include <functional>

using namespace orvane;
using namespace orvane::testing;

namespace {

// A Beginner game with its first cell open, then the command; the game it ended.
GameEnded GiveUpBy(const std::function<void(QuietGame&)>& command)
{
    QuietGame quiet;
    quiet.NewGame(Level::Beginner, 5);
    quiet.game.ActOnCell(CellGesture::Open, CellAction::Press, 0);
    quiet.game.ActOnCell(CellGesture::Open, CellAction::Release, 0);
    static_cast<void>(quiet.game.TakeEvents());
    EXPECT_EQ(quiet.game.CurrentState(), GameState::Playing);
    const int32_t threeBV = ThreeBVOf(quiet.game);
    command(quiet);
    for (const GameEvent& event : quiet.game.TakeEvents())
        if (const auto* ended = std::get_if<GameEnded>(&event)) {
            EXPECT_EQ(ended->ThreeBV, threeBV);
            return *ended;
        }
    ADD_FAILURE() << "no game was given up";
    return {};
}

void ExpectBeginnerGivenUp(const GameEnded& ended)
{
    EXPECT_EQ(ended.Result, GameResult::GivenUp);
    EXPECT_EQ(ended.Mode, PlayMode::Classic);
    EXPECT_EQ(ended.BoardLevel, Level::Beginner);
    EXPECT_EQ(ended.Width, 9);
    EXPECT_EQ(ended.Height, 9);
    EXPECT_EQ(ended.Mines, 10);
    EXPECT_GT(ended.ThreeBV, 0);
}

} // namespace

TEST(GiveUpByCommand, ALevelCommandKeepsTheBoardGivenUpNotTheNextOne)
{
    ExpectBeginnerGivenUp(GiveUpBy([](QuietGame& q) { q.commands.Expert(); }));
    ExpectBeginnerGivenUp(GiveUpBy([](QuietGame& q) { q.commands.Intermediate(); }));
}

TEST(GiveUpByCommand, AModeCommandKeepsTheModeAndBoardGivenUp)
{
    ExpectBeginnerGivenUp(GiveUpBy([](QuietGame& q) { q.commands.VsHuman(); }));
    ExpectBeginnerGivenUp(GiveUpBy([](QuietGame& q) { q.commands.VsComputer(); }));
}

TEST(GiveUpByCommand, ACustomBoardKeepsTheBoardGivenUp)
{
    ExpectBeginnerGivenUp(GiveUpBy([](QuietGame& q) { q.commands.StartCustomGame(20, 12, 30); }));
}

// Nobody has opened a cell, though the computer shows its first target pressed: the game
// replaced is not kept.
TEST(GiveUpByCommand, AVsComputerGameNobodyMovedInIsNotKept)
{
    QuietGame quiet;
    quiet.commands.VsComputer();
    quiet.game.ActOnCell(CellGesture::Open, CellAction::Press, 3);
    quiet.commands.Expert();
    for (const GameEvent& event : quiet.game.TakeEvents())
        EXPECT_FALSE(std::holds_alternative<GameEnded>(event));
}
