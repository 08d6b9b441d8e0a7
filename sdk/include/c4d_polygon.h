// Plain geometry records shared by point objects and tags: polygons, spline segments, tangents.
#ifndef C4D_POLYGON_H__
#define C4D_POLYGON_H__

#include "ge_math.h"

namespace cinema
{
/// One polygon: four point indices. A triangle stores its third index twice (c == d).
struct CPolygon
{
	Int32 a = 0;
	Int32 b = 0;
	Int32 c = 0;
	Int32 d = 0;

	CPolygon() = default;
	CPolygon(Int32 t_a, Int32 t_b, Int32 t_c) : a(t_a), b(t_b), c(t_c), d(t_c) {}
	CPolygon(Int32 t_a, Int32 t_b, Int32 t_c, Int32 t_d) : a(t_a), b(t_b), c(t_c), d(t_d) {}

	Bool IsTriangle() const { return c == d; }
	Bool operator==(const CPolygon& p) const { return a == p.a && b == p.b && c == p.c && d == p.d; }
	Bool operator!=(const CPolygon& p) const { return !(*this == p); }
};

/// One spline segment: the number of its points (they follow the previous segment's) and whether it is closed.
/// Plain data without initialisers, as in the SDK: whoever fills a segment table sets every member it relies on.
struct Segment
{
	Int32 cnt;
	Bool closed;
};

/// Left and right tangent of a spline point (object space).
struct Tangent
{
	Vector vl;
	Vector vr;
};
} // namespace cinema

#endif // C4D_POLYGON_H__
