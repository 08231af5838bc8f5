// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::testing {

// Every safe cell has a mine beside it, so no open floods.
inline const std::vector<std::string> NumberedBoard {"*.*.*", ".....", "*.*.*"};

// Cell (1, 1) shows 5 and has the three closed safe neighbours (1, 0), (0, 1), (2, 1);
// (3, 0) and (3, 1) lie outside its chord area.
inline const std::vector<std::string> ChordBoard {"*.*.", "....", "****"};

inline int CountMines(const std::vector<std::string>& rows)
{
    int mines = 0;
    for (const auto& row : rows)
        mines += static_cast<int>(std::count(row.begin(), row.end(), '*'));
    return mines;
}

// Lays mines from rows of text ('*' a mine, '.' a safe cell) on a board already built at
// their size, and puts the game in Playing as if the first open had placed them: the
// numbers and the cell order come out as the placement makes them.
inline void LayMinesOnBoard(Game& game, const std::vector<std::string>& rows)
{
    const size_t width = rows[0].size();
    std::vector<int16_t> safe, mined;
    for (size_t i = 0; i < game.Cells().size(); ++i) {
        const bool mine = rows[i / width][i % width] == '*';
        game.Cells()[i].Value = mine ? MineValue : 0;
        (mine ? mined : safe).push_back(static_cast<int16_t>(i));
    }
    game.CellOrder = safe;
    game.CellOrder.insert(game.CellOrder.end(), mined.begin(), mined.end());
    game.LastSafeSlot = static_cast<int16_t>(safe.size() - 1);
    for (int16_t i : safe)
        game.Cells()[static_cast<size_t>(i)].Value = game.CountAdjacentMines(i);
    game.CurrentState() = GameState::Playing;
}

} // namespace orvane::testing
