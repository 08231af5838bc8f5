// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/SeenState.h"

#include "game/Game.h"

#include <bit>
#include <string_view>

namespace orvane {

uint8_t SeenCode(const Cell& cell)
{
    uint8_t code = seen_cell::Closed;
    if (cell.State == CellState::Open)
        code = cell.Value;
    else if (cell.Mark == CellMark::Flag)
        code = seen_cell::FoundByPlayer1;
    else if (cell.Mark == CellMark::FoundByPlayer2)
        code = seen_cell::FoundByPlayer2;
    return cell.MoveMark ? static_cast<uint8_t>(code | seen_cell::MoveMark) : code;
}

SeenState SeenStateOf(const Game& game)
{
    SeenState seen;
    seen.Setup = game.Setup();
    seen.Cells.reserve(game.Cells().size());
    for (const Cell& cell : game.Cells())
        seen.Cells.push_back(SeenCode(cell));
    seen.Players = game.Players();
    seen.CurrentPlayer = game.CurrentPlayer();
    seen.State = game.CurrentState();
    seen.FlagsToWin = game.FlagsToWin();
    seen.BonusAwarded = game.BonusAwarded();
    seen.BonusOwner = game.BonusOwner();
    seen.BonusArmed = game.BonusArmed();
    seen.BonusButtonEnabled = game.BonusButtonEnabled();
    seen.BonusRadius = game.BonusRadius();
    seen.ShowMoveMarks = game.ShowMoveMarks();
    return seen;
}

namespace {

// 64-bit FNV-1a: quick, and collisions do not matter between two honest sides.
class Fnv1a {
public:
    void Add(uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            AddByte(static_cast<uint8_t>(value >> (8 * i)));
    }
    void Add(std::string_view text)
    {
        Add(text.size(), 2);
        for (char c : text)
            AddByte(static_cast<uint8_t>(c));
    }
    uint64_t Value() const { return hash_; }

private:
    void AddByte(uint8_t byte)
    {
        hash_ ^= byte;
        hash_ *= 0x100000001b3ULL;
    }
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

} // namespace

uint64_t HashSeenState(const SeenState& seen)
{
    Fnv1a hash;
    hash.Add(static_cast<uint64_t>(seen.Setup.BoardLevel), 1);
    hash.Add(static_cast<uint64_t>(seen.Setup.Width), 2);
    hash.Add(static_cast<uint64_t>(seen.Setup.Height), 2);
    hash.Add(static_cast<uint64_t>(seen.Setup.Mines), 2);
    hash.Add(seen.Cells.size(), 2);
    for (uint8_t code : seen.Cells)
        hash.Add(code, 1);
    for (const PlayerData& player : seen.Players) {
        hash.Add(player.Name);
        hash.Add(static_cast<uint64_t>(player.MinesFound), 2);
        hash.Add(static_cast<uint64_t>(player.Score), 4);
    }
    hash.Add(seen.CurrentPlayer, 1);
    hash.Add(static_cast<uint64_t>(seen.State), 1);
    hash.Add(static_cast<uint64_t>(seen.FlagsToWin), 2);
    hash.Add(seen.BonusAwarded, 1);
    hash.Add(seen.BonusOwner ? static_cast<uint64_t>(*seen.BonusOwner) : 2U, 1);
    hash.Add(seen.BonusArmed, 1);
    hash.Add(seen.BonusButtonEnabled, 1);
    hash.Add(seen.BonusRadius, 1);
    hash.Add(seen.ShowMoveMarks, 1);
    return hash.Value();
}

} // namespace orvane
