// Wires as tubes (--wire-width): every strip a closed, outward-facing tube of the asked width around its points,
// what becomes of the line set's name, node and colour, the cost told before, refusals, and the command's glTF.
#include "host/export/wire_tubes.h"

#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>

using surfax::io::ExportLines;
using surfax::io::ExportMesh;
using surfax::io::ExportScene;

namespace
{
using Point = std::array<double, 3>;

Point At(const std::vector<float>& positions, std::size_t i)
{
	return {positions[i * 3], positions[i * 3 + 1], positions[i * 3 + 2]};
}

// An open strip with a right-angle turn and a repeated point, and a closed square (its last point is its first).
ExportScene Wires()
{
	ExportScene scene;
	ExportLines lines;
	lines.name = "grid";
	lines.node = 3;
	lines.colorSource = surfax::io::ColorSource::Display;
	lines.color[0] = 0.2f;
	lines.positions = {0, 0, 0, 10, 0, 0, 10, 0, 0, 10, 5, 0, 10, 5, 8};
	lines.positions.insert(lines.positions.end(), {0, 20, 0, 6, 20, 0, 6, 20, 6, 0, 20, 6, 0, 20, 0});
	lines.stripCounts = {5, 5};
	scene.lines.push_back(lines);
	return scene;
}

// Whether the triangles, their corners welded by position, close up: every edge is used twice, once each way (so the
// surface is closed and consistently turned), and the signed volume they enclose (positive when they face outward).
struct Closure
{
	bool closed = true;
	double volume = 0.0;
};

Closure CloseUp(const ExportMesh& mesh)
{
	std::map<Point, std::size_t> welded;
	std::vector<std::size_t> id(mesh.VertexCount());
	for (std::size_t v = 0; v < id.size(); ++v)
		id[v] = welded.emplace(At(mesh.positions, v), welded.size()).first->second;
	std::map<std::pair<std::size_t, std::size_t>, int> edges; // directed edge -> uses
	Closure c;
	for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3)
	{
		const std::uint32_t corner[3] = {mesh.indices[t], mesh.indices[t + 1], mesh.indices[t + 2]};
		for (int k = 0; k < 3; ++k)
			++edges[{id[corner[k]], id[corner[(k + 1) % 3]]}];
		const Point a = At(mesh.positions, corner[0]), b = At(mesh.positions, corner[1]),
		            p = At(mesh.positions, corner[2]);
		c.volume += (a[0] * (b[1] * p[2] - b[2] * p[1]) - a[1] * (b[0] * p[2] - b[2] * p[0]) +
		             a[2] * (b[0] * p[1] - b[1] * p[0])) /
		            6.0;
	}
	for (const auto& [edge, uses] : edges)
	{
		const auto back = edges.find({edge.second, edge.first});
		c.closed = c.closed && uses == 1 && back != edges.end() && back->second == 1;
	}
	return c;
}

// The distance from p to the polyline through the points.
double DistanceToPolyline(const Point& p, const std::vector<Point>& line)
{
	double best = 1e300;
	for (std::size_t i = 0; i + 1 < line.size(); ++i)
	{
		Point d{}, w{};
		double dd = 0.0, dw = 0.0;
		for (int k = 0; k < 3; ++k)
		{
			d[k] = line[i + 1][k] - line[i][k];
			w[k] = p[k] - line[i][k];
			dd += d[k] * d[k];
			dw += d[k] * w[k];
		}
		const double t = dd > 0.0 ? std::clamp(dw / dd, 0.0, 1.0) : 0.0;
		double e = 0.0;
		for (int k = 0; k < 3; ++k)
			e += (w[k] - t * d[k]) * (w[k] - t * d[k]);
		best = std::min(best, std::sqrt(e));
	}
	return best;
}
} // namespace

TEST(WireTubes, EachStripBecomesAClosedOutwardTubeOfTheWidthAroundItsPoints)
{
	ExportScene scene = Wires();
	const surfax::io::TubeCost cost = surfax::io::TubeCostOf(scene, 1.0);
	std::string error;
	ASSERT_TRUE(surfax::io::TubeWires(scene, 1.0, error)) << error;
	EXPECT_TRUE(scene.lines.empty()) << "no line is left";
	ASSERT_EQ(scene.meshes.size(), 1u);
	const ExportMesh& tubes = scene.meshes[0];
	EXPECT_EQ(tubes.name, "grid");
	EXPECT_EQ(tubes.node, 3);
	EXPECT_EQ(tubes.colorSource, surfax::io::ColorSource::Display);
	EXPECT_EQ(tubes.color[0], 0.2f);
	EXPECT_EQ(cost.vertices, tubes.VertexCount());
	EXPECT_EQ(cost.triangles, tubes.TriangleCount());
	// The open strip: 4 distinct points, 3 segments and two caps; the square: 4 rings, 4 segments, no caps.
	const std::uint64_t sides = surfax::io::kTubeSides;
	EXPECT_EQ(tubes.TriangleCount(), 3 * 2 * sides + 2 * (sides - 2) + 4 * 2 * sides);
	ASSERT_EQ(tubes.normals.size(), tubes.positions.size());
	for (std::size_t v = 0; v < tubes.VertexCount(); ++v)
	{
		const Point n = At(tubes.normals, v);
		EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0, 1e-5) << v;
	}

	// Each tube alone is closed and faces outward; its volume is about that of a hexagonal prism along the strip.
	const std::size_t openVertices = 4 * sides + 2 * sides, openTriangles = 3 * 2 * sides + 2 * (sides - 2);
	ExportMesh open, square;
	open.positions.assign(tubes.positions.begin(), tubes.positions.begin() + openVertices * 3);
	open.indices.assign(tubes.indices.begin(), tubes.indices.begin() + openTriangles * 3);
	square.positions.assign(tubes.positions.begin() + openVertices * 3, tubes.positions.end());
	for (auto i = tubes.indices.begin() + openTriangles * 3; i != tubes.indices.end(); ++i)
		square.indices.push_back(*i - static_cast<std::uint32_t>(openVertices));
	const double hexagon = 3.0 * std::sqrt(3.0) / 2.0 * 0.25; // radius 0.5
	for (const auto& [mesh, length] : {std::pair<const ExportMesh*, double>{&open, 10.0 + 5.0 + 8.0},
	                                   std::pair<const ExportMesh*, double>{&square, 24.0}})
	{
		const Closure c = CloseUp(*mesh);
		EXPECT_TRUE(c.closed);
		EXPECT_GT(c.volume, 0.0);
		EXPECT_NEAR(c.volume, hexagon * length, hexagon * length * 0.1);
	}

	// The tube keeps its width: every vertex lies half the width from its strip, or further out across a bend (at
	// most the miter's limit).
	const std::vector<Point> path = {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {10, 5, 8}};
	const std::vector<Point> ring = {{0, 20, 0}, {6, 20, 0}, {6, 20, 6}, {0, 20, 6}, {0, 20, 0}};
	for (std::size_t v = 0; v < tubes.VertexCount(); ++v)
	{
		const double d = DistanceToPolyline(At(tubes.positions, v), v < openVertices ? path : ring);
		EXPECT_GE(d, 0.5 * (1.0 - 1e-5)) << v;
		EXPECT_LE(d, 0.5 * surfax::io::kMaxMiter) << v;
	}
}

TEST(WireTubes, NothingForPointsThatCoincideAndRefusesAWidthThatIsNoPositiveNumber)
{
	ExportScene scene;
	ExportLines lines;
	lines.positions = {1, 2, 3, 1, 2, 3, 1, 2, 3};
	lines.stripCounts = {3};
	scene.lines.push_back(lines);
	EXPECT_EQ(surfax::io::TubeCostOf(scene, 1.0).triangles, 0u);
	std::string error;
	ASSERT_TRUE(surfax::io::TubeWires(scene, 1.0, error)) << error;
	EXPECT_TRUE(scene.Empty());

	for (const double width : {0.0, -1.0, std::nan(""), std::numeric_limits<double>::infinity()})
	{
		ExportScene kept = Wires();
		EXPECT_FALSE(surfax::io::TubeWires(kept, width, error)) << width;
		EXPECT_NE(error.find("wire width"), std::string::npos) << error;
		EXPECT_EQ(kept.lines.size(), 1u);
		EXPECT_TRUE(kept.meshes.empty());
	}
}

TEST(WireTubes, TheCostIsToldAboveTheBoundOnly)
{
	EXPECT_EQ(surfax::io::TubeWarning({1000, surfax::io::kTubeWarningTriangles}), "");
	const std::string warning = surfax::io::TubeWarning({777, surfax::io::kTubeWarningTriangles + 1});
	EXPECT_NE(warning.find(std::to_string(surfax::io::kTubeWarningTriangles + 1) + " triangles"), std::string::npos)
	    << warning;
	EXPECT_NE(warning.find("777 vertices"), std::string::npos) << warning;
}

TEST(WireTubes, TheCommandsGridAndCageAreTriangleTubesInTheirColours)
{
	if (!std::filesystem::exists(surfax::test::PluginFolder("surfax")))
		GTEST_SKIP() << "the Surfax plug-in is not built";
	const std::filesystem::path dir = surfax::test::MakeTestFolder("wire-tubes");
	const surfax::test::HostRun run = surfax::test::RunHost(
	    dir, {"plot", "--with", "mesh,grid,cage", "--set", "PLOT_RESOLUTION=20", "--wire-width", "0.3", "-o", "w.glb"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
	surfax::test::GltfFile file;
	std::string error;
	ASSERT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes((dir / "w.glb").string()), file, error)) << error;
	std::size_t tubeMeshes = 0;
	for (const nlohmann::json& mesh : file.json.at("meshes"))
	{
		for (const nlohmann::json& primitive : mesh.at("primitives"))
		{
			EXPECT_EQ(primitive.at("mode"), 4) << mesh.at("name") << ": no line primitive is left";
			const std::string material =
			    file.json.at("materials").at(primitive.at("material").get<std::size_t>()).at("name");
			if (material.find("display #") != 0)
				continue;
			// A display-coloured mesh is the grid's or the cage's tubes: closed and outward.
			++tubeMeshes;
			ExportMesh tubes;
			tubes.positions =
			    surfax::test::AccessorFloats(file, primitive.at("attributes").at("POSITION").get<std::size_t>());
			tubes.indices = surfax::test::AccessorIndices(file, primitive.at("indices").get<std::size_t>());
			const Closure c = CloseUp(tubes);
			EXPECT_TRUE(c.closed) << mesh.at("name");
			EXPECT_GT(c.volume, 0.0) << mesh.at("name");
		}
	}
	EXPECT_EQ(tubeMeshes, 2u);

	// A grid of 502 curves of 251 points makes 1.5 million tube triangles: the cost is told.
	const surfax::test::HostRun large =
	    surfax::test::RunHost(dir, {"plot", "--with", "grid", "--set", "PLOT_RESOLUTION=250", "--wire-width", "0.3",
	                                "--size", "32x32", "-o", "w.png"});
	ASSERT_EQ(large.exitCode, 0) << large.err;
	EXPECT_NE(large.err.find("warning: --wire-width: the wire tubes have"), std::string::npos) << large.err;
}
