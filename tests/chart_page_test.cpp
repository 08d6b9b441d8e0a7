// Chart pages (-o chart.html): deterministic bytes, the embedded model against the glTF writer's, the preview's
// camera, escaping, the missing viewer, and the page in headless Chromium: drawn, without requests or console errors,
// its colours and light those of the PNG preview, and its animation playing and pausing.
#include "host/image/image.h"
#include "host/render/chart_page.h"
#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using surfax::io::ExportScene;
using surfax::render::ChartPageOptions;

namespace
{
std::string ReadFile(const fs::path& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

std::string Viewer()
{
	std::string script, error;
	EXPECT_TRUE(surfax::render::LoadChartViewer(
	    std::string(SURFAX_SOURCE_DIR) + "/third_party/three/" + surfax::render::kChartViewerFileName, script, error))
	    << error;
	return script;
}

// One coloured triangle below a node, as a collected document gives it; `lift` moves its tip.
ExportScene Triangle(float lift = 0.0f)
{
	ExportScene scene;
	scene.nodes.push_back(surfax::io::ExportNode{"Plot", -1});
	surfax::io::ExportMesh mesh;
	mesh.name = "Plot";
	mesh.node = 0;
	mesh.colorSource = surfax::io::ColorSource::VertexColors;
	mesh.positions = {-50, 0, 0, 50, 0, 0, 0, 40 + lift, -30};
	mesh.normals = {0, 1, 0, 0, 1, 0, 0, 1, 0};
	mesh.colors = {0, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0, 1};
	mesh.indices = {0, 1, 2};
	scene.meshes.push_back(mesh);
	return scene;
}

std::string Page(const std::vector<ExportScene>& frames, const ChartPageOptions& options = {})
{
	std::string page, error;
	EXPECT_TRUE(surfax::render::EncodeChartPage(frames, 30.0, Viewer(), options, page, error)) << error;
	return page;
}

// The text of the element with this id: from the end of its start tag to the next '<'.
std::string ElementText(const std::string& page, const std::string& id)
{
	const std::size_t at = page.find("id=\"" + id + "\"");
	if (at == std::string::npos)
		return "";
	const std::size_t start = page.find('>', at) + 1;
	return page.substr(start, page.find('<', start) - start);
}

std::vector<std::uint8_t> DecodeBase64(const std::string& text)
{
	static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
	std::vector<std::uint8_t> bytes;
	std::uint32_t bits = 0;
	int count = 0;
	for (const char c : text)
	{
		if (c == '=')
			break;
		const std::size_t value = kAlphabet.find(c);
		EXPECT_NE(value, std::string::npos) << "not base64: " << c;
		bits = (bits << 6) | static_cast<std::uint32_t>(value);
		count += 6;
		if (count >= 8)
		{
			count -= 8;
			bytes.push_back(static_cast<std::uint8_t>(bits >> count));
		}
	}
	return bytes;
}

std::vector<std::uint8_t> EmbeddedModel(const std::string& page)
{
	return DecodeBase64(ElementText(page, "surfax-model"));
}

std::size_t Count(const std::string& text, const std::string& what)
{
	std::size_t count = 0;
	for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
		++count;
	return count;
}
} // namespace

TEST(ChartPage, TheSameFramesGiveTheSameBytes)
{
	const std::string still = Page({Triangle()});
	EXPECT_EQ(still, Page({Triangle()}));
	const std::string animated = Page({Triangle(), Triangle(10), Triangle(20)});
	EXPECT_EQ(animated, Page({Triangle(), Triangle(10), Triangle(20)}));
	EXPECT_NE(still, animated);
	EXPECT_NE(still, Page({Triangle(10)}));
}

TEST(ChartPage, EmbedsTheGlbTheGltfWriterGives)
{
	std::vector<std::uint8_t> glb;
	std::string error;
	ASSERT_TRUE(surfax::io::EncodeGltf(Triangle(), surfax::io::GltfContainer::Binary, glb, error)) << error;
	EXPECT_EQ(EmbeddedModel(Page({Triangle()})), glb);

	const std::vector<ExportScene> frames = {Triangle(), Triangle(10), Triangle(20)};
	ASSERT_TRUE(surfax::io::EncodeAnimatedGltf(frames, 30.0, surfax::io::GltfContainer::Binary, glb, error)) << error;
	EXPECT_EQ(EmbeddedModel(Page(frames)), glb);

	// Another unit scale reaches the model too.
	ChartPageOptions metres;
	metres.gltf.unitScale = 1.0;
	ASSERT_TRUE(
	    surfax::io::EncodeGltf(Triangle(), surfax::io::GltfContainer::Binary, glb, error, surfax::io::GltfOptions{1.0}))
	    << error;
	EXPECT_EQ(EmbeddedModel(Page({Triangle()}, metres)), glb);
}

TEST(ChartPage, LooksFromThePreviewCameraOnThePreviewBackground)
{
	ChartPageOptions options;
	options.width = 640;
	options.height = 360;
	options.view = surfax::render::ViewAngles{120.0f, -15.0f, 0.0f};
	options.background[0] = 200;
	const std::vector<ExportScene> frames = {Triangle(), Triangle(60)};
	const nlohmann::json settings = nlohmann::json::parse(ElementText(Page(frames, options), "surfax-chart"));

	// The camera frames every frame, in the model's metres.
	ExportScene both = Triangle();
	both.meshes.push_back(Triangle(60).meshes[0]);
	const surfax::render::Camera camera =
	    surfax::render::OrbitCamera(surfax::io::SceneBounds(both), options.width, options.height, options.view);
	for (int k = 0; k < 3; ++k)
	{
		EXPECT_FLOAT_EQ(settings["camera"]["eye"][k].get<float>(), camera.eye[k] * 0.01f) << k;
		EXPECT_FLOAT_EQ(settings["camera"]["target"][k].get<float>(), camera.target[k] * 0.01f) << k;
	}
	EXPECT_FLOAT_EQ(settings["camera"]["fov"].get<float>(), surfax::render::kPreviewFovYDegrees);
	EXPECT_FLOAT_EQ(settings["camera"]["aspect"].get<float>(), 640.0f / 360.0f);
	EXPECT_LT(settings["camera"]["near"].get<double>(), settings["camera"]["far"].get<double>());
	for (int k = 0; k < 4; ++k)
		EXPECT_NEAR(settings["background"][k].get<double>(), options.background[k] / 255.0, 1e-6) << k;
	EXPECT_FLOAT_EQ(settings["light"]["ambient"].get<float>(), surfax::render::kAmbientLight);
	EXPECT_FLOAT_EQ(settings["light"]["key"].get<float>(), surfax::render::kKeyLight);
	EXPECT_FLOAT_EQ(settings["light"]["fill"].get<float>(), surfax::render::kFillLight);
	EXPECT_FLOAT_EQ(settings["light"]["fillDirection"][0].get<float>(), surfax::render::kFillLightRight);
	EXPECT_FLOAT_EQ(settings["light"]["specular"].get<float>(), surfax::render::kSpecular);
	EXPECT_FLOAT_EQ(settings["light"]["shininess"].get<float>(), surfax::render::kShininess);
}

TEST(ChartPage, EscapesTheTextAndKeepsEveryScriptWhole)
{
	ChartPageOptions options;
	options.title = "y = x < 1 & \"z\" > 0 </script>";
	options.caption = {"<b>bold</b>", "it's"};
	std::string page, error;
	const std::string viewer = "var SurfaxThree = {text: '</script><!-- </SCRIPT>'};";
	ASSERT_TRUE(surfax::render::EncodeChartPage({Triangle()}, 30.0, viewer, options, page, error)) << error;
	EXPECT_NE(page.find("<title>y = x &lt; 1 &amp; &quot;z&quot; &gt; 0 &lt;/script&gt;</title>"), std::string::npos);
	EXPECT_NE(page.find("&lt;b&gt;bold&lt;/b&gt;"), std::string::npos);
	EXPECT_NE(page.find("it&#39;s"), std::string::npos);
	EXPECT_NE(page.find("var SurfaxThree = {text: '<\\/script><\\!-- <\\/SCRIPT>'};"), std::string::npos);
	// Four scripts (settings, model, viewer, page) and each ends once.
	EXPECT_EQ(Count(page, "<script"), 4u);
	EXPECT_EQ(Count(page, "</script>"), 4u);
	EXPECT_EQ(Count(page, "<!--"), 0u);
}

TEST(ChartPage, RefusesWhatItCannotShow)
{
	std::string page = "old", error;
	EXPECT_FALSE(surfax::render::EncodeChartPage({}, 30.0, Viewer(), {}, page, error));
	EXPECT_NE(error.find("at least one frame"), std::string::npos) << error;
	EXPECT_TRUE(page.empty());
	ChartPageOptions wide;
	wide.width = surfax::render::kMaxPreviewSide + 1;
	EXPECT_FALSE(surfax::render::EncodeChartPage({Triangle()}, 30.0, Viewer(), wide, page, error));
	EXPECT_NE(error.find("outside"), std::string::npos) << error;
	EXPECT_FALSE(surfax::render::EncodeChartPage({Triangle(), Triangle(1)}, 0.0, Viewer(), {}, page, error));
	EXPECT_NE(error.find("frame rate"), std::string::npos) << error;

	// A page larger than a browser opens: its size, and the resolution at which it would fit, which the size's growth
	// with the square of the resolution gives: at a quarter of the page's size, about half of 100 (the estimate of
	// the size is a little above the page's own).
	ChartPageOptions large;
	large.readout.resolution = 100;
	large.readout.frames = {std::vector<double>(101 * 101, 0.5)};
	ASSERT_TRUE(surfax::render::EncodeChartPage({Triangle()}, 30.0, Viewer(), large, page, error)) << error;
	large.maxBytes = page.size() / 4;
	EXPECT_FALSE(surfax::render::EncodeChartPage({Triangle()}, 30.0, Viewer(), large, page, error));
	EXPECT_TRUE(page.empty());
	EXPECT_NE(error.find("the page would be "), std::string::npos) << error;
	const std::size_t most = error.find("a browser opens: choose a resolution of at most ");
	ASSERT_NE(most, std::string::npos) << error;
	const int fits = std::atoi(error.c_str() + most + 48);
	EXPECT_GE(fits, 45) << error;
	EXPECT_LE(fits, 50) << error;
	EXPECT_EQ(error.find("fewer frames"), std::string::npos) << error;
	EXPECT_FALSE(surfax::render::EncodeChartPage({Triangle(), Triangle(1)}, 30.0, Viewer(), large, page, error));
	EXPECT_NE(error.find("or fewer frames"), std::string::npos) << error;

	// A failed write leaves the old file.
	const fs::path dir = surfax::test::MakeTestFolder("chart-page-refuses");
	const std::string path = (dir / "missing-folder" / "chart.html").string();
	EXPECT_FALSE(surfax::render::WriteChartPage(path, {Triangle()}, 30.0, Viewer(), {}, error));
	EXPECT_EQ(error.find(path), 0u) << error;
	EXPECT_FALSE(fs::exists(path));
}

TEST(ChartViewer, AMissingOrForeignFileIsNamed)
{
	const fs::path dir = surfax::test::MakeTestFolder("chart-viewer");
	std::string script = "kept", error;
	EXPECT_FALSE(surfax::render::LoadChartViewer((dir / "nothing.js").string(), script, error));
	EXPECT_NE(error.find((dir / "nothing.js").string()), std::string::npos) << error;
	EXPECT_EQ(script, "kept");
	std::ofstream((dir / "other.js").string()) << "console.log('not the viewer');";
	EXPECT_FALSE(surfax::render::LoadChartViewer((dir / "other.js").string(), script, error));
	EXPECT_NE(error.find("SurfaxThree"), std::string::npos) << error;
	EXPECT_EQ(script, "kept");
	// A folder and a device that never ends are named without being read.
	EXPECT_FALSE(surfax::render::LoadChartViewer(dir.string(), script, error));
	EXPECT_EQ(error, "the glTF viewer " + dir.string() + " is not a file but a folder");
	EXPECT_FALSE(surfax::render::LoadChartViewer("/dev/zero", script, error));
	EXPECT_EQ(error, "the glTF viewer /dev/zero is not a file");
	EXPECT_EQ(script, "kept");
}

namespace
{
class ChartPageCommand : public testing::Test
{
protected:
	void SetUp() override
	{
		if (!fs::exists(surfax::test::PluginFolder("surfax")))
			GTEST_SKIP() << "the Surfax plug-in is not built";
		dir = surfax::test::MakeTestFolder("chart-page-command");
	}
	void TearDown() override
	{
		unsetenv("SURFAX_VIEWER");
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}
	fs::path dir;
};
} // namespace

TEST_F(ChartPageCommand, WritesThePageOfTheSameChartAsTheGlb)
{
	const std::vector<std::string> args = {"plot", "Sin(x) * Cos(z) / 2", "--with", "mesh,grid",
	                                       "-o",   "chart.html",          "-o",     "chart.glb"};
	const surfax::test::HostRun run = surfax::test::RunHost(dir, args);
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const std::string page = ReadFile(dir / "chart.html");
	const std::string glb = ReadFile(dir / "chart.glb");
	const std::vector<std::uint8_t> embedded = EmbeddedModel(page);
	EXPECT_EQ(std::string(embedded.begin(), embedded.end()), glb);
	// The title and the caption: the formula and the range of its values (half of Sin(x) * Cos(z)'s, which the
	// default samples do not quite reach).
	const std::size_t title = page.find("<title>") + 7;
	EXPECT_EQ(page.substr(title, page.find("</title>") - title),
	          "y = Sin(x) * Cos(z) / 2 (values from -0.499 to 0.499)");
	EXPECT_NE(page.find("<span class=\"formula\">y = Sin(x) * Cos(z) / 2</span>"), std::string::npos);
	// A still chart has no scrubber to show.
	EXPECT_NE(page.find("<div id=\"scrubber\" hidden>"), std::string::npos);
	EXPECT_EQ(page.find("aria-label=\"Frame\""), std::string::npos);
	// The colour key has the PNG preview's ends: the gradient runs from -1 to 1 (the chart's values lie within) and
	// the default label component writes one digit; the axis names are the preview's three.
	const nlohmann::json settings = nlohmann::json::parse(ElementText(page, "surfax-chart"));
	EXPECT_EQ(settings.at("key").at("low"), -1.0);
	EXPECT_EQ(settings.at("key").at("high"), 1.0);
	EXPECT_EQ(settings.at("key").at("lowText"), "-1.0");
	EXPECT_EQ(settings.at("key").at("highText"), "1.0");
	EXPECT_EQ(settings.at("key").at("title"), "y");
	EXPECT_EQ(settings.at("key").at("colors").size(), 256u * 3u);
	EXPECT_EQ(settings.at("axisNames").size(), 0u) << "a chart without labels has no axis names";
	// The readout's values: one frame of (n+1)^2 float64.
	EXPECT_EQ(DecodeBase64(settings.at("readout").at("values").at(0).get<std::string>()).size(),
	          std::size_t(settings.at("readout").at("n").get<int>() + 1) *
	              (settings.at("readout").at("n").get<int>() + 1) * 8);

	// Again: the same bytes.
	fs::rename(dir / "chart.html", dir / "first.html");
	ASSERT_EQ(surfax::test::RunHost(dir, args).exitCode, 0);
	EXPECT_EQ(ReadFile(dir / "chart.html"), ReadFile(dir / "first.html"));

	// The short extension, in any case, is a page too.
	std::vector<std::string> shortName = args;
	shortName[5] = "chart.HTM";
	ASSERT_EQ(surfax::test::RunHost(dir, shortName).exitCode, 0);
	EXPECT_EQ(ReadFile(dir / "chart.HTM"), ReadFile(dir / "first.html"));
}

namespace
{
// The readout's values of each frame of a page, as the page reads them: float64, little-endian.
std::vector<std::vector<double>> ReadoutValues(const std::string& page)
{
	const nlohmann::json settings = nlohmann::json::parse(ElementText(page, "surfax-chart"));
	std::vector<std::vector<double>> frames;
	for (const nlohmann::json& encoded : settings.at("readout").at("values"))
	{
		const std::vector<std::uint8_t> bytes = DecodeBase64(encoded.get<std::string>());
		std::vector<double> values(bytes.size() / 8);
		for (std::size_t k = 0; k < values.size(); ++k)
		{
			std::uint64_t bits = 0;
			for (int b = 7; b >= 0; --b)
				bits = (bits << 8) | bytes[k * 8 + static_cast<std::size_t>(b)];
			std::memcpy(&values[k], &bits, sizeof(bits));
		}
		frames.push_back(std::move(values));
	}
	return frames;
}
} // namespace

TEST_F(ChartPageCommand, EveryFrameCarriesTheValuesItShowsInSampleOrder)
{
	// n = 4: samples 90 apart from -180, sample k = i * 5 + j at x = -180 + 90 i, z = -180 + 90 j.
	const surfax::test::HostRun moving =
	    surfax::test::RunHost(dir, {"--quiet", "plot", "Sin(x + f * 30) * Cos(z) + z / 1000", "--with", "mesh", "--set",
	                                "PLOT_RESOLUTION=4", "--frames", "0..2", "-o", "moving.html", "-o", "again.htm"});
	ASSERT_EQ(moving.exitCode, 0) << moving.err;
	// Every page of a run has the values (the second is the same page).
	EXPECT_EQ(ReadFile(dir / "again.htm"), ReadFile(dir / "moving.html"));
	const std::vector<std::vector<double>> frames = ReadoutValues(ReadFile(dir / "moving.html"));
	ASSERT_EQ(frames.size(), 3u);
	for (int f = 0; f < 3; ++f)
	{
		ASSERT_EQ(frames[f].size(), 25u);
		for (const int k : {0, 7, 13, 24})
		{
			const std::string x = std::to_string(-180 + 90 * (k / 5)), z = std::to_string(-180 + 90 * (k % 5));
			const surfax::test::HostRun calc = surfax::test::RunHost(
			    dir, {"calc", "Sin(" + x + " + " + std::to_string(f) + " * 30) * Cos(" + z + ") + " + z + " / 1000"});
			EXPECT_EQ(frames[f][k], std::strtod(calc.out.c_str(), nullptr)) << "frame " << f << " sample " << k;
		}
	}

	// A formula without time: the plot keeps its samples after the first frame and converts nothing; the frames
	// carry the first one's values.
	const surfax::test::HostRun still =
	    surfax::test::RunHost(dir, {"--quiet", "plot", "x / 180 + z / 1000", "--with", "mesh", "--set",
	                                "PLOT_RESOLUTION=4", "--frames", "0..2", "-o", "still.html"});
	ASSERT_EQ(still.exitCode, 0) << still.err;
	const std::vector<std::vector<double>> kept = ReadoutValues(ReadFile(dir / "still.html"));
	ASSERT_EQ(kept.size(), 3u);
	ASSERT_EQ(kept[0].size(), 25u);
	EXPECT_EQ(kept[0][7], -0.5) << "x = -90, z = 0";
	EXPECT_EQ(kept[1], kept[0]);
	EXPECT_EQ(kept[2], kept[0]);
}

TEST_F(ChartPageCommand, TheReadoutsGridPutsEachSampleWhereTheModelHasItsVertex)
{
	// Fitted (values up to 27 against a half height of 1) with a smaller multiplier below 0, at an odd n (the grid
	// is offset by half a step) and an even one: the height the page gives each value, by the rule ChartReadout
	// states, is the mesh's vertex at the sample's place (the model's floats).
	for (const char* resolution : {"PLOT_RESOLUTION=7", "PLOT_RESOLUTION=8"})
	{
		const surfax::test::HostRun run =
		    surfax::test::RunHost(dir, {"--quiet", "plot", "x / 10 + z / 20", "--with", "mesh", "--set", resolution,
		                                "--set", "PLOT_SCALENEG=0.5", "-o", "page.html", "-o", "page.glb"});
		ASSERT_EQ(run.exitCode, 0) << run.err;
		const nlohmann::json settings = nlohmann::json::parse(ElementText(ReadFile(dir / "page.html"), "surfax-chart"));
		const nlohmann::json& readout = settings.at("readout");
		const std::vector<double> values = ReadoutValues(ReadFile(dir / "page.html")).at(0);
		const int n = readout.at("n").get<int>();
		ASSERT_EQ(values.size(), std::size_t(n + 1) * std::size_t(n + 1));
		ASSERT_TRUE(readout.at("fit").get<bool>());
		const double a = readout.at("height")[0], up = readout.at("height")[1], down = readout.at("height")[2];
		double largest = 0.0;
		for (const double v : values)
			largest = std::max(largest, std::fabs(v * a));
		ASSERT_GT(largest, a);
		surfax::test::GltfFile model;
		std::string error;
		ASSERT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes((dir / "page.glb").string()), model, error))
		    << error;
		const std::vector<float> positions = surfax::test::AccessorFloats(
		    model,
		    model.json.at("meshes").at(0).at("primitives").at(0).at("attributes").at("POSITION").get<std::size_t>());
		const double spacing = readout.at("grid")[0], center = readout.at("grid")[1], offset = readout.at("grid")[2];
		const auto place = [&](int i) { return (i - center) * spacing - offset; };
		std::size_t matched = 0;
		for (int i = 0; i <= n; ++i)
		{
			for (int j = 0; j <= n; ++j)
			{
				const double y = values[std::size_t(i) * (n + 1) + j] * a;
				const float height = static_cast<float>(y * (y < 0.0 ? down : up) * (a / largest));
				for (std::size_t v = 0; v < positions.size(); v += 3)
				{
					if (positions[v] == static_cast<float>(place(i)) &&
					    positions[v + 2] == static_cast<float>(-place(j)))
					{
						EXPECT_NEAR(positions[v + 1], height, 1e-5) << resolution << " sample " << i << ", " << j;
						++matched;
						break;
					}
				}
			}
		}
		EXPECT_EQ(matched, values.size()) << resolution;
		// The plot stands at the origin: its matrix is the root node's scale alone.
		const double scale = readout.at("matrix")[0];
		EXPECT_EQ(readout.at("matrix"), nlohmann::json({scale, 0, 0, 0, 0, scale, 0, 0, 0, 0, scale, 0, 0, 0, 0, 1}));
	}
}

TEST_F(ChartPageCommand, AMissingViewerFailsNamingItAndWritesNothing)
{
	const std::string missing = (dir / "no-viewer" / "surfax-three.js").string();
	setenv("SURFAX_VIEWER", missing.c_str(), 1);
	const surfax::test::HostRun run =
	    surfax::test::RunHost(dir, {"plot", "--with", "mesh", "-o", "chart.png", "-o", "chart.html"});
	EXPECT_EQ(run.exitCode, 1);
	EXPECT_NE(run.err.find("surfax-host: -o chart.html: the glTF viewer for chart pages (three.js, surfax-three.js) "
	                       "is missing: no file at " +
	                       missing),
	          std::string::npos)
	    << run.err;
	EXPECT_TRUE(surfax::test::FilesIn(dir).empty());

	// A folder or a device named instead: the same, and the program ends with its message (it used to abort).
	for (const std::string& notAFile : {dir.string(), std::string("/dev/zero")})
	{
		setenv("SURFAX_VIEWER", notAFile.c_str(), 1);
		const surfax::test::HostRun refused = surfax::test::RunHost(dir, {"plot", "-o", "chart.html"});
		EXPECT_EQ(refused.exitCode, 1);
		EXPECT_NE(refused.err.find("surfax-host: -o chart.html: the glTF viewer " + notAFile + " is not a file"),
		          std::string::npos)
		    << refused.err;
		EXPECT_TRUE(surfax::test::FilesIn(dir).empty());
	}

	// Named, the viewer is used from there.
	setenv("SURFAX_VIEWER", (std::string(SURFAX_BINARY_DIR) + "/viewer/surfax-three.js").c_str(), 1);
	EXPECT_EQ(surfax::test::RunHost(dir, {"plot", "--with", "mesh", "-o", "chart.html"}).exitCode, 0);
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{"chart.html"});
}

// ------------------------------------------------------------------------------------------------------------------
// In headless Chromium, driven by tests/tools/chart_page_check.js.
namespace
{
struct BrowserReport
{
	int exitCode = -1;
	std::map<std::string, std::string> facts; // the last value of each key
	std::string text;
};

BrowserReport OpenInChromium(const fs::path& page, const fs::path& shot, const fs::path& second = {},
                             const std::vector<std::string>& options = {})
{
	const std::string script = std::string(SURFAX_SOURCE_DIR) + "/tests/tools/chart_page_check.js";
	const fs::path report = page.parent_path() / "browser.txt";
	std::string command = "node '" + script + "' \"$(command -v chromium)\" '" + page.string() + "' '" + shot.string() +
	                      "'" + (second.empty() ? "" : " --animation '" + second.string() + "'");
	for (const std::string& option : options)
		command += " " + option;
	command += " > '" + report.string() + "' 2>&1";
	const int status = std::system(command.c_str());
	BrowserReport r;
	r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	r.text = ReadFile(report);
	std::istringstream lines(r.text);
	for (std::string line; std::getline(lines, line);)
	{
		const std::size_t equals = line.find('=');
		if (equals != std::string::npos)
			r.facts[line.substr(0, equals)] = line.substr(equals + 1);
	}
	return r;
}

surfax::io::Image LoadPicture(const fs::path& path)
{
	surfax::io::Image image;
	std::string message;
	EXPECT_EQ(surfax::io::LoadPng(path.string(), image, message), surfax::io::ImageStatus::Ok) << message;
	return image;
}

// What a picture shows outside the caption's corner: how many pixels differ from the background, their box, and how
// many are clearly red, green and blue (the default gradient's colours).
struct PictureFacts
{
	std::size_t drawn = 0, red = 0, green = 0, blue = 0;
	int x0 = -1, y0 = -1, x1 = -1, y1 = -1;
};

// Where a PNG preview differs from the same preview without its colour key and axis names, grown by two pixels: what
// the preview draws over the chart, which the page leaves out.
std::vector<bool> OverlayMask(const surfax::io::Image& preview, const surfax::io::Image& plain)
{
	std::vector<bool> mask(static_cast<std::size_t>(preview.width) * static_cast<std::size_t>(preview.height), false);
	for (int y = 0; y < preview.height; ++y)
	{
		for (int x = 0; x < preview.width; ++x)
		{
			const std::size_t i = (static_cast<std::size_t>(y) * preview.width + x) * 4;
			if (std::equal(&preview.rgba[i], &preview.rgba[i] + 4, &plain.rgba[i]))
				continue;
			for (int yy = std::max(0, y - 2); yy <= std::min(preview.height - 1, y + 2); ++yy)
			{
				for (int xx = std::max(0, x - 2); xx <= std::min(preview.width - 1, x + 2); ++xx)
					mask[static_cast<std::size_t>(yy) * preview.width + xx] = true;
			}
		}
	}
	return mask;
}

PictureFacts Analyse(const surfax::io::Image& image, int captionWidth, int captionHeight,
                     const std::vector<bool>& masked)
{
	PictureFacts f;
	for (int y = 0; y < image.height; ++y)
	{
		for (int x = 0; x < image.width; ++x)
		{
			if ((x < captionWidth && y < captionHeight) || masked[static_cast<std::size_t>(y) * image.width + x])
				continue;
			const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
			const int r = p[0], g = p[1], b = p[2];
			if (std::abs(r - surfax::render::kPreviewBackground[0]) +
			        std::abs(g - surfax::render::kPreviewBackground[1]) +
			        std::abs(b - surfax::render::kPreviewBackground[2]) <=
			    6)
				continue;
			++f.drawn;
			f.red += r > 140 && r > 2 * g && r > 2 * b ? 1 : 0;
			f.green += g > 140 && g > 2 * r && g > 2 * b ? 1 : 0;
			f.blue += b > 140 && b > 2 * r && b > 2 * g ? 1 : 0;
			f.x0 = f.x0 < 0 ? x : std::min(f.x0, x);
			f.y0 = f.y0 < 0 ? y : std::min(f.y0, y);
			f.x1 = std::max(f.x1, x);
			f.y1 = std::max(f.y1, y);
		}
	}
	return f;
}

class ChartPageInChromium : public ChartPageCommand
{
protected:
	void SetUp() override
	{
		ChartPageCommand::SetUp();
		if (IsSkipped())
			return;
		if (!surfax::test::HasProgram("chromium"))
			GTEST_SKIP() << surfax::test::MissingPackageReason("chromium", "chromium");
		if (!surfax::test::HasProgram("node"))
			GTEST_SKIP() << surfax::test::MissingPackageReason("nodejs", "node");
	}

	void ExpectNoRequestsOrErrors(const BrowserReport& report)
	{
		EXPECT_EQ(report.facts.at("requests"), "0") << report.text;
		EXPECT_EQ(report.facts.at("errors"), "0") << report.text;
	}
};
} // namespace

TEST_F(ChartPageInChromium, ShowsTheChartAsThePreviewDoesWithoutRequestsOrErrors)
{
	// The default chart, every component, at the browser's window size.
	const surfax::test::HostRun run = surfax::test::RunHost(dir, {"plot", "-o", "chart.html", "-o", "chart.png"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const surfax::test::HostRun plain =
	    surfax::test::RunHost(dir, {"plot", "--color-key", "off", "--axis-names", "off", "-o", "plain.png"});
	ASSERT_EQ(plain.exitCode, 0) << plain.err;
	const BrowserReport report = OpenInChromium(dir / "chart.html", dir / "shot.png");
	ASSERT_EQ(report.exitCode, 0) << report.text;
	EXPECT_EQ(report.facts.at("state"), "loaded");
	EXPECT_EQ(report.facts.at("title").find("y = Sin(x) * Cos(z) (values from"), 0u) << report.text;
	ExpectNoRequestsOrErrors(report);

	const surfax::io::Image shot = LoadPicture(dir / "shot.png");
	const surfax::io::Image preview = LoadPicture(dir / "chart.png");
	ASSERT_EQ(shot.width, 800);
	ASSERT_EQ(shot.height, 600);
	const int captionWidth = std::atoi(report.facts.at("captionWidth").c_str());
	const int captionHeight = std::atoi(report.facts.at("captionHeight").c_str());
	ASSERT_GT(captionWidth, 0) << report.text;
	// Both draw the colour key and axis names over the chart, the page with the browser's font: both pictures are
	// compared without what either draws over the chart, so the comparison is of the charts alone.
	std::vector<bool> overlay = OverlayMask(preview, LoadPicture(dir / "plain.png"));
	ASSERT_GT(std::count(overlay.begin(), overlay.end(), true), 0) << "the preview has a key and axis names";
	EXPECT_EQ(report.facts.at("key"), "-1.0|1.0|y");
	EXPECT_EQ(report.facts.at("axisNames"), "x|z|y");
	const nlohmann::json boxes = nlohmann::json::parse(report.facts.at("overlayBoxes"));
	ASSERT_EQ(boxes.size(), 5u) << report.text;
	// Grown by the key's marks, which stand out of its box by up to 5 pixels, and the text's shadow.
	for (const nlohmann::json& box : boxes)
	{
		for (int y = std::max(0, box[1].get<int>() - 6); y < std::min(600, box[3].get<int>() + 6); ++y)
		{
			for (int x = std::max(0, box[0].get<int>() - 6); x < std::min(800, box[2].get<int>() + 6); ++x)
				overlay[static_cast<std::size_t>(y) * 800 + x] = true;
		}
	}
	const PictureFacts page = Analyse(shot, captionWidth, captionHeight, overlay);
	const PictureFacts png = Analyse(preview, captionWidth, captionHeight, overlay);
	const double pixels = 800.0 * 600.0;
	// A clear share of the window is chart, about as much as in the preview, in the same place.
	EXPECT_GT(page.drawn / pixels, 0.2) << page.drawn;
	EXPECT_NEAR(double(page.drawn) / double(png.drawn), 1.0, 0.15) << page.drawn << " vs " << png.drawn;
	EXPECT_NEAR(page.x0, png.x0, 12);
	EXPECT_NEAR(page.y0, png.y0, 12);
	EXPECT_NEAR(page.x1, png.x1, 12);
	EXPECT_NEAR(page.y1, png.y1, 12);
	// The gradient's colours: blue valleys, green slopes and red hills.
	for (const std::size_t colour : {page.red, page.green, page.blue})
		EXPECT_GT(colour / pixels, 0.01) << page.red << " " << page.green << " " << page.blue;
}

TEST_F(ChartPageInChromium, PlaysTheAnimationAndPausesIt)
{
	const surfax::test::HostRun run =
	    surfax::test::RunHost(dir, {"--quiet", "plot", "Sin(x + t * 360) * Cos(z)", "--with", "mesh", "--frames",
	                                "0..29", "-o", "wave.html"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const BrowserReport report = OpenInChromium(dir / "wave.html", dir / "first.png", dir / "second.png");
	ASSERT_EQ(report.exitCode, 0) << report.text;
	ExpectNoRequestsOrErrors(report);
	const std::map<std::string, std::string>& f = report.facts;
	const auto number = [&](const char* key) { return std::atof(f.at(key).c_str()); };
	// Playing, the time runs; paused, it stands and the button offers to play; played again, it runs on.
	EXPECT_GT(number("time1"), number("time0")) << report.text;
	EXPECT_EQ(f.at("paused"), "paused");
	EXPECT_EQ(f.at("pausedTime1"), f.at("pausedTime0"));
	EXPECT_EQ(f.at("button"), "Play");
	EXPECT_EQ(f.at("resumed"), "playing");
	EXPECT_GT(number("resumedTime"), number("pausedTime1")) << report.text;
	// And the surface moves: the two pictures a quarter second apart differ.
	const surfax::io::Image first = LoadPicture(dir / "first.png"), second = LoadPicture(dir / "second.png");
	ASSERT_EQ(first.rgba.size(), second.rgba.size());
	std::size_t changed = 0;
	for (std::size_t i = 0; i < first.rgba.size(); i += 4)
		changed += std::equal(&first.rgba[i], &first.rgba[i] + 3, &second.rgba[i]) ? 0 : 1;
	EXPECT_GT(changed, first.rgba.size() / 4 / 20) << changed;
}

namespace
{
// Where a point of the scene appears in a picture of width x height taken by the camera: the rasteriser's pinhole
// projection (pixel centres at half-integers, y down).
std::array<double, 2> PixelOf(const surfax::render::Camera& camera, int width, int height, const float* point)
{
	auto sub = [](const float* a, const float* b) {
		return std::array<double, 3>{a[0] - b[0], a[1] - b[1], a[2] - b[2]};
	};
	auto dot = [](const std::array<double, 3>& a, const std::array<double, 3>& b)
	{ return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
	auto unit = [&](const std::array<double, 3>& a)
	{
		const double l = std::sqrt(dot(a, a));
		return std::array<double, 3>{a[0] / l, a[1] / l, a[2] / l};
	};
	const std::array<double, 3> forward = unit(sub(camera.target, camera.eye));
	const std::array<double, 3> right = unit({-forward[2], 0.0, forward[0]}); // forward x (0, 1, 0)
	const std::array<double, 3> up = {right[1] * forward[2] - right[2] * forward[1],
	                                  right[2] * forward[0] - right[0] * forward[2],
	                                  right[0] * forward[1] - right[1] * forward[0]};
	const std::array<double, 3> d = sub(point, camera.eye);
	const double focal = height * 0.5 / std::tan(camera.fovY * 0.5);
	return {width * 0.5 + dot(d, right) / dot(d, forward) * focal, height * 0.5 - dot(d, up) / dot(d, forward) * focal};
}
} // namespace

TEST_F(ChartPageInChromium, ShowsEachColourAsThePngDoesUnderTheSameLight)
{
	// The ramp: a tilted plane whose colour runs from blue through green to red along x. Flat, so the light is the same
	// everywhere on it and only the colour management and the lighting can make the page differ from the picture. The
	// PNG leaves out its colour key, which the page does not have.
	const surfax::test::HostRun run =
	    surfax::test::RunHost(dir, {"plot", "x / 180", "--with", "mesh", "--set", "PLOT_RESOLUTION=4", "--color-key",
	                                "off", "-o", "ramp.html", "-o", "ramp.png", "-o", "ramp.glb"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const BrowserReport report = OpenInChromium(dir / "ramp.html", dir / "shot.png");
	ASSERT_EQ(report.exitCode, 0) << report.text;
	ExpectNoRequestsOrErrors(report);
	const surfax::io::Image shot = LoadPicture(dir / "shot.png");
	const surfax::io::Image png = LoadPicture(dir / "ramp.png");
	ASSERT_EQ(shot.width, png.width);
	ASSERT_EQ(shot.height, png.height);
	const int captionWidth = std::atoi(report.facts.at("captionWidth").c_str());
	const int captionHeight = std::atoi(report.facts.at("captionHeight").c_str());
	auto pixel = [](const surfax::io::Image& image, int x, int y)
	{ return &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4]; };
	auto difference = [&](int x, int y)
	{
		int worst = 0;
		for (int k = 0; k < 3; ++k)
			worst = std::max(worst, std::abs(int(pixel(shot, x, y)[k]) - int(pixel(png, x, y)[k])));
		return worst;
	};

	// The quarter point (x = -50 of -100..100, the display colour (0, 0.5, 0.5)) at the middle of the plane's depth,
	// found where the preview's camera projects it. The page and the PNG agree there within 3 units of 255 per
	// channel, in the pixel and its eight neighbours.
	surfax::test::GltfFile model;
	std::string error;
	ASSERT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes((dir / "ramp.glb").string()), model, error)) << error;
	const std::vector<float> positions = surfax::test::AccessorFloats(
	    model, model.json.at("meshes").at(0).at("primitives").at(0).at("attributes").at("POSITION").get<std::size_t>());
	surfax::io::ExportScene bounds;
	bounds.meshes.emplace_back();
	bounds.meshes[0].positions = positions;
	const surfax::render::Camera camera =
	    surfax::render::OrbitCamera(surfax::io::SceneBounds(bounds), png.width, png.height, {});
	std::size_t quarter = positions.size();
	for (std::size_t v = 0; v < positions.size(); v += 3)
		quarter = positions[v] == -50.0f && positions[v + 2] == 0.0f ? v : quarter;
	ASSERT_LT(quarter, positions.size());
	const std::array<double, 2> at = PixelOf(camera, png.width, png.height, &positions[quarter]);
	const int qx = static_cast<int>(at[0]), qy = static_cast<int>(at[1]);
	ASSERT_TRUE(qx > captionWidth || qy > captionHeight) << qx << "," << qy << " is under the caption";
	for (int y = qy - 1; y <= qy + 1; ++y)
	{
		for (int x = qx - 1; x <= qx + 1; ++x)
			EXPECT_LE(difference(x, y), 3) << "at " << x << "," << y;
	}
	// There both show the lit display colour: no red, as much green as blue.
	const std::uint8_t* q = pixel(png, qx, qy);
	EXPECT_LE(q[0], 2);
	EXPECT_NEAR(q[1], q[2], 3);

	// Over the whole plane, away from its edges (which either may cover by a pixel more) and the caption: 99 % of the
	// pixels within 2 units, none more than 4 away.
	std::size_t compared = 0, close = 0;
	int worst = 0;
	auto drawn = [&](int x, int y)
	{
		const std::uint8_t* p = pixel(png, x, y);
		return std::abs(p[0] - surfax::render::kPreviewBackground[0]) +
		           std::abs(p[1] - surfax::render::kPreviewBackground[1]) +
		           std::abs(p[2] - surfax::render::kPreviewBackground[2]) >
		       6;
	};
	for (int y = 3; y + 3 < png.height; ++y)
	{
		for (int x = 3; x + 3 < png.width; ++x)
		{
			if ((x <= captionWidth && y <= captionHeight) || !drawn(x - 3, y - 3) || !drawn(x + 3, y - 3) ||
			    !drawn(x - 3, y + 3) || !drawn(x + 3, y + 3))
				continue;
			++compared;
			const int d = difference(x, y);
			close += d <= 2 ? 1 : 0;
			worst = std::max(worst, d);
		}
	}
	EXPECT_GT(compared, 50000u);
	EXPECT_GE(double(close) / double(compared), 0.99) << close << " of " << compared;
	EXPECT_LE(worst, 4);
}

namespace
{
// A number as the page's readout writes it: JavaScript's toPrecision(6), six significant digits, in exponent form
// ("1.00000e+21", "1.23457e-7") when the exponent is below -6 or above 5. printf rounds the exact binary value as
// JavaScript does (ties, which need a value exactly halfway in decimal, do not occur in these tests).
std::string AsThePageWrites(double value)
{
	if (value == 0.0)
		return "0.00000";
	char text[64];
	std::snprintf(text, sizeof(text), "%.5e", value);
	const char* e = std::strchr(text, 'e');
	const int exponent = std::atoi(e + 1);
	if (exponent < -6 || exponent >= 6)
		return std::string(text, static_cast<std::size_t>(e - text)) + "e" + (exponent < 0 ? "-" : "+") +
		       std::to_string(std::abs(exponent));
	std::snprintf(text, sizeof(text), "%.*f", 5 - exponent, value);
	return text;
}

// The double `surfax-host calc` gives for an expression: the number entry's own value, printed to read back exactly.
double Calc(const fs::path& dir, const std::string& expression)
{
	const surfax::test::HostRun run = surfax::test::RunHost(dir, {"calc", expression});
	EXPECT_EQ(run.exitCode, 0) << run.err;
	return std::strtod(run.out.c_str(), nullptr);
}

// The readout fact: {"i":I,"j":J,"frame":F} VALUE, the value as JavaScript's shortest text of the double.
struct Readout
{
	std::string sample;
	double value = 0.0;
};

Readout ReadoutOf(const BrowserReport& report)
{
	const std::string fact = report.facts.at("readout");
	const std::size_t space = fact.rfind(' ');
	if (space == std::string::npos)
		return {fact, 0.0};
	return {fact.substr(0, space), std::strtod(fact.c_str() + space + 1, nullptr)};
}
} // namespace

TEST_F(ChartPageInChromium, ShowsTheFormulasValueUnderThePointerAndNothingOverTheBackground)
{
	// At n = 40 the samples lie 9 apart from -180: sample (25, 12) is x = 45, z = -72.
	const surfax::test::HostRun run =
	    surfax::test::RunHost(dir, {"plot", "--set", "PLOT_RESOLUTION=40", "-o", "chart.html"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const BrowserReport report = OpenInChromium(dir / "chart.html", dir / "shot.png", {}, {"--sample", "25", "12"});
	ASSERT_EQ(report.exitCode, 0) << report.text;
	ExpectNoRequestsOrErrors(report);
	const Readout readout = ReadoutOf(report);
	EXPECT_EQ(readout.sample, R"({"i":25,"j":12,"frame":0})") << report.text;
	const double expected = Calc(dir, "Sin(45) * Cos(-72)");
	EXPECT_EQ(readout.value, expected) << report.text;
	EXPECT_EQ(report.facts.at("readoutText"), AsThePageWrites(expected));
	EXPECT_EQ(report.facts.at("readoutVisible"), "true");
	// Over the background (the screenshot shows it there) nothing is shown.
	const surfax::io::Image shot = LoadPicture(dir / "shot.png");
	const std::uint8_t* corner = &shot.rgba[(static_cast<std::size_t>(592) * shot.width + 8) * 4];
	for (int k = 0; k < 3; ++k)
		EXPECT_NEAR(corner[k], surfax::render::kPreviewBackground[k], 2);
	EXPECT_EQ(report.facts.at("cornerReadout"), "null");
	EXPECT_EQ(report.facts.at("cornerVisible"), "false");
}

TEST_F(ChartPageInChromium, TheCaptionFoldsOutOfTheChartsWayOnASmallWindow)
{
	const surfax::test::HostRun run = surfax::test::RunHost(dir, {"plot", "--with", "mesh", "-o", "chart.html"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const BrowserReport wide = OpenInChromium(dir / "chart.html", dir / "wide.png");
	ASSERT_EQ(wide.exitCode, 0) << wide.text;
	EXPECT_EQ(wide.facts.at("captionOpen"), "true");
	const BrowserReport small = OpenInChromium(dir / "chart.html", dir / "small.png", {}, {"--window", "480x360"});
	ASSERT_EQ(small.exitCode, 0) << small.text;
	ExpectNoRequestsOrErrors(small);
	EXPECT_EQ(small.facts.at("captionOpen"), "false");
	// Folded, the caption is the formula's line alone: half the height it takes unfolded or less.
	EXPECT_LE(std::atoi(small.facts.at("captionHeight").c_str()) * 2, std::atoi(wide.facts.at("captionHeight").c_str()))
	    << small.text;
	EXPECT_LT(std::atoi(small.facts.at("captionHeight").c_str()), 36) << small.text;
}

TEST_F(ChartPageInChromium, TheScrubberShowsAFrameAndTheReadoutItsValues)
{
	// f is the frame number: frame 10 is Sin(45 + 120) * Cos(-72) at sample (25, 12).
	const surfax::test::HostRun run =
	    surfax::test::RunHost(dir, {"--quiet", "plot", "Sin(x + f * 12) * Cos(z)", "--with", "mesh", "--set",
	                                "PLOT_RESOLUTION=40", "--frames", "0..19", "-o", "wave.html"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const BrowserReport report =
	    OpenInChromium(dir / "wave.html", dir / "shot.png", {}, {"--frame", "10", "--sample", "25", "12"});
	ASSERT_EQ(report.exitCode, 0) << report.text;
	ExpectNoRequestsOrErrors(report);
	EXPECT_EQ(report.facts.at("frame"), "10") << report.text;
	EXPECT_EQ(report.facts.at("frameLabel"), "10");
	EXPECT_EQ(report.facts.at("frameRight"), "11");
	EXPECT_EQ(report.facts.at("frameLeft"), "10");
	const Readout readout = ReadoutOf(report);
	EXPECT_EQ(readout.sample, R"({"i":25,"j":12,"frame":10})") << report.text;
	const double expected = Calc(dir, "Sin(45 + 10 * 12) * Cos(-72)");
	EXPECT_EQ(readout.value, expected) << report.text;
	EXPECT_NE(expected, Calc(dir, "Sin(45) * Cos(-72)"));
	EXPECT_EQ(report.facts.at("readoutText"), AsThePageWrites(expected));
}
