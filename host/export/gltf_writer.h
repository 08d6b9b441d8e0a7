// glTF 2.0 output of a collected scene: binary (.glb) or JSON with the buffer embedded as base64 (.gltf).
//
// Layout: one node per item (in world space, no transforms), one mesh per node with one primitive: triangles
// (mode 4) with POSITION, NORMAL, TEXCOORD_0 when the item has uvs and COLOR_0 (FLOAT VEC4) when it has vertex
// colours, indexed with UNSIGNED_INT; line strips as LINES (mode 1) with UNSIGNED_INT indices; points as POINTS
// (mode 0). One material per distinct colour source (vertex colours: white base colour; display colour; neutral
// grey), double-sided, not metallic. Every attribute has its own 4-byte aligned buffer view; POSITION accessors
// carry min and max. An empty scene gives a valid file with one empty scene.
//
// The bytes depend only on the scene: fixed key order, numbers in the C locale, no dates or paths.
#ifndef SURFAX_HOST_EXPORT_GLTF_WRITER_H
#define SURFAX_HOST_EXPORT_GLTF_WRITER_H

#include "host/export/export_scene.h"

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::io
{
enum class GltfContainer
{
	Binary,   // .glb: header, JSON chunk, BIN chunk
	Embedded, // .gltf: JSON with a data: URI buffer
};

/// Replaces `out` with the file's bytes. False with `error` when the scene is too large for the container (a .glb is
/// limited to 4 GiB) or memory runs out; `out` is then empty.
bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error);

/// Writes the file at path (streamed, nothing is held twice in memory). False with `error` ("PATH: reason") when the
/// file cannot be written or the scene is too large; a partly written file is removed.
bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error);
} // namespace surfax::io

#endif
