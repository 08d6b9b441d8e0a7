// The pieces of the preview's overlay (annotation_overlay.h) that its parts share: how its text is written, and the
// colour key, drawn by color_key_overlay.cpp.
#ifndef SURFAX_HOST_RENDER_OVERLAY_TEXT_H
#define SURFAX_HOST_RENDER_OVERLAY_TEXT_H

#include "host/fonts/glyph_outlines.h"
#include "host/render/annotation_overlay.h"

namespace surfax::render
{
/// Text height (pixels to the em) that overlay text never goes below, however small the picture.
constexpr float kMinTextPixels = 9.0f;

/// How overlay text is written: its face (null: no text is written), display colour, and the halo of display colour
/// `halo` drawn `haloRadius` pixels around it where it lies over the chart (maps->geometry).
struct TextStyle
{
	const fonts::FontFace* face = nullptr;
	float color[3] = {1.0f, 1.0f, 1.0f};
	float halo[3] = {0.0f, 0.0f, 0.0f};
	float haloRadius = 1.5f;
	const CoverageMaps* maps = nullptr;
};

/// Writes text laid out by LayoutText with its origin at (x, y): the halo first, then the text.
void DrawText(const TextStyle& style, const fonts::TextOutline& text, float x, float y, io::Image& image);

/// Draws the key in the first free band around `chart` (the chart's projected bounds, x0 y0 x1 y1 in pixels) as
/// annotation_overlay.h describes, and returns where it went.
KeyPlacement DrawColorKey(const ColorKey& key, const TextStyle& style, const float chart[4], float scale,
                          io::Image& image);
} // namespace surfax::render

#endif
