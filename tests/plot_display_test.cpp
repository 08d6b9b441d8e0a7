// The plot object in the viewport: what its object and handle passes draw from the sample cache, its bounding box,
// and its size and height handles. Drawing is recorded by the host's draw recorder; expected positions and colours
// come from the cache the real plug-in filled.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"

#include "host/draw/draw_recorder.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace cinema;
using surfax::draw::DrawCall;
using surfax::draw::DrawCallKind;
using surfax::draw::ObjectDrawing;
using surfax::test::TestDocument;

namespace
{
// Dots are drawn with the flag value 2048 alone, which is NOCLIP_D: no clipping at the view border.
constexpr Int32 kDotFlags = 2048;
static_assert(NOCLIP_D == kDotFlags);

void ExpectSameVector(const Vector& actual, const Vector& expected)
{
	EXPECT_DOUBLE_EQ(actual.x, expected.x);
	EXPECT_DOUBLE_EQ(actual.y, expected.y);
	EXPECT_DOUBLE_EQ(actual.z, expected.z);
}

class PlotDisplay : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
		// Small and moved, so the drawing matrix is not the identity and the sample count stays low.
		Params().SetInt32(PLOT_RESOLUTION, 6);
		plot->SetRelPos(Vector(10.0, -20.0, 30.0));
	}

	BaseContainer& Params() { return plot->GetDataInstanceRef(); }
	PlotObject& Data() { return *plot->GetNodeData<PlotObject>(); }
	const maxon::BaseArray<PlotSample>& Samples() { return Data().GetSamples(); }

	/// The plot's recording of one pass; fails the test when there is none.
	ObjectDrawing Drawing(DRAWPASS pass)
	{
		for (ObjectDrawing& d : surfax::draw::DrawDocument(doc.Get()))
		{
			if (d.object == plot && d.pass == pass)
				return d;
		}
		ADD_FAILURE() << "the plot was not drawn in pass " << static_cast<int>(pass);
		return ObjectDrawing();
	}

	/// Checks that the pass starts by setting the object's global matrix and returns the calls after it, which
	/// must come in groups of `perSample` calls, one group per sample.
	std::vector<DrawCall> SampleCalls(const ObjectDrawing& drawing, std::size_t perSample)
	{
		EXPECT_EQ(drawing.result, DRAWRESULT::OK);
		if (drawing.calls.empty())
		{
			ADD_FAILURE() << "nothing drawn";
			return {};
		}
		EXPECT_EQ(drawing.calls[0].kind, DrawCallKind::Matrix);
		EXPECT_EQ(drawing.calls[0].matrix, plot->GetMg());
		std::vector<DrawCall> rest(drawing.calls.begin() + 1, drawing.calls.end());
		EXPECT_EQ(rest.size(), static_cast<std::size_t>(Samples().GetCount()) * perSample);
		return rest;
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
};
} // namespace

TEST_F(PlotDisplay, EmptyCacheDrawsNothingAndReportsSkipInEveryPass)
{
	// Never executed, then disabled before its first execution and enabled again without one: no samples.
	for (int round = 0; round < 2; ++round)
	{
		ASSERT_TRUE(Samples().IsEmpty());
		for (DRAWPASS pass : {DRAWPASS::OBJECT, DRAWPASS::HANDLES})
		{
			const ObjectDrawing drawing = Drawing(pass);
			EXPECT_EQ(drawing.result, DRAWRESULT::SKIP);
			EXPECT_TRUE(drawing.calls.empty());
		}
		plot->SetDeformMode(false);
		doc.Evaluate();
		plot->SetDeformMode(true);
	}
}

TEST_F(PlotDisplay, DotsUseTwiceThePointSizeAndTheSampleColours)
{
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_DOT);
	Params().SetFloat(PLOT_POINTSIZE, 3.5);
	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), 49);
	const std::vector<DrawCall> calls = SampleCalls(Drawing(DRAWPASS::OBJECT), 3);
	for (std::size_t i = 0; i * 3 < calls.size(); ++i)
	{
		const PlotSample& sample = Samples()[static_cast<Int>(i)];
		const DrawCall* c = &calls[i * 3];
		ASSERT_EQ(c[0].kind, DrawCallKind::Pen);
		ExpectSameVector(c[0].a, sample.color);
		EXPECT_EQ(c[0].flags, 0);
		ASSERT_EQ(c[1].kind, DrawCallKind::PointSize);
		EXPECT_DOUBLE_EQ(c[1].value, 7.0);
		ASSERT_EQ(c[2].kind, DrawCallKind::Handle);
		ExpectSameVector(c[2].a, sample.position);
		EXPECT_EQ(c[2].type, static_cast<Int32>(DRAWHANDLE::CUSTOM));
		EXPECT_EQ(c[2].flags, kDotFlags);
	}
}

TEST_F(PlotDisplay, SpheresSitOnTheSamplesWithThePointSize)
{
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_SPHERE);
	Params().SetFloat(PLOT_POINTSIZE, 2.25);
	doc.Evaluate();
	const std::vector<DrawCall> calls = SampleCalls(Drawing(DRAWPASS::OBJECT), 2);
	for (std::size_t i = 0; i * 2 < calls.size(); ++i)
	{
		const PlotSample& sample = Samples()[static_cast<Int>(i)];
		const DrawCall* c = &calls[i * 2];
		ASSERT_EQ(c[0].kind, DrawCallKind::Pen);
		ExpectSameVector(c[0].a, sample.color);
		ASSERT_EQ(c[1].kind, DrawCallKind::Sphere);
		ExpectSameVector(c[1].a, sample.position);
		ExpectSameVector(c[1].b, Vector(2.25, 2.25, 2.25));
		ExpectSameVector(c[1].color, sample.color);
		EXPECT_EQ(c[1].flags, 0);
	}
}

TEST_F(PlotDisplay, CrossesOfPointSizeOneAreTwoUnitsWideAndHighParallelToXY)
{
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_CROSS);
	Params().SetFloat(PLOT_POINTSIZE, 1.0);
	doc.Evaluate();
	const std::vector<DrawCall> calls = SampleCalls(Drawing(DRAWPASS::OBJECT), 3);
	for (std::size_t i = 0; i * 3 < calls.size(); ++i)
	{
		const Vector& p = Samples()[static_cast<Int>(i)].position;
		const DrawCall* c = &calls[i * 3];
		ASSERT_EQ(c[0].kind, DrawCallKind::Pen);
		ASSERT_EQ(c[1].kind, DrawCallKind::Line);
		ASSERT_EQ(c[2].kind, DrawCallKind::Line);
		const Vector horizontal = c[1].b - c[1].a, vertical = c[2].b - c[2].a;
		ExpectSameVector(horizontal, Vector(2.0, 0.0, 0.0));
		ExpectSameVector(vertical, Vector(0.0, 2.0, 0.0));
		// Both lines are centred on the sample.
		ExpectSameVector((c[1].a + c[1].b) * 0.5, p);
		ExpectSameVector((c[2].a + c[2].b) * 0.5, p);
	}
}

TEST_F(PlotDisplay, UnknownDisplayModeSetsOnlyThePens)
{
	Params().SetInt32(PLOT_DISPLAY, 7);
	doc.Evaluate();
	for (const DrawCall& c : SampleCalls(Drawing(DRAWPASS::OBJECT), 1))
		EXPECT_EQ(c.kind, DrawCallKind::Pen);
}

TEST_F(PlotDisplay, HandlePassDrawsBothHandlesWithLinesToTheOrigin)
{
	Params().SetFloat(PLOT_SIZE, 120.0);
	Params().SetFloat(PLOT_HEIGHT, 30.0);
	doc.Evaluate();
	const ObjectDrawing drawing = Drawing(DRAWPASS::HANDLES);
	EXPECT_EQ(drawing.result, DRAWRESULT::OK);
	ASSERT_EQ(drawing.calls.size(), 7u);
	EXPECT_EQ(drawing.calls[0].kind, DrawCallKind::Matrix);
	EXPECT_EQ(drawing.calls[0].matrix, plot->GetMg());
	const Vector positions[] = {Vector(60.0, 0.0, 0.0), Vector(0.0, 15.0, 0.0)};
	for (int h = 0; h < 2; ++h)
	{
		const DrawCall* c = &drawing.calls[1 + h * 3];
		ASSERT_EQ(c[0].kind, DrawCallKind::Pen);
		// No handle is under the cursor in the stand-in.
		ExpectSameVector(c[0].a, GetViewColor(VIEWCOLOR_HANDLES));
		ASSERT_EQ(c[1].kind, DrawCallKind::Handle);
		ExpectSameVector(c[1].a, positions[h]);
		EXPECT_EQ(c[1].type, static_cast<Int32>(DRAWHANDLE::BIG));
		EXPECT_EQ(c[1].flags, 0);
		ASSERT_EQ(c[2].kind, DrawCallKind::Line);
		ExpectSameVector(c[2].a, positions[h]);
		ExpectSameVector(c[2].b, Vector());
	}
}

TEST_F(PlotDisplay, HandlesSitAtHalfTheSizeAndHeightAlongXAndY)
{
	Params().SetFloat(PLOT_SIZE, 80.0);
	Params().SetFloat(PLOT_HEIGHT, 12.0);
	ASSERT_EQ(Data().GetHandleCount(plot), 2);
	HandleInfo size, height;
	Data().GetHandle(plot, 0, size);
	Data().GetHandle(plot, 1, height);
	ExpectSameVector(size.position, Vector(40.0, 0.0, 0.0));
	ExpectSameVector(size.direction, Vector(1.0, 0.0, 0.0));
	ExpectSameVector(height.position, Vector(0.0, 6.0, 0.0));
	ExpectSameVector(height.direction, Vector(0.0, 1.0, 0.0));
	// The fields the plot does not set keep the host's defaults.
	const HandleInfo defaults;
	EXPECT_EQ(size.type, defaults.type);
	EXPECT_DOUBLE_EQ(size.radius, defaults.radius);
}

TEST_F(PlotDisplay, DraggingAHandleSetsTwiceItsDistanceWithinZeroAndTheLimit)
{
	HandleInfo size, height;
	Data().GetHandle(plot, 0, size);
	Data().GetHandle(plot, 1, height);

	// Only the component along the handle's direction counts.
	Data().SetHandle(plot, 0, Vector(150.0, 40.0, -9.0), size);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_SIZE), 300.0);
	Data().SetHandle(plot, 0, Vector(-5.0, 0.0, 0.0), size);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_SIZE), 0.0);
	Data().SetHandle(plot, 0, Vector(1e30, 0.0, 0.0), size);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_SIZE), 1e20);

	const Float sizeBefore = Params().GetFloat(PLOT_SIZE);
	Data().SetHandle(plot, 1, Vector(3.0, 17.5, 0.0), height);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_HEIGHT), 35.0);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_SIZE), sizeBefore);

	// A position that is not a number never reaches the parameters.
	Data().SetHandle(plot, 1, Vector(0.0, std::nan(""), 0.0), height);
	EXPECT_DOUBLE_EQ(Params().GetFloat(PLOT_HEIGHT), 35.0);
}

TEST_F(PlotDisplay, ADraggedSizeReachesTheSamplesAtTheNextExecution)
{
	doc.Evaluate();
	HandleInfo size;
	Data().GetHandle(plot, 0, size);
	Data().SetHandle(plot, 0, Vector(150.0, 0.0, 0.0), size);
	doc.Evaluate();
	double largestX = 0.0;
	for (const PlotSample& s : Samples())
		largestX = std::fmax(largestX, std::fabs(s.position.x));
	EXPECT_NEAR(largestX, 150.0, 1e-9);
}

TEST_F(PlotDisplay, BoundingBoxFollowsSizeAndHeightWhereverTheSamplesLie)
{
	// Unfitted values scaled up lie far above half the height.
	Params().SetInt32(PLOT_YMODE, PLOT_YMODE_NONE);
	Params().SetFloat(PLOT_SCALEPOS, 40.0);
	doc.Evaluate();
	double highest = 0.0;
	for (const PlotSample& s : Samples())
		highest = std::fmax(highest, s.position.y);
	ASSERT_GT(highest, 25.0);

	ExpectSameVector(plot->GetMp(), Vector());
	ExpectSameVector(plot->GetRad(), Vector(100.0, 25.0, 100.0));

	Params().SetFloat(PLOT_SIZE, 64.0);
	Params().SetFloat(PLOT_HEIGHT, 10.0);
	Vector mp(1.0, 2.0, 3.0), rad;
	Data().GetDimension(plot, &mp, &rad);
	ExpectSameVector(mp, Vector());
	ExpectSameVector(rad, Vector(32.0, 5.0, 32.0));
	// Absent outputs are skipped.
	Data().GetDimension(plot, nullptr, &rad);
	Data().GetDimension(plot, &mp, nullptr);
	ExpectSameVector(rad, Vector(32.0, 5.0, 32.0));
}
