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
// lit, then encoded to sRGB for the screen. The PNG's overlay (the colour key, axis names and the halo behind text)
// is not on the page.
// With several frames the camera frames all of them; the animation plays in a loop from the start, and a button
// (or the space bar) pauses and resumes it.
//
// For tests and scripts the page reports its state on the <html> element: data-surfax-state is "loading", then
// "loaded" once the chart was drawn the first time, or "error" (with the reason shown on the page and logged as a
// console error); data-surfax-animation is "playing" or "paused" when the page has an animation.
// window.surfaxChart.animationTime() gives the seconds the animation has played (paused time not counted, not
// wrapped at the end of the loop), null without one.
//
// The bytes depend only on the input: fixed order, numbers in the C locale, no dates or paths.
#ifndef SURFAX_HOST_RENDER_CHART_PAGE_H
#define SURFAX_HOST_RENDER_CHART_PAGE_H

#include "host/export/export_scene.h"
#include "host/export/gltf_writer.h"
#include "host/render/rasterizer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::render
{
/// The name of the viewer script's file, as third_party/three/ and the build keep it.
constexpr const char* kChartViewerFileName = "surfax-three.js";

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
	io::GltfOptions gltf; // the embedded model's unit scale
};

/// The largest viewer script read (the bundle is about 700 KB).
constexpr std::uintmax_t kMaxChartViewerBytes = std::uintmax_t(64) << 20;

/// Reads the viewer script at path into `script`. False with `error` when the file cannot be read ("the glTF viewer
/// PATH cannot be read (reason)"), is no regular file (a folder, a device), is larger than kMaxChartViewerBytes or is
/// not the viewer (it does not define the global SurfaxThree).
bool LoadChartViewer(const std::string& path, std::string& script, std::string& error);

/// Replaces `out` with the page of the frames: one frame is a still chart, more are an animation at `fps` frames per
/// second (positive). `viewer` is the text LoadChartViewer read. False with `error` when there are no frames, the
/// size lies outside 1..kMaxPreviewSide, the model cannot be encoded (EncodeGltf's reasons) or memory runs out;
/// `out` is then empty.
bool EncodeChartPage(const std::vector<io::ExportScene>& frames, double fps, const std::string& viewer,
                     const ChartPageOptions& options, std::string& out, std::string& error);

/// Writes EncodeChartPage's page at path through core::OutputFile. False with `error` ("PATH: reason"); the file that
/// was at path is then untouched.
bool WriteChartPage(const std::string& path, const std::vector<io::ExportScene>& frames, double fps,
                    const std::string& viewer, const ChartPageOptions& options, std::string& error);
} // namespace surfax::render

#endif
