// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "shell/Program.h"
#include "shell/ServeProgram.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Read before the toolkit looks for a display, so that every answer works without one.
    const auto answered = orvane::AnswerCommandLine(argc, argv, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&answered))
        return *status;
    const auto& request = std::get<orvane::ProgramRequest>(answered);
    if (request.What == orvane::ProgramRequest::Action::Serve)
        return orvane::RunServer(argv, request.Port);
    return orvane::RunProgram(argv, request.ReplayFile);
}
