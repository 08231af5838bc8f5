// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "input/BoardInput.h"
#include "input/ScreenState.h"

#include <cstdint>

namespace orvane {

class Game;
class Platform;

enum class PanelPart { None, Name, Score };

// The face or the bonus button under a point of the status area, panelWidth wide.
StatusTarget StatusTargetAt(int x, int y, int panelWidth);
// Which part of a player's panel lies under a point: the name or the score.
PanelPart PlayerPanelAt(const Game& game, PlayerIndex player, int x, int y, int panelWidth);

// Mouse handlers of the status area. The questions (giving up, a new name, resetting the
// scores) are asked through the platform before the game is told.
void StatusMouseMove(Game& game, ScreenState& screen, int x, int y, int panelWidth);
void StatusMouseDown(Game& game, ScreenState& screen, MouseButton button);
void StatusMouseUp(Game& game, ScreenState& screen, MouseButton button);
void StatusClick(Game& game, ScreenState& screen, Platform& platform);
// A double click on the player to move's panel renames the player or resets the scores;
// not while a message runs on the bar.
void StatusDoubleClick(
    Game& game, const ScreenState& screen, int panelWidth, bool messageShown, Platform& platform);

// The menu's New: what a click on the face does.
void NewGameCommand(Game& game, ScreenState& screen, Platform& platform);

} // namespace orvane
