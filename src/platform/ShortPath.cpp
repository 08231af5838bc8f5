// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShortPath.h"

#include <vector>

namespace orvane {

namespace {

bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

std::string ShortPath(const std::string& path)
{
    std::vector<std::size_t> starts; // where each character begins
    for (std::size_t at = 0; at < path.size(); ++at)
        if (StartsCharacter(path[at]) || at == 0)
            starts.push_back(at);
    if (starts.size() <= MostPathCharacters)
        return path;
    const std::size_t kept = MostPathCharacters - 1; // one goes to the ellipsis
    const std::size_t head = kept / 2;
    const std::size_t tail = kept - head;
    return path.substr(0, starts[head]) + "\u2026" + path.substr(starts[starts.size() - tail]);
}

std::string QuotedShortPath(const std::string& path)
{
    // Appended rather than "\"" + ShortPath(...): GCC 12 at -O2 warns falsely on that form.
    std::string quoted(1, '"');
    quoted += ShortPath(path);
    quoted += '"';
    return quoted;
}

} // namespace orvane
