// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellFixture.h"

#include <string>

using namespace orvane;
using namespace orvane::testing;

namespace {

class PreferencesTest : public ShellFixture {
protected:
    std::string path = dir.File("Orvane.prefs");

    Preferences Reloaded() const
    {
        PreferenceStore store;
        store.Load(dir.Path().string());
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
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PreferencesTest, DamagedOrHostileFilesGiveTheDefaults)
{
    WriteText("NoGuessing=yes\nComputerStrength=Godlike\nColourSafeNumbers=2\n\x01\xff=1\n=1\n"
              "no equals sign\n");
    EXPECT_EQ(Reloaded(), Preferences {});

    WriteText("NoGuessing=1\n" + std::string(70'000, 'x'));
    EXPECT_EQ(Reloaded(), Preferences {});

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(Reloaded(), Preferences {});
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
