// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/HostServer.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(MoveTimeRecord, ReadsEachPercentileAtTheTopOfItsStepAndTheSlowestExactly)
{
    MoveTimeRecord record;
    record.Add(0.0);
    for (int i = 0; i < 49; ++i)
        record.Add(0.5);
    for (int i = 0; i < 45; ++i)
        record.Add(4.0);
    for (int i = 0; i < 4; ++i)
        record.Add(300.0);
    // Beyond the scale's end.
    record.Add(20'000.0);

    const MoveTimeSummary summary = record.Summary();
    EXPECT_EQ(summary.Count, 100U);
    // The 50th and the 95th fastest: one rank further lies in the next group of times.
    EXPECT_GE(summary.MedianMs, 0.5);
    EXPECT_LT(summary.MedianMs, 0.5 * 1.13);
    EXPECT_GE(summary.Percentile95Ms, 4.0);
    EXPECT_LT(summary.Percentile95Ms, 4.0 * 1.13);
    EXPECT_EQ(summary.SlowestMs, 20'000.0);
}
