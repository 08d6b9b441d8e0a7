// A glTF 2.0 document as plain data, and how an export scene (or the frames of an animation) becomes one.
//
// The model is the file's own structure: arrays of nodes, meshes with their primitives, materials, animations,
// accessors and buffer views, each element naming others by index into these arrays, as the file does. It holds
// no JSON and no bytes: gltf_writer turns it into a .gltf or .glb, and anything else that needs the chart as glTF
// (the chart page, tests) can read or extend it first. Everything the writer prints is here, so two equal models
// give the same bytes.
//
// Layout of a scene collected from a document (it has nodes): one root node (RootNodeName: "scene units to metres")
// whose uniform scale converts the host's unit (the centimetre) to glTF's metre (GltfOptions::unitScale, 0.01; no
// scale when it is 1, and the node is then named "scene units, unscaled"), and below it the object tree: one node per
// ExportNode, named after its object, carrying its matrix relative to its parent (none when it is the identity). A
// node's items are the primitives of one mesh of the same name, in the node's own coordinates (the world positions
// brought back by the inverse of the node's world matrix; normals by the transpose of its linear part, made unit length
// again). An item whose node has no inverse, such as a scale of 0, or that names no node, gets a node of its own below
// the root in world coordinates. A scene built without nodes is flat: one node per item in world space and scene units,
// no root. Items are taken in the scene's order: meshes, then lines, then points.
//
// Primitives: triangles with POSITION, NORMAL (when the mesh has one per vertex), TEXCOORD_0 (when it has uvs) and
// COLOR_0 (FLOAT VEC4, when it has vertex colours), indexed with UNSIGNED_INT; each line strip as a LINE_STRIP
// primitive of its own, without indices (a line set is one mesh of as many primitives as it has strips); points as
// POINTS. One material per distinct colour source, named: "vertex colours" (white base colour, the colours per
// vertex), "display #RRGGBB" for each display colour (the hex code of the display colour), "neutral grey";
// double-sided, not metallic, fully rough.
//
// Colours: the scene holds display (sRGB) colours; glTF defines COLOR_0, its morph differences and baseColorFactor
// as linear values, so each colour channel is converted exactly (core::SrgbToLinear, computed in double and rounded
// to float once) and the differences are taken between the linear values. Alpha is written as it is. Every accessor
// with data has its own buffer view, each starting 4-byte aligned in the one buffer; POSITION accessors and animation
// inputs carry min and max. An empty scene gives a model with one empty scene.
//
// Animations (gltf_animation.h has the forms and when each is chosen): with morph targets, the first frame's tree
// whose primitives get one target per later frame (POSITION, NORMAL and COLOR_0 differences as the primitive has
// them; a target without differences has accessors without a buffer view), named "frame 1" ... in the mesh's
// extras.targetNames, with all weights 0, and a "weights" channel per node whose mesh moves; a mesh where nothing
// moves gets no targets. With switched frames, one node "frame K" per frame below the root holding that frame's
// tree, with a step "scale" channel each. The one animation is named "frames"; there is none when no channel moved.
//
// Ownership: the model points into the arrays of the scenes it was built from (positions, normals, uvs, triangle
// indices), which must outlive it unchanged; what it derives (local-space copies, linear
// colours, morph differences, animation keys) it owns. It can be moved, not copied.
#ifndef SURFAX_HOST_EXPORT_GLTF_MODEL_H
#define SURFAX_HOST_EXPORT_GLTF_MODEL_H

#include "host/export/export_scene.h"
#include "host/export/gltf_animation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace surfax::io
{
/// Scene units in metres: the host's unit is the centimetre.
constexpr double kMetresPerSceneUnit = 0.01;

struct GltfOptions
{
	double unitScale = kMetresPerSceneUnit; // the root node's uniform scale (scenes with nodes)
};

/// glTF's numbers for component types, buffer view targets and primitive modes.
constexpr int kGltfFloat = 5126;
constexpr int kGltfUnsignedInt = 5125;
constexpr int kGltfArrayBuffer = 34962;
constexpr int kGltfElementArrayBuffer = 34963;

enum class GltfMode
{
	Points = 0,
	LineStrip = 3,
	Triangles = 4,
};

/// A range of the one buffer.
struct GltfBufferView
{
	const void* data = nullptr; // the range's bytes (the scene's or the model's own)
	std::size_t byteOffset = 0; // 4-byte aligned
	std::size_t byteLength = 0; // without the padding to the next view
	int target = 0;             // kGltfArrayBuffer, kGltfElementArrayBuffer, or 0 (animation data)
};

/// The element types, by their number of components.
enum class GltfType
{
	Scalar = 1,
	Vec2 = 2,
	Vec3 = 3,
	Vec4 = 4,
};

struct GltfAccessor
{
	std::optional<std::size_t> bufferView; // none: every element reads as zeros
	int componentType = kGltfFloat;        // kGltfFloat or kGltfUnsignedInt
	std::size_t count = 0;                 // elements
	GltfType type = GltfType::Scalar;
	bool bounds = false; // min and max are written (the first static_cast<int>(type) of each)
	float min[4] = {0, 0, 0, 0};
	float max[4] = {0, 0, 0, 0};
};

/// Accessor indices of one morph target: differences from the primitive's own attributes.
struct GltfMorphTarget
{
	std::size_t position = 0;
	std::optional<std::size_t> normal;
	std::optional<std::size_t> color;
};

struct GltfPrimitive
{
	std::size_t position = 0; // accessor of POSITION
	std::optional<std::size_t> normal;
	std::optional<std::size_t> texcoord; // TEXCOORD_0
	std::optional<std::size_t> color;    // COLOR_0
	std::optional<std::size_t> indices;
	std::size_t material = 0;
	GltfMode mode = GltfMode::Triangles;
	std::vector<GltfMorphTarget> targets; // empty, or as many as the mesh has weights
};

struct GltfMesh
{
	std::string name; // left out when empty
	std::vector<GltfPrimitive> primitives;
	std::vector<float> weights;           // the default weight of each morph target
	std::vector<std::string> targetNames; // written as extras.targetNames
};

struct GltfNode
{
	std::string name; // left out when empty
	std::vector<std::size_t> children;
	std::optional<ExportMatrix> matrix;         // column-major
	std::optional<std::array<double, 3>> scale; // x, y, z
	std::optional<std::size_t> mesh;
};

struct GltfMaterial
{
	std::string name;
	float baseColor[4] = {1, 1, 1, 1}; // linear RGBA
	float metallic = 0.0f;
	float roughness = 1.0f;
	bool doubleSided = true;
};

enum class GltfPath
{
	Scale,
	Weights,
};

enum class GltfInterpolation
{
	Linear,
	Step,
};

struct GltfChannel
{
	std::size_t sampler = 0; // index in the animation's samplers
	std::size_t node = 0;
	GltfPath path = GltfPath::Scale;
};

struct GltfSampler
{
	std::size_t input = 0;  // accessor of the key times
	std::size_t output = 0; // accessor of the key values
	GltfInterpolation interpolation = GltfInterpolation::Linear;
};

struct GltfAnimation
{
	std::string name;
	std::vector<GltfChannel> channels;
	std::vector<GltfSampler> samplers;
};

/// The document: the default scene's top nodes, the arrays, and the size of the one buffer (every view padded to 4
/// bytes). Empty arrays are left out of the file.
struct GltfModel
{
	std::vector<std::size_t> sceneNodes;
	std::vector<GltfNode> nodes;
	std::vector<GltfMesh> meshes;
	std::vector<GltfMaterial> materials;
	std::vector<GltfAnimation> animations;
	std::vector<GltfAccessor> accessors;
	std::vector<GltfBufferView> bufferViews;
	std::size_t bufferBytes = 0;

	/// The data the model derived (the buffer views point into it); each vector keeps its address when the model
	/// moves.
	std::vector<std::vector<float>> ownedFloats;

	GltfModel() = default;
	GltfModel(GltfModel&&) = default;
	GltfModel& operator=(GltfModel&&) = default;
	GltfModel(const GltfModel&) = delete; // the copy's views would point into this model's data
	GltfModel& operator=(const GltfModel&) = delete;
};

/// The root node's name for these options: "scene units to metres" when it scales, "scene units, unscaled" when the
/// unit scale is 1.
std::string RootNodeName(const GltfOptions& options);

/// Replaces `out` with the model of one scene (see above). False with `error` when memory runs out; `out` is then
/// empty.
bool BuildGltfModel(const ExportScene& scene, GltfModel& out, std::string& error, const GltfOptions& options = {});
/// The model points into the scene: a temporary one would leave it dangling.
bool BuildGltfModel(const ExportScene&& scene, GltfModel& out, std::string& error,
                    const GltfOptions& options = {}) = delete;

/// Replaces `out` with the model of the frames as one animation at `fps` frames per second, in the form
/// ChooseGltfAnimation picks (a plain scene of the first frame, or an empty one, when there are fewer than two).
/// `kind`, when given, receives that form. False with `error` for a frame rate that is not a positive number or when
/// memory runs out; `out` is then empty.
bool BuildAnimatedGltfModel(const std::vector<ExportScene>& frames, double fps, GltfModel& out, std::string& error,
                            const GltfOptions& options = {}, GltfAnimationKind* kind = nullptr);
/// The model points into the frames: temporary ones would leave it dangling.
bool BuildAnimatedGltfModel(const std::vector<ExportScene>&& frames, double fps, GltfModel& out, std::string& error,
                            const GltfOptions& options = {}, GltfAnimationKind* kind = nullptr) = delete;
} // namespace surfax::io

#endif
