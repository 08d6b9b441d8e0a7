// The seam between the video writer (video_writer.h) and its encoders. The encoders are made with FFmpeg's libraries,
// which pull in some 170 shared libraries (codecs, TLS, hardware acceleration) and some 150 MiB of address space: they
// live in a module of their own beside the host library (host/video, libsurfaxvideo.so) that is loaded the first time
// a run writes a video, so that a run without one starts as fast as before and never maps them. The module exports one
// function, named by kVideoModuleEntry, that answers a VideoModule; the writer keeps the thread, the file and the
// checks, the module only turns pictures into a file's bytes.
//
// Host and module come from the same build (the same compiler and standard library), which is what lets C++ types
// cross: a module of another build is refused by its interface version and the sizes it was built with.
#ifndef SURFAX_HOST_RENDER_VIDEO_ENCODER_H
#define SURFAX_HOST_RENDER_VIDEO_ENCODER_H

#include "host/image/image.h"
#include "host/render/video_writer.h"

#include <cstddef>
#include <memory>
#include <string>

namespace surfax::render
{
/// One video being encoded into one file. Used from one thread at a time (the writer hands it between its own thread
/// and the caller's, never to both at once).
class VideoEncoder
{
public:
	/// Closes the file if it is still open (what was written stays for the caller to remove).
	virtual ~VideoEncoder() = default;
	/// Sets up the encoder and the container for `options` (already checked) and opens `fileName` for writing by its
	/// name: the mp4 muxer reopens the file to move its index to the front. False with `error`, a phrase without the
	/// file's name.
	virtual bool Open(const std::string& fileName, const VideoOptions& options, std::string& error) = 0;
	/// Encodes the next picture (RGBA, the options' size, well formed). False with `error`.
	virtual bool Encode(const io::Image& picture, std::string& error) = 0;
	/// Encodes what the codec still holds, writes the container's end and closes the file. False with `error`.
	virtual bool Finish(std::string& error) = 0;
};

/// What the module offers.
struct VideoModule
{
	int interfaceVersion;                           // kVideoInterfaceVersion of the module's build
	std::size_t optionsSize;                        // sizeof(VideoOptions) in the module's build
	std::size_t encoderSize;                        // sizeof(VideoEncoder) in the module's build
	std::unique_ptr<VideoEncoder> (*makeEncoder)(); // nullptr when out of memory
	/// PictureToYuv420 (video_writer.h), done by the same converter as the encoders'.
	bool (*pictureToYuv420)(const io::Image& picture, bool alpha, Yuv420Picture& out, std::string& error);
};

/// Changes whenever VideoEncoder or VideoModule change.
constexpr int kVideoInterfaceVersion = 1;
/// The module's one exported function: `extern "C" const VideoModule* SurfaxVideoModule()`.
constexpr const char* kVideoModuleEntry = "SurfaxVideoModule";
using VideoModuleEntry = const VideoModule* (*)();

/// The module beside the host library, loaded on the first call and kept for the life of the process (encoders'
/// code is the module's; it is never unloaded). Checked before the dynamic loader sees it (core/library_file.h) and
/// only when there is address space for FFmpeg's libraries (their constructors do not survive running short). Nullptr
/// with `error` naming the module's file and what to do; a later call tries again.
const VideoModule* LoadVideoModule(std::string& error);
/// The same for the module at `file` (tests load a module that is not there, or a library that is no module).
const VideoModule* LoadVideoModuleFrom(const std::string& file, std::string& error);
} // namespace surfax::render

#endif
