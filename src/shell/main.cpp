// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "shell/Program.h"

#include <iostream>

int main(int argc, char** argv)
{
    // Read before the toolkit looks for a display, so that every answer works without one.
    if (const std::optional<int> answered
        = orvane::AnswerCommandLine(argc, argv, std::cout, std::cerr))
        return *answered;
    return orvane::RunProgram(argv);
}
