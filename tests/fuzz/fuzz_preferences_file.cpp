// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the preferences file: loading never fails the game, a damaged file is kept
// whole beside the one put back, and saved options load again as they were.
#include "fuzz/FuzzCheck.h"
#include "session/Preferences.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <filesystem>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TempDir folder;
    const std::string path = folder.File("Orvane.prefs");
    const std::vector<uint8_t> bytes(data, data + size);
    WriteFileBytes(path, bytes);
    ScriptedPlatform platform;
    PreferenceStore store;
    store.Load(folder.Path().string(), platform);
    FuzzCheck(platform.messages.empty() || ReadFileBytes(path + ".damaged") == bytes,
        "a damaged file was not kept whole");
    store.Values.NoGuessing = !store.Values.NoGuessing;
    FuzzCheck(store.Save(platform), "the options could not be saved");
    PreferenceStore reloaded;
    reloaded.Load(folder.Path().string(), platform);
    FuzzCheck(reloaded.Values == store.Values, "saved options load differently");
    FuzzCheck(platform.messages.size() <= 1, "a file put back was damaged again");
    for (const auto& file : std::filesystem::directory_iterator(folder.Path()))
        std::filesystem::remove(file.path());
    return 0;
}
