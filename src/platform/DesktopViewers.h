// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace orvane {

// The folders whose "applications" subfolder holds the desktop's entries, most
// personal first: $XDG_DATA_HOME (else ~/.local/share), then $XDG_DATA_DIRS (else
// /usr/local/share and /usr/share).
std::vector<std::string> DesktopDataDirs();

// True when a desktop entry under one of the data folders' "applications" declares
// one of the MIME types (a viewer registered for them). Entries marked Hidden are
// removed ones and do not count.
bool HasDesktopViewer(
    const std::vector<std::string>& mimeTypes, const std::vector<std::string>& dataDirs);

} // namespace orvane
