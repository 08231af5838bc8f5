// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/ViewState.h"
#include "session/GameSession.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace orvane;
using namespace orvane::testing;

namespace {

// With no home to keep files in, nothing is written anywhere, not even where the program
// was started from, and the player is told once.
TEST(GameSessionWithoutFolders, KeepsNoFilesAndSaysSoOnce)
{
    const TempDir dir;
    const std::filesystem::path startedFrom = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    ScriptedPlatform platform;
    ViewState view;
    FixedRandom random;
    FakeCounter counter;
    GameSession session(
        platform, {dir.Path().string(), dir.Path().string(), "", ""}, view, &random, &counter);
    ASSERT_TRUE(session.Start());
    session.commands.Sounds(false);
    session.commands.NoGuessing(true);
    session.scores.CountClassicLoss(0);
    std::filesystem::current_path(startedFrom);

    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_EQ(session.scores.TableStats[0].GamesLost, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("no home folder"), std::string::npos);
}

std::vector<int16_t> MinesOf(const Game& game)
{
    const std::vector<int16_t>& order = game.CellOrder();
    std::vector<int16_t> mines(order.begin() + game.LastSafeSlot() + 1, order.end());
    std::sort(mines.begin(), mines.end());
    return mines;
}

// A board played again, from its code or from its game's record: the same mines, a Classic
// game counted in no score table, the first cell framed until the first move. A code that
// carries no board is told and changes nothing.
TEST(GameSessionBoards, AGivenBoardDealsTheSameMines)
{
    const TempDir dir;
    ScriptedPlatform platform;
    ViewState view;
    FixedRandom random;
    FakeCounter counter;
    GameSession session(platform, FileFolders::AllIn(dir.Path().string()), view, &random, &counter);
    ASSERT_TRUE(session.Start());
    session.commands.VsHuman();
    session.commands.Expert();
    Game& game = session.game;
    EXPECT_EQ(session.CurrentBoardCode(), std::nullopt);
    const int32_t first = 8 * 30 + 15;
    game.ActOnCell(CellGesture::Open, CellAction::Press, first);
    game.ActOnCell(CellGesture::Open, CellAction::Release, first);
    const std::vector<int16_t> mines = MinesOf(game);
    const RecordedGame record = game.Recorded();
    const std::optional<std::string> code = session.CurrentBoardCode();
    ASSERT_TRUE(code);

    const uint32_t board = game.BoardNumber();
    EXPECT_EQ(session.PlayBoardCode("2").English(), "The board code is too short.");
    EXPECT_EQ(game.BoardNumber(), board);

    for (const bool fromCode : {true, false}) {
        ASSERT_TRUE(
            fromCode ? session.PlayBoardCode(*code).Empty() : session.PlayBoardAgain(record));
        EXPECT_EQ(game.CurrentMode(), PlayMode::Classic);
        EXPECT_EQ(game.ScoreTable(), NoScoreTable);
        EXPECT_EQ(game.HintCell(), first);
        game.ActOnCell(CellGesture::Open, CellAction::Press, first);
        game.ActOnCell(CellGesture::Open, CellAction::Release, first);
        EXPECT_EQ(MinesOf(game), mines);
        EXPECT_EQ(game.HintCell(), -1);
    }
}

} // namespace
