// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace orvane {

// A monotonic counter with a fixed frequency and a millisecond sleep. The real one
// reads std::chrono::steady_clock; tests substitute a counter they move by hand.
class CounterSource {
public:
    virtual ~CounterSource() = default;
    virtual bool Available() const = 0;
    virtual int64_t Frequency() const = 0;
    virtual int64_t Now() const = 0;
    // Sleeps whole milliseconds; 0 still yields the processor once.
    virtual void SleepMilliseconds(int64_t ms) = 0;
};

class SteadyCounter final : public CounterSource {
public:
    bool Available() const override;
    int64_t Frequency() const override;
    int64_t Now() const override;
    void SleepMilliseconds(int64_t ms) override;
};

// A counter that moves only when told, in milliseconds: replays give each command at its
// time on it.
class ManualCounter final : public CounterSource {
public:
    bool Available() const override { return true; }
    int64_t Frequency() const override { return 1000; }
    int64_t Now() const override { return now_; }
    void SleepMilliseconds(int64_t ms) override { now_ += ms > 0 ? ms : 0; }
    void SetMilliseconds(int64_t ms) { now_ = ms; }

private:
    int64_t now_ = 0;
};

} // namespace orvane
