// What the command line hands the PNG preview beside the chart: the colour key's range and texts, worked out from the
// plot's colour lookup, and whether the picture carries a key at all.
#include "app/preview_annotations.h"

#include "host/image/image.h"
#include "support/host_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using surfax::app::KeyLookup;
using surfax::app::ValueRange;
using surfax::render::ColorKey;

namespace
{
ColorKey KeyOf(const KeyLookup& lookup, const ValueRange& range, int decimals = 1)
{
	ColorKey key;
	EXPECT_TRUE(surfax::app::DescribeKeyRange(lookup, range, decimals, key));
	return key;
}

surfax::io::Image LoadPicture(const std::filesystem::path& path)
{
	surfax::io::Image image;
	std::string message;
	EXPECT_EQ(surfax::io::LoadPng(path.string(), image, message), surfax::io::ImageStatus::Ok) << message;
	return image;
}
} // namespace

TEST(ColorKeyRange, RunsBetweenTheValuesThatReachTheGradientsEndsAndSaysWhereTheChartGoesBeyond)
{
	// The default plot: v = -1 looks up the gradient's start, v = 1 its end.
	const ValueRange inside{true, -0.998, 0.998};
	ColorKey key = KeyOf(KeyLookup{}, inside);
	EXPECT_EQ(key.low, -1.0);
	EXPECT_EQ(key.high, 1.0);
	EXPECT_EQ(key.lowText, "-1.0");
	EXPECT_EQ(key.highText, "1.0");
	EXPECT_EQ(key.title, "y");
	EXPECT_EQ(key.marks, (std::vector<double>{-0.998, 0.998}));
	EXPECT_EQ(KeyLookup{}.At(key.low), 0.0);
	EXPECT_EQ(KeyLookup{}.At(key.high), 1.0);
	EXPECT_EQ(KeyLookup{}.At(0.0), 0.5);

	// Multipliers move the ends to -1 / PLOT_SCALENEG and 1 / PLOT_SCALEPOS; values beyond an end take its colour, and
	// the end says so; the labels' digits are used.
	const KeyLookup scaled{2.0, 0.25, false, false};
	key = KeyOf(scaled, ValueRange{true, -3.0, 0.9}, 2);
	EXPECT_EQ(key.low, -4.0);
	EXPECT_EQ(key.high, 0.5);
	EXPECT_EQ(key.lowText, "-4.00");
	EXPECT_EQ(key.highText, "\u2265 0.50");
	EXPECT_EQ(key.marks, (std::vector<double>{-3.0, 0.5})) << "a mark beyond the bar sits at its end";
	EXPECT_EQ(scaled.At(key.low), 0.0);
	EXPECT_EQ(scaled.At(key.high), 1.0);
	EXPECT_EQ(scaled.At(5.0), 1.0);
	key = KeyOf(KeyLookup{}, ValueRange{true, -7.5, 0.5}, 0);
	EXPECT_EQ(key.lowText, "\u2264 -1");
	EXPECT_EQ(key.highText, "1");

	// Clip mode stops the values at +-1 before the multipliers: with a small multiplier the bar still ends at 1 (the
	// colours there stop short of the gradient's end).
	const KeyLookup clipped{0.5, 1.0, true, false};
	key = KeyOf(clipped, ValueRange{true, -0.5, 3.0});
	EXPECT_EQ(key.high, 1.0);
	EXPECT_EQ(key.highText, "\u2265 1.0");
	EXPECT_DOUBLE_EQ(clipped.At(key.high), 0.75);

	// Without a known range nothing is marked or said to lie beyond.
	key = KeyOf(KeyLookup{}, ValueRange{});
	EXPECT_TRUE(key.marks.empty());
	EXPECT_EQ(key.lowText, "-1.0");
}

TEST(ColorKeyRange, ByMagnitudeRunsFromZeroAndAnEndThatNeverSaturatesStopsAtTheChartsExtreme)
{
	// By magnitude with alike multipliers the colours depend on |v|: the bar runs over |y| from 0 to 1 / multiplier.
	const KeyLookup magnitude{0.5, 0.5, false, true};
	ColorKey key = KeyOf(magnitude, ValueRange{true, -3.0, 1.0});
	EXPECT_EQ(key.title, "|y|");
	EXPECT_EQ(key.low, 0.0);
	EXPECT_EQ(key.high, 2.0);
	EXPECT_EQ(key.lowText, "0.0");
	EXPECT_EQ(key.highText, "\u2265 2.0");
	EXPECT_EQ(key.marks, (std::vector<double>{1.0, 2.0}));
	EXPECT_EQ(magnitude.At(-2.0), 1.0);
	EXPECT_EQ(magnitude.At(0.0), 0.0);

	// A multiplier of 0 keeps its side at the gradient's middle: that end is the chart's own extreme, never "beyond",
	// and never written "-0".
	key = KeyOf(KeyLookup{1.0, 0.0, false, false}, ValueRange{true, -2.0, 0.5});
	EXPECT_EQ(key.low, -2.0);
	EXPECT_EQ(key.lowText, "-2.0");
	key = KeyOf(KeyLookup{1.0, 0.0, false, false}, ValueRange{true, 0.25, 0.5});
	EXPECT_EQ(key.lowText, "0.0");
	// Both sides flat: there is nothing to key.
	ColorKey none;
	EXPECT_FALSE(
	    surfax::app::DescribeKeyRange(KeyLookup{0.0, 0.0, false, false}, ValueRange{true, -1.0, 1.0}, 1, none));
}

// The key is in the picture when the surface takes the gradient's colours, and its bar runs from the gradient's
// first colour to its last; --color-key off, a single colour or a mesh without vertex colours leave it out.
TEST(ColorKeyCommand, ThePictureCarriesAKeyOnlyWhenTheSurfaceIsColouredByTheGradient)
{
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-color-key";
	std::filesystem::remove_all(dir);
	std::filesystem::create_directories(dir);
	const std::vector<std::string> common = {"plot", "--with", "mesh", "--size", "400x300"};
	const auto run = [&](const std::string& name, std::vector<std::string> extra)
	{
		std::vector<std::string> args = common;
		args.insert(args.end(), extra.begin(), extra.end());
		args.insert(args.end(), {"-o", name});
		const surfax::test::HostRun result = surfax::test::RunHost(dir, args);
		EXPECT_EQ(result.exitCode, 0) << result.err;
		return LoadPicture(dir / name);
	};
	const surfax::io::Image keyed = run("keyed.png", {});
	const surfax::io::Image plain = run("plain.png", {"--color-key", "off"});
	ASSERT_EQ(keyed.rgba.size(), plain.rgba.size());
	// The key is where the two differ: find its bar, the longest run of one row of saturated pixels there.
	int bestRow = -1, bestStart = 0, bestLength = 0;
	for (int y = 0; y < keyed.height; ++y)
	{
		int start = 0, length = 0;
		for (int x = 0; x < keyed.width; ++x)
		{
			const std::size_t i = (static_cast<std::size_t>(y) * keyed.width + x) * 4;
			const std::uint8_t* p = &keyed.rgba[i];
			const bool differs = !std::equal(p, p + 4, &plain.rgba[i]);
			const bool saturated = std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) > 100;
			length = differs && saturated ? length + 1 : 0;
			start = length == 1 ? x : start;
			if (length > bestLength)
			{
				bestRow = y;
				bestStart = start;
				bestLength = length;
			}
		}
	}
	ASSERT_GT(bestLength, keyed.width / 5) << "a horizontal bar across the top";
	// The default gradient runs from blue to red.
	const std::uint8_t* first = &keyed.rgba[(static_cast<std::size_t>(bestRow) * keyed.width + bestStart) * 4];
	const std::uint8_t* last =
	    &keyed.rgba[(static_cast<std::size_t>(bestRow) * keyed.width + bestStart + bestLength - 1) * 4];
	EXPECT_GT(first[2], 200);
	EXPECT_LT(first[0], 40);
	EXPECT_GT(last[0], 200);
	EXPECT_LT(last[2], 40);

	EXPECT_TRUE(run("colour.png", {"--set", "PLOT_COLORMODE=1", "--color-key", "off"}).rgba ==
	            run("colour-keyed.png", {"--set", "PLOT_COLORMODE=1"}).rgba)
	    << "one colour: no key";
	EXPECT_TRUE(run("uncoloured.png", {"--set", "PLOTMESH_VERTEXCOLORS=false", "--color-key", "off"}).rgba ==
	            run("uncoloured-keyed.png", {"--set", "PLOTMESH_VERTEXCOLORS=false"}).rgba)
	    << "vertex colours off: no key";
}

// The preview's other choices: axis names off, hard edges, a line width; a width outside its range is refused with
// the option's name and no file.
TEST(PreviewOptionsCommand, AxisNamesEdgesAndLineWidthChangeThePictureAndBadWidthsAreRefused)
{
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-preview-options";
	std::filesystem::remove_all(dir);
	std::filesystem::create_directories(dir);
	const auto run = [&](const std::string& name, std::vector<std::string> extra)
	{
		std::vector<std::string> args = {"plot", "--size", "320x240"};
		args.insert(args.end(), extra.begin(), extra.end());
		args.insert(args.end(), {"-o", name});
		const surfax::test::HostRun result = surfax::test::RunHost(dir, args);
		EXPECT_EQ(result.exitCode, 0) << result.err;
		return LoadPicture(dir / name);
	};
	// How many distinct colours a picture holds: smoothing adds the blends along every edge.
	const auto colours = [](const surfax::io::Image& image)
	{
		std::set<std::uint32_t> seen;
		for (std::size_t i = 0; i < image.rgba.size(); i += 4)
			seen.insert(static_cast<std::uint32_t>(image.rgba[i]) << 16 | image.rgba[i + 1] << 8 | image.rgba[i + 2]);
		return seen.size();
	};
	const surfax::io::Image smooth = run("smooth.png", {});
	EXPECT_TRUE(smooth.rgba == run("again.png", {}).rgba) << "the same command gives the same picture";
	EXPECT_FALSE(smooth.rgba == run("unnamed.png", {"--axis-names", "off"}).rgba);
	EXPECT_FALSE(smooth.rgba == run("hard.png", {"--antialias", "off"}).rgba);
	EXPECT_FALSE(smooth.rgba == run("wide.png", {"--line-width", "3"}).rgba);
	EXPECT_LT(colours(run("hard-mesh.png", {"--with", "mesh", "--color-key", "off", "--antialias", "off"})),
	          colours(run("smooth-mesh.png", {"--with", "mesh", "--color-key", "off"})))
	    << "a mesh's outline blends with the background only when smoothed";
	for (const char* width : {"0", "-1", "65", "wide"})
	{
		const surfax::test::HostRun refused =
		    surfax::test::RunHost(dir, {"plot", "--line-width", width, "-o", "no.png"});
		EXPECT_NE(refused.exitCode, 0) << width;
		EXPECT_NE(refused.err.find("--line-width"), std::string::npos) << refused.err;
		EXPECT_FALSE(std::filesystem::exists(dir / "no.png")) << width;
	}
}

// Each frame's key marks that frame's values: the second frame of a run whose values shrink is the picture the same
// frame gives alone, not one marked with the first frame's wider values.
TEST(ColorKeyCommand, EachFrameOfAnAnimationKeysItsOwnValues)
{
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-color-key-frames";
	std::filesystem::remove_all(dir);
	std::filesystem::create_directories(dir);
	const std::string formula = "Sin(x) * Cos(z) * (2 - t * 30)"; // amplitude 2 at frame 0, 1 at frame 1
	const surfax::test::HostRun both = surfax::test::RunHost(
	    dir, {"plot", formula, "--with", "mesh", "--size", "320x240", "--frames", "0..1", "-o", "run.png"});
	ASSERT_EQ(both.exitCode, 0) << both.err;
	const surfax::test::HostRun alone = surfax::test::RunHost(
	    dir, {"plot", formula, "--with", "mesh", "--size", "320x240", "--frame", "1", "-o", "alone.png"});
	ASSERT_EQ(alone.exitCode, 0) << alone.err;
	EXPECT_TRUE(LoadPicture(dir / "run-0001.png").rgba == LoadPicture(dir / "alone.png").rgba);
	EXPECT_FALSE(LoadPicture(dir / "run-0000.png").rgba == LoadPicture(dir / "alone.png").rgba);
}
