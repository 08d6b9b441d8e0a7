// A small software rasteriser for previews of a collected scene: a perspective camera, a depth buffer, lit
// triangles, lines and points, anti-aliased (sample_target.h), and what the picture says beside the chart drawn over
// it (annotation_overlay.h).
//
// Space: the scene's (right-handed, y up; see host/export/export_scene.h). Screen: pixels, origin at the top-left
// corner, y down; pixel (x, y) covers [x, x + 1) x [y, y + 1).
//
// Shading (lighting.h): colours are display colours; each vertex's is converted to linear, triangles are lit per
// vertex, two-sided (the normal is turned towards the eye), and the linear colours are interpolated across each
// triangle with perspective correction, as a GPU does. Lines and points are unlit; lines are drawn at the options'
// width, points as small squares, slightly in front of surfaces at the same depth so a grid on a surface stays
// visible. Edges are smoothed by several depth-tested samples per pixel, lines and points by the share of each pixel
// they cover. Each pixel is encoded to sRGB once at the end; pixels nothing is drawn on keep the background's bytes
// exactly, and the edges of what is drawn on a translucent background carry partial alpha.
//
// Deterministic: one thread, a fixed drawing order (meshes, then lines, then points, each in scene order, then the
// annotations), every pixel written from the background up. The same scene and options give the same pixels.
#ifndef SURFAX_HOST_RENDER_RASTERIZER_H
#define SURFAX_HOST_RENDER_RASTERIZER_H

#include "host/export/export_scene.h"
#include "host/image/image.h"
#include "host/render/chart_annotations.h"
#include "host/render/lighting.h"

#include <cstdint>
#include <string>

namespace surfax::render
{
constexpr int kDefaultPreviewWidth = 800;
constexpr int kDefaultPreviewHeight = 600;
constexpr int kMaxPreviewSide = 8192;
/// The background: a dark slate grey, opaque.
constexpr std::uint8_t kPreviewBackground[4] = {38, 42, 50, 255};
/// Samples per pixel of an anti-aliased picture, and of one drawn with hard edges.
constexpr int kPreviewSamples = 4;
constexpr int kHardEdgeSamples = 1;
/// The widest line the options accept, in pixels.
constexpr float kMaxLineWidth = 64.0f;

/// How large a picture is against the default 800 x 600 (the smaller of the two ratios): lines, points, the key and
/// the axis names grow and shrink with it.
float PictureScale(int width, int height);
/// The default width of lines: 1 pixel at 800 x 600, scaled with the picture (PictureScale), at least half a pixel.
float DefaultLineWidth(int width, int height);

/// A perspective camera looking from eye towards target.
struct Camera
{
	float eye[3] = {0.0f, 0.0f, 1.0f};
	float target[3] = {0.0f, 0.0f, 0.0f};
	float fovY = 0.6f; // vertical field of view, radians
};

/// The vertical field of view of every preview camera, in degrees.
constexpr float kPreviewFovYDegrees = 34.0f;
/// The three-quarter view's angles, in degrees.
constexpr float kDefaultAzimuth = 35.0f;
constexpr float kDefaultElevation = 28.0f;

/// Where a preview looks from, around the middle of the chart: the azimuth in degrees around y from +z towards +x,
/// the elevation in degrees above the horizontal (strictly between -90 and 90), and the distance of the eye from the
/// aim point in scene units, or 0 for the nearest distance at which the whole chart fits.
struct ViewAngles
{
	float azimuth = kDefaultAzimuth;
	float elevation = kDefaultElevation;
	float distance = 0.0f;
};

/// A camera that looks at the bounds from the view's angles. With distance 0 it is aimed so that the projected
/// bounds sit in the middle of an image of width x height, as close as it can be while every corner of the bounds
/// stays inside the image with a small margin; with a distance it aims at the bounds' centre from that far. Empty
/// bounds, or bounds without extent, are framed as a box of size 1 around them.
Camera OrbitCamera(const io::Bounds& bounds, int width, int height, const ViewAngles& view);

/// The default three-quarter view: OrbitCamera with the default angles and a fitted distance.
Camera ThreeQuarterCamera(const io::Bounds& bounds, int width, int height);

struct RenderOptions
{
	RenderOptions() = default;
	RenderOptions(int w, int h) : width(w), height(h) {}

	int width = kDefaultPreviewWidth;
	int height = kDefaultPreviewHeight;
	ViewAngles view;
	/// RGBA of every pixel nothing is drawn on; what is drawn is opaque, its edges partly so.
	std::uint8_t background[4] = {kPreviewBackground[0], kPreviewBackground[1], kPreviewBackground[2],
	                              kPreviewBackground[3]};
	int pngCompression = io::kDefaultPngCompression; // zlib level of PNG files written from the picture
	/// Samples per pixel: kPreviewSamples (smooth edges) or kHardEdgeSamples (one at each pixel centre).
	int samples = kPreviewSamples;
	/// The width of lines in pixels (0 < width <= kMaxLineWidth), or 0 for DefaultLineWidth.
	float lineWidth = 0.0f;
	/// The colour key, axis names and text drawn over the picture, or null for none. Not owned; it must outlive the
	/// call that renders.
	const ChartAnnotations* annotations = nullptr;
};

/// Renders the scene from OrbitCamera(SceneBounds(scene), ..., options.view) into `out` (width x height, RGBA), with
/// the options' annotations drawn over it. False with `error` when the size is outside 1..kMaxPreviewSide per side, the
/// line width is not in 0..kMaxLineWidth or memory runs out; `out` is then empty.
bool RenderScene(const io::ExportScene& scene, const RenderOptions& options, io::Image& out, std::string& error);

/// The same with a given camera.
bool RenderSceneWithCamera(const io::ExportScene& scene, const Camera& camera, const RenderOptions& options,
                           io::Image& out, std::string& error);
} // namespace surfax::render

#endif
