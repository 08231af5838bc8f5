// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/FrameStep.h"

#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "input/BoardKeys.h"
#include "input/ScreenState.h"
#include "platform/FrameClock.h"
#include "render/model/Counters.h"
#include "render/model/Layout.h"
#include "render/model/ViewState.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvane {

namespace {

// The panel's brightness swings between 0.9 and 1.0 and back, a tenth every 0.9 s. It is
// drawn in steps of two of the 256 levels a pixel can show: a finer step is not to be
// seen, and each step redraws the whole area.
constexpr float PulseLowest = 0.9f;
constexpr float PulseHighest = 1.0f;
constexpr double PulseSwingSeconds = 0.9;
constexpr float PulseLevelsPerUnit = 127.5f;

// The values a picture is drawn from, appended byte for byte to a buffer kept from pass
// to pass: equal records, equal pictures.
class PictureRecord {
public:
    explicit PictureRecord(std::string& buffer) : text_(buffer) { text_.clear(); }
    template<typename T> PictureRecord& Add(const T& value)
    {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        text_.append(bytes, sizeof(T));
        return *this;
    }
    PictureRecord& Add(const std::string& value)
    {
        Add(value.size());
        text_ += value;
        return *this;
    }

private:
    std::string& text_;
};

bool FlagOnBoard(const Game& game)
{
    return std::ranges::any_of(game.Cells(), [](const Cell& cell) { return cell.ShowsMine(); });
}

void RecordBoard(
    const Game& game, const ScreenState& screen, const ViewState& view, std::string& buffer)
{
    PictureRecord record(buffer);
    record.Add(game.BoardWidth())
        .Add(game.BoardHeight())
        .Add(screen.CellSize)
        .Add(game.ShowMoveMarks());
    record.Add(game.HintCell()).Add(KeyCursorCell(game, screen));
    // A paused board is drawn closed, whatever lies under it.
    record.Add(game.Paused());
    if (game.Paused())
        return;
    for (const Cell& cell : game.Cells())
        record.Add(cell.State).Add(cell.Mark).Add(cell.MoveMark).Add(cell.Value);
    // The chances change only with the cells, or when they are shown or hidden.
    record.Add(view.Chances.Shown);
    if (FlagOnBoard(game))
        record.Add(view.WavingFlags.Frame);
    const bool lost = game.CurrentState() == GameState::Lost;
    record.Add(lost);
    // A turn of less than half a degree moves no pixel worth a frame.
    if (lost)
        record.Add(std::lround(view.SpinAngle));
    record.Add(game.ComputerHasTheTurn());
    if (game.ComputerHasTheTurn())
        record.Add(view.ComputerPointerX).Add(view.ComputerPointerY);
}

void RecordStatus(
    const Game& game, const ScreenState& screen, const ViewState& view, std::string& buffer)
{
    PictureRecord record(buffer);
    record.Add(game.BoardWidth())
        .Add(game.BoardHeight())
        .Add(screen.CellSize)
        .Add(game.CurrentMode());
    const CounterValues counters = ShownCounters(game);
    record.Add(counters.Left).Add(counters.Right);
    record.Add(game.Face()).Add(screen.FaceDown).Add(game.BonusButtonDown());
    record.Add(game.BonusButtonEnabled());
    if (game.IsTwoPlayer()) {
        record.Add(game.CurrentPlayer()).Add(std::lround(view.PulseScale * PulseLevelsPerUnit));
        for (const PlayerData& player : game.Players())
            record.Add(player.Name).Add(player.Score);
    }
    const MessageBar& message = view.Message;
    if (message.ShownFor(game.IsTwoPlayer())) {
        record.Add(message.Stage);
        if (message.Stage != BarStage::Idle)
            record.Add(message.OffsetX);
        if (message.Stage == BarStage::Shown)
            record.Add(message.Text);
    }
}

// True when the picture now differs from the one drawn, which it then becomes.
bool Differs(std::string& drawn, std::string& now)
{
    if (drawn == now)
        return false;
    drawn.swap(now);
    return true;
}

} // namespace

FrameChanges FrameStep::Advance(const Game& game, const std::function<void()>& updateOpponent)
{
    // The computer opponent's frame; where its pointer glides to is part of the board's
    // picture. A paused game holds everything timed.
    if (computer_.MoveUnderWay() && !game.Paused())
        updateOpponent();
    view_.ComputerPointerX = computer_.PointerX();
    view_.ComputerPointerY = computer_.PointerY();

    // Between a change of the board's dimensions and the new game that rebuilds the
    // cells there is nothing consistent to draw, and nothing drawn advances.
    if (!game.BoardMatchesSize())
        return {};
    if (!game.Paused()) {
        AdvanceBoard(game);
        AdvanceStatus(game);
    }
    FrameChanges changes;
    RecordBoard(game, screen_, view_, current_);
    changes.Board = Differs(drawnBoard_, current_);
    RecordStatus(game, screen_, view_, current_);
    changes.Status = Differs(drawnStatus_, current_);
    return changes;
}

FrameStep::Pace FrameStep::NextPace(const Game& game) const
{
    if (game.Paused() || !game.BoardMatchesSize())
        return Pace::Still;
    const bool stripShown = game.IsTwoPlayer();
    if (computer_.MoveUnderWay() || FlagOnBoard(game) || game.CurrentState() == GameState::Lost
        || (view_.Message.ShownFor(stripShown) && view_.Message.Running()))
        return Pace::EveryFrame;
    return stripShown ? Pace::Pulse : Pace::Still;
}

int64_t FrameStep::MillisecondsToNextPulseStep() const
{
    // A level is shown from one rounding boundary (a half level) to the next.
    const double level = view_.PulseScale * PulseLevelsPerUnit;
    const bool rising = view_.PulseStep > 0.0f;
    const double boundary = rising
        ? std::min(std::floor(level + 0.5) + 0.5, double {PulseHighest * PulseLevelsPerUnit})
        : std::max(std::floor(level - 0.5) + 0.5, double {PulseLowest * PulseLevelsPerUnit});
    const double seconds = std::abs(boundary - level) / PulseLevelsPerUnit * PulseSwingSeconds
        / std::abs(view_.PulseStep);
    // A millisecond more, so that the pass lands past the boundary.
    return static_cast<int64_t>(std::ceil(seconds * 1000.0)) + 1;
}

void FrameStep::Invalidate()
{
    drawnBoard_.clear();
    drawnStatus_.clear();
}

void FrameStep::AdvanceBoard(const Game& game)
{
    const FrameClock& timer = clock_;
    // The flags wave only while there is a flag to wave.
    if (FlagOnBoard(game))
        view_.WavingFlags.Advance(timer);
    // A full turn of the glow for every 3 seconds of frames after a loss.
    if (game.CurrentState() == GameState::Lost) {
        view_.SpinAngle += static_cast<float>(360.0 / (3.0 / timer.FrameTime));
        if (view_.SpinAngle >= 360.0f)
            view_.SpinAngle = 0.0f;
    }
}

void FrameStep::AdvanceStatus(const Game& game)
{
    // The message bar runs only while it shows: a message of the two-player game posted
    // in Classic waits, unadvanced, for a two-player mode.
    const double frameTime = clock_.FrameTime;
    MessageBar& message = view_.Message;
    if (message.ShownFor(game.IsTwoPlayer()) && message.Running())
        message.Step(frameTime, ComputeLayout(game, screen_.CellSize).StatWidth);
    if (!game.IsTwoPlayer())
        return;

    // The pulse runs only while the player strip shows.
    view_.PulseScale += static_cast<float>(view_.PulseStep / (PulseSwingSeconds / frameTime));
    if (view_.PulseScale < PulseLowest) {
        view_.PulseScale = PulseLowest;
        view_.PulseStep = 0.1f;
    } else if (view_.PulseScale >= PulseHighest) {
        view_.PulseScale = PulseHighest;
        view_.PulseStep = -0.1f;
    }
}

} // namespace orvane
