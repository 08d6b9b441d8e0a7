// Collecting evaluated documents for export: world space and the axis conversion, visibility, caches, colours,
// shading, splines and the handling of non-finite coordinates.
#include "host/export/export_scene.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotcage.h"
#include "res/description/o3dplotgrid.h"
#include "source/main.h"

#include "host/scene/node.h"
#include "support/export_scenes.h"
#include "support/host_fixture.h"

#include "ospline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

using namespace cinema;
using surfax::io::ColorSource;
using surfax::io::ExportLines;
using surfax::io::ExportMesh;
using surfax::io::ExportScene;
using surfax::test::AddPolygon;
using surfax::test::TestDocument;

namespace
{
ExportScene Collect(const TestDocument& doc)
{
	ExportScene scene;
	std::string error;
	EXPECT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	return scene;
}

// The point the host's p becomes in the exported (right-handed) space.
Vector Mirrored(const Vector& p)
{
	return Vector(p.x, p.y, -p.z);
}

Vector VertexAt(const std::vector<float>& positions, std::size_t i)
{
	return Vector(positions[i * 3], positions[i * 3 + 1], positions[i * 3 + 2]);
}

// Right-handed normal of triangle t: what a glTF reader takes as its front.
Vector TriangleFront(const ExportMesh& m, std::size_t t)
{
	const Vector a = VertexAt(m.positions, m.indices[t * 3]);
	const Vector b = VertexAt(m.positions, m.indices[t * 3 + 1]);
	const Vector c = VertexAt(m.positions, m.indices[t * 3 + 2]);
	return Vector((b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y),
	              (b.z - a.z) * (c.x - a.x) - (b.x - a.x) * (c.z - a.z),
	              (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
}

void ExpectNear(const Vector& actual, const Vector& expected, double tolerance = 1e-4)
{
	EXPECT_NEAR(actual.x, expected.x, tolerance);
	EXPECT_NEAR(actual.y, expected.y, tolerance);
	EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// The distance from p to the polyline of `count` vertices from `first`.
double DistanceToStrip(const Vector& p, const std::vector<float>& positions, std::size_t first, std::size_t count)
{
	double best = (p - VertexAt(positions, first)).GetLength();
	for (std::size_t i = first; i + 1 < first + count; ++i)
	{
		const Vector a = VertexAt(positions, i), ab = VertexAt(positions, i + 1) - a;
		const double length2 = ab.GetSquaredLength();
		const double t = length2 > 0.0 ? std::clamp(Dot(p - a, ab) / length2, 0.0, 1.0) : 0.0;
		best = std::min(best, (p - (a + ab * t)).GetLength());
	}
	return best;
}

// Every strip of `lines` follows its segment of the spline: it starts and ends where the curve does, holds every
// spline point of the segment as a vertex, in order, and the curve (sampled 4000 times per segment) never strays
// further from it than kSplineTolerance of the spline's largest extent (plus float rounding). `offset` is where the
// spline sits in the world.
void ExpectStripsFollowTheCurve(const SplineObject* spline, const ExportLines& lines, const Vector& offset = Vector())
{
	Vector lo = spline->GetPointR()[0], hi = lo;
	for (Int32 i = 0; i < spline->GetPointCount(); ++i)
	{
		const Vector p = spline->GetPointR()[i];
		lo = Vector(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
		hi = Vector(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
	}
	const double extent = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
	const double tolerance = extent * surfax::io::kSplineTolerance + extent * 1e-6;
	std::size_t first = 0;
	Int32 point = 0;
	for (Int32 segment = 0; segment < static_cast<Int32>(lines.stripCounts.size()); ++segment)
	{
		const std::size_t count = lines.stripCounts[static_cast<std::size_t>(segment)];
		const Int32 points =
		    spline->GetSegmentCount() > 0 ? spline->GetSegmentR()[segment].cnt : spline->GetPointCount();
		std::size_t vertex = first;
		for (Int32 k = 0; k < points; ++k)
		{
			const Vector expected = Mirrored(spline->GetPointR()[point + k] + offset);
			while (vertex < first + count && (VertexAt(lines.positions, vertex) - expected).GetLength() > 1e-3)
				++vertex;
			EXPECT_LT(vertex, first + count) << "spline point " << point + k << " is no vertex of strip " << segment;
		}
		ExpectNear(VertexAt(lines.positions, first), Mirrored(spline->GetSplinePoint(0.0, segment) + offset));
		ExpectNear(VertexAt(lines.positions, first + count - 1),
		           Mirrored(spline->GetSplinePoint(1.0, segment) + offset));
		double worst = 0.0;
		for (int k = 0; k <= 4000; ++k)
			worst = std::max(worst, DistanceToStrip(Mirrored(spline->GetSplinePoint(k / 4000.0, segment) + offset),
			                                        lines.positions, first, count));
		EXPECT_LE(worst, tolerance) << "segment " << segment;
		first += count;
		point += points;
	}
}

bool AllFinite(const std::vector<float>& values)
{
	for (const float v : values)
	{
		if (!std::isfinite(v))
			return false;
	}
	return true;
}

void SetDisplayColor(BaseObject* op, const Vector& color)
{
	ObjectColorProperties p;
	p.color = color;
	p.usecolor = ID_BASEOBJECT_USECOLOR_ALWAYS;
	op->SetColorProperties(&p);
}

// Two quads meeting at a ridge along z at x = 1 (a roof), each tilted 45 degrees; points 0..5.
PolygonObject* AddRoof(TestDocument& doc)
{
	return AddPolygon(
	    doc, {Vector(0, 0, 0), Vector(1, 1, 0), Vector(2, 0, 0), Vector(0, 0, 1), Vector(1, 1, 1), Vector(2, 0, 1)},
	    {CPolygon(0, 3, 4, 1), CPolygon(1, 4, 5, 2)});
}

std::size_t FindVertex(const ExportMesh& m, const Vector& p)
{
	for (std::size_t i = 0; i < m.VertexCount(); ++i)
	{
		if ((VertexAt(m.positions, i) - p).GetLength() < 1e-6)
			return i;
	}
	ADD_FAILURE() << "no vertex at " << p.x << " " << p.y << " " << p.z;
	return 0;
}
} // namespace

TEST(ExportCoordinates, MirrorsZAndReversesTheWindingOfAKnownTriangle)
{
	TestDocument doc;
	// Faces up (+y) in the host: Cross(b - a, c - a) = Cross((0,0,1), (1,0,0)) = (0,1,0).
	PolygonObject* tri = AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0)}, {CPolygon(0, 1, 2)});
	tri->SetRelPos(Vector(2, 3, 4));
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.meshes.size(), 1u);
	const ExportMesh& m = scene.meshes[0];
	ASSERT_EQ(m.TriangleCount(), 1u);
	// a, then c, then b: the reversed order of the mirrored points.
	ExpectNear(VertexAt(m.positions, m.indices[0]), Vector(2, 3, -4));
	ExpectNear(VertexAt(m.positions, m.indices[1]), Vector(3, 3, -4));
	ExpectNear(VertexAt(m.positions, m.indices[2]), Vector(2, 3, -5));
	const Vector front = TriangleFront(m, 0);
	EXPECT_GT(front.y, 0.0) << "the triangle must still face up";
	for (std::size_t i = 0; i < 3; ++i)
		ExpectNear(VertexAt(m.normals, i), Vector(0, 1, 0));
}

TEST(ExportCoordinates, ClosedSolidsFaceOutwardAndNormalsAgreeWithTheWinding)
{
	TestDocument doc;
	BaseObject* parent = doc.Add(Onull);
	parent->SetRelPos(Vector(50, -20, 30));
	parent->SetRelRot(Vector(0.7, 0.3, -0.2));
	BaseObject* cube = doc.Add(Ocube, parent);
	cube->SetRelPos(Vector(10, 0, 0));
	BaseObject* sphere = doc.Add(Osphere, parent);
	sphere->SetRelPos(Vector(-300, 0, 0));
	sphere->MakeTag(Tphong);
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.meshes.size(), 2u);
	const BaseObject* solids[2] = {cube, sphere};
	for (std::size_t k = 0; k < 2; ++k)
	{
		const ExportMesh& m = scene.meshes[k];
		const Vector centre = Mirrored(solids[k]->GetMg().off);
		ASSERT_GT(m.TriangleCount(), 0u);
		int inward = 0, disagreeing = 0;
		for (std::size_t t = 0; t < m.TriangleCount(); ++t)
		{
			const Vector front = TriangleFront(m, t);
			const Vector centroid =
			    (VertexAt(m.positions, m.indices[t * 3]) + VertexAt(m.positions, m.indices[t * 3 + 1]) +
			     VertexAt(m.positions, m.indices[t * 3 + 2])) /
			    3.0;
			if (!(Dot(front, centroid - centre) > 0.0))
				++inward;
			for (std::size_t c = 0; c < 3; ++c)
			{
				const Vector n = VertexAt(m.normals, m.indices[t * 3 + c]);
				EXPECT_NEAR(n.GetLength(), 1.0, 1e-5);
				if (!(Dot(n, front) > 0.0))
					++disagreeing;
			}
		}
		EXPECT_EQ(inward, 0) << m.name;
		EXPECT_EQ(disagreeing, 0) << m.name;
	}
}

TEST(ExportHierarchy, AppliesEveryAncestorsMatrixInWorldSpace)
{
	TestDocument doc;
	BaseObject* outer = doc.Add(Onull);
	outer->SetRelPos(Vector(100, 0, 0));
	outer->SetRelScale(Vector(2, 2, 2));
	BaseObject* inner = doc.Add(Onull, outer);
	inner->SetRelPos(Vector(0, 10, 0));
	inner->SetRelRot(Vector(PI05, 0, 0));
	PolygonObject* tri =
	    AddPolygon(doc, {Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1)}, {CPolygon(0, 1, 2)}, inner);
	const Matrix mg = tri->GetMg();
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.meshes.size(), 1u);
	const ExportMesh& m = scene.meshes[0];
	for (const Vector& p : {Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1)})
		FindVertex(m, Mirrored(mg * p));
	// The parent's scale of 2 and position reach the points: (0, 1, 0) lies at 100 + 2 * (0, 10 + 1, 0).
	FindVertex(m, Vector(100, 22, 0));
}

TEST(ExportVisibility, LeavesOutSwitchedOffObjectsWithTheirChildrenAndDisabledGeneratorsWithoutThem)
{
	TestDocument doc;
	auto triangle = [&doc](const char* name, BaseObject* parent)
	{
		PolygonObject* p =
		    AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0)}, {CPolygon(0, 1, 2)}, parent);
		p->SetName(String(name));
		return p;
	};
	BaseObject* editorOff = doc.Add(Onull);
	editorOff->SetEditorMode(MODE_OFF);
	triangle("below editor-off", editorOff);
	BaseObject* renderOff = doc.Add(Onull);
	renderOff->SetRenderMode(MODE_OFF);
	triangle("below render-off", renderOff);
	triangle("render-off itself", nullptr)->SetRenderMode(MODE_OFF);
	BaseObject* on = doc.Add(Onull);
	on->SetEditorMode(MODE_ON);
	triangle("below on", on);
	triangle("undefined", nullptr)->SetEditorMode(MODE_UNDEF);
	// A disabled generator builds nothing, but its children are still there.
	BaseObject* cube = doc.Add(Ocube);
	cube->SetName(String("disabled cube"));
	cube->SetDeformMode(false);
	triangle("below disabled", cube);

	const ExportScene scene = Collect(doc);
	std::set<std::string> names;
	for (const ExportMesh& m : scene.meshes)
		names.insert(m.name);
	EXPECT_EQ(names, (std::set<std::string>{"below on", "undefined", "below disabled"}));
}

TEST(ExportCache, CacheStandsForTheGeneratorWithItsChildrenAndTheGeneratorsColour)
{
	TestDocument doc;
	BaseObject* generator = doc.Add(Onull);
	generator->SetName(String("chart"));
	generator->SetRelPos(Vector(0, 100, 0));
	SetDisplayColor(generator, Vector(1, 0, 0));
	// A child in the document does not take the generator's colour.
	AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0)}, {CPolygon(0, 1, 2)}, generator)
	    ->SetName(String("document child"));

	PolygonObject* cache = PolygonObject::Alloc(3, 1);
	ASSERT_NE(cache, nullptr);
	cache->SetName(String("Polygon"));
	Vector* p = cache->GetPointW();
	p[0] = Vector(0, 0, 0);
	p[1] = Vector(0, 0, 1);
	p[2] = Vector(1, 0, 0);
	cache->GetPolygonW()[0] = CPolygon(0, 1, 2);
	SplineObject* outline = SplineObject::Alloc(2, SPLINETYPE::LINEAR);
	ASSERT_NE(outline, nullptr);
	outline->GetPointW()[1] = Vector(0, 5, 0);
	outline->InsertUnderLast(cache);
	PolygonObject* blue = PolygonObject::Alloc(0, 0);
	ASSERT_NE(blue, nullptr);
	blue->ResizeObject(1, 0);
	SetDisplayColor(blue, Vector(0, 0, 1));
	blue->InsertUnderLast(cache);
	Host(generator).cache = cache; // the generator now owns it

	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.meshes.size(), 2u);
	// Document order: the generator's output, then its children.
	EXPECT_EQ(scene.meshes[0].name, "chart");
	EXPECT_EQ(scene.meshes[0].colorSource, ColorSource::Display);
	EXPECT_EQ(scene.meshes[0].color[0], 1.0f);
	EXPECT_EQ(scene.meshes[0].color[2], 0.0f);
	FindVertex(scene.meshes[0], Vector(0, 100, 0));
	EXPECT_EQ(scene.meshes[1].name, "document child");
	EXPECT_EQ(scene.meshes[1].colorSource, ColorSource::Neutral);
	ASSERT_EQ(scene.lines.size(), 1u);
	EXPECT_EQ(scene.lines[0].colorSource, ColorSource::Display);
	EXPECT_EQ(scene.lines[0].color[0], 1.0f);
	ExpectNear(VertexAt(scene.lines[0].positions, 1), Vector(0, 105, 0));
	ASSERT_EQ(scene.points.size(), 1u);
	EXPECT_EQ(scene.points[0].color[2], 1.0f);
	EXPECT_EQ(scene.points[0].color[0], 0.0f);
}

TEST(ExportNonFinite, DropsEveryPrimitiveThatUsesANonFiniteCoordinateAndCountsIt)
{
	TestDocument doc;
	// Two quads side by side; point 5 only belongs to the second.
	PolygonObject* grid = AddPolygon(doc,
	                                 {Vector(0, 0, 0), Vector(1, 0, 0), Vector(2, 0, 0), Vector(0, 0, 1),
	                                  Vector(1, 0, 1), Vector(2, std::numeric_limits<double>::infinity(), 1)},
	                                 {CPolygon(0, 3, 4, 1), CPolygon(1, 4, 5, 2)});
	grid->MakeTag(Tphong);
	// Finite as a double, but not as the float a file stores.
	AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1e300, 0, 0), Vector(1, 0, 0)},
	           {CPolygon(0, 1, 2), CPolygon(0, 1, 3)});
	SplineObject* line = SplineObject::Alloc(5, SPLINETYPE::LINEAR);
	ASSERT_NE(line, nullptr);
	for (Int32 i = 0; i < 5; ++i)
		line->GetPointW()[i] = Vector(i, 0, 0);
	line->GetPointW()[2].y = std::nan("");
	line->InsertUnderLast(doc.Get());
	PolygonObject* cloud =
	    AddPolygon(doc, {Vector(0, 0, 0), Vector(-std::numeric_limits<double>::infinity(), 0, 0)}, {});

	const ExportScene scene = Collect(doc);
	EXPECT_EQ(scene.dropped.triangles, 3u); // the second quad's two halves and the 1e300 triangle
	EXPECT_EQ(scene.dropped.lineSegments, 2u);
	EXPECT_EQ(scene.dropped.points, 1u);
	ASSERT_EQ(scene.meshes.size(), 2u);
	EXPECT_EQ(scene.meshes[0].TriangleCount(), 2u);
	EXPECT_EQ(scene.meshes[1].TriangleCount(), 1u);
	ASSERT_EQ(scene.lines.size(), 1u);
	EXPECT_EQ(scene.lines[0].stripCounts, (std::vector<std::uint32_t>{2, 2}));
	ASSERT_EQ(scene.points.size(), 1u);
	EXPECT_EQ(scene.points[0].VertexCount(), 1u);
	for (const ExportMesh& m : scene.meshes)
	{
		EXPECT_TRUE(AllFinite(m.positions));
		EXPECT_TRUE(AllFinite(m.normals));
	}
	EXPECT_TRUE(AllFinite(scene.lines[0].positions));
	(void)cloud;

	const std::string warning = surfax::io::DroppedWarning(scene.dropped);
	EXPECT_NE(warning.find("3 triangles"), std::string::npos) << warning;
	EXPECT_NE(warning.find("2 line segments"), std::string::npos) << warning;
	EXPECT_NE(warning.find("1 point "), std::string::npos) << warning;
	EXPECT_EQ(surfax::io::DroppedWarning({}), "");
}

TEST(ExportShading, PhongTagSharesPointsAndAveragesTheirFaceNormals)
{
	TestDocument doc;
	PolygonObject* roof = AddRoof(doc);
	const ExportScene flat = Collect(doc);
	roof->MakeTag(Tphong);
	const ExportScene smooth = Collect(doc);

	// Host normals of the two slopes by Cross(b - a, c - a), then mirrored.
	const Vector left = Mirrored(Cross(Vector(0, 0, 1), Vector(1, 1, 1)).GetNormalized());
	const Vector right = Mirrored(Cross(Vector(0, 0, 1), Vector(1, -1, 1)).GetNormalized());
	ASSERT_EQ(flat.meshes.size(), 1u);
	const ExportMesh& f = flat.meshes[0];
	EXPECT_EQ(f.VertexCount(), 8u); // every polygon has corners of its own
	for (std::size_t t = 0; t < f.TriangleCount(); ++t)
	{
		const Vector n = VertexAt(f.normals, f.indices[t * 3]);
		const Vector expected = t < 2 ? left : right;
		ExpectNear(n, expected);
		EXPECT_GT(Dot(TriangleFront(f, t), n), 0.0);
	}
	ASSERT_EQ(smooth.meshes.size(), 1u);
	const ExportMesh& s = smooth.meshes[0];
	EXPECT_EQ(s.VertexCount(), 6u);
	ExpectNear(VertexAt(s.normals, FindVertex(s, Vector(1, 1, 0))), (left + right).GetNormalized());
	ExpectNear(VertexAt(s.normals, FindVertex(s, Vector(0, 0, -1))), left);
	ExpectNear(VertexAt(s.normals, FindVertex(s, Vector(2, 0, -1))), right);
}

TEST(ExportShading, UvsComeFromTheTagAndSplitSharedPointsOnlyWhereTheyDiffer)
{
	TestDocument doc;
	PolygonObject* roof = AddRoof(doc);
	roof->MakeTag(Tphong);
	UVWTag* uvw = static_cast<UVWTag*>(roof->MakeVariableTag(Tuvw, 2));
	ASSERT_NE(uvw, nullptr);
	// Continuous across the ridge: each point has one uv.
	UVWTag::Set(uvw->GetDataAddressW(), 0,
	            UVWStruct(Vector(0, 0, 0), Vector(0, 1, 0), Vector(0.5, 1, 0), Vector(0.5, 0, 0)));
	UVWTag::Set(uvw->GetDataAddressW(), 1,
	            UVWStruct(Vector(0.5, 0, 0), Vector(0.5, 1, 0), Vector(1, 1, 0), Vector(1, 0, 0)));
	const ExportScene shared = Collect(doc);
	ASSERT_EQ(shared.meshes.size(), 1u);
	const ExportMesh& m = shared.meshes[0];
	EXPECT_EQ(m.VertexCount(), 6u);
	ASSERT_EQ(m.uvs.size(), 12u);
	const std::size_t top = FindVertex(m, Vector(1, 1, -1));
	EXPECT_FLOAT_EQ(m.uvs[top * 2], 0.5f);
	EXPECT_FLOAT_EQ(m.uvs[top * 2 + 1], 1.0f);

	// A seam along the ridge: the second polygon starts its own u range there.
	UVWTag::Set(uvw->GetDataAddressW(), 1,
	            UVWStruct(Vector(0, 0, 0), Vector(0, 1, 0), Vector(1, 1, 0), Vector(1, 0, 0)));
	const ExportScene seam = Collect(doc);
	ASSERT_EQ(seam.meshes.size(), 1u);
	EXPECT_EQ(seam.meshes[0].VertexCount(), 8u);
}

TEST(ExportColours, VertexColourTagComesBeforeTheDisplayColourWhichComesBeforeGrey)
{
	TestDocument doc;
	const std::vector<Vector> points = {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0)};
	PolygonObject* painted = AddPolygon(doc, points, {CPolygon(0, 1, 2)});
	SetDisplayColor(painted, Vector(0, 1, 0));
	VertexColorTag* colors = static_cast<VertexColorTag*>(painted->MakeVariableTag(Tvertexcolor, 3));
	ASSERT_NE(colors, nullptr);
	VertexColorTag::Set(colors->GetDataAddressW(), nullptr, nullptr, 0, maxon::ColorA32(1, 0, 0, 1));
	VertexColorTag::Set(colors->GetDataAddressW(), nullptr, nullptr, 1, maxon::ColorA32(0, 1, 0, 1));
	// Out of range and NaN channels are brought into 0..1.
	VertexColorTag::Set(colors->GetDataAddressW(), nullptr, nullptr, 2, maxon::ColorA32(2, std::nanf(""), -1, 1));
	SetDisplayColor(AddPolygon(doc, points, {CPolygon(0, 1, 2)}), Vector(0.25, 0.5, 0.75));
	AddPolygon(doc, points, {CPolygon(0, 1, 2)});

	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.meshes.size(), 3u);
	const ExportMesh& v = scene.meshes[0];
	EXPECT_EQ(v.colorSource, ColorSource::VertexColors);
	ASSERT_EQ(v.colors.size(), 12u);
	const std::size_t red = FindVertex(v, Mirrored(points[0]));
	const std::size_t green = FindVertex(v, Mirrored(points[1]));
	const std::size_t odd = FindVertex(v, Mirrored(points[2]));
	EXPECT_EQ(std::vector<float>(v.colors.begin() + red * 4, v.colors.begin() + red * 4 + 4),
	          (std::vector<float>{1, 0, 0, 1}));
	EXPECT_EQ(std::vector<float>(v.colors.begin() + green * 4, v.colors.begin() + green * 4 + 4),
	          (std::vector<float>{0, 1, 0, 1}));
	EXPECT_EQ(std::vector<float>(v.colors.begin() + odd * 4, v.colors.begin() + odd * 4 + 4),
	          (std::vector<float>{1, 0, 0, 1}));

	EXPECT_EQ(scene.meshes[1].colorSource, ColorSource::Display);
	EXPECT_TRUE(scene.meshes[1].colors.empty());
	EXPECT_FLOAT_EQ(scene.meshes[1].color[1], 0.5f);
	EXPECT_EQ(scene.meshes[2].colorSource, ColorSource::Neutral);
	EXPECT_FLOAT_EQ(scene.meshes[2].color[0], surfax::io::kNeutralGrey[0]);
}

TEST(ExportSplines, LinearSegmentsKeepTheirPointsAndClosedOnesReturnToTheStart)
{
	TestDocument doc;
	SplineObject* spline = SplineObject::Alloc(5, SPLINETYPE::LINEAR);
	ASSERT_NE(spline, nullptr);
	ASSERT_TRUE(spline->ResizeObject(5, 2));
	for (Int32 i = 0; i < 5; ++i)
		spline->GetPointW()[i] = Vector(i, i * i, 1);
	spline->GetSegmentW()[0] = Segment{3, true};
	spline->GetSegmentW()[1] = Segment{2, false};
	spline->InsertUnderLast(doc.Get());
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.lines.size(), 1u);
	const ExportLines& l = scene.lines[0];
	EXPECT_EQ(l.stripCounts, (std::vector<std::uint32_t>{4, 2}));
	EXPECT_EQ(l.SegmentCount(), 4u);
	ExpectNear(VertexAt(l.positions, 3), VertexAt(l.positions, 0));
	ExpectNear(VertexAt(l.positions, 5), Vector(4, 16, -1));

	// The object's closed flag closes a spline without segment records.
	SplineObject* ring = SplineObject::Alloc(3, SPLINETYPE::LINEAR);
	ASSERT_NE(ring, nullptr);
	ring->GetDataInstance()->SetBool(SPLINEOBJECT_CLOSED, true);
	ring->InsertUnderLast(doc.Get());
	const ExportScene withRing = Collect(doc);
	ASSERT_EQ(withRing.lines.size(), 2u);
	EXPECT_EQ(withRing.lines[1].stripCounts, (std::vector<std::uint32_t>{4}));
}

TEST(ExportSplines, CubicSplinesPassThroughTheirPointsAndCurveBetweenThem)
{
	TestDocument doc;
	const std::vector<Vector> corners = {Vector(0, 0, 0), Vector(10, 0, 0), Vector(10, 0, 10), Vector(0, 0, 10)};
	for (const bool closed : {false, true})
	{
		SplineObject* spline = SplineObject::Alloc(4, SPLINETYPE::CUBIC);
		ASSERT_NE(spline, nullptr);
		for (Int32 i = 0; i < 4; ++i)
			spline->GetPointW()[i] = corners[static_cast<std::size_t>(i)];
		spline->GetDataInstance()->SetBool(SPLINEOBJECT_CLOSED, closed);
		spline->InsertUnderLast(doc.Get());
	}
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.lines.size(), 2u);
	const BaseObject* spline = doc.Get()->GetFirstObject();
	for (std::size_t k = 0; k < 2; ++k, spline = spline->GetNext())
	{
		const ExportLines& l = scene.lines[k];
		ASSERT_EQ(l.stripCounts.size(), 1u);
		ExpectStripsFollowTheCurve(static_cast<const SplineObject*>(spline), l);
		// Such a bent curve takes many steps per span, and somewhere in the second span it bulges outside the
		// square's edge x = 10.
		EXPECT_GT(l.VertexCount(), (k == 0 ? 3u : 4u) * 8u);
		double furthest = 0.0;
		for (std::size_t i = 0; i < l.VertexCount(); ++i)
			furthest = std::max(furthest, VertexAt(l.positions, i).x);
		EXPECT_GT(furthest, 10.5);
		// No sharp turns: consecutive steps never turn by more than 45 degrees.
		for (std::size_t i = 1; i + 1 < l.VertexCount(); ++i)
		{
			const Vector a = VertexAt(l.positions, i) - VertexAt(l.positions, i - 1);
			const Vector b = VertexAt(l.positions, i + 1) - VertexAt(l.positions, i);
			EXPECT_GT(Dot(a.GetNormalized(), b.GetNormalized()), std::cos(PI / 4.0)) << "at " << i;
		}
	}
}

TEST(ExportSplines, SplinePointsLieOnTheExportedCurveForEveryTypeAndSegment)
{
	TestDocument doc;
	SplineObject* spline = SplineObject::Alloc(9, SPLINETYPE::CUBIC);
	ASSERT_NE(spline, nullptr);
	ASSERT_TRUE(spline->ResizeObject(9, 3));
	const Vector corners[] = {Vector(0, 0, 0), Vector(10, 0, 0), Vector(10, 5, 10), Vector(0, 0, 10)};
	for (Int32 i = 0; i < 4; ++i)
	{
		spline->GetPointW()[i] = corners[i];
		spline->GetPointW()[4 + i] = corners[i] * 2.0;
	}
	spline->GetPointW()[8] = Vector(7, 7, 7);
	spline->GetSegmentW()[0] = Segment{4, false};
	spline->GetSegmentW()[1] = Segment{4, true};
	spline->GetSegmentW()[2] = Segment{1, false};
	spline->InsertUnderLast(doc.Get());
	ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.lines.size(), 1u);
	// A lone point makes no strip.
	ASSERT_EQ(scene.lines[0].stripCounts.size(), 2u);
	ExpectStripsFollowTheCurve(spline, scene.lines[0]);
	EXPECT_EQ(spline->GetSplinePoint(0.3, 2), Vector(7, 7, 7));
	EXPECT_EQ(spline->GetSplinePoint(0.5, 3), Vector());

	// A closed segment of two points runs from one to the other once.
	SplineObject* edge = SplineObject::Alloc(2, SPLINETYPE::LINEAR);
	ASSERT_NE(edge, nullptr);
	edge->GetPointW()[1] = Vector(4, 0, 0);
	edge->GetDataInstanceRef().SetBool(SPLINEOBJECT_CLOSED, true);
	edge->InsertUnderLast(doc.Get());
	EXPECT_EQ(edge->GetSplinePoint(0.5), Vector(2, 0, 0));
	EXPECT_EQ(edge->GetSplinePoint(1.0), Vector(4, 0, 0));
	scene = Collect(doc);
	ASSERT_EQ(scene.lines.size(), 2u);
	EXPECT_EQ(scene.lines[1].stripCounts, (std::vector<std::uint32_t>{2}));
}

TEST(ExportSplines, ADenseCurveIsItsOwnPointsAndASparseOneIsSubdivided)
{
	// A quarter circle of radius 100 through 1000 points and through 4: the dense one's spans stay within the
	// tolerance of their chords, the sparse one's do not.
	TestDocument doc;
	for (const Int32 count : {1000, 4})
	{
		SplineObject* arc = SplineObject::Alloc(count, SPLINETYPE::CUBIC);
		ASSERT_NE(arc, nullptr);
		for (Int32 i = 0; i < count; ++i)
		{
			const double angle = PI / 2.0 * i / (count - 1);
			arc->GetPointW()[i] = Vector(100.0 * std::cos(angle), 100.0 * std::sin(angle), 0.0);
		}
		arc->InsertUnderLast(doc.Get());
	}
	const ExportScene scene = Collect(doc);
	ASSERT_EQ(scene.lines.size(), 2u);
	EXPECT_EQ(scene.lines[0].stripCounts, std::vector<std::uint32_t>{1000});
	EXPECT_GT(scene.lines[1].VertexCount(), 3u * 4u);
	const BaseObject* arc = doc.Get()->GetFirstObject();
	for (std::size_t k = 0; k < 2; ++k, arc = arc->GetNext())
		ExpectStripsFollowTheCurve(static_cast<const SplineObject*>(arc), scene.lines[k]);
}

TEST(ExportScene, BoundsCoverEveryKindOfItem)
{
	TestDocument doc;
	AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0)}, {CPolygon(0, 1, 2)});
	AddPolygon(doc, {Vector(-5, 7, 3)}, {});
	SplineObject* spline = SplineObject::Alloc(2, SPLINETYPE::LINEAR);
	ASSERT_NE(spline, nullptr);
	spline->GetPointW()[1] = Vector(9, -2, -4);
	spline->InsertUnderLast(doc.Get());
	const surfax::io::Bounds b = surfax::io::SceneBounds(Collect(doc));
	ASSERT_FALSE(b.empty);
	EXPECT_EQ(std::vector<float>(b.min, b.min + 3), (std::vector<float>{-5, -2, -3}));
	EXPECT_EQ(std::vector<float>(b.max, b.max + 3), (std::vector<float>{9, 7, 4}));
	EXPECT_TRUE(surfax::io::SceneBounds(ExportScene()).empty);
}

namespace
{
class ExportPlotSamples : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
		plot->SetName(String("chart"));
		plot->SetRelPos(Vector(10.0, 20.0, 30.0));
	}

	ExportScene Evaluated()
	{
		doc.Evaluate();
		return Collect(doc);
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
};
} // namespace

TEST_F(ExportPlotSamples, PlotWithoutComponentsExportsItsGridOfSamplesInTheirColours)
{
	const ExportScene scene = Evaluated();
	EXPECT_TRUE(scene.meshes.empty());
	ASSERT_EQ(scene.points.size(), 1u);
	const surfax::io::ExportPoints& pts = scene.points[0];
	EXPECT_EQ(pts.name, "chart");
	ASSERT_EQ(pts.VertexCount(), 2601u);
	EXPECT_EQ(pts.colorSource, ColorSource::VertexColors);
	ASSERT_EQ(pts.colors.size(), 2601u * 4);

	// The default grid: 51 x 51 samples 4 units apart over 200 x 200, moved with the object and mirrored in z.
	std::set<std::pair<long, long>> cells;
	std::size_t highest = 0, lowest = 0;
	for (std::size_t i = 0; i < pts.VertexCount(); ++i)
	{
		const Vector p = VertexAt(pts.positions, i);
		const double column = (p.x - 10.0 + 100.0) / 4.0, row = (-p.z - 30.0 + 100.0) / 4.0;
		ASSERT_NEAR(column, std::round(column), 1e-3) << "x " << p.x;
		ASSERT_NEAR(row, std::round(row), 1e-3) << "z " << p.z;
		cells.insert({std::lround(column), std::lround(row)});
		// Sin(x) * Cos(z) stays within -1..1, so fitting, which only shrinks, leaves 25 times the value.
		const double degrees = 3.14159265358979323846 / 180.0;
		const double x = -180.0 + 7.2 * std::round(column), z = -180.0 + 7.2 * std::round(row);
		ASSERT_NEAR(p.y - 20.0, 25.0 * std::sin(x * degrees) * std::cos(z * degrees), 1e-4) << "sample " << i;
		if (p.y > VertexAt(pts.positions, highest).y)
			highest = i;
		if (p.y < VertexAt(pts.positions, lowest).y)
			lowest = i;
	}
	EXPECT_EQ(cells.size(), 2601u);
	EXPECT_EQ(cells.begin()->first, 0);
	EXPECT_EQ(cells.rbegin()->first, 50);
	// The default ramp: red at the top, blue at the bottom.
	const float* top = &pts.colors[highest * 4];
	const float* bottom = &pts.colors[lowest * 4];
	EXPECT_GT(top[0], 0.9f);
	EXPECT_LT(top[2], 0.1f);
	EXPECT_GT(bottom[2], 0.9f);
	EXPECT_LT(bottom[0], 0.1f);
	EXPECT_EQ(top[3], 1.0f);
}

TEST_F(ExportPlotSamples, SpheresExportAsPointsAndCrossesDoNot)
{
	plot->GetDataInstanceRef().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_SPHERE);
	ExportScene scene = Evaluated();
	ASSERT_EQ(scene.points.size(), 1u);
	EXPECT_EQ(scene.points[0].VertexCount(), 2601u);

	plot->GetDataInstanceRef().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_CROSS);
	scene = Evaluated();
	EXPECT_TRUE(scene.points.empty());
}

TEST_F(ExportPlotSamples, PlotWithAMeshComponentExportsTheMeshAndNoPoints)
{
	ASSERT_NE(doc.Add(ID_PLOTMESH, plot), nullptr);
	const ExportScene scene = Evaluated();
	EXPECT_TRUE(scene.points.empty());
	EXPECT_EQ(scene.meshes.size(), 1u);
}

TEST_F(ExportPlotSamples, ComponentBelowAnotherObjectStillCountsAndADisabledPlotExportsNothing)
{
	BaseObject* group = doc.Add(Onull, plot);
	ASSERT_NE(group, nullptr);
	ASSERT_NE(doc.Add(ID_PLOTMESH, group), nullptr);
	EXPECT_TRUE(Evaluated().points.empty());

	group->Remove();
	BaseObject::Free(group);
	plot->SetDeformMode(false);
	EXPECT_TRUE(Evaluated().points.empty());
}

TEST_F(ExportPlotSamples, GridAndCageAreLineStripsInTheirDisplayColoursNamedAfterThemAndMirroredInZ)
{
	BaseObject* grid = doc.Add(ID_PLOTGRID, plot);
	BaseObject* cage = doc.Add(ID_PLOTCAGE, plot);
	ASSERT_NE(grid, nullptr);
	ASSERT_NE(cage, nullptr);
	grid->SetName(String("wires"));
	cage->SetName(String("box"));
	grid->GetDataInstanceRef().SetInt32(PLOTGRID_STEP, 25);
	grid->GetDataInstanceRef().SetVector(PLOTGRID_COLOR, Vector(0.1, 0.2, 0.3));
	cage->GetDataInstanceRef().SetInt32(PLOTCAGE_LEVELS, 1);
	cage->GetDataInstanceRef().SetVector(PLOTCAGE_COLOR, Vector(0.9, 0.8, 0.7));
	const ExportScene scene = Evaluated();
	// The grid shows the samples, so the plot adds no points of its own.
	EXPECT_TRUE(scene.points.empty());
	ASSERT_EQ(scene.lines.size(), 2u);
	const ExportLines& wires = scene.lines[0].name == "wires" ? scene.lines[0] : scene.lines[1];
	const ExportLines& box = scene.lines[0].name == "box" ? scene.lines[0] : scene.lines[1];
	ASSERT_EQ(wires.name, "wires");
	ASSERT_EQ(box.name, "box");

	const Vector offset(10.0, 20.0, 30.0);
	EXPECT_EQ(wires.colorSource, ColorSource::Display);
	EXPECT_FLOAT_EQ(wires.color[0], 0.1f);
	EXPECT_FLOAT_EQ(wires.color[1], 0.2f);
	EXPECT_FLOAT_EQ(wires.color[2], 0.3f);
	// Rows 0, 25 and 50 in each direction, each a cubic curve through its 51 points, sampled within the tolerance.
	const SplineObject* contour = static_cast<const SplineObject*>(grid->GetCache());
	ASSERT_NE(contour, nullptr);
	ASSERT_EQ(contour->GetPointCount(), 6 * 51);
	ASSERT_EQ(wires.stripCounts.size(), 6u);
	ExpectStripsFollowTheCurve(contour, wires, offset);

	EXPECT_EQ(box.colorSource, ColorSource::Display);
	EXPECT_FLOAT_EQ(box.color[0], 0.9f);
	EXPECT_FLOAT_EQ(box.color[2], 0.7f);
	// Closed rectangles return to their first corner; each vertical edge is one edge, not there and back.
	EXPECT_EQ(box.stripCounts, (std::vector<std::uint32_t>{5, 5, 2, 2, 2, 2, 5}));
	EXPECT_EQ(box.SegmentCount(), 4u + 4u + 4u + 4u);
	ExpectNear(VertexAt(box.positions, 0), Mirrored(Vector(-100, 25, -100) + offset));
	ExpectNear(VertexAt(box.positions, 1), Mirrored(Vector(100, 25, -100) + offset));
	ExpectNear(VertexAt(box.positions, 4), VertexAt(box.positions, 0));
	ExpectNear(VertexAt(box.positions, 10), Mirrored(Vector(-100, 25, -100) + offset));
	ExpectNear(VertexAt(box.positions, 11), Mirrored(Vector(-100, -25, -100) + offset));
	ExpectNear(VertexAt(box.positions, 18), Mirrored(Vector(-100, 0, -100) + offset));
}

TEST_F(ExportPlotSamples, AGridWithNothingToShowLeavesThePlotsSamplesAsPoints)
{
	// A grid below a switched-off plot nested in this one finds no samples and shows an empty spline.
	BaseObject* inner = doc.Add(ID_PLOTOBJECT, plot);
	ASSERT_NE(inner, nullptr);
	inner->SetDeformMode(false);
	BaseObject* grid = doc.Add(ID_PLOTGRID, inner);
	ASSERT_NE(grid, nullptr);
	const ExportScene scene = Evaluated();
	ASSERT_NE(grid->GetCache(), nullptr);
	EXPECT_EQ(grid->GetCache()->GetType(), Ospline);
	EXPECT_TRUE(scene.lines.empty());
	ASSERT_EQ(scene.points.size(), 1u);
	EXPECT_EQ(scene.points[0].VertexCount(), 2601u);
}
