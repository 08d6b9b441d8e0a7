// How the frames of an animation (--frames, each collected from the same document) become one glTF animation, and
// the data its keys and morph targets hold. gltf_model builds the file's animation from these.
//
// The frames play from the first at time 0, one frame every 1/fps seconds, in one of two forms:
//   - morph targets, when every frame has the same tree and the same connectivity (a surface whose samples move):
//     the first frame's geometry with one morph target per later frame holding its differences, and a "weights"
//     animation that turns on target k - 1 at frame k, interpolated linearly in between. One copy of the
//     connectivity, and smooth playback at any rate;
//   - switched frames, when the tree or the connectivity changes (labels whose texts change, a resolution that
//     changes): one copy of each frame's tree, shown only during its frame by a step-interpolated scale (1 while
//     shown, else 0). Any change can be played this way, at the price of a full copy per frame.
#ifndef SURFAX_HOST_EXPORT_GLTF_ANIMATION_H
#define SURFAX_HOST_EXPORT_GLTF_ANIMATION_H

#include "host/export/export_scene.h"

#include <cstddef>
#include <vector>

namespace surfax::io
{
/// More frames than this make an animation of switched frames: viewers blend every target of a mesh.
constexpr std::size_t kMaxMorphFrames = 1000;

enum class GltfAnimationKind
{
	None,           // fewer than two frames: a plain scene of the first (or none)
	MorphTargets,   // the same tree and connectivity in every frame, at most kMaxMorphFrames + 1 frames
	SwitchedFrames, // anything else
};

/// True when b can be written as morph targets of a: the same nodes (names, parents and matrices) and items of the
/// same kind, node, name, colour source, colour and connectivity (triangle indices, uvs, line strips), with as many
/// vertices, normals and vertex colours. Positions, normals and vertex colours may differ.
bool SameTopology(const ExportScene& a, const ExportScene& b);

/// Which form the frames are written in (see above).
GltfAnimationKind ChooseGltfAnimation(const std::vector<ExportScene>& frames);

/// The time of each of `count` frames in seconds: k / fps (fps positive).
std::vector<float> FrameTimes(std::size_t count, double fps);

/// The morph weights of `count` frames (at least 2): one key per frame of count - 1 weights each (count * (count - 1)
/// values), key k turning on target k - 1 alone, key 0 none.
std::vector<float> MorphWeights(std::size_t count);

/// The keys of the scale that shows frame `frame` of `times.size()` only during its own time: a scale (the three
/// values of a uniform scale per key) that is 1 from the frame's time until the next frame's and 0 before and after.
/// A step interpolation holds each key until the next.
struct VisibilityKeys
{
	std::vector<float> times;  // seconds, rising
	std::vector<float> scales; // x, y, z per key
};
VisibilityKeys FrameVisibility(std::size_t frame, const std::vector<float>& times);

/// target - base over `count` floats into `delta` (resized to count). False, with `delta` left empty, when every
/// difference is 0: a morph target without differences needs no data (glTF reads a missing buffer view as zeros).
bool MorphDelta(const float* base, const float* target, std::size_t count, std::vector<float>& delta);
} // namespace surfax::io

#endif
