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

void SteadyCounter::SleepMilliseconds(int64_t ms)
{
    if (ms <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace orvane
