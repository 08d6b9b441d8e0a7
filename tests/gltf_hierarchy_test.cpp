// glTF as a 3D artist opens it: the object tree with names and local matrices below a root that converts
// centimetres to metres, named materials, animated files of morph targets or switched frames, and OBJ groups,
// all read back with the independent reader (and the Khronos validator when npm can provide it).
#include "host/export/gltf_writer.h"

#include "support/export_scenes.h"
#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

using namespace cinema;
using nlohmann::json;
using surfax::io::ExportScene;
using surfax::io::GltfContainer;
using surfax::test::GltfFile;
using surfax::test::NodeInScene;
namespace fs = std::filesystem;

namespace
{
GltfFile ReadGlbFile(const std::string& path)
{
	GltfFile file;
	std::string error;
	EXPECT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes(path), file, error)) << path << ": " << error;
	return file;
}

GltfFile Encode(const ExportScene& scene, const surfax::io::GltfOptions& options = {})
{
	std::vector<std::uint8_t> bytes;
	std::string error;
	EXPECT_TRUE(surfax::io::EncodeGltf(scene, GltfContainer::Binary, bytes, error, options)) << error;
	GltfFile file;
	EXPECT_TRUE(surfax::test::ReadGlb(bytes, file, error)) << error;
	return file;
}

// The node reached from the scene with that name (the first one), or null.
const NodeInScene* NodeNamed(const std::vector<NodeInScene>& nodes, const GltfFile& file, const std::string& name)
{
	for (const NodeInScene& n : nodes)
	{
		if (file.json.at("nodes").at(n.index).value("name", "") == name)
			return &n;
	}
	return nullptr;
}
// The result points into `nodes`: a temporary list would leave it dangling.
const NodeInScene* NodeNamed(std::vector<NodeInScene>&& nodes, const GltfFile& file, const std::string& name) = delete;

std::vector<std::string> ChildNames(const GltfFile& file, std::size_t node)
{
	std::vector<std::string> names;
	for (const json& child : file.json.at("nodes").at(node).value("children", json::array()))
		names.push_back(file.json.at("nodes").at(child.get<std::size_t>()).value("name", ""));
	return names;
}

// POSITION of primitive `p` of the node's mesh, taken to the world by the node's matrices.
std::vector<std::array<double, 3>> WorldPositions(const GltfFile& file, const NodeInScene& node, std::size_t p = 0,
                                                  const std::vector<float>* delta = nullptr)
{
	const json& prim = file.json.at("meshes")
	                       .at(file.json.at("nodes").at(node.index).at("mesh").get<std::size_t>())
	                       .at("primitives")
	                       .at(p);
	std::vector<float> local =
	    surfax::test::AccessorFloats(file, prim.at("attributes").at("POSITION").get<std::size_t>());
	if (delta != nullptr)
	{
		EXPECT_EQ(delta->size(), local.size());
		for (std::size_t i = 0; i < local.size() && i < delta->size(); ++i)
			local[i] += (*delta)[i];
	}
	std::vector<std::array<double, 3>> world;
	for (std::size_t v = 0; v + 2 < local.size(); v += 3)
		world.push_back(surfax::test::TransformPoint(node.world, &local[v]));
	return world;
}

void ExpectSamePoints(const std::vector<std::array<double, 3>>& a, const std::vector<std::array<double, 3>>& b,
                      double tolerance)
{
	ASSERT_EQ(a.size(), b.size());
	for (std::size_t v = 0; v < a.size(); ++v)
		for (std::size_t k = 0; k < 3; ++k)
			ASSERT_NEAR(a[v][k], b[v][k], tolerance) << "vertex " << v << " axis " << k;
}

// Runs the Khronos validator on the files; empty when it is not available, else its report.
bool Validate(const std::vector<std::string>& files, std::string& report)
{
	const std::string modules = SURFAX_BINARY_DIR;
	const std::string install = std::string(SURFAX_SOURCE_DIR) + "/tests/tools/install_gltf_validator.sh";
	if (std::system(("sh '" + install + "' '" + modules + "' > /dev/null 2>&1").c_str()) != 0 ||
	    std::system("node --version > /dev/null 2>&1") != 0)
		return false;
	std::string command =
	    "node '" + std::string(SURFAX_SOURCE_DIR) + "/tests/tools/validate_gltf.js' '" + modules + "'";
	for (const std::string& f : files)
		command += " '" + f + "'";
	const fs::path out =
	    fs::path(testing::TempDir()) / ("surfax-hierarchy-validator-" + std::to_string(::getpid()) + ".txt");
	const int status = std::system((command + " > '" + out.string() + "' 2>&1").c_str());
	std::ifstream in(out);
	report.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
	report = "exit " + std::to_string(status) + "\n" + report;
	return true;
}

class GltfFromCommand : public testing::Test
{
protected:
	void SetUp() override
	{
		if (!fs::exists(surfax::test::PluginFolder("surfax")))
			GTEST_SKIP() << "the Surfax plug-in is not built";
		dir = surfax::test::MakeTestFolder("surfax-gltf-tree");
	}
	void TearDown() override
	{
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}
	void Plot(std::vector<std::string> args) const
	{
		args.insert(args.begin(), {"--quiet", "plot"});
		const surfax::test::HostRun run = surfax::test::RunHost(dir, args);
		ASSERT_EQ(run.exitCode, 0) << run.err;
	}
	std::string Path(const std::string& name) const { return (dir / name).string(); }

	fs::path dir;
};
} // namespace

TEST(GltfHierarchy, ObjectsKeepTheirNamesParentsAndLocalMatricesBelowAMetreRoot)
{
	surfax::test::TestDocument doc;
	BaseObject* outer = doc.Add(Onull);
	outer->SetName(String("Outer"));
	outer->SetRelPos(Vector(100, 0, 40));
	outer->SetRelScale(Vector(2, 2, 2));
	BaseObject* inner = doc.Add(Onull, outer);
	inner->SetName(String("Inner"));
	inner->SetRelPos(Vector(0, 10, 0));
	inner->SetRelRot(Vector(PI05, 0, 0));
	PolygonObject* tri =
	    surfax::test::AddPolygon(doc, {Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1)}, {CPolygon(0, 1, 2)}, inner);
	tri->SetName(String("Tri"));
	BaseObject* sibling = doc.Add(Onull);
	sibling->SetName(String("Empty"));
	ExportScene scene;
	std::string error;
	ASSERT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	const GltfFile file = Encode(scene);

	const json& j = file.json;
	ASSERT_EQ(j.at("scenes").at(0).at("nodes").size(), 1u) << "one root";
	const json& root = j.at("nodes").at(j.at("scenes").at(0).at("nodes").at(0).get<std::size_t>());
	EXPECT_EQ(root.at("scale"), json::array({0.01, 0.01, 0.01}));
	EXPECT_EQ(ChildNames(file, j.at("scenes").at(0).at("nodes").at(0).get<std::size_t>()),
	          (std::vector<std::string>{"Outer", "Empty"}));
	const std::vector<NodeInScene> nodes = surfax::test::NodesInScene(file);
	const NodeInScene* outerNode = NodeNamed(nodes, file, "Outer");
	const NodeInScene* innerNode = NodeNamed(nodes, file, "Inner");
	const NodeInScene* triNode = NodeNamed(nodes, file, "Tri");
	ASSERT_TRUE(outerNode && innerNode && triNode);
	EXPECT_EQ(ChildNames(file, outerNode->index), std::vector<std::string>{"Inner"});
	EXPECT_EQ(ChildNames(file, innerNode->index), std::vector<std::string>{"Tri"});
	EXPECT_EQ(triNode->depth, 3);
	// Outer's own matrix: scale 2 and its position, z mirrored into glTF's axes.
	const surfax::test::NodeMatrix outerLocal = surfax::test::LocalMatrixOf(j.at("nodes").at(outerNode->index));
	EXPECT_DOUBLE_EQ(outerLocal[0], 2.0);
	EXPECT_DOUBLE_EQ(outerLocal[5], 2.0);
	EXPECT_DOUBLE_EQ(outerLocal[12], 100.0);
	EXPECT_DOUBLE_EQ(outerLocal[14], -40.0);
	EXPECT_FALSE(j.at("nodes").at(triNode->index).contains("matrix")) << "an identity matrix is left out";
	// The triangle's points, taken through the file's matrices, lie where the host puts them, in metres.
	const Matrix mg = tri->GetMg();
	std::vector<std::array<double, 3>> expected;
	for (const Vector& p : {Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1)})
	{
		const Vector w = mg * p;
		expected.push_back({0.01 * w.x, 0.01 * w.y, -0.01 * w.z});
	}
	std::vector<std::array<double, 3>> written = WorldPositions(file, *triNode);
	ASSERT_EQ(written.size(), 3u);
	// The mesh has its own vertex order (winding reversed); compare as sets.
	std::sort(expected.begin(), expected.end());
	std::sort(written.begin(), written.end());
	ExpectSamePoints(written, expected, 1e-6);
	// The mesh and its material carry names.
	EXPECT_EQ(j.at("meshes").at(j.at("nodes").at(triNode->index).at("mesh").get<std::size_t>()).at("name"), "Tri");
	EXPECT_EQ(j.at("materials").at(0).at("name"), "neutral grey");

	// Another unit scale, and 1 leaves the root without a scale.
	surfax::io::GltfOptions millimetres;
	millimetres.unitScale = 10.0;
	EXPECT_EQ(Encode(scene, millimetres).json.at("nodes").at(0).at("scale"), json::array({10, 10, 10}));
	surfax::io::GltfOptions sceneUnits;
	sceneUnits.unitScale = 1.0;
	EXPECT_FALSE(Encode(scene, sceneUnits).json.at("nodes").at(0).contains("scale"));
}

TEST(GltfHierarchy, AnObjectScaledToNothingKeepsItsGeometryInWorldSpace)
{
	surfax::test::TestDocument doc;
	BaseObject* flat = doc.Add(Onull);
	flat->SetName(String("Flat"));
	flat->SetRelScale(Vector(1, 0, 1));
	flat->SetRelPos(Vector(5, 0, 0));
	surfax::test::AddPolygon(doc, {Vector(0, 3, 0), Vector(0, 3, 1), Vector(1, 3, 0)}, {CPolygon(0, 1, 2)}, flat)
	    ->SetName(String("Squashed"));
	ExportScene scene;
	std::string error;
	ASSERT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	ASSERT_EQ(scene.meshes.size(), 1u);
	const GltfFile file = Encode(scene);
	const std::vector<NodeInScene> nodes = surfax::test::NodesInScene(file);
	const NodeInScene* squashed = nullptr;
	for (const NodeInScene& n : nodes)
	{
		if (file.json.at("nodes").at(n.index).contains("mesh"))
			squashed = &n;
	}
	ASSERT_NE(squashed, nullptr);
	EXPECT_EQ(file.json.at("nodes").at(squashed->index).value("name", ""), "Squashed");
	EXPECT_EQ(squashed->depth, 1) << "placed below the root, in world space";
	std::vector<std::array<double, 3>> expected;
	for (std::size_t v = 0; v < scene.meshes[0].positions.size(); v += 3)
		expected.push_back({0.01 * scene.meshes[0].positions[v], 0.01 * scene.meshes[0].positions[v + 1],
		                    0.01 * scene.meshes[0].positions[v + 2]});
	ExpectSamePoints(WorldPositions(file, *squashed), expected, 1e-6);
}

TEST(GltfHierarchy, ItemsWithoutAUsableNodeEachGetANodeOfTheirOwnInWorldSpace)
{
	// A node scaled to nothing holding two items, and a point set that names no node: each lands on a node of its
	// own below the root, in world space, while the tree's other nodes are written first.
	ExportScene scene;
	surfax::io::ExportMatrix squashed = surfax::io::kIdentityMatrix;
	squashed[5] = 0.0;
	scene.nodes.push_back(surfax::io::ExportNode{"Top", -1, surfax::io::kIdentityMatrix, surfax::io::kIdentityMatrix});
	scene.nodes.push_back(surfax::io::ExportNode{"Flat", 0, squashed, squashed});
	scene.nodes.push_back(surfax::io::ExportNode{"Side", 0, surfax::io::kIdentityMatrix, surfax::io::kIdentityMatrix});
	for (const char* name : {"Wire A", "Wire B"})
	{
		surfax::io::ExportLines l;
		l.name = name;
		l.node = 1;
		l.positions = {1, 2, 3, 4, 5, 6};
		l.stripCounts = {2};
		scene.lines.push_back(l);
	}
	surfax::io::ExportPoints loose;
	loose.name = "Loose";
	loose.positions = {7, 8, 9};
	scene.points.push_back(loose);

	const GltfFile file = Encode(scene);
	const json& nodes = file.json.at("nodes");
	ASSERT_EQ(nodes.size(), 7u) << "root, three objects, three items of their own";
	EXPECT_EQ(ChildNames(file, 0), (std::vector<std::string>{"Top", "Loose", "Wire A", "Wire B"}));
	const std::vector<NodeInScene> inScene = surfax::test::NodesInScene(file);
	for (const char* name : {"Wire A", "Wire B", "Loose"})
	{
		const NodeInScene* node = NodeNamed(inScene, file, name);
		ASSERT_NE(node, nullptr) << name;
		EXPECT_EQ(node->depth, 1) << name;
		const std::vector<std::array<double, 3>> written = WorldPositions(file, *node);
		ASSERT_FALSE(written.empty()) << name;
		EXPECT_NEAR(written[0][0], name[0] == 'L' ? 0.07 : 0.01, 1e-7) << name;
	}
	EXPECT_FALSE(nodes.at(NodeNamed(inScene, file, "Flat")->index).contains("mesh"));
}

TEST(GltfAnimation, FramesOfTheSameTopologyBecomeMorphTargetsAndOthersSwitchedFrames)
{
	// Two frames of a triangle whose top moves up, then one whose triangle count changes.
	auto frame = [](float top, bool second)
	{
		ExportScene s;
		s.nodes.push_back(surfax::io::ExportNode{"Tri", -1, surfax::io::kIdentityMatrix, surfax::io::kIdentityMatrix});
		surfax::io::ExportMesh m;
		m.node = 0;
		m.name = "Tri";
		m.positions = {0, 0, 0, 1, 0, 0, 0, top, 0};
		m.normals = {0, 0, 1, 0, 0, 1, 0, 0, 1};
		m.indices = {0, 1, 2};
		if (second)
		{
			m.positions.insert(m.positions.end(), {2, 0, 0, 3, 0, 0, 2, 1, 0});
			m.normals.insert(m.normals.end(), {0, 0, 1, 0, 0, 1, 0, 0, 1});
			m.indices.insert(m.indices.end(), {3, 4, 5});
		}
		s.meshes.push_back(m);
		return s;
	};
	const std::vector<ExportScene> moving = {frame(1, false), frame(2, false), frame(4, false)};
	EXPECT_EQ(surfax::io::ChooseGltfAnimation(moving), surfax::io::GltfAnimationKind::MorphTargets);
	std::vector<std::uint8_t> bytes;
	std::string error;
	surfax::io::GltfAnimationKind kind = surfax::io::GltfAnimationKind::None;
	ASSERT_TRUE(surfax::io::EncodeAnimatedGltf(moving, 25.0, GltfContainer::Binary, bytes, error, {}, &kind)) << error;
	EXPECT_EQ(kind, surfax::io::GltfAnimationKind::MorphTargets);
	GltfFile file;
	ASSERT_TRUE(surfax::test::ReadGlb(bytes, file, error)) << error;
	const json& prim = file.json.at("meshes").at(0).at("primitives").at(0);
	ASSERT_EQ(prim.at("targets").size(), 2u);
	const std::vector<float> base =
	    surfax::test::AccessorFloats(file, prim.at("attributes").at("POSITION").get<std::size_t>());
	for (std::size_t t = 0; t < 2; ++t)
	{
		const std::vector<float> delta =
		    surfax::test::AccessorFloats(file, prim.at("targets").at(t).at("POSITION").get<std::size_t>());
		ASSERT_EQ(delta.size(), base.size());
		for (std::size_t i = 0; i < base.size(); ++i)
			EXPECT_EQ(base[i] + delta[i], moving[t + 1].meshes[0].positions[i]) << "target " << t << " value " << i;
		// The normals do not move: a target without data reads as zeros.
		EXPECT_FALSE(file.json.at("accessors")
		                 .at(prim.at("targets").at(t).at("NORMAL").get<std::size_t>())
		                 .contains("bufferView"));
	}
	const json& animation = file.json.at("animations").at(0);
	ASSERT_EQ(animation.at("channels").size(), 1u);
	EXPECT_EQ(animation.at("channels").at(0).at("target").at("path"), "weights");
	const json& sampler = animation.at("samplers").at(0);
	EXPECT_EQ(surfax::test::AccessorFloats(file, sampler.at("input").get<std::size_t>()),
	          (std::vector<float>{0.0f, 1.0f / 25.0f, 2.0f / 25.0f}));
	EXPECT_EQ(surfax::test::AccessorFloats(file, sampler.at("output").get<std::size_t>()),
	          (std::vector<float>{0, 0, 1, 0, 0, 1}));

	const std::vector<ExportScene> changing = {frame(1, false), frame(1, true), frame(2, false)};
	EXPECT_EQ(surfax::io::ChooseGltfAnimation(changing), surfax::io::GltfAnimationKind::SwitchedFrames);
	ASSERT_TRUE(surfax::io::EncodeAnimatedGltf(changing, 10.0, GltfContainer::Binary, bytes, error, {}, &kind))
	    << error;
	EXPECT_EQ(kind, surfax::io::GltfAnimationKind::SwitchedFrames);
	ASSERT_TRUE(surfax::test::ReadGlb(bytes, file, error)) << error;
	const std::size_t root = file.json.at("scenes").at(0).at("nodes").at(0).get<std::size_t>();
	EXPECT_EQ(ChildNames(file, root), (std::vector<std::string>{"frame 0", "frame 1", "frame 2"}));
	// Frame k is shown from its time to the next frame's time, and only then.
	const json& channels = file.json.at("animations").at(0).at("channels");
	const json& samplers = file.json.at("animations").at(0).at("samplers");
	ASSERT_EQ(channels.size(), 3u);
	for (std::size_t k = 0; k < 3; ++k)
	{
		const json& s = samplers.at(channels.at(k).at("sampler").get<std::size_t>());
		EXPECT_EQ(s.at("interpolation"), "STEP");
		EXPECT_EQ(channels.at(k).at("target").at("path"), "scale");
		const std::vector<float> times = surfax::test::AccessorFloats(file, s.at("input").get<std::size_t>());
		const std::vector<float> scales = surfax::test::AccessorFloats(file, s.at("output").get<std::size_t>());
		ASSERT_EQ(scales.size(), times.size() * 3);
		for (int shownAt = 0; shownAt < 3; ++shownAt)
		{
			// The step value at frame time shownAt is the last key at or before it.
			float value = 0.0f;
			for (std::size_t key = 0; key < times.size(); ++key)
			{
				if (times[key] <= static_cast<float>(shownAt) / 10.0f + 1e-6f)
					value = scales[key * 3];
			}
			EXPECT_EQ(value, static_cast<std::size_t>(shownAt) == k ? 1.0f : 0.0f)
			    << "frame node " << k << " at " << shownAt;
		}
	}
	EXPECT_FALSE(surfax::io::EncodeAnimatedGltf(moving, 0.0, GltfContainer::Binary, bytes, error));
}

TEST_F(GltfFromCommand, TheChartsTreeHasThePlotAboveItsComponentsWithNamedMaterials)
{
	Plot({"--set", "PLOT_RESOLUTION=8", "-o", "chart.glb", "-o", "chart.obj"});
	const GltfFile file = ReadGlbFile(Path("chart.glb"));
	const std::vector<NodeInScene> nodes = surfax::test::NodesInScene(file);
	const NodeInScene* plot = NodeNamed(nodes, file, "3D Plot");
	ASSERT_NE(plot, nullptr);
	EXPECT_EQ(plot->depth, 1);
	std::vector<std::string> components = ChildNames(file, plot->index);
	std::sort(components.begin(), components.end());
	EXPECT_EQ(components, (std::vector<std::string>{"3D Plot Cage", "3D Plot Grid", "3D Plot Label", "3D Plot Mesh"}));
	const NodeInScene* mesh = NodeNamed(nodes, file, "3D Plot Mesh");
	ASSERT_NE(mesh, nullptr);
	const json& prim = file.json.at("meshes")
	                       .at(file.json.at("nodes").at(mesh->index).at("mesh").get<std::size_t>())
	                       .at("primitives")
	                       .at(0);
	EXPECT_EQ(file.json.at("materials").at(prim.at("material").get<std::size_t>()).at("name"), "vertex colours");
	EXPECT_EQ(WorldPositions(file, *mesh).size(), 81u);

	// The OBJ has one group per object that shows geometry, named after it.
	std::ifstream obj(Path("chart.obj"));
	std::vector<std::string> groups;
	for (std::string line; std::getline(obj, line);)
	{
		if (line.rfind("o ", 0) == 0)
			groups.push_back(line.substr(2));
	}
	std::sort(groups.begin(), groups.end());
	// The labels shown by default (three along the front, three at the side, the legend) are objects of their own.
	EXPECT_EQ(groups, (std::vector<std::string>{"3D_Plot_Cage", "3D_Plot_Grid", "3D_Plot_Mesh", "_3dPlotHLabel0_",
	                                            "_3dPlotHLabel1_", "_3dPlotHLabel2_", "_3dPlotLegend_",
	                                            "_3dPlotVLabel0_", "_3dPlotVLabel1_", "_3dPlotVLabel2_"}))
	    << "spaces become underscores in OBJ names";
	// In the glTF the labels hang below their component.
	const NodeInScene* labels = NodeNamed(nodes, file, "3D Plot Label");
	ASSERT_NE(labels, nullptr);
	const std::vector<std::string> labelNodes = ChildNames(file, labels->index);
	EXPECT_NE(std::find(labelNodes.begin(), labelNodes.end(), "_3dPlotLegend_"), labelNodes.end());
	EXPECT_NE(std::find(labelNodes.begin(), labelNodes.end(), "_3dPlotHLabel0_"), labelNodes.end());
	// The grid's and the cage's curves hang on their components' nodes too.
	for (const char* component : {"3D Plot Grid", "3D Plot Cage"})
	{
		const NodeInScene* node = NodeNamed(nodes, file, component);
		ASSERT_NE(node, nullptr) << component;
		const json& primitive = file.json.at("meshes")
		                            .at(file.json.at("nodes").at(node->index).at("mesh").get<std::size_t>())
		                            .at("primitives")
		                            .at(0);
		EXPECT_EQ(primitive.at("mode"), 3) << component << ": each curve a LINE_STRIP";
	}

	Plot({"--set", "PLOT_RESOLUTION=8", "--unit-scale", "1", "-o", "units.glb"});
	const surfax::test::GltfFile units = ReadGlbFile(Path("units.glb"));
	const json& root = units.json.at("nodes").at(0);
	EXPECT_FALSE(root.contains("scale"));
	EXPECT_EQ(root.at("name"), "scene units, unscaled");
}

TEST_F(GltfFromCommand, FramesBecomeOneAnimationThatPlaysEachFrameAtTheDocumentsRate)
{
	Plot({"Sin(x + t * 360) * Cos(z)", "--with", "mesh", "--set", "PLOT_RESOLUTION=10", "--frames", "0..29", "-o",
	      "wave.glb"});
	for (const int frame : {0, 7, 29})
		Plot({"Sin(x + t * 360) * Cos(z)", "--with", "mesh", "--set", "PLOT_RESOLUTION=10", "--frame",
		      std::to_string(frame), "-o", "frame" + std::to_string(frame) + ".glb"});
	const GltfFile wave = ReadGlbFile(Path("wave.glb"));
	ASSERT_EQ(wave.json.at("animations").size(), 1u);
	const json& sampler = wave.json.at("animations").at(0).at("samplers").at(0);
	const std::vector<float> times = surfax::test::AccessorFloats(wave, sampler.at("input").get<std::size_t>());
	ASSERT_EQ(times.size(), 30u);
	EXPECT_EQ(times.front(), 0.0f);
	EXPECT_FLOAT_EQ(times.back(), 29.0f / 30.0f) << "the document plays 30 frames a second";
	// The morphed shape at frame k is the chart evaluated at frame k on its own.
	const std::vector<NodeInScene> waveNodes = surfax::test::NodesInScene(wave);
	const NodeInScene* mesh = NodeNamed(waveNodes, wave, "3D Plot Mesh");
	ASSERT_NE(mesh, nullptr);
	const json& prim = wave.json.at("meshes")
	                       .at(wave.json.at("nodes").at(mesh->index).at("mesh").get<std::size_t>())
	                       .at("primitives")
	                       .at(0);
	ASSERT_EQ(prim.at("targets").size(), 29u);
	for (const int frame : {0, 7, 29})
	{
		SCOPED_TRACE("frame " + std::to_string(frame));
		const GltfFile single = ReadGlbFile(Path("frame" + std::to_string(frame) + ".glb"));
		const std::vector<NodeInScene> singleNodes = surfax::test::NodesInScene(single);
		const NodeInScene* singleMesh = NodeNamed(singleNodes, single, "3D Plot Mesh");
		ASSERT_NE(singleMesh, nullptr);
		std::vector<float> delta;
		if (frame > 0)
			delta = surfax::test::AccessorFloats(
			    wave, prim.at("targets").at(static_cast<std::size_t>(frame - 1)).at("POSITION").get<std::size_t>());
		ExpectSamePoints(WorldPositions(wave, *mesh, 0, frame > 0 ? &delta : nullptr),
		                 WorldPositions(single, *singleMesh), 1e-6);
	}

	// Samples that turn non-finite from frame to frame change the surface's triangles: frames are switched.
	Plot({"Log(x - f * 36)", "--with", "mesh", "--set", "PLOT_RESOLUTION=10", "--frames", "0..2", "-o", "steps.glb"});
	const GltfFile steps = ReadGlbFile(Path("steps.glb"));
	const std::size_t root = steps.json.at("scenes").at(0).at("nodes").at(0).get<std::size_t>();
	EXPECT_EQ(ChildNames(steps, root), (std::vector<std::string>{"frame 0", "frame 1", "frame 2"}));

	std::string report;
	if (!Validate({Path("wave.glb"), Path("steps.glb"), Path("frame7.glb")}, report))
		GTEST_SKIP() << "the glTF validator is not available";
	EXPECT_EQ(report.rfind("exit 0\n", 0), 0u) << report;
	EXPECT_EQ(report.find("errors=1"), std::string::npos) << report;
}
