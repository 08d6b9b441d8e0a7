#include "host/render/png_preview.h"

#include "host/image/image.h"

#include <charconv>

namespace surfax::render
{
namespace
{
bool ParseSide(const char* first, const char* last, int& value)
{
	if (first == last || *first < '0' || *first > '9')
		return false;
	const auto result = std::from_chars(first, last, value);
	return result.ec == std::errc() && result.ptr == last && value >= 1 && value <= kMaxPreviewSide;
}
} // namespace

bool ParsePreviewSize(const std::string& text, int& width, int& height, std::string& error)
{
	const std::size_t x = text.find_first_of("xX");
	int w = 0, h = 0;
	if (x == std::string::npos || !ParseSide(text.data(), text.data() + x, w) ||
	    !ParseSide(text.data() + x + 1, text.data() + text.size(), h))
	{
		error = "bad size '" + text + "': expected WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxPreviewSide) +
		        " (for example 800x600)";
		return false;
	}
	width = w;
	height = h;
	return true;
}

bool WritePreviewPng(const std::string& path, const io::ExportScene& scene, const RenderOptions& options,
                     std::string& error)
{
	io::Image image;
	if (!RenderScene(scene, options, image, error))
	{
		error = path + ": " + error;
		return false;
	}
	// WritePng's messages name the file.
	return io::WritePng(path, image, error, options.pngCompression);
}
} // namespace surfax::render
