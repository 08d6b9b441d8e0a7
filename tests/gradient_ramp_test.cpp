#include "host/gradient/gradient_ramp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <limits>
#include <vector>

using surfax::gradient::Interpolation;
using surfax::gradient::Knot;
using surfax::gradient::Ramp;

namespace
{
const maxon::Color kBlue(0, 0, 1);
const maxon::Color kGreen(0, 1, 0);
const maxon::Color kRed(1, 0, 0);
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

Knot MakeKnot(const maxon::Color& color, double position, Interpolation mode = Interpolation::SmoothKnot,
              double bias = 0.5)
{
	Knot k;
	k.color = color;
	k.position = position;
	k.bias = bias;
	k.interpolation = static_cast<cinema::Int32>(mode);
	return k;
}

Ramp Prepared(const std::vector<Knot>& knots)
{
	Ramp ramp;
	EXPECT_TRUE(ramp.Prepare(knots.data(), knots.size()));
	return ramp;
}

void ExpectColorNear(const maxon::Color& actual, const maxon::Color& expected, double tolerance = 1e-12)
{
	EXPECT_NEAR(actual.r, expected.r, tolerance);
	EXPECT_NEAR(actual.g, expected.g, tolerance);
	EXPECT_NEAR(actual.b, expected.b, tolerance);
}

maxon::Color Mix(const maxon::Color& a, const maxon::Color& b, double w)
{
	return a * (1.0 - w) + b * w;
}
} // namespace

TEST(GradientRamp, DefaultThreeKnotGradientHitsEveryKnotAndBlendsSmoothly)
{
	const Ramp ramp = Prepared({MakeKnot(kBlue, 0.0), MakeKnot(kGreen, 0.5), MakeKnot(kRed, 1.0)});
	ExpectColorNear(ramp.Sample(0.0), kBlue);
	ExpectColorNear(ramp.Sample(0.5), kGreen);
	ExpectColorNear(ramp.Sample(1.0), kRed);
	ExpectColorNear(ramp.Sample(0.25), Mix(kBlue, kGreen, 0.5));
	ExpectColorNear(ramp.Sample(0.75), Mix(kGreen, kRed, 0.5));
	// Smoothstep at local t 0.2: it lags a straight blend near the left knot and leads near the right one.
	ExpectColorNear(ramp.Sample(0.1), Mix(kBlue, kGreen, 0.2 * 0.2 * (3 - 0.4)));
	EXPECT_GT(ramp.Sample(0.4).g, 0.8);
}

TEST(GradientRamp, LinearKnotsBlendInProportionToPosition)
{
	const Ramp ramp =
	    Prepared({MakeKnot(kBlue, 0.2, Interpolation::LinearKnot), MakeKnot(kRed, 0.6, Interpolation::LinearKnot)});
	ExpectColorNear(ramp.Sample(0.4), Mix(kBlue, kRed, 0.5));
	ExpectColorNear(ramp.Sample(0.3), Mix(kBlue, kRed, 0.25));
}

TEST(GradientRamp, LeftKnotsBiasMovesTheHalfWayPoint)
{
	for (const Interpolation mode : {Interpolation::LinearKnot, Interpolation::SmoothKnot})
		for (const double bias : {0.1, 0.25, 0.8})
		{
			// The right knot's bias and mode must play no part in this segment.
			const Ramp ramp =
			    Prepared({MakeKnot(kBlue, 0.0, mode, bias), MakeKnot(kRed, 1.0, Interpolation::Step, 0.9)});
			ExpectColorNear(ramp.Sample(bias), Mix(kBlue, kRed, 0.5));
			EXPECT_LT(ramp.Sample(bias - 0.05).r, 0.5);
			EXPECT_GT(ramp.Sample(bias + 0.05).r, 0.5);
		}
	// Biases at or beyond the ends, or not a number, still give a finite blend between the two colours.
	for (const double bias : {0.0, 1.0, -3.0, kNan})
	{
		const Ramp ramp = Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, bias), MakeKnot(kRed, 1.0)});
		for (int i = 0; i <= 20; ++i)
		{
			const double red = ramp.Sample(i / 20.0).r;
			EXPECT_TRUE(red >= 0.0 && red <= 1.0) << "bias " << bias << " gives " << red;
		}
	}
}

TEST(GradientRamp, BrightnessScalesTheKnotColourBeforeBlending)
{
	Knot bright = MakeKnot(maxon::Color(1.0, 0.5, 0.25), 0.0, Interpolation::LinearKnot);
	bright.brightness = 2.0;
	Knot dark = MakeKnot(maxon::Color(1.0, 1.0, 1.0), 1.0);
	dark.brightness = 0.0;
	const Ramp ramp = Prepared({bright, dark});
	ExpectColorNear(ramp.Sample(0.0), maxon::Color(2.0, 1.0, 0.5));
	ExpectColorNear(ramp.Sample(1.0), maxon::Color(0.0, 0.0, 0.0));
	ExpectColorNear(ramp.Sample(0.5), maxon::Color(1.0, 0.5, 0.25));
}

TEST(GradientRamp, KnotOrderDoesNotMatterAndTiesGoToTheLastGiven)
{
	const std::vector<Knot> sorted = {MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, 0.3),
	                                  MakeKnot(kGreen, 0.4, Interpolation::ExpUp),
	                                  MakeKnot(kRed, 0.9, Interpolation::CubicKnot, 0.7), MakeKnot(kBlue, 1.0)};
	const Ramp a = Prepared(sorted);
	const Ramp b = Prepared({sorted[2], sorted[0], sorted[3], sorted[1]});
	for (int i = 0; i <= 100; ++i)
		EXPECT_EQ(a.Sample(i / 100.0), b.Sample(i / 100.0)) << "at " << i / 100.0;

	const Ramp tied =
	    Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot), MakeKnot(kGreen, 0.5, Interpolation::LinearKnot),
	              MakeKnot(kRed, 0.5, Interpolation::LinearKnot), MakeKnot(kBlue, 1.0)});
	ExpectColorNear(tied.Sample(0.5), kRed);
	ExpectColorNear(tied.Sample(0.5 - 1e-9), kGreen, 1e-6);
	ExpectColorNear(tied.Sample(0.75), Mix(kRed, kBlue, 0.5));
}

TEST(GradientRamp, EndColoursHoldAndPositionsAreClamped)
{
	const Ramp inner = Prepared({MakeKnot(kGreen, 0.3), MakeKnot(kRed, 0.7)});
	ExpectColorNear(inner.Sample(0.1), kGreen);
	ExpectColorNear(inner.Sample(0.9), kRed);
	ExpectColorNear(inner.Sample(kNan), kGreen);

	const Ramp single = Prepared({MakeKnot(maxon::Color(0.2, 0.4, 0.6), 0.35, Interpolation::CubicKnot)});
	for (const double t : {-1.0, 0.0, 0.35, 0.5, 3.0})
		ExpectColorNear(single.Sample(t), maxon::Color(0.2, 0.4, 0.6));

	// Knots outside 0..1 land on the ends, so the middle is an even mix.
	const Ramp outside =
	    Prepared({MakeKnot(kBlue, -0.5, Interpolation::LinearKnot), MakeKnot(kRed, 1.5, Interpolation::LinearKnot)});
	ExpectColorNear(outside.Sample(0.5), Mix(kBlue, kRed, 0.5));
	EXPECT_EQ(outside.Sample(-4.0), kBlue);
	EXPECT_EQ(outside.Sample(std::numeric_limits<double>::infinity()), kRed);

	const Ramp nanKnot = Prepared({MakeKnot(kRed, 1.0), MakeKnot(kGreen, kNan)});
	ExpectColorNear(nanKnot.Sample(0.0), kGreen);
}

TEST(GradientRamp, EveryModeRunsFromTheLeftKnotToTheRightOne)
{
	for (const Interpolation mode :
	     {Interpolation::CubicKnot, Interpolation::CubicBias, Interpolation::SmoothKnot, Interpolation::LinearKnot,
	      Interpolation::Step, Interpolation::ExpUp, Interpolation::ExpDown, Interpolation::Blend})
	{
		SCOPED_TRACE(static_cast<int>(mode));
		const Ramp ramp = Prepared(
		    {MakeKnot(kBlue, 0.0), MakeKnot(kGreen, 0.25, mode, 0.3), MakeKnot(kRed, 0.75), MakeKnot(kBlue, 1.0)});
		ExpectColorNear(ramp.Sample(0.25), kGreen);
		ExpectColorNear(ramp.Sample(0.75 - 1e-9), mode == Interpolation::Step ? kGreen : kRed, 1e-6);
	}
	// The exponential curves bend to opposite sides of a straight blend and mirror each other.
	const Ramp up = Prepared({MakeKnot(kBlue, 0.0, Interpolation::ExpUp), MakeKnot(kRed, 1.0)});
	const Ramp down = Prepared({MakeKnot(kBlue, 0.0, Interpolation::ExpDown), MakeKnot(kRed, 1.0)});
	for (int i = 1; i < 20; ++i)
	{
		const double t = i / 20.0;
		EXPECT_GT(up.Sample(t).r, t);
		EXPECT_LT(down.Sample(t).r, t);
		EXPECT_NEAR(down.Sample(t).r, 1.0 - up.Sample(1.0 - t).r, 1e-12);
	}
}

TEST(GradientRamp, CubicKnotsFollowEvenlySpacedLinearValues)
{
	// Catmull-Rom reproduces a straight line through evenly spaced points, so the inner segment of an evenly
	// spaced grey ramp stays on it; the end segments, with a duplicated end knot, bend away.
	std::vector<Knot> knots;
	for (int i = 0; i < 4; ++i)
		knots.push_back(MakeKnot(maxon::Color(i / 3.0), i / 3.0, Interpolation::CubicKnot));
	const Ramp ramp = Prepared(knots);
	for (int i = 0; i <= 10; ++i)
		EXPECT_NEAR(ramp.Sample(1.0 / 3.0 + i / 30.0).g, 1.0 / 3.0 + i / 30.0, 1e-12);
	EXPECT_GT(std::fabs(ramp.Sample(1.0 / 6.0).g - 1.0 / 6.0), 1e-3);
}

TEST(GradientRamp, UnpublishedModesBehaveAsSmoothKnot)
{
	const auto rampWith = [](cinema::Int32 mode)
	{
		Knot first = MakeKnot(kBlue, 0.1, Interpolation::SmoothKnot, 0.35);
		first.interpolation = mode;
		return Prepared({first, MakeKnot(kRed, 0.8)});
	};
	const Ramp smooth = rampWith(static_cast<cinema::Int32>(Interpolation::SmoothKnot));
	for (const cinema::Int32 mode : {static_cast<cinema::Int32>(Interpolation::CubicBias),
	                                 static_cast<cinema::Int32>(Interpolation::Blend), 4, -1, 1000})
		for (int i = 0; i <= 20; ++i)
			EXPECT_EQ(rampWith(mode).Sample(i / 20.0), smooth.Sample(i / 20.0)) << "mode " << mode;
}

TEST(GradientRamp, EmptyAndInvalidInputGiveBlack)
{
	Ramp ramp;
	EXPECT_EQ(ramp.Sample(0.5), maxon::Color());
	const Knot one = MakeKnot(kRed, 0.5);
	ASSERT_TRUE(ramp.Prepare(&one, 1));
	EXPECT_FALSE(ramp.Prepare(nullptr, 2));
	EXPECT_EQ(ramp.Sample(0.5), maxon::Color());

	std::vector<Knot> many(surfax::gradient::kMaxKnots + 1, one);
	EXPECT_FALSE(ramp.Prepare(many.data(), many.size()));
	EXPECT_TRUE(ramp.Prepare(many.data(), surfax::gradient::kMaxKnots));
	EXPECT_EQ(ramp.Sample(0.1), kRed);
}

namespace
{
// The documented rules written out with plain divisions, as the ramp computed them before any segment was
// prepared: the reference that prepared segments must match bit for bit. Knots must be sorted, positions in 0..1.
maxon::Color ReferenceSample(const std::vector<Knot>& knots, double t)
{
	const double pos = std::isnan(t) ? 0.0 : std::fmin(1.0, std::fmax(0.0, t));
	std::size_t right = 0;
	while (right < knots.size() && !(pos < knots[right].position))
		++right;
	if (right == 0)
		return knots[0].color;
	if (right == knots.size())
		return knots.back().color;
	const Knot& l = knots[right - 1];
	const Knot& r = knots[right];
	const double span = r.position - l.position;
	if (!(span > 0.0))
		return r.color;
	double local = (pos - l.position) / span;
	local = local < 0.0 ? 0.0 : (local > 1.0 ? 1.0 : local);
	const double u = local < l.bias ? 0.5 * local / l.bias : 0.5 + 0.5 * (local - l.bias) / (1.0 - l.bias);
	const double w =
	    l.interpolation == static_cast<cinema::Int32>(Interpolation::LinearKnot) ? u : u * u * (3.0 - 2.0 * u);
	return l.color + (r.color - l.color) * w;
}

std::uint64_t BitsOf(double v)
{
	std::uint64_t bits;
	std::memcpy(&bits, &v, sizeof bits);
	return bits;
}
} // namespace

// Spans and biases that are powers of two are multiplied by their reciprocals instead of divided; that must never
// change a colour, down to the last bit, including for spans too small for their reciprocal to be a double.
TEST(GradientRamp, PreparedSegmentsGiveTheColoursOfPlainDivisionBitForBit)
{
	const std::vector<std::vector<Knot>> gradients = {
	    {MakeKnot(kBlue, 0.0), MakeKnot(kGreen, 0.5), MakeKnot(kRed, 1.0)},
	    {MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, 0.25), MakeKnot(kGreen, 0.25, Interpolation::SmoothKnot, 0.75),
	     MakeKnot(kRed, 0.75, Interpolation::LinearKnot, 0.3), MakeKnot(kBlue, 1.0)},
	    {MakeKnot(kRed, 0.0, Interpolation::SmoothKnot, 0.125), MakeKnot(kGreen, 0.3, Interpolation::LinearKnot, 0.5),
	     MakeKnot(kBlue, 0.7)},
	    {MakeKnot(kRed, 0.0, Interpolation::LinearKnot), MakeKnot(kGreen, std::ldexp(1.0, -1060)),
	     MakeKnot(kBlue, std::ldexp(1.0, -40), Interpolation::LinearKnot), MakeKnot(kRed, 1.0)},
	};
	std::mt19937_64 random(17);
	for (const std::vector<Knot>& knots : gradients)
	{
		const Ramp ramp = Prepared(knots);
		std::vector<double> positions = {0.0,
		                                 0.125,
		                                 0.25,
		                                 0.3,
		                                 0.5,
		                                 0.7,
		                                 0.75,
		                                 1.0,
		                                 -0.5,
		                                 2.0,
		                                 kNan,
		                                 std::nextafter(0.5, 1.0),
		                                 std::nextafter(0.25, 0.0)};
		for (int i = 0; i < 20000; ++i)
			positions.push_back(std::uniform_real_distribution<double>(0.0, 1.0)(random));
		for (int i = 0; i < 2000; ++i)
		{
			positions.push_back(std::ldexp(std::uniform_real_distribution<double>(0.0, 1.0)(random), -40));
			positions.push_back(std::ldexp(std::uniform_real_distribution<double>(0.0, 1.0)(random), -1060));
		}
		for (const double t : positions)
		{
			const maxon::Color actual = ramp.Sample(t);
			const maxon::Color expected = ReferenceSample(knots, t);
			ASSERT_EQ(BitsOf(actual.r), BitsOf(expected.r)) << "t = " << t;
			ASSERT_EQ(BitsOf(actual.g), BitsOf(expected.g)) << "t = " << t;
			ASSERT_EQ(BitsOf(actual.b), BitsOf(expected.b)) << "t = " << t;
		}
	}
}
