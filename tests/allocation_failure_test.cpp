// The allocation-failure switch: the n-th allocation through the host fails, and callers see null or an error.
#include "support/host_fixture.h"

#include "customgui_gradient.h"
#include "host/core/memory.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cinema;

namespace
{
struct Sample
{
	Vector position;
	Vector color;
};

class AllocationFailure : public ::testing::Test
{
protected:
	void TearDown() override { surfax::core::FailAllocationAfter(0); }
};
} // namespace

TEST_F(AllocationFailure, TheNthObjectAllocationFails)
{
	surfax::core::FailAllocationAfter(2);
	BaseObject* first = BaseObject::Alloc(Onull);
	BaseObject* second = BaseObject::Alloc(Onull);
	BaseObject* third = BaseObject::Alloc(Onull);
	EXPECT_NE(first, nullptr);
	EXPECT_EQ(second, nullptr);
	EXPECT_NE(third, nullptr);
	BaseObject::Free(first);
	BaseObject::Free(third);
}

TEST_F(AllocationFailure, ReachesTagsBitmapsGradientsAndPlainMemory)
{
	surfax::test::TestDocument doc;
	BaseObject* op = doc.Add(Onull);
	surfax::core::FailAllocationAfter(1);
	EXPECT_EQ(op->MakeTag(Tphong), nullptr);
	surfax::core::FailAllocationAfter(1);
	EXPECT_EQ(BaseBitmap::Alloc(), nullptr);
	surfax::core::FailAllocationAfter(1);
	EXPECT_EQ(Gradient::Alloc(), nullptr);
	surfax::core::FailAllocationAfter(1);
	Sample* sample = NewObjClear(Sample);
	EXPECT_EQ(sample, nullptr);
	surfax::core::FailAllocationAfter(0);
	sample = NewObjClear(Sample);
	ASSERT_NE(sample, nullptr);
	EXPECT_EQ(sample->position, Vector());
	DeleteObj(sample);
	EXPECT_EQ(sample, nullptr);
}

TEST_F(AllocationFailure, NewMemClearGivesZeroedMemoryOrAFailedResult)
{
	surfax::core::FailAllocationAfter(1);
	const maxon::ResultPtr<Sample> failed = NewMemClear(Sample, 4);
	EXPECT_EQ(failed, maxon::FAILED);
	EXPECT_EQ(failed.GetPointer(), nullptr);
	surfax::core::FailAllocationAfter(0);
	EXPECT_EQ(NewMemClear(Sample, -1), maxon::FAILED);
	EXPECT_EQ(NewMemClear(Sample, std::numeric_limits<Int>::max()), maxon::FAILED);

	const maxon::ResultPtr<Sample> made = NewMemClear(Sample, 4);
	ASSERT_EQ(made, maxon::OK);
	Sample* samples = made.GetPointer();
	ASSERT_NE(samples, nullptr);
	EXPECT_EQ(samples[3].color, Vector());
	DeleteMem(samples);
	EXPECT_EQ(samples, nullptr);
}

TEST_F(AllocationFailure, StringInsertionFailsAndKeepsTheText)
{
	String text("Sin() * 2");
	surfax::core::FailAllocationAfter(1);
	EXPECT_EQ(text.Insert(4, "x"_s), maxon::FAILED);
	EXPECT_EQ(text, String("Sin() * 2"));
	EXPECT_EQ(text.Insert(4, 'x'), maxon::OK);
	EXPECT_EQ(text, String("Sin(x) * 2"));
}

TEST_F(AllocationFailure, IferrReturnPassesTheFirstFailureOn)
{
	Int steps = 0;
	const auto insertThree = [&steps](String& text) -> maxon::Result<String>
	{
		iferr_scope;
		for (Int k = 0; k < 3; ++k)
		{
			text.Insert(0, "a"_s) iferr_return;
			++steps;
		}
		Sample* first = NewMemClear(Sample, 1) iferr_return;
		DeleteMem(first);
		++steps;
		return text;
	};
	String text;
	surfax::core::FailAllocationAfter(2);
	EXPECT_EQ(insertThree(text), maxon::FAILED);
	EXPECT_EQ(steps, 1);
	EXPECT_EQ(text, String("a"));

	surfax::core::FailAllocationAfter(4);
	steps = 0;
	text = String();
	EXPECT_EQ(insertThree(text), maxon::FAILED);
	EXPECT_EQ(steps, 3);

	surfax::core::FailAllocationAfter(0);
	steps = 0;
	text = String();
	const maxon::Result<String> done = insertThree(text);
	ASSERT_EQ(done, maxon::OK);
	EXPECT_EQ(done.GetValue(), String("aaa"));
	EXPECT_EQ(steps, 4);
}

TEST_F(AllocationFailure, ArrayGrowthReportsFailureAndKeepsTheContent)
{
	maxon::BaseArray<Sample> samples;
	ASSERT_EQ(samples.Append(Sample{Vector(1, 0, 0), Vector()}), maxon::OK);
	surfax::core::FailAllocationAfter(1);
	EXPECT_EQ(samples.EnsureCapacity(1000), maxon::FAILED);
	EXPECT_EQ(samples.GetCount(), 1);
	EXPECT_EQ(samples[0].position, Vector(1, 0, 0));
	surfax::core::FailAllocationAfter(0);
	EXPECT_EQ(samples.Resize(100), maxon::OK);
	EXPECT_EQ(samples.GetCount(), 100);
	EXPECT_EQ(samples[99].position, Vector());
}

TEST_F(AllocationFailure, PolygonObjectsFailAsAWhole)
{
	for (int n = 1; n <= 3; ++n)
	{
		surfax::core::FailAllocationAfter(n);
		PolygonObject* poly = PolygonObject::Alloc(10, 5);
		EXPECT_EQ(poly, nullptr) << "allocation " << n;
	}
	surfax::core::FailAllocationAfter(0);
	PolygonObject* poly = PolygonObject::Alloc(10, 5);
	ASSERT_NE(poly, nullptr);
	EXPECT_EQ(poly->GetPointCount(), 10);
	EXPECT_EQ(poly->GetPolygonCount(), 5);
	PolygonObject::Free(poly);
}

TEST_F(AllocationFailure, SplinesFailAsAWholeAndAResizeThatFailsChangesNothing)
{
	for (int n = 1; n <= 2; ++n)
	{
		surfax::core::FailAllocationAfter(n);
		EXPECT_EQ(SplineObject::Alloc(10, SPLINETYPE::CUBIC), nullptr) << "allocation " << n;
	}
	surfax::core::FailAllocationAfter(0);
	SplineObject* spline = SplineObject::Alloc(10, SPLINETYPE::CUBIC);
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetInterpolationType(), SPLINETYPE::CUBIC);
	EXPECT_EQ(spline->GetSegmentCount(), 0);
	spline->GetPointW()[9] = Vector(1, 2, 3);
	// Growing both arrays makes two allocations; whichever fails, the spline keeps its 10 points and no segments.
	for (int n = 1; n <= 2; ++n)
	{
		surfax::core::FailAllocationAfter(n);
		EXPECT_FALSE(spline->ResizeObject(20, 4)) << "allocation " << n;
		surfax::core::FailAllocationAfter(0);
		EXPECT_EQ(spline->GetPointCount(), 10) << "allocation " << n;
		EXPECT_EQ(spline->GetSegmentCount(), 0) << "allocation " << n;
		EXPECT_EQ(spline->GetPointR()[9], Vector(1, 2, 3));
	}
	// The segment table alone, with the point count unchanged, is one allocation.
	surfax::core::FailAllocationAfter(1);
	EXPECT_FALSE(spline->ResizeObject(10, 40));
	surfax::core::FailAllocationAfter(0);
	EXPECT_EQ(spline->GetSegmentCount(), 0);
	ASSERT_TRUE(spline->ResizeObject(10, 40));
	EXPECT_EQ(spline->GetSegmentCount(), 40);
	EXPECT_EQ(spline->GetSegmentR()[39].cnt, 0);
	EXPECT_FALSE(spline->GetSegmentR()[39].closed);
	EXPECT_FALSE(spline->ResizeObject(10, -1));
	EXPECT_EQ(spline->GetSegmentCount(), 40);
	SplineObject::Free(spline);
}
