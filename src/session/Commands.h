// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "game/GameTypes.h"
#include "platform/FileFolders.h"
#include "session/Preferences.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace orvane {

class Platform;
struct Settings;

// The game side of the menu commands. The Qt menu calls one of these per item and
// then sets its check marks from MenuChecks, so the menu holds no state of its own.
class MenuCommands {
public:
    MenuCommands(Game& game, Settings& settings, Platform& platform, const FileFolders& folders);

    // Hooks to the score tables and the renderer, set by the main window. Each
    // FindLowest hook is given the score table the level command has just chosen.
    std::function<void(int table)> FindLowestByTime;
    std::function<void(int table)> FindLowestByWins;
    // Makes the theme visible; runs after the choice has been saved.
    std::function<void(uint8_t theme)> ApplyTheme;
    // Called before a deal that keeps the frame's time: the session then does not start
    // the next frame afresh.
    std::function<void()> KeepFrameTimeAtDeal;
    // Hands the computer opponent's strength to it.
    std::function<void(ComputerStrength strength)> ApplyStrength;
    // Draws the numbers in the colour-safe colours, or in the classic ones.
    std::function<void(bool colourSafe)> ApplyNumberColours;
    // Keeps the replays of the games that end from now on, or not.
    std::function<void(bool keep)> ApplyKeepReplays;
    // Shows the mine chances over a Classic game's closed cells, or hides them.
    std::function<void(bool show)> ApplyShowChances;

    void Beginner() { RunLevel(Level::Beginner, game_.CurrentMode()); }
    void Intermediate() { RunLevel(Level::Intermediate, game_.CurrentMode()); }
    void Expert() { RunLevel(Level::Expert, game_.CurrentMode()); }
    // After the custom size dialog confirmed a size: a game on that board.
    void StartCustomGame(int16_t width, int16_t height, int16_t mines);

    // The board of the level being played, set for two players: what this player offers
    // when hosting a network game.
    BoardSetup NetworkBoard() const;

    void Classic();
    void VsHuman();
    void VsComputer();

    // Pauses a game being played, or resumes the paused one.
    void Pause();
    // A hint in a Classic game being played; nothing otherwise.
    void Hint();
    bool HintOffered() const;

    // At start-up: the options of the preferences file, handed to the game.
    void LoadPreferences();
    void NoGuessing(bool on);
    // A new strength starts a new game when the computer is being played, as the mode
    // command does.
    void Strength(ComputerStrength strength);
    void ColourSafeNumbers(bool on);
    // Turning it off drops none of the replays already kept.
    void KeepReplays(bool on);
    void ShowChances(bool on);
    const Preferences& StoredPreferences() const { return preferences_.Values; }
    // The options' store, for the options kept beside the menu's (the network's).
    PreferenceStore& Options() { return preferences_; }

    void Sounds(bool on);
    void Theme(uint8_t theme);        // ignored for a theme that does not exist
    void BlockSize(int16_t cellSize); // ignored for a size the menu does not offer
    void Help();

private:
    void RunLevel(Level level, PlayMode mode, SeriesChange series = {});
    // The mode commands' new game: the level command at a fixed level, or a restart
    // of the custom board with its mines made to suit the mode.
    void RestartForMode(PlayMode mode, const SeriesChange& series);

    Game& game_;
    Settings& settings_;
    Platform& platform_;
    const FileFolders& folders_;
    PreferenceStore preferences_;
};

// What the menu shows checked. The level is missing before the first board exists; the
// block size is the one in use, which a board too large for the screen makes smaller
// than the one chosen.
struct MenuChecks {
    std::optional<Level> CheckedLevel;
    PlayMode Mode = PlayMode::Classic;
    bool SoundOn = true;
    uint8_t Theme = 0;
    int16_t CellSize = 22;
    bool NoGuessing = false;
    ComputerStrength Strength = ComputerStrength::Normal;
    bool ColourSafeNumbers = false;
    bool KeepReplays = true;
    bool ShowChances = false;

    bool operator==(const MenuChecks&) const = default;
};

MenuChecks CurrentMenuChecks(const Game& game, const Settings& settings,
    const Preferences& preferences, int16_t cellSizeInUse);

} // namespace orvane
