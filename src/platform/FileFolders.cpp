// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFolders.h"

#include "platform/FileLookup.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
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

// Without a home there is no folder: never one relative to wherever the program was
// started from.
std::string OrUnderHome(const std::string& value, const std::string& home, const char* underHome)
{
    if (!value.empty() || home.empty())
        return value;
    return (fs::path(home) / underHome).string();
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
    if (toDir.empty())
        return;
    const fs::path from = fs::path(fromDir) / name;
    const fs::path to = fs::path(toDir) / name;
    std::error_code error;
    if (fs::is_regular_file(from, error) && !fs::exists(to, error))
        fs::copy_file(from, to, error);
}

} // namespace

std::string HomeFolder(const char* homeVariable, const char* userDatabaseHome)
{
    const std::string home = UsablePath(homeVariable);
    return home.empty() ? UsablePath(userDatabaseHome) : home;
}

UserFolders ResolveUserFolders(const char* configHome, const char* dataHome, const char* home)
{
    const std::string usableHome = UsablePath(home);
    return {OrUnderHome(UsablePath(configHome), usableHome, ".config"),
        OrUnderHome(UsablePath(dataHome), usableHome, ".local/share")};
}

UserFolders UserFoldersFromEnvironment()
{
    const passwd* user = ::getpwuid(::getuid());
    const std::string home
        = HomeFolder(std::getenv("HOME"), user != nullptr ? user->pw_dir : nullptr);
    return ResolveUserFolders(
        std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME"), home.c_str());
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

    const auto subFolder = [](const std::string& home) {
        return home.empty() ? home : (fs::path(home) / SubFolder).string();
    };
    FileFolders folders {programDir, installed ? data : programDir, subFolder(user.ConfigHome),
        subFolder(user.DataHome)};
    for (const std::string* dir : {&folders.Settings, &folders.Scores}) {
        std::error_code error;
        if (!dir->empty())
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
