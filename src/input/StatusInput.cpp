// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/StatusInput.h"

#include "game/Game.h"
#include "input/PanelLayout.h"
#include "platform/Platform.h"

#include <string>

namespace orvane {

namespace {

using panel::BonusButtonHeight;
using panel::PlayerPanelHalfWidth;
using panel::PlayerPanelWidth;
constexpr int PlayerNameHeight = 23;
constexpr size_t MaxNameLength = 6;

// The face follows the held face button, else the game.
void ShowFaceState(Game& game, const ScreenState& screen)
{
    if (screen.FaceDown) {
        if (game.Face() != FaceLook::Pressing)
            game.PressFace(true);
        return;
    }
    const GameState state = game.CurrentState();
    const FaceLook shown = state == GameState::Won ? FaceLook::Won
        : state == GameState::Lost                 ? FaceLook::Lost
                                                   : FaceLook::Smiling;
    if (game.Face() != shown)
        game.PressFace(false);
}

void ShowBonusButton(Game& game, bool down)
{
    if (game.BonusButtonDown() != down)
        game.PressBonusButton(down);
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

void RenamePlayer(Game& game, PlayerIndex player, Platform& platform)
{
    const std::string name = platform.PromptText(Text::Verbatim("Orvane"),
        Text(QT_TRANSLATE_NOOP("Messages", "Enter Player-%1 Name (Max 6 Chars):")).Arg(player + 1),
        game.Players()[player].Name);
    if (name.empty())
        return;
    game.RenamePlayer(player, FirstCharacters(name, MaxNameLength));
}

// False when the player to move thinks better of it and the game goes on.
bool ConfirmGiveUp(const Game& game, Platform& platform)
{
    return platform.AskYesNo(
        Text(QT_TRANSLATE_NOOP(
                 "Messages", "%1\n\rAre you sure? you want to give-up the game? You will lose!"))
            .Arg(game.Players()[game.CurrentPlayer()].Name));
}

void ClickFace(Game& game, ScreenState& screen, Platform& platform)
{
    screen.PressedTarget = StatusTarget::None;
    screen.FaceDown = false;
    ShowFaceState(game, screen);
    if (game.IsTwoPlayer() && game.CurrentState() == GameState::Playing) {
        if (!ConfirmGiveUp(game, platform))
            return;
        game.GiveUp();
    }
    game.Restart();
}

void ClickBonus(Game& game, ScreenState& screen)
{
    if (game.IsTwoPlayer()) {
        // The button stays pressed until it is released.
        game.ToggleBonus();
        return;
    }
    screen.PressedTarget = StatusTarget::None;
    game.RandomOpen();
}

} // namespace

StatusTarget StatusTargetAt(int x, int y, int panelWidth)
{
    const int strip = panel::ButtonStripWidth;
    const int left = static_cast<int>(panelWidth / 2.0 - strip / 2.0);
    const int margin = panel::CounterStripHeight / 12;
    if (x <= left || x > left + strip || y <= margin || y >= panel::CounterStripHeight - margin)
        return StatusTarget::None;
    return y <= margin + BonusButtonHeight ? StatusTarget::Bonus : StatusTarget::Face;
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
        || y > top + panel::PlayerStripHeight(game.CurrentMode()))
        return PanelPart::None;
    return y < top + PlayerNameHeight ? PanelPart::Name : PanelPart::Score;
}

void StatusMouseMove(Game& game, ScreenState& screen, int x, int y, int panelWidth)
{
    if (game.OtherSideIsToMove())
        return;
    screen.HoverTarget = StatusTargetAt(x, y, panelWidth);
    // A held button looks pressed only while the pointer is over it.
    screen.FaceDown
        = screen.HoverTarget == StatusTarget::Face && screen.PressedTarget == StatusTarget::Face;
    ShowBonusButton(game,
        screen.HoverTarget == StatusTarget::Bonus && screen.PressedTarget == StatusTarget::Bonus);
    ShowFaceState(game, screen);
    screen.MouseX = x;
    screen.MouseY = y;
}

void StatusMouseDown(Game& game, ScreenState& screen, MouseButton button)
{
    if (game.OtherSideIsToMove())
        return;
    if (button == MouseButton::Left && screen.HoverTarget == StatusTarget::Face) {
        screen.FaceDown = true;
        screen.PressedTarget = StatusTarget::Face;
        ShowBonusButton(game, false);
    } else if (button == MouseButton::Left && screen.HoverTarget == StatusTarget::Bonus
        && game.BonusButtonEnabled() && !game.Paused()) {
        screen.FaceDown = false;
        ShowBonusButton(game, true);
        screen.PressedTarget = StatusTarget::Bonus;
    }
    ShowFaceState(game, screen);
}

void StatusMouseUp(Game& game, ScreenState& screen, MouseButton button)
{
    // Unlike the other handlers this ignores the computer's turn also before its first open.
    if (game.ComputerHasTheTurn())
        return;
    if (button == MouseButton::Left)
        screen.PressedTarget = StatusTarget::None;
}

void StatusClick(Game& game, ScreenState& screen, Platform& platform)
{
    if (game.OtherSideIsToMove())
        return;
    if (screen.PressedTarget == StatusTarget::Face && screen.HoverTarget == StatusTarget::Face)
        ClickFace(game, screen, platform);
    else if (screen.PressedTarget == StatusTarget::Bonus
        && screen.HoverTarget == StatusTarget::Bonus)
        ClickBonus(game, screen);
}

void StatusDoubleClick(
    Game& game, const ScreenState& screen, int panelWidth, bool messageShown, Platform& platform)
{
    if (messageShown || game.CurrentMode() == PlayMode::Classic)
        return;
    // Only the player to move may edit; the computer's name and panel are never edited.
    const PlayerIndex player = game.CurrentPlayer();
    if (game.ComputerHasTheTurn())
        return;
    switch (PlayerPanelAt(game, player, screen.MouseX, screen.MouseY, panelWidth)) {
    case PanelPart::Name:
        RenamePlayer(game, player, platform);
        break;
    case PanelPart::Score:
        if (platform.AskYesNo(QT_TRANSLATE_NOOP("Messages", "Are you sure to reset scores?")))
            game.ResetSeriesScores();
        break;
    case PanelPart::None:
        break;
    }
}

void NewGameCommand(Game& game, ScreenState& screen, Platform& platform)
{
    if (game.OtherSideIsToMove())
        return;
    screen.HoverTarget = StatusTarget::Face;
    ClickFace(game, screen, platform);
}

} // namespace orvane
