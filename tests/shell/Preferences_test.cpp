// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellFixture.h"

#include <csignal>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

class PreferencesTest : public ShellFixture {
protected:
    std::string path = dir.File("Orvane.prefs");

    Preferences Reloaded()
    {
        PreferenceStore store;
        store.Load(dir.Path().string(), platform);
        return store.Values;
    }
    void WriteText(const std::string& text) const
    {
        WriteFileBytes(path, Bytes(text.begin(), text.end()));
    }
};

TEST_F(PreferencesTest, NoGuessingIsKeptWithTheOtherLinesAndOptions)
{
    WriteText("ComputerStrength=Strong\nLater=kept as it was\nColourSafeNumbers=1\n");
    commands.LoadPreferences();
    EXPECT_FALSE(game.NoGuessing());
    EXPECT_EQ(commands.StoredPreferences().Strength, ComputerStrength::Strong);
    EXPECT_TRUE(Checks().ColourSafeNumbers);

    commands.NoGuessing(true);
    EXPECT_TRUE(game.NoGuessing());
    EXPECT_TRUE(Checks().NoGuessing);
    EXPECT_EQ(
        Reloaded(), (Preferences {true, ComputerStrength::Strong, true, {"Later=kept as it was"}}));

    std::vector<bool> applied, shown;
    commands.ApplyKeepReplays = [&applied](bool keep) { applied.push_back(keep); };
    commands.ApplyShowChances = [&shown](bool show) { shown.push_back(show); };
    commands.KeepReplays(false);
    EXPECT_FALSE(Checks().KeepReplays);
    EXPECT_FALSE(Reloaded().KeepReplays);
    commands.ShowChances(true);
    EXPECT_TRUE(Checks().ShowChances);
    EXPECT_TRUE(Reloaded().ShowChances);
    commands.LoadPreferences();
    EXPECT_EQ(applied, (std::vector<bool> {false, false}));
    EXPECT_EQ(shown, (std::vector<bool> {true, true}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PreferencesTest, UnknownValuesAndHostileLinesKeepTheDefaults)
{
    WriteText("NoGuessing=yes\nComputerStrength=Godlike\nColourSafeNumbers=2\n\x01\x1b=1\n=1\n"
              "no equals sign\n");
    EXPECT_EQ(Reloaded(), Preferences {});
    EXPECT_TRUE(platform.messages.empty());
}

// What could be read applies; the whole file is kept aside and told of once.
TEST_F(PreferencesTest, DamagedFilesAreKeptAsideWholeAndWhatCouldBeReadApplies)
{
    const std::string tooLarge = "NoGuessing=1\n" + std::string(70'000, 'x');
    const std::string longLine = std::string(60'000, 'y') + "\nNoGuessing=1\n";
    const std::string binary = std::string("NoGuessing=1\nA=\0\n", 17) + "B=\xff\xfe\n";
    for (const std::string& text : {tooLarge, longLine, binary}) {
        SCOPED_TRACE(text.substr(0, 20));
        platform.messages.clear();
        std::filesystem::remove(path + ".damaged");
        WriteText(text);
        EXPECT_TRUE(Reloaded().NoGuessing);
        EXPECT_EQ(ReadFileBytes(path + ".damaged"), Bytes(text.begin(), text.end()));
        ASSERT_EQ(platform.messages.size(), 1U);
        EXPECT_NE(platform.messages[0].find("Orvane.prefs.damaged"), std::string::npos);
        EXPECT_EQ(Reloaded(), (Preferences {true, ComputerStrength::Normal, false, {}}));
        EXPECT_EQ(platform.messages.size(), 1U) << "the file put back is whole";
    }
}

TEST_F(PreferencesTest, APipeInTheFilesPlaceIsToldAndLeftAlone)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    ::alarm(30); // a guard against a hang, not a measure
    commands.LoadPreferences();
    commands.NoGuessing(true);
    ::alarm(0);
    EXPECT_TRUE(game.NoGuessing());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_NE(platform.messages[0].find("not a regular file"), std::string::npos);
    struct stat status { };
    EXPECT_TRUE(::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode));
}

// Each copy saves only what it changed, so neither undoes the other.
TEST_F(PreferencesTest, TwoCopiesChangingDifferentOptionsKeepBoth)
{
    PreferenceStore first;
    PreferenceStore second;
    first.Load(dir.Path().string(), platform);
    second.Load(dir.Path().string(), platform);
    first.Values.NoGuessing = true;
    ASSERT_TRUE(first.Save(platform));
    second.Values.Strength = ComputerStrength::Strong;
    ASSERT_TRUE(second.Save(platform));
    EXPECT_EQ(Reloaded(), (Preferences {true, ComputerStrength::Strong, false, {}}));
}

// A save never shows a half-written file: a reader that opened the old one reads it
// whole, and nothing already at a temporary name is written through.
TEST_F(PreferencesTest, ASaveReplacesTheLinkedFileWholeThroughANewFile)
{
    const std::string target = dir.File("elsewhere.prefs");
    const std::string victim = dir.File("victim");
    WriteText("");
    std::filesystem::rename(path, target);
    std::filesystem::create_symlink(target, path);
    WriteFileBytes(victim, {'v'});
    for (const std::string& name :
        {target + ".new", target + ".new-" + std::to_string(::getpid()) + "-0"})
        std::filesystem::create_symlink(victim, name);
    std::ifstream reader(path, std::ios::binary);

    commands.LoadPreferences();
    commands.NoGuessing(true);
    EXPECT_EQ(reader.peek(), std::ifstream::traits_type::eof()) << "the old file, whole";
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_TRUE(Reloaded().NoGuessing);
    EXPECT_EQ(ReadFileBytes(victim), Bytes {'v'});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PreferencesTest, AFailedSaveIsToldOnceAndTheOptionHolds)
{
    folders.Settings = dir.File("no such folder");
    commands.LoadPreferences();
    commands.NoGuessing(true);
    commands.NoGuessing(false);
    commands.NoGuessing(true);
    EXPECT_TRUE(game.NoGuessing());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_NE(platform.messages[0].find("could not be saved"), std::string::npos);
}

} // namespace
