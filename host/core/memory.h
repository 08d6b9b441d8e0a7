// Host memory: every allocation a plug-in makes through the host, with the allocation-failure switch.
#ifndef SURFAX_HOST_CORE_MEMORY_H
#define SURFAX_HOST_CORE_MEMORY_H

#include <cstddef>
#include <cstdint>

namespace surfax::core
{
// Makes the n-th host allocation from now on fail (1 = the next one); 0 switches the failure off. Counts
// every allocation made through the host: AllocMem (NewObjClear, arrays), objects, tags, bitmaps, gradients.
void FailAllocationAfter(std::int64_t n);
// Number of host allocations counted since the last FailAllocationAfter call (or start).
std::int64_t CountedAllocations();
// True when this allocation must fail; every host allocation site asks once.
bool ShouldFailAllocation();

// Number of debug reports (DebugStop) since start, and whether they are printed to stderr.
std::int64_t DebugReportCount();
void SetDebugReportsQuiet(bool quiet);
} // namespace surfax::core

#endif
