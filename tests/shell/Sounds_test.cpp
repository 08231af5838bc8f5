// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLookup.h"
#include "support/TempDir.h"
#include "support/WavImage.h"

#include <gtest/gtest.h>

#include <set>

using orvane::AppFilePath;
using orvane::FindAppFile;
using orvane::testing::ExpectCleanMonoPcm;
using orvane::testing::ParseWav;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;
using orvane::testing::WavSound;

namespace {

// The sound files the build puts beside the program, with the length each should have.
struct SoundFile {
    const char* name;
    double shortest, longest; // seconds
};
constexpr SoundFile SoundFiles[] = {
    {"Open.wav", 0.2, 0.6},
    {"Win.wav", 0.8, 1.3},
    {"Loose.wav", 0.8, 1.3},
    {"Flag.wav", 0.05, 0.3},
    {"FlagErr.wav", 0.1, 0.4},
};

TEST(GeneratedSounds, AreShortCleanMonoPcm)
{
    for (const SoundFile& file : SoundFiles) {
        SCOPED_TRACE(file.name);
        const auto sound
            = ParseWav(ReadFileBytes(std::string(ORVANE_BUILT_APP_DIR) + "/" + file.name));
        ASSERT_TRUE(sound.has_value());
        ExpectCleanMonoPcm(*sound);
        EXPECT_GE(sound->Seconds(), file.shortest);
        EXPECT_LE(sound->Seconds(), file.longest);
    }
}

TEST(GeneratedSounds, AreAllDifferent)
{
    std::set<std::vector<int16_t>> distinct;
    for (const SoundFile& file : SoundFiles) {
        const auto sound
            = ParseWav(ReadFileBytes(std::string(ORVANE_BUILT_APP_DIR) + "/" + file.name));
        ASSERT_TRUE(sound.has_value()) << file.name;
        distinct.insert(sound->samples);
    }
    EXPECT_EQ(distinct.size(), std::size(SoundFiles));
}

TEST(WavParser, RejectsDamagedImages)
{
    auto image = ReadFileBytes(std::string(ORVANE_BUILT_APP_DIR) + "/Flag.wav");
    ASSERT_TRUE(ParseWav(image).has_value());
    EXPECT_FALSE(ParseWav(std::vector<uint8_t>(image.begin(), image.end() - 1)).has_value());
    image[0] = 'X';
    EXPECT_FALSE(ParseWav(image).has_value());
}

struct FileLookupTest : ::testing::Test {
    TempDir dir;
    std::string Make(const std::string& name)
    {
        orvane::testing::WriteFileBytes(dir.File(name), {1, 2, 3});
        return dir.File(name);
    }
    std::string Dir() const { return dir.Path().string(); }
};

TEST_F(FileLookupTest, GameNameMeansFileInProgramDirectory)
{
    EXPECT_EQ(AppFilePath("/opt/orvane", "\\Setup.cfg"), "/opt/orvane/Setup.cfg");
    EXPECT_EQ(AppFilePath("/opt/orvane", "Setup.cfg"), "/opt/orvane/Setup.cfg");
}

TEST_F(FileLookupTest, FindsFileWhateverTheLetterCase)
{
    const std::string flag = Make("Flag.wav");
    EXPECT_EQ(FindAppFile(Dir(), "\\flag.wav"), flag);
    EXPECT_EQ(FindAppFile(Dir(), "\\FLAG.WAV"), flag);
    EXPECT_EQ(FindAppFile(Dir(), "\\Flag.wav"), flag);
    EXPECT_EQ(FindAppFile(Dir(), "Flag.wav"), flag);
}

TEST_F(FileLookupTest, ExactSpellingWins)
{
    const std::string upper = Make("OPEN.WAV");
    const std::string mixed = Make("Open.wav");
    EXPECT_EQ(FindAppFile(Dir(), "\\OPEN.WAV"), upper);
    EXPECT_EQ(FindAppFile(Dir(), "\\Open.wav"), mixed);
    // Neither spelt as asked: the same one every time, whatever the listing order.
    EXPECT_EQ(FindAppFile(Dir(), "\\open.wav"), upper);
}

TEST_F(FileLookupTest, MissingFilesAreNotFound)
{
    Make("Flag.wav");
    std::filesystem::create_directory(dir.Path() / "Win.wav");
    EXPECT_EQ(FindAppFile(Dir(), "\\FlagErr.wav"), std::nullopt);
    EXPECT_EQ(FindAppFile(Dir(), "\\Flag.wa"), std::nullopt);
    EXPECT_EQ(FindAppFile(Dir(), "\\win.wav"), std::nullopt) << "a directory is not a sound file";
    EXPECT_EQ(FindAppFile(Dir(), "\\"), std::nullopt);
    EXPECT_EQ(FindAppFile(Dir() + "/no-such-dir", "\\Flag.wav"), std::nullopt);
}

TEST_F(FileLookupTest, UnreadableDirectoryFindsNothing)
{
    Make("Flag.wav");
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::none);
    std::error_code denied;
    if (std::filesystem::is_regular_file(dir.Path() / "Flag.wav", denied))
        GTEST_SKIP() << "running with rights that ignore permissions";
    EXPECT_EQ(FindAppFile(Dir(), "\\flag.wav"), std::nullopt);
}

} // namespace
