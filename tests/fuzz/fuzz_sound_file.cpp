// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sound file beside the program: decoding gives nothing or whole frames
// of the device format, never more than a long sound would take.
#include "fuzz/FuzzCheck.h"
#include "sound/WavDecode.h"

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> samples = DecodeWav({data, data + size});
    FuzzCheck(samples.size() % 2 == 0, "a sound of half a frame");
    FuzzCheck(samples.size() <= MaxSoundBytes, "a sound longer than any the game plays");
    return 0;
}
