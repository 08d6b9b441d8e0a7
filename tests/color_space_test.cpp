// Display colours and linear light: the exact encoding of a linear value to a display byte.
#include "host/core/color_space.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace
{
// The display byte of a linear value by its definition: the number of byte boundaries (the linear values of the
// display values (b + 0.5) / 255, computed in double and rounded to float as the encoder's are) at or below it.
int ByteByDefinition(float linear)
{
	int count = 0;
	for (int b = 0; b < 255; ++b)
	{
		const float boundary = static_cast<float>(surfax::core::SrgbToLinear((b + 0.5) / 255.0));
		count += boundary <= linear ? 1 : 0;
	}
	return count;
}
} // namespace

TEST(DisplayBytes, AreTheNearestByteOfTheExactEncodingAtEveryBoundaryAndBetween)
{
	// Every boundary, and the floats just below and above it: the byte turns exactly there.
	for (int b = 0; b < 255; ++b)
	{
		const float boundary = static_cast<float>(surfax::core::SrgbToLinear((b + 0.5) / 255.0));
		EXPECT_EQ(surfax::core::LinearToSrgbByte(boundary), b + 1) << b;
		EXPECT_EQ(surfax::core::LinearToSrgbByte(std::nextafter(boundary, 0.0f)), b) << b;
		EXPECT_EQ(surfax::core::LinearToSrgbByte(std::nextafter(boundary, 1.0f)), b + 1) << b;
	}
	// Values spread over 0..1, denser near black where the bytes lie closest together.
	std::mt19937 random(29);
	std::uniform_real_distribution<float> anywhere(0.0f, 1.0f);
	for (int i = 0; i < 20000; ++i)
	{
		const float v = i % 2 == 0 ? anywhere(random) : anywhere(random) * 0.01f;
		ASSERT_EQ(surfax::core::LinearToSrgbByte(v), ByteByDefinition(v)) << v;
	}
	// The ends, and values outside 0..1: clamped; not a number: 0.
	EXPECT_EQ(surfax::core::LinearToSrgbByte(0.0f), 0);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(-1.0f), 0);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(std::numeric_limits<float>::denorm_min()), 0);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(1.0f), 255);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(std::nextafter(1.0f, 0.0f)), 255);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(7.0f), 255);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(std::numeric_limits<float>::infinity()), 255);
	EXPECT_EQ(surfax::core::LinearToSrgbByte(std::numeric_limits<float>::quiet_NaN()), 0);
}
