#include "host/export/gltf_writer.h"

#include "host/core/base64.h"
#include "host/core/number_format.h"
#include "host/core/utf8.h"
#include "host/core/output_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <deque>
#include <cstring>
#include <new>

namespace surfax::io
{
namespace
{
// The buffer is the arrays' memory as it is; glTF is little-endian.
static_assert(std::endian::native == std::endian::little, "the glTF writer copies arrays as little-endian bytes");

constexpr int kFloat = 5126;
constexpr int kUnsignedInt = 5125;
constexpr int kArrayBuffer = 34962;
constexpr int kElementArrayBuffer = 34963;
constexpr int kModePoints = 0;
constexpr int kModeLines = 1;
constexpr int kModeTriangles = 4;
constexpr std::uint32_t kGlbMagic = 0x46546C67;  // "glTF"
constexpr std::uint32_t kChunkJson = 0x4E4F534A; // "JSON"
constexpr std::uint32_t kChunkBin = 0x004E4942;  // "BIN\0"

struct View
{
	const void* data;
	std::size_t bytes;
	std::size_t offset;
	int target;
};

// Appends JSON text; numbers in the C locale, floats written exactly as the float's double value.
class Json
{
public:
	std::string text;

	Json& Raw(const char* s)
	{
		text += s;
		return *this;
	}
	Json& Int(std::uint64_t v)
	{
		text += std::to_string(v);
		return *this;
	}
	Json& Float(float v)
	{
		char buffer[40];
		text.append(buffer, core::FormatShortest(static_cast<double>(v), buffer));
		return *this;
	}
	Json& Doubles(const double* v, int count)
	{
		text += '[';
		for (int i = 0; i < count; ++i)
		{
			char buffer[40];
			text.append(i > 0 ? "," : "");
			text.append(buffer, core::FormatShortest(v[i], buffer));
		}
		text += ']';
		return *this;
	}
	Json& Floats(const float* v, int count)
	{
		text += '[';
		for (int i = 0; i < count; ++i)
		{
			if (i > 0)
				text += ',';
			Float(v[i]);
		}
		text += ']';
		return *this;
	}
	// A JSON string. Bytes that are not UTF-8 become U+FFFD, so any name gives valid JSON.
	Json& String(const std::string& s)
	{
		text += '"';
		std::size_t i = 0;
		while (i < s.size())
		{
			const unsigned char c = static_cast<unsigned char>(s[i]);
			if (c < 0x80)
			{
				if (c == '"' || c == '\\')
				{
					text += '\\';
					text += static_cast<char>(c);
				}
				else if (c < 0x20)
				{
					char escaped[8];
					std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
					text += escaped;
				}
				else
					text += static_cast<char>(c);
				++i;
				continue;
			}
			const std::size_t length = core::ValidUtf8Length(std::string_view(s).substr(i));
			if (length == 0)
			{
				text += "\xEF\xBF\xBD";
				++i;
				continue;
			}
			text.append(s, i, length);
			i += length;
		}
		text += '"';
		return *this;
	}
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

// An item of a scene with what kind it is.
struct ItemRef
{
	const ExportItem* item;
	const ExportMesh* mesh;   // when it is a mesh
	const ExportLines* lines; // when it is a line set
};

// A node of the output before it is written: the children are known only once the whole tree is laid out.
struct OutNode
{
	std::string name;
	const ExportMatrix* matrix = nullptr; // written unless null or the identity
	double scale = 1.0;                   // written as "scale" when not 1 (the unit root, switched frames)
	bool writeScale = false;
	std::ptrdiff_t mesh = -1;
	std::vector<std::size_t> children;
};

// One primitive's data in the node's own space, and its morph targets when it is animated.
struct Primitive
{
	const ExportItem* item = nullptr;
	const ExportMesh* mesh = nullptr; // the item, when it is a mesh
	int mode = kModeTriangles;
	const std::vector<std::uint32_t>* indices = nullptr; // null for points
	const float* positions = nullptr;
	const float* normals = nullptr; // meshes only
	std::size_t vertices = 0;
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

// Everything but the buffer's bytes: the JSON and the list of views that make up the buffer.
class Document
{
public:
	explicit Document(const GltfOptions& options) : _options(options) {}

	/// One scene: flat (one node per item, world space) when it has no object tree, else the tree under a root
	/// node that converts scene units to metres.
	void Build(const ExportScene& scene)
	{
		if (scene.nodes.empty())
		{
			for (const ItemRef& item : ItemsInOrder(scene))
				_scene.push_back(AddFlatItem(item));
			return;
		}
		const std::size_t root = AddRoot();
		AddTree(scene, root, nullptr);
	}

	/// Frames of one animation at `fps`, as the given kind.
	void BuildAnimation(const std::vector<ExportScene>& frames, double fps, GltfAnimationKind kind)
	{
		const std::size_t root = AddRoot();
		const std::size_t count = frames.size();
		std::vector<float> times(count);
		for (std::size_t k = 0; k < count; ++k)
			times[k] = static_cast<float>(static_cast<double>(k) / fps);
		if (kind == GltfAnimationKind::MorphTargets)
		{
			const std::size_t timesAccessor = Accessor(Own(std::move(times)), count, "SCALAR", 1, true, 0);
			// One weight per frame after the first; at frame k only target k - 1 is on.
			const std::size_t targets = count - 1;
			std::vector<float> weights(count * targets, 0.0f);
			for (std::size_t k = 1; k < count; ++k)
				weights[k * targets + (k - 1)] = 1.0f;
			const std::size_t weightsAccessor =
			    Accessor(Own(std::move(weights)), count * targets, "SCALAR", 1, false, 0);
			_morph = MorphInput{&frames, timesAccessor, weightsAccessor};
			AddTree(frames[0], root, &frames);
			return;
		}
		for (std::size_t k = 0; k < count; ++k)
		{
			const std::size_t frameNode =
			    AddNode(OutNode{"frame " + std::to_string(k), nullptr, k == 0 ? 1.0 : 0.0, true, -1, {}});
			_nodes[root].children.push_back(frameNode);
			AddTree(frames[k], frameNode, nullptr);
			// Shown from its own time until the next frame's: a step from 0 to 1 and back to 0.
			std::vector<float> keyTimes, scales;
			auto key = [&](std::size_t frame, float value)
			{
				keyTimes.push_back(times[frame]);
				scales.insert(scales.end(), {value, value, value});
			};
			key(0, k == 0 ? 1.0f : 0.0f);
			if (k > 0)
				key(k, 1.0f);
			if (k + 1 < count)
				key(k + 1, 0.0f);
			const std::size_t keys = keyTimes.size();
			const std::size_t input = Accessor(Own(std::move(keyTimes)), keys, "SCALAR", 1, true, 0);
			const std::size_t output = Accessor(Own(std::move(scales)), keys, "VEC3", 3, false, 0);
			AddChannel(frameNode, "scale", input, output, "STEP");
		}
	}

	std::size_t BufferBytes() const { return _bufferBytes; }
	const std::vector<View>& Views() const { return _views; }

	// The JSON up to the buffer's uri (embedded) or complete (binary), and what follows the uri.
	void Text(bool embedded, std::string& head, std::string& tail) const
	{
		Json j;
		j.Raw("{\"asset\":{\"generator\":\"surfax-host\",\"version\":\"2.0\"},\"scene\":0,\"scenes\":[{");
		if (!_scene.empty())
			IndexList(j.Raw("\"nodes\":"), _scene);
		j.Raw("}]");
		if (!_nodes.empty())
		{
			j.Raw(",\"nodes\":[");
			for (std::size_t i = 0; i < _nodes.size(); ++i)
				NodeJson(j.Raw(i > 0 ? "," : ""), _nodes[i]);
			j.Raw("]");
		}
		if (_meshCount > 0)
			j.Raw(",\"meshes\":[").Raw(_meshes.text.c_str()).Raw("]");
		if (!_materials.empty())
		{
			j.Raw(",\"materials\":[");
			for (std::size_t i = 0; i < _materials.size(); ++i)
				MaterialJson(j.Raw(i > 0 ? "," : ""), _materials[i]);
			j.Raw("]");
		}
		if (_channelCount > 0)
		{
			j.Raw(",\"animations\":[{\"name\":\"frames\",\"channels\":[").Raw(_channels.text.c_str());
			j.Raw("],\"samplers\":[").Raw(_samplers.text.c_str()).Raw("]}]");
		}
		if (_accessorCount > 0)
			j.Raw(",\"accessors\":[").Raw(_accessors.text.c_str()).Raw("]");
		if (!_views.empty())
		{
			j.Raw(",\"bufferViews\":[");
			for (std::size_t i = 0; i < _views.size(); ++i)
			{
				j.Raw(i > 0 ? "," : "").Raw("{\"buffer\":0,\"byteOffset\":").Int(_views[i].offset);
				j.Raw(",\"byteLength\":").Int(_views[i].bytes);
				if (_views[i].target != 0)
					j.Raw(",\"target\":").Int(static_cast<std::uint64_t>(_views[i].target));
				j.Raw("}");
			}
			j.Raw("]");
		}
		if (_bufferBytes > 0)
		{
			j.Raw(",\"buffers\":[{\"byteLength\":").Int(_bufferBytes);
			if (embedded)
			{
				j.Raw(",\"uri\":\"data:application/octet-stream;base64,");
				head = std::move(j.text);
				tail = "\"}]}";
				return;
			}
			j.Raw("}]");
		}
		j.Raw("}");
		head = std::move(j.text);
		tail.clear();
	}

private:
	struct MorphInput
	{
		const std::vector<ExportScene>* frames = nullptr;
		std::size_t times = 0;
		std::size_t weights = 0;
	};

	static void IndexList(Json& j, const std::vector<std::size_t>& list)
	{
		j.Raw("[");
		for (std::size_t i = 0; i < list.size(); ++i)
			j.Raw(i > 0 ? "," : "").Int(list[i]);
		j.Raw("]");
	}

	static void NodeJson(Json& j, const OutNode& n)
	{
		j.Raw("{");
		bool first = true;
		auto member = [&](const char* key) -> Json&
		{
			j.Raw(first ? "\"" : ",\"").Raw(key).Raw("\":");
			first = false;
			return j;
		};
		if (!n.name.empty())
			member("name").String(n.name);
		if (!n.children.empty())
			IndexList(member("children"), n.children);
		if (n.matrix != nullptr && !IsIdentity(*n.matrix))
			member("matrix").Doubles(n.matrix->data(), 16);
		if (n.writeScale)
		{
			const double v[3] = {n.scale, n.scale, n.scale};
			member("scale").Doubles(v, 3);
		}
		if (n.mesh >= 0)
			member("mesh").Int(static_cast<std::uint64_t>(n.mesh));
		j.Raw("}");
	}

	static void MaterialJson(Json& j, const MaterialKey& m)
	{
		char hex[8];
		auto byte = [](float v) { return static_cast<unsigned>(v * 255.0f + 0.5f); };
		std::snprintf(hex, sizeof(hex), "%02X%02X%02X", byte(m.color[0]), byte(m.color[1]), byte(m.color[2]));
		const std::string name = m.source == ColorSource::VertexColors ? std::string("vertex colours")
		                         : m.source == ColorSource::Display    ? "display #" + std::string(hex)
		                                                               : std::string("neutral grey");
		j.Raw("{\"name\":").String(name).Raw(",\"pbrMetallicRoughness\":{\"baseColorFactor\":");
		j.Floats(m.color, 4).Raw(",\"metallicFactor\":0,\"roughnessFactor\":1},\"doubleSided\":true}");
	}

	static std::vector<ItemRef> ItemsInOrder(const ExportScene& scene)
	{
		std::vector<ItemRef> items;
		for (const ExportMesh& m : scene.meshes)
			items.push_back(ItemRef{&m, &m, nullptr});
		for (const ExportLines& l : scene.lines)
			items.push_back(ItemRef{&l, nullptr, &l});
		for (const ExportPoints& p : scene.points)
			items.push_back(ItemRef{&p, nullptr, nullptr});
		return items;
	}

	std::size_t AddNode(OutNode node)
	{
		_nodes.push_back(std::move(node));
		return _nodes.size() - 1;
	}

	std::size_t AddRoot()
	{
		const std::size_t root =
		    AddNode(OutNode{"scene units to metres", nullptr, _options.unitScale, _options.unitScale != 1.0, -1, {}});
		_scene.push_back(root);
		return root;
	}

	// The object tree of `scene` below `parent`. With morph frames, animated primitives get a target per frame.
	void AddTree(const ExportScene& scene, std::size_t parent, const std::vector<ExportScene>* morphFrames)
	{
		const std::size_t base = _nodes.size();
		for (const ExportNode& node : scene.nodes)
		{
			const std::size_t index = AddNode(OutNode{node.name, &node.local, 1.0, false, -1, {}});
			_nodes[node.parent >= 0 ? base + static_cast<std::size_t>(node.parent) : parent].children.push_back(index);
		}
		// Items by node, in the scene's order (meshes, lines, points); items without a node of their own, or whose
		// node cannot be inverted, are placed in world space on nodes of their own.
		const std::vector<ItemRef> items = ItemsInOrder(scene);
		std::vector<std::vector<std::size_t>> byNode(scene.nodes.size());
		for (std::size_t i = 0; i < items.size(); ++i)
		{
			const std::int32_t node = items[i].item->node;
			if (node >= 0 && static_cast<std::size_t>(node) < scene.nodes.size())
				byNode[static_cast<std::size_t>(node)].push_back(i);
			else
				AddFlatChild(parent, items[i]);
		}
		for (std::size_t n = 0; n < scene.nodes.size(); ++n)
		{
			if (byNode[n].empty())
				continue;
			const ExportMatrix& world = scene.nodes[n].world;
			ExportMatrix inverse = kIdentityMatrix;
			if (!IsIdentity(world) && !InvertAffine(world, inverse))
			{
				for (const std::size_t i : byNode[n])
					AddFlatChild(parent, items[i]);
				continue;
			}
			std::vector<Primitive> primitives;
			for (const std::size_t i : byNode[n])
				primitives.push_back(LocalPrimitive(items[i], world, inverse));
			std::vector<std::vector<Primitive>> targets; // per frame after the first, the same primitives
			if (morphFrames != nullptr)
			{
				for (std::size_t k = 1; k < morphFrames->size(); ++k)
				{
					const std::vector<ItemRef> frameItems = ItemsInOrder((*morphFrames)[k]);
					std::vector<Primitive> frame;
					for (const std::size_t i : byNode[n])
						frame.push_back(LocalPrimitive(frameItems[i], world, inverse));
					targets.push_back(std::move(frame));
				}
			}
			_nodes[base + n].mesh = static_cast<std::ptrdiff_t>(AddMeshOf(scene.nodes[n].name, primitives, targets));
			if (!targets.empty() && _lastMeshMorphs)
				AddChannel(base + n, "weights", _morph.times, _morph.weights, "LINEAR");
		}
	}

	// A node of its own for an item, in world space, below `parent`. The node is added before the parent is looked up:
	// adding it can move every node.
	void AddFlatChild(std::size_t parent, const ItemRef& item)
	{
		const std::size_t child = AddFlatItem(item);
		_nodes[parent].children.push_back(child);
	}

	// A node of its own for an item, in world space.
	std::size_t AddFlatItem(const ItemRef& item)
	{
		const Primitive primitive = LocalPrimitive(item, kIdentityMatrix, kIdentityMatrix);
		const std::size_t mesh = AddMeshOf(item.item->name, {primitive}, {});
		return AddNode(OutNode{item.item->name, nullptr, 1.0, false, static_cast<std::ptrdiff_t>(mesh), {}});
	}

	const float* Own(std::vector<float> data)
	{
		_owned.push_back(std::move(data));
		return _owned.back().data();
	}

	const std::vector<std::uint32_t>* OwnIndices(std::vector<std::uint32_t> data)
	{
		_ownedIndices.push_back(std::move(data));
		return &_ownedIndices.back();
	}

	// The item's data in the space of its node (world given with its inverse): the item's own arrays when the node
	// sits at the origin, else transformed copies.
	Primitive LocalPrimitive(const ItemRef& ref, const ExportMatrix& world, const ExportMatrix& inverse)
	{
		const ExportItem& item = *ref.item;
		Primitive p;
		p.item = &item;
		p.mesh = ref.mesh;
		p.vertices = item.VertexCount();
		p.positions = item.positions.data();
		if (const ExportMesh* mesh = ref.mesh)
		{
			p.mode = kModeTriangles;
			p.indices = &mesh->indices;
			p.normals = mesh->normals.size() == mesh->positions.size() ? mesh->normals.data() : nullptr;
		}
		else if (const ExportLines* lines = ref.lines)
		{
			p.mode = kModeLines;
			// Strips become segment pairs so any number of them fits one primitive.
			std::vector<std::uint32_t> pairs;
			pairs.reserve(lines->SegmentCount() * 2);
			std::uint32_t first = 0;
			for (const std::uint32_t count : lines->stripCounts)
			{
				for (std::uint32_t k = 0; k + 1 < count; ++k)
				{
					pairs.push_back(first + k);
					pairs.push_back(first + k + 1);
				}
				first += count;
			}
			p.indices = OwnIndices(std::move(pairs));
		}
		else
			p.mode = kModePoints;
		if (IsIdentity(world))
			return p;
		const ExportMatrix& m = inverse;
		std::vector<float> local(item.positions.size());
		for (std::size_t v = 0; v + 2 < local.size(); v += 3)
		{
			const double x = item.positions[v], y = item.positions[v + 1], z = item.positions[v + 2];
			for (std::size_t k = 0; k < 3; ++k)
				local[v + k] = static_cast<float>(m[k] * x + m[4 + k] * y + m[8 + k] * z + m[12 + k]);
		}
		p.positions = Own(std::move(local));
		if (p.normals != nullptr)
		{
			// Normals go back with the transpose of the world's linear part, then are made unit length again.
			std::vector<float> normals(item.positions.size());
			for (std::size_t v = 0; v + 2 < normals.size(); v += 3)
			{
				double n[3];
				for (std::size_t k = 0; k < 3; ++k)
					n[k] = world[k * 4] * p.normals[v] + world[k * 4 + 1] * p.normals[v + 1] +
					       world[k * 4 + 2] * p.normals[v + 2];
				const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
				const bool usable = length > 0.0 && std::isfinite(length);
				for (std::size_t k = 0; k < 3; ++k)
					normals[v + k] = usable ? static_cast<float>(n[k] / length) : (k == 1 ? 1.0f : 0.0f);
			}
			p.normals = Own(std::move(normals));
		}
		return p;
	}

	std::size_t Material(const ExportItem& item)
	{
		MaterialKey key{item.colorSource, {item.color[0], item.color[1], item.color[2], item.color[3]}};
		for (std::size_t i = 0; i < _materials.size(); ++i)
		{
			if (_materials[i] == key)
				return i;
		}
		_materials.push_back(key);
		return _materials.size() - 1;
	}

	std::size_t AddView(const void* data, std::size_t bytes, int target)
	{
		_views.push_back(View{data, bytes, _bufferBytes, target});
		_bufferBytes += (bytes + 3) & ~std::size_t(3); // every view starts 4-byte aligned
		return _views.size() - 1;
	}

	// An accessor over `count` elements of `components` floats, with min and max when asked (POSITION, animation
	// input). Null data gives an accessor without a buffer view, which reads as zeros. `target` is the buffer view's.
	std::size_t Accessor(const float* data, std::size_t count, const char* type, int components, bool bounds,
	                     int target)
	{
		Json& j = _accessors;
		j.Raw(_accessorCount > 0 ? "," : "").Raw("{");
		if (data != nullptr)
		{
			const std::size_t view = AddView(data, count * static_cast<std::size_t>(components) * 4, target);
			j.Raw("\"bufferView\":").Int(view).Raw(",");
		}
		j.Raw("\"componentType\":").Int(kFloat).Raw(",\"count\":").Int(count).Raw(",\"type\":\"").Raw(type).Raw("\"");
		if (bounds)
		{
			float lo[4] = {0, 0, 0, 0}, hi[4] = {0, 0, 0, 0};
			const std::size_t n = static_cast<std::size_t>(components);
			for (std::size_t i = 0; data != nullptr && i < count; ++i)
			{
				for (std::size_t k = 0; k < n; ++k)
				{
					const float v = data[i * n + k];
					lo[k] = i == 0 ? v : std::min(lo[k], v);
					hi[k] = i == 0 ? v : std::max(hi[k], v);
				}
			}
			j.Raw(",\"min\":").Floats(lo, components).Raw(",\"max\":").Floats(hi, components);
		}
		j.Raw("}");
		return _accessorCount++;
	}

	std::size_t IndexAccessor(const std::vector<std::uint32_t>& indices)
	{
		const std::size_t view = AddView(indices.data(), indices.size() * 4, kElementArrayBuffer);
		Json& j = _accessors;
		j.Raw(_accessorCount > 0 ? "," : "").Raw("{\"bufferView\":").Int(view).Raw(",\"componentType\":");
		j.Int(kUnsignedInt).Raw(",\"count\":").Int(indices.size()).Raw(",\"type\":\"SCALAR\"}");
		return _accessorCount++;
	}

	// base + delta = target, or null when every delta is 0 (an accessor without data reads as zeros).
	const float* Delta(const float* base, const float* target, std::size_t floats)
	{
		bool moves = false;
		for (std::size_t i = 0; i < floats && !moves; ++i)
			moves = target[i] != base[i];
		if (!moves)
			return nullptr;
		std::vector<float> delta(floats);
		for (std::size_t i = 0; i < floats; ++i)
			delta[i] = target[i] - base[i];
		return Own(std::move(delta));
	}

	// One mesh of the primitives; with targets (one list per later frame, the same primitives) each primitive gets
	// one morph target per frame holding the frame's differences, unless nothing in the mesh moves at all.
	std::size_t AddMeshOf(const std::string& name, const std::vector<Primitive>& primitives,
	                      const std::vector<std::vector<Primitive>>& targets)
	{
		// Differences first: a mesh where nothing changes is written without targets.
		struct TargetData
		{
			const float* position;
			const float* normal;
			const float* color;
		};
		std::vector<std::vector<TargetData>> deltas(primitives.size());
		bool morphs = false;
		for (std::size_t p = 0; p < primitives.size(); ++p)
		{
			const Primitive& base = primitives[p];
			for (const std::vector<Primitive>& frame : targets)
			{
				const Primitive& t = frame[p];
				TargetData d{Delta(base.positions, t.positions, base.vertices * 3),
				             base.normals != nullptr ? Delta(base.normals, t.normals, base.vertices * 3) : nullptr,
				             base.item->colors.empty()
				                 ? nullptr
				                 : Delta(base.item->colors.data(), t.item->colors.data(), base.vertices * 4)};
				morphs = morphs || d.position != nullptr || d.normal != nullptr || d.color != nullptr;
				deltas[p].push_back(d);
			}
		}
		_lastMeshMorphs = morphs;
		const std::size_t mesh = _meshCount++;
		Json& m = _meshes;
		m.Raw(mesh > 0 ? "," : "").Raw("{");
		if (!name.empty())
			m.Raw("\"name\":").String(name).Raw(",");
		m.Raw("\"primitives\":[");
		for (std::size_t p = 0; p < primitives.size(); ++p)
		{
			const Primitive& prim = primitives[p];
			const ExportItem& item = *prim.item;
			std::string attributes = "\"POSITION\":" + std::to_string(Accessor(prim.positions, prim.vertices, "VEC3", 3,
			                                                                   true, kArrayBuffer));
			if (prim.normals != nullptr)
				attributes += ",\"NORMAL\":" +
				              std::to_string(Accessor(prim.normals, prim.vertices, "VEC3", 3, false, kArrayBuffer));
			if (prim.mesh != nullptr && !prim.mesh->uvs.empty())
				attributes += ",\"TEXCOORD_0\":" + std::to_string(Accessor(prim.mesh->uvs.data(), prim.vertices, "VEC2",
				                                                           2, false, kArrayBuffer));
			if (!item.colors.empty())
				attributes += ",\"COLOR_0\":" + std::to_string(Accessor(item.colors.data(), prim.vertices, "VEC4", 4,
				                                                        false, kArrayBuffer));
			m.Raw(p > 0 ? "," : "").Raw("{\"attributes\":{").Raw(attributes.c_str()).Raw("}");
			if (prim.indices != nullptr)
				m.Raw(",\"indices\":").Int(IndexAccessor(*prim.indices));
			m.Raw(",\"material\":").Int(Material(item)).Raw(",\"mode\":").Int(static_cast<std::uint64_t>(prim.mode));
			if (morphs)
			{
				m.Raw(",\"targets\":[");
				for (std::size_t t = 0; t < deltas[p].size(); ++t)
				{
					const TargetData& d = deltas[p][t];
					m.Raw(t > 0 ? "," : "").Raw("{\"POSITION\":");
					m.Int(Accessor(d.position, prim.vertices, "VEC3", 3, true, kArrayBuffer));
					if (prim.normals != nullptr)
						m.Raw(",\"NORMAL\":").Int(Accessor(d.normal, prim.vertices, "VEC3", 3, false, kArrayBuffer));
					if (!item.colors.empty())
						m.Raw(",\"COLOR_0\":").Int(Accessor(d.color, prim.vertices, "VEC4", 4, false, kArrayBuffer));
					m.Raw("}");
				}
				m.Raw("]");
			}
			m.Raw("}");
		}
		m.Raw("]");
		if (morphs)
		{
			const std::size_t count = targets.size();
			m.Raw(",\"weights\":[");
			for (std::size_t t = 0; t < count; ++t)
				m.Raw(t > 0 ? ",0" : "0");
			m.Raw("],\"extras\":{\"targetNames\":[");
			for (std::size_t t = 0; t < count; ++t)
				m.Raw(t > 0 ? "," : "").String("frame " + std::to_string(t + 1));
			m.Raw("]}");
		}
		m.Raw("}");
		return mesh;
	}

	void AddChannel(std::size_t node, const char* path, std::size_t input, std::size_t output,
	                const char* interpolation)
	{
		const std::size_t sampler = _channelCount++;
		_channels.Raw(sampler > 0 ? "," : "").Raw("{\"sampler\":").Int(sampler).Raw(",\"target\":{\"node\":");
		_channels.Int(node).Raw(",\"path\":\"").Raw(path).Raw("\"}}");
		_samplers.Raw(sampler > 0 ? "," : "").Raw("{\"input\":").Int(input).Raw(",\"interpolation\":\"");
		_samplers.Raw(interpolation).Raw("\",\"output\":").Int(output).Raw("}");
	}

	GltfOptions _options;
	std::vector<View> _views;
	std::size_t _bufferBytes = 0;
	std::vector<MaterialKey> _materials;
	std::deque<std::vector<float>> _owned;                // transformed and animation data the views point into
	std::deque<std::vector<std::uint32_t>> _ownedIndices; // line segment pairs
	Json _accessors;
	std::size_t _accessorCount = 0;
	Json _meshes;
	std::size_t _meshCount = 0;
	bool _lastMeshMorphs = false;
	std::vector<OutNode> _nodes;
	std::vector<std::size_t> _scene; // the scene's top-level nodes
	Json _channels;
	Json _samplers;
	std::size_t _channelCount = 0;
	MorphInput _morph;
};

template <typename Sink> void WriteU32(Sink& sink, std::uint32_t v)
{
	sink.Write(&v, 4);
}

template <typename Sink> void WriteBuffer(Sink& sink, const Document& doc)
{
	static const unsigned char kZeros[4] = {0, 0, 0, 0};
	for (const View& v : doc.Views())
	{
		sink.Write(v.data, v.bytes);
		sink.Write(kZeros, ((v.bytes + 3) & ~std::size_t(3)) - v.bytes);
	}
}

template <typename Sink> bool Emit(Sink& sink, const Document& doc, GltfContainer container, std::string& error)
{
	std::string head, tail;
	doc.Text(container == GltfContainer::Embedded, head, tail);
	if (container == GltfContainer::Embedded)
	{
		sink.Write(head.data(), head.size());
		if (doc.BufferBytes() > 0)
		{
			core::Base64Writer<Sink> base64(sink);
			WriteBuffer(base64, doc);
			base64.Finish();
		}
		sink.Write(tail.data(), tail.size());
		return true;
	}
	// JSON padded with spaces, binary chunk with zeros, both to 4 bytes.
	head.append((4 - head.size() % 4) % 4, ' ');
	const std::uint64_t bin = doc.BufferBytes();
	const std::uint64_t total = 12 + 8 + head.size() + (bin > 0 ? 8 + bin : 0);
	if (total > 0xFFFFFFFFu)
	{
		error = "the scene is too large for a .glb file (" + std::to_string(total) + " bytes; at most 4 GiB)";
		return false;
	}
	WriteU32(sink, kGlbMagic);
	WriteU32(sink, 2);
	WriteU32(sink, static_cast<std::uint32_t>(total));
	WriteU32(sink, static_cast<std::uint32_t>(head.size()));
	WriteU32(sink, kChunkJson);
	sink.Write(head.data(), head.size());
	if (bin > 0)
	{
		WriteU32(sink, static_cast<std::uint32_t>(bin));
		WriteU32(sink, kChunkBin);
		WriteBuffer(sink, doc);
	}
	return true;
}

struct MemorySink
{
	std::vector<std::uint8_t>& out;
	void Write(const void* data, std::size_t size)
	{
		if (size > 0)
			out.insert(out.end(), static_cast<const std::uint8_t*>(data),
			           static_cast<const std::uint8_t*>(data) + size);
	}
};

// Same tree in every frame: the same objects with the same matrices, and items of the same kind, colour and
// connectivity (the positions, normals and vertex colours may differ).
bool SameTopology(const ExportScene& a, const ExportScene& b)
{
	if (a.nodes.size() != b.nodes.size() || a.meshes.size() != b.meshes.size() || a.lines.size() != b.lines.size() ||
	    a.points.size() != b.points.size())
		return false;
	for (std::size_t i = 0; i < a.nodes.size(); ++i)
	{
		if (a.nodes[i].name != b.nodes[i].name || a.nodes[i].parent != b.nodes[i].parent ||
		    a.nodes[i].local != b.nodes[i].local || a.nodes[i].world != b.nodes[i].world)
			return false;
	}
	auto sameItem = [](const ExportItem& x, const ExportItem& y)
	{
		return x.node == y.node && x.name == y.name && x.colorSource == y.colorSource &&
		       std::memcmp(x.color, y.color, sizeof(x.color)) == 0 && x.positions.size() == y.positions.size() &&
		       x.colors.size() == y.colors.size();
	};
	for (std::size_t i = 0; i < a.meshes.size(); ++i)
	{
		const ExportMesh &x = a.meshes[i], &y = b.meshes[i];
		if (!sameItem(x, y) || x.indices != y.indices || x.uvs != y.uvs || x.normals.size() != y.normals.size())
			return false;
	}
	for (std::size_t i = 0; i < a.lines.size(); ++i)
	{
		if (!sameItem(a.lines[i], b.lines[i]) || a.lines[i].stripCounts != b.lines[i].stripCounts)
			return false;
	}
	for (std::size_t i = 0; i < a.points.size(); ++i)
	{
		if (!sameItem(a.points[i], b.points[i]))
			return false;
	}
	return true;
}

template <typename Sink>
bool EmitAnimation(Sink& sink, const std::vector<ExportScene>& frames, double fps, GltfContainer container,
                   const GltfOptions& options, GltfAnimationKind* kind, std::string& error)
{
	if (!(fps > 0.0) || !std::isfinite(fps))
	{
		error = "the frame rate must be a positive number";
		return false;
	}
	const GltfAnimationKind chosen = ChooseGltfAnimation(frames);
	if (kind != nullptr)
		*kind = chosen;
	static const ExportScene kNoScene;
	Document doc(options);
	if (chosen == GltfAnimationKind::None)
		doc.Build(frames.empty() ? kNoScene : frames[0]);
	else
		doc.BuildAnimation(frames, fps, chosen);
	return Emit(sink, doc, container, error);
}
template <typename Sink>
bool EmitScene(Sink& sink, const ExportScene& scene, GltfContainer container, const GltfOptions& options,
               std::string& error)
{
	Document doc(options);
	doc.Build(scene);
	return Emit(sink, doc, container, error);
}

// Runs emit into memory; `out` is left empty on failure.
template <typename EmitTo> bool EncodeTo(std::vector<std::uint8_t>& out, std::string& error, EmitTo emit)
{
	out.clear();
	try
	{
		MemorySink sink{out};
		if (emit(sink))
			return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while encoding glTF";
	}
	out.clear();
	return false;
}

// Runs emit into the file at path, which is renamed into place only when everything was written.
template <typename EmitTo> bool WriteTo(const std::string& path, std::string& error, EmitTo emit)
{
	try
	{
		core::OutputFile file(path);
		if (!file.IsOpen())
			return file.Commit(error);
		if (!emit(file))
		{
			error = path + ": " + error;
			return false;
		}
		return file.Commit(error);
	}
	catch (const std::bad_alloc&)
	{
		error = path + ": out of memory";
		return false;
	}
}
} // namespace

GltfAnimationKind ChooseGltfAnimation(const std::vector<ExportScene>& frames)
{
	if (frames.size() < 2)
		return GltfAnimationKind::None;
	if (frames.size() > kMaxMorphFrames + 1)
		return GltfAnimationKind::SwitchedFrames;
	for (std::size_t k = 1; k < frames.size(); ++k)
	{
		if (!SameTopology(frames[0], frames[k]))
			return GltfAnimationKind::SwitchedFrames;
	}
	return GltfAnimationKind::MorphTargets;
}

bool EncodeAnimatedGltf(const std::vector<ExportScene>& frames, double fps, GltfContainer container,
                        std::vector<std::uint8_t>& out, std::string& error, const GltfOptions& options,
                        GltfAnimationKind* kind)
{
	return EncodeTo(out, error,
	                [&](auto& sink) { return EmitAnimation(sink, frames, fps, container, options, kind, error); });
}

bool WriteAnimatedGltf(const std::string& path, const std::vector<ExportScene>& frames, double fps,
                       GltfContainer container, std::string& error, const GltfOptions& options, GltfAnimationKind* kind)
{
	return WriteTo(path, error,
	               [&](auto& sink) { return EmitAnimation(sink, frames, fps, container, options, kind, error); });
}

bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error,
                const GltfOptions& options)
{
	return EncodeTo(out, error, [&](auto& sink) { return EmitScene(sink, scene, container, options, error); });
}

bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error,
               const GltfOptions& options)
{
	return WriteTo(path, error, [&](auto& sink) { return EmitScene(sink, scene, container, options, error); });
}
} // namespace surfax::io
