// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/HistoryRecording.h"
#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

class HistoryRecordingTest : public RulesFixture {
protected:
    HistoryRecordingTest()
    {
        game.OnGameEnded
            = [this](GameResult result) { ended.push_back(RecordOfGame(game, result, 1234)); };
    }
    std::vector<GameRecord> ended;
};

TEST_F(HistoryRecordingTest, AGameLeftWhilePlayedIsGivenUpInTheModeItWasPlayed)
{
    LayMines({"*..", "...", "..*"});
    Click(1, 0);
    game.DealtWithoutGuessing() = true;
    game.HintsUsed() = 2;
    game.MineCount() = 5; // as a mode command sets them before its new game
    game.CurrentMode() = PlayMode::VsHuman;
    game.NewGame(Level::Custom);
    game.NewGame(Level::Custom); // nothing was being played

    ASSERT_EQ(ended.size(), 1u);
    const GameRecord& record = ended[0];
    EXPECT_EQ(record.Result, GameResult::GivenUp);
    EXPECT_EQ(record.Mode, PlayMode::Classic);
    EXPECT_EQ(record.Mines, 2);
    EXPECT_EQ(record.Measures.ThreeBV, 2);
    EXPECT_EQ(record.PlayedAt, 1234);
    EXPECT_TRUE(record.NoGuessBoard);
    EXPECT_EQ(record.HintsUsed, 2);
}

TEST_F(HistoryRecordingTest, ATwoPlayerGameIsKeptForTheFirstPlayerWithoutClicks)
{
    LayMines({"*..", "...", "..*"}, PlayMode::VsHuman);
    game.CurrentPlayer() = Player2;
    game.ClickCount() = 9;
    game.FlagsToWin() = 1;
    Click(0, 0);

    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].Result, GameResult::Lost);
    EXPECT_EQ(ended[0].Mode, PlayMode::VsHuman);
    EXPECT_EQ(ended[0].Clicks, 0);
}

} // namespace
