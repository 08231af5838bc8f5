// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardMeasures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvane;

namespace {

// '*' a mine, '.' a safe cell.
int32_t ThreeBVOfRows(const std::vector<std::string>& rows)
{
    std::vector<bool> mines;
    for (const std::string& row : rows)
        for (const char cell : row)
            mines.push_back(cell == '*');
    return CountThreeBV(
        static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()), mines);
}

TEST(ThreeBV, EachOpeningTakesOneClickWithItsBorder)
{
    EXPECT_EQ(ThreeBVOfRows({"....", "...."}), 1);
    // Two empty columns behind a wall of mines, each with its numbers.
    EXPECT_EQ(ThreeBVOfRows({"..*..", "..*..", "..*.."}), 2);
}

TEST(ThreeBV, NumbersWithoutAnOpeningTakeAClickEach)
{
    EXPECT_EQ(ThreeBVOfRows({"*.*", "...", "*.*"}), 5);
}

TEST(ThreeBV, AnOpeningAndANumberOffItsBorder)
{
    // The 2 between the two mines touches no empty cell.
    EXPECT_EQ(ThreeBVOfRows({"*.*..", ".....", "....."}), 2);
}

TEST(BoardMeasures, SpeedAndEfficiencyFollowFromTheThreeBV)
{
    const BoardMeasures played = MeasureBoard(20, 8.0, 25);
    EXPECT_DOUBLE_EQ(played.ThreeBVPerSecond, 2.5);
    EXPECT_DOUBLE_EQ(played.Ioe, 0.8);
    const BoardMeasures untimed = MeasureBoard(20, 0.0, 0);
    EXPECT_EQ(untimed.ThreeBVPerSecond, 0.0);
    EXPECT_EQ(untimed.Ioe, 0.0);
}

} // namespace
