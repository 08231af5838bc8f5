// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Keyboard.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class KeyboardTest : public GameFixture {
protected:
    void Press(char key) { EXPECT_EQ(HandleKey(game, key), KeyOutcome::Continue); }

    // A Beginner game between two players, each with some mines found.
    void TwoPlayerGame(int32_t foundByP1, int32_t foundByP2)
    {
        StartBoard(9, 9, 19, PlayMode::VsHuman, Level::Beginner);
        game.FlagsToWin() = 10;
        game.Players()[Player1].MinesFound = foundByP1;
        game.Players()[Player2].MinesFound = foundByP2;
    }

    void ExpectPosted(const std::string& text)
    {
        EXPECT_EQ(game.Message.Text, text);
        EXPECT_FLOAT_EQ(game.Message.SlideTime, 0.5f);
        EXPECT_FLOAT_EQ(game.Message.HoldTime, 3.0f);
        EXPECT_EQ(game.Message.Stage, BarStage::SlideIn);
        EXPECT_DOUBLE_EQ(game.Message.Elapsed, 0.0);
    }
};

TEST_F(KeyboardTest, DigitsTellWhatEachPlayerStillNeeds)
{
    TwoPlayerGame(4, 7);
    // A message already on show is replaced and starts from the beginning.
    game.Message.Elapsed = 2.5;
    game.Message.Stage = BarStage::Shown;
    Press('1');
    ExpectPosted("P1 Need 6 Flags");
    Press('2');
    ExpectPosted("P2 Need 3 Flags");
    Press('3');
    ExpectPosted("8 Mines Remain.");
}

TEST_F(KeyboardTest, CountsMayBeZeroOrNegative)
{
    TwoPlayerGame(10, 12);
    game.CurrentState() = GameState::Playing;
    Press('1');
    ExpectPosted("P1 Need 0 Flags");
    Press('2');
    ExpectPosted("P2 Need -2 Flags");
    Press('3');
    ExpectPosted("-3 Mines Remain.");
}

TEST_F(KeyboardTest, ClassicCountsFromTheLastTwoPlayerValues)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    game.FlagsToWin() = 99; // as at start-up
    Press('1');
    ExpectPosted("P1 Need 99 Flags");
    game.Players()[Player2].MinesFound = 3;
    Press('3');
    ExpectPosted("7 Mines Remain.");
}

TEST_F(KeyboardTest, FinishedGameIgnoresTheDigitsAndOtherKeysDoNothing)
{
    TwoPlayerGame(4, 7);
    game.Message.Post("P1 Won.", 1.0f, 5.0f);
    for (GameState state : {GameState::Won, GameState::Lost}) {
        game.CurrentState() = state;
        for (char key : {'1', '2', '3'})
            Press(key);
        EXPECT_EQ(game.Message.Text, "P1 Won.");
        EXPECT_FLOAT_EQ(game.Message.HoldTime, 5.0f);
    }
    game.CurrentState() = GameState::Playing;
    for (char key : {'0', '4', 'a', ' ', '\r'})
        Press(key);
    EXPECT_EQ(game.Message.Text, "P1 Won.");
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(KeyboardTest, EscapeAsksAndYesClosesTheWindow)
{
    TwoPlayerGame(4, 7);
    game.CurrentState() = GameState::Won; // Escape is not limited to a running game
    platform.yesNoAnswers = {true};
    EXPECT_EQ(HandleKey(game, EscapeKey), KeyOutcome::CloseWindow);
    EXPECT_EQ(platform.questions, (std::vector<std::string> {"Do you want to quit?"}));
}

TEST_F(KeyboardTest, EscapeThenNoLeavesTheGameAsItWas)
{
    LayMines({"*..", "...", "..*"}, PlayMode::VsComputer);
    Click(1, 1);
    game.CurrentPlayer() = Player2;
    game.Opponent.Phase = OpponentState::Travel;
    game.Message.Post("P2 Earned Bonus", 0.5f, 2.5f);
    const auto snapshot = [this] {
        std::vector<int> values {static_cast<int>(game.CurrentState()), game.CurrentPlayer(),
            game.Opponent.Phase, game.Message.Stage, game.Players()[Player1].MinesFound};
        for (const Cell& cell : game.Cells())
            values.push_back(cell.State);
        return std::make_pair(values, game.Message.Text);
    };
    const auto before = snapshot();

    platform.yesNoAnswers = {false};
    EXPECT_EQ(HandleKey(game, EscapeKey), KeyOutcome::Continue);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(snapshot(), before);
}

} // namespace
