// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace orvane::solver {

// The up to eight neighbours of every cell of a board, in row-major order; made again
// only when the board's size changes.
class NeighbourTable {
public:
    void Resize(int width, int height);
    std::span<const int16_t> Of(int cell) const
    {
        const auto at = static_cast<size_t>(cell);
        return {list_.data() + at * 8, count_[at]};
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<int16_t> list_; // eight slots per cell
    std::vector<uint8_t> count_;
};

} // namespace orvane::solver
