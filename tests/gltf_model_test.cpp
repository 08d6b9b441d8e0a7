// The glTF model as data, before any byte is written: what a scene and the frames of an animation become (nodes,
// meshes, accessors, buffer views, materials, animation channels), that the writer prints exactly the model it is
// given, and that the model's own data stays valid when it is moved.
#include "host/export/gltf_model.h"
#include "host/export/gltf_writer.h"

#include "support/gltf_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using surfax::io::ExportScene;
using surfax::io::GltfAccessor;
using surfax::io::GltfContainer;
using surfax::io::GltfModel;

namespace
{
// A plot node with a line set, a child node moved by (10, 0, 0) holding a coloured mesh, and a point set that names
// no node.
ExportScene PlotScene(float top = 1.0f)
{
	ExportScene scene;
	surfax::io::ExportMatrix moved = surfax::io::kIdentityMatrix;
	moved[12] = 10.0;
	scene.nodes.push_back({"Plot", -1, surfax::io::kIdentityMatrix, surfax::io::kIdentityMatrix});
	scene.nodes.push_back({"Surface", 0, moved, moved});
	surfax::io::ExportMesh mesh;
	mesh.name = "Surface";
	mesh.node = 1;
	mesh.colorSource = surfax::io::ColorSource::VertexColors;
	mesh.color[0] = mesh.color[1] = mesh.color[2] = 1.0f;
	mesh.positions = {10, 0, 0, 11, 0, 0, 10, top, 0, 11, 1, 0};
	mesh.normals = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};
	mesh.uvs = {0, 0, 1, 0, 0, 1, 1, 1};
	mesh.colors.assign(16, 0.5f);
	mesh.indices = {0, 1, 2, 2, 1, 3};
	scene.meshes.push_back(mesh);
	surfax::io::ExportLines lines;
	lines.name = "Plot";
	lines.node = 0;
	lines.positions = {0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 5, 0, 0, 6, 0};
	lines.stripCounts = {3, 2};
	scene.lines.push_back(lines);
	surfax::io::ExportPoints points;
	points.name = "Loose";
	points.positions = {3, 4, 5};
	scene.points.push_back(points);
	return scene;
}

template <typename T> const T* ViewData(const GltfModel& model, const GltfAccessor& accessor)
{
	EXPECT_TRUE(accessor.bufferView.has_value());
	if (!accessor.bufferView)
		return nullptr;
	return static_cast<const T*>(model.bufferViews.at(*accessor.bufferView).data);
}

std::vector<std::uint8_t> Bytes(const GltfModel& model, GltfContainer container)
{
	std::vector<std::uint8_t> bytes;
	std::string error;
	EXPECT_TRUE(surfax::io::EncodeGltfModel(model, container, bytes, error)) << error;
	return bytes;
}

// The key value of a STEP sampler at time t: the last key at or before t.
float StepValue(const GltfModel& model, const surfax::io::GltfSampler& sampler, float t)
{
	const GltfAccessor& input = model.accessors.at(sampler.input);
	const float* times = ViewData<float>(model, input);
	const float* values = ViewData<float>(model, model.accessors.at(sampler.output));
	std::size_t key = 0;
	for (std::size_t k = 0; k < input.count; ++k)
	{
		if (times[k] <= t)
			key = k;
	}
	return values[key * 3];
}
} // namespace

TEST(GltfModel, ASceneBecomesNodesMeshesAccessorsAndViewsWithoutWritingABuffer)
{
	const ExportScene scene = PlotScene();
	GltfModel model;
	std::string error;
	ASSERT_TRUE(surfax::io::BuildGltfModel(scene, model, error)) << error;

	// The root converts units; below it the tree, then the point set on a node of its own.
	ASSERT_EQ(model.sceneNodes, std::vector<std::size_t>{0});
	ASSERT_EQ(model.nodes.size(), 4u);
	EXPECT_EQ(model.nodes[0].name, "scene units to metres");
	EXPECT_EQ(model.nodes[0].scale, (std::array<double, 3>{0.01, 0.01, 0.01}));
	EXPECT_EQ(model.nodes[0].children, (std::vector<std::size_t>{1, 3}));
	EXPECT_EQ(model.nodes[1].children, std::vector<std::size_t>{2});
	EXPECT_FALSE(model.nodes[1].matrix.has_value()) << "the identity is left out";
	ASSERT_TRUE(model.nodes[2].matrix.has_value());
	EXPECT_EQ((*model.nodes[2].matrix)[12], 10.0);
	EXPECT_EQ(model.nodes[3].name, "Loose");

	// The mesh in its node's space: every attribute, indices, bounds of the local positions.
	const surfax::io::GltfPrimitive& surface = model.meshes.at(model.nodes[2].mesh.value()).primitives.at(0);
	EXPECT_EQ(surface.mode, surfax::io::GltfMode::Triangles);
	ASSERT_TRUE(surface.normal && surface.texcoord && surface.color && surface.indices);
	const GltfAccessor& position = model.accessors.at(surface.position);
	EXPECT_EQ(position.count, 4u);
	EXPECT_EQ(position.type, surfax::io::GltfType::Vec3);
	ASSERT_TRUE(position.bounds);
	EXPECT_EQ(position.min[0], 0.0f);
	EXPECT_EQ(position.max[0], 1.0f);
	EXPECT_EQ(ViewData<float>(model, position)[3], 1.0f) << "positions brought back by the node's inverse";
	EXPECT_EQ(model.accessors.at(*surface.indices).componentType, surfax::io::kGltfUnsignedInt);

	// Vertex colours as linear values: display 0.5 is linear 0.21404114, alpha as it is.
	const float* linear = ViewData<float>(model, model.accessors.at(surface.color.value()));
	EXPECT_FLOAT_EQ(linear[0], 0.21404114f);
	EXPECT_EQ(linear[3], 0.5f);

	// Each strip a LINE_STRIP primitive of its own, without indices, over its own vertices.
	const std::vector<surfax::io::GltfPrimitive>& strips = model.meshes.at(model.nodes[1].mesh.value()).primitives;
	ASSERT_EQ(strips.size(), 2u);
	const std::size_t stripVertices[2] = {3, 2};
	const float stripStartY[2] = {0.0f, 5.0f};
	for (std::size_t k = 0; k < 2; ++k)
	{
		EXPECT_EQ(strips[k].mode, surfax::io::GltfMode::LineStrip);
		EXPECT_FALSE(strips[k].indices.has_value());
		EXPECT_EQ(strips[k].material, strips[0].material);
		const GltfAccessor& start = model.accessors.at(strips[k].position);
		EXPECT_EQ(start.count, stripVertices[k]);
		EXPECT_EQ(ViewData<float>(model, start)[1], stripStartY[k]);
		EXPECT_EQ(start.min[1], stripStartY[k]);
	}

	// Materials by first use; views packed one after another on 4-byte boundaries.
	ASSERT_EQ(model.materials.size(), 2u);
	EXPECT_EQ(model.materials[0].name, "neutral grey");
	EXPECT_EQ(model.materials[1].name, "vertex colours");
	std::size_t end = 0;
	for (const surfax::io::GltfBufferView& view : model.bufferViews)
	{
		EXPECT_EQ(view.byteOffset, end);
		end = view.byteOffset + (view.byteLength + 3) / 4 * 4;
	}
	EXPECT_EQ(model.bufferBytes, end);
	EXPECT_TRUE(model.animations.empty());

	// The writer prints this model: the same bytes as EncodeGltf, also after the model moved.
	const std::vector<std::uint8_t> glb = Bytes(model, GltfContainer::Binary);
	const std::vector<std::uint8_t> gltf = Bytes(model, GltfContainer::Embedded);
	std::vector<std::uint8_t> direct;
	ASSERT_TRUE(surfax::io::EncodeGltf(scene, GltfContainer::Binary, direct, error)) << error;
	EXPECT_TRUE(glb == direct);
	ASSERT_TRUE(surfax::io::EncodeGltf(scene, GltfContainer::Embedded, direct, error)) << error;
	EXPECT_TRUE(gltf == direct);
	const GltfModel moved = std::move(model);
	EXPECT_TRUE(Bytes(moved, GltfContainer::Binary) == glb);
	EXPECT_TRUE(Bytes(moved, GltfContainer::Embedded) == gltf);

	// Kept in scene units, the root does not scale and says so.
	GltfModel unscaled;
	ASSERT_TRUE(surfax::io::BuildGltfModel(scene, unscaled, error, surfax::io::GltfOptions{1.0})) << error;
	EXPECT_EQ(unscaled.nodes.at(0).name, "scene units, unscaled");
	EXPECT_FALSE(unscaled.nodes.at(0).scale.has_value());
}

TEST(GltfModel, WhatIsAddedToAModelBeforeWritingIsInTheFile)
{
	const ExportScene scene = PlotScene();
	GltfModel model;
	std::string error;
	ASSERT_TRUE(surfax::io::BuildGltfModel(scene, model, error)) << error;
	// A second node showing the surface's mesh, with a material of its own and a name holding control characters.
	surfax::io::GltfMaterial red;
	red.name = "red\x01";
	red.baseColor[1] = red.baseColor[2] = 0.0f;
	model.materials.push_back(red);
	surfax::io::GltfMesh copy = model.meshes.at(model.nodes[2].mesh.value());
	copy.name = "copy\tof surface";
	copy.primitives.at(0).material = model.materials.size() - 1;
	model.meshes.push_back(copy);
	surfax::io::GltfNode node;
	node.name = copy.name;
	node.mesh = model.meshes.size() - 1;
	node.scale = std::array<double, 3>{-0.0, 2, 2};
	model.nodes.push_back(node);
	model.nodes[0].children.push_back(model.nodes.size() - 1);

	const std::vector<std::uint8_t> bytes = Bytes(model, GltfContainer::Binary);
	surfax::test::GltfFile file;
	ASSERT_TRUE(surfax::test::ReadGlb(bytes, file, error)) << error;
	const nlohmann::json& added = file.json.at("nodes").back();
	EXPECT_EQ(added.at("name"), "copy\tof surface");
	EXPECT_EQ(added.at("scale"), nlohmann::json::parse("[-0.0, 2, 2]"));
	const nlohmann::json& mesh = file.json.at("meshes").at(added.at("mesh").get<std::size_t>());
	EXPECT_EQ(file.json.at("materials").at(mesh.at("primitives").at(0).at("material").get<std::size_t>()).at("name"),
	          "red\x01");
	// The JSON is compact, control characters escaped as \u00XX and -0 as "-0".
	const std::string text(bytes.begin(), bytes.end());
	EXPECT_NE(text.find("\"name\":\"copy\\u0009of surface\",\"scale\":[-0,2,2],\"mesh\":"), std::string::npos);
	EXPECT_NE(text.find("\"red\\u0001\""), std::string::npos);
}

TEST(GltfModel, MorphFramesGiveTargetsOnlyToMeshesThatMove)
{
	// The surface's top rises in frame 1 and is back in frame 2; the lines and points never move.
	const std::vector<ExportScene> frames = {PlotScene(1.0f), PlotScene(1.5f), PlotScene(1.0f)};
	GltfModel model;
	std::string error;
	surfax::io::GltfAnimationKind kind = surfax::io::GltfAnimationKind::None;
	ASSERT_TRUE(surfax::io::BuildAnimatedGltfModel(frames, 4.0, model, error, {}, &kind)) << error;
	EXPECT_EQ(kind, surfax::io::GltfAnimationKind::MorphTargets);

	const surfax::io::GltfMesh& surface = model.meshes.at(model.nodes[2].mesh.value());
	EXPECT_EQ(surface.weights, (std::vector<float>{0, 0}));
	EXPECT_EQ(surface.targetNames, (std::vector<std::string>{"frame 1", "frame 2"}));
	const std::vector<surfax::io::GltfMorphTarget>& targets = surface.primitives.at(0).targets;
	ASSERT_EQ(targets.size(), 2u);
	const float* rise = ViewData<float>(model, model.accessors.at(targets[0].position));
	ASSERT_NE(rise, nullptr);
	EXPECT_EQ(std::vector<float>(rise, rise + 12), (std::vector<float>{0, 0, 0, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0}));
	EXPECT_FALSE(model.accessors.at(targets[1].position).bufferView.has_value()) << "frame 2 is frame 0 again";
	EXPECT_FALSE(model.accessors.at(targets[0].normal.value()).bufferView.has_value()) << "the normals never change";
	EXPECT_TRUE(model.meshes.at(model.nodes[1].mesh.value()).primitives.at(0).targets.empty());
	EXPECT_TRUE(model.meshes.at(model.nodes[1].mesh.value()).weights.empty());

	// One weights channel, for the surface's node, over keys at 0, 1/4 and 2/4 s turning on target k - 1 at key k.
	ASSERT_EQ(model.animations.size(), 1u);
	ASSERT_EQ(model.animations[0].channels.size(), 1u);
	EXPECT_EQ(model.animations[0].channels[0].node, 2u);
	EXPECT_EQ(model.animations[0].channels[0].path, surfax::io::GltfPath::Weights);
	const surfax::io::GltfSampler& sampler = model.animations[0].samplers.at(0);
	EXPECT_EQ(model.accessors.at(sampler.input).max[0], 0.5f);
	const float* weights = ViewData<float>(model, model.accessors.at(sampler.output));
	EXPECT_EQ(std::vector<float>(weights, weights + 6), (std::vector<float>{0, 0, 1, 0, 0, 1}));

	// A frame rate that is not a positive number builds nothing.
	for (const double fps : {0.0, -30.0, std::nan(""), std::numeric_limits<double>::infinity()})
	{
		EXPECT_FALSE(surfax::io::BuildAnimatedGltfModel(frames, fps, model, error)) << fps;
		EXPECT_TRUE(model.nodes.empty() && model.accessors.empty());
	}
}

TEST(GltfModel, SwitchedFramesEachShowDuringTheirOwnFrameOnly)
{
	// The point set gains a point in frame 1: the topology changes.
	std::vector<ExportScene> frames = {PlotScene(), PlotScene(), PlotScene(), PlotScene()};
	frames[1].points[0].positions.insert(frames[1].points[0].positions.end(), {6, 7, 8});
	GltfModel model;
	std::string error;
	surfax::io::GltfAnimationKind kind = surfax::io::GltfAnimationKind::None;
	ASSERT_TRUE(surfax::io::BuildAnimatedGltfModel(frames, 10.0, model, error, {}, &kind)) << error;
	EXPECT_EQ(kind, surfax::io::GltfAnimationKind::SwitchedFrames);
	const std::vector<std::size_t>& frameNodes = model.nodes.at(model.sceneNodes.at(0)).children;
	ASSERT_EQ(frameNodes.size(), frames.size());
	ASSERT_EQ(model.animations.at(0).channels.size(), frames.size());
	const std::vector<float> times = surfax::io::FrameTimes(frames.size(), 10.0);
	for (std::size_t k = 0; k < frames.size(); ++k)
	{
		const surfax::io::GltfNode& node = model.nodes.at(frameNodes[k]);
		EXPECT_EQ(node.name, "frame " + std::to_string(k));
		const surfax::io::GltfChannel& channel = model.animations[0].channels[k];
		EXPECT_EQ(channel.node, frameNodes[k]);
		const surfax::io::GltfSampler& sampler = model.animations[0].samplers.at(channel.sampler);
		EXPECT_EQ(sampler.interpolation, surfax::io::GltfInterpolation::Step);
		// Shown at its own time, hidden at every other frame's, and its still scale is that of time 0.
		for (std::size_t j = 0; j < frames.size(); ++j)
			EXPECT_EQ(StepValue(model, sampler, times[j]), j == k ? 1.0f : 0.0f) << "frame " << k << " at " << j;
		EXPECT_EQ(node.scale.value()[0], k == 0 ? 1.0 : 0.0);
	}
}

TEST(GltfModel, ABinaryFileOverFourGibibytesIsRefusedBeforeAnyByte)
{
	// The size check needs no data: a model that claims a buffer too large for a .glb.
	GltfModel model;
	model.bufferBytes = std::size_t(1) << 32;
	std::vector<std::uint8_t> bytes{1, 2, 3};
	std::string error;
	EXPECT_FALSE(surfax::io::EncodeGltfModel(model, GltfContainer::Binary, bytes, error));
	EXPECT_NE(error.find("too large for a .glb"), std::string::npos) << error;
	EXPECT_TRUE(bytes.empty());
}
