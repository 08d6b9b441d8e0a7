// The preview's view options: camera angles and distance, the background colour and transparency, and how the
// command line spells them.
#include "host/render/png_preview.h"
#include "app/option_text.h"

#include "host/core/color_space.h"
#include "host/image/image.h"
#include "support/export_scenes.h"
#include "support/gltf_reader.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace cinema;
using surfax::io::ExportScene;
using surfax::io::Image;
using surfax::render::RenderOptions;
using surfax::render::ViewAngles;

namespace
{
ExportScene SurfaceScene()
{
	surfax::test::TestDocument doc;
	PolygonObject* surface = surfax::test::MakeSurface(16);
	EXPECT_NE(surface, nullptr);
	if (surface != nullptr)
		surface->InsertUnderLast(doc.Get());
	ExportScene scene;
	std::string error;
	EXPECT_TRUE(surfax::io::CollectScene(doc.Get(), scene, error)) << error;
	return scene;
}

Image Render(const ExportScene& scene, const RenderOptions& options)
{
	Image image;
	std::string error;
	EXPECT_TRUE(surfax::render::RenderScene(scene, options, image, error)) << error;
	return image;
}

float Length(const float* a, const float* b)
{
	return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}
} // namespace

TEST(PreviewView, TheDefaultViewIsTheThreeQuarterView)
{
	const ExportScene scene = SurfaceScene();
	const RenderOptions defaults{200, 150};
	RenderOptions spelledOut{200, 150};
	std::string error;
	ASSERT_TRUE(surfax::app::ParseViewAngles("35,28", spelledOut.view, error)) << error;
	Image threeQuarter;
	ASSERT_TRUE(surfax::render::RenderSceneWithCamera(
	    scene, surfax::render::ThreeQuarterCamera(surfax::io::SceneBounds(scene), 200, 150), defaults, threeQuarter,
	    error));
	EXPECT_TRUE(Render(scene, defaults).rgba == threeQuarter.rgba);
	EXPECT_TRUE(Render(scene, spelledOut).rgba == threeQuarter.rgba);
}

TEST(PreviewView, AnglesTurnTheEyeAroundTheChartAndADistancePlacesIt)
{
	const ExportScene scene = SurfaceScene();
	const surfax::io::Bounds bounds = surfax::io::SceneBounds(scene);
	// From straight in front (azimuth 0) the eye lies on the +z side at the chart's height for elevation 0; turned
	// by 90 degrees it lies on the +x side.
	const surfax::render::Camera front = surfax::render::OrbitCamera(bounds, 200, 150, ViewAngles{0.0f, 0.0f, 500.0f});
	EXPECT_NEAR(front.eye[0] - front.target[0], 0.0f, 1e-3f);
	EXPECT_NEAR(front.eye[1] - front.target[1], 0.0f, 1e-3f);
	EXPECT_NEAR(front.eye[2] - front.target[2], 500.0f, 1e-2f);
	const surfax::render::Camera side = surfax::render::OrbitCamera(bounds, 200, 150, ViewAngles{90.0f, 30.0f, 500.0f});
	EXPECT_NEAR(side.eye[0] - side.target[0], 500.0f * std::cos(30.0f * 3.14159265f / 180.0f), 1e-2f);
	EXPECT_NEAR(side.eye[1] - side.target[1], 250.0f, 1e-2f);
	EXPECT_NEAR(Length(side.eye, side.target), 500.0f, 1e-2f);
	// Without a distance the eye comes as near as the chart allows, and it is nearer for a wider picture.
	const surfax::render::Camera fitted = surfax::render::OrbitCamera(bounds, 200, 150, ViewAngles{90.0f, 30.0f});
	const surfax::render::Camera wide = surfax::render::OrbitCamera(bounds, 400, 150, ViewAngles{90.0f, 30.0f});
	EXPECT_LT(Length(wide.eye, wide.target), Length(fitted.eye, fitted.target));
	// A different view gives a different picture; the same view the same one.
	RenderOptions turned{160, 120};
	turned.view = ViewAngles{-60.0f, 50.0f};
	EXPECT_FALSE(Render(scene, turned).rgba == Render(scene, RenderOptions{160, 120}).rgba);
	EXPECT_TRUE(Render(scene, turned).rgba == Render(scene, turned).rgba);
}

TEST(PreviewView, ATransparentBackgroundLeavesTheChartOpaqueItsOutlinePartlySoAndTheFileKeepsItsAlpha)
{
	const ExportScene scene = SurfaceScene();
	RenderOptions options{120, 90};
	std::string error;
	ASSERT_TRUE(surfax::app::ParseBackground("transparent", options.background, error)) << error;
	const Image image = Render(scene, options);
	std::size_t clear = 0, opaque = 0, partial = 0;
	for (std::size_t i = 3; i < image.rgba.size(); i += 4)
		(image.rgba[i] == 0 ? clear : image.rgba[i] == 255 ? opaque : partial) += 1;
	EXPECT_GT(clear, 0u);
	EXPECT_GT(opaque, 0u);
	EXPECT_GT(partial, 0u) << "the chart's outline covers its pixels in part";
	EXPECT_LT(partial, opaque) << "only the outline";
	// The picture is the opaque one with the background taken out: a pixel the chart covers wholly is the same, one it
	// does not cover is slate there, and one it covers in part shows over slate (in linear light, straight alpha) as
	// the slate picture shows it, to the two units that rounding its colour and its alpha to bytes can make.
	const Image slate = Render(scene, RenderOptions{120, 90});
	for (std::size_t p = 0; p < image.rgba.size(); p += 4)
	{
		const int alpha = image.rgba[p + 3];
		if (alpha == 255)
			ASSERT_TRUE(std::equal(&image.rgba[p], &image.rgba[p + 3], &slate.rgba[p]));
		else if (alpha == 0)
			ASSERT_TRUE(std::equal(&slate.rgba[p], &slate.rgba[p + 4], surfax::render::kPreviewBackground));
		else
		{
			const double a = alpha / 255.0;
			for (std::size_t k = 0; k < 3; ++k)
			{
				const double over =
				    a * surfax::core::SrgbToLinear(image.rgba[p + k] / 255.0) +
				    (1.0 - a) * surfax::core::SrgbToLinear(surfax::render::kPreviewBackground[k] / 255.0);
				ASSERT_NEAR(surfax::core::LinearToSrgb(over) * 255.0, slate.rgba[p + k], 2.0) << "pixel " << p / 4;
			}
		}
	}
	const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "surfax-preview-view";
	std::filesystem::create_directories(dir);
	const std::string a = (dir / "a.png").string(), b = (dir / "b.png").string();
	ASSERT_TRUE(surfax::render::WritePreviewPng(a, scene, options, error)) << error;
	ASSERT_TRUE(surfax::render::WritePreviewPng(b, scene, options, error)) << error;
	EXPECT_TRUE(surfax::test::ReadFileBytes(a) == surfax::test::ReadFileBytes(b));
	Image loaded;
	ASSERT_EQ(surfax::io::LoadPng(a, loaded, error), surfax::io::ImageStatus::Ok) << error;
	EXPECT_TRUE(loaded.rgba == image.rgba);
}

TEST(PreviewView, CameraTextNeedsTwoOrThreeNumbersWithAnElevationInsideTheRightAngle)
{
	ViewAngles view;
	std::string error;
	ASSERT_TRUE(surfax::app::ParseViewAngles("30,20", view, error)) << error;
	EXPECT_EQ(view.azimuth, 30.0f);
	EXPECT_EQ(view.elevation, 20.0f);
	EXPECT_EQ(view.distance, 0.0f);
	ASSERT_TRUE(surfax::app::ParseViewAngles("-400.5,+89.5,1e3", view, error)) << error;
	EXPECT_EQ(view.azimuth, -400.5f);
	EXPECT_EQ(view.elevation, 89.5f);
	EXPECT_EQ(view.distance, 1000.0f);
	for (const char* bad : {"", "30", "30,", ",20", "30,20,", "30,20,0", "30,20,-5", "30,90", "30,-90", "30,20,5,6",
	                        "a,b", "30;20", "nan,20", "inf,20", "30, 20"})
	{
		ViewAngles unchanged{1.0f, 2.0f, 3.0f};
		error.clear();
		EXPECT_FALSE(surfax::app::ParseViewAngles(bad, unchanged, error)) << bad;
		EXPECT_FALSE(error.empty()) << bad;
		EXPECT_EQ(unchanged.azimuth, 1.0f) << bad;
		EXPECT_EQ(unchanged.distance, 3.0f) << bad;
	}
}

TEST(PreviewView, BackgroundTextIsANameOrHexDigits)
{
	std::uint8_t rgba[4] = {9, 9, 9, 9};
	std::string error;
	ASSERT_TRUE(surfax::app::ParseBackground("#FF8000", rgba, error)) << error;
	EXPECT_EQ(rgba[0], 255);
	EXPECT_EQ(rgba[1], 128);
	EXPECT_EQ(rgba[2], 0);
	EXPECT_EQ(rgba[3], 255);
	ASSERT_TRUE(surfax::app::ParseBackground("10203040", rgba, error)) << error;
	EXPECT_EQ(rgba[0], 0x10);
	EXPECT_EQ(rgba[3], 0x40);
	ASSERT_TRUE(surfax::app::ParseBackground("White", rgba, error)) << error;
	EXPECT_EQ(rgba[2], 255);
	ASSERT_TRUE(surfax::app::ParseBackground("slate", rgba, error)) << error;
	EXPECT_TRUE(std::equal(rgba, rgba + 4, surfax::render::kPreviewBackground));
	for (const char* bad : {"", "#", "#12345", "#1234567", "#GG0000", "red!", "transparentish", "#123456789"})
	{
		std::uint8_t unchanged[4] = {1, 2, 3, 4};
		EXPECT_FALSE(surfax::app::ParseBackground(bad, unchanged, error)) << bad;
		EXPECT_EQ(unchanged[0], 1) << bad;
		EXPECT_EQ(unchanged[3], 4) << bad;
	}
}
