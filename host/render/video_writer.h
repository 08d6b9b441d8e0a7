// Videos of finished pictures: .mp4 (H.264), .webm (VP9), .gif (one palette built from every frame) and animated
// .webp, encoded and written through FFmpeg's libraries (libavcodec, libavformat, libswscale, libavfilter for the GIF
// palette). The writer takes RGBA pictures (io::Image) one after another, so it does not care how they were drawn.
// The encoders are in a module of their own, loaded by the first Open or PictureToYuv420 (video_encoder.h); what
// needs no encoder (the formats, the checks, the quality scale) works without it.
//
// Every file plays forever in a loop where the format has loops (.gif, .webp), at a constant frame rate; .mp4 has its
// index in front (it streams and plays while loading). H.264 and VP9 carry the pictures in 4:2:0 (yuv420p, with the
// alpha plane yuva420p in .webm), converted by PictureToYuv420 (BT.709 coefficients, limited range); the streams are
// tagged so (BT.709 primaries and matrix, sRGB transfer).
//
// Deterministic: the same pictures and options give the same bytes. The codecs and formats run bit-exact (no library
// version strings, no dates, no random ids; x264's message of its version and options is dropped from the stream),
// every encoder on one thread (x264 threads=1, libvpx without row threading), the GIF palette is dithered with an
// ordered (Bayer) pattern, and a background thread (VideoOptions:: encodeInBackground) changes only when the work is
// done, never the order or the bytes.
//
// Written safely: the file goes to the temporary of a core::OutputFile (libavformat is given the temporary's name,
// since the mp4 muxer reopens its output to move the index to the front) and is renamed into place by Finish. A
// failure, an interruption (host/core/interruption.h) or a writer destroyed before Finish leaves the old file and no
// temporary. Open and Finish must run on the same thread, so that an enclosing core::OutputBatch gathers the file.
#ifndef SURFAX_HOST_RENDER_VIDEO_WRITER_H
#define SURFAX_HOST_RENDER_VIDEO_WRITER_H

#include "host/image/image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace surfax::render
{
enum class VideoFormat
{
	Mp4,  // H.264 (libx264) in MP4
	Webm, // VP9 (libvpx) in WebM
	Gif,  // GIF89a with one 256-colour palette for all frames
	Webp, // animated WebP (libwebp)
};

/// The format of a file name's extension: .mp4, .webm, .gif or .webp (any case). False for any other name.
bool VideoFormatOfPath(const std::string& path, VideoFormat& format);

/// The one quality scale of every format, 0 (smallest file) to 100 (best picture). The default is visually lossless
/// for charts.
constexpr int kMinVideoQuality = 0;
constexpr int kMaxVideoQuality = 100;
constexpr int kDefaultVideoQuality = 80;

/// What a quality means to each codec: x264's CRF = 0.9 · (100 − Q) (80 gives 18, 100 lossless); VP9's CRF =
/// 1.2 · (100 − Q), rounded (80 gives 24); WebP's quality = Q, lossless at 100. GIF has no quality: its palette
/// and dither are fixed.
struct CodecQuality
{
	double x264Crf = 0.0;
	int vp9Crf = 0;
	float webpQuality = 0.0f;
	bool webpLossless = false;
};
CodecQuality QualityFor(int quality);

/// Encoder speeds, the names the codecs give them: x264's preset, and libvpx's cpu-used with the "good" deadline
/// (VP9's default cpu-used of 1 takes about 180 ms a frame of 800x600; 5, the fastest the "good" deadline takes,
/// about 45 % of that for a file a quarter larger; the "realtime" deadline would be faster still at a much larger
/// file).
constexpr const char* kX264Preset = "medium";
constexpr int kVp9CpuUsed = 5;

/// The most pixel bytes a GIF keeps: its palette is built from every frame before the first can be written, so all
/// frames wait in memory as 4 bytes a pixel (1 GiB: 559 frames of 800x600).
constexpr std::int64_t kMaxGifPictureBytes = std::int64_t(1) << 30;

struct VideoOptions
{
	VideoFormat format = VideoFormat::Mp4;
	int width = 0; // of every picture, in pixels
	int height = 0;
	int fps = 30; // frames per second, 1 to 1000
	int quality = kDefaultVideoQuality;
	/// Keep the pictures' alpha (a transparent background): yuva420p in .webm, the alpha channel in .webp, one
	/// transparent palette entry in .gif (alpha below 128 is transparent). .mp4 has no alpha: refused.
	bool alpha = false;
	/// How many frames will come, when known (0: unknown). A GIF of more pixel bytes than kMaxGifPictureBytes is
	/// refused by CheckVideoOptions and Open; without a count the bound is checked as frames arrive.
	std::int64_t frameCount = 0;
	/// Encode on a thread of the writer's own, so that the caller draws the next picture while this one is encoded.
	/// The bytes are the same either way.
	bool encodeInBackground = true;
};

/// Checks what can be checked before any picture is drawn: a size of 1 to 8192 per side and even for .mp4 and
/// .webm (4:2:0 halves the colour planes: an odd size is refused, not padded), no alpha for .mp4, a frame rate of
/// 1 to 1000, a quality of 0 to 100 and a GIF within kMaxGifPictureBytes. False with `error` saying what to change
/// (no file name in it).
bool CheckVideoOptions(const VideoOptions& options, std::string& error);

/// A picture in the 4:2:0 planes the H.264 and VP9 streams carry, rows without padding: y is width x height,
/// u and v (width + 1) / 2 x (height + 1) / 2, a (when asked for) width x height.
struct Yuv420Picture
{
	int width = 0, height = 0;
	std::vector<std::uint8_t> y, u, v, a;
};

/// Converts an RGBA picture exactly as the writer does for .mp4 and .webm (libswscale, bit-exact, BT.709 limited
/// range). False with `error` for an empty or malformed picture.
bool PictureToYuv420(const io::Image& picture, bool alpha, Yuv420Picture& out, std::string& error);

class VideoWriter
{
public:
	VideoWriter();
	/// Without a successful Finish: stops the encoding thread, drops what was encoded and removes the temporary.
	~VideoWriter();
	VideoWriter(const VideoWriter&) = delete;
	VideoWriter& operator=(const VideoWriter&) = delete;

	/// Creates the temporary beside path and sets up the encoder and the container (CheckVideoOptions first, then
	/// the encoders' module is loaded if it is not yet). False with `error` ("PATH: reason"); the writer can then only
	/// be destroyed.
	bool Open(const std::string& path, const VideoOptions& options, std::string& error);
	/// Hands over the next picture (width x height of the options, RGBA) by swapping it with a buffer the writer is
	/// done with: `picture` comes back holding an earlier frame's pixels or nothing, ready to be drawn into. With
	/// encodeInBackground this waits only while the previous picture is still being encoded. False with `error`
	/// ("PATH: reason") when the picture has the wrong size, encoding or writing failed (possibly for an earlier
	/// picture, on the encoding thread), a GIF grows past kMaxGifPictureBytes or the process was asked to stop.
	bool AddFrame(io::Image& picture, std::string& error);
	/// Encodes what is still waiting, writes the container's end, closes the file and commits it (renamed into place,
	/// or handed to the enclosing core::OutputBatch). At least one frame must have been added. False with `error`
	/// ("PATH: reason"); the old file at path is then untouched and no temporary is left.
	bool Finish(std::string& error);

	/// Frames handed over so far.
	std::int64_t FrameCount() const;

private:
	struct State;
	std::unique_ptr<State> _state;
};
} // namespace surfax::render

#endif
