// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane::bench {

// How many times operator new has run in this program so far.
long CountedAllocations();

} // namespace orvane::bench
