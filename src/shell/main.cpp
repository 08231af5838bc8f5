// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "shell/Program.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = orvane::AnswerCommandLine(argc, argv, std::cout))
        return *answered;
    return orvane::RunProgram(argv);
}
