#include "host/gradient/gradient_ramp.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace surfax::gradient
{
namespace
{
constexpr cinema::Float kMinBias = 1e-6;
constexpr cinema::Float kExpScale = 1.71828182845904523536; // e - 1: maps ln(t k + 1) onto 0..1

// Clamps to 0..1; NaN stays NaN.
cinema::Float Clamp01(cinema::Float v)
{
	return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

cinema::Float ClampPosition(cinema::Float t)
{
	// NaN fails every comparison, so test for it first: it must land on the first knot.
	if (std::isnan(t))
		return 0.0;
	return Clamp01(t);
}

// 1 / d when d is a power of two whose reciprocal is a double as well, else 0: then x * (1 / d) is x / d bit for bit.
cinema::Float ExactReciprocal(cinema::Float d)
{
	if (!(d > 0.0) || !std::isfinite(d))
		return 0.0;
	int exponent = 0;
	if (std::frexp(d, &exponent) != 0.5)
		return 0.0;
	const cinema::Float r = 1.0 / d;
	int reciprocalExponent = 0;
	if (!std::isfinite(r) || r == 0.0 || std::frexp(r, &reciprocalExponent) != 0.5)
		return 0.0;
	return r;
}

// x / d, multiplying instead when the reciprocal is exact.
cinema::Float Divide(cinema::Float x, cinema::Float d, cinema::Float exactReciprocal)
{
	return exactReciprocal != 0.0 ? x * exactReciprocal : x / d;
}

// Same arithmetic as 0.5 * t / bias and 0.5 + 0.5 * (t - bias) / (1 - bias).
template <typename K> cinema::Float RemapBias(cinema::Float t, const K& k)
{
	if (t < k.bias)
		return Divide(0.5 * t, k.bias, k.biasReciprocal);
	return 0.5 + Divide(0.5 * (t - k.bias), 1.0 - k.bias, k.upperBiasReciprocal);
}

maxon::Color Lerp(const maxon::Color& a, const maxon::Color& b, cinema::Float w)
{
	return a + (b - a) * w;
}

// Uniform Catmull-Rom between p1 and p2, with p0 and p3 giving the tangents.
maxon::Color CatmullRom(const maxon::Color& p0, const maxon::Color& p1, const maxon::Color& p2, const maxon::Color& p3,
                        cinema::Float t)
{
	const maxon::Color linear = (p2 - p0) * 0.5;
	const maxon::Color quadratic = p0 - p1 * 2.5 + p2 * 2.0 - p3 * 0.5;
	const maxon::Color cubic = (p1 - p2) * 1.5 + (p3 - p0) * 0.5;
	return p1 + (linear + (quadratic + cubic * t) * t) * t;
}
} // namespace

bool Ramp::Prepare(const Knot* knots, std::size_t count)
{
	knots_.clear();
	if ((knots == nullptr && count != 0) || count > kMaxKnots)
		return false;
	try
	{
		knots_.reserve(count);
	}
	catch (const std::bad_alloc&)
	{
		return false;
	}
	for (std::size_t i = 0; i < count; ++i)
	{
		const Knot& k = knots[i];
		PreparedKnot p;
		p.color = k.color * k.brightness;
		p.position = ClampPosition(k.position);
		p.bias = std::isnan(k.bias) ? 0.5 : maxon::ClampValue(k.bias, kMinBias, 1.0 - kMinBias);
		p.interpolation = k.interpolation;
		knots_.push_back(p);
	}
	// Stable, so knots at one position keep their given order and the last of them wins at that position.
	std::stable_sort(knots_.begin(), knots_.end(),
	                 [](const PreparedKnot& a, const PreparedKnot& b) { return a.position < b.position; });
	for (std::size_t i = 0; i < knots_.size(); ++i)
	{
		PreparedKnot& k = knots_[i];
		k.biasReciprocal = ExactReciprocal(k.bias);
		k.upperBiasReciprocal = ExactReciprocal(1.0 - k.bias);
		k.spanReciprocal = i + 1 < knots_.size() ? ExactReciprocal(knots_[i + 1].position - k.position) : 0.0;
	}
	return true;
}

maxon::Color Ramp::Sample(cinema::Float t) const
{
	const std::size_t n = knots_.size();
	if (n == 0)
		return maxon::Color();
	const cinema::Float pos = ClampPosition(t);

	// First knot strictly to the right of pos: the segment is [right - 1, right]. A gradient has a handful of knots,
	// where a forward scan beats a binary search; long ones are searched.
	std::size_t right = 0;
	if (n <= 8)
	{
		while (right < n && !(pos < knots_[right].position))
			++right;
	}
	else
	{
		const auto it = std::upper_bound(knots_.begin(), knots_.end(), pos,
		                                 [](cinema::Float value, const PreparedKnot& k) { return value < k.position; });
		right = static_cast<std::size_t>(it - knots_.begin());
	}
	if (right == 0)
		return knots_[0].color;
	if (right == n)
		return knots_[n - 1].color;

	const std::size_t left = right - 1;
	const PreparedKnot& l = knots_[left];
	const PreparedKnot& r = knots_[right];
	const cinema::Float span = r.position - l.position;
	if (!(span > 0.0))
		return r.color;
	const cinema::Float local = Clamp01(Divide(pos - l.position, span, l.spanReciprocal));
	const cinema::Float u = RemapBias(local, l);

	switch (static_cast<Interpolation>(l.interpolation))
	{
	case Interpolation::LinearKnot:
		return Lerp(l.color, r.color, u);
	case Interpolation::Step:
		return l.color;
	case Interpolation::ExpUp:
		return Lerp(l.color, r.color, std::log(u * kExpScale + 1.0));
	case Interpolation::ExpDown:
		return Lerp(l.color, r.color, 1.0 - std::log((1.0 - u) * kExpScale + 1.0));
	case Interpolation::CubicKnot:
	{
		const maxon::Color& before = knots_[left == 0 ? 0 : left - 1].color;
		const maxon::Color& after = knots_[right + 1 < n ? right + 1 : right].color;
		return CatmullRom(before, l.color, r.color, after, u);
	}
	default:
		return Lerp(l.color, r.color, u * u * (3.0 - 2.0 * u));
	}
}
} // namespace surfax::gradient
