#include "host/render/sample_target.h"

#include "host/core/color_space.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace surfax::render
{
namespace
{
// Lines and points count as this much nearer (relative to their distance) in the depth test.
constexpr float kLineDepthBias = 0.003f;
constexpr float kChannelMax = 65535.0f;

// Sample places as offsets from the pixel centre, in sixteenths of a pixel: the centre alone, and the rotated
// patterns of 4 and 8 samples that graphics hardware uses (no two samples share a row or a column).
struct SamplePattern
{
	float dx[kMaxSamples];
	float dy[kMaxSamples];
};

template <int S> constexpr SamplePattern PatternOf()
{
	if constexpr (S == 1)
		return {{0.0f}, {0.0f}};
	else if constexpr (S == 4)
		return {{-2.0f / 16, 6.0f / 16, -6.0f / 16, 2.0f / 16}, {-6.0f / 16, -2.0f / 16, 2.0f / 16, 6.0f / 16}};
	else
		return {{1.0f / 16, -1.0f / 16, 5.0f / 16, -3.0f / 16, -5.0f / 16, -7.0f / 16, 3.0f / 16, 7.0f / 16},
		        {-3.0f / 16, 3.0f / 16, 1.0f / 16, -5.0f / 16, 5.0f / 16, -1.0f / 16, 7.0f / 16, -7.0f / 16}};
}

float Edge(const ScreenVertex& a, const ScreenVertex& b, float px, float py)
{
	return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// Exactly one of an edge and its reverse counts as top-left, so a sample on an edge that two triangles share is
// drawn by one of them.
bool TopLeft(const ScreenVertex& a, const ScreenVertex& b)
{
	const float dx = b.x - a.x, dy = b.y - a.y;
	return (dy == 0.0f && dx < 0.0f) || dy > 0.0f;
}

// The share of a one-pixel box at distance d (>= 0) from the middle of a band of the given width that the band covers.
float BandCoverage(float d, float width)
{
	const float half = width * 0.5f;
	return std::max(0.0f, std::min(d + 0.5f, half) - std::max(d - 0.5f, -half));
}

// The overlap of [lo, hi] with the pixel [p, p + 1].
float Overlap(float lo, float hi, int p)
{
	return std::max(0.0f, std::min(hi, static_cast<float>(p) + 1.0f) - std::max(lo, static_cast<float>(p)));
}

std::uint16_t ToChannel(float linear)
{
	const float v = linear > 0.0f ? (linear < 1.0f ? linear : 1.0f) : 0.0f;
	return static_cast<std::uint16_t>(v * kChannelMax + 0.5f);
}

// Clips the segment a-b to the rectangle [lo, hi] in x and y (Liang-Barsky); false when nothing is left.
bool ClipSegment(const ScreenVertex& a, const ScreenVertex& b, float lo, float hiX, float hiY, float& t0, float& t1)
{
	const float dx = b.x - a.x, dy = b.y - a.y;
	const auto clip = [&](float p, float q)
	{
		if (p == 0.0f)
			return q >= 0.0f;
		const float t = q / p;
		if (p < 0.0f)
		{
			if (t > t1)
				return false;
			t0 = std::max(t0, t);
		}
		else
		{
			if (t < t0)
				return false;
			t1 = std::min(t1, t);
		}
		return true;
	};
	t0 = 0.0f;
	t1 = 1.0f;
	return clip(-dx, a.x - lo) && clip(dx, hiX - a.x) && clip(-dy, a.y - lo) && clip(dy, hiY - a.y);
}

ScreenVertex Lerp(const ScreenVertex& a, const ScreenVertex& b, float t)
{
	return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.invDepth + (b.invDepth - a.invDepth) * t,
	        a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The per-sample tests of a triangle at one pixel, given the values at the pixel centre: which samples lie inside
// all three edges (offset[e][s]: sample s's offset of edge e's value, the top-left bias included), and which of
// those the triangle is nearer at than `depth` holds (writing the triangle's depths there into `out`). Four samples
// are tested at once with the compilers' vector extensions; the result is the same as testing one by one.
template <int S> struct SampleTests
{
	static unsigned Covered(const float w[3], const float (&offset)[3][S])
	{
		unsigned covered = 0;
		for (int s = 0; s < S; ++s)
		{
			const bool in = w[0] + offset[0][s] >= 0.0f && w[1] + offset[1][s] >= 0.0f && w[2] + offset[2][s] >= 0.0f;
			covered |= in ? 1u << s : 0u;
		}
		return covered;
	}

	static unsigned Nearer(unsigned covered, float centre, const float (&offset)[S], const float* depth, float* out)
	{
		unsigned nearer = 0;
		for (int s = 0; s < S; ++s)
		{
			out[s] = centre + offset[s];
			nearer |= (covered >> s & 1u) != 0 && out[s] > depth[s] ? 1u << s : 0u;
		}
		return nearer;
	}
};

#if defined(__GNUC__)
template <> struct SampleTests<4>
{
	using Floats = float __attribute__((vector_size(16)));
	using Ints = std::int32_t __attribute__((vector_size(16)));

	static unsigned Bits(Ints in)
	{
		const Ints bits = in & Ints{1, 2, 4, 8};
		return static_cast<unsigned>(bits[0] | bits[1] | bits[2] | bits[3]);
	}

	static Floats Load(const float* p)
	{
		Floats v;
		std::memcpy(&v, p, sizeof(v));
		return v;
	}

	static unsigned Covered(const float w[3], const float (&offset)[3][4])
	{
		const Ints in =
		    (w[0] + Load(offset[0]) >= 0.0f) & (w[1] + Load(offset[1]) >= 0.0f) & (w[2] + Load(offset[2]) >= 0.0f);
		return Bits(in);
	}

	static unsigned Nearer(unsigned covered, float centre, const float (&offset)[4], const float* depth, float* out)
	{
		const Floats d = centre + Load(offset);
		std::memcpy(out, &d, sizeof(d));
		const Ints wanted = (Ints{1, 2, 4, 8} & static_cast<std::int32_t>(covered)) != 0;
		return Bits(wanted & (d > Load(depth)));
	}
};
#endif

// One pixel of a strip: its largest coverage so far and the line's depth and colour there.
struct StripPixel
{
	std::uint32_t pixel;
	float coverage;
	float invDepth;
	float r, g, b;
};

template <int S> class Target final : public SampleTarget
{
public:
	Target(int width, int height)
	    : _width(width), _height(height), _count(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
	      _samples(new PixelSamples[_count]), _touched(_count, 0), _textBits(_count, 0)
	{
	}

	void Triangle(ScreenVertex a, ScreenVertex b, ScreenVertex c, bool text) override;
	void BeginStrip(float width) override;
	void Segment(const ScreenVertex& a, const ScreenVertex& b) override;
	void EndStrip() override;
	void Point(const ScreenVertex& p, float side) override;
	void Resolve(const std::uint8_t background[4], io::Image& out, CoverageMaps& maps) const override;

private:
	struct PixelSamples
	{
		float depth[S];
		std::uint16_t rgba[S][4];
	};
	static constexpr SamplePattern kPattern = PatternOf<S>();
	static constexpr unsigned kAllSamples = (1u << S) - 1u;

	// The samples of pixel i, emptied the first time something is drawn there.
	PixelSamples& Touch(std::size_t i)
	{
		PixelSamples& px = _samples[i];
		if (_touched[i] == 0)
		{
			_touched[i] = 1;
			for (int s = 0; s < S; ++s)
			{
				px.depth[s] = 0.0f;
				px.rgba[s][0] = px.rgba[s][1] = px.rgba[s][2] = px.rgba[s][3] = 0;
			}
		}
		return px;
	}

	// Blends a linear colour over the samples of pixel i that the depth (already biased) is nearer than, by coverage.
	void Blend(std::size_t i, float coverage, float invDepth, float r, float g, float b)
	{
		PixelSamples& px = Touch(i);
		const float keep = 1.0f - coverage;
		const float add[4] = {coverage * std::min(r, 1.0f) * kChannelMax, coverage * std::min(g, 1.0f) * kChannelMax,
		                      coverage * std::min(b, 1.0f) * kChannelMax, coverage * kChannelMax};
		for (int s = 0; s < S; ++s)
		{
			if (!(invDepth > px.depth[s]))
				continue;
			for (int k = 0; k < 4; ++k)
				px.rgba[s][k] = static_cast<std::uint16_t>(add[k] + keep * px.rgba[s][k] + 0.5f);
		}
	}

	void CoverSegment(const ScreenVertex& a, const ScreenVertex& b);

	int _width, _height;
	std::size_t _count;
	std::unique_ptr<PixelSamples[]> _samples;
	std::vector<std::uint8_t> _touched;  // 1 once the pixel's samples were emptied
	std::vector<std::uint8_t> _textBits; // bit s: sample s shows a text triangle
	// The strip being drawn.
	float _lineWidth = 1.0f;
	std::vector<StripPixel> _strip;
	std::vector<std::int32_t> _stripSlot; // per pixel: its index in _strip, or -1 (allocated with the first strip)
};

template <int S> void Target<S>::Triangle(ScreenVertex a, ScreenVertex b, ScreenVertex c, bool text)
{
	if (!(a.invDepth > 0.0f && b.invDepth > 0.0f && c.invDepth > 0.0f))
		return;
	float area = Edge(a, b, c.x, c.y);
	if (!(std::fabs(area) > 1e-12f))
		return;
	if (area < 0.0f)
	{
		std::swap(b, c);
		area = -area;
	}
	const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
	const int x1 = std::min(_width - 1, static_cast<int>(std::floor(std::max({a.x, b.x, c.x}))));
	const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
	const int y1 = std::min(_height - 1, static_cast<int>(std::floor(std::max({a.y, b.y, c.y}))));
	if (x0 > x1 || y0 > y1)
		return;
	const float inv = 1.0f / area;
	const ScreenVertex* from[3] = {&b, &c, &a};
	const ScreenVertex* to[3] = {&c, &a, &b};
	// Per edge: its step per pixel in x, each sample's offset from the pixel centre's value (with the bias of the
	// top-left rule) and the largest offset (a pixel whose centre is farther inside is wholly inside).
	float stepX[3], bias[3], reach[3], offset[3][S], depthOffset[S], depth[S];
	for (int e = 0; e < 3; ++e)
	{
		stepX[e] = -(to[e]->y - from[e]->y);
		bias[e] = TopLeft(*from[e], *to[e]) ? 0.0f : -1e-7f;
		reach[e] = 0.0f;
		for (int s = 0; s < S; ++s)
		{
			const float o = stepX[e] * kPattern.dx[s] + (to[e]->x - from[e]->x) * kPattern.dy[s];
			reach[e] = std::max(reach[e], std::fabs(o));
			offset[e][s] = o + bias[e];
		}
	}
	for (int s = 0; s < S; ++s)
		depthOffset[s] = ((offset[0][s] - bias[0]) * a.invDepth + (offset[1][s] - bias[1]) * b.invDepth +
		                  (offset[2][s] - bias[2]) * c.invDepth) *
		                 inv;
	for (int y = y0; y <= y1; ++y)
	{
		const float py = static_cast<float>(y) + 0.5f;
		float w[3];
		for (int e = 0; e < 3; ++e)
			w[e] = Edge(*from[e], *to[e], static_cast<float>(x0) + 0.5f, py);
		for (int x = x0; x <= x1; ++x, w[0] += stepX[0], w[1] += stepX[1], w[2] += stepX[2])
		{
			if (w[0] + reach[0] < 0.0f || w[1] + reach[1] < 0.0f || w[2] + reach[2] < 0.0f)
				continue;
			unsigned covered = kAllSamples;
			if (!(w[0] + bias[0] >= reach[0] && w[1] + bias[1] >= reach[1] && w[2] + bias[2] >= reach[2]))
			{
				covered = SampleTests<S>::Covered(w, offset);
				if (covered == 0)
					continue;
			}
			const std::size_t i =
			    static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) + static_cast<std::size_t>(x);
			PixelSamples& px = Touch(i);
			const float centreDepth = (w[0] * a.invDepth + w[1] * b.invDepth + w[2] * c.invDepth) * inv;
			const unsigned nearer = SampleTests<S>::Nearer(covered, centreDepth, depthOffset, px.depth, depth);
			if (nearer == 0)
				continue;
			// Shaded at the centre moved into the triangle: negative weights (a centre outside) are dropped. The
			// reciprocal depth is linear on the screen; colours are linear in space, so they are weighted by it.
			const float l0 = std::max(w[0], 0.0f), l1 = std::max(w[1], 0.0f), l2 = std::max(w[2], 0.0f);
			const float p0 = l0 * a.invDepth, p1 = l1 * b.invDepth, p2 = l2 * c.invDepth;
			const float sum = p0 + p1 + p2;
			const float k = sum > 0.0f ? 1.0f / sum : 0.0f;
			const std::uint16_t rgba[4] = {
			    ToChannel((p0 * a.r + p1 * b.r + p2 * c.r) * k), ToChannel((p0 * a.g + p1 * b.g + p2 * c.g) * k),
			    ToChannel((p0 * a.b + p1 * b.b + p2 * c.b) * k), static_cast<std::uint16_t>(kChannelMax)};
			for (int s = 0; s < S; ++s)
			{
				if ((nearer >> s & 1u) == 0)
					continue;
				px.depth[s] = depth[s];
				std::copy(rgba, rgba + 4, px.rgba[s]);
			}
			_textBits[i] = static_cast<std::uint8_t>(text ? (_textBits[i] | nearer) : (_textBits[i] & ~nearer));
		}
	}
}

template <int S> void Target<S>::BeginStrip(float width)
{
	_lineWidth = width;
	_strip.clear();
	if (_stripSlot.empty())
		_stripSlot.assign(_count, -1);
}

template <int S> void Target<S>::Segment(const ScreenVertex& a, const ScreenVertex& b)
{
	if (!(a.invDepth > 0.0f && b.invDepth > 0.0f))
		return;
	// Clipped to the image grown by the band's reach, so the walk below is bounded by the image size.
	const float reach = _lineWidth * 0.5f + 1.0f;
	float t0 = 0.0f, t1 = 1.0f;
	if (!ClipSegment(a, b, -reach, static_cast<float>(_width) + reach, static_cast<float>(_height) + reach, t0, t1))
		return;
	CoverSegment(Lerp(a, b, t0), Lerp(a, b, t1));
}

template <int S> void Target<S>::CoverSegment(const ScreenVertex& a, const ScreenVertex& b)
{
	// Pixels whose centre lies within `reach` of the segment get some coverage; no others.
	const float reach = _lineWidth * 0.5f + 0.5f, reachSquared = reach * reach;
	const float dx = b.x - a.x, dy = b.y - a.y;
	const float lengthSquared = dx * dx + dy * dy;
	// Walked along the major axis: for each column (or row) the pixels within reach of the line across it.
	const bool alongX = std::fabs(dx) >= std::fabs(dy);
	const float major0 = alongX ? std::min(a.x, b.x) : std::min(a.y, b.y);
	const float major1 = alongX ? std::max(a.x, b.x) : std::max(a.y, b.y);
	const float slope = alongX ? (dx != 0.0f ? dy / dx : 0.0f) : (dy != 0.0f ? dx / dy : 0.0f);
	const float across = reach * std::sqrt(1.0f + slope * slope);
	const int majorLimit = alongX ? _width : _height, minorLimit = alongX ? _height : _width;
	const int m0 = std::max(0, static_cast<int>(std::ceil(major0 - reach - 0.5f)));
	const int m1 = std::min(majorLimit - 1, static_cast<int>(std::floor(major1 + reach - 0.5f)));
	for (int m = m0; m <= m1; ++m)
	{
		const float centre = std::clamp(static_cast<float>(m) + 0.5f, major0, major1);
		const float minorAtCentre = alongX ? a.y + (centre - a.x) * slope : a.x + (centre - a.y) * slope;
		const int n0 = std::max(0, static_cast<int>(std::ceil(minorAtCentre - across - 0.5f)));
		const int n1 = std::min(minorLimit - 1, static_cast<int>(std::floor(minorAtCentre + across - 0.5f)));
		for (int n = n0; n <= n1; ++n)
		{
			const int x = alongX ? m : n, y = alongX ? n : m;
			const float px = static_cast<float>(x) + 0.5f - a.x, py = static_cast<float>(y) + 0.5f - a.y;
			const float t = lengthSquared > 0.0f ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0f, 1.0f) : 0.0f;
			const float ex = px - t * dx, ey = py - t * dy;
			const float distanceSquared = ex * ex + ey * ey;
			if (!(distanceSquared < reachSquared))
				continue;
			const float coverage = BandCoverage(std::sqrt(distanceSquared), _lineWidth);
			const std::size_t i =
			    static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) + static_cast<std::size_t>(x);
			std::int32_t& slot = _stripSlot[i];
			if (!(coverage > 0.0f) || (slot >= 0 && !(coverage > _strip[static_cast<std::size_t>(slot)].coverage)))
				continue;
			const ScreenVertex at = Lerp(a, b, t);
			const StripPixel sp{static_cast<std::uint32_t>(i), coverage, at.invDepth, at.r, at.g, at.b};
			if (slot < 0)
			{
				slot = static_cast<std::int32_t>(_strip.size());
				_strip.push_back(sp);
			}
			else
				_strip[static_cast<std::size_t>(slot)] = sp;
		}
	}
}

template <int S> void Target<S>::EndStrip()
{
	for (const StripPixel& sp : _strip)
	{
		Blend(sp.pixel, sp.coverage, sp.invDepth * (1.0f + kLineDepthBias), sp.r, sp.g, sp.b);
		_stripSlot[sp.pixel] = -1;
	}
	_strip.clear();
}

template <int S> void Target<S>::Point(const ScreenVertex& p, float side)
{
	if (!(p.invDepth > 0.0f))
		return;
	const float half = side * 0.5f;
	const float left = p.x - half, right = p.x + half, top = p.y - half, bottom = p.y + half;
	if (!(right > 0.0f && bottom > 0.0f && left < static_cast<float>(_width) && top < static_cast<float>(_height)))
		return;
	const int x0 = std::max(0, static_cast<int>(std::floor(left)));
	const int x1 = std::min(_width - 1, static_cast<int>(std::floor(right)));
	const int y0 = std::max(0, static_cast<int>(std::floor(top)));
	const int y1 = std::min(_height - 1, static_cast<int>(std::floor(bottom)));
	for (int y = y0; y <= y1; ++y)
	{
		for (int x = x0; x <= x1; ++x)
		{
			const float coverage = Overlap(left, right, x) * Overlap(top, bottom, y);
			if (coverage > 0.0f)
				Blend(static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) + static_cast<std::size_t>(x),
				      coverage, p.invDepth * (1.0f + kLineDepthBias), p.r, p.g, p.b);
		}
	}
}

template <int S> void Target<S>::Resolve(const std::uint8_t background[4], io::Image& out, CoverageMaps& maps) const
{
	out.width = _width;
	out.height = _height;
	out.rgba.resize(_count * 4);
	maps.width = _width;
	maps.height = _height;
	maps.geometry.assign(_count, 0);
	maps.text.assign(_count, 0);
	const float backAlpha = static_cast<float>(background[3]) / 255.0f;
	float back[3];
	for (int k = 0; k < 3; ++k)
		back[k] = core::SrgbToLinear(static_cast<float>(background[k]) / 255.0f) * backAlpha;
	const float scale = 1.0f / (kChannelMax * static_cast<float>(S));
	for (std::size_t i = 0; i < _count; ++i)
	{
		std::uint8_t* px = &out.rgba[i * 4];
		std::copy(background, background + 4, px);
		if (_touched[i] == 0)
			continue;
		const PixelSamples& samples = _samples[i];
		std::uint32_t sum[4] = {0, 0, 0, 0};
		for (int s = 0; s < S; ++s)
		{
			for (int k = 0; k < 4; ++k)
				sum[k] += samples.rgba[s][k];
		}
		if (sum[3] == 0)
			continue;
		const float alpha = static_cast<float>(sum[3]) * scale;
		const float behind = backAlpha * (1.0f - alpha);
		const float total = alpha + behind;
		for (int k = 0; k < 3; ++k)
			px[k] = core::LinearToSrgbByte((static_cast<float>(sum[k]) * scale + back[k] * (1.0f - alpha)) / total);
		px[3] = static_cast<std::uint8_t>(total * 255.0f + 0.5f);
		maps.geometry[i] = static_cast<std::uint8_t>(alpha * 255.0f + 0.5f);
		const int textSamples = std::popcount(static_cast<unsigned>(_textBits[i]));
		maps.text[i] = static_cast<std::uint8_t>((textSamples * 255 + S / 2) / S);
	}
}
} // namespace

std::unique_ptr<SampleTarget> SampleTarget::Make(int samples, int width, int height)
{
	if (samples == kSinglePixelSample)
		return std::make_unique<Target<1>>(width, height);
	if (samples == kMaxSamples)
		return std::make_unique<Target<8>>(width, height);
	return std::make_unique<Target<4>>(width, height);
}
} // namespace surfax::render
