// maxon::String and cinema::String: the parts that are not inline in the SDK header.
#include "c4d_string.h"

#include "host/core/memory.h"
#include "host/core/number_format.h"
#include "host/core/number_text.h"

#include <charconv>
#include <cmath>
#include <deque>
#include <mutex>
#include <string_view>
#include <unordered_map>

namespace maxon
{
namespace
{
bool IsDigit(char c)
{
	return c >= '0' && c <= '9';
}

char Lower(char c)
{
	return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Natural order: runs of digits compare by value (leading zeros ignored, then by length of the run).
int CompareNatural(const std::string& a, const std::string& b, bool caseInsensitive)
{
	std::size_t i = 0;
	std::size_t j = 0;
	while (i < a.size() && j < b.size())
	{
		if (IsDigit(a[i]) && IsDigit(b[j]))
		{
			std::size_t ie = i;
			std::size_t je = j;
			while (ie < a.size() && IsDigit(a[ie]))
				++ie;
			while (je < b.size() && IsDigit(b[je]))
				++je;
			std::size_t is = i;
			std::size_t js = j;
			while (is + 1 < ie && a[is] == '0')
				++is;
			while (js + 1 < je && b[js] == '0')
				++js;
			if (ie - is != je - js)
				return (ie - is) < (je - js) ? -1 : 1;
			for (; is < ie; ++is, ++js)
			{
				if (a[is] != b[js])
					return a[is] < b[js] ? -1 : 1;
			}
			i = ie;
			j = je;
			continue;
		}
		const char ca = caseInsensitive ? Lower(a[i]) : a[i];
		const char cb = caseInsensitive ? Lower(b[j]) : b[j];
		if (ca != cb)
			return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
		++i;
		++j;
	}
	if (i == a.size() && j == b.size())
		return 0;
	return i == a.size() ? -1 : 1;
}
} // namespace

COMPARERESULT String::Compare(const String& s, STRINGCOMPARISON mode) const
{
	int r = 0;
	switch (mode)
	{
	case STRINGCOMPARISON::MEMORY:
		r = _text.compare(s._text);
		break;
	case STRINGCOMPARISON::UNICODE_LETTERS:
		r = CompareNatural(_text, s._text, false) == 0 ? 0 : _text.compare(s._text);
		break;
	case STRINGCOMPARISON::UNICODE_NUMBERS:
		r = CompareNatural(_text, s._text, false);
		break;
	case STRINGCOMPARISON::CASEINSENSITIVE:
	{
		std::string a = _text;
		std::string b = s._text;
		for (char& c : a)
			c = Lower(c);
		for (char& c : b)
			c = Lower(c);
		r = a.compare(b);
		break;
	}
	case STRINGCOMPARISON::CASEINSENSITIVE_NUMBERS:
		r = CompareNatural(_text, s._text, true);
		break;
	}
	if (r < 0)
		return COMPARERESULT::LESS;
	return r > 0 ? COMPARERESULT::GREATER : COMPARERESULT::EQUAL;
}

String String::FloatToString(Float v, Int charsBeforeComma, Int digitsAfterComma, Bool exponent, Utf32Char fillChar)
{
	if (exponent && std::isfinite(v))
	{
		const int precision = static_cast<int>(digitsAfterComma < 0 ? -digitsAfterComma : digitsAfterComma);
		char buffer[64];
		const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof(buffer), v, std::chars_format::scientific,
		                                             precision > 30 ? 30 : precision);
		return String(std::string(buffer, r.ptr));
	}
	const bool trim = digitsAfterComma < 0;
	const int decimals = static_cast<int>(trim ? -digitsAfterComma : digitsAfterComma);
	return String(surfax::core::FormatFixed(
	    v, decimals, trim,
	    static_cast<int>(charsBeforeComma < 0 ? 0 : (charsBeforeComma > 400 ? 400 : charsBeforeComma)), fillChar));
}

String String::IntToString(Int64 v)
{
	return String(std::to_string(v));
}
Result<void> String::Insert(Int position, const String& str)
{
	// Text that grows takes memory, so the allocation-failure switch reaches it as it does every host allocation.
	if (str.IsPopulated() && surfax::core::ShouldFailAllocation())
		return FAILED;
	position = position < 0 ? 0 : (position > GetLength() ? GetLength() : position);
	_text.insert(static_cast<std::size_t>(position), str._text);
	return OK;
}

Result<void> String::Insert(Int position, Utf32Char ch)
{
	if (ch >= 128)
		return OK;
	const char c = static_cast<char>(ch);
	return Insert(position, String(&c, 1));
}
namespace details
{
const String& InternLiteral(const char* text, Int length)
{
	// One String per literal text for the life of the program: the deque keeps addresses stable as it grows, and
	// the map's keys view the stored texts. Plug-ins may run on several threads, so the table is locked.
	static std::mutex lock;
	static std::deque<String> strings;
	static std::unordered_map<std::string_view, const String*> byText;
	const std::string_view key(text, static_cast<std::size_t>(length));
	const std::lock_guard<std::mutex> guard(lock);
	const auto found = byText.find(key);
	if (found != byText.end())
		return *found->second;
	const String& stored = strings.emplace_back(text, length);
	byText.emplace(std::string_view(stored.GetUtf8()), &stored);
	return stored;
}
} // namespace details
} // namespace maxon

namespace cinema
{
Bool String::FindFirst(Utf32Char ch, Int32* pos, Int start) const
{
	if (start < 0)
		start = 0;
	if (ch < 128 && start < GetLength())
	{
		const std::size_t at = _text.find(static_cast<char>(ch), static_cast<std::size_t>(start));
		if (at != std::string::npos)
		{
			if (pos)
				*pos = static_cast<Int32>(at);
			return true;
		}
	}
	if (pos)
		*pos = -1;
	return false;
}

Bool String::FindFirst(const maxon::String& cs, Int32* pos, Int start) const
{
	if (start < 0)
		start = 0;
	if (start <= GetLength())
	{
		const std::size_t at = _text.find(cs.GetUtf8(), static_cast<std::size_t>(start));
		if (at != std::string::npos)
		{
			if (pos)
				*pos = static_cast<Int32>(at);
			return true;
		}
	}
	if (pos)
		*pos = -1;
	return false;
}

void String::Delete(Int pos, Int count)
{
	if (pos < 0 || pos >= GetLength() || count <= 0)
		return;
	_text.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(count));
}

String String::SubStr(Int start, Int count) const
{
	if (start < 0)
	{
		count += start;
		start = 0;
	}
	if (start >= GetLength() || count <= 0)
		return String();
	return String(_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

Float String::ToFloat(Bool* error) const
{
	// Leading spaces are skipped and every spelling of a non-finite value the C library knows is read.
	double value = 0.0;
	const bool ok =
	    surfax::core::ParseNumberText(_text, value,
	                                  {.blanks = surfax::core::NumberTextOptions::Blanks::LeadingSpaces,
	                                   .nonFinite = surfax::core::NumberTextOptions::NonFinite::AnySpelling});
	if (error)
		*error = !ok;
	return ok ? value : 0.0;
}

Int32 String::ToInt32(Bool* error) const
{
	Int32 value = 0;
	const bool ok = surfax::core::ParseNumberText(_text, value);
	if (error)
		*error = !ok;
	return ok ? value : 0;
}

String String::FloatToString(Float32 v, Int32 vvk, Int32 nnk)
{
	return maxon::String::FloatToString(static_cast<Float64>(v), vvk, nnk);
}

String String::FloatToString(Float64 v, Int32 vvk, Int32 nnk)
{
	return maxon::String::FloatToString(v, vvk, nnk);
}
} // namespace cinema
