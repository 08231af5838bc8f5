// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "platform/Text.h"

#include <cstddef>
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
    // Every ended game is kept whole, to be watched again.
    bool KeepReplays = true;
    // The mine chances are shown over the closed cells of a Classic game.
    bool ShowChances = false;
    // The name this player gives in network games.
    std::string NetworkName {};
    // The seat of the network game this program played last, to come back to after the
    // program was ended: "address port token time game", the time in seconds since 1970
    // (a seat waits a minute for its player). Empty when there is none.
    std::string NetworkSeat {};

    bool operator==(const Preferences&) const = default;
};

inline constexpr const char* PreferencesFileName = "\\Orvane.prefs";
// Far beyond what this program writes: only this much of a file is read.
inline constexpr std::size_t MostPreferencesBytes = std::size_t {64} * 1024;
inline constexpr std::size_t MostPreferencesLineLength = 1000;

// What a reading of the file's text found: the options it holds, and why it is not a
// file this program wrote, when it is not (empty otherwise).
struct ReadPreferences {
    Preferences Values;
    std::string Damage;
};

// Reads the text of the file. A value that is not one of its key's values keeps the
// default, and a line that is no "Key=Value" of printable characters is dropped. Text cut
// short of the file (cut), binary text (a NUL byte, broken UTF-8) and overlong lines
// are damage: the lines that can still be read are taken all the same.
ReadPreferences ParsePreferences(std::string_view text, bool cut);
std::string FormatPreferences(const Preferences& preferences);

// The file in the settings folder. A missing file gives the defaults. A damaged one is
// kept aside whole as "Orvane.prefs.damaged" (numbered on, like the other files) and put
// back with the options that could be read; one that cannot be read, or kept aside, is
// left alone. A save reads the file again and changes only the options this copy
// changed, so that another copy's changes stay, and puts the new file in the old one's
// place whole. Each trouble is told once a run; the options hold for the run whatever
// happens to the file. With no folder nothing is read or saved.
class PreferenceStore {
public:
    void Load(const std::string& folder, Platform& platform);
    bool Save(Platform& platform);

    Preferences Values;

private:
    // The file's options, read under the folder's lock; false after telling why not.
    bool ReadFile(Platform& platform, Preferences& read);
    bool SaveFailed(Platform& platform, const std::string& reason);
    void Tell(Platform& platform, const Text& message);

    std::string path_;
    Preferences lastRead_; // the options as this copy last read or wrote them
    bool leaveAlone_ = false;
    bool told_ = false;
};

} // namespace orvane
