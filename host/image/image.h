// 8-bit RGBA images: loading TIFF (the plug-in's icon strip) and PNG, writing PNG (previews) and TIFF (the icon
// script and tests), and cropping (icon cells).
//
// Nothing here prints: libtiff and libpng messages are collected into the `message` argument. Nothing throws.
// Images are bounded by kMaxImagePixels so no file can make a loader allocate without limit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::io
{

constexpr std::int64_t kMaxImageSide = 65536;
constexpr std::int64_t kMaxImagePixels = std::int64_t(1) << 26; // 64 Mpixel, 256 MiB of RGBA

// Straight (not premultiplied) RGBA, 4 bytes per pixel, rows top to bottom without padding:
// rgba.size() == width * height * 4. An empty image has width == height == 0.
struct Image
{
	int width = 0, height = 0;
	std::vector<std::uint8_t> rgba;
};

// Results named after the host's image results: NotFound (no such file), WrongType (the file is not of the
// expected format), FileError (it is, but cannot be read, decoded or is too large).
enum class ImageStatus
{
	Ok,
	NotFound,
	WrongType,
	FileError
};

// Loads the first image of a TIFF file with libtiff. 8-bit RGB and RGBA (unassociated alpha) images in strips are
// read exactly; every other layout libtiff's RGBA interface handles (palette, grey, 16-bit, tiles, YCbCr, ...)
// goes through that interface, which leaves associated alpha premultiplied. On failure `out` is untouched and
// `message` says why; on success `message` holds any warnings libtiff gave (usually empty).
ImageStatus LoadTiff(const std::string& path, Image& out, std::string& message);

// Loads a PNG file (any bit depth or colour type) as 8-bit RGBA. Same contract as LoadTiff.
ImageStatus LoadPng(const std::string& path, Image& out, std::string& message);

// zlib compression levels of PNG output: 0 stores the pixels uncompressed, 9 packs them tightest.
constexpr int kMinPngCompression = 0;
constexpr int kMaxPngCompression = 9;
// Level 4 with the Sub filter on every row: on anti-aliased previews (smooth shading, smoothed edges and lines) about
// two thirds of level 6's time and a twentieth of level 9's with adaptive filtering, for files within a few per cent
// of level 6's (flat backgrounds and smooth shading favour Sub).
constexpr int kDefaultPngCompression = 4;

// Writes `image` as an 8-bit PNG at zlib level `compression` (clamped to kMinPngCompression .. kMaxPngCompression),
// every row with the Sub filter (level 0: no filter): RGB when every pixel is opaque (the alpha channel would say
// nothing, and a quarter less to compress), RGBA otherwise. The bytes depend only on the pixels and
// the level: no time or text chunks. Returns false with `message` when the image is malformed (size does not match
// width * height * 4, or empty) or the file cannot be written ("PATH: cannot be written (reason)"). The file is
// written through core::OutputFile: a failure leaves the file that was at path untouched.
bool WritePng(const std::string& path, const Image& image, std::string& message,
              int compression = kDefaultPngCompression);

// Writes `image` as an RGBA TIFF (8 bits per sample, unassociated alpha, LZW, one image). Same contract as WritePng.
bool WriteTiff(const std::string& path, const Image& image, std::string& message);

// The part of `image` at (x, y) of size w x h in pixels, clipped to the image; an empty image when nothing is
// left (w or h not positive, or the rectangle outside). A malformed input image gives an empty image.
Image CropImage(const Image& image, int x, int y, int w, int h);

} // namespace surfax::io
