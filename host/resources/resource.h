// Description resources of a plug-in folder, read in the application's own formats: the `.res` layout, the `.h`
// enum that gives its symbols their ids, the `.str` string tables, and the global strings of `c4d_symbols.h` and
// `c4d_strings.str`.
//
// Everything here is plain data owned by the caller. Loaders never throw; on failure they return false and fill a
// SourceError with the file and 1-based line of the first problem (line 0 when the file as a whole is at fault,
// for example missing or too large). Inputs are bounded: files over kMaxResourceFileBytes are refused and blocks
// nested deeper than kMaxResourceNesting are an error, so no input can exhaust memory or the stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace surfax::resources
{

constexpr std::size_t kMaxResourceFileBytes = 1024 * 1024;
constexpr int kMaxResourceNesting = 32;

// Where and why a resource file was rejected. `file` is the path as the loader built it.
struct SourceError
{
	std::string file;
	int line = 0;
	std::string message;

	// "FILE:LINE: message" ("FILE: message" when line is 0), the form the command line prints.
	std::string Format() const;
};

enum class ParamType
{
	Long,
	Real,
	Bool,
	String,
	Vector,
	Color,
	Gradient,
	Font,
	Button,
	Link,
	Filename,
	Spline,
	Separator,
	StaticText
};

// The `.res` keyword of a type ("LONG", "STATICTEXT", ...). Never null.
const char* ParamTypeKeyword(ParamType type);

// One entry of a `CYCLE { SYM; SYM~icon; }` list.
struct CycleEntry
{
	std::int32_t value = 0; // from the symbol header
	std::string symbol;
	std::string text;      // from the .str; empty when it has no entry
	std::int32_t icon = 0; // the number after '~', 0 when none
};

// One parameter element of a description, with the options written in its braces.
struct ParamDesc
{
	std::int32_t id = 0;
	bool hasId = true;  // SEPARATOR and STATICTEXT may be written without an id; then id is 0 and symbol empty
	std::string symbol; // as written: a symbol name, or the digits of a numeric id
	ParamType type = ParamType::Long;
	std::string text; // from the .str; empty when it has no entry
	int line = 0;     // line of the element in the .res

	std::optional<double> min, max, step, minSlider, maxSlider;
	bool minExclusive = false, maxExclusive = false; // MINEX / MAXEX
	std::string unit;                                // METER, PERCENT, DEGREE, REAL, LONG, TIME or empty
	bool animatable = true;                          // false only for ANIM OFF (ANIM MIX counts as animatable)
	std::string customGui;                           // CUSTOMGUI name, empty when none
	std::vector<CycleEntry> cycle;                   // in file order
	std::vector<std::string> accept;                 // ACCEPT { ... } entries as written (LINK)
	std::int32_t groupId = 0;                        // enclosing group, 0 directly inside the container
	std::int32_t parentId = 0;                       // PARENTID, 0 when none
	std::vector<std::string> flags; // every other option as written: "SCALE_H", "OPEN", "COLOR", "DEFAULT 1"

	bool HasFlag(std::string_view flag) const;
};

// A GROUP. Anonymous groups (`GROUP { }`) have no symbol and get negative ids -1, -2, ... in file order, so their
// members can still name them; real ids are never negative.
struct GroupDesc
{
	std::int32_t id = 0;
	std::string symbol;
	std::string text;
	std::int32_t parentId = 0; // enclosing group (0 for the container), or the PARENTID option when given
	int line = 0;
	int columns = 1;                // COLUMNS n
	bool defaultOpen = false;       // DEFAULT n with n != 0
	std::vector<std::string> flags; // other group options as written: "LAYOUTGROUP", "SCALE_H", "FIT_H"
};

struct DescriptionResource
{
	std::string containerName;         // CONTAINER <name>
	std::string nameSymbol;            // NAME <symbol>; empty when the file has no NAME line
	std::string displayName;           // the .str entry for the name symbol (or the container name); may be empty
	std::string stringTableName;       // STRINGTABLE <name> of the .str; empty when there is no .str
	std::vector<std::string> includes; // INCLUDE <name>, in file order
	std::vector<std::string> hidden;   // HIDE <id> statements, the id as written
	std::vector<std::string> flags;    // other container-level options as written
	std::vector<GroupDesc> groups;     // in file order (a parent before its children)
	std::vector<ParamDesc> params;     // in file order

	// The element with this id or symbol; null when there is none. Id-less elements are never found by id.
	// The pointer stays valid until `params` changes.
	const ParamDesc* FindParam(std::int32_t id) const;
	const ParamDesc* FindParam(std::string_view symbol) const;
	const GroupDesc* FindGroup(std::int32_t id) const;
};

using SymbolList = std::vector<std::pair<std::string, std::int32_t>>;

struct StringTable
{
	std::string name;                                         // empty for the unnamed global table
	int nameLine = 0;                                         // line of the name (of STRINGTABLE when unnamed)
	std::vector<std::pair<std::string, std::string>> entries; // symbol, text; in file order
	std::vector<int> lines;                                   // line of each entry, parallel to `entries`

	// Text of the first entry for `symbol`, or null. Valid until `entries` changes.
	const std::string* Find(std::string_view symbol) const;
};

// Parses the enum(s) of a symbol header into `out` (symbol, value) in file order. Accepts one or more
// `enum [Name] { A = 1000, B, C = A + 5, };` blocks, `//` and `/* */` comments and preprocessor lines
// (`#ifndef`, `#define`, `#endif`, ...), which are skipped. A value is a sum or difference of decimal or hex
// literals and symbols defined earlier; an omitted value is the previous one plus 1 (0 for the first).
// Symbols defined twice and values outside Int32 are errors.
bool ParseSymbolHeader(const std::string& path, SymbolList& out, SourceError& error);
bool ParseSymbolHeaderText(std::string_view text, const std::string& fileName, SymbolList& out, SourceError& error);

// Parses `STRINGTABLE [Name] { SYMBOL "text"; ... }`. Strings are on one line and may contain the escapes
// \" \\ \n \t and \uXXXX (written as UTF-8).
bool ParseStringTable(const std::string& path, StringTable& out, SourceError& error);
bool ParseStringTableText(std::string_view text, const std::string& fileName, StringTable& out, SourceError& error);

// Parses the layout of a `.res` file. Symbols resolve against `symbols` (the description's header), then the
// well-known host symbols (see host_symbols.h), then as numbers; texts are left empty. `out` is replaced.
bool ParseDescriptionText(std::string_view text, const std::string& fileName, const SymbolList& symbols,
                          DescriptionResource& out, SourceError& error);

// Loads <resDir>/description/<name>.res with its <name>.h (required) and
// <resDir>/strings_en-US/description/<name>.str (optional: without it, or without an entry, texts stay empty).
// The CONTAINER name must equal the NAME line and the STRINGTABLE name. `out` is only written on success.
bool LoadDescriptionResource(const std::string& resDir, const std::string& name, DescriptionResource& out,
                             SourceError& error);

// Loads the plug-in's global strings: ids from <resDir>/c4d_symbols.h, texts from
// <resDir>/strings_en-US/c4d_strings.str, both required (the table may be empty). Every string symbol must be
// defined in the header. `out` maps id to text (what GeLoadString(id) returns) and is only written on success.
bool LoadGlobalStrings(const std::string& resDir, std::map<std::int32_t, std::string>& out, SourceError& error);

} // namespace surfax::resources
