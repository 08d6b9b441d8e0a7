// The cage component below a plot object, through the loaded plug-in and the host's scene evaluation: the box, its
// rings and cross-sections, the spline's form and colour, when it is rebuilt, and rebuilds whose allocations fail.
#include "source/main.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotcage.h"

#include "host/user/actions.h"
#include "support/failing_allocations.h"
#include "support/host_fixture.h"

#include "ospline.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
class CageComponent : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	/// A plot (defaults: size 200, height 50) with a cage of the levels and divisions below it, evaluated once.
	void Build(Int32 levels, Int32 divisions)
	{
		plot = doc.Add(ID_PLOTOBJECT);
		cage = doc.Add(ID_PLOTCAGE, plot);
		ASSERT_NE(cage, nullptr);
		cage->GetDataInstanceRef().SetInt32(PLOTCAGE_LEVELS, levels);
		cage->GetDataInstanceRef().SetInt32(PLOTCAGE_DIVISIONS, divisions);
		cage->GetDataInstanceRef().SetVector(PLOTCAGE_COLOR, Vector(0.25, 0.5, 0.75));
		doc.Evaluate();
	}

	void Set(BaseObject* op, Int32 id, const GeData& value)
	{
		std::string error;
		ASSERT_TRUE(surfax::user::SetParameter(op, id, value, error)) << error;
	}

	const SplineObject* Contour() const
	{
		const BaseObject* cache = cage->GetCache();
		return cache != nullptr && cache->GetType() == Ospline ? static_cast<const SplineObject*>(cache) : nullptr;
	}

	SplineObject* ContourOfACall()
	{
		return cage->GetNodeData<ObjectData>()->GetContour(cage, doc.Get(), 1.0, nullptr);
	}

	UInt32 RebuildsOfOneEvaluation()
	{
		const UInt32 before = cage->GetDirty(DIRTYFLAGS::CACHE);
		doc.Evaluate();
		return cage->GetDirty(DIRTYFLAGS::CACHE) - before;
	}

	void ExpectColourSet() const
	{
		ObjectColorProperties color;
		cage->GetColorProperties(&color);
		EXPECT_EQ(color.color, Vector(0.25, 0.5, 0.75));
		EXPECT_EQ(color.usecolor, ID_BASEOBJECT_USECOLOR_AUTOMATIC);
		EXPECT_FALSE(color.xray);
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
	BaseObject* cage = nullptr;
};

std::vector<Int32> SegmentCounts(const SplineObject* spline)
{
	std::vector<Int32> counts;
	for (Int32 s = 0; s < spline->GetSegmentCount(); ++s)
		counts.push_back(spline->GetSegmentR()[s].cnt);
	return counts;
}

/// The points first .. first + expected.size() - 1 of the spline are the expected ones.
void ExpectPoints(const SplineObject* spline, Int32 first, const std::vector<Vector>& expected)
{
	ASSERT_LE(first + static_cast<Int32>(expected.size()), spline->GetPointCount());
	for (std::size_t i = 0; i < expected.size(); ++i)
	{
		const Vector& p = spline->GetPointR()[first + static_cast<Int32>(i)];
		EXPECT_NEAR(p.x, expected[i].x, 1e-9) << "point " << first + static_cast<Int32>(i);
		EXPECT_NEAR(p.y, expected[i].y, 1e-9) << "point " << first + static_cast<Int32>(i);
		EXPECT_NEAR(p.z, expected[i].z, 1e-9) << "point " << first + static_cast<Int32>(i);
	}
}

/// The box of half width 100 and half height 25: top and bottom rectangle, then the four vertical edges.
void ExpectDefaultBox(const SplineObject* spline)
{
	ExpectPoints(spline, 0,
	             {Vector(-100, 25, -100), Vector(100, 25, -100), Vector(100, 25, 100), Vector(-100, 25, 100),
	              Vector(-100, -25, -100), Vector(100, -25, -100), Vector(100, -25, 100), Vector(-100, -25, 100),
	              Vector(-100, 25, -100), Vector(-100, -25, -100), Vector(100, 25, -100), Vector(100, -25, -100),
	              Vector(100, 25, 100), Vector(100, -25, 100), Vector(-100, 25, 100), Vector(-100, -25, 100)});
}
} // namespace

TEST_F(CageComponent, DefaultsGiveAClosedLinearBoxOfThePlotsSizeAndHeight)
{
	Build(0, 0);
	const SplineObject* spline = Contour();
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetPointCount(), 16);
	EXPECT_EQ(SegmentCounts(spline), (std::vector<Int32>{4, 4, 2, 2, 2, 2}));
	EXPECT_EQ(spline->GetInterpolationType(), SPLINETYPE::LINEAR);
	EXPECT_TRUE(spline->IsClosed());
	EXPECT_TRUE(spline->GetDataInstanceRef().GetBool(SPLINEOBJECT_CLOSED));
	ExpectDefaultBox(spline);
	ExpectColourSet();
}

TEST_F(CageComponent, RingsRunFromTheTopDownAndCrossSectionsFromMinusBToPlusB)
{
	Build(4, 3);
	const SplineObject* spline = Contour();
	ASSERT_NE(spline, nullptr);
	ASSERT_EQ(spline->GetPointCount(), 16 + 16 + 24);
	EXPECT_EQ(SegmentCounts(spline), (std::vector<Int32>{4, 4, 2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
	ExpectDefaultBox(spline);
	const Float rings[] = {15.0, 5.0, -5.0, -15.0};
	for (Int32 k = 0; k < 4; ++k)
	{
		const Float y = rings[k];
		ExpectPoints(spline, 16 + 4 * k,
		             {Vector(-100, y, -100), Vector(100, y, -100), Vector(100, y, 100), Vector(-100, y, 100)});
	}
	const Float sections[] = {-50.0, 0.0, 50.0};
	for (Int32 m = 0; m < 3; ++m)
	{
		const Float t = sections[m];
		ExpectPoints(spline, 32 + 8 * m,
		             {Vector(t, 25, -100), Vector(t, 25, 100), Vector(t, -25, 100), Vector(t, -25, -100),
		              Vector(-100, 25, t), Vector(100, 25, t), Vector(100, -25, t), Vector(-100, -25, t)});
	}

	// One ring sits halfway, one pair of cross-sections through the middle.
	Set(cage, PLOTCAGE_LEVELS, GeData(1));
	Set(cage, PLOTCAGE_DIVISIONS, GeData(1));
	doc.Evaluate();
	spline = Contour();
	ASSERT_NE(spline, nullptr);
	ASSERT_EQ(spline->GetPointCount(), 16 + 4 + 8);
	ExpectPoints(spline, 16, {Vector(-100, 0, -100), Vector(100, 0, -100), Vector(100, 0, 100), Vector(-100, 0, 100)});
	ExpectPoints(spline, 20, {Vector(0, 25, -100), Vector(0, 25, 100), Vector(0, -25, 100), Vector(0, -25, -100)});
}

TEST_F(CageComponent, NegativeLevelsAndDivisionsCountAsNone)
{
	// The attribute panel keeps both at 0 or more; a document may still hold anything.
	Build(-3, std::numeric_limits<Int32>::min());
	const SplineObject* spline = Contour();
	ASSERT_NE(spline, nullptr);
	EXPECT_EQ(spline->GetPointCount(), 16);
	EXPECT_EQ(spline->GetSegmentCount(), 6);
	ExpectDefaultBox(spline);
}

TEST_F(CageComponent, FollowsTheSizeAndHeightOfItsPlot)
{
	Build(2, 0);
	Set(plot, PLOT_SIZE, GeData(60.0));
	Set(plot, PLOT_HEIGHT, GeData(40.0));
	doc.Evaluate();
	const SplineObject* spline = Contour();
	ASSERT_NE(spline, nullptr);
	ExpectPoints(spline, 0, {Vector(-30, 20, -30), Vector(30, 20, -30), Vector(30, 20, 30), Vector(-30, 20, 30)});
	ExpectPoints(spline, 4, {Vector(-30, -20, -30)});
	ExpectPoints(spline, 16, {Vector(-30, 20.0 / 3.0, -30)});
	ExpectPoints(spline, 20, {Vector(-30, -20.0 / 3.0, -30)});
}

TEST_F(CageComponent, OutsideAPlotOrSwitchedOffItIsAnEmptySplineWithItsColourSet)
{
	cage = doc.Add(ID_PLOTCAGE);
	ASSERT_NE(cage, nullptr);
	cage->GetDataInstanceRef().SetVector(PLOTCAGE_COLOR, Vector(0.25, 0.5, 0.75));
	doc.Evaluate();
	ASSERT_NE(Contour(), nullptr);
	EXPECT_EQ(Contour()->GetPointCount(), 0);
	EXPECT_EQ(Contour()->GetSegmentCount(), 0);
	ExpectColourSet();

	plot = doc.Add(ID_PLOTOBJECT);
	cage->Remove();
	cage->InsertUnder(plot);
	cage->SetDeformMode(false);
	SplineObject* off = ContourOfACall();
	ASSERT_NE(off, nullptr);
	EXPECT_EQ(off->GetPointCount(), 0);
	SplineObject::Free(off);
	cage->SetDeformMode(true);
	SplineObject* on = ContourOfACall();
	ASSERT_NE(on, nullptr);
	EXPECT_EQ(on->GetPointCount(), 16);
	SplineObject::Free(on);
}

TEST_F(CageComponent, WithinAFrameOnlyThePlotsSizeAndHeightRebuildIt)
{
	Build(0, 0);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
	Set(plot, PLOT_FORMULA, GeData(String("x * z")));
	Set(plot, PLOT_RESOLUTION, GeData(7));
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
	Set(plot, PLOT_SIZE, GeData(120.0));
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
	Set(plot, PLOT_HEIGHT, GeData(10.0));
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	ExpectPoints(Contour(), 0, {Vector(-60, 5, -60)});
	// Its own parameters and every frame change rebuild it too.
	Set(cage, PLOTCAGE_LEVELS, GeData(2));
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	doc.SetFrame(3);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 1u);
	EXPECT_EQ(RebuildsOfOneEvaluation(), 0u);
}

TEST_F(CageComponent, EveryFailedAllocationOfARebuildLeavesAValidSpline)
{
	Build(2, 1);
	std::vector<SplineObject*> results;
	surfax::test::ForEachFailingAllocation(
	    2, [] {}, [&] { results.push_back(ContourOfACall()); },
	    [&](std::int64_t)
	    {
		    SplineObject* spline = results.back();
		    results.pop_back();
		    if (spline == nullptr)
			    return; // not even the empty spline could be allocated
		    const Int32 points = spline->GetPointCount();
		    // The whole cage, its points without a segment table, or an empty spline.
		    EXPECT_TRUE(points == 0 || points == 16 + 8 + 8) << points;
		    if (points == 0)
			    EXPECT_EQ(spline->GetSegmentCount(), 0);
		    else
		    {
			    ExpectDefaultBox(spline);
			    EXPECT_TRUE(spline->GetSegmentCount() == 0 || spline->GetSegmentCount() == 6 + 2 + 2);
			    EXPECT_TRUE(spline->IsClosed());
		    }
		    SplineObject::Free(spline);
	    });
	for (SplineObject* spline : results)
		SplineObject::Free(spline);
}
