// Feeds arbitrary bytes to the image readers: the input is written to a file in a temporary folder made once per
// process and read as TIFF and as PNG (signature sniffing, strips, tiles, scanlines, conversion to RGBA). Besides
// crashes, leaks and sanitizer reports it checks the contract:
// - a file that does not start with a format's signature is refused as WrongType for it;
// - a refusal says why and leaves the output image as it was;
// - a decoded image is well-formed (sides within the limits, width * height * 4 bytes);
// - a small decoded image written by our own PNG and TIFF writers reads back with the same pixels.
#include "tests/fuzz/fuzz_support.h"
#include "host/image/image.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

using namespace surfax::io;

using surfax::fuzz::Require;

namespace
{
// Round trips cost a compression each; larger images are only decoded.
constexpr std::int64_t kMaxRoundTripPixels = 64 * 64;

bool StartsWith(std::string_view bytes, std::string_view signature)
{
	return bytes.size() >= signature.size() && bytes.substr(0, signature.size()) == signature;
}

bool HasTiffSignature(std::string_view bytes)
{
	using namespace std::string_view_literals;
	return StartsWith(bytes, "II*\0"sv) || StartsWith(bytes, "II+\0"sv) || StartsWith(bytes, "MM\0*"sv) ||
	       StartsWith(bytes, "MM\0+"sv);
}

bool HasPngSignature(std::string_view bytes)
{
	return StartsWith(bytes, std::string_view("\x89PNG\r\n\x1a\n", 8));
}

using Loader = ImageStatus (*)(const std::string&, Image&, std::string&);
using Writer = bool (*)(const std::string&, const Image&, std::string&);

bool WritePngDefault(const std::string& path, const Image& image, std::string& message)
{
	return WritePng(path, image, message);
}

/// Reads the file with one loader and checks what it gives; returns the status.
ImageStatus CheckLoad(Loader load, const std::string& path, bool hasSignature, Image& image)
{
	image = Image{};
	image.width = image.height = 1;
	image.rgba = {1, 2, 3, 4};
	std::string message;
	const ImageStatus status = load(path, image, message);
	if (status != ImageStatus::Ok)
	{
		Require(!message.empty());
		Require(image.width == 1 && image.height == 1 && image.rgba.size() == 4 && image.rgba[3] == 4);
		Require(hasSignature || status == ImageStatus::WrongType);
		return status;
	}
	Require(hasSignature);
	Require(image.width > 0 && image.height > 0 && image.width <= kMaxImageSide && image.height <= kMaxImageSide);
	Require(std::int64_t(image.width) * image.height <= kMaxImagePixels);
	Require(image.rgba.size() == std::size_t(image.width) * std::size_t(image.height) * 4);
	return status;
}

/// Writes the image with one of our writers and reads it back with the matching loader: the same pixels.
void CheckRoundTrip(const Image& image, Writer write, Loader load)
{
	if (std::int64_t(image.width) * image.height > kMaxRoundTripPixels)
		return;
	const std::string path = (surfax::fuzz::ProcessFolder() / "round-trip").string();
	std::string message;
	Require(write(path, image, message));
	Image again;
	Require(load(path, again, message) == ImageStatus::Ok);
	Require(again.width == image.width && again.height == image.height && again.rgba == image.rgba);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::string_view bytes(reinterpret_cast<const char*>(data), size);
	const std::string path = (surfax::fuzz::ProcessFolder() / "input").string();
	{
		std::ofstream file(path, std::ios::binary | std::ios::trunc);
		file.write(bytes.data(), std::streamsize(bytes.size()));
		Require(file.good());
	}
	Image image;
	if (CheckLoad(LoadTiff, path, HasTiffSignature(bytes), image) == ImageStatus::Ok)
	{
		CheckRoundTrip(image, WritePngDefault, LoadPng);
		CheckRoundTrip(image, WriteTiff, LoadTiff);
	}
	if (CheckLoad(LoadPng, path, HasPngSignature(bytes), image) == ImageStatus::Ok)
	{
		CheckRoundTrip(image, WritePngDefault, LoadPng);
		CheckRoundTrip(image, WriteTiff, LoadTiff);
	}
	return 0;
}
