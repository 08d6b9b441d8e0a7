#include "host/render/coverage_mask.h"

#include "host/core/color_space.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace surfax::render
{
namespace
{
// The share of the row-cell [j, j + 1] (in x) that lies right of a line piece running from xl to xr (xl <= xr) across
// the whole row, averaged over the piece: the integral of clamp(j + 1 - x, 0, 1) along it, divided by its extent.
float RightShare(int j, float xl, float xr)
{
	const float u = static_cast<float>(j) + 1.0f;
	if (xr - xl < 1e-6f)
		return std::clamp(u - (xl + xr) * 0.5f, 0.0f, 1.0f);
	// An antiderivative of clamp(u - x, 0, 1) in x.
	const auto integral = [u](float x)
	{
		if (x <= u - 1.0f)
			return x;
		if (x >= u)
			return u - 0.5f;
		const float w = x - (u - 1.0f);
		return u - 1.0f + w - w * w * 0.5f;
	};
	return (integral(xr) - integral(xl)) / (xr - xl);
}

// Adds the line p0-p1 (mask coordinates) to the accumulation rows: each cell gets the change of the signed covered
// area from the cell before it, so that the running sum along a row is the area covered up to that cell.
void AccumulateLine(std::vector<float>& acc, int stride, int rows, fonts::Point2 p0, fonts::Point2 p1)
{
	if (p0.y == p1.y)
		return;
	float direction = 1.0f;
	if (p0.y > p1.y)
	{
		std::swap(p0, p1);
		direction = -1.0f;
	}
	const double slope = (p1.x - p0.x) / (p1.y - p0.y);
	const int firstRow = std::max(0, static_cast<int>(std::floor(p0.y)));
	const int lastRow = std::min(rows - 1, static_cast<int>(std::ceil(p1.y)) - 1);
	for (int row = firstRow; row <= lastRow; ++row)
	{
		const double ya = std::max(static_cast<double>(row), p0.y), yb = std::min(static_cast<double>(row) + 1.0, p1.y);
		if (!(yb > ya))
			continue;
		const float xa = static_cast<float>(p0.x + (ya - p0.y) * slope);
		const float xb = static_cast<float>(p0.x + (yb - p0.y) * slope);
		const float xl = std::min(xa, xb), xr = std::max(xa, xb);
		const float d = static_cast<float>(yb - ya) * direction;
		float* line = &acc[static_cast<std::size_t>(row) * static_cast<std::size_t>(stride)];
		float before = 0.0f;
		const int j0 = std::max(0, static_cast<int>(std::floor(xl)));
		const int j1 = std::min(stride - 1, static_cast<int>(std::floor(xr)) + 1);
		for (int j = j0; j <= j1; ++j)
		{
			const float share = RightShare(j, xl, xr);
			line[j] += d * (share - before);
			before = share;
		}
	}
}

const std::array<float, 256>& DecodeTable()
{
	static const std::array<float, 256> table = []
	{
		std::array<float, 256> t{};
		for (std::size_t b = 0; b < t.size(); ++b)
			t[b] = core::SrgbToLinear(static_cast<float>(b) / 255.0f);
		return t;
	}();
	return table;
}
} // namespace

bool LayoutText(const fonts::FontFace& face, std::string_view utf8, float pixelHeight, fonts::TextOutline& out)
{
	if (!fonts::BuildTextOutline(face, utf8, pixelHeight, fonts::TextAlign::Left, out))
		return false;
	// Glyphs are laid out with y up; pictures run down.
	for (fonts::Point2& p : out.points)
		p.y = -p.y;
	const double top = -out.max.y, bottom = -out.min.y;
	out.min.y = top;
	out.max.y = bottom;
	return true;
}

void FillOutline(const fonts::TextOutline& outline, float dx, float dy, CoverageMask& out)
{
	out = CoverageMask();
	if (outline.points.empty())
		return;
	out.left = static_cast<int>(std::floor(outline.min.x + dx)) - 1;
	out.top = static_cast<int>(std::floor(outline.min.y + dy)) - 1;
	out.width = static_cast<int>(std::ceil(outline.max.x + dx)) - out.left + 2;
	out.height = static_cast<int>(std::ceil(outline.max.y + dy)) - out.top + 2;
	const int stride = out.width + 2;
	std::vector<float> acc(static_cast<std::size_t>(stride) * static_cast<std::size_t>(out.height), 0.0f);
	const double shiftX = dx - out.left, shiftY = dy - out.top;
	std::size_t first = 0;
	for (const int size : outline.contourSizes)
	{
		for (int k = 0; k < size; ++k)
		{
			const fonts::Point2& a = outline.points[first + static_cast<std::size_t>(k)];
			const fonts::Point2& b = outline.points[first + static_cast<std::size_t>((k + 1) % size)];
			AccumulateLine(acc, stride, out.height, {a.x + shiftX, a.y + shiftY}, {b.x + shiftX, b.y + shiftY});
		}
		first += static_cast<std::size_t>(size);
	}
	out.coverage.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0.0f);
	for (int y = 0; y < out.height; ++y)
	{
		float sum = 0.0f;
		for (int x = 0; x < out.width; ++x)
		{
			sum += acc[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x)];
			out.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
			             static_cast<std::size_t>(x)] = std::min(1.0f, std::fabs(sum));
		}
	}
}

CoverageMask Halo(const CoverageMask& mask, float radius)
{
	CoverageMask out;
	if (mask.Empty())
		return out;
	const int reach = static_cast<int>(std::ceil(radius)) + 1;
	out.left = mask.left - reach;
	out.top = mask.top - reach;
	out.width = mask.width + 2 * reach;
	out.height = mask.height + 2 * reach;
	out.coverage.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0.0f);
	// The fall-off of each offset within reach, worked out once.
	const int side = 2 * reach + 1;
	std::vector<float> kernel(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
	for (int oy = -reach; oy <= reach; ++oy)
	{
		for (int ox = -reach; ox <= reach; ++ox)
			kernel[static_cast<std::size_t>((oy + reach) * side + ox + reach)] =
			    std::clamp(radius + 1.0f - std::sqrt(static_cast<float>(ox * ox + oy * oy)), 0.0f, 1.0f);
	}
	// Spread from the covered pixels only: text is sparse in its box.
	for (int y = 0; y < mask.height; ++y)
	{
		for (int x = 0; x < mask.width; ++x)
		{
			const float c = mask.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) +
			                              static_cast<std::size_t>(x)];
			if (!(c > 0.0f))
				continue;
			for (int oy = 0; oy < side; ++oy)
			{
				float* row = &out.coverage[static_cast<std::size_t>(y + oy) * static_cast<std::size_t>(out.width) +
				                           static_cast<std::size_t>(x)];
				const float* weights = &kernel[static_cast<std::size_t>(oy * side)];
				for (int ox = 0; ox < side; ++ox)
					row[ox] = std::max(row[ox], c * weights[ox]);
			}
		}
	}
	return out;
}

void BlendMask(io::Image& image, const CoverageMask& mask, const float color[3], float opacity,
               const std::vector<std::uint8_t>* weights)
{
	const std::array<float, 256>& decode = DecodeTable();
	const float linear[3] = {core::SrgbToLinear(color[0]), core::SrgbToLinear(color[1]), core::SrgbToLinear(color[2])};
	const int x0 = std::max(0, mask.left), x1 = std::min(image.width, mask.left + mask.width);
	const int y0 = std::max(0, mask.top), y1 = std::min(image.height, mask.top + mask.height);
	for (int y = y0; y < y1; ++y)
	{
		for (int x = x0; x < x1; ++x)
		{
			const std::size_t i =
			    static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x);
			float a = mask.coverage[static_cast<std::size_t>(y - mask.top) * static_cast<std::size_t>(mask.width) +
			                        static_cast<std::size_t>(x - mask.left)] *
			          opacity;
			if (weights != nullptr)
				a *= static_cast<float>((*weights)[i]) / 255.0f;
			if (!(a > 0.0f))
				continue;
			std::uint8_t* px = &image.rgba[i * 4];
			const float behind = static_cast<float>(px[3]) / 255.0f * (1.0f - a);
			const float total = a + behind;
			for (int k = 0; k < 3; ++k)
				px[k] = core::LinearToSrgbByte((linear[k] * a + decode[px[k]] * behind) / total);
			px[3] = static_cast<std::uint8_t>(total * 255.0f + 0.5f);
		}
	}
}
} // namespace surfax::render
