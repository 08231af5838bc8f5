// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "input/BoardInput.h"
#include "input/BoardKeys.h"
#include "input/ScreenState.h"
#include "platform/CounterSource.h"
#include "platform/FileFolders.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"
#include "render/model/Layout.h"
#include "scores/History.h"
#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "session/ChanceDisplay.h"
#include "session/Commands.h"
#include "session/FrameStep.h"
#include "session/Keyboard.h"
#include "session/MoveNews.h"
#include "session/Settings.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

class Platform;
struct ViewState;

// One run of the game without its window: the rules and their clocks, the computer
// opponent, the settings, the score file and the history of games, the menu commands and
// the frame step, with the mouse events of both areas as the window system delivers them.
// After every input and every frame it takes what the rules told (TakeGameEvents) and lets
// the window, the sound, the message bar, the score file and the history react. The window
// adapts its events and drawing surfaces to this and holds no game logic of its own.
class GameSession {
public:
    // The game draws from a clock-seeded source and times with the steady clock unless
    // others are given (tests fix the mines and move time by hand).
    GameSession(Platform& platform, const FileFolders& folders, ViewState& view,
        RandomSource* random = nullptr, CounterSource* counter = nullptr);

    // Loads the settings and scores and deals the first board. False, after telling the
    // player why, when the frame clock cannot run: the program then ends.
    bool Start();

    // The chosen cell size, or the largest offered one that lets the window fit in a room
    // of width x height pixels; the layout of both areas at that size.
    LayoutSizes FitToRoom(int width, int height);
    // True once a run, right after a fitting drew the board smaller than the choice.
    bool TakeSmallerCellsNotice();
    // Tells the player why the board is drawn with smaller cells than chosen.
    void TellOfSmallerCells();
    LayoutSizes Layout() const { return ComputeLayout(game, screen.CellSize); }
    MenuChecks Checks() const
    {
        return CurrentMenuChecks(game, settings, commands.StoredPreferences(), screen.CellSize);
    }

    // The board area's mouse, in its pixels. The press that completes a double click is
    // a press like any other once the double click has had its say (which may swallow it).
    void BoardPress(MouseButton button, int x, int y);
    void BoardDoublePress(MouseButton button, int x, int y);
    void BoardMove(int x, int y);
    void BoardRelease(MouseButton button, int x, int y);
    // A key that plays the board, as the window maps its keys.
    void PlayBoardKey(BoardKey key);
    // A click of the button on a cell, asked for by assistive technology: what a key on
    // that cell does, where a key may act.
    void ClickBoardCell(MouseButton button, int32_t cell);
    // The Escape and digit keys.
    KeyOutcome PressKey(char key);
    // The status area's mouse, for an area width pixels wide. A left press and release
    // inside the area is a click, handled before the release, unless the press completed
    // a double click.
    void StatusPress(MouseButton button);
    void StatusDoublePress(MouseButton button, int width);
    void StatusMove(int x, int y, int width);
    void StatusRelease(MouseButton button, bool inside);
    // The menu's New: what a click on the face does.
    void NewGameFromMenu();
    // A new Classic game on a given board, counted in no score table, its first cell
    // framed: the board of a code (the code's problem in plain words when it has none), or
    // a recorded game's board (false when its mines were never laid).
    Text PlayBoardCode(std::string_view code);
    bool PlayBoardAgain(const RecordedGame& record);
    // The code of the board being played; none before its first open.
    std::optional<std::string> CurrentBoardCode() const;
    // The computer's frame, while its move is under way.
    void UpdateComputer();

    // What the rules told since the last call: sounds played, messages posted on the bar,
    // the window laid out for a new board, results counted and kept, the chances shown
    // brought up to date; then, with the rules' calls all returned, the dialogs of a high
    // score.
    void TakeGameEvents();
    // Hears every event of the rules after the session has reacted to it.
    std::function<void(const GameEvent&)> OnGameEvent;
    // Hears what the events told, once they are all taken (news empty when there is none),
    // before a high score's dialogs open.
    std::function<void(const MoveNews&)> OnEventsTaken;

    Platform& platform;
    FileFolders folders;
    ViewState& view;
    SteadyCounter SteadyTime;
    ClockSeededRandom ClockRandom;
    RandomSource& random;
    CounterSource& counter;
    FrameClock clock;
    Game game;
    ScreenState screen;
    ComputerPlayer computer;
    ScoreFile scores;
    History history;
    ScoreMarks marks;
    HighScoreWindows highScoreWindows;
    ResultRecorder results;
    Settings settings;
    MenuCommands commands;
    FrameStep step;
    ChanceDisplay chances;

private:
    void TakeEvent(const GameEvent& event);
    // The cell the player points at: the keyboard's while it shows, else the mouse's.
    int32_t PointedCell() const;

    MoveNewsGatherer news_;
    bool statusDoubleClicked_ = false; // the release after a double click is no click
    bool smallerCellsNoticeDue_ = false;
    bool toldOfSmallerCells_ = false;
    bool boardDealt_ = false;
    bool keepFrameTimeAtDeal_ = false;
};

} // namespace orvane
