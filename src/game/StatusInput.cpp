// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/StatusInput.h"

#include "game/Game.h"
#include "game/ScreenState.h"
#include "platform/Platform.h"

#include <string>

namespace orvane {

namespace {

using panel::BonusButtonHeight;
using panel::PlayerPanelHalfWidth;
using panel::PlayerPanelWidth;
constexpr int PlayerNameHeight = 23;
constexpr size_t MaxNameLength = 6;

void ShowFaceState(Game& game, const ScreenState& screen)
{
    if (screen.FaceDown)
        game.Face = FaceLook::Pressing;
    else if (game.CurrentState == GameState::Won)
        game.Face = FaceLook::Won;
    else if (game.CurrentState == GameState::Lost)
        game.Face = FaceLook::Lost;
    else
        game.Face = FaceLook::Smiling;
}

// The first count characters of UTF-8 text, never cutting one apart.
std::string FirstCharacters(const std::string& text, size_t count)
{
    size_t end = 0;
    for (size_t taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return text.substr(0, end);
}

void ResetSeriesScores(Game& game)
{
    game.Players[Player1].Score = 0;
    game.Players[Player2].Score = 0;
}

void RenamePlayer(Game& game, PlayerIndex player)
{
    const std::string prompt
        = "Enter Player-" + std::to_string(player + 1) + " Name (Max 6 Chars):";
    const std::string name = game.platform.PromptText("Orvane", prompt, game.Players[player].Name);
    if (name.empty())
        return;
    game.Players[player].Name = FirstCharacters(name, MaxNameLength);
    ResetSeriesScores(game);
}

// False when the player to move thinks better of it and the game goes on.
bool GiveUp(Game& game)
{
    const PlayerIndex quitter = game.CurrentPlayer;
    const std::string question = game.Players[quitter].Name + "\n\r"
        + "Are you sure? you want to give-up the game? You will lose!";
    if (!game.platform.AskYesNo(question))
        return false;
    // The result is recorded for the winner, so the winner is the player to move meanwhile.
    const PlayerIndex winner = OtherPlayer(quitter);
    ++game.Players[winner].Score;
    game.CurrentPlayer = winner;
    if (game.OnTwoPlayerResult)
        game.OnTwoPlayerResult();
    game.CurrentPlayer = quitter;
    return true;
}

void ClickFace(Game& game, ScreenState& screen)
{
    screen.PressedTarget = NoTarget;
    screen.FaceDown = false;
    game.Face = FaceLook::Smiling;
    if (game.IsTwoPlayer() && game.CurrentState == GameState::Playing && !GiveUp(game))
        return;
    game.NewGame(static_cast<Level>(game.CurrentLevel));
    game.FrameTimer.Tick();
}

void ClickBonus(Game& game, ScreenState& screen)
{
    if (game.IsTwoPlayer()) {
        // The button stays pressed until it is released.
        game.ToggleBonus();
        return;
    }
    screen.PressedTarget = NoTarget;
    game.RandomOpen();
}

} // namespace

int32_t StatusTargetAt(int x, int y, int panelWidth)
{
    const int strip = panel::ButtonStripWidth;
    const int left = static_cast<int>(panelWidth / 2.0 - strip / 2.0);
    const int margin = panel::CounterStripHeight / 12;
    if (x <= left || x > left + strip || y <= margin || y >= panel::CounterStripHeight - margin)
        return NoTarget;
    return y <= margin + BonusButtonHeight ? BonusTarget : FaceTarget;
}

// The Player1 panel's hit area starts one pixel right of where the Player2 panel's
// formula would put it, and both lie two rows below the panels as drawn: clicks have
// always been taken there.
PanelPart PlayerPanelAt(const Game& game, PlayerIndex player, int x, int y, int panelWidth)
{
    const double quarter = panelWidth / 4.0;
    const int left = player == Player1
        ? static_cast<int>(quarter - PlayerPanelHalfWidth + 1)
        : static_cast<int>(panelWidth / 2.0 + quarter - PlayerPanelHalfWidth);
    const int top = panel::CounterStripHeight;
    if (x < left || x > left + PlayerPanelWidth || y < top
        || y > top + panel::PlayerStripHeight(game.CurrentMode))
        return PanelPart::None;
    return y < top + PlayerNameHeight ? PanelPart::Name : PanelPart::Score;
}

void StatusMouseMove(Game& game, ScreenState& screen, int x, int y, int panelWidth)
{
    if (game.ComputerIsToMove())
        return;
    screen.HoverTarget = StatusTargetAt(x, y, panelWidth);
    // A held button looks pressed only while the pointer is over it.
    screen.FaceDown = screen.HoverTarget == FaceTarget && screen.PressedTarget == FaceTarget;
    game.BonusButtonDown = screen.HoverTarget == BonusTarget && screen.PressedTarget == BonusTarget;
    ShowFaceState(game, screen);
    screen.MouseX = x;
    screen.MouseY = y;
}

void StatusMouseDown(Game& game, ScreenState& screen, MouseButton button)
{
    if (game.ComputerIsToMove())
        return;
    if (button == MouseButton::Left && screen.HoverTarget == FaceTarget) {
        screen.FaceDown = true;
        screen.PressedTarget = FaceTarget;
        game.BonusButtonDown = false;
    } else if (button == MouseButton::Left && screen.HoverTarget == BonusTarget
        && game.BonusButtonEnabled && !game.Paused) {
        screen.FaceDown = false;
        game.BonusButtonDown = true;
        screen.PressedTarget = BonusTarget;
    }
    ShowFaceState(game, screen);
}

void StatusMouseUp(Game& game, ScreenState& screen, MouseButton button)
{
    // Unlike the other handlers this ignores the computer's turn also before its first open.
    if (game.ComputerHasTheTurn())
        return;
    if (button == MouseButton::Left)
        screen.PressedTarget = NoTarget;
}

void StatusClick(Game& game, ScreenState& screen)
{
    if (game.ComputerIsToMove())
        return;
    if (screen.PressedTarget == FaceTarget && screen.HoverTarget == FaceTarget)
        ClickFace(game, screen);
    else if (screen.PressedTarget == BonusTarget && screen.HoverTarget == BonusTarget)
        ClickBonus(game, screen);
}

void StatusDoubleClick(Game& game, const ScreenState& screen, int panelWidth)
{
    if (game.Message.Stage != MessageBar::Idle || game.CurrentMode == PlayMode::Classic)
        return;
    // Only the player to move may edit; the computer's name and panel are never edited.
    const PlayerIndex player = game.CurrentPlayer;
    if (game.ComputerHasTheTurn())
        return;
    switch (PlayerPanelAt(game, player, screen.MouseX, screen.MouseY, panelWidth)) {
    case PanelPart::Name:
        RenamePlayer(game, player);
        break;
    case PanelPart::Score:
        if (game.platform.AskYesNo("Are you sure to reset scores?"))
            ResetSeriesScores(game);
        break;
    case PanelPart::None:
        break;
    }
}

void NewGameCommand(Game& game, ScreenState& screen)
{
    screen.PressedTarget = FaceTarget;
    screen.HoverTarget = FaceTarget;
    StatusClick(game, screen);
}

} // namespace orvane
