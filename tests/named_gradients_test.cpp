// Gradients by name (--set PLOT_GRADIENT=grey): the knots each name writes.
#include "host/gradient/named_gradients.h"

#include "res/description/o3dplot.h"

#include "customgui_gradient.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace cinema;

namespace
{
std::vector<maxon::GradientKnot> KnotsOf(const GeData& data)
{
	std::vector<maxon::GradientKnot> knots;
	const Gradient* gradient = data.GetCustomDataType<Gradient>();
	EXPECT_NE(gradient, nullptr);
	for (Int32 k = 0; gradient != nullptr && k < gradient->GetKnotCount(); ++k)
		knots.push_back(gradient->GetKnot(k));
	return knots;
}

std::vector<maxon::GradientKnot> Named(const std::string& name)
{
	GeData data;
	EXPECT_TRUE(surfax::gradient::MakeNamedGradient(name, data)) << name;
	EXPECT_EQ(data.GetType(), CUSTOMDATATYPE_GRADIENT) << name;
	const Gradient* gradient = data.GetCustomDataType<Gradient>();
	if (gradient != nullptr)
	{
		EXPECT_EQ(gradient->GetData(GRADIENT_MODE).GetInt32(), GRADIENTMODE_COLOR) << name;
	}
	return KnotsOf(data);
}

// CIE L* (0 black to 100 white) of an sRGB colour.
Float Lightness(const maxon::GradientKnot& knot)
{
	auto linear = [](Float c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
	const Float y = 0.2126 * linear(knot.col.r) + 0.7152 * linear(knot.col.g) + 0.0722 * linear(knot.col.b);
	const Float f = y > 216.0 / 24389.0 ? std::cbrt(y) : (24389.0 / 27.0 * y + 16.0) / 116.0;
	return 116.0 * f - 16.0;
}

Float Luminance(const maxon::GradientKnot& knot)
{
	return 0.2126 * knot.col.r + 0.7152 * knot.col.g + 0.0722 * knot.col.b;
}

void ExpectColour(const maxon::GradientKnot& knot, Float r, Float g, Float b, const std::string& what)
{
	EXPECT_NEAR(knot.col.r, r, 1e-3) << what;
	EXPECT_NEAR(knot.col.g, g, 1e-3) << what;
	EXPECT_NEAR(knot.col.b, b, 1e-3) << what;
}
} // namespace

TEST(NamedGradients, ColourMapsRunFromNoughtToOneWithEvenKnotsAndRisingLightness)
{
	for (const char* name : {"viridis", "cividis", "magma", "grey"})
	{
		const std::vector<maxon::GradientKnot> knots = Named(name);
		ASSERT_GE(knots.size(), 2u) << name;
		EXPECT_EQ(knots.front().pos, 0.0) << name;
		EXPECT_EQ(knots.back().pos, 1.0) << name;
		for (std::size_t k = 0; k < knots.size(); ++k)
		{
			EXPECT_NEAR(knots[k].pos, Float(k) / Float(knots.size() - 1), 1e-12) << name << " knot " << k;
			EXPECT_EQ(knots[k].brightness, 1.0) << name;
			EXPECT_EQ(knots[k].bias, 0.5) << name;
			EXPECT_EQ(knots[k].interpolation, maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT) << name;
			EXPECT_EQ(knots[k].index, Int32(k)) << name << ": knot ids are unique";
			// These maps are made so that lightness grows steadily from the low end to the high end.
			if (k > 0)
			{
				EXPECT_GT(Luminance(knots[k]), Luminance(knots[k - 1])) << name << " knot " << k;
			}
		}
	}
}

// The three uniform maps are made so that equal steps along the map are equal steps of lightness: a mistyped stop
// shows as a step far from the others.
TEST(NamedGradients, UniformMapsStepLightnessEvenlyFromDarkToLight)
{
	for (const char* name : {"viridis", "cividis", "magma"})
	{
		const std::vector<maxon::GradientKnot> knots = Named(name);
		ASSERT_EQ(knots.size(), 10u) << name;
		EXPECT_LT(Lightness(knots.front()), 16.0) << name << " starts dark";
		EXPECT_GT(Lightness(knots.back()), 90.0) << name << " ends light";
		const Float mean = (Lightness(knots.back()) - Lightness(knots.front())) / 9.0;
		for (std::size_t k = 1; k < knots.size(); ++k)
		{
			const Float step = Lightness(knots[k]) - Lightness(knots[k - 1]);
			EXPECT_GT(step, 0.7 * mean) << name << " knot " << k;
			EXPECT_LT(step, 1.3 * mean) << name << " knot " << k;
		}
	}
	// Their hues: viridis from violet to yellow, cividis from blue to yellow, magma from black to pale yellow.
	const std::vector<maxon::GradientKnot> viridis = Named("viridis");
	EXPECT_GT(viridis.front().col.b, viridis.front().col.g);
	EXPECT_GT(viridis.front().col.r, viridis.front().col.g);
	EXPECT_GT(viridis[6].col.g, viridis[6].col.r) << "green in the upper middle";
	const std::vector<maxon::GradientKnot> cividis = Named("cividis");
	EXPECT_GT(cividis.front().col.b, cividis.front().col.r);
	const std::vector<maxon::GradientKnot> magma = Named("magma");
	EXPECT_GT(magma[5].col.r, magma[5].col.g) << "red in the middle";
	for (const auto* map : {&viridis, &cividis, &magma})
	{
		EXPECT_GT(map->back().col.r, map->back().col.b) << "yellow at the top";
		EXPECT_GT(map->back().col.g, map->back().col.b) << "yellow at the top";
	}
}

TEST(NamedGradients, GreyRunsFromBlackToWhite)
{
	const std::vector<maxon::GradientKnot> grey = Named("grey");
	ASSERT_EQ(grey.size(), 2u);
	ExpectColour(grey.front(), 0, 0, 0, "grey low");
	ExpectColour(grey.back(), 1, 1, 1, "grey high");
}

TEST(NamedGradients, RainbowIsThePlotObjectsDefaultGradient)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	surfax::test::TestDocument doc;
	BaseObject* plot = doc.Add(1055349);
	ASSERT_NE(plot, nullptr);
	const std::vector<maxon::GradientKnot> expected = KnotsOf(plot->GetDataInstanceRef().GetData(PLOT_GRADIENT));
	const std::vector<maxon::GradientKnot> rainbow = Named("rainbow");
	ASSERT_EQ(rainbow.size(), expected.size());
	for (std::size_t k = 0; k < expected.size(); ++k)
	{
		EXPECT_EQ(rainbow[k].col.r, expected[k].col.r) << k;
		EXPECT_EQ(rainbow[k].col.g, expected[k].col.g) << k;
		EXPECT_EQ(rainbow[k].col.b, expected[k].col.b) << k;
		EXPECT_EQ(rainbow[k].pos, expected[k].pos) << k;
		EXPECT_EQ(rainbow[k].bias, expected[k].bias) << k;
		EXPECT_EQ(rainbow[k].brightness, expected[k].brightness) << k;
		EXPECT_EQ(rainbow[k].index, expected[k].index) << k;
		EXPECT_EQ(rainbow[k].interpolation, expected[k].interpolation) << k;
	}
}

TEST(NamedGradients, NamesIgnoreCaseAndUnknownNamesWriteNothing)
{
	EXPECT_TRUE(surfax::gradient::IsNamedGradient("Rainbow"));
	EXPECT_TRUE(surfax::gradient::IsNamedGradient("GRAY"));
	EXPECT_EQ(Named("gray").size(), Named("grey").size());
	for (const char* bad : {"", "grey ", "gre", "jet", "viridis2", "magma ", "{\"gradient\": {}}"})
	{
		EXPECT_FALSE(surfax::gradient::IsNamedGradient(bad)) << bad;
		GeData untouched(1.5);
		EXPECT_FALSE(surfax::gradient::MakeNamedGradient(bad, untouched)) << bad;
		EXPECT_EQ(untouched.GetFloat(), 1.5) << bad;
	}
	EXPECT_EQ(surfax::gradient::NamedGradientList(), "viridis, cividis, magma, grey, rainbow");
	EXPECT_TRUE(surfax::gradient::IsNamedGradient("Viridis"));
}
