#include "host/render/projection.h"

#include "host/render/lighting.h"

#include <cmath>

namespace surfax::render
{
namespace
{
// The direction towards a light placed this far right of and above the camera, per unit towards it.
Vec3 LightDirection(const View& v, float right, float up)
{
	const Vec3 toCamera{-v.forward.x, -v.forward.y, -v.forward.z};
	return Normalized(Vec3{toCamera.x + right * v.right.x + up * v.up.x, toCamera.y + right * v.right.y + up * v.up.y,
	                       toCamera.z + right * v.right.z + up * v.up.z});
}
} // namespace

Vec3 Normalized(const Vec3& v)
{
	const float len = std::sqrt(Dot(v, v));
	return len > 0.0f ? Vec3{v.x / len, v.y / len, v.z / len} : Vec3{0.0f, 0.0f, 0.0f};
}

View MakeView(const Camera& camera, int width, int height)
{
	View v{};
	v.eye = {camera.eye[0], camera.eye[1], camera.eye[2]};
	const Vec3 target{camera.target[0], camera.target[1], camera.target[2]};
	v.forward = Normalized(Sub(target, v.eye));
	Vec3 worldUp{0.0f, 1.0f, 0.0f};
	if (std::fabs(Dot(v.forward, worldUp)) > 0.999f)
		worldUp = {0.0f, 0.0f, -1.0f};
	v.right = Normalized(Cross(v.forward, worldUp));
	v.up = Cross(v.right, v.forward);
	const float tanY = std::tan(camera.fovY * 0.5f);
	v.focalY = (static_cast<float>(height) * 0.5f) / tanY;
	v.focalX = v.focalY; // square pixels
	v.centreX = static_cast<float>(width) * 0.5f;
	v.centreY = static_cast<float>(height) * 0.5f;
	v.keyLight = LightDirection(v, kKeyLightRight, kKeyLightUp);
	v.fillLight = LightDirection(v, kFillLightRight, kFillLightUp);
	return v;
}

ScreenPoint ProjectPoint(const View& v, const float* p)
{
	const Vec3 d = Sub(Vec3{p[0], p[1], p[2]}, v.eye);
	const float z = Dot(d, v.forward);
	if (!(z > 0.0f))
		return {0.0f, 0.0f, 0.0f};
	const float inv = 1.0f / z;
	return {v.centreX + Dot(d, v.right) * inv * v.focalX, v.centreY - Dot(d, v.up) * inv * v.focalY, inv};
}
} // namespace surfax::render
