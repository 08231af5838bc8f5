// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace orvane {

// The user's own folders by the XDG base directory rules, where an installed program
// keeps what it writes.
// Empty when there is no home to put it under.
struct UserFolders {
    std::string ConfigHome; // $XDG_CONFIG_HOME, else ~/.config
    std::string DataHome;   // $XDG_DATA_HOME, else ~/.local/share
};

// The user's home: $HOME, else the one the user database names, else none (empty).
std::string HomeFolder(const char* homeVariable, const char* userDatabaseHome);
// Resolves the folders from the variables' values (null when unset). A value that is
// empty or not an absolute path is ignored, as the rules ask.
UserFolders ResolveUserFolders(const char* configHome, const char* dataHome, const char* home);
UserFolders UserFoldersFromEnvironment();

// Where the program's files live. A program in a folder of its own that it may write
// keeps everything beside itself; an installed one reads its sounds and help from its
// data folder and writes its settings and scores into the user's folders.
struct FileFolders {
    std::string Program;  // the program's own folder
    std::string Data;     // the installed data folder, next in line for sounds and help
    std::string Settings; // holds "Setup.cfg"; empty when there is none to keep it in
    std::string Scores;   // holds "Orvane.cfg"; the same

    // Every file in one folder, as a copied or built program keeps them.
    static FileFolders AllIn(const std::string& dir);
    // The folders sounds and help are looked for in, in order.
    std::vector<std::string> LookupDirs() const { return {Program, Data}; }
};

// Decides the folders for a program in programDir. Beside the program when that
// folder may be written and is not an installed copy (one with a data folder
// installed next to it). Otherwise the user's folders are made, and a settings or
// score file beside the program that the user's folder lacks is copied over, so
// nothing kept there is lost. A folder that cannot be made is left to the first
// save, which reports it in plain words; with no user folder, no files are kept.
FileFolders ChooseFileFolders(const std::string& programDir, const UserFolders& user);

inline constexpr const char* HelpFileName = "\\Orvane.chm";
// The help file beside the program or in the data folder; where neither holds it,
// the name it would have beside the program.
std::string HelpFilePath(const FileFolders& folders);

// The licence's text: "LICENSE" beside a program in a folder of its own, else (an
// installed copy, which carries none) the copy the system keeps for every package.
inline constexpr const char* SystemLicenceFile = "/usr/share/common-licenses/GPL-3";
std::string LicenceFilePath(const FileFolders& folders);

} // namespace orvane
