// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Preferences.h"

#include "platform/DamagedCopies.h"
#include "platform/FileLookup.h"
#include "platform/FileReplacement.h"
#include "platform/Platform.h"
#include "platform/RecordFile.h"
#include "platform/ShortPath.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace orvane {

namespace {

constexpr std::size_t MostKeptLines = 100;

constexpr std::string_view NoGuessingKey = "NoGuessing";
constexpr std::string_view StrengthKey = "ComputerStrength";
constexpr std::string_view ColourSafeKey = "ColourSafeNumbers";
constexpr std::string_view KeepReplaysKey = "KeepReplays";
constexpr std::string_view ShowChancesKey = "ShowChances";
constexpr std::string_view NetworkNameKey = "NetworkName";
constexpr std::string_view NetworkSeatKey = "NetworkSeat";

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
    return std::ranges::none_of(
        line, [](char c) { return static_cast<unsigned char>(c) < ' ' || c == '\x7F'; });
}

void TakeLine(std::string_view line, Preferences& preferences)
{
    line = Trimmed(line);
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos || equals == 0
        || !Printable(line))
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
    } else if (key == KeepReplaysKey) {
        if (value == "1" || value == "0")
            preferences.KeepReplays = value == "1";
    } else if (key == ShowChancesKey) {
        if (value == "1" || value == "0")
            preferences.ShowChances = value == "1";
    } else if (key == NetworkNameKey) {
        preferences.NetworkName = value;
    } else if (key == NetworkSeatKey) {
        preferences.NetworkSeat = value;
    } else if (preferences.OtherLines.size() < MostKeptLines) {
        preferences.OtherLines.emplace_back(line);
    }
}

} // namespace

ReadPreferences ParsePreferences(std::string_view text, bool cut)
{
    ReadPreferences read;
    if (cut) {
        read.Damage = QT_TRANSLATE_NOOP("Messages", "it is larger than 64 KiB");
        text = text.substr(0, text.rfind('\n') + 1); // the last line is not whole
    }
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
        if (line.find('\0') != std::string_view::npos || !IsValidUtf8(line)) {
            read.Damage = QT_TRANSLATE_NOOP("Messages", "it holds binary data");
        } else if (line.size() > MostPreferencesLineLength) {
            read.Damage = QT_TRANSLATE_NOOP("Messages", "it has lines too long");
        } else {
            TakeLine(line, read.Values);
        }
    }
    return read;
}

std::string FormatPreferences(const Preferences& preferences)
{
    std::string text = "# Orvane options\n";
    text += std::string(NoGuessingKey) + "=" + (preferences.NoGuessing ? "1" : "0") + "\n";
    text += std::string(StrengthKey) + "="
        + (preferences.Strength == ComputerStrength::Strong ? "Strong" : "Normal") + "\n";
    text += std::string(ColourSafeKey) + "=" + (preferences.ColourSafeNumbers ? "1" : "0") + "\n";
    text += std::string(KeepReplaysKey) + "=" + (preferences.KeepReplays ? "1" : "0") + "\n";
    text += std::string(ShowChancesKey) + "=" + (preferences.ShowChances ? "1" : "0") + "\n";
    if (!preferences.NetworkName.empty())
        text += std::string(NetworkNameKey) + "=" + preferences.NetworkName + "\n";
    if (!preferences.NetworkSeat.empty())
        text += std::string(NetworkSeatKey) + "=" + preferences.NetworkSeat + "\n";
    for (const std::string& line : preferences.OtherLines)
        text += line + "\n";
    return text;
}

void PreferenceStore::Load(const std::string& folder, Platform& platform)
{
    path_ = AppFilePath(folder, PreferencesFileName);
    Values = lastRead_ = {};
    if (path_.empty())
        return;
    const FolderLock lock(path_);
    if (ReadFile(platform, lastRead_))
        Values = lastRead_;
}

bool PreferenceStore::ReadFile(Platform& platform, Preferences& read)
{
    const std::string shown = QuotedShortPath(path_);
    const FileContents file = ReadFileStart(path_, MostPreferencesBytes);
    if (file.Missing) {
        read = {};
        return true;
    }
    if (!file.Failure.empty()) {
        Tell(platform,
            Text(QT_TRANSLATE_NOOP("Messages",
                     "Your options could not be read from %1 (%2). It is left as it is; the "
                     "options in effect are kept until the game is closed."))
                .Arg(shown)
                .Arg(Text::Reason(file.Failure)));
        return false;
    }
    const std::string text(file.Bytes.begin(), file.Bytes.end());
    const ReadPreferences parsed = ParsePreferences(text, file.Size > file.Bytes.size());
    read = parsed.Values;
    if (parsed.Damage.empty())
        return true;
    const KeptCopy copy = KeepDamagedCopy(path_);
    if (copy.Name.empty()) {
        leaveAlone_ = true;
        Tell(platform,
            Text(QT_TRANSLATE_NOOP("Messages",
                     "Your options file %1 is damaged (%2), and it could not be kept aside (%3). "
                     "It is left as it is; the options that could be read are used, but changes "
                     "are not saved."))
                .Arg(shown)
                .Arg(Text::Reason(parsed.Damage))
                .Arg(Text::Reason(copy.Failure)));
        return true;
    }
    // A repair that fails now is tried again by the next save.
    const std::string repaired = FormatPreferences(read);
    ReplaceFile(path_, std::vector<uint8_t>(repaired.begin(), repaired.end()));
    Tell(platform,
        Text(QT_TRANSLATE_NOOP("Messages",
                 "Your options file %1 was damaged (%2). It has been kept as \"%3\", and the "
                 "options that could be read are used."))
            .Arg(shown)
            .Arg(Text::Reason(parsed.Damage))
            .Arg(ShortPath(copy.Name)));
    return true;
}

bool PreferenceStore::Save(Platform& platform)
{
    if (path_.empty())
        return true;
    if (leaveAlone_)
        return false;
    const FolderLock lock(path_);
    if (!lock.Failure().empty())
        return SaveFailed(platform, lock.Failure());
    Preferences saved;
    if (!ReadFile(platform, saved) || leaveAlone_)
        return false;
    // Only what this copy changed: another copy's changes since are kept.
    if (Values.NoGuessing != lastRead_.NoGuessing)
        saved.NoGuessing = Values.NoGuessing;
    if (Values.Strength != lastRead_.Strength)
        saved.Strength = Values.Strength;
    if (Values.ColourSafeNumbers != lastRead_.ColourSafeNumbers)
        saved.ColourSafeNumbers = Values.ColourSafeNumbers;
    if (Values.KeepReplays != lastRead_.KeepReplays)
        saved.KeepReplays = Values.KeepReplays;
    if (Values.ShowChances != lastRead_.ShowChances)
        saved.ShowChances = Values.ShowChances;
    if (Values.NetworkName != lastRead_.NetworkName)
        saved.NetworkName = Values.NetworkName;
    if (Values.NetworkSeat != lastRead_.NetworkSeat)
        saved.NetworkSeat = Values.NetworkSeat;
    const std::string text = FormatPreferences(saved);
    if (const std::string failure
        = ReplaceFile(path_, std::vector<uint8_t>(text.begin(), text.end()));
        !failure.empty())
        return SaveFailed(platform, failure);
    lastRead_ = saved;
    return true;
}

bool PreferenceStore::SaveFailed(Platform& platform, const std::string& reason)
{
    Tell(platform,
        Text(QT_TRANSLATE_NOOP("Messages",
                 "Your options could not be saved to \"%1\" (%2). They stay in effect until the "
                 "game is closed."))
            .Arg(ShortPath(path_))
            .Arg(Text::Reason(reason)));
    return false;
}

void PreferenceStore::Tell(Platform& platform, const Text& message)
{
    if (std::exchange(told_, true))
        return;
    platform.ShowMessage(message, MessageIcon::Warning);
}

} // namespace orvane
