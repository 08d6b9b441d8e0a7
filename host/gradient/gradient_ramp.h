// Colour gradients: knots with per-knot interpolation and bias, prepared once, sampled many times.
//
// How a colour is found for a position t:
// - t is clamped to 0..1; a NaN t gives the first knot's colour (as t = 0 would).
// - Knot positions are clamped to 0..1 as well (a NaN position counts as 0), then the knots are sorted by
//   position, keeping the given order for equal positions. Each colour is multiplied by its knot's brightness.
// - Before the first knot and after the last, the end knot's colour holds. No knots: black.
// - Between knots L and R (L.position <= t < R.position), L's interpolation and L's bias apply to
//   local t = (t - L.position) / (R.position - L.position). Where several knots share a position, the colour
//   at that position is the last of them (a zero-length segment takes its right knot).
// - The bias (clamped to 1e-6 .. 1 - 1e-6; NaN counts as 0.5) is where the blend is half-way:
//   t' = 0.5 * t / bias for t < bias, else 0.5 + 0.5 * (t - bias) / (1 - bias).
// - The blend weight w between L and R from t':
//     LinearKnot  w = t'
//     SmoothKnot  w = t'^2 (3 - 2 t')                  (smoothstep)
//     Step        w = 0                                (the segment takes L's colour)
//     ExpUp       w = ln(t' k + 1),  k = e - 1
//     ExpDown     w = 1 - ln((1 - t') k + 1)
//     CubicKnot   Catmull-Rom through the knot before L, L, R and the knot after R at t' (the end knots stand
//                 in for missing neighbours); this may overshoot the neighbouring colours.
//     CubicBias, Blend and any value not listed here behave as SmoothKnot: the application does not publish
//     those curves.
// Results are not clamped: colours or brightness above 1 give colours above 1.
#ifndef SURFAX_HOST_GRADIENT_GRADIENT_RAMP_H
#define SURFAX_HOST_GRADIENT_GRADIENT_RAMP_H

#include "ge_math.h"

#include <cstddef>
#include <vector>

namespace surfax::gradient
{
/// The application's per-knot interpolation values (the value 4 is unused since the global mode was removed).
enum class Interpolation : cinema::Int32
{
	CubicKnot = 0,
	CubicBias = 1,
	SmoothKnot = 2,
	LinearKnot = 3,
	Step = 5,
	ExpUp = 6,
	ExpDown = 7,
	Blend = 8
};

/// One knot as the gradient data type stores it. `interpolation` holds an `Interpolation` value and governs the
/// segment from this knot to the next; `bias` is the position of the half-way point within that segment (0..1);
/// `index` is the knot's id and plays no part in sampling.
struct Knot
{
	maxon::Color color;
	cinema::Float brightness = 1.0;
	cinema::Float position = 0.0;
	cinema::Float bias = 0.5;
	cinema::Int32 index = 0;
	cinema::Int32 interpolation = static_cast<cinema::Int32>(Interpolation::SmoothKnot);
};

/// Most knots a ramp accepts; real gradients hold a handful.
constexpr std::size_t kMaxKnots = 65536;

/// A gradient prepared for lookups: knots sorted by position, colours premultiplied by brightness.
/// Prepare allocates; Sample never allocates and may be called from several threads at once.
class Ramp
{
public:
	/// Copies and sorts `count` knots from `knots` (which may be null only when count is 0); the caller keeps
	/// ownership of the array. Returns false, leaving the ramp empty, when knots is null with a non-zero count,
	/// count exceeds kMaxKnots or memory runs out.
	bool Prepare(const Knot* knots, std::size_t count);

	/// The colour at position t (see the rules at the top of this file).
	maxon::Color Sample(cinema::Float t) const;

	/// Number of prepared knots.
	std::size_t GetKnotCount() const { return knots_.size(); }

private:
	// The segment from a knot to the next is prepared with it. Dividing by a power of two gives the same bits as
	// multiplying by its reciprocal (both round the same exact quotient), so where a span, the bias or one minus the
	// bias is a power of two (0.5 in the usual evenly spaced, unbiased gradient) the division becomes a
	// multiplication; anything else is divided as written. Sample's results are the same either way.
	struct PreparedKnot
	{
		maxon::Color color; // already multiplied by brightness
		cinema::Float position = 0.0;
		cinema::Float bias = 0.5;
		cinema::Int32 interpolation = 0;
		cinema::Float spanReciprocal = 0.0;      // 1 / (next position - position) when exact, else 0
		cinema::Float biasReciprocal = 0.0;      // 1 / bias when exact, else 0
		cinema::Float upperBiasReciprocal = 0.0; // 1 / (1 - bias) when exact, else 0
	};

	std::vector<PreparedKnot> knots_;
};
} // namespace surfax::gradient

#endif // SURFAX_HOST_GRADIENT_GRADIENT_RAMP_H
