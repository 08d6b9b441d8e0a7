// The preview camera's projection, shared by the rasteriser and what it draws over the picture (axis names, the
// colour key's place): the camera's axes, the pinhole projection onto pixels and the key and fill lights' directions.
//
// Pixels: origin at the top-left corner, y down; pixel (x, y) covers [x, x + 1) x [y, y + 1). Depth is kept as its
// reciprocal, which is linear on the screen: larger is nearer, 0 means "behind the camera".
#ifndef SURFAX_HOST_RENDER_PROJECTION_H
#define SURFAX_HOST_RENDER_PROJECTION_H

#include "host/render/rasterizer.h"

namespace surfax::render
{
struct Vec3
{
	float x, y, z;
};

inline Vec3 Sub(const Vec3& a, const Vec3& b)
{
	return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline float Dot(const Vec3& a, const Vec3& b)
{
	return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(const Vec3& a, const Vec3& b)
{
	return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
/// The unit vector along v, or zero for a zero vector.
Vec3 Normalized(const Vec3& v);

/// A camera set up for one picture: its axes, projection constants and the lights' directions in world space.
struct View
{
	Vec3 eye, right, up, forward;
	float focalX, focalY; // pixels per unit of x/z and y/z
	float centreX, centreY;
	Vec3 keyLight;  // towards the key light
	Vec3 fillLight; // towards the fill light
};

View MakeView(const Camera& camera, int width, int height);

/// A point on the screen: pixel position and reciprocal depth (0 when the point is not in front of the camera, and
/// then x and y are 0).
struct ScreenPoint
{
	float x, y, invDepth;
};

ScreenPoint ProjectPoint(const View& view, const float* p);
} // namespace surfax::render

#endif
