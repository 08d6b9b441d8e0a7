#include "host/export/gltf_writer.h"

#include "host/core/base64.h"
#include "host/core/output_file.h"
#include "host/json/json_writer.h"

#include <bit>
#include <span>
#include <new>

namespace surfax::io
{
namespace
{
// The buffer is the arrays' memory as it is; glTF is little-endian.
static_assert(std::endian::native == std::endian::little, "the glTF writer copies arrays as little-endian bytes");

constexpr std::uint32_t kGlbMagic = 0x46546C67;  // "glTF"
constexpr std::uint32_t kChunkJson = 0x4E4F534A; // "JSON"
constexpr std::uint32_t kChunkBin = 0x004E4942;  // "BIN\0"
constexpr const char* kDataUri = "data:application/octet-stream;base64,";

const char* TypeName(GltfType type)
{
	switch (type)
	{
	case GltfType::Scalar:
		return "SCALAR";
	case GltfType::Vec2:
		return "VEC2";
	case GltfType::Vec3:
		return "VEC3";
	case GltfType::Vec4:
		return "VEC4";
	}
	return "SCALAR";
}

void IndexMember(JsonWriter& w, std::string_view key, std::size_t index)
{
	w.IntMember(key, static_cast<std::int64_t>(index));
}

void OptionalIndexMember(JsonWriter& w, std::string_view key, const std::optional<std::size_t>& index)
{
	if (index)
		IndexMember(w, key, *index);
}

// key: [each element written by write], left out when there are no elements.
template <typename T, typename Write>
void ArrayMember(JsonWriter& w, std::string_view key, const std::vector<T>& elements, Write write)
{
	if (elements.empty())
		return;
	w.Key(key);
	w.BeginArray();
	for (const T& element : elements)
		write(w, element);
	w.EndArray();
}

// Floats as the doubles they exactly are (0.1f as 0.10000000149011612), as glTF files are written here.
void FloatValues(JsonWriter& w, std::span<const float> values)
{
	w.BeginArray();
	for (const float v : values)
		w.Float(static_cast<double>(v));
	w.EndArray();
}

void WriteAsset(JsonWriter& w)
{
	w.Key("asset");
	w.BeginObject();
	w.StringMember("generator", "surfax-host");
	w.StringMember("version", "2.0");
	w.EndObject();
}

void WriteScenes(JsonWriter& w, const GltfModel& model)
{
	w.IntMember("scene", 0);
	w.Key("scenes");
	w.BeginArray();
	w.BeginObject();
	if (!model.sceneNodes.empty())
	{
		w.Key("nodes");
		w.IntArray(model.sceneNodes);
	}
	w.EndObject();
	w.EndArray();
}

void WriteNode(JsonWriter& w, const GltfNode& node)
{
	w.BeginObject();
	if (!node.name.empty())
		w.StringMember("name", node.name);
	if (!node.children.empty())
	{
		w.Key("children");
		w.IntArray(node.children);
	}
	if (node.matrix)
	{
		w.Key("matrix");
		w.FloatArray(*node.matrix);
	}
	if (node.scale)
	{
		w.Key("scale");
		w.FloatArray(*node.scale);
	}
	OptionalIndexMember(w, "mesh", node.mesh);
	w.EndObject();
}

void WriteMorphTarget(JsonWriter& w, const GltfMorphTarget& target)
{
	w.BeginObject();
	IndexMember(w, "POSITION", target.position);
	OptionalIndexMember(w, "NORMAL", target.normal);
	OptionalIndexMember(w, "COLOR_0", target.color);
	w.EndObject();
}

void WritePrimitive(JsonWriter& w, const GltfPrimitive& primitive)
{
	w.BeginObject();
	w.Key("attributes");
	w.BeginObject();
	IndexMember(w, "POSITION", primitive.position);
	OptionalIndexMember(w, "NORMAL", primitive.normal);
	OptionalIndexMember(w, "TEXCOORD_0", primitive.texcoord);
	OptionalIndexMember(w, "COLOR_0", primitive.color);
	w.EndObject();
	OptionalIndexMember(w, "indices", primitive.indices);
	IndexMember(w, "material", primitive.material);
	w.IntMember("mode", static_cast<std::int64_t>(primitive.mode));
	ArrayMember(w, "targets", primitive.targets, WriteMorphTarget);
	w.EndObject();
}

void WriteMesh(JsonWriter& w, const GltfMesh& mesh)
{
	w.BeginObject();
	if (!mesh.name.empty())
		w.StringMember("name", mesh.name);
	ArrayMember(w, "primitives", mesh.primitives, WritePrimitive);
	if (!mesh.weights.empty())
	{
		w.Key("weights");
		FloatValues(w, mesh.weights);
	}
	if (!mesh.targetNames.empty())
	{
		w.Key("extras");
		w.BeginObject();
		ArrayMember(w, "targetNames", mesh.targetNames, [](JsonWriter& a, const std::string& n) { a.String(n); });
		w.EndObject();
	}
	w.EndObject();
}

void WriteMaterial(JsonWriter& w, const GltfMaterial& material)
{
	w.BeginObject();
	w.StringMember("name", material.name);
	w.Key("pbrMetallicRoughness");
	w.BeginObject();
	w.Key("baseColorFactor");
	FloatValues(w, material.baseColor);
	w.FloatMember("metallicFactor", static_cast<double>(material.metallic));
	w.FloatMember("roughnessFactor", static_cast<double>(material.roughness));
	w.EndObject();
	w.BoolMember("doubleSided", material.doubleSided);
	w.EndObject();
}

void WriteChannel(JsonWriter& w, const GltfChannel& channel)
{
	w.BeginObject();
	IndexMember(w, "sampler", channel.sampler);
	w.Key("target");
	w.BeginObject();
	IndexMember(w, "node", channel.node);
	w.StringMember("path", channel.path == GltfPath::Scale ? "scale" : "weights");
	w.EndObject();
	w.EndObject();
}

void WriteSampler(JsonWriter& w, const GltfSampler& sampler)
{
	w.BeginObject();
	IndexMember(w, "input", sampler.input);
	w.StringMember("interpolation", sampler.interpolation == GltfInterpolation::Step ? "STEP" : "LINEAR");
	IndexMember(w, "output", sampler.output);
	w.EndObject();
}

void WriteAnimation(JsonWriter& w, const GltfAnimation& animation)
{
	w.BeginObject();
	w.StringMember("name", animation.name);
	ArrayMember(w, "channels", animation.channels, WriteChannel);
	ArrayMember(w, "samplers", animation.samplers, WriteSampler);
	w.EndObject();
}

void WriteAccessor(JsonWriter& w, const GltfAccessor& accessor)
{
	w.BeginObject();
	OptionalIndexMember(w, "bufferView", accessor.bufferView);
	w.IntMember("componentType", accessor.componentType);
	IndexMember(w, "count", accessor.count);
	w.StringMember("type", TypeName(accessor.type));
	if (accessor.bounds)
	{
		const std::size_t components = static_cast<std::size_t>(accessor.type);
		w.Key("min");
		FloatValues(w, std::span<const float>(accessor.min, components));
		w.Key("max");
		FloatValues(w, std::span<const float>(accessor.max, components));
	}
	w.EndObject();
}

void WriteBufferView(JsonWriter& w, const GltfBufferView& view)
{
	w.BeginObject();
	w.IntMember("buffer", 0);
	IndexMember(w, "byteOffset", view.byteOffset);
	IndexMember(w, "byteLength", view.byteLength);
	if (view.target != 0)
		w.IntMember("target", view.target);
	w.EndObject();
}

// The one buffer, with its data: URI when embedded. `uriEnd` receives the place in `json` where the URI's text ends,
// for the base64 bytes to go.
void WriteBuffer(JsonWriter& w, const std::string& json, const GltfModel& model, bool embedded, std::size_t& uriEnd)
{
	if (model.bufferBytes == 0)
		return;
	w.Key("buffers");
	w.BeginArray();
	w.BeginObject();
	IndexMember(w, "byteLength", model.bufferBytes);
	if (embedded)
	{
		w.StringMember("uri", kDataUri);
		uriEnd = json.size() - 1; // before the closing quote
	}
	w.EndObject();
	w.EndArray();
}

// The document's JSON, split where the buffer's base64 goes (`tail` empty without one).
void ModelJson(const GltfModel& model, bool embedded, std::string& head, std::string& tail)
{
	std::string json;
	JsonWriter w(json, JsonStyle::Compact);
	std::size_t uriEnd = std::string::npos;
	w.BeginObject();
	WriteAsset(w);
	WriteScenes(w, model);
	ArrayMember(w, "nodes", model.nodes, WriteNode);
	ArrayMember(w, "meshes", model.meshes, WriteMesh);
	ArrayMember(w, "materials", model.materials, WriteMaterial);
	ArrayMember(w, "animations", model.animations, WriteAnimation);
	ArrayMember(w, "accessors", model.accessors, WriteAccessor);
	ArrayMember(w, "bufferViews", model.bufferViews, WriteBufferView);
	WriteBuffer(w, json, model, embedded, uriEnd);
	w.EndObject();
	if (uriEnd == std::string::npos)
	{
		head = std::move(json);
		tail.clear();
		return;
	}
	tail.assign(json, uriEnd, std::string::npos);
	json.resize(uriEnd);
	head = std::move(json);
}

template <typename Sink> void WriteU32(Sink& sink, std::uint32_t v)
{
	sink.Write(&v, 4);
}

template <typename Sink> void WriteBufferBytes(Sink& sink, const GltfModel& model)
{
	static const unsigned char kZeros[4] = {0, 0, 0, 0};
	for (const GltfBufferView& v : model.bufferViews)
	{
		sink.Write(v.data, v.byteLength);
		sink.Write(kZeros, ((v.byteLength + 3) & ~std::size_t(3)) - v.byteLength);
	}
}

template <typename Sink>
void EmitEmbedded(Sink& sink, const GltfModel& model, const std::string& head, const std::string& tail)
{
	sink.Write(head.data(), head.size());
	if (model.bufferBytes > 0)
	{
		core::Base64Writer<Sink> base64(sink);
		WriteBufferBytes(base64, model);
		base64.Finish();
	}
	sink.Write(tail.data(), tail.size());
}

template <typename Sink> bool EmitBinary(Sink& sink, const GltfModel& model, std::string& json, std::string& error)
{
	// JSON padded with spaces, binary chunk with zeros, both to 4 bytes.
	json.append((4 - json.size() % 4) % 4, ' ');
	const std::uint64_t bin = model.bufferBytes;
	const std::uint64_t total = 12 + 8 + json.size() + (bin > 0 ? 8 + bin : 0);
	if (total > 0xFFFFFFFFu)
	{
		error = "the scene is too large for a .glb file (" + std::to_string(total) + " bytes; at most 4 GiB)";
		return false;
	}
	WriteU32(sink, kGlbMagic);
	WriteU32(sink, 2);
	WriteU32(sink, static_cast<std::uint32_t>(total));
	WriteU32(sink, static_cast<std::uint32_t>(json.size()));
	WriteU32(sink, kChunkJson);
	sink.Write(json.data(), json.size());
	if (bin > 0)
	{
		WriteU32(sink, static_cast<std::uint32_t>(bin));
		WriteU32(sink, kChunkBin);
		WriteBufferBytes(sink, model);
	}
	return true;
}

template <typename Sink> bool Emit(Sink& sink, const GltfModel& model, GltfContainer container, std::string& error)
{
	std::string head, tail;
	ModelJson(model, container == GltfContainer::Embedded, head, tail);
	if (container == GltfContainer::Binary)
		return EmitBinary(sink, model, head, error);
	EmitEmbedded(sink, model, head, tail);
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
} // namespace

bool EncodeGltfModel(const GltfModel& model, GltfContainer container, std::vector<std::uint8_t>& out,
                     std::string& error)
{
	out.clear();
	try
	{
		MemorySink sink{out};
		if (Emit(sink, model, container, error))
			return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while encoding glTF";
	}
	out.clear();
	return false;
}

bool WriteGltfModel(const std::string& path, const GltfModel& model, GltfContainer container, std::string& error)
{
	try
	{
		core::OutputFile file(path);
		if (!file.IsOpen())
			return file.Commit(error);
		if (!Emit(file, model, container, error))
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

bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error,
                const GltfOptions& options)
{
	GltfModel model;
	if (BuildGltfModel(scene, model, error, options))
		return EncodeGltfModel(model, container, out, error);
	out.clear();
	return false;
}

bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error,
               const GltfOptions& options)
{
	GltfModel model;
	if (BuildGltfModel(scene, model, error, options))
		return WriteGltfModel(path, model, container, error);
	error = path + ": " + error;
	return false;
}

bool EncodeAnimatedGltf(const std::vector<ExportScene>& frames, double fps, GltfContainer container,
                        std::vector<std::uint8_t>& out, std::string& error, const GltfOptions& options,
                        GltfAnimationKind* kind)
{
	GltfModel model;
	if (BuildAnimatedGltfModel(frames, fps, model, error, options, kind))
		return EncodeGltfModel(model, container, out, error);
	out.clear();
	return false;
}

bool WriteAnimatedGltf(const std::string& path, const std::vector<ExportScene>& frames, double fps,
                       GltfContainer container, std::string& error, const GltfOptions& options, GltfAnimationKind* kind)
{
	GltfModel model;
	if (BuildAnimatedGltfModel(frames, fps, model, error, options, kind))
		return WriteGltfModel(path, model, container, error);
	error = path + ": " + error;
	return false;
}
} // namespace surfax::io
