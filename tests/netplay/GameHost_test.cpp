// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/NetworkTable.h"

#include <gtest/gtest.h>

#include <random>

using namespace orvane;
using orvane::testing::NetworkTable;
using Side = NetworkTable::Side;

namespace {

const Game& HostGame(const NetworkTable& table, const std::string& name = "Game 1")
{
    const Game* game = table.host.GameNamed(name);
    EXPECT_NE(game, nullptr);
    return *game;
}

// The first closed cell nobody has found, from what the side sees.
int32_t ClosedCell(const Side& side, int32_t from = 0)
{
    const auto& cells = side.game.Cells();
    for (int32_t i = from; i < static_cast<int32_t>(cells.size()); ++i)
        if (cells[static_cast<size_t>(i)].IsClosedUnmarked())
            return i;
    return -1;
}

// The first closed cell nobody has found that holds a mine, or not, as the host knows.
int32_t HostCell(const Game& host, bool mine)
{
    int32_t cell = 0;
    while (!host.CellAt(cell).IsClosedUnmarked() || (host.CellAt(cell).Value == MineValue) != mine)
        ++cell;
    return cell;
}

Side& ToMove(Side& a, Side& b)
{
    return a.game.CurrentPlayer() == *a.player->Seat() ? a : b;
}

template<typename Kind> const Kind* LastOf(const Side& side)
{
    for (auto it = side.received.rbegin(); it != side.received.rend(); ++it)
        if (const auto* message = std::get_if<Kind>(&*it))
            return message;
    return nullptr;
}

} // namespace

TEST(NetworkGame, TwoPlayersSeatedSeeOneBoardAndTheFirstBegins)
{
    NetworkTable table;
    Side& host = table.Join("Ann\x07");
    Side& guest = table.Join("Bob with a name far too long");
    ASSERT_EQ(host.player->Seat(), Player1);
    ASSERT_EQ(guest.player->Seat(), Player2);
    EXPECT_EQ(host.game.Players()[Player1].Name, "Ann");
    EXPECT_EQ(guest.game.Players()[Player2].Name, "Bob with a name far ");
    EXPECT_TRUE(host.player->OtherPlayerPresent());
    EXPECT_EQ(host.game.CurrentPlayer(), Player1);
    EXPECT_EQ(SeenStateOf(guest.game), SeenStateOf(HostGame(table)));
    EXPECT_EQ(host.game.CurrentMode(), PlayMode::VsHuman);
}

namespace {

// Every cell a message showed that the host holds closed shows closed: what a player
// receives never tells where a mine is.
void ExpectNoClosedCellShown(const Game& host, const net::Shown& shown)
{
    const auto closedOnHost = [&host](size_t index) {
        return host.CellAt(static_cast<int32_t>(index)).IsClosedUnmarked();
    };
    if (shown.Whole) {
        for (size_t i = 0; i < shown.Seen.Cells.size(); ++i) {
            if (closedOnHost(i)) {
                ASSERT_EQ(shown.Seen.Cells[i] & ~seen_cell::MoveMark, seen_cell::Closed);
            }
        }
    } else {
        for (const auto& [index, code] : shown.ChangedCells)
            ASSERT_FALSE(closedOnHost(index) && (code & ~seen_cell::MoveMark) != seen_cell::Closed);
    }
}

} // namespace

// Random players that know only what their own screens show play through the messages;
// after every move both screens equal the host's game as seen, no hash disagrees, and
// no message ever carried a closed cell's content.
TEST(NetworkGame, AThousandGamesAgreeAfterEveryMoveAndNeverShowAClosedCell)
{
    NetworkTable table;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    std::mt19937 draw(3);
    std::array<size_t, 2> checked {};
    int games = 0;
    while (games < 1000) {
        const Game& host = HostGame(table);
        if (!host.IsRunning()) {
            ++games;
            Side& asker = draw() % 2 ? a : b;
            asker.game.NewGame(asker.game.Setup());
            table.Pump();
            continue;
        }
        Side& mover = ToMove(a, b);
        if (mover.game.BonusButtonEnabled() && !mover.game.BonusArmed() && draw() % 2) {
            mover.game.ToggleBonus();
            table.Pump();
        }
        const auto& cells = mover.game.Cells();
        int32_t cell = static_cast<int32_t>(draw() % cells.size());
        if (!cells[static_cast<size_t>(cell)].IsClosedUnmarked())
            cell = ClosedCell(mover);
        ASSERT_GE(cell, 0);
        table.Click(mover, cell);
        for (Side* side : {&a, &b}) {
            ASSERT_EQ(SeenStateOf(side->game), SeenStateOf(host)) << "game " << games;
            size_t& from = checked[*side->player->Seat()];
            for (; from < side->received.size(); ++from)
                if (const auto* shown = std::get_if<net::Shown>(&side->received[from]))
                    ExpectNoClosedCellShown(host, *shown);
        }
    }
    EXPECT_EQ(a.player->HashMismatches() + b.player->HashMismatches(), 0);
    EXPECT_EQ(a.game.Players()[Player1].Score + a.game.Players()[Player2].Score, 1000);
}

TEST(NetworkGame, TheHostRefusesMovesTheRulesDoNotAllow)
{
    NetworkTable table;
    Side& a = table.Join("A");
    const net::MoveAsked early {HostGame(table).BoardNumber(), NetworkMove::Open, 0};
    table.host.Received(table.IdOf(a), early);
    table.Pump();
    EXPECT_EQ(a.player->LastRefusal(), "Wait for the other player.");
    Side& b = table.Join("B");
    const Game& host = HostGame(table);
    const uint32_t board = host.BoardNumber();
    const auto ask = [&](Side& side, NetworkMove move, int16_t cell) {
        table.host.Received(table.IdOf(side), net::MoveAsked {board, move, cell});
        table.Pump();
        return side.player->LastRefusal();
    };
    EXPECT_EQ(ask(b, NetworkMove::Open, 0), "It is not your turn.");
    EXPECT_EQ(ask(a, NetworkMove::Open, 81), "There is no such cell.");
    EXPECT_EQ(ask(a, NetworkMove::ToggleBonus, 0), "The bonus is not yours to use now.");
    EXPECT_EQ(ask(a, NetworkMove::GiveUp, 0), "There is no game of yours to give up.");
    EXPECT_EQ(host.CurrentState(), GameState::Ready);
    // The first open plays; opening the same cell again is refused to whoever moves next.
    table.Click(a, 40);
    Side& next = ToMove(a, b);
    const auto before = SeenStateOf(host);
    EXPECT_EQ(
        ask(&next == &a ? b : a, NetworkMove::GiveUp, 0), "There is no game of yours to give up.");
    EXPECT_EQ(ask(next, NetworkMove::Open, 40), "That cell is open already.");
    EXPECT_EQ(ask(next, NetworkMove::NewGame, 0), "The game is still being played.");
    EXPECT_EQ(SeenStateOf(host), before);
    // A move asked for a board already gone is dropped without a word.
    next.player->Received(net::MoveRefused {}, table.NowMs());
    table.host.Received(table.IdOf(next), net::MoveAsked {board - 1, NetworkMove::Open, 0});
    table.Pump();
    EXPECT_EQ(next.player->LastRefusal(), "");
    EXPECT_EQ(SeenStateOf(host), before);
}

TEST(NetworkGame, HellosTheHostCannotTakeAreRefusedInWords)
{
    NetworkTable table;
    table.Join("A", "Evening");
    const std::vector<net::WaitingGame> waiting = table.host.WaitingGames();
    ASSERT_EQ(waiting.size(), 1U);
    EXPECT_EQ(waiting[0].GameName, "Evening");
    EXPECT_EQ(waiting[0].PlayerName, "A");
    table.Join("B", "Evening");
    EXPECT_TRUE(table.host.WaitingGames().empty()) << "a game with two players is not offered";
    Side& third = table.Join("C", "Evening");
    EXPECT_EQ(third.player->CurrentPhase(), net::NetworkPlayer::Phase::Ended);
    EXPECT_EQ(third.player->EndReason().English(),
        "The host refused: The game \"Evening\" has two players already.");
    Side& stranger = table.Join("D", "", 12345);
    EXPECT_EQ(stranger.player->EndReason().English(),
        "The host refused: The game you were playing has ended.");

    const net::ConnectionId id = 99;
    table.host.Connected(id);
    net::Hello old;
    old.Version = net::ProtocolVersion + 1;
    table.host.Received(id, old);
    const auto out = table.host.TakeOutgoing();
    ASSERT_FALSE(out.empty());
    net::MessageReader reader;
    reader.Add(out.front().Bytes);
    const auto refused = reader.Next();
    ASSERT_TRUE(refused && std::holds_alternative<net::Refused>(*refused));
    EXPECT_NE(std::get<net::Refused>(*refused).Reason.find("same version"), std::string::npos);
    EXPECT_EQ(table.host.TakeClosing(), std::vector<net::ConnectionId> {id});
}

// A player whose program was killed comes back with the seat's token within a minute and
// sees the whole game; the seat is no one else's.
TEST(NetworkGame, ASeatWaitsAMinuteForItsPlayerWithTheToken)
{
    NetworkTable table;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    table.Click(a, 40);
    const uint64_t token = b.player->Token();
    table.Drop(b);
    EXPECT_FALSE(a.player->OtherPlayerPresent());
    const net::MoveAsked move {HostGame(table).BoardNumber(), NetworkMove::Open, 0};
    table.host.Received(table.IdOf(a), move);
    table.Pump();
    EXPECT_EQ(a.player->LastRefusal(), "Wait for the other player.");

    table.PassMs(net::RejoinMs - 1000);
    Side& again = table.Join("Someone else", "", token);
    ASSERT_EQ(again.player->Seat(), Player2);
    EXPECT_EQ(SeenStateOf(again.game), SeenStateOf(HostGame(table)));
    EXPECT_EQ(again.game.Players()[Player2].Name, "B");
    EXPECT_TRUE(a.player->OtherPlayerPresent());

    // Away past the minute, the seat's player has given the game up and the game ends.
    table.Drop(again);
    table.PassMs(net::RejoinMs);
    EXPECT_EQ(a.player->CurrentPhase(), net::NetworkPlayer::Phase::Playing);
    table.PassMs(1001);
    EXPECT_EQ(a.player->EndReason().English(), "B did not come back.");
    EXPECT_EQ(table.host.GameCount(), 0U);
    EXPECT_FALSE(a.game.NetworkSeat());
}

TEST(NetworkGame, AHostThatStopsTellsEveryPlayerWhy)
{
    NetworkTable table;
    Side& a = table.Join("A", "One");
    Side& b = table.Join("B", "Two");
    table.host.EndAll("Stopped.");
    table.Pump();
    for (const Side* side : {&a, &b}) {
        EXPECT_EQ(side->player->EndReason().English(), "Stopped.");
        EXPECT_FALSE(side->game.NetworkSeat());
    }
    EXPECT_EQ(table.host.GameCount(), 0U);
}

TEST(NetworkGame, ASilentSideIsTakenAsGoneAfterTenSeconds)
{
    NetworkTable table;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    // B's program hangs: it sends nothing more, and hears nothing.
    b.connected = false;
    table.PassMs(net::SilenceMs);
    EXPECT_TRUE(a.player->OtherPlayerPresent());
    table.PassMs(1);
    EXPECT_FALSE(a.player->OtherPlayerPresent());
    // And a player whose host falls silent ends the game in words.
    b.player->Tick(table.NowMs());
    EXPECT_EQ(b.player->CurrentPhase(), net::NetworkPlayer::Phase::Ended);
    EXPECT_NE(
        b.player->EndReason().English().find("Nothing was heard from the host"), std::string::npos);
}

TEST(NetworkGame, APlayerOutOfTimeGivesUpAndTheOtherWinsThePoint)
{
    NetworkTable table;
    table.limit = TurnLimit::ThirtySecondsATurn;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    // A thinks 20 s before opening: B's turn that follows has its whole 30 s.
    table.PassMs(20'000);
    table.Click(a, 40);
    Side& late = ToMove(a, b);
    const PlayerIndex lateSeat = *late.player->Seat();
    const uint32_t board = HostGame(table).BoardNumber();
    table.PassMs(29'999);
    EXPECT_EQ(HostGame(table).BoardNumber(), board);
    table.PassMs(1);
    EXPECT_EQ(a.game.Players()[OtherPlayer(lateSeat)].Score, 1);
    EXPECT_NE(HostGame(table).BoardNumber(), board);
    ASSERT_NE(LastOf<net::Shown>(a), nullptr);
    // Each history hears the game from its own side, with the other's name.
    Side& other = &late == &a ? b : a;
    ASSERT_EQ(late.ended.size(), 1U);
    ASSERT_EQ(other.ended.size(), 1U);
    EXPECT_EQ(late.ended[0].Result, GameResult::GivenUp);
    EXPECT_EQ(other.ended[0].Result, GameResult::Won);
    EXPECT_EQ(other.ended[0].NetworkOpponent, late.game.Players()[lateSeat].Name);
}

// While a player is away neither the host's clock nor the other's screen counts the turn.
TEST(NetworkGame, TheTurnClockWaitsForAPlayerWhoIsAway)
{
    NetworkTable table;
    table.limit = TurnLimit::ThirtySecondsATurn;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    table.Click(a, 40);
    table.PassMs(10'000);
    const uint64_t token = b.player->Token();
    table.Drop(b);
    table.PassMs(40'000);
    EXPECT_EQ(a.player->TurnMsLeftAt(table.NowMs()), 20'000);
    Side& again = table.Join("B", "", token);
    EXPECT_EQ(again.player->TurnMsLeft(), 20'000);
}

TEST(NetworkGame, ABankOfTimeIsSpentOnlyOnTheOwnTurns)
{
    NetworkTable table;
    table.limit = TurnLimit::BankOf120Seconds;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    // A thinks 100 s, then opens (the first open is always safe): B's bank is whole.
    table.PassMs(100'000);
    table.Click(a, 40);
    ASSERT_EQ(HostGame(table).CurrentPlayer(), Player2);
    EXPECT_EQ(b.player->TurnMsLeft(), 120'000);
    table.PassMs(5'000);
    EXPECT_EQ(a.player->TurnMsLeftAt(table.NowMs()), 115'000);
    // B opens a safe cell the host knows of; A has 20 s left.
    table.Click(b, HostCell(HostGame(table), false));
    EXPECT_EQ(a.player->TurnMsLeft(), 20'000);
    table.PassMs(20'000);
    EXPECT_EQ(a.game.Players()[Player2].Score, 1);
    // The next board fills both banks again.
    EXPECT_EQ(a.player->TurnMsLeft(), 120'000);
}

// The bonus opens the cells around any cell it is aimed at, one open already too.
TEST(NetworkGame, TheBonusMayBeAimedAtAnOpenCell)
{
    NetworkTable table;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    table.Click(a, 40);
    // B finds half the mines, which earns A the bonus, and then opens a safe cell.
    const Game& host = HostGame(table);
    while (host.Players()[Player2].MinesFound < host.FlagsToWin() / 2)
        table.Click(b, HostCell(host, true));
    table.Click(b, HostCell(host, false));
    ASSERT_TRUE(a.game.BonusButtonEnabled());
    a.game.ToggleBonus();
    table.Pump();
    table.Click(a, 40);
    EXPECT_EQ(a.player->LastRefusal(), "");
    EXPECT_EQ(host.CurrentPlayer(), Player2);
    EXPECT_FALSE(host.BonusArmed());
}

// A screen that disagrees with the host's hash is mended by the whole state, each time.
TEST(NetworkGame, AScreenThatDisagreesIsMendedEveryTime)
{
    NetworkTable table;
    Side& a = table.Join("A");
    Side& b = table.Join("B");
    table.Click(a, 40);
    for (int time = 1; time <= 2; ++time) {
        net::Shown wrong = *LastOf<net::Shown>(b);
        wrong.Whole = true;
        wrong.ChangedCells.clear();
        wrong.Seen = SeenStateOf(HostGame(table));
        wrong.Hash = HashSeenState(wrong.Seen);
        wrong.Seen.Cells[static_cast<size_t>(ClosedCell(b))] = 1;
        b.player->Received(wrong, table.NowMs());
        table.Pump();
        EXPECT_EQ(SeenStateOf(b.game), SeenStateOf(HostGame(table))) << time;
        EXPECT_EQ(b.player->HashMismatches(), time);
    }
}
