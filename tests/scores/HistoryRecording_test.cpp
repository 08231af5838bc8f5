// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardMeasures.h"
#include "scores/HistoryRecording.h"
#include "support/RulesFixture.h"

using namespace orvane;
using orvane::testing::RulesFixture;

namespace {

class HistoryRecordingTest : public RulesFixture {
protected:
    std::vector<GameRecord> Ended() const
    {
        std::vector<GameRecord> records;
        for (const GameEnded& ended : Told<GameEnded>())
            records.push_back(RecordOfGame(ended, 1234));
        return records;
    }
};

TEST_F(HistoryRecordingTest, AGameLeftWhilePlayedIsGivenUpInTheModeItWasPlayed)
{
    game.SetNoGuessing(true);
    StartBoard(9, 9, 10);
    Click(0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    ASSERT_TRUE(game.DealtWithoutGuessing());
    game.GiveHint();
    game.GiveHint();
    const int threeBV = ThreeBVOf(game);
    BoardSetup next = game.Setup(); // as a mode command sets it for its new game
    next.Mode = PlayMode::VsHuman;
    next.Mines = 5;
    game.NewGame(next);
    game.NewGame(next); // nothing was being played
    TakeEvents();

    const std::vector<GameRecord> ended = Ended();
    ASSERT_EQ(ended.size(), 1u);
    const GameRecord& record = ended[0];
    EXPECT_EQ(record.Result, GameResult::GivenUp);
    EXPECT_EQ(record.Mode, HistoryMode::Classic);
    EXPECT_EQ(record.Mines, 10);
    EXPECT_EQ(record.Measures.ThreeBV, threeBV);
    EXPECT_EQ(record.PlayedAt, 1234);
    EXPECT_TRUE(record.NoGuessBoard);
    EXPECT_FALSE(record.GivenBoard);
    EXPECT_EQ(record.HintsUsed, 2);
    EXPECT_TRUE(record.Openings && record.EffectiveClicks) << "counted from its record";
}

TEST_F(HistoryRecordingTest, AGivenBoardIsMarkedAndTheNextDealtAtRandomIsNot)
{
    LayMines({"*..", "...", "..."});
    Click(2, 2);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    StartBoard(9, 9, 10);
    Click(0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    game.Restart();
    TakeEvents();

    const std::vector<GameRecord> ended = Ended();
    ASSERT_EQ(ended.size(), 2u);
    EXPECT_TRUE(ended[0].GivenBoard);
    EXPECT_FALSE(ended[1].GivenBoard);
}

TEST_F(HistoryRecordingTest, ATwoPlayerGameIsKeptForTheFirstPlayerWithoutClicks)
{
    LayMines({"*..", "...", "..*"}, PlayMode::VsHuman);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    for (int click = 0; click < 9; ++click)
        game.CountClick();
    Click(0, 0);
    Click(2, 2);

    const std::vector<GameRecord> ended = Ended();
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].Result, GameResult::Lost);
    EXPECT_EQ(ended[0].Mode, HistoryMode::VsHuman);
    EXPECT_EQ(ended[0].Clicks, 0);
    EXPECT_TRUE(ended[0].GivenBoard) << "its layout was given";
}

} // namespace
