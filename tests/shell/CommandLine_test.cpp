// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace orvane;

namespace {

// The status the program ends with at once; none when it opens its window for the request.
struct Answer {
    std::optional<int> status;
    std::string out, err;
    std::optional<ProgramRequest> request;
};

Answer Answered(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "orvane");
    std::ostringstream out, err;
    const auto answered
        = AnswerCommandLine(static_cast<int>(arguments.size()), arguments.data(), out, err);
    Answer answer {std::nullopt, out.str(), err.str(), std::nullopt};
    if (const int* status = std::get_if<int>(&answered))
        answer.status = *status;
    else
        answer.request = std::get<ProgramRequest>(answered);
    return answer;
}

std::string Mistake(const std::string& what)
{
    return "orvane: " + what + "\nTry 'orvane --help' for the options.\n";
}

TEST(CommandLine, NothingOpensTheWindowAndHelpListsEveryOption)
{
    EXPECT_EQ(Answered({}).status, std::nullopt);
    const Answer help = Answered({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.empty());
    for (const char* option :
        {"--help", "--version", "--replay FILE", "  FILE", "--serve", "--port N"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(Answered({"--version"}).status, 0);
}

TEST(CommandLine, MistakesNameTheArgumentPointToHelpAndEndWithStatusTwo)
{
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases {
        {{"--foo"}, "unknown option '--foo'"},
        {{"-h"}, "unknown option '-h'"},
        {{"--replay"}, "'--replay' needs a file name"},
        {{"--serve", "--port"}, "'--port' needs a port number"},
        {{"--serve", "--port", "0"}, "'--port' needs a port number from 1 to 65535, not '0'"},
        {{"--serve", "--port=65536"}, "'--port' needs a port number from 1 to 65535, not '65536'"},
        {{"--serve", "--port", "80x"}, "'--port' needs a port number from 1 to 65535, not '80x'"},
        {{"--port", "4000"}, "'--port' goes only with '--serve'"},
        {{"--help=all"}, "'--help' takes no value"},
        {{"--help", "--version"}, "'--help' and '--version' cannot be given together"},
        {{"a.game", "b.game"}, "'a.game' and 'b.game' cannot be given together"},
    };
    for (const auto& [arguments, what] : cases) {
        SCOPED_TRACE(what);
        const Answer answer = Answered(arguments);
        EXPECT_EQ(answer.status, 2);
        EXPECT_EQ(answer.err, Mistake(what));
        EXPECT_TRUE(answer.out.empty());
    }
}

TEST(CommandLine, ReplaysOpenTheWindowAndHostingRunsAHost)
{
    const auto request = [](std::vector<const char*> arguments) {
        return std::get<ProgramRequest>(ReadCommandLine(arguments));
    };
    EXPECT_EQ(request({"--replay", "x.game"}).ReplayFile, "x.game");
    EXPECT_EQ(request({"--", "--odd name"}).ReplayFile, "--odd name");
    const ProgramRequest serve = request({"--port=65535", "--serve"});
    EXPECT_EQ(serve.What, ProgramRequest::Action::Serve);
    EXPECT_EQ(serve.Port, 65535);

    const Answer hosting = Answered({"--serve", "--port", "1"});
    ASSERT_TRUE(hosting.request);
    EXPECT_EQ(hosting.request->What, ProgramRequest::Action::Serve);
    EXPECT_EQ(hosting.request->Port, 1);

    const Answer replay = Answered({"x.game"});
    ASSERT_TRUE(replay.request);
    EXPECT_EQ(replay.request->What, ProgramRequest::Action::Replay);
    EXPECT_EQ(replay.request->ReplayFile, "x.game");
    EXPECT_TRUE(replay.out.empty() && replay.err.empty());
}

} // namespace
