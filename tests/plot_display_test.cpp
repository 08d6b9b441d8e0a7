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

	/// One drawn element (handle, sphere or line) with the pen and point size in force when it was drawn.
	struct Drawn
	{
		DrawCall call;
		Vector pen;
		Float pointSize = 0.0;
		bool hasPen = false;
		bool hasPointSize = false;
	};

	/// Checks that the pass starts by setting the object's global matrix, and carries the pen and point size along
	/// the recording, so every element comes with the state it was drawn in. The recording keeps a state call only
	/// when it changes the state, so this is what the viewport shows whatever was left out.
	std::vector<Drawn> DrawnElements(const ObjectDrawing& drawing)
	{
		EXPECT_EQ(drawing.result, DRAWRESULT::OK);
		const std::vector<DrawCall> calls = drawing.calls.Expand();
		if (calls.empty())
		{
			ADD_FAILURE() << "nothing drawn";
			return {};
		}
		EXPECT_EQ(calls[0].kind, DrawCallKind::Matrix);
		EXPECT_EQ(calls[0].matrix, plot->GetMg());
		std::vector<Drawn> elements;
		Drawn state;
		for (std::size_t i = 1; i < calls.size(); ++i)
		{
			const DrawCall& c = calls[i];
			EXPECT_NE(c.kind, DrawCallKind::Matrix) << "the matrix is set once, before the samples";
			if (c.kind == DrawCallKind::Pen)
			{
				state.pen = c.a;
				state.hasPen = true;
				EXPECT_EQ(c.flags, 0);
			}
			else if (c.kind == DrawCallKind::PointSize)
			{
				state.pointSize = c.value;
				state.hasPointSize = true;
			}
			else
			{
				state.call = c;
				elements.push_back(state);
			}
		}
		return elements;
	}

	/// Number of records of one kind in a recording.
	static std::size_t CountOf(const ObjectDrawing& drawing, DrawCallKind kind)
	{
		std::size_t count = 0;
		for (const DrawCall& c : drawing.calls)
			count += c.kind == kind ? 1 : 0;
		return count;
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
	const std::vector<Drawn> dots = DrawnElements(Drawing(DRAWPASS::OBJECT));
	ASSERT_EQ(dots.size(), 49u);
	for (std::size_t i = 0; i < dots.size(); ++i)
	{
		const PlotSample& sample = Samples()[static_cast<Int>(i)];
		const Drawn& d = dots[i];
		ASSERT_TRUE(d.hasPen && d.hasPointSize);
		ExpectSameVector(d.pen, sample.color);
		EXPECT_DOUBLE_EQ(d.pointSize, 7.0);
		ASSERT_EQ(d.call.kind, DrawCallKind::Handle);
		ExpectSameVector(d.call.a, sample.position);
		EXPECT_EQ(d.call.type, static_cast<Int32>(DRAWHANDLE::CUSTOM));
		EXPECT_EQ(d.call.flags, kDotFlags);
	}
}

TEST_F(PlotDisplay, RecordingKeepsOnlyThePensAndPointSizesThatChangeTheState)
{
	// The plot sets the pen and the point size before every dot; only changes are recorded. The default formula
	// is zero along the rows at x = -180, 0 and 180, so neighbouring samples there share a colour.
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_DOT);
	doc.Evaluate();
	const ObjectDrawing drawing = Drawing(DRAWPASS::OBJECT);
	std::size_t colourChanges = 0;
	for (Int i = 0; i < Samples().GetCount(); ++i)
		colourChanges += (i == 0 || Samples()[i].color != Samples()[i - 1].color) ? 1 : 0;
	ASSERT_LT(colourChanges, static_cast<std::size_t>(Samples().GetCount()));
	EXPECT_EQ(CountOf(drawing, DrawCallKind::Pen), colourChanges);
	EXPECT_EQ(CountOf(drawing, DrawCallKind::PointSize), 1u);
	EXPECT_EQ(CountOf(drawing, DrawCallKind::Handle), static_cast<std::size_t>(Samples().GetCount()));
	EXPECT_EQ(drawing.calls.size(), 1 + colourChanges + 1 + static_cast<std::size_t>(Samples().GetCount()));
}

TEST_F(PlotDisplay, SpheresSitOnTheSamplesWithThePointSize)
{
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_SPHERE);
	Params().SetFloat(PLOT_POINTSIZE, 2.25);
	doc.Evaluate();
	const std::vector<Drawn> spheres = DrawnElements(Drawing(DRAWPASS::OBJECT));
	ASSERT_EQ(spheres.size(), static_cast<std::size_t>(Samples().GetCount()));
	for (std::size_t i = 0; i < spheres.size(); ++i)
	{
		const PlotSample& sample = Samples()[static_cast<Int>(i)];
		const Drawn& d = spheres[i];
		ASSERT_TRUE(d.hasPen);
		ExpectSameVector(d.pen, sample.color);
		ASSERT_EQ(d.call.kind, DrawCallKind::Sphere);
		ExpectSameVector(d.call.a, sample.position);
		ExpectSameVector(d.call.b, Vector(2.25, 2.25, 2.25));
		ExpectSameVector(d.call.color, sample.color);
		EXPECT_EQ(d.call.flags, 0);
	}
}

TEST_F(PlotDisplay, CrossesOfPointSizeOneAreTwoUnitsWideAndHighParallelToXY)
{
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_CROSS);
	Params().SetFloat(PLOT_POINTSIZE, 1.0);
	doc.Evaluate();
	const std::vector<Drawn> lines = DrawnElements(Drawing(DRAWPASS::OBJECT));
	ASSERT_EQ(lines.size(), 2 * static_cast<std::size_t>(Samples().GetCount()));
	for (std::size_t i = 0; i * 2 < lines.size(); ++i)
	{
		const PlotSample& sample = Samples()[static_cast<Int>(i)];
		const DrawCall& h = lines[i * 2].call;
		const DrawCall& v = lines[i * 2 + 1].call;
		ASSERT_EQ(h.kind, DrawCallKind::Line);
		ASSERT_EQ(v.kind, DrawCallKind::Line);
		ExpectSameVector(lines[i * 2].pen, sample.color);
		ExpectSameVector(h.b - h.a, Vector(2.0, 0.0, 0.0));
		ExpectSameVector(v.b - v.a, Vector(0.0, 2.0, 0.0));
		// Both lines are centred on the sample.
		ExpectSameVector((h.a + h.b) * 0.5, sample.position);
		ExpectSameVector((v.a + v.b) * 0.5, sample.position);
	}
}

TEST_F(PlotDisplay, UnknownDisplayModeSetsOnlyThePens)
{
	Params().SetInt32(PLOT_DISPLAY, 7);
	doc.Evaluate();
	const ObjectDrawing drawing = Drawing(DRAWPASS::OBJECT);
	EXPECT_TRUE(DrawnElements(drawing).empty());
	EXPECT_EQ(CountOf(drawing, DrawCallKind::Pen) + 1, drawing.calls.size());
}

TEST_F(PlotDisplay, HandlePassDrawsBothHandlesWithLinesToTheOrigin)
{
	Params().SetFloat(PLOT_SIZE, 120.0);
	Params().SetFloat(PLOT_HEIGHT, 30.0);
	doc.Evaluate();
	const ObjectDrawing drawing = Drawing(DRAWPASS::HANDLES);
	EXPECT_EQ(drawing.result, DRAWRESULT::OK);
	// Matrix, one pen (no handle is under the cursor in the stand-in, so both share it), then handle and line twice.
	const std::vector<DrawCall> calls = drawing.calls.Expand();
	ASSERT_EQ(calls.size(), 6u);
	EXPECT_EQ(calls[0].kind, DrawCallKind::Matrix);
	EXPECT_EQ(calls[0].matrix, plot->GetMg());
	ASSERT_EQ(calls[1].kind, DrawCallKind::Pen);
	// The handle colour, the application's id 91, which is not that of an active point (12).
	static_assert(VIEWCOLOR_HANDLES == 91 && VIEWCOLOR_ACTIVEPOINT == 12);
	ASSERT_NE(GetViewColor(VIEWCOLOR_HANDLES), GetViewColor(VIEWCOLOR_ACTIVEPOINT));
	ExpectSameVector(calls[1].a, GetViewColor(VIEWCOLOR_HANDLES));
	const Vector positions[] = {Vector(60.0, 0.0, 0.0), Vector(0.0, 15.0, 0.0)};
	for (int h = 0; h < 2; ++h)
	{
		const DrawCall* c = &calls[2 + h * 2];
		ASSERT_EQ(c[0].kind, DrawCallKind::Handle);
		ExpectSameVector(c[0].a, positions[h]);
		EXPECT_EQ(c[0].type, static_cast<Int32>(DRAWHANDLE::BIG));
		EXPECT_EQ(c[0].flags, 0);
		ASSERT_EQ(c[1].kind, DrawCallKind::Line);
		ExpectSameVector(c[1].a, positions[h]);
		ExpectSameVector(c[1].b, Vector());
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
