// What the PNG preview draws over the rendered chart (chart_annotations.h), in this order:
//
// 1. A halo behind the text: around every pixel the coverage maps mark as text (the 3D labels), the chart under it is
//    darkened (or lightened, for dark text) within a radius of about 1.5 pixels at 800 x 600, so that the labels read
//    over a coloured surface and its grid. The halo covers only what the chart covers: text over the background is
//    left as it is, and a transparent background stays transparent around it.
// 2. The axis names, in the labels' font and colour, as large as a label appears at the edge's end, centred just
//    beyond the projected end of their edge, with the same halo where they lie over the chart.
// 3. The colour key: a bar of the key's colours from its low end to its high end, framed thinly, with triangles
//    pointing at the marked values, the ends' texts at the bar's ends and the title beside it. It takes the first of
//    these bands the chart's projected bounds leave free: across the top, across the bottom (both at the right,
//    horizontal), down the right side (vertical, high end up); when none is wide enough it lies across the top over
//    the chart, its text haloed.
//
// Sizes scale with PictureScale. Text needs the annotations' font; without one the names and the key's texts are left
// out. Deterministic, like the rasteriser.
#ifndef SURFAX_HOST_RENDER_ANNOTATION_OVERLAY_H
#define SURFAX_HOST_RENDER_ANNOTATION_OVERLAY_H

#include "host/export/export_scene.h"
#include "host/image/image.h"
#include "host/render/chart_annotations.h"
#include "host/render/projection.h"
#include "host/render/sample_target.h"

namespace surfax::render
{
/// Where the key went, in picture pixels (x0, y0 inclusive; x1, y1 exclusive); empty when no key was drawn.
struct KeyPlacement
{
	int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
	bool vertical = false;

	bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

/// Draws the annotations over `image`, which the rasteriser resolved with `maps` from the scene whose bounds are
/// `chartBounds`, seen through `view`. Returns where the key went.
KeyPlacement DrawAnnotations(const ChartAnnotations& annotations, const View& view, const io::Bounds& chartBounds,
                             const CoverageMaps& maps, io::Image& image);
} // namespace surfax::render

#endif
