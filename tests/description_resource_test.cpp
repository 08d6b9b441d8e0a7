// Description resources: the layout, symbol header and string table of a plug-in folder, read as the application
// reads them, and every malformed variant rejected at its file and line.
#include "host/core/diagnostics.h"
#include "host/resources/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace surfax::resources;

namespace
{

const std::string kResources = std::string(SURFAX_TEST_DATA_DIR) + "/resources";
const std::string kGoodRes = kResources + "/good/res";
const std::string kBrokenRes = kResources + "/broken/res";

std::string ReadFile(const fs::path& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

void WriteFile(const fs::path& path, std::string_view text)
{
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out.write(text.data(), std::streamsize(text.size()));
}

// A private copy of a res folder that a test may change; removed afterwards.
struct ScratchRes
{
	fs::path root;
	fs::path res;

	explicit ScratchRes(const std::string& source)
	{
		const auto* test = testing::UnitTest::GetInstance()->current_test_info();
		root = fs::temp_directory_path() /
		       ("surfax-res-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name());
		fs::remove_all(root);
		res = root / "res";
		fs::create_directories(root);
		fs::copy(source, res, fs::copy_options::recursive);
	}
	~ScratchRes() { fs::remove_all(root); }
	fs::path Description(const std::string& file) const { return res / "description" / file; }
};

DescriptionResource LoadGood(const std::string& name)
{
	DescriptionResource desc;
	SourceError error;
	EXPECT_TRUE(LoadDescriptionResource(kGoodRes, name, desc, error)) << error.Format();
	return desc;
}

std::vector<std::string> SymbolsOf(const std::vector<ParamDesc>& params)
{
	std::vector<std::string> symbols;
	for (const ParamDesc& param : params)
		symbols.push_back(param.symbol);
	return symbols;
}

} // namespace

TEST(DescriptionResource, ReadsContainerNameIncludesAndDisplayName)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	EXPECT_EQ(desc.containerName, "Ochartsample");
	EXPECT_EQ(desc.nameSymbol, "Ochartsample");
	EXPECT_EQ(desc.stringTableName, "Ochartsample");
	EXPECT_EQ(desc.displayName, "Chart Sample");
	EXPECT_EQ(desc.includes, (std::vector<std::string>{"Obase", "Oprimitiveaxis"}));
	EXPECT_EQ(desc.hidden, (std::vector<std::string>{"ID_BASEOBJECT_XRAY"}));
}

TEST(DescriptionResource, KeepsElementsInFileOrderWithIdsFromTheHeader)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	EXPECT_EQ(SymbolsOf(desc.params),
	          (std::vector<std::string>{"SAMPLE_COUNT", "SAMPLE_SIZE", "SAMPLE_ANGLE", "SAMPLE_SHOW", "SAMPLE_LABEL",
	                                    "SAMPLE_OFFSET", "SAMPLE_TINT", "SAMPLE_STYLE", "SAMPLE_BLEND", "SAMPLE_DELAY",
	                                    "SAMPLE_RATIO", "SAMPLE_STRENGTH"}));
	// Omitted values count on from the previous one; "SAMPLE_LABEL + 9" is evaluated.
	EXPECT_EQ(desc.FindParam("SAMPLE_COUNT")->id, 1001);
	EXPECT_EQ(desc.FindParam("SAMPLE_ANGLE")->id, 1011);
	EXPECT_EQ(desc.FindParam("SAMPLE_OFFSET")->id, 1030);
	EXPECT_EQ(desc.FindParam("SAMPLE_TINT")->id, 1031);
	EXPECT_EQ(desc.FindParam("SAMPLE_STRENGTH")->id, 1063);
	for (const ParamDesc& param : desc.params)
	{
		ASSERT_EQ(desc.FindParam(param.id), &param);
		ASSERT_EQ(desc.FindParam(param.symbol), &param);
	}
	EXPECT_EQ(desc.FindParam(999999), nullptr);
	EXPECT_EQ(desc.FindParam("SAMPLE_STYLE_FLAT"), nullptr);
}

TEST(DescriptionResource, ReadsNumericOptionsUnitsAndAnimation)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	const ParamDesc& count = *desc.FindParam("SAMPLE_COUNT");
	EXPECT_EQ(count.type, ParamType::Long);
	EXPECT_EQ(count.min, 2.0);
	EXPECT_EQ(count.max, 500.0);
	EXPECT_EQ(count.step, 1.0);
	EXPECT_EQ(count.unit, "LONG");
	EXPECT_FALSE(count.animatable);

	const ParamDesc& size = *desc.FindParam("SAMPLE_SIZE");
	EXPECT_EQ(size.type, ParamType::Real);
	EXPECT_EQ(size.min, 0.0);
	EXPECT_TRUE(size.minExclusive);
	EXPECT_FALSE(size.maxExclusive);
	EXPECT_EQ(size.max, 1e4);
	EXPECT_EQ(size.minSlider, 1.5);
	EXPECT_EQ(size.maxSlider, 250.0);
	EXPECT_EQ(size.customGui, "REALSLIDER");
	EXPECT_FALSE(size.step.has_value());

	const ParamDesc& angle = *desc.FindParam("SAMPLE_ANGLE");
	EXPECT_EQ(angle.min, -180.0);
	EXPECT_EQ(angle.max, 180.0);
	EXPECT_TRUE(angle.maxExclusive);
	EXPECT_EQ(angle.step, 0.5);
	EXPECT_EQ(angle.unit, "DEGREE");
	EXPECT_TRUE(angle.animatable); // ANIM MIX

	EXPECT_TRUE(desc.FindParam("SAMPLE_SHOW")->animatable);
	EXPECT_EQ(desc.FindParam("SAMPLE_OFFSET")->unit, "PERCENT");
	EXPECT_EQ(desc.FindParam("SAMPLE_BLEND")->unit, "REAL");
	EXPECT_EQ(desc.FindParam("SAMPLE_DELAY")->unit, "TIME");
	EXPECT_EQ(desc.FindParam("SAMPLE_SIZE")->unit, "METER");
	EXPECT_TRUE(desc.FindParam("SAMPLE_STRENGTH")->unit.empty());
}

TEST(DescriptionResource, KeepsLayoutOptionsAsFlags)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	EXPECT_EQ(desc.FindParam("SAMPLE_LABEL")->flags, (std::vector<std::string>{"SCALE_H", "FIT_H"}));
	EXPECT_TRUE(desc.FindParam("SAMPLE_TINT")->HasFlag("OPEN"));
	EXPECT_TRUE(desc.FindParam("SAMPLE_TINT")->HasFlag("HIDE"));
	EXPECT_FALSE(desc.FindParam("SAMPLE_TINT")->HasFlag("SCALE_H"));
	EXPECT_EQ(desc.FindParam("SAMPLE_BLEND")->parentId, desc.FindParam("SAMPLE_SHOW")->id);
}

TEST(DescriptionResource, ReadsCyclesWithValuesIconsAndTexts)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	const ParamDesc& style = *desc.FindParam("SAMPLE_STYLE");
	ASSERT_EQ(style.cycle.size(), 3u);
	EXPECT_EQ(style.cycle[0].symbol, "SAMPLE_STYLE_FLAT");
	EXPECT_EQ(style.cycle[0].value, 0);
	EXPECT_EQ(style.cycle[0].text, "Flat");
	EXPECT_EQ(style.cycle[0].icon, 0);
	EXPECT_EQ(style.cycle[1].value, 1);
	EXPECT_EQ(style.cycle[1].icon, 1055482);
	EXPECT_EQ(style.cycle[1].text, "Round");
	EXPECT_EQ(style.cycle[2].value, 7);
	EXPECT_EQ(style.cycle[2].text, ""); // no .str entry is not an error
}

TEST(DescriptionResource, NestsGroupsAndRecordsGroupOptions)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	ASSERT_EQ(desc.groups.size(), 5u);
	const GroupDesc& object = *desc.FindGroup(802);
	EXPECT_EQ(object.symbol, "ID_OBJECTPROPERTIES");
	EXPECT_EQ(object.parentId, 0);
	EXPECT_TRUE(object.defaultOpen);

	const GroupDesc& extra = desc.groups[1];
	EXPECT_EQ(extra.symbol, "SAMPLE_GROUP_EXTRA");
	EXPECT_EQ(extra.text, "Extra");
	EXPECT_EQ(extra.parentId, 802);
	EXPECT_EQ(extra.columns, 2);
	EXPECT_FALSE(extra.defaultOpen);
	EXPECT_EQ(extra.flags, (std::vector<std::string>{"LAYOUTGROUP", "SCALE_H"}));

	const GroupDesc& inner = desc.groups[2];
	EXPECT_EQ(inner.parentId, extra.id);
	EXPECT_EQ(inner.flags, (std::vector<std::string>{"FIT_H"}));
	EXPECT_EQ(desc.FindParam("SAMPLE_BLEND")->groupId, inner.id);

	const GroupDesc& anonymous = desc.groups[3];
	EXPECT_LT(anonymous.id, 0);
	EXPECT_TRUE(anonymous.symbol.empty());
	EXPECT_EQ(anonymous.parentId, extra.id);
	EXPECT_EQ(desc.FindParam("SAMPLE_RATIO")->groupId, anonymous.id);

	// PARENTID overrides the enclosing container.
	EXPECT_EQ(desc.groups[4].parentId, 802);
	EXPECT_EQ(desc.FindParam("SAMPLE_STRENGTH")->groupId, desc.groups[4].id);
	EXPECT_EQ(desc.FindParam("SAMPLE_COUNT")->groupId, 802);
}

TEST(DescriptionResource, ReadsTextsWithEscapesAndLeavesMissingEntriesEmpty)
{
	const DescriptionResource desc = LoadGood("ochartsample");
	EXPECT_EQ(desc.FindParam("SAMPLE_LABEL")->text, "Label \"text\"");
	EXPECT_EQ(desc.FindParam("SAMPLE_BLEND")->text, "Blend // not a comment");
	EXPECT_EQ(desc.FindParam("SAMPLE_TINT")->text, "");
	EXPECT_EQ(desc.FindGroup(802)->text, "");
}

TEST(DescriptionResource, ReadsEveryOtherElementType)
{
	const DescriptionResource desc = LoadGood("ochartwidget");
	std::vector<ParamType> types;
	for (const ParamDesc& param : desc.params)
		types.push_back(param.type);
	EXPECT_EQ(types, (std::vector<ParamType>{ParamType::Gradient, ParamType::Font, ParamType::Separator,
	                                         ParamType::Button, ParamType::Link, ParamType::Filename,
	                                         ParamType::StaticText, ParamType::StaticText, ParamType::Spline,
	                                         ParamType::Separator, ParamType::Long}));
	EXPECT_EQ(desc.hidden, (std::vector<std::string>{"ID_BASEOBJECT_GENERATOR_FLAG"}));
	EXPECT_EQ(desc.displayName, "Chart Widget");

	const ParamDesc& ramp = *desc.FindParam("WIDGET_RAMP");
	EXPECT_EQ(ramp.flags, (std::vector<std::string>{"COLOR", "ICC_BASEDOCUMENT", "NOINTERPOLATION"}));
	EXPECT_EQ(ramp.text, "Ramp");

	const ParamDesc& target = *desc.FindParam("WIDGET_TARGET");
	EXPECT_EQ(target.accept, (std::vector<std::string>{"Obase", "5100"}));
	EXPECT_EQ(target.flags, (std::vector<std::string>{"REFUSE"})); // a block option we do not interpret

	EXPECT_EQ(desc.FindParam("WIDGET_PATH")->flags, (std::vector<std::string>{"SHOWGRID_H", "EDIT_H 2"}));

	// Elements without an id are kept in order but never found by id.
	EXPECT_FALSE(desc.params[2].hasId);
	EXPECT_TRUE(desc.params[2].HasFlag("LINE"));
	EXPECT_FALSE(desc.params[7].hasId);
	EXPECT_TRUE(desc.params[6].hasId);
	EXPECT_EQ(desc.FindParam(0), nullptr);

	const ParamDesc* numeric = desc.FindParam(2050);
	ASSERT_NE(numeric, nullptr);
	EXPECT_EQ(numeric->symbol, "2050");
	EXPECT_EQ(numeric->flags, (std::vector<std::string>{"DEFAULT 3"}));
}

TEST(DescriptionResource, LoadsWithoutAStringTable)
{
	surfax::core::ClearReports();
	const DescriptionResource desc = LoadGood("ochartbare");
	// Loading goes on, but the person running the host hears which file is missing.
	const std::string missing = kGoodRes + "/strings_en-US/description/ochartbare.str";
	EXPECT_EQ(
	    surfax::core::Reports(),
	    std::vector<std::string>{"warning: " + missing + ": not found; the parameters of ochartbare have no names"});
	EXPECT_TRUE(desc.stringTableName.empty());
	EXPECT_TRUE(desc.displayName.empty());
	ASSERT_EQ(desc.params.size(), 1u);
	EXPECT_EQ(desc.params[0].id, 3000);
	EXPECT_EQ(desc.params[0].groupId, 0);
}

// --- Malformed files: each rejected at the exact file and line of its problem ----------------------------------

struct BrokenCase
{
	const char* name;
	const char* file; // relative to the res folder
	int line;
	const char* message;
};

void PrintTo(const BrokenCase& broken, std::ostream* out)
{
	*out << broken.name;
}

class BrokenDescription : public testing::TestWithParam<BrokenCase>
{
};

TEST_P(BrokenDescription, IsRejectedAtItsFileAndLine)
{
	const BrokenCase& broken = GetParam();
	DescriptionResource desc;
	desc.containerName = "untouched";
	SourceError error;
	ASSERT_FALSE(LoadDescriptionResource(kBrokenRes, broken.name, desc, error));
	EXPECT_EQ(fs::path(error.file), fs::path(kBrokenRes) / broken.file);
	EXPECT_EQ(error.line, broken.line);
	EXPECT_EQ(error.message, broken.message);
	EXPECT_EQ(desc.containerName, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Resources, BrokenDescription,
    testing::Values(
        BrokenCase{"missing_semicolon", "description/missing_semicolon.res", 6, "expected ';' after 'MIN'"},
        BrokenCase{"missing_open_brace", "description/missing_open_brace.res", 6, "expected '{' after 'LONG BROKEN_A'"},
        BrokenCase{"missing_close_brace", "description/missing_close_brace.res", 6,
                   "expected '}' to close 'LONG BROKEN_A' opened on line 6"},
        BrokenCase{"unclosed_container", "description/unclosed_container.res", 7,
                   "expected '}' to close 'CONTAINER Ounclosed_container' opened on line 1"},
        BrokenCase{"unterminated_comment", "description/unterminated_comment.res", 7, "unterminated comment"},
        BrokenCase{"unterminated_string", "strings_en-US/description/unterminated_string.str", 4,
                   "unterminated string"},
        BrokenCase{"undefined_symbol", "description/undefined_symbol.res", 7, "undefined symbol 'BROKEN_TYPO'"},
        BrokenCase{"cycle_without_value", "description/cycle_without_value.res", 11,
                   "cycle symbol 'BROKEN_C_TWO' has no value"},
        BrokenCase{"duplicate_id", "description/duplicate_id.res", 8,
                   "id 1000 (BROKEN_SAME) is already used by 'BROKEN_A' on line 6"},
        BrokenCase{"name_mismatch", "description/name_mismatch.res", 3,
                   "NAME 'Oname_mismtach' differs from CONTAINER 'Oname_mismatch'"},
        BrokenCase{"table_name_mismatch", "strings_en-US/description/table_name_mismatch.str", 2,
                   "STRINGTABLE 'Otable_mismatch' differs from CONTAINER 'Otable_name_mismatch'"},
        BrokenCase{"unnamed_table", "strings_en-US/description/unnamed_table.str", 2,
                   "STRINGTABLE has no name; expected the name of CONTAINER 'Ounnamed_table'"},
        BrokenCase{"unknown_element", "description/unknown_element.res", 7, "unknown element type 'SLIDER'"},
        BrokenCase{"bad_number", "description/bad_number.res", 7, "MAX needs a number"},
        BrokenCase{"unknown_unit", "description/unknown_unit.res", 7, "unknown unit 'FURLONG'"},
        BrokenCase{"missing_id", "description/missing_id.res", 7, "'BOOL' needs an id"},
        BrokenCase{"too_deep", "description/too_deep.res", 35, "blocks nest deeper than 32"},
        BrokenCase{"bad_header", "description/bad_header.h", 3, "expected ',' or '}' after 'BROKEN_A'"},
        BrokenCase{"header_redefinition", "description/header_redefinition.h", 5,
                   "symbol 'BROKEN_A' is already defined on line 3"},
        BrokenCase{"missing_header", "description/missing_header.h", 0, "file not found"}),
    [](const testing::TestParamInfo<BrokenCase>& param) { return std::string(param.param.name); });

TEST(DescriptionResource, RefusesFilesOverOneMebibyte)
{
	ScratchRes scratch(kGoodRes);
	std::string text = ReadFile(scratch.Description("ochartbare.res"));
	text += std::string(kMaxResourceFileBytes - text.size(), ' ');
	WriteFile(scratch.Description("ochartbare.res"), text);
	DescriptionResource desc;
	SourceError error;
	EXPECT_TRUE(LoadDescriptionResource(scratch.res.string(), "ochartbare", desc, error)) << error.Format();

	WriteFile(scratch.Description("ochartbare.res"), text + " ");
	ASSERT_FALSE(LoadDescriptionResource(scratch.res.string(), "ochartbare", desc, error));
	EXPECT_EQ(fs::path(error.file), scratch.Description("ochartbare.res"));
	EXPECT_EQ(error.line, 0);
	EXPECT_EQ(error.message, "file is larger than 1 MiB");
}

// Every truncation of a valid file is loaded or rejected with a place inside the file, never a crash (the
// sanitizer build checks the "never" part). A truncated layout or table can only load once its last '}' is in.
TEST(DescriptionResource, LoadsOrRejectsEveryPrefixOfItsFiles)
{
	ScratchRes scratch(kGoodRes);
	const struct
	{
		std::string name;
		fs::path file;
		bool needsClosingBrace;
	} files[] = {
	    {"ochartsample", scratch.Description("ochartsample.res"), true},
	    {"ochartwidget", scratch.Description("ochartwidget.res"), true},
	    {"ochartsample", scratch.Description("ochartsample.h"), false},
	    {"ochartsample", scratch.res / "strings_en-US" / "description" / "ochartsample.str", true},
	};
	for (const auto& file : files)
	{
		const std::string full = ReadFile(file.file);
		const std::size_t lastBrace = full.rfind('}');
		int loaded = 0;
		for (std::size_t length = 0; length <= full.size(); ++length)
		{
			WriteFile(file.file, std::string_view(full).substr(0, length));
			DescriptionResource desc;
			SourceError error;
			if (LoadDescriptionResource(scratch.res.string(), file.name, desc, error))
			{
				++loaded;
				if (file.needsClosingBrace)
				{
					ASSERT_GT(length, lastBrace) << file.file << " loaded at length " << length;
				}
				continue;
			}
			ASSERT_FALSE(error.message.empty()) << file.file << " length " << length;
			// The error may lie in another file of the description, e.g. a symbol the truncated header lost.
			const std::string blamed = ReadFile(error.file);
			ASSERT_GE(error.line, 1) << error.Format();
			ASSERT_LE(error.line, std::count(blamed.begin(), blamed.end(), '\n') + 1) << error.Format();
		}
		EXPECT_GE(loaded, 1) << file.file; // at least the whole file
		WriteFile(file.file, full);
	}
}

// --- Symbol headers and string tables on their own ----------------------------------------------------------------

TEST(SymbolHeader, EvaluatesValuesLikeACompiler)
{
	SymbolList symbols;
	SourceError error;
	ASSERT_TRUE(ParseSymbolHeaderText("#define X \\\n  continued\nenum Named { A, B = 0x10, C, D = B - -2 + A, E = -3, "
	                                  "F, };\nenum { G = 2147483647 };",
	                                  "t.h", symbols, error))
	    << error.Format();
	EXPECT_EQ(symbols,
	          (SymbolList{{"A", 0}, {"B", 16}, {"C", 17}, {"D", 18}, {"E", -3}, {"F", -2}, {"G", 2147483647}}));

	const struct
	{
		const char* text;
		int line;
		const char* message;
	} broken[] = {
	    {"enum { A = 2147483647, B };", 1, "value of 'B' does not fit in 32 bits"},
	    {"enum {\n A = B };", 2, "undefined symbol 'B' in the value of 'A'"},
	    {"enum { A = 1 }\nenum { B };", 1, "expected ';' after the enum's '}'"},
	    {"enum { A = 12abc };", 1, "bad integer '12abc' for 'A'"},
	    {"int x;", 1, "expected 'enum', found 'int'"},
	    {"enum { A = };", 1, "expected a value for 'A', found '}'"},
	};
	for (const auto& test : broken)
	{
		EXPECT_FALSE(ParseSymbolHeaderText(test.text, "t.h", symbols, error)) << test.text;
		EXPECT_EQ(error.line, test.line) << test.text;
		EXPECT_EQ(error.message, test.message) << test.text;
	}
}

TEST(StringTable, DecodesEscapesAndRejectsTrailingText)
{
	StringTable table;
	SourceError error;
	ASSERT_TRUE(ParseStringTableText("STRINGTABLE T { A \"q\\\"\\\\\\n\\t\"; B \"\\u00e9\\u20ac\"; C \"C:\\dir\"; "
	                                 "D \"\"; }",
	                                 "t.str", table, error))
	    << error.Format();
	EXPECT_EQ(table.name, "T");
	ASSERT_EQ(table.entries.size(), 4u);
	EXPECT_EQ(*table.Find("A"), "q\"\\\n\t");
	EXPECT_EQ(*table.Find("B"), "\xC3\xA9\xE2\x82\xAC");
	EXPECT_EQ(*table.Find("C"), "C:\\dir");
	EXPECT_EQ(*table.Find("D"), "");
	EXPECT_EQ(table.Find("E"), nullptr);

	EXPECT_FALSE(ParseStringTableText("STRINGTABLE { A \"a\"; }\nB", "t.str", table, error));
	EXPECT_EQ(error.Format(), "t.str:2: expected end of file after the STRINGTABLE block, found 'B'");
	EXPECT_FALSE(ParseStringTableText("STRINGTABLE {\n A \"\\u12G4\"; }", "t.str", table, error));
	EXPECT_EQ(error.Format(), "t.str:2: \\u needs four hex digits");
	EXPECT_FALSE(ParseStringTableText("STRINGTABLE {\n A\n \"a\" }", "t.str", table, error));
	EXPECT_EQ(error.Format(), "t.str:3: expected ';' after the text of 'A'");
}

TEST(GlobalStrings, MapsStringIdsToTexts)
{
	std::map<std::int32_t, std::string> strings;
	SourceError error;
	ASSERT_TRUE(LoadGlobalStrings(kGoodRes, strings, error)) << error.Format();
	EXPECT_EQ(strings, (std::map<std::int32_t, std::string>{{15000, "Chart Sample"},
	                                                        {15001, "Chart \"Widget\""},
	                                                        {15008, "Gr\xC3\xBC\xC3\x9F"
	                                                                "e"}}));
}

TEST(GlobalStrings, RejectsUndefinedSymbolsAndMissingFiles)
{
	std::map<std::int32_t, std::string> strings{{1, "kept"}};
	SourceError error;
	ASSERT_FALSE(LoadGlobalStrings(kResources + "/broken_globals/res", strings, error));
	EXPECT_EQ(fs::path(error.file), fs::path(kResources) / "broken_globals/res/strings_en-US/c4d_strings.str");
	EXPECT_EQ(error.line, 4);
	EXPECT_EQ(error.message, "undefined symbol 'IDS_THREE'");
	EXPECT_EQ(strings.size(), 1u);

	ASSERT_FALSE(LoadGlobalStrings(kResources + "/nowhere", strings, error));
	EXPECT_EQ(error.Format(), (fs::path(kResources) / "nowhere/c4d_symbols.h").string() + ": file not found");
}
