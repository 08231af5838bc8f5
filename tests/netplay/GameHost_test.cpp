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
