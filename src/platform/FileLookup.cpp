// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLookup.h"

#include <algorithm>
#include <filesystem>

namespace orvane {

namespace fs = std::filesystem;

namespace {

std::string WithoutLeadingBackslash(const std::string& name)
{
    return name.starts_with('\\') ? name.substr(1) : name;
}

std::string InDir(const std::string& dir, const std::string& fileName)
{
    return dir + "/" + fileName;
}

// ASCII only: the answer must not change with the user's locale.
char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

} // namespace

std::string AppFilePath(const std::string& appDir, const std::string& name)
{
    if (appDir.empty())
        return {};
    return InDir(appDir, WithoutLeadingBackslash(name));
}

std::optional<std::string> FindAppFile(const std::string& dir, const std::string& name)
{
    const std::string wanted = WithoutLeadingBackslash(name);
    if (wanted.empty())
        return std::nullopt;
    const std::string exact = InDir(dir, wanted);
    if (IsFile(exact))
        return exact;

    // Of several spellings that match, the smallest name is taken, so the choice does
    // not depend on the order the directory lists them in.
    std::optional<std::string> found;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, wanted) && IsFile(it->path()) && (!found || entry < *found))
            found = entry;
    }
    if (!found)
        return std::nullopt;
    return InDir(dir, *found);
}

std::optional<std::string> FindAppFile(
    const std::vector<std::string>& dirs, const std::string& name)
{
    for (const std::string& dir : dirs)
        if (auto found = FindAppFile(dir, name))
            return found;
    return std::nullopt;
}

} // namespace orvane
