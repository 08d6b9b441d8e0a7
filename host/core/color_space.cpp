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
	static const std::array<float, 255> thresholds = []
	{
		std::array<float, 255> t{};
		for (std::size_t b = 0; b < t.size(); ++b)
			t[b] = static_cast<float>(SrgbToLinear((static_cast<double>(b) + 0.5) / 255.0));
		return t;
	}();
	if (!(linear > 0.0f))
		return 0;
	return static_cast<std::uint8_t>(std::upper_bound(thresholds.begin(), thresholds.end(), linear) -
	                                 thresholds.begin());
}
} // namespace surfax::core
