// Whole texts read as numbers: one reader for every place that takes a number as text (parameter text and options of
// the command line, numeric ids in documents, the SDK string's conversions, resource spellings). The places accept
// different things on purpose; each says what it accepts with the options below, so the difference is written where
// the place is and nowhere else.
#ifndef SURFAX_HOST_CORE_NUMBER_TEXT_H
#define SURFAX_HOST_CORE_NUMBER_TEXT_H

#include <cstdint>
#include <limits>
#include <string_view>

namespace surfax::core
{
/// What a number text may hold besides its digits. The defaults are the strictest reading: decimal digits with an
/// optional leading '-' and nothing around them, finite, any value the result's type holds.
struct NumberTextOptions
{
	/// Blanks around the number.
	enum class Blanks
	{
		None,
		LeadingSpaces,       ///< spaces (not tabs) before the number; nothing after it
		LeadingWhitespace,   ///< what strtod skips before the number (space, \t \n \v \f \r); nothing after it
		SpacesAndTabsAround, ///< spaces and tabs before and after
	};
	/// The non-finite values of reals (integers are always finite).
	enum class NonFinite
	{
		Refused,     ///< every non-finite result is refused, however spelled
		Words,       ///< the words of ParseNonFiniteWord only: "inf", "-inf", "nan" in any case
		AnySpelling, ///< what the C library reads: "inf", "infinity", "nan", "nan(chars)", with a '-', in any case
	};

	Blanks blanks = Blanks::None;
	bool plusSign = false; ///< a leading '+'; a second sign after it is never taken
	bool minusSign = true; ///< a leading '-'
	/// "0x" or "0X" and hex digits as well: integers without a sign; reals after the sign the options allow, with an
	/// optional fraction and binary exponent as strtod reads them ("0x1.8p3" is 12)
	bool hexadecimal = false;
	NonFinite nonFinite = NonFinite::Refused;
	/// Integers: the accepted range (inclusive), within the range of the result's type.
	std::int64_t min = std::numeric_limits<std::int64_t>::min();
	std::int64_t max = std::numeric_limits<std::int64_t>::max();
};

/// Reads the whole of text as one number of the result's type, in the C locale. Reals are rounded to the nearest
/// value of their type; a real too large or too small in magnitude for the type (1e400, 1e-400) is refused, as is an
/// integer outside the type or the options' range. True with value set when the whole text is one number the options
/// allow; false with value unchanged otherwise. Never reads past text; allocates nothing.
bool ParseNumberText(std::string_view text, std::int32_t& value, const NumberTextOptions& options = {});
bool ParseNumberText(std::string_view text, std::int64_t& value, const NumberTextOptions& options = {});
bool ParseNumberText(std::string_view text, float& value, const NumberTextOptions& options = {});
bool ParseNumberText(std::string_view text, double& value, const NumberTextOptions& options = {});

/// The words non-finite reals are written as in documents and typed on the command line: "inf", "-inf" and "nan",
/// in any case ("NaN", "-Inf"); no other spelling ("infinity", "+inf", "-nan"). True with value set for one of them.
bool ParseNonFiniteWord(std::string_view text, double& value);

/// "x,y,z": exactly three numbers separated by two commas, each read as ParseNumberText reads it with the options
/// (the blanks they allow stand around each number, inside the commas). True with xyz set; false with xyz unchanged.
bool ParseVectorText(std::string_view text, double (&xyz)[3], const NumberTextOptions& options = {});
} // namespace surfax::core

#endif
