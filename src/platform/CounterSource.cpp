// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CounterSource.h"

#include <chrono>
#include <thread>

namespace orvane {

using Clock = std::chrono::steady_clock;

bool SteadyCounter::Available() const
{
    return Clock::is_steady;
}

int64_t SteadyCounter::Frequency() const
{
    return static_cast<int64_t>(Clock::period::den / Clock::period::num);
}

int64_t SteadyCounter::Now() const
{
    return static_cast<int64_t>(Clock::now().time_since_epoch().count());
}

// Giving the processor up for "0 ms" is a sleep of a quarter millisecond, not a bare
// yield: the last fraction of a millisecond of a frame would otherwise be spent in a
// spin of loop passes whenever nothing else wants the processor.
void SteadyCounter::SleepMilliseconds(int64_t ms)
{
    if (ms <= 0)
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace orvane
