#include "host/render/png_preview.h"

#include "host/core/number_text.h"
#include "host/image/image.h"

#include <string_view>

namespace surfax::render
{
namespace
{
// Digits only (no sign, no blanks), 1 to kMaxPreviewSide.
bool ParseSide(std::string_view text, int& value)
{
	return core::ParseNumberText(text, value, {.minusSign = false, .min = 1, .max = kMaxPreviewSide});
}
} // namespace

bool ParsePreviewSize(const std::string& text, int& width, int& height, std::string& error)
{
	const std::size_t x = text.find_first_of("xX");
	int w = 0, h = 0;
	if (x == std::string::npos || !ParseSide(std::string_view(text).substr(0, x), w) ||
	    !ParseSide(std::string_view(text).substr(x + 1), h))
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
