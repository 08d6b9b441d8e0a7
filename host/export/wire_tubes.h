// Wires as tubes: the line strips of a collected scene (a grid's curves, a cage's edges) turned into thin closed
// tube meshes, so that renderers, which draw no lines, show them (--wire-width).
//
// Each strip becomes one tube of kTubeSides sides around it, of the given width (its diameter, in scene units):
//   - a ring of kTubeSides vertices at each distinct point of the strip (repeated points count once), in the plane
//     that halves the angle between the two segments that meet there, stretched across the bend so that the tube
//     keeps its width on both sides (at most kMaxMiter times at a sharp turn); the rings are turned along the strip by
//     the least rotation from one to the next, so the tube does not twist;
//   - shading normals pointing out from the strip, the same for the two segments that share a ring;
//   - an open strip is capped at both ends by a flat polygon facing along the strip (vertices of its own with the
//     cap's normal, at the positions of the end rings); a closed strip (its last point is its first) is a closed
//     ring of tube without caps;
//   - triangles counter-clockwise seen from outside, so every tube is a closed, outward-facing surface;
//   - a strip whose points all coincide gives nothing.
// A line set becomes one mesh of all its tubes with the line set's name, node and colour (source and value); line
// sets' vertex colours, if any, go to their rings. The tubes take the lines' place in the scene's mesh list, after
// the meshes it had.
//
// Cost: a strip point becomes kTubeSides vertices with normals (144 bytes in a glTF file instead of a line vertex's
// 12) and a segment 2 * kTubeSides triangles, so tubes make a grid about 24 times larger. TubeWarning names the cost
// above kTubeWarningTriangles.
#ifndef SURFAX_HOST_EXPORT_WIRE_TUBES_H
#define SURFAX_HOST_EXPORT_WIRE_TUBES_H

#include "host/export/export_scene.h"

#include <cstdint>
#include <string>

namespace surfax::io
{
/// Sides of every tube.
constexpr int kTubeSides = 6;
/// How far a ring may be stretched across a bend, in tube radii.
constexpr double kMaxMiter = 4.0;
/// Above this many tube triangles TubeWarning speaks: about the size of the mesh of a resolution-700 chart.
constexpr std::uint64_t kTubeWarningTriangles = 1000000;

/// The vertices and triangles the tubes of a scene's line sets have (before they are made).
struct TubeCost
{
	std::uint64_t vertices = 0;
	std::uint64_t triangles = 0;
};

/// Counts what TubeWires would make of the scene's line sets with this width.
TubeCost TubeCostOf(const ExportScene& scene, double width);

/// Replaces every line set of the scene by a mesh of tubes of the given width (scene units, finite and positive; see
/// above). False with `error` for another width, when a line set's tubes would exceed kMaxItemVertices or when memory
/// runs out; the scene is then unchanged.
bool TubeWires(ExportScene& scene, double width, std::string& error);

/// "" up to kTubeWarningTriangles, else the warning a command prints: "--wire-width: the wire tubes have N triangles
/// and M vertices (each wire point becomes 6 vertices): large files and slow pictures; a lower resolution or a larger
/// grid step keeps them smaller".
std::string TubeWarning(const TubeCost& cost);
} // namespace surfax::io

#endif
