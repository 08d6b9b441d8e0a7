#include "host/resources/resource.h"
#include "host/resources/resource_lexer.h"

namespace surfax::resources
{

const std::string* StringTable::Find(std::string_view symbol) const
{
	for (const auto& [key, text] : entries)
		if (key == symbol)
			return &text;
	return nullptr;
}

bool ParseStringTableText(std::string_view text, const std::string& fileName, StringTable& out, SourceError& error)
{
	TokenStream in(text, fileName, false, error);
	StringTable table;
	if (!in.IsWord("STRINGTABLE"))
		return in.FailUnexpected("expected 'STRINGTABLE'");
	table.nameLine = in.Next().line;
	if (in.Peek().kind == TokenKind::Identifier)
	{
		const Token name = in.Next();
		table.name = name.text;
		table.nameLine = name.line;
	}
	if (!in.Expect('{', table.name.empty() ? "'STRINGTABLE'" : "'STRINGTABLE " + table.name + "'"))
		return false;
	while (!in.IsPunct('}'))
	{
		if (in.Peek().kind != TokenKind::Identifier)
			return in.FailUnexpected("expected a symbol or '}'");
		const Token symbol = in.Next();
		if (in.Peek().kind != TokenKind::String)
			return in.FailExpected("expected a string after '" + std::string(symbol.text) + "'");
		Token string = in.Next();
		if (!in.Expect(';', "the text of '" + std::string(symbol.text) + "'"))
			return false;
		table.entries.emplace_back(std::string(symbol.text), std::move(string.value));
		table.lines.push_back(symbol.line);
	}
	in.Next();
	if (in.Peek().kind != TokenKind::End)
		return in.FailUnexpected("expected end of file after the STRINGTABLE block");
	out = std::move(table);
	return true;
}

bool ParseStringTable(const std::string& path, StringTable& out, SourceError& error)
{
	std::string text;
	if (!ReadResourceFile(path, text, error))
		return false;
	return ParseStringTableText(text, path, out, error);
}

} // namespace surfax::resources
