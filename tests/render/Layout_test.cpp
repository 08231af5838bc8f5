// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Layout.h"
#include "support/GameFixture.h"

#include <array>

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class LayoutTest : public GameFixture { };

TEST_F(LayoutTest, BeginnerAtTwentyTwoInClassic)
{
    const LayoutSizes s = ComputeLayout(game, 22);
    EXPECT_EQ(s.GameLeft, 6);
    EXPECT_EQ(s.GameTop, 63);
    EXPECT_EQ(s.GameWidth, 198);
    EXPECT_EQ(s.GameHeight, 198);
    EXPECT_EQ(s.StatWidth, 210);
    EXPECT_EQ(s.StatHeight, 267);
}

TEST_F(LayoutTest, ExpertAtThirtySixInATwoPlayerMode)
{
    StartBoard(30, 16, 99, PlayMode::VsHuman);
    const LayoutSizes s = ComputeLayout(game, 36);
    EXPECT_EQ(s.GameWidth, 1080);
    EXPECT_EQ(s.GameHeight, 576);
    EXPECT_EQ(s.StatWidth, 1092);
    EXPECT_EQ(s.StatHeight, 695);
}

TEST_F(LayoutTest, PlayerStripMovesTheBoardFiftyPixelsDown)
{
    const LayoutSizes classic = ComputeLayout(game, 22);
    StartBoard(9, 9, 10, PlayMode::VsComputer);
    const LayoutSizes twoPlayer = ComputeLayout(game, 22);
    EXPECT_EQ(twoPlayer.GameTop - classic.GameTop, 50);
    EXPECT_EQ(twoPlayer.StatHeight - classic.StatHeight, 50);
    EXPECT_EQ(twoPlayer.StatWidth, classic.StatWidth);
}

// The largest custom board, 35 x 25, on screens of several sizes: the chosen size when the
// window fits, else the largest offered size below it that fits, else the smallest.
TEST_F(LayoutTest, BoardTooLargeForTheScreenGetsTheLargestCellSizeThatFits)
{
    constexpr std::array<int16_t, 5> offered {16, 18, 22, 27, 36};
    StartBoard(35, 25, 10);
    struct Case {
        int16_t chosen;
        int width, height;
        int16_t expected;
    };
    for (const Case& c : {Case {36, 1600, 1200, 36}, Case {36, 1366, 700, 22},
             Case {27, 1366, 900, 27}, Case {22, 1024, 600, 18}, Case {36, 640, 400, 16}}) {
        EXPECT_EQ(FittingCellSize(game, c.chosen, offered, c.width, c.height), c.expected)
            << c.chosen << " on " << c.width << " x " << c.height;
    }
}

} // namespace
