#include "host/builtins/primitive_geometry.h"
#include "support/mesh_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <tuple>

using cinema::CPolygon;
using cinema::Vector;
using surfax::builtins::MeshData;
using namespace surfax::test;

namespace
{
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Solid
{
	const char* name;
	std::function<bool(MeshData&)> build;
	int points, triangles, quads;
	Vector halfExtent;         // the points lie within -halfExtent..halfExtent
	bool reachesExtent = true; // and touch those bounds on every axis
};

int CountTriangles(const MeshData& mesh)
{
	int triangles = 0;
	for (const CPolygon& p : mesh.polygons)
		triangles += p.c == p.d ? 1 : 0;
	return triangles;
}

// Counts, bounds, every index used and in range, no two points at one place (welded), flat quads, closed,
// outward, and a topological sphere (Euler characteristic 2).
void ExpectSolid(const Solid& s, MeshData& mesh)
{
	SCOPED_TRACE(s.name);
	ASSERT_TRUE(s.build(mesh));
	EXPECT_EQ(mesh.points.size(), static_cast<std::size_t>(s.points));
	EXPECT_EQ(CountTriangles(mesh), s.triangles);
	EXPECT_EQ(mesh.polygons.size(), static_cast<std::size_t>(s.triangles + s.quads));

	Vector lo = mesh.points.at(0), hi = mesh.points.at(0);
	std::set<std::tuple<double, double, double>> places;
	for (const Vector& p : mesh.points)
	{
		for (int axis = 0; axis < 3; ++axis)
			lo[axis] = std::min(lo[axis], p[axis]), hi[axis] = std::max(hi[axis], p[axis]);
		places.insert({p.x, p.y, p.z});
	}
	EXPECT_EQ(places.size(), mesh.points.size());
	const double tolerance = 1e-12 * s.halfExtent.GetMax();
	for (int axis = 0; axis < 3; ++axis)
	{
		EXPECT_GE(lo[axis], -s.halfExtent[axis] - tolerance);
		EXPECT_LE(hi[axis], s.halfExtent[axis] + tolerance);
		const bool reaches = lo[axis] < -s.halfExtent[axis] + tolerance && hi[axis] > s.halfExtent[axis] - tolerance;
		EXPECT_TRUE(reaches || !s.reachesExtent) << "axis " << axis;
	}

	std::set<cinema::Int32> used;
	for (const CPolygon& p : mesh.polygons)
	{
		for (const cinema::Int32 i : Corners(p))
		{
			ASSERT_TRUE(i >= 0 && i < static_cast<cinema::Int32>(mesh.points.size()));
			used.insert(i);
		}
		if (p.c != p.d)
		{
			const Vector n = FaceNormal(mesh.points, p).GetNormalized();
			const Vector& a = mesh.points[static_cast<std::size_t>(p.a)];
			EXPECT_LT(std::fabs(Dot(n, mesh.points[static_cast<std::size_t>(p.d)] - a)), 1e-9) << "bent quad";
		}
	}
	EXPECT_EQ(used.size(), mesh.points.size());
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
	EXPECT_EQ(CountFacesNotPointingAwayFrom(mesh.points, mesh.polygons), 0);
	EXPECT_EQ(static_cast<long>(mesh.points.size()) - static_cast<long>(CountEdges(mesh.polygons)) +
	              static_cast<long>(mesh.polygons.size()),
	          2);
}

Solid Cube(int sx, int sy, int sz)
{
	return {"cube",
	        [=](MeshData& m) { return surfax::builtins::BuildCube(Vector(6, 4, 2), sx, sy, sz, m); },
	        (sx + 1) * (sy + 1) * (sz + 1) - (sx - 1) * (sy - 1) * (sz - 1),
	        0,
	        2 * (sx * sy + sy * sz + sz * sx),
	        Vector(3, 2, 1)};
}

Solid Sphere(int segments)
{
	const int bands = std::max(2, segments / 2);
	// Only with segments a multiple of 4 are there points on the equator at 0, 90, 180 and 270 degrees.
	return {"sphere",
	        [=](MeshData& m) { return surfax::builtins::BuildSphere(80.0, segments, m); },
	        segments * (bands - 1) + 2,
	        2 * segments,
	        segments * (bands - 2),
	        Vector(80.0),
	        segments % 4 == 0};
}

Solid Pyramid(int n)
{
	return {"pyramid",
	        [=](MeshData& m) { return surfax::builtins::BuildPyramid(Vector(4, 2, 6), n, m); },
	        4 * n * n + 1 + (n - 1) * (n - 1),
	        4 * n,
	        4 * n * (n - 1) + n * n,
	        Vector(2, 1, 3)};
}
} // namespace

TEST(Primitives, CubesAreWeldedClosedOutwardBoxes)
{
	for (const auto& [sx, sy, sz] : {std::tuple{1, 1, 1}, std::tuple{2, 3, 4}, std::tuple{1, 5, 1}})
	{
		MeshData mesh;
		ExpectSolid(Cube(sx, sy, sz), mesh);
		for (const Vector& p : mesh.points)
			EXPECT_TRUE(std::fabs(p.x) == 3 || std::fabs(p.y) == 2 || std::fabs(p.z) == 1) << "point inside the box";
	}
	// Segment counts below 1 count as 1, above kMaxPrimitiveSegments as that limit.
	MeshData mesh;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 0, -7, INT32_MIN, mesh));
	EXPECT_EQ(mesh.points.size(), 8u);
	EXPECT_EQ(mesh.polygons.size(), 6u);
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 5000, 1, 1, mesh));
	EXPECT_EQ(mesh.polygons.size(), static_cast<std::size_t>(2 * (1000 + 1 + 1000)));
}

TEST(Primitives, SpheresHaveSinglePolesAndEveryPointOnTheSphere)
{
	for (const int segments : {3, 4, 5, 24, 25})
	{
		MeshData mesh;
		ExpectSolid(Sphere(segments), mesh);
		for (const Vector& p : mesh.points)
			EXPECT_NEAR(p.GetLength(), 80.0, 1e-12);
		// The triangles are the pole caps: each has a pole as its first or third corner.
		for (const CPolygon& p : mesh.polygons)
			EXPECT_TRUE(p.c != p.d || std::fabs(mesh.points[static_cast<std::size_t>(p.a)].y) == 80.0 ||
			            std::fabs(mesh.points[static_cast<std::size_t>(p.c)].y) == 80.0);
	}
	MeshData clamped;
	ASSERT_TRUE(surfax::builtins::BuildSphere(1.0, 2, clamped));
	EXPECT_EQ(clamped.points.size(), 5u);
	ASSERT_TRUE(surfax::builtins::BuildSphere(1.0, 1 << 20, clamped));
	EXPECT_EQ(clamped.polygons.size(), static_cast<std::size_t>(1000 * 500));
}

TEST(Primitives, PyramidsStandOnTheirBaseWithEveryPointOnAFace)
{
	for (const int n : {1, 2, 5})
	{
		MeshData mesh;
		ExpectSolid(Pyramid(n), mesh);
		const Vector apex(0, 1, 0);
		EXPECT_EQ(std::count(mesh.points.begin(), mesh.points.end(), apex), 1);
		const Vector corners[4] = {Vector(-2, -1, -3), Vector(2, -1, -3), Vector(2, -1, 3), Vector(-2, -1, 3)};
		for (const Vector& p : mesh.points)
		{
			bool onFace = p.y == -1.0;
			for (int side = 0; side < 4; ++side)
			{
				const Vector normal = Cross(corners[(side + 1) % 4] - corners[side], apex - corners[side]);
				onFace = onFace || std::fabs(Dot(normal.GetNormalized(), p - apex)) < 1e-9;
			}
			EXPECT_TRUE(onFace) << p.x << " " << p.y << " " << p.z;
		}
	}
}

TEST(Primitives, PlatonicSolidsAreRegularWithCornersOnTheSphere)
{
	const double r = 75.0;
	struct Expected
	{
		Solid solid;
		std::size_t edges; // of the solid itself; the dodecahedron adds one diagonal per pentagon
	};
	const auto platonic = [&](cinema::Int32 type)
	{ return [=](MeshData& m) { return surfax::builtins::BuildPlatonic(r, type, m); }; };
	const double cubeHalf = r / std::sqrt(3.0);
	const Expected solids[] = {{{"tetra", platonic(0), 4, 4, 0, Vector(r), false}, 6},
	                           {{"hexa", platonic(1), 8, 0, 6, Vector(cubeHalf)}, 12},
	                           {{"octa", platonic(2), 6, 8, 0, Vector(r)}, 12},
	                           {{"dodeca", platonic(3), 20, 12, 12, Vector(r), false}, 30},
	                           {{"icosa", platonic(4), 12, 20, 0, Vector(r), false}, 30}};
	for (const Expected& e : solids)
	{
		SCOPED_TRACE(e.solid.name);
		MeshData mesh;
		ExpectSolid(e.solid, mesh);
		for (const Vector& p : mesh.points)
			EXPECT_NEAR(p.GetLength(), r, 1e-12 * r);
		// A regular solid has one edge length, and it is the shortest distance along any polygon edge.
		const auto edges = DirectedEdges(mesh.polygons);
		const auto length = [&](const auto& entry)
		{
			return (mesh.points[static_cast<std::size_t>(entry.first.first)] -
			        mesh.points[static_cast<std::size_t>(entry.first.second)])
			    .GetLength();
		};
		double shortest = 1e300;
		for (const auto& entry : edges)
			shortest = std::min(shortest, length(entry));
		std::size_t shortEdges = 0;
		for (const auto& entry : edges)
			shortEdges += length(entry) < shortest * (1 + 1e-9) ? 1 : 0;
		EXPECT_EQ(shortEdges, 2 * e.edges);
	}
}

TEST(Primitives, RejectInvalidSizesAndLeaveTheOutputEmpty)
{
	MeshData mesh;
	const auto expectRejected = [&](bool result)
	{
		EXPECT_FALSE(result);
		EXPECT_TRUE(mesh.points.empty() && mesh.polygons.empty());
		mesh.points.assign(3, Vector(1, 2, 3));
		mesh.polygons.assign(1, CPolygon(0, 1, 2));
	};
	expectRejected(false);
	for (const Vector& bad : {Vector(-1, 1, 1), Vector(1, kNan, 1), Vector(1, 1, kInf)})
	{
		expectRejected(surfax::builtins::BuildCube(bad, 1, 1, 1, mesh));
		expectRejected(surfax::builtins::BuildPyramid(bad, 2, mesh));
	}
	for (const double bad : {-1.0, kNan, kInf})
	{
		expectRejected(surfax::builtins::BuildSphere(bad, 8, mesh));
		expectRejected(surfax::builtins::BuildPlatonic(bad, 4, mesh));
	}
	for (const cinema::Int32 type : {5, 6, -1})
		expectRejected(surfax::builtins::BuildPlatonic(1.0, type, mesh));

	// Zero sizes are allowed: the mesh collapses but keeps its topology.
	ASSERT_TRUE(surfax::builtins::BuildPlatonic(0.0, 3, mesh));
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(0, 1, 1), 2, 2, 2, mesh));
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
}
