// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/MoveNews.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

// Three mines fence the top left cell off from the flood of the rest.
const std::vector<std::string> FencedCorner {".*...", "**...", ".....", "....."};

class MoveNewsTest : public GameFixture {
protected:
    MoveNewsGatherer gatherer;

    // The news of what the fixture's moves told since the last news.
    MoveNews News()
    {
        for (const GameEvent& event : events)
            gatherer.Take(game, event);
        events.clear();
        return gatherer.Finish(game);
    }
    static MoveNews Opened(int cells)
    {
        MoveNews news;
        news.CellsOpened = cells;
        return news;
    }
};

TEST_F(MoveNewsTest, ClassicOpensAreCountedOnceAndTheWinTellsItsSeconds)
{
    LayMines(FencedCorner);
    News();
    Click(2, 0);
    EXPECT_EQ(News(), Opened(1));
    RightClick(1, 0);
    EXPECT_TRUE(News().Empty()) << "a flag opens nothing";

    Click(4, 3);
    EXPECT_EQ(News().CellsOpened, 15) << "the flood, without the cell opened before";
    counter.now += counter.frequency * 42;
    clock.Tick();
    game.ShowGameClock();
    Click(0, 0);
    const MoveNews won = News();
    EXPECT_EQ(won.Result, GameResult::Won);
    EXPECT_EQ(won.CellsOpened, 1);
    EXPECT_EQ(won.Seconds, 42);
    EXPECT_TRUE(won.Winner.empty());

    game.Restart();
    Click(2, 0);
    EXPECT_EQ(News().CellsOpened, 1) << "a new board counts from none open";
    game.Restart();
    TakeEvents();
    EXPECT_TRUE(News().Empty()) << "a game given up for a new one tells nothing";
}

TEST_F(MoveNewsTest, TwoPlayersHearWhoFoundAMineAndWhoseTurnItIs)
{
    LayMines(FencedCorner, PlayMode::VsHuman);
    News();
    const PlayerIndex first = game.CurrentPlayer();
    Click(1, 0);
    MoveNews found;
    found.MineFinder = game.Players()[first].Name;
    EXPECT_EQ(News(), found);
    Click(2, 0);
    MoveNews passed = Opened(1);
    passed.TurnTo = game.Players()[OtherPlayer(first)].Name;
    EXPECT_EQ(News(), passed);
}

} // namespace
