// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Text.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

class Game;
class Platform;

// The three choices kept from one run to the next, in the order of their bytes at the
// start of "\Setup.cfg". Anything after the third byte belongs to nobody and is kept.
struct Settings {
    uint8_t CellSize = 22;
    uint8_t ThemeIndex = 0;
    bool SoundOn = true;

    bool operator==(const Settings&) const = default;
};

inline constexpr const char* SettingsFileName = "\\Setup.cfg";

// The items of the Block Size menu in their order: caption and cell size in pixels. The menu
// shows each caption translated; a message names the size by its English caption's figures.
struct BlockSizeItem {
    const char* Caption;
    int16_t CellSize;
};
inline constexpr std::array<BlockSizeItem, 5> BlockSizeItems {{
    {QT_TRANSLATE_NOOP("BlockSizeMenu", "&1.0 x"), 18},
    {QT_TRANSLATE_NOOP("BlockSizeMenu", "&0.9 x"), 16},
    {QT_TRANSLATE_NOOP("BlockSizeMenu", "1.&25 x"), 22},
    {QT_TRANSLATE_NOOP("BlockSizeMenu", "1.&50 x"), 27},
    {QT_TRANSLATE_NOOP("BlockSizeMenu", "2.0 &x"), 36},
}};
// The same sizes alone, for the layout's choice of a size that fits the screen.
inline constexpr auto OfferedCellSizes = [] {
    std::array<int16_t, BlockSizeItems.size()> sizes {};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        sizes[i] = BlockSizeItems[i].CellSize;
    return sizes;
}();
bool IsOfferedCellSize(int value);
bool IsThemeIndex(int value);

// Reads the settings of "\Setup.cfg" in folder. A missing file is created with the
// defaults; a file too short or unreadable gives the defaults and is left as it is. A
// cell size no menu offers or a theme that does not exist is replaced by its default
// here, while the file keeps its bytes until the next save. Never reports anything:
// nothing is lost when the file cannot be used, and a save says why it failed. A symlink
// at the name is followed; whatever is at its end must be a regular file. Without a
// folder (none could be found) the defaults hold and saves keep nothing.
Settings LoadSettings(const std::string& folder);

// Writes the record over the first three bytes of the file, creating it when it has
// gone. A failure is reported through the platform with the system's reason and the
// game goes on with the settings in memory. True when the record was written.
bool SaveSettings(const Settings& settings, const std::string& folder, Platform& platform);

// Makes the game use the loaded sound choice; the layout reads the cell size from the
// settings themselves.
void ApplySettings(Game& game, const Settings& settings);

} // namespace orvane
