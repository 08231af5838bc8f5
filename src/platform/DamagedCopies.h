// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace orvane {

// Where a damaged file went, or why it could not be kept.
struct KeptCopy {
    std::string Name;    // empty when nothing was kept
    std::string Failure; // the reason then
};

// Keeps the bytes of the file that a save of path replaces (see SaveTarget) beside it as
// "<target>.damaged", or ".damaged.2" and on when earlier copies are there; none is
// ever overwritten. The file itself stays as it is, for the save to replace.
KeptCopy KeepDamagedCopy(const std::string& path);

// Moves whatever is at path (a symlink itself, not the file it leads to, which may be
// another program's) to the first free "<path>.damaged" name, and the files named path
// plus each companion suffix along with it.
KeptCopy SetAsideDamaged(const std::string& path, const std::vector<std::string>& companions);

} // namespace orvane
