#include "host/export/gltf_model.h"

#include "host/core/color_space.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

namespace surfax::io
{
namespace
{
// An item of a scene with what kind it is.
struct ItemRef
{
	const ExportItem* item;
	const ExportMesh* mesh;   // when it is a mesh
	const ExportLines* lines; // when it is a line set
};

// One primitive's data in its node's space, before it has accessors.
struct PrimitiveData
{
	const ExportItem* item = nullptr;
	const ExportMesh* mesh = nullptr;   // the item, when it is a mesh
	const ExportLines* lines = nullptr; // the item, when it is a set of line strips
	GltfMode mode = GltfMode::Triangles;
	const std::uint32_t* indices = nullptr; // meshes only
	std::size_t indexCount = 0;
	const float* positions = nullptr;
	const float* normals = nullptr; // meshes with a normal per vertex only
	const float* colors = nullptr;  // linear, when the item has vertex colours
	std::size_t vertices = 0;
};

// A later frame's differences from the first frame's primitive; null where nothing differs.
struct TargetData
{
	const float* position;
	const float* normal;
	const float* color;
};

struct MaterialKey
{
	ColorSource source;
	float color[4];

	bool operator==(const MaterialKey& o) const
	{
		return source == o.source && std::memcmp(color, o.color, sizeof(color)) == 0;
	}
};

bool IsIdentity(const ExportMatrix& m)
{
	return m == kIdentityMatrix;
}

// The inverse of an affine matrix (column-major), or false when it has none worth the name.
bool InvertAffine(const ExportMatrix& m, ExportMatrix& inverse)
{
	const double a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6], i = m[10];
	const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
	const double size = std::fabs(a) + std::fabs(b) + std::fabs(c) + std::fabs(d) + std::fabs(e) + std::fabs(f) +
	                    std::fabs(g) + std::fabs(h) + std::fabs(i);
	if (!std::isfinite(det) || !(std::fabs(det) > 1e-12 * size * size * size))
		return false;
	const double r[9] = {(e * i - f * h) / det, (c * h - b * i) / det, (b * f - c * e) / det,
	                     (f * g - d * i) / det, (a * i - c * g) / det, (c * d - a * f) / det,
	                     (d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det};
	// r is row-major: r[row * 3 + column].
	inverse = kIdentityMatrix;
	for (int row = 0; row < 3; ++row)
	{
		for (int column = 0; column < 3; ++column)
			inverse[static_cast<std::size_t>(column * 4 + row)] = r[row * 3 + column];
		inverse[static_cast<std::size_t>(12 + row)] =
		    -(r[row * 3] * m[12] + r[row * 3 + 1] * m[13] + r[row * 3 + 2] * m[14]);
	}
	return true;
}

std::vector<ItemRef> ItemsInOrder(const ExportScene& scene)
{
	std::vector<ItemRef> items;
	items.reserve(scene.meshes.size() + scene.lines.size() + scene.points.size());
	for (const ExportMesh& m : scene.meshes)
		items.push_back(ItemRef{&m, &m, nullptr});
	for (const ExportLines& l : scene.lines)
		items.push_back(ItemRef{&l, nullptr, &l});
	for (const ExportPoints& p : scene.points)
		items.push_back(ItemRef{&p, nullptr, nullptr});
	return items;
}

// Display colours (RGBA per vertex) as the linear values glTF stores; alpha is kept.
std::vector<float> LinearColors(const std::vector<float>& display)
{
	std::vector<float> linear(display.size());
	for (std::size_t i = 0; i < display.size(); ++i)
		linear[i] = i % 4 == 3 ? display[i] : core::SrgbToLinear(display[i]);
	return linear;
}

// World positions taken to a node's space by the inverse of its world matrix.
std::vector<float> LocalPositions(const std::vector<float>& positions, const ExportMatrix& inverse)
{
	const ExportMatrix& m = inverse;
	std::vector<float> local(positions.size());
	for (std::size_t v = 0; v + 2 < local.size(); v += 3)
	{
		const double x = positions[v], y = positions[v + 1], z = positions[v + 2];
		for (std::size_t k = 0; k < 3; ++k)
			local[v + k] = static_cast<float>(m[k] * x + m[4 + k] * y + m[8 + k] * z + m[12 + k]);
	}
	return local;
}

// World normals taken to a node's space by the transpose of its world matrix's linear part, then made unit length
// again (+y where that is impossible).
std::vector<float> LocalNormals(const float* normals, std::size_t floats, const ExportMatrix& world)
{
	std::vector<float> local(floats);
	for (std::size_t v = 0; v + 2 < floats; v += 3)
	{
		double n[3];
		for (std::size_t k = 0; k < 3; ++k)
			n[k] = world[k * 4] * normals[v] + world[k * 4 + 1] * normals[v + 1] + world[k * 4 + 2] * normals[v + 2];
		const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
		const bool usable = length > 0.0 && std::isfinite(length);
		for (std::size_t k = 0; k < 3; ++k)
			local[v + k] = usable ? static_cast<float>(n[k] / length) : (k == 1 ? 1.0f : 0.0f);
	}
	return local;
}

// The smallest and largest value of each of `components` (at most 4) over `count` elements; zeros without data.
void FloatBounds(const float* data, std::size_t count, std::size_t components, float* lo, float* hi)
{
	for (std::size_t i = 0; data != nullptr && i < count; ++i)
	{
		for (std::size_t k = 0; k < components; ++k)
		{
			const float v = data[i * components + k];
			lo[k] = i == 0 ? v : std::min(lo[k], v);
			hi[k] = i == 0 ? v : std::max(hi[k], v);
		}
	}
}

GltfMaterial MaterialOf(const MaterialKey& key)
{
	char hex[8];
	auto byte = [](float v) { return static_cast<unsigned>(v * 255.0f + 0.5f); };
	std::snprintf(hex, sizeof(hex), "%02X%02X%02X", byte(key.color[0]), byte(key.color[1]), byte(key.color[2]));
	GltfMaterial material;
	material.name = key.source == ColorSource::VertexColors ? std::string("vertex colours")
	                : key.source == ColorSource::Display    ? "display #" + std::string(hex)
	                                                        : std::string("neutral grey");
	for (int k = 0; k < 3; ++k)
		material.baseColor[k] = core::SrgbToLinear(key.color[k]);
	material.baseColor[3] = key.color[3];
	return material;
}

// One scene's tree being added to the model.
struct TreeInput
{
	const ExportScene& scene;
	std::vector<ItemRef> items;                   // the scene's, in order
	std::vector<std::vector<ItemRef>> frameItems; // with morph targets: each later frame's, in order
	std::size_t base;                             // the model node of the scene's first node
	std::size_t parent;                           // the model node the tree hangs below
};

// Fills a model, appending to its arrays in the order the file lists them.
class ModelBuilder
{
public:
	ModelBuilder(GltfModel& model, const GltfOptions& options) : _model(model), _options(options) {}

	/// One scene: flat (one node per item, world space) when it has no object tree, else the tree under a root node
	/// that converts scene units to metres.
	void AddScene(const ExportScene& scene)
	{
		if (scene.nodes.empty())
		{
			for (const ItemRef& item : ItemsInOrder(scene))
				_model.sceneNodes.push_back(AddFlatItem(item));
			return;
		}
		AddTree(scene, AddRoot(), nullptr);
	}

	/// The first frame's tree, its moving meshes with a morph target per later frame.
	void AddMorphFrames(const std::vector<ExportScene>& frames, double fps)
	{
		const std::size_t root = AddRoot();
		const std::size_t count = frames.size();
		_morphTimes = AddFloatAccessor(Own(FrameTimes(count, fps)), count, GltfType::Scalar, true, 0);
		_morphWeights = AddFloatAccessor(Own(MorphWeights(count)), count * (count - 1), GltfType::Scalar, false, 0);
		AddTree(frames[0], root, &frames);
	}

	/// Every frame's tree below a node of its own, shown during its frame only.
	void AddSwitchedFrames(const std::vector<ExportScene>& frames, double fps)
	{
		const std::size_t root = AddRoot();
		const std::vector<float> times = FrameTimes(frames.size(), fps);
		for (std::size_t k = 0; k < frames.size(); ++k)
		{
			GltfNode frameNode;
			frameNode.name = "frame " + std::to_string(k);
			const double shown = k == 0 ? 1.0 : 0.0;
			frameNode.scale = std::array<double, 3>{shown, shown, shown};
			const std::size_t node = AddNode(std::move(frameNode));
			_model.nodes[root].children.push_back(node);
			AddTree(frames[k], node, nullptr);
			VisibilityKeys keys = FrameVisibility(k, times);
			const std::size_t keyCount = keys.times.size();
			const std::size_t input = AddFloatAccessor(Own(std::move(keys.times)), keyCount, GltfType::Scalar, true, 0);
			const std::size_t output =
			    AddFloatAccessor(Own(std::move(keys.scales)), keyCount, GltfType::Vec3, false, 0);
			AddChannel(node, GltfPath::Scale, input, output, GltfInterpolation::Step);
		}
	}

private:
	std::size_t AddNode(GltfNode node)
	{
		_model.nodes.push_back(std::move(node));
		return _model.nodes.size() - 1;
	}

	std::size_t AddRoot()
	{
		GltfNode root;
		root.name = RootNodeName(_options);
		if (_options.unitScale != 1.0)
			root.scale = std::array<double, 3>{_options.unitScale, _options.unitScale, _options.unitScale};
		const std::size_t index = AddNode(std::move(root));
		_model.sceneNodes.push_back(index);
		return index;
	}

	// The object tree of `scene` below `parent`. With morph frames, moving primitives get a target per frame.
	void AddTree(const ExportScene& scene, std::size_t parent, const std::vector<ExportScene>* morphFrames)
	{
		TreeInput tree{scene, ItemsInOrder(scene), {}, _model.nodes.size(), parent};
		for (std::size_t k = 1; morphFrames != nullptr && k < morphFrames->size(); ++k)
			tree.frameItems.push_back(ItemsInOrder((*morphFrames)[k]));
		for (const ExportNode& node : scene.nodes)
		{
			GltfNode out;
			out.name = node.name;
			if (!IsIdentity(node.local))
				out.matrix = node.local;
			const std::size_t index = AddNode(std::move(out));
			const std::size_t up = node.parent >= 0 ? tree.base + static_cast<std::size_t>(node.parent) : parent;
			_model.nodes[up].children.push_back(index);
		}
		// Items by node, in the scene's order; items without a node of their own are placed in world space.
		std::vector<std::vector<std::size_t>> byNode(scene.nodes.size());
		for (std::size_t i = 0; i < tree.items.size(); ++i)
		{
			const std::int32_t node = tree.items[i].item->node;
			if (node >= 0 && static_cast<std::size_t>(node) < scene.nodes.size())
				byNode[static_cast<std::size_t>(node)].push_back(i);
			else
				AddFlatChild(parent, tree.items[i]);
		}
		for (std::size_t n = 0; n < scene.nodes.size(); ++n)
		{
			if (!byNode[n].empty())
				AddNodeMesh(tree, n, byNode[n]);
		}
	}

	// The mesh of the tree's node n from its items; when the node cannot be inverted, each item goes to a node of
	// its own below the tree's parent, in world space.
	void AddNodeMesh(const TreeInput& tree, std::size_t n, const std::vector<std::size_t>& itemIndices)
	{
		const ExportMatrix& world = tree.scene.nodes[n].world;
		ExportMatrix inverse = kIdentityMatrix;
		if (!IsIdentity(world) && !InvertAffine(world, inverse))
		{
			for (const std::size_t i : itemIndices)
				AddFlatChild(tree.parent, tree.items[i]);
			return;
		}
		std::vector<PrimitiveData> primitives;
		for (const std::size_t i : itemIndices)
			primitives.push_back(LocalPrimitive(tree.items[i], world, inverse));
		std::vector<std::vector<PrimitiveData>> targets; // per frame after the first, the same primitives
		for (const std::vector<ItemRef>& frameItems : tree.frameItems)
		{
			std::vector<PrimitiveData> frame;
			for (const std::size_t i : itemIndices)
				frame.push_back(LocalPrimitive(frameItems[i], world, inverse));
			targets.push_back(std::move(frame));
		}
		const std::size_t node = tree.base + n;
		const std::size_t mesh = AddMesh(tree.scene.nodes[n].name, primitives, targets);
		_model.nodes[node].mesh = mesh;
		if (!_model.meshes[mesh].weights.empty())
			AddChannel(node, GltfPath::Weights, _morphTimes, _morphWeights, GltfInterpolation::Linear);
	}

	// A node of its own for an item, in world space, below `parent`. The node is added before the parent is looked
	// up: adding it can move every node.
	void AddFlatChild(std::size_t parent, const ItemRef& item)
	{
		const std::size_t child = AddFlatItem(item);
		_model.nodes[parent].children.push_back(child);
	}

	std::size_t AddFlatItem(const ItemRef& item)
	{
		const PrimitiveData primitive = LocalPrimitive(item, kIdentityMatrix, kIdentityMatrix);
		GltfNode node;
		node.name = item.item->name;
		node.mesh = AddMesh(item.item->name, {primitive}, {});
		return AddNode(std::move(node));
	}

	const float* Own(std::vector<float> data)
	{
		_model.ownedFloats.push_back(std::move(data));
		return _model.ownedFloats.back().data();
	}

	// The item's data in the space of its node (world given with its inverse): the item's own arrays when the node
	// sits at the origin, else transformed copies.
	PrimitiveData LocalPrimitive(const ItemRef& ref, const ExportMatrix& world, const ExportMatrix& inverse)
	{
		const ExportItem& item = *ref.item;
		PrimitiveData p;
		p.item = &item;
		p.mesh = ref.mesh;
		p.lines = ref.lines;
		p.vertices = item.VertexCount();
		p.positions = item.positions.data();
		if (!item.colors.empty())
			p.colors = Own(LinearColors(item.colors));
		if (const ExportMesh* mesh = ref.mesh)
		{
			p.mode = GltfMode::Triangles;
			p.indices = mesh->indices.data();
			p.indexCount = mesh->indices.size();
			p.normals = mesh->normals.size() == mesh->positions.size() ? mesh->normals.data() : nullptr;
		}
		else if (ref.lines != nullptr)
			p.mode = GltfMode::LineStrip;
		else
			p.mode = GltfMode::Points;
		if (IsIdentity(world))
			return p;
		p.positions = Own(LocalPositions(item.positions, inverse));
		if (p.normals != nullptr)
			p.normals = Own(LocalNormals(p.normals, item.positions.size(), world));
		return p;
	}

	// base + delta = target, or null when every delta is 0.
	const float* Delta(const float* base, const float* target, std::size_t floats)
	{
		std::vector<float> delta;
		return MorphDelta(base, target, floats, delta) ? Own(std::move(delta)) : nullptr;
	}

	// Per primitive, its differences in each later frame; empty when nothing in the mesh moves at all.
	std::vector<std::vector<TargetData>> MorphDeltas(const std::vector<PrimitiveData>& primitives,
	                                                 const std::vector<std::vector<PrimitiveData>>& targets)
	{
		std::vector<std::vector<TargetData>> deltas(primitives.size());
		bool morphs = false;
		for (std::size_t p = 0; p < primitives.size(); ++p)
		{
			const PrimitiveData& base = primitives[p];
			const std::size_t v = base.vertices;
			for (const std::vector<PrimitiveData>& frame : targets)
			{
				const PrimitiveData& t = frame[p];
				TargetData d{Delta(base.positions, t.positions, v * 3),
				             base.normals != nullptr ? Delta(base.normals, t.normals, v * 3) : nullptr,
				             base.colors != nullptr ? Delta(base.colors, t.colors, v * 4) : nullptr};
				morphs = morphs || d.position != nullptr || d.normal != nullptr || d.color != nullptr;
				deltas[p].push_back(d);
			}
		}
		if (!morphs)
			deltas.clear();
		return deltas;
	}

	// One mesh of the primitives; with targets (one list per later frame, the same primitives) each primitive gets
	// one morph target per frame holding the frame's differences, unless nothing in the mesh moves at all.
	std::size_t AddMesh(const std::string& name, const std::vector<PrimitiveData>& primitives,
	                    const std::vector<std::vector<PrimitiveData>>& targets)
	{
		const std::vector<std::vector<TargetData>> deltas = MorphDeltas(primitives, targets);
		GltfMesh mesh;
		mesh.name = name;
		for (std::size_t p = 0; p < primitives.size(); ++p)
			AddPrimitives(primitives[p], deltas.empty() ? nullptr : &deltas[p], mesh);
		if (!deltas.empty())
		{
			mesh.weights.assign(targets.size(), 0.0f);
			for (std::size_t t = 0; t < targets.size(); ++t)
				mesh.targetNames.push_back("frame " + std::to_string(t + 1));
		}
		_model.meshes.push_back(std::move(mesh));
		return _model.meshes.size() - 1;
	}

	// The item's primitives in `mesh`: one for triangles or points, one LINE_STRIP per strip of a line set.
	void AddPrimitives(const PrimitiveData& data, const std::vector<TargetData>* targets, GltfMesh& mesh)
	{
		if (data.lines == nullptr)
		{
			mesh.primitives.push_back(AddPrimitive(data, targets, 0, data.vertices));
			return;
		}
		// Strips past the item's vertices (a scene built by hand may claim them) are left out, not read.
		std::size_t first = 0;
		for (const std::uint32_t count : data.lines->stripCounts)
		{
			if (count > data.vertices - first)
				return;
			mesh.primitives.push_back(AddPrimitive(data, targets, first, count));
			first += count;
		}
	}

	// A primitive of the vertices first .. first + count - 1 of the item (all of them for a mesh, whose indices
	// count from its first vertex), with its morph targets' differences over the same vertices.
	GltfPrimitive AddPrimitive(const PrimitiveData& data, const std::vector<TargetData>* targets, std::size_t first,
	                           std::size_t count)
	{
		auto range = [first](const float* values, std::size_t components)
		{ return values != nullptr ? values + first * components : nullptr; };
		GltfPrimitive p;
		p.position = AddFloatAccessor(range(data.positions, 3), count, GltfType::Vec3, true, kGltfArrayBuffer);
		if (data.normals != nullptr)
			p.normal = AddFloatAccessor(range(data.normals, 3), count, GltfType::Vec3, false, kGltfArrayBuffer);
		if (data.mesh != nullptr && !data.mesh->uvs.empty())
			p.texcoord = AddFloatAccessor(data.mesh->uvs.data(), count, GltfType::Vec2, false, kGltfArrayBuffer);
		if (data.colors != nullptr)
			p.color = AddFloatAccessor(range(data.colors, 4), count, GltfType::Vec4, false, kGltfArrayBuffer);
		if (data.indices != nullptr)
			p.indices = AddIndexAccessor(data.indices, data.indexCount);
		p.material = Material(*data.item);
		p.mode = data.mode;
		for (std::size_t t = 0; targets != nullptr && t < targets->size(); ++t)
		{
			const TargetData& d = (*targets)[t];
			GltfMorphTarget target;
			target.position = AddFloatAccessor(range(d.position, 3), count, GltfType::Vec3, true, kGltfArrayBuffer);
			if (data.normals != nullptr)
				target.normal = AddFloatAccessor(range(d.normal, 3), count, GltfType::Vec3, false, kGltfArrayBuffer);
			if (data.colors != nullptr)
				target.color = AddFloatAccessor(range(d.color, 4), count, GltfType::Vec4, false, kGltfArrayBuffer);
			p.targets.push_back(target);
		}
		return p;
	}

	std::size_t Material(const ExportItem& item)
	{
		const MaterialKey key{item.colorSource, {item.color[0], item.color[1], item.color[2], item.color[3]}};
		const auto found = std::find(_materialKeys.begin(), _materialKeys.end(), key);
		if (found != _materialKeys.end())
			return static_cast<std::size_t>(found - _materialKeys.begin());
		_materialKeys.push_back(key);
		_model.materials.push_back(MaterialOf(key));
		return _model.materials.size() - 1;
	}

	std::size_t AddView(const void* data, std::size_t bytes, int target)
	{
		_model.bufferViews.push_back(GltfBufferView{data, _model.bufferBytes, bytes, target});
		_model.bufferBytes += (bytes + 3) & ~std::size_t(3); // every view starts 4-byte aligned
		return _model.bufferViews.size() - 1;
	}

	// An accessor over `count` float elements, with min and max when asked. Null data gives an accessor without a
	// buffer view, which reads as zeros. `target` is the buffer view's.
	std::size_t AddFloatAccessor(const float* data, std::size_t count, GltfType type, bool bounds, int target)
	{
		const std::size_t components = static_cast<std::size_t>(type);
		GltfAccessor a;
		if (data != nullptr)
			a.bufferView = AddView(data, count * components * sizeof(float), target);
		a.componentType = kGltfFloat;
		a.count = count;
		a.type = type;
		a.bounds = bounds;
		if (bounds)
			FloatBounds(data, count, components, a.min, a.max);
		_model.accessors.push_back(a);
		return _model.accessors.size() - 1;
	}

	std::size_t AddIndexAccessor(const std::uint32_t* indices, std::size_t count)
	{
		GltfAccessor a;
		a.bufferView = AddView(indices, count * sizeof(std::uint32_t), kGltfElementArrayBuffer);
		a.componentType = kGltfUnsignedInt;
		a.count = count;
		a.type = GltfType::Scalar;
		_model.accessors.push_back(a);
		return _model.accessors.size() - 1;
	}

	// A channel with a sampler of its own, in the one animation "frames".
	void AddChannel(std::size_t node, GltfPath path, std::size_t input, std::size_t output,
	                GltfInterpolation interpolation)
	{
		if (_model.animations.empty())
			_model.animations.push_back(GltfAnimation{"frames", {}, {}});
		GltfAnimation& animation = _model.animations.back();
		animation.channels.push_back(GltfChannel{animation.samplers.size(), node, path});
		animation.samplers.push_back(GltfSampler{input, output, interpolation});
	}

	GltfModel& _model;
	GltfOptions _options;
	std::vector<MaterialKey> _materialKeys; // beside the model's materials, in the same order
	std::size_t _morphTimes = 0;            // accessors of a morph animation's keys
	std::size_t _morphWeights = 0;
};

// Runs build into a fresh model; `out` is left empty on failure.
template <typename Build> bool BuildInto(GltfModel& out, std::string& error, const GltfOptions& options, Build build)
{
	out = GltfModel();
	try
	{
		ModelBuilder builder(out, options);
		build(builder);
		return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while building the glTF model";
	}
	out = GltfModel();
	return false;
}
} // namespace

std::string RootNodeName(const GltfOptions& options)
{
	return options.unitScale != 1.0 ? "scene units to metres" : "scene units, unscaled";
}

bool BuildGltfModel(const ExportScene& scene, GltfModel& out, std::string& error, const GltfOptions& options)
{
	return BuildInto(out, error, options, [&](ModelBuilder& builder) { builder.AddScene(scene); });
}

bool BuildAnimatedGltfModel(const std::vector<ExportScene>& frames, double fps, GltfModel& out, std::string& error,
                            const GltfOptions& options, GltfAnimationKind* kind)
{
	if (!(fps > 0.0) || !std::isfinite(fps))
	{
		out = GltfModel();
		error = "the frame rate must be a positive number";
		return false;
	}
	const GltfAnimationKind chosen = ChooseGltfAnimation(frames);
	if (kind != nullptr)
		*kind = chosen;
	return BuildInto(out, error, options,
	                 [&](ModelBuilder& builder)
	                 {
		                 static const ExportScene kNoScene;
		                 if (chosen == GltfAnimationKind::MorphTargets)
			                 builder.AddMorphFrames(frames, fps);
		                 else if (chosen == GltfAnimationKind::SwitchedFrames)
			                 builder.AddSwitchedFrames(frames, fps);
		                 else
			                 builder.AddScene(frames.empty() ? kNoScene : frames[0]);
	                 });
}
} // namespace surfax::io
