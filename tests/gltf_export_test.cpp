// glTF output: round trips through an independent reader (counts, bounds, colours), both containers, materials,
// deterministic bytes, write failures, and the Khronos validator when npm can provide it.
#include "host/core/color_space.h"
#include "host/export/gltf_writer.h"

#include "source/main.h"
#include "support/export_scenes.h"
#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

using namespace cinema;
using surfax::io::ColorSource;
using surfax::io::ExportScene;
using surfax::io::GltfContainer;
using surfax::test::GltfFile;

namespace
{
// A document with one of each kind of item: a vertex-coloured surface with uvs, a display-coloured cube, a neutral
// spline and a point set.
ExportScene MixedScene()
{
	surfax::test::TestDocument doc;
	PolygonObject* surface = surfax::test::MakeSurface(6);
	EXPECT_NE(surface, nullptr);
	surface->SetName(String("surface"));
	surface->InsertUnderLast(doc.Get());
	BaseObject* cube = doc.Add(Ocube);
	cube->SetRelPos(Vector(0, 150, 0));
	ObjectColorProperties color;
	color.color = Vector(0.9, 0.3, 0.1);
	color.usecolor = ID_BASEOBJECT_USECOLOR_ALWAYS;
	cube->SetColorProperties(&color);
	SplineObject* spline = SplineObject::Alloc(4, SPLINETYPE::CUBIC);
	EXPECT_NE(spline, nullptr);
	for (Int32 i = 0; i < 4; ++i)
		spline->GetPointW()[i] = Vector(i * 40.0, (i % 2) * 30.0, -120.0);
	spline->InsertUnderLast(doc.Get());
	surfax::test::AddPolygon(doc, {Vector(-150, 0, 0), Vector(150, 10, 0), Vector(0, 200, 40)}, {});
	ExportScene scene;
	std::string error;
	EXPECT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	return scene;
}

std::vector<std::uint8_t> Encode(const ExportScene& scene, GltfContainer container)
{
	std::vector<std::uint8_t> bytes;
	std::string error;
	EXPECT_TRUE(surfax::io::EncodeGltf(scene, container, bytes, error)) << error;
	return bytes;
}

GltfFile ReadBack(const ExportScene& scene, GltfContainer container)
{
	GltfFile file;
	std::string error;
	const std::vector<std::uint8_t> bytes = Encode(scene, container);
	const bool ok = container == GltfContainer::Binary ? surfax::test::ReadGlb(bytes, file, error)
	                                                   : surfax::test::ReadEmbeddedGltf(bytes, file, error);
	EXPECT_TRUE(ok) << error;
	return file;
}

const surfax::io::ExportItem& ItemAt(const ExportScene& scene, std::size_t i)
{
	if (i < scene.meshes.size())
		return scene.meshes[i];
	i -= scene.meshes.size();
	if (i < scene.lines.size())
		return scene.lines[i];
	return scene.points[i - scene.lines.size()];
}

std::string TempPath(const std::string& name)
{
	// One folder per process: test runs of other build folders may share the temporary folder at the same time.
	const std::filesystem::path dir =
	    std::filesystem::path(testing::TempDir()) / ("surfax-gltf-export-" + std::to_string(::getpid()));
	std::filesystem::create_directories(dir);
	return (dir / name).string();
}

// The primitives written for each item (meshes, lines, points in order) and the world matrix of its node. A flat
// file (a scene without nodes) has item i on node i. A file with the object tree has the items of each scene node
// that has any on one glTF node, these nodes in depth-first order, the items' primitives in item order: one for a
// mesh or a point set, one per strip for a line set.
struct WrittenItem
{
	std::vector<const nlohmann::json*> primitives;
	surfax::test::NodeMatrix world;
};

std::size_t PrimitivesOfItem(const ExportScene& scene, std::size_t i)
{
	const bool lines = i >= scene.meshes.size() && i < scene.meshes.size() + scene.lines.size();
	return lines ? scene.lines[i - scene.meshes.size()].stripCounts.size() : 1;
}

// A linear colour value written for a display value: the sRGB transfer function gives the display value back to a
// few float ulps.
void ExpectLinearOf(float linear, float display)
{
	const float back = static_cast<float>(surfax::core::LinearToSrgb(static_cast<double>(linear)));
	EXPECT_NEAR(back, display, 4.0f * std::numeric_limits<float>::epsilon() * std::max(display, 0.01f))
	    << "linear " << linear;
}

std::vector<WrittenItem> WrittenItems(const GltfFile& file, const ExportScene& scene)
{
	const nlohmann::json& j = file.json;
	const std::size_t items = scene.meshes.size() + scene.lines.size() + scene.points.size();
	std::vector<WrittenItem> written;
	std::vector<surfax::test::NodeInScene> meshNodes;
	for (const surfax::test::NodeInScene& n : surfax::test::NodesInScene(file))
	{
		if (j.at("nodes").at(n.index).contains("mesh"))
			meshNodes.push_back(n);
	}
	auto primitivesOf = [&](const surfax::test::NodeInScene& n)
	{ return &j.at("meshes").at(j.at("nodes").at(n.index).at("mesh").get<std::size_t>()).at("primitives"); };
	// Hands out the primitives of a node's mesh to its items in order.
	auto take =
	    [&](const nlohmann::json& primitives, std::size_t& at, std::size_t item, const surfax::test::NodeMatrix& world)
	{
		WrittenItem w{{}, world};
		for (std::size_t k = 0; k < PrimitivesOfItem(scene, item) && at < primitives.size(); ++k)
			w.primitives.push_back(&primitives.at(at++));
		EXPECT_EQ(w.primitives.size(), PrimitivesOfItem(scene, item)) << "item " << item;
		return w;
	};
	if (scene.nodes.empty())
	{
		EXPECT_EQ(j.at("nodes").size(), items);
		EXPECT_EQ(j.at("scenes").at(0).at("nodes").size(), items);
		for (std::size_t i = 0; i < items && i < meshNodes.size(); ++i)
		{
			std::size_t at = 0;
			written.push_back(take(*primitivesOf(meshNodes[i]), at, i, meshNodes[i].world));
		}
		return written;
	}
	std::vector<std::vector<std::size_t>> itemsOfNode(scene.nodes.size());
	for (std::size_t i = 0; i < items; ++i)
		itemsOfNode.at(static_cast<std::size_t>(ItemAt(scene, i).node)).push_back(i);
	written.resize(items, WrittenItem{{}, {}});
	std::size_t next = 0;
	for (const std::vector<std::size_t>& list : itemsOfNode)
	{
		if (list.empty())
			continue;
		EXPECT_LT(next, meshNodes.size());
		if (next >= meshNodes.size())
			return {};
		const nlohmann::json* primitives = primitivesOf(meshNodes[next]);
		std::size_t at = 0;
		for (const std::size_t item : list)
			written[item] = take(*primitives, at, item, meshNodes[next].world);
		EXPECT_EQ(at, primitives->size()) << "every primitive belongs to an item";
		++next;
	}
	EXPECT_EQ(next, meshNodes.size()) << "every mesh node holds items";
	return written;
}

// Checks every primitive of the file against the scene it was written from.
void ExpectMatchesScene(const GltfFile& file, const ExportScene& scene)
{
	const nlohmann::json& j = file.json;
	const std::size_t items = scene.meshes.size() + scene.lines.size() + scene.points.size();
	const std::vector<WrittenItem> written = WrittenItems(file, scene);
	ASSERT_EQ(written.size(), items);
	// Scenes with an object tree are written in metres below a root that scales the host's centimetres.
	const double unit = scene.nodes.empty() ? 1.0 : surfax::io::kMetresPerSceneUnit;
	for (std::size_t i = 0; i < items; ++i)
	{
		SCOPED_TRACE("item " + std::to_string(i));
		const surfax::io::ExportItem& item = ItemAt(scene, i);
		ASSERT_FALSE(written[i].primitives.empty());
		const nlohmann::json& prim = *written[i].primitives[0];
		const nlohmann::json& attributes = prim.at("attributes");
		// A line set's strips one after another.
		std::vector<float> positions;
		for (const nlohmann::json* p : written[i].primitives)
		{
			const std::vector<float> part =
			    surfax::test::AccessorFloats(file, p->at("attributes").at("POSITION").get<std::size_t>());
			positions.insert(positions.end(), part.begin(), part.end());
			// Declared bounds are the data's bounds.
			const nlohmann::json& a = j.at("accessors").at(p->at("attributes").at("POSITION").get<std::size_t>());
			for (std::size_t k = 0; k < 3; ++k)
			{
				float lo = part[k], hi = part[k];
				for (std::size_t v = k; v < part.size(); v += 3)
				{
					lo = std::min(lo, part[v]);
					hi = std::max(hi, part[v]);
				}
				EXPECT_EQ(a.at("min").at(k).get<float>(), lo);
				EXPECT_EQ(a.at("max").at(k).get<float>(), hi);
			}
		}
		ASSERT_EQ(positions.size(), item.positions.size());
		const surfax::test::NodeMatrix& world = written[i].world;
		const bool placed = world != surfax::test::NodeMatrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
		if (!placed)
		{
			EXPECT_EQ(positions, item.positions);
		}
		for (std::size_t v = 0; placed && v < positions.size(); v += 3)
		{
			const std::array<double, 3> p = surfax::test::TransformPoint(world, &positions[v]);
			for (std::size_t k = 0; k < 3; ++k)
				ASSERT_NEAR(p[k], unit * item.positions[v + k], 1e-5 * (1.0 + std::fabs(item.positions[v + k])))
				    << "vertex " << v / 3;
		}
		// Colours, per vertex or through the material, as linear values of the display colours; alpha as it is.
		const nlohmann::json& material = j.at("materials").at(prim.at("material").get<std::size_t>());
		const std::vector<float> factor =
		    material.at("pbrMetallicRoughness").at("baseColorFactor").get<std::vector<float>>();
		ASSERT_EQ(factor.size(), 4u);
		for (std::size_t k = 0; k < 3; ++k)
			ExpectLinearOf(factor[k], item.color[k]);
		EXPECT_EQ(factor[3], item.color[3]);
		EXPECT_EQ(attributes.contains("COLOR_0"), item.colorSource == ColorSource::VertexColors);
		if (attributes.contains("COLOR_0"))
		{
			const std::vector<float> linear =
			    surfax::test::AccessorFloats(file, attributes.at("COLOR_0").get<std::size_t>());
			ASSERT_EQ(linear.size(), item.colors.size());
			for (std::size_t k = 0; k < linear.size(); ++k)
			{
				if (k % 4 == 3)
					EXPECT_EQ(linear[k], item.colors[k]);
				else
					ExpectLinearOf(linear[k], item.colors[k]);
			}
		}

		const std::size_t vertexCount = item.VertexCount();
		const int mode = prim.at("mode").get<int>();
		if (i < scene.meshes.size())
		{
			const surfax::io::ExportMesh& m = scene.meshes[i];
			EXPECT_EQ(mode, 4);
			const std::vector<float> normals =
			    surfax::test::AccessorFloats(file, attributes.at("NORMAL").get<std::size_t>());
			ASSERT_EQ(normals.size(), m.normals.size());
			// Normals go to the world with the cofactors of the node's linear part (the inverse transpose up to
			// a factor), then unit length.
			const double m00 = world[0], m01 = world[4], m02 = world[8], m10 = world[1], m11 = world[5], m12 = world[9],
			             m20 = world[2], m21 = world[6], m22 = world[10];
			const double cof[9] = {m11 * m22 - m12 * m21, m02 * m21 - m01 * m22, m01 * m12 - m02 * m11,
			                       m12 * m20 - m10 * m22, m00 * m22 - m02 * m20, m02 * m10 - m00 * m12,
			                       m10 * m21 - m11 * m20, m01 * m20 - m00 * m21, m00 * m11 - m01 * m10};
			for (std::size_t v = 0; v < normals.size(); v += 3)
			{
				double n[3];
				for (std::size_t k = 0; k < 3; ++k)
					n[k] = cof[k] * normals[v] + cof[3 + k] * normals[v + 1] + cof[6 + k] * normals[v + 2];
				const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
				for (std::size_t k = 0; k < 3; ++k)
					ASSERT_NEAR(n[k] / length, m.normals[v + k], 1e-5) << "normal " << v / 3;
			}
			EXPECT_EQ(attributes.contains("TEXCOORD_0"), !m.uvs.empty());
			if (!m.uvs.empty())
			{
				EXPECT_EQ(surfax::test::AccessorFloats(file, attributes.at("TEXCOORD_0").get<std::size_t>()), m.uvs);
			}
			EXPECT_EQ(surfax::test::AccessorIndices(file, prim.at("indices").get<std::size_t>()), m.indices);
		}
		else if (i < scene.meshes.size() + scene.lines.size())
		{
			// One LINE_STRIP per strip, without indices, of the strip's vertices.
			const surfax::io::ExportLines& l = scene.lines[i - scene.meshes.size()];
			ASSERT_EQ(written[i].primitives.size(), l.stripCounts.size());
			std::size_t strip = 0;
			for (const nlohmann::json* p : written[i].primitives)
			{
				EXPECT_EQ(p->at("mode").get<int>(), 3);
				EXPECT_FALSE(p->contains("indices"));
				EXPECT_EQ(p->at("material"), prim.at("material"));
				const std::size_t accessor = p->at("attributes").at("POSITION").get<std::size_t>();
				EXPECT_EQ(j.at("accessors").at(accessor).at("count").get<std::size_t>(), l.stripCounts[strip++]);
			}
			EXPECT_EQ(l.VertexCount(), vertexCount);
		}
		else
		{
			EXPECT_EQ(mode, 0);
			EXPECT_FALSE(prim.contains("indices"));
		}
	}
}
} // namespace

TEST(GltfRoundTrip, CountsBoundsAndColoursSurviveBothContainers)
{
	const ExportScene scene = MixedScene();
	ASSERT_EQ(scene.meshes.size(), 2u);
	ASSERT_EQ(scene.lines.size(), 1u);
	ASSERT_EQ(scene.points.size(), 1u);
	{
		SCOPED_TRACE("glb");
		ExpectMatchesScene(ReadBack(scene, GltfContainer::Binary), scene);
	}
	{
		SCOPED_TRACE("gltf");
		ExpectMatchesScene(ReadBack(scene, GltfContainer::Embedded), scene);
	}
	const GltfFile glb = ReadBack(scene, GltfContainer::Binary);
	const GltfFile gltf = ReadBack(scene, GltfContainer::Embedded);
	EXPECT_EQ(glb.buffer.size(), gltf.buffer.size());
	EXPECT_TRUE(glb.buffer == gltf.buffer);
	for (const nlohmann::json& view : glb.json.at("bufferViews"))
		EXPECT_EQ(view.at("byteOffset").get<std::size_t>() % 4, 0u);
}

TEST(GltfColours, TheRampChartHoldsTheLinearValuesOfItsVertexColourTag)
{
	if (!std::filesystem::exists(surfax::test::PluginFolder("surfax")))
		GTEST_SKIP() << "the Surfax plug-in is not built";
	const std::filesystem::path dir = surfax::test::MakeTestFolder("gltf-ramp");
	const surfax::test::HostRun run = surfax::test::RunHost(
	    dir, {"plot", "x / 180", "--with", "mesh", "--set", "PLOT_RESOLUTION=4", "-o", "ramp.glb", "-o", "ramp.json"});
	ASSERT_EQ(run.exitCode, 0) << run.err;

	// The mesh's points and their display colours, as the dump gives the polygon object and its vertex colour tag.
	std::ifstream dumpFile(dir / "ramp.json");
	const nlohmann::json dump = nlohmann::json::parse(dumpFile);
	const nlohmann::json& polygon = dump.at("objects").at(0).at("children").at(0).at("cache");
	const nlohmann::json* tag = nullptr;
	for (const nlohmann::json& t : polygon.at("tags"))
		tag = t.at("typeName") == "Tvertexcolor" ? &t : tag;
	ASSERT_NE(tag, nullptr);
	const std::vector<std::vector<double>> points = polygon.at("points").get<std::vector<std::vector<double>>>();
	const std::vector<std::vector<double>> display = tag->at("colors").get<std::vector<std::vector<double>>>();
	ASSERT_EQ(points.size(), 25u);
	ASSERT_EQ(display.size(), points.size());

	GltfFile file;
	std::string error;
	ASSERT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes((dir / "ramp.glb").string()), file, error)) << error;
	const nlohmann::json& attributes = file.json.at("meshes").at(0).at("primitives").at(0).at("attributes");
	const std::vector<float> positions =
	    surfax::test::AccessorFloats(file, attributes.at("POSITION").get<std::size_t>());
	const std::vector<float> linear = surfax::test::AccessorFloats(file, attributes.at("COLOR_0").get<std::size_t>());
	ASSERT_EQ(linear.size(), positions.size() / 3 * 4);
	std::size_t quarter = 0;
	for (std::size_t v = 0; v < positions.size() / 3; ++v)
	{
		// The point at this vertex's place (the mesh's node is the plot's, at the origin; z mirrored).
		std::size_t point = points.size();
		for (std::size_t p = 0; p < points.size(); ++p)
		{
			if (std::fabs(points[p][0] - positions[v * 3]) < 1e-4 &&
			    std::fabs(points[p][1] - positions[v * 3 + 1]) < 1e-4 &&
			    std::fabs(-points[p][2] - positions[v * 3 + 2]) < 1e-4)
				point = p;
		}
		ASSERT_LT(point, points.size()) << "vertex " << v;
		SCOPED_TRACE("vertex " + std::to_string(v));
		for (std::size_t k = 0; k < 3; ++k)
			ExpectLinearOf(linear[v * 4 + k], static_cast<float>(display[point][k]));
		EXPECT_EQ(linear[v * 4 + 3], 1.0f);
		// The quarter point, x = -50 of -100..100: the display colour (0, 0.5, 0.5), within 2 units of 255 after the
		// file's value is encoded again.
		if (points[point][0] == -50.0)
		{
			++quarter;
			EXPECT_EQ(display[point], (std::vector<double>{0.0, 0.5, 0.5, 1.0}));
			for (std::size_t k = 0; k < 3; ++k)
				EXPECT_NEAR(surfax::core::LinearToSrgb(linear[v * 4 + k]) * 255.0, k == 0 ? 0.0 : 127.5, 2.0);
		}
	}
	EXPECT_EQ(quarter, 5u);
}

TEST(GltfMaterials, OneMaterialPerDistinctColourSource)
{
	ExportScene scene;
	auto addTriangle = [&scene](ColorSource source, float r)
	{
		surfax::io::ExportMesh m;
		m.positions = {0, 0, 0, 1, 0, 0, 0, 1, 0};
		m.normals = {0, 0, 1, 0, 0, 1, 0, 0, 1};
		m.indices = {0, 1, 2};
		m.colorSource = source;
		m.color[0] = r;
		if (source == ColorSource::VertexColors)
			m.colors.assign(12, 1.0f);
		scene.meshes.push_back(m);
	};
	addTriangle(ColorSource::Display, 0.5f);
	addTriangle(ColorSource::Display, 0.5f);
	addTriangle(ColorSource::Display, 0.25f);
	addTriangle(ColorSource::VertexColors, 1.0f);
	addTriangle(ColorSource::VertexColors, 1.0f);
	addTriangle(ColorSource::Neutral, 0.72f);
	const GltfFile file = ReadBack(scene, GltfContainer::Binary);
	ASSERT_EQ(file.json.at("materials").size(), 4u);
	std::vector<std::size_t> used;
	for (const nlohmann::json& mesh : file.json.at("meshes"))
		used.push_back(mesh.at("primitives").at(0).at("material").get<std::size_t>());
	EXPECT_EQ(used, (std::vector<std::size_t>{0, 0, 1, 2, 2, 3}));
}

TEST(GltfDeterminism, TheSameDocumentGivesTheSameBytesInMemoryAndOnDisk)
{
	const ExportScene first = MixedScene();
	const ExportScene second = MixedScene();
	for (const GltfContainer container : {GltfContainer::Binary, GltfContainer::Embedded})
	{
		const std::vector<std::uint8_t> a = Encode(first, container);
		const std::vector<std::uint8_t> b = Encode(second, container);
		EXPECT_TRUE(a == b);
		const std::string path = TempPath(container == GltfContainer::Binary ? "same.glb" : "same.gltf");
		std::string error;
		ASSERT_TRUE(surfax::io::WriteGltf(path, first, container, error)) << error;
		EXPECT_TRUE(surfax::test::ReadFileBytes(path) == a);
	}
}

TEST(GltfEmptyScene, IsAValidFileWithoutBuffersInBothContainers)
{
	for (const GltfContainer container : {GltfContainer::Binary, GltfContainer::Embedded})
	{
		const GltfFile file = ReadBack(ExportScene(), container);
		EXPECT_EQ(file.json.at("asset").at("version"), "2.0");
		EXPECT_EQ(file.json.at("scenes").size(), 1u);
		EXPECT_FALSE(file.json.contains("buffers"));
		EXPECT_FALSE(file.json.contains("meshes"));
		EXPECT_TRUE(file.buffer.empty());
	}
}

TEST(GltfFiles, AnUnwritablePathFailsWithTheReasonAndLeavesNoFile)
{
	const std::string path = TempPath("missing-folder/chart.glb");
	std::string error;
	EXPECT_FALSE(surfax::io::WriteGltf(path, MixedScene(), GltfContainer::Binary, error));
	EXPECT_NE(error.find(path), std::string::npos) << error;
	EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(GltfNames, AnyObjectNameGivesValidJson)
{
	ExportScene scene;
	surfax::io::ExportPoints p;
	p.positions = {0, 0, 0};
	p.name = std::string("quote\" back\\ tab\t bad\xff\xfe utf8 \xc3\xa9 end", 34);
	scene.points.push_back(p);
	const GltfFile file = ReadBack(scene, GltfContainer::Binary);
	const std::string name = file.json.at("nodes").at(0).at("name").get<std::string>();
	EXPECT_NE(name.find("quote\" back\\ tab\t"), std::string::npos);
	EXPECT_NE(name.find("\xc3\xa9"), std::string::npos);
	EXPECT_EQ(name.find("\xff"), std::string::npos);
}

namespace
{
// npm's time to install the validator; the test's CTest timeout (tests/CMakeLists.txt) leaves room for it.
constexpr int kValidatorInstallSeconds = 120;

/// Installs the validator into modules/node_modules (kept there for later runs), with npm bounded in time. Returns
/// why it is not there, or "" when it is.
std::string InstallValidator(const std::string& modules)
{
	const std::string install = std::string(SURFAX_SOURCE_DIR) + "/tests/tools/install_gltf_validator.sh";
	const std::string log = TempPath("validator-install.log");
	const int status = std::system(
	    ("sh '" + install + "' '" + modules + "' " + std::to_string(kValidatorInstallSeconds) + " > '" + log + "' 2>&1")
	        .c_str());
	if (status == 0)
		return "";
	const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	if (code == 3)
		return surfax::test::MissingPackageReason("npm", "npm");
	if (code == 4)
		return "gltf-validator: npm install did not finish within " + std::to_string(kValidatorInstallSeconds) +
		       " s (see " + log + "); validator check skipped";
	return "gltf-validator could not be installed with npm (see " + log + "); validator check skipped";
}
} // namespace

TEST(GltfValidator, KhronosValidatorFindsNoErrors)
{
	const std::string modules = SURFAX_BINARY_DIR;
	if (!surfax::test::HasProgram("node"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("nodejs", "node");
	// One try per process: a registry that did not answer is not asked again by every repetition of the test.
	static const std::string installProblem = InstallValidator(modules);
	if (!installProblem.empty())
		GTEST_SKIP() << installProblem;

	// The mixed scene, one with dropped primitives, an empty one and a chart, in both containers.
	surfax::test::TestDocument doc;
	surfax::test::AddPolygon(doc, {Vector(0, 0, 0), Vector(0, 0, 1), Vector(1, 0, 0), Vector(std::nan(""), 0, 0)},
	                         {CPolygon(0, 1, 2), CPolygon(0, 1, 3), CPolygon(0, 0, 0)});
	ExportScene dropped;
	std::string error;
	ASSERT_TRUE(surfax::io::CollectScene(doc.Get(), dropped, error)) << error;
	ASSERT_GT(dropped.dropped.triangles, 0u);
	// A chart with every geometry component: the surface, the grid's curves and the cage's box as lines.
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	surfax::test::TestDocument chartDoc;
	BaseObject* plot = chartDoc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	for (const Int32 component : {ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE})
		ASSERT_NE(chartDoc.Add(component, plot), nullptr);
	chartDoc.Evaluate();
	ExportScene chart;
	ASSERT_TRUE(surfax::io::CollectScene(chartDoc.Get(), chart, error)) << error;
	ASSERT_EQ(chart.meshes.size(), 1u);
	ASSERT_EQ(chart.lines.size(), 2u);
	const ExportScene scenes[] = {MixedScene(), dropped, ExportScene(), chart};
	std::string files;
	for (std::size_t i = 0; i < 4; ++i)
	{
		for (const GltfContainer container : {GltfContainer::Binary, GltfContainer::Embedded})
		{
			const std::string path =
			    TempPath("validate-" + std::to_string(i) + (container == GltfContainer::Binary ? ".glb" : ".gltf"));
			ASSERT_TRUE(surfax::io::WriteGltf(path, scenes[i], container, error)) << error;
			files += " '" + path + "'";
		}
	}
	// From the command: the default chart (every component, labels too) at resolution 300, its curves as line
	// strips, and the default chart with its wires as tubes.
	std::size_t expected = 8;
	if (std::filesystem::exists(surfax::test::PluginFolder("surfax")))
	{
		const std::filesystem::path dir = std::filesystem::path(TempPath("charts"));
		std::filesystem::create_directories(dir);
		const surfax::test::HostRun large =
		    surfax::test::RunHost(dir, {"--quiet", "plot", "--set", "PLOT_RESOLUTION=300", "-o", "n300.glb"});
		ASSERT_EQ(large.exitCode, 0) << large.err;
		const surfax::test::HostRun tubes =
		    surfax::test::RunHost(dir, {"--quiet", "plot", "--wire-width", "0.3", "-o", "tubes.glb"});
		ASSERT_EQ(tubes.exitCode, 0) << tubes.err;
		files += " '" + (dir / "n300.glb").string() + "' '" + (dir / "tubes.glb").string() + "'";
		expected += 2;
	}
	const std::string report = TempPath("validator-report.txt");
	const std::string script = std::string(SURFAX_SOURCE_DIR) + "/tests/tools/validate_gltf.js";
	const int status =
	    std::system(("node '" + script + "' '" + modules + "'" + files + " > '" + report + "' 2>&1").c_str());
	std::ifstream in(report);
	const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	EXPECT_EQ(status, 0) << text;
	EXPECT_EQ(text.find("errors=0"), text.find("errors=")) << text;
	std::size_t reports = 0;
	for (std::size_t at = text.find(" errors=0 "); at != std::string::npos; at = text.find(" errors=0 ", at + 1))
		++reports;
	EXPECT_EQ(reports, expected) << text;
}
