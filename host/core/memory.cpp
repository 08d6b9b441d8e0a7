#include "host/core/memory.h"

#include "operatingsystem.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

namespace surfax::core
{
namespace
{
std::atomic<std::int64_t> g_failAt{0};
std::atomic<std::int64_t> g_counted{0};
std::atomic<std::int64_t> g_debugReports{0};
std::atomic<std::int64_t> g_refused{0};
std::atomic<bool> g_quietReports{false};
} // namespace

void FailAllocationAfter(std::int64_t n)
{
	g_counted = 0;
	g_failAt = n;
}

std::int64_t CountedAllocations()
{
	return g_counted;
}

bool ShouldFailAllocation()
{
	const std::int64_t index = ++g_counted;
	const std::int64_t failAt = g_failAt;
	if (failAt <= 0 || index != failAt)
		return false;
	++g_refused;
	return true;
}

std::int64_t RefusedAllocations()
{
	return g_refused;
}

void NoteRefusedAllocation()
{
	++g_refused;
}

bool RoomFor(std::size_t bytes)
{
	// Asked of the kernel, not of malloc: an optimiser may drop a malloc whose result is only freed (Clang does,
	// and the check then always passed), and a cap on the address space is what a library's next mappings meet.
	void* room = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	if (room == MAP_FAILED)
	{
		NoteRefusedAllocation();
		return false;
	}
	munmap(room, bytes);
	return true;
}

std::int64_t DebugReportCount()
{
	return g_debugReports;
}

void SetDebugReportsQuiet(bool quiet)
{
	g_quietReports = quiet;
}
} // namespace surfax::core

namespace cinema::hostbridge
{
void* AllocMem(Int size, Bool clear)
{
	if (size < 0 || static_cast<std::uint64_t>(size) > (std::uint64_t(1) << 40))
		return nullptr;
	if (surfax::core::ShouldFailAllocation())
		return nullptr;
	const std::size_t bytes = size == 0 ? 1 : static_cast<std::size_t>(size);
	void* memory = clear ? std::calloc(1, bytes) : std::malloc(bytes);
	if (memory == nullptr)
		surfax::core::NoteRefusedAllocation();
	return memory;
}

void FreeMem(void* p)
{
	std::free(p);
}

void ReportDebugStop(const char* file, Int32 line, const char* message)
{
	++surfax::core::g_debugReports;
	if (!surfax::core::g_quietReports)
		std::fprintf(stderr, "surfax-host: %s:%d: debug report: %s\n", file ? file : "?", line, message ? message : "");
}
} // namespace cinema::hostbridge
