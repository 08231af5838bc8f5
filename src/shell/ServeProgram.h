// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>

namespace orvane {

// A host of network games without a window, a display or sound, storing nothing: the
// first player to name a game holds its first seat, the second player to name it the
// other. Listens on the port given (45413 when none; when taken, the first free one of
// the next 20), says on which, and runs until a quit signal.
int RunServer(char** argv, std::optional<uint16_t> port);

} // namespace orvane
