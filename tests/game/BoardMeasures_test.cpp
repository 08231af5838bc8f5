// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardMeasures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvane;

namespace {

// '*' a mine, '.' a safe cell.
BoardRegions RegionsOfRows(const std::vector<std::string>& rows)
{
    std::vector<bool> mines;
    for (const std::string& row : rows)
        for (const char cell : row)
            mines.push_back(cell == '*');
    return FindRegions(
        static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()), mines);
}

int32_t ThreeBVOfRows(const std::vector<std::string>& rows)
{
    return RegionsOfRows(rows).ThreeBV();
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

TEST(BoardRegions, IslandsAreTheNumbersOffEveryOpeningsBorder)
{
    // Every number borders the opening: no island.
    const BoardRegions bordered = RegionsOfRows({"*..", "...", "..."});
    EXPECT_EQ(bordered.Openings, 1);
    EXPECT_EQ(bordered.Islands, 0);
    // *2*101*2* over 121101121 over zeros: the two 2s of the top row touch no 0 and lie
    // apart.
    const BoardRegions apart = RegionsOfRows({"*.*...*.*", ".........", "........."});
    EXPECT_EQ(apart.Openings, 1);
    EXPECT_EQ(apart.Islands, 2);
    // No empty cell: all seven numbers touch, one island.
    const BoardRegions numbers = RegionsOfRows({"*.*.*", ".....", "*.*.*"});
    EXPECT_EQ(numbers.Openings, 0);
    EXPECT_EQ(numbers.Islands, 1);
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
