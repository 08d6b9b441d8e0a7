#include "host/resources/resource.h"

#include <filesystem>
#include <unordered_map>

namespace surfax::resources
{

bool LoadGlobalStrings(const std::string& resDir, std::map<std::int32_t, std::string>& out, SourceError& error)
{
	const std::filesystem::path res(resDir);
	SymbolList symbols;
	if (!ParseSymbolHeader((res / "c4d_symbols.h").string(), symbols, error))
		return false;
	const std::string stringsPath = (res / "strings_en-US" / "c4d_strings.str").string();
	StringTable strings;
	if (!ParseStringTable(stringsPath, strings, error))
		return false;

	std::unordered_map<std::string_view, std::int32_t> ids;
	for (const auto& [symbol, value] : symbols)
		ids.emplace(symbol, value);
	std::map<std::int32_t, std::string> texts;
	for (std::size_t i = 0; i < strings.entries.size(); ++i)
	{
		const auto& [symbol, text] = strings.entries[i];
		const auto found = ids.find(symbol);
		if (found == ids.end())
		{
			error = SourceError{stringsPath, strings.lines[i], "undefined symbol '" + symbol + "'"};
			return false;
		}
		texts.emplace(found->second, text); // the first entry for an id wins, like a lookup in file order
	}
	out = std::move(texts);
	return true;
}

} // namespace surfax::resources
