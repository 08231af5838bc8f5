// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShortPath.h"

#include <gtest/gtest.h>

using orvane::ShortPath;

namespace {

// Counts UTF-8 characters by the bytes that start one.
std::size_t Characters(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

TEST(ShortPath, KeepsSixtyCharactersWithTheEllipsisInTheMiddle)
{
    const std::string sixty = "/" + std::string(59, 'a');
    EXPECT_EQ(ShortPath(sixty), sixty);

    const std::string longPath = "/home/" + std::string(2800, 'd') + "/History.db";
    const std::string shown = ShortPath(longPath);
    EXPECT_EQ(Characters(shown), 60u);
    EXPECT_EQ(shown.substr(0, 6), "/home/");
    EXPECT_EQ(shown.substr(shown.size() - 11), "/History.db");
    EXPECT_NE(shown.find("d\u2026d"), std::string::npos);

    // Two-byte characters are kept whole on both sides of the cut.
    std::string wide;
    for (int i = 0; i < 61; ++i)
        wide += "\xc3\xa9";
    const std::string cut = ShortPath(wide);
    EXPECT_EQ(Characters(cut), 60u);
    EXPECT_EQ(cut.size(), 59u * 2 + 3);
}

} // namespace
