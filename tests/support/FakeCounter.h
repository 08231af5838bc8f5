// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/CounterSource.h"

#include <vector>

namespace orvane::testing {

// A counter the test moves by hand; sleeps are recorded, and with sleepsPassTime set they
// move it as the real sleep does: whole milliseconds, and a quarter of one for 0.
class FakeCounter final : public CounterSource {
public:
    explicit FakeCounter(int64_t frequency = 1'000'000) : frequency(frequency) { }
    bool Available() const override { return available; }
    int64_t Frequency() const override { return frequency; }
    int64_t Now() const override { return now; }
    void SleepMilliseconds(int64_t ms) override
    {
        sleeps.push_back(ms);
        if (sleepsPassTime)
            now += ms > 0 ? ms * frequency / 1000 : frequency / 4000;
    }

    int64_t frequency;
    int64_t now = 0;
    bool available = true;
    bool sleepsPassTime = false;
    std::vector<int64_t> sleeps;
};

} // namespace orvane::testing
