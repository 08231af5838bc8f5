// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFolders.h"

#include "platform/FileLookup.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#ifndef ORVANE_DATA_FROM_PROGRAM
#error "the build names the data folder relative to the program's folder"
#endif

namespace orvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* SubFolder = "orvane";

std::string UsablePath(const char* value)
{
    return value != nullptr && fs::path(value).is_absolute() ? std::string(value) : std::string();
}

std::string OrUnderHome(const std::string& value, const char* home, const char* underHome)
{
    if (!value.empty())
        return value;
    return (fs::path(home != nullptr ? home : "") / underHome).string();
}

bool IsDir(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool MayWrite(const std::string& dir)
{
    return ::access(dir.c_str(), W_OK) == 0;
}

// Copies a file the program kept beside itself into the user's folder, unless the
// user's folder already has its own.
void CarryOver(const std::string& fromDir, const std::string& toDir, const char* name)
{
    const fs::path from = fs::path(fromDir) / name;
    const fs::path to = fs::path(toDir) / name;
    std::error_code error;
    if (fs::is_regular_file(from, error) && !fs::exists(to, error))
        fs::copy_file(from, to, error);
}

} // namespace

UserFolders ResolveUserFolders(const char* configHome, const char* dataHome, const char* home)
{
    return {OrUnderHome(UsablePath(configHome), home, ".config"),
        OrUnderHome(UsablePath(dataHome), home, ".local/share")};
}

UserFolders UserFoldersFromEnvironment()
{
    return ResolveUserFolders(
        std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

FileFolders FileFolders::AllIn(const std::string& dir)
{
    return {dir, dir, dir, dir};
}

FileFolders ChooseFileFolders(const std::string& programDir, const UserFolders& user)
{
    const std::string data
        = (fs::path(programDir) / ORVANE_DATA_FROM_PROGRAM).lexically_normal().string();
    const bool installed = IsDir(data);
    if (!installed && MayWrite(programDir))
        return FileFolders::AllIn(programDir);

    FileFolders folders {programDir, installed ? data : programDir,
        (fs::path(user.ConfigHome) / SubFolder).string(),
        (fs::path(user.DataHome) / SubFolder).string()};
    for (const std::string* dir : {&folders.Settings, &folders.Scores}) {
        std::error_code error;
        fs::create_directories(*dir, error);
    }
    CarryOver(programDir, folders.Settings, "Setup.cfg");
    CarryOver(programDir, folders.Scores, "Orvane.cfg");
    return folders;
}

std::string HelpFilePath(const FileFolders& folders)
{
    return FindAppFile(folders.LookupDirs(), HelpFileName)
        .value_or(AppFilePath(folders.Program, HelpFileName));
}

std::string LicenceFilePath(const FileFolders& folders)
{
    return FindAppFile(folders.Program, "LICENSE").value_or(SystemLicenceFile);
}

} // namespace orvane
