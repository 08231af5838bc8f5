// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <ctime>
#include <vector>

namespace orvane::bench {

// The processor time of this thread: what the work costs on one core, however busy the
// machine is with other programs.
inline double CpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = static_cast<size_t>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(at), values.end());
    return values[at];
}

inline double Mean(const std::vector<double>& values)
{
    double sum = 0;
    for (const double v : values)
        sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

} // namespace orvane::bench
