// surfax-host plot as a person runs it: every output kind, numbered frames, the default chart, progress, and the
// command's errors with their exit codes.
#include "host/image/image.h"
#include "support/gltf_reader.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
struct RunResult
{
	int exitCode = -1;
	std::string out;
	std::string err;
};

std::string Quote(const std::string& arg)
{
	std::string quoted = "'";
	for (const char c : arg)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}

std::string ReadText(const fs::path& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

class PlotCommand : public testing::Test
{
protected:
	void SetUp() override
	{
		if (!fs::exists(surfax::test::PluginFolder("surfax")))
			GTEST_SKIP() << "the Surfax plug-in is not built";
		dir = fs::temp_directory_path() / ("surfax-plot-" + std::to_string(getpid()) + "-" +
		                                   testing::UnitTest::GetInstance()->current_test_info()->name());
		fs::create_directories(dir);
	}
	void TearDown() override
	{
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}

	// Runs `surfax-host --no-open plot ARGS...` in dir.
	RunResult Plot(const std::vector<std::string>& args) const
	{
		std::string command =
		    "cd " + Quote(dir.string()) + " && env -u SURFAX_QUIET " + Quote(SURFAX_HOST_EXE) + " --no-open plot";
		for (const std::string& arg : args)
		{
			command += ' ';
			command += Quote(arg);
		}
		command += " < /dev/null > out.txt 2> err.txt";
		const int status = std::system(command.c_str());
		RunResult r;
		r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
		r.out = ReadText(dir / "out.txt");
		r.err = ReadText(dir / "err.txt");
		return r;
	}

	std::string Path(const std::string& name) const { return (dir / name).string(); }

	fs::path dir;
};
} // namespace

TEST_F(PlotCommand, WritesEachOutputByItsExtension)
{
	const RunResult r =
	    Plot({"Sin(x) * Cos(z)", "--with", "mesh", "-o", "a.glb", "-o", "a.gltf", "-o", "a.obj", "-o", "a.png", "-o",
	          "a.json", "--size", "64x48", "--set", "PLOT_RESOLUTION=12", "--set", "PLOTMESH_PHONG=false"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	surfax::test::GltfFile glb, gltf;
	std::string error;
	EXPECT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes(Path("a.glb")), glb, error)) << error;
	EXPECT_TRUE(surfax::test::ReadEmbeddedGltf(surfax::test::ReadFileBytes(Path("a.gltf")), gltf, error)) << error;
	// The same scene in both containers: the JSON differs only in the embedded buffer's uri.
	if (gltf.json.contains("buffers"))
		gltf.json["buffers"][0].erase("uri");
	EXPECT_EQ(glb.json, gltf.json);
	EXPECT_TRUE(glb.buffer == gltf.buffer);
	EXPECT_EQ(ReadText(Path("a.obj")).rfind("# surfax-host", 0), 0u);
	surfax::io::Image image;
	ASSERT_EQ(surfax::io::LoadPng(Path("a.png"), image, error), surfax::io::ImageStatus::Ok) << error;
	EXPECT_EQ(image.width, 64);
	EXPECT_EQ(image.height, 48);
	// The dump shows the document built the way a person builds it: the plot with the formula and its mesh.
	const nlohmann::json dump = nlohmann::json::parse(ReadText(Path("a.json")));
	ASSERT_EQ(dump.at("objects").size(), 1u);
	const nlohmann::json& plot = dump.at("objects").at(0);
	EXPECT_EQ(plot.at("typeName"), "o3dplot");
	EXPECT_EQ(plot.at("params").at("PLOT_FORMULA"), "Sin(x) * Cos(z)");
	ASSERT_EQ(plot.at("children").size(), 1u);
	EXPECT_EQ(plot.at("children").at(0).at("typeName"), "o3dplotmesh");
	// Each edit went to the object that declares the parameter.
	EXPECT_EQ(plot.at("params").at("PLOT_RESOLUTION"), 12);
	EXPECT_EQ(plot.at("children").at(0).at("params").at("PLOTMESH_PHONG"), false);
	EXPECT_EQ(r.out, "");
}

TEST_F(PlotCommand, WithoutArgumentsWritesTheDefaultChartWithEveryComponentAndTheSameBytesEachTime)
{
	RunResult r = Plot({});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	const std::vector<std::uint8_t> glb = surfax::test::ReadFileBytes(Path("surfax-chart.glb"));
	const std::vector<std::uint8_t> png = surfax::test::ReadFileBytes(Path("surfax-chart.png"));
	surfax::test::GltfFile file;
	std::string error;
	ASSERT_TRUE(surfax::test::ReadGlb(glb, file, error)) << error;
	EXPECT_FALSE(png.empty());
	// The surface carries the plot's gradient as vertex colours.
	bool colored = false;
	for (const nlohmann::json& mesh : file.json.value("meshes", nlohmann::json::array()))
		colored = colored || mesh.at("primitives").at(0).at("attributes").contains("COLOR_0");
	EXPECT_TRUE(colored);
	// --save alone writes no chart files; the saved document holds the plot with all four components.
	fs::remove(Path("surfax-chart.glb"));
	r = Plot({"--save", "doc.json"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_FALSE(fs::exists(dir / "surfax-chart.glb"));
	const nlohmann::json saved = nlohmann::json::parse(ReadText(Path("doc.json")));
	EXPECT_EQ(saved.at("objects").at(0).at("children").size(), 4u);

	fs::remove(Path("surfax-chart.png"));
	r = Plot({});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_TRUE(surfax::test::ReadFileBytes(Path("surfax-chart.glb")) == glb);
	EXPECT_TRUE(surfax::test::ReadFileBytes(Path("surfax-chart.png")) == png);
}

TEST_F(PlotCommand, PngCompressionChangesTheFileButNeverThePicture)
{
	const std::vector<std::string> chart = {"--with", "mesh", "--size", "160x120", "--set", "PLOT_RESOLUTION=20"};
	std::vector<std::vector<std::uint8_t>> files;
	surfax::io::Image first;
	for (const char* level : {"0", "1", "4", "9"})
	{
		std::vector<std::string> args = chart;
		args.insert(args.end(), {"--png-compression", level, "-o", std::string("level") + level + ".png"});
		const RunResult r = Plot(args);
		ASSERT_EQ(r.exitCode, 0) << r.err;
		files.push_back(surfax::test::ReadFileBytes(Path(std::string("level") + level + ".png")));
		surfax::io::Image image;
		std::string error;
		ASSERT_EQ(surfax::io::LoadPng(Path(std::string("level") + level + ".png"), image, error),
		          surfax::io::ImageStatus::Ok)
		    << error;
		if (first.rgba.empty())
			first = image;
		EXPECT_TRUE(image.rgba == first.rgba) << "level " << level;
	}
	EXPECT_GT(files[0].size(), files[1].size()) << "level 0 stores";
	EXPECT_GE(files[1].size(), files[3].size());
	// Without the option the level is the default, 4.
	std::vector<std::string> args = chart;
	args.insert(args.end(), {"-o", "default.png"});
	ASSERT_EQ(Plot(args).exitCode, 0);
	EXPECT_TRUE(surfax::test::ReadFileBytes(Path("default.png")) == files[2]);
}

TEST_F(PlotCommand, FramesWriteNumberedFilesWithProgressUnlessQuiet)
{
	RunResult r = Plot({"Sin(x + t)", "--frames", "1..3", "-o", "chart.png", "-o", "out/chart.glb", "--size", "32x24"});
	EXPECT_EQ(r.exitCode, 1) << "the folder out/ does not exist: " << r.err;
	fs::create_directories(dir / "out");
	r = Plot({"Sin(x + t)", "--frames", "1..3", "-o", "chart.png", "-o", "out/chart.glb", "--size", "32x24"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	// Pictures are numbered; the glTF output is one animation of all frames.
	for (const char* name : {"chart-0001.png", "chart-0002.png", "chart-0003.png", "out/chart.glb"})
		EXPECT_TRUE(fs::exists(dir / name)) << name;
	EXPECT_FALSE(fs::exists(dir / "out/chart-0001.glb"));
	EXPECT_FALSE(fs::exists(dir / "chart.png"));
	EXPECT_FALSE(fs::exists(dir / "chart-0004.png"));
	EXPECT_NE(r.err.find("3 of 3 frames in "), std::string::npos) << r.err;
	EXPECT_EQ(r.err.find("\r"), std::string::npos) << "no line rewritten in place when stderr is a file";

	r = Plot({"--quiet", "--frames", "0..1", "-o", "q.png", "--size", "8x8"});
	ASSERT_EQ(r.exitCode, 0) << r.err;
	EXPECT_EQ(r.err, "");
	EXPECT_TRUE(fs::exists(dir / "q-0000.png"));
}

TEST_F(PlotCommand, ErrorsNameTheirCauseAndExitWithTheirCode)
{
	struct Case
	{
		std::vector<std::string> args;
		int exitCode;
		std::string message; // the start of stderr
	};
	const std::string unwritable = Path("missing/a.glb");
	const std::vector<Case> cases = {
	    {{"--set", "PLOT_NOSUCH=1", "-o", "a.glb"}, 1, "surfax-host: --set PLOT_NOSUCH=1: "},
	    {{"--set", "PLOT_RESOLUTION=many", "-o", "a.glb"}, 1, "surfax-host: --set PLOT_RESOLUTION=many: "},
	    {{"--press", "PLOT_FORMULA", "-o", "a.glb"}, 1, "surfax-host: --press PLOT_FORMULA: "},
	    {{"-o", unwritable}, 1, "surfax-host: " + unwritable + ": "},
	    {{"-o", "a.txt"}, 2, "surfax-host: -o a.txt: unknown file type"},
	    {{"--with", "mesh,teapot"}, 2, "surfax-host: --with: unknown component \"teapot\""},
	    {{"--frames", "5..2"}, 2, "surfax-host: command line: "},
	    {{"--frames", "1..x"}, 2, "surfax-host: command line: "},
	    {{"--frame", "1", "--frames", "1..2"}, 2, "surfax-host: command line: "},
	    {{"--size", "800by600"}, 2, "surfax-host: command line: "},
	    {{"--frames", "1..2", "--dump"}, 2, "surfax-host: --dump: "},
	};
	for (const Case& c : cases)
	{
		const RunResult r = Plot(c.args);
		EXPECT_EQ(r.exitCode, c.exitCode) << testing::PrintToString(c.args) << "\n" << r.err;
		EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << testing::PrintToString(c.args) << "\n" << r.err;
	}
	EXPECT_FALSE(fs::exists(unwritable));
	EXPECT_FALSE(fs::exists(dir / "a.glb")) << "nothing is written after an error in the edits";
}

TEST_F(PlotCommand, TwoOutputsThatWriteOneFileAreRefusedBeforeAnythingIsEvaluated)
{
	std::ofstream(dir / "kept.json") << "old";
	fs::create_symlink("kept.json", dir / "link.json");
	struct Case
	{
		std::vector<std::string> args;
		std::string message;
	};
	const std::string own = ": each output of a run needs a file of its own\n";
	const std::vector<Case> cases = {
	    {{"-o", "c.obj", "--save", "c.mtl"},
	     "surfax-host: --save c.mtl: the same file as the material library of -o c.obj (c.mtl)" + own},
	    {{"-o", "a.json", "--save", "a.json"}, "surfax-host: --save a.json: the same file as -o a.json (a.json)" + own},
	    {{"-o", "a.png", "-o", "./sub/../a.png"},
	     "surfax-host: -o ./sub/../a.png: the same file as -o a.png (a.png)" + own},
	    {{"-o", "kept.json", "--save", "link.json"},
	     "surfax-host: --save link.json: the same file as -o kept.json (kept.json)" + own},
	    {{"--frames", "0..3", "-o", "a.json", "--save", "a-0002.json"},
	     "surfax-host: --save a-0002.json: the same file as frame 2 of -o a.json (a-0002.json)" + own},
	    {{"--frames", "-1..1", "-o", "a.obj", "-o", "a-m001.json", "-o", "b/../a.obj"},
	     "surfax-host: -o b/../a.obj: frame -1 (b/../a-m001.obj) is the same file as frame -1 of -o a.obj "
	     "(a-m001.obj)" +
	         own},
	};
	fs::create_directories(dir / "sub");
	fs::create_directories(dir / "b");
	for (const Case& c : cases)
	{
		const RunResult r = Plot(c.args);
		EXPECT_EQ(r.exitCode, 2) << testing::PrintToString(c.args);
		EXPECT_EQ(r.err, c.message);
		EXPECT_EQ(ReadText(dir / "kept.json"), "old");
		// Nothing was evaluated: no file besides the run's own output and the folders made above.
		for (const fs::directory_entry& entry : fs::directory_iterator(dir))
		{
			const std::string name = entry.path().filename().string();
			EXPECT_TRUE(name == "kept.json" || name == "link.json" || name == "out.txt" || name == "err.txt" ||
			            entry.is_directory())
			    << name;
		}
	}
	// Distinct files are fine, numbered ones included.
	const RunResult fine = Plot({"--frames", "0..1", "-o", "a.png", "-o", "a-0001.png", "--with", "none"});
	EXPECT_EQ(fine.exitCode, 0) << fine.err;
}
