#include "host/resources/resource.h"
#include "host/resources/resource_lexer.h"

#include <cstdint>
#include <limits>
#include <string>
#include <unordered_map>

namespace surfax::resources
{

namespace
{

struct Definition
{
	std::int64_t value;
	int line;
};

using DefinitionMap = std::unordered_map<std::string_view, Definition>;

// value := term { ('+' | '-') term }, term := ['-' | '+'] (number | earlier symbol). Iterative, so no input can
// recurse; the sum stays far inside Int64 because each term is at most 2^53 and a 1 MiB file holds few terms.
bool ParseValue(TokenStream& in, const DefinitionMap& defined, std::string_view symbol, std::int64_t& value)
{
	value = 0;
	int sign = 1;
	for (;;)
	{
		int termSign = sign;
		if (in.IsPunct('-') || in.IsPunct('+'))
		{
			if (in.Next().text[0] == '-')
				termSign = -termSign;
		}
		const Token& token = in.Peek();
		std::int64_t term = 0;
		if (token.kind == TokenKind::Number)
		{
			if (!ParseIntegerSpelling(token.text, term))
				return in.Fail(token.line, "bad integer " + Describe(token) + " for '" + std::string(symbol) + "'");
		}
		else if (token.kind == TokenKind::Identifier)
		{
			const auto found = defined.find(token.text);
			if (found == defined.end())
				return in.Fail(token.line, "undefined symbol " + Describe(token) + " in the value of '" +
				                               std::string(symbol) + "'");
			term = found->second.value;
		}
		else
			return in.FailUnexpected("expected a value for '" + std::string(symbol) + "'");
		in.Next();
		value += termSign * term;
		if (in.IsPunct('+'))
			sign = 1;
		else if (in.IsPunct('-'))
			sign = -1;
		else
			return true;
		in.Next();
	}
}

} // namespace

bool ParseSymbolHeaderText(std::string_view text, const std::string& fileName, SymbolList& out, SourceError& error)
{
	TokenStream in(text, fileName, true, error);
	SymbolList symbols;
	DefinitionMap defined;
	while (in.Peek().kind != TokenKind::End)
	{
		if (!in.IsWord("enum"))
			return in.FailUnexpected("expected 'enum'");
		in.Next();
		if (in.Peek().kind == TokenKind::Identifier)
			in.Next(); // a named enum reads the same
		if (!in.Expect('{', "'enum'"))
			return false;
		std::int64_t nextValue = 0;
		while (!in.IsPunct('}'))
		{
			if (in.Peek().kind != TokenKind::Identifier)
				return in.FailUnexpected("expected an enum symbol or '}'");
			const Token name = in.Next();
			const auto previous = defined.find(name.text);
			if (previous != defined.end())
				return in.Fail(name.line, "symbol '" + std::string(name.text) + "' is already defined on line " +
				                              std::to_string(previous->second.line));
			std::int64_t value = nextValue;
			if (in.IsPunct('='))
			{
				in.Next();
				if (!ParseValue(in, defined, name.text, value))
					return false;
			}
			if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
				return in.Fail(name.line, "value of '" + std::string(name.text) + "' does not fit in 32 bits");
			defined.emplace(name.text, Definition{value, name.line});
			symbols.emplace_back(std::string(name.text), static_cast<std::int32_t>(value));
			nextValue = value + 1;
			if (in.IsPunct(','))
				in.Next();
			else if (!in.IsPunct('}'))
				return in.FailExpected("expected ',' or '}' after '" + std::string(name.text) + "'");
		}
		in.Next();
		if (!in.Expect(';', "the enum's '}'"))
			return false;
	}
	out = std::move(symbols);
	return true;
}

bool ParseSymbolHeader(const std::string& path, SymbolList& out, SourceError& error)
{
	std::string text;
	if (!ReadResourceFile(path, text, error))
		return false;
	return ParseSymbolHeaderText(text, path, out, error);
}

} // namespace surfax::resources
