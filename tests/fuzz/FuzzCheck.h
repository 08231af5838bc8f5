// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvane::testing {

// A broken rule ends the run where the fuzzer (or the corpus replay) sees it.
inline void FuzzCheck(bool holds, const std::string& what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what.c_str());
    std::abort();
}

} // namespace orvane::testing
