#include "host/core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace surfax::core
{
namespace
{
using Blanks = NumberTextOptions::Blanks;
using NonFinite = NumberTextOptions::NonFinite;

std::string_view StripBlanks(std::string_view text, Blanks blanks)
{
	if (blanks == Blanks::None)
		return text;
	const char* blank = blanks == Blanks::LeadingSpaces       ? " "
	                    : blanks == Blanks::LeadingWhitespace ? " \t\n\v\f\r"
	                                                          : " \t";
	const std::size_t first = text.find_first_not_of(blank);
	if (first == std::string_view::npos)
		return {};
	text.remove_prefix(first);
	if (blanks == Blanks::SpacesAndTabsAround)
		text.remove_suffix(text.size() - 1 - text.find_last_not_of(blank));
	return text;
}

// Takes a leading '+' off where the options allow one. False for a sign the options refuse, and for a second sign
// after a '+' (from_chars would read "+-1" as -1).
bool TakeSign(std::string_view& text, const NumberTextOptions& options)
{
	if (text.empty())
		return true;
	if (text.front() == '-')
		return options.minusSign;
	if (text.front() != '+')
		return true;
	if (!options.plusSign)
		return false;
	text.remove_prefix(1);
	return text.empty() || (text.front() != '+' && text.front() != '-');
}

// "0x" or "0X" with something after it.
bool HasHexPrefix(std::string_view text)
{
	return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

bool ParseInteger(std::string_view text, std::int64_t& value, const NumberTextOptions& options, std::int64_t lowest,
                  std::int64_t highest)
{
	text = StripBlanks(text, options.blanks);
	const bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
	if (!TakeSign(text, options))
		return false;
	int base = 10;
	if (options.hexadecimal && HasHexPrefix(text))
	{
		text.remove_prefix(2);
		if (hasSign || text.front() == '-' || text.front() == '+')
			return false;
		base = 16;
	}
	std::int64_t parsed = 0;
	const char* end = text.data() + text.size();
	const std::from_chars_result r = std::from_chars(text.data(), end, parsed, base);
	if (text.empty() || r.ec != std::errc() || r.ptr != end)
		return false;
	if (parsed < std::max(lowest, options.min) || parsed > std::min(highest, options.max))
		return false;
	value = parsed;
	return true;
}

template <typename Real> bool ParseReal(std::string_view text, Real& value, const NumberTextOptions& options)
{
	text = StripBlanks(text, options.blanks);
	double word = 0.0;
	if (options.nonFinite == NonFinite::Words && ParseNonFiniteWord(text, word))
	{
		value = static_cast<Real>(word);
		return true;
	}
	if (!TakeSign(text, options))
		return false;
	// from_chars reads a '-' itself but no "0x": a hex significand is read after the prefix and negated after.
	const bool negative = !text.empty() && text.front() == '-';
	std::string_view number = text;
	std::chars_format format = std::chars_format::general;
	if (options.hexadecimal && HasHexPrefix(text.substr(negative ? 1 : 0)))
	{
		number = text.substr(negative ? 3 : 2);
		format = std::chars_format::hex;
		if (number.front() == '-' || number.front() == '+')
			return false;
	}
	Real parsed = 0;
	const char* end = number.data() + number.size();
	const std::from_chars_result r = std::from_chars(number.data(), end, parsed, format);
	if (number.empty() || r.ec != std::errc() || r.ptr != end)
		return false;
	if (format == std::chars_format::hex && negative)
		parsed = -parsed;
	// The words of NonFinite::Words were taken above: any other spelling of a non-finite value is refused there too.
	if (options.nonFinite != NonFinite::AnySpelling && !std::isfinite(parsed))
		return false;
	value = parsed;
	return true;
}
} // namespace

bool ParseNumberText(std::string_view text, std::int32_t& value, const NumberTextOptions& options)
{
	std::int64_t parsed = 0;
	if (!ParseInteger(text, parsed, options, std::numeric_limits<std::int32_t>::min(),
	                  std::numeric_limits<std::int32_t>::max()))
		return false;
	value = static_cast<std::int32_t>(parsed);
	return true;
}

bool ParseNumberText(std::string_view text, std::int64_t& value, const NumberTextOptions& options)
{
	return ParseInteger(text, value, options, std::numeric_limits<std::int64_t>::min(),
	                    std::numeric_limits<std::int64_t>::max());
}

bool ParseNumberText(std::string_view text, float& value, const NumberTextOptions& options)
{
	return ParseReal(text, value, options);
}

bool ParseNumberText(std::string_view text, double& value, const NumberTextOptions& options)
{
	return ParseReal(text, value, options);
}

bool ParseNonFiniteWord(std::string_view text, double& value)
{
	const auto is = [text](std::string_view word)
	{
		return text.size() == word.size() &&
		       std::equal(text.begin(), text.end(), word.begin(),
		                  [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
	};
	if (is("inf"))
		value = std::numeric_limits<double>::infinity();
	else if (is("-inf"))
		value = -std::numeric_limits<double>::infinity();
	else if (is("nan"))
		value = std::numeric_limits<double>::quiet_NaN();
	else
		return false;
	return true;
}

bool ParseVectorText(std::string_view text, double (&xyz)[3], const NumberTextOptions& options)
{
	double parsed[3] = {0.0, 0.0, 0.0};
	for (int i = 0; i < 3; ++i)
	{
		const std::size_t comma = text.find(',');
		const bool last = i == 2;
		if (last != (comma == std::string_view::npos) || !ParseNumberText(text.substr(0, comma), parsed[i], options))
			return false;
		if (!last)
			text.remove_prefix(comma + 1);
	}
	std::copy(parsed, parsed + 3, xyz);
	return true;
}
} // namespace surfax::core
