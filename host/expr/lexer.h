// Splits formula text into token codes, byte offsets and number values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace surfax::expr
{

inline constexpr std::size_t kTextPadding = 16;

// Output of Lex. The vectors only grow and are reused from call to call: their sizes are capacities, `count` and
// `numberCount` say how much of them the last Lex filled.
struct TokenBuffer
{
	std::vector<char> text;             // copy of the text followed by kTextPadding zero bytes
	std::vector<std::uint8_t> codes;    // Token codes (tokens.h); the last one is kTokenEnd
	std::vector<std::uint32_t> offsets; // byte offset of each token in the text; the end token's is the length
	std::vector<double> numbers;        // values of the kTokenNumber tokens in text order
	std::size_t count = 0;              // tokens, including the end token
	std::size_t numberCount = 0;
	std::uint64_t shapeHash = 0; // hash of codes[0, count)
};

// Tokenizes `text`, which must be at most kMaxLength bytes. Returns null on success, else a static message, with
// `errorOffset` set to the byte offset of the offending character or name. Allocates only to grow `out`.
const char* Lex(std::string_view text, TokenBuffer& out, std::size_t& errorOffset);

} // namespace surfax::expr
