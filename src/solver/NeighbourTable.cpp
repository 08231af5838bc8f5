// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/NeighbourTable.h"

#include <algorithm>

namespace orvane::solver {

void NeighbourTable::Resize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    const auto cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    list_.assign(cells * 8, -1);
    count_.assign(cells, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto cell = static_cast<size_t>(x + y * width);
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny)
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx)
                    if (nx != x || ny != y)
                        list_[cell * 8 + count_[cell]++] = static_cast<int16_t>(nx + ny * width);
        }
}

} // namespace orvane::solver
