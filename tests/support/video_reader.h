// Test support: reading videos back. ffprobe (Debian's ffmpeg) says what a container holds; FFmpeg's libraries
// decode single frames of .mp4, .webm and .gif; libwebp's animation decoder reads .webp (ffprobe 5.1 cannot).
#ifndef SURFAX_TESTS_SUPPORT_VIDEO_READER_H
#define SURFAX_TESTS_SUPPORT_VIDEO_READER_H

#include "host/image/image.h"
#include "host/render/video_writer.h"

#include <map>
#include <string>
#include <vector>

namespace surfax::test
{
/// ffprobe's key=value lines about the first video stream (codec_name, width, height, pix_fmt, avg_frame_rate,
/// nb_read_frames after counting every frame, TAG:..., duration) and the format (format_name), or an empty map
/// when ffprobe cannot read the file. Needs HasProgram("ffprobe").
std::map<std::string, std::string> ProbeVideo(const std::string& path);

/// Frame `index` (from 0) of a .mp4 or .webm as the 4:2:0 planes the stream carries. False with `error`.
bool DecodeYuvFrame(const std::string& path, int index, render::Yuv420Picture& out, std::string& error);

/// Frame `index` of a .gif (or any stream FFmpeg decodes) as RGBA. False with `error`.
bool DecodeRgbaFrame(const std::string& path, int index, io::Image& out, std::string& error);

/// Every frame of an animated .webp as RGBA canvases, with each frame's end time in milliseconds and the loop
/// count. False with `error`.
struct WebpAnimation
{
	std::vector<io::Image> frames;
	std::vector<int> endTimesMs;
	int loopCount = -1;
	int width = 0, height = 0;
};
bool ReadWebpAnimation(const std::string& path, WebpAnimation& out, std::string& error);

/// The peak signal-to-noise ratio in dB of two pictures of the same size, over every sample of the Y, U and V planes
/// together (FFmpeg's psnr "average"); infinity for equal pictures.
double Psnr(const render::Yuv420Picture& a, const render::Yuv420Picture& b);
/// The same over the R, G and B samples of two RGBA pictures.
double Psnr(const io::Image& a, const io::Image& b);
} // namespace surfax::test

#endif
