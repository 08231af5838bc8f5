// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileFolders.h"
#include "platform/FileLookup.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace orvane;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;
using orvane::testing::WriteFileBytes;

namespace {

namespace fs = std::filesystem;

TEST(UserFolders, FollowTheVariablesOrFallBackUnderHome)
{
    struct Case {
        const char* configHome;
        const char* dataHome;
        UserFolders expected;
    };
    const Case cases[] = {
        {"/x/config", "/x/data", {"/x/config", "/x/data"}},
        {nullptr, nullptr, {"/home/p/.config", "/home/p/.local/share"}},
        {"", "relative/data", {"/home/p/.config", "/home/p/.local/share"}},
    };
    for (const Case& c : cases) {
        const UserFolders folders = ResolveUserFolders(c.configHome, c.dataHome, "/home/p");
        EXPECT_EQ(folders.ConfigHome, c.expected.ConfigHome);
        EXPECT_EQ(folders.DataHome, c.expected.DataHome);
    }
}

// Without a home no folder is named, never one relative to where the program started.
TEST(UserFolders, WithoutAHomeComeFromTheUserDatabaseOrAreNone)
{
    EXPECT_EQ(HomeFolder(nullptr, "/home/u"), "/home/u");
    EXPECT_EQ(HomeFolder("", "/home/u"), "/home/u");
    EXPECT_EQ(HomeFolder("/home/h", "/home/u"), "/home/h");
    EXPECT_EQ(HomeFolder(nullptr, nullptr), "");
    const UserFolders none = ResolveUserFolders(nullptr, nullptr, "");
    EXPECT_EQ(none.ConfigHome, "");
    EXPECT_EQ(none.DataHome, "");
}

class FileFoldersTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string program = dir.File("bin");
    UserFolders user {dir.File("home/config"), dir.File("home/data")};

    FileFoldersTest() { fs::create_directories(program); }
    std::string UserSettings() const { return user.ConfigHome + "/orvane"; }
    std::string UserScores() const { return user.DataHome + "/orvane"; }
};

TEST_F(FileFoldersTest, AWritableFolderOfItsOwnKeepsEverythingBesideTheProgram)
{
    const FileFolders folders = ChooseFileFolders(program, user);
    EXPECT_EQ(folders.Settings, program);
    EXPECT_EQ(folders.Scores, program);
    EXPECT_EQ(folders.LookupDirs(), (std::vector<std::string> {program, program}));
    EXPECT_FALSE(fs::exists(user.ConfigHome));
}

// Even where it may write beside itself (root, or a prefix in the user's home), an
// installed program keeps the user's files out of its bin folder.
TEST_F(FileFoldersTest, AnInstalledProgramReadsItsDataFolderAndWritesTheUserFolders)
{
    fs::create_directories(dir.File("share/orvane"));
    const FileFolders folders = ChooseFileFolders(program, user);
    EXPECT_EQ(folders.Settings, UserSettings());
    EXPECT_EQ(folders.Scores, UserScores());
    EXPECT_EQ(folders.LookupDirs(), (std::vector<std::string> {program, dir.File("share/orvane")}));
    EXPECT_TRUE(fs::is_directory(UserSettings()));
    EXPECT_TRUE(fs::is_directory(UserScores()));
}

TEST_F(FileFoldersTest, ReadOnlyProgramFolderCarriesItsFilesIntoTheUserFolders)
{
    WriteFileBytes(program + "/Setup.cfg", {0x24, 0x03, 0x00});
    WriteFileBytes(program + "/Orvane.cfg", {0x01, 0x02});
    fs::create_directories(UserScores());
    WriteFileBytes(UserScores() + "/Orvane.cfg", {0x07});
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(program.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore file permissions";

    const FileFolders folders = ChooseFileFolders(program, user);
    EXPECT_EQ(folders.Settings, UserSettings());
    EXPECT_EQ(folders.Scores, UserScores());
    EXPECT_EQ(
        ReadFileBytes(UserSettings() + "/Setup.cfg"), (std::vector<uint8_t> {0x24, 0x03, 0x00}));
    EXPECT_EQ(ReadFileBytes(UserScores() + "/Orvane.cfg"), (std::vector<uint8_t> {0x07}))
        << "the user's own scores are kept";
}

TEST_F(FileFoldersTest, UserFoldersThatCannotBeMadeAreStillNamedForTheSaveToReport)
{
    fs::create_directories(dir.File("share/orvane"));
    WriteFileBytes(dir.File("home"), {});
    const FileFolders folders = ChooseFileFolders(program, user);
    EXPECT_EQ(folders.Settings, UserSettings());
    EXPECT_FALSE(fs::exists(UserSettings()));
}

TEST_F(FileFoldersTest, AnInstalledProgramWithoutUserFoldersKeepsNoFiles)
{
    fs::create_directories(dir.File("share/orvane"));
    const FileFolders folders = ChooseFileFolders(program, UserFolders {});
    EXPECT_EQ(folders.Settings, "");
    EXPECT_EQ(folders.Scores, "");
    EXPECT_EQ(AppFilePath(folders.Settings, "\\Setup.cfg"), "");
}

TEST_F(FileFoldersTest, HelpFileIsFoundBesideTheProgramThenInTheDataFolder)
{
    const FileFolders folders {program, dir.File("data"), "", ""};
    fs::create_directories(folders.Data);
    EXPECT_EQ(HelpFilePath(folders), program + "/Orvane.chm") << "found nowhere";
    WriteFileBytes(folders.Data + "/Orvane.chm", {1});
    EXPECT_EQ(HelpFilePath(folders), folders.Data + "/Orvane.chm");
    WriteFileBytes(program + "/orvane.CHM", {1});
    EXPECT_EQ(HelpFilePath(folders), program + "/orvane.CHM");
}

TEST_F(FileFoldersTest, LicenceIsTheOneBesideTheProgramElseTheSystemsCopy)
{
    const FileFolders folders {program, dir.File("data"), "", ""};
    EXPECT_EQ(LicenceFilePath(folders), SystemLicenceFile);
    WriteFileBytes(program + "/LICENSE", {1});
    EXPECT_EQ(LicenceFilePath(folders), program + "/LICENSE");
}

} // namespace
