// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/BoardView.h"

#include <string>
#include <vector>

namespace orvane::testing {

// A view from rows of text: a digit is an open cell showing it, '.' a closed cell, '*' a
// known mine.
inline solver::BoardView ViewOf(const std::vector<std::string>& rows, int mines)
{
    solver::BoardView view;
    view.Reset(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), mines);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            view.cells[x + y * rows[0].size()] = c == '*' ? solver::SeenMine
                : c == '.'                                ? solver::SeenClosed
                                                          : static_cast<uint8_t>(c - '0');
        }
    return view;
}

} // namespace orvane::testing
