// glTF 2.0 output of a collected scene, or of the frames of an animation: binary (.glb) or JSON with the buffer
// embedded as base64 (.gltf).
//
// Layout of a scene collected from a document (it has nodes): one root node "scene units to metres" whose uniform
// scale converts the host's unit (the centimetre) to glTF's metre (GltfOptions::unitScale, 0.01), and below it the
// object tree: one node per ExportNode, named after its object, carrying its matrix relative to its parent (left out
// when it is the identity). A node's items are the primitives of one mesh of the same name, in the node's own
// coordinates (the world positions brought back by the inverse of the node's world matrix; an item whose node has
// no inverse, such as a scale of 0, gets a node of its own below the root in world coordinates). A scene built
// without nodes is written flat: one node per item in world space and scene units, no root.
//
// Primitives: triangles (mode 4) with POSITION, NORMAL, TEXCOORD_0 when the item has uvs and COLOR_0 (FLOAT VEC4)
// when it has vertex colours, indexed with UNSIGNED_INT; line strips as LINES (mode 1) with UNSIGNED_INT indices;
// points as POINTS (mode 0). One material per distinct colour source, named: "vertex colours" (white base colour,
// the colours per vertex), "display #RRGGBB" for each display colour, "neutral grey"; double-sided, not metallic.
// Every attribute has its own 4-byte aligned buffer view; POSITION accessors carry min and max. An empty scene
// gives a valid file with one empty scene.
//
// Animations (the frames of --frames, each collected from the same document): played from the first frame at
// time 0, one frame every 1/fps seconds, in one of two forms (ChooseGltfAnimation):
//   - morph targets, when every frame has the same tree and the same connectivity (a surface whose samples move):
//     the first frame's geometry with one morph target per later frame holding its differences (POSITION, NORMAL,
//     COLOR_0; a target without differences has accessors without data, which read as zeros), and a "weights"
//     animation that turns on target k - 1 at frame k, interpolated linearly in between. One copy of the
//     connectivity, and smooth playback at any rate;
//   - switched frames, when the tree or the connectivity changes (labels whose texts change, a resolution that
//     changes): below the root one node "frame K" per frame holding that frame's whole tree, shown only during its
//     frame by a step-interpolated "scale" animation (1 while shown, else 0). Any change can be played this way, at
//     the price of a full copy per frame.
//
// The bytes depend only on the input: fixed key order, numbers in the C locale, no dates or paths.
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

/// Scene units in metres: the host's unit is the centimetre.
constexpr double kMetresPerSceneUnit = 0.01;

/// More frames than this make an animation of switched frames: viewers blend every target of a mesh.
constexpr std::size_t kMaxMorphFrames = 1000;

struct GltfOptions
{
	double unitScale = kMetresPerSceneUnit; // the root node's uniform scale (scenes with nodes)
};

enum class GltfAnimationKind
{
	None,           // fewer than two frames: a plain scene of the first (or none)
	MorphTargets,   // the same tree and connectivity in every frame, at most kMaxMorphFrames + 1 frames
	SwitchedFrames, // anything else
};

/// Which form the frames are written in (see above).
GltfAnimationKind ChooseGltfAnimation(const std::vector<ExportScene>& frames);

/// Replaces `out` with the file's bytes. False with `error` when the scene is too large for the container (a .glb is
/// limited to 4 GiB) or memory runs out; `out` is then empty.
bool EncodeGltf(const ExportScene& scene, GltfContainer container, std::vector<std::uint8_t>& out, std::string& error,
                const GltfOptions& options = {});

/// Writes the file at path (streamed, nothing is held twice in memory). False with `error` ("PATH: reason") when the
/// file cannot be written or the scene is too large; a partly written file is removed.
bool WriteGltf(const std::string& path, const ExportScene& scene, GltfContainer container, std::string& error,
               const GltfOptions& options = {});

/// The frames as one animated file, `fps` frames per second (positive). `kind`, when given, receives the form
/// chosen. Same failures as EncodeGltf, and false for a frame rate that is not positive.
bool EncodeAnimatedGltf(const std::vector<ExportScene>& frames, double fps, GltfContainer container,
                        std::vector<std::uint8_t>& out, std::string& error, const GltfOptions& options = {},
                        GltfAnimationKind* kind = nullptr);

/// Writes EncodeAnimatedGltf's file at path, as WriteGltf does.
bool WriteAnimatedGltf(const std::string& path, const std::vector<ExportScene>& frames, double fps,
                       GltfContainer container, std::string& error, const GltfOptions& options = {},
                       GltfAnimationKind* kind = nullptr);
} // namespace surfax::io

#endif
