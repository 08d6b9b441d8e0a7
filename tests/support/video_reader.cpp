#include "support/video_reader.h"

#include "support/host_command.h"

extern "C"
{
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}
#include <webp/demux.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>

namespace surfax::test
{
namespace
{
// Decodes the first video stream of path up to frame `index` and hands that frame to `take`.
template <typename Take> bool DecodeFrame(const std::string& path, int index, Take take, std::string& error)
{
	AVFormatContext* format = nullptr;
	if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
	{
		error = path + ": FFmpeg cannot open it";
		return false;
	}
	std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> formatHolder(&format, avformat_close_input);
	const AVCodec* decoder = nullptr;
	const int stream = avformat_find_stream_info(format, nullptr) < 0
	                       ? -1
	                       : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
	if (stream < 0 || decoder == nullptr)
	{
		error = path + ": no video stream";
		return false;
	}
	AVCodecContext* codec = avcodec_alloc_context3(decoder);
	std::unique_ptr<AVCodecContext*, void (*)(AVCodecContext**)> codecHolder(&codec, avcodec_free_context);
	avcodec_parameters_to_context(codec, format->streams[stream]->codecpar);
	codec->thread_count = 1;
	if (avcodec_open2(codec, decoder, nullptr) < 0)
	{
		error = path + ": cannot start the decoder";
		return false;
	}
	AVPacket* packet = av_packet_alloc();
	AVFrame* frame = av_frame_alloc();
	std::unique_ptr<AVPacket*, void (*)(AVPacket**)> packetHolder(&packet, av_packet_free);
	std::unique_ptr<AVFrame*, void (*)(AVFrame**)> frameHolder(&frame, av_frame_free);
	int decoded = 0;
	bool more = true;
	while (more)
	{
		more = av_read_frame(format, packet) >= 0;
		if (more && packet->stream_index != stream)
		{
			av_packet_unref(packet);
			continue;
		}
		avcodec_send_packet(codec, more ? packet : nullptr);
		av_packet_unref(packet);
		while (avcodec_receive_frame(codec, frame) >= 0)
		{
			if (decoded++ == index)
			{
				take(*frame);
				return true;
			}
		}
	}
	error = path + ": has " + std::to_string(decoded) + " frames, not frame " + std::to_string(index);
	return false;
}

double PsnrOf(double squaredError, double samples)
{
	if (squaredError == 0.0)
		return std::numeric_limits<double>::infinity();
	return 10.0 * std::log10(255.0 * 255.0 / (squaredError / samples));
}

double SquaredError(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
	double sum = 0.0;
	for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
		sum += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
	return sum;
}
} // namespace

std::map<std::string, std::string> ProbeVideo(const std::string& path)
{
	const std::string command = "ffprobe -v error -count_frames -select_streams v:0 -show_entries "
	                            "stream=codec_name,width,height,pix_fmt,avg_frame_rate,r_frame_rate,nb_read_frames,"
	                            "duration:stream_tags:format=format_name,duration -of default=noprint_wrappers=1 " +
	                            Quote(path) + " 2>/dev/null";
	std::map<std::string, std::string> values;
	FILE* pipe = ::popen(command.c_str(), "r");
	if (pipe == nullptr)
		return values;
	char line[1024];
	while (std::fgets(line, sizeof(line), pipe) != nullptr)
	{
		std::string text(line);
		while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
			text.pop_back();
		const std::size_t equals = text.find('=');
		if (equals != std::string::npos)
			values[text.substr(0, equals)] = text.substr(equals + 1); // the format's duration after the stream's
	}
	::pclose(pipe);
	return values;
}

bool DecodeYuvFrame(const std::string& path, int index, render::Yuv420Picture& out, std::string& error)
{
	bool wrongFormat = false;
	const bool found = DecodeFrame(
	    path, index,
	    [&](const AVFrame& frame)
	    {
		    if (frame.format != AV_PIX_FMT_YUV420P && frame.format != AV_PIX_FMT_YUVA420P)
		    {
			    wrongFormat = true;
			    return;
		    }
		    out.width = frame.width;
		    out.height = frame.height;
		    const int cw = (frame.width + 1) / 2, ch = (frame.height + 1) / 2;
		    const auto copy = [&](std::vector<std::uint8_t>& plane, int p, int w, int h)
		    {
			    plane.resize(std::size_t(w) * h);
			    for (int row = 0; row < h; ++row)
				    std::copy_n(frame.data[p] + std::ptrdiff_t(row) * frame.linesize[p], w, plane.data() + row * w);
		    };
		    copy(out.y, 0, frame.width, frame.height);
		    copy(out.u, 1, cw, ch);
		    copy(out.v, 2, cw, ch);
	    },
	    error);
	if (found && wrongFormat)
		error = path + ": frame " + std::to_string(index) + " is not 4:2:0";
	return found && !wrongFormat;
}

bool DecodeRgbaFrame(const std::string& path, int index, io::Image& out, std::string& error)
{
	return DecodeFrame(
	    path, index,
	    [&](const AVFrame& frame)
	    {
		    out.width = frame.width;
		    out.height = frame.height;
		    out.rgba.assign(std::size_t(frame.width) * frame.height * 4, 0);
		    SwsContext* convert =
		        sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), frame.width,
		                       frame.height, AV_PIX_FMT_RGBA, SWS_POINT | SWS_BITEXACT, nullptr, nullptr, nullptr);
		    std::uint8_t* planes[1] = {out.rgba.data()};
		    const int strides[1] = {4 * frame.width};
		    sws_scale(convert, frame.data, frame.linesize, 0, frame.height, planes, strides);
		    sws_freeContext(convert);
	    },
	    error);
}

bool ReadWebpAnimation(const std::string& path, WebpAnimation& out, std::string& error)
{
	std::ifstream in(path, std::ios::binary);
	const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	const WebPData data{bytes.data(), bytes.size()};
	WebPAnimDecoderOptions options;
	WebPAnimDecoderOptionsInit(&options);
	options.color_mode = MODE_RGBA;
	options.use_threads = 0;
	WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
	if (decoder == nullptr)
	{
		error = path + ": not an animated WebP libwebp reads";
		return false;
	}
	WebPAnimInfo info;
	WebPAnimDecoderGetInfo(decoder, &info);
	out.width = int(info.canvas_width);
	out.height = int(info.canvas_height);
	out.loopCount = int(info.loop_count);
	while (WebPAnimDecoderHasMoreFrames(decoder))
	{
		std::uint8_t* canvas = nullptr;
		int timestamp = 0;
		if (!WebPAnimDecoderGetNext(decoder, &canvas, &timestamp))
		{
			error = path + ": frame " + std::to_string(out.frames.size()) + " cannot be decoded";
			WebPAnimDecoderDelete(decoder);
			return false;
		}
		io::Image frame;
		frame.width = out.width;
		frame.height = out.height;
		frame.rgba.assign(canvas, canvas + std::size_t(out.width) * out.height * 4);
		out.frames.push_back(std::move(frame));
		out.endTimesMs.push_back(timestamp);
	}
	WebPAnimDecoderDelete(decoder);
	return true;
}

double Psnr(const render::Yuv420Picture& a, const render::Yuv420Picture& b)
{
	const double squared = SquaredError(a.y, b.y) + SquaredError(a.u, b.u) + SquaredError(a.v, b.v);
	return PsnrOf(squared, double(a.y.size() + a.u.size() + a.v.size()));
}

double Psnr(const io::Image& a, const io::Image& b)
{
	double squared = 0.0;
	for (std::size_t i = 0; i < a.rgba.size() && i < b.rgba.size(); ++i)
	{
		if (i % 4 != 3)
			squared += (double(a.rgba[i]) - b.rgba[i]) * (double(a.rgba[i]) - b.rgba[i]);
	}
	return PsnrOf(squared, double(a.rgba.size()) * 3.0 / 4.0);
}
} // namespace surfax::test
