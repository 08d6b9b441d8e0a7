// Whole-text numbers as every place that reads one accepts them: parameter text and drags on the command line, the
// camera and size options, numeric ids in documents, the SDK string's conversions and the resource files. The places
// differ on purpose (blanks, a '+', non-finite values, ranges), so each one's answer to the same inputs is pinned
// here: a change of what one place accepts is a change of its list.
#include "app/parameter_edits.h"
#include "app/option_text.h"
#include "app/parameter_text.h"
#include "host/core/number_text.h"
#include "host/document/document_json.h"
#include "host/document/param_json.h"
#include "host/plugins/registry.h"
#include "host/resources/resource_lexer.h"
#include "res/description/o3dplot.h"
#include "source/main.h"
#include "support/host_command.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace cinema;
using namespace surfax;

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

/// What one place made of one text: refused, or read to a value.
struct Cell
{
	bool accepted = false;
	double value = 0.0;
};

Cell Read(double value)
{
	return Cell{true, value};
}

Cell Refused()
{
	return Cell{};
}

/// The inputs every reader is asked about, beside the ones its own list accepts. A sign after a '+' ("+-1") is refused
/// everywhere: the places that took a '+' off themselves once read it as -1.
const std::vector<std::string> kInputs = {
    "",
    " ",
    "0",
    "-0",
    "1",
    "-1",
    "+1",
    "+-1",
    "-+1",
    "--1",
    "++1",
    " 1",
    "1 ",
    "\t1",
    "1\t",
    " 1 ",
    "01",
    "1.5",
    "-1.5",
    "+1.5",
    ".5",
    "5.",
    "1e3",
    "1E3",
    "1e+3",
    "1e-3",
    "1e",
    "e3",
    ".",
    "-",
    "+",
    "0x10",
    "0X10",
    "0x",
    "0x1p3",
    "-0x10",
    "1,5",
    "1_000",
    "1x",
    "x1",
    "1 2",
    "inf",
    "-inf",
    "+inf",
    "INF",
    "Inf",
    "-Inf",
    "nan",
    "NaN",
    "-nan",
    "+nan",
    "infinity",
    "-infinity",
    "nan(1)",
    "1e400",
    "-1e400",
    "1e-400",
    "1e38",
    "1e39",
    "16384",
    "16385",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "9007199254740992",
    "9007199254740993",
    "9223372036854775807",
    "9223372036854775808",
    "-9223372036854775808",
    "-9223372036854775809",
};

/// A parameter of the plot object's type by its symbol, or null.
const resources::ParamDesc* PlotParam(const char* symbol)
{
	const plugins::ObjectType* type = plugins::FindObjectType(ID_PLOTOBJECT);
	return type != nullptr && type->description != nullptr ? type->description->FindParam(symbol) : nullptr;
}

Cell FromParamText(const char* symbol, const std::string& text, int component = -1)
{
	const resources::ParamDesc* param = PlotParam(symbol);
	GeData value;
	std::string message;
	if (param == nullptr || !app::ParamValueFromText(*param, text, value, message))
		return Refused();
	if (component >= 0)
		return Read(value.GetVector()[component]);
	return Read(value.GetType() == DA_LONG ? static_cast<double>(value.GetInt32()) : value.GetFloat());
}

/// A document of one null object whose parameters are given as {"KEY": 1}: the key's id, or refused when the
/// document does not load.
Cell FromParamsKey(const std::string& key)
{
	nlohmann::json doc = {{"objects", {{{"type", "Onull"}, {"params", {{key, 1}}}}}}};
	io::JsonError error;
	BaseDocument* loaded = io::LoadDocumentJson(doc.dump(), error);
	if (loaded == nullptr)
		return Refused();
	// The container holds the parameter and nothing else (a null object has no parameters of its own).
	const BaseContainer& bc = loaded->GetFirstObject()->GetDataInstanceRef();
	const Cell id = bc.GetIndexData(0) != nullptr ? Read(bc.GetIndexId(0)) : Refused();
	BaseDocument::Free(loaded);
	return id;
}

/// An untyped value whose ids are keys: {"font": {"KEY": 1}} or {"container": {"values": {"KEY": 1}}}.
Cell FromUntypedKey(const char* kind, const std::string& key)
{
	nlohmann::json value;
	if (std::string(kind) == "font")
		value = {{"font", {{key, 1}}}};
	else
		value = {{"container", {{"values", {{key, 1}}}}}};
	GeData out;
	std::string path = "value";
	io::JsonError error;
	if (!io::ReadParamValue(value, nullptr, path, out, error))
		return Refused();
	return Read(1.0); // the key's id is not read back: accepted is what counts here
}

Cell FromStringToFloat(const std::string& text)
{
	Bool error = false;
	const Float value = String(text.c_str()).ToFloat(&error);
	return error ? Refused() : Read(value);
}

Cell FromStringToInt32(const std::string& text)
{
	Bool error = false;
	const Int32 value = String(text.c_str()).ToInt32(&error);
	return error ? Refused() : Read(value);
}

Cell FromResourceInteger(const std::string& text)
{
	std::int64_t value = 0;
	return resources::ParseIntegerSpelling(text, value) ? Read(static_cast<double>(value)) : Refused();
}

Cell FromResourceReal(const std::string& text)
{
	double value = 0.0;
	return resources::ParseRealSpelling(text, value) ? Read(value) : Refused();
}

Cell FromCamera(const std::string& text)
{
	render::ViewAngles view;
	std::string error;
	return app::ParseViewAngles(text + ",0", view, error) ? Read(view.azimuth) : Refused();
}

Cell FromPreviewSize(const std::string& text)
{
	int width = 0, height = 0;
	std::string error;
	return app::ParsePreviewSize(text + "x1", width, height, error) ? Read(width) : Refused();
}

/// --drag INDEX=1,0,0 and --drag 0=X,0,0 on a plot object (two handles; handle 0 sets the size to twice x, kept
/// at 0 and above): the index, or half the size the drag gave.
Cell FromDrag(const std::string& drag, bool readSize)
{
	test::TestDocument doc;
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	std::string message;
	if (!app::ApplyDrag(*doc.Get(), drag, message))
		return Refused();
	return Read(readSize ? plot->GetDataInstanceRef().GetFloat(PLOT_SIZE) * 0.5 : 1.0);
}

/// surfax-host plot with the option's text: accepted when the command line takes it (the plot runs).
Cell FromPlotOption(const std::vector<std::string>& option)
{
	static const std::filesystem::path dir = test::MakeTestFolder("number-text");
	std::vector<std::string> args = {"--quiet",           "plot", "--with",    "none", "--set",
	                                 "PLOT_RESOLUTION=1", "-o",   "chart.json"};
	args.insert(args.end(), option.begin(), option.end());
	return test::RunHost(dir, args).exitCode == 0 ? Read(1.0) : Refused();
}

/// The document frame the dump of a run with --frame TEXT shows: surfax-host plot, or eval of a document of one null
/// object; refused when the command line does not take the text.
Cell FromFrameOption(const char* command, const std::string& text)
{
	static const std::filesystem::path dir = test::MakeTestFolder("number-text-frame");
	static const bool written = []
	{
		std::ofstream(dir / "null.json") << R"({"objects": [{"type": "Onull"}]})";
		return true;
	}();
	const std::vector<std::string> args =
	    std::string(command) == "eval"
	        ? std::vector<std::string>{"--quiet", "eval", "null.json", "--dump", "--frame", text}
	        : std::vector<std::string>{"--quiet",           "plot",   "--with",  "none", "--set",
	                                   "PLOT_RESOLUTION=1", "--dump", "--frame", text};
	const test::HostRun run = test::RunHost(dir, args);
	if (!written || run.exitCode != 0)
		return Refused();
	return Read(nlohmann::json::parse(run.out)["document"]["frame"].get<double>());
}

/// One place that reads a whole text as a number, and what it accepts: each text of `accepts` with the value it
/// reads (1 where only acceptance can be seen); every other text of kInputs is refused.
struct Reader
{
	const char* name;
	std::function<Cell(const std::string&)> read;
	std::vector<std::pair<std::string, double>> accepts;
};

std::vector<std::pair<std::string, double>> Accepted(std::initializer_list<const char*> texts)
{
	std::vector<std::pair<std::string, double>> accepted;
	for (const char* text : texts)
		accepted.emplace_back(text, 1.0);
	return accepted;
}

constexpr double F(double value)
{
	return static_cast<float>(value);
}

/// A real number in parameter text, alone (REAL) or as a vector's component: blanks around it, a '+', and the
/// non-finite words.
// clang-format off
const std::vector<std::pair<std::string, double>> kRealParameterText = {
	{"0", 0}, {"-0", -0.0}, {"1", 1}, {"-1", -1}, {"+1", 1}, {" 1", 1}, {"1 ", 1},
	{"\t1", 1}, {"1\t", 1}, {" 1 ", 1}, {"01", 1}, {"1.5", 1.5}, {"-1.5", -1.5}, {"+1.5", 1.5},
	{".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E3", 1000}, {"1e+3", 1000}, {"1e-3", 0.001}, {"inf", kInf},
	{"-inf", -kInf}, {"INF", kInf}, {"Inf", kInf}, {"-Inf", -kInf}, {"nan", kNaN}, {"NaN", kNaN},
	{"1e38", 1e+38}, {"1e39", 1e+39}, {"16384", 16384}, {"16385", 16385}, {"2147483647", 2147483647},
	{"2147483648", 2147483648}, {"-2147483648", -2147483648}, {"-2147483649", -2147483649},
	{"9007199254740992", 9007199254740992.0}, {"9007199254740993", 9007199254740992.0},
	{"9223372036854775807", 9.223372036854776e+18}, {"9223372036854775808", 9.223372036854776e+18},
	{"-9223372036854775808", -9.223372036854776e+18}, {"-9223372036854775809", -9.223372036854776e+18}};
// clang-format on

/// A frame number: decimal digits with an optional '-', nothing around them ("010" is ten, not an octal eight).
// clang-format off
const std::vector<std::pair<std::string, double>> kFrameText = {
	{"0", 0}, {"-0", 0}, {"1", 1}, {"-1", -1}, {"01", 1}, {"010", 10}, {"16384", 16384}, {"16385", 16385},
	{"2147483647", 2147483647}, {"-2147483648", -2147483648}};
// clang-format on

const std::vector<Reader>& Readers()
{
	// One reader a block, several of its texts a line.
	// clang-format off
	static const std::vector<Reader> readers = {
		{"LONG parameter text", [](const std::string& t) { return FromParamText("PLOT_RESOLUTION", t); },
			{
				{"0", 0}, {"-0", 0}, {"1", 1}, {"-1", -1}, {"+1", 1}, {" 1", 1}, {"1 ", 1}, {"\t1", 1},
				{"1\t", 1}, {" 1 ", 1}, {"01", 1}, {"16384", 16384}, {"16385", 16385}, {"2147483647", 2147483647},
				{"-2147483648", -2147483648}}},
		{"REAL parameter text", [](const std::string& t) { return FromParamText("PLOT_SIZE", t); }, kRealParameterText},
		{"VECTOR parameter text", [](const std::string& t) { return FromParamText("PLOT_COLOR", t + ",0,0", 0); },
			kRealParameterText},
		{"camera azimuth", FromCamera,
			{
				{"0", 0}, {"-0", -0.0}, {"1", 1}, {"-1", -1}, {"+1", 1}, {"01", 1}, {"1.5", 1.5},
				{"-1.5", -1.5}, {"+1.5", 1.5}, {".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E3", 1000}, {"1e+3", 1000},
				{"1e-3", F(0.001)}, {"1e38", F(1e+38)}, {"16384", 16384}, {"16385", 16385},
				{"2147483647", F(2147483647.0)}, {"2147483648", 2147483648}, {"-2147483648", -2147483648},
				{"-2147483649", F(-2147483649.0)}, {"9007199254740992", 9007199254740992.0},
				{"9007199254740993", 9007199254740992.0}, {"9223372036854775807", 9.223372036854776e+18},
				{"9223372036854775808", 9.223372036854776e+18}, {"-9223372036854775808", -9.223372036854776e+18},
				{"-9223372036854775809", -9.223372036854776e+18}}},
		{"preview width", FromPreviewSize,
			{
				{"1", 1}, {"01", 1}}},
		{"document parameter id", FromParamsKey,
			{
				{"0", 0}, {"-0", 0}, {"1", 1}, {"-1", -1}, {"01", 1}, {"16384", 16384}, {"16385", 16385},
				{"2147483647", 2147483647}, {"-2147483648", -2147483648}}},
		{"font description id", [](const std::string& t) { return FromUntypedKey("font", t); },
			Accepted({
				"0", "-0", "1", "-1", "01", "16384", "16385", "2147483647", "-2147483648"})},
		{"container value id", [](const std::string& t) { return FromUntypedKey("container", t); },
			Accepted({
				"0", "-0", "1", "-1", "01", "16384", "16385", "2147483647", "-2147483648"})},
		{"String::ToFloat", FromStringToFloat,
			{
				{"0", 0}, {"-0", -0.0}, {"1", 1}, {"-1", -1}, {" 1", 1}, {"01", 1}, {"1.5", 1.5}, {"-1.5", -1.5},
				{".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E3", 1000}, {"1e+3", 1000}, {"1e-3", 0.001}, {"inf", kInf},
				{"-inf", -kInf}, {"INF", kInf}, {"Inf", kInf}, {"-Inf", -kInf}, {"nan", kNaN}, {"NaN", kNaN},
				{"-nan", kNaN}, {"infinity", kInf}, {"-infinity", -kInf}, {"nan(1)", kNaN}, {"1e38", 1e+38},
				{"1e39", 1e+39}, {"16384", 16384}, {"16385", 16385}, {"2147483647", 2147483647},
				{"2147483648", 2147483648}, {"-2147483648", -2147483648}, {"-2147483649", -2147483649},
				{"9007199254740992", 9007199254740992.0}, {"9007199254740993", 9007199254740992.0},
				{"9223372036854775807", 9.223372036854776e+18}, {"9223372036854775808", 9.223372036854776e+18},
				{"-9223372036854775808", -9.223372036854776e+18}, {"-9223372036854775809", -9.223372036854776e+18}}},
		{"String::ToInt32", FromStringToInt32,
			{
				{"0", 0}, {"-0", 0}, {"1", 1}, {"-1", -1}, {"01", 1}, {"16384", 16384}, {"16385", 16385},
				{"2147483647", 2147483647}, {"-2147483648", -2147483648}}},
		{"resource integer", FromResourceInteger,
			{
				{"0", 0}, {"1", 1}, {"01", 1}, {"0x10", 16}, {"0X10", 16}, {"16384", 16384}, {"16385", 16385},
				{"2147483647", 2147483647}, {"2147483648", 2147483648}, {"9007199254740992", 9007199254740992.0}}},
		{"resource real", FromResourceReal,
			{
				{"0", 0}, {"1", 1}, {"01", 1}, {"1.5", 1.5}, {".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E3", 1000},
				{"1e+3", 1000}, {"1e-3", 0.001}, {"1e38", 1e+38}, {"1e39", 1e+39}, {"16384", 16384},
				{"16385", 16385}, {"2147483647", 2147483647}, {"2147483648", 2147483648},
				{"9007199254740992", 9007199254740992.0}, {"9007199254740993", 9007199254740992.0},
				{"9223372036854775807", 9.223372036854776e+18}, {"9223372036854775808", 9.223372036854776e+18}}},
		{"--drag index", [](const std::string& t) { return FromDrag(t + "=1,0,0", false); },
			Accepted({
				"0", "-0", "1", "01"})},
		{"--drag position", [](const std::string& t) { return FromDrag("0=" + t + ",0,0", true); },
			{
				{"0", 0}, {"-0", 0}, {"1", 1}, {"-1", 0}, {"+1", 1}, {"01", 1}, {"1.5", 1.5},
				{"-1.5", 0}, {"+1.5", 1.5}, {".5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1E3", 1000}, {"1e+3", 1000},
				{"1e-3", 0.001}, {"1e38", 5e+19}, {"1e39", 5e+19}, {"16384", 16384}, {"16385", 16385},
				{"2147483647", 2147483647}, {"2147483648", 2147483648}, {"-2147483648", 0}, {"-2147483649", 0},
				{"9007199254740992", 9007199254740992.0}, {"9007199254740993", 9007199254740992.0},
				{"9223372036854775807", 9.223372036854776e+18}, {"9223372036854775808", 9.223372036854776e+18},
				{"-9223372036854775808", 0}, {"-9223372036854775809", 0}}},
		{"--frame of plot", [](const std::string& t) { return FromFrameOption("plot", t); }, kFrameText},
		{"--frame of eval", [](const std::string& t) { return FromFrameOption("eval", t); }, kFrameText},
		{"--frames", [](const std::string& t) { return FromPlotOption({"--frames", t + ".." + t}); },
			Accepted({
				"0", "-0", "1", "-1", "01", "16384", "16385", "2147483647", "-2147483648"})},
		{"--png-compression", [](const std::string& t) { return FromPlotOption({"--png-compression", t}); },
			Accepted({
				"0", "-0", "1", "01", "08"})},
		{"--unit-scale", [](const std::string& t) { return FromPlotOption({"--unit-scale", t}); },
			Accepted({
				"1", "+1", " 1", "\t1", "01", "1.5", "+1.5", ".5", "5.", "1e3", "1E3", "1e+3", "1e-3", "0x10",
				"0X10", "0x1p3", "16384", "16385", "2147483647", "2147483648", "9007199254740992",
				"9007199254740993", "9223372036854775807", "9223372036854775808"})},
		{"--line-width", [](const std::string& t) { return FromPlotOption({"--line-width", t}); },
			Accepted({
				"1", "+1", " 1", "\t1", "01", "1.5", "+1.5", ".5", "5.", "1e-3", "0x10", "0X10", "0x1p3"})},
	};
	// clang-format on
	return readers;
}

std::string Show(const Cell& cell)
{
	if (!cell.accepted)
		return "refused";
	char text[64];
	std::snprintf(text, sizeof(text), "%.17g", cell.value);
	return text;
}

/// Both refused, or both read to the same value (NaN as NaN, -0 as -0).
bool Same(const Cell& actual, const Cell& expected)
{
	if (!actual.accepted || !expected.accepted)
		return actual.accepted == expected.accepted;
	if (std::isnan(actual.value) || std::isnan(expected.value))
		return std::isnan(actual.value) && std::isnan(expected.value);
	return actual.value == expected.value && std::signbit(actual.value) == std::signbit(expected.value);
}
} // namespace

TEST(NumberText, EachPlaceAcceptsItsListAndRefusesEveryOtherInput)
{
	ASSERT_TRUE(test::EnsurePluginLoaded("surfax"));
	for (const Reader& reader : Readers())
	{
		std::vector<std::string> inputs = kInputs;
		for (const auto& [text, value] : reader.accepts)
		{
			if (std::find(inputs.begin(), inputs.end(), text) == inputs.end())
				inputs.push_back(text);
		}
		for (const std::string& input : inputs)
		{
			const auto pinned = std::find_if(reader.accepts.begin(), reader.accepts.end(),
			                                 [&input](const auto& entry) { return entry.first == input; });
			const Cell expected = pinned != reader.accepts.end() ? Read(pinned->second) : Refused();
			const Cell actual = reader.read(input);
			EXPECT_TRUE(Same(actual, expected))
			    << reader.name << " of \"" << input << "\": " << Show(actual) << ", pinned " << Show(expected);
		}
	}
}

TEST(NumberText, ACommandLineSymbolOfDigitsNamesTheParameterOfThatId)
{
	ASSERT_TRUE(test::EnsurePluginLoaded("surfax"));
	const std::string id = std::to_string(PLOT_SIZE);
	char hex[16];
	std::snprintf(hex, sizeof(hex), "0x%x", static_cast<unsigned>(PLOT_SIZE));
	const std::pair<std::string, bool> cases[] = {
	    {id, true},        {"0" + id, true},   {"+" + id, false}, {" " + id, false},
	    {id + " ", false}, {id + ".0", false}, {"-" + id, false}, {hex, false},
	};
	for (const auto& [symbol, accepted] : cases)
	{
		test::TestDocument doc;
		BaseObject* plot = doc.Add(ID_PLOTOBJECT);
		std::string message;
		EXPECT_EQ(app::ApplySet(*doc.Get(), symbol + "=50", message), accepted) << symbol << ": " << message;
		if (accepted)
		{
			EXPECT_EQ(plot->GetDataInstanceRef().GetFloat(PLOT_SIZE), 50.0) << symbol;
		}
	}
}

TEST(NumberText, ARefusedTextLeavesTheValueAsItWas)
{
	std::int32_t i32 = 7;
	std::int64_t i64 = 7;
	float f = 7.0f;
	double d = 7.0;
	double xyz[3] = {7.0, 7.0, 7.0};
	for (const char* text : {"", "x", "1 ", "--1", "1e400", "nan(1)", "1,2"})
	{
		EXPECT_FALSE(core::ParseNumberText(text, i32)) << text;
		EXPECT_FALSE(core::ParseNumberText(text, i64)) << text;
		EXPECT_FALSE(core::ParseNumberText(text, f)) << text;
		EXPECT_FALSE(core::ParseNumberText(text, d)) << text;
		EXPECT_FALSE(core::ParseVectorText(text, xyz)) << text;
	}
	EXPECT_FALSE(core::ParseNumberText("2147483648", i32));
	EXPECT_FALSE(core::ParseVectorText("1,2,x", xyz));
	EXPECT_EQ(i32, 7);
	EXPECT_EQ(i64, 7);
	EXPECT_EQ(f, 7.0f);
	EXPECT_EQ(d, 7.0);
	EXPECT_EQ(xyz[0], 7.0);
	EXPECT_EQ(xyz[1], 7.0);
}

TEST(NumberText, AnIntegerMustFitBothItsTypeAndTheRangeAsked)
{
	std::int32_t value = 0;
	// A range wider than the type is cut to the type.
	EXPECT_FALSE(core::ParseNumberText("-2147483649", value, {.min = -5000000000}));
	EXPECT_TRUE(core::ParseNumberText("-2147483648", value, {.min = -5000000000}));
	EXPECT_FALSE(core::ParseNumberText("0", value, {.min = 1, .max = 3}));
	EXPECT_TRUE(core::ParseNumberText("3", value, {.min = 1, .max = 3}));
	EXPECT_FALSE(core::ParseNumberText("4", value, {.min = 1, .max = 3}));
	// Hex digits come only after the prefix, and never with a sign.
	const core::NumberTextOptions hex = {.plusSign = true, .hexadecimal = true};
	EXPECT_TRUE(core::ParseNumberText("0xfF", value, hex));
	EXPECT_EQ(value, 255);
	for (const char* text : {"ff", "0x", "0x+1", "0x-1", "-0x1", "+0x1", "0x1g", "0x 1"})
		EXPECT_FALSE(core::ParseNumberText(text, value, hex)) << text;
}

TEST(NumberText, AHexadecimalRealHasAFractionAndABinaryExponentAfterItsSign)
{
	const core::NumberTextOptions hex = {.plusSign = true, .hexadecimal = true};
	double value = 0.0;
	for (const auto& [text, expected] : {std::pair{"0x1.8p3", 12.0},
	                                     {"0X10", 16.0},
	                                     {"-0x1p-2", -0.25},
	                                     {"+0x.8", 0.5},
	                                     {"0x1P+1", 2.0},
	                                     {"0xA", 10.0},
	                                     {"1.5", 1.5}})
	{
		EXPECT_TRUE(core::ParseNumberText(text, value, hex)) << text;
		EXPECT_EQ(value, expected) << text;
	}
	value = 7.0;
	for (const char* text : {"0x", "0x-1", "0x+1", "+-0x1", "0x1p", "0xg", "0x1 ", "x1", "0x1e3p"})
		EXPECT_FALSE(core::ParseNumberText(text, value, hex)) << text;
	EXPECT_EQ(value, 7.0);
	// Without the option the prefix is no number; a float takes the hex digits at its own precision.
	EXPECT_FALSE(core::ParseNumberText("0x10", value));
	float f = 0.0f;
	EXPECT_TRUE(core::ParseNumberText("0x1.000002p0", f, hex));
	EXPECT_EQ(f, std::nextafter(1.0f, 2.0f));
}

TEST(NumberText, BlanksAreTakenOnlyWhereTheOptionsSay)
{
	using Blanks = core::NumberTextOptions::Blanks;
	double value = 0.0;
	EXPECT_TRUE(core::ParseNumberText("  2", value, {.blanks = Blanks::LeadingSpaces}));
	EXPECT_FALSE(core::ParseNumberText("\t2", value, {.blanks = Blanks::LeadingSpaces}));
	EXPECT_FALSE(core::ParseNumberText("2 ", value, {.blanks = Blanks::LeadingSpaces}));
	EXPECT_TRUE(core::ParseNumberText(" \t\n\v\f\r2", value, {.blanks = Blanks::LeadingWhitespace}));
	EXPECT_FALSE(core::ParseNumberText("2\n", value, {.blanks = Blanks::LeadingWhitespace}));
	EXPECT_TRUE(core::ParseNumberText(" \t2\t ", value, {.blanks = Blanks::SpacesAndTabsAround}));
	EXPECT_FALSE(core::ParseNumberText("2 2", value, {.blanks = Blanks::SpacesAndTabsAround}));
	EXPECT_FALSE(core::ParseNumberText(" \t ", value, {.blanks = Blanks::SpacesAndTabsAround}));
	EXPECT_FALSE(core::ParseNumberText("\n2", value, {.blanks = Blanks::SpacesAndTabsAround}));
	// The non-finite words may stand in blanks like any number.
	EXPECT_TRUE(core::ParseNumberText(
	    " -Inf ", value,
	    {.blanks = Blanks::SpacesAndTabsAround, .nonFinite = core::NumberTextOptions::NonFinite::Words}));
	EXPECT_EQ(value, -kInf);
}

TEST(NumberText, AVectorIsExactlyThreeNumbersBetweenTwoCommas)
{
	double xyz[3] = {0.0, 0.0, 0.0};
	EXPECT_TRUE(core::ParseVectorText("1,-2.5,3e2", xyz));
	EXPECT_EQ(xyz[0], 1.0);
	EXPECT_EQ(xyz[1], -2.5);
	EXPECT_EQ(xyz[2], 300.0);
	for (const char* text : {"1,2", "1,2,3,", "1,2,3,4", "1,,3", ",2,3", "[1,2,3]", "1, 2,3", "1;2;3"})
		EXPECT_FALSE(core::ParseVectorText(text, xyz)) << text;
	EXPECT_TRUE(
	    core::ParseVectorText(" 1 , 2 ,\t3", xyz, {.blanks = core::NumberTextOptions::Blanks::SpacesAndTabsAround}));
	EXPECT_EQ(xyz[2], 3.0);
	// Each component follows the options, the non-finite words included.
	EXPECT_FALSE(core::ParseVectorText("1,nan,3", xyz));
	EXPECT_TRUE(core::ParseVectorText("1,nan,3", xyz, {.nonFinite = core::NumberTextOptions::NonFinite::Words}));
	EXPECT_TRUE(std::isnan(xyz[1]));
}

TEST(NumberText, RealsRoundToTheirOwnTypeAndRefuseWhatItCannotHold)
{
	float f = 0.0f;
	double d = 0.0;
	// Read straight into a float, not through a double: no second rounding.
	EXPECT_TRUE(core::ParseNumberText("0.1", f));
	EXPECT_EQ(f, 0.1f);
	EXPECT_TRUE(core::ParseNumberText("1.00000005960464477539062500000001", f));
	EXPECT_EQ(f, std::nextafter(1.0f, 2.0f));
	EXPECT_FALSE(core::ParseNumberText("1e39", f));
	EXPECT_TRUE(core::ParseNumberText("1e39", d));
	EXPECT_FALSE(core::ParseNumberText("1e-400", d));
	EXPECT_TRUE(core::ParseNumberText("-infinity", d, {.nonFinite = core::NumberTextOptions::NonFinite::AnySpelling}));
	EXPECT_EQ(d, -kInf);
	EXPECT_FALSE(core::ParseNumberText("-infinity", d, {.nonFinite = core::NumberTextOptions::NonFinite::Words}));
}
