// Test support: a small glTF reader, written apart from the writer, that checks the container strictly and gives
// the JSON document and the buffer back, with typed access to accessors.
#ifndef SURFAX_TESTS_SUPPORT_GLTF_READER_H
#define SURFAX_TESTS_SUPPORT_GLTF_READER_H

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace surfax::test
{
struct GltfFile
{
	nlohmann::json json;
	std::vector<std::uint8_t> buffer;
};

/// Reads a .glb: magic, version 2, total length equal to the size, a JSON chunk then an optional BIN chunk, both
/// padded to 4 bytes. False with `error` on any violation.
bool ReadGlb(const std::vector<std::uint8_t>& bytes, GltfFile& out, std::string& error);

/// Reads a .gltf whose single buffer is a base64 data: URI.
bool ReadEmbeddedGltf(const std::vector<std::uint8_t>& bytes, GltfFile& out, std::string& error);

/// The elements of a FLOAT accessor, components in order (count * components values). Checks that the accessor's
/// view lies inside the buffer and is 4-byte aligned; fails the current test otherwise and returns {}.
std::vector<float> AccessorFloats(const GltfFile& file, std::size_t accessor);

/// The elements of an UNSIGNED_INT accessor; same checks.
std::vector<std::uint32_t> AccessorIndices(const GltfFile& file, std::size_t accessor);

/// A column-major 4x4 matrix.
using NodeMatrix = std::array<double, 16>;

/// A node reached from the default scene, with its world matrix (the product of the matrices, or translation *
/// rotation * scale, of it and its ancestors) and its depth (0 for the scene's own nodes).
struct NodeInScene
{
	std::size_t index;
	NodeMatrix world;
	int depth;
};

/// Every node of the default scene, depth first with children in order. A node reached twice fails the test.
std::vector<NodeInScene> NodesInScene(const GltfFile& file);

/// The node's own matrix: "matrix", or its translation, rotation and scale.
NodeMatrix LocalMatrixOf(const nlohmann::json& node);

/// m * (p, 1), the first three components.
std::array<double, 3> TransformPoint(const NodeMatrix& m, const float* p);

/// The whole file as bytes; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
} // namespace surfax::test

#endif
