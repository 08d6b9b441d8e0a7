#include "host/render/rasterizer.h"

#include "host/core/color_space.h"
#include "host/render/annotation_overlay.h"
#include "host/render/projection.h"
#include "host/render/sample_target.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <tuple>
#include <vector>

namespace surfax::render
{
namespace
{
constexpr float kPi = 3.14159265f;
constexpr float kFovY = kPreviewFovYDegrees * 3.14159265f / 180.0f;
constexpr float kFrameMargin = 1.08f;
// The side of a point's square at 800 x 600, in pixels.
constexpr float kPointSize = 3.0f;

// The direction from the target towards the eye for the view's angles.
Vec3 ViewDirection(const ViewAngles& angles)
{
	// (degrees * pi) / 180 in this order: the default view's pictures keep their bytes.
	const float azimuth = angles.azimuth * kPi / 180.0f, elevation = angles.elevation * kPi / 180.0f;
	return {std::sin(azimuth) * std::cos(elevation), std::sin(elevation), std::cos(azimuth) * std::cos(elevation)};
}

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
	const ScreenPoint at = ProjectPoint(view, p);
	ScreenVertex s{at.x, at.y, at.invDepth, 0.0f, 0.0f, 0.0f};
	float rgb[3] = {itemColor.rgb[0], itemColor.rgb[1], itemColor.rgb[2]};
	if (!item.colors.empty())
	{
		for (std::size_t k = 0; k < 3; ++k)
			rgb[k] = core::SrgbToLinear(item.colors[i * 4 + k]);
	}
	float light = 1.0f, shine = 0.0f;
	if (normals != nullptr)
	{
		const Vec3 toEye = Sub(view.eye, Vec3{p[0], p[1], p[2]});
		const Vec3 given{normals[i * 3], normals[i * 3 + 1], normals[i * 3 + 2]};
		const float facing = Dot(given, toEye) < 0.0f ? -1.0f : 1.0f;
		const Vec3 n{given.x * facing, given.y * facing, given.z * facing};
		const float keyCosine = Dot(n, view.keyLight), fillCosine = Dot(n, view.fillLight);
		light = SurfaceLight(keyCosine, fillCosine);
		const Vec3 v = Normalized(toEye);
		for (const auto& [direction, intensity, cosine] :
		     {std::tuple{view.keyLight, kKeyLight, keyCosine}, std::tuple{view.fillLight, kFillLight, fillCosine}})
		{
			const Vec3 h = Normalized(Vec3{direction.x + v.x, direction.y + v.y, direction.z + v.z});
			shine += SpecularLight(intensity, cosine, Dot(n, h), Dot(v, h));
		}
	}
	s.r = rgb[0] * light + shine;
	s.g = rgb[1] * light + shine;
	s.b = rgb[2] * light + shine;
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

// How far (pixels) a vertex of a line strip may lie from the segment drawn instead of it, and how much its reciprocal
// depth may differ from the segment's there (relative: well below the lines' depth bias). A run of kept vertices is
// at most kMaxStripRun long, so the check stays cheap.
constexpr float kStripTolerance = 1.0f / 16.0f;
constexpr float kStripDepthTolerance = 1.0f / 4096.0f;
constexpr std::size_t kMaxStripRun = 32;

// Whether every vertex strictly between first and last lies on the segment first-last, as the tolerances above allow.
bool RunIsStraight(const std::vector<ScreenVertex>& v, std::size_t first, std::size_t last)
{
	const ScreenVertex& a = v[first];
	const ScreenVertex& b = v[last];
	const float dx = b.x - a.x, dy = b.y - a.y;
	const float lengthSquared = dx * dx + dy * dy;
	for (std::size_t k = first + 1; k < last; ++k)
	{
		const float px = v[k].x - a.x, py = v[k].y - a.y;
		const float along = px * dx + py * dy;
		if (!(lengthSquared > 0.0f) || along < 0.0f || along > lengthSquared)
			return false;
		const float cross = px * dy - py * dx;
		if (cross * cross > kStripTolerance * kStripTolerance * lengthSquared)
			return false;
		const float t = along / lengthSquared;
		const float depth = a.invDepth + (b.invDepth - a.invDepth) * t;
		if (std::fabs(v[k].invDepth - depth) > kStripDepthTolerance * v[k].invDepth)
			return false;
	}
	return true;
}

// Keeps the vertices of a projected strip of one colour that the picture needs: a curve sampled more densely than the
// picture shows (a grid at a high resolution) is drawn with fewer, longer segments that run within kStripTolerance
// of every vertex left out. Vertices behind the camera are kept, and so are their neighbours.
void SimplifyStrip(std::vector<ScreenVertex>& v)
{
	if (v.size() < 3)
		return;
	std::size_t kept = 0; // v[0..kept] are the vertices kept so far
	std::size_t anchor = 0;
	for (std::size_t k = 2; k < v.size(); ++k)
	{
		const bool visible = v[anchor].invDepth > 0.0f && v[k - 1].invDepth > 0.0f && v[k].invDepth > 0.0f;
		if (visible && k - anchor <= kMaxStripRun && RunIsStraight(v, anchor, k))
			continue;
		v[++kept] = v[k - 1];
		anchor = k - 1;
	}
	v[++kept] = v.back();
	v.resize(kept + 1);
}

// Per mesh of the scene: whether it is text, that is its node is one of the annotations' text nodes or lies below
// one.
std::vector<bool> TextMeshes(const io::ExportScene& scene, const ChartAnnotations* annotations)
{
	std::vector<bool> textNode(scene.nodes.size(), false);
	if (annotations != nullptr)
	{
		for (const std::int32_t node : annotations->textNodes)
		{
			if (node >= 0 && static_cast<std::size_t>(node) < textNode.size())
				textNode[static_cast<std::size_t>(node)] = true;
		}
	}
	// Parents come before their children, so one pass in order carries the mark down the tree.
	for (std::size_t n = 0; n < scene.nodes.size(); ++n)
	{
		const std::int32_t parent = scene.nodes[n].parent;
		if (parent >= 0 && static_cast<std::size_t>(parent) < n && textNode[static_cast<std::size_t>(parent)])
			textNode[n] = true;
	}
	std::vector<bool> text(scene.meshes.size(), false);
	for (std::size_t m = 0; m < scene.meshes.size(); ++m)
	{
		const std::int32_t node = scene.meshes[m].node;
		text[m] =
		    node >= 0 && static_cast<std::size_t>(node) < textNode.size() && textNode[static_cast<std::size_t>(node)];
	}
	return text;
}

// Draws every item of the scene into the target: meshes, then lines a strip at a time, then points.
void DrawScene(const io::ExportScene& scene, const View& view, const RenderOptions& options, SampleTarget& target)
{
	std::vector<ScreenVertex> projected;
	const std::vector<bool> text = TextMeshes(scene, options.annotations);
	for (std::size_t n = 0; n < scene.meshes.size(); ++n)
	{
		const io::ExportMesh& m = scene.meshes[n];
		ProjectRange(view, m, m.normals.size() == m.positions.size() ? m.normals.data() : nullptr, 0, m.VertexCount(),
		             projected);
		const std::size_t count = projected.size();
		for (std::size_t t = 0; t + 2 < m.indices.size(); t += 3)
		{
			const std::uint32_t a = m.indices[t], b = m.indices[t + 1], c = m.indices[t + 2];
			if (a < count && b < count && c < count)
				target.Triangle(projected[a], projected[b], projected[c], text[n]);
		}
	}
	// Lines are projected a strip at a time, so the buffer holds one strip, not every curve of a grid.
	const float lineWidth =
	    options.lineWidth > 0.0f ? options.lineWidth : DefaultLineWidth(options.width, options.height);
	for (const io::ExportLines& l : scene.lines)
	{
		std::size_t first = 0;
		for (const std::uint32_t strip : l.stripCounts)
		{
			const std::size_t count = std::min<std::size_t>(strip, l.VertexCount() - std::min(first, l.VertexCount()));
			ProjectRange(view, l, nullptr, first, count, projected);
			if (l.colors.empty())
				SimplifyStrip(projected);
			target.BeginStrip(lineWidth);
			for (std::size_t k = 0; k + 1 < projected.size(); ++k)
				target.Segment(projected[k], projected[k + 1]);
			target.EndStrip();
			first += strip;
		}
	}
	// Points need no neighbours: each is projected as it is drawn, so a million of them need no buffer.
	const float pointSide = kPointSize * std::max(0.5f, PictureScale(options.width, options.height));
	for (const io::ExportPoints& p : scene.points)
	{
		const LinearColor color = ItemLinearColor(p);
		for (std::size_t i = 0; i < p.VertexCount(); ++i)
			target.Point(ProjectVertex(view, p, nullptr, color, i), pointSide);
	}
}
} // namespace

float PictureScale(int width, int height)
{
	return std::min(static_cast<float>(width) / static_cast<float>(kDefaultPreviewWidth),
	                static_cast<float>(height) / static_cast<float>(kDefaultPreviewHeight));
}

float DefaultLineWidth(int width, int height)
{
	return std::max(0.5f, PictureScale(width, height));
}

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
	const Vec3 centre{(lo[0] + hi[0]) * 0.5f, (lo[1] + hi[1]) * 0.5f, (lo[2] + hi[2]) * 0.5f};
	const Vec3 dir = ViewDirection(view);
	const Vec3 forward{-dir.x, -dir.y, -dir.z};
	const Vec3 right = Normalized(Cross(forward, Vec3{0.0f, 1.0f, 0.0f}));
	const Vec3 up = Cross(right, forward);
	const float tanY = std::tan(kFovY * 0.5f);
	const float tanX = tanY * static_cast<float>(std::max(width, 1)) / static_cast<float>(std::max(height, 1));
	Vec3 corners[8];
	for (int k = 0; k < 8; ++k)
		corners[k] = Vec3{k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2]};
	// The nearest distance from the aim point at which every corner projects inside the (slightly shrunk) image,
	// and never so near that a corner could be behind the camera.
	auto fit = [&](const Vec3& aim)
	{
		float distance = 0.0f, radius = 0.0f;
		for (const Vec3& p : corners)
		{
			const Vec3 d = Sub(p, aim);
			radius = std::max(radius, std::sqrt(Dot(d, d)));
			const float depth = Dot(d, forward);
			distance = std::max(distance, std::fabs(Dot(d, right)) * kFrameMargin / tanX - depth);
			distance = std::max(distance, std::fabs(Dot(d, up)) * kFrameMargin / tanY - depth);
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
	Vec3 aim = centre;
	for (int pass = 0; pass < 3; ++pass)
	{
		const float distance = fit(aim);
		const Vec3 eye{aim.x + dir.x * distance, aim.y + dir.y * distance, aim.z + dir.z * distance};
		float loX = 0.0f, hiX = 0.0f, loY = 0.0f, hiY = 0.0f;
		for (int k = 0; k < 8; ++k)
		{
			const Vec3 d = Sub(corners[k], eye);
			const float z = Dot(d, forward);
			const float x = Dot(d, right) / (z * tanX), y = Dot(d, up) / (z * tanY);
			loX = k == 0 ? x : std::min(loX, x);
			hiX = k == 0 ? x : std::max(hiX, x);
			loY = k == 0 ? y : std::min(loY, y);
			hiY = k == 0 ? y : std::max(hiY, y);
		}
		const float shiftX = (loX + hiX) * 0.5f * tanX * distance, shiftY = (loY + hiY) * 0.5f * tanY * distance;
		aim = Vec3{aim.x + right.x * shiftX + up.x * shiftY, aim.y + right.y * shiftX + up.y * shiftY,
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
	if (!(options.lineWidth >= 0.0f && options.lineWidth <= kMaxLineWidth))
	{
		error = "line width " + std::to_string(options.lineWidth) + " is outside 0 to " +
		        std::to_string(static_cast<int>(kMaxLineWidth)) + " pixels";
		return false;
	}
	try
	{
		const View view = MakeView(camera, options.width, options.height);
		CoverageMaps maps;
		{
			const std::unique_ptr<SampleTarget> target =
			    SampleTarget::Make(options.samples, options.width, options.height);
			DrawScene(scene, view, options, *target);
			target->Resolve(options.background, out, maps);
		}
		if (options.annotations != nullptr)
		{
			// The chart's bounds place the key; the rest needs none.
			const io::Bounds bounds = options.annotations->key.Present() ? io::SceneBounds(scene) : io::Bounds();
			DrawAnnotations(*options.annotations, view, bounds, maps, out);
		}
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
