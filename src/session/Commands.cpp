// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Commands.h"

#include "game/Game.h"
#include "platform/FileFolders.h"
#include "platform/Platform.h"
#include "session/Settings.h"

#include <array>

namespace orvane {

namespace {

struct LevelValues {
    int16_t Columns, Rows;
    int16_t ClassicMines;
    uint8_t ClassicTable;
    int16_t DuelMines;
    uint8_t DuelTable;
    uint8_t OpponentSpeed; // cells per second
};

// Indexed by Level; two-player boards have an odd number of mines.
constexpr std::array<LevelValues, 3> LevelTable {{
    {9, 9, 10, 0, 19, 3, 7},
    {16, 16, 40, 1, 51, 4, 7},
    {30, 16, 99, 2, 111, 5, 8},
}};

constexpr const char* ComputerName = "A.I";
constexpr const char* SecondPlayerName = "P2";
constexpr uint8_t CustomOpponentSpeed = 8;

bool IsFixedLevel(Level level)
{
    return static_cast<size_t>(level) < LevelTable.size();
}

void CallWithTable(const std::function<void(int)>& hook, uint8_t table)
{
    if (hook)
        hook(table);
}

} // namespace

MenuCommands::MenuCommands(
    Game& game, Settings& settings, Platform& platform, const FileFolders& folders) :
    game_(game),
    settings_(settings), platform_(platform), folders_(folders)
{
}

void MenuCommands::RunLevel(Level level, PlayMode mode, SeriesChange series)
{
    const LevelValues& values = LevelTable[static_cast<size_t>(level)];
    const BoardSetup& now = game_.Setup();
    const bool changed = now.BoardLevel != level;
    BoardSetup setup = now;
    setup.Mode = mode;
    setup.BoardLevel = level;
    if (changed)
        setup.Width = values.Columns;
    // Expert sets its rows even when the level stays.
    if (changed || level == Level::Expert)
        setup.Height = values.Rows;
    setup.ComputerSpeed = values.OpponentSpeed;

    if (mode != PlayMode::Classic) {
        setup.Mines = values.DuelMines;
        setup.ScoreTable = values.DuelTable;
        series.ResetScores = true;
        CallWithTable(FindLowestByWins, setup.ScoreTable);
    } else {
        setup.Mines = values.ClassicMines;
        setup.ScoreTable = values.ClassicTable;
        CallWithTable(FindLowestByTime, setup.ScoreTable);
    }
    game_.NewGame(setup, series);
}

void MenuCommands::StartCustomGame(int16_t width, int16_t height, int16_t mines)
{
    BoardSetup setup = game_.Setup();
    setup.BoardLevel = Level::Custom;
    setup.Width = width;
    setup.Height = height;
    setup.Mines = mines;
    setup.ScoreTable = NoScoreTable;
    setup.ComputerSpeed = CustomOpponentSpeed;
    game_.NewGame(setup);
}

void MenuCommands::RestartForMode(PlayMode mode, const SeriesChange& series)
{
    if (IsFixedLevel(game_.CurrentLevel())) {
        RunLevel(game_.CurrentLevel(), mode, series);
        return;
    }
    BoardSetup setup = game_.Setup();
    setup.Mode = mode;
    if (mode == PlayMode::Classic) {
        // A Classic board needs at least one safe cell for the first open.
        if (setup.Mines == setup.Width * setup.Height)
            --setup.Mines;
        if (KeepFrameTimeAtDeal)
            KeepFrameTimeAtDeal();
    } else if (setup.Mines % 2 == 0) {
        // Two players share an odd number of mines, so one of them always wins.
        --setup.Mines;
    }
    game_.NewGame(setup, series);
}

BoardSetup MenuCommands::NetworkBoard() const
{
    BoardSetup setup = game_.Setup();
    setup.Mode = PlayMode::VsHuman;
    setup.ScoreTable = NoScoreTable;
    if (IsFixedLevel(setup.BoardLevel)) {
        const LevelValues& values = LevelTable[static_cast<size_t>(setup.BoardLevel)];
        setup.Width = values.Columns;
        setup.Height = values.Rows;
        setup.Mines = values.DuelMines;
    } else if (setup.Mines % 2 == 0) {
        --setup.Mines;
    }
    return setup;
}

void MenuCommands::Classic()
{
    RestartForMode(PlayMode::Classic, {});
}

// The mode commands give the first turn to Player1; the deal passes it on, so the first
// game after a mode change begins with Player2. The second human never plays under the
// computer's name, which may have stayed through Classic games since Vs Computer: their
// results would go into the computer's rows.
void MenuCommands::VsHuman()
{
    SeriesChange series;
    series.Player2First = true;
    if (game_.CurrentMode() == PlayMode::VsComputer
        || game_.Players()[Player2].Name == ComputerName)
        series.SecondPlayerName = SecondPlayerName;
    RestartForMode(PlayMode::VsHuman, series);
}

void MenuCommands::VsComputer()
{
    SeriesChange series;
    series.Player2First = true;
    series.SecondPlayerName = ComputerName;
    RestartForMode(PlayMode::VsComputer, series);
}

void MenuCommands::Sounds(bool on)
{
    game_.SetSoundOn(on);
    settings_.SoundOn = on;
    SaveSettings(settings_, folders_.Settings, platform_);
}

// The theme is shown even when it could not be saved: the choice holds for this run.
void MenuCommands::Theme(uint8_t theme)
{
    if (!IsThemeIndex(theme))
        return;
    settings_.ThemeIndex = theme;
    SaveSettings(settings_, folders_.Settings, platform_);
    if (ApplyTheme)
        ApplyTheme(theme);
}

void MenuCommands::BlockSize(int16_t cellSize)
{
    if (!IsOfferedCellSize(cellSize))
        return;
    // The layout fits the board to the screen from the chosen size.
    settings_.CellSize = static_cast<uint8_t>(cellSize);
    platform_.ApplyLayout();
    SaveSettings(settings_, folders_.Settings, platform_);
}

void MenuCommands::Help()
{
    platform_.OpenDocument(HelpFilePath(folders_));
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
    preferences_.Load(folders_.Settings, platform_);
    game_.SetNoGuessing(preferences_.Values.NoGuessing);
    if (ApplyStrength)
        ApplyStrength(preferences_.Values.Strength);
    if (ApplyNumberColours)
        ApplyNumberColours(preferences_.Values.ColourSafeNumbers);
    if (ApplyKeepReplays)
        ApplyKeepReplays(preferences_.Values.KeepReplays);
    if (ApplyShowChances)
        ApplyShowChances(preferences_.Values.ShowChances);
}

// Takes effect at the next board's first open.
void MenuCommands::NoGuessing(bool on)
{
    game_.SetNoGuessing(on);
    preferences_.Values.NoGuessing = on;
    preferences_.Save(platform_);
}

void MenuCommands::Strength(ComputerStrength strength)
{
    preferences_.Values.Strength = strength;
    preferences_.Save(platform_);
    if (ApplyStrength)
        ApplyStrength(strength);
    if (game_.CurrentMode() == PlayMode::VsComputer)
        VsComputer();
}

void MenuCommands::ColourSafeNumbers(bool on)
{
    preferences_.Values.ColourSafeNumbers = on;
    preferences_.Save(platform_);
    if (ApplyNumberColours)
        ApplyNumberColours(on);
}

void MenuCommands::KeepReplays(bool on)
{
    preferences_.Values.KeepReplays = on;
    preferences_.Save(platform_);
    if (ApplyKeepReplays)
        ApplyKeepReplays(on);
}

void MenuCommands::ShowChances(bool on)
{
    preferences_.Values.ShowChances = on;
    preferences_.Save(platform_);
    if (ApplyShowChances)
        ApplyShowChances(on);
}

MenuChecks CurrentMenuChecks(const Game& game, const Settings& settings,
    const Preferences& preferences, int16_t cellSizeInUse)
{
    MenuChecks checks;
    checks.CheckedLevel = game.CurrentLevel();
    checks.Mode = game.CurrentMode();
    checks.SoundOn = game.SoundOn();
    checks.Theme = settings.ThemeIndex;
    checks.CellSize = cellSizeInUse;
    checks.NoGuessing = game.NoGuessing();
    checks.Strength = preferences.Strength;
    checks.ColourSafeNumbers = preferences.ColourSafeNumbers;
    checks.KeepReplays = preferences.KeepReplays;
    checks.ShowChances = preferences.ShowChances;
    return checks;
}

} // namespace orvane
