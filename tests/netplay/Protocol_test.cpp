// SPDX-License-Identifier: GPL-3.0-or-later
#include "netplay/Protocol.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::net;

namespace {

BoardSetup Beginner()
{
    return BoardSetup {PlayMode::VsHuman, Level::Beginner, 9, 9, 19, NoScoreTable, 8};
}

Shown WholeBoard()
{
    Shown shown;
    shown.Board = 3;
    shown.Whole = true;
    shown.Setup = shown.Seen.Setup = Beginner();
    shown.Seen.Cells.assign(81, seen_cell::Closed);
    shown.Seen.Cells[5] = 2 | seen_cell::MoveMark;
    shown.Seen.Cells[6] = seen_cell::FoundByPlayer2;
    shown.Seen.Players = {PlayerData {"Ann", 1, 4}, PlayerData {"Bö", 0, 2}};
    shown.Seen.CurrentPlayer = Player2;
    shown.Seen.State = GameState::Playing;
    shown.Seen.FlagsToWin = 10;
    shown.Seen.BonusAwarded = true;
    shown.Seen.BonusOwner = Player2;
    shown.Seen.BonusButtonEnabled = true;
    shown.Seen.BonusRadius = 1;
    shown.Present = {true, false};
    shown.TurnMsLeft = 25'000;
    shown.News.Sounds = {Sound::Flag, Sound::Click};
    shown.News.Messages = {MessagePosted {"Ann Earned Bonus", 0.5f, 2.5f, true, false}};
    shown.News.Ended = SeenEnd {std::nullopt, Player1, 61.25};
    shown.Hash = HashSeenState(shown.Seen);
    return shown;
}

std::vector<uint8_t> Body(const Message& message)
{
    const auto bytes = EncodeMessage(message);
    return {bytes.begin() + 4, bytes.end()};
}

} // namespace

TEST(NetworkMessages, EveryKindReadsBackAsWritten)
{
    Shown changed = WholeBoard();
    changed.Whole = false;
    changed.Seen.Cells.clear();
    changed.ChangedCells = {{0, 0}, {80, seen_cell::FoundByPlayer1 | seen_cell::MoveMark}};
    changed.News = {};
    Hello hello {
        ProtocolVersion, "Ann", "Evening", 0xfeedULL, TurnLimit::BankOf120Seconds, Beginner()};
    for (const Message& message : std::vector<Message> {hello,
             Welcome {Player2, 1ULL << 63, "Evening", TurnLimit::ThirtySecondsATurn},
             Refused {"No."}, MoveAsked {7, NetworkMove::ToggleBonus, 80},
             MoveRefused {"It is not your turn."}, WholeBoard(), changed, WholeWanted {},
             Heartbeat {}, Goodbye {std::string(MostMessageTextBytes, 'x')}}) {
        MessageReader reader;
        reader.Add(EncodeMessage(message));
        EXPECT_EQ(reader.Next(), message) << message.index();
        EXPECT_FALSE(reader.Broken());
    }
}

TEST(NetworkMessages, ATruncatedOrLengthenedMessageIsRefused)
{
    const std::vector<uint8_t> body = Body(WholeBoard());
    for (size_t length = 0; length < body.size(); ++length)
        EXPECT_FALSE(DecodeMessage(std::span(body).first(length))) << length;
    std::vector<uint8_t> longer = body;
    longer.push_back(0);
    EXPECT_FALSE(DecodeMessage(longer));
}

TEST(NetworkMessages, ValuesNoGameCouldHaveAreRefused)
{
    const auto refusedWith = [](auto change) {
        Shown shown = WholeBoard();
        change(shown);
        return !DecodeMessage(Body(shown));
    };
    EXPECT_TRUE(refusedWith([](Shown& s) { s.Seen.Cells[3] = seen_cell::LastCode + 1; }));
    EXPECT_TRUE(refusedWith([](Shown& s) { s.Setup.Mines = 81; }));
    EXPECT_TRUE(refusedWith([](Shown& s) { s.Setup.Width = MostColumns + 1; }));
    EXPECT_TRUE(refusedWith([](Shown& s) { s.Seen.Players[0].MinesFound = 20; }));
    EXPECT_TRUE(refusedWith([](Shown& s) { s.Seen.FlagsToWin = 0; }));
    EXPECT_TRUE(refusedWith([](Shown& s) {
        s.Whole = false;
        s.ChangedCells = {{81, 0}};
    }));
    EXPECT_FALSE(refusedWith([](Shown& s) { s.Seen.Cells[3] = seen_cell::LastCode; }));
    EXPECT_FALSE(DecodeMessage(Body(MoveAsked {1, NetworkMove::Open, -1})));
}

TEST(NetworkMessages, TheReaderTakesAnyPiecesAndNeverHoldsMoreThanOneMessage)
{
    std::vector<uint8_t> stream = EncodeMessage(WholeBoard());
    const auto beat = EncodeMessage(Heartbeat {});
    stream.insert(stream.end(), beat.begin(), beat.end());
    MessageReader reader;
    std::vector<Message> read;
    for (uint8_t byte : stream) {
        ASSERT_GE(reader.Wanted(), 1U);
        reader.Add(std::span(&byte, 1));
        while (auto message = reader.Next())
            read.push_back(*message);
    }
    EXPECT_EQ(read, (std::vector<Message> {WholeBoard(), Heartbeat {}}));

    // Pieces that end inside messages, past the bytes the reader lets go of as it reads.
    std::vector<uint8_t> many;
    for (int i = 0; i < 100; ++i) {
        const auto bytes = EncodeMessage(WholeBoard());
        many.insert(many.end(), bytes.begin(), bytes.end());
    }
    MessageReader pieces;
    std::size_t count = 0;
    for (std::size_t at = 0; at < many.size(); at += 1000) {
        pieces.Add(std::span(many).subspan(at, std::min<std::size_t>(1000, many.size() - at)));
        for (; auto message = pieces.Next(); ++count)
            ASSERT_EQ(*message, Message {WholeBoard()}) << count;
    }
    EXPECT_EQ(count, 100U);
    EXPECT_FALSE(pieces.Broken());

    // A length past the limit breaks the stream at once, whatever follows.
    MessageReader flooded;
    const std::vector<uint8_t> huge {0x01, 0x20, 0x00, 0x00, 8};
    EXPECT_EQ(flooded.Wanted(), 4U);
    flooded.Add(huge);
    EXPECT_EQ(flooded.Wanted(), 0U) << "a length past the limit is wanted no further";
    EXPECT_FALSE(flooded.Next());
    EXPECT_TRUE(flooded.Broken());
    EXPECT_EQ(
        flooded.Problem(), "The other side sent a message too large to be one of this game's.");
}

TEST(NetworkMessages, PlayerNamesAreCleanedAndCut)
{
    EXPECT_EQ(CleanPlayerName("An\tn\x1b[31m", "?"), "Ann[31m");
    EXPECT_EQ(CleanPlayerName("ÄäÖöÜüÄäÖöÜüÄäÖöÜüÄäÖö", "?"), "ÄäÖöÜüÄäÖöÜüÄäÖöÜüÄä");
    EXPECT_EQ(CleanPlayerName("a\xff"
                              "b",
                  "?"),
        "ab");
    EXPECT_EQ(CleanPlayerName("\n\n", "Player"), "Player");
    EXPECT_EQ(CleanPlayerName("   ", "Player"), "Player");
}

TEST(NetworkMessages, AGamesLengthReadsBackAtTheEdgeOfItsFourBytes)
{
    Shown longest = WholeBoard();
    longest.News.Ended->Seconds = 4294967.295;
    MessageReader reader;
    reader.Add(EncodeMessage(longest));
    const auto read = reader.Next();
    ASSERT_TRUE(read);
    MessageReader again;
    again.Add(EncodeMessage(*read));
    EXPECT_EQ(again.Next(), read);
    EXPECT_DOUBLE_EQ(std::get<Shown>(*read).News.Ended->Seconds, 4294967.295);
}
