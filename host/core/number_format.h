// Number formatting shared by the SDK strings, the dump and the command line.
#ifndef SURFAX_HOST_CORE_NUMBER_FORMAT_H
#define SURFAX_HOST_CORE_NUMBER_FORMAT_H

#include <cstddef>
#include <string>

namespace surfax::core
{
// Writes the shortest text that reads back to the same double ("0.1", "-180", "1e+300"), in the C locale;
// "inf", "-inf" and "nan" for those values. Returns the number of characters written to `out` (at most 32).
std::size_t FormatShortest(double value, char* out);
std::string FormatShortest(double value);

// Fixed-point text with at most `maxDecimals` decimals (negative: none), trailing zeros and a trailing point
// removed, never an exponent; "-0" is written as "0". For values beyond 1e300 the digits are exact as printed
// by the C library. `minIntegerChars` pads on the left with `fill` (counted before the point, sign included).
std::string FormatFixed(double value, int decimals, bool trimZeros, int minIntegerChars, char32_t fill);
} // namespace surfax::core

#endif
