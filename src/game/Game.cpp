// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Game.h"

#include "platform/FrameClock.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace orvane {

Game::Game(RandomSource& random, FrameClock& clock) : random_(random), clock_(clock) { }

std::vector<GameEvent> Game::TakeEvents()
{
    return std::exchange(events_, {});
}

int64_t Game::MillisecondsSinceDeal() const
{
    return (clock_.Now() - dealtAtCount_) * 1000 / clock_.Frequency;
}

void Game::Record(Command command)
{
    command.AtMilliseconds = MillisecondsSinceDeal();
    record_.Commands.push_back(std::move(command));
}

void Game::MovePointer(PointerPlace place)
{
    if (state_ != GameState::Playing || paused_)
        return;
    const int64_t now = MillisecondsSinceDeal();
    const int64_t frame = FrameOf(now);
    if (frame <= lastPointerFrame_)
        return;
    lastPointerFrame_ = frame;
    place.X = std::clamp(place.X, 0, BoardWidth() * PointerStepsPerCell - 1);
    place.Y = std::clamp(place.Y, 0, BoardHeight() * PointerStepsPerCell - 1);
    // The frame's start codes in no bytes; a command taken earlier in the frame keeps the
    // times from going back.
    const int64_t lastTime = record_.Commands.empty() ? 0 : record_.Commands.back().AtMilliseconds;
    record_.Commands.push_back({std::max(FrameStart(frame), lastTime), CommandKind::PointerMove,
        CellGesture::Open, CellAction::Press, PackPointer(place), {}});
}

void Game::Record(CommandKind kind, int32_t value)
{
    Record(Command {0, kind, CellGesture::Open, CellAction::Press, value, {}});
}

void Game::PlaySoundIfOn(Sound sound)
{
    if (soundOn_)
        Tell(SoundPlayed {sound});
}

void Game::PostMessage(const std::string& text, float slide, float hold, bool alsoInClassic)
{
    Tell(MessagePosted {text, slide, hold, false, alsoInClassic});
}

// The rules' draws are kept with the game, and a replay takes them from there.
double Game::DrawReal()
{
    double draw = 0.0;
    if (!replaying_)
        draw = random_.NextReal();
    else if (nextDraw_ < replaying_->Draws.size())
        draw = replaying_->Draws[nextDraw_++];
    record_.Start.Draws.push_back(draw);
    return draw;
}

void Game::ActOnCell(CellGesture gesture, CellAction action, int32_t cell)
{
    if (cell < 0 || static_cast<size_t>(cell) >= cells_.size())
        return;
    Record(Command {0, CommandKind::ActOnCell, gesture, action, cell, {}});
    Cell& target = MutableCell(cell);
    switch (gesture) {
    case CellGesture::Open:
        OpenCell(target, action);
        break;
    case CellGesture::Flag:
        FlagCell(target, action);
        break;
    case CellGesture::Chord:
        ChordCell(target, action);
        break;
    }
    Tell(CellsChanged {});
}

void Game::CountClick()
{
    Record(CommandKind::CountClick);
    ++clickCount_;
}

void Game::SetFaceFromState()
{
    if (state_ == GameState::Won)
        face_ = FaceLook::Won;
    else if (state_ == GameState::Lost)
        face_ = FaceLook::Lost;
    else
        face_ = FaceLook::Smiling;
}

void Game::PressFace(bool down)
{
    Record(CommandKind::PressFace, down);
    if (down)
        face_ = FaceLook::Pressing;
    else
        SetFaceFromState();
}

void Game::PressBonusButton(bool down)
{
    Record(CommandKind::PressBonusButton, down);
    bonusButtonDown_ = down;
}

void Game::RenamePlayer(PlayerIndex player, const std::string& name)
{
    // A network game's names are the players' own.
    if (networkSeat_)
        return;
    Record(
        Command {0, CommandKind::RenamePlayer, CellGesture::Open, CellAction::Press, player, name});
    players_[player].Name = name;
    players_[Player1].Score = players_[Player2].Score = 0;
}

void Game::ResetSeriesScores()
{
    if (networkSeat_)
        return;
    Record(CommandKind::ResetSeriesScores);
    players_[Player1].Score = players_[Player2].Score = 0;
}

void Game::SetSoundOn(bool on)
{
    Record(CommandKind::SetSoundOn, on);
    soundOn_ = on;
}

void Game::SetNoGuessing(bool on)
{
    Record(CommandKind::SetNoGuessing, on);
    noGuessing_ = on;
}

void Game::ShowGameClock()
{
    if (state_ != GameState::Playing || paused_)
        return;
    const auto seconds = static_cast<int32_t>(clock_.SecondsSinceMark());
    if (seconds == elapsedSeconds_)
        return;
    Record(CommandKind::ShowGameClock, seconds);
    elapsedSeconds_ = seconds;
}

void Game::ReplayCommand(const Command& command)
{
    switch (command.Kind) {
    case CommandKind::ActOnCell:
        ActOnCell(command.Gesture, command.Action, command.Value);
        return;
    case CommandKind::CountClick:
        CountClick();
        return;
    case CommandKind::PressFace:
        PressFace(command.Value != 0);
        return;
    case CommandKind::PressBonusButton:
        PressBonusButton(command.Value != 0);
        return;
    case CommandKind::ToggleBonus:
        ToggleBonus();
        return;
    case CommandKind::RandomOpen:
        RandomOpen();
        return;
    case CommandKind::ArmComputerBonus:
        ArmComputerBonus();
        return;
    case CommandKind::Pause:
        PauseGame();
        return;
    case CommandKind::Resume:
        ResumeGame();
        return;
    case CommandKind::Hint:
        GiveHint();
        return;
    case CommandKind::GiveUp:
        GiveUp();
        return;
    case CommandKind::EndForNewGame:
        if (state_ == GameState::Playing)
            EndForNewGame();
        return;
    case CommandKind::RenamePlayer:
        RenamePlayer(command.Value == Player2 ? Player2 : Player1, command.Text);
        return;
    case CommandKind::ResetSeriesScores:
        ResetSeriesScores();
        return;
    case CommandKind::SetSoundOn:
        SetSoundOn(command.Value != 0);
        return;
    case CommandKind::SetNoGuessing:
        SetNoGuessing(command.Value != 0);
        return;
    case CommandKind::ShowGameClock:
        // The seconds the loop saw then, not what this clock says.
        if (state_ == GameState::Playing && !paused_) {
            Record(command);
            elapsedSeconds_ = command.Value;
        }
        return;
    case CommandKind::PointerMove:
        record_.Commands.push_back(command);
        lastPointerFrame_ = FrameOf(command.AtMilliseconds);
        return;
    }
}

} // namespace orvane
