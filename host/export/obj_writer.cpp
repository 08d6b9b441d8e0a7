#include "host/export/obj_writer.h"

#include "host/core/output_file.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <new>

namespace surfax::io
{
namespace
{
constexpr std::size_t kFlushBytes = std::size_t(1) << 20;
constexpr std::uint32_t kPointsPerLine = 16;

struct Material
{
	ColorSource source;
	float color[4];
	std::string name;
};

// The material of every item in scene order (meshes, lines, points), and the distinct materials.
struct MaterialTable
{
	std::vector<Material> materials;
	std::vector<std::size_t> itemMaterial;
	bool needed = false;
};

std::string HexColor(const float* c)
{
	char hex[8];
	auto byte = [](float v) { return static_cast<unsigned>(v * 255.0f + 0.5f); };
	std::snprintf(hex, sizeof(hex), "%02X%02X%02X", byte(c[0]), byte(c[1]), byte(c[2]));
	return hex;
}

MaterialTable BuildMaterials(const ExportScene& scene)
{
	MaterialTable table;
	auto add = [&table](const ExportItem& item)
	{
		if (item.colorSource != ColorSource::VertexColors)
			table.needed = true;
		for (std::size_t i = 0; i < table.materials.size(); ++i)
		{
			const Material& m = table.materials[i];
			if (m.source == item.colorSource && std::memcmp(m.color, item.color, sizeof(m.color)) == 0)
			{
				table.itemMaterial.push_back(i);
				return;
			}
		}
		Material m{item.colorSource, {item.color[0], item.color[1], item.color[2], item.color[3]}, {}};
		m.name = m.source == ColorSource::VertexColors ? "vertex_colours"
		         : m.source == ColorSource::Display    ? "display_" + HexColor(m.color)
		                                               : "neutral_grey";
		// Two display colours that round to the same hex code still get names of their own.
		const std::string base = m.name;
		for (int suffix = 2;; ++suffix)
		{
			bool taken = false;
			for (const Material& other : table.materials)
				taken = taken || other.name == m.name;
			if (!taken)
				break;
			m.name = base + "_" + std::to_string(suffix);
		}
		table.materials.push_back(m);
		table.itemMaterial.push_back(table.materials.size() - 1);
	};
	for (const ExportMesh& m : scene.meshes)
		add(m);
	for (const ExportLines& l : scene.lines)
		add(l);
	for (const ExportPoints& p : scene.points)
		add(p);
	return table;
}

// Buffers text and hands it to the sink in large pieces.
template <typename Sink> class TextOut
{
public:
	explicit TextOut(Sink& sink) : _sink(sink) { _text.reserve(kFlushBytes + 256); }
	~TextOut() { Flush(); }

	TextOut& operator<<(const char* s)
	{
		_text += s;
		return *this;
	}
	TextOut& operator<<(const std::string& s)
	{
		_text += s;
		return *this;
	}
	TextOut& operator<<(char c)
	{
		_text += c;
		return *this;
	}
	TextOut& Float(float v)
	{
		char buffer[32];
		const auto result = std::to_chars(buffer, buffer + sizeof(buffer), v);
		_text.append(buffer, result.ptr);
		return *this;
	}
	TextOut& Index(std::uint64_t v)
	{
		char buffer[24];
		const auto result = std::to_chars(buffer, buffer + sizeof(buffer), v);
		_text.append(buffer, result.ptr);
		return *this;
	}
	void EndLine()
	{
		_text += '\n';
		if (_text.size() >= kFlushBytes)
			Flush();
	}
	void Flush()
	{
		_sink.Write(_text.data(), _text.size());
		_text.clear();
	}

private:
	Sink& _sink;
	std::string _text;
};

// A name usable after `o`: whitespace and control characters become '_'; an empty name becomes fallback.
std::string ObjectName(const std::string& name, const std::string& fallback)
{
	if (name.empty())
		return fallback;
	std::string out = name;
	for (char& c : out)
	{
		const unsigned char u = static_cast<unsigned char>(c);
		if (u <= 0x20 || u == 0x7F)
			c = '_';
	}
	return out;
}

// Global 1-based indices of what has been written so far.
struct Counters
{
	std::uint64_t v = 0;
	std::uint64_t vt = 0;
	std::uint64_t vn = 0;
};

template <typename Sink> void WriteVertices(TextOut<Sink>& out, const ExportItem& item)
{
	const std::size_t count = item.VertexCount();
	const bool colored = !item.colors.empty();
	for (std::size_t i = 0; i < count; ++i)
	{
		const float* p = &item.positions[i * 3];
		out << "v ";
		out.Float(p[0]) << ' ';
		out.Float(p[1]) << ' ';
		out.Float(p[2]);
		if (colored)
		{
			const float* c = &item.colors[i * 4];
			out << ' ';
			out.Float(c[0]) << ' ';
			out.Float(c[1]) << ' ';
			out.Float(c[2]);
		}
		out.EndLine();
	}
}

template <typename Sink>
void Header(TextOut<Sink>& out, const ExportItem& item, const std::string& fallback, const MaterialTable& table,
            std::size_t itemIndex)
{
	out << "o " << ObjectName(item.name, fallback);
	out.EndLine();
	if (table.needed)
	{
		out << "usemtl " << table.materials[table.itemMaterial[itemIndex]].name;
		out.EndLine();
	}
}

template <typename Sink> void WriteMesh(TextOut<Sink>& out, const ExportMesh& m, Counters& n)
{
	WriteVertices(out, m);
	const std::size_t count = m.VertexCount();
	const bool uv = !m.uvs.empty();
	if (uv)
	{
		for (std::size_t i = 0; i < count; ++i)
		{
			out << "vt ";
			out.Float(m.uvs[i * 2]) << ' ';
			out.Float(1.0f - m.uvs[i * 2 + 1]);
			out.EndLine();
		}
	}
	for (std::size_t i = 0; i < count; ++i)
	{
		out << "vn ";
		out.Float(m.normals[i * 3]) << ' ';
		out.Float(m.normals[i * 3 + 1]) << ' ';
		out.Float(m.normals[i * 3 + 2]);
		out.EndLine();
	}
	for (std::size_t t = 0; t < m.indices.size(); t += 3)
	{
		out << 'f';
		for (std::size_t k = 0; k < 3; ++k)
		{
			const std::uint64_t i = m.indices[t + k];
			out << ' ';
			out.Index(n.v + i + 1) << '/';
			if (uv)
				out.Index(n.vt + i + 1);
			out << '/';
			out.Index(n.vn + i + 1);
		}
		out.EndLine();
	}
	n.v += count;
	n.vn += count;
	if (uv)
		n.vt += count;
}

template <typename Sink> void WriteLines(TextOut<Sink>& out, const ExportLines& l, Counters& n)
{
	WriteVertices(out, l);
	std::uint64_t first = n.v;
	for (const std::uint32_t count : l.stripCounts)
	{
		for (std::uint32_t k = 0; k + 1 < count; ++k)
		{
			out << "l ";
			out.Index(first + k + 1) << ' ';
			out.Index(first + k + 2);
			out.EndLine();
		}
		first += count;
	}
	n.v += l.VertexCount();
}

template <typename Sink> void WritePoints(TextOut<Sink>& out, const ExportPoints& p, Counters& n)
{
	WriteVertices(out, p);
	const std::size_t count = p.VertexCount();
	for (std::size_t i = 0; i < count; i += kPointsPerLine)
	{
		out << 'p';
		for (std::size_t k = i; k < count && k < i + kPointsPerLine; ++k)
		{
			out << ' ';
			out.Index(n.v + k + 1);
		}
		out.EndLine();
	}
	n.v += count;
}

template <typename Sink>
void EmitObj(Sink& sink, const ExportScene& scene, const MaterialTable& table, const std::string& mtlFileName)
{
	TextOut<Sink> out(sink);
	out << "# surfax-host";
	out.EndLine();
	if (table.needed)
	{
		out << "mtllib " << mtlFileName;
		out.EndLine();
	}
	Counters n;
	std::size_t item = 0;
	for (const ExportMesh& m : scene.meshes)
	{
		Header(out, m, "mesh_" + std::to_string(item), table, item);
		WriteMesh(out, m, n);
		++item;
	}
	for (const ExportLines& l : scene.lines)
	{
		Header(out, l, "lines_" + std::to_string(item), table, item);
		WriteLines(out, l, n);
		++item;
	}
	for (const ExportPoints& p : scene.points)
	{
		Header(out, p, "points_" + std::to_string(item), table, item);
		WritePoints(out, p, n);
		++item;
	}
}

template <typename Sink> void EmitMtl(Sink& sink, const MaterialTable& table)
{
	TextOut<Sink> out(sink);
	out << "# surfax-host";
	out.EndLine();
	for (const Material& m : table.materials)
	{
		out << "newmtl " << m.name;
		out.EndLine();
		out << "Kd ";
		out.Float(m.color[0]) << ' ';
		out.Float(m.color[1]) << ' ';
		out.Float(m.color[2]);
		out.EndLine();
		out << "Ka 0 0 0";
		out.EndLine();
		out << "d ";
		out.Float(m.color[3]);
		out.EndLine();
		out << "illum 1";
		out.EndLine();
	}
}

struct StringSink
{
	std::string& text;
	void Write(const void* data, std::size_t size) { text.append(static_cast<const char*>(data), size); }
};
} // namespace

std::string MaterialLibraryPath(const std::string& objPath)
{
	std::filesystem::path p(objPath);
	p.replace_extension(".mtl");
	return p.string();
}

bool EncodeObj(const ExportScene& scene, const std::string& mtlFileName, std::string& obj, std::string& mtl,
               std::string& error)
{
	obj.clear();
	mtl.clear();
	try
	{
		const MaterialTable table = BuildMaterials(scene);
		StringSink objSink{obj};
		EmitObj(objSink, scene, table, mtlFileName);
		if (table.needed)
		{
			StringSink mtlSink{mtl};
			EmitMtl(mtlSink, table);
		}
		return true;
	}
	catch (const std::bad_alloc&)
	{
		obj.clear();
		mtl.clear();
		error = "out of memory while encoding OBJ";
		return false;
	}
}

bool WriteObj(const std::string& path, const ExportScene& scene, std::string& error)
{
	try
	{
		const MaterialTable table = BuildMaterials(scene);
		const std::string mtlPath = MaterialLibraryPath(path);
		// Both files or neither: the batch renames them together once both were written.
		core::OutputBatch both;
		core::OutputFile obj(path);
		if (!obj.IsOpen())
			return obj.Commit(error);
		EmitObj(obj, scene, table, std::filesystem::path(mtlPath).filename().string());
		if (!table.needed)
			return obj.Commit(error) && both.Publish(error);
		core::OutputFile mtl(mtlPath);
		EmitMtl(mtl, table);
		return mtl.Commit(error) && obj.Commit(error) && both.Publish(error);
	}
	catch (const std::bad_alloc&)
	{
		error = path + ": out of memory";
		return false;
	}
}
} // namespace surfax::io
