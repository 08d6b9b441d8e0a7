// What the PNG preview says beside a plot's chart (render::ChartAnnotations), read from the evaluated document, which
// the renderer does not see: the colour key of the plot's gradient, the axis names beside the label component's
// edges, and which of the collected scene's nodes are the label component's text.
//
// The key repeats the plot object's colour lookup: a raw formula value v is scaled by the height (y = v * a, a half
// the plot's height), clipped to +-a in clip mode, multiplied by PLOT_SCALENEG when negative and PLOT_SCALEPOS
// otherwise, and looked up in PLOT_GRADIENT at L = (y + a) / (2a), or L = |y| / a by magnitude, clamped to 0..1.
// So the colours run from v = -1 / PLOT_SCALENEG to +1 / PLOT_SCALEPOS (by magnitude from 0 to 1 / multiplier when
// both multipliers are alike in size, over signed values otherwise), and clip mode stops them at +-1. An end whose
// multiplier is 0 or negative never reaches the gradient's end: the bar stops there at the chart's own extreme. The
// bar holds kKeyColors colours looked up exactly as the plot does (the gradient prepared for rendering); the chart's
// lowest and highest values are marked on it, and an end the chart goes beyond is written as "≤ -1.0" or "≥ 1.0".
//
// There is a key only when the scene's geometry is coloured by the gradient: the plot's colour mode is "gradient",
// it holds a gradient with knots, its height is above 0 and a multiplier is not 0 on both sides (else every sample
// takes one colour), and some item of the scene carries vertex colours (the mesh with PLOTMESH_VERTEXCOLORS on, or the
// plot's own samples as points).
#ifndef SURFAX_APP_PREVIEW_ANNOTATIONS_H
#define SURFAX_APP_PREVIEW_ANNOTATIONS_H

#include "c4d.h"

#include "host/export/export_scene.h"
#include "host/render/chart_annotations.h"

#include <cstddef>

namespace surfax::app
{
/// Colours along the key's bar.
constexpr std::size_t kKeyColors = 256;

/// What the command line asks for (--color-key, --axis-names).
struct AnnotationChoices
{
	bool colorKey = true;
	bool axisNames = true;
};

/// The chart's raw formula values in the evaluation shown (FormulaWatch::ValueRangeOfEvaluation); `known` false
/// when no sample gave a finite number.
struct ValueRange
{
	bool known = false;
	double lowest = 0.0;
	double highest = 0.0;
};

/// The plot object's colour lookup (the rule above) for its settings.
struct KeyLookup
{
	double positive = 1.0; // PLOT_SCALEPOS
	double negative = 1.0; // PLOT_SCALENEG
	bool clip = false;     // PLOT_YMODE is clip
	bool byMagnitude = false;

	/// The gradient position (0..1) of raw formula value v.
	double At(double v) const;
};

/// The key's ends, their texts (`decimals` digits after the point, "≤ "/"≥ " where the chart's values go beyond a
/// saturated end), title and marks for a lookup and the chart's values; its colours are left alone. False when the
/// bar would be empty (then `key` is partly written and must not be shown).
bool DescribeKeyRange(const KeyLookup& lookup, const ValueRange& range, cinema::Int32 decimals, render::ColorKey& key);

/// Fills `out` for the plot object `plot` of the evaluated document `doc`, whose collected scene is `scene`:
/// - the key, as above (when choices.colorKey);
/// - the axis names "x", "z" and "y" (when choices.axisNames and plot has an enabled label component below it): x and
///   z along the bottom edges the horizontal labels use (front and side set, turned over with PLOTLABEL_FLIP) when
///   PLOTLABEL_SHOWH is on, y above the column of vertical labels shown (the front set unless PLOTLABEL_SIDES shows
///   the side set only) when PLOTLABEL_SHOWV is on;
/// - the font, colour and number format (PLOTLABEL_DECIMALS digits) of the label component, or the host's default
///   font, a light grey and one digit without one;
/// - the text nodes: the scene's nodes of the label component's label objects.
void DescribePreviewAnnotations(const cinema::BaseDocument& doc, const cinema::BaseObject& plot,
                                const io::ExportScene& scene, const ValueRange& range, const AnnotationChoices& choices,
                                render::ChartAnnotations& out);
} // namespace surfax::app

#endif
