// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFixture.h"

using namespace orvane;
using orvane::testing::GameFixture;

namespace {

class PointerRecordingTest : public GameFixture {
protected:
    void WaitMilliseconds(int64_t milliseconds)
    {
        counter.now += milliseconds * counter.frequency / 1000;
    }
    std::vector<Command> Samples() const
    {
        std::vector<Command> samples;
        for (const Command& command : game.Recorded().Commands)
            if (command.Kind == CommandKind::PointerMove)
                samples.push_back(command);
        return samples;
    }
};

// Frame 6 of the game's milliseconds starts at 100, frame 7 at 117 (116.7 rounded up).
TEST_F(PointerRecordingTest, KeepsOneSampleAFrameWhilePlayedStampedAtTheFramesStart)
{
    LayMines({"..*.", "...."});
    game.MovePointer({5, 5}); // no game under way yet
    WaitMilliseconds(100);
    Click(0, 0);
    WaitMilliseconds(3);
    game.MovePointer({10, 20});
    WaitMilliseconds(13);
    game.MovePointer({11, 21}); // 116: still frame 6
    WaitMilliseconds(1);
    game.MovePointer({1000, -5}); // off the board: kept at its edge
    const std::vector<Command> samples = Samples();
    ASSERT_EQ(samples.size(), 2U);
    // A click earlier in the frame keeps the times from going back.
    EXPECT_EQ(samples[0].AtMilliseconds, 100);
    EXPECT_EQ(UnpackPointer(samples[0].Value), (PointerPlace {10, 20}));
    EXPECT_EQ(samples[1].AtMilliseconds, 117);
    EXPECT_EQ(UnpackPointer(samples[1].Value), (PointerPlace {4 * 32 - 1, 0}));

    game.PauseGame();
    WaitMilliseconds(100);
    game.MovePointer({3, 3});
    EXPECT_EQ(Samples().size(), 2U);

    // A new board samples afresh from its own deal.
    LayMines({"..*.", "...."});
    Click(0, 0);
    game.MovePointer({3, 3});
    ASSERT_EQ(Samples().size(), 1U);
    EXPECT_EQ(Samples()[0].AtMilliseconds, 0);
}

} // namespace
