#include "host/render/annotation_overlay.h"

#include "host/core/color_space.h"
#include "host/render/coverage_mask.h"
#include "host/render/overlay_text.h"

#include <algorithm>
#include <cmath>

namespace surfax::render
{
namespace
{
// How strongly a halo darkens (or lightens) what lies under it, and its radius in pixels at 800 x 600.
constexpr float kHaloOpacity = 0.78f;
constexpr float kHaloRadius = 1.5f;
// Above this linear luminance text counts as light and gets a dark halo; below it a light one.
constexpr float kLightText = 0.18f;
TextStyle StyleOf(const ChartAnnotations& annotations, const CoverageMaps& maps, float scale)
{
	TextStyle style;
	style.face = annotations.hasFont ? &annotations.font : nullptr;
	float luminance = 0.0f;
	constexpr float kWeights[3] = {0.2126f, 0.7152f, 0.0722f};
	for (int k = 0; k < 3; ++k)
	{
		style.color[k] = std::clamp(annotations.textColor[static_cast<std::size_t>(k)], 0.0f, 1.0f);
		luminance += kWeights[k] * core::SrgbToLinear(style.color[k]);
	}
	const float halo = luminance > kLightText ? 0.0f : 1.0f;
	style.halo[0] = style.halo[1] = style.halo[2] = halo;
	style.haloRadius = std::max(1.0f, kHaloRadius * scale);
	style.maps = &maps;
	return style;
}

// The halo of the text the rasteriser drew (the 3D labels), over the chart only.
void HaloBehindRenderedText(const TextStyle& style, io::Image& image)
{
	const CoverageMaps& maps = *style.maps;
	int x0 = maps.width, y0 = maps.height, x1 = -1, y1 = -1;
	for (int y = 0; y < maps.height; ++y)
	{
		for (int x = 0; x < maps.width; ++x)
		{
			if (maps.text[static_cast<std::size_t>(y) * static_cast<std::size_t>(maps.width) +
			              static_cast<std::size_t>(x)] == 0)
				continue;
			x0 = std::min(x0, x);
			y0 = std::min(y0, y);
			x1 = std::max(x1, x);
			y1 = std::max(y1, y);
		}
	}
	if (x1 < 0)
		return;
	CoverageMask text;
	text.left = x0;
	text.top = y0;
	text.width = x1 - x0 + 1;
	text.height = y1 - y0 + 1;
	text.coverage.resize(static_cast<std::size_t>(text.width) * static_cast<std::size_t>(text.height));
	for (int y = 0; y < text.height; ++y)
	{
		for (int x = 0; x < text.width; ++x)
			text.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(text.width) +
			              static_cast<std::size_t>(x)] =
			    static_cast<float>(maps.text[static_cast<std::size_t>(y + y0) * static_cast<std::size_t>(maps.width) +
			                                 static_cast<std::size_t>(x + x0)]) /
			    255.0f;
	}
	// Where the text itself covers a pixel its own colour stays: only the rest of the pixel is darkened.
	CoverageMask halo = Halo(text, style.haloRadius);
	for (int y = 0; y < text.height; ++y)
	{
		for (int x = 0; x < text.width; ++x)
		{
			float& h =
			    halo.coverage[static_cast<std::size_t>(y + text.top - halo.top) * static_cast<std::size_t>(halo.width) +
			                  static_cast<std::size_t>(x + text.left - halo.left)];
			h *= 1.0f - text.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(text.width) +
			                          static_cast<std::size_t>(x)];
		}
	}
	BlendMask(image, halo, style.halo, kHaloOpacity, &maps.geometry);
}

void DrawAxisNames(const ChartAnnotations& annotations, const TextStyle& style, const View& view, float scale,
                   io::Image& image)
{
	for (const AxisName& name : annotations.axisNames)
	{
		const ScreenPoint from = ProjectPoint(view, name.from.data());
		const ScreenPoint to = ProjectPoint(view, name.to.data());
		if (!(from.invDepth > 0.0f && to.invDepth > 0.0f) || name.text.empty())
			continue;
		// As large as a label of that height appears at the edge's end.
		const float pixels =
		    std::clamp(name.textHeight * view.focalY * to.invDepth, kMinTextPixels, 64.0f * std::max(scale, 0.5f));
		fonts::TextOutline text;
		if (!LayoutText(*style.face, name.text, pixels, text) || text.points.empty())
			continue;
		float dx = to.x - from.x, dy = to.y - from.y;
		const float length = std::sqrt(dx * dx + dy * dy);
		dx = length > 1e-3f ? dx / length : 0.0f;
		dy = length > 1e-3f ? dy / length : -1.0f;
		// Centred beyond the end, far enough that its box clears it by half a text height.
		const float halfWidth = static_cast<float>(text.max.x - text.min.x) * 0.5f;
		const float halfHeight = static_cast<float>(text.max.y - text.min.y) * 0.5f;
		const float distance = pixels * 0.5f + halfWidth * std::fabs(dx) + halfHeight * std::fabs(dy);
		const float cx = to.x + dx * distance, cy = to.y + dy * distance;
		DrawText(style, text, cx - static_cast<float>(text.min.x + text.max.x) * 0.5f,
		         cy - static_cast<float>(text.min.y + text.max.y) * 0.5f, image);
	}
}

// The chart's projected bounds in pixels, or the whole picture when a corner is behind the camera.
void ChartRect(const View& view, const io::Bounds& bounds, int width, int height, float rect[4])
{
	rect[0] = 0.0f;
	rect[1] = 0.0f;
	rect[2] = static_cast<float>(width);
	rect[3] = static_cast<float>(height);
	if (bounds.empty)
		return;
	float lo[2] = {1e30f, 1e30f}, hi[2] = {-1e30f, -1e30f};
	for (int k = 0; k < 8; ++k)
	{
		const float corner[3] = {k & 1 ? bounds.max[0] : bounds.min[0], k & 2 ? bounds.max[1] : bounds.min[1],
		                         k & 4 ? bounds.max[2] : bounds.min[2]};
		const ScreenPoint p = ProjectPoint(view, corner);
		if (!(p.invDepth > 0.0f))
			return;
		lo[0] = std::min(lo[0], p.x);
		lo[1] = std::min(lo[1], p.y);
		hi[0] = std::max(hi[0], p.x);
		hi[1] = std::max(hi[1], p.y);
	}
	rect[0] = std::clamp(lo[0], 0.0f, static_cast<float>(width));
	rect[1] = std::clamp(lo[1], 0.0f, static_cast<float>(height));
	rect[2] = std::clamp(hi[0], 0.0f, static_cast<float>(width));
	rect[3] = std::clamp(hi[1], 0.0f, static_cast<float>(height));
}
} // namespace

void DrawText(const TextStyle& style, const fonts::TextOutline& text, float x, float y, io::Image& image)
{
	CoverageMask mask;
	FillOutline(text, x, y, mask);
	if (mask.Empty())
		return;
	BlendMask(image, Halo(mask, style.haloRadius), style.halo, kHaloOpacity, &style.maps->geometry);
	BlendMask(image, mask, style.color, 1.0f);
}

KeyPlacement DrawAnnotations(const ChartAnnotations& annotations, const View& view, const io::Bounds& chartBounds,
                             const CoverageMaps& maps, io::Image& image)
{
	const float scale = PictureScale(image.width, image.height);
	const TextStyle style = StyleOf(annotations, maps, scale);
	HaloBehindRenderedText(style, image);
	if (style.face != nullptr)
		DrawAxisNames(annotations, style, view, scale, image);
	if (!annotations.key.Present())
		return KeyPlacement();
	float chart[4];
	ChartRect(view, chartBounds, image.width, image.height, chart);
	return DrawColorKey(annotations.key, style, chart, scale, image);
}
} // namespace surfax::render
