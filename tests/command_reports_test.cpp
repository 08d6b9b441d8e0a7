// What surfax-host tells a person: formulas that give no number, edits the description clamped, versions; and the
// object actions it makes reachable: dragging a handle, the bounding box in the dump, gradients by name, the
// preview's camera and background.
#include "host/image/image.h"
#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using nlohmann::json;
using surfax::test::HostRun;

namespace
{
class CommandReports : public testing::Test
{
protected:
	void SetUp() override
	{
		if (!fs::exists(surfax::test::PluginFolder("surfax")))
			GTEST_SKIP() << "the Surfax plug-in is not built";
		dir = surfax::test::MakeTestFolder("surfax-reports");
	}
	void TearDown() override
	{
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}

	HostRun Run(const std::vector<std::string>& args) const { return surfax::test::RunHost(dir, args); }
	std::string Path(const std::string& name) const { return (dir / name).string(); }

	json ReadJson(const std::string& name) const
	{
		std::ifstream in(dir / name);
		return json::parse(in, nullptr, false);
	}

	void WriteText(const std::string& name, const std::string& text) const { std::ofstream(dir / name) << text; }

	// Lines of text that contain `word`.
	static std::vector<std::string> LinesWith(const std::string& text, const std::string& word)
	{
		std::vector<std::string> lines;
		std::istringstream in(text);
		for (std::string line; std::getline(in, line);)
		{
			if (line.find(word) != std::string::npos)
				lines.push_back(line);
		}
		return lines;
	}

	fs::path dir;
};
} // namespace

TEST_F(CommandReports, AFormulaWithoutAnyNumberStopsWithItsPlaceAndWritesNoFile)
{
	struct Case
	{
		std::string formula, message;
	};
	const std::vector<Case> cases = {
	    {"Sin(x", "formula \"Sin(x\": no sample gives a number (at offset 5: expected ')')"},
	    {"Sin(x) * Cos(z", "formula \"Sin(x) * Cos(z\": no sample gives a number (at offset 14: expected ')')"},
	    {"x +", "formula \"x +\": no sample gives a number (at offset 3: unexpected end of text)"},
	    {"2 * Sinus(t)", "formula \"2 * Sinus(t)\": no sample gives a number (at offset 4: unknown name)"},
	    // A value that is infinite or not a number is no number either.
	    {"Sqrt(-1)", "formula \"Sqrt(-1)\": no sample gives a finite number (every value is infinite or not a number)"},
	    {"1/0", "formula \"1/0\": no sample gives a finite number (every value is infinite or not a number)"},
	    {"0/0", "formula \"0/0\": no sample gives a finite number (every value is infinite or not a number)"},
	    {"1e309", "formula \"1e309\": no sample gives a finite number (every value is infinite or not a number)"},
	    // An empty formula is legal for the plug-in (0 everywhere), but on the command line it is a slip.
	    {"", "formula \"\": the formula is empty, so every sample is 0 and the chart is flat (give one, such as "
	         "\"Sin(x) * Cos(z)\")"},
	};
	for (const Case& c : cases)
	{
		const HostRun run =
		    Run({"plot", c.formula, "--set", "PLOT_RESOLUTION=4", "-o", "a.png", "-o", "a.glb", "--save", "d.json"});
		EXPECT_EQ(run.exitCode, 1) << c.formula << "\n" << run.err;
		EXPECT_EQ(run.err, "surfax-host: plot: " + c.message + "\n");
		EXPECT_TRUE(surfax::test::FilesIn(dir).empty()) << c.formula << ": no output may be written";
	}
	// Emptied by an edit, the same.
	const HostRun emptied = Run({"plot", "--set", "PLOT_FORMULA=", "-o", "a.png"});
	EXPECT_EQ(emptied.exitCode, 1);
	EXPECT_EQ(emptied.err.rfind("surfax-host: plot: formula \"\": the formula is empty", 0), 0u) << emptied.err;
	EXPECT_TRUE(surfax::test::FilesIn(dir).empty());
}

TEST_F(CommandReports, AFormulaThatFailsForSomeSamplesWarnsOnceWithTheCount)
{
	// With 10 intervals x runs from -180 to 180 in steps of 36; Log(x) is finite only for the five x above 0, so
	// six of the eleven columns of eleven samples fail.
	const HostRun run = Run({"plot", "Log(x)", "--with", "mesh", "--set", "PLOT_RESOLUTION=10", "-o", "a.obj"});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	const std::vector<std::string> warnings = LinesWith(run.err, "formula");
	ASSERT_EQ(warnings.size(), 1u) << run.err;
	EXPECT_EQ(warnings[0],
	          "surfax-host: warning: formula \"Log(x)\": 66 of 121 samples give no number or a non-finite one");
	EXPECT_TRUE(fs::exists(dir / "a.obj"));

	const HostRun fine =
	    Run({"plot", "Sin(x) * Cos(z)", "--with", "mesh", "--set", "PLOT_RESOLUTION=10", "-o", "b.obj"});
	EXPECT_EQ(fine.exitCode, 0);
	EXPECT_TRUE(LinesWith(fine.err, "formula").empty()) << fine.err;
	const HostRun quiet = Run({"--quiet", "plot", "Log(x)", "--set", "PLOT_RESOLUTION=10", "-o", "c.obj"});
	EXPECT_EQ(quiet.exitCode, 0);
	EXPECT_EQ(quiet.err, "");
}

TEST_F(CommandReports, EvalWarnsForEachPlotObjectWhoseFormulaFailsAndStillEvaluates)
{
	WriteText("doc.json", R"doc({"fps": 30, "objects": [
	    {"type": "o3dplot", "name": "Good", "params": {"PLOT_RESOLUTION": 4, "PLOT_FORMULA": "x * z"}},
	    {"type": "o3dplot", "name": "Broken", "params": {"PLOT_RESOLUTION": 4, "PLOT_FORMULA": "Cos(z))"}},
	    {"type": "o3dplot", "name": "Partly", "params": {"PLOT_RESOLUTION": 4, "PLOT_FORMULA": "1 / x"}},
	    {"type": "o3dplot", "name": "Empty", "params": {"PLOT_RESOLUTION": 4, "PLOT_FORMULA": ""}}]})doc");
	const HostRun run = Run({"eval", "doc.json", "--dump"});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	const std::vector<std::string> warnings = LinesWith(run.err, "warning");
	ASSERT_EQ(warnings.size(), 3u) << run.err;
	EXPECT_EQ(warnings[0], "surfax-host: warning: object \"Broken\": formula \"Cos(z))\": no sample gives a number "
	                       "(at offset 6: ')' without '(')");
	// 1 / x is infinite where x is 0: the middle column of five.
	EXPECT_EQ(warnings[1], "surfax-host: warning: object \"Partly\": formula \"1 / x\": 5 of 25 samples give no "
	                       "number or a non-finite one");
	// An empty formula is evaluated as 0 everywhere, with one warning however many passes the evaluation took.
	EXPECT_EQ(warnings[2], "surfax-host: warning: object \"Empty\": formula \"\": the formula is empty, so every "
	                       "sample is 0 and the chart is flat");
	const json dump = json::parse(run.out, nullptr, false);
	ASSERT_FALSE(dump.is_discarded());
	EXPECT_EQ(dump["objects"].size(), 4u);
}

TEST_F(CommandReports, AClampedEditSaysWhatWasAskedAndWhatWasUsed)
{
	const HostRun run = Run({"plot", "--with", "mesh", "--set", "PLOT_RESOLUTION=5000", "--set", "PLOT_SIZE=-10",
	                         "--set", "PLOT_HEIGHT=20", "--save", "d.json"});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	const std::vector<std::string> warnings = LinesWith(run.err, "warning");
	ASSERT_EQ(warnings.size(), 2u) << run.err;
	EXPECT_EQ(warnings[0], "surfax-host: warning: PLOT_RESOLUTION: 5000 asked, 1000 used (its limits are 1 to 1000)");
	EXPECT_NE(warnings[1].find("PLOT_SIZE: -10 asked, 0 used"), std::string::npos) << warnings[1];
	const json doc = ReadJson("d.json");
	ASSERT_FALSE(doc.is_discarded());
	EXPECT_EQ(doc["objects"][0]["params"]["PLOT_RESOLUTION"], 1000);
}

TEST_F(CommandReports, VersionNamesTheProgramTheHostApiAndEachPluginLibrary)
{
	const HostRun run = Run({"--version"});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	const std::vector<std::string> lines = LinesWith(run.out, "");
	ASSERT_GE(lines.size(), 3u) << run.out;
	EXPECT_EQ(lines[0].rfind("surfax-host ", 0), 0u);
	EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(lines[0].at(12)))) << lines[0];
	EXPECT_EQ(lines[1], "host API version 2025200");
	EXPECT_NE(lines[2].find("surfax.xso64: module com.surfax.plot"), std::string::npos) << lines[2];
	EXPECT_NE(lines[2].find("loaded, 5 object types"), std::string::npos) << lines[2];

	// The macOS profile refuses a host older than 2025200; it is listed all the same, with the reason.
	const HostRun old = Run(
	    {"--host-version", "2025000", "--plugins", surfax::test::PluginFolder("SurfaxR2025"), "--version", "--quiet"});
	EXPECT_EQ(old.exitCode, 0) << old.err;
	EXPECT_NE(old.out.find("host API version 2025000"), std::string::npos) << old.out;
	EXPECT_NE(old.out.find("SurfaxR2025.xso64: module com.surfax.plot"), std::string::npos) << old.out;
	EXPECT_NE(old.out.find("not loaded: refused by its version check"), std::string::npos) << old.out;

	// A command is still needed without --version.
	EXPECT_EQ(Run({}).exitCode, 2);
}

TEST_F(CommandReports, DraggingAHandleEditsThePlotAndTheDumpShowsItsNewBox)
{
	ASSERT_EQ(Run({"--quiet", "plot", "--with", "none", "--set", "PLOT_RESOLUTION=4", "--save", "d.json"}).exitCode, 0);
	const HostRun size = Run({"eval", "d.json", "--drag", "0=150,0,0", "--dump"});
	ASSERT_EQ(size.exitCode, 0) << size.err;
	const json first = json::parse(size.out, nullptr, false);
	ASSERT_FALSE(first.is_discarded());
	const json& plot = first["objects"][0];
	EXPECT_EQ(plot["params"]["PLOT_SIZE"], 300.0);
	EXPECT_EQ(plot["dimension"]["center"], json::array({0, 0, 0}));
	EXPECT_EQ(plot["dimension"]["radius"], json::array({150, 25, 150}));
	// By name, the height handle; the samples follow the new height.
	const std::string name = plot["name"];
	const HostRun height = Run({"eval", "d.json", "--drag", name + ":1=0,40,0", "--dump"});
	ASSERT_EQ(height.exitCode, 0) << height.err;
	const json second = json::parse(height.out, nullptr, false);
	EXPECT_EQ(second["objects"][0]["params"]["PLOT_HEIGHT"], 80.0);
	EXPECT_EQ(second["objects"][0]["dimension"]["radius"], json::array({100, 40, 100}));

	for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
	         {"--drag", "2=1,0,0"}, {"--drag", "0=1,0"}, {"--drag", "x=1,0,0"}, {"--drag", "Nobody:0=1,0,0"}})
	{
		std::vector<std::string> args = {"eval", "d.json"};
		args.insert(args.end(), bad.begin(), bad.end());
		const HostRun run = Run(args);
		EXPECT_EQ(run.exitCode, 1) << bad[1];
		EXPECT_EQ(run.err.rfind("surfax-host: --drag " + bad[1] + ": ", 0), 0u) << run.err;
	}
}

TEST_F(CommandReports, AGradientByNameWritesItsKnotsIntoThePlot)
{
	const HostRun run = Run({"plot", "--with", "none", "--set", "PLOT_GRADIENT=grey", "--save", "d.json"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const json doc = ReadJson("d.json");
	ASSERT_FALSE(doc.is_discarded());
	const json& knots = doc["objects"][0]["params"]["PLOT_GRADIENT"]["gradient"]["knots"];
	ASSERT_EQ(knots.size(), 2u);
	EXPECT_EQ(knots[0]["position"], 0.0);
	EXPECT_EQ(knots[1]["position"], 1.0);
	EXPECT_EQ(knots[0]["color"][0].get<double>(), 0.0) << "grey starts black";
	EXPECT_EQ(knots[1]["color"][0].get<double>(), 1.0) << "grey ends white";
	const HostRun bad = Run({"plot", "--with", "none", "--set", "PLOT_GRADIENT=jet", "--save", "e.json"});
	EXPECT_EQ(bad.exitCode, 1);
	EXPECT_NE(bad.err.find("viridis, cividis, magma, grey, rainbow"), std::string::npos) << bad.err;
}

TEST_F(CommandReports, CameraAndTransparentBackgroundGiveTheSameRgbaPictureEachTime)
{
	const std::vector<std::string> view = {"--camera", "30,20", "--background", "transparent"};
	std::vector<std::string> a = {"plot", "--with", "mesh", "--size", "160x120", "-o", "a.png"};
	std::vector<std::string> b = {"plot", "--with", "mesh", "--size", "160x120", "-o", "b.png"};
	a.insert(a.end(), view.begin(), view.end());
	b.insert(b.end(), view.begin(), view.end());
	ASSERT_EQ(Run(a).exitCode, 0);
	ASSERT_EQ(Run(b).exitCode, 0);
	ASSERT_EQ(Run({"plot", "--with", "mesh", "--size", "160x120", "-o", "c.png"}).exitCode, 0);
	EXPECT_TRUE(surfax::test::ReadFileBytes(Path("a.png")) == surfax::test::ReadFileBytes(Path("b.png")));
	surfax::io::Image image, opaque;
	std::string error;
	ASSERT_EQ(surfax::io::LoadPng(Path("a.png"), image, error), surfax::io::ImageStatus::Ok) << error;
	ASSERT_EQ(surfax::io::LoadPng(Path("c.png"), opaque, error), surfax::io::ImageStatus::Ok) << error;
	bool clear = false, solid = false;
	for (std::size_t i = 3; i < image.rgba.size(); i += 4)
	{
		clear = clear || image.rgba[i] == 0;
		solid = solid || image.rgba[i] == 255;
	}
	EXPECT_TRUE(clear && solid);
	EXPECT_FALSE(image.rgba == opaque.rgba);
	const HostRun bad = Run({"plot", "--camera", "30", "-o", "d.png"});
	EXPECT_EQ(bad.exitCode, 2);
	EXPECT_NE(bad.err.find("--camera"), std::string::npos) << bad.err;
	EXPECT_FALSE(fs::exists(dir / "d.png"));
}

TEST_F(CommandReports, FormulasAreQuotedWithTheirNulBytesShownAndLongOnesShortened)
{
	// A NUL can only come from a document; the warning used to stop at it, without the reason.
	WriteText("doc.json", R"({"objects": [{"type": "o3dplot", "name": "P\u0000Q", "params":
	    {"PLOT_RESOLUTION": 2, "PLOT_FORMULA": "Sin(x)\u0000junk"}}]})");
	HostRun run = Run({"eval", "doc.json"});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.err, "surfax-host: warning: object \"P\\0Q\": formula \"Sin(x)\\0junk\": no sample gives a number "
	                   "(at offset 6: unexpected character)\n");

	// A formula of a megabyte is quoted by its first hundred bytes and its length.
	std::string formula;
	while (formula.size() < 1000000)
		formula += "x+";
	formula += "(";
	WriteText("long.json", R"({"objects": [{"type": "o3dplot", "name": "P", "params": {"PLOT_RESOLUTION": 1,
	    "PLOT_FORMULA": ")" + formula +
	                           "\"}}]}");
	run = Run({"eval", "long.json"});
	EXPECT_EQ(run.exitCode, 0) << run.err.substr(0, 300);
	EXPECT_LT(run.err.size(), 400u);
	EXPECT_NE(run.err.find("formula \"" + formula.substr(0, 100) + "... (1000001 bytes)\": no sample gives a number"),
	          std::string::npos)
	    << run.err;
}
