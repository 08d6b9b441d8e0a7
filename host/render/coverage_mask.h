// Shapes drawn over a picture in two dimensions (text, the colour key's marks): polygons filled with exact area
// coverage, halos around them, and blending in linear light.
//
// Coverage: each pixel of a mask holds the share of its area the shape covers (0..1), by the non-zero rule on the
// polygons' signed area, so nested contours of opposite direction (the holes of glyphs) stay empty whichever way the
// font turns its outlines, and overlapping ones count once. Points are in picture pixels, y down.
#ifndef SURFAX_HOST_RENDER_COVERAGE_MASK_H
#define SURFAX_HOST_RENDER_COVERAGE_MASK_H

#include "host/fonts/glyph_outlines.h"
#include "host/image/image.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace surfax::render
{
/// A block of coverage values placed in a picture: element (x, y) lies over picture pixel (left + x, top + y).
struct CoverageMask
{
	int left = 0;
	int top = 0;
	int width = 0;
	int height = 0;
	std::vector<float> coverage; // width x height, row by row, each 0..1

	bool Empty() const { return coverage.empty(); }
};

/// Lays text out in face, `pixelHeight` pixels to the em, in picture pixels with y down: the origin is the left end
/// of the baseline; `min` and `max` bound the ink. False when the font cannot be read (`out` is then empty).
bool LayoutText(const fonts::FontFace& face, std::string_view utf8, float pixelHeight, fonts::TextOutline& out);

/// Fills the outline's contours, moved by (dx, dy), into a mask that holds them with a pixel to spare. Points
/// outside the picture are fine; the mask may reach beyond it (blending clips). An outline without points gives an
/// empty mask.
void FillOutline(const fonts::TextOutline& outline, float dx, float dy, CoverageMask& out);

/// The halo of a mask: each pixel within `radius` pixels (> 0) of covered pixels, as covered as the nearest of them
/// after a one-pixel fall-off at the radius. It reaches radius + 1 pixels beyond the mask.
CoverageMask Halo(const CoverageMask& mask, float radius);

/// Blends a display colour (r, g, b in 0..1) over the picture where the mask covers it, by coverage times opacity,
/// in linear light ("over", straight alpha in the picture). With `weights` (one per picture pixel, 0..255) each
/// pixel's share is also multiplied by its weight / 255. Pixels the mask leaves at 0 keep their bytes.
void BlendMask(io::Image& image, const CoverageMask& mask, const float color[3], float opacity,
               const std::vector<std::uint8_t>* weights = nullptr);
} // namespace surfax::render

#endif
