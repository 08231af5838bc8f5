// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellFixture.h"
#include "ai/ComputerPlayer.h"
#include "input/PanelLayout.h"
#include "support/LevelCommand.h"
#include "support/SessionFixture.h"

#include <utility>

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
        settings = LoadSettings(folders.Settings);
        commands.FindLowestByTime
            = [this](int table) { scoreCalls.push_back("time " + std::to_string(table)); };
        commands.FindLowestByWins
            = [this](int table) { scoreCalls.push_back("wins " + std::to_string(table)); };
        commands.ApplyTheme = [this](uint8_t theme) { appliedThemes.push_back(theme); };
        game.NewGame(BoardSetup {});
        TakeEvents();
    }

    void Mode(PlayMode mode)
    {
        if (mode == PlayMode::Classic)
            commands.Classic();
        else
            mode == PlayMode::VsHuman ? commands.VsHuman() : commands.VsComputer();
        TakeEvents();
    }
    // As the custom size dialog hands over a confirmed size.
    void ConfirmCustomSize(int width, int height, int mines)
    {
        commands.StartCustomGame(
            static_cast<int16_t>(width), static_cast<int16_t>(height), static_cast<int16_t>(mines));
        TakeEvents();
    }
    // The player to move gives up a game begun with a find, so the other one scores: the
    // next deal passes the first move on, and with it the point.
    void GiveUpAfterAFind()
    {
        LayMines({"**.", "*.."}, PlayMode::VsHuman);
        Click(0, 0);
        game.GiveUp();
        TakeEvents();
    }
    std::pair<int, int> Scores() const
    {
        return {game.Players()[Player1].Score, game.Players()[Player2].Score};
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
        if (game.CurrentMode() != row.mode)
            Mode(row.mode);
        scoreCalls.clear();
        RunLevelCommand(commands, row.level);
        EXPECT_EQ(game.BoardWidth(), row.width);
        EXPECT_EQ(game.BoardHeight(), row.height);
        EXPECT_EQ(game.MineCount(), row.mines);
        EXPECT_EQ(game.FlagsLeft(), row.mines);
        EXPECT_EQ(game.FlagsToWin(), row.flagsToWin);
        EXPECT_EQ(game.ScoreTable(), row.table);
        EXPECT_EQ(game.Setup().ComputerSpeed, row.speed);
        EXPECT_EQ(scoreCalls, (std::vector<std::string> {row.scoreCall}));
        EXPECT_EQ(game.CurrentLevel(), row.level);
        EXPECT_EQ(game.Cells().size(), static_cast<size_t>(row.width * row.height));
        EXPECT_EQ(game.CurrentState(), GameState::Ready);
    }
}

TEST_F(CommandsTest, SameLevelAgainKeepsTheCellsAndStartsANewGame)
{
    Click(4, 4);
    ASSERT_EQ(game.CurrentState(), GameState::Playing);
    const Cell* cells = game.Cells().data();

    commands.Beginner();
    EXPECT_EQ(game.Cells().data(), cells);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);
    EXPECT_EQ(CountState(CellState::Closed), 81);

    commands.Intermediate();
    EXPECT_NE(game.Cells().data(), cells) << "a new level builds new cells";
}

TEST_F(CommandsTest, ExpertBetweenTwoHumansStartsAFreshMatch)
{
    GiveUpAfterAFind();
    GiveUpAfterAFind();
    ASSERT_EQ(Scores(), (std::pair {1, 1}));
    scoreCalls.clear();

    commands.Expert();
    TakeEvents();
    EXPECT_EQ(game.BoardWidth(), 30);
    EXPECT_EQ(game.BoardHeight(), 16);
    EXPECT_EQ(game.MineCount(), 111);
    EXPECT_EQ(game.FlagsToWin(), 56);
    EXPECT_EQ(game.ScoreTable(), 5);
    EXPECT_EQ(Scores(), (std::pair {0, 0}));
    EXPECT_EQ(Messages().back(), "56 Flags To WIN");
    EXPECT_EQ(scoreCalls, (std::vector<std::string> {"wins 5"}));
}

TEST_F(CommandsTest, ClassicLevelKeepsTheTwoPlayerScores)
{
    GiveUpAfterAFind();
    Mode(PlayMode::Classic);
    const auto scores = Scores();
    ASSERT_NE(scores, (std::pair {0, 0}));
    commands.Expert();
    EXPECT_EQ(Scores(), scores);
}

TEST_F(CommandsTest, CustomGameAfterTheDialog)
{
    Mode(PlayMode::VsHuman);
    GiveUpAfterAFind();
    const auto scores = Scores();
    ASSERT_NE(scores, (std::pair {0, 0}));
    scoreCalls.clear();

    ConfirmCustomSize(20, 12, 51);
    EXPECT_EQ(game.ScoreTable(), 6);
    EXPECT_EQ(game.Setup().ComputerSpeed, 8);
    EXPECT_EQ(game.CurrentLevel(), Level::Custom);
    EXPECT_EQ(game.CurrentMode(), PlayMode::VsHuman);
    EXPECT_EQ(game.Cells().size(), 240u);
    EXPECT_EQ(Scores(), scores);
    EXPECT_EQ(Messages().back(), "26 Flags To WIN");
    EXPECT_TRUE(scoreCalls.empty());
}

TEST_F(CommandsTest, TwoPlayerModesOnACustomBoardNeedAnOddMineCount)
{
    for (bool versusComputer : {false, true}) {
        SCOPED_TRACE(versusComputer);
        Mode(PlayMode::Classic);
        ConfirmCustomSize(10, 10, 40);
        Mode(versusComputer ? PlayMode::VsComputer : PlayMode::VsHuman);
        EXPECT_EQ(game.MineCount(), 39);
        EXPECT_EQ(game.FlagsToWin(), 20);
        EXPECT_EQ(Messages().back(), "20 Flags To WIN") << "set before the new game";
        EXPECT_EQ(game.CurrentLevel(), Level::Custom);
        EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 50);
    }

    Mode(PlayMode::Classic);
    ConfirmCustomSize(10, 10, 41);
    Mode(PlayMode::VsHuman);
    EXPECT_EQ(game.MineCount(), 41);
    EXPECT_EQ(game.FlagsToWin(), 21);
}

TEST_F(CommandsTest, ClassicOnAFullCustomBoardLeavesOneSafeCell)
{
    Mode(PlayMode::VsHuman);
    ConfirmCustomSize(9, 9, 81);
    Mode(PlayMode::Classic);
    EXPECT_EQ(game.MineCount(), 80);
    EXPECT_EQ(game.FlagsLeft(), 80);
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 0);
    EXPECT_EQ(game.CurrentState(), GameState::Ready);

    ConfirmCustomSize(9, 9, 40);
    Mode(PlayMode::Classic);
    EXPECT_EQ(game.MineCount(), 40);
}

TEST_F(CommandsTest, ClassicFromVsComputerRunsTheLevelInClassic)
{
    commands.Intermediate();
    Mode(PlayMode::VsComputer);
    EXPECT_EQ(game.MineCount(), 51);
    scoreCalls.clear();

    Mode(PlayMode::Classic);
    EXPECT_EQ(game.CurrentMode(), PlayMode::Classic);
    EXPECT_EQ(game.MineCount(), 40);
    EXPECT_EQ(game.ScoreTable(), 1);
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 0);
    EXPECT_EQ(game.Players()[Player2].Name, "A.I");
    EXPECT_EQ(scoreCalls, (std::vector<std::string> {"time 1"}));
}

TEST_F(CommandsTest, VsComputerNamesTheOpponentAndLetsItMoveFirst)
{
    ComputerPlayer computer {game, random, clock};
    computer.Create();
    Mode(PlayMode::VsHuman);
    ASSERT_EQ(game.CurrentPlayer(), Player2) << "a plain deal would pass the first move on";
    Mode(PlayMode::VsComputer);
    EXPECT_EQ(game.CurrentMode(), PlayMode::VsComputer);
    EXPECT_EQ(game.Players()[Player2].Name, "A.I");
    EXPECT_EQ(panel::PlayerStripHeight(game.CurrentMode()), 50);
    EXPECT_EQ(game.CurrentPlayer(), Player2);
    EXPECT_EQ(game.MineCount(), 19);
    EXPECT_EQ(Messages().back(), "10 Flags To WIN");
    computer.Update();
    EXPECT_EQ(computer.Phase(), OpponentPhase::Travel) << "it has chosen its first cell";
}

TEST_F(CommandsTest, VsHumanGivesTheSecondPlayerBackItsName)
{
    Mode(PlayMode::VsComputer);
    ASSERT_EQ(game.CurrentPlayer(), Player2);
    Mode(PlayMode::VsHuman);
    EXPECT_EQ(game.CurrentMode(), PlayMode::VsHuman);
    EXPECT_EQ(game.Players()[Player2].Name, "P2");
    EXPECT_EQ(game.CurrentPlayer(), Player2) << "the first game after a mode change begins with P2";
    EXPECT_EQ(game.FlagsToWin(), 10);
}

TEST_F(CommandsTest, VsHumanAfterClassicNeverKeepsTheComputersName)
{
    Mode(PlayMode::VsComputer);
    Mode(PlayMode::Classic);
    Mode(PlayMode::VsHuman);
    EXPECT_EQ(game.Players()[Player2].Name, "P2");

    // A name the second human chose stays through Classic games.
    game.RenamePlayer(Player2, "Zoe");
    Mode(PlayMode::Classic);
    Mode(PlayMode::VsHuman);
    EXPECT_EQ(game.Players()[Player2].Name, "Zoe");
}

TEST_F(CommandsTest, MenuChecksFollowTheCommands)
{
    EXPECT_EQ(Checks(), (MenuChecks {Level::Beginner, PlayMode::Classic, true, 0, 22}));

    commands.Expert();
    Mode(PlayMode::VsComputer);
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
    folders.Settings = dir.File("gone");
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
    EXPECT_TRUE(sounds.empty());

    commands.Sounds(true);
    EXPECT_TRUE(game.SoundOn());
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x01}));
}

TEST_F(CommandsTest, HelpHandsTheHelpFileToTheDesktop)
{
    commands.Help();
    EXPECT_EQ(platform.documents, (std::vector<std::string> {folders.Program + "/Orvane.chm"}));
}

// The commands as the window runs them: the session takes what the rules told after each.
class CommandsInSessionTest : public SessionFixture {
protected:
    // The frame clock moves on by this much while the command's dialog or menu is open.
    void Wait(double seconds) { counter.now += static_cast<int64_t>(seconds * counter.frequency); }
    template<typename Command> void Run(Command command)
    {
        command(session.commands);
        session.TakeGameEvents();
    }
    bool TickedNow() const { return session.clock.LastFrameCount == counter.now; }
};

TEST_F(CommandsInSessionTest, NewBoardsStartTheNextFrameAfresh)
{
    Wait(2.0);
    Run([](MenuCommands& c) { c.Beginner(); });
    EXPECT_TRUE(TickedNow());
    EXPECT_DOUBLE_EQ(session.clock.FrameTime, 2.0);

    Wait(10.0);
    Run([](MenuCommands& c) { c.StartCustomGame(20, 12, 51); });
    EXPECT_TRUE(TickedNow());
    EXPECT_DOUBLE_EQ(session.clock.FrameTime, 10.0);
}

// These two restarts keep the frame's time: the next frame measures from the last one.
TEST_F(CommandsInSessionTest, ClassicRestartOfACustomBoardAndADoubleClickKeepTheFrameTime)
{
    Run([](MenuCommands& c) { c.VsHuman(); });
    Run([](MenuCommands& c) { c.StartCustomGame(9, 9, 81); });
    Wait(1.0);
    Run([](MenuCommands& c) { c.Classic(); });
    EXPECT_EQ(session.game.MineCount(), 80);
    EXPECT_FALSE(TickedNow());

    // A first open on a board of one safe cell wins it; a double click deals again.
    session.BoardPress(MouseButton::Left, 1, 1);
    session.BoardRelease(MouseButton::Left, 1, 1);
    ASSERT_EQ(session.game.CurrentState(), GameState::Won);
    Wait(1.0);
    session.BoardDoublePress(MouseButton::Left, 1, 1);
    EXPECT_EQ(session.game.CurrentState(), GameState::Ready);
    EXPECT_FALSE(TickedNow());

    Run([](MenuCommands& c) { c.VsHuman(); });
    EXPECT_TRUE(TickedNow()) << "the mode command on a custom board ticks";
}

TEST_F(CommandsInSessionTest, TwoPlayerGoalMessageWaitsForItsFrameAndTheTickFollows)
{
    for (bool versusComputer : {false, true}) {
        SCOPED_TRACE(versusComputer);
        Run([](MenuCommands& c) { c.Classic(); });
        Run([](MenuCommands& c) { c.StartCustomGame(10, 10, 40); });
        Wait(5.0);
        Run([&](MenuCommands& c) { versusComputer ? c.VsComputer() : c.VsHuman(); });
        EXPECT_EQ(view.Message.Text, "20 Flags To WIN");
        EXPECT_EQ(view.Message.Stage, BarStage::SlideIn);
        EXPECT_TRUE(TickedNow());
        EXPECT_DOUBLE_EQ(session.clock.FrameTime, 0.0);
    }
}

} // namespace
