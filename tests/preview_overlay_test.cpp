// The PNG preview's smooth edges and what it draws over the chart: lines drawn with partial coverage, the colour key's
// bar and the axis names.
#include "host/render/annotation_overlay.h"
#include "host/render/projection.h"
#include "host/render/rasterizer.h"

#include "host/fonts/font_library.h"
#include "host/image/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using surfax::io::ExportScene;
using surfax::io::Image;
using surfax::render::ChartAnnotations;
using surfax::render::RenderOptions;

namespace
{
constexpr int kWidth = 400;
constexpr int kHeight = 300;

// The twelve edges of the cube -1..1 as white line strips of two points each.
ExportScene CageScene()
{
	ExportScene scene;
	surfax::io::ExportLines lines;
	std::fill(lines.color, lines.color + 4, 1.0f);
	for (int a = 0; a < 8; ++a)
	{
		for (int bit = 1; bit < 8; bit <<= 1)
		{
			if ((a & bit) != 0)
				continue;
			const int b = a | bit;
			for (const int corner : {a, b})
			{
				lines.positions.push_back(corner & 1 ? 1.0f : -1.0f);
				lines.positions.push_back(corner & 2 ? 1.0f : -1.0f);
				lines.positions.push_back(corner & 4 ? 1.0f : -1.0f);
			}
			lines.stripCounts.push_back(2);
		}
	}
	scene.lines.push_back(lines);
	return scene;
}

Image Render(const ExportScene& scene, const RenderOptions& options)
{
	Image image;
	std::string error;
	EXPECT_TRUE(surfax::render::RenderScene(scene, options, image, error)) << error;
	return image;
}

const std::uint8_t* Pixel(const Image& image, int x, int y)
{
	return &image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
	                    static_cast<std::size_t>(x)) *
	                   4];
}

// A picture of the background alone, the maps of a render that drew nothing, and the default view of `bounds`.
struct Canvas
{
	Image image;
	surfax::render::CoverageMaps maps;
	surfax::render::View view;
};

Canvas BlankCanvas(const surfax::io::Bounds& bounds)
{
	Canvas c;
	c.image.width = kWidth;
	c.image.height = kHeight;
	c.image.rgba.resize(static_cast<std::size_t>(kWidth) * kHeight * 4);
	for (std::size_t i = 0; i < c.image.rgba.size(); ++i)
		c.image.rgba[i] = surfax::render::kPreviewBackground[i % 4];
	c.maps.width = kWidth;
	c.maps.height = kHeight;
	c.maps.geometry.assign(static_cast<std::size_t>(kWidth) * kHeight, 0);
	c.maps.text = c.maps.geometry;
	c.view = surfax::render::MakeView(surfax::render::ThreeQuarterCamera(bounds, kWidth, kHeight), kWidth, kHeight);
	return c;
}

surfax::io::Bounds UnitBounds()
{
	surfax::io::Bounds b;
	b.empty = false;
	std::fill(b.min, b.min + 3, -1.0f);
	std::fill(b.max, b.max + 3, 1.0f);
	return b;
}
} // namespace

TEST(PreviewAntialiasing, EveryLineOfACageHasPixelsBetweenItsColourAndTheBackground)
{
	const ExportScene cage = CageScene();
	const RenderOptions options{kWidth, kHeight};
	const Image image = Render(cage, options);
	EXPECT_TRUE(image.rgba == Render(cage, options).rgba) << "the same scene gives the same bytes";
	const surfax::render::View view = surfax::render::MakeView(
	    surfax::render::ThreeQuarterCamera(surfax::io::SceneBounds(cage), kWidth, kHeight), kWidth, kHeight);
	// Along the middle of each edge, the pixels within two of the projected line: some show the line's white, and a
	// clear share lie strictly between the background and white in every channel (the line covers them in part).
	const auto between = [](const std::uint8_t* p)
	{
		for (int k = 0; k < 3; ++k)
		{
			if (p[k] <= surfax::render::kPreviewBackground[k] || p[k] >= 255)
				return false;
		}
		return true;
	};
	const std::vector<float>& v = cage.lines[0].positions;
	for (std::size_t edge = 0; edge < cage.lines[0].stripCounts.size(); ++edge)
	{
		const surfax::render::ScreenPoint a = surfax::render::ProjectPoint(view, &v[edge * 6]);
		const surfax::render::ScreenPoint b = surfax::render::ProjectPoint(view, &v[edge * 6 + 3]);
		int partial = 0, near = 0;
		for (int y = 0; y < kHeight; ++y)
		{
			for (int x = 0; x < kWidth; ++x)
			{
				const float px = static_cast<float>(x) + 0.5f - a.x, py = static_cast<float>(y) + 0.5f - a.y;
				const float dx = b.x - a.x, dy = b.y - a.y;
				const float t = (px * dx + py * dy) / (dx * dx + dy * dy);
				const float distance = std::fabs(px * dy - py * dx) / std::sqrt(dx * dx + dy * dy);
				if (t < 0.25f || t > 0.75f || distance > 2.0f)
					continue;
				++near;
				partial += between(Pixel(image, x, y)) ? 1 : 0;
			}
		}
		ASSERT_GT(near, 0) << "edge " << edge;
		EXPECT_GT(partial, near / 5) << "edge " << edge << ": " << partial << " of " << near;
	}
	// The width is a real width: twice as wide covers clearly more.
	RenderOptions wide = options;
	wide.lineWidth = 2.0f * surfax::render::DefaultLineWidth(kWidth, kHeight);
	const auto ink = [](const Image& picture)
	{
		double sum = 0.0;
		for (std::size_t i = 0; i < picture.rgba.size(); i += 4)
			sum += picture.rgba[i + 1] - surfax::render::kPreviewBackground[1];
		return sum;
	};
	EXPECT_GT(ink(Render(cage, wide)), 1.6 * ink(image));
}

TEST(PreviewOverlay, TheKeysBarRunsFromTheLowColourToTheHighOneAndItsTextIsWritten)
{
	ChartAnnotations annotations;
	for (int k = 0; k < 16; ++k)
		annotations.key.colors.push_back({k / 15.0f, 0.0f, 1.0f - k / 15.0f}); // blue at the low end, red at the high
	annotations.key.low = -1.0;
	annotations.key.high = 1.0;
	annotations.key.lowText = "-1.0";
	annotations.key.highText = "1.0";
	annotations.key.title = "y";
	annotations.key.marks = {-0.5, 0.5};
	annotations.hasFont = surfax::fonts::DefaultFontFace(false, annotations.font);
	Canvas canvas = BlankCanvas(UnitBounds());
	const surfax::render::KeyPlacement placed =
	    surfax::render::DrawAnnotations(annotations, canvas.view, UnitBounds(), canvas.maps, canvas.image);
	ASSERT_FALSE(placed.Empty());
	ASSERT_GE(placed.x0, 0);
	ASSERT_LE(placed.x1, kWidth);
	ASSERT_GE(placed.y0, 0);
	ASSERT_LE(placed.y1, kHeight);
	// The bar: the pixels without green. Along its length red grows and blue falls, from the low end's blue to the
	// high end's red (left to right across the picture, bottom to top down its side).
	int lo = 1 << 30, hi = -(1 << 30), acrossLo = 1 << 30, acrossHi = -(1 << 30);
	for (int y = placed.y0; y < placed.y1; ++y)
	{
		for (int x = placed.x0; x < placed.x1; ++x)
		{
			const std::uint8_t* p = Pixel(canvas.image, x, y);
			if (p[1] != 0 || p[0] + p[2] < 200)
				continue;
			const int along = placed.vertical ? -y : x;
			lo = std::min(lo, along);
			hi = std::max(hi, along);
			acrossLo = std::min(acrossLo, placed.vertical ? x : y);
			acrossHi = std::max(acrossHi, placed.vertical ? x : y);
		}
	}
	ASSERT_GT(hi - lo, 20) << "a bar of some length";
	ASSERT_GT(acrossHi - acrossLo, 2) << "and some thickness";
	const int across = (acrossLo + acrossHi) / 2;
	const auto at = [&](int along)
	{ return placed.vertical ? Pixel(canvas.image, across, -along) : Pixel(canvas.image, along, across); };
	EXPECT_GT(at(lo)[2], 200);
	EXPECT_LT(at(lo)[0], 60);
	EXPECT_GT(at(hi)[0], 200);
	EXPECT_LT(at(hi)[2], 60);
	for (int along = lo; along < hi; ++along)
	{
		ASSERT_LE(at(along)[0], at(along + 1)[0]) << along;
		ASSERT_GE(at(along)[2], at(along + 1)[2]) << along;
	}
	// Beside the bar, its numbers, title, frame and marks in the text's light grey.
	int light = 0;
	for (int y = placed.y0; y < placed.y1; ++y)
	{
		for (int x = placed.x0; x < placed.x1; ++x)
		{
			const std::uint8_t* p = Pixel(canvas.image, x, y);
			light += p[0] > 150 && p[1] > 150 && p[2] > 150 ? 1 : 0;
		}
	}
	EXPECT_GT(light, annotations.hasFont ? 60 : 20);
	// Outside its place the picture is untouched.
	for (int y = 0; y < kHeight; ++y)
	{
		for (int x = 0; x < kWidth; ++x)
		{
			const int margin = 4;
			if (x >= placed.x0 - margin && x < placed.x1 + margin && y >= placed.y0 - margin && y < placed.y1 + margin)
				continue;
			ASSERT_TRUE(std::equal(Pixel(canvas.image, x, y), Pixel(canvas.image, x, y) + 4,
			                       surfax::render::kPreviewBackground))
			    << x << ", " << y;
		}
	}
}

TEST(PreviewOverlay, AnAxisNameIsWrittenJustBeyondTheEndOfItsEdge)
{
	ChartAnnotations annotations;
	if (!surfax::fonts::DefaultFontFace(false, annotations.font))
		GTEST_SKIP() << "no font is installed";
	annotations.hasFont = true;
	annotations.axisNames.push_back({"x", {-1.0f, -1.0f, 1.0f}, {1.0f, -1.0f, 1.0f}, 0.15f});
	Canvas canvas = BlankCanvas(UnitBounds());
	const Image blank = canvas.image;
	EXPECT_TRUE(
	    surfax::render::DrawAnnotations(annotations, canvas.view, UnitBounds(), canvas.maps, canvas.image).Empty())
	    << "no key";
	const surfax::render::ScreenPoint from =
	    surfax::render::ProjectPoint(canvas.view, annotations.axisNames[0].from.data());
	const surfax::render::ScreenPoint to =
	    surfax::render::ProjectPoint(canvas.view, annotations.axisNames[0].to.data());
	const float dx = to.x - from.x, dy = to.y - from.y, length = std::sqrt(dx * dx + dy * dy);
	double cx = 0.0, cy = 0.0;
	int changed = 0;
	for (int y = 0; y < kHeight; ++y)
	{
		for (int x = 0; x < kWidth; ++x)
		{
			if (std::equal(Pixel(canvas.image, x, y), Pixel(canvas.image, x, y) + 4, Pixel(blank, x, y)))
				continue;
			++changed;
			cx += x + 0.5;
			cy += y + 0.5;
		}
	}
	ASSERT_GT(changed, 10);
	cx /= changed;
	cy /= changed;
	// Its middle lies past the end along the edge's direction, close to it, and the edge's other end stays clear.
	const double along = ((cx - to.x) * dx + (cy - to.y) * dy) / length;
	EXPECT_GT(along, 2.0);
	EXPECT_LT(std::hypot(cx - to.x, cy - to.y), 40.0);
	EXPECT_GT(std::hypot(cx - from.x, cy - from.y), length);
}

TEST(PreviewOverlay, TextOfTheSceneGetsADarkHaloOverTheChartAndNoneOverTheBackground)
{
	// A bright green square, and in front of it a small white bar standing for a label's text, which reaches out
	// over the background on the right.
	const auto rectangle = [](float x0, float y0, float x1, float y1, float z, float r, float g, float b)
	{
		surfax::io::ExportMesh m;
		m.positions = {x0, y0, z, x1, y0, z, x1, y1, z, x0, y1, z};
		m.normals = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};
		m.indices = {0, 1, 2, 0, 2, 3};
		m.colorSource = surfax::io::ColorSource::Display;
		m.color[0] = r;
		m.color[1] = g;
		m.color[2] = b;
		return m;
	};
	ExportScene scene;
	scene.nodes.push_back(surfax::io::ExportNode{});
	scene.meshes.push_back(rectangle(-1.0f, -1.0f, 1.0f, 1.0f, 0.0f, 0.2f, 0.9f, 0.2f));
	scene.meshes.push_back(rectangle(-0.5f, -0.05f, 1.6f, 0.05f, 0.1f, 1.0f, 1.0f, 1.0f));
	scene.meshes.back().node = 0;
	surfax::render::Camera camera;
	camera.eye[2] = 6.0f;
	RenderOptions options{kWidth, kHeight};
	const auto render = [&]
	{
		Image image;
		std::string error;
		EXPECT_TRUE(surfax::render::RenderSceneWithCamera(scene, camera, options, image, error)) << error;
		return image;
	};
	const Image plain = render();
	ChartAnnotations annotations; // no key, no names: only the halo of the text nodes
	annotations.textNodes = {0};
	options.annotations = &annotations;
	const Image haloed = render();
	// Just above the bar over the green square: darker. Just above it over the background: unchanged. Far
	// from it: unchanged. The bar itself: unchanged.
	const surfax::render::View view = surfax::render::MakeView(camera, kWidth, kHeight);
	const auto at = [&](float x, float y)
	{
		const float p[3] = {x, y, 0.1f};
		const surfax::render::ScreenPoint s = surfax::render::ProjectPoint(view, p);
		return std::pair<int, int>{static_cast<int>(s.x), static_cast<int>(s.y)};
	};
	const auto [barX, barY] = at(0.0f, 0.0f);
	const int outsideX = at(1.4f, 0.0f).first;
	const auto [farX, farY] = at(-0.7f, 0.7f);
	int topOfBar = barY;
	while (Pixel(plain, barX, topOfBar - 1)[0] > 200)
		--topOfBar;
	// (At 400 x 300 the halo is a pixel wide.)
	EXPECT_LT(Pixel(haloed, barX, topOfBar - 1)[1], Pixel(plain, barX, topOfBar - 1)[1] - 60) << "dark over green";
	EXPECT_TRUE(std::equal(Pixel(haloed, outsideX, topOfBar - 1), Pixel(haloed, outsideX, topOfBar - 1) + 4,
	                       Pixel(plain, outsideX, topOfBar - 1)))
	    << "none over the background";
	EXPECT_TRUE(std::equal(Pixel(haloed, farX, farY), Pixel(haloed, farX, farY) + 4, Pixel(plain, farX, farY)));
	EXPECT_TRUE(std::equal(Pixel(haloed, barX, barY), Pixel(haloed, barX, barY) + 4, Pixel(plain, barX, barY)));
}
