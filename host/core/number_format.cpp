#include "host/core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace surfax::core
{
std::size_t FormatShortest(double value, char* out)
{
	if (std::isnan(value))
	{
		std::memcpy(out, "nan", 3);
		return 3;
	}
	if (std::isinf(value))
	{
		const char* text = value < 0 ? "-inf" : "inf";
		const std::size_t length = std::strlen(text);
		std::memcpy(out, text, length);
		return length;
	}
	const std::to_chars_result r = std::to_chars(out, out + 32, value);
	return static_cast<std::size_t>(r.ptr - out);
}

std::string FormatShortest(double value)
{
	char buffer[32];
	return std::string(buffer, FormatShortest(value, buffer));
}

std::string FormatFixed(double value, int decimals, bool trimZeros, int minIntegerChars, char32_t fill)
{
	if (std::isnan(value))
		return "nan";
	if (std::isinf(value))
		return value < 0 ? "-inf" : "inf";
	if (decimals < 0)
		decimals = 0;
	if (decimals > 40)
		decimals = 40;
	// 309 integer digits + sign + point + 40 decimals fit.
	char buffer[400];
	const std::to_chars_result r =
	    std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, decimals);
	std::string text(buffer, r.ptr);
	if (trimZeros && text.find('.') != std::string::npos)
	{
		while (!text.empty() && text.back() == '0')
			text.pop_back();
		if (!text.empty() && text.back() == '.')
			text.pop_back();
	}
	if (text == "-0")
		text.erase(0, 1); // "-0" reads as "0"
	const std::size_t point = text.find('.');
	const int integerChars = static_cast<int>(point == std::string::npos ? text.size() : point);
	if (minIntegerChars > integerChars)
	{
		const char padding = (fill > 0 && fill < 128) ? static_cast<char>(fill) : ' ';
		text.insert(0, static_cast<std::size_t>(minIntegerChars - integerChars), padding);
	}
	return text;
}
} // namespace surfax::core
