// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>

namespace orvane {

inline constexpr std::size_t MostPathCharacters = 60;

// A path as a message shows it: whole when it has at most 60 characters, else its start
// and its end (where the file's name is) with "…" between them, 60 characters in all.
// Characters are UTF-8 sequences, never cut in two.
std::string ShortPath(const std::string& path);

// ShortPath between double quotes, as every message names a file.
std::string QuotedShortPath(const std::string& path);

} // namespace orvane
