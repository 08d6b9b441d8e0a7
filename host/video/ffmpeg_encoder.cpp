// The video encoders of the module libsurfaxvideo.so (render/video_encoder.h): .mp4 (libx264), .webm (libvpx-vp9),
// .gif (a palette from every frame through libavfilter) and animated .webp (libwebp), with libavformat's muxers.
// Everything that makes the bytes the same for the same pictures is here: bit-exact codecs, formats and conversion,
// one encoder thread, x264's processor features without AVX-512, its version message dropped, cleared frame padding.
#include "host/image/image.h"
#include "host/render/video_encoder.h"

extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavcodec/bsf.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/cpu.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

namespace surfax::video
{
namespace
{
using render::CodecQuality;
using render::VideoFormat;
using render::VideoOptions;
using render::Yuv420Picture;

// What each format is made of: the container, the encoder and the pixel format the encoder is given.
struct FormatParts
{
	const char* container;
	const char* encoder;
	AVPixelFormat pixels;      // what the encoder takes
	AVPixelFormat alphaPixels; // the same with alpha
};

FormatParts PartsOf(VideoFormat format)
{
	switch (format)
	{
	case VideoFormat::Mp4:
		return {"mp4", "libx264", AV_PIX_FMT_YUV420P, AV_PIX_FMT_NONE};
	case VideoFormat::Webm:
		return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUVA420P};
	case VideoFormat::Gif:
		return {"gif", "gif", AV_PIX_FMT_PAL8, AV_PIX_FMT_PAL8};
	case VideoFormat::Webp:
		break;
	}
	return {"webp", "libwebp_anim", AV_PIX_FMT_BGRA, AV_PIX_FMT_BGRA};
}

// FFmpeg's messages of errors, kept per thread for the message of the call that failed (encoding may run on the
// writer's thread); everything less than an error stays quiet, as the rest of the program is.
thread_local std::string t_libraryMessage;

void KeepLibraryErrors(void* object, int level, const char* format, va_list args)
{
	if (level > AV_LOG_ERROR)
		return;
	char line[512];
	int printPrefix = 0;
	av_log_format_line2(object, level, format, args, line, sizeof(line), &printPrefix);
	std::string text(line);
	while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
		text.pop_back();
	if (!text.empty())
		t_libraryMessage = text;
}

void RouteLibraryMessages()
{
	static std::once_flag once;
	std::call_once(once, [] { av_log_set_callback(KeepLibraryErrors); });
}

// "what failed (FFmpeg's reason): its last message".
std::string Failure(const std::string& what, int code)
{
	char reason[AV_ERROR_MAX_STRING_SIZE] = {};
	av_strerror(code, reason, sizeof(reason));
	std::string text = what + " failed (" + reason + ")";
	if (!t_libraryMessage.empty())
		text += ": " + t_libraryMessage;
	t_libraryMessage.clear();
	return text;
}

// The processor features x264 may use, in its names, without AVX-512: with its AVX-512 routines x264 164 reads
// bytes it never wrote, and the stream changes with whatever memory held before. Only features the processor has
// are named; elsewhere than x86-64 x264 detects its own (empty).
std::string X264Features()
{
#if defined(__x86_64__)
	const int flags = av_get_cpu_flags();
	const std::pair<int, const char*> features[] = {
	    {AV_CPU_FLAG_MMXEXT, "MMX2"},  {AV_CPU_FLAG_SSE, "SSE"},     {AV_CPU_FLAG_SSE2, "SSE2"},
	    {AV_CPU_FLAG_SSE3, "SSE3"},    {AV_CPU_FLAG_SSSE3, "SSSE3"}, {AV_CPU_FLAG_SSE4, "SSE4.1"},
	    {AV_CPU_FLAG_SSE42, "SSE4.2"}, {AV_CPU_FLAG_AVX, "AVX"},     {AV_CPU_FLAG_FMA3, "FMA3"},
	    {AV_CPU_FLAG_AVX2, "AVX2"},    {AV_CPU_FLAG_BMI1, "BMI1"},   {AV_CPU_FLAG_BMI2, "BMI2"},
	};
	std::string names;
	for (const auto& [flag, name] : features)
	{
		if (flags & flag)
			names += (names.empty() ? "" : ",") + std::string(name);
	}
	return names;
#else
	return {};
#endif
}

bool IsYuv(AVPixelFormat pixels)
{
	return pixels == AV_PIX_FMT_YUV420P || pixels == AV_PIX_FMT_YUVA420P;
}

// RGBA pictures to another pixel format of the same size, bit-exact (the same bytes on every processor): one scaler
// context, made once and used for every frame. RGB to YUV with BT.709 coefficients into limited range.
class PictureConverter
{
public:
	PictureConverter() = default;
	~PictureConverter() { sws_freeContext(_context); }
	PictureConverter(const PictureConverter&) = delete;
	PictureConverter& operator=(const PictureConverter&) = delete;

	bool Setup(int width, int height, AVPixelFormat target, std::string& error)
	{
		_width = width;
		_height = height;
		_context = sws_getContext(width, height, AV_PIX_FMT_RGBA, width, height, target,
		                          SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT | SWS_FULL_CHR_H_INP, nullptr, nullptr,
		                          nullptr);
		if (_context == nullptr)
		{
			error = "no conversion from RGBA to " + std::string(av_get_pix_fmt_name(target));
			return false;
		}
		if (IsYuv(target))
		{
			const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
			sws_setColorspaceDetails(_context, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
		}
		return true;
	}

	void Convert(const io::Image& picture, std::uint8_t* const planes[], const int strides[]) const
	{
		const std::uint8_t* source[1] = {picture.rgba.data()};
		const int sourceStride[1] = {4 * _width};
		sws_scale(_context, source, sourceStride, 0, _height, planes, strides);
	}

private:
	SwsContext* _context = nullptr;
	int _width = 0, _height = 0;
};

// One video of one file through libavcodec and libavformat; GIF frames pass the palette graph first.
class FfmpegEncoder final : public render::VideoEncoder
{
public:
	FfmpegEncoder() = default;
	FfmpegEncoder(const FfmpegEncoder&) = delete;
	FfmpegEncoder& operator=(const FfmpegEncoder&) = delete;
	~FfmpegEncoder() override
	{
		if (container != nullptr && container->pb != nullptr)
			avio_closep(&container->pb);
		avformat_free_context(container);
		avcodec_free_context(&codec);
		av_frame_free(&frame);
		av_frame_free(&filtered);
		av_packet_free(&packet);
		av_bsf_free(&versionFilter);
		avfilter_graph_free(&graph);
	}

	bool Open(const std::string& fileName, const VideoOptions& options, std::string& error) override;
	bool Encode(const io::Image& picture, std::string& error) override;
	bool Finish(std::string& error) override;

private:
	bool SetUpCodec(std::string& error);
	bool SetUpPaletteGraph(std::string& error);
	bool SetUpVersionFilter(std::string& error);
	bool SetUpContainer(const std::string& fileName, std::string& error);
	bool SendFrame(AVFrame* toSend, std::string& error);
	bool PassPacket(bool flush, std::string& error);
	bool WritePacket(std::string& error);
	bool DrainGraph(std::string& error);

	VideoOptions options;
	AVFormatContext* container = nullptr;
	AVCodecContext* codec = nullptr;
	AVStream* stream = nullptr;
	AVFrame* frame = nullptr;    // the picture in the encoder's (for GIF the palette graph's) pixel format
	AVFrame* filtered = nullptr; // GIF: a paletted frame out of the graph
	AVPacket* packet = nullptr;
	AVBSFContext* versionFilter = nullptr; // H.264: drops x264's SEI, which names its version and options
	AVFilterGraph* graph = nullptr;        // GIF: split, palettegen over every frame, paletteuse
	AVFilterContext* graphIn = nullptr;
	AVFilterContext* graphOut = nullptr;
	PictureConverter converter;
	std::int64_t nextPts = 0;
};

bool FfmpegEncoder::Open(const std::string& fileName, const VideoOptions& videoOptions, std::string& error)
{
	options = videoOptions;
	const FormatParts parts = PartsOf(options.format);
	// The format by its name: the temporary's name does not end in the extension.
	if (const int result = avformat_alloc_output_context2(&container, nullptr, parts.container, nullptr); result < 0)
	{
		error = Failure("setting up the container", result);
		return false;
	}
	container->flags |= AVFMT_FLAG_BITEXACT;
	container->url = av_strdup(fileName.c_str());
	const bool ready = container->url != nullptr && SetUpCodec(error) &&
	                   (options.format != VideoFormat::Gif || SetUpPaletteGraph(error)) &&
	                   (options.format != VideoFormat::Mp4 || SetUpVersionFilter(error)) &&
	                   SetUpContainer(fileName, error);
	if (!ready && error.empty())
		error = "out of memory";
	return ready;
}

// Clears the whole of a frame's buffers, padding included: encoders' vector code may read a little past a row's end,
// and bytes left there by earlier allocations must not be able to reach the stream.
void ClearBuffers(AVFrame* frame)
{
	for (AVBufferRef* buffer : frame->buf)
	{
		if (buffer != nullptr)
			std::memset(buffer->data, 0, buffer->size);
	}
}

// The picture is well formed: the writer checked it.
bool ConvertToYuv420(const io::Image& picture, bool alpha, Yuv420Picture& out, std::string& error)
{
	PictureConverter converter;
	if (!converter.Setup(picture.width, picture.height, alpha ? AV_PIX_FMT_YUVA420P : AV_PIX_FMT_YUV420P, error))
		return false;
	const int chromaWidth = (picture.width + 1) / 2, chromaHeight = (picture.height + 1) / 2;
	out.width = picture.width;
	out.height = picture.height;
	out.y.assign(std::size_t(picture.width) * picture.height, 0);
	out.u.assign(std::size_t(chromaWidth) * chromaHeight, 0);
	out.v.assign(out.u.size(), 0);
	out.a.assign(alpha ? out.y.size() : 0, 0);
	std::uint8_t* const planes[4] = {out.y.data(), out.u.data(), out.v.data(), alpha ? out.a.data() : nullptr};
	const int strides[4] = {picture.width, chromaWidth, chromaWidth, alpha ? picture.width : 0};
	converter.Convert(picture, planes, strides);
	return true;
}

bool FfmpegEncoder::SetUpCodec(std::string& error)
{
	const FormatParts parts = PartsOf(options.format);
	const AVCodec* encoder = avcodec_find_encoder_by_name(parts.encoder);
	if (encoder == nullptr)
	{
		error = std::string("this FFmpeg has no ") + parts.encoder + " encoder";
		return false;
	}
	codec = avcodec_alloc_context3(encoder);
	packet = av_packet_alloc();
	frame = av_frame_alloc();
	if (codec == nullptr || packet == nullptr || frame == nullptr)
	{
		error = "out of memory";
		return false;
	}
	codec->width = options.width;
	codec->height = options.height;
	codec->time_base = AVRational{1, options.fps};
	codec->framerate = AVRational{options.fps, 1};
	codec->sample_aspect_ratio = AVRational{1, 1};
	codec->pix_fmt = options.alpha ? parts.alphaPixels : parts.pixels;
	codec->flags |= AV_CODEC_FLAG_BITEXACT;
	codec->thread_count = 1;
	if (container->oformat->flags & AVFMT_GLOBALHEADER)
		codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
	const CodecQuality quality = render::QualityFor(options.quality);
	void* own = codec->priv_data;
	switch (options.format)
	{
	case VideoFormat::Mp4:
		av_opt_set(own, "preset", render::kX264Preset, 0);
		av_opt_set_double(own, "crf", quality.x264Crf, 0);
		if (const std::string features = X264Features(); !features.empty())
			av_opt_set(own, "x264-params", ("asm=" + features).c_str(), 0);
		break;
	case VideoFormat::Webm:
		codec->bit_rate = 0; // constant quality: the CRF alone decides
		av_opt_set_int(own, "crf", quality.vp9Crf, 0);
		av_opt_set_int(own, "deadline", 1000000, 0); // "good"
		av_opt_set_int(own, "cpu-used", render::kVp9CpuUsed, 0);
		av_opt_set_int(own, "row-mt", 0, 0);
		break;
	case VideoFormat::Gif:
		break;
	case VideoFormat::Webp:
		av_opt_set_double(own, "quality", quality.webpQuality, 0);
		av_opt_set_int(own, "lossless", quality.webpLossless ? 1 : 0, 0);
		break;
	}
	if (IsYuv(codec->pix_fmt))
	{
		codec->color_primaries = AVCOL_PRI_BT709;
		codec->color_trc = AVCOL_TRC_IEC61966_2_1;
		codec->colorspace = AVCOL_SPC_BT709;
		codec->color_range = AVCOL_RANGE_MPEG;
	}
	if (const int result = avcodec_open2(codec, encoder, nullptr); result < 0)
	{
		error = Failure(std::string("starting the ") + parts.encoder + " encoder", result);
		return false;
	}
	// The picture's frame: GIF frames go to the palette graph as packed BGRA (FFmpeg's RGB32 here).
	frame->format = options.format == VideoFormat::Gif ? AV_PIX_FMT_RGB32 : codec->pix_fmt;
	frame->width = options.width;
	frame->height = options.height;
	if (const int result = av_frame_get_buffer(frame, 0); result < 0)
	{
		error = Failure("allocating a frame", result);
		return false;
	}
	ClearBuffers(frame);
	return converter.Setup(options.width, options.height, static_cast<AVPixelFormat>(frame->format), error);
}

bool FfmpegEncoder::SetUpPaletteGraph(std::string& error)
{
	graph = avfilter_graph_alloc();
	filtered = av_frame_alloc();
	if (graph == nullptr || filtered == nullptr)
	{
		error = "out of memory";
		return false;
	}
	graph->nb_threads = 1;
	const std::string source = "video_size=" + std::to_string(options.width) + "x" + std::to_string(options.height) +
	                           ":pix_fmt=" + std::to_string(int(AV_PIX_FMT_RGB32)) + ":time_base=1/" +
	                           std::to_string(options.fps) + ":pixel_aspect=1/1";
	int result =
	    avfilter_graph_create_filter(&graphIn, avfilter_get_by_name("buffer"), "in", source.c_str(), nullptr, graph);
	if (result >= 0)
		result =
		    avfilter_graph_create_filter(&graphOut, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, graph);
	if (result < 0)
	{
		error = Failure("setting up the GIF palette", result);
		return false;
	}
	// One palette from the colours of every frame; the ordered dither keeps still parts still from frame to frame
	// and involves no randomness.
	const std::string chain = std::string("split[a][b];[a]palettegen=max_colors=256:stats_mode=full:") +
	                          "reserve_transparent=" + (options.alpha ? "1" : "0") +
	                          "[p];[b][p]paletteuse=dither=bayer:bayer_scale=3:diff_mode=rectangle:alpha_threshold=128";
	AVFilterInOut* outputs = avfilter_inout_alloc();
	AVFilterInOut* inputs = avfilter_inout_alloc();
	if (outputs != nullptr && inputs != nullptr)
	{
		outputs->name = av_strdup("in");
		outputs->filter_ctx = graphIn;
		inputs->name = av_strdup("out");
		inputs->filter_ctx = graphOut;
		result = avfilter_graph_parse_ptr(graph, chain.c_str(), &inputs, &outputs, nullptr);
		if (result >= 0)
			result = avfilter_graph_config(graph, nullptr);
	}
	else
		result = AVERROR(ENOMEM);
	avfilter_inout_free(&inputs);
	avfilter_inout_free(&outputs);
	if (result < 0)
	{
		error = Failure("setting up the GIF palette", result);
		return false;
	}
	return true;
}

// x264 puts a message with its version and options (an SEI of user data) into the first frame; it is no part of the
// picture, and the same command should give the same bytes with another x264 build.
bool FfmpegEncoder::SetUpVersionFilter(std::string& error)
{
	const AVBitStreamFilter* units = av_bsf_get_by_name("filter_units");
	int result = units != nullptr ? av_bsf_alloc(units, &versionFilter) : AVERROR_FILTER_NOT_FOUND;
	if (result >= 0)
		result = av_opt_set(versionFilter->priv_data, "remove_types", "6", 0); // 6: SEI
	if (result >= 0)
		result = avcodec_parameters_from_context(versionFilter->par_in, codec);
	if (result >= 0)
	{
		versionFilter->time_base_in = codec->time_base;
		result = av_bsf_init(versionFilter);
	}
	if (result < 0)
	{
		error = Failure("setting up the H.264 stream filter", result);
		return false;
	}
	return true;
}

bool FfmpegEncoder::SetUpContainer(const std::string& fileName, std::string& error)
{
	stream = avformat_new_stream(container, nullptr);
	if (stream == nullptr)
	{
		error = "out of memory";
		return false;
	}
	const int described = versionFilter != nullptr ? avcodec_parameters_copy(stream->codecpar, versionFilter->par_out)
	                                               : avcodec_parameters_from_context(stream->codecpar, codec);
	if (const int result = described; result < 0)
	{
		error = Failure("describing the stream", result);
		return false;
	}
	stream->time_base = codec->time_base;
	stream->avg_frame_rate = codec->framerate;
	stream->r_frame_rate = codec->framerate;
	void* own = container->priv_data;
	if (options.format == VideoFormat::Mp4)
		av_opt_set(own, "movflags", "+faststart", 0); // the index first, so the video plays while it loads
	if (options.format == VideoFormat::Gif || options.format == VideoFormat::Webp)
		av_opt_set_int(own, "loop", 0, 0); // forever
	// The muxer writes the temporary by name: the mp4 muxer reopens it to move the index to the front.
	if (const int result = avio_open(&container->pb, fileName.c_str(), AVIO_FLAG_WRITE); result < 0)
	{
		error = Failure("opening the temporary", result);
		return false;
	}
	if (const int result = avformat_write_header(container, nullptr); result < 0)
	{
		error = Failure("writing the header", result);
		return false;
	}
	return true;
}

bool FfmpegEncoder::WritePacket(std::string& error)
{
	// Every frame lasts one tick of the frame rate, also the last, whose length only the packet can tell.
	if (packet->duration == 0)
		packet->duration = 1;
	av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
	packet->stream_index = stream->index;
	if (const int result = av_interleaved_write_frame(container, packet); result < 0)
	{
		error = Failure("writing a frame", result);
		return false;
	}
	return true;
}

bool FfmpegEncoder::PassPacket(bool flush, std::string& error)
{
	if (versionFilter == nullptr)
		return flush || WritePacket(error);
	int result = av_bsf_send_packet(versionFilter, flush ? nullptr : packet);
	while (result >= 0)
	{
		result = av_bsf_receive_packet(versionFilter, packet);
		if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
			return true;
		if (result >= 0 && !WritePacket(error))
			return false;
	}
	error = Failure("writing a frame", result);
	return false;
}

bool FfmpegEncoder::SendFrame(AVFrame* toSend, std::string& error)
{
	int result = avcodec_send_frame(codec, toSend);
	if (result < 0)
	{
		error = Failure("encoding a frame", result);
		return false;
	}
	for (;;)
	{
		result = avcodec_receive_packet(codec, packet);
		if (result == AVERROR(EAGAIN))
			return true;
		if (result == AVERROR_EOF)
			return PassPacket(true, error);
		if (result < 0)
		{
			error = Failure("encoding a frame", result);
			return false;
		}
		if (!PassPacket(false, error))
			return false;
	}
}

bool FfmpegEncoder::DrainGraph(std::string& error)
{
	for (;;)
	{
		const int result = av_buffersink_get_frame(graphOut, filtered);
		if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
			return true;
		if (result < 0)
		{
			error = Failure("making the GIF palette", result);
			return false;
		}
		const bool sent = SendFrame(filtered, error);
		av_frame_unref(filtered);
		if (!sent)
			return false;
	}
}

bool FfmpegEncoder::Encode(const io::Image& picture, std::string& error)
{
	// The encoder or the palette graph may still hold the last frame's buffer: then this one gets a new one.
	const AVBufferRef* before = frame->buf[0];
	if (const int result = av_frame_make_writable(frame); result < 0)
	{
		error = Failure("allocating a frame", result);
		return false;
	}
	if (frame->buf[0] != before)
		ClearBuffers(frame);
	converter.Convert(picture, frame->data, frame->linesize);
	frame->pts = nextPts++;
	if (options.format != VideoFormat::Gif)
		return SendFrame(frame, error);
	if (const int result = av_buffersrc_add_frame_flags(graphIn, frame, AV_BUFFERSRC_FLAG_KEEP_REF); result < 0)
	{
		error = Failure("making the GIF palette", result);
		return false;
	}
	return DrainGraph(error);
}

bool FfmpegEncoder::Finish(std::string& error)
{
	if (graph != nullptr)
	{
		if (const int result = av_buffersrc_add_frame_flags(graphIn, nullptr, 0); result < 0)
		{
			error = Failure("making the GIF palette", result);
			return false;
		}
		if (!DrainGraph(error))
			return false;
	}
	if (!SendFrame(nullptr, error))
		return false;
	if (const int result = av_write_trailer(container); result < 0)
	{
		error = Failure("writing the end of the file", result);
		return false;
	}
	if (const int result = avio_closep(&container->pb); result < 0)
	{
		error = Failure("closing the file", result);
		return false;
	}
	return true;
}

std::unique_ptr<render::VideoEncoder> MakeEncoder()
{
	return std::unique_ptr<render::VideoEncoder>(new (std::nothrow) FfmpegEncoder());
}

const render::VideoModule kModule = {render::kVideoInterfaceVersion, sizeof(render::VideoOptions),
                                     sizeof(render::VideoEncoder), MakeEncoder, ConvertToYuv420};
} // namespace
} // namespace surfax::video

// The module's one exported name (render/video_encoder.h: kVideoModuleEntry). FFmpeg's messages go to the encoders'
// errors from here on.
extern "C" __attribute__((visibility("default"))) const surfax::render::VideoModule* SurfaxVideoModule()
{
	surfax::video::RouteLibraryMessages();
	return &surfax::video::kModule;
}
