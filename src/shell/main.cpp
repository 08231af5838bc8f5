// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "shell/Program.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Read before the toolkit looks for a display, so that every answer works without one.
    const auto answered = orvane::AnswerCommandLine(argc, argv, std::cout, std::cerr);
    if (const int* status = std::get_if<int>(&answered))
        return *status;
    return orvane::RunProgram(argv, std::get<orvane::ProgramRequest>(answered).ReplayFile);
}
