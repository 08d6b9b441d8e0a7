#include "host/expr/lexer.h"

#include "host/expr/tokens.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>
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

// Exact powers of ten: every 10^k with k <= 22 is representable.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kIntegerPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
constexpr int kMaxExactPowerOfTen = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t(1) << 53;
constexpr int kMaxMantissaDigits = 19; // any 19 digits fit a 64-bit integer

std::uint64_t LoadEightBytes(const char* p)
{
	std::uint64_t word;
	std::memcpy(&word, p, sizeof word);
	return word;
}

// Number of leading bytes (in text order, the low bytes of a little-endian load) that are ASCII digits: 0..8.
// Done on all eight bytes at once, so a literal's length costs no branch per digit.
int DigitRun(std::uint64_t word)
{
	constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
	const std::uint64_t low = word & ~kHighBits;
	const std::uint64_t atLeastZero = low + 0x5050505050505050ull; // high bit set where byte >= '0'
	const std::uint64_t aboveNine = low + 0x4646464646464646ull;   // high bit set where byte > '9'
	const std::uint64_t notDigit = (~atLeastZero | aboveNine | word) & kHighBits;
	return notDigit == 0 ? 8 : std::countr_zero(notDigit) >> 3;
}

// Value of the first `run` (1..8) digits of `word`: shifted so they become the last digits of an 8-digit
// number with leading zeros, then combined pairwise by multiplications.
std::uint64_t DigitValue(std::uint64_t word, int run)
{
	std::uint64_t digits = (word - 0x3030303030303030ull) << (8 * (8 - run));
	digits = digits * 10 + (digits >> 8);
	digits = ((digits & 0x000000FF000000FFull) * (100 + (1000000ull << 32)) +
	          ((digits >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32))) >>
	         32;
	return std::uint32_t(digits);
}

// Reads a run of digits at `p` into `mantissa` (which wraps if there are too many: `count` tells) and returns
// the end of the run. Needs 8 readable bytes past the end of the run (the lexer pads its copy of the text).
[[gnu::always_inline]] inline const char* ScanDigits(const char* p, std::uint64_t& mantissa, int& count)
{
	// The usual literal has runs of one to four digits, which are quicker one digit at a time than through the
	// eight-byte path's longer chain of dependent operations; longer runs continue eight at a time.
	for (int i = 0; i < 4; ++i, ++p)
	{
		const unsigned digit = unsigned(std::uint8_t(*p)) - unsigned('0');
		if (digit > 9)
			return p;
		mantissa = mantissa * 10 + digit;
		++count;
	}
	for (;;)
	{
		const std::uint64_t word = LoadEightBytes(p);
		const int run = DigitRun(word);
		if (run == 0)
			return p;
		mantissa = mantissa * kIntegerPowersOfTen[run] + DigitValue(word, run);
		count += run;
		p += run;
		if (run < 8)
			return p;
	}
}

// Reads the number literal starting at `p` (a digit, or a '.' before a digit) and returns the end of it.
// Literals with at most 19 digits whose value is m * 10^k with m <= 2^53 and |k| <= 22 are one exactly rounded
// multiplication or division of two exact doubles (Clinger's fast path), so they come out bit for bit as
// from_chars would give them; the rest go to from_chars. The fast path keeps a cached evaluation cheap.
[[gnu::always_inline]] inline const char* ScanNumber(const char* p, const char* end, double& value)
{
	const char* const start = p;
	std::uint64_t mantissa = 0;
	int digits = 0;
	p = ScanDigits(p, mantissa, digits);
	int scale = 0;
	if (p != end && *p == '.')
	{
		const int integerDigits = digits;
		p = ScanDigits(p + 1, mantissa, digits);
		scale = integerDigits - digits;
	}
	if (p != end && (*p == 'e' || *p == 'E'))
	{
		const char* digit = p + 1;
		const bool negative = digit != end && *digit == '-';
		if (digit != end && (*digit == '+' || *digit == '-'))
			++digit;
		if (digit != end && IsDigit(*digit))
		{
			int exponent = 0;
			for (p = digit; p != end && IsDigit(*p); ++p)
				exponent = exponent < 100000 ? exponent * 10 + (*p - '0') : exponent; // saturate; from_chars decides
			scale += negative ? -exponent : exponent;
		}
	}
	const bool exact = digits <= kMaxMantissaDigits;
	if (exact && mantissa <= kMaxExactMantissa && scale >= -kMaxExactPowerOfTen && scale <= kMaxExactPowerOfTen)
	{
		value = scale < 0 ? double(mantissa) / kPowersOfTen[-scale] : double(mantissa) * kPowersOfTen[scale];
		return p;
	}
	if (exact && mantissa == 0)
	{
		value = 0.0;
		return p;
	}
	const std::from_chars_result parsed = std::from_chars(start, p, value);
	if (parsed.ec == std::errc::result_out_of_range)
		value = OutOfRangeValue(start, p);
	return p;
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
		out.numberStarts.resize(capacity);
		out.numberEnds.resize(capacity);
	}
	// Number scanning reads eight bytes at a time; a zero-padded copy makes that safe at the end of the text.
	if (out.text.size() < text.size() + kTextPadding)
		out.text.resize(text.size() + kTextPadding);
	std::memcpy(out.text.data(), text.data(), text.size());
	std::memset(out.text.data() + text.size(), 0, kTextPadding);
	std::uint8_t* codes = out.codes.data();
	std::uint32_t* offsets = out.offsets.data();
	double* numbers = out.numbers.data();
	std::uint32_t* numberStarts = out.numberStarts.data();
	std::uint32_t* numberEnds = out.numberEnds.data();
	std::size_t count = 0;
	std::size_t numberCount = 0;
	std::uint64_t hash = 14695981039346656037ull; // FNV-1a

	const char* const begin = out.text.data();
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
			p = ScanNumber(p, end, numbers[numberCount]);
			numberStarts[numberCount] = std::uint32_t(start - begin);
			numberEnds[numberCount] = std::uint32_t(p - begin);
			++numberCount;
			code = kTokenNumber;
			break;
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
	out.length = text.size();
	out.count = count;
	out.numberCount = numberCount;
	out.shapeHash = hash;
	return nullptr;
}

void RecordPieces(const TokenBuffer& tokens, TextPieces& pieces)
{
	pieces.bytes.clear();
	pieces.lengths.clear();
	pieces.usable = true;
	const char* text = tokens.text.data();
	std::size_t at = 0;
	for (std::size_t k = 0; k < tokens.numberCount; ++k)
	{
		const std::size_t start = tokens.numberStarts[k];
		// A literal right after a letter, digit or underscore would be read as part of a name in another text.
		if (start > 0 && (kCharClasses[std::uint8_t(text[start - 1])] == kLetter ||
		                  kCharClasses[std::uint8_t(text[start - 1])] == kDigit))
			pieces.usable = false;
		pieces.bytes.insert(pieces.bytes.end(), text + at, text + start);
		pieces.lengths.push_back(std::uint32_t(start - at));
		at = tokens.numberEnds[k];
	}
	pieces.bytes.insert(pieces.bytes.end(), text + at, text + tokens.length);
	pieces.lengths.push_back(std::uint32_t(tokens.length - at));
}

bool MatchPieces(const TextPieces& pieces, std::string_view text, TokenBuffer& out)
{
	if (!pieces.usable)
		return false;
	const std::size_t numberCount = pieces.lengths.size() - 1;
	// Every literal takes at least one byte.
	if (text.size() < pieces.bytes.size() + numberCount)
		return false;
	if (out.numbers.size() < numberCount)
		out.numbers.resize(numberCount);
	// The number scan reads eight bytes at a time: the same zero-padded copy as Lex makes.
	if (out.text.size() < text.size() + kTextPadding)
		out.text.resize(text.size() + kTextPadding);
	std::memcpy(out.text.data(), text.data(), text.size());
	std::memset(out.text.data() + text.size(), 0, kTextPadding);

	const char* p = out.text.data();
	const char* const end = p + text.size();
	const char* piece = pieces.bytes.data();
	double* numbers = out.numbers.data();
	for (std::size_t k = 0;; ++k)
	{
		const std::size_t length = pieces.lengths[k];
		if (std::size_t(end - p) < length)
			return false;
		// Pieces are a few bytes long: a plain loop beats a call to memcmp.
		for (std::size_t i = 0; i < length; ++i)
			if (p[i] != piece[i])
				return false;
		p += length;
		piece += length;
		if (k == numberCount)
			break;
		// A literal starts here exactly when Lex would start one: a digit, or a '.' before a digit.
		if (p == end || !(IsDigit(*p) || (*p == '.' && p + 1 != end && IsDigit(p[1]))))
			return false;
		p = ScanNumber(p, end, numbers[k]);
	}
	if (p != end)
		return false;
	out.length = text.size();
	out.numberCount = numberCount;
	return true;
}

} // namespace surfax::expr
