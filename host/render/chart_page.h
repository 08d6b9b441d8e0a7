// The interactive chart page (`-o chart.html`): one self-contained HTML file that any current browser opens offline
// and in which a person turns (drag), zooms (wheel) and pans (right drag) the chart.
//
// The page holds, in this order: the title and caption as text; a JSON block (id "surfax-chart") with the camera,
// the background and the lighting; the chart's glTF binary in base64 (id "surfax-model", the bytes EncodeGltf or
// EncodeAnimatedGltf give for the same frames); the viewer script (three.js, third_party/three/surfax-three.js) and
// the page's own script, which loads the model with three.js's glTF loader and draws it with its WebGL renderer and
// orbit controls. Nothing is fetched: no request leaves the page.
//
// What it shows matches the PNG preview of the same options: the camera is the preview's OrbitCamera for the
// picture size (the page widens its field of view when the window is narrower than that picture, so the framed
// chart stays whole), the background is the preview's, and the chart is lit as the rasteriser lights it
// (lighting.h: the same ambient, key and fill light and highlight, in linear light, surfaces with three.js's Phong
// material instead of the loader's PBR one) under three.js's standard colour management: the glTF's linear colours
// lit, then encoded to sRGB for the screen. The PNG's colour key and axis names are drawn over the canvas as HTML
// with the same values and places (the key in the top right corner, each name beyond the end of its edge, moved
// with the chart as it turns); the halo behind the scene's text is not.
// With several frames the camera frames all of them; the animation plays in a loop from the start, and a button
// (or the space bar) pauses and resumes it. The scrubber (a slider with the frame number) shows one whole frame and
// pauses; the arrow keys step a frame.
//
// The readout: over the surface, the pointer shows the sample under it (the argument x and z and the formula's raw
// value, six significant digits as JavaScript's toPrecision(6) writes them), found by walking the ray from the eye
// over the cells of the plot's height field (each cell two triangles), not by testing every triangle of the model.
// The page computes the heights from the values as the plot does (ChartReadout). Over grid lines, labels and the
// cage the sample behind them is shown when the ray meets the height field; between markers, and for a chart of the
// plot's own dots, the surface through the samples counts. Over the background nothing is shown. Without values
// (ChartReadout::absent) the caption says why.
// The caption folds to the formula on windows smaller than 640 x 480 (a click opens it).
//
// For tests and scripts the page reports its state on the <html> element: data-surfax-state is "loading", then
// "loaded" once the chart was drawn the first time, or "error" (with the reason shown on the page and logged as a
// console error); data-surfax-animation is "playing" or "paused" when the page has an animation.
// window.surfaxChart.animationTime() gives the seconds the animation has played (paused time not counted, not
// wrapped at the end of the loop), null without one; frame() the frame shown (0-based), showFrame(k) scrubs to one;
// readout() what the readout shows ({i, j, frame, x, z, value, text}, null when nothing); screenPosition(i, j,
// frame) where sample (i, j) appears in the window, in CSS pixels.
//
// The bytes depend only on the input: fixed order, numbers in the C locale, no dates or paths.
#ifndef SURFAX_HOST_RENDER_CHART_PAGE_H
#define SURFAX_HOST_RENDER_CHART_PAGE_H

#include "host/export/export_scene.h"
#include "host/export/gltf_writer.h"
#include "host/render/chart_annotations.h"
#include "host/render/rasterizer.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace surfax::render
{
/// The name of the viewer script's file, as third_party/three/ and the build keep it.
constexpr const char* kChartViewerFileName = "surfax-three.js";

/// What the readout needs to name the sample under the pointer: the plot's grid of (n+1)^2 samples, sample k =
/// i * (n+1) + j at row i (along x) and column j (along z), and the raw formula value of each sample in each frame.
struct ChartReadout
{
	/// Why the page has no readout, said on the page; empty when `frames` holds the values.
	std::string absent;
	std::int32_t resolution = 0; // n
	/// The formula's arguments: x = xStart + i * xStep, z = zStart + j * zStep.
	double xStart = 0.0, xStep = 0.0, zStart = 0.0, zStep = 0.0;
	/// Where sample (i, j) lies in the plot's own space (glTF axes): ((i - center) * spacing - offset, height,
	/// -((j - center) * spacing - offset)); `world` takes that into the scene.
	double spacing = 0.0, center = 0.0, offset = 0.0;
	io::ExportMatrix world = io::kIdentityMatrix;
	/// A value v's height: y = v * halfHeight, clipped to +-halfHeight when `clip`, times scaleNegative below 0 and
	/// scalePositive otherwise; with `fit`, when the largest finite |v * halfHeight| of the frame (before clipping)
	/// exceeds halfHeight, every height times halfHeight / that. A value that is no number lies at 0.
	double halfHeight = 0.0, scalePositive = 1.0, scaleNegative = 1.0;
	bool clip = false, fit = false;
	/// Per frame (one for a still chart), the (n+1)^2 values in sample order; NaN for a text that held no number.
	std::vector<std::vector<double>> frames;
};

/// The largest page written, in bytes. A browser holds the page's text and the model's base64 as one string each;
/// Chromium's longest string is 2^29 - 24 characters (about 536 M), and a page near it does not open.
constexpr std::uint64_t kMaxChartPageBytes = 400'000'000;

/// What the page says and how it frames the chart.
struct ChartPageOptions
{
	std::string title;                // the document's title (plain text, UTF-8; escaped here)
	std::vector<std::string> caption; // lines of the caption shown over the chart's foot (plain text)
	int width = kDefaultPreviewWidth; // the picture the default camera frames, as the PNG preview's size
	int height = kDefaultPreviewHeight;
	ViewAngles view; // as the PNG preview's --camera
	std::uint8_t background[4] = {kPreviewBackground[0], kPreviewBackground[1], kPreviewBackground[2],
	                              kPreviewBackground[3]};
	io::GltfOptions gltf;        // the embedded model's unit scale
	std::int32_t firstFrame = 0; // the number the scrubber shows for the first frame
	ChartReadout readout;
	std::uint64_t maxBytes = kMaxChartPageBytes; // a page that would be larger is refused
	/// The colour key and axis names, drawn over the chart as the PNG preview draws them (its font and text nodes
	/// are not used: the page writes with the browser's).
	ColorKey key;
	std::vector<AxisName> axisNames;
	std::array<float, 3> textColor = {0.9f, 0.9f, 0.9f};
};

/// The largest viewer script read (the bundle is about 700 KB).
constexpr std::uintmax_t kMaxChartViewerBytes = std::uintmax_t(64) << 20;

/// Reads the viewer script at path into `script`. False with `error` when the file cannot be read ("the glTF viewer
/// PATH cannot be read (reason)"), is no regular file (a folder, a device), is larger than kMaxChartViewerBytes or is
/// not the viewer (it does not define the global SurfaxThree).
bool LoadChartViewer(const std::string& path, std::string& script, std::string& error);

/// Replaces `out` with the page of the frames: one frame is a still chart, more are an animation at `fps` frames per
/// second (positive). `viewer` is the text LoadChartViewer read. False with `error` when there are no frames, the
/// size lies outside 1..kMaxPreviewSide, the model cannot be encoded (EncodeGltf's reasons), the page would be larger
/// than options.maxBytes (naming its size and, with a readout, the largest resolution that fits) or memory runs out;
/// `out` is then empty.
bool EncodeChartPage(const std::vector<io::ExportScene>& frames, double fps, const std::string& viewer,
                     const ChartPageOptions& options, std::string& out, std::string& error);

/// Writes EncodeChartPage's page at path through core::OutputFile. False with `error` ("PATH: reason"); the file that
/// was at path is then untouched.
bool WriteChartPage(const std::string& path, const std::vector<io::ExportScene>& frames, double fps,
                    const std::string& viewer, const ChartPageOptions& options, std::string& error);
} // namespace surfax::render

#endif
