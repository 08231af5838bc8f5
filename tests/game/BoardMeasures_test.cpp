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

TEST(ThreeBV, DoneCountsTheRegionsClearedWhole)
{
    // One opening with its numbered border, and the lone 2 between the mines.
    const std::vector<std::string> mines {"*.*..", ".....", "....."};
    // 'o' an open cell.
    const auto done = [&](const std::vector<std::string>& open) {
        std::vector<bool> mineCells, openCells;
        for (size_t row = 0; row < mines.size(); ++row)
            for (size_t column = 0; column < mines[row].size(); ++column) {
                mineCells.push_back(mines[row][column] == '*');
                openCells.push_back(open[row][column] == 'o');
            }
        return FindRegions(5, 3, mineCells, openCells).ThreeBVDone();
    };
    EXPECT_EQ(done({".....", ".....", "....."}), 0);
    EXPECT_EQ(done({".o...", ".....", "....."}), 1);
    EXPECT_EQ(done({"...oo", "ooooo", "ooooo"}), 1);
    // A number of the opening's border still closed.
    EXPECT_EQ(done({".o..o", "ooooo", "ooooo"}), 1);
    EXPECT_EQ(done({".o.oo", "ooooo", "ooooo"}), 2);
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
