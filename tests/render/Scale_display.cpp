// SPDX-License-Identifier: GPL-3.0-or-later
// At a device pixel ratio of 2 (the test program runs under QT_SCALE_FACTOR=2) the window
// keeps its layout in logical pixels, and the board is drawn for the device's pixels:
// cells exactly twice as many pixels apart, their edges single colours, not magnified
// pictures with blended edges.
#include "support/MainWindowFixture.h"

#include <algorithm>
#include <vector>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

class AtScale2 : public MainWindowFixture {
protected:
    static constexpr int Ratio = 2;

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_EQ(form->devicePixelRatioF(), Ratio) << "run with QT_SCALE_FACTOR=2";
    }
    // Colours along a row of device pixels, none within tolerance of an earlier one.
    static std::vector<QColor> DistinctColours(const QImage& image, int y, int left, int right)
    {
        std::vector<QColor> seen;
        for (int x = left; x < right; ++x) {
            const QColor c = image.pixelColor(x, y);
            const auto near = [&](const QColor& s) {
                return std::abs(s.red() - c.red()) <= 2 && std::abs(s.green() - c.green()) <= 2
                    && std::abs(s.blue() - c.blue()) <= 2;
            };
            if (std::ranges::none_of(seen, near))
                seen.push_back(c);
        }
        return seen;
    }
};

TEST_F(AtScale2, TheWindowKeepsItsLayoutAndCellsAreWholeDevicePixels)
{
    for (const int cellSize : {22, 27, 36}) {
        SCOPED_TRACE(cellSize);
        // A wall of mines down the third column: the open of (0, 0) floods the two columns
        // left of it and leaves the rest closed.
        std::vector<std::string> rows = EmptyRows(9, 9);
        for (std::string& row : rows)
            row[2] = '*';
        NewLayout(rows, cellSize);
        EXPECT_EQ(form->BoardArea->geometry(), QRect(6, 63, 9 * cellSize, 9 * cellSize));
        EXPECT_EQ(form->width(), 9 * cellSize + 12);

        Click(0, 0);
        ASSERT_TRUE(game().CellAt(0).IsOpenEmpty());
        const QImage frame = BoardFrame();
        const int device = cellSize * Ratio;
        ASSERT_EQ(frame.width(), 9 * device);
        // Every closed cell alike, exactly one device cell apart.
        for (int y = 0; y < device; ++y)
            for (int x = 2 * device; x < 8 * device; ++x)
                ASSERT_EQ(frame.pixel(x, y), frame.pixel(x + device, y)) << x << "," << y;
        // Across the open cell: its border and its face, nothing blended between them.
        EXPECT_EQ(DistinctColours(frame, device / 2, 0, device).size(), 2u);
    }
}

} // namespace
