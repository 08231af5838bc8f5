// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>
#include <string_view>
#include <vector>

namespace orvane {

namespace {

using Action = ProgramRequest::Action;

constexpr std::string_view HelpText
    = "Usage: orvane [--help | --version | --replay FILE | FILE | --serve [--port N]]\n"
      "\n"
      "Orvane is a mine-field puzzle: open every safe cell of the board without opening\n"
      "a mine, alone against the clock (Classic), taking turns with a friend (Vs Human)\n"
      "or against the computer (Vs Computer). It opens a window on the desktop; levels,\n"
      "modes, themes and block sizes are chosen from its menus, and F1 shows its help.\n"
      "\n"
      "  --help           print this text and end\n"
      "  --version        print the version and the licence, and end\n"
      "  --replay FILE    watch the game kept in FILE, a replay saved by Orvane\n"
      "  FILE             the same as --replay FILE\n"
      "  --serve          host network games for others to play, without a window\n"
      "  --port N         the port, 1 to 65535, that --serve listens on (45413 when\n"
      "                   not given; when taken, the first free one after it)\n"
      "\n"
      "Settings and scores are kept in ~/.config/orvane and ~/.local/share/orvane, or\n"
      "beside the program when it runs from a folder of its own that it may write.\n";

constexpr std::string_view VersionText
    = "Orvane " ORVANE_VERSION "\n"
      "License GPL-3.0-or-later: GNU General Public License, version 3 or later.\n"
      "This is free software: you are free to change and share it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";

enum class Takes { Nothing, FileName, PortNumber };

// An option either chooses what the program does (Chooses) or sets something for
// the option that chooses For.
struct Option {
    std::string_view Name;
    Takes Value;
    Action For;
    bool Chooses;
};

constexpr std::array Options {
    Option {"--help", Takes::Nothing, Action::Help, true},
    Option {"--version", Takes::Nothing, Action::Version, true},
    Option {"--replay", Takes::FileName, Action::Replay, true},
    Option {"--serve", Takes::Nothing, Action::Serve, true},
    Option {"--port", Takes::PortNumber, Action::Serve, false},
};

const Option* FindOption(std::string_view name)
{
    const auto* found = std::find_if(
        Options.begin(), Options.end(), [&](const Option& option) { return option.Name == name; });
    return found == Options.end() ? nullptr : found;
}

std::string_view ChoosingName(Action action)
{
    return std::find_if(Options.begin(), Options.end(), [&](const Option& option) {
        return option.Chooses && option.For == action;
    })->Name;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

class Reader {
public:
    // An empty message when the argument was taken.
    std::string Choose(Action action, std::string_view given)
    {
        if (request_.What != Action::Play)
            return Quoted(chosenBy_) + " and " + Quoted(given) + " cannot be given together";
        chosenBy_ = given;
        request_.What = action;
        return {};
    }

    std::string TakeFile(std::string_view file)
    {
        std::string message = Choose(Action::Replay, file);
        if (message.empty())
            request_.ReplayFile = file;
        return message;
    }

    std::string Take(const Option& option, std::string_view value)
    {
        if (option.Chooses) {
            if (std::string message = Choose(option.For, option.Name); !message.empty())
                return message;
        } else {
            settings_.push_back(&option);
        }
        switch (option.Value) {
        case Takes::Nothing:
            break;
        case Takes::FileName:
            request_.ReplayFile = value;
            break;
        case Takes::PortNumber: {
            unsigned port = 0;
            const auto [end, error]
                = std::from_chars(value.data(), value.data() + value.size(), port);
            if (error != std::errc() || end != value.data() + value.size() || port < 1
                || port > 65535)
                return Quoted(option.Name) + " needs a port number from 1 to 65535, not "
                    + Quoted(value);
            request_.Port = static_cast<uint16_t>(port);
            break;
        }
        }
        return {};
    }

    // The settings given without the option they belong to.
    std::string Finish() const
    {
        for (const Option* setting : settings_)
            if (request_.What != setting->For)
                return Quoted(setting->Name) + " goes only with "
                    + Quoted(ChoosingName(setting->For));
        return {};
    }

    const ProgramRequest& Request() const { return request_; }

private:
    ProgramRequest request_;
    std::string chosenBy_;
    std::vector<const Option*> settings_;
};

std::string_view MissingValue(Takes value)
{
    return value == Takes::FileName ? "a file name" : "a port number";
}

} // namespace

std::variant<ProgramRequest, std::string> ReadCommandLine(std::span<const char* const> arguments)
{
    Reader reader;
    bool onlyFiles = false;
    for (size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        std::string message;
        if (onlyFiles || !argument.starts_with('-') || argument == "-") {
            message = reader.TakeFile(argument);
        } else if (argument == "--") {
            onlyFiles = true;
        } else {
            const size_t equals = argument.find('=');
            const Option* option = FindOption(argument.substr(0, equals));
            if (!option)
                return "unknown option " + Quoted(argument);
            std::string_view value;
            if (equals != std::string_view::npos) {
                if (option->Value == Takes::Nothing)
                    return Quoted(option->Name) + " takes no value";
                value = argument.substr(equals + 1);
            } else if (option->Value != Takes::Nothing) {
                if (at + 1 == arguments.size())
                    return Quoted(option->Name) + " needs "
                        + std::string(MissingValue(option->Value));
                value = arguments[++at];
            }
            message = reader.Take(*option, value);
        }
        if (!message.empty())
            return message;
    }
    if (std::string message = reader.Finish(); !message.empty())
        return message;
    return reader.Request();
}

std::variant<int, ProgramRequest> AnswerCommandLine(
    int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    const std::span all(argv, static_cast<size_t>(argc));
    const auto read = ReadCommandLine(all.subspan(all.empty() ? 0 : 1));
    if (const auto* mistake = std::get_if<std::string>(&read)) {
        err << "orvane: " << *mistake << "\nTry 'orvane --help' for the options.\n" << std::flush;
        return 2;
    }
    const ProgramRequest& request = std::get<ProgramRequest>(read);
    switch (request.What) {
    case Action::Play:
    case Action::Replay:
    case Action::Serve:
        return request;
    case Action::Help:
        out << HelpText << std::flush;
        return 0;
    case Action::Version:
        out << VersionText << std::flush;
        return 0;
    }
    return request;
}

} // namespace orvane
