// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellFixture.h"
#include "input/PanelLayout.h"
#include "support/LevelCommand.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

class CommandsTest : public ShellFixture {
protected:
    std::vector<std::string> scoreCalls;
    std::vector<int> appliedThemes;

    // The main window's start-up: Classic Beginner with its first board.
    CommandsTest()
    {
        settings = LoadSettings(game.Folders.Settings);
        commands.FindLowestByTime
            = [this](int table) { scoreCalls.push_back("time " + std::to_string(table)); };
        commands.FindLowestByWins
            = [this](int table) { scoreCalls.push_back("wins " + std::to_string(table)); };
        commands.ApplyTheme = [this](uint8_t theme) { appliedThemes.push_back(theme); };
        game.NewGame(Level::Beginner);
        game.CurrentLevel() = static_cast<int32_t>(Level::Beginner);
        game.Opponent.Speed = 8;
    }

    // The frame timer moves on by this much while the command's dialog or menu is open.
    void Wait(double seconds) { counter.now += static_cast<int64_t>(seconds * counter.frequency); }
    bool TickedNow() const { return game.FrameTimer.LastFrameCount == counter.now; }

    // As the custom size dialog stores a confirmed size.
    void ConfirmCustomSize(int width, int height, int mines)
    {
        game.BoardWidth() = static_cast<int16_t>(width);
        game.BoardHeight() = static_cast<int16_t>(height);
        game.MineCount() = static_cast<int16_t>(mines);
        if (game.IsTwoPlayer())
            game.FlagsToWin() = static_cast<int16_t>(mines / 2 + 1);
        commands.StartCustomGame();
    }
};

TEST_F(CommandsTest, LevelCommandsSetTheLevelTableOfTheMode)
{
    struct Row {
        PlayMode mode;
        Level level;
        int width, height, mines, flagsToWin, table, speed;
        std::string scoreCall;
    };
    const std::vector<Row> rows {
        {PlayMode::Classic, Level::Intermediate, 16, 16, 40, 99, 1, 7, "time 1"},
        {PlayMode::Classic, Level::Expert, 30, 16, 99, 99, 2, 8, "time 2"},
        {PlayMode::Classic, Level::Beginner, 9, 9, 10, 99, 0, 7, "time 0"},
        {PlayMode::VsHuman, Level::Intermediate, 16, 16, 51, 26, 4, 7, "wins 4"},
        {PlayMode::VsHuman, Level::Beginner, 9, 9, 19, 10, 3, 7, "wins 3"},
        {PlayMode::VsComputer, Level::Expert, 30, 16, 111, 56, 5, 8, "wins 5"},
        {PlayMode::VsComputer, Level::Beginner, 9, 9, 19, 10, 3, 7, "wins 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.level) + 10 * static_cast<int>(row.mode));
        game.CurrentMode() = row.mode;
        scoreCalls.clear();
        RunLevelCommand(commands, row.level);
        EXPECT_EQ(game.BoardWidth(), row.width);
        EXPECT_EQ(game.BoardHeight(), row.height);
        EXPECT_EQ(game.MineCount(), row.mines);
        EXPECT_EQ(game.FlagsLeft(), row.mines);
        EXPECT_EQ(game.FlagsToWin(), row.flagsToWin);
        EXPECT_EQ(game.ScoreTable(), row.table);
        EXPECT_EQ(game.Opponent.Speed, row.speed);
        EXPECT_EQ(scoreCalls, (std::vector<std::string> {row.scoreCall}));
        EXPECT_EQ(game.CurrentLevel(), static_cast<int32_t>(row.level));
        EXPECT_EQ(game.Cells().size(), static_cast<size_t>(row.width * row.height));
        EXPECT_EQ(game.CurrentState(), GameState::Ready);
    }
}

TEST_F(CommandsTest, SameLevelAgainKeepsTheCellsAndStartsANewGame)
{
    Click(4, 4);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    const Cell* cells = game.Cells().data();
    Wait(2.0);

    commands.Beginner();
    EXPECT_EQ(game.Cells().data(), cells);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(CountState(Closed), 81);
    EXPECT_TRUE(TickedNow());
    EXPECT_DOUBLE_EQ(game.FrameTimer.FrameTime, 2.0);

    commands.Intermediate();
    EXPECT_NE(game.Cells().data(), cells) << "a new level builds new cells";
}

TEST_F(CommandsTest, ExpertBetweenTwoHumansStartsAFreshMatch)
{
    commands.VsHuman();
    game.Players()[Player1].Score = 3;
    game.Players()[Player2].Score = 2;
    scoreCalls.clear();

    commands.Expert();
    EXPECT_EQ(game.BoardWidth(), 30);
    EXPECT_EQ(game.BoardHeight(), 16);
    EXPECT_EQ(game.MineCount(), 111);
    EXPECT_EQ(game.FlagsToWin(), 56);
    EXPECT_EQ(game.ScoreTable(), 5);
    EXPECT_EQ(game.Players()[Player1].Score, 0);
    EXPECT_EQ(game.Players()[Player2].Score, 0);
    EXPECT_EQ(game.Message.Text, "56 Flags To WIN");
    EXPECT_EQ(scoreCalls, (std::vector<std::string> {"wins 5"}));
}

TEST_F(CommandsTest, ClassicLevelKeepsTheTwoPlayerScores)
{
    game.Players()[Player1].Score = 4;
    commands.Expert();
    EXPECT_EQ(game.Players()[Player1].Score, 4);
}

TEST_F(CommandsTest, CustomGameAfterTheDialog)
{
    commands.VsHuman();
    game.Players()[Player1].Score = 2;
    game.Players()[Player2].Score = 1;
    scoreCalls.clear();
    Wait(10.0);

    ConfirmCustomSize(20, 12, 51);
    EXPECT_EQ(game.ScoreTable(), 6);
    EXPECT_EQ(game.Opponent.Speed, 8);
    EXPECT_EQ(game.CurrentLevel(), static_cast<int32_t>(Level::Custom));
    EXPECT_EQ(game.Cells().size(), 240u);
    EXPECT_EQ(game.Players()[Player1].Score, 2);
    EXPECT_EQ(game.Players()[Player2].Score, 1);
    EXPECT_EQ(game.Message.Text, "26 Flags To WIN");
    EXPECT_TRUE(TickedNow());
    EXPECT_TRUE(scoreCalls.empty());
}

TEST_F(CommandsTest, TwoPlayerModesOnACustomBoardNeedAnOddMineCount)
{
    for (bool versusComputer : {false, true}) {
        SCOPED_TRACE(versusComputer);
        commands.Classic();
        ConfirmCustomSize(10, 10, 40);
        Wait(5.0);
        versusComputer ? commands.VsComputer() : commands.VsHuman();
        EXPECT_EQ(game.MineCount(), 39);
        EXPECT_EQ(game.FlagsToWin(), 20);
        EXPECT_EQ(game.Message.Text, "20 Flags To WIN") << "set before the new game";
        EXPECT_EQ(game.CurrentLevel(), static_cast<int32_t>(Level::Custom));
        EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 50);
        // The goal message has waited for the frame and the tick follows it.
        EXPECT_TRUE(TickedNow());
        EXPECT_DOUBLE_EQ(game.FrameTimer.FrameTime, 0.0);
    }

    commands.Classic();
    ConfirmCustomSize(10, 10, 41);
    commands.VsHuman();
    EXPECT_EQ(game.MineCount(), 41);
    EXPECT_EQ(game.FlagsToWin(), 21);
}

TEST_F(CommandsTest, ClassicOnAFullCustomBoardLeavesOneSafeCell)
{
    commands.VsHuman();
    ConfirmCustomSize(9, 9, 81);
    Wait(1.0);
    commands.Classic();
    EXPECT_EQ(game.MineCount(), 80);
    EXPECT_EQ(game.FlagsLeft(), 80);
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 0);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_FALSE(TickedNow()) << "this restart does not tick";

    ConfirmCustomSize(9, 9, 40);
    commands.Classic();
    EXPECT_EQ(game.MineCount(), 40);
}

TEST_F(CommandsTest, ClassicFromVsComputerRunsTheLevelInClassic)
{
    commands.Intermediate();
    commands.VsComputer();
    EXPECT_EQ(game.MineCount(), 51);
    scoreCalls.clear();

    commands.Classic();
    EXPECT_EQ(game.CurrentMode(), PlayMode::Classic);
    EXPECT_EQ(game.MineCount(), 40);
    EXPECT_EQ(game.ScoreTable(), 1);
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 0);
    EXPECT_EQ(game.Players()[Player2].Name, "A.I");
    EXPECT_EQ(scoreCalls, (std::vector<std::string> {"time 1"}));
}

TEST_F(CommandsTest, VsComputerNamesTheOpponentAndLetsItMoveFirst)
{
    game.CurrentPlayer() = Player2;
    commands.VsComputer();
    EXPECT_EQ(game.CurrentMode(), PlayMode::VsComputer);
    EXPECT_EQ(game.Players()[Player2].Name, "A.I");
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 50);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.Opponent.Phase, OpponentState::Choose);
    EXPECT_EQ(game.Opponent.BonusCountdown, -1);
    EXPECT_EQ(game.MineCount(), 19);
    EXPECT_EQ(game.Message.Text, "10 Flags To WIN");
}

TEST_F(CommandsTest, VsHumanGivesTheSecondPlayerBackItsName)
{
    commands.VsComputer();
    game.CurrentPlayer() = Player1;
    commands.VsHuman();
    EXPECT_EQ(game.CurrentMode(), PlayMode::VsHuman);
    EXPECT_EQ(game.Players()[Player2].Name, "P2");
    EXPECT_EQ(game.CurrentPlayer(), Player2) << "the first game after a mode change begins with P2";
    EXPECT_EQ(game.FlagsToWin(), 10);
}

TEST_F(CommandsTest, VsHumanAfterClassicNeverKeepsTheComputersName)
{
    commands.VsComputer();
    commands.Classic();
    commands.VsHuman();
    EXPECT_EQ(game.Players()[Player2].Name, "P2");

    // A name the second human chose stays through Classic games.
    game.Players()[Player2].Name = "Zoe";
    commands.Classic();
    commands.VsHuman();
    EXPECT_EQ(game.Players()[Player2].Name, "Zoe");
}

TEST_F(CommandsTest, MenuChecksFollowTheCommands)
{
    EXPECT_EQ(Checks(), (MenuChecks {Level::Beginner, PlayMode::Classic, true, 0, 22}));

    commands.Expert();
    commands.VsComputer();
    commands.Theme(4);
    commands.BlockSize(16);
    commands.Sounds(false);
    EXPECT_EQ(Checks(), (MenuChecks {Level::Expert, PlayMode::VsComputer, false, 4, 16}));

    ConfirmCustomSize(12, 12, 30);
    EXPECT_EQ(Checks().CheckedLevel, Level::Custom);
}

TEST_F(CommandsTest, ThemeIsSavedBeforeItIsShown)
{
    std::vector<Bytes> fileWhenApplied;
    commands.ApplyTheme = [&](uint8_t theme) {
        appliedThemes.push_back(theme);
        fileWhenApplied.push_back(ReadFileBytes(settingsPath));
    };

    commands.Theme(3);
    EXPECT_EQ(appliedThemes, (std::vector<int> {3}));
    EXPECT_EQ(fileWhenApplied, (std::vector<Bytes> {{0x16, 0x03, 0x01}}));

    commands.Theme(7);
    EXPECT_EQ(appliedThemes, (std::vector<int> {3})) << "there is no theme 7";
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x03, 0x01}));
}

TEST_F(CommandsTest, ThemeIsShownEvenWhenItCannotBeSaved)
{
    game.Folders.Settings = dir.File("gone");
    commands.Theme(2);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(appliedThemes, (std::vector<int> {2}));
    EXPECT_EQ(settings.ThemeIndex, 2);
}

TEST_F(CommandsTest, BlockSizeLaysOutAndSaves)
{
    const int layouts = platform.layouts;
    commands.BlockSize(27);
    EXPECT_EQ(settings.CellSize, 27);
    EXPECT_EQ(platform.layouts, layouts + 1);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x00, 0x01}));

    for (int16_t unoffered : {0, 20, 255, -22})
        commands.BlockSize(unoffered);
    EXPECT_EQ(settings.CellSize, 27);
    EXPECT_EQ(platform.layouts, layouts + 1);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x00, 0x01}));
}

TEST_F(CommandsTest, SoundsSwitchesTheGameSoundsAndSaves)
{
    commands.Sounds(false);
    EXPECT_FALSE(game.SoundOn());
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x00}));
    Click(4, 4);
    EXPECT_TRUE(platform.sounds.empty());

    commands.Sounds(true);
    EXPECT_TRUE(game.SoundOn());
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x01}));
}

TEST_F(CommandsTest, HelpHandsTheHelpFileToTheDesktop)
{
    commands.Help();
    EXPECT_EQ(
        platform.documents, (std::vector<std::string> {game.Folders.Program + "/Orvane.chm"}));
}

} // namespace
