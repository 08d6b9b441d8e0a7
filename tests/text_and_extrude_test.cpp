// The host's fonts, text splines and extrude objects: glyph outlines with their holes, the text spline's contour
// and size before any evaluation, and the extruded mesh (closed, consistently wound, caps with holes).
#include "customgui_fontchooser.h"
#include "lib_clipmap.h"
#include "oextrude.h"
#include "osplinetext.h"

#include "host/builtins/extrusion.h"
#include "host/core/interruption.h"
#include "host/fonts/font_library.h"
#include "host/fonts/glyph_outlines.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <map>
#include <utility>

using namespace cinema;
using surfax::builtins::BuildExtrusion;
using surfax::builtins::ContourSet;
using surfax::builtins::MeshData;

namespace
{
surfax::fonts::FontFace DefaultFace()
{
	surfax::fonts::FontFace face;
	EXPECT_TRUE(surfax::fonts::DefaultFontFace(false, face));
	return face;
}

ContourSet ContoursOf(const surfax::fonts::TextOutline& outline)
{
	ContourSet set;
	for (const surfax::fonts::Point2& p : outline.points)
		set.points.emplace_back(p.x, p.y, 0.0);
	for (const int size : outline.contourSizes)
	{
		set.sizes.push_back(size);
		set.closed.push_back(true);
	}
	return set;
}

/// Every edge of the mesh is used exactly twice, once in each direction: the mesh is closed and its polygons
/// agree on which side is out.
void ExpectClosedAndConsistent(const MeshData& mesh)
{
	std::map<std::pair<Int32, Int32>, int> edges;
	for (const CPolygon& p : mesh.polygons)
	{
		const Int32 v[4] = {p.a, p.b, p.c, p.d};
		const int n = p.IsTriangle() ? 3 : 4;
		for (int i = 0; i < n; ++i)
			++edges[{v[i], v[(i + 1) % n]}];
	}
	for (const auto& [edge, count] : edges)
	{
		EXPECT_EQ(count, 1) << edge.first << "-" << edge.second;
		EXPECT_EQ(edges.count({edge.second, edge.first}), 1u) << "open edge " << edge.first << "-" << edge.second;
	}
}

/// The signed volume (divergence theorem): positive when the polygons face outward by Cross(b - a, c - a).
double SignedVolume(const MeshData& mesh)
{
	double volume = 0.0;
	for (const CPolygon& p : mesh.polygons)
	{
		const Vector& a = mesh.points[static_cast<std::size_t>(p.a)];
		const Vector& b = mesh.points[static_cast<std::size_t>(p.b)];
		const Vector& c = mesh.points[static_cast<std::size_t>(p.c)];
		volume += Dot(a, Cross(b, c)) / 6.0;
		if (!p.IsTriangle())
			volume += Dot(a, Cross(c, mesh.points[static_cast<std::size_t>(p.d)])) / 6.0;
	}
	return volume;
}

/// Area of the start cap (the triangles whose points all lie at z = 0).
double StartCapArea(const MeshData& mesh)
{
	double area = 0.0;
	for (const CPolygon& p : mesh.polygons)
	{
		const Vector& a = mesh.points[static_cast<std::size_t>(p.a)];
		const Vector& b = mesh.points[static_cast<std::size_t>(p.b)];
		const Vector& c = mesh.points[static_cast<std::size_t>(p.c)];
		if (p.IsTriangle() && a.z == 0.0 && b.z == 0.0 && c.z == 0.0)
			area += Cross(b - a, c - a).GetLength() * 0.5;
	}
	return area;
}

TEST(GlyphOutlines, ZeroHasAnOuterContourAndAHoleAndAlignmentMovesTheText)
{
	const surfax::fonts::FontFace face = DefaultFace();
	surfax::fonts::TextOutline zero;
	ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, "0", 7.0, surfax::fonts::TextAlign::Left, zero));
	ASSERT_EQ(zero.contourSizes.size(), 2u);
	EXPECT_NEAR(zero.min.y, 0.0, 0.3); // on the baseline
	EXPECT_GT(zero.max.y, 4.0);        // digits stand about 0.73 em tall
	EXPECT_LT(zero.max.y, 7.0);
	EXPECT_GE(zero.min.x, 0.0);

	surfax::fonts::TextOutline right, centre;
	ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, "0", 7.0, surfax::fonts::TextAlign::Right, right));
	ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, "0", 7.0, surfax::fonts::TextAlign::Centre, centre));
	EXPECT_LE(right.max.x, 0.0);
	EXPECT_NEAR(centre.min.x + centre.max.x, 0.0, 0.05);

	surfax::fonts::TextOutline twoLines;
	ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, "8\na", 7.0, surfax::fonts::TextAlign::Left, twoLines));
	EXPECT_EQ(twoLines.contourSizes.size(), 5u); // "8" has three contours, "a" two
	EXPECT_LT(twoLines.min.y, -5.0);             // the second line lies below the first

	surfax::fonts::TextOutline missing;
	surfax::fonts::FontFace nowhere{"Nowhere", "Book", "/no/such/font.ttf", 0};
	EXPECT_FALSE(surfax::fonts::BuildTextOutline(nowhere, "0", 7.0, surfax::fonts::TextAlign::Left, missing));
	EXPECT_TRUE(missing.points.empty());
}

TEST(Extrusion, TheCapOfZeroKeepsItsHoleAndTheMeshIsClosedAndFacesOut)
{
	const surfax::fonts::FontFace face = DefaultFace();
	for (const char* text : {"0", "8", "a", "-180.0"})
	{
		SCOPED_TRACE(text);
		surfax::fonts::TextOutline outline;
		ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, text, 7.0, surfax::fonts::TextAlign::Left, outline));
		MeshData mesh;
		ASSERT_TRUE(BuildExtrusion(ContoursOf(outline), Vector(0.0, 0.0, 0.5), mesh));
		ExpectClosedAndConsistent(mesh);
		EXPECT_GT(SignedVolume(mesh), 0.0);
		// The cap's area is the volume over the depth; a filled hole would make the cap larger than that.
		EXPECT_NEAR(StartCapArea(mesh) * 0.5, SignedVolume(mesh), 1e-6 * std::abs(SignedVolume(mesh)) + 1e-9);
	}

	// A square with a square hole: the cap is the ring, 16 - 4.
	ContourSet ring;
	ring.points = {Vector(0, 0, 0), Vector(4, 0, 0), Vector(4, 4, 0), Vector(0, 4, 0),
	               Vector(1, 1, 0), Vector(3, 1, 0), Vector(3, 3, 0), Vector(1, 3, 0)};
	ring.sizes = {4, 4};
	ring.closed = {true, true}; // both counter-clockwise: the nesting alone makes the inner one a hole
	MeshData mesh;
	ASSERT_TRUE(BuildExtrusion(ring, Vector(0.0, 0.0, 2.0), mesh));
	ExpectClosedAndConsistent(mesh);
	EXPECT_NEAR(SignedVolume(mesh), 24.0, 1e-9);
	EXPECT_NEAR(StartCapArea(mesh), 12.0, 1e-9);

	// Extruding the other way still faces out.
	ASSERT_TRUE(BuildExtrusion(ring, Vector(0.0, 0.0, -2.0), mesh));
	ExpectClosedAndConsistent(mesh);
	EXPECT_NEAR(SignedVolume(mesh), 24.0, 1e-9);
}

namespace
{
/// Even-odd test of a point against one contour of the set (z ignored), written apart from the host's.
bool InsideContour(const ContourSet& set, std::size_t first, int size, double x, double y)
{
	bool inside = false;
	for (int i = 0, j = size - 1; i < size; j = i++)
	{
		const Vector& a = set.points[first + static_cast<std::size_t>(i)];
		const Vector& b = set.points[first + static_cast<std::size_t>(j)];
		if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
			inside = !inside;
	}
	return inside;
}

/// The even-odd area of contours that do not cross: each contour's area, added when it lies inside an even number of
/// others and taken away (a hole) when inside an odd number.
double EvenOddArea(const ContourSet& set)
{
	std::vector<std::size_t> firsts;
	std::size_t first = 0;
	for (const int size : set.sizes)
	{
		firsts.push_back(first);
		first += static_cast<std::size_t>(size);
	}
	double area = 0.0;
	for (std::size_t k = 0; k < set.sizes.size(); ++k)
	{
		double twice = 0.0;
		const int size = set.sizes[k];
		for (int i = 0; i < size; ++i)
		{
			const Vector& a = set.points[firsts[k] + static_cast<std::size_t>(i)];
			const Vector& b = set.points[firsts[k] + static_cast<std::size_t>((i + 1) % size)];
			twice += a.x * b.y - b.x * a.y;
		}
		const Vector& probe = set.points[firsts[k]];
		int depth = 0;
		for (std::size_t j = 0; j < set.sizes.size(); ++j)
			depth += j != k && InsideContour(set, firsts[j], set.sizes[j], probe.x, probe.y) ? 1 : 0;
		area += (depth % 2 == 0 ? 0.5 : -0.5) * std::abs(twice);
	}
	return area;
}
} // namespace

// Each glyph is capped on its own (the tessellator's time grew with the square of a legend's length), so the caps of
// a long text must be the same region as before: every counter a hole of its glyph, nothing filled, nothing lost.
TEST(Extrusion, ALongTextIsCappedGlyphByGlyphWithItsHolesAndNothingElse)
{
	const surfax::fonts::FontFace face = DefaultFace();
	for (const char* text : {"Formula: 0 8 a % @ B g &", "Formula: Sin(Sqrt((x * x) + (z * z))) / 0.5 + 100%",
	                         "0808080808080808080808080808080808080808"})
	{
		SCOPED_TRACE(text);
		surfax::fonts::TextOutline outline;
		ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, text, 7.0, surfax::fonts::TextAlign::Centre, outline));
		const ContourSet contours = ContoursOf(outline);
		MeshData mesh;
		ASSERT_TRUE(BuildExtrusion(contours, Vector(0.0, 0.0, 0.5), mesh));
		const double area = EvenOddArea(contours);
		EXPECT_NEAR(StartCapArea(mesh), area, 1e-6 * area);
		EXPECT_NEAR(SignedVolume(mesh), area * 0.5, 1e-6 * area);
	}

	// Contours that cross belong together: two overlapping squares make one cap, their even-odd union
	// (2 * 16 - 2 * 4 = 24), with the points where they cross added.
	ContourSet crossing;
	crossing.points = {Vector(0, 0, 0),  Vector(4, 0, 0),  Vector(4, 4, 0),  Vector(0, 4, 0),
	                   Vector(2, 2, 0),  Vector(6, 2, 0),  Vector(6, 6, 0),  Vector(2, 6, 0),
	                   Vector(10, 0, 0), Vector(11, 0, 0), Vector(11, 1, 0), Vector(10, 1, 0)};
	crossing.sizes = {4, 4, 4};
	crossing.closed = {true, true, true};
	MeshData mesh;
	ASSERT_TRUE(BuildExtrusion(crossing, Vector(0.0, 0.0, 1.0), mesh));
	EXPECT_NEAR(StartCapArea(mesh), 24.0 + 1.0, 1e-9);
}

TEST(Extrusion, AStopRequestEndsALongExtrusionWithNothing)
{
	const surfax::fonts::FontFace face = DefaultFace();
	std::string text = "Formula: ";
	for (int i = 0; i < 200; ++i)
		text += "x+";
	surfax::fonts::TextOutline outline;
	ASSERT_TRUE(surfax::fonts::BuildTextOutline(face, text, 7.0, surfax::fonts::TextAlign::Centre, outline));
	const ContourSet contours = ContoursOf(outline);
	// A depth of its own on every run, so that no earlier run (the test repeated in one process) answers from the
	// cache of extrusions.
	static int run = 0;
	const Vector move(0.0, 0.0, 0.5 + 1e-6 * ++run);
	MeshData mesh;
	surfax::core::RequestInterruption(SIGINT);
	EXPECT_FALSE(BuildExtrusion(contours, move, mesh));
	EXPECT_TRUE(mesh.points.empty() && mesh.polygons.empty());
	surfax::core::ClearInterruption();
	EXPECT_TRUE(BuildExtrusion(contours, move, mesh));
	EXPECT_FALSE(mesh.polygons.empty());
}

TEST(Extrusion, BadInputGivesNothing)
{
	ContourSet set;
	set.points = {Vector(0, 0, 0), Vector(1, 0, 0), Vector(NAN, 1, 0)};
	set.sizes = {3};
	set.closed = {true};
	MeshData mesh;
	EXPECT_FALSE(BuildExtrusion(set, Vector(0, 0, 1), mesh));
	EXPECT_TRUE(mesh.points.empty() && mesh.polygons.empty());
	set.points[2] = Vector(0, 1, 0);
	set.sizes = {4}; // more points than there are
	EXPECT_FALSE(BuildExtrusion(set, Vector(0, 0, 1), mesh));
}

TEST(Extrusion, NoContoursGiveAnEmptyMeshAlsoWhenTheCacheAnswers)
{
	// A label of size zero has no outline: the second request is answered from the cache of extrusions, whose
	// comparison of the (empty) point arrays once handed null pointers to memcmp.
	const ContourSet none;
	for (int request = 0; request < 2; ++request)
	{
		MeshData mesh;
		mesh.points = {Vector(1, 2, 3)};
		EXPECT_TRUE(BuildExtrusion(none, Vector(0, 0, 1), mesh));
		EXPECT_TRUE(mesh.points.empty() && mesh.polygons.empty());
	}
}

TEST(TextSpline, ReportsItsSizeBeforeEvaluationAndExtrudesIntoPolygons)
{
	surfax::test::TestDocument doc;
	BaseObject* extrude = doc.Add(Oextrude);
	ASSERT_NE(extrude, nullptr);
	BaseObject* text = doc.Add(Osplinetext, extrude);
	ASSERT_NE(text, nullptr);
	BaseContainer& bc = text->GetDataInstanceRef();
	bc.SetString(PRIM_TEXT_TEXT, "180.0"_s);
	bc.SetFloat(PRIM_TEXT_HEIGHT, 7.0);
	bc.SetInt32(PRIM_TEXT_ALIGN, PRIM_TEXT_ALIGN_RIGHT);
	const Vector rad = text->GetRad();
	const Vector mp = text->GetMp();
	EXPECT_GT(rad.x, 5.0);
	EXPECT_GT(rad.y, 2.0);
	EXPECT_EQ(rad.z, 0.0);
	EXPECT_LT(mp.x + rad.x, 0.01); // right aligned: ends at the origin

	extrude->GetDataInstanceRef().SetVector(EXTRUDEOBJECT_MOVE, Vector(0.0, 0.0, 1.0));
	doc.Evaluate();
	const SplineObject* contour = static_cast<const SplineObject*>(text->GetCache());
	ASSERT_NE(contour, nullptr);
	EXPECT_EQ(contour->GetSegmentCount(), 9); // 1, 8 (three), 0 (two), the point, 0 (two)
	EXPECT_TRUE(contour->IsClosed());
	EXPECT_EQ(text->GetRad(), rad); // the same size after the evaluation
	const PolygonObject* solid = static_cast<const PolygonObject*>(extrude->GetCache());
	ASSERT_NE(solid, nullptr);
	ASSERT_TRUE(solid->IsInstanceOf(Opolygon));
	EXPECT_GT(solid->GetPolygonCount(), 0);
	for (Int32 i = 0; i < solid->GetPointCount(); ++i)
		EXPECT_TRUE(solid->GetPointR()[i].z == 0.0 || solid->GetPointR()[i].z == 1.0);

	// The output stays while nothing changed and follows a change of the text.
	doc.Evaluate();
	EXPECT_EQ(extrude->GetCache(), static_cast<const BaseObject*>(solid));
	const Int32 before = solid->GetPolygonCount();
	bc.SetString(PRIM_TEXT_TEXT, "1"_s);
	text->Message(MSG_UPDATE);
	doc.Evaluate();
	ASSERT_NE(extrude->GetCache(), nullptr);
	EXPECT_LT(static_cast<const PolygonObject*>(extrude->GetCache())->GetPolygonCount(), before);
}

TEST(Fonts, TheFontListNamesItsFacesAndTheDefaultIsOneOfThem)
{
	BaseContainer list;
	GeClipMap::EnumerateFonts(&list, GE_CM_FONTSORT::FLAT);
	ASSERT_GT(list.GetEntryCount(), 0);
	const BaseContainer* first = list.GetContainerInstance(0);
	ASSERT_NE(first, nullptr);
	String display, family;
	ASSERT_TRUE(GeClipMap::GetFontName(first, GE_FONT_NAME_DISPLAY, &display));
	ASSERT_TRUE(GeClipMap::GetFontName(first, GE_FONT_NAME_FAMILY, &family));
	EXPECT_EQ(display.GetUtf8().rfind(family.GetUtf8(), 0), 0u);
	BaseContainer found;
	ASSERT_TRUE(GeClipMap::GetFontDescription(display, GE_FONT_NAME_DISPLAY, &found));
	String again;
	ASSERT_TRUE(GeClipMap::GetFontName(&found, GE_FONT_NAME_DISPLAY, &again));
	EXPECT_EQ(again, display);

	BaseContainer fallback;
	ASSERT_TRUE(GeClipMap::GetDefaultFont(GE_FONT_DEFAULT_SYSTEM, &fallback));
	EXPECT_TRUE(GeClipMap::GetFontName(&fallback, GE_FONT_NAME_DISPLAY, &display));
	BaseContainer empty;
	EXPECT_FALSE(GeClipMap::GetFontName(&empty, GE_FONT_NAME_DISPLAY, &display));

	// Without any font: no default, no names, and a text spline with an empty contour.
	surfax::fonts::SetInstalledFontsForTesting({});
	EXPECT_FALSE(GeClipMap::GetDefaultFont(GE_FONT_DEFAULT_SYSTEM, &fallback));
	surfax::test::TestDocument doc;
	BaseObject* text = doc.Add(Osplinetext);
	doc.Evaluate();
	surfax::fonts::SetInstalledFontsForTesting({}, true);
	ASSERT_NE(text->GetCache(), nullptr);
	EXPECT_EQ(static_cast<const SplineObject*>(text->GetCache())->GetPointCount(), 0);
}
} // namespace
