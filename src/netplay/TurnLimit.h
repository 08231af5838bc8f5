// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// How long a network game's player may think: without limit, 30 seconds each turn, or a
// bank of 120 seconds for the whole game. The player out of time gives the game up.
enum class TurnLimit : uint8_t { Off = 0, ThirtySecondsATurn = 1, BankOf120Seconds = 2 };

} // namespace orvane
