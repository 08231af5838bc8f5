// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a typed board code: a code is either read or refused with a reason, and a
// board read has a code of its own that reads back to the same board.
#include "fuzz/FuzzCheck.h"
#include "game/BoardCode.h"

#include <string_view>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BoardCodeReading read
        = ReadBoardCode(std::string_view(reinterpret_cast<const char*>(data), size));
    FuzzCheck(read.Layout.has_value() == read.Problem.Empty(), "a code both read and refused");
    if (!read.Layout)
        return 0;
    const BoardLayout& layout = *read.Layout;
    const auto cells = static_cast<size_t>(layout.Setup.Width * layout.Setup.Height);
    FuzzCheck(layout.CellOrder.size() == cells, "a cell order not the board's size");
    FuzzCheck(layout.CellOrder[static_cast<size_t>(layout.LastSafeSlot)] == layout.FirstCell,
        "the first cell not last of the safe cells");
    const std::optional<std::string> again = WriteBoardCode(layout.Setup.Width, layout.Setup.Height,
        layout.CellOrder, layout.LastSafeSlot, layout.FirstCell);
    FuzzCheck(again.has_value(), "a board read that has no code");
    FuzzCheck(ReadBoardCode(*again).Layout == layout, "a code written again reads differently");
    return 0;
}
