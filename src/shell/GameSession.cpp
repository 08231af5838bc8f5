// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/GameSession.h"

#include "game/StatusInput.h"
#include "platform/FileLookup.h"
#include "platform/Platform.h"
#include "scores/HistoryRecording.h"

#include <utility>

namespace orvane {

namespace {

// The files' troubles are told in an error box.
auto ErrorBoxes(Platform& platform)
{
    return [&platform](
               const std::string& message) { platform.ShowMessage(message, MessageIcon::Error); };
}

} // namespace

GameSession::GameSession(Platform& platform, const FileFolders& folders, ViewState& view,
    RandomSource* random, CounterSource* counter) :
    game(platform, random ? *random : ClockRandom, counter ? *counter : SteadyTime),
    scores(AppFilePath(folders.Scores, "\\Orvane.cfg"), ErrorBoxes(platform)),
    history(AppFilePath(folders.Scores, "\\History.db"), ErrorBoxes(platform)), step(view, screen)
{
    game.Folders = folders;
    commands.ApplyStrength = [this](ComputerStrength strength) { computer.SetStrength(strength); };
}

bool GameSession::Start()
{
    if (game.Folders.Settings.empty() || game.Folders.Scores.empty())
        game.platform.ShowMessage(
            "There is no home folder to keep your files in: HOME is not set, and the user "
            "database names none. You can play, but no settings, options, scores or games "
            "played are kept this time.",
            MessageIcon::Warning);
    settings = LoadSettings(game.Folders.Settings);
    ApplySettings(game, settings);
    commands.LoadPreferences();
    scores.LoadScores();
    scores.FindLowestByTime(0);
    ConnectScores(game, scores, marks, highScoreWindows);
    history.Open();
    ConnectHistory(game, history);
    commands.FindLowestByTime = [this](int table) { scores.FindLowestByTime(table); };
    commands.FindLowestByWins = [this](int table) { scores.FindLowestByWins(table); };

    if (!game.FrameTimer.Create()) {
        game.platform.ShowMessage(
            "Your CPU doesn't support High Resolutiom Timer! Exiting now.", MessageIcon::Error);
        return false;
    }
    game.FrameTimer.Start();
    game.random.SeedFromClock();
    game.Message.Reset();
    game.NewGame(Level::Beginner);
    computer.Create();
    game.Opponent.Speed = 8;
    return true;
}

LayoutSizes GameSession::FitToRoom(int width, int height)
{
    screen.CellSize = FittingCellSize(game, settings.CellSize, OfferedCellSizes, width, height);
    if (screen.CellSize < settings.CellSize && !toldOfSmallerCells_) {
        toldOfSmallerCells_ = true;
        smallerCellsNoticeDue_ = true;
    }
    return Layout();
}

bool GameSession::TakeSmallerCellsNotice()
{
    return std::exchange(smallerCellsNoticeDue_, false);
}

// The menu shows the size in use, so the player learns why it is not the one chosen.
void GameSession::TellOfSmallerCells()
{
    const auto name = [](int cellSize) {
        for (const BlockSizeItem& item : BlockSizeItems) {
            if (item.CellSize != cellSize)
                continue;
            std::string caption = item.Caption;
            std::erase(caption, '&');
            return caption;
        }
        return std::to_string(cellSize) + " pixels";
    };
    const std::string chosen = name(settings.CellSize);
    game.platform.ShowMessage("This board does not fit on the screen with the block size " + chosen
            + ", so it is shown at " + name(screen.CellSize) + ". The block size " + chosen
            + " comes back with the next board that fits.",
        MessageIcon::Information);
}

void GameSession::BoardPress(MouseButton button, int x, int y)
{
    BoardMouseDown(game, screen, button, x, y);
}

void GameSession::BoardDoublePress(MouseButton button, int x, int y)
{
    if (button == MouseButton::Left)
        BoardDoubleClick(game, screen);
    BoardMouseDown(game, screen, button, x, y);
}

void GameSession::BoardMove(int x, int y)
{
    BoardMouseMove(game, screen, x, y);
}

void GameSession::BoardRelease(MouseButton button, int x, int y)
{
    BoardMouseUp(game, screen, button, x, y);
}

void GameSession::StatusPress(MouseButton button)
{
    statusDoubleClicked_ = false;
    StatusMouseDown(game, screen, button);
}

void GameSession::StatusDoublePress(MouseButton button, int width)
{
    if (button == MouseButton::Left) {
        statusDoubleClicked_ = true;
        StatusDoubleClick(game, screen, width);
    }
    StatusMouseDown(game, screen, button);
}

void GameSession::StatusMove(int x, int y, int width)
{
    StatusMouseMove(game, screen, x, y, width);
}

void GameSession::StatusRelease(MouseButton button, bool inside)
{
    if (button == MouseButton::Left && !statusDoubleClicked_ && inside)
        StatusClick(game, screen);
    statusDoubleClicked_ = false;
    StatusMouseUp(game, screen, button);
}

} // namespace orvane
