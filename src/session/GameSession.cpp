// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameSession.h"

#include "game/BoardCode.h"
#include "input/StatusInput.h"
#include "platform/FileLookup.h"
#include "platform/Platform.h"
#include "render/model/ViewState.h"

#include <utility>

namespace orvane {

namespace {

// The files' troubles are told in an error box.
auto ErrorBoxes(Platform& platform)
{
    return [&platform](const Text& message) { platform.ShowMessage(message, MessageIcon::Error); };
}

constexpr int32_t FramesPerSecond = 30;

} // namespace

GameSession::GameSession(Platform& platform, const FileFolders& folders, ViewState& view,
    RandomSource* random, CounterSource* counterSource) :
    platform(platform),
    folders(folders), view(view), random(random ? *random : ClockRandom),
    counter(counterSource ? *counterSource : SteadyTime), clock(counter), game(this->random, clock),
    computer(game, this->random, clock),
    scores(AppFilePath(folders.Scores, "\\Orvane.cfg"), ErrorBoxes(platform)),
    history(AppFilePath(folders.Scores, "\\History.db"), ErrorBoxes(platform)),
    results(scores, history, marks, highScoreWindows, platform),
    commands(game, settings, platform, this->folders), step(view, screen, computer, clock)
{
    commands.ApplyStrength = [this](ComputerStrength strength) { computer.SetStrength(strength); };
    commands.KeepFrameTimeAtDeal = [this] { keepFrameTimeAtDeal_ = true; };
    commands.ApplyKeepReplays = [this](bool keep) { results.KeepReplays(keep); };
    commands.ApplyShowChances = [this](bool show) { chances.SetOn(show); };
    // A won game's board, counters and result stand whole behind the name dialog.
    highScoreWindows.ShowFinishedBoard = [this] {
        this->clock.WaitFrame(FramesPerSecond);
        this->view.Message.ShowWhole();
        this->platform.RedrawNow();
    };
}

bool GameSession::Start()
{
    if (folders.Settings.empty() || folders.Scores.empty())
        platform.ShowMessage(
            QT_TRANSLATE_NOOP("Messages",
                "There is no home folder to keep your files in: HOME is not set, and the user "
                "database names none. You can play, but no settings, options, scores or games "
                "played are kept this time."),
            MessageIcon::Warning);
    settings = LoadSettings(folders.Settings);
    ApplySettings(game, settings);
    commands.LoadPreferences();
    scores.LoadScores();
    scores.FindLowestByTime(0);
    history.Open();
    commands.FindLowestByTime = [this](int table) { scores.FindLowestByTime(table); };
    commands.FindLowestByWins = [this](int table) { scores.FindLowestByWins(table); };

    if (!clock.Create()) {
        platform.ShowMessage(QT_TRANSLATE_NOOP("Messages",
                                 "Your CPU doesn't support High Resolutiom Timer! Exiting now."),
            MessageIcon::Error);
        return false;
    }
    clock.Start();
    random.SeedFromClock();
    view.Message.Reset();
    game.NewGame(BoardSetup {});
    TakeGameEvents();
    computer.Create();
    return true;
}

void GameSession::TakeGameEvents()
{
    for (const GameEvent& event : game.TakeEvents()) {
        TakeEvent(event);
        news_.Take(game, event);
        if (OnGameEvent)
            OnGameEvent(event);
    }
    chances.Update(game, PointedCell(), view);
    // A new board starts the next frame afresh: its making is no frame's time. The Classic
    // restart of a custom board and a finished board's double click keep the frame's time.
    const bool keepFrameTime = std::exchange(keepFrameTimeAtDeal_, false);
    if (std::exchange(boardDealt_, false) && !keepFrameTime)
        clock.Tick();
    const MoveNews news = news_.Finish(game);
    if (OnEventsTaken)
        OnEventsTaken(news);
    results.ShowDueHighScore();
}

void GameSession::TakeEvent(const GameEvent& event)
{
    if (std::holds_alternative<BoardDealt>(event)) {
        boardDealt_ = true;
        platform.ApplyLayout();
        // The goal's message starts on a frame of its own.
        if (game.IsTwoPlayer())
            clock.WaitFrame(FramesPerSecond);
    } else if (const auto* sound = std::get_if<SoundPlayed>(&event)) {
        platform.PlaySound(sound->Played);
    } else if (const auto* message = std::get_if<MessagePosted>(&event)) {
        if (message->ContinuesRunning) {
            view.Message.Continue(message->Text, message->SlideTime, message->HoldTime);
        } else {
            view.Message.Post(message->Text, message->SlideTime, message->HoldTime);
            view.Message.AlsoInClassic = message->AlsoInClassic;
        }
    } else if (std::holds_alternative<NoGuessDealFailed>(event)) {
        platform.ShowMessage(
            QT_TRANSLATE_NOOP("Messages",
                "No board that can be cleared without guessing was found for this many mines on "
                "this board. This game is dealt as usual, and a guess may be needed."),
            MessageIcon::Information);
    } else {
        results.Take(event);
    }
}

int32_t GameSession::PointedCell() const
{
    const int32_t key = KeyCursorCell(game, screen);
    return key >= 0 ? key : screen.PointerCell;
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
            return Text::Verbatim(caption);
        }
        return Text(QT_TRANSLATE_NOOP("Messages", "%1 pixels")).Arg(cellSize);
    };
    platform.ShowMessage(
        Text(QT_TRANSLATE_NOOP("Messages",
                 "This board does not fit on the screen with the block size %1, so it is shown "
                 "at %2. The block size %1 comes back with the next board that fits."))
            .Arg(name(settings.CellSize))
            .Arg(name(screen.CellSize)),
        MessageIcon::Information);
}

void GameSession::BoardPress(MouseButton button, int x, int y)
{
    BoardMouseDown(game, screen, button, x, y);
    TakeGameEvents();
}

void GameSession::BoardDoublePress(MouseButton button, int x, int y)
{
    if (button == MouseButton::Left) {
        keepFrameTimeAtDeal_ = true;
        BoardDoubleClick(game, screen);
    }
    BoardMouseDown(game, screen, button, x, y);
    TakeGameEvents();
}

void GameSession::BoardMove(int x, int y)
{
    BoardMouseMove(game, screen, x, y);
    TakeGameEvents();
}

void GameSession::BoardRelease(MouseButton button, int x, int y)
{
    BoardMouseUp(game, screen, button, x, y);
    TakeGameEvents();
}

void GameSession::PlayBoardKey(BoardKey key)
{
    BoardKeyPress(game, screen, key);
    TakeGameEvents();
}

void GameSession::ClickBoardCell(MouseButton button, int32_t cell)
{
    if (!BoardKeysMayAct(game, screen) || cell < 0
        || cell >= static_cast<int32_t>(game.Cells().size()))
        return;
    ClickCell(game, screen, button, cell);
    TakeGameEvents();
}

KeyOutcome GameSession::PressKey(char key)
{
    return HandleKey(game, view.Message, platform, key);
}

void GameSession::StatusPress(MouseButton button)
{
    statusDoubleClicked_ = false;
    StatusMouseDown(game, screen, button);
    TakeGameEvents();
}

void GameSession::StatusDoublePress(MouseButton button, int width)
{
    if (button == MouseButton::Left) {
        statusDoubleClicked_ = true;
        StatusDoubleClick(game, screen, width, view.Message.Running(), platform);
    }
    StatusMouseDown(game, screen, button);
    TakeGameEvents();
}

void GameSession::StatusMove(int x, int y, int width)
{
    StatusMouseMove(game, screen, x, y, width);
    TakeGameEvents();
}

void GameSession::StatusRelease(MouseButton button, bool inside)
{
    if (button == MouseButton::Left && !statusDoubleClicked_ && inside)
        StatusClick(game, screen, platform);
    statusDoubleClicked_ = false;
    StatusMouseUp(game, screen, button);
    TakeGameEvents();
}

void GameSession::NewGameFromMenu()
{
    NewGameCommand(game, screen, platform);
    TakeGameEvents();
}

Text GameSession::PlayBoardCode(std::string_view code)
{
    const BoardCodeReading read = ReadBoardCode(code);
    if (!read.Layout)
        return read.Problem;
    const BoardLayout& board = *read.Layout;
    game.NewGameWithLayout(board.Setup, board.CellOrder, board.LastSafeSlot, board.FirstCell);
    TakeGameEvents();
    return {};
}

bool GameSession::PlayBoardAgain(const RecordedGame& record)
{
    const std::optional<std::string> code = BoardCodeOf(record);
    return code && PlayBoardCode(*code).Empty();
}

std::optional<std::string> GameSession::CurrentBoardCode() const
{
    return BoardCodeOf(game.Recorded());
}

void GameSession::UpdateComputer()
{
    computer.Update();
    TakeGameEvents();
}

} // namespace orvane
