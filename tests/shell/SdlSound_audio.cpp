// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/ClickSound.h"
#include "sound/SdlSound.h"
#include "sound/WavDecode.h"
#include "support/TempDir.h"
#include "support/WavImage.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>

using orvane::SdlSoundPlayer;
using orvane::testing::ParseWav;
using orvane::testing::ReadFileBytes;
using orvane::testing::TempDir;

namespace {

const std::string AppDir = ORVANE_BUILT_APP_DIR;

// The device plays 44 100 Hz 16-bit mono, so a sound file of that format is started
// byte for byte and the 22 050 Hz click at twice its size.
uint32_t FileDataBytes(const std::string& name)
{
    const auto sound = ParseWav(ReadFileBytes(AppDir + "/" + name));
    EXPECT_TRUE(sound.has_value()) << name;
    EXPECT_EQ(sound->rate, 44100u) << name;
    return static_cast<uint32_t>(2 * sound->samples.size());
}
constexpr uint32_t ClickDeviceBytes = 695 * 2 * 2;

TEST(ClickImage, IsTheRequiredPcmFormat)
{
    const auto click = ParseWav(orvane::ClickWav, orvane::ClickWavSize);
    ASSERT_TRUE(click.has_value());
    EXPECT_EQ(click->rate, 22050u);
    EXPECT_EQ(click->samples.size(), 695u);
    orvane::testing::ExpectCleanMonoPcm(*click);
}

// The player on SDL's silent driver, which drains the queue in real time as a sound
// card would: what is still queued is at most what was last started.
struct SoundPlayerTest : ::testing::Test {
    SdlSoundPlayer player;
    void SetUp() override
    {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        ASSERT_TRUE(player.Open());
    }
};

TEST_F(SoundPlayerTest, StartsAWholeFileFoundRegardlessOfCase)
{
    player.PlayFile({AppDir}, "\\loose.WAV");
    EXPECT_EQ(player.LastStartedBytes(), FileDataBytes("Loose.wav"));
    EXPECT_GT(player.QueuedBytes(), player.LastStartedBytes() / 2);
}

TEST_F(SoundPlayerTest, ClickIsConvertedToTheDeviceRate)
{
    player.PlayClick();
    EXPECT_NEAR(player.LastStartedBytes(), ClickDeviceBytes, 8);
}

TEST_F(SoundPlayerTest, NewerSoundCutsTheOlder)
{
    player.PlayFile({AppDir}, "\\Loose.wav");
    player.PlayFile({AppDir}, "\\flag.wav");
    EXPECT_EQ(player.LastStartedBytes(), FileDataBytes("Flag.wav"));
    EXPECT_LE(player.QueuedBytes(), player.LastStartedBytes());

    player.PlayFile({AppDir}, "\\Win.wav");
    player.PlayClick();
    EXPECT_LE(player.QueuedBytes(), player.LastStartedBytes());
}

TEST_F(SoundPlayerTest, MissingOrBrokenFilesAreSkippedSilently)
{
    TempDir dir;
    orvane::testing::WriteFileBytes(dir.File("Open.wav"), {'R', 'I', 'F', 'F', 0, 0});
    player.PlayFile({dir.Path().string()}, "\\Open.wav");
    player.PlayFile({dir.Path().string()}, "\\Missing.wav");
    player.PlayFile({AppDir + "/no-such-dir"}, "\\Flag.wav");
    EXPECT_EQ(player.LastStartedBytes(), 0u);
    EXPECT_EQ(player.QueuedBytes(), 0u);

    // Nothing to play leaves the sound that is playing alone.
    player.PlayFile({AppDir}, "\\Loose.wav");
    player.PlayFile({AppDir}, "\\Missing.wav");
    EXPECT_EQ(player.LastStartedBytes(), FileDataBytes("Loose.wav"));
    EXPECT_GT(player.QueuedBytes(), player.LastStartedBytes() / 2);
}

TEST_F(SoundPlayerTest, RepeatedPlaysUseTheDecodedSound)
{
    TempDir dir;
    std::filesystem::copy_file(AppDir + "/Flag.wav", dir.File("Flag.wav"));
    player.PlayFile({dir.Path().string()}, "\\Flag.wav");
    std::filesystem::remove(dir.File("Flag.wav"));
    player.PlayClick();
    player.PlayFile({dir.Path().string()}, "\\Flag.wav");
    EXPECT_EQ(player.LastStartedBytes(), FileDataBytes("Flag.wav"))
        << "the second play went back to the disk";
}

TEST(SoundPlayer, FallsBackToTheSilentDriver)
{
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no-such-driver", SDL_HINT_OVERRIDE);
    SdlSoundPlayer player;
    ASSERT_TRUE(player.Open());
    EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
    player.PlayClick();
    EXPECT_GT(player.LastStartedBytes(), 0u);
}

// SDL's file-writing driver records what a card would play. The device is closed while
// nothing plays, so its thread does not run in a silence; the first sound after the start
// and the first after such a silence must both reach the card whole.
TEST(SoundPlayer, FirstSoundAfterStartAndAfterASilencePlaysWhole)
{
    TempDir dir;
    const std::string output = dir.File("card.raw");
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "disk", SDL_HINT_OVERRIDE);
    const auto click
        = orvane::DecodeWav({orvane::ClickWav, orvane::ClickWav + orvane::ClickWavSize});
    SdlSoundPlayer player;
    player.OpenInBackground();
    for (int round = 0; round < 2; ++round) {
        player.PlayClick();
        for (int i = 0; i < 500 && player.SoundWaiting(); ++i) {
            SDL_Delay(10);
            player.PlayWaitingSound();
        }
        EXPECT_TRUE(player.DeviceOpen());
        for (int i = 0; i < 200 && !player.CloseWhenSilent(); ++i)
            SDL_Delay(10);
        ASSERT_FALSE(player.DeviceOpen()) << "closed once the sound has played";
        const std::vector<uint8_t> played = orvane::testing::ReadFileBytes(output);
        EXPECT_NE(
            std::search(played.begin(), played.end(), click.begin(), click.end()), played.end())
            << "round " << round;
    }
}

// A sound system that never answers its start holds up neither the sounds, which wait,
// nor the player's end: without the bound this test never ends.
TEST(SoundPlayer, EndsWithoutWaitingForASoundSystemThatNeverAnswers)
{
    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    std::promise<void> started;
    {
        SdlSoundPlayer player(std::chrono::milliseconds(0));
        player.OpenInBackground([answered, &started] {
            started.set_value();
            answered.wait();
            return SdlSoundPlayer::Opened {};
        });
        started.get_future().wait();
        player.PlayClick();
        EXPECT_TRUE(player.SoundWaiting());
        player.PlayWaitingSound();
        EXPECT_TRUE(player.SoundWaiting());
    }
    // The start answers after the player has gone, and finds nothing of it to write to.
    answer.set_value();
}

TEST(SoundPlayer, DoesNothingUntilOpened)
{
    SdlSoundPlayer player;
    player.PlayClick();
    player.PlayFile({AppDir}, "\\Win.wav");
    EXPECT_EQ(player.LastStartedBytes(), 0u);
    EXPECT_EQ(player.QueuedBytes(), 0u);
}

} // namespace
