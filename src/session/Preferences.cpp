// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Preferences.h"

#include "platform/FileLookup.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace orvane {

namespace {

// Far beyond what this program writes; a larger file is not its own and is not read.
constexpr std::size_t MaxFileBytes = std::size_t {64} * 1024;
constexpr std::size_t MaxKeptLines = 100;
constexpr std::size_t MaxLineLength = 200;

constexpr std::string_view NoGuessingKey = "NoGuessing";
constexpr std::string_view StrengthKey = "ComputerStrength";
constexpr std::string_view ColourSafeKey = "ColourSafeNumbers";

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool Printable(std::string_view line)
{
    return std::ranges::all_of(line, [](char c) { return c >= ' ' && c <= '~'; });
}

void TakeLine(std::string_view line, Preferences& preferences)
{
    line = Trimmed(line);
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos || equals == 0
        || !Printable(line) || line.size() > MaxLineLength)
        return;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == NoGuessingKey) {
        if (value == "1" || value == "0")
            preferences.NoGuessing = value == "1";
    } else if (key == StrengthKey) {
        if (value == "Normal" || value == "Strong")
            preferences.Strength
                = value == "Strong" ? ComputerStrength::Strong : ComputerStrength::Normal;
    } else if (key == ColourSafeKey) {
        if (value == "1" || value == "0")
            preferences.ColourSafeNumbers = value == "1";
    } else if (preferences.OtherLines.size() < MaxKeptLines) {
        preferences.OtherLines.emplace_back(line);
    }
}

} // namespace

Preferences ParsePreferences(std::string_view text)
{
    Preferences preferences;
    while (!text.empty()) {
        const auto end = text.find('\n');
        TakeLine(text.substr(0, end), preferences);
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
    }
    return preferences;
}

std::string FormatPreferences(const Preferences& preferences)
{
    std::string text = "# Orvane options\n";
    text += std::string(NoGuessingKey) + "=" + (preferences.NoGuessing ? "1" : "0") + "\n";
    text += std::string(StrengthKey) + "="
        + (preferences.Strength == ComputerStrength::Strong ? "Strong" : "Normal") + "\n";
    text += std::string(ColourSafeKey) + "=" + (preferences.ColourSafeNumbers ? "1" : "0") + "\n";
    for (const std::string& line : preferences.OtherLines)
        text += line + "\n";
    return text;
}

void PreferenceStore::Load(const std::string& folder)
{
    path_ = AppFilePath(folder, PreferencesFileName);
    Values = {};
    std::ifstream file(path_, std::ios::binary);
    if (!file)
        return;
    std::string text(MaxFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    const auto size = static_cast<std::size_t>(file.gcount());
    if (size > MaxFileBytes || file.bad())
        return;
    text.resize(size);
    Values = ParsePreferences(text);
}

bool PreferenceStore::Save(Platform& platform)
{
    const std::string text = FormatPreferences(Values);
    const std::string temporary = path_ + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file != nullptr;
    int error = errno;
    if (file) {
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = std::fflush(file) == 0 && written;
        error = errno;
        written = std::fclose(file) == 0 && written;
    }
    if (written && std::rename(temporary.c_str(), path_.c_str()) == 0)
        return true;
    if (written)
        error = errno;
    std::remove(temporary.c_str());
    if (!failureTold_) {
        failureTold_ = true;
        platform.ShowMessage("Your options could not be saved to \"" + path_ + "\" ("
                + std::strerror(error) + "). They stay in effect until the game is closed.",
            MessageIcon::Warning);
    }
    return false;
}

} // namespace orvane
