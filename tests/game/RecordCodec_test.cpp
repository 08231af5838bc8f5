// SPDX-License-Identifier: GPL-3.0-or-later
// Every game of the replay check goes through the encoding and back (Replay_test); here
// the numbers' edges, and records that a decoder must turn away in words.
#include "game/ByteCoding.h"
#include "game/RecordCodec.h"
#include "game/Replay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace orvane;

namespace {

// A Beginner board whose first safe slot holds cell 0, a number beside the mine on cell 10.
RecordedGame BeginnerWithALayout()
{
    RecordedGame game;
    game.Start.Setup = {PlayMode::Classic, Level::Beginner, 9, 9, 10, 0, 8};
    for (int16_t cell = 0; cell < 81; ++cell)
        if (cell != 10 && cell % 9 != 8)
            game.Start.CellOrder.push_back(cell);
    game.Start.CellOrder.push_back(10);
    for (int16_t cell = 8; cell < 81; cell += 9)
        game.Start.CellOrder.push_back(cell);
    game.Start.LastSafeSlot = 70;
    game.Commands = {{100, CommandKind::ActOnCell, CellGesture::Open, CellAction::Press, 0, {}},
        {100, CommandKind::CountClick, CellGesture::Open, CellAction::Press, 0, {}},
        {180, CommandKind::ActOnCell, CellGesture::Open, CellAction::Release, 0, {}}};
    return game;
}

Command At(int64_t milliseconds, CommandKind kind, int32_t value = 0)
{
    return {milliseconds, kind, CellGesture::Open, CellAction::Press, value, {}};
}

std::string DecodingError(const RecordedGame& game)
{
    return DecodeRecordedGame(EncodeRecordedGame(game)).Error;
}

} // namespace

TEST(ByteCoding, VarintsKeepEveryValueAndTheirLengthsAtTheSevenBitEdges)
{
    const uint64_t values[] = {0, 127, 128, 16383, 16384, std::numeric_limits<uint64_t>::max()};
    const int64_t signedValues[] = {0, -1, 63, -64, 64, std::numeric_limits<int64_t>::min(),
        std::numeric_limits<int64_t>::max()};
    ByteWriter out;
    for (uint64_t value : values)
        out.Varint(value);
    // 1 + 1 + 2 + 2 + 3 + 10 bytes
    EXPECT_EQ(out.Bytes().size(), 19U);
    for (int64_t value : signedValues)
        out.SignedVarint(value);
    ByteReader in(out.Bytes());
    for (uint64_t value : values)
        EXPECT_EQ(in.Varint(), value);
    for (int64_t value : signedValues)
        EXPECT_EQ(in.SignedVarint(), value);
    EXPECT_EQ(in.Left(), 0U);
    EXPECT_FALSE(in.Cut() || in.Overlong());

    const std::vector<uint8_t> beyond64Bits {
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02};
    ByteReader overlong(beyond64Bits);
    overlong.Varint();
    EXPECT_TRUE(overlong.Overlong());
}

TEST(RecordCodec, HandMadeGameComesBackExactly)
{
    RecordedGame game = BeginnerWithALayout();
    game.Start.Players[0].Name = "Zoë";
    game.Start.Draws = {0.0, 0.5, std::nextafter(1.0, 0.0)};
    game.Commands.push_back(At(1000, CommandKind::ShowGameClock, 1));
    game.Commands.push_back(At(3000, CommandKind::ShowGameClock, 3));
    game.Commands.push_back(At(3000, CommandKind::ShowGameClock, 2));
    game.Commands.push_back(At(3001, CommandKind::SetSoundOn, 1));
    Command rename = At(4000, CommandKind::RenamePlayer, Player2);
    rename.Text = "Ann";
    game.Commands.push_back(rename);
    game.Commands.push_back(
        {5000, CommandKind::ActOnCell, CellGesture::Chord, CellAction::Cancel, 80, {}});
    const RecordDecoding decoded = DecodeRecordedGame(EncodeRecordedGame(game));
    EXPECT_EQ(decoded.Error, "");
    EXPECT_EQ(decoded.Game, game);
}

TEST(RecordCodec, RecordsThatWouldPlayOutsideTheRulesAreTurnedAway)
{
    RecordedGame game = BeginnerWithALayout();
    game.Commands[2].Value = 81;
    EXPECT_EQ(DecodingError(game), "a command's cell lies outside the board");

    for (double draw : {1.0, -0.25, std::nan("")}) {
        game = BeginnerWithALayout();
        game.Start.Draws = {0.25, draw};
        EXPECT_EQ(DecodingError(game), "a random draw lies outside 0 to 1") << draw;
    }

    game = BeginnerWithALayout();
    game.Start.Setup.Width = MostColumns + 1;
    EXPECT_EQ(DecodingError(game), "a count in the game is beyond any game");
    game = BeginnerWithALayout();
    game.Start.Setup.Mines = 81;
    EXPECT_EQ(DecodingError(game), "a count in the game is beyond any game");
    game = BeginnerWithALayout();
    game.Start.Setup.ScoreTable = NoScoreTable + 1;
    EXPECT_EQ(DecodingError(game), "its score table is not one Orvane keeps");
}

TEST(RecordCodec, BrokenBytesAreToldNotTrusted)
{
    RecordedGame game = BeginnerWithALayout();
    const std::vector<uint8_t> bytes = EncodeRecordedGame(game);
    const std::vector<uint8_t> noGame(bytes.begin(), bytes.begin() + 1);
    EXPECT_EQ(DecodeRecordedGame(noGame).Error, "the game's bytes end too soon");

    std::vector<uint8_t> newer = bytes;
    newer[0] = RecordEncodingVersion + 1;
    EXPECT_EQ(DecodeRecordedGame(newer).Error, "it was recorded by a newer version of Orvane");

    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(DecodeRecordedGame(longer).Error, "bytes follow the end of the game");

    // The command count, the last byte before the commands, claims more than are left.
    game.Commands.clear();
    const size_t commandCount = EncodeRecordedGame(game).size() - 1;
    std::vector<uint8_t> manyCommands = bytes;
    ASSERT_EQ(manyCommands[commandCount], 3);
    manyCommands[commandCount] = 100;
    EXPECT_EQ(DecodeRecordedGame(manyCommands).Error, "the game's bytes end too soon");
}

TEST(RecordCodec, ALayoutSwapFromAtOrAboveItsSlotIsRefused)
{
    RecordedGame game;
    game.Start.Setup = {PlayMode::Classic, Level::Custom, 4, 1, 1, NoScoreTable, 8};
    game.Start.CellOrder = {3, 1, 2, 0};
    game.Start.LastSafeSlot = 2;
    std::vector<uint8_t> bytes = EncodeRecordedGame(game);
    ASSERT_EQ(DecodeRecordedGame(bytes).Game, game);
    // The one swap's bits come before the draws' count and the commands' count: slot 3
    // (no slot skipped, bit 0) takes its cell from slot 0 (the next two bits). From slot 3
    // instead it would take its own.
    ASSERT_EQ(bytes[bytes.size() - 3], 0b000);
    bytes[bytes.size() - 3] = 0b110;
    EXPECT_EQ(
        DecodeRecordedGame(bytes).Error, "its mine layout is not an order of the board's cells");
}

// A record whose draws ran out keeps the random open from drawing the same open cell
// for ever: it stops where the draws end.
TEST(RecordCodec, RandomOpenStopsWhereTheRecordedDrawsEnd)
{
    RecordedGame game = BeginnerWithALayout();
    game.Commands.push_back(At(300, CommandKind::RandomOpen));
    ReplayedGame replay(game);
    replay.PlayToEnd();
    EXPECT_TRUE(replay.Finished());
    EXPECT_EQ(replay.game().CurrentState(), GameState::Playing);
    EXPECT_EQ(replay.RandomDraws(), 0);
}

TEST(RecordCodec, AReplayWithoutALayoutNeverSearchesForABoardWithoutGuesses)
{
    RecordedGame game = BeginnerWithALayout();
    game.Start.Setup = {PlayMode::Classic, Level::Expert, 30, 16, 99, 2, 8};
    game.Start.NoGuessing = true;
    game.Start.CellOrder.clear();
    game.Start.LastSafeSlot = -1;
    ReplayedGame replay(game);
    replay.PlayToEnd();
    EXPECT_FALSE(replay.game().DealtWithoutGuessing());
}

// A sample a frame after the command before costs its code and a byte of near steps
// (-8..7 each way); a longer step across takes a varint each way, a later time its varint.
TEST(RecordCodec, PointerSamplesComeBackInTheirFewBytes)
{
    RecordedGame game = BeginnerWithALayout();
    const size_t without = EncodeRecordedGame(game).size();
    const int64_t nextFrame = FrameStart(FrameOf(180) + 1);
    game.Commands.push_back(At(nextFrame, CommandKind::PointerMove, PackPointer({7, 0})));
    game.Commands.push_back(
        At(FrameStart(FrameOf(nextFrame) + 1), CommandKind::PointerMove, PackPointer({15, 0})));
    game.Commands.push_back(At(2000, CommandKind::PointerMove, PackPointer({7, 9 * 32 - 1})));
    const std::vector<uint8_t> bytes = EncodeRecordedGame(game);
    // The last: its code, 1800 ms in two bytes, -8 across in one, 287 down in two.
    EXPECT_EQ(bytes.size(), without + 2 + 3 + 6);
    const RecordDecoding decoded = DecodeRecordedGame(bytes);
    EXPECT_EQ(decoded.Error, "");
    EXPECT_EQ(decoded.Game, game);

    game.Commands.back().Value = PackPointer({9 * 32, 0});
    EXPECT_EQ(DecodingError(game), "the pointer lies outside the board");
}
