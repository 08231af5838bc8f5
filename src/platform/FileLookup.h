// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The game names its files with a leading backslash ("\Setup.cfg"): the file of that
// name in the program directory. This is the path of that file; there is none (an empty
// path) without a folder, as when no folder could be found to keep files in.
std::string AppFilePath(const std::string& appDir, const std::string& name);

// The existing file that `name` (leading backslash or not) names in `dir`, matched
// without regard to letter case; a file spelt exactly as asked wins. Nothing when
// there is no such file or the directory cannot be read.
std::optional<std::string> FindAppFile(const std::string& dir, const std::string& name);
// The same in the first of the directories that holds the file.
std::optional<std::string> FindAppFile(
    const std::vector<std::string>& dirs, const std::string& name);

} // namespace orvane
