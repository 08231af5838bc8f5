// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/MessageBar.h"
#include "session/Keyboard.h"
#include "support/GameFixture.h"

#include <tuple>

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

// 19 mines, so 10 to win: the first 19 cells, with the safe cells after them.
const std::vector<std::string> NineteenMines {"*****", "*****", "*****", "****.", "....."};

class KeyboardTest : public GameFixture {
protected:
    MessageBar message;

    void Press(char key)
    {
        EXPECT_EQ(HandleKey(game, message, platform, key), KeyOutcome::Continue);
    }

    // The board's first deal gives the first move to P2, who finds mines until P1's turn.
    void TwoPlayerGame(int foundByP1, int foundByP2)
    {
        LayMines(NineteenMines, PlayMode::VsHuman);
        ASSERT_EQ(game.CurrentPlayer(), Player2);
        for (int mine = 0; mine < foundByP1 + foundByP2; ++mine) {
            if (mine == foundByP2)
                Click(4, 4); // safe: the turn passes
            Click(mine % 5, mine / 5);
        }
        ASSERT_EQ(game.Players()[Player1].MinesFound, foundByP1);
        ASSERT_EQ(game.Players()[Player2].MinesFound, foundByP2);
    }

    void ExpectPosted(const std::string& text)
    {
        EXPECT_EQ(message.Text, text);
        EXPECT_FLOAT_EQ(message.SlideTime, 0.5f);
        EXPECT_FLOAT_EQ(message.HoldTime, 3.0f);
        EXPECT_EQ(message.Stage, BarStage::SlideIn);
        EXPECT_DOUBLE_EQ(message.Elapsed, 0.0);
    }
};

TEST_F(KeyboardTest, DigitsTellWhatEachPlayerStillNeeds)
{
    TwoPlayerGame(4, 7);
    // A message already on show is replaced and starts from the beginning.
    message.Post("P2 Earned Bonus", 0.5f, 2.5f);
    message.Elapsed = 2.5;
    message.Stage = BarStage::Shown;
    Press('1');
    ExpectPosted("P1 Need 6 Flags");
    Press('2');
    ExpectPosted("P2 Need 3 Flags");
    Press('3');
    ExpectPosted("8 Mines Remain.");
}

// Classic keeps the counts of the last two-player game, or those of the start.
TEST_F(KeyboardTest, ClassicCountsFromTheLastTwoPlayerValues)
{
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    Press('1');
    ExpectPosted("P1 Need 99 Flags");

    TwoPlayerGame(0, 3);
    StartBoard(9, 9, 10, PlayMode::Classic, Level::Beginner);
    Press('1');
    ExpectPosted("P1 Need 10 Flags");
    Press('3');
    ExpectPosted("7 Mines Remain.");
}

// The winner's bonus walks its whole square past the winning find.
TEST_F(KeyboardTest, CountsMayBeZeroOrNegative)
{
    LayMines({"*****", ".....", ".....", ".....", "....."}, PlayMode::VsHuman);
    ASSERT_EQ(game.FlagsToWin(), 3);
    Click(0, 0); // P2's find earns P1 the bonus
    Click(2, 4); // and the turn passes
    ASSERT_TRUE(game.BonusButtonEnabled());
    game.ToggleBonus();
    Click(2, 2); // the square covers the board: four more mines
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    ASSERT_EQ(game.Players()[Player1].MinesFound, 4);

    StartBoard(5, 5, 5);
    Press('1');
    ExpectPosted("P1 Need -1 Flags");
    Press('2');
    ExpectPosted("P2 Need 2 Flags");
    Press('3');
    ExpectPosted("0 Mines Remain.");
    StartBoard(5, 5, 1);
    Press('3');
    ExpectPosted("-4 Mines Remain.");
}

TEST_F(KeyboardTest, FinishedGameIgnoresTheDigitsAndOtherKeysDoNothing)
{
    message.Post("P2 Won.", 1.0f, 5.0f);
    LayMines({"**.", "*.."}, PlayMode::VsHuman);
    Click(0, 0);
    Click(1, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Won);
    const auto ignoresDigits = [this] {
        for (char key : {'1', '2', '3'})
            Press(key);
        EXPECT_EQ(message.Text, "P2 Won.");
        EXPECT_FLOAT_EQ(message.HoldTime, 5.0f);
    };
    ignoresDigits();
    LayMines({"*.*", "..."});
    Click(1, 1);
    Click(0, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Lost);
    ignoresDigits();

    LayMines({"*.*", "..."});
    Click(1, 1);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    for (char key : {'0', '4', 'a', ' ', '\r'})
        Press(key);
    EXPECT_EQ(message.Text, "P2 Won.");
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(KeyboardTest, EscapeAsksAndYesClosesTheWindow)
{
    LayMines({"**.", "*.."}, PlayMode::VsHuman);
    Click(0, 0);
    Click(1, 0);
    ASSERT_EQ(game.CurrentState(), GameState::Won); // Escape is not limited to a running game
    platform.yesNoAnswers = {true};
    EXPECT_EQ(HandleKey(game, message, platform, EscapeKey), KeyOutcome::CloseWindow);
    EXPECT_EQ(platform.questions, (std::vector<std::string> {"Do you want to quit?"}));
}

TEST_F(KeyboardTest, EscapeThenNoLeavesTheGameAsItWas)
{
    LayMines({"*..", "...", "..*"}, PlayMode::VsComputer);
    Click(1, 1);
    message.Post("P2 Earned Bonus", 0.5f, 2.5f);
    message.Stage = BarStage::Shown;
    const auto snapshot = [this] {
        return std::make_tuple(game.Cells(), game.CurrentState(), game.CurrentPlayer(),
            game.Players(), message.Text, message.Stage, message.Elapsed);
    };
    const auto before = snapshot();

    platform.yesNoAnswers = {false};
    EXPECT_EQ(HandleKey(game, message, platform, EscapeKey), KeyOutcome::Continue);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(snapshot(), before);
}

} // namespace
