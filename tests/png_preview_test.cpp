// PNG previews: deterministic bytes, framing, the depth test, two-sided lighting, lines, points and colours, and
// the size option.
#include "host/render/png_preview.h"

#include "app/option_text.h"
#include "host/image/image.h"
#include "ocube.h"
#include "support/export_scenes.h"
#include "support/gltf_reader.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <utility>
#include <vector>

using namespace cinema;
using surfax::io::ExportScene;
using surfax::io::Image;
using surfax::render::kPreviewBackground;
using surfax::render::RenderOptions;

namespace
{
std::string TempPath(const std::string& name)
{
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-png-preview";
	std::filesystem::create_directories(dir);
	return (dir / name).string();
}

ExportScene SceneOf(const surfax::test::TestDocument& doc)
{
	ExportScene scene;
	std::string error;
	EXPECT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	return scene;
}

Image Render(const ExportScene& scene, int width = 160, int height = 120)
{
	Image image;
	std::string error;
	EXPECT_TRUE(surfax::render::RenderScene(scene, RenderOptions{width, height}, image, error)) << error;
	return image;
}

const std::uint8_t* Pixel(const Image& image, int x, int y)
{
	return &image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
	                    static_cast<std::size_t>(x)) *
	                   4];
}

bool IsBackground(const std::uint8_t* p)
{
	return std::equal(p, p + 4, kPreviewBackground);
}

// The box of the pixels that are not background: {x0, y0, x1, y1}, or all -1 when there are none.
std::array<int, 4> DrawnBox(const Image& image)
{
	std::array<int, 4> box = {-1, -1, -1, -1};
	for (int y = 0; y < image.height; ++y)
	{
		for (int x = 0; x < image.width; ++x)
		{
			if (IsBackground(Pixel(image, x, y)))
				continue;
			if (box[0] < 0)
				box = {x, y, x, y};
			box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
		}
	}
	return box;
}

// A quad in the plane z = depth facing +z, of the given colour (as a display colour).
surfax::io::ExportMesh Quad(float depth, float r, float g, float b, bool reversed = false)
{
	surfax::io::ExportMesh m;
	m.positions = {-1, -1, depth, 1, -1, depth, 1, 1, depth, -1, 1, depth};
	const float nz = reversed ? -1.0f : 1.0f;
	m.normals = {0, 0, nz, 0, 0, nz, 0, 0, nz, 0, 0, nz};
	m.indices = reversed ? std::vector<std::uint32_t>{0, 2, 1, 0, 3, 2} : std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3};
	m.colorSource = surfax::io::ColorSource::Display;
	m.color[0] = r;
	m.color[1] = g;
	m.color[2] = b;
	return m;
}

Image RenderFromFront(const ExportScene& scene, const RenderOptions& options = RenderOptions{64, 64})
{
	surfax::render::Camera camera;
	camera.eye[2] = 10.0f;
	Image image;
	std::string error;
	EXPECT_TRUE(surfax::render::RenderSceneWithCamera(scene, camera, options, image, error)) << error;
	return image;
}

// The number of pixels in which two pictures of the same size differ.
int PixelsThatDiffer(const Image& a, const Image& b)
{
	int n = 0;
	for (std::size_t i = 0; i < a.rgba.size(); i += 4)
		n += std::equal(&a.rgba[i], &a.rgba[i] + 4, &b.rgba[i]) ? 0 : 1;
	return n;
}
} // namespace

TEST(PngPreview, TheSameSceneGivesTheSameBytesAndTheFileHoldsTheRenderedPixels)
{
	surfax::test::TestDocument doc;
	PolygonObject* surface = surfax::test::MakeSurface(20);
	ASSERT_NE(surface, nullptr);
	surface->InsertUnderLast(doc.Get());
	doc.Add(Ocube)->SetRelPos(Vector(0, 120, 0));
	const ExportScene scene = SceneOf(doc);
	std::string error;
	const std::string a = TempPath("a.png"), b = TempPath("b.png");
	ASSERT_TRUE(surfax::render::WritePreviewPng(a, scene, RenderOptions{200, 150}, error)) << error;
	ASSERT_TRUE(surfax::render::WritePreviewPng(b, SceneOf(doc), RenderOptions{200, 150}, error)) << error;
	EXPECT_TRUE(surfax::test::ReadFileBytes(a) == surfax::test::ReadFileBytes(b));
	Image loaded;
	ASSERT_EQ(surfax::io::LoadPng(a, loaded, error), surfax::io::ImageStatus::Ok) << error;
	const Image rendered = Render(scene, 200, 150);
	EXPECT_EQ(loaded.width, 200);
	EXPECT_EQ(loaded.height, 150);
	EXPECT_TRUE(loaded.rgba == rendered.rgba);
	for (std::size_t i = 3; i < loaded.rgba.size(); i += 4)
		ASSERT_EQ(loaded.rgba[i], 255) << "previews are opaque";
}

TEST(PngPreview, EmptySceneIsBackgroundOnly)
{
	const Image image = Render(ExportScene(), 33, 17);
	ASSERT_EQ(image.rgba.size(), 33u * 17u * 4u);
	EXPECT_EQ(DrawnBox(image)[0], -1);
}

TEST(PngPreview, DefaultCameraFramesTheSceneWhateverItsSizePlaceAndTheImageShape)
{
	struct Case
	{
		double size;
		Vector position;
		int width, height;
	};
	for (const Case& c : {Case{200, Vector(), 160, 120}, Case{2, Vector(1000, -50, 300), 160, 120},
	                      Case{5000, Vector(0, 1e4, 0), 60, 180}, Case{1, Vector(), 200, 40}})
	{
		surfax::test::TestDocument doc;
		BaseObject* cube = doc.Add(Ocube);
		cube->GetDataInstance()->SetVector(PRIM_CUBE_LEN, Vector(c.size));
		cube->SetRelPos(c.position);
		const Image image = Render(SceneOf(doc), c.width, c.height);
		const std::array<int, 4> box = DrawnBox(image);
		SCOPED_TRACE("size " + std::to_string(c.size) + ", " + std::to_string(c.width) + "x" +
		             std::to_string(c.height));
		ASSERT_GE(box[0], 0) << "nothing drawn";
		// Inside with a margin, and filling the image in at least one direction.
		EXPECT_GT(box[0], 0);
		EXPECT_GT(box[1], 0);
		EXPECT_LT(box[2], c.width - 1);
		EXPECT_LT(box[3], c.height - 1);
		const double fillX = double(box[2] - box[0] + 1) / c.width, fillY = double(box[3] - box[1] + 1) / c.height;
		EXPECT_GT(std::max(fillX, fillY), 0.75);
		// Centred: the margins left and right, and above and below, are alike.
		EXPECT_NEAR(box[0], c.width - 1 - box[2], 2 + 0.02 * c.width);
		EXPECT_NEAR(box[1], c.height - 1 - box[3], 2 + 0.02 * c.height);
	}
}

TEST(PngPreview, TheNearerSurfaceWinsWhateverTheDrawingOrder)
{
	ExportScene nearFirst, farFirst;
	nearFirst.meshes = {Quad(1, 1, 0, 0), Quad(-1, 0, 0, 1)};
	farFirst.meshes = {Quad(-1, 0, 0, 1), Quad(1, 1, 0, 0)};
	for (const ExportScene* scene : {&nearFirst, &farFirst})
	{
		const Image image = RenderFromFront(*scene);
		const std::uint8_t* centre = Pixel(image, 32, 32);
		EXPECT_GT(centre[0], 100);
		// Nothing of the blue quad behind: green and blue carry only the white of the highlight, alike.
		EXPECT_EQ(centre[1], centre[2]);
	}
	EXPECT_TRUE(RenderFromFront(nearFirst).rgba == RenderFromFront(farFirst).rgba);
}

TEST(PngPreview, SurfacesAreLitOnBothSidesAndFacesTurnedAwayAreDarker)
{
	ExportScene front, back;
	front.meshes = {Quad(0, 1, 1, 1)};
	back.meshes = {Quad(0, 1, 1, 1, true)};
	const Image a = RenderFromFront(front);
	EXPECT_TRUE(a.rgba == RenderFromFront(back).rgba);
	EXPECT_GT(Pixel(a, 32, 32)[0], 200) << "a white surface facing the viewer is bright";

	// A white cube shows three faces, each with its own brightness. Away from its outline (where its edges blend with
	// the background) every pixel is grey; three shades, one per face, fill nearly all of it, and the few others lie
	// between them, where two faces share a pixel's samples along the edges between them.
	surfax::test::TestDocument doc;
	ObjectColorProperties white;
	white.color = Vector(1, 1, 1);
	white.usecolor = ID_BASEOBJECT_USECOLOR_ALWAYS;
	doc.Add(Ocube)->SetColorProperties(&white);
	const Image cube = Render(SceneOf(doc));
	std::map<int, int> shades;
	int inner = 0;
	for (int y = 2; y + 2 < cube.height; ++y)
	{
		for (int x = 2; x + 2 < cube.width; ++x)
		{
			bool awayFromOutline = true;
			for (int dy = -2; dy <= 2; ++dy)
			{
				for (int dx = -2; dx <= 2; ++dx)
					awayFromOutline = awayFromOutline && !IsBackground(Pixel(cube, x + dx, y + dy));
			}
			const std::uint8_t* p = Pixel(cube, x, y);
			if (!awayFromOutline)
				continue;
			EXPECT_EQ(p[0], p[1]);
			EXPECT_EQ(p[1], p[2]);
			EXPECT_GE(p[0], 96) << "ambient light keeps every face visible";
			++shades[p[0]];
			++inner;
		}
	}
	std::vector<std::pair<int, int>> byCount;
	for (const auto& [shade, count] : shades)
		byCount.emplace_back(count, shade);
	std::sort(byCount.rbegin(), byCount.rend());
	ASSERT_GE(byCount.size(), 3u);
	EXPECT_GT(byCount[0].first + byCount[1].first + byCount[2].first, inner * 95 / 100);
	EXPECT_GT(byCount[2].first, inner / 10) << "each face fills a clear share";
	const auto [darkest, brightest] = std::minmax({byCount[0].second, byCount[1].second, byCount[2].second});
	for (const auto& [shade, count] : shades)
	{
		EXPECT_GE(shade, darkest);
		EXPECT_LE(shade, brightest);
	}
}

TEST(PngPreview, LinesPointsAndVertexColoursAppearInTheirColours)
{
	ExportScene scene;
	surfax::io::ExportLines line;
	line.positions = {-1, -1, 0, 1, 1, 0};
	line.stripCounts = {2};
	line.colorSource = surfax::io::ColorSource::Display;
	std::copy_n(std::array<float, 4>{0, 1, 0, 1}.data(), 4, line.color);
	scene.lines.push_back(line);
	surfax::io::ExportPoints points;
	points.positions = {-1, 1, 0};
	points.colors = {1, 0, 0, 1};
	points.colorSource = surfax::io::ColorSource::VertexColors;
	scene.points.push_back(points);
	auto count = [](const Image& image, auto&& wanted)
	{
		int n = 0;
		for (int y = 0; y < image.height; ++y)
		{
			for (int x = 0; x < image.width; ++x)
				n += wanted(Pixel(image, x, y)) ? 1 : 0;
		}
		return n;
	};
	const auto exactly = [](std::uint8_t r, std::uint8_t g, std::uint8_t b)
	{ return [=](const std::uint8_t* p) { return p[0] == r && p[1] == g && p[2] == b; }; };
	// The diagonal runs through pixel centres: those pixels it covers wholly and shows its own colour; it covers
	// their neighbours in part, which show colours between the line's and the background's.
	RenderOptions options{64, 64};
	options.lineWidth = 1.0f;
	const Image image = RenderFromFront(scene, options);
	const int green = count(image, exactly(0, 255, 0));
	EXPECT_GE(green, 15) << "a diagonal across most of the image";
	const int between = count(image,
	                          [](const std::uint8_t* p)
	                          {
		                          return !IsBackground(p) && p[1] != 255 && p[1] > kPreviewBackground[1] &&
		                                 p[0] <= kPreviewBackground[0] && p[2] <= kPreviewBackground[2];
	                          });
	EXPECT_GT(between, green) << "partly covered pixels on both sides of the line";
	EXPECT_GE(count(image, exactly(255, 0, 0)), 1) << "a point is a small square, wholly covering its middle";
	EXPECT_GE(count(image, [](const std::uint8_t* p) { return p[0] > p[1] && p[0] > p[2]; }), 4);
	// Lines and points lying on a surface stay visible: they change the same pixels of the surface as of the
	// background, and show their own colour where they cover a pixel wholly.
	const int footprint = PixelsThatDiffer(image, RenderFromFront(ExportScene(), options));
	ExportScene surface;
	surface.meshes = {Quad(0, 0, 0, 1)};
	scene.meshes = surface.meshes;
	const Image onSurface = RenderFromFront(scene, options);
	EXPECT_EQ(PixelsThatDiffer(onSurface, RenderFromFront(surface, options)), footprint);
	EXPECT_EQ(count(onSurface, exactly(0, 255, 0)), green);
	EXPECT_GE(count(onSurface, exactly(255, 0, 0)), 1);
}

TEST(PngPreviewSize, ParsesWidthByHeightAndRejectsEverythingElse)
{
	int w = 0, h = 0;
	std::string error;
	EXPECT_TRUE(surfax::app::ParsePreviewSize("800x600", w, h, error));
	EXPECT_EQ(w, 800);
	EXPECT_EQ(h, 600);
	EXPECT_TRUE(surfax::app::ParsePreviewSize("1X8192", w, h, error));
	EXPECT_EQ(w, 1);
	EXPECT_EQ(h, 8192);
	for (const char* bad : {"", "800", "x600", "800x", "0x600", "800x0", "-1x5", "+1x5", "8193x10", "12ax3", " 80x60",
	                        "80x60 ", "80x60x2", "99999999999x1", "1.5x2"})
	{
		w = h = 7;
		error.clear();
		EXPECT_FALSE(surfax::app::ParsePreviewSize(bad, w, h, error)) << bad;
		EXPECT_FALSE(error.empty()) << bad;
		EXPECT_EQ(w, 7) << bad;
	}
	Image image;
	EXPECT_FALSE(surfax::render::RenderScene(ExportScene(), RenderOptions{0, 10}, image, error));
	EXPECT_TRUE(image.rgba.empty());
}
