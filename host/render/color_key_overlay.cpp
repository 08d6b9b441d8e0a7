// The colour key over the preview (annotation_overlay.h): where it goes and how it is drawn.
#include "host/core/color_space.h"
#include "host/render/coverage_mask.h"
#include "host/render/overlay_text.h"

#include <algorithm>
#include <cmath>

namespace surfax::render
{
namespace
{
// Sizes at 800 x 600 in pixels: the text (to the em), the bar's thickness, the marks' depth, gaps and the margin
// from the picture's edge. Each scales with the picture and has a floor for small ones.
constexpr float kKeyTextPixels = 13.0f;
constexpr float kBarThickness = 10.0f;
constexpr float kMarkDepth = 6.0f;
constexpr float kGap = 4.0f;
constexpr float kMargin = 14.0f;
// The bar's length as a share of the picture's width (horizontal) or height (vertical).
constexpr float kHorizontalShare = 0.3f;
constexpr float kVerticalShare = 0.4f;
// How visible the frame around the bar is.
constexpr float kFrameOpacity = 0.55f;

int Scaled(float pixels, float scale, float least)
{
	return static_cast<int>(std::lround(std::max(least, pixels * scale)));
}

// The key's texts laid out, with what their placing needs.
struct KeyTexts
{
	fonts::TextOutline low, high, title;
	float ascent = 0.0f, descent = 0.0f; // of the numbers' row, from its baseline (pixels)
	float numbersWidth = 0.0f;           // of the wider number

	bool Has(const fonts::TextOutline& text) const { return !text.points.empty(); }
};

float Width(const fonts::TextOutline& text)
{
	return text.points.empty() ? 0.0f : static_cast<float>(text.max.x - text.min.x);
}

KeyTexts LayoutKeyTexts(const ColorKey& key, const TextStyle& style, float pixels)
{
	KeyTexts t;
	if (style.face == nullptr)
		return t;
	LayoutText(*style.face, key.lowText, pixels, t.low);
	LayoutText(*style.face, key.highText, pixels, t.high);
	LayoutText(*style.face, key.title, pixels, t.title);
	for (const fonts::TextOutline* number : {&t.low, &t.high})
	{
		if (number->points.empty())
			continue;
		t.ascent = std::max(t.ascent, static_cast<float>(-number->min.y));
		t.descent = std::max(t.descent, static_cast<float>(number->max.y));
		t.numbersWidth = std::max(t.numbersWidth, Width(*number));
	}
	return t;
}

// The key's frame of reference in the picture: the bar and which way it runs.
struct KeyLayout
{
	bool vertical = false;
	int barX0 = 0, barY0 = 0, barX1 = 0, barY1 = 0; // the bar, x1 and y1 exclusive
	int markDepth = 0, gap = 0;
	KeyPlacement placement;
};

// The bar across a band at the top (or the bottom) of the picture, ending at its right margin.
KeyLayout Horizontal(const KeyTexts& t, int width, int height, float scale, bool atTop, float textPixels)
{
	KeyLayout k;
	k.markDepth = Scaled(kMarkDepth, scale, 3.0f);
	k.gap = Scaled(kGap, scale, 2.0f);
	const int margin = Scaled(kMargin, scale, 4.0f), thickness = Scaled(kBarThickness, scale, 4.0f);
	const int titleWidth = static_cast<int>(std::ceil(Width(t.title))) + (t.Has(t.title) ? 2 * k.gap : 0);
	const int longest = width - 2 * margin - titleWidth;
	const int length = std::min(longest, std::max(static_cast<int>(6.0f * textPixels),
	                                              static_cast<int>(std::lround(kHorizontalShare * width))));
	const int below = t.ascent + t.descent > 0.0f ? k.gap + static_cast<int>(std::ceil(t.ascent + t.descent)) : 0;
	k.barX1 = width - margin;
	k.barX0 = k.barX1 - std::max(length, 2);
	k.barY0 = atTop ? margin + k.markDepth : height - margin - below - thickness;
	k.barY1 = k.barY0 + thickness;
	k.placement = {k.barX0 - titleWidth, k.barY0 - k.markDepth, k.barX1, k.barY1 + below, false};
	return k;
}

// The bar down the right side, high end up, its numbers to its right.
KeyLayout Vertical(const KeyTexts& t, int width, int height, float scale, float textPixels)
{
	KeyLayout k;
	k.vertical = true;
	k.markDepth = Scaled(kMarkDepth, scale, 3.0f);
	k.gap = Scaled(kGap, scale, 2.0f);
	const int margin = Scaled(kMargin, scale, 4.0f), thickness = Scaled(kBarThickness, scale, 4.0f);
	const int numbers = t.numbersWidth > 0.0f ? k.gap + static_cast<int>(std::ceil(t.numbersWidth)) : 0;
	const int above = t.Has(t.title) ? 2 * k.gap + static_cast<int>(std::ceil(t.title.max.y - t.title.min.y)) : 0;
	const int length = std::min(height - 2 * margin - above, std::max(static_cast<int>(6.0f * textPixels),
	                                                                  static_cast<int>(kVerticalShare * height)));
	k.barX1 = width - margin - numbers;
	k.barX0 = k.barX1 - thickness;
	k.barY0 = (height - std::max(length, 2) + above) / 2;
	k.barY1 = k.barY0 + std::max(length, 2);
	k.placement = {k.barX0 - k.markDepth, k.barY0 - above, width - margin, k.barY1, true};
	return k;
}

// The first layout whose box stays clear of the chart's projected bounds; the top band over the chart otherwise.
KeyLayout PlaceKey(const KeyTexts& t, const float chart[4], int width, int height, float scale, float textPixels)
{
	const KeyLayout top = Horizontal(t, width, height, scale, true, textPixels);
	if (top.placement.y1 <= chart[1])
		return top;
	const KeyLayout bottom = Horizontal(t, width, height, scale, false, textPixels);
	if (bottom.placement.y0 >= chart[3])
		return bottom;
	const KeyLayout side = Vertical(t, width, height, scale, textPixels);
	if (side.placement.x0 >= chart[2] && side.barY0 >= 0)
		return side;
	return top;
}

// The key's colour at t (0 at the low end, 1 at the high end), linear, interpolated between its colours in linear
// light as the surface interpolates its vertex colours.
void ColorAt(const ColorKey& key, float t, float out[3])
{
	const float at = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(key.colors.size() - 1);
	const std::size_t i = std::min(static_cast<std::size_t>(at), key.colors.size() - 2);
	const float f = at - static_cast<float>(i);
	for (std::size_t k = 0; k < 3; ++k)
	{
		const float a = core::SrgbToLinear(key.colors[i][k]), b = core::SrgbToLinear(key.colors[i + 1][k]);
		out[k] = a + (b - a) * f;
	}
}

void FillBar(const ColorKey& key, const KeyLayout& k, io::Image& image)
{
	const int length = k.vertical ? k.barY1 - k.barY0 : k.barX1 - k.barX0;
	for (int y = std::max(0, k.barY0); y < std::min(image.height, k.barY1); ++y)
	{
		for (int x = std::max(0, k.barX0); x < std::min(image.width, k.barX1); ++x)
		{
			const float along =
			    k.vertical ? static_cast<float>(k.barY1 - y) - 0.5f : static_cast<float>(x - k.barX0) + 0.5f;
			float linear[3];
			ColorAt(key, along / static_cast<float>(length), linear);
			std::uint8_t* px = &image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
			                                static_cast<std::size_t>(x)) *
			                               4];
			for (int c = 0; c < 3; ++c)
				px[c] = core::LinearToSrgbByte(linear[c]);
			px[3] = 255;
		}
	}
}

void AddContour(fonts::TextOutline& shape, std::initializer_list<fonts::Point2> points)
{
	for (const fonts::Point2& p : points)
	{
		shape.min = shape.points.empty() ? p : fonts::Point2{std::min(shape.min.x, p.x), std::min(shape.min.y, p.y)};
		shape.max = shape.points.empty() ? p : fonts::Point2{std::max(shape.max.x, p.x), std::max(shape.max.y, p.y)};
		shape.points.push_back(p);
	}
	shape.contourSizes.push_back(static_cast<int>(points.size()));
}

// A thin frame around the bar, and a triangle pointing at each mark.
void DrawFrameAndMarks(const ColorKey& key, const KeyLayout& k, const TextStyle& style, float scale, io::Image& image)
{
	fonts::TextOutline frame;
	const double x0 = k.barX0, y0 = k.barY0, x1 = k.barX1, y1 = k.barY1, w = std::max(1.0f, scale);
	AddContour(frame, {{x0 - w, y0 - w}, {x1 + w, y0 - w}, {x1 + w, y1 + w}, {x0 - w, y1 + w}});
	AddContour(frame, {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}});
	CoverageMask mask;
	FillOutline(frame, 0.0f, 0.0f, mask);
	BlendMask(image, mask, style.color, kFrameOpacity);
	fonts::TextOutline marks;
	const double span = key.high - key.low;
	const double depth = k.markDepth, half = k.markDepth * 0.6;
	for (const double value : key.marks)
	{
		const double t = span > 0.0 ? std::clamp((value - key.low) / span, 0.0, 1.0) : 0.5;
		if (k.vertical)
		{
			const double y = y1 - t * (y1 - y0);
			AddContour(marks, {{x0 - depth - w, y - half}, {x0 - w, y}, {x0 - depth - w, y + half}});
		}
		else
		{
			const double x = x0 + t * (x1 - x0);
			AddContour(marks, {{x - half, y0 - depth - w}, {x + half, y0 - depth - w}, {x, y0 - w}});
		}
	}
	FillOutline(marks, 0.0f, 0.0f, mask);
	BlendMask(image, mask, style.color, 1.0f);
}

void DrawKeyTexts(const KeyTexts& t, const KeyLayout& k, const TextStyle& style, io::Image& image)
{
	const auto centreY = [](const fonts::TextOutline& text, float y)
	{ return y - static_cast<float>(text.min.y + text.max.y) * 0.5f; };
	if (k.vertical)
	{
		const float x = static_cast<float>(k.barX1 + k.gap);
		DrawText(style, t.high, x - static_cast<float>(t.high.min.x), centreY(t.high, static_cast<float>(k.barY0)),
		         image);
		DrawText(style, t.low, x - static_cast<float>(t.low.min.x), centreY(t.low, static_cast<float>(k.barY1)), image);
		const float middle = static_cast<float>(k.barX0 + k.barX1) * 0.5f;
		DrawText(style, t.title, middle - static_cast<float>(t.title.min.x + t.title.max.x) * 0.5f,
		         static_cast<float>(k.barY0 - 2 * k.gap) - static_cast<float>(t.title.max.y), image);
		return;
	}
	const float baseline = static_cast<float>(k.barY1 + k.gap) + t.ascent;
	DrawText(style, t.low, static_cast<float>(k.barX0) - static_cast<float>(t.low.min.x), baseline, image);
	DrawText(style, t.high, static_cast<float>(k.barX1) - static_cast<float>(t.high.max.x), baseline, image);
	DrawText(style, t.title, static_cast<float>(k.barX0 - 2 * k.gap) - static_cast<float>(t.title.max.x),
	         centreY(t.title, static_cast<float>(k.barY0 + k.barY1) * 0.5f), image);
}
} // namespace

KeyPlacement DrawColorKey(const ColorKey& key, const TextStyle& style, const float chart[4], float scale,
                          io::Image& image)
{
	const float textPixels = std::max(kMinTextPixels, kKeyTextPixels * scale);
	const KeyTexts texts = LayoutKeyTexts(key, style, textPixels);
	const KeyLayout layout = PlaceKey(texts, chart, image.width, image.height, scale, textPixels);
	if (layout.barX1 - layout.barX0 < 2 || layout.barY1 - layout.barY0 < 2)
		return KeyPlacement();
	FillBar(key, layout, image);
	DrawFrameAndMarks(key, layout, style, scale, image);
	if (style.face != nullptr)
		DrawKeyTexts(texts, layout, style, image);
	return layout.placement;
}
} // namespace surfax::render
