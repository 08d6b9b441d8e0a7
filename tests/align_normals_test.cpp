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

// Appends `part` to `mesh`, moved by `offset`.
void Append(MeshData& mesh, const MeshData& part, const Vector& offset)
{
	const Int32 base = static_cast<Int32>(mesh.points.size());
	for (const Vector& p : part.points)
		mesh.points.push_back(p + offset);
	for (const CPolygon& p : part.polygons)
		mesh.polygons.push_back(CPolygon(p.a + base, p.b + base, p.c + base, p.d + base));
}

MeshData Platonic(Int32 type, double radius = 1.0)
{
	MeshData mesh;
	EXPECT_TRUE(surfax::builtins::BuildPlatonic(radius, type, mesh));
	return mesh;
}

// A flat strip of `count` quads in the xz plane, split alternately into triangles, wound all one way.
MeshData Strip(int count)
{
	MeshData mesh;
	for (int i = 0; i <= count; ++i)
	{
		mesh.points.push_back(Vector(i, 0, 0));
		mesh.points.push_back(Vector(i, 0, 1));
	}
	for (int i = 0; i < count; ++i)
	{
		const Int32 a = 2 * i, b = 2 * i + 2, c = 2 * i + 3, d = 2 * i + 1;
		if (i % 2 == 0)
			mesh.polygons.push_back(CPolygon(a, b, c, d));
		else
		{
			mesh.polygons.push_back(CPolygon(a, b, c));
			mesh.polygons.push_back(CPolygon(a, c, d));
		}
	}
	return mesh;
}
} // namespace

TEST(AlignNormals, TurnsFlippedCubeFacesOutward)
{
	MeshData cube;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(2, 3, 4), 2, 2, 3, cube));
	const std::vector<CPolygon> original = cube.polygons;
	const std::vector<std::size_t> flip = {0, 3, 4, 5, 11, cube.polygons.size() - 1};
	for (const std::size_t i : flip)
		cube.polygons[i] = Reversed(cube.polygons[i]);
	EXPECT_GT(CountFacesNotPointingAwayFrom(cube.points, cube.polygons), 0);

	EXPECT_EQ(Align(cube), static_cast<Int32>(flip.size()));
	EXPECT_EQ(cube.polygons, original);
	EXPECT_EQ(CountFacesNotPointingAwayFrom(cube.points, cube.polygons), 0);
	// Aligning again changes nothing.
	EXPECT_EQ(Align(cube), 0);
	EXPECT_EQ(cube.polygons, original);
}

TEST(AlignNormals, TurnsAnInsideOutIcosahedronOutwardAndKeepsTrianglesTriangles)
{
	MeshData ico = Platonic(surfax::builtins::kPlatonicIcosahedron, 50.0);
	for (CPolygon& p : ico.polygons)
		p = Reversed(p);
	EXPECT_LT(SignedVolume(ico.points, ico.polygons), 0.0);

	EXPECT_EQ(Align(ico), 20);
	EXPECT_EQ(CountFacesNotPointingAwayFrom(ico.points, ico.polygons), 0);
	EXPECT_TRUE(IsClosedAndConsistent(ico.polygons));
	for (const CPolygon& p : ico.polygons)
		EXPECT_EQ(p.c, p.d);
}

TEST(AlignNormals, FixesSeparateSolidsEachOnItsOwn)
{
	// A sphere with its first polygon flipped (the first polygon's winding must not win for closed parts), an
	// inside-out dodecahedron of quads and triangles far from the origin, and a cube with one face flipped.
	MeshData sphere;
	ASSERT_TRUE(surfax::builtins::BuildSphere(10.0, 12, sphere));
	sphere.polygons[0] = Reversed(sphere.polygons[0]);
	MeshData dodeca = Platonic(surfax::builtins::kPlatonicDodecahedron, 3.0);
	for (CPolygon& p : dodeca.polygons)
		p = Reversed(p);
	MeshData cube;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 1, 1, 1, cube));
	cube.polygons[2] = Reversed(cube.polygons[2]);

	const Vector centres[3] = {Vector(0, 0, 0), Vector(1e7, -2e7, 5e6), Vector(30, 0, 0)};
	MeshData scene;
	Append(scene, sphere, centres[0]);
	Append(scene, dodeca, centres[1]);
	Append(scene, cube, centres[2]);

	EXPECT_EQ(Align(scene), static_cast<Int32>(1 + dodeca.polygons.size() + 1));
	const std::size_t ends[3] = {sphere.polygons.size(), sphere.polygons.size() + dodeca.polygons.size(),
	                             scene.polygons.size()};
	std::size_t begin = 0;
	for (int part = 0; part < 3; ++part)
	{
		const std::vector<CPolygon> polygons(scene.polygons.begin() + static_cast<std::ptrdiff_t>(begin),
		                                     scene.polygons.begin() + static_cast<std::ptrdiff_t>(ends[part]));
		EXPECT_EQ(CountFacesNotPointingAwayFrom(scene.points, polygons, centres[part]), 0) << "part " << part;
		EXPECT_TRUE(IsClosedAndConsistent(polygons)) << "part " << part;
		begin = ends[part];
	}
}

TEST(AlignNormals, MakesAnOpenStripConsistentWithItsFirstPolygon)
{
	for (const bool firstFlipped : {false, true})
	{
		MeshData strip = Strip(9);
		const auto reverseHere = [&](std::size_t i)
		{ return i == 0 ? firstFlipped : (i % 3 == 1 || i + 1 == strip.polygons.size()); };
		Int32 expectedFlips = 0;
		for (std::size_t i = 0; i < strip.polygons.size(); ++i)
		{
			if (reverseHere(i))
				strip.polygons[i] = Reversed(strip.polygons[i]);
			expectedFlips += reverseHere(i) != reverseHere(0) ? 1 : 0;
		}
		const CPolygon first = strip.polygons[0];
		EXPECT_FALSE(IsConsistentlyWound(strip.polygons));

		EXPECT_EQ(Align(strip), expectedFlips);
		EXPECT_TRUE(IsConsistentlyWound(strip.polygons));
		EXPECT_EQ(strip.polygons[0], first);
		const double side = FaceNormal(strip.points, first).y;
		for (const CPolygon& p : strip.polygons)
			EXPECT_GT(FaceNormal(strip.points, p).y * side, 0.0);
	}
}

TEST(AlignNormals, OpenBoxFollowsItsFirstFaceEvenInward)
{
	MeshData box;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 1, 1, 1, box));
	box.polygons.pop_back();
	box.polygons[0] = Reversed(box.polygons[0]);
	EXPECT_EQ(Align(box), static_cast<Int32>(box.polygons.size() - 1));
	EXPECT_EQ(CountFacesNotPointingAwayFrom(box.points, box.polygons), static_cast<int>(box.polygons.size()));
	EXPECT_TRUE(IsConsistentlyWound(box.polygons));
}

TEST(AlignNormals, RejectsInvalidInputWithoutChangingAnything)
{
	MeshData cube;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 1, 1, 1, cube));
	cube.polygons[1] = Reversed(cube.polygons[1]);
	const Int32 pointCount = static_cast<Int32>(cube.points.size());
	const Int32 polygonCount = static_cast<Int32>(cube.polygons.size());

	for (const Int32 bad : {-1, pointCount, INT32_MAX, INT32_MIN})
	{
		MeshData broken = cube;
		broken.polygons[4].c = bad;
		const std::vector<CPolygon> before = broken.polygons;
		EXPECT_EQ(Align(broken), -1) << bad;
		EXPECT_EQ(broken.polygons, before);
	}
	// A triangle's unused fourth index is checked too, since it is the third corner.
	MeshData broken = cube;
	broken.polygons[5].d = pointCount + 3;
	EXPECT_EQ(Align(broken), -1);

	const std::vector<CPolygon> before = cube.polygons;
	EXPECT_EQ(AlignNormals(cube.points.data(), -1, cube.polygons.data(), polygonCount), -1);
	EXPECT_EQ(AlignNormals(cube.points.data(), pointCount, cube.polygons.data(), -1), -1);
	EXPECT_EQ(AlignNormals(nullptr, pointCount, cube.polygons.data(), polygonCount), -1);
	EXPECT_EQ(AlignNormals(cube.points.data(), pointCount, nullptr, polygonCount), -1);
	EXPECT_EQ(
	    AlignNormals(cube.points.data(), pointCount, cube.polygons.data(), surfax::builtins::kMaxAlignPolygons + 1),
	    -1);
	EXPECT_EQ(cube.polygons, before);

	EXPECT_EQ(AlignNormals(nullptr, 0, nullptr, 0), 0);
	EXPECT_EQ(AlignNormals(cube.points.data(), pointCount, nullptr, 0), 0);
}

TEST(AlignNormals, SurvivesDegenerateNonManifoldAndNonOrientableInput)
{
	MeshData mesh;
	for (const Vector& p :
	     {Vector(0, 0, 0), Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(0, -1, 0), Vector(1, 1, 1)})
		mesh.points.push_back(p);
	// Three triangles on the edge 0-1 (non-manifold), a polygon with all corners on one point, one using the
	// edge 0-5 twice, and a triangle whose fourth index repeats its first.
	mesh.polygons = {CPolygon(0, 1, 2),    CPolygon(1, 0, 3),    CPolygon(0, 1, 4),   CPolygon(5, 5, 5, 5),
	                 CPolygon(0, 5, 0, 2), CPolygon(2, 3, 2, 2), CPolygon(3, 4, 5, 3)};
	const std::vector<CPolygon> before = mesh.polygons;
	const Int32 flipped = Align(mesh);
	EXPECT_GE(flipped, 0);
	// Only whole polygons are turned around; no index changes its polygon.
	for (std::size_t i = 0; i < before.size(); ++i)
		EXPECT_TRUE(mesh.polygons[i] == before[i] || mesh.polygons[i] == Reversed(before[i])) << i;

	// A Moebius strip of four quads has no consistent winding; the call must still finish.
	MeshData moebius;
	for (int i = 0; i < 4; ++i)
	{
		const double angle = cinema::PI2 * i / 4.0;
		moebius.points.push_back(Vector(std::cos(angle) * 5, -1, std::sin(angle) * 5));
		moebius.points.push_back(Vector(std::cos(angle) * 5, 1, std::sin(angle) * 5));
	}
	for (Int32 i = 0; i < 3; ++i)
		moebius.polygons.push_back(CPolygon(2 * i, 2 * i + 2, 2 * i + 3, 2 * i + 1));
	moebius.polygons.push_back(CPolygon(6, 1, 0, 7)); // the half twist: bottom meets top
	const Int32 moebiusFlips = Align(moebius);
	EXPECT_GE(moebiusFlips, 0);
	EXPECT_LE(moebiusFlips, 3);
}

TEST(AlignNormals, FixesManyRandomlyFlippedSolids)
{
	const MeshData ico = Platonic(surfax::builtins::kPlatonicIcosahedron, 0.4);
	MeshData scene;
	std::vector<Vector> centres;
	for (int i = 0; i < 400; ++i)
	{
		centres.push_back(Vector(i % 20, 0, i / 20));
		Append(scene, ico, centres.back());
	}
	std::mt19937 random(7);
	Int32 expectedFlips = 0;
	for (CPolygon& p : scene.polygons)
		if (random() % 3 == 0)
		{
			p = Reversed(p);
			++expectedFlips;
		}
	const std::vector<CPolygon> flippedScene = scene.polygons;
	EXPECT_EQ(Align(scene), expectedFlips);
	for (std::size_t i = 0; i < centres.size(); ++i)
	{
		const std::vector<CPolygon> part(scene.polygons.begin() + static_cast<std::ptrdiff_t>(20 * i),
		                                 scene.polygons.begin() + static_cast<std::ptrdiff_t>(20 * i + 20));
		EXPECT_EQ(CountFacesNotPointingAwayFrom(scene.points, part, centres[i]), 0) << "solid " << i;
	}
	EXPECT_TRUE(IsClosedAndConsistent(scene.polygons));
}
