// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a replay file: reading tells what is wrong or gives a game; a game read
// reads back the same once written again, and plays to its last command without a fault
// (the sanitizers watch every index) and without hanging.
#include "fuzz/FuzzCheck.h"
#include "game/Replay.h"
#include "game/ReplayFile.h"

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ReplayFileReading read = DecodeReplayFile({data, size});
    if (!read.Error.empty())
        return 0;
    FuzzCheck(DecodeReplayFile(EncodeReplayFile(read.Replay)).Replay == read.Replay,
        "a replay read did not survive writing it again");
    ReplayedGame replay(read.Replay.Game);
    replay.PlayToEnd();
    FuzzCheck(replay.Finished(), "the replay stopped before its last command");
    return 0;
}
