#include "support/gltf_reader.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace surfax::test
{
namespace
{
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
	return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
	       (std::uint32_t(b[at + 3]) << 24);
}

int Base64Value(char c)
{
	if (c >= 'A' && c <= 'Z')
		return c - 'A';
	if (c >= 'a' && c <= 'z')
		return c - 'a' + 26;
	if (c >= '0' && c <= '9')
		return c - '0' + 52;
	if (c == '+')
		return 62;
	if (c == '/')
		return 63;
	return -1;
}

bool DecodeBase64(const std::string& text, std::vector<std::uint8_t>& out)
{
	if (text.size() % 4 != 0)
		return false;
	for (std::size_t i = 0; i < text.size(); i += 4)
	{
		int v[4];
		int pad = 0;
		for (int k = 0; k < 4; ++k)
		{
			const char c = text[i + static_cast<std::size_t>(k)];
			if (c == '=' && i + 4 == text.size() && k >= 2)
			{
				v[k] = 0;
				++pad;
				continue;
			}
			if (pad > 0 || (v[k] = Base64Value(c)) < 0)
				return false;
		}
		const std::uint32_t bits = (std::uint32_t(v[0]) << 18) | (std::uint32_t(v[1]) << 12) |
		                           (std::uint32_t(v[2]) << 6) | std::uint32_t(v[3]);
		out.push_back(static_cast<std::uint8_t>(bits >> 16));
		if (pad < 2)
			out.push_back(static_cast<std::uint8_t>(bits >> 8));
		if (pad < 1)
			out.push_back(static_cast<std::uint8_t>(bits));
	}
	return true;
}

// The bytes of an accessor's elements, after checking its view. Null on failure (the test is failed).
const std::uint8_t* AccessorBytes(const GltfFile& file, std::size_t accessor, int componentType,
                                  std::size_t& valueCount)
{
	const nlohmann::json& a = file.json.at("accessors").at(accessor);
	EXPECT_EQ(a.at("componentType").get<int>(), componentType) << "accessor " << accessor;
	const std::string type = a.at("type").get<std::string>();
	const std::size_t components = type == "SCALAR" ? 1 : type == "VEC2" ? 2 : type == "VEC3" ? 3 : 4;
	valueCount = a.at("count").get<std::size_t>() * components;
	const nlohmann::json& v = file.json.at("bufferViews").at(a.at("bufferView").get<std::size_t>());
	const std::size_t offset = v.value("byteOffset", std::size_t(0)) + a.value("byteOffset", std::size_t(0));
	const std::size_t length = v.at("byteLength").get<std::size_t>();
	EXPECT_EQ(offset % 4, 0u) << "accessor " << accessor << " is not 4-byte aligned";
	EXPECT_GE(length, valueCount * 4) << "accessor " << accessor << " is longer than its view";
	if (offset + valueCount * 4 > file.buffer.size() || offset % 4 != 0 || length < valueCount * 4)
	{
		ADD_FAILURE() << "accessor " << accessor << " lies outside the buffer";
		return nullptr;
	}
	return file.buffer.data() + offset;
}
} // namespace

bool ReadGlb(const std::vector<std::uint8_t>& bytes, GltfFile& out, std::string& error)
{
	if (bytes.size() < 20 || U32(bytes, 0) != 0x46546C67 || U32(bytes, 4) != 2)
		return error = "not a version 2 .glb", false;
	if (U32(bytes, 8) != bytes.size() || bytes.size() % 4 != 0)
		return error = "length field does not match the size", false;
	const std::size_t jsonLength = U32(bytes, 12);
	if (U32(bytes, 16) != 0x4E4F534A || jsonLength % 4 != 0 || 20 + jsonLength > bytes.size())
		return error = "bad JSON chunk", false;
	out.json = nlohmann::json::parse(bytes.begin() + 20, bytes.begin() + 20 + static_cast<std::ptrdiff_t>(jsonLength),
	                                 nullptr, false);
	if (out.json.is_discarded())
		return error = "JSON chunk does not parse", false;
	out.buffer.clear();
	std::size_t at = 20 + jsonLength;
	if (at == bytes.size())
		return true;
	if (at + 8 > bytes.size())
		return error = "truncated BIN chunk header", false;
	const std::size_t binLength = U32(bytes, at);
	if (U32(bytes, at + 4) != 0x004E4942 || binLength % 4 != 0 || at + 8 + binLength != bytes.size())
		return error = "bad BIN chunk", false;
	out.buffer.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at + 8), bytes.end());
	if (out.json.at("buffers").at(0).at("byteLength").get<std::size_t>() > out.buffer.size())
		return error = "buffer longer than the BIN chunk", false;
	return true;
}

bool ReadEmbeddedGltf(const std::vector<std::uint8_t>& bytes, GltfFile& out, std::string& error)
{
	out.json = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
	if (out.json.is_discarded())
		return error = "does not parse as JSON", false;
	out.buffer.clear();
	if (!out.json.contains("buffers"))
		return true;
	const std::string uri = out.json.at("buffers").at(0).at("uri").get<std::string>();
	const std::string prefix = "data:application/octet-stream;base64,";
	if (uri.compare(0, prefix.size(), prefix) != 0 || !DecodeBase64(uri.substr(prefix.size()), out.buffer))
		return error = "buffer is not a base64 data URI", false;
	if (out.json.at("buffers").at(0).at("byteLength").get<std::size_t>() != out.buffer.size())
		return error = "decoded buffer size differs from byteLength", false;
	return true;
}

std::vector<float> AccessorFloats(const GltfFile& file, std::size_t accessor)
{
	// An accessor without a buffer view holds zeros.
	const nlohmann::json& a = file.json.at("accessors").at(accessor);
	if (!a.contains("bufferView"))
	{
		const std::string type = a.at("type").get<std::string>();
		const std::size_t components = type == "SCALAR" ? 1 : type == "VEC2" ? 2 : type == "VEC3" ? 3 : 4;
		return std::vector<float>(a.at("count").get<std::size_t>() * components, 0.0f);
	}
	std::size_t count = 0;
	const std::uint8_t* bytes = AccessorBytes(file, accessor, 5126, count);
	std::vector<float> values(bytes ? count : 0);
	if (bytes)
		std::memcpy(values.data(), bytes, count * 4);
	return values;
}

std::vector<std::uint32_t> AccessorIndices(const GltfFile& file, std::size_t accessor)
{
	std::size_t count = 0;
	const std::uint8_t* bytes = AccessorBytes(file, accessor, 5125, count);
	std::vector<std::uint32_t> values(bytes ? count : 0);
	if (bytes)
		std::memcpy(values.data(), bytes, count * 4);
	return values;
}

NodeMatrix Multiply(const NodeMatrix& a, const NodeMatrix& b)
{
	NodeMatrix r{};
	for (int column = 0; column < 4; ++column)
	{
		for (int row = 0; row < 4; ++row)
		{
			double v = 0.0;
			for (int k = 0; k < 4; ++k)
				v += a[static_cast<std::size_t>(k * 4 + row)] * b[static_cast<std::size_t>(column * 4 + k)];
			r[static_cast<std::size_t>(column * 4 + row)] = v;
		}
	}
	return r;
}

NodeMatrix LocalMatrixOf(const nlohmann::json& node)
{
	NodeMatrix m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
	if (node.contains("matrix"))
	{
		for (std::size_t k = 0; k < 16; ++k)
			m[k] = node.at("matrix").at(k).get<double>();
		return m;
	}
	// T * R * S.
	const std::vector<double> t = node.value("translation", std::vector<double>{0, 0, 0});
	const std::vector<double> q = node.value("rotation", std::vector<double>{0, 0, 0, 1});
	const std::vector<double> s = node.value("scale", std::vector<double>{1, 1, 1});
	const double x = q[0], y = q[1], z = q[2], w = q[3];
	const double r[9] = {1 - 2 * (y * y + z * z), 2 * (x * y + z * w),     2 * (x * z - y * w),
	                     2 * (x * y - z * w),     1 - 2 * (x * x + z * z), 2 * (y * z + x * w),
	                     2 * (x * z + y * w),     2 * (y * z - x * w),     1 - 2 * (x * x + y * y)};
	for (std::size_t column = 0; column < 3; ++column)
	{
		for (std::size_t row = 0; row < 3; ++row)
			m[column * 4 + row] = r[column * 3 + row] * s[column];
		m[12 + column] = t[column];
	}
	return m;
}

std::vector<NodeInScene> NodesInScene(const GltfFile& file)
{
	std::vector<NodeInScene> out;
	const nlohmann::json& j = file.json;
	const std::size_t scene = j.value("scene", std::size_t(0));
	if (!j.contains("scenes") || !j.at("scenes").at(scene).contains("nodes"))
		return out;
	const nlohmann::json& nodes = j.at("nodes");
	std::vector<std::size_t> visiting;
	// Depth first, children in order; a node met twice (a cycle or a shared node) fails the test.
	auto visit = [&](auto&& self, std::size_t index, const NodeMatrix& parentWorld, int depth) -> void
	{
		if (std::find(visiting.begin(), visiting.end(), index) != visiting.end() || depth > 64)
		{
			ADD_FAILURE() << "node " << index << " is its own ancestor";
			return;
		}
		for (const NodeInScene& seen : out)
		{
			if (seen.index == index)
			{
				ADD_FAILURE() << "node " << index << " has two parents";
				return;
			}
		}
		const nlohmann::json& node = nodes.at(index);
		const NodeMatrix world = Multiply(parentWorld, LocalMatrixOf(node));
		out.push_back(NodeInScene{index, world, depth});
		visiting.push_back(index);
		for (const nlohmann::json& child : node.value("children", nlohmann::json::array()))
			self(self, child.get<std::size_t>(), world, depth + 1);
		visiting.pop_back();
	};
	const NodeMatrix identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
	for (const nlohmann::json& root : j.at("scenes").at(scene).at("nodes"))
		visit(visit, root.get<std::size_t>(), identity, 0);
	return out;
}

std::array<double, 3> TransformPoint(const NodeMatrix& m, const float* p)
{
	std::array<double, 3> r{};
	for (std::size_t k = 0; k < 3; ++k)
		r[k] = m[k] * p[0] + m[4 + k] * p[1] + m[8 + k] * p[2] + m[12 + k];
	return r;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace surfax::test
