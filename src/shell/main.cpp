// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "shell/Program.h"
#include "shell/ServeProgram.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Read before the toolkit looks for a display, so that every answer works without one.
    const auto answered = orvane::AnswerCommandLine(argc, argv, std::cout, std::cerr);
    // Either a status to end with, or what to run.
    const auto* request = std::get_if<orvane::ProgramRequest>(&answered);
    if (const int* status = std::get_if<int>(&answered); status || !request)
        return status ? *status : 2;
    if (request->What == orvane::ProgramRequest::Action::Serve)
        return orvane::RunServer(argv, request->Port);
    return orvane::RunProgram(argv, request->ReplayFile);
}
