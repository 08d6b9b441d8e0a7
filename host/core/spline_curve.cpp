#include "host/core/spline_curve.h"

#include <algorithm>
#include <cmath>

namespace surfax::core
{
using namespace cinema;

Vector CatmullRom(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, Float t)
{
	const Vector a = p1 * 2.0;
	const Vector b = p2 - p0;
	const Vector c = p0 * 2.0 - p1 * 5.0 + p2 * 4.0 - p3;
	const Vector d = p1 * 3.0 - p0 - p2 * 3.0 + p3;
	return (a + (b + (c + d * t) * t) * t) * 0.5;
}

bool DrawnClosed(bool closed, Int count)
{
	return closed && count > 2;
}

const Vector& SegmentNeighbour(const Vector* points, Int count, bool closed, Int i)
{
	if (closed)
		i = ((i % count) + count) % count;
	else
		i = std::clamp<Int>(i, 0, count - 1);
	return points[i];
}

Vector SegmentPoint(const Vector* points, Int count, bool closed, bool smooth, Float t)
{
	if (points == nullptr || count < 1)
		return Vector();
	closed = DrawnClosed(closed, count);
	const Int spans = closed ? count : count - 1;
	if (spans < 1)
		return points[0];
	// NaN counts as the start.
	const Float f = (t > 0.0 ? std::min(t, 1.0) : 0.0) * static_cast<Float>(spans);
	const Int span = std::min(static_cast<Int>(f), spans - 1);
	const Float u = f - static_cast<Float>(span);
	const Vector& p1 = SegmentNeighbour(points, count, closed, span);
	const Vector& p2 = SegmentNeighbour(points, count, closed, span + 1);
	if (!smooth)
		return p1 * (1.0 - u) + p2 * u;
	return CatmullRom(SegmentNeighbour(points, count, closed, span - 1), p1, p2,
	                  SegmentNeighbour(points, count, closed, span + 2), u);
}
} // namespace surfax::core
