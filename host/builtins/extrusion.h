// The extrude generator's geometry: spline contours swept along a movement vector, with caps and side walls.
//
// Input: contours (points in the generator's space, contour k takes the next sizes[k] points) and the movement
// vector. Closed contours of at least 3 points get side walls all around and take part in the caps; open
// contours of at least 2 points get walls only. The caps are the region the closed contours enclose by the
// even-odd rule (a contour inside one other contour is a hole, as the inner ring of "0"), triangulated by GLU's
// tessellator in the plane of the contours: the start cap lies on the contours and faces away from the movement,
// the end cap lies on the contours moved by the vector and faces along it. Contours are capped group by group, a
// group being the contours whose bounding boxes overlap (a glyph with its counters), so the time grows with the
// number of glyphs of a text, not with its square.
//
// Output: the start ring's points first, contour by contour (each contour's points, then the same points moved),
// then points the tessellator adds where contours cross (each with its moved twin). Walls are quads
// (a, b, b', a') for each edge a-b of a contour; caps are triangles (c == d). Every polygon faces outward by the
// SDK's convention (the normal Cross(b - a, c - a) points out of the solid), so for well-formed closed contours
// (no crossings) the mesh is closed: each edge belongs to exactly two polygons that run along it in opposite
// directions. A zero movement vector gives the two caps only, back to back.
#ifndef SURFAX_HOST_BUILTINS_EXTRUSION_H
#define SURFAX_HOST_BUILTINS_EXTRUSION_H

#include "host/builtins/primitive_geometry.h"

#include <vector>

namespace surfax::builtins
{
struct ContourSet
{
	std::vector<cinema::Vector> points;
	std::vector<cinema::Int32> sizes;
	std::vector<bool> closed; // one per contour
};

/// The results of this many distinct inputs are kept (thread-safe), so that the same contours extruded again (the
/// labels of a chart are made anew with the same texts whenever it re-samples) cost a comparison and a copy.
constexpr std::size_t kCachedExtrusions = 64;

/// Replaces `out` by the extrusion of contours along move. False when memory runs out, the tessellator fails or the
/// process was asked to stop (core/interruption.h; checked between two groups of contours), `out` then empty.
/// Non-finite input points make the result false as well.
bool BuildExtrusion(const ContourSet& contours, const cinema::Vector& move, MeshData& out);
} // namespace surfax::builtins

#endif
