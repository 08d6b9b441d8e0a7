#include "host/resources/resource_lexer.h"

#include "host/core/number_text.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace surfax::resources
{

namespace
{

bool IsIdentifierStart(char c)
{
	return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c)
{
	return c >= '0' && c <= '9';
}

bool IsIdentifierChar(char c)
{
	return IsIdentifierStart(c) || IsDigit(c);
}

int HexDigitValue(char c)
{
	if (IsDigit(c))
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

void AppendUtf8(std::string& out, std::uint32_t codePoint)
{
	if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
		codePoint = 0xFFFD; // a lone surrogate half has no UTF-8 form
	if (codePoint < 0x80)
		out += static_cast<char>(codePoint);
	else if (codePoint < 0x800)
	{
		out += static_cast<char>(0xC0 | (codePoint >> 6));
		out += static_cast<char>(0x80 | (codePoint & 0x3F));
	}
	else
	{
		out += static_cast<char>(0xE0 | (codePoint >> 12));
		out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (codePoint & 0x3F));
	}
}

Token MakeError(int line, const char* message)
{
	Token token;
	token.kind = TokenKind::Error;
	token.value = message;
	token.line = line;
	return token;
}

} // namespace

std::string SourceError::Format() const
{
	if (line > 0)
		return file + ":" + std::to_string(line) + ": " + message;
	return file + ": " + message;
}

TokenStream::TokenStream(std::string_view text, const std::string& fileName, bool skipPreprocessorLines,
                         SourceError& error)
    : text_(text), fileName_(fileName), error_(error), skipPreprocessorLines_(skipPreprocessorLines)
{
}

const Token& TokenStream::Peek(int ahead)
{
	while (aheadCount_ <= ahead)
		ahead_[aheadCount_++] = Scan();
	return ahead_[ahead];
}

Token TokenStream::Next()
{
	Peek(0);
	Token token = std::move(ahead_[0]);
	for (int i = 1; i < aheadCount_; ++i)
		ahead_[i - 1] = std::move(ahead_[i]);
	--aheadCount_;
	if (token.kind != TokenKind::End)
		previousLine_ = token.line;
	return token;
}

bool TokenStream::Fail(int line, std::string message)
{
	if (!failed_)
	{
		failed_ = true;
		error_.file = fileName_;
		error_.line = line;
		error_.message = std::move(message);
	}
	return false;
}

bool TokenStream::Expect(char c, std::string_view what)
{
	if (IsPunct(c))
	{
		Next();
		return true;
	}
	std::string message = "expected '";
	message += c;
	message += "' after ";
	message += what;
	return FailExpected(std::move(message));
}

bool TokenStream::FailExpected(std::string message)
{
	const Token& token = Peek();
	if (token.kind == TokenKind::Error)
		return Fail(token.line, token.value);
	return Fail(PreviousLine(), std::move(message));
}

bool TokenStream::FailUnexpected(std::string_view expected)
{
	const Token& token = Peek();
	if (token.kind == TokenKind::Error)
		return Fail(token.line, token.value);
	if (token.kind == TokenKind::End)
		return Fail(PreviousLine(), std::string(expected) + ", found end of file");
	return Fail(token.line, std::string(expected) + ", found " + Describe(token));
}

Token TokenStream::Scan()
{
	Token token;
	for (;;)
	{
		if (pos_ >= text_.size())
		{
			token.line = line_;
			return token;
		}
		const char c = text_[pos_];
		const char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
		if (c == '\n')
		{
			++line_;
			++pos_;
			atLineStart_ = true;
		}
		else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v')
			++pos_;
		else if (c == '#' && skipPreprocessorLines_ && atLineStart_)
		{
			while (pos_ < text_.size() && text_[pos_] != '\n')
			{
				// A backslash at the end of the line continues the directive on the next one.
				if (text_[pos_] == '\\' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
				{
					++line_;
					++pos_;
				}
				else if (text_[pos_] == '\\' && pos_ + 2 < text_.size() && text_[pos_ + 1] == '\r' &&
				         text_[pos_ + 2] == '\n')
				{
					++line_;
					pos_ += 2;
				}
				++pos_;
			}
		}
		else if (c == '/' && next == '/')
		{
			while (pos_ < text_.size() && text_[pos_] != '\n')
				++pos_;
		}
		else if (c == '/' && next == '*')
		{
			const int startLine = line_;
			pos_ += 2;
			for (;;)
			{
				if (pos_ + 1 >= text_.size())
				{
					pos_ = text_.size();
					return MakeError(startLine, "unterminated comment");
				}
				if (text_[pos_] == '*' && text_[pos_ + 1] == '/')
				{
					pos_ += 2;
					break;
				}
				if (text_[pos_] == '\n')
					++line_;
				++pos_;
			}
		}
		else
			break;
	}

	atLineStart_ = false;
	token.line = line_;
	const std::size_t start = pos_;
	const char c = text_[pos_];
	if (IsIdentifierStart(c))
	{
		while (pos_ < text_.size() && IsIdentifierChar(text_[pos_]))
			++pos_;
		token.kind = TokenKind::Identifier;
	}
	else if (IsDigit(c) || (c == '.' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1])))
	{
		// Take the whole spelling (1.5e-3, 0x1F, 12abc) so that a bad number is one token the parser rejects.
		const bool hex = c == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X');
		while (pos_ < text_.size())
		{
			const char d = text_[pos_];
			if (IsIdentifierChar(d) || d == '.')
				++pos_;
			else if ((d == '+' || d == '-') && !hex && (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E'))
				++pos_;
			else
				break;
		}
		token.kind = TokenKind::Number;
	}
	else if (c == '"')
		return ScanString();
	else
	{
		++pos_;
		token.kind = TokenKind::Punct;
	}
	token.text = text_.substr(start, pos_ - start);
	return token;
}

Token TokenStream::ScanString()
{
	Token token;
	token.kind = TokenKind::String;
	token.line = line_;
	const std::size_t start = pos_;
	++pos_;
	for (;;)
	{
		if (pos_ >= text_.size() || text_[pos_] == '\n')
			return MakeError(token.line, "unterminated string");
		const char c = text_[pos_++];
		if (c == '"')
			break;
		if (c != '\\')
		{
			token.value += c;
			continue;
		}
		if (pos_ >= text_.size() || text_[pos_] == '\n')
			return MakeError(token.line, "unterminated string");
		const char escaped = text_[pos_++];
		if (escaped == '"' || escaped == '\\')
			token.value += escaped;
		else if (escaped == 'n')
			token.value += '\n';
		else if (escaped == 't')
			token.value += '\t';
		else if (escaped == 'u')
		{
			std::uint32_t codePoint = 0;
			for (int i = 0; i < 4; ++i)
			{
				const int digit = pos_ < text_.size() ? HexDigitValue(text_[pos_]) : -1;
				if (digit < 0)
					return MakeError(token.line, "\\u needs four hex digits");
				codePoint = codePoint * 16 + static_cast<std::uint32_t>(digit);
				++pos_;
			}
			AppendUtf8(token.value, codePoint);
		}
		else
		{
			// Unknown escapes stay as written, so Windows paths in texts survive.
			token.value += '\\';
			token.value += escaped;
		}
	}
	token.text = text_.substr(start, pos_ - start);
	return token;
}

bool ParseIntegerSpelling(std::string_view spelling, std::int64_t& value)
{
	// A sign is a token of its own; the largest magnitude is the one every double holds exactly.
	return core::ParseNumberText(spelling, value,
	                             {.minusSign = false, .hexadecimal = true, .max = std::int64_t(1) << 53});
}

bool ParseRealSpelling(std::string_view spelling, double& value)
{
	return core::ParseNumberText(spelling, value, {.minusSign = false});
}

std::string Describe(const Token& token)
{
	constexpr std::size_t kMaxShown = 40;
	switch (token.kind)
	{
	case TokenKind::End:
		return "end of file";
	case TokenKind::Error:
		return token.value;
	case TokenKind::Punct:
	{
		const unsigned char c = static_cast<unsigned char>(token.text[0]);
		if (c < 0x20 || c >= 0x7F)
		{
			char buffer[16];
			std::snprintf(buffer, sizeof(buffer), "byte 0x%02X", c);
			return buffer;
		}
		return Quote(token.text);
	}
	default:
		if (token.text.size() > kMaxShown)
			return Quote(std::string(token.text.substr(0, kMaxShown)) + "...");
		return Quote(token.text);
	}
}

std::string Quote(std::string_view text)
{
	// Appended piece by piece: GCC 12 at -O3 reports a false -Werror=restrict inside libstdc++ for
	// `"'" + std::string(...)` (GCC bug 105329).
	std::string quoted;
	quoted.reserve(text.size() + 2);
	quoted += '\'';
	quoted += text;
	quoted += '\'';
	return quoted;
}

bool ReadResourceFile(const std::string& path, std::string& text, SourceError& error)
{
	error = SourceError{path, 0, {}};
	std::error_code code;
	if (!std::filesystem::exists(path, code))
	{
		error.message = "file not found";
		return false;
	}
	std::FILE* file = std::fopen(path.c_str(), "rb");
	if (file == nullptr)
	{
		error.message = "cannot open file";
		return false;
	}
	// Read in chunks and stop one byte past the limit: enough to tell an oversized file without reading it all.
	text.clear();
	char chunk[16384];
	bool readFailed = false;
	while (text.size() <= kMaxResourceFileBytes)
	{
		const std::size_t got = std::fread(chunk, 1, sizeof(chunk), file);
		text.append(chunk, got);
		if (got < sizeof(chunk))
		{
			readFailed = std::ferror(file) != 0;
			break;
		}
	}
	std::fclose(file);
	const std::size_t size = text.size();
	if (readFailed)
	{
		error.message = "cannot read file";
		return false;
	}
	if (size > kMaxResourceFileBytes)
	{
		error.message = "file is larger than 1 MiB";
		return false;
	}
	error = SourceError{};
	return true;
}

} // namespace surfax::resources
