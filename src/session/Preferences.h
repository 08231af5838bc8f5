// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class Platform;

// The options kept beside "Setup.cfg", whose three bytes hold only the original choices.
// The file is text, one "Key=Value" line each; lines of keys this program does not know
// are kept as they were, for a newer program that wrote them.
struct Preferences {
    bool NoGuessing = false;
    ComputerStrength Strength = ComputerStrength::Normal;
    bool ColourSafeNumbers = false;
    std::vector<std::string> OtherLines;

    bool operator==(const Preferences&) const = default;
};

inline constexpr const char* PreferencesFileName = "\\Orvane.prefs";

// Reads the text of the file: a value that is not one of its key's values keeps the
// default, and a line that is no "Key=Value" of printable characters is dropped.
Preferences ParsePreferences(std::string_view text);
std::string FormatPreferences(const Preferences& preferences);

// The file in the settings folder. Nothing read can fail: a missing, unreadable,
// oversized or damaged file gives the defaults. A save writes a new file beside the old
// one and puts it in its place, so the file is whole or old, never half written; the
// first failure of a run is told through the platform, and the options hold for the run.
class PreferenceStore {
public:
    void Load(const std::string& folder);
    bool Save(Platform& platform);

    Preferences Values;

private:
    std::string path_;
    bool failureTold_ = false;
};

} // namespace orvane
