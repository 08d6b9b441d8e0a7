// Tokens of the resource formats (.res, .h, .str), shared by their parsers. Internal to host/resources.
#pragma once

#include "host/resources/resource.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace surfax::resources
{

enum class TokenKind
{
	End,        // end of the text
	Identifier, // [A-Za-z_][A-Za-z0-9_]*
	Number,     // starts with a digit (or '.' and a digit); spelling unchecked, parsers convert it
	String,     // "..." on one line; `value` holds the decoded text
	Punct,      // any other single byte
	Error       // malformed text; `value` holds the message, `line` where the construct started
};

struct Token
{
	TokenKind kind = TokenKind::End;
	std::string_view text; // spelling in the source (empty for End and Error)
	std::string value;     // decoded string literal, or the error message
	int line = 1;
};

// Reads tokens with up to kMaxLookahead tokens of look-ahead and reports errors with the file name.
// Keeps a view of `text` and a reference to `error`: both must outlive the stream.
class TokenStream
{
public:
	static constexpr int kMaxLookahead = 3;

	// skipPreprocessorLines: lines whose first non-blank byte is '#' are skipped (with '\' continuations).
	TokenStream(std::string_view text, const std::string& fileName, bool skipPreprocessorLines, SourceError& error);

	const Token& Peek(int ahead = 0); // ahead in [0, kMaxLookahead)
	Token Next();
	bool IsPunct(char c, int ahead = 0) { return Peek(ahead).kind == TokenKind::Punct && Peek(ahead).text[0] == c; }
	bool IsWord(std::string_view word, int ahead = 0)
	{
		return Peek(ahead).kind == TokenKind::Identifier && Peek(ahead).text == word;
	}

	// Line of the last token taken by Next(); 1 before the first.
	int PreviousLine() const { return previousLine_; }

	// Records the error (the first one wins) and returns false.
	bool Fail(int line, std::string message);
	// Consumes the punctuation `c` or fails with "expected 'c' after <what>" on the line of the previous token,
	// where a person looks for a missing ';' or brace.
	bool Expect(char c, std::string_view what);
	// Fails with `message` on the line of the previous token, or with the lexer's message when the next token is
	// an Error token (an unterminated string explains a missing ';' better than the ';' does).
	bool FailExpected(std::string message);
	// Fails on the next token: the lexer's own message for an Error token, else "<expected>, found 'X'".
	bool FailUnexpected(std::string_view expected);

private:
	Token Scan();
	void SkipBlanksAndComments(Token& error);
	Token ScanString();

	std::string_view text_;
	const std::string& fileName_;
	SourceError& error_;
	bool skipPreprocessorLines_;
	bool failed_ = false;
	std::size_t pos_ = 0;
	int line_ = 1;
	bool atLineStart_ = true;
	int previousLine_ = 1;
	Token ahead_[kMaxLookahead];
	int aheadCount_ = 0;
};

// Reads a whole resource file. Fails (line 0) when it cannot be opened or is larger than kMaxResourceFileBytes.
bool ReadResourceFile(const std::string& path, std::string& text, SourceError& error);

// Converts a whole Number spelling: decimal or 0x-hex integers up to 2^53 in magnitude, and reals in the C locale
// (finite only). False when the spelling is not entirely a number of that kind.
bool ParseIntegerSpelling(std::string_view spelling, std::int64_t& value);
bool ParseRealSpelling(std::string_view spelling, double& value);

// Spelling of a token for messages: the text, "end of file", or the error message.
std::string Describe(const Token& token);

// text between single quotes, as messages show names and tokens: 'text'.
std::string Quote(std::string_view text);

} // namespace surfax::resources
