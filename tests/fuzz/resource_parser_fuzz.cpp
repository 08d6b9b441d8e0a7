// Feeds arbitrary bytes to the three resource parsers: each must return, with an error placed inside the text when
// it refuses, and never crash, hang or recurse without bound.
#include "host/resources/resource.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace surfax::resources;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	if (size > kMaxResourceFileBytes)
		return 0;
	const std::string_view text(reinterpret_cast<const char*>(data), size);
	const std::string fileName = "fuzz";
	const SymbolList symbols = {{"A", 1000}, {"B", 1001}, {"C", 0}, {"D", 1}};
	int lines = 1;
	for (char c : text)
		lines += c == '\n';

	SourceError error;
	SymbolList parsedSymbols;
	if (!ParseSymbolHeaderText(text, fileName, parsedSymbols, error) && (error.line < 1 || error.line > lines))
		std::abort();
	StringTable table;
	if (!ParseStringTableText(text, fileName, table, error) && (error.line < 1 || error.line > lines))
		std::abort();
	DescriptionResource desc;
	if (!ParseDescriptionText(text, fileName, symbols, desc, error) && (error.line < 1 || error.line > lines))
		std::abort();
	return 0;
}
