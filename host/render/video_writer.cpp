#include "host/render/video_writer.h"

#include "host/core/interruption.h"
#include "host/core/library_file.h"
#include "host/core/memory.h"
#include "host/core/output_file.h"
#include "host/render/rasterizer.h"
#include "host/render/video_encoder.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

namespace surfax::render
{
namespace
{
constexpr int kMaxFps = 1000;

// The address space the module takes with FFmpeg's libraries when it is loaded (229 MiB here), and a little for the
// encoder's start. When this much cannot be had, the run says it is out of memory instead of naming whichever of the
// some 170 libraries did not fit, and no library's constructor runs short (GnuTLS's ends the process when its own
// allocations fail).
constexpr std::size_t kVideoModuleRoom = std::size_t(256) << 20;
// A codec whose own allocation fails says "Generic error in an external library"; when not even this much address
// space is left right after a failure, the message adds that memory ran out.
constexpr std::size_t kEncoderRoom = std::size_t(64) << 20;

const char* ExtensionOf(VideoFormat format)
{
	switch (format)
	{
	case VideoFormat::Mp4:
		return ".mp4";
	case VideoFormat::Webm:
		return ".webm";
	case VideoFormat::Gif:
		return ".gif";
	case VideoFormat::Webp:
		break;
	}
	return ".webp";
}

bool WellFormed(const io::Image& picture)
{
	return picture.width > 0 && picture.height > 0 &&
	       picture.rgba.size() == std::size_t(picture.width) * std::size_t(picture.height) * 4;
}

std::int64_t PictureBytes(const VideoOptions& options)
{
	return std::int64_t(options.width) * options.height * 4;
}

std::string WithMemoryNote(const std::string& error)
{
	return core::RoomFor(kEncoderRoom) ? error : error + " (out of memory)";
}

// The folder of the host library, where the build puts the module.
std::string HostLibraryFolder()
{
	Dl_info info{};
	if (dladdr(reinterpret_cast<const void*>(&LoadVideoModule), &info) == 0 || info.dli_fname == nullptr)
		return {};
	return std::filesystem::absolute(info.dli_fname).parent_path().string();
}
} // namespace

bool VideoFormatOfPath(const std::string& path, VideoFormat& format)
{
	const std::string ext = core::OutputExtension(path);
	for (const VideoFormat candidate : {VideoFormat::Mp4, VideoFormat::Webm, VideoFormat::Gif, VideoFormat::Webp})
	{
		if (ext == ExtensionOf(candidate))
		{
			format = candidate;
			return true;
		}
	}
	return false;
}

CodecQuality QualityFor(int quality)
{
	const int q = std::clamp(quality, kMinVideoQuality, kMaxVideoQuality);
	CodecQuality codec;
	codec.x264Crf = 9.0 * (100 - q) / 10.0;
	codec.vp9Crf = static_cast<int>(std::lround(12.0 * (100 - q) / 10.0));
	codec.webpQuality = static_cast<float>(q);
	codec.webpLossless = q == kMaxVideoQuality;
	return codec;
}

bool CheckVideoOptions(const VideoOptions& options, std::string& error)
{
	if (options.width < 1 || options.height < 1 || options.width > kMaxPreviewSide || options.height > kMaxPreviewSide)
	{
		error = "a video needs a size of 1 to " + std::to_string(kMaxPreviewSide) + " pixels a side";
		return false;
	}
	if ((options.format == VideoFormat::Mp4 || options.format == VideoFormat::Webm) &&
	    (options.width % 2 != 0 || options.height % 2 != 0))
	{
		error = std::string(ExtensionOf(options.format)) +
		        " needs an even width and height (its colour planes are half the size), not " +
		        std::to_string(options.width) + "x" + std::to_string(options.height) + ": try " +
		        std::to_string(options.width + options.width % 2) + "x" +
		        std::to_string(options.height + options.height % 2);
		return false;
	}
	if (options.alpha && options.format == VideoFormat::Mp4)
	{
		error = "H.264 in .mp4 has no transparency: give an opaque --background, or write .webm, .webp or .gif";
		return false;
	}
	if (options.fps < 1 || options.fps > kMaxFps)
	{
		error = "a video needs a frame rate of 1 to " + std::to_string(kMaxFps) + " frames per second, not " +
		        std::to_string(options.fps);
		return false;
	}
	if (options.quality < kMinVideoQuality || options.quality > kMaxVideoQuality)
	{
		error = "the video quality goes from " + std::to_string(kMinVideoQuality) + " to " +
		        std::to_string(kMaxVideoQuality) + ", not " + std::to_string(options.quality);
		return false;
	}
	if (options.format == VideoFormat::Gif && options.frameCount > kMaxGifPictureBytes / PictureBytes(options))
	{
		error = "a .gif keeps every frame in memory until its palette is made: at most " +
		        std::to_string(kMaxGifPictureBytes / PictureBytes(options)) + " frames of " +
		        std::to_string(options.width) + "x" + std::to_string(options.height) +
		        " (choose fewer frames or a smaller size)";
		return false;
	}
	return true;
}

const VideoModule* LoadVideoModuleFrom(const std::string& file, std::string& error)
{
	const std::string cannot = file + ": the video module cannot be loaded: ";
	if (std::string why; !core::CheckLibraryFile(file, why))
	{
		error = cannot + why + " (build the target surfaxvideo, or write pictures instead of a video)";
		return nullptr;
	}
	if (!core::RoomFor(kVideoModuleRoom))
	{
		error = cannot + "out of memory (FFmpeg's libraries need some " + std::to_string(kVideoModuleRoom >> 20) +
		        " MiB of address space)";
		return nullptr;
	}
	void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (handle == nullptr)
	{
		const char* why = dlerror();
		error = cannot + (why != nullptr ? why : "unknown error");
		return nullptr;
	}
	const auto entry = reinterpret_cast<VideoModuleEntry>(dlsym(handle, kVideoModuleEntry));
	const VideoModule* module = entry != nullptr ? entry() : nullptr;
	if (module == nullptr)
		error = cannot + "it exports no " + kVideoModuleEntry;
	else if (module->interfaceVersion != kVideoInterfaceVersion || module->optionsSize != sizeof(VideoOptions) ||
	         module->encoderSize != sizeof(VideoEncoder))
		error = cannot + "it comes from another build of the host (build the target surfaxvideo again)";
	else
		return module; // kept loaded: its encoders' code lives there
	dlclose(handle);
	return nullptr;
}

const VideoModule* LoadVideoModule(std::string& error)
{
	static std::mutex mutex;
	static const VideoModule* loaded = nullptr;
	std::lock_guard lock(mutex);
	if (loaded == nullptr)
		loaded = LoadVideoModuleFrom((std::filesystem::path(HostLibraryFolder()) / SURFAX_VIDEO_MODULE_FILE).string(),
		                             error);
	return loaded;
}

bool PictureToYuv420(const io::Image& picture, bool alpha, Yuv420Picture& out, std::string& error)
{
	if (!WellFormed(picture))
	{
		error = "the picture is empty or its pixels do not match its size";
		return false;
	}
	const VideoModule* module = LoadVideoModule(error);
	return module != nullptr && module->pictureToYuv420(picture, alpha, out, error);
}

// --- The writer ------------------------------------------------------------------------------------------------------

struct VideoWriter::State
{
	std::string path;
	VideoOptions options;
	std::unique_ptr<core::OutputFile> file;
	// Touched by the encoding thread while it runs, by the caller's thread otherwise.
	std::unique_ptr<VideoEncoder> encoder;

	// Handing pictures to the encoding thread: one waits while the thread encodes another.
	std::thread worker;
	std::mutex mutex;
	std::condition_variable changed;
	io::Image waiting;
	io::Image encoding;
	bool hasWaiting = false;
	bool stopping = false;
	std::string workerError;

	std::int64_t framesAdded = 0;
	bool opened = false;
	bool finished = false;

	// The encoder's file is closed before the temporary goes.
	~State()
	{
		StopWorker(true);
		encoder.reset();
	}

	// Lets the encoding thread finish the picture it encodes and, unless `dropWaiting` (the video is abandoned), the
	// one waiting, then ends it.
	void StopWorker(bool dropWaiting)
	{
		if (!worker.joinable())
			return;
		{
			std::unique_lock lock(mutex);
			if (dropWaiting)
				hasWaiting = false;
			changed.wait(lock, [&] { return !hasWaiting; });
			stopping = true;
		}
		changed.notify_all();
		worker.join();
	}

	void RunWorker();
};

void VideoWriter::State::RunWorker()
{
	std::unique_lock lock(mutex);
	for (;;)
	{
		changed.wait(lock, [&] { return hasWaiting || stopping; });
		if (!hasWaiting)
			return;
		std::swap(waiting, encoding);
		hasWaiting = false;
		changed.notify_all();
		if (!workerError.empty())
			continue; // after a failure the rest is dropped; the caller hears of it at its next call
		lock.unlock();
		std::string error;
		const bool encoded = encoder->Encode(encoding, error);
		lock.lock();
		if (!encoded)
			workerError = WithMemoryNote(error);
	}
}

VideoWriter::VideoWriter() = default;
VideoWriter::~VideoWriter() = default;

std::int64_t VideoWriter::FrameCount() const
{
	return _state ? _state->framesAdded : 0;
}

bool VideoWriter::Open(const std::string& path, const VideoOptions& options, std::string& error)
{
	if (_state)
	{
		error = path + ": the video writer was opened before";
		return false;
	}
	_state = std::make_unique<State>();
	State& s = *_state;
	s.path = path;
	s.options = options;
	if (!CheckVideoOptions(options, error))
	{
		error = path + ": " + error;
		return false;
	}
	const VideoModule* module = LoadVideoModule(error);
	if (module == nullptr)
	{
		error = path + ": " + error;
		return false;
	}
	s.encoder = module->makeEncoder();
	if (s.encoder == nullptr)
	{
		error = path + ": out of memory";
		return false;
	}
	s.file = std::make_unique<core::OutputFile>(path);
	if (!s.file->IsOpen())
		return s.file->Commit(error); // says why the temporary could not be made
	if (!s.encoder->Open(s.file->TemporaryPath(), options, error))
	{
		error = path + ": " + WithMemoryNote(error);
		return false;
	}
	if (options.encodeInBackground)
	{
		try
		{
			s.worker = std::thread([&s] { s.RunWorker(); });
		}
		catch (const std::system_error&)
		{
			// No thread to be had (memory is short): the caller's thread encodes, to the same bytes.
		}
	}
	s.opened = true;
	return true;
}

bool VideoWriter::AddFrame(io::Image& picture, std::string& error)
{
	if (!_state || !_state->opened || _state->finished)
	{
		error = "the video is not open";
		return false;
	}
	State& s = *_state;
	if (core::InterruptionSignal() != 0)
	{
		error = core::CannotWrite(s.path, EINTR);
		return false;
	}
	if (!WellFormed(picture) || picture.width != s.options.width || picture.height != s.options.height)
	{
		error = s.path + ": a frame of " + std::to_string(picture.width) + "x" + std::to_string(picture.height) +
		        " in a video of " + std::to_string(s.options.width) + "x" + std::to_string(s.options.height);
		return false;
	}
	if (s.options.format == VideoFormat::Gif && (s.framesAdded + 1) > kMaxGifPictureBytes / PictureBytes(s.options))
	{
		VideoOptions tooMany = s.options;
		tooMany.frameCount = s.framesAdded + 1;
		CheckVideoOptions(tooMany, error);
		error = s.path + ": " + error;
		return false;
	}
	++s.framesAdded;
	if (!s.worker.joinable())
	{
		if (s.encoder->Encode(picture, error))
			return true;
		error = s.path + ": " + WithMemoryNote(error);
		return false;
	}
	std::unique_lock lock(s.mutex);
	s.changed.wait(lock, [&] { return !s.hasWaiting; });
	if (!s.workerError.empty())
	{
		error = s.path + ": " + s.workerError;
		return false;
	}
	std::swap(picture, s.waiting);
	s.hasWaiting = true;
	lock.unlock();
	s.changed.notify_all();
	return true;
}

bool VideoWriter::Finish(std::string& error)
{
	if (!_state || !_state->opened || _state->finished)
	{
		error = "the video is not open";
		return false;
	}
	State& s = *_state;
	s.finished = true;
	s.StopWorker(false);
	if (!s.workerError.empty())
		error = s.path + ": " + s.workerError;
	else if (s.framesAdded == 0)
		error = s.path + ": a video needs at least one frame";
	else if (!s.encoder->Finish(error))
		error = s.path + ": " + WithMemoryNote(error);
	else
		return s.file->Commit(error);
	// The encoder's file is closed before its temporary goes.
	s.encoder.reset();
	s.file.reset();
	return false;
}
} // namespace surfax::render
