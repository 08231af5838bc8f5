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

// The setup of a board drawn as rows of text ('*' a mine, '.' a safe cell).
inline BoardSetup SetupOf(const std::vector<std::string>& rows, PlayMode mode,
    Level level = Level::Custom, uint8_t scoreTable = 6)
{
    BoardSetup setup;
    setup.Mode = mode;
    setup.BoardLevel = level;
    setup.Width = static_cast<int16_t>(rows[0].size());
    setup.Height = static_cast<int16_t>(rows.size());
    setup.Mines = static_cast<int16_t>(CountMines(rows));
    setup.ScoreTable = scoreTable;
    return setup;
}

// Deals a board whose first open lays the mines of the rows, as the placement orders them:
// the safe cells first, the mines after.
inline void DealLayout(Game& game, const std::vector<std::string>& rows, PlayMode mode,
    Level level = Level::Custom, uint8_t scoreTable = 6)
{
    const size_t width = rows[0].size();
    std::vector<int16_t> safe, mined;
    for (size_t i = 0; i < width * rows.size(); ++i)
        (rows[i / width][i % width] == '*' ? mined : safe).push_back(static_cast<int16_t>(i));
    std::vector<int16_t> order = safe;
    order.insert(order.end(), mined.begin(), mined.end());
    game.NewGameWithLayout(
        SetupOf(rows, mode, level, scoreTable), order, static_cast<int16_t>(safe.size() - 1));
}

} // namespace orvane::testing
