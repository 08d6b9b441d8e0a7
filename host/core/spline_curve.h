// Curves through the points of a spline segment, as the application draws its splines: straight lines between the
// points of a linear spline, and for every interpolated type (cubic, Akima, B-spline, Bezier alike here) the uniform
// Catmull-Rom curve, which passes through every point and turns smoothly at it. Used by SplineObject::GetSplinePoint
// and by the export's sampling of splines into line strips.
#ifndef SURFAX_HOST_CORE_SPLINE_CURVE_H
#define SURFAX_HOST_CORE_SPLINE_CURVE_H

#include "c4d.h"

namespace surfax::core
{
/// Uniform Catmull-Rom between p1 and p2 at t in 0..1: p1 at 0, p2 at 1, with p0 and p3 as the outer neighbours.
cinema::Vector CatmullRom(const cinema::Vector& p0, const cinema::Vector& p1, const cinema::Vector& p2,
                          const cinema::Vector& p3, cinema::Float t);

/// Whether a segment of count points is drawn closed: closed is asked for and the segment has more than two points
/// (a closed segment of two points is its single edge).
bool DrawnClosed(bool closed, cinema::Int count);

/// Point i of a segment of count points (count > 0), any i: an open segment repeats its end points beyond its ends,
/// a closed one wraps around.
const cinema::Vector& SegmentNeighbour(const cinema::Vector* points, cinema::Int count, bool closed, cinema::Int i);

/// The point at t (clamped to 0..1) along the curve through points[0 .. count - 1]: each of the count - 1 spans (count
/// when closed, see DrawnClosed) takes an equal share of t, straight unless smooth. The origin when count < 1 or
/// points is null.
cinema::Vector SegmentPoint(const cinema::Vector* points, cinema::Int count, bool closed, bool smooth, cinema::Float t);
} // namespace surfax::core

#endif
