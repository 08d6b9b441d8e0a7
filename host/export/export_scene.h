// An evaluated document as plain arrays, ready for the file writers and the preview: triangle meshes, line strips
// and point sets in world space, in glTF's coordinate system.
//
// Space: the host works left-handed with y up; everything here is right-handed with y up (glTF, OBJ). A host point
// (x, y, z) becomes (x, y, -z), and every triangle's winding is reversed so that a polygon facing outward in the
// host (normal Cross(b - a, c - a) by the SDK's Cross) is counter-clockwise seen from outside here. Units are scene
// units, unchanged.
//
// What is collected, in document order (an object, then its generated output, then its children):
//   - an object whose editor or render mode is MODE_OFF is left out with everything below it;
//   - an object's cache (generator output) stands for the object, with the cache's own children; a generator whose
//     enabled check mark is off adds nothing of its own (its children still count);
//   - polygon objects become triangle meshes (quads split along a-c); a polygon object without polygons becomes a
//     point set; splines become line strips (interpolated ones sampled within kSplineTolerance); host primitives (cube,
//     sphere, pyramid, platonic) without a cache are built from their parameters;
//   - a plug-in object in the document none of whose descendants has a cache with content (anything but an empty
//     null object or an empty spline) adds, before its cache, the dots and spheres its object pass draws as a point set
//     in the pen colours (vertex colours), placed by the drawing matrix it set: the plot object's samples when no
//     component shows them (the host cannot read a plug-in's data, only watch it draw).
//   - the children of an enabled generator that takes input objects (OBJECT_INPUT: the extrude object, whose
//     output is a polygon object and whose child is the text spline it extrudes) are left out while it has a
//     cache: its output stands for them.
// Not collected: the lines a plug-in only draws.
//
// Non-finite coordinates (NaN, infinities, or values beyond the range of float) never reach the output: every
// triangle, line segment or point that uses one is dropped and counted in ExportScene::dropped.
//
// The object tree is kept beside the flat items, for writers that keep it (glTF): every collected object is an
// ExportNode with its name, its parent and its matrix relative to the parent, and every item names the node it
// belongs to. A generator's output hangs below the generator's node; its root object is the generator's node itself
// when it sits at the generator's origin (the usual case), else a child node. Items keep world-space positions
// either way, so readers that want a flat scene ignore the nodes.
#ifndef SURFAX_HOST_EXPORT_EXPORT_SCENE_H
#define SURFAX_HOST_EXPORT_EXPORT_SCENE_H

#include "c4d.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace surfax::io
{
/// Where an item's colour comes from. Writers make one material per distinct (source, colour) pair.
enum class ColorSource
{
	VertexColors, // per-vertex colours from a vertex colour tag; `color` is white
	Display,      // the object's display colour (usecolor != 0), or its generator's for cache objects
	Neutral,      // neither: kNeutralGrey
};

/// The colour of objects that have no colour of their own (a display colour, RGBA 0..1, like every colour here).
constexpr float kNeutralGrey[4] = {0.72f, 0.72f, 0.72f, 1.0f};

/// How far a sampled interpolated spline may stray from the curve through its points (Catmull-Rom), relative to the
/// largest side of the spline object's bounding box in world space (for a grid, the chart's size): 1/2000, a third of
/// a pixel when the chart fills an 800-pixel picture. A span whose curve stays that close to its chord is one
/// straight segment (the spans of a dense grid are); a span that bends more gets as many equal steps as a bound on
/// its second derivative asks. kMaxSplineStepsPerSpan is more than any span inside its object's bounds needs.
constexpr double kSplineTolerance = 1.0 / 2000.0;
constexpr int kMaxSplineStepsPerSpan = 64;

/// The largest vertex count of one item: indices are 32-bit and the writers keep one index free.
constexpr std::uint64_t kMaxItemVertices = 0xFFFFFFFEu;

/// A column-major 4x4 affine matrix in the scene's (glTF) axes: the host's matrix M becomes S M S, S mirroring z.
using ExportMatrix = std::array<double, 16>;
constexpr ExportMatrix kIdentityMatrix = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

/// The host's matrix m in the scene's axes (S m S).
ExportMatrix ToExportMatrix(const cinema::Matrix& m);

/// One object of the evaluated tree.
struct ExportNode
{
	std::string name;         // the object's name ("" allowed)
	std::int32_t parent = -1; // index of the parent in ExportScene::nodes (always smaller), or -1 at the top
	ExportMatrix local = kIdentityMatrix; // relative to the parent
	ExportMatrix world = kIdentityMatrix; // relative to the scene
};

/// Fields every item has.
struct ExportItem
{
	std::string name;       // the object's name ("" allowed)
	std::int32_t node = -1; // index in ExportScene::nodes of the object it comes from, or -1 (a scene built by hand)
	ColorSource colorSource = ColorSource::Neutral;
	float color[4] = {kNeutralGrey[0], kNeutralGrey[1], kNeutralGrey[2], kNeutralGrey[3]}; // display RGBA
	std::vector<float> positions; // x, y, z per vertex; all finite
	std::vector<float> colors;    // display r, g, b, a per vertex in 0..1 when colorSource is VertexColors, else empty

	std::size_t VertexCount() const { return positions.size() / 3; }
};

/// A triangle mesh. Normals are unit length: smooth (averaged face normals, per point) when the object has a Phong
/// tag, else flat (each polygon's own vertices carry its normal).
struct ExportMesh : ExportItem
{
	std::vector<float> normals;         // x, y, z per vertex
	std::vector<float> uvs;             // u, v per vertex (from a UVW tag, v down as the tag has it), or empty
	std::vector<std::uint32_t> indices; // three per triangle, counter-clockwise seen from the front

	std::size_t TriangleCount() const { return indices.size() / 3; }
};

/// Line strips. Strip k takes the next stripCounts[k] vertices (at least 2); a closed curve repeats its first vertex
/// at its end, except a closed segment of two points, which is its single edge.
struct ExportLines : ExportItem
{
	std::vector<std::uint32_t> stripCounts;

	std::size_t SegmentCount() const;
};

/// Points, one per vertex.
struct ExportPoints : ExportItem
{
};

/// What was dropped because it used a non-finite coordinate.
struct DroppedCounts
{
	std::uint64_t triangles = 0;
	std::uint64_t lineSegments = 0;
	std::uint64_t points = 0;

	std::uint64_t Total() const { return triangles + lineSegments + points; }
};

/// Everything collected from one document. Items with no vertices left are not kept.
struct ExportScene
{
	std::vector<ExportNode> nodes; // document order, parents before their children
	std::vector<ExportMesh> meshes;
	std::vector<ExportLines> lines;
	std::vector<ExportPoints> points;
	DroppedCounts dropped;

	/// No geometry (there may still be nodes).
	bool Empty() const { return meshes.empty() && lines.empty() && points.empty(); }
};

/// Axis-aligned bounds of all vertices of a scene.
struct Bounds
{
	float min[3] = {0.0f, 0.0f, 0.0f};
	float max[3] = {0.0f, 0.0f, 0.0f};
	bool empty = true;
};

Bounds SceneBounds(const ExportScene& scene);

/// Collects an evaluated document into `out` (replacing its contents). doc may be null (an empty scene). The
/// document is only read (plug-in objects are asked to draw, which changes nothing). Returns false with `error` when
/// memory runs out or an item would exceed kMaxItemVertices; `out` is then empty.
bool CollectScene(const cinema::BaseDocument* doc, ExportScene& out, std::string& error);

/// The warning the caller prints once when primitives were dropped ("dropped 3 triangles and 1 point with
/// non-finite coordinates"), or "" when nothing was dropped.
std::string DroppedWarning(const DroppedCounts& dropped);
} // namespace surfax::io

#endif
