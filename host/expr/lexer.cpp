#include "host/expr/lexer.h"

#include "host/expr/tokens.h"

#include <array>
#include <charconv>
#include <limits>

namespace surfax::expr
{
namespace
{

enum CharClass : std::uint8_t
{
	kOther,
	kSpace,
	kDigit,
	kDot,
	kLetter,
	kSimple, // a one-byte token that never starts a longer one
	kMaybeLong,
};

constexpr std::array<std::uint8_t, 256> BuildCharClasses()
{
	std::array<std::uint8_t, 256> classes{};
	for (char c : {' ', '\t', '\n', '\r'})
		classes[std::uint8_t(c)] = kSpace;
	for (int c = '0'; c <= '9'; ++c)
		classes[c] = kDigit;
	for (int c = 'a'; c <= 'z'; ++c)
		classes[c] = kLetter;
	for (int c = 'A'; c <= 'Z'; ++c)
		classes[c] = kLetter;
	classes['_'] = kLetter;
	classes['.'] = kDot;
	for (char c : {'(', ')', ';', '?', '+', '-', '*', '/', '^'})
		classes[std::uint8_t(c)] = kSimple;
	for (char c : {'!', '&', '|', '=', '<', '>', ','})
		classes[std::uint8_t(c)] = kMaybeLong;
	return classes;
}

constexpr std::array<std::uint8_t, 256> BuildSimpleTokens()
{
	std::array<std::uint8_t, 256> tokens{};
	tokens['('] = kTokenOpenParen;
	tokens[')'] = kTokenCloseParen;
	tokens[';'] = kTokenSemicolon;
	tokens['?'] = kTokenQuestion;
	tokens['+'] = kTokenPlus;
	tokens['-'] = kTokenMinus;
	tokens['*'] = kTokenStar;
	tokens['/'] = kTokenSlash;
	tokens['^'] = kTokenCaret;
	return tokens;
}

constexpr std::array<std::uint8_t, 256> kCharClasses = BuildCharClasses();
constexpr std::array<std::uint8_t, 256> kSimpleTokens = BuildSimpleTokens();

bool IsDigit(char c)
{
	return c >= '0' && c <= '9';
}

// from_chars leaves the value alone when the literal is beyond the double range; decide between inf and 0 from
// the decimal exponent of the first significant digit. The literal is known to hold a non-zero digit.
double OutOfRangeValue(const char* first, const char* last)
{
	long long exponent = 0;
	const char* p = first;
	bool seenSignificant = false;
	for (; p != last && IsDigit(*p); ++p)
	{
		seenSignificant = seenSignificant || *p != '0';
		exponent += seenSignificant ? 1 : 0;
	}
	if (p != last && *p == '.')
		for (++p; p != last && IsDigit(*p); ++p)
		{
			if (seenSignificant)
				continue;
			if (*p != '0')
				seenSignificant = true;
			else
				--exponent;
		}
	if (p != last && (*p == 'e' || *p == 'E'))
	{
		++p;
		bool negative = *p == '-';
		if (*p == '-' || *p == '+')
			++p;
		long long written = 0;
		for (; p != last; ++p)
			written = written < 1000000 ? written * 10 + (*p - '0') : written; // saturate, the sign is all we need
		exponent += negative ? -written : written;
	}
	return exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

const char* Lex(std::string_view text, TokenBuffer& out, std::size_t& errorOffset)
{
	// Every token takes at least one byte, so length + 1 slots always suffice.
	const std::size_t capacity = text.size() + 1;
	if (out.codes.size() < capacity)
	{
		out.codes.resize(capacity);
		out.offsets.resize(capacity);
		out.numbers.resize(capacity);
	}
	std::uint8_t* codes = out.codes.data();
	std::uint32_t* offsets = out.offsets.data();
	double* numbers = out.numbers.data();
	std::size_t count = 0;
	std::size_t numberCount = 0;
	std::uint64_t hash = 14695981039346656037ull; // FNV-1a

	const char* const begin = text.data();
	const char* const end = begin + text.size();
	const char* p = begin;
	while (p != end)
	{
		const char* start = p;
		std::uint8_t code = kTokenEnd;
		switch (kCharClasses[std::uint8_t(*p)])
		{
		case kSpace:
			++p;
			continue;
		case kSimple:
			code = kSimpleTokens[std::uint8_t(*p)];
			++p;
			break;
		case kDot:
			if (p + 1 == end || !IsDigit(p[1]))
			{
				errorOffset = std::size_t(p - begin);
				return "'.' without digits";
			}
			[[fallthrough]];
		case kDigit:
		{
			while (p != end && IsDigit(*p))
				++p;
			if (p != end && *p == '.')
				for (++p; p != end && IsDigit(*p); ++p)
				{
				}
			if (p != end && (*p == 'e' || *p == 'E'))
			{
				const char* digits = p + 1;
				if (digits != end && (*digits == '+' || *digits == '-'))
					++digits;
				if (digits != end && IsDigit(*digits))
					for (p = digits; p != end && IsDigit(*p); ++p)
					{
					}
			}
			double value = 0.0;
			std::from_chars_result parsed = std::from_chars(start, p, value);
			if (parsed.ec == std::errc::result_out_of_range)
				value = OutOfRangeValue(start, p);
			numbers[numberCount++] = value;
			code = kTokenNumber;
			break;
		}
		case kLetter:
			while (p != end && (kCharClasses[std::uint8_t(*p)] == kLetter || kCharClasses[std::uint8_t(*p)] == kDigit))
				++p;
			code = LookUpName(start, std::size_t(p - start));
			if (code == kTokenEnd)
			{
				errorOffset = std::size_t(start - begin);
				return "unknown name";
			}
			break;
		case kMaybeLong:
		{
			const char c = *p++;
			const char next = p != end ? *p : '\0';
			switch (c)
			{
			case '!':
				code = next == '=' ? kTokenNotEqual : kTokenNot;
				break;
			case '=':
				code = kTokenEqual;
				break;
			case '<':
				code = next == '=' ? kTokenLessEqual : kTokenLess;
				break;
			case '>':
				code = next == '=' ? kTokenGreaterEqual : kTokenGreater;
				break;
			case '&':
				code = next == '&' ? kTokenAnd : kTokenEnd;
				break;
			case '|':
				code = next == '|' ? kTokenOr : kTokenEnd;
				break;
			default: // ','
				errorOffset = std::size_t(start - begin);
				return "',' is not an argument separator, use ';'";
			}
			if (code == kTokenEnd)
			{
				errorOffset = std::size_t(start - begin);
				return "unexpected character";
			}
			// The second byte of `!= == <= >= && ||` belongs to the token.
			if (next == '=' && c != '&' && c != '|')
				++p;
			else if (next == c && (c == '&' || c == '|'))
				++p;
			break;
		}
		default:
			errorOffset = std::size_t(p - begin);
			return "unexpected character";
		}
		codes[count] = code;
		offsets[count] = std::uint32_t(start - begin);
		++count;
		hash = (hash ^ code) * 1099511628211ull;
	}
	codes[count] = kTokenEnd;
	offsets[count] = std::uint32_t(text.size());
	++count;
	out.count = count;
	out.numberCount = numberCount;
	out.shapeHash = hash;
	return nullptr;
}

} // namespace surfax::expr
