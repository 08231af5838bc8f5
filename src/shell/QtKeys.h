// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "input/BoardKeys.h"

#include <optional>

class QKeyEvent;

namespace orvane {

// The board's keys, the keypad's among them; with Shift, Ctrl or Alt held they are none.
std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event);
// W, without Shift, Ctrl or Alt: tells a screen reader where the keyboard's cell is.
bool IsWhereKey(const QKeyEvent& event);
// The character the game's own keys read (Escape as EscapeKey), or 0 for any other key.
char GameKeyOf(const QKeyEvent& event);

} // namespace orvane
