// surfax-host plot writing videos: each frame of a video is the picture the PNG preview gives, --orbit turns the camera
// over the frames, the same command gives the same bytes, what a format cannot hold is refused before anything is
// evaluated, an interrupted video leaves the old file, and the progress line's words.
#include "app/frame_progress.h"
#include "host/image/image.h"
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"
#include "support/video_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using surfax::io::Image;
using surfax::test::HostRun;
using surfax::test::RunHost;

namespace
{
class VideoOutput : public testing::Test
{
protected:
	void SetUp() override
	{
		if (!fs::exists(surfax::test::PluginFolder("surfax")))
			GTEST_SKIP() << "the Surfax plug-in is not built";
		dir = surfax::test::MakeTestFolder("surfax-video-output");
	}
	void TearDown() override
	{
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}

	HostRun Plot(std::vector<std::string> args, const std::string& prefix = {}) const
	{
		args.insert(args.begin(), "plot");
		return RunHost(dir, args, prefix);
	}

	Image Png(const std::string& name) const
	{
		Image image;
		std::string message;
		EXPECT_EQ(surfax::io::LoadPng((dir / name).string(), image, message), surfax::io::ImageStatus::Ok) << message;
		return image;
	}

	std::string Path(const std::string& name) const { return (dir / name).string(); }

	fs::path dir;
};

const std::string kWave = "Sin(x + t * 1440) * Cos(z)";
} // namespace

TEST_F(VideoOutput, EveryVideoFrameIsThePictureOfThePngPreview)
{
	const HostRun run = Plot({kWave, "--frames", "0..19", "--size", "320x240", "-o", "a.mp4", "-o", "a.gif", "-o",
	                          "a.png", "-o", "a.webp", "--video-quality", "100", "-o", "b.mp4"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	// --video-quality 100 made b.mp4 and the WebP; a.mp4 is at the default quality.
	const HostRun defaults = Plot({kWave, "--frames", "0..19", "--size", "320x240", "-o", "a.mp4"});
	ASSERT_EQ(defaults.exitCode, 0) << defaults.err;

	const Image png = Png("a-0010.png");
	std::string error;
	surfax::render::Yuv420Picture expected, decoded;
	ASSERT_TRUE(surfax::render::PictureToYuv420(png, false, expected, error)) << error;
	ASSERT_TRUE(surfax::test::DecodeYuvFrame(Path("a.mp4"), 10, decoded, error)) << error;
	const double mp4 = surfax::test::Psnr(expected, decoded);
	EXPECT_GE(mp4, 38.0) << "PSNR over Y, U and V at the default quality";
	RecordProperty("mp4_psnr_db", std::to_string(mp4));
	ASSERT_TRUE(surfax::test::DecodeYuvFrame(Path("b.mp4"), 10, decoded, error)) << error;
	EXPECT_EQ(surfax::test::Psnr(expected, decoded), std::numeric_limits<double>::infinity())
	    << "quality 100 is lossless H.264";
	// Not just any frame: frame 10 is far from frame 0.
	ASSERT_TRUE(surfax::render::PictureToYuv420(Png("a-0000.png"), false, expected, error)) << error;
	EXPECT_LT(surfax::test::Psnr(expected, decoded), mp4 - 10.0);

	Image gif;
	ASSERT_TRUE(surfax::test::DecodeRgbaFrame(Path("a.gif"), 10, gif, error)) << error;
	EXPECT_GE(surfax::test::Psnr(png, gif), 30.0) << "256 colours with an ordered dither";
	RecordProperty("gif_psnr_db", std::to_string(surfax::test::Psnr(png, gif)));
	surfax::test::WebpAnimation webp;
	ASSERT_TRUE(surfax::test::ReadWebpAnimation(Path("a.webp"), webp, error)) << error;
	ASSERT_EQ(webp.frames.size(), 20u);
	EXPECT_TRUE(webp.frames[10].rgba == png.rgba) << "the lossless WebP holds the PNG's pixels";
}

TEST_F(VideoOutput, TheDoneCommandsMakeVideosFfprobeReadsToTheLastFrame)
{
	if (!surfax::test::HasProgram("ffprobe"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("ffmpeg", "ffprobe");
	HostRun run = Plot({kWave, "--frames", "0..89", "-o", "wave.mp4", "--size", "320x240"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	run = Plot({"--frames", "0..119", "--orbit", "360", "-o", "turn.gif", "-o", "turn.webm", "--size", "160x120"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	struct Case
	{
		const char* name;
		const char* codec;
		const char* frames;
		double seconds;
	};
	for (const Case& c : {Case{"wave.mp4", "h264", "90", 3.0}, Case{"turn.gif", "gif", "120", 4.0},
	                      Case{"turn.webm", "vp9", "120", 4.0}})
	{
		SCOPED_TRACE(c.name);
		const auto probe = surfax::test::ProbeVideo(Path(c.name));
		ASSERT_FALSE(probe.empty());
		EXPECT_EQ(probe.at("codec_name"), c.codec);
		EXPECT_EQ(probe.at("nb_read_frames"), c.frames);
		EXPECT_EQ(probe.at("avg_frame_rate"), "30/1") << "the document's frame rate";
		// GIF counts in hundredths of a second: 3.33 frames of 1/30 s round to 3 or 4.
		EXPECT_NEAR(std::atof(probe.at("duration").c_str()), c.seconds, 0.015);
	}
	EXPECT_EQ(surfax::test::FilesIn(dir), (std::vector<std::string>{"turn.gif", "turn.webm", "wave.mp4"}));
}

TEST_F(VideoOutput, ChromiumPlaysTheMp4AndTheWebmToTheirLastFrame)
{
	if (!surfax::test::HasProgram("chromium"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("chromium", "chromium");
	if (!surfax::test::HasProgram("node"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("nodejs", "node");
	const HostRun run = Plot({kWave, "--frames", "0..89", "--size", "160x120", "-o", "wave.mp4", "-o", "wave.webm"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	// Each video in a <video> element, sought to its last frame; the page puts what the elements say in its title and
	// reports itself loaded (data-surfax-state), which tests/tools/chart_page_check.js waits for.
	std::ofstream(dir / "videos.html") << R"(<html><body><div id="caption">videos</div><script>
const results = {};
for (const name of ['wave.mp4', 'wave.webm']) {
	const video = document.createElement('video');
	video.muted = true;
	video.preload = 'auto';
	const done = (text) => {
		results[name] = text;
		document.title = JSON.stringify(results);
		if (Object.keys(results).length === 2)
			document.documentElement.setAttribute('data-surfax-state', 'loaded');
	};
	video.addEventListener('loadedmetadata', () => { video.currentTime = 2.95; });
	video.addEventListener('seeked', () =>
		done(video.duration + ' ' + video.videoWidth + 'x' + video.videoHeight + ' ' + video.readyState));
	video.addEventListener('error', () => done('error'));
	video.src = name;
	document.body.appendChild(video);
}
</script></body></html>)";
	const std::string command =
	    "node " + surfax::test::Quote(std::string(SURFAX_SOURCE_DIR) + "/tests/tools/chart_page_check.js") +
	    " \"$(command -v chromium)\" " + surfax::test::Quote(Path("videos.html")) + " " +
	    surfax::test::Quote(Path("shot.png")) + " > " + surfax::test::Quote(Path("report.txt")) + " 2>&1";
	EXPECT_EQ(std::system(command.c_str()), 0);
	const std::string report = surfax::test::ReadText(dir / "report.txt");
	// 90 frames at 30 per second: 3 s, 160x120, and enough data to play (readyState 4) at the last frame.
	EXPECT_NE(report.find(R"("wave.mp4":"3 160x120 4")"), std::string::npos) << report;
	EXPECT_NE(report.find(R"("wave.webm":"3 160x120 4")"), std::string::npos) << report;
}

TEST_F(VideoOutput, OrbitTurnsTheCameraAFullTurnWithoutShowingTheFirstPictureTwice)
{
	// A still chart and a camera at a set distance: frame k of 8 is the picture from azimuth 35 + 45 k.
	HostRun run = Plot({"Sin(x) * Cos(z)", "--with", "mesh", "--frames", "0..7", "--orbit", "360", "--camera",
	                    "35,28,1200", "--size", "64x48", "-o", "o.png"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	run = Plot({"Sin(x) * Cos(z)", "--with", "mesh", "--camera", "215,28,1200", "--size", "64x48", "-o", "half.png"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	run = Plot({"Sin(x) * Cos(z)", "--with", "mesh", "--camera", "350,28,1200", "--size", "64x48", "-o", "last.png"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_TRUE(Png("o-0004.png").rgba == Png("half.png").rgba) << "the middle frame looks from the other side";
	EXPECT_TRUE(Png("o-0007.png").rgba == Png("last.png").rgba) << "the last frame is one step short of a full turn";
	EXPECT_FALSE(Png("o-0004.png").rgba == Png("o-0000.png").rgba);
	EXPECT_FALSE(Png("o-0007.png").rgba == Png("o-0000.png").rgba);

	run = Plot({"--orbit", "360", "-o", "x.mp4"});
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("--orbit: the camera turns over the frames of an animation: give --frames A..B"),
	          std::string::npos)
	    << run.err;
	run = Plot({"--frames", "0..3", "--orbit", "a lot", "-o", "x.mp4"});
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("expected the degrees the camera turns"), std::string::npos) << run.err;
}

TEST_F(VideoOutput, TheSameCommandGivesTheSameBytes)
{
	const std::vector<std::string> args = {kWave, "--frames", "0..5", "--size", "96x64", "-o",    "a.mp4",
	                                       "-o",  "a.webm",   "-o",   "a.gif",  "-o",    "a.webp"};
	ASSERT_EQ(Plot(args).exitCode, 0);
	std::vector<std::string> first;
	for (const char* name : {"a.mp4", "a.webm", "a.gif", "a.webp"})
		first.push_back(surfax::test::ReadText(dir / name));
	ASSERT_EQ(Plot(args).exitCode, 0);
	int k = 0;
	for (const char* name : {"a.mp4", "a.webm", "a.gif", "a.webp"})
		EXPECT_TRUE(surfax::test::ReadText(dir / name) == first[k++]) << name;
}

TEST_F(VideoOutput, WhatAVideoCannotHoldIsRefusedBeforeAnythingIsEvaluated)
{
	HostRun run = Plot({"--frames", "0..3", "--background", "transparent", "-o", "a.png", "-o", "a.mp4"});
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("-o a.mp4: H.264 in .mp4 has no transparency"), std::string::npos) << run.err;
	run = Plot({"--size", "101x60", "-o", "a.webm"});
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("-o a.webm: .webm needs an even width and height"), std::string::npos) << run.err;
	run = Plot({"--video-quality", "101", "-o", "a.webp"});
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_NE(run.err.find("--video-quality"), std::string::npos) << run.err;
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{}) << "nothing written";

	// A transparent background is kept where the format has alpha; one frame is a video of one frame.
	run = Plot({"--background", "transparent", "--size", "64x48", "-o", "t.webp", "-o", "t.gif"});
	ASSERT_EQ(run.exitCode, 0) << run.err;
	surfax::test::WebpAnimation webp;
	std::string error;
	ASSERT_TRUE(surfax::test::ReadWebpAnimation(Path("t.webp"), webp, error)) << error;
	ASSERT_EQ(webp.frames.size(), 1u);
	EXPECT_EQ(webp.frames[0].rgba[3], 0) << "a clear corner";
	Image gif;
	ASSERT_TRUE(surfax::test::DecodeRgbaFrame(Path("t.gif"), 0, gif, error)) << error;
	EXPECT_EQ(gif.rgba[3], 0) << "a clear corner";
}

TEST_F(VideoOutput, AnInterruptedVideoLeavesTheOldFileAndNoTemporary)
{
	std::ofstream(dir / "v.mp4") << "old";
	// One SIGINT after a second, long before 100000 frames are done. --foreground: without it timeout sends the signal
	// to the program and then to its whole process group again, and a second request ends the program at once, by
	// design without a word.
	const HostRun run = Plot({"--frames", "0..99999", "--size", "32x24", "-o", "v.mp4"},
	                         "timeout --foreground --preserve-status -s INT 1 ");
	EXPECT_EQ(run.exitCode, 130) << run.err;
	EXPECT_NE(run.err.find("interrupted"), std::string::npos) << run.err;
	EXPECT_EQ(surfax::test::ReadText(dir / "v.mp4"), "old");
	EXPECT_EQ(surfax::test::FilesIn(dir), std::vector<std::string>{"v.mp4"});
}

// FFmpeg's libraries are the video module's: the program itself starts without them (the dynamic loader lists what
// it maps at start-up and stops), so a run without a video neither waits for them nor needs their address space.
TEST_F(VideoOutput, TheProgramStartsWithoutFfmpegsLibraries)
{
	const HostRun run = Plot({"-o", "a.png"}, "LD_TRACE_LOADED_OBJECTS=1 ");
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_NE(run.out.find("libsurfaxhost.so"), std::string::npos) << run.out;
	EXPECT_EQ(run.out.find("libavcodec"), std::string::npos) << run.out;
	EXPECT_EQ(run.out.find("libavformat"), std::string::npos) << run.out;
	EXPECT_FALSE(fs::exists(dir / "a.png")) << "the loader only lists";
}

TEST(FrameProgress, SaysFramesDoneTheRateAndTheTimeLeft)
{
	using surfax::app::FrameProgressText;
	EXPECT_EQ(FrameProgressText(0, 90, 0.0), "0 of 90 frames");
	EXPECT_EQ(FrameProgressText(30, 90, 10.0), "30 of 90 frames, 3.0 frames/s, 20 s left");
	EXPECT_EQ(FrameProgressText(10, 1000, 4.0), "10 of 1000 frames, 2.5 frames/s, 6 min 36 s left");
	EXPECT_EQ(FrameProgressText(1, 20000, 1.0), "1 of 20000 frames, 1.0 frames/s, 5 h 33 min left");
	EXPECT_EQ(FrameProgressText(90, 90, 3.66), "90 of 90 frames in 3.7 s, 24.6 frames/s");
}
