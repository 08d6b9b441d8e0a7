#include "host/resources/resource.h"

#include "host/core/diagnostics.h"
#include "host/resources/resource_lexer.h"

#include <filesystem>
#include <system_error>

namespace surfax::resources
{

bool ParamDesc::HasFlag(std::string_view flag) const
{
	for (const std::string& written : flags)
		if (written == flag)
			return true;
	return false;
}

const ParamDesc* DescriptionResource::FindParam(std::int32_t id) const
{
	for (const ParamDesc& param : params)
		if (param.hasId && param.id == id)
			return &param;
	return nullptr;
}

const ParamDesc* DescriptionResource::FindParam(std::string_view symbol) const
{
	for (const ParamDesc& param : params)
		if (param.hasId && param.symbol == symbol)
			return &param;
	return nullptr;
}

const GroupDesc* DescriptionResource::FindGroup(std::int32_t id) const
{
	for (const GroupDesc& group : groups)
		if (group.id == id)
			return &group;
	return nullptr;
}

namespace
{

void FillTexts(const StringTable& strings, DescriptionResource& desc)
{
	const auto textOf = [&strings](std::string_view symbol)
	{
		const std::string* text = symbol.empty() ? nullptr : strings.Find(symbol);
		return text != nullptr ? *text : std::string();
	};
	desc.displayName = textOf(desc.nameSymbol.empty() ? desc.containerName : desc.nameSymbol);
	for (GroupDesc& group : desc.groups)
		group.text = textOf(group.symbol);
	for (ParamDesc& param : desc.params)
	{
		param.text = textOf(param.symbol);
		for (CycleEntry& entry : param.cycle)
			entry.text = textOf(entry.symbol);
	}
}

} // namespace

bool LoadDescriptionResource(const std::string& resDir, const std::string& name, DescriptionResource& out,
                             SourceError& error)
{
	const std::filesystem::path res(resDir);
	SymbolList symbols;
	if (!ParseSymbolHeader((res / "description" / (name + ".h")).string(), symbols, error))
		return false;

	const std::string layoutPath = (res / "description" / (name + ".res")).string();
	std::string text;
	DescriptionResource desc;
	if (!ReadResourceFile(layoutPath, text, error) || !ParseDescriptionText(text, layoutPath, symbols, desc, error))
		return false;

	// Without a string table the description still works, with empty texts, as in the application.
	const std::string stringsPath = (res / "strings_en-US" / "description" / (name + ".str")).string();
	std::error_code code;
	if (!std::filesystem::exists(stringsPath, code))
		core::Report("warning: " + stringsPath + ": not found; the parameters of " + name + " have no names");
	else
	{
		StringTable strings;
		if (!ParseStringTable(stringsPath, strings, error))
			return false;
		if (strings.name != desc.containerName)
		{
			const std::string expected = "CONTAINER '" + desc.containerName + "'";
			error = SourceError{stringsPath, strings.nameLine,
			                    strings.name.empty() ? "STRINGTABLE has no name; expected the name of " + expected
			                                         : "STRINGTABLE '" + strings.name + "' differs from " + expected};
			return false;
		}
		desc.stringTableName = strings.name;
		FillTexts(strings, desc);
	}
	out = std::move(desc);
	return true;
}

} // namespace surfax::resources
