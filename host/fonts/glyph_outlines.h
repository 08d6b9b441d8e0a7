// Text as glyph outlines (through FreeType): closed polygons in the x-y plane, ready for a text spline.
//
// Layout: the font's em square is scaled to `height` scene units; the first line's baseline is y = 0 and each
// further line (the text is split at '\n') lies one line height (the font's ascender - descender + line gap,
// scaled) lower. Each line is aligned about x = 0 by its advance width: left starts at 0, centre is centred on
// 0, right ends at 0. Kerning from the font's kern table is applied.
//
// Curves are flattened so that no chord leaves the true curve by more than kFlatnessPerHeight * height (for a
// 7-unit label about 0.014 units, well below a pixel of the preview). Contours keep the font's own direction
// (TrueType fills to the right of a contour, PostScript outlines to the left); readers that need a side use the
// even-odd nesting of the contours. Consecutive duplicate points and contours of fewer than 3 points are dropped;
// no contour repeats its first point at its end.
#ifndef SURFAX_HOST_FONTS_GLYPH_OUTLINES_H
#define SURFAX_HOST_FONTS_GLYPH_OUTLINES_H

#include "host/fonts/font_library.h"

#include <string_view>
#include <vector>

namespace surfax::fonts
{
constexpr double kFlatnessPerHeight = 1.0 / 500.0;

/// Text alignment about the origin, as PRIM_TEXT_ALIGN numbers it.
enum class TextAlign
{
	Left = 0,
	Centre = 1,
	Right = 2,
};

struct Point2
{
	double x = 0.0;
	double y = 0.0;
};

/// Contours of a text: contour k takes the next contourSizes[k] points.
struct TextOutline
{
	std::vector<Point2> points;
	std::vector<int> contourSizes;
	// Bounds of the laid-out text's ink (all points); all zero when there is none.
	Point2 min;
	Point2 max;
};

/// Lays out utf8 (invalid bytes are skipped) in face at the given height (finite, > 0; otherwise the outline is
/// empty). Characters the font lacks use its missing-glyph outline. False when the font file cannot be opened
/// or read; `out` is then empty. Faces are opened once and kept (thread-safe).
bool BuildTextOutline(const FontFace& face, std::string_view utf8, double height, TextAlign align, TextOutline& out);
} // namespace surfax::fonts

#endif
