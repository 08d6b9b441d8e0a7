// What a picture of a chart says beside its geometry: the colour key and the axis names, and which of the scene's
// meshes are text. Plain data, made by the command line from the evaluated document (which the renderer does not
// see) and read by whatever draws the chart: the PNG preview draws it over the picture (annotation_overlay.h); a
// chart page or a video can draw the same.
#ifndef SURFAX_HOST_RENDER_CHART_ANNOTATIONS_H
#define SURFAX_HOST_RENDER_CHART_ANNOTATIONS_H

#include "host/fonts/font_library.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace surfax::render
{
/// Colours along a key bar: at least two.
constexpr std::size_t kMinKeyColors = 2;

/// A colour key: the colours the surface takes over a range of values, as a bar from `low` to `high`.
struct ColorKey
{
	/// Display colours (r, g, b in 0..1) at evenly spaced values from `low` (first) to `high` (last). Fewer than
	/// kMinKeyColors: there is no key.
	std::vector<std::array<float, 3>> colors;
	double low = 0.0;
	double high = 1.0;
	/// What the ends say: the values as the labels write numbers, with "≤ " or "≥ " before an end beyond which the
	/// chart has values that take that end's colour.
	std::string lowText;
	std::string highText;
	/// What the bar measures, written beside it: "y", or "|y|" when the colours go by the magnitude of the value.
	std::string title;
	/// Values within low..high at which the key marks where the chart's lowest and highest values fall.
	std::vector<double> marks;

	bool Present() const { return colors.size() >= kMinKeyColors; }
};

/// An axis's name, written beside the end of the edge its values are labelled along: beyond `to`, continuing the
/// direction from `from` to `to` as the picture shows it. Points are in the scene's space (export_scene.h).
struct AxisName
{
	std::string text;
	std::array<float, 3> from{};
	std::array<float, 3> to{};
	/// The height of the labels' text in scene units: the name is written as large as a label there appears.
	float textHeight = 1.0f;
};

struct ChartAnnotations
{
	ColorKey key;
	std::vector<AxisName> axisNames;
	/// The face of the labels, in which the key's numbers and the axis names are written; without one (no font is
	/// installed) they are left out and the key is a bar alone.
	fonts::FontFace font;
	bool hasFont = false;
	/// The display colour of that text (the labels' colour).
	std::array<float, 3> textColor = {0.9f, 0.9f, 0.9f};
	/// Nodes of the scene (ExportScene::nodes) whose meshes, and their descendants' meshes, are text: the preview
	/// keeps them readable over the surface with a halo.
	std::vector<std::int32_t> textNodes;
};
} // namespace surfax::render

#endif
