// SPDX-License-Identifier: GPL-3.0-or-later
// The build compiles the help pages into "Orvane.chm" beside the program; the Help
// command hands that file to the desktop's viewer, which needs a whole, valid file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<char> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint64_t Little64(const std::vector<char>& bytes, size_t at)
{
    uint64_t value = 0;
    for (size_t i = 8; i-- > 0;)
        value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

std::string_view Text(const std::vector<char>& bytes, size_t at, size_t length)
{
    const size_t start = std::min(at, bytes.size());
    return {bytes.data() + start, std::min(length, bytes.size() - start)};
}

TEST(HelpFile, IsAWholeCompiledHelpFileWithItsContentsIndexAndStartPage)
{
    const std::vector<char> chm = ReadAll(std::string(ORVANE_BUILT_APP_DIR) + "/Orvane.chm");
    ASSERT_GE(chm.size(), 0x60u) << "missing or cut short";
    EXPECT_EQ(Text(chm, 0, 4), "ITSF");

    // The header records the file's own length, so a cut-off file shows.
    const uint64_t sizeSection = Little64(chm, 0x38);
    ASSERT_LE(sizeSection + 16, chm.size());
    EXPECT_EQ(Little64(chm, sizeSection + 8), chm.size());

    const uint64_t directory = Little64(chm, 0x48);
    const uint64_t directoryLength = Little64(chm, 0x50);
    ASSERT_LE(directory + directoryLength, chm.size());
    const std::string_view listing = Text(chm, directory, directoryLength);
    EXPECT_TRUE(listing.starts_with("ITSP"));
    for (const char* name : {"/index.html", "/contents.hhc", "/index.hhk", "/style.css"})
        EXPECT_NE(listing.find(name), std::string_view::npos) << name;
}

} // namespace
