// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopViewers.h"

#include "platform/FileFolders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvane {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitList(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

// The MIME types a desktop entry declares; none when it is marked as removed.
std::vector<std::string> DeclaredTypes(const fs::path& entry)
{
    std::ifstream in(entry);
    std::vector<std::string> types;
    bool mainGroup = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('['))
            mainGroup = line == "[Desktop Entry]";
        else if (mainGroup && line == "Hidden=true")
            return {};
        else if (mainGroup && line.starts_with("MimeType="))
            types = SplitList(line.substr(9), ';');
    }
    return types;
}

bool Declares(const fs::path& entry, const std::vector<std::string>& mimeTypes)
{
    const std::vector<std::string> declared = DeclaredTypes(entry);
    return std::ranges::any_of(
        mimeTypes, [&](const std::string& type) { return std::ranges::count(declared, type) > 0; });
}

} // namespace

std::vector<std::string> DesktopDataDirs()
{
    std::vector<std::string> dirs {UserFoldersFromEnvironment().DataHome};
    const char* shared = std::getenv("XDG_DATA_DIRS");
    for (const std::string& dir : SplitList(
             shared != nullptr && *shared != '\0' ? shared : "/usr/local/share:/usr/share", ':'))
        dirs.push_back(dir);
    return dirs;
}

bool HasDesktopViewer(
    const std::vector<std::string>& mimeTypes, const std::vector<std::string>& dataDirs)
{
    for (const std::string& dir : dataDirs) {
        std::error_code error;
        for (fs::recursive_directory_iterator it(fs::path(dir) / "applications", error), end;
             !error && it != end; it.increment(error)) {
            if (it->path().extension() == ".desktop" && Declares(it->path(), mimeTypes))
                return true;
        }
    }
    return false;
}

} // namespace orvane
