#include "host/builtins/primitive_geometry.h"
#include "support/mesh_checks.h"

#include <gtest/gtest.h>

#include <cmath>
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

void Bounds(const MeshData& mesh, Vector& lo, Vector& hi)
{
	lo = hi = mesh.points.at(0);
	for (const Vector& p : mesh.points)
		for (int axis = 0; axis < 3; ++axis)
		{
			lo[axis] = std::min(lo[axis], p[axis]);
			hi[axis] = std::max(hi[axis], p[axis]);
		}
}

void ExpectBounds(const MeshData& mesh, const Vector& lo, const Vector& hi, double tolerance = 1e-9)
{
	Vector actualLo;
	Vector actualHi;
	Bounds(mesh, actualLo, actualHi);
	for (int axis = 0; axis < 3; ++axis)
	{
		EXPECT_NEAR(actualLo[axis], lo[axis], tolerance) << "axis " << axis;
		EXPECT_NEAR(actualHi[axis], hi[axis], tolerance) << "axis " << axis;
	}
}

// Every index in range, no point left unused, no two points at one place (welded).
void ExpectWellFormed(const MeshData& mesh)
{
	std::set<cinema::Int32> used;
	for (const CPolygon& p : mesh.polygons)
		for (const cinema::Int32 i : Corners(p))
		{
			ASSERT_GE(i, 0);
			ASSERT_LT(i, static_cast<cinema::Int32>(mesh.points.size()));
			used.insert(i);
		}
	EXPECT_EQ(used.size(), mesh.points.size());
	std::set<std::tuple<double, double, double>> places;
	for (const Vector& p : mesh.points)
		places.insert({p.x, p.y, p.z});
	EXPECT_EQ(places.size(), mesh.points.size());
}

// Quads must be flat: the fourth corner lies in the plane of the first three.
int CountNonPlanarQuads(const MeshData& mesh)
{
	int bent = 0;
	for (const CPolygon& p : mesh.polygons)
	{
		if (p.c == p.d)
			continue;
		const Vector n = FaceNormal(mesh.points, p).GetNormalized();
		if (std::fabs(cinema::Dot(n, mesh.points[static_cast<std::size_t>(p.d)] -
		                                 mesh.points[static_cast<std::size_t>(p.a)])) > 1e-9)
			++bent;
	}
	return bent;
}

// Closed, outward, and a topological sphere (Euler characteristic 2).
void ExpectClosedOutwardSolid(const MeshData& mesh)
{
	ExpectWellFormed(mesh);
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
	EXPECT_EQ(CountFacesNotPointingAwayFrom(mesh.points, mesh.polygons), 0);
	EXPECT_GT(SignedVolume(mesh.points, mesh.polygons), 0.0);
	const auto euler = static_cast<long>(mesh.points.size()) - static_cast<long>(CountEdges(mesh.polygons)) +
	                   static_cast<long>(mesh.polygons.size());
	EXPECT_EQ(euler, 2);
}

int CountTriangles(const MeshData& mesh)
{
	int triangles = 0;
	for (const CPolygon& p : mesh.polygons)
		triangles += p.c == p.d ? 1 : 0;
	return triangles;
}
} // namespace

TEST(PrimitiveCube, OneSegmentCubeHasEightWeldedCornersAndSixQuads)
{
	MeshData mesh;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(200, 100, 50), 1, 1, 1, mesh));
	EXPECT_EQ(mesh.points.size(), 8u);
	EXPECT_EQ(mesh.polygons.size(), 6u);
	EXPECT_EQ(CountTriangles(mesh), 0);
	ExpectBounds(mesh, Vector(-100, -50, -25), Vector(100, 50, 25));
	ExpectClosedOutwardSolid(mesh);
}

TEST(PrimitiveCube, SubdividedFacesShareTheirEdgePoints)
{
	for (const auto& [sx, sy, sz] : {std::tuple{2, 3, 4}, std::tuple{1, 5, 1}, std::tuple{3, 1, 2}})
	{
		SCOPED_TRACE(testing::Message() << sx << "x" << sy << "x" << sz);
		MeshData mesh;
		ASSERT_TRUE(surfax::builtins::BuildCube(Vector(3, 2, 1), sx, sy, sz, mesh));
		EXPECT_EQ(mesh.points.size(),
		          static_cast<std::size_t>((sx + 1) * (sy + 1) * (sz + 1) - (sx - 1) * (sy - 1) * (sz - 1)));
		EXPECT_EQ(mesh.polygons.size(), static_cast<std::size_t>(2 * (sx * sy + sy * sz + sz * sx)));
		ExpectBounds(mesh, Vector(-1.5, -1, -0.5), Vector(1.5, 1, 0.5));
		ExpectClosedOutwardSolid(mesh);
		EXPECT_EQ(CountNonPlanarQuads(mesh), 0);
		// Every point lies on the surface of the box.
		for (const Vector& p : mesh.points)
			EXPECT_TRUE(std::fabs(p.x) == 1.5 || std::fabs(p.y) == 1.0 || std::fabs(p.z) == 0.5);
		// Grid spacing is even: every quad has the area of one cell of its face.
		const double cellX = 3.0 / sx, cellY = 2.0 / sy, cellZ = 1.0 / sz;
		const std::set<double> areas = {cellX * cellY, cellY * cellZ, cellZ * cellX};
		for (const CPolygon& p : mesh.polygons)
		{
			const double area = FaceNormal(mesh.points, p).GetLength();
			bool matches = false;
			for (const double a : areas)
				matches = matches || std::fabs(area - a) < 1e-9;
			EXPECT_TRUE(matches) << area;
		}
	}
}

TEST(PrimitiveCube, SegmentCountsAreClamped)
{
	MeshData low;
	MeshData one;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 0, -7, cinema::Int32(INT32_MIN), low));
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 1, 1, 1, one));
	EXPECT_EQ(low.points, one.points);
	EXPECT_EQ(low.polygons.size(), 6u);

	MeshData high;
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(1, 1, 1), 5000, 1, 1, high));
	EXPECT_EQ(high.polygons.size(), static_cast<std::size_t>(2 * (1000 + 1 + 1000)));
	EXPECT_TRUE(IsClosedAndConsistent(high.polygons));
}

TEST(PrimitiveSphere, CountsFollowSegmentsAroundAndBandsFromPoleToPole)
{
	for (const cinema::Int32 segments : {3, 4, 5, 16, 24, 25})
	{
		SCOPED_TRACE(segments);
		MeshData mesh;
		ASSERT_TRUE(surfax::builtins::BuildSphere(100.0, segments, mesh));
		const int bands = std::max(2, segments / 2);
		EXPECT_EQ(mesh.points.size(), static_cast<std::size_t>(segments * (bands - 1) + 2));
		EXPECT_EQ(mesh.polygons.size(), static_cast<std::size_t>(segments * bands));
		EXPECT_EQ(CountTriangles(mesh), 2 * segments);
		// Triangles only touch the poles, which are single points.
		const Vector north(0, 100, 0);
		const Vector south(0, -100, 0);
		int atPoles = 0;
		for (const Vector& p : mesh.points)
			atPoles += (p == north || p == south) ? 1 : 0;
		EXPECT_EQ(atPoles, 2);
		for (const CPolygon& p : mesh.polygons)
		{
			if (p.c != p.d)
				continue;
			bool touchesPole = false;
			for (const cinema::Int32 i : Corners(p))
				touchesPole = touchesPole || std::fabs(mesh.points[static_cast<std::size_t>(i)].y) == 100.0;
			EXPECT_TRUE(touchesPole);
		}
		ExpectClosedOutwardSolid(mesh);
		EXPECT_EQ(CountNonPlanarQuads(mesh), 0);
	}
}

TEST(PrimitiveSphere, EveryPointLiesOnTheSphere)
{
	for (const double radius : {0.001, 1.0, 250.0, 1e6})
	{
		MeshData mesh;
		ASSERT_TRUE(surfax::builtins::BuildSphere(radius, 36, mesh));
		for (const Vector& p : mesh.points)
			EXPECT_NEAR(p.GetLength(), radius, radius * 1e-14);
		// 36 around puts points on the equator at 0, 90, 180 and 270 degrees, so the sphere touches its bounding box.
		ExpectBounds(mesh, Vector(-radius), Vector(radius), radius * 1e-14);
	}
}

TEST(PrimitiveSphere, SegmentCountsAreClamped)
{
	MeshData two;
	MeshData three;
	ASSERT_TRUE(surfax::builtins::BuildSphere(1.0, 2, two));
	ASSERT_TRUE(surfax::builtins::BuildSphere(1.0, 3, three));
	EXPECT_EQ(two.points, three.points);

	MeshData huge;
	ASSERT_TRUE(surfax::builtins::BuildSphere(1.0, 1 << 20, huge));
	EXPECT_EQ(huge.polygons.size(), static_cast<std::size_t>(1000 * 500));
}

TEST(PrimitivePyramid, OneSegmentPyramidIsFivePointsFourTrianglesAndAQuad)
{
	MeshData mesh;
	ASSERT_TRUE(surfax::builtins::BuildPyramid(Vector(100, 80, 60), 1, mesh));
	EXPECT_EQ(mesh.points.size(), 5u);
	EXPECT_EQ(mesh.polygons.size(), 5u);
	EXPECT_EQ(CountTriangles(mesh), 4);
	ExpectBounds(mesh, Vector(-50, -40, -30), Vector(50, 40, 30));
	int apexes = 0;
	for (const Vector& p : mesh.points)
		apexes += p == Vector(0, 40, 0) ? 1 : 0;
	EXPECT_EQ(apexes, 1);
	ExpectClosedOutwardSolid(mesh);
}

TEST(PrimitivePyramid, SubdividedPyramidStaysOnItsFacesAndClosed)
{
	for (const cinema::Int32 segments : {2, 3, 7})
	{
		SCOPED_TRACE(segments);
		MeshData mesh;
		ASSERT_TRUE(surfax::builtins::BuildPyramid(Vector(4, 2, 6), segments, mesh));
		const int n = segments;
		EXPECT_EQ(mesh.points.size(), static_cast<std::size_t>(4 * n * n + 1 + (n - 1) * (n - 1)));
		EXPECT_EQ(CountTriangles(mesh), 4 * n);
		EXPECT_EQ(mesh.polygons.size(), static_cast<std::size_t>(4 * n + 4 * n * (n - 1) + n * n));
		ExpectBounds(mesh, Vector(-2, -1, -3), Vector(2, 1, 3));
		ExpectClosedOutwardSolid(mesh);
		EXPECT_EQ(CountNonPlanarQuads(mesh), 0);
		// Every point is on the base or on one of the four side planes through the apex and a base edge.
		const Vector apex(0, 1, 0);
		const Vector corners[4] = {Vector(-2, -1, -3), Vector(2, -1, -3), Vector(2, -1, 3), Vector(-2, -1, 3)};
		for (const Vector& p : mesh.points)
		{
			bool onSurface = std::fabs(p.y + 1) < 1e-12;
			for (int side = 0; side < 4; ++side)
			{
				const Vector sideNormal =
				    cinema::Cross(corners[(side + 1) % 4] - corners[side], apex - corners[side]).GetNormalized();
				onSurface = onSurface || std::fabs(cinema::Dot(sideNormal, p - apex)) < 1e-9;
			}
			EXPECT_TRUE(onSurface) << p.x << " " << p.y << " " << p.z;
		}
		// The base is a full grid of quads.
		int baseQuads = 0;
		for (const CPolygon& p : mesh.polygons)
			baseQuads += FaceCentre(mesh.points, p).y == -1.0 && p.c != p.d ? 1 : 0;
		EXPECT_EQ(baseQuads, segments * segments);
	}
}

TEST(PrimitivePlatonic, EverySolidIsRegularClosedAndOutward)
{
	struct Expected
	{
		cinema::Int32 type;
		std::size_t points, triangles, quads, edgesOfSolid;
	};
	const Expected solids[] = {
	    {0, 4, 4, 0, 6}, {1, 8, 0, 6, 12}, {2, 6, 8, 0, 12}, {3, 20, 12, 12, 30}, {4, 12, 20, 0, 30}};
	for (const Expected& e : solids)
	{
		SCOPED_TRACE(e.type);
		const double radius = 75.0;
		MeshData mesh;
		ASSERT_TRUE(surfax::builtins::BuildPlatonic(radius, e.type, mesh));
		EXPECT_EQ(mesh.points.size(), e.points);
		EXPECT_EQ(static_cast<std::size_t>(CountTriangles(mesh)), e.triangles);
		EXPECT_EQ(mesh.polygons.size() - e.triangles, e.quads);
		for (const Vector& p : mesh.points)
			EXPECT_NEAR(p.GetLength(), radius, 1e-12 * radius);
		ExpectClosedOutwardSolid(mesh);
		EXPECT_EQ(CountNonPlanarQuads(mesh), 0);

		// All edges of the solid have one length; the dodecahedron's extra edges are the diagonals that split
		// its pentagons, which are longer.
		double shortest = 1e300;
		for (const auto& entry : DirectedEdges(mesh.polygons))
			shortest = std::min(shortest, (mesh.points[static_cast<std::size_t>(entry.first.first)] -
			                               mesh.points[static_cast<std::size_t>(entry.first.second)])
			                                  .GetLength());
		std::size_t shortEdges = 0;
		for (const auto& entry : DirectedEdges(mesh.polygons))
		{
			const double length = (mesh.points[static_cast<std::size_t>(entry.first.first)] -
			                       mesh.points[static_cast<std::size_t>(entry.first.second)])
			                          .GetLength();
			shortEdges += length < shortest * (1 + 1e-9) ? 1 : 0;
		}
		EXPECT_EQ(shortEdges, 2 * e.edgesOfSolid);
		EXPECT_EQ(CountEdges(mesh.polygons), e.edgesOfSolid + e.quads * (e.type == 3 ? 1 : 0));
	}
}

TEST(Primitives, RejectInvalidSizesAndLeaveTheOutputEmpty)
{
	MeshData mesh;
	const auto refill = [&]
	{
		mesh.points.assign(3, Vector(1, 2, 3));
		mesh.polygons.assign(1, CPolygon(0, 1, 2));
	};
	const auto expectRejected = [&](bool result)
	{
		EXPECT_FALSE(result);
		EXPECT_TRUE(mesh.points.empty());
		EXPECT_TRUE(mesh.polygons.empty());
		refill();
	};
	refill();
	for (const Vector& bad : {Vector(-1, 1, 1), Vector(1, kNan, 1), Vector(1, 1, kInf), Vector(-kInf, 1, 1)})
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
	EXPECT_EQ(mesh.points.size(), 20u);
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
	ASSERT_TRUE(surfax::builtins::BuildCube(Vector(0, 1, 1), 2, 2, 2, mesh));
	EXPECT_TRUE(IsClosedAndConsistent(mesh.polygons));
}
