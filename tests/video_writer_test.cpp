// Videos: each format holds every frame at the frame rate and size and reads back close to the pictures; the same
// pictures give the same bytes with and without the encoding thread; transparency where the format has it; sizes and
// options a format cannot take are refused before anything is written; a failure or an interruption leaves the old
// file and no temporary.
#include "host/render/video_writer.h"

#include "host/core/interruption.h"
#include "host/plugins/loader.h"
#include "host/render/video_encoder.h"
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"
#include "support/video_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using surfax::io::Image;
using surfax::render::VideoFormat;
using surfax::render::VideoOptions;
using surfax::render::VideoWriter;

namespace
{
// A picture like a chart's: a smooth vertical gradient, a shaded disc that moves with the frame and a thin line; with
// `transparent`, the gradient is left clear (alpha 0) around the disc.
Image Picture(int frame, int width, int height, bool transparent = false)
{
	Image image;
	image.width = width;
	image.height = height;
	image.rgba.resize(std::size_t(width) * height * 4);
	const double cx = width * (0.3 + 0.02 * frame), cy = height * 0.5, radius = height * 0.3;
	for (int y = 0; y < height; ++y)
	{
		for (int x = 0; x < width; ++x)
		{
			std::uint8_t* p = &image.rgba[(std::size_t(y) * width + x) * 4];
			const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
			const double inside = std::clamp((1.0 - d) * radius, 0.0, 1.0); // anti-aliased edge
			const double shade = 1.0 - 0.6 * d * d;
			const double bg[3] = {38 + 40.0 * y / height, 42 + 20.0 * x / width, 50 + 30.0 * y / height};
			const double fg[3] = {230 * shade, 120 * shade + 40, 60 * shade};
			for (int c = 0; c < 3; ++c)
				p[c] = static_cast<std::uint8_t>(std::lround(bg[c] + (fg[c] - bg[c]) * inside));
			p[3] = transparent ? static_cast<std::uint8_t>(std::lround(255 * inside)) : 255;
			if (y == height / 4)
				p[0] = p[1] = p[2] = p[3] = 255;
		}
	}
	return image;
}

class Videos : public ::testing::Test
{
protected:
	void SetUp() override { dir = surfax::test::MakeTestFolder("surfax-video"); }
	void TearDown() override
	{
		surfax::core::ClearInterruption();
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}

	std::string Path(const std::string& name) const { return (dir / name).string(); }

	static VideoOptions Options(VideoFormat format, int width = 64, int height = 48, int fps = 25)
	{
		VideoOptions options;
		options.format = format;
		options.width = width;
		options.height = height;
		options.fps = fps;
		return options;
	}

	// Writes `frames` pictures; true when the file was made.
	static bool Write(const std::string& path, VideoOptions options, int frames, std::string& error,
	                  bool transparent = false)
	{
		VideoWriter writer;
		if (!writer.Open(path, options, error))
			return false;
		for (int k = 0; k < frames; ++k)
		{
			Image picture = Picture(k, options.width, options.height, transparent);
			if (!writer.AddFrame(picture, error))
				return false;
		}
		return writer.Finish(error);
	}

	static bool HaveFfprobe() { return surfax::test::HasProgram("ffprobe"); }

	fs::path dir;
};

#define SKIP_WITHOUT_FFPROBE()                                                                                         \
	if (!HaveFfprobe())                                                                                                \
	GTEST_SKIP() << surfax::test::MissingPackageReason("ffmpeg", "ffprobe")
} // namespace

// --- What the files hold -------------------------------------------------------------------------------------------

TEST_F(Videos, Mp4WebmAndGifHoldEveryFrameAtTheFrameRateAndSizeAsFfprobeReadsThem)
{
	SKIP_WITHOUT_FFPROBE();
	struct Case
	{
		VideoFormat format;
		const char* name;
		const char* codec;
		const char* pixels;
	};
	for (const Case& c :
	     {Case{VideoFormat::Mp4, "a.mp4", "h264", "yuv420p"}, Case{VideoFormat::Webm, "a.webm", "vp9", "yuv420p"},
	      Case{VideoFormat::Gif, "a.gif", "gif", "bgra"}})
	{
		SCOPED_TRACE(c.name);
		std::string error;
		ASSERT_TRUE(Write(Path(c.name), Options(c.format, 64, 48, 25), 30, error)) << error;
		const auto probe = surfax::test::ProbeVideo(Path(c.name));
		EXPECT_EQ(probe.count("codec_name") ? probe.at("codec_name") : "", c.codec);
		EXPECT_EQ(probe.count("nb_read_frames") ? probe.at("nb_read_frames") : "", "30");
		EXPECT_EQ(probe.count("avg_frame_rate") ? probe.at("avg_frame_rate") : "", "25/1");
		EXPECT_EQ(probe.count("width") ? probe.at("width") : "", "64");
		EXPECT_EQ(probe.count("height") ? probe.at("height") : "", "48");
		EXPECT_EQ(probe.count("pix_fmt") ? probe.at("pix_fmt") : "", c.pixels);
		// 30 frames at 25 per second: 1.2 s, the last frame's length included.
		const std::string duration = probe.count("duration") ? probe.at("duration") : "0";
		EXPECT_NEAR(std::atof(duration.c_str()), 1.2, 0.011) << duration;
	}
	EXPECT_EQ(surfax::test::FilesIn(dir), (std::vector<std::string>{"a.gif", "a.mp4", "a.webm"}))
	    << "nothing is left beside the files";
}

TEST_F(Videos, AnMp4HasItsIndexInFrontSoItPlaysWhileItLoads)
{
	std::string error;
	ASSERT_TRUE(Write(Path("a.mp4"), Options(VideoFormat::Mp4), 5, error)) << error;
	const std::string bytes = surfax::test::ReadText(dir / "a.mp4");
	const std::size_t moov = bytes.find("moov"), mdat = bytes.find("mdat");
	ASSERT_NE(moov, std::string::npos);
	ASSERT_NE(mdat, std::string::npos);
	EXPECT_LT(moov, mdat);
	EXPECT_EQ(bytes.find("Lavf"), std::string::npos) << "no library version in a bit-exact file";
	EXPECT_EQ(bytes.find("x264"), std::string::npos) << "nor x264's message of its version and options";
}

TEST_F(Videos, AnAnimatedWebpLoopsForeverWithEveryFrameInMilliseconds)
{
	std::string error;
	VideoOptions options = Options(VideoFormat::Webp, 64, 48, 25);
	ASSERT_TRUE(Write(Path("a.webp"), options, 12, error)) << error;
	surfax::test::WebpAnimation animation;
	ASSERT_TRUE(surfax::test::ReadWebpAnimation(Path("a.webp"), animation, error)) << error;
	EXPECT_EQ(animation.width, 64);
	EXPECT_EQ(animation.height, 48);
	EXPECT_EQ(animation.loopCount, 0) << "0 loops forever";
	ASSERT_EQ(animation.frames.size(), 12u);
	for (std::size_t k = 0; k < animation.endTimesMs.size(); ++k)
		EXPECT_EQ(animation.endTimesMs[k], int(40 * (k + 1))) << "frame " << k;
	if (surfax::test::HasProgram("webpmux"))
	{
		const std::string info = Path("info.txt");
		ASSERT_EQ(std::system(("webpmux -info " + Path("a.webp") + " > " + info).c_str()), 0);
		const std::string text = surfax::test::ReadText(info);
		EXPECT_NE(text.find("Number of frames: 12"), std::string::npos) << text;
		EXPECT_NE(text.find("Loop Count : 0"), std::string::npos) << text;
	}
	else
		ADD_FAILURE() << surfax::test::MissingPackageReason("webp", "webpmux");
}

TEST_F(Videos, DecodedFramesMatchThePicturesAtTheDefaultQuality)
{
	std::string error;
	ASSERT_TRUE(Write(Path("a.mp4"), Options(VideoFormat::Mp4, 160, 120), 12, error)) << error;
	ASSERT_TRUE(Write(Path("a.webm"), Options(VideoFormat::Webm, 160, 120), 12, error)) << error;
	ASSERT_TRUE(Write(Path("a.gif"), Options(VideoFormat::Gif, 160, 120), 12, error)) << error;
	VideoOptions lossless = Options(VideoFormat::Webp, 160, 120);
	lossless.quality = surfax::render::kMaxVideoQuality;
	ASSERT_TRUE(Write(Path("a.webp"), lossless, 12, error)) << error;

	const Image picture = Picture(10, 160, 120);
	surfax::render::Yuv420Picture expected, decoded;
	ASSERT_TRUE(surfax::render::PictureToYuv420(picture, false, expected, error)) << error;
	ASSERT_TRUE(surfax::test::DecodeYuvFrame(Path("a.mp4"), 10, decoded, error)) << error;
	const double mp4 = surfax::test::Psnr(expected, decoded);
	EXPECT_GE(mp4, 38.0);
	ASSERT_TRUE(surfax::test::DecodeYuvFrame(Path("a.webm"), 10, decoded, error)) << error;
	EXPECT_GE(surfax::test::Psnr(expected, decoded), 36.0);
	// The frames differ: frame 10 is not frame 0.
	ASSERT_TRUE(surfax::render::PictureToYuv420(Picture(0, 160, 120), false, expected, error)) << error;
	EXPECT_LT(surfax::test::Psnr(expected, decoded), 30.0);

	Image gif;
	ASSERT_TRUE(surfax::test::DecodeRgbaFrame(Path("a.gif"), 10, gif, error)) << error;
	EXPECT_GE(surfax::test::Psnr(picture, gif), 30.0);
	surfax::test::WebpAnimation webp;
	ASSERT_TRUE(surfax::test::ReadWebpAnimation(Path("a.webp"), webp, error)) << error;
	ASSERT_EQ(webp.frames.size(), 12u);
	EXPECT_EQ(webp.frames[10].rgba, picture.rgba) << "quality 100 is lossless WebP";
}

// --- The same bytes ------------------------------------------------------------------------------------------------

TEST_F(Videos, TheSamePicturesGiveTheSameBytesWithOrWithoutTheEncodingThread)
{
	for (const VideoFormat format : {VideoFormat::Mp4, VideoFormat::Webm, VideoFormat::Gif, VideoFormat::Webp})
	{
		VideoOptions options = Options(format, 96, 64);
		std::string error;
		ASSERT_TRUE(Write(Path("a"), options, 8, error)) << error;
		ASSERT_TRUE(Write(Path("b"), options, 8, error)) << error;
		options.encodeInBackground = false;
		ASSERT_TRUE(Write(Path("c"), options, 8, error)) << error;
		ASSERT_TRUE(Write(Path("d"), options, 8, error)) << error;
		EXPECT_EQ(surfax::test::ReadText(dir / "c"), surfax::test::ReadText(dir / "d")) << int(format);
		const std::string a = surfax::test::ReadText(dir / "a");
		EXPECT_GT(a.size(), 100u);
		EXPECT_EQ(a, surfax::test::ReadText(dir / "b")) << int(format);
		EXPECT_EQ(a, surfax::test::ReadText(dir / "c")) << int(format);
	}
}

// --- Transparency ----------------------------------------------------------------------------------------------------

TEST_F(Videos, ATransparentBackgroundStaysTransparentInWebmWebpAndGif)
{
	SKIP_WITHOUT_FFPROBE();
	std::string error;
	VideoOptions options = Options(VideoFormat::Webm);
	options.alpha = true;
	ASSERT_TRUE(Write(Path("a.webm"), options, 4, error, true)) << error;
	const auto probe = surfax::test::ProbeVideo(Path("a.webm"));
	EXPECT_EQ(probe.count("TAG:alpha_mode") ? probe.at("TAG:alpha_mode") : "", "1");

	options.format = VideoFormat::Webp;
	ASSERT_TRUE(Write(Path("a.webp"), options, 4, error, true)) << error;
	surfax::test::WebpAnimation webp;
	ASSERT_TRUE(surfax::test::ReadWebpAnimation(Path("a.webp"), webp, error)) << error;
	ASSERT_EQ(webp.frames.size(), 4u);
	EXPECT_EQ(webp.frames[2].rgba[3], 0) << "the corner is clear";
	EXPECT_EQ(webp.frames[2].rgba[(std::size_t(24) * 64 + 24) * 4 + 3], 255) << "the disc is opaque";

	options.format = VideoFormat::Gif;
	ASSERT_TRUE(Write(Path("a.gif"), options, 4, error, true)) << error;
	Image gif;
	ASSERT_TRUE(surfax::test::DecodeRgbaFrame(Path("a.gif"), 2, gif, error)) << error;
	EXPECT_EQ(gif.rgba[3], 0) << "the corner is clear";
	EXPECT_EQ(gif.rgba[(std::size_t(24) * 64 + 24) * 4 + 3], 255) << "the disc is opaque";
}

// --- Refusals and failures -----------------------------------------------------------------------------------------

TEST_F(Videos, WhatAFormatCannotTakeIsRefusedBeforeAnythingIsWritten)
{
	struct Case
	{
		VideoOptions options;
		const char* says;
	};
	VideoOptions odd = Options(VideoFormat::Mp4, 65, 48);
	VideoOptions oddWebm = Options(VideoFormat::Webm, 64, 47);
	VideoOptions alpha = Options(VideoFormat::Mp4);
	alpha.alpha = true;
	VideoOptions quality = Options(VideoFormat::Webp);
	quality.quality = 101;
	VideoOptions longGif = Options(VideoFormat::Gif, 8192, 8192);
	longGif.frameCount = 5;
	for (const Case& c :
	     {Case{odd, "needs an even width and height"}, Case{oddWebm, "try 64x48"}, Case{alpha, "has no transparency"},
	      Case{quality, "from 0 to 100"}, Case{longGif, "at most 4 frames of 8192x8192"}})
	{
		std::string error;
		EXPECT_FALSE(surfax::render::CheckVideoOptions(c.options, error));
		EXPECT_NE(error.find(c.says), std::string::npos) << error;
		VideoWriter writer;
		EXPECT_FALSE(writer.Open(Path("x.video"), c.options, error));
		EXPECT_EQ(error.rfind(Path("x.video") + ": ", 0), 0u) << error;
	}
	// Odd sizes are fine where the format has no 4:2:0 planes to halve.
	std::string error;
	EXPECT_TRUE(Write(Path("odd.gif"), Options(VideoFormat::Gif, 65, 47), 2, error)) << error;
	EXPECT_TRUE(Write(Path("odd.webp"), Options(VideoFormat::Webp, 65, 47), 2, error)) << error;
	EXPECT_EQ(surfax::test::FilesIn(dir), (std::vector<std::string>{"odd.gif", "odd.webp"}));
}

TEST_F(Videos, AFailedOrInterruptedVideoLeavesTheOldFileAndNoTemporary)
{
	std::ofstream(dir / "a.mp4") << "old";
	std::string error;
	{
		VideoWriter writer;
		ASSERT_TRUE(writer.Open(Path("a.mp4"), Options(VideoFormat::Mp4), error)) << error;
		Image picture = Picture(0, 64, 48);
		ASSERT_TRUE(writer.AddFrame(picture, error)) << error;
		Image wrong = Picture(0, 32, 48);
		EXPECT_FALSE(writer.AddFrame(wrong, error));
		EXPECT_NE(error.find("a frame of 32x48 in a video of 64x48"), std::string::npos) << error;
	} // destroyed without Finish
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{"a.mp4"});
	EXPECT_EQ(surfax::test::ReadText(dir / "a.mp4"), "old");

	for (const bool inFinish : {false, true})
	{
		VideoWriter writer;
		ASSERT_TRUE(writer.Open(Path("a.mp4"), Options(VideoFormat::Mp4), error)) << error;
		Image picture = Picture(0, 64, 48);
		ASSERT_TRUE(writer.AddFrame(picture, error)) << error;
		surfax::core::RequestInterruption(2);
		Image next = Picture(1, 64, 48);
		if (inFinish)
			EXPECT_FALSE(writer.Finish(error));
		else
			EXPECT_FALSE(writer.AddFrame(next, error));
		EXPECT_NE(error.find("a.mp4: cannot be written (Interrupted system call)"), std::string::npos) << error;
		EXPECT_FALSE(writer.Finish(error));
		surfax::core::ClearInterruption();
	}
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{"a.mp4"});
	EXPECT_EQ(surfax::test::ReadText(dir / "a.mp4"), "old");

	VideoWriter empty;
	ASSERT_TRUE(empty.Open(Path("a.mp4"), Options(VideoFormat::Mp4), error)) << error;
	EXPECT_FALSE(empty.Finish(error));
	EXPECT_NE(error.find("at least one frame"), std::string::npos) << error;
	VideoWriter nowhere;
	EXPECT_FALSE(nowhere.Open(Path("missing/a.gif"), Options(VideoFormat::Gif), error));
	EXPECT_EQ(error, Path("missing/a.gif") + ": cannot be written (No such file or directory)");
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{"a.mp4"});
	EXPECT_EQ(surfax::test::ReadText(dir / "a.mp4"), "old");
}

TEST(VideoFormats, TheExtensionNamesTheFormatInAnyCase)
{
	VideoFormat format = VideoFormat::Webp;
	EXPECT_TRUE(surfax::render::VideoFormatOfPath("out/Chart.MP4", format));
	EXPECT_EQ(format, VideoFormat::Mp4);
	EXPECT_TRUE(surfax::render::VideoFormatOfPath("a.webm", format));
	EXPECT_EQ(format, VideoFormat::Webm);
	EXPECT_TRUE(surfax::render::VideoFormatOfPath("a.Gif", format));
	EXPECT_EQ(format, VideoFormat::Gif);
	EXPECT_TRUE(surfax::render::VideoFormatOfPath("a.webp", format));
	EXPECT_EQ(format, VideoFormat::Webp);
	EXPECT_FALSE(surfax::render::VideoFormatOfPath("a.png", format));
	EXPECT_FALSE(surfax::render::VideoFormatOfPath("mp4", format));
	EXPECT_EQ(surfax::render::QualityFor(80).x264Crf, 18.0);
	EXPECT_EQ(surfax::render::QualityFor(80).vp9Crf, 24);
	EXPECT_TRUE(surfax::render::QualityFor(100).webpLossless);
	EXPECT_FALSE(surfax::render::QualityFor(99).webpLossless);
}

// The encoders live in a module loaded on the first video; a module that is not there, or a library that is none,
// is refused with the file's name and no crash, and the writer then names the video too.
TEST(VideoModule, AMissingModuleOrALibraryThatIsNoneIsRefusedByName)
{
	std::string error;
	EXPECT_EQ(surfax::render::LoadVideoModuleFrom("/nowhere/libsurfaxvideo.so", error), nullptr);
	EXPECT_EQ(error.rfind("/nowhere/libsurfaxvideo.so: the video module cannot be loaded: ", 0), 0u) << error;
	EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

	const auto plugins = surfax::plugins::FindPluginLibraries(surfax::test::PluginFolder("testplug"));
	ASSERT_FALSE(plugins.empty());
	error.clear();
	EXPECT_EQ(surfax::render::LoadVideoModuleFrom(plugins.front(), error), nullptr);
	EXPECT_EQ(error, plugins.front() + ": the video module cannot be loaded: it exports no SurfaxVideoModule");

	// The module beside the host library is the one every video uses, loaded once.
	error.clear();
	const surfax::render::VideoModule* module = surfax::render::LoadVideoModule(error);
	ASSERT_NE(module, nullptr) << error;
	EXPECT_EQ(module->interfaceVersion, surfax::render::kVideoInterfaceVersion);
	EXPECT_EQ(surfax::render::LoadVideoModule(error), module);
}
