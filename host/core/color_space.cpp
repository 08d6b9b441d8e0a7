#include "host/core/color_space.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace surfax::core
{
double SrgbToLinear(double display)
{
	return display <= 0.04045 ? display / 12.92 : std::pow((display + 0.055) / 1.055, 2.4);
}

float SrgbToLinear(float display)
{
	return static_cast<float>(SrgbToLinear(static_cast<double>(display)));
}

double LinearToSrgb(double linear)
{
	return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

std::uint8_t LinearToSrgbByte(float linear)
{
	// thresholds[b] is the linear value at which the display byte turns from b to b + 1: the decoded midpoint
	// (b + 0.5) / 255. The encoding rises monotonically, so the byte is the number of thresholds at or below the value.
	// Thresholds lie at least 1 / (255 * 12.92) apart (the steepest part, near black), more than the width of one of
	// kBuckets equal buckets of 0..1, so a bucket holds at most one: the count at the bucket's lower end, plus one when
	// the value has passed the threshold that follows, is the exact count.
	constexpr int kBuckets = 4096;
	struct Tables
	{
		std::array<float, 256> thresholds{}; // the 255 thresholds, then one above every value
		std::array<std::uint8_t, kBuckets> countBelow{};
	};
	static const Tables tables = []
	{
		Tables t;
		for (std::size_t b = 0; b < 255; ++b)
			t.thresholds[b] = static_cast<float>(SrgbToLinear((static_cast<double>(b) + 0.5) / 255.0));
		t.thresholds[255] = 2.0f;
		std::size_t count = 0;
		for (int k = 0; k < kBuckets; ++k)
		{
			const float start = static_cast<float>(k) / static_cast<float>(kBuckets);
			while (count < 255 && t.thresholds[count] <= start)
				++count;
			t.countBelow[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(count);
		}
		return t;
	}();
	if (!(linear > 0.0f))
		return 0;
	if (!(linear < 1.0f))
		return 255;
	// Scaling by a power of two is exact, so the bucket's start is at or below the value.
	const std::uint8_t below = tables.countBelow[static_cast<std::size_t>(linear * static_cast<float>(kBuckets))];
	return static_cast<std::uint8_t>(below + (tables.thresholds[below] <= linear ? 1 : 0));
}
} // namespace surfax::core
