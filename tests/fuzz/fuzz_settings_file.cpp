// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the settings file: the loaded choices are ones the menus offer, and
// saving them and loading again gives the same choices.
#include "fuzz/FuzzCheck.h"
#include "session/Settings.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TempDir folder;
    const std::string dir = folder.Path().string();
    WriteFileBytes(folder.File("Setup.cfg"), {data, data + size});
    const Settings loaded = LoadSettings(dir);
    FuzzCheck(IsOfferedCellSize(loaded.CellSize), "a cell size the menu does not offer");
    FuzzCheck(IsThemeIndex(loaded.ThemeIndex), "a theme that does not exist");
    ScriptedPlatform platform;
    FuzzCheck(SaveSettings(loaded, dir, platform), "the settings could not be saved");
    FuzzCheck(LoadSettings(dir) == loaded, "saved settings load differently");
    return 0;
}
