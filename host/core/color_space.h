// Display colours and linear light.
//
// Documents, --set, the plug-in's parameters and the PNG preview hold display colours: sRGB-encoded values 0..1, as
// a person picks them and a screen shows them. Light adds up in linear values, and glTF stores colours as linear
// values. These functions convert between the two with the sRGB transfer function (IEC 61966-2-1) per channel;
// alpha is never converted.
#ifndef SURFAX_HOST_CORE_COLOR_SPACE_H
#define SURFAX_HOST_CORE_COLOR_SPACE_H

#include <cstdint>

namespace surfax::core
{
/// The linear value of a display value: v / 12.92 up to 0.04045, else ((v + 0.055) / 1.055)^2.4. Computed in double,
/// so a float result is the correctly rounded value of the exact conversion (to the accuracy of std::pow). Values
/// outside 0..1 follow the same formulas; NaN stays NaN.
double SrgbToLinear(double display);
float SrgbToLinear(float display);

/// The display value of a linear value: 12.92 v up to 0.0031308, else 1.055 v^(1/2.4) - 0.055.
double LinearToSrgb(double linear);

/// The display byte of a linear value, LinearToSrgb rounded to the nearest of 0..255 (values outside 0..1 clamped,
/// NaN 0). Exact and table-driven: as fast as a binary search over 255 thresholds.
std::uint8_t LinearToSrgbByte(float linear);
} // namespace surfax::core

#endif
