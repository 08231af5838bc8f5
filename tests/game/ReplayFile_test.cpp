// SPDX-License-Identifier: GPL-3.0-or-later
// The replay file: a game played, saved and opened again is the same game, and each way a
// file can be wrong is told in its own words.
#include "game/ReplayFile.h"
#include "support/ReplayCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

class ReplayFileTest : public ::testing::Test {
protected:
    ReplayFileTest()
    {
        replay_.Game
            = PlayOneGame(BoardOfSeed(PlayMode::VsHuman, 2), ReplayPlayer::Computers, 2).Record;
        replay_.PlayerNames = {"Ann", "Björn"};
        replay_.StartedAt = 1'796'000'000;
        bytes_ = EncodeReplayFile(replay_);
    }
    std::string ErrorOf(const std::vector<uint8_t>& bytes) const
    {
        WriteFileBytes(path_, bytes);
        return ReadReplayFile(path_).Error;
    }

    TempDir folder_;
    const std::string path_ = folder_.File(std::string("game") + ReplayFileExtension);
    ReplayFile replay_;
    std::vector<uint8_t> bytes_;
};

} // namespace

TEST_F(ReplayFileTest, SavedAndOpenedAgainIsTheSameReplay)
{
    ASSERT_EQ(WriteReplayFile(path_, replay_), "");
    const ReplayFileReading read = ReadReplayFile(path_);
    EXPECT_EQ(read.Error, "");
    EXPECT_EQ(read.Replay, replay_);
}

TEST_F(ReplayFileTest, AChangedByteAnywhereIsTold)
{
    // In the names, in the encoded game, in the CRC itself.
    for (size_t at : {size_t {20}, bytes_.size() / 2, bytes_.size() - 1}) {
        std::vector<uint8_t> changed = bytes_;
        changed[at] ^= 0x10;
        EXPECT_EQ(ErrorOf(changed), "the file has been changed or damaged") << at;
    }
}

TEST_F(ReplayFileTest, ACutFileIsTold)
{
    for (size_t length : {size_t {3}, size_t {12}, bytes_.size() - 1}) {
        const std::vector<uint8_t> cut(bytes_.begin(), bytes_.begin() + static_cast<long>(length));
        EXPECT_EQ(ErrorOf(cut), "the file is cut short") << length;
    }
}

TEST_F(ReplayFileTest, AnotherFileOrANewerFormatIsTold)
{
    std::vector<uint8_t> other = bytes_;
    other[1] = 'o';
    EXPECT_EQ(ErrorOf(other), "it is not an Orvane replay file");
    std::vector<uint8_t> newer = bytes_;
    newer[8] = ReplayFileVersion + 1;
    EXPECT_EQ(ErrorOf(newer), "it was saved by a newer version of Orvane");
}

TEST_F(ReplayFileTest, AFileOver16MiBIsRefusedUnread)
{
    WriteFileBytes(path_, bytes_);
    std::filesystem::resize_file(path_, MostReplayFileBytes + 1);
    EXPECT_EQ(ReadReplayFile(path_).Error, "it is larger than 16 MiB, more than any replay");
    // Exactly 16 MiB is read, and found to be more than the replay it starts with.
    std::filesystem::resize_file(path_, MostReplayFileBytes);
    EXPECT_EQ(ReadReplayFile(path_).Error, "the file has been changed or damaged");
}

TEST_F(ReplayFileTest, APipeIsNotAFile)
{
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_EQ(ReadReplayFile(path_).Error, "it is not a regular file");
    EXPECT_NE(WriteReplayFile(path_, replay_), "");
}

// The CRC only says the bytes are as written: what they hold is checked all the same.
TEST_F(ReplayFileTest, AnUnplayableGameInAnIntactFileIsTold)
{
    replay_.Game.Start.Draws.push_back(1.5);
    EXPECT_EQ(ErrorOf(EncodeReplayFile(replay_)),
        "its game cannot be played: a random draw lies outside 0 to 1");
}
