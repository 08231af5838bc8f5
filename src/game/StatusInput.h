// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/BoardInput.h"
#include "game/GameTypes.h"

#include <cstdint>

namespace orvane {

class Game;
struct ScreenState;

// Targets of the status panel, as kept in ScreenState::PressedTarget and HoverTarget.
inline constexpr int32_t NoTarget = 0;
inline constexpr int32_t FaceTarget = 1;
inline constexpr int32_t BonusTarget = 2;

enum class PanelPart { None, Name, Score };

// Hit tests in the panel's pixels for a panel panelWidth pixels wide.
int32_t StatusTargetAt(int x, int y, int panelWidth);
PanelPart PlayerPanelAt(const Game& game, PlayerIndex player, int x, int y, int panelWidth);

// Mouse handlers of the status area StatusArea. The window system delivers a click before
// the mouse-up of its release, and the second press of a double click as a double click.
void StatusMouseMove(Game& game, ScreenState& screen, int x, int y, int panelWidth);
void StatusMouseDown(Game& game, ScreenState& screen, MouseButton button);
void StatusMouseUp(Game& game, ScreenState& screen, MouseButton button);
void StatusClick(Game& game, ScreenState& screen);
void StatusDoubleClick(Game& game, const ScreenState& screen, int panelWidth);

// The "&New" menu command: exactly a click on the face.
void NewGameCommand(Game& game, ScreenState& screen);

} // namespace orvane
