// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/BoardInput.h"
#include "game/GameTypes.h"

#include <cstdint>

namespace orvane {

class Game;

// Targets of the status panel, as kept in Game::PressedTarget and Game::HoverTarget.
inline constexpr int32_t NoTarget = 0;
inline constexpr int32_t FaceTarget = 1;
inline constexpr int32_t BonusTarget = 2;

enum class PanelPart { None, Name, Score };

// Hit tests in the panel's pixels for a panel panelWidth pixels wide.
int32_t StatusTargetAt(const Game& game, int x, int y, int panelWidth);
PanelPart PlayerPanelAt(const Game& game, PlayerIndex player, int x, int y, int panelWidth);

// Mouse handlers of the status area StatusArea. The window system delivers a click before
// the mouse-up of its release, and the second press of a double click as a double click.
void StatusMouseMove(Game& game, int x, int y, int panelWidth);
void StatusMouseDown(Game& game, MouseButton button);
void StatusMouseUp(Game& game, MouseButton button);
void StatusClick(Game& game);
void StatusDoubleClick(Game& game, int panelWidth);

// The "&New" menu command: exactly a click on the face.
void NewGameCommand(Game& game);

} // namespace orvane
