#include "host/render/rasterizer.h"

#include "host/core/color_space.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace surfax::render
{
namespace
{
constexpr float kPi = 3.14159265f;
constexpr float kFovY = kPreviewFovYDegrees * 3.14159265f / 180.0f;
constexpr float kFrameMargin = 1.08f;
// Lines and points count as this much nearer (relative to their distance) in the depth test.
constexpr float kLineDepthBias = 0.003f;
constexpr int kPointSize = 3;

struct Vec
{
	float x, y, z;
};

Vec Sub(const Vec& a, const Vec& b)
{
	return {a.x - b.x, a.y - b.y, a.z - b.z};
}
float DotV(const Vec& a, const Vec& b)
{
	return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec CrossV(const Vec& a, const Vec& b)
{
	return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec Normalized(const Vec& v)
{
	const float len = std::sqrt(DotV(v, v));
	return len > 0.0f ? Vec{v.x / len, v.y / len, v.z / len} : Vec{0.0f, 0.0f, 0.0f};
}

// The direction from the target towards the eye for the view's angles.
Vec ViewDirection(const ViewAngles& angles)
{
	// (degrees * pi) / 180 in this order: the default view's pictures keep their bytes.
	const float azimuth = angles.azimuth * kPi / 180.0f, elevation = angles.elevation * kPi / 180.0f;
	return {std::sin(azimuth) * std::cos(elevation), std::sin(elevation), std::cos(azimuth) * std::cos(elevation)};
}

// Camera basis and projection constants.
struct View
{
	Vec eye, right, up, forward;
	float focalX, focalY; // pixels per unit of x/z and y/z
	float centreX, centreY;
	Vec light; // towards the light, world space
};

View MakeView(const Camera& camera, int width, int height)
{
	View v{};
	v.eye = {camera.eye[0], camera.eye[1], camera.eye[2]};
	const Vec target{camera.target[0], camera.target[1], camera.target[2]};
	v.forward = Normalized(Sub(target, v.eye));
	Vec worldUp{0.0f, 1.0f, 0.0f};
	if (std::fabs(DotV(v.forward, worldUp)) > 0.999f)
		worldUp = {0.0f, 0.0f, -1.0f};
	v.right = Normalized(CrossV(v.forward, worldUp));
	v.up = CrossV(v.right, v.forward);
	const float tanY = std::tan(camera.fovY * 0.5f);
	v.focalY = (static_cast<float>(height) * 0.5f) / tanY;
	v.focalX = v.focalY; // square pixels
	v.centreX = static_cast<float>(width) * 0.5f;
	v.centreY = static_cast<float>(height) * 0.5f;
	// A key light above and to the left of the camera.
	const Vec toCamera{-v.forward.x, -v.forward.y, -v.forward.z};
	v.light = Normalized(Vec{toCamera.x + kKeyLightRight * v.right.x + kKeyLightUp * v.up.x,
	                         toCamera.y + kKeyLightRight * v.right.y + kKeyLightUp * v.up.y,
	                         toCamera.z + kKeyLightRight * v.right.z + kKeyLightUp * v.up.z});
	return v;
}

// A projected vertex: pixel position, reciprocal view depth (larger is nearer, 0 means behind the camera) and
// linear colour.
struct ScreenVertex
{
	float x, y, invDepth;
	float r, g, b;
};

ScreenVertex Project(const View& v, const float* p)
{
	const Vec d = Sub(Vec{p[0], p[1], p[2]}, v.eye);
	const float z = DotV(d, v.forward);
	ScreenVertex s{};
	if (!(z > 0.0f))
		return s;
	const float inv = 1.0f / z;
	s.x = v.centreX + DotV(d, v.right) * inv * v.focalX;
	s.y = v.centreY - DotV(d, v.up) * inv * v.focalY;
	s.invDepth = inv;
	return s;
}

class Target
{
public:
	Target(int width, int height, const std::uint8_t* background, io::Image& image)
	    : _width(width), _height(height), _image(image)
	{
		const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
		_image.width = width;
		_image.height = height;
		_image.rgba.resize(pixels * 4);
		for (std::size_t i = 0; i < pixels; ++i)
			std::copy(background, background + 4, &_image.rgba[i * 4]);
		_depth.assign(pixels, 0.0f);
		_linear.resize(pixels * 3);
	}

	// Writes the pixel's linear colour when depth (reciprocal) is nearer than what is there.
	void Plot(int x, int y, float invDepth, float r, float g, float b)
	{
		const std::size_t i =
		    static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) + static_cast<std::size_t>(x);
		if (!(invDepth > _depth[i]))
			return;
		_depth[i] = invDepth;
		float* px = &_linear[i * 3];
		px[0] = r;
		px[1] = g;
		px[2] = b;
	}

	// Encodes every drawn pixel to sRGB, opaque; the others keep the background.
	void Finish()
	{
		for (std::size_t i = 0; i < _depth.size(); ++i)
		{
			if (!(_depth[i] > 0.0f))
				continue;
			std::uint8_t* px = &_image.rgba[i * 4];
			for (std::size_t k = 0; k < 3; ++k)
				px[k] = core::LinearToSrgbByte(_linear[i * 3 + k]);
			px[3] = 255;
		}
	}

	void Triangle(ScreenVertex a, ScreenVertex b, ScreenVertex c)
	{
		if (!(a.invDepth > 0.0f && b.invDepth > 0.0f && c.invDepth > 0.0f))
			return;
		float area = Edge(a, b, c.x, c.y);
		if (!(std::fabs(area) > 1e-12f))
			return;
		if (area < 0.0f)
		{
			std::swap(b, c);
			area = -area;
		}
		const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
		const int x1 = std::min(_width - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
		const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
		const int y1 = std::min(_height - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
		if (x0 > x1 || y0 > y1)
			return;
		const float inv = 1.0f / area;
		// Edge functions step linearly; the top-left rule gives a pixel on a shared edge to one triangle only.
		const float bias0 = TopLeft(b, c) ? 0.0f : -1e-7f;
		const float bias1 = TopLeft(c, a) ? 0.0f : -1e-7f;
		const float bias2 = TopLeft(a, b) ? 0.0f : -1e-7f;
		for (int y = y0; y <= y1; ++y)
		{
			const float py = static_cast<float>(y) + 0.5f;
			for (int x = x0; x <= x1; ++x)
			{
				const float px = static_cast<float>(x) + 0.5f;
				const float w0 = Edge(b, c, px, py);
				const float w1 = Edge(c, a, px, py);
				const float w2 = Edge(a, b, px, py);
				if (w0 + bias0 < 0.0f || w1 + bias1 < 0.0f || w2 + bias2 < 0.0f)
					continue;
				const float l0 = w0 * inv, l1 = w1 * inv, l2 = w2 * inv;
				// The reciprocal depth is linear on the screen; colours are linear in space, so they are weighted by
				// it (perspective-correct interpolation).
				const float invDepth = l0 * a.invDepth + l1 * b.invDepth + l2 * c.invDepth;
				const float p0 = l0 * a.invDepth / invDepth, p1 = l1 * b.invDepth / invDepth,
				            p2 = l2 * c.invDepth / invDepth;
				Plot(x, y, invDepth, p0 * a.r + p1 * b.r + p2 * c.r, p0 * a.g + p1 * b.g + p2 * c.g,
				     p0 * a.b + p1 * b.b + p2 * c.b);
			}
		}
	}

	void Line(ScreenVertex a, ScreenVertex b)
	{
		if (!(a.invDepth > 0.0f && b.invDepth > 0.0f))
			return;
		// Clip to the image (Liang-Barsky) so the walk below is bounded by the image size.
		float t0 = 0.0f, t1 = 1.0f;
		const float dx = b.x - a.x, dy = b.y - a.y;
		const float w = static_cast<float>(_width), h = static_cast<float>(_height);
		if (!Clip(-dx, a.x, t0, t1) || !Clip(dx, w - a.x, t0, t1) || !Clip(-dy, a.y, t0, t1) ||
		    !Clip(dy, h - a.y, t0, t1))
			return;
		const ScreenVertex s = Lerp(a, b, t0);
		const ScreenVertex e = Lerp(a, b, t1);
		const float length = std::max(std::fabs(e.x - s.x), std::fabs(e.y - s.y));
		const int steps = std::max(1, static_cast<int>(std::ceil(length)));
		for (int i = 0; i <= steps; ++i)
		{
			const ScreenVertex p = Lerp(s, e, static_cast<float>(i) / static_cast<float>(steps));
			const int x = static_cast<int>(std::floor(p.x));
			const int y = static_cast<int>(std::floor(p.y));
			if (x >= 0 && x < _width && y >= 0 && y < _height)
				Plot(x, y, p.invDepth * (1.0f + kLineDepthBias), p.r, p.g, p.b);
		}
	}

	void Point(const ScreenVertex& p)
	{
		if (!(p.invDepth > 0.0f))
			return;
		const int cx = static_cast<int>(std::floor(p.x));
		const int cy = static_cast<int>(std::floor(p.y));
		for (int y = cy - kPointSize / 2; y <= cy + kPointSize / 2; ++y)
		{
			for (int x = cx - kPointSize / 2; x <= cx + kPointSize / 2; ++x)
			{
				if (x >= 0 && x < _width && y >= 0 && y < _height)
					Plot(x, y, p.invDepth * (1.0f + kLineDepthBias), p.r, p.g, p.b);
			}
		}
	}

private:
	static float Edge(const ScreenVertex& a, const ScreenVertex& b, float px, float py)
	{
		return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
	}
	// Exactly one of an edge and its reverse counts as top-left, so a pixel centre on an edge that two triangles
	// share is drawn by one of them.
	static bool TopLeft(const ScreenVertex& a, const ScreenVertex& b)
	{
		const float dx = b.x - a.x, dy = b.y - a.y;
		return (dy == 0.0f && dx < 0.0f) || dy > 0.0f;
	}
	static bool Clip(float p, float q, float& t0, float& t1)
	{
		if (p == 0.0f)
			return q >= 0.0f;
		const float t = q / p;
		if (p < 0.0f)
		{
			if (t > t1)
				return false;
			t0 = std::max(t0, t);
		}
		else
		{
			if (t < t0)
				return false;
			t1 = std::min(t1, t);
		}
		return true;
	}
	static ScreenVertex Lerp(const ScreenVertex& a, const ScreenVertex& b, float t)
	{
		return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.invDepth + (b.invDepth - a.invDepth) * t,
		        a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
	}

	int _width, _height;
	io::Image& _image;
	std::vector<float> _depth;  // reciprocal depth of what is drawn, 0 where nothing is
	std::vector<float> _linear; // linear r, g, b of what is drawn
};

// The linear colour of an item without vertex colours.
struct LinearColor
{
	float rgb[3];
};

LinearColor ItemLinearColor(const io::ExportItem& item)
{
	return {{core::SrgbToLinear(item.color[0]), core::SrgbToLinear(item.color[1]), core::SrgbToLinear(item.color[2])}};
}

// Vertex i of an item on the screen with its linear colour, lit by its normal (turned towards the eye) when normals
// are given. `itemColor` is the item's colour when it has no vertex colours.
ScreenVertex ProjectVertex(const View& view, const io::ExportItem& item, const float* normals,
                           const LinearColor& itemColor, std::size_t i)
{
	const float* p = &item.positions[i * 3];
	ScreenVertex s = Project(view, p);
	float rgb[3] = {itemColor.rgb[0], itemColor.rgb[1], itemColor.rgb[2]};
	if (!item.colors.empty())
	{
		for (std::size_t k = 0; k < 3; ++k)
			rgb[k] = core::SrgbToLinear(item.colors[i * 4 + k]);
	}
	float light = 1.0f;
	if (normals != nullptr)
	{
		const Vec n{normals[i * 3], normals[i * 3 + 1], normals[i * 3 + 2]};
		const float facing = DotV(n, Sub(view.eye, Vec{p[0], p[1], p[2]})) < 0.0f ? -1.0f : 1.0f;
		light = SurfaceLight(facing * DotV(n, view.light));
	}
	s.r = rgb[0] * light;
	s.g = rgb[1] * light;
	s.b = rgb[2] * light;
	return s;
}

// Vertices first .. first + count - 1 of an item projected into `out`.
void ProjectRange(const View& view, const io::ExportItem& item, const float* normals, std::size_t first,
                  std::size_t count, std::vector<ScreenVertex>& out)
{
	const LinearColor color = ItemLinearColor(item);
	out.resize(count);
	for (std::size_t i = 0; i < count; ++i)
		out[i] = ProjectVertex(view, item, normals, color, first + i);
}
} // namespace

Camera ThreeQuarterCamera(const io::Bounds& bounds, int width, int height)
{
	return OrbitCamera(bounds, width, height, ViewAngles{});
}

Camera OrbitCamera(const io::Bounds& bounds, int width, int height, const ViewAngles& view)
{
	Camera camera;
	camera.fovY = kFovY;
	float lo[3] = {-0.5f, -0.5f, -0.5f}, hi[3] = {0.5f, 0.5f, 0.5f};
	if (!bounds.empty)
	{
		const float size =
		    std::max({bounds.max[0] - bounds.min[0], bounds.max[1] - bounds.min[1], bounds.max[2] - bounds.min[2]});
		const float pad = size > 0.0f ? 0.0f : 0.5f;
		for (int k = 0; k < 3; ++k)
		{
			lo[k] = bounds.min[k] - pad;
			hi[k] = bounds.max[k] + pad;
		}
	}
	const Vec centre{(lo[0] + hi[0]) * 0.5f, (lo[1] + hi[1]) * 0.5f, (lo[2] + hi[2]) * 0.5f};
	const Vec dir = ViewDirection(view);
	const Vec forward{-dir.x, -dir.y, -dir.z};
	const Vec right = Normalized(CrossV(forward, Vec{0.0f, 1.0f, 0.0f}));
	const Vec up = CrossV(right, forward);
	const float tanY = std::tan(kFovY * 0.5f);
	const float tanX = tanY * static_cast<float>(std::max(width, 1)) / static_cast<float>(std::max(height, 1));
	Vec corners[8];
	for (int k = 0; k < 8; ++k)
		corners[k] = Vec{k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2]};
	// The nearest distance from the aim point at which every corner projects inside the (slightly shrunk) image,
	// and never so near that a corner could be behind the camera.
	auto fit = [&](const Vec& aim)
	{
		float distance = 0.0f, radius = 0.0f;
		for (const Vec& p : corners)
		{
			const Vec d = Sub(p, aim);
			radius = std::max(radius, std::sqrt(DotV(d, d)));
			const float depth = DotV(d, forward);
			distance = std::max(distance, std::fabs(DotV(d, right)) * kFrameMargin / tanX - depth);
			distance = std::max(distance, std::fabs(DotV(d, up)) * kFrameMargin / tanY - depth);
		}
		return std::max(distance, radius * 1.05f);
	};
	if (view.distance > 0.0f)
	{
		camera.target[0] = centre.x;
		camera.target[1] = centre.y;
		camera.target[2] = centre.z;
		camera.eye[0] = centre.x + dir.x * view.distance;
		camera.eye[1] = centre.y + dir.y * view.distance;
		camera.eye[2] = centre.z + dir.z * view.distance;
		return camera;
	}
	// Perspective draws the near corners larger, so the bounds' centre is not the picture's: move the aim point
	// across the view until the projected corners sit in the middle of the image.
	Vec aim = centre;
	for (int pass = 0; pass < 3; ++pass)
	{
		const float distance = fit(aim);
		const Vec eye{aim.x + dir.x * distance, aim.y + dir.y * distance, aim.z + dir.z * distance};
		float loX = 0.0f, hiX = 0.0f, loY = 0.0f, hiY = 0.0f;
		for (int k = 0; k < 8; ++k)
		{
			const Vec d = Sub(corners[k], eye);
			const float z = DotV(d, forward);
			const float x = DotV(d, right) / (z * tanX), y = DotV(d, up) / (z * tanY);
			loX = k == 0 ? x : std::min(loX, x);
			hiX = k == 0 ? x : std::max(hiX, x);
			loY = k == 0 ? y : std::min(loY, y);
			hiY = k == 0 ? y : std::max(hiY, y);
		}
		const float shiftX = (loX + hiX) * 0.5f * tanX * distance, shiftY = (loY + hiY) * 0.5f * tanY * distance;
		aim = Vec{aim.x + right.x * shiftX + up.x * shiftY, aim.y + right.y * shiftX + up.y * shiftY,
		          aim.z + right.z * shiftX + up.z * shiftY};
	}
	const float distance = fit(aim);
	camera.target[0] = aim.x;
	camera.target[1] = aim.y;
	camera.target[2] = aim.z;
	camera.eye[0] = aim.x + dir.x * distance;
	camera.eye[1] = aim.y + dir.y * distance;
	camera.eye[2] = aim.z + dir.z * distance;
	return camera;
}

bool RenderScene(const io::ExportScene& scene, const RenderOptions& options, io::Image& out, std::string& error)
{
	return RenderSceneWithCamera(
	    scene, OrbitCamera(io::SceneBounds(scene), options.width, options.height, options.view), options, out, error);
}

bool RenderSceneWithCamera(const io::ExportScene& scene, const Camera& camera, const RenderOptions& options,
                           io::Image& out, std::string& error)
{
	out = io::Image();
	if (options.width < 1 || options.height < 1 || options.width > kMaxPreviewSide || options.height > kMaxPreviewSide)
	{
		error = "preview size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
		        " is outside 1x1 to " + std::to_string(kMaxPreviewSide) + "x" + std::to_string(kMaxPreviewSide);
		return false;
	}
	try
	{
		Target target(options.width, options.height, options.background, out);
		const View view = MakeView(camera, options.width, options.height);
		std::vector<ScreenVertex> projected;
		for (const io::ExportMesh& m : scene.meshes)
		{
			ProjectRange(view, m, m.normals.size() == m.positions.size() ? m.normals.data() : nullptr, 0,
			             m.VertexCount(), projected);
			const std::size_t count = projected.size();
			for (std::size_t t = 0; t + 2 < m.indices.size(); t += 3)
			{
				const std::uint32_t a = m.indices[t], b = m.indices[t + 1], c = m.indices[t + 2];
				if (a < count && b < count && c < count)
					target.Triangle(projected[a], projected[b], projected[c]);
			}
		}
		// Lines are projected a strip at a time, so the buffer holds one strip, not every curve of a grid.
		for (const io::ExportLines& l : scene.lines)
		{
			std::size_t first = 0;
			for (const std::uint32_t strip : l.stripCounts)
			{
				const std::size_t count =
				    std::min<std::size_t>(strip, l.VertexCount() - std::min(first, l.VertexCount()));
				ProjectRange(view, l, nullptr, first, count, projected);
				for (std::size_t k = 0; k + 1 < count; ++k)
					target.Line(projected[k], projected[k + 1]);
				first += strip;
			}
		}
		// Points need no neighbours: each is projected as it is drawn, so a million of them need no buffer.
		for (const io::ExportPoints& p : scene.points)
		{
			const LinearColor color = ItemLinearColor(p);
			for (std::size_t i = 0; i < p.VertexCount(); ++i)
				target.Point(ProjectVertex(view, p, nullptr, color, i));
		}
		target.Finish();
		return true;
	}
	catch (const std::bad_alloc&)
	{
		out = io::Image();
		error = "out of memory while rendering the preview";
		return false;
	}
}
} // namespace surfax::render
