// The grid component below a plot object, through the loaded plug-in and the host's scene evaluation: which rows and
// columns become curves and in what order, the spline's form, its colour, when it is rebuilt, and rebuilds whose
// allocations fail.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotgrid.h"

#include "host/user/actions.h"
#include "support/failing_allocations.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
class GridComponent : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	/// A plot of resolution n with a grid of the step below it, evaluated once.
	void Build(Int32 n, Int32 step)
	{
		plot = doc.Add(ID_PLOTOBJECT);
		grid = doc.Add(ID_PLOTGRID, plot);
		ASSERT_NE(grid, nullptr);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
		grid->GetDataInstanceRef().SetInt32(PLOTGRID_STEP, step);
		doc.Evaluate();
	}

	void Set(BaseObject* op, Int32 id, const GeData& value)
	{
		std::string error;
		ASSERT_TRUE(surfax::user::SetParameter(op, id, value, error)) << error;
	}

	const maxon::BaseArray<PlotSample>& Samples() const { return plot->GetNodeData<PlotObject>()->GetSamples(); }

	/// The grid's cache as a spline; null when it is anything else.
	const SplineObject* Contour() const
	{
		const BaseObject* cache = grid->GetCache();
		return cache != nullptr && cache->GetType() == Ospline ? static_cast<const SplineObject*>(cache) : nullptr;
	}

	/// How often the host replaced the grid's output during one evaluation.
	UInt32 RebuildsOfOneEvaluation()
	{
		const UInt32 before = grid->GetDirty(DIRTYFLAGS::CACHE);
		doc.Evaluate();
		return grid->GetDirty(DIRTYFLAGS::CACHE) - before;
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
	BaseObject* grid = nullptr;
};

/// The contour holds, for each drawn x index in order, the samples along z, then for each drawn z index the samples
/// along x, as open segments of m points of a cubic spline.
void ExpectCurvesAt(const SplineObject* spline, const maxon::BaseArray<PlotSample>& samples, Int32 m,
                    const std::vector<Int32>& drawn)
{
	ASSERT_NE(spline, nullptr);
	const Int32 lines = static_cast<Int32>(drawn.size());
	ASSERT_EQ(samples.GetCount(), Int(m) * m);
	ASSERT_EQ(spline->GetPointCount(), 2 * lines * m);
	ASSERT_EQ(spline->GetSegmentCount(), 2 * lines);
	EXPECT_EQ(spline->GetInterpolationType(), SPLINETYPE::CUBIC);
	EXPECT_FALSE(spline->IsClosed());
	for (Int32 s = 0; s < 2 * lines; ++s)
	{
		ASSERT_EQ(spline->GetSegmentR()[s].cnt, m) << "segment " << s;
		ASSERT_FALSE(spline->GetSegmentR()[s].closed) << "segment " << s;
	}
	const Vector* points = spline->GetPointR();
	for (Int32 s = 0; s < lines; ++s)
	{
		for (Int32 k = 0; k < m; ++k)
		{
			ASSERT_EQ(points[s * m + k], samples[drawn[s] * m + k].position) << "curve along z at x index " << drawn[s];
			ASSERT_EQ(points[(lines + s) * m + k], samples[k * m + drawn[s]].position)
			    << "curve along x at z index " << drawn[s];
		}
	}
}

std::vector<Int32> Range(Int32 first, Int32 last)
{
	std::vector<Int32> r;
	for (Int32 i = first; i <= last; ++i)
		r.push_back(i);
	return r;
}
} // namespace

TEST_F(GridComponent, StepOneDrawsEveryRowAndColumnAsCubicCurvesThroughTheSamples)
{
	Build(50, 1);
	const SplineObject* spline = Contour();
	ExpectCurvesAt(spline, Samples(), 51, Range(0, 50));
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetPointCount(), 5202);
	EXPECT_EQ(spline->GetSegmentCount(), 102);
}

TEST_F(GridComponent, LargerStepsDrawEveryStepthIndexAndAlwaysTheLast)
{
	Build(50, 7);
	ExpectCurvesAt(Contour(), Samples(), 51, {0, 7, 14, 21, 28, 35, 42, 49, 50});
	Set(grid, PLOTGRID_STEP, GeData(10));
	doc.Evaluate();
	ExpectCurvesAt(Contour(), Samples(), 51, {0, 10, 20, 30, 40, 50});
	// Beyond m - 1 only the two border curves of each direction remain.
	Set(grid, PLOTGRID_STEP, GeData(100));
	doc.Evaluate();
	ExpectCurvesAt(Contour(), Samples(), 51, {0, 50});
}

TEST_F(GridComponent, AStoredStepBelowOneDrawsEveryIndexAndReadsNothingOutsideTheCache)
{
	// The attribute panel keeps the step at 1 or more; a document may still hold anything.
	Build(4, 0);
	ExpectCurvesAt(Contour(), Samples(), 5, Range(0, 4));
	grid->GetDataInstanceRef().SetInt32(PLOTGRID_STEP, std::numeric_limits<Int32>::min());
	grid->SetDirty(DIRTYFLAGS::DATA);
	doc.Evaluate();
	ExpectCurvesAt(Contour(), Samples(), 5, Range(0, 4));
	// The largest step must not wrap around while the next index is computed.
	grid->GetDataInstanceRef().SetInt32(PLOTGRID_STEP, std::numeric_limits<Int32>::max());
	grid->SetDirty(DIRTYFLAGS::DATA);
	doc.Evaluate();
	ExpectCurvesAt(Contour(), Samples(), 5, {0, 4});
}

TEST_F(GridComponent, TakesItsDisplayColourFromItsParameterOnceItFindsAPlotEvenWithoutSamples)
{
	plot = doc.Add(ID_PLOTOBJECT);
	grid = doc.Add(ID_PLOTGRID, plot);
	ASSERT_NE(grid, nullptr);
	grid->GetDataInstanceRef().SetVector(PLOTGRID_COLOR, Vector(0.1, 0.2, 0.3));
	// Before the plot's first execution its sample cache is empty.
	ASSERT_TRUE(Samples().IsEmpty());
	SplineObject* spline = grid->GetNodeData<ObjectData>()->GetContour(grid, doc.Get(), 1.0, nullptr);
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetPointCount(), 0);
	EXPECT_EQ(spline->GetSegmentCount(), 0);
	SplineObject::Free(spline);
	ObjectColorProperties color;
	grid->GetColorProperties(&color);
	EXPECT_EQ(color.color, Vector(0.1, 0.2, 0.3));
	EXPECT_EQ(color.usecolor, ID_BASEOBJECT_USECOLOR_AUTOMATIC);
	EXPECT_FALSE(color.xray);
}

TEST_F(GridComponent, OutsideAPlotGivesAnEmptySplineAndKeepsItsColour)
{
	grid = doc.Add(ID_PLOTGRID);
	ASSERT_NE(grid, nullptr);
	doc.Evaluate();
	const SplineObject* spline = Contour();
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetPointCount(), 0);
	ObjectColorProperties color;
	grid->GetColorProperties(&color);
	EXPECT_EQ(color.usecolor, ID_BASEOBJECT_USECOLOR_OFF);

	// Below another object below a plot it finds the plot.
	plot = doc.Add(ID_PLOTOBJECT);
	BaseObject* group = doc.Add(Onull, plot);
	ASSERT_NE(group, nullptr);
	grid->Remove();
	grid->InsertUnder(group);
	grid->SetDirty(DIRTYFLAGS::DATA);
	doc.Evaluate();
	ExpectCurvesAt(Contour(), Samples(), 51, Range(0, 50));
}

TEST_F(GridComponent, AwayFromTheFirstFrameOnlyFrameSizeHeightAndPlotChangesRebuildIt)
{
	Build(10, 1);
	doc.SetFrame(5);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	// The first look at the plot's size and height, which the frame changes came before, counts as a change.
	for (int i = 0; i < 3; ++i)
		doc.Evaluate();
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);

	// A size change marks the grid dirty once and the next execution updates it once more; then it rests.
	Set(plot, PLOT_SIZE, GeData(300.0));
	UInt32 rebuilds = 0;
	for (int i = 0; i < 3; ++i)
		rebuilds += RebuildsOfOneEvaluation();
	EXPECT_EQ(rebuilds, 2u);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
	ExpectCurvesAt(Contour(), Samples(), 11, Range(0, 10));
	EXPECT_DOUBLE_EQ(Contour()->GetPointR()[0].x, -150.0);

	Set(plot, PLOT_HEIGHT, GeData(80.0));
	rebuilds = 0;
	for (int i = 0; i < 3; ++i)
		rebuilds += RebuildsOfOneEvaluation();
	EXPECT_EQ(rebuilds, 2u);

	// New samples from a new formula: the curves follow them.
	Set(plot, PLOT_FORMULA, GeData(String("x + z")));
	EXPECT_GE(RebuildsOfOneEvaluation(), 1u);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
	ExpectCurvesAt(Contour(), Samples(), 11, Range(0, 10));

	doc.SetFrame(6);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
}

TEST_F(GridComponent, OnTheFirstFrameEveryEvaluationRebuildsIt)
{
	Build(10, 1);
	for (int i = 0; i < 3; ++i)
		EXPECT_EQ(RebuildsOfOneEvaluation(), 1u) << "evaluation " << i;
}

TEST_F(GridComponent, EveryFailedAllocationOfARebuildLeavesAValidSpline)
{
	Build(20, 3);
	std::vector<SplineObject*> results;
	surfax::test::ForEachFailingAllocation(
	    2, [&] { grid->SetDirty(DIRTYFLAGS::DATA); },
	    [&]
	    {
		    SplineObject* spline = grid->GetNodeData<ObjectData>()->GetContour(grid, doc.Get(), 1.0, nullptr);
		    results.push_back(spline);
	    },
	    [&](std::int64_t)
	    {
		    SplineObject* spline = results.back();
		    results.pop_back();
		    if (spline == nullptr)
			    return; // not even the empty spline could be allocated
		    // Either the whole grid or an empty spline, never a part of one.
		    if (spline->GetPointCount() != 0)
			    ExpectCurvesAt(spline, Samples(), 21, {0, 3, 6, 9, 12, 15, 18, 20});
		    else
			    EXPECT_EQ(spline->GetSegmentCount(), 0);
		    SplineObject::Free(spline);
	    });
	for (SplineObject* spline : results)
		SplineObject::Free(spline);
}
