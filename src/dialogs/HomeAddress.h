// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace orvane {

// The project's home on the web, which the About box's link shows and opens. The
// project has no public address yet: while this stays empty, the link opens the help
// file that lies beside the program instead.
inline constexpr std::string_view HomeAddress {};

} // namespace orvane
