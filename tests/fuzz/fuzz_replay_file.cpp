// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a replay file: reading tells what is wrong or gives a game; a game read
// reads back the same once written again, and plays to its last command without a fault
// (the sanitizers watch every index) and without hanging.
#include "fuzz/FuzzCheck.h"
#include "game/Replay.h"
#include "game/ReplayFile.h"

#include <vector>
#include <zlib.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

void ReadAndPlay(const std::vector<uint8_t>& bytes)
{
    const ReplayFileReading read = DecodeReplayFile(bytes);
    if (!read.Error.empty())
        return;
    FuzzCheck(DecodeReplayFile(EncodeReplayFile(read.Replay)).Replay == read.Replay,
        "a replay read did not survive writing it again");
    ReplayedGame replay(read.Replay.Game);
    replay.PlayToEnd();
    FuzzCheck(replay.Finished(), "the replay stopped before its last command");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    ReadAndPlay(bytes);
    // Nearly every changed input would stop at the CRC: read each once more with its last
    // four bytes made the CRC of the rest, so that the fuzzer reaches the game inside.
    if (size < 4)
        return 0;
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), data, static_cast<uInt>(size - 4));
    for (size_t i = 0; i < 4; ++i)
        bytes[size - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
    ReadAndPlay(bytes);
    return 0;
}
