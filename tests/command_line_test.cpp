// surfax-host as a person runs it: the built binary with arguments, its output, errors and exit codes.
#include "support/host_command.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using nlohmann::json;
namespace fs = std::filesystem;

namespace
{
struct RunResult
{
	int exitCode = -1;
	std::string out;
	std::string err;
};

std::string ShellQuote(const std::string& arg)
{
	std::string quoted = "'";
	for (char c : arg)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}

std::string ReadFile(const fs::path& path)
{
	std::ifstream file(path, std::ios::binary);
	std::ostringstream text;
	text << file.rdbuf();
	return text.str();
}

class CommandLine : public ::testing::Test
{
protected:
	void SetUp() override
	{
		const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
		dir = fs::temp_directory_path() / ("surfax-cli-" + std::to_string(getpid()) + "-" + info->name());
		fs::create_directories(dir);
	}
	void TearDown() override
	{
		std::error_code ec;
		fs::remove_all(dir, ec);
	}

	// Runs surfax-host with the arguments; stdin is empty, nothing is opened in other programs.
	RunResult Run(const std::vector<std::string>& args) const
	{
		// The host's reports are part of what is checked; the test environment may ask for quiet.
		// Appended piece by piece: `" " + std::string` trips GCC 12's false -Werror=restrict at -O3 (GCC bug 105329).
		std::string command = "env -u SURFAX_QUIET ";
		command += ShellQuote(SURFAX_HOST_EXE);
		for (const std::string& arg : args)
		{
			command += ' ';
			command += ShellQuote(arg);
		}
		command += " < /dev/null > ";
		command += ShellQuote((dir / "out").string());
		command += " 2> ";
		command += ShellQuote((dir / "err").string());
		const int status = std::system(command.c_str());
		RunResult result;
		result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
		result.out = ReadFile(dir / "out");
		result.err = ReadFile(dir / "err");
		return result;
	}

	// Runs with only the test plug-in loaded and without opening files.
	RunResult RunWithTestPlugin(std::vector<std::string> args) const
	{
		args.insert(args.begin(), {"--plugins", surfax::test::PluginFolder("testplug"), "--no-open"});
		return Run(args);
	}

	std::string Write(const std::string& name, const std::string& text) const
	{
		const fs::path path = dir / name;
		std::ofstream(path, std::ios::binary) << text;
		return path.string();
	}

	fs::path dir;
};

constexpr const char* kBuiltinDocument = R"({"fps": 25, "frame": 3, "objects": [
  {"type": "Onull", "name": "root", "position": [1.5, -2, 0.1], "rotation": [0.7853981633974483, 0, 0],
   "tags": [{"type": "Tphong", "params": {"1": 0.5}}],
   "children": [
     {"type": "Opolygon", "name": "quad", "points": [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]],
      "polygons": [[0, 1, 2, 3]], "tags": [{"type": "Tuvw", "uvw": [[[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]]]}]},
     {"type": "Ospline", "name": "path", "splineType": "cubic", "points": [[0, 0, 0], [5, 5, 0], [10, 0, 0]],
      "segments": [[3, false]]}
   ]},
  {"type": "Ocube", "name": "box", "enabled": false, "editorMode": "off"}
]})";

constexpr const char* kGeneratorDocument = R"({"objects": [
  {"type": "otestgen", "name": "first"},
  {"type": "Onull", "name": "group", "children": [{"type": "otestgen", "name": "second"}]}
]})";
} // namespace

TEST_F(CommandLine, CalcPrintsOneLinePerExpression)
{
	const RunResult r = Run({"calc", "-2^2", "Pow(2; 10)", "Sin(90)", "1/0", "Sin(", "-Sin(90)", "0.1+0.2"});
	EXPECT_EQ(r.exitCode, 0) << r.err;
	EXPECT_EQ(r.out, "-4\n1024\n1\ninf\nno number\n-1\n0.30000000000000004\n");
	EXPECT_EQ(r.err, "");
}

TEST_F(CommandLine, GlobalOptionsStandAnywhereAroundCalcAndEverythingElseIsAnExpression)
{
	// Global options with their values apart or inline, and flags, before calc and among its expressions; whatever
	// else follows calc is an expression, an unknown option's look included.
	const RunResult r = Run({"--host-version", "2025200", "--answer=yes", "calc", "-1", "--quiet", "--plugins",
	                         "nowhere", "-x", "--plugins=elsewhere", "--frobnicate", "--version=1", "-h2"});
	EXPECT_EQ(r.exitCode, 0) << r.err;
	EXPECT_EQ(r.out, "-1\nno number\nno number\nno number\nno number\n");
	EXPECT_EQ(r.err, "");
	// An option's value is never taken for the command: here the command is the word after it.
	const RunResult unknown = Run({"--plugins", "calc", "frobnicate", "1"});
	EXPECT_EQ(unknown.exitCode, 2);
	EXPECT_EQ(unknown.err, "surfax-host: 'frobnicate' is not a command; see --help\n");
	const RunResult inlineValue = Run({"--plugins=calc", "frobnicate"});
	EXPECT_EQ(inlineValue.err, "surfax-host: 'frobnicate' is not a command; see --help\n");
}

TEST_F(CommandLine, MalformedCommandLinesExitWithTwo)
{
	const std::vector<std::vector<std::string>> cases = {
	    {},
	    {"eval"},
	    {"eval", "doc.json", "--frame", "soon"},
	    {"--answer", "maybe", "calc", "1"},
	    {"--host-version", "new", "describe"},
	    {"eval", "doc.json", "--unknown"},
	    {"plot", "--png-compression", "10"},
	    {"plot", "--png-compression", "-1"},
	    {"plot", "--png-compression", "fast"},
	};
	for (const std::vector<std::string>& args : cases)
	{
		const RunResult r = Run(args);
		EXPECT_EQ(r.exitCode, 2) << testing::PrintToString(args) << "\n" << r.err;
		EXPECT_EQ(r.err.rfind("surfax-host: command line: ", 0), 0u) << r.err;
		EXPECT_EQ(r.out, "");
	}
	const RunResult unknown = Run({"frobnicate"});
	EXPECT_EQ(unknown.exitCode, 2);
	EXPECT_EQ(unknown.err, "surfax-host: 'frobnicate' is not a command; see --help\n");
	const RunResult help = Run({"--help"});
	EXPECT_EQ(help.exitCode, 0);
	for (const char* word : {"describe", "eval", "calc", "--plugins", "--host-version", "--answer", "--quiet"})
		EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST_F(CommandLine, DocumentErrorsNameTheFileAndThePlace)
{
	const std::string missing = (dir / "missing.json").string();
	RunResult r = Run({"--quiet", "eval", missing});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err, "surfax-host: " + missing + ": cannot be opened\n");

	const std::string bad =
	    Write("bad.json", R"({"objects": [{"type": "otestgen", "params": {"TESTGEN_CHILDREN": 1.5}}]})");
	r = RunWithTestPlugin({"eval", bad, "--dump"});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err, "surfax-host: " + bad + ": objects[0].params.TESTGEN_CHILDREN: expected an integer\n");
	EXPECT_EQ(r.out, "") << "nothing is dumped after an error";

	const std::string broken = Write("broken.json", "{\n  \"objects\": [\n    {\"type\": }\n  ]\n}\n");
	r = Run({"--quiet", "eval", broken});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err.rfind("surfax-host: " + broken + ":3:", 0), 0u) << r.err;

	// Without the plug-in its type is unknown.
	r = Run({"--plugins", (dir / "nowhere").string(), "--quiet", "eval", bad});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err, "surfax-host: " + bad + ": objects[0].type: unknown object type \"otestgen\"\n");
}

TEST_F(CommandLine, EvalAndSaveTwiceGivesIdenticalJson)
{
	const std::string source = Write("source.json", kBuiltinDocument);
	const std::string first = (dir / "first.json").string();
	const std::string second = (dir / "second.json").string();
	RunResult r = Run({"eval", source, "--save", first});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	r = Run({"eval", first, "--save", second});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	const std::string saved = ReadFile(first);
	EXPECT_EQ(ReadFile(second), saved);

	const json doc = json::parse(saved);
	EXPECT_EQ(doc["fps"], 25);
	EXPECT_EQ(doc["frame"], 3);
	ASSERT_EQ(doc["objects"].size(), 2u);
	EXPECT_EQ(doc["objects"][0]["children"][0]["points"].size(), 4u);
	EXPECT_EQ(doc["objects"][0]["children"][1]["splineType"], "cubic");
	EXPECT_EQ(doc["objects"][1]["enabled"], false);
	EXPECT_EQ(doc["objects"][1]["editorMode"], "off");

	const std::string unwritable = (dir / "no-such-folder" / "out.json").string();
	r = Run({"--quiet", "eval", source, "--save", unwritable});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err, "surfax-host: " + unwritable + ": cannot be written (No such file or directory)\n");
}

TEST_F(CommandLine, PlotDocumentSavedAndEvaluatedAgainIsUnchanged)
{
	if (!fs::exists(surfax::test::PluginFolder("surfax")))
		GTEST_SKIP() << "the Surfax plug-in is not built";
	const std::string source = Write("plot.json", R"({"objects": [{"type": "o3dplot"}]})");
	const std::string first = (dir / "first.json").string();
	const std::string second = (dir / "second.json").string();
	RunResult r = Run({"--no-open", "eval", source, "--save", first});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	r = Run({"--no-open", "eval", first, "--save", second});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(CommandLine, SetEditsTheFirstDeclaringObjectAsTheAttributePanelDoes)
{
	const std::string doc = Write("gen.json", kGeneratorDocument);
	const RunResult r = RunWithTestPlugin(
	    {"eval", doc, "--dump", "--set", "TESTGEN_CHILDREN=500", "--set", "second:TESTGEN_MODE=TESTGEN_MODE_B", "--set",
	     "second:TESTGEN_OFFSET=[1, 2, 9]", "--set", "TESTGEN_SIZE=2.5", "--set", "second:TESTGEN_LABEL=a=b:c", "--set",
	     "second:TESTGEN_FLAG=true", "--set", "1003=7"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	const json dump = json::parse(r.out);
	const json& first = dump["objects"][0]["params"];
	const json& second = dump["objects"][1]["children"][0]["params"];
	EXPECT_EQ(first["TESTGEN_CHILDREN"], 100) << "clamped to the description's MAX";
	EXPECT_EQ(first["TESTGEN_SIZE"], 7.0) << "a numeric id names the same parameter; later edits win";
	EXPECT_EQ(second["TESTGEN_CHILDREN"], 1);
	EXPECT_EQ(second["TESTGEN_MODE"], 1);
	EXPECT_EQ(second["TESTGEN_OFFSET"], json::parse("[1, 2, 5]"));
	EXPECT_EQ(second["TESTGEN_LABEL"], "a=b:c");
	EXPECT_EQ(second["TESTGEN_FLAG"], true);
	EXPECT_EQ(dump["objects"][0]["cache"]["children"].size(), 100u) << "edits happen before the evaluation";
}

TEST_F(CommandLine, EditErrorsNameTheEditAndExitWithOne)
{
	const std::string doc = Write("gen.json", kGeneratorDocument);
	const std::pair<std::vector<std::string>, std::string> cases[] = {
	    {{"--set", "NOPE=1"}, "surfax-host: --set NOPE=1: no object in the document declares NOPE\n"},
	    {{"--set", "TESTGEN_CHILDREN=many"},
	     "surfax-host: --set TESTGEN_CHILDREN=many: TESTGEN_CHILDREN: expected an integer\n"},
	    {{"--set", "TESTGEN_MODE=2"},
	     "surfax-host: --set TESTGEN_MODE=2: TESTGEN_MODE: 2 is not one of the cycle's values: 0 (TESTGEN_MODE_A), "
	     "1 (TESTGEN_MODE_B)\n"},
	    {{"--set", "TESTGEN_OFFSET=1,2"}, "surfax-host: --set TESTGEN_OFFSET=1,2: TESTGEN_OFFSET: expected x,y,z\n"},
	    {{"--set", "TESTGEN_FLAG=yes"}, "surfax-host: --set TESTGEN_FLAG=yes: TESTGEN_FLAG: expected true or false\n"},
	    {{"--set", "third:TESTGEN_SIZE=1"}, "surfax-host: --set third:TESTGEN_SIZE=1: no object is named \"third\"\n"},
	    {{"--set", "group:TESTGEN_SIZE=1"},
	     "surfax-host: --set group:TESTGEN_SIZE=1: no object named \"group\" declares TESTGEN_SIZE\n"},
	    {{"--set", "TESTGEN_SIZE"},
	     "surfax-host: --set TESTGEN_SIZE: expected SYMBOL=VALUE or OBJECTNAME:SYMBOL=VALUE\n"},
	    {{"--set", "TESTGEN_PRESS=1"},
	     "surfax-host: --set TESTGEN_PRESS=1: TESTGEN_PRESS is a button: press it with --press\n"},
	    {{"--press", "TESTGEN_SIZE"}, "surfax-host: --press TESTGEN_SIZE: TESTGEN_SIZE is not a button\n"},
	    {{"--press", "NOPE"}, "surfax-host: --press NOPE: no object in the document declares NOPE\n"},
	};
	for (const auto& [edit, expected] : cases)
	{
		std::vector<std::string> args = {"eval", doc};
		args.insert(args.end(), edit.begin(), edit.end());
		const RunResult r = RunWithTestPlugin(args);
		EXPECT_EQ(r.exitCode, 1) << expected;
		EXPECT_EQ(r.err, expected);
	}
	const RunResult pressed = RunWithTestPlugin({"eval", doc, "--press", "second:TESTGEN_PRESS"});
	EXPECT_EQ(pressed.exitCode, 0) << pressed.err;
}

TEST_F(CommandLine, FrameSetsTheDocumentTimeAndTheDumpIsStable)
{
	const std::string doc = Write("doc.json", kBuiltinDocument);
	const RunResult a = Run({"eval", doc, "--frame", "50", "--dump"});
	ASSERT_EQ(a.exitCode, 0) << a.err;
	const json dump = json::parse(a.out);
	EXPECT_EQ(dump["document"]["frame"], 50);
	EXPECT_EQ(dump["document"]["time"], 2.0);
	EXPECT_EQ(dump["document"]["fps"], 25);
	EXPECT_EQ(dump["host"]["apiVersion"], 2025200);
	EXPECT_EQ(Run({"eval", doc, "--frame", "50", "--dump"}).out, a.out);
	const RunResult older = Run({"--host-version", "2024900", "eval", doc, "--dump"});
	ASSERT_EQ(older.exitCode, 0) << older.err;
	EXPECT_EQ(json::parse(older.out)["host"]["apiVersion"], 2024900);
}

TEST_F(CommandLine, DrawAddsTheRecordedCallsToTheDump)
{
	const std::string doc = Write("gen.json", kGeneratorDocument);
	const RunResult plain = RunWithTestPlugin({"eval", doc, "--dump"});
	const RunResult drawn = RunWithTestPlugin({"eval", doc, "--draw"});
	ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
	EXPECT_EQ(plain.out.find("\"draw\""), std::string::npos);
	const json dump = json::parse(drawn.out);
	ASSERT_EQ(dump["objects"][0]["draw"].size(), 2u);
	EXPECT_EQ(dump["objects"][0]["draw"][0]["pass"], "object");
	EXPECT_EQ(dump["objects"][1]["draw"], json::array());
}

TEST_F(CommandLine, DescribeReportsEveryPluginAndTheDefaultsInitWrites)
{
	const RunResult r = Run({"--plugins", SURFAX_TEST_PLUGIN_ROOT, "--quiet", "describe", "--json"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_EQ(r.err, "") << "--quiet keeps the loader's report of the refused plug-in off stderr";
	const json describe = json::parse(r.out);
	const json& plugins = describe["plugins"];
	// testplug, testplug_failing (its PluginStart fails), testplug_future (needs a newer host).
	ASSERT_EQ(plugins.size(), 3u);
	EXPECT_EQ(plugins[0]["loaded"], true);
	EXPECT_TRUE(plugins[0]["error"].is_null());
	EXPECT_EQ(plugins[1]["loaded"], false);
	EXPECT_NE(plugins[1]["error"].get<std::string>().find("PluginStart"), std::string::npos) << plugins[1];
	EXPECT_EQ(plugins[1]["objectTypes"], json::array());
	EXPECT_EQ(plugins[2]["loaded"], false);
	EXPECT_NE(plugins[2]["error"].get<std::string>().find("version"), std::string::npos) << plugins[2];
	EXPECT_EQ(plugins[2]["objectTypes"], json::array());

	const json& type = plugins[0]["objectTypes"][0];
	EXPECT_EQ(type["id"], 1000001);
	EXPECT_EQ(type["descriptionName"], "otestgen");
	EXPECT_EQ(type["displayName"], "Test Generator");
	const auto param = [&](const std::string& symbol)
	{
		for (const json& p : type["params"])
		{
			if (p["symbol"] == symbol)
				return p;
		}
		ADD_FAILURE() << symbol << " missing";
		return json();
	};
	const json size = param("TESTGEN_SIZE");
	EXPECT_EQ(size["type"], "REAL");
	EXPECT_EQ(size["default"], 10.0);
	EXPECT_EQ(size["min"], 0.0);
	EXPECT_EQ(size["max"], 1000.0);
	EXPECT_EQ(param("TESTGEN_LABEL")["default"], "test");
	EXPECT_EQ(param("TESTGEN_FLAG")["default"], false);
	EXPECT_TRUE(param("TESTGEN_ORDER")["default"].is_null()) << "Init does not write it";
	const json mode = param("TESTGEN_MODE");
	ASSERT_EQ(mode["cycle"].size(), 2u);
	EXPECT_EQ(mode["cycle"][1]["value"], 1);
	EXPECT_EQ(mode["cycle"][1]["symbol"], "TESTGEN_MODE_B");
	EXPECT_EQ(param("TESTGEN_PRESS")["type"], "BUTTON");

	EXPECT_EQ(Run({"--plugins", SURFAX_TEST_PLUGIN_ROOT, "--quiet", "describe", "--json"}).out, r.out);
	const RunResult text = Run({"--plugins", SURFAX_TEST_PLUGIN_ROOT, "--quiet", "describe"});
	EXPECT_NE(text.out.find("TESTGEN_SIZE REAL = 10 [0 .. 1000]"), std::string::npos) << text.out;
}

TEST_F(CommandLine, ARefusedPluginIsReportedAndTheOthersStillLoad)
{
	const std::string doc = Write("gen.json", kGeneratorDocument);
	const RunResult r = Run({"--plugins", surfax::test::PluginFolder("testplug_future"), "--plugins",
	                         surfax::test::PluginFolder("testplug"), "eval", doc, "--dump"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_NE(r.err.find("testplug_future"), std::string::npos) << r.err;
	EXPECT_EQ(json::parse(r.out)["objects"][0]["typeName"], "otestgen");
}

TEST_F(CommandLine, ADamagedOrStrayLibraryIsNamedAndTheOthersStillLoad)
{
	const fs::path folder = dir / "surfax";
	fs::copy(surfax::test::PluginFolder("surfax"), folder, fs::copy_options::recursive);
	const fs::path library = folder / "surfax.xso64";
	ASSERT_TRUE(fs::exists(library));
	// A stray library sorted before the plug-in, and the plug-in's library cut to its first 4 KiB beside it.
	fs::copy_file(library, folder / "b-cut.xso64");
	fs::resize_file(folder / "b-cut.xso64", 4096);
	std::ofstream(folder / "a.xso64") << "not a library";
	for (const std::vector<std::string>& command :
	     {std::vector<std::string>{"describe"}, std::vector<std::string>{"--version"},
	      std::vector<std::string>{"plot", "-o", (dir / "chart.png").string()}})
	{
		std::vector<std::string> args = {"--plugins", folder.string()};
		args.insert(args.end(), command.begin(), command.end());
		const RunResult r = Run(args);
		SCOPED_TRACE(command.front());
		EXPECT_EQ(r.exitCode, 0) << r.err;
		EXPECT_NE(r.err.find((folder / "a.xso64").string() + ": cannot be opened: not an ELF library"),
		          std::string::npos)
		    << r.err;
		EXPECT_NE(r.err.find((folder / "b-cut.xso64").string() + ": cannot be opened: cut short or damaged"),
		          std::string::npos)
		    << r.err;
	}
	EXPECT_TRUE(fs::exists(dir / "chart.png"));
	const RunResult describe = Run({"--plugins", folder.string(), "--quiet", "describe"});
	EXPECT_NE(describe.out.find("plug-in " + library.string() + ": loaded"), std::string::npos) << describe.out;
	EXPECT_NE(describe.out.find("o3dplot"), std::string::npos);
}

TEST_F(CommandLine, AStandardOutputThatCannotBeWrittenFailsTheRunWithTheReason)
{
	const std::string doc = Write("doc.json", kBuiltinDocument);
	const std::string toFull = "sh -c 'exec \"$0\" \"$@\" > /dev/full'";
	for (const std::vector<std::string>& args :
	     {std::vector<std::string>{"eval", doc, "--dump"}, std::vector<std::string>{"describe"},
	      std::vector<std::string>{"describe", "--json"}, std::vector<std::string>{"calc", "1+1"},
	      std::vector<std::string>{"--version"}, std::vector<std::string>{"--help"},
	      std::vector<std::string>{"plot", "--with", "none", "--set", "PLOT_RESOLUTION=2", "--dump"}})
	{
		const surfax::test::HostRun r = surfax::test::RunHost(dir, args, toFull);
		EXPECT_EQ(r.exitCode, 1) << testing::PrintToString(args);
		EXPECT_NE(r.err.find("surfax-host: standard output: cannot be written (No space left on device)\n"),
		          std::string::npos)
		    << r.err;
	}
	// Written, it is no error.
	EXPECT_EQ(surfax::test::RunHost(dir, {"calc", "1+1"}).out, "2\n");
}

TEST_F(CommandLine, MessagesSayWhatIsWrongWithAValueThatLooksAlmostRight)
{
	struct Case
	{
		std::vector<std::string> args;
		std::string error;
	};
	const std::vector<Case> cases = {
	    {{"plot", "--frames", "1..99999999999"},
	     "--frames: frame 99999999999 is out of range: frames go from -2147483648 to 2147483647"},
	    {{"plot", "--frames", "-3000000000..0"},
	     "--frames: frame -3000000000 is out of range: frames go from -2147483648 to 2147483647"},
	    {{"plot", "--frames", "1..2.5"}, "--frames: expected A..B with whole frame numbers (for example 0..90)"},
	    {{"plot", "--png-compression", "5.5"}, "--png-compression: expected a whole number from 0 to 9, not 5.5"},
	    {{"plot", "--png-compression", "10"}, "--png-compression: a level from 0 to 9, not 10"},
	};
	for (const Case& c : cases)
	{
		const RunResult r = Run(c.args);
		EXPECT_EQ(r.exitCode, 2) << testing::PrintToString(c.args);
		EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "surfax-host: command line: " + c.error);
	}
	// A binary file is no JSON text, wherever its first NUL byte is.
	const std::string binary = Write("binary.json", std::string("\0\1\2binary", 9));
	RunResult r = Run({"--quiet", "eval", binary});
	EXPECT_EQ(r.exitCode, 1);
	EXPECT_EQ(r.err, "surfax-host: " + binary + ":1:1: not JSON text: it holds a NUL byte (a binary file?)\n");
	const std::string late = Write("late.json", std::string("{\n  \"objects\": []\0}", 19));
	r = Run({"--quiet", "eval", late});
	EXPECT_EQ(r.err, "surfax-host: " + late + ":2:16: not JSON text: it holds a NUL byte (a binary file?)\n");
}

// Decided: a plug-in whose string resource is missing or broken still loads (the application lets it); the host warns,
// naming the file and line, and object types registered without a name are named after their descriptions.
TEST_F(CommandLine, APluginWithoutItsStringResourceLoadsWithAWarningAndNamedTypes)
{
	const fs::path missing = dir / "missing";
	const fs::path garbage = dir / "garbage";
	fs::copy(surfax::test::PluginFolder("surfax"), missing, fs::copy_options::recursive);
	fs::copy(surfax::test::PluginFolder("surfax"), garbage, fs::copy_options::recursive);
	fs::remove(missing / "res" / "strings_en-US" / "c4d_strings.str");
	std::ofstream(garbage / "res" / "c4d_symbols.h") << "garbage ### {{\n";
	const std::string consequence =
	    " (the plug-in's string resource is not loaded: object types it registers without a "
	    "name are named after their descriptions)\n";
	const RunResult a = Run({"--plugins", missing.string(), "describe"});
	EXPECT_EQ(a.exitCode, 0);
	EXPECT_EQ(a.err, "surfax-host: warning: " + (missing / "res" / "strings_en-US" / "c4d_strings.str").string() +
	                     ": file not found" + consequence);
	const RunResult b = Run({"--plugins", garbage.string(), "describe"});
	EXPECT_EQ(b.exitCode, 0);
	EXPECT_EQ(b.err, "surfax-host: warning: " + (garbage / "res" / "c4d_symbols.h").string() +
	                     ":1: expected 'enum', found 'garbage'" + consequence);
	for (const RunResult* r : {&a, &b})
	{
		EXPECT_NE(r->out.find("object type 1055349 o3dplot \"3D Plot\""), std::string::npos) << r->out;
		EXPECT_NE(r->out.find("object type 1055514 o3dplotlabel \"3D Plot Label\""), std::string::npos) << r->out;
		EXPECT_EQ(r->out.find("\"\" info"), std::string::npos) << r->out;
	}
}
