// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <optional>

namespace orvane {

// The program takes everything from its menus; on the command line it answers only
// "--help" and "--version", printing to out. Returns the exit status when the program
// ends with that answer, nothing when it goes on to start. Other arguments are not read.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);

} // namespace orvane
