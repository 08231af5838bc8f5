// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ReplayCheck.h"

#include "ai/ComputerPlayer.h"
#include "game/PlayerView.h"
#include "game/Replay.h"
#include "game/ReplayFile.h"
#include "input/BoardInput.h"
#include "input/BoardKeys.h"
#include "input/ScreenState.h"
#include "input/StatusInput.h"
#include "platform/FrameClock.h"
#include "solver/ClassicPlayer.h"
#include "support/ComputerSeats.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/ScriptedPlatform.h"

#include <random>

namespace orvane::testing {

namespace {

constexpr int InputsPerGame = 400;

// A game being played on a millisecond counter that the player moves.
class Table {
public:
    Table(const BoardSetup& setup, uint64_t seed) : random_(seed)
    {
        clock_.Create();
        clock_.Start();
        game_.NewGame(setup);
        Take();
    }

    void Take()
    {
        for (GameEvent& event : game_.TakeEvents())
            events_.push_back(std::move(event));
    }
    // Time passes as the loop lets it: a frame, the clock shown.
    void Pass(int64_t milliseconds, double frameTime)
    {
        counter_.now += milliseconds;
        clock_.Tick();
        clock_.FrameTime = frameTime;
        game_.ShowGameClock();
    }

    FakeCounter counter_ {1000};
    FrameClock clock_ {counter_};
    FixedRandom random_;
    Game game_ {random_, clock_};
    ScreenState screen_;
    ScriptedPlatform platform_;
    std::vector<GameEvent> events_;
};

MouseButton ButtonOf(uint64_t draw)
{
    const MouseButton buttons[]
        = {MouseButton::Left, MouseButton::Left, MouseButton::Right, MouseButton::Middle};
    return buttons[draw % 4];
}

void PlayRandomly(Table& t, std::mt19937_64& engine)
{
    ComputerPlayer computer(t.game_, t.random_, t.clock_);
    computer.Create();
    const int cellSize = t.screen_.CellSize;
    for (int input = 0; input < InputsPerGame && t.game_.IsRunning(); ++input) {
        const uint64_t draw = engine();
        const int x = static_cast<int>(engine() % (t.game_.BoardWidth() * cellSize + 20)) - 10;
        const int y = static_cast<int>(engine() % (t.game_.BoardHeight() * cellSize + 20)) - 10;
        switch (draw % 16) {
        case 0:
            BoardMouseDown(t.game_, t.screen_, ButtonOf(draw >> 8), x, y);
            break;
        case 1:
            BoardMouseMove(t.game_, t.screen_, x, y);
            break;
        case 2:
            BoardMouseUp(t.game_, t.screen_, ButtonOf(draw >> 8), x, y);
            break;
        case 3:
            BoardKeyPress(t.game_, t.screen_, static_cast<BoardKey>((draw >> 8) % 10));
            break;
        case 4:
            StatusMouseMove(t.game_, t.screen_, static_cast<int>((draw >> 8) % 300),
                static_cast<int>((draw >> 20) % 110), 2 * 6 + t.game_.BoardWidth() * cellSize);
            break;
        case 5:
            StatusMouseDown(t.game_, t.screen_, MouseButton::Left);
            StatusMouseUp(t.game_, t.screen_, MouseButton::Left);
            break;
        case 6:
            if ((draw >> 8) % 4 == 0)
                t.game_.TogglePause();
            else if ((draw >> 8) % 4 == 1)
                t.game_.GiveHint();
            break;
        case 7:
            if (t.screen_.PressedTarget == StatusTarget::Bonus)
                StatusClick(t.game_, t.screen_, t.platform_);
            break;
        default:
            // A whole click, with time and the computer's turn, frame by frame, before it.
            t.Pass(static_cast<int64_t>((draw >> 8) % 400), 1.0 / 30);
            for (int frame = 0; frame < 600 && computer.MoveUnderWay() && !t.game_.Paused();
                 ++frame) {
                computer.Update();
                t.Take();
                t.Pass(33, 1.0 / 30);
            }
            BoardMouseDown(t.game_, t.screen_, ButtonOf(draw >> 8), x, y);
            BoardMouseUp(t.game_, t.screen_, ButtonOf(draw >> 8), x, y);
            break;
        }
        t.Take();
    }
}

void PlayBySolver(Table& t)
{
    solver::ClassicPlayer player;
    solver::BoardView view;
    const int first = solver::ClassicPlayer::FirstCell(t.game_.BoardWidth(), t.game_.BoardHeight());
    std::vector<int> cells {first};
    while (t.game_.IsRunning() && !cells.empty()) {
        for (int cell : cells) {
            t.Pass(137, 1.0 / 30);
            t.game_.ActOnCell(CellGesture::Open, CellAction::Press, cell);
            t.game_.CountClick();
            t.game_.ActOnCell(CellGesture::Open, CellAction::Release, cell);
            t.Take();
        }
        if (!t.game_.IsRunning())
            break;
        FillPlayerView(t.game_, view);
        cells = player.NextCells(view);
    }
}

void PlayByComputers(Table& t)
{
    ComputerSeats seats(t.game_, t.random_, t.clock_);
    for (int frame = 0; frame < 20000 && t.game_.IsRunning(); ++frame) {
        t.Pass(33, 1.0 / 30);
        seats.Frame();
        t.Take();
    }
}

} // namespace

BoardSetup BoardOfSeed(PlayMode mode, uint64_t seed)
{
    struct Size {
        Level BoardLevel;
        int16_t Width, Height, ClassicMines, TwoPlayerMines;
    };
    constexpr Size Sizes[]
        = {{Level::Beginner, 9, 9, 10, 19}, {Level::Intermediate, 16, 16, 40, 51},
            {Level::Expert, 30, 16, 99, 111}, {Level::Custom, 12, 7, 20, 21}};
    const Size& size = Sizes[seed % 4];
    BoardSetup setup;
    setup.Mode = mode;
    setup.BoardLevel = size.BoardLevel;
    setup.Width = size.Width;
    setup.Height = size.Height;
    setup.Mines = mode == PlayMode::Classic ? size.ClassicMines : size.TwoPlayerMines;
    return setup;
}

SeenGame SeeGame(const Game& game)
{
    SeenGame seen;
    seen.Cells = game.Cells();
    seen.State = game.CurrentState();
    seen.CurrentPlayer = game.CurrentPlayer();
    seen.Players = game.Players();
    seen.FlagsLeft = game.FlagsLeft();
    seen.ElapsedSeconds = game.ElapsedSeconds();
    seen.ClickCount = game.ClickCount();
    seen.HintCell = game.HintCell();
    seen.HintsUsed = game.HintsUsed();
    seen.Face = game.Face();
    seen.BonusButtonEnabled = game.BonusButtonEnabled();
    seen.BonusButtonDown = game.BonusButtonDown();
    seen.BonusArmed = game.BonusArmed();
    seen.BonusSpent = game.BonusSpent();
    seen.ShowMoveMarks = game.ShowMoveMarks();
    seen.Paused = game.Paused();
    seen.NoGuessBoard = game.DealtWithoutGuessing();
    return seen;
}

PlayedGame PlayOneGame(const BoardSetup& setup, ReplayPlayer player, uint64_t seed)
{
    Table table(setup, seed);
    std::mt19937_64 engine(seed);
    switch (player) {
    case ReplayPlayer::Random:
        PlayRandomly(table, engine);
        break;
    case ReplayPlayer::Solver:
        PlayBySolver(table);
        break;
    case ReplayPlayer::Computers:
        PlayByComputers(table);
        break;
    }
    PlayedGame played;
    played.Record = table.game_.Recorded();
    played.End = SeeGame(table.game_);
    // A game still being played is given up for a new one: its end, told then, holds the
    // whole record.
    table.game_.NewGame(setup);
    for (GameEvent& event : table.game_.TakeEvents()) {
        if (std::holds_alternative<BoardDealt>(event))
            break;
        if (const auto* ended = std::get_if<GameEnded>(&event))
            played.Record = ended->Record;
        table.events_.push_back(std::move(event));
    }
    played.Events = std::move(table.events_);
    return played;
}

std::string ReplayDiffers(const PlayedGame& played)
{
    // The game is played again as a replay file gives it back.
    const ReplayFileReading read
        = DecodeReplayFile(EncodeReplayFile({played.Record, {"Player"}, 0}));
    if (!read.Error.empty())
        return "the replay file was refused: " + read.Error;
    if (read.Replay.Game != played.Record)
        return "the record read back from its file differs";
    ReplayedGame replay(read.Replay.Game);
    std::vector<GameEvent> events;
    replay.OnEvent = [&events](const GameEvent& event) { events.push_back(event); };
    // What the game showed before a new game gave it up; then the give-up's own events.
    const std::vector<Command>& commands = read.Replay.Game.Commands;
    const bool givenUp = !commands.empty() && commands.back().Kind == CommandKind::EndForNewGame;
    replay.PlayCommands(commands.size() - (givenUp ? 1 : 0));
    const SeenGame end = SeeGame(replay.game());
    if (end != played.End) {
        std::string what;
        const auto note = [&what](bool differs, const char* name) {
            if (differs)
                what += std::string(" ") + name;
        };
        const SeenGame& e = played.End;
        note(end.Cells != e.Cells, "cells");
        note(end.State != e.State, "state");
        note(end.CurrentPlayer != e.CurrentPlayer, "player");
        note(end.Players != e.Players, "players");
        note(end.FlagsLeft != e.FlagsLeft, "flags");
        note(end.ElapsedSeconds != e.ElapsedSeconds, "seconds");
        note(end.ClickCount != e.ClickCount, "clicks");
        note(end.HintCell != e.HintCell || end.HintsUsed != e.HintsUsed, "hint");
        note(end.Face != e.Face, "face");
        note(end.BonusButtonEnabled != e.BonusButtonEnabled
                || end.BonusButtonDown != e.BonusButtonDown || end.BonusArmed != e.BonusArmed
                || end.BonusSpent != e.BonusSpent,
            "bonus");
        note(end.ShowMoveMarks != e.ShowMoveMarks, "move marks");
        note(end.Paused != e.Paused || end.NoGuessBoard != e.NoGuessBoard, "pause or no-guess");
        return "the replayed game ended otherwise:" + what;
    }
    replay.PlayToEnd();
    if (events != played.Events) {
        size_t first = 0;
        while (first < events.size() && first < played.Events.size()
            && events[first] == played.Events[first])
            ++first;
        const auto kind = [](const std::vector<GameEvent>& list, size_t at) {
            return at < list.size() ? std::to_string(list[at].index()) : std::string("none");
        };
        return "the replayed game told other events from event " + std::to_string(first)
            + " on (kind " + kind(events, first) + " where the game told kind "
            + kind(played.Events, first) + ")";
    }
    if (replay.RandomDraws() != 0)
        return "the replay drew from the random source";
    return {};
}

} // namespace orvane::testing
