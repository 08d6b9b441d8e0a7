#include "host/builtins/align_normals.h"
#include "host/builtins/primitive_geometry.h"
#include "support/mesh_checks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using cinema::CPolygon;
using cinema::Int32;
using cinema::Vector;
using surfax::builtins::AlignNormals;
using surfax::builtins::MeshData;
using namespace surfax::test;

namespace
{
CPolygon Reversed(const CPolygon& p)
{
	return p.c == p.d ? CPolygon(p.a, p.c, p.b) : CPolygon(p.a, p.d, p.c, p.b);
}

Int32 Align(MeshData& mesh)
{
	return AlignNormals(mesh.points.data(), static_cast<Int32>(mesh.points.size()), mesh.polygons.data(),
	                    static_cast<Int32>(mesh.polygons.size()));
}

// Appends `part` moved by `offset`; returns the index of its first polygon.
std::size_t Append(MeshData& mesh, const MeshData& part, const Vector& offset)
{
	const Int32 base = static_cast<Int32>(mesh.points.size());
	const std::size_t first = mesh.polygons.size();
	for (const Vector& p : part.points)
		mesh.points.push_back(p + offset);
	for (const CPolygon& p : part.polygons)
		mesh.polygons.push_back(CPolygon(p.a + base, p.b + base, p.c + base, p.d + base));
	return first;
}

MeshData Platonic(Int32 type, double radius)
{
	MeshData mesh;
	EXPECT_TRUE(surfax::builtins::BuildPlatonic(radius, type, mesh));
	return mesh;
}

MeshData UnitCube(Int32 segments)
{
	MeshData mesh;
	EXPECT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), segments, segments, segments, mesh));
	return mesh;
}
} // namespace

TEST(AlignNormals, TurnsFlippedCubeFacesBackOutward)
{
	MeshData cube = UnitCube(2);
	const std::vector<CPolygon> original = cube.polygons;
	const std::vector<std::size_t> flip = {0, 3, 4, 5, 11, cube.polygons.size() - 1};
	for (const std::size_t i : flip)
		cube.polygons[i] = Reversed(cube.polygons[i]);

	EXPECT_EQ(Align(cube), static_cast<Int32>(flip.size()));
	EXPECT_EQ(cube.polygons, original);
	EXPECT_EQ(Align(cube), 0);
	EXPECT_EQ(cube.polygons, original);
}

TEST(AlignNormals, TurnsAnInsideOutIcosahedronOutwardAndKeepsTrianglesTriangles)
{
	MeshData ico = Platonic(surfax::builtins::kPlatonicIcosahedron, 50.0);
	for (CPolygon& p : ico.polygons)
		p = Reversed(p);
	EXPECT_EQ(Align(ico), 20);
	EXPECT_EQ(CountFacesNotPointingAwayFrom(ico.points, ico.polygons), 0);
	for (const CPolygon& p : ico.polygons)
		EXPECT_EQ(p.c, p.d);
}

TEST(AlignNormals, FixesSeparateSolidsEachOnItsOwn)
{
	// A sphere whose first polygon is flipped (for a closed part the first polygon's winding must not win), an
	// inside-out dodecahedron of quads and triangles far from the origin, and a grid of randomly flipped
	// icosahedra.
	MeshData scene;
	std::vector<std::pair<std::size_t, Vector>> parts; // first polygon, centre
	MeshData sphere;
	ASSERT_TRUE(surfax::builtins::BuildSphere(10.0, 12, sphere));
	parts.push_back({Append(scene, sphere, Vector()), Vector()});
	scene.polygons[0] = Reversed(scene.polygons[0]);
	Int32 expectedFlips = 1;

	const Vector far(1e7, -2e7, 5e6);
	parts.push_back({Append(scene, Platonic(surfax::builtins::kPlatonicDodecahedron, 3.0), far), far});
	for (std::size_t i = parts.back().first; i < scene.polygons.size(); ++i, ++expectedFlips)
		scene.polygons[i] = Reversed(scene.polygons[i]);

	const MeshData ico = Platonic(surfax::builtins::kPlatonicIcosahedron, 0.4);
	std::mt19937 random(7);
	for (int i = 0; i < 200; ++i)
	{
		const Vector centre(20 + i % 20, 0, i / 20);
		parts.push_back({Append(scene, ico, centre), centre});
		for (std::size_t p = parts.back().first; p < scene.polygons.size(); ++p)
			if (random() % 3 == 0)
			{
				scene.polygons[p] = Reversed(scene.polygons[p]);
				++expectedFlips;
			}
	}

	EXPECT_EQ(Align(scene), expectedFlips);
	EXPECT_TRUE(IsClosedAndConsistent(scene.polygons));
	for (std::size_t part = 0; part < parts.size(); ++part)
	{
		const std::size_t end = part + 1 < parts.size() ? parts[part + 1].first : scene.polygons.size();
		const std::vector<CPolygon> polygons(scene.polygons.begin() + static_cast<std::ptrdiff_t>(parts[part].first),
		                                     scene.polygons.begin() + static_cast<std::ptrdiff_t>(end));
		EXPECT_EQ(CountFacesNotPointingAwayFrom(scene.points, polygons, parts[part].second), 0) << "part " << part;
	}
}

TEST(AlignNormals, OpenPartsFollowTheirFirstPolygon)
{
	// A flat strip of quads and triangles with every third polygon flipped, once with the first polygon
	// flipped as well: the strip ends up wound like its first polygon either way.
	for (const bool firstFlipped : {false, true})
	{
		MeshData strip;
		for (int i = 0; i <= 9; ++i)
		{
			strip.points.push_back(Vector(i, 0, 0));
			strip.points.push_back(Vector(i, 0, 1));
		}
		for (Int32 i = 0; i < 9; ++i)
			if (i % 2 == 0)
				strip.polygons.push_back(CPolygon(2 * i, 2 * i + 2, 2 * i + 3, 2 * i + 1));
			else
			{
				strip.polygons.push_back(CPolygon(2 * i, 2 * i + 2, 2 * i + 3));
				strip.polygons.push_back(CPolygon(2 * i, 2 * i + 3, 2 * i + 1));
			}
		const auto flipHere = [&](std::size_t i) { return i == 0 ? firstFlipped : i % 3 == 1; };
		Int32 expectedFlips = 0;
		for (std::size_t i = 0; i < strip.polygons.size(); ++i)
		{
			strip.polygons[i] = flipHere(i) ? Reversed(strip.polygons[i]) : strip.polygons[i];
			expectedFlips += flipHere(i) != flipHere(0) ? 1 : 0;
		}
		const CPolygon first = strip.polygons[0];

		EXPECT_EQ(Align(strip), expectedFlips);
		EXPECT_TRUE(IsConsistentlyWound(strip.polygons));
		EXPECT_EQ(strip.polygons[0], first);
		for (const CPolygon& p : strip.polygons)
			EXPECT_GT(FaceNormal(strip.points, p).y * FaceNormal(strip.points, first).y, 0.0);
	}

	// A box without its lid whose first face points inward is turned inward everywhere.
	MeshData box = UnitCube(1);
	box.polygons.pop_back();
	box.polygons[0] = Reversed(box.polygons[0]);
	EXPECT_EQ(Align(box), static_cast<Int32>(box.polygons.size() - 1));
	EXPECT_EQ(CountFacesNotPointingAwayFrom(box.points, box.polygons), static_cast<int>(box.polygons.size()));
}

TEST(AlignNormals, RejectsInvalidInputWithoutChangingAnything)
{
	MeshData cube = UnitCube(1);
	cube.polygons[1] = Reversed(cube.polygons[1]);
	const std::vector<CPolygon> before = cube.polygons;
	const Int32 pointCount = static_cast<Int32>(cube.points.size());
	const Int32 polygonCount = static_cast<Int32>(cube.polygons.size());

	for (const Int32 bad : {-1, pointCount, INT32_MAX, INT32_MIN})
	{
		MeshData broken = cube;
		broken.polygons[4].d = bad; // the fourth index counts even where c == d would make a triangle
		EXPECT_EQ(Align(broken), -1) << bad;
		EXPECT_EQ(broken.polygons[5], before[5]);
	}
	EXPECT_EQ(AlignNormals(cube.points.data(), -1, cube.polygons.data(), polygonCount), -1);
	EXPECT_EQ(AlignNormals(cube.points.data(), pointCount, cube.polygons.data(), -1), -1);
	EXPECT_EQ(AlignNormals(nullptr, pointCount, cube.polygons.data(), polygonCount), -1);
	EXPECT_EQ(AlignNormals(cube.points.data(), pointCount, nullptr, polygonCount), -1);
	EXPECT_EQ(
	    AlignNormals(cube.points.data(), pointCount, cube.polygons.data(), surfax::builtins::kMaxAlignPolygons + 1),
	    -1);
	EXPECT_EQ(cube.polygons, before);
	EXPECT_EQ(AlignNormals(nullptr, 0, nullptr, 0), 0);
}

TEST(AlignNormals, SurvivesDegenerateNonManifoldAndNonOrientableInput)
{
	MeshData mesh;
	mesh.points = {Vector(0, 0, 0), Vector(1, 0, 0),  Vector(0, 1, 0),
	               Vector(0, 0, 1), Vector(0, -1, 0), Vector(1, 1, 1)};
	// Three triangles on the edge 0-1, a polygon on one point, polygons using an edge twice, a quad whose last
	// corner repeats its first.
	mesh.polygons = {CPolygon(0, 1, 2),    CPolygon(1, 0, 3),    CPolygon(0, 1, 4),   CPolygon(5, 5, 5, 5),
	                 CPolygon(0, 5, 0, 2), CPolygon(2, 3, 2, 2), CPolygon(3, 4, 5, 3)};
	const std::vector<CPolygon> before = mesh.polygons;
	EXPECT_GE(Align(mesh), 0);
	for (std::size_t i = 0; i < before.size(); ++i)
		EXPECT_TRUE(mesh.polygons[i] == before[i] || mesh.polygons[i] == Reversed(before[i])) << i;

	// A Moebius band of four quads has no consistent winding; the call must still finish.
	MeshData band;
	for (int i = 0; i < 4; ++i)
	{
		const double angle = cinema::PI2 * i / 4.0;
		band.points.push_back(Vector(std::cos(angle) * 5, -1, std::sin(angle) * 5));
		band.points.push_back(Vector(std::cos(angle) * 5, 1, std::sin(angle) * 5));
	}
	for (Int32 i = 0; i < 3; ++i)
		band.polygons.push_back(CPolygon(2 * i, 2 * i + 2, 2 * i + 3, 2 * i + 1));
	band.polygons.push_back(CPolygon(6, 1, 0, 7)); // the half twist: bottom meets top
	const Int32 flips = Align(band);
	EXPECT_TRUE(flips >= 0 && flips <= 3) << flips;
}
