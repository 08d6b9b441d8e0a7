// Feeds arbitrary bytes to the whole-resource load of a plug-in folder: the description (.res, .h and .str read and
// checked against each other, as a plug-in registers it) and the global strings (c4d_symbols.h and c4d_strings.str).
// The input is cut at NUL bytes into up to five files, in the order of kFiles, and written into a temporary res
// folder of the process; a file the input does not reach is left out of the folder. Besides crashes and
// sanitizer reports it checks the contract:
// - a refusal names one of the folder's files and a line inside it (0 for the file as a whole), and leaves the
//   output as it was;
// - an accepted description's string table has the container's name, and every element with an id is found by it;
// - every global string of an accepted table is known by an id of the symbol header.
#include "tests/fuzz/fuzz_support.h"
#include "host/resources/resource.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

using namespace surfax::resources;

using surfax::fuzz::Require;

namespace
{
constexpr const char* kDescriptionName = "o3dplot";
// Paths inside the res folder, in the order the input gives them.
constexpr const char* kFiles[] = {"description/o3dplot.res", "description/o3dplot.h",
                                  "strings_en-US/description/o3dplot.str", "c4d_symbols.h",
                                  "strings_en-US/c4d_strings.str"};
constexpr std::size_t kFileCount = sizeof(kFiles) / sizeof(kFiles[0]);

/// The res folder of this process.
const std::filesystem::path& ResFolder()
{
	static const std::filesystem::path res = []
	{
		const std::filesystem::path folder = surfax::fuzz::ProcessFolder() / "res";
		std::filesystem::create_directories(folder / "description");
		std::filesystem::create_directories(folder / "strings_en-US" / "description");
		return folder;
	}();
	return res;
}

int LineCount(std::string_view text)
{
	int lines = 1;
	for (char c : text)
		lines += c == '\n';
	return lines;
}

/// The error names one of the files, at a line inside it.
void CheckError(const SourceError& error, const std::string (&paths)[kFileCount],
                const std::string_view (&texts)[kFileCount], const bool (&present)[kFileCount])
{
	Require(!error.message.empty());
	for (std::size_t i = 0; i < kFileCount; ++i)
	{
		if (error.file != paths[i])
			continue;
		Require(error.line >= 0 && error.line <= (present[i] ? LineCount(texts[i]) : 0));
		return;
	}
	std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	if (size > kMaxResourceFileBytes)
		return 0;
	const std::filesystem::path& res = ResFolder();
	std::string_view input(reinterpret_cast<const char*>(data), size);
	std::string paths[kFileCount];
	std::string_view texts[kFileCount];
	bool present[kFileCount] = {};
	bool more = true;
	for (std::size_t i = 0; i < kFileCount; ++i)
	{
		paths[i] = (res / kFiles[i]).string();
		std::filesystem::remove(paths[i]);
		if (!more)
			continue;
		const std::size_t end = input.find('\0');
		texts[i] = input.substr(0, end);
		present[i] = true;
		std::ofstream(paths[i], std::ios::binary).write(texts[i].data(), std::streamsize(texts[i].size()));
		more = end != std::string_view::npos;
		if (more)
			input.remove_prefix(end + 1);
	}

	DescriptionResource desc;
	desc.containerName = "untouched";
	SourceError error;
	if (!LoadDescriptionResource(res.string(), kDescriptionName, desc, error))
	{
		CheckError(error, paths, texts, present);
		Require(desc.containerName == "untouched" && desc.params.empty());
	}
	else
	{
		Require(!present[2] || desc.stringTableName == desc.containerName);
		for (const ParamDesc& param : desc.params)
		{
			const ParamDesc* found = param.hasId ? desc.FindParam(param.id) : nullptr;
			Require(!param.hasId || (found != nullptr && found->id == param.id));
		}
	}

	std::map<std::int32_t, std::string> strings = {{-1, "untouched"}};
	error = SourceError{};
	if (!LoadGlobalStrings(res.string(), strings, error))
	{
		CheckError(error, paths, texts, present);
		Require(strings.size() == 1 && strings.count(-1) == 1);
	}
	else
	{
		SymbolList symbols;
		Require(ParseSymbolHeader(paths[3], symbols, error));
		for (const auto& [id, text] : strings)
		{
			bool known = false;
			for (const auto& [symbol, value] : symbols)
				known = known || value == id;
			Require(known);
		}
	}
	return 0;
}
