// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Commands.h"

#include "game/Game.h"
#include "platform/FileFolders.h"
#include "platform/Platform.h"
#include "shell/Settings.h"

#include <array>

namespace orvane {

namespace {

struct LevelValues {
    int16_t Columns, Rows;
    int16_t ClassicMines;
    uint8_t ClassicTable;
    int16_t DuelMines, DuelFlagsToWin;
    uint8_t DuelTable;
    uint8_t OpponentSpeed; // cells per second
};

// Indexed by Level; two-player boards have an odd number of mines and a goal of half plus one.
constexpr std::array<LevelValues, 3> LevelTable {{
    {9, 9, 10, 0, 19, 10, 3, 7},
    {16, 16, 40, 1, 51, 26, 4, 7},
    {30, 16, 99, 2, 111, 56, 5, 8},
}};

constexpr uint8_t NoScoreTable = 6;
constexpr const char* ComputerName = "A.I";
constexpr const char* SecondPlayerName = "P2";
constexpr uint8_t CustomOpponentSpeed = 8;

bool IsFixedLevel(int32_t level)
{
    return level >= 0 && level < static_cast<int32_t>(LevelTable.size());
}

void CallWithTable(const std::function<void(int)>& hook, uint8_t table)
{
    if (hook)
        hook(table);
}

} // namespace

MenuCommands::MenuCommands(Game& game, Settings& settings) : game_(game), settings_(settings) { }

void MenuCommands::RunLevel(Level level)
{
    const LevelValues& values = LevelTable[static_cast<size_t>(level)];
    const bool changed = game_.CurrentLevel != static_cast<int32_t>(level);
    if (changed)
        game_.BoardWidth = values.Columns;
    // Expert sets its rows even when the level stays.
    if (changed || level == Level::Expert)
        game_.BoardHeight = values.Rows;
    game_.Opponent.Speed = values.OpponentSpeed;

    if (game_.IsTwoPlayer()) {
        game_.MineCount = values.DuelMines;
        game_.FlagsToWin = values.DuelFlagsToWin;
        game_.ScoreTable = values.DuelTable;
        game_.Players[Player1].Score = 0;
        game_.Players[Player2].Score = 0;
        CallWithTable(FindLowestByWins, game_.ScoreTable);
    } else {
        game_.MineCount = values.ClassicMines;
        game_.ScoreTable = values.ClassicTable;
        CallWithTable(FindLowestByTime, game_.ScoreTable);
    }

    // NewGame compares with the level of the old board to decide whether to rebuild.
    game_.NewGame(level);
    game_.FrameTimer.Tick();
    game_.CurrentLevel = static_cast<int32_t>(level);
}

void MenuCommands::StartCustomGame()
{
    game_.ScoreTable = NoScoreTable;
    game_.Opponent.Speed = CustomOpponentSpeed;
    game_.NewGame(Level::Custom);
    game_.FrameTimer.Tick();
    game_.CurrentLevel = static_cast<int32_t>(Level::Custom);
}

void MenuCommands::RestartForMode()
{
    if (IsFixedLevel(game_.CurrentLevel)) {
        RunLevel(static_cast<Level>(game_.CurrentLevel));
        return;
    }
    if (!game_.IsTwoPlayer()) {
        // A Classic board needs at least one safe cell for the first open.
        if (game_.MineCount == game_.BoardWidth * game_.BoardHeight)
            --game_.MineCount;
        game_.NewGame(Level::Custom);
        return;
    }
    // Two players share an odd number of mines, so one of them always wins.
    if (game_.MineCount % 2 == 0)
        --game_.MineCount;
    game_.FlagsToWin = static_cast<int16_t>(game_.MineCount / 2 + 1);
    game_.NewGame(Level::Custom);
    game_.FrameTimer.Tick();
}

void MenuCommands::Classic()
{
    game_.CurrentMode = PlayMode::Classic;
    RestartForMode();
}

// The mode commands give the first turn to Player1 here; NewGame passes it on, so the
// first game after a mode change begins with Player2. The second human never plays under
// the computer's name, which may have stayed through Classic games since Vs Computer:
// their results would go into the computer's rows.
void MenuCommands::VsHuman()
{
    game_.CurrentPlayer = Player1;
    if (game_.CurrentMode == PlayMode::VsComputer || game_.Players[Player2].Name == ComputerName)
        game_.Players[Player2].Name = SecondPlayerName;
    game_.CurrentMode = PlayMode::VsHuman;
    RestartForMode();
    game_.FlagsToWin = static_cast<int16_t>(game_.MineCount / 2 + 1);
}

void MenuCommands::VsComputer()
{
    game_.CurrentPlayer = Player1;
    game_.CurrentMode = PlayMode::VsComputer;
    game_.Players[Player2].Name = ComputerName;
    RestartForMode();
}

void MenuCommands::Sounds(bool on)
{
    game_.SoundOn = on;
    settings_.SoundOn = on;
    SaveSettings(settings_, game_.Folders.Settings, game_.platform);
}

// The theme is shown even when it could not be saved: the choice holds for this run.
void MenuCommands::Theme(uint8_t theme)
{
    if (!IsThemeIndex(theme))
        return;
    settings_.ThemeIndex = theme;
    SaveSettings(settings_, game_.Folders.Settings, game_.platform);
    if (ApplyTheme)
        ApplyTheme(theme);
}

void MenuCommands::BlockSize(int16_t cellSize)
{
    if (!IsOfferedCellSize(cellSize))
        return;
    // The layout fits the board to the screen from the chosen size.
    settings_.CellSize = static_cast<uint8_t>(cellSize);
    game_.platform.ApplyLayout();
    SaveSettings(settings_, game_.Folders.Settings, game_.platform);
}

void MenuCommands::Help()
{
    game_.platform.OpenDocument(HelpFilePath(game_.Folders));
}

void MenuCommands::Pause()
{
    game_.TogglePause();
}

void MenuCommands::Hint()
{
    game_.GiveHint();
}

bool MenuCommands::HintOffered() const
{
    return game_.HintOffered();
}

void MenuCommands::LoadPreferences()
{
    preferences_.Load(game_.Folders.Settings, game_.platform);
    game_.NoGuessing = preferences_.Values.NoGuessing;
    if (ApplyStrength)
        ApplyStrength(preferences_.Values.Strength);
    if (ApplyNumberColours)
        ApplyNumberColours(preferences_.Values.ColourSafeNumbers);
}

// Takes effect at the next board's first open.
void MenuCommands::NoGuessing(bool on)
{
    game_.NoGuessing = on;
    preferences_.Values.NoGuessing = on;
    preferences_.Save(game_.platform);
}

void MenuCommands::Strength(ComputerStrength strength)
{
    preferences_.Values.Strength = strength;
    preferences_.Save(game_.platform);
    if (ApplyStrength)
        ApplyStrength(strength);
    if (game_.CurrentMode == PlayMode::VsComputer)
        VsComputer();
}

void MenuCommands::ColourSafeNumbers(bool on)
{
    preferences_.Values.ColourSafeNumbers = on;
    preferences_.Save(game_.platform);
    if (ApplyNumberColours)
        ApplyNumberColours(on);
}

MenuChecks CurrentMenuChecks(const Game& game, const Settings& settings,
    const Preferences& preferences, int16_t cellSizeInUse)
{
    MenuChecks checks;
    if (game.CurrentLevel >= 0 && game.CurrentLevel <= static_cast<int32_t>(Level::Custom))
        checks.CheckedLevel = static_cast<Level>(game.CurrentLevel);
    checks.Mode = game.CurrentMode;
    checks.SoundOn = game.SoundOn;
    checks.Theme = settings.ThemeIndex;
    checks.CellSize = cellSizeInUse;
    checks.NoGuessing = game.NoGuessing;
    checks.Strength = preferences.Strength;
    checks.ColourSafeNumbers = preferences.ColourSafeNumbers;
    return checks;
}

} // namespace orvane
