// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace orvane {

// What the command line asks of the program:
// orvane [--help | --version | --replay FILE | FILE | --serve [--port N]]
struct ProgramRequest {
    enum class Action { Play, Help, Version, Replay, Serve };
    Action What = Action::Play;
    std::string ReplayFile;
    std::optional<uint16_t> Port;
};

// Reads the arguments that follow the program's name: the request, or a message that
// names the argument at fault. "--name=value" is the same as "--name value", and after
// "--" every argument is a file name.
std::variant<ProgramRequest, std::string> ReadCommandLine(std::span<const char* const> arguments);

// Reads the command line before anything else and answers what ends there: help and
// version on out (status 0), a mistake on err (status 2). Otherwise the request to run:
// the window to play or to watch a replay file, or a host of network games.
std::variant<int, ProgramRequest> AnswerCommandLine(
    int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace orvane
