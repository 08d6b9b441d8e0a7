#include "host/gradient/gradient_ramp.h"

#include <gtest/gtest.h>

#include <cmath>
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

Knot MakeKnot(const maxon::Color& color, cinema::Float position, Interpolation mode = Interpolation::SmoothKnot,
              cinema::Float bias = 0.5)
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

double Smoothstep(double x)
{
	return x * x * (3.0 - 2.0 * x);
}

const Interpolation kAllModes[] = {Interpolation::CubicKnot,  Interpolation::CubicBias, Interpolation::SmoothKnot,
                                   Interpolation::LinearKnot, Interpolation::Step,      Interpolation::ExpUp,
                                   Interpolation::ExpDown,    Interpolation::Blend};
} // namespace

TEST(GradientRamp, DefaultThreeKnotGradientHitsEveryKnotAndBlendsSmoothly)
{
	const Ramp ramp = Prepared({MakeKnot(kBlue, 0.0), MakeKnot(kGreen, 0.5), MakeKnot(kRed, 1.0)});
	ExpectColorNear(ramp.Sample(0.0), kBlue);
	ExpectColorNear(ramp.Sample(0.5), kGreen);
	ExpectColorNear(ramp.Sample(1.0), kRed);
	// Half-way between two knots with bias 0.5 is an even mix.
	ExpectColorNear(ramp.Sample(0.25), Mix(kBlue, kGreen, 0.5));
	ExpectColorNear(ramp.Sample(0.75), Mix(kGreen, kRed, 0.5));
	// Away from the middle the smooth curve lags behind a straight blend near the left knot and leads near
	// the right one.
	ExpectColorNear(ramp.Sample(0.1), Mix(kBlue, kGreen, Smoothstep(0.2)));
	EXPECT_LT(ramp.Sample(0.1).g, 0.2);
	EXPECT_GT(ramp.Sample(0.4).g, 0.8);
}

TEST(GradientRamp, LinearKnotsBlendInProportionToPosition)
{
	const Ramp ramp =
	    Prepared({MakeKnot(kBlue, 0.2, Interpolation::LinearKnot), MakeKnot(kRed, 0.6, Interpolation::LinearKnot)});
	ExpectColorNear(ramp.Sample(0.4), Mix(kBlue, kRed, 0.5));
	ExpectColorNear(ramp.Sample(0.3), Mix(kBlue, kRed, 0.25));
	ExpectColorNear(ramp.Sample(0.5), Mix(kBlue, kRed, 0.75));
}

TEST(GradientRamp, BiasMovesTheHalfWayPoint)
{
	for (const Interpolation mode : {Interpolation::LinearKnot, Interpolation::SmoothKnot})
	{
		for (const double bias : {0.1, 0.25, 0.8})
		{
			const Ramp ramp = Prepared({MakeKnot(kBlue, 0.0, mode, bias), MakeKnot(kRed, 1.0)});
			ExpectColorNear(ramp.Sample(bias), Mix(kBlue, kRed, 0.5));
			// The blend still runs from one knot to the other and only ever moves towards the right colour.
			double previous = -1.0;
			for (int i = 0; i <= 100; ++i)
			{
				const double red = ramp.Sample(i / 100.0).r;
				EXPECT_GE(red, previous);
				previous = red;
			}
			ExpectColorNear(ramp.Sample(0.0), kBlue);
			ExpectColorNear(ramp.Sample(1.0), kRed);
		}
	}
	// The right knot's bias plays no part in the segment before it.
	const Ramp leftBias = Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, 0.2), MakeKnot(kRed, 1.0)});
	const Ramp bothBiased =
	    Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, 0.2), MakeKnot(kRed, 1.0, Interpolation::Step, 0.9)});
	ExpectColorNear(leftBias.Sample(0.6), bothBiased.Sample(0.6));
}

TEST(GradientRamp, ExtremeBiasStaysFinite)
{
	for (const double bias : {0.0, 1.0, -3.0, 7.0, std::numeric_limits<double>::quiet_NaN()})
	{
		const Ramp ramp = Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, bias), MakeKnot(kRed, 1.0)});
		for (int i = 0; i <= 20; ++i)
		{
			const maxon::Color c = ramp.Sample(i / 20.0);
			EXPECT_TRUE(std::isfinite(c.r) && std::isfinite(c.b)) << "bias " << bias << " at " << i / 20.0;
			EXPECT_GE(c.r, 0.0);
			EXPECT_LE(c.r, 1.0);
		}
	}
}

TEST(GradientRamp, BrightnessScalesTheKnotColour)
{
	Knot bright = MakeKnot(maxon::Color(1.0, 0.5, 0.25), 0.0, Interpolation::LinearKnot);
	bright.brightness = 2.0;
	Knot dark = MakeKnot(maxon::Color(1.0, 1.0, 1.0), 1.0);
	dark.brightness = 0.0;
	const Ramp ramp = Prepared({bright, dark});
	ExpectColorNear(ramp.Sample(0.0), maxon::Color(2.0, 1.0, 0.5));
	ExpectColorNear(ramp.Sample(1.0), maxon::Color(0.0, 0.0, 0.0));
	// Brightness applies before blending, so the middle mixes the scaled colours.
	ExpectColorNear(ramp.Sample(0.5), maxon::Color(1.0, 0.5, 0.25));
}

TEST(GradientRamp, KnotOrderDoesNotMatter)
{
	const std::vector<Knot> sorted = {MakeKnot(kBlue, 0.0, Interpolation::LinearKnot, 0.3),
	                                  MakeKnot(kGreen, 0.4, Interpolation::ExpUp),
	                                  MakeKnot(kRed, 0.9, Interpolation::CubicKnot, 0.7), MakeKnot(kBlue, 1.0)};
	const std::vector<Knot> shuffled = {sorted[2], sorted[0], sorted[3], sorted[1]};
	const Ramp a = Prepared(sorted);
	const Ramp b = Prepared(shuffled);
	for (int i = 0; i <= 200; ++i)
	{
		const double t = i / 200.0;
		const maxon::Color ca = a.Sample(t);
		const maxon::Color cb = b.Sample(t);
		EXPECT_EQ(ca, cb) << "at " << t;
	}
}

TEST(GradientRamp, KnotsAtOnePositionJumpToTheLastGiven)
{
	const Ramp ramp =
	    Prepared({MakeKnot(kBlue, 0.0, Interpolation::LinearKnot), MakeKnot(kGreen, 0.5, Interpolation::LinearKnot),
	              MakeKnot(kRed, 0.5, Interpolation::LinearKnot), MakeKnot(kBlue, 1.0)});
	ExpectColorNear(ramp.Sample(0.5), kRed);
	ExpectColorNear(ramp.Sample(0.5 - 1e-9), kGreen, 1e-6);
	ExpectColorNear(ramp.Sample(0.75), Mix(kRed, kBlue, 0.5));
}

TEST(GradientRamp, EndColoursHoldOutsideTheKnots)
{
	const Ramp ramp = Prepared({MakeKnot(kGreen, 0.3), MakeKnot(kRed, 0.7)});
	for (const double t : {0.0, 0.1, 0.3})
		ExpectColorNear(ramp.Sample(t), kGreen);
	for (const double t : {0.7, 0.9, 1.0})
		ExpectColorNear(ramp.Sample(t), kRed);
}

TEST(GradientRamp, SingleKnotColoursEverything)
{
	const Ramp ramp = Prepared({MakeKnot(maxon::Color(0.2, 0.4, 0.6), 0.35, Interpolation::CubicKnot)});
	for (const double t : {-1.0, 0.0, 0.2, 0.35, 0.5, 1.0, 3.0})
		ExpectColorNear(ramp.Sample(t), maxon::Color(0.2, 0.4, 0.6));
}

TEST(GradientRamp, PositionsOutsideTheUnitRangeAreClamped)
{
	const Ramp ramp =
	    Prepared({MakeKnot(kBlue, -0.5, Interpolation::LinearKnot), MakeKnot(kRed, 1.5, Interpolation::LinearKnot)});
	// The knots land on 0 and 1, so the middle is an even mix rather than the 0.5 of the unclamped span.
	ExpectColorNear(ramp.Sample(0.5), Mix(kBlue, kRed, 0.5));
	EXPECT_EQ(ramp.Sample(-4.0), ramp.Sample(0.0));
	EXPECT_EQ(ramp.Sample(9.0), ramp.Sample(1.0));
	EXPECT_EQ(ramp.Sample(-std::numeric_limits<double>::infinity()), ramp.Sample(0.0));
	EXPECT_EQ(ramp.Sample(std::numeric_limits<double>::infinity()), ramp.Sample(1.0));
	ExpectColorNear(ramp.Sample(std::numeric_limits<double>::quiet_NaN()), kBlue);

	Knot nanKnot = MakeKnot(kGreen, std::numeric_limits<double>::quiet_NaN());
	const Ramp withNan = Prepared({MakeKnot(kRed, 1.0), nanKnot});
	ExpectColorNear(withNan.Sample(0.0), kGreen);
}

TEST(GradientRamp, EveryModeStartsAtTheLeftKnotAndReachesTheRightOne)
{
	for (const Interpolation mode : kAllModes)
	{
		const Ramp ramp = Prepared(
		    {MakeKnot(kBlue, 0.0), MakeKnot(kGreen, 0.25, mode, 0.3), MakeKnot(kRed, 0.75), MakeKnot(kBlue, 1.0)});
		SCOPED_TRACE(static_cast<int>(mode));
		ExpectColorNear(ramp.Sample(0.25), kGreen);
		if (mode == Interpolation::Step)
			ExpectColorNear(ramp.Sample(0.75 - 1e-9), kGreen);
		else
			ExpectColorNear(ramp.Sample(0.75 - 1e-9), kRed, 1e-6);
	}
}

TEST(GradientRamp, ExponentialModesLeanTowardsOppositeEnds)
{
	const Ramp up = Prepared({MakeKnot(kBlue, 0.0, Interpolation::ExpUp), MakeKnot(kRed, 1.0)});
	const Ramp down = Prepared({MakeKnot(kBlue, 0.0, Interpolation::ExpDown), MakeKnot(kRed, 1.0)});
	double previousUp = 0.0;
	double previousDown = 0.0;
	for (int i = 1; i < 20; ++i)
	{
		const double t = i / 20.0;
		const double wUp = up.Sample(t).r;
		const double wDown = down.Sample(t).r;
		EXPECT_GT(wUp, t);
		EXPECT_LT(wDown, t);
		EXPECT_GT(wUp, previousUp);
		EXPECT_GT(wDown, previousDown);
		// The two curves mirror each other: down(t) = 1 - up(1 - t).
		EXPECT_NEAR(wDown, 1.0 - up.Sample(1.0 - t).r, 1e-12);
		previousUp = wUp;
		previousDown = wDown;
	}
}

TEST(GradientRamp, StepHoldsTheLeftColourAcrossTheSegment)
{
	const Ramp ramp = Prepared(
	    {MakeKnot(kBlue, 0.0, Interpolation::Step), MakeKnot(kRed, 0.5, Interpolation::Step), MakeKnot(kGreen, 1.0)});
	for (const double t : {0.0, 0.2, 0.49})
		ExpectColorNear(ramp.Sample(t), kBlue);
	for (const double t : {0.5, 0.7, 0.99})
		ExpectColorNear(ramp.Sample(t), kRed);
	ExpectColorNear(ramp.Sample(1.0), kGreen);
}

TEST(GradientRamp, CubicKnotsFollowEvenlySpacedLinearValuesExactly)
{
	// Catmull-Rom reproduces a straight line through evenly spaced points, so the inner segment of a grey ramp
	// must stay on it.
	std::vector<Knot> knots;
	for (int i = 0; i < 4; ++i)
		knots.push_back(MakeKnot(maxon::Color(i / 3.0), i / 3.0, Interpolation::CubicKnot));
	const Ramp ramp = Prepared(knots);
	for (int i = 0; i <= 10; ++i)
	{
		const double t = 1.0 / 3.0 + i / 30.0;
		EXPECT_NEAR(ramp.Sample(t).g, t, 1e-12);
	}
	// With a duplicated end knot the curve bends: the first segment is not the straight line any more.
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
	{
		const Ramp other = rampWith(mode);
		for (int i = 0; i <= 20; ++i)
			EXPECT_EQ(other.Sample(i / 20.0), smooth.Sample(i / 20.0)) << "mode " << mode;
	}
}

TEST(GradientRamp, EmptyAndInvalidInputGiveBlack)
{
	Ramp ramp;
	EXPECT_EQ(ramp.Sample(0.5), maxon::Color());
	EXPECT_TRUE(ramp.Prepare(nullptr, 0));
	EXPECT_EQ(ramp.Sample(0.5), maxon::Color());

	const Knot one = MakeKnot(kRed, 0.5);
	ASSERT_TRUE(ramp.Prepare(&one, 1));
	EXPECT_FALSE(ramp.Prepare(nullptr, 2));
	EXPECT_EQ(ramp.GetKnotCount(), 0u);
	EXPECT_EQ(ramp.Sample(0.5), maxon::Color());

	std::vector<Knot> tooMany(surfax::gradient::kMaxKnots + 1);
	EXPECT_FALSE(ramp.Prepare(tooMany.data(), tooMany.size()));
	EXPECT_TRUE(ramp.Prepare(tooMany.data(), surfax::gradient::kMaxKnots));
	EXPECT_EQ(ramp.GetKnotCount(), surfax::gradient::kMaxKnots);
}
