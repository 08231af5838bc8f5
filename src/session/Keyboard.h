// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

class Game;
class MessageBar;
class Platform;

// What the main window must do after a key press: only a confirmed Escape closes it.
enum class KeyOutcome { Continue, CloseWindow };

inline constexpr char EscapeKey = 27;

// The character keys of the main window. "1" and "2" tell how many mines each player
// still needs, "3" how many are still hidden, as an on-screen message while the game
// runs; Escape asks whether to quit. Digits from the keypad arrive as the same
// characters.
[[nodiscard]] KeyOutcome HandleKey(
    const Game& game, MessageBar& message, Platform& platform, char key);

} // namespace orvane
