// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// The time a network game gives each player, chosen by the one who starts it.
enum class TurnLimit : uint8_t { Off = 0, ThirtySecondsATurn = 1, BankOf120Seconds = 2 };

} // namespace orvane
