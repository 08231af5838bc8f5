// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

namespace orvane::bench {

// The value below which the given share (0 to 1) of the values lie; 0 without values.
inline double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = static_cast<size_t>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(at), values.end());
    return values[at];
}

} // namespace orvane::bench
