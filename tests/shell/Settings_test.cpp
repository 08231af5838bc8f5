// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellFixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

class SettingsTest : public ShellFixture {
protected:
    // Writes the file with only the given rights. False when they do not bite, as for
    // the superuser, whom write permission does not stop.
    bool WriteRestrictedFile(const Bytes& bytes, std::filesystem::perms rights)
    {
        WriteFileBytes(settingsPath, bytes);
        std::filesystem::permissions(settingsPath, rights);
        return ::access(settingsPath.c_str(), W_OK) != 0;
    }
};

TEST_F(SettingsTest, MissingFileIsCreatedWithTheDefaults)
{
    LoadAndApplySettings();
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x01}));
    EXPECT_EQ(settings.CellSize, 22);
    EXPECT_TRUE(game.SoundOn());
    EXPECT_EQ(Checks(), (MenuChecks {Level::Beginner, PlayMode::Classic, true, 0, 22}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, StoredChoicesAreTakenOver)
{
    WriteFileBytes(settingsPath, {0x24, 0x03, 0x00});
    LoadAndApplySettings();
    EXPECT_EQ(settings, (Settings {36, 3, false}));
    EXPECT_EQ(settings.CellSize, 36);
    EXPECT_FALSE(game.SoundOn());
    EXPECT_EQ(Checks(), (MenuChecks {Level::Beginner, PlayMode::Classic, false, 3, 36}));
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x24, 0x03, 0x00}));
}

TEST_F(SettingsTest, ShortFileGivesDefaultsAndKeepsItsBytesUntilASave)
{
    WriteFileBytes(settingsPath, {0x24, 0x03});
    LoadAndApplySettings();
    EXPECT_EQ(settings, Settings {});
    EXPECT_EQ(settings.CellSize, 22);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x24, 0x03}));

    commands.Sounds(false);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x00}));
}

TEST_F(SettingsTest, BytesAfterTheRecordSurviveEverySave)
{
    WriteFileBytes(settingsPath, {0x12, 0x01, 0x01, 0xAB, 0xCD});
    LoadAndApplySettings();
    EXPECT_EQ(settings, (Settings {18, 1, true}));

    commands.BlockSize(27);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x01, 0x01, 0xAB, 0xCD}));
    commands.Theme(5);
    commands.Sounds(false);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x05, 0x00, 0xAB, 0xCD}));
}

TEST_F(SettingsTest, EachCommandWritesTheWholeRecord)
{
    LoadAndApplySettings();
    commands.BlockSize(27);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x00, 0x01}));
    commands.Sounds(false);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x00, 0x00}));

    // What was saved is what the next run starts with.
    Settings reread = LoadSettings(folders.Settings);
    EXPECT_EQ(reread, (Settings {27, 0, false}));
}

// A size no menu offers would break the layout and the mouse mapping, and a theme
// that does not exist would be read past the list of themes.
TEST_F(SettingsTest, UnusableValuesFallBackEachOnItsOwnAndTheFileWaitsForASave)
{
    struct Case {
        Bytes file;
        Settings expected;
    };
    const std::vector<Case> cases {
        {{0x00, 0x02, 0x01}, {22, 2, true}},
        {{0x11, 0x02, 0x01}, {22, 2, true}},
        {{0xFF, 0x06, 0x00}, {22, 6, false}},
        {{0x10, 0x07, 0x00}, {16, 0, false}},
        {{0x24, 0xFF, 0x01}, {36, 0, true}},
        {{0x00, 0x63, 0x05}, {22, 0, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.file));
        WriteFileBytes(settingsPath, c.file);
        EXPECT_EQ(LoadSettings(folders.Settings), c.expected);
        EXPECT_EQ(ReadFileBytes(settingsPath), c.file);
    }

    WriteFileBytes(settingsPath, {0x00, 0x09, 0x00});
    LoadAndApplySettings();
    EXPECT_EQ(settings.CellSize, 22);
    EXPECT_EQ(Checks().Theme, 0);
    commands.Sounds(true);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x16, 0x00, 0x01}));
}

TEST_F(SettingsTest, MissingDirectoryGivesDefaultsAndEachFailedSaveSaysWhy)
{
    folders.Settings = dir.File("gone");
    LoadAndApplySettings();
    EXPECT_EQ(settings, Settings {});
    EXPECT_TRUE(platform.messages.empty()) << "start-up goes on quietly";
    EXPECT_FALSE(std::filesystem::exists(folders.Settings));

    commands.BlockSize(36);
    commands.Sounds(false);
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const std::string& message : platform.messages) {
        EXPECT_NE(message.find(std::strerror(ENOENT)), std::string::npos) << message;
        EXPECT_NE(message.find(folders.Settings + "/Setup.cfg"), std::string::npos) << message;
    }
    EXPECT_EQ(platform.messageIcons[0], MessageIcon::Warning);
    // The game goes on with the choices made.
    EXPECT_EQ(settings.CellSize, 36);
    EXPECT_FALSE(game.SoundOn());
    EXPECT_EQ(settings, (Settings {36, 0, false}));
}

TEST_F(SettingsTest, SaveReportsWhatIsInTheFilesPlace)
{
    std::filesystem::create_directory(settingsPath);
    LoadAndApplySettings();
    EXPECT_EQ(settings, Settings {});
    EXPECT_FALSE(SaveSettings(settings, folders.Settings, platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("not a regular file"), std::string::npos)
        << platform.messages[0];
    EXPECT_TRUE(std::filesystem::is_directory(settingsPath));
}

TEST_F(SettingsTest, APipeBehindASymlinkIsNeitherWaitedOnNorWritten)
{
    const std::string pipe = dir.File("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::filesystem::create_symlink(pipe, settingsPath);
    ::alarm(30); // a guard against a hang, not a measure
    LoadAndApplySettings();
    commands.Sounds(false);
    ::alarm(0);
    EXPECT_EQ(settings, (Settings {22, 0, false}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("not a regular file"), std::string::npos);
}

TEST_F(SettingsTest, ReadOnlyFileStillGivesItsChoices)
{
    if (!WriteRestrictedFile({0x1B, 0x04, 0x00}, std::filesystem::perms::owner_read))
        GTEST_SKIP() << "running with rights that ignore file permissions";

    LoadAndApplySettings();
    EXPECT_EQ(settings, (Settings {27, 4, false}));
    EXPECT_TRUE(platform.messages.empty());

    commands.Sounds(true);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(std::strerror(EACCES)), std::string::npos)
        << platform.messages[0];
    EXPECT_TRUE(game.SoundOn());
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x1B, 0x04, 0x00}));
}

TEST_F(SettingsTest, UnreadableFileGivesDefaultsAndIsLeftAlone)
{
    if (!WriteRestrictedFile({0x24, 0x03, 0x00}, std::filesystem::perms::none))
        GTEST_SKIP() << "running with rights that ignore file permissions";

    LoadAndApplySettings();
    EXPECT_EQ(settings, Settings {});
    EXPECT_TRUE(platform.messages.empty());
    std::filesystem::permissions(settingsPath, std::filesystem::perms::owner_read);
    EXPECT_EQ(ReadFileBytes(settingsPath), (Bytes {0x24, 0x03, 0x00}));
}

} // namespace
