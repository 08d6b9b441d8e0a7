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
	std::vector<char> text;                  // copy of the text followed by kTextPadding zero bytes
	std::vector<std::uint8_t> codes;         // Token codes (tokens.h); the last one is kTokenEnd
	std::vector<std::uint32_t> offsets;      // byte offset of each token in the text; the end token's is the length
	std::vector<double> numbers;             // values of the kTokenNumber tokens in text order
	std::vector<std::uint32_t> numberStarts; // byte offset of each number literal in the text
	std::vector<std::uint32_t> numberEnds;   // byte offset just past each number literal
	std::size_t length = 0;                  // bytes of the text
	std::size_t count = 0;                   // tokens, including the end token
	std::size_t numberCount = 0;
	std::uint64_t shapeHash = 0; // hash of codes[0, count)
};

// Tokenizes `text`, which must be at most kMaxLength bytes. Returns null on success, else a static message, with
// `errorOffset` set to the byte offset of the offending character or name. Allocates only to grow `out`.
const char* Lex(std::string_view text, TokenBuffer& out, std::size_t& errorOffset);

// A lexed text with its number literals cut out: the pieces of text between them, in order. Any text made of the
// same pieces with a number literal between each two lexes to the same token codes (only the numbers' values
// differ), so its compiled program can be reused after reading just the numbers.
//
// Why the same pieces give the same tokens: the lexer is at a token boundary at the start of every number literal
// (a literal cannot continue a name, which is checked when the pieces are recorded), the literal's extent is found
// by the same scan the lexer uses, and everything else is the same bytes, lexed from the same boundaries.
struct TextPieces
{
	std::vector<char> bytes;            // the pieces, one after another
	std::vector<std::uint32_t> lengths; // byte length of each piece: one more than there are number literals
	bool usable = false;                // false until recorded, or when a literal directly follows a name character
};

// Records in `pieces` the pieces of the text Lex last read into `tokens` (which must have succeeded). Allocates only
// to grow the pieces' vectors.
void RecordPieces(const TokenBuffer& tokens, TextPieces& pieces);

// True when `text` (at most kMaxLength bytes) is exactly the recorded pieces with one number literal between each
// two. Then tokens.numbers and tokens.numberCount hold the literals' values, bit for bit as Lex gives them, while
// the token codes and offsets are left as they were. Reads the text once; allocates only to grow `tokens`. On false,
// the number values and the text copy in `tokens` are undefined.
bool MatchPieces(const TextPieces& pieces, std::string_view text, TokenBuffer& tokens);

} // namespace surfax::expr
