#include "render/model/Layout.h"
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class LayoutTest : public GameFixture { };

TEST_F(LayoutTest, BeginnerAtTwentyTwoInClassic)
{
    game.CellSize = 22;
    const LayoutSizes s = ComputeLayout(game);
    EXPECT_EQ(s.GameLeft, 6);
    EXPECT_EQ(s.GameTop, 63);
    EXPECT_EQ(s.GameWidth, 198);
    EXPECT_EQ(s.GameHeight, 198);
    EXPECT_EQ(s.StatWidth, 210);
    EXPECT_EQ(s.StatHeight, 267);
}

TEST_F(LayoutTest, ExpertAtThirtySixInATwoPlayerMode)
{
    game.BoardWidth = 30;
    game.BoardHeight = 16;
    game.CellSize = 36;
    game.PlayerStripHeight = 50;
    const LayoutSizes s = ComputeLayout(game);
    EXPECT_EQ(s.GameWidth, 1080);
    EXPECT_EQ(s.GameHeight, 576);
    EXPECT_EQ(s.StatWidth, 1092);
    EXPECT_EQ(s.StatHeight, 695);
}

TEST_F(LayoutTest, PlayerStripMovesTheBoardFiftyPixelsDown)
{
    const LayoutSizes classic = ComputeLayout(game);
    game.PlayerStripHeight = 50;
    const LayoutSizes twoPlayer = ComputeLayout(game);
    EXPECT_EQ(twoPlayer.GameTop - classic.GameTop, 50);
    EXPECT_EQ(twoPlayer.StatHeight - classic.StatHeight, 50);
    EXPECT_EQ(twoPlayer.StatWidth, classic.StatWidth);
}

} // namespace
