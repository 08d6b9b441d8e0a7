#include "host/export/gltf_writer.h"

#include "host/core/number_format.h"
#include "host/core/utf8.h"
#include "host/core/output_file.h"

#include <bit>
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

// Everything but the buffer's bytes: the JSON and the list of views that make up the buffer.
class Document
{
public:
	explicit Document(const ExportScene& scene) : _scene(scene) {}

	void Build()
	{
		// Line indices are made here; reserve so the views' pointers into them stay put.
		_lineIndices.reserve(_scene.lines.size());
		for (const ExportMesh& m : _scene.meshes)
			AddMesh(m);
		for (const ExportLines& l : _scene.lines)
			AddLines(l);
		for (const ExportPoints& p : _scene.points)
			AddPoints(p);
	}

	std::size_t BufferBytes() const { return _bufferBytes; }
	const std::vector<View>& Views() const { return _views; }

	// The JSON up to the buffer's uri (embedded) or complete (binary), and what follows the uri.
	void Text(bool embedded, std::string& head, std::string& tail) const
	{
		Json j;
		j.Raw("{\"asset\":{\"generator\":\"surfax-host\",\"version\":\"2.0\"},\"scene\":0,\"scenes\":[{");
		if (!_nodes.text.empty())
			j.Raw("\"nodes\":[").Raw(_nodes.text.c_str()).Raw("]");
		j.Raw("}]");
		if (!_nodes.text.empty())
		{
			j.Raw(",\"nodes\":[").Raw(_nodeList.text.c_str()).Raw("]");
			j.Raw(",\"meshes\":[").Raw(_meshes.text.c_str()).Raw("]");
			j.Raw(",\"materials\":[");
			for (std::size_t i = 0; i < _materials.size(); ++i)
				MaterialJson(j.Raw(i > 0 ? "," : ""), _materials[i]);
			j.Raw("]");
			j.Raw(",\"accessors\":[").Raw(_accessors.text.c_str()).Raw("]");
			j.Raw(",\"bufferViews\":[");
			for (std::size_t i = 0; i < _views.size(); ++i)
			{
				j.Raw(i > 0 ? "," : "").Raw("{\"buffer\":0,\"byteOffset\":").Int(_views[i].offset);
				j.Raw(",\"byteLength\":")
				    .Int(_views[i].bytes)
				    .Raw(",\"target\":")
				    .Int(static_cast<std::uint64_t>(_views[i].target))
				    .Raw("}");
			}
			j.Raw("]");
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

	std::size_t Accessor(const void* data, std::size_t count, int componentType, const char* type, int components,
	                     const float* bounds = nullptr)
	{
		const std::size_t view = AddView(data, count * static_cast<std::size_t>(components) * 4,
		                                 componentType == kUnsignedInt ? kElementArrayBuffer : kArrayBuffer);
		Json& j = _accessors;
		j.Raw(_accessorCount > 0 ? "," : "").Raw("{\"bufferView\":").Int(view).Raw(",\"componentType\":");
		j.Int(static_cast<std::uint64_t>(componentType)).Raw(",\"count\":").Int(count).Raw(",\"type\":\"");
		j.Raw(type).Raw("\"");
		if (bounds != nullptr)
			j.Raw(",\"min\":").Floats(bounds, 3).Raw(",\"max\":").Floats(bounds + 3, 3);
		j.Raw("}");
		return _accessorCount++;
	}

	std::size_t Positions(const ExportItem& item)
	{
		float bounds[6];
		const std::vector<float>& p = item.positions;
		for (int k = 0; k < 3; ++k)
			bounds[k] = bounds[k + 3] = p[static_cast<std::size_t>(k)];
		for (std::size_t i = 0; i < p.size(); i += 3)
		{
			for (std::size_t k = 0; k < 3; ++k)
			{
				bounds[k] = std::min(bounds[k], p[i + k]);
				bounds[k + 3] = std::max(bounds[k + 3], p[i + k]);
			}
		}
		return Accessor(p.data(), item.VertexCount(), kFloat, "VEC3", 3, bounds);
	}

	// The mesh and node of one item; `attributes` is the JSON of the attribute object's members.
	void AddPrimitive(const ExportItem& item, const std::string& attributes, std::ptrdiff_t indices, int mode)
	{
		const std::size_t material = Material(item);
		const std::size_t mesh = _meshCount++;
		Json& m = _meshes;
		m.Raw(mesh > 0 ? "," : "").Raw("{");
		if (!item.name.empty())
			m.Raw("\"name\":").String(item.name).Raw(",");
		m.Raw("\"primitives\":[{\"attributes\":{").Raw(attributes.c_str()).Raw("}");
		if (indices >= 0)
			m.Raw(",\"indices\":").Int(static_cast<std::uint64_t>(indices));
		m.Raw(",\"material\":").Int(material).Raw(",\"mode\":").Int(static_cast<std::uint64_t>(mode)).Raw("}]}");

		_nodeList.Raw(mesh > 0 ? "," : "").Raw("{");
		if (!item.name.empty())
			_nodeList.Raw("\"name\":").String(item.name).Raw(",");
		_nodeList.Raw("\"mesh\":").Int(mesh).Raw("}");
		_nodes.Raw(mesh > 0 ? "," : "").Int(mesh);
	}

	std::string ColorAttribute(const ExportItem& item)
	{
		if (item.colors.empty())
			return "";
		return ",\"COLOR_0\":" + std::to_string(Accessor(item.colors.data(), item.VertexCount(), kFloat, "VEC4", 4));
	}

	void AddMesh(const ExportMesh& m)
	{
		if (m.indices.empty())
			return;
		std::string attributes = "\"POSITION\":" + std::to_string(Positions(m));
		attributes += ",\"NORMAL\":" + std::to_string(Accessor(m.normals.data(), m.VertexCount(), kFloat, "VEC3", 3));
		if (!m.uvs.empty())
			attributes +=
			    ",\"TEXCOORD_0\":" + std::to_string(Accessor(m.uvs.data(), m.VertexCount(), kFloat, "VEC2", 2));
		attributes += ColorAttribute(m);
		const std::size_t indices = Accessor(m.indices.data(), m.indices.size(), kUnsignedInt, "SCALAR", 1);
		AddPrimitive(m, attributes, static_cast<std::ptrdiff_t>(indices), kModeTriangles);
	}

	void AddLines(const ExportLines& l)
	{
		if (l.stripCounts.empty())
			return;
		// Strips become segment pairs so any number of them fits one primitive.
		_lineIndices.emplace_back();
		std::vector<std::uint32_t>& pairs = _lineIndices.back();
		pairs.reserve(l.SegmentCount() * 2);
		std::uint32_t first = 0;
		for (const std::uint32_t count : l.stripCounts)
		{
			for (std::uint32_t k = 0; k + 1 < count; ++k)
			{
				pairs.push_back(first + k);
				pairs.push_back(first + k + 1);
			}
			first += count;
		}
		std::string attributes = "\"POSITION\":" + std::to_string(Positions(l)) + ColorAttribute(l);
		const std::size_t indices = Accessor(pairs.data(), pairs.size(), kUnsignedInt, "SCALAR", 1);
		AddPrimitive(l, attributes, static_cast<std::ptrdiff_t>(indices), kModeLines);
	}

	void AddPoints(const ExportPoints& p)
	{
		if (p.positions.empty())
			return;
		std::string attributes = "\"POSITION\":" + std::to_string(Positions(p)) + ColorAttribute(p);
		AddPrimitive(p, attributes, -1, kModePoints);
	}

	const ExportScene& _scene;
	std::vector<View> _views;
	std::size_t _bufferBytes = 0;
	std::vector<MaterialKey> _materials;
	std::vector<std::vector<std::uint32_t>> _lineIndices;
	Json _accessors;
	std::size_t _accessorCount = 0;
	Json _meshes;
	std::size_t _meshCount = 0;
	Json _nodeList; // the nodes array
	Json _nodes;    // the scene's node indices
};

// Encodes bytes as base64 into a sink, across any number of Write calls.
template <typename Sink> class Base64Writer
{
public:
	explicit Base64Writer(Sink& sink) : _sink(sink) {}

	void Write(const void* data, std::size_t size)
	{
		const unsigned char* p = static_cast<const unsigned char*>(data);
		while (size > 0)
		{
			_pending[_pendingCount++] = *p++;
			--size;
			if (_pendingCount == 3)
				EmitGroup(3);
		}
	}

	void Finish()
	{
		if (_pendingCount > 0)
			EmitGroup(_pendingCount);
		Flush();
	}

private:
	void EmitGroup(int count)
	{
		static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
		for (int k = count; k < 3; ++k)
			_pending[k] = 0;
		const std::uint32_t v = (std::uint32_t(_pending[0]) << 16) | (std::uint32_t(_pending[1]) << 8) | _pending[2];
		_out[_outCount++] = kAlphabet[(v >> 18) & 63];
		_out[_outCount++] = kAlphabet[(v >> 12) & 63];
		_out[_outCount++] = count > 1 ? kAlphabet[(v >> 6) & 63] : '=';
		_out[_outCount++] = count > 2 ? kAlphabet[v & 63] : '=';
		_pendingCount = 0;
		if (_outCount + 4 > sizeof(_out))
			Flush();
	}

	void Flush()
	{
		_sink.Write(_out, _outCount);
		_outCount = 0;
	}

	Sink& _sink;
	unsigned char _pending[3] = {0, 0, 0};
	int _pendingCount = 0;
	char _out[4096];
	std::size_t _outCount = 0;
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

template <typename Sink> bool Emit(Sink& sink, const ExportScene& scene, GltfContainer container, std::string& error)
{
	Document doc(scene);
	doc.Build();
	std::string head, tail;
	doc.Text(container == GltfContainer::Embedded, head, tail);
	if (container == GltfContainer::Embedded)
	{
		sink.Write(head.data(), head.size());
		if (doc.BufferBytes() > 0)
		{
			Base64Writer<Sink> base64(sink);
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
} // namespace

bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error)
{
	out.clear();
	try
	{
		MemorySink sink{out};
		if (Emit(sink, scene, container, error))
			return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while encoding glTF";
	}
	out.clear();
	return false;
}

bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error)
{
	try
	{
		core::OutputFile file(path);
		if (!file.IsOpen())
			return file.Commit(error);
		if (!Emit(file, scene, container, error))
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
} // namespace surfax::io
