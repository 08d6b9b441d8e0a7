// Test support: repeating a piece of work once for each host allocation it makes, with that one allocation failing.
#ifndef SURFAX_TESTS_SUPPORT_FAILING_ALLOCATIONS_H
#define SURFAX_TESTS_SUPPORT_FAILING_ALLOCATIONS_H

#include "host/core/memory.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace surfax::test
{
/// Runs prepare() then work() once to count work's host allocations (at least minimum, or the test fails), then for
/// every n of them prepare(), work() with the n-th allocation failing, and check(n). The failure switch is off
/// whenever prepare and check run.
template <typename Prepare, typename Work, typename Check>
void ForEachFailingAllocation(std::int64_t minimum, Prepare prepare, Work work, Check check)
{
	prepare();
	core::FailAllocationAfter(0);
	work();
	const std::int64_t allocations = core::CountedAllocations();
	ASSERT_GE(allocations, minimum);
	for (std::int64_t failing = 1; failing <= allocations; ++failing)
	{
		prepare();
		core::FailAllocationAfter(failing);
		work();
		core::FailAllocationAfter(0);
		SCOPED_TRACE("failing allocation " + std::to_string(failing));
		check(failing);
		if (::testing::Test::HasFatalFailure())
			return;
	}
}
} // namespace surfax::test

#endif // SURFAX_TESTS_SUPPORT_FAILING_ALLOCATIONS_H
