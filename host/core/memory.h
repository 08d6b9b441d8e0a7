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

// Host allocations refused since the process started, by the switch above or because the system had no memory left
// (a memory cap). ShouldFailAllocation counts its own refusals; a site whose allocation the system refused calls
// NoteRefusedAllocation. The plug-in's failures are silent by design, so this is how the host learns of them.
std::int64_t RefusedAllocations();
void NoteRefusedAllocation();

// True when `bytes` of address space can be had now: mapped and given back at once, so that the next allocations find
// the room.
// A pre-flight for libraries that do not survive their own allocations failing (GLU's tessellator and fontconfig's
// configuration crash when memory is short): the caller skips them instead. False counts as a refused allocation.
bool RoomFor(std::size_t bytes);

// Number of debug reports (DebugStop) since start, and whether they are printed to stderr.
std::int64_t DebugReportCount();
void SetDebugReportsQuiet(bool quiet);
} // namespace surfax::core

#endif
