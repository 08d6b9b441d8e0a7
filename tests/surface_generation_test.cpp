// Surface generation: what a plot object's execution puts into its sample cache, and when it keeps, rescales or
// re-evaluates it. Every check runs the real plug-in in the host's scene evaluation; expected values come from
// the formula computed here in C++.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"

#include "customgui_gradient.h"
#include "host/core/memory.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
constexpr double kDegrees = 3.14159265358979323846 / 180.0;

class SurfaceGeneration : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
	}

	BaseContainer& Params() { return plot->GetDataInstanceRef(); }
	const PlotObject& Data() const { return *plot->GetNodeData<PlotObject>(); }
	const maxon::BaseArray<PlotSample>& Samples() const { return Data().GetSamples(); }
	const PlotSample& Sample(Int32 i, Int32 j) const { return Samples()[i * (Data().GetResolution() + 1) + j]; }

	/// A small grid whose y is the raw formula value (height 2, no fitting); the default resolution puts the
	/// arguments on multiples of 18 degrees.
	void UseRawValues(const char* formula, Int32 resolution = 20)
	{
		Params().SetString(PLOT_FORMULA, String(formula));
		Params().SetInt32(PLOT_RESOLUTION, resolution);
		Params().SetFloat(PLOT_HEIGHT, 2.0);
		Params().SetInt32(PLOT_YMODE, PLOT_YMODE_NONE);
	}

	/// Checks every sample's y against f(x argument, z argument) for the default ranges.
	void ExpectHeights(const std::function<double(double, double)>& f, double tolerance = 1e-9)
	{
		const Int32 n = Data().GetResolution();
		ASSERT_EQ(Samples().GetCount(), (n + 1) * (n + 1));
		for (Int32 i = 0; i <= n; ++i)
		{
			for (Int32 j = 0; j <= n; ++j)
			{
				const double x = -180.0 + i * 360.0 / n, z = -180.0 + j * 360.0 / n;
				ASSERT_NEAR(Sample(i, j).position.y, f(x, z), tolerance) << "sample " << i << ", " << j;
			}
		}
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
};
} // namespace

TEST_F(SurfaceGeneration, DefaultPlotSamplesSinTimesCosInDegrees)
{
	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), 2601);
	double lowest = 1e300, highest = -1e300;
	for (Int32 i = 0; i <= 50; ++i)
	{
		for (Int32 j = 0; j <= 50; ++j)
		{
			const double value = std::sin((-180.0 + 7.2 * i) * kDegrees) * std::cos((-180.0 + 7.2 * j) * kDegrees);
			lowest = std::min(lowest, value);
			highest = std::max(highest, value);
			const Vector& p = Sample(i, j).position;
			EXPECT_NEAR(p.x, -100.0 + 4.0 * i, 1e-9);
			EXPECT_NEAR(p.z, -100.0 + 4.0 * j, 1e-9);
			EXPECT_NEAR(p.y, 25.0 * value, 1e-9);
		}
	}
	EXPECT_EQ(Sample(25, 25).position.x, 0.0); // even n: the middle row lies exactly at 0
	EXPECT_NEAR(Data().GetValueMin(), lowest, 1e-12);
	EXPECT_NEAR(Data().GetValueMax(), highest, 1e-12);
	EXPECT_FALSE(Data().IsTimeDependent());
}

TEST_F(SurfaceGeneration, OddResolutionPlacesNoSampleAtTheCentre)
{
	Params().SetInt32(PLOT_RESOLUTION, 3);
	doc.Evaluate();
	ASSERT_EQ(Samples().GetCount(), 16);
	const double s = 200.0 / 3.0;
	const double expected[] = {-1.5 * s, -0.5 * s, 0.5 * s, 1.5 * s};
	for (Int32 k = 0; k < 4; ++k)
	{
		EXPECT_NEAR(Sample(k, 0).position.x, expected[k], 1e-9);
		EXPECT_NEAR(Sample(0, k).position.z, expected[k], 1e-9);
	}
}

TEST_F(SurfaceGeneration, ResolutionIsClampedToOneToThousand)
{
	Params().SetString(PLOT_FORMULA, ""_s); // the count is what matters here
	for (const Int32 stored : {0, -7})
	{
		Params().SetInt32(PLOT_RESOLUTION, stored);
		doc.Evaluate();
		EXPECT_EQ(Data().GetResolution(), 1) << stored;
		EXPECT_EQ(Samples().GetCount(), 4) << stored;
	}
	Params().SetInt32(PLOT_RESOLUTION, 1001);
	doc.Evaluate();
	EXPECT_EQ(Data().GetResolution(), 1000);
	EXPECT_EQ(Samples().GetCount(), 1001 * 1001);
}

TEST_F(SurfaceGeneration, HeightAndSizeChangesRescaleWithoutEvaluating)
{
	// The formula moves with the time while animation is off: a re-evaluation would show in the values.
	UseRawValues("Sin(x) * Cos(z) + t");
	Params().SetFloat(PLOT_HEIGHT, 50.0);
	Params().SetBool(PLOT_ANIMATE, false);
	const auto atFrameZero = [](double x, double z) { return 25.0 * std::sin(x * kDegrees) * std::cos(z * kDegrees); };
	doc.Evaluate();
	doc.SetFrame(15);
	doc.Evaluate();
	ExpectHeights(atFrameZero);

	Params().SetFloat(PLOT_HEIGHT, 100.0);
	doc.Evaluate();
	ExpectHeights([&](double x, double z) { return 2.0 * atFrameZero(x, z); });

	const Vector before = Sample(1, 2).position;
	Params().SetFloat(PLOT_SIZE, 400.0);
	doc.Evaluate();
	EXPECT_NEAR(Sample(1, 2).position.x, 2.0 * before.x, 1e-9);
	EXPECT_NEAR(Sample(1, 2).position.z, 2.0 * before.z, 1e-9);
	EXPECT_EQ(Sample(1, 2).position.y, before.y);
}

TEST_F(SurfaceGeneration, ColourDisplayAndAnimationSettingsDoNotEvaluate)
{
	UseRawValues("x / 180 + t");
	Params().SetBool(PLOT_ANIMATE, false);
	doc.Evaluate();
	doc.SetFrame(30);
	const auto atFrameZero = [](double x, double) { return x / 180.0; };

	Params().SetVector(PLOT_COLOR, Vector(0.2, 0.4, 0.6));
	Params().SetInt32(PLOT_COLORMODE, PLOT_COLORMODE_COLOR);
	Params().SetInt32(PLOT_DISPLAY, PLOT_DISPLAY_CROSS);
	Params().SetFloat(PLOT_POINTSIZE, 3.0);
	Params().SetBool(PLOT_GRADIENTABS, true);
	doc.Evaluate();
	ExpectHeights(atFrameZero);

	// Switching animation on at an unchanged frame is no frame change either.
	Params().SetBool(PLOT_ANIMATE, true);
	doc.Evaluate();
	ExpectHeights(atFrameZero);

	// Any setting that changes the values evaluates again, now at t = 1.
	Params().SetFloat(PLOT_SCALENEG, 1.0 + 1e-12);
	doc.Evaluate();
	ExpectHeights([](double x, double) { return x / 180.0 + 1.0; }, 1e-6);
}

TEST_F(SurfaceGeneration, TimeDependentFormulaFollowsTheFrameWhileAnimated)
{
	UseRawValues("t", 2);
	doc.Evaluate();
	EXPECT_TRUE(Data().IsTimeDependent());
	ExpectHeights([](double, double) { return 0.0; });

	const UInt32 dirtyBefore = plot->GetDirty(DIRTYFLAGS::DATA);
	doc.SetFrame(15); // 0.5 s at 30 fps
	doc.Evaluate();
	ExpectHeights([](double, double) { return 0.5; });
	// A full evaluation tells the host (and the mesh component) that the plot changed.
	EXPECT_GT(plot->GetDirty(DIRTYFLAGS::DATA), dirtyBefore);

	Params().SetBool(PLOT_ANIMATE, false);
	doc.Evaluate();
	const UInt32 dirtyKept = plot->GetDirty(DIRTYFLAGS::DATA);
	doc.SetFrame(45);
	doc.Evaluate();
	ExpectHeights([](double, double) { return 0.5; });
	EXPECT_EQ(plot->GetDirty(DIRTYFLAGS::DATA), dirtyKept);
}

TEST_F(SurfaceGeneration, FrameResolutionAndHalfHeightAreVariablesToo)
{
	UseRawValues("f * 2 + h + r", 4);
	doc.SetFrame(7);
	doc.Evaluate();
	EXPECT_TRUE(Data().IsTimeDependent());
	ExpectHeights([](double, double) { return 14.0 + 4.0 + 1.0; });
}

TEST_F(SurfaceGeneration, FitModeScalesOnlyValuesBeyondTheHeight)
{
	Params().SetInt32(PLOT_RESOLUTION, 20); // steps of 18 degrees: +-90 lies on the grid
	Params().SetString(PLOT_FORMULA, "0.5 * Sin(x)"_s);
	doc.Evaluate();
	ExpectHeights([](double x, double) { return 12.5 * std::sin(x * kDegrees); });

	// Largest magnitude 2a: every y halved. The value range keeps the raw extremes.
	Params().SetString(PLOT_FORMULA, "2 * Sin(x)"_s);
	doc.Evaluate();
	ExpectHeights([](double x, double) { return 25.0 * std::sin(x * kDegrees); });
	EXPECT_NEAR(Data().GetValueMax(), 2.0, 1e-9);
	EXPECT_NEAR(Data().GetValueMin(), -2.0, 1e-9);
}

TEST_F(SurfaceGeneration, ClipModeFlattensEverythingBeyondTheHeight)
{
	Params().SetString(PLOT_FORMULA, "x"_s);
	Params().SetInt32(PLOT_YMODE, PLOT_YMODE_CLIP);
	Params().SetInt32(PLOT_RESOLUTION, 360); // x arguments in steps of 1
	doc.Evaluate();
	ExpectHeights([](double x, double) { return std::abs(x) <= 1.0 ? 25.0 * x : std::copysign(25.0, x); });
	// The extremes are taken before clipping.
	EXPECT_NEAR(Data().GetValueMin(), -180.0, 1e-9);
	EXPECT_NEAR(Data().GetValueMax(), 180.0, 1e-9);
}

TEST_F(SurfaceGeneration, MultipliersApplyAfterTheExtremesAreTaken)
{
	UseRawValues("Sin(x)");
	Params().SetFloat(PLOT_SCALEPOS, 2.0);
	Params().SetFloat(PLOT_SCALENEG, 0.5);
	doc.Evaluate();
	ExpectHeights(
	    [](double x, double)
	    {
		    const double v = std::sin(x * kDegrees);
		    return v < 0.0 ? 0.5 * v : 2.0 * v;
	    });
	EXPECT_NEAR(Data().GetValueMax(), 1.0, 1e-9);
	EXPECT_NEAR(Data().GetValueMin(), -1.0, 1e-9);
}

TEST_F(SurfaceGeneration, NegativeArgumentsKeepTheirSignInPowers)
{
	// Inserted bare, "-180^2" would read as -(180^2): the parabola upside down on the negative side.
	UseRawValues("x^2");
	doc.Evaluate();
	ExpectHeights([](double x, double) { return x * x; }, 1e-6);
	UseRawValues("Pow(x; 3) + z");
	doc.Evaluate();
	ExpectHeights([](double x, double z) { return x * x * x + z; }, 1e-3);
}

TEST_F(SurfaceGeneration, FineArgumentStepsStayApart)
{
	UseRawValues("x * 1000", 10);
	Params().SetFloat(PLOT_XMIN, 0.0);
	Params().SetFloat(PLOT_XMAX, 0.001); // steps of 0.0001
	doc.Evaluate();
	for (Int32 i = 0; i <= 10; ++i)
		EXPECT_NEAR(Sample(i, 0).position.y, 0.1 * i, 1e-9) << i;
}

TEST_F(SurfaceGeneration, SeparateZRangeIsUsedOnlyWhenSwitchedOn)
{
	UseRawValues("z", 4);
	Params().SetFloat(PLOT_ZMIN, 10.0);
	Params().SetFloat(PLOT_ZMAX, 30.0);
	doc.Evaluate();
	EXPECT_NEAR(Sample(0, 4).position.y, 180.0, 1e-9);
	Params().SetBool(PLOT_SEPARATEZ, true);
	doc.Evaluate();
	for (Int32 j = 0; j <= 4; ++j)
		EXPECT_NEAR(Sample(2, j).position.y, 10.0 + 5.0 * j, 1e-9);
}

TEST_F(SurfaceGeneration, DisabledPlotKeepsItsSamplesUntilEnabled)
{
	UseRawValues("1");
	doc.Evaluate();
	plot->SetDeformMode(false);
	Params().SetString(PLOT_FORMULA, "3"_s);
	doc.Evaluate();
	ExpectHeights([](double, double) { return 1.0; });
	plot->SetDeformMode(true);
	doc.Evaluate();
	ExpectHeights([](double, double) { return 3.0; });
}

TEST_F(SurfaceGeneration, FormulasWithoutANumberGiveAFlatOrUndefinedSurface)
{
	UseRawValues("Sin(");
	doc.Evaluate();
	ExpectHeights([](double, double) { return 0.0; });

	Params().SetString(PLOT_FORMULA, "Sqrt(-1)"_s);
	doc.Evaluate();
	for (const PlotSample& sample : Samples())
		EXPECT_TRUE(std::isnan(sample.position.y));
	// No value was seen: the running extremes stay at their starting points (divided by a = 1).
	EXPECT_EQ(Data().GetValueMin(), std::numeric_limits<double>::max());
	EXPECT_EQ(Data().GetValueMax(), -std::numeric_limits<double>::max());
}

TEST_F(SurfaceGeneration, EmptyFormulaIsFlatAndLeavesTheTimeFlag)
{
	UseRawValues("t + x");
	doc.Evaluate();
	EXPECT_TRUE(Data().IsTimeDependent());
	Params().SetString(PLOT_FORMULA, ""_s);
	doc.Evaluate();
	ExpectHeights([](double, double) { return 0.0; });
	EXPECT_TRUE(Data().IsTimeDependent());
	Params().SetString(PLOT_FORMULA, "x"_s);
	doc.Evaluate();
	EXPECT_FALSE(Data().IsTimeDependent());
}

TEST_F(SurfaceGeneration, ColoursComeFromTheGradientAtTheFinalHeight)
{
	UseRawValues("x / 180");
	Params().SetFloat(PLOT_SCALEPOS, 0.5); // the lookup comes after the multipliers
	doc.Evaluate();
	const Gradient* gradient = Params().GetCustomDataType<Gradient>(PLOT_GRADIENT);
	ASSERT_NE(gradient, nullptr);
	const maxon::GradientRenderData ramp = gradient->PrepareRenderData(InitRenderStruct(doc.Get())).GetValue();
	for (const PlotSample& sample : Samples())
	{
		const maxon::Color expected = ramp.CalcGradientPixel((sample.position.y + 1.0) / 2.0);
		EXPECT_NEAR(sample.color.x, expected.r, 1e-12);
		EXPECT_NEAR(sample.color.y, expected.g, 1e-12);
		EXPECT_NEAR(sample.color.z, expected.b, 1e-12);
	}
	// Default ramp: blue at the bottom, green in the middle.
	EXPECT_EQ(Sample(0, 0).color, Vector(0.0, 0.0, 1.0));
	EXPECT_EQ(Sample(10, 0).color, Vector(0.0, 1.0, 0.0));

	Params().SetBool(PLOT_GRADIENTABS, true);
	Params().SetString(PLOT_FORMULA, "x / 180 "_s); // evaluate again
	doc.Evaluate();
	EXPECT_EQ(Sample(10, 0).color, Vector(0.0, 0.0, 1.0)); // |y| = 0
	EXPECT_EQ(Sample(0, 0).color, Vector(1.0, 0.0, 0.0));  // |y| = a
}

TEST_F(SurfaceGeneration, SingleColourOrMissingGradientColoursEverySampleAlike)
{
	UseRawValues("x");
	Params().SetInt32(PLOT_COLORMODE, PLOT_COLORMODE_COLOR);
	Params().SetVector(PLOT_COLOR, Vector(0.2, 0.4, 0.6));
	doc.Evaluate();
	for (const PlotSample& sample : Samples())
		EXPECT_EQ(sample.color, Vector(0.2, 0.4, 0.6));

	Params().SetInt32(PLOT_COLORMODE, PLOT_COLORMODE_GRADIENT);
	Params().RemoveData(PLOT_GRADIENT);
	Params().SetString(PLOT_FORMULA, "x "_s);
	doc.Evaluate();
	for (const PlotSample& sample : Samples())
		EXPECT_EQ(sample.color, Vector(1.0));
}

TEST_F(SurfaceGeneration, RunningOutOfMemoryNeverGivesWrongSamples)
{
	// Each round makes a different allocation of the evaluation fail; the fallbacks must give the same values.
	UseRawValues("Sin(x) * z", 6);
	const auto expected = [](double x, double z) { return std::sin(x * kDegrees) * z; };
	bool sawEmptyCache = false;
	for (Int64 failing = 1; failing <= 24; ++failing)
	{
		Params().SetString(PLOT_FORMULA, failing % 2 == 0 ? "Sin(x) * z"_s : "Sin(x)*z"_s);
		surfax::core::FailAllocationAfter(failing);
		doc.Evaluate();
		surfax::core::FailAllocationAfter(0);
		if (Samples().GetCount() == 0)
			sawEmptyCache = true; // the gradient could not be prepared
		else
			ExpectHeights(expected, 1e-6);
	}
	EXPECT_TRUE(sawEmptyCache);
	doc.Evaluate();
	ExpectHeights(expected, 1e-6);
}
