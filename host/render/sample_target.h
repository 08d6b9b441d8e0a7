// The rasteriser's picture while it is drawn: depth-tested samples for triangles (multisampling), lines and points
// drawn with the share of each pixel they cover, and the resolve into the picture's bytes.
//
// Samples: each pixel has 1, 4 or 8 samples at fixed places (the centre; or the usual rotated 4 and 8 patterns), each
// with a reciprocal depth (0: nothing drawn) and a linear colour with alpha, premultiplied (16 bits a channel),
// starting empty. A triangle replaces the samples it covers and is nearer at (the depth interpolated to each sample);
// its colour is shaded once per pixel, at the pixel centre moved into the triangle, and interpolated with perspective
// correction as a GPU does. Sample coverage follows the top-left rule, so a sample on an edge two triangles share is
// drawn once.
//
// Lines and points are drawn with coverage instead: a line of width w is a band w pixels wide with round ends; a
// pixel's coverage is the overlap of a one-pixel box with the band across the line (exact for lines along an axis,
// close for others), so a line narrower than a pixel is drawn faintly rather than missed. Each pixel of a strip
// takes the largest coverage its segments give, so joints are not blended twice. A point is a square of the given
// side, covering each pixel by their overlap. Lines and points blend over the samples they are nearer than ("over",
// by their coverage), with a small bias towards the camera so that a grid on a surface stays visible; they do not
// change depths. The rasteriser draws meshes first, then lines, then points.
//
// Resolve: the mean of a pixel's samples, composited over the background in linear light and encoded to sRGB once.
// A pixel none of whose samples was drawn on keeps the background's bytes exactly. With a translucent background the
// picture's alpha is the composite's (straight alpha: colour bytes are not premultiplied). The resolve also reports,
// per pixel, the share covered by geometry and the share covered by triangles marked as text.
//
// Deterministic: the same calls in the same order give the same bytes. Memory: the samples of a pixel are allocated
// with the target but first written when something is drawn there.
#ifndef SURFAX_HOST_RENDER_SAMPLE_TARGET_H
#define SURFAX_HOST_RENDER_SAMPLE_TARGET_H

#include "host/image/image.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace surfax::render
{
/// The sample counts a target supports.
constexpr int kSinglePixelSample = 1;
constexpr int kAntialiasSamples = 4;
constexpr int kMaxSamples = 8;

/// A projected vertex: pixel position, reciprocal view depth (larger is nearer, 0 means behind the camera) and linear
/// colour.
struct ScreenVertex
{
	float x, y, invDepth;
	float r, g, b;
};

/// Per pixel of a resolved picture, in 0..255: how much of the pixel geometry covers (alpha of everything drawn,
/// before the background), and how much of it triangles marked as text cover.
struct CoverageMaps
{
	int width = 0;
	int height = 0;
	std::vector<std::uint8_t> geometry;
	std::vector<std::uint8_t> text;
};

class SampleTarget
{
public:
	/// A target of width x height pixels (each at least 1) with `samples` samples per pixel (1, 4 or 8; anything
	/// else is taken as 4). Throws std::bad_alloc when memory runs out.
	static std::unique_ptr<SampleTarget> Make(int samples, int width, int height);
	virtual ~SampleTarget() = default;

	/// A triangle of any winding; vertices behind the camera (invDepth 0) leave it out. `text` marks its samples as
	/// text in the coverage maps.
	virtual void Triangle(ScreenVertex a, ScreenVertex b, ScreenVertex c, bool text) = 0;

	/// A line strip: BeginStrip, then its segments in order, then EndStrip, which blends the strip's pixels. `width`
	/// is in pixels (> 0). Segments with an end behind the camera are left out.
	virtual void BeginStrip(float width) = 0;
	virtual void Segment(const ScreenVertex& a, const ScreenVertex& b) = 0;
	virtual void EndStrip() = 0;

	/// A point: a square of `side` pixels (> 0) centred on p.
	virtual void Point(const ScreenVertex& p, float side) = 0;

	/// Writes the picture into `out` (width x height RGBA; every pixel nothing was drawn on is `background`) and the
	/// coverage maps.
	virtual void Resolve(const std::uint8_t background[4], io::Image& out, CoverageMaps& maps) const = 0;
};
} // namespace surfax::render

#endif
