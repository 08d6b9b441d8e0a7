// Normal alignment: the host's "Align Normals" modelling command on plain point and polygon arrays.
//
// Normal convention (the same as the primitives'): the face normal of polygon (a, b, c, d) is
// Cross(p[b] - p[a], p[c] - p[a]); a triangle stores its third index twice (c == d).
#ifndef SURFAX_HOST_BUILTINS_ALIGN_NORMALS_H
#define SURFAX_HOST_BUILTINS_ALIGN_NORMALS_H

#include "c4d_polygon.h"
#include "ge_math.h"

namespace surfax::builtins
{
/// Most polygons AlignNormals accepts (every corner of every polygon gets a 32-bit slot number).
constexpr cinema::Int32 kMaxAlignPolygons = (1 << 29) - 1;

/// Reorders polygon corners so that every pair of polygons sharing an edge uses it in opposite directions
/// (consistent winding) within each connected part, and each closed part (every edge shared by exactly two
/// polygons) faces outward: its signed volume, sum of Dot(a, Cross(b, c)) / 6 over the fan triangles of its
/// polygons, becomes positive. Open parts keep the winding of their first polygon (lowest index).
///
/// A flipped triangle (a, b, c, c) becomes (a, c, b, b) and stays a triangle; a flipped quad (a, b, c, d) becomes
/// (a, d, c, b). Points are only read.
///
/// Parts are the groups of polygons connected through edges shared by exactly two polygons. An edge used by more
/// than two polygons (non-manifold), or twice by one polygon, joins nothing and makes the parts touching it
/// open. Edges whose two ends are the same point are ignored. A part that cannot be wound consistently (a
/// Moebius strip) keeps the first choice made for each polygon, visiting polygons breadth-first from the lowest
/// index, and counts as open. A closed part with zero or non-finite volume is left as wound.
///
/// `points` holds pointCount points and `polygons` polygonCount polygons; either may be null only when its
/// count is 0. Returns the number of flipped polygons, or -1, changing nothing, when a count is negative, a
/// pointer is null with a non-zero count, polygonCount exceeds kMaxAlignPolygons, a polygon index lies outside
/// 0..pointCount-1, or memory runs out. Works without recursion in time linear in the input (plus a sort of the
/// few edges at each point) and needs about 4 bytes per point and 55 bytes per polygon of temporary memory.
cinema::Int32 AlignNormals(const cinema::Vector* points, cinema::Int32 pointCount, cinema::CPolygon* polygons,
                           cinema::Int32 polygonCount);
} // namespace surfax::builtins

#endif // SURFAX_HOST_BUILTINS_ALIGN_NORMALS_H
