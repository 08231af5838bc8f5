// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "session/Commands.h"
#include "session/Settings.h"
#include "support/GameFixture.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

namespace orvane::testing {

using Bytes = std::vector<uint8_t>;

// A fresh game whose program directory is a temporary one, with the menu commands.
class ShellFixture : public GameFixture {
protected:
    TempDir dir;
    std::string settingsPath = dir.File("Setup.cfg");
    Settings settings;
    FileFolders folders = FileFolders::AllIn(dir.Path().string());
    MenuCommands commands {game, settings, platform, folders};

    // The start-up's part: read the file and hand its values to the game.
    void LoadAndApplySettings()
    {
        settings = LoadSettings(folders.Settings);
        ApplySettings(game, settings);
    }
    MenuChecks Checks() const
    {
        return CurrentMenuChecks(game, settings, commands.StoredPreferences(), settings.CellSize);
    }
};

} // namespace orvane::testing
