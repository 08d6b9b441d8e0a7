// glTF 2.0 files of a glTF model (gltf_model.h): binary (.glb) or JSON with the buffer embedded as base64 (.gltf).
//
// The JSON is compact (host/json's compact style: no whitespace, shortest numbers, every control character of a
// name as \u00XX), its members in a fixed order, empty arrays left out. The buffer is the model's buffer views in
// order, each padded with zeros to 4 bytes; glTF is little-endian, as the host is. A .glb holds the JSON chunk
// (padded with spaces to 4 bytes) and, when the buffer is not empty, the BIN chunk.
//
// EncodeGltf, WriteGltf and their animated forms build the model of a scene or of frames (BuildGltfModel,
// BuildAnimatedGltfModel) and write it in one call.
//
// The bytes depend only on the input: fixed key order, numbers in the C locale, no dates or paths.
#ifndef SURFAX_HOST_EXPORT_GLTF_WRITER_H
#define SURFAX_HOST_EXPORT_GLTF_WRITER_H

#include "host/export/export_scene.h"
#include "host/export/gltf_animation.h"
#include "host/export/gltf_model.h"

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

/// Replaces `out` with the file's bytes. False with `error` when the model is too large for the container (a .glb is
/// limited to 4 GiB) or memory runs out; `out` is then empty.
bool EncodeGltfModel(const GltfModel& model, GltfContainer container, std::vector<std::uint8_t>& out,
                     std::string& error);

/// Writes the file at path through core::OutputFile (streamed: the buffer is not held twice in memory). False with
/// `error` ("PATH: reason") when the file cannot be written or the model is too large; the file that was at path is
/// then untouched.
bool WriteGltfModel(const std::string& path, const GltfModel& model, GltfContainer container, std::string& error);

/// EncodeGltfModel of BuildGltfModel's model of the scene; its failures too.
bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error,
                const GltfOptions& options = {});

/// WriteGltfModel of BuildGltfModel's model of the scene; its failures too.
bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error,
               const GltfOptions& options = {});

/// EncodeGltfModel of BuildAnimatedGltfModel's model of the frames (`kind`, when given, receives the form chosen);
/// its failures too, such as a frame rate that is not positive.
bool EncodeAnimatedGltf(const std::vector<ExportScene>& frames, double fps, GltfContainer container,
                        std::vector<std::uint8_t>& out, std::string& error, const GltfOptions& options = {},
                        GltfAnimationKind* kind = nullptr);

/// WriteGltfModel of BuildAnimatedGltfModel's model of the frames; its failures too.
bool WriteAnimatedGltf(const std::string& path, const std::vector<ExportScene>& frames, double fps,
                       GltfContainer container, std::string& error, const GltfOptions& options = {},
                       GltfAnimationKind* kind = nullptr);
} // namespace surfax::io

#endif
