// Strings: maxon::String and the classic cinema::String with its helpers.
//
// Stand-in note: the text is stored as UTF-8. Positions and counts of the classic helpers (FindFirst, Delete,
// Insert, SubStr, operator[]) count bytes, which equals characters for ASCII text such as formulas and names.
#ifndef C4D_STRING_H__
#define C4D_STRING_H__

#include "ge_math.h"
#include "maxon_result.h"

#include <string>
#include <string_view>

namespace cinema::hostbridge
{
/// Stand-in only (sdk/standin/standin_only.h): what DebugStop reports, and the host's table of literal strings.
void ReportDebugStop(const char* file, maxon::Int32 line, const char* message);
} // namespace cinema::hostbridge

namespace maxon
{
class String;
namespace details
{
/// Stand-in only: the one String of a literal's text, kept by the host for the program's lifetime.
const String& InternLiteral(const char* text, Int length);
} // namespace details

/// A position in a string, counted in characters (bytes in the stand-in, see above).
using StringPosition = Int;

enum class STRINGCOMPARISON
{
	MEMORY = 0,
	UNICODE_LETTERS = 1,
	UNICODE_NUMBERS = 2,
	CASEINSENSITIVE = 3,
	CASEINSENSITIVE_NUMBERS = 4,
};

enum class COMPARERESULT
{
	LESS = -1,
	EQUAL = 0,
	GREATER = 1,
	INCOMPARABLE = 2,
};

constexpr Int STRING_DYNAMIC_DIGITS = -1;

/// Immutable-by-value text. Copies are cheap enough for parameter values and names.
class String
{
public:
	String() = default;
	String(const Char* text) : _text(text ? text : "") {}
	String(const Char* text, Int length) : _text(text, static_cast<std::size_t>(length)) {}
	explicit String(std::string text) : _text(std::move(text)) {}
	explicit String(std::string_view text) : _text(text) {}

	Bool IsEmpty() const { return _text.empty(); }
	Bool IsPopulated() const { return !_text.empty(); }
	Int GetLength() const { return static_cast<Int>(_text.size()); }

	const String& operator+=(const String& s)
	{
		_text += s._text;
		return *this;
	}
	friend String operator+(const String& a, const String& b)
	{
		String r(a);
		r += b;
		return r;
	}
	Bool operator==(const String& s) const { return _text == s._text; }
	Bool operator!=(const String& s) const { return _text != s._text; }
	Bool operator<(const String& s) const { return _text < s._text; }

	/// The character at position. A position outside the text is a debug stop (reported by the host) and gives 0.
	Utf32Char operator[](StringPosition position) const
	{
		if (position < 0 || position >= GetLength())
		{
			::cinema::hostbridge::ReportDebugStop(__FILE__, __LINE__, "String::operator[]: position out of range");
			return 0;
		}
		return static_cast<unsigned char>(_text[static_cast<std::size_t>(position)]);
	}

	/// Compares by the given mode. UNICODE_NUMBERS compares digit runs by value ("a2" < "a10").
	COMPARERESULT Compare(const String& s, STRINGCOMPARISON mode = STRINGCOMPARISON::UNICODE_NUMBERS) const;

	/// Inserts str before position (clipped to 0..length). Fails, leaving the text as it was, when memory is out.
	[[nodiscard]] Result<void> Insert(Int position, const String& str);
	/// Inserts the character ch before position (clipped to 0..length). The stand-in stores ASCII characters only and
	/// leaves the text alone for others. Fails, leaving the text as it was, when memory is out.
	[[nodiscard]] Result<void> Insert(Int position, Utf32Char ch);

	/// Converts v to text: at least charsBeforeComma characters before the point (padded with fillChar, -1 for as
	/// many as needed); digitsAfterComma >= 0 prints exactly that many decimals (rounded), a negative value prints
	/// at most -digitsAfterComma decimals without trailing zeros (and without a point when none remain).
	/// exponent selects scientific notation. Always '.' as separator; "inf", "-inf" and "nan" for those values.
	static String FloatToString(Float v, Int charsBeforeComma = STRING_DYNAMIC_DIGITS, Int digitsAfterComma = -3,
	                            Bool exponent = false, Utf32Char fillChar = ' ');
	static String IntToString(Int64 v);

	/// Stand-in only (sdk/standin/standin_only.h): access to the UTF-8 bytes, for the host and for printing.
	const std::string& GetUtf8() const { return _text; }
	std::string& GetUtf8Writable() { return _text; }

protected:
	std::string _text;
};

inline namespace literals
{
/// A string literal as a String: one constant String per literal text, as in the SDK (which keeps literals as
/// static strings).
inline const String& operator""_s(const char* text, std::size_t length)
{
	return details::InternLiteral(text, static_cast<Int>(length));
}
} // namespace literals
} // namespace maxon

using maxon::operator""_s;

namespace cinema
{
/// The classic string with position-based helpers.
class String : public maxon::String
{
public:
	String() = default;
	String(const maxon::String& s) : maxon::String(s) {}
	String(const Char* text) : maxon::String(text) {}
	explicit String(std::string text) : maxon::String(std::move(text)) {}
	explicit String(std::string_view text) : maxon::String(text) {}

	/// Finds ch at or after start; true and *pos set when found, else *pos = -1.
	Bool FindFirst(Utf32Char ch, Int32* pos, Int start = 0) const;
	/// Finds cs at or after start; true and *pos set when found, else *pos = -1.
	Bool FindFirst(const maxon::String& cs, Int32* pos, Int start = 0) const;
	/// Removes count characters from pos (clipped to the text).
	void Delete(Int pos, Int count);
	String SubStr(Int start, Int count) const;
	String Left(Int count) const { return SubStr(0, count); }
	String Right(Int count) const { return SubStr(GetLength() - count, count); }

	/// Reads the whole text as a number; *error is true when it is not one.
	Float ToFloat(Bool* error = nullptr) const;
	Int32 ToInt32(Bool* error = nullptr) const;

	static String FloatToString(Float32 v, Int32 vvk = -1, Int32 nnk = -3);
	static String FloatToString(Float64 v, Int32 vvk = -1, Int32 nnk = -3);
	static String IntToString(Int32 v) { return maxon::String::IntToString(v); }
	static String IntToString(Int64 v) { return maxon::String::IntToString(v); }
};
} // namespace cinema

#endif // C4D_STRING_H__
