// OBJ output: the records read back (counts, index ranges, colours, uvs), the material library rules, file
// writing, and loading with assimp when it is installed.
#include "host/export/obj_writer.h"

#include "support/export_scenes.h"
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace cinema;
using surfax::io::ColorSource;
using surfax::io::ExportScene;

namespace
{
ExportScene SceneOf(const surfax::test::TestDocument& doc)
{
	ExportScene scene;
	std::string error;
	EXPECT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	return scene;
}

// A vertex-coloured surface with uvs, a display-coloured cube, a neutral closed spline and two points.
ExportScene MixedScene()
{
	surfax::test::TestDocument doc;
	PolygonObject* surface = surfax::test::MakeSurface(4);
	EXPECT_NE(surface, nullptr);
	surface->SetName(String("the surface"));
	surface->InsertUnderLast(doc.Get());
	BaseObject* cube = doc.Add(Ocube);
	ObjectColorProperties color;
	color.color = Vector(0, 0.5, 1);
	color.usecolor = ID_BASEOBJECT_USECOLOR_ALWAYS;
	cube->SetColorProperties(&color);
	SplineObject* ring = SplineObject::Alloc(3, SPLINETYPE::LINEAR);
	EXPECT_NE(ring, nullptr);
	ring->GetPointW()[1] = Vector(10, 0, 0);
	ring->GetPointW()[2] = Vector(0, 10, 0);
	ring->GetDataInstance()->SetBool(1002, true);
	ring->InsertUnderLast(doc.Get());
	surfax::test::AddPolygon(doc, {Vector(1, 2, 3), Vector(4, 5, 6)}, {});
	return SceneOf(doc);
}

// What an OBJ reader sees: records by keyword, with their fields.
struct ObjRecords
{
	std::map<std::string, std::vector<std::vector<std::string>>> byKeyword;

	std::size_t Count(const std::string& keyword) const
	{
		const auto it = byKeyword.find(keyword);
		return it == byKeyword.end() ? 0 : it->second.size();
	}
	const std::vector<std::vector<std::string>>& Get(const std::string& keyword) const
	{
		static const std::vector<std::vector<std::string>> none;
		const auto it = byKeyword.find(keyword);
		return it == byKeyword.end() ? none : it->second;
	}
};

ObjRecords Parse(const std::string& text)
{
	ObjRecords records;
	std::istringstream in(text);
	std::string line;
	while (std::getline(in, line))
	{
		if (line.empty() || line[0] == '#')
			continue;
		std::istringstream fields(line);
		std::string keyword, field;
		fields >> keyword;
		std::vector<std::string> values;
		while (fields >> field)
			values.push_back(field);
		records.byKeyword[keyword].push_back(values);
	}
	return records;
}

// The 1-based index before the first '/' of a face corner ("3/3/3", "7//7").
long VertexIndex(const std::string& corner, int part = 0)
{
	std::size_t start = 0;
	for (int k = 0; k < part; ++k)
		start = corner.find('/', start) + 1;
	return std::strtol(corner.c_str() + start, nullptr, 10);
}

std::string TempDir()
{
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-obj-export";
	std::filesystem::create_directories(dir);
	return dir.string();
}

std::string ReadText(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
} // namespace

TEST(ObjRoundTrip, RecordsMatchTheSceneWithIndicesInRange)
{
	const ExportScene scene = MixedScene();
	ASSERT_EQ(scene.meshes.size(), 2u);
	ASSERT_EQ(scene.lines.size(), 1u);
	ASSERT_EQ(scene.points.size(), 1u);
	std::string obj, mtl, error;
	ASSERT_TRUE(surfax::io::EncodeObj(scene, "chart.mtl", obj, mtl, error)) << error;
	const ObjRecords r = Parse(obj);

	std::size_t vertices = 0, triangles = 0, normals = 0;
	for (const auto& m : scene.meshes)
	{
		vertices += m.VertexCount();
		normals += m.VertexCount();
		triangles += m.TriangleCount();
	}
	vertices += scene.lines[0].VertexCount() + scene.points[0].VertexCount();
	EXPECT_EQ(r.Count("v"), vertices);
	EXPECT_EQ(r.Count("vn"), normals);
	EXPECT_EQ(r.Count("vt"), scene.meshes[0].VertexCount());
	EXPECT_EQ(r.Count("f"), triangles);
	EXPECT_EQ(r.Count("o"), 4u);
	EXPECT_EQ(r.Get("o")[0][0], "the_surface");
	// Every segment its own two-point `l` (readers such as Blender's keep only the first segment of a longer one),
	// joining neighbouring vertices; the closed triangle comes back to its first vertex.
	ASSERT_EQ(scene.lines[0].SegmentCount(), 3u);
	ASSERT_EQ(r.Count("l"), 3u);
	for (const auto& segment : r.Get("l"))
	{
		ASSERT_EQ(segment.size(), 2u);
		EXPECT_EQ(std::stoul(segment[1]), std::stoul(segment[0]) + 1);
	}
	EXPECT_EQ(r.Get("v")[std::stoul(r.Get("l")[0][0]) - 1], r.Get("v")[std::stoul(r.Get("l")[2][1]) - 1]);
	EXPECT_EQ(r.Count("p"), 1u);
	EXPECT_EQ(r.Get("mtllib"), (std::vector<std::vector<std::string>>{{"chart.mtl"}}));
	EXPECT_EQ(r.Count("usemtl"), 4u);

	for (const auto& face : r.Get("f"))
	{
		ASSERT_EQ(face.size(), 3u);
		for (const std::string& corner : face)
		{
			EXPECT_GE(VertexIndex(corner), 1);
			EXPECT_LE(VertexIndex(corner), static_cast<long>(vertices));
			EXPECT_LE(VertexIndex(corner, 2), static_cast<long>(normals));
		}
	}
	// The surface's vertices carry its colours; the cube's do not.
	const auto& v = r.Get("v");
	ASSERT_EQ(v[0].size(), 6u);
	EXPECT_FLOAT_EQ(std::stof(v[0][3]), scene.meshes[0].colors[0]);
	EXPECT_FLOAT_EQ(std::stof(v[0][5]), scene.meshes[0].colors[2]);
	EXPECT_EQ(v[scene.meshes[0].VertexCount()].size(), 3u);
	// Positions and uvs read back to the same floats; v counts upwards in OBJ.
	for (std::size_t i = 0; i < scene.meshes[0].VertexCount(); ++i)
	{
		for (std::size_t k = 0; k < 3; ++k)
			EXPECT_EQ(std::stof(v[i][k]), scene.meshes[0].positions[i * 3 + k]);
		EXPECT_EQ(std::stof(r.Get("vt")[i][0]), scene.meshes[0].uvs[i * 2]);
		EXPECT_FLOAT_EQ(std::stof(r.Get("vt")[i][1]), 1.0f - scene.meshes[0].uvs[i * 2 + 1]);
	}
}

TEST(ObjMaterials, LibraryOnlyWhenSomethingIsNotColouredPerVertex)
{
	const ExportScene mixed = MixedScene();
	std::string obj, mtl, error;
	ASSERT_TRUE(surfax::io::EncodeObj(mixed, "x.mtl", obj, mtl, error)) << error;
	const ObjRecords m = Parse(mtl);
	ASSERT_EQ(m.Count("newmtl"), 3u); // vertex colours, the cube's blue, neutral grey for lines and points
	std::vector<std::string> names;
	for (const auto& n : m.Get("newmtl"))
		names.push_back(n[0]);
	const ObjRecords o = Parse(obj);
	for (const auto& used : o.Get("usemtl"))
		EXPECT_NE(std::find(names.begin(), names.end(), used[0]), names.end()) << used[0];
	bool blue = false;
	for (const auto& kd : m.Get("Kd"))
		blue = blue || (kd == std::vector<std::string>{"0", "0.5", "1"});
	EXPECT_TRUE(blue);

	ExportScene vertexOnly;
	vertexOnly.meshes.push_back(mixed.meshes[0]);
	ASSERT_EQ(vertexOnly.meshes[0].colorSource, ColorSource::VertexColors);
	ASSERT_TRUE(surfax::io::EncodeObj(vertexOnly, "x.mtl", obj, mtl, error)) << error;
	EXPECT_TRUE(mtl.empty());
	EXPECT_EQ(Parse(obj).Count("mtllib"), 0u);
	EXPECT_EQ(Parse(obj).Count("usemtl"), 0u);
}

TEST(ObjFiles, WritesTheLibraryBesideTheFileAndTheSameBytesEachTime)
{
	const std::string path = TempDir() + "/chart.obj";
	const ExportScene scene = MixedScene();
	std::string error;
	ASSERT_TRUE(surfax::io::WriteObj(path, scene, error)) << error;
	EXPECT_EQ(surfax::io::MaterialLibraryPath(path), TempDir() + "/chart.mtl");
	std::string obj, mtl;
	ASSERT_TRUE(surfax::io::EncodeObj(scene, "chart.mtl", obj, mtl, error)) << error;
	EXPECT_EQ(ReadText(path), obj);
	EXPECT_EQ(ReadText(TempDir() + "/chart.mtl"), mtl);
	ASSERT_TRUE(surfax::io::EncodeObj(MixedScene(), "chart.mtl", obj, mtl, error)) << error;
	EXPECT_EQ(ReadText(path), obj);

	const std::string unwritable = TempDir() + "/no-such-folder/chart.obj";
	EXPECT_FALSE(surfax::io::WriteObj(unwritable, scene, error));
	EXPECT_NE(error.find(unwritable), std::string::npos) << error;
	EXPECT_FALSE(std::filesystem::exists(unwritable));
}

namespace
{
// What `assimp info` makes of an OBJ file: each mesh by name with its face count and primitive type. Its mesh lines
// read "INDEX (NAME): [VERTICES / INDICES / FACES | TYPE]". `text` receives the whole report.
std::map<std::string, std::pair<std::size_t, std::string>> AssimpMeshes(const std::string& path, std::string& text)
{
	const std::string report = path + ".assimp.txt";
	const int status = std::system(("assimp info '" + path + "' > '" + report + "' 2>&1").c_str());
	text = ReadText(report);
	EXPECT_EQ(status, 0) << text;
	EXPECT_EQ(text.find("rror"), std::string::npos) << text;
	std::map<std::string, std::pair<std::size_t, std::string>> meshes; // name -> faces, primitive type
	std::istringstream lines(text);
	std::string line;
	while (std::getline(lines, line))
	{
		const std::size_t open = line.find(" (");
		const std::size_t close = line.rfind("): [");
		const std::size_t bar = line.rfind(" | ");
		const std::size_t end = line.rfind(']');
		if (open == std::string::npos || close == std::string::npos || bar == std::string::npos ||
		    end == std::string::npos || !(open < close && close < bar && bar < end))
			continue;
		const std::size_t indexStart = line.find_first_not_of(' ');
		if (indexStart >= open || line.find_first_not_of("0123456789", indexStart) != open)
			continue;
		const std::string counts = line.substr(close + 4, bar - close - 4);
		const std::size_t lastSlash = counts.rfind('/');
		if (std::count(counts.begin(), counts.end(), '/') != 2) // material properties have two counts
			continue;
		meshes[line.substr(open + 2, close - open - 2)] = {std::stoul(counts.substr(lastSlash + 1)),
		                                                   line.substr(bar + 3, end - bar - 3)};
	}
	return meshes;
}
} // namespace

TEST(ObjAssimp, AssimpLoadsTheFile)
{
	if (!surfax::test::HasProgram("assimp"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("assimp-utils", "assimp");
	const std::string path = TempDir() + "/assimp.obj";
	const ExportScene scene = MixedScene();
	std::string error;
	ASSERT_TRUE(surfax::io::WriteObj(path, scene, error)) << error;
	// Every item arrives as a mesh of its own, each with all its faces.
	std::string text;
	std::map<std::string, std::pair<std::size_t, std::string>> meshes = AssimpMeshes(path, text);
	ASSERT_EQ(meshes.size(), 4u) << text;
	EXPECT_EQ(meshes["the_surface"], std::make_pair(scene.meshes[0].TriangleCount(), std::string("triangle")));
	EXPECT_EQ(meshes["Cube"], std::make_pair(scene.meshes[1].TriangleCount(), std::string("triangle")));
	EXPECT_EQ(meshes["Spline"], std::make_pair(scene.lines[0].SegmentCount(), std::string("line")));
	EXPECT_EQ(meshes["Polygon"], std::make_pair(std::size_t(2), std::string("point")));
}

TEST(ObjAssimp, AssimpLoadsEveryObjectOfTheDefaultChartWithEverySegment)
{
	if (!surfax::test::HasProgram("assimp"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("assimp-utils", "assimp");
	if (!std::filesystem::exists(surfax::test::PluginFolder("surfax")))
		GTEST_SKIP() << "the Surfax plug-in is not built";
	const std::filesystem::path dir = surfax::test::MakeTestFolder("obj-default-chart");
	const surfax::test::HostRun run = surfax::test::RunHost(dir, {"plot", "-o", "chart.obj"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const ObjRecords records = Parse(ReadText((dir / "chart.obj").string()));
	// No `l` record has more than two points.
	for (const auto& segment : records.Get("l"))
		ASSERT_EQ(segment.size(), 2u);
	std::string text;
	const std::map<std::string, std::pair<std::size_t, std::string>> meshes =
	    AssimpMeshes((dir / "chart.obj").string(), text);
	// Every object of the file arrives, the grid and the cage with all their segments.
	std::size_t segments = 0;
	for (const auto& object : records.Get("o"))
	{
		ASSERT_EQ(meshes.count(object[0]), 1u) << object[0] << "\n" << text;
		if (meshes.at(object[0]).second == "line")
			segments += meshes.at(object[0]).first;
	}
	EXPECT_EQ(meshes.count("3D_Plot_Grid"), 1u);
	EXPECT_EQ(meshes.count("3D_Plot_Cage"), 1u);
	EXPECT_EQ(segments, records.Count("l"));
}
