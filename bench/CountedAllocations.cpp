// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces the global operator new of the benchmark program to count every allocation.
#include "CountedAllocations.h"

#include <cstdlib>
#include <new>

namespace {

long allocations = 0;

} // namespace

long orvane::bench::CountedAllocations()
{
    return allocations;
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
