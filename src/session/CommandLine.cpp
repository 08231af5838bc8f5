// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"

#include <ostream>
#include <span>
#include <string_view>

namespace orvane {

namespace {

constexpr std::string_view HelpText
    = "Usage: orvane [--help | --version]\n"
      "\n"
      "Orvane is a mine-field puzzle: open every safe cell of the board without opening\n"
      "a mine, alone against the clock (Classic), taking turns with a friend (Vs Human)\n"
      "or against the computer (Vs Computer). It opens a window on the desktop; levels,\n"
      "modes, themes and block sizes are chosen from its menus, and F1 shows its help.\n"
      "\n"
      "  --help     print this text and end\n"
      "  --version  print the version and the licence, and end\n"
      "\n"
      "Settings and scores are kept in ~/.config/orvane and ~/.local/share/orvane, or\n"
      "beside the program when it runs from a folder of its own that it may write.\n";

constexpr std::string_view VersionText
    = "Orvane " ORVANE_VERSION "\n"
      "License GPL-3.0-or-later: GNU General Public License, version 3 or later.\n"
      "This is free software: you are free to change and share it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out)
{
    const std::span arguments(argv, static_cast<size_t>(argc));
    for (const std::string_view argument : arguments.subspan(arguments.empty() ? 0 : 1)) {
        if (argument == "--help" || argument == "--version") {
            out << (argument == "--help" ? HelpText : VersionText) << std::flush;
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace orvane
