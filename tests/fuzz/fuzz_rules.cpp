// SPDX-License-Identifier: GPL-3.0-or-later
// A stream of board and status inputs, keys and commands applied to a game in the mode
// and at the level its first two bytes choose; every rule is checked after each input.
#include "fuzz/FuzzCheck.h"
#include "support/RulesDriver.h"
#include "support/TempDir.h"

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TempDir folder;
    ByteReader in(data, size);
    const auto mode = static_cast<PlayMode>(in.Byte() % 3);
    const auto level = static_cast<Level>(in.Byte() % 4);
    RulesDriver driver(folder.Path().string(), mode, level, false);
    for (int step = 0; !in.AtEnd(); ++step) {
        const std::string broken = driver.Step(in);
        FuzzCheck(broken.empty(), "after input " + std::to_string(step) + ": " + broken);
    }
    return 0;
}
