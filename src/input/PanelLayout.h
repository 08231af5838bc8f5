// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <cstdint>

// The pixel layout of the window's two areas, shared by the layout, the status
// renderer and the status input's hit tests.
namespace orvane::panel {

// The counter strip along the top of the status area, and the player strip below it
// in the two-player modes.
inline constexpr uint8_t CounterStripHeight = 60;
inline constexpr uint8_t TwoPlayerStripHeight = 50;
inline constexpr uint8_t PlayerStripHeight(PlayMode mode)
{
    return mode == PlayMode::Classic ? 0 : TwoPlayerStripHeight;
}
// Between the strips and the board, and around the board's other sides.
inline constexpr int32_t BoardGap = 3;
inline constexpr int32_t BoardMargin = 6;
// The face button with the bonus button above it, centred on the counter strip.
inline constexpr int32_t ButtonStripWidth = 34;
inline constexpr int32_t BonusButtonHeight = 14;
// The black box of each counter.
inline constexpr int32_t CounterBoxWidth = 50;
// Each player's panel, centred on a quarter of the strip's width.
inline constexpr int32_t PlayerPanelWidth = 75;
inline constexpr double PlayerPanelHalfWidth = PlayerPanelWidth / 2.0;

} // namespace orvane::panel
