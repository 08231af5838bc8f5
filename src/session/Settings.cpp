// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Settings.h"

#include "game/Game.h"
#include "platform/FileLookup.h"
#include "platform/Platform.h"
#include "platform/RecordFile.h"
#include "platform/ShortPath.h"
#include "render/model/Themes.h"

#include <algorithm>

namespace orvane {

namespace {

using Record = std::array<uint8_t, 3>;

Record Encode(const Settings& settings)
{
    return {settings.CellSize, settings.ThemeIndex, static_cast<uint8_t>(settings.SoundOn ? 1 : 0)};
}

// Each field that would break the layout or the theme choice falls back on its own.
Settings Decode(const Record& record)
{
    const Settings defaults;
    return {IsOfferedCellSize(record[0]) ? record[0] : defaults.CellSize,
        IsThemeIndex(record[1]) ? record[1] : defaults.ThemeIndex, record[2] != 0};
}

std::string SettingsPath(const std::string& folder)
{
    return AppFilePath(folder, SettingsFileName);
}

// The system's reason when the record could not be written; empty when it was.
std::string WriteRecord(const Settings& settings, const std::string& path)
{
    RecordFile file(path, RecordFile::Access::ReadWrite);
    const Record record = Encode(settings);
    file.WriteAt(0, record.data(), record.size());
    file.Close();
    return file.FailureReason();
}

} // namespace

bool IsOfferedCellSize(int value)
{
    return std::ranges::any_of(
        BlockSizeItems, [value](const BlockSizeItem& item) { return item.CellSize == value; });
}

bool IsThemeIndex(int value)
{
    return value >= 0 && value < ThemeCount;
}

Settings LoadSettings(const std::string& folder)
{
    const std::string path = SettingsPath(folder);
    if (path.empty())
        return {};
    {
        // Only read here: a file that may not be written still gives its choices.
        RecordFile file(path, RecordFile::Access::Read);
        if (!file.Missing()) {
            Record record {};
            const bool whole = file.ReadAt(0, record.data(), record.size()) == record.size();
            return whole ? Decode(record) : Settings {};
        }
    }
    // A file that cannot be created is told about when a command tries to save.
    const Settings defaults;
    WriteRecord(defaults, path);
    return defaults;
}

bool SaveSettings(const Settings& settings, const std::string& folder, Platform& platform)
{
    const std::string path = SettingsPath(folder);
    if (path.empty())
        return true; // no folder to keep them in, which start-up has told
    const std::string reason = WriteRecord(settings, path);
    if (reason.empty())
        return true;
    platform.ShowMessage(Text(QT_TRANSLATE_NOOP("Messages",
                                  "Your settings could not be saved to \"%1\" (%2). They stay in "
                                  "effect until the game is closed."))
                             .Arg(ShortPath(path))
                             .Arg(Text::Reason(reason)),
        MessageIcon::Warning);
    return false;
}

void ApplySettings(Game& game, const Settings& settings)
{
    game.SetSoundOn(settings.SoundOn);
}

} // namespace orvane
