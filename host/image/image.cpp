#include "host/image/image.h"

#include "host/core/output_file.h"

#include <png.h>
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace surfax::io
{

namespace
{

constexpr std::size_t kMaxMessageBytes = 1024;

bool IsWellFormed(const Image& image)
{
	return image.width > 0 && image.height > 0 && image.width <= kMaxImageSide && image.height <= kMaxImageSide &&
	       std::int64_t(image.width) * image.height <= kMaxImagePixels &&
	       image.rgba.size() == std::size_t(image.width) * std::size_t(image.height) * 4;
}

bool FitsLimits(std::uint32_t width, std::uint32_t height)
{
	return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
	       std::int64_t(width) * height <= kMaxImagePixels;
}

// Reads up to `size` first bytes of a file. Returns how many were read, or -1 when the file cannot be opened or read
// (a folder, no permission).
int ReadSignature(const std::string& path, unsigned char* bytes, std::size_t size)
{
	std::FILE* file = std::fopen(path.c_str(), "rb");
	if (file == nullptr)
		return -1;
	const std::size_t got = std::fread(bytes, 1, size, file);
	const bool failed = std::ferror(file) != 0;
	std::fclose(file);
	return failed ? -1 : int(got);
}

// Checks that an existing file can be read and starts with a signature; fills `message` when it does not.
ImageStatus CheckSignature(const std::string& path, unsigned char* bytes, std::size_t size,
                           bool (*matches)(const unsigned char*), const char* typeName, std::string& message)
{
	std::error_code code;
	if (!std::filesystem::exists(path, code))
	{
		message = "file not found";
		return ImageStatus::NotFound;
	}
	const int got = ReadSignature(path, bytes, size);
	if (got < 0)
	{
		message = "cannot read the file";
		return ImageStatus::FileError;
	}
	if (std::size_t(got) < size || !matches(bytes))
	{
		message = std::string("not a ") + typeName + " file";
		return ImageStatus::WrongType;
	}
	return ImageStatus::Ok;
}

void RemovePartialFile(const std::string& path)
{
	std::error_code ignored;
	std::filesystem::remove(path, ignored);
}

// --- libtiff messages ---------------------------------------------------------------------------------------------

// libtiff reports through handlers that print to stderr by default. Each call here routes them into one of these:
// per-file handlers (TIFFOpenExt options) catch messages about an open file, and the replaced global handlers catch
// the rest on the calling thread.
struct TiffMessages
{
	std::string errors;
	std::string warnings;
};

thread_local TiffMessages* t_tiffMessages = nullptr;

void AppendMessage(std::string& out, const char* module, const char* format, va_list args)
{
	if (out.size() >= kMaxMessageBytes)
		return;
	char buffer[512];
	std::vsnprintf(buffer, sizeof(buffer), format, args);
	if (!out.empty())
		out += "; ";
	if (module != nullptr && module[0] != '\0')
	{
		out += module;
		out += ": ";
	}
	out += buffer;
}

int CollectTiffError(TIFF*, void* userData, const char* module, const char* format, va_list args)
{
	AppendMessage(static_cast<TiffMessages*>(userData)->errors, module, format, args);
	return 1; // handled: do not pass on to the global handlers
}

int CollectTiffWarning(TIFF*, void* userData, const char* module, const char* format, va_list args)
{
	AppendMessage(static_cast<TiffMessages*>(userData)->warnings, module, format, args);
	return 1;
}

void GlobalTiffError(const char* module, const char* format, va_list args)
{
	if (t_tiffMessages != nullptr)
		AppendMessage(t_tiffMessages->errors, module, format, args);
}

void GlobalTiffWarning(const char* module, const char* format, va_list args)
{
	if (t_tiffMessages != nullptr)
		AppendMessage(t_tiffMessages->warnings, module, format, args);
}

// Open options and message routing for one load or save.
class TiffSession
{
public:
	TiffSession()
	{
		static std::once_flag installed;
		std::call_once(installed,
		               []
		               {
			               TIFFSetErrorHandler(GlobalTiffError);
			               TIFFSetWarningHandler(GlobalTiffWarning);
		               });
		previous_ = t_tiffMessages;
		t_tiffMessages = &messages_;
		options_ = TIFFOpenOptionsAlloc();
		if (options_ != nullptr)
		{
			TIFFOpenOptionsSetErrorHandlerExtR(options_, CollectTiffError, &messages_);
			TIFFOpenOptionsSetWarningHandlerExtR(options_, CollectTiffWarning, &messages_);
			TIFFOpenOptionsSetMaxSingleMemAlloc(options_, tmsize_t(kMaxImagePixels) * 4 + 65536);
		}
	}
	~TiffSession()
	{
		TIFFOpenOptionsFree(options_);
		t_tiffMessages = previous_;
	}
	TiffSession(const TiffSession&) = delete;
	TiffSession& operator=(const TiffSession&) = delete;

	TIFF* Open(const std::string& path, const char* mode) { return TIFFOpenExt(path.c_str(), mode, options_); }
	std::string ErrorOr(const char* fallback) const
	{
		return messages_.errors.empty() ? std::string(fallback) : messages_.errors;
	}
	const std::string& Warnings() const { return messages_.warnings; }

private:
	TiffMessages messages_;
	TiffMessages* previous_ = nullptr;
	TIFFOpenOptions* options_ = nullptr;
};

bool IsTiffSignature(const unsigned char* bytes)
{
	const bool little = bytes[0] == 'I' && bytes[1] == 'I' && bytes[3] == 0 && (bytes[2] == 42 || bytes[2] == 43);
	const bool big = bytes[0] == 'M' && bytes[1] == 'M' && bytes[2] == 0 && (bytes[3] == 42 || bytes[3] == 43);
	return little || big;
}

bool IsPngSignature(const unsigned char* bytes)
{
	return png_sig_cmp(bytes, 0, 8) == 0;
}

// 8-bit RGB(A) in strips, top-left origin: read as stored, so RGBA with straight alpha survives a round trip
// (the RGBA interface would premultiply it).
bool IsPlainRgb(TIFF* tiff)
{
	std::uint16_t bits = 0, samples = 0, photometric = 0, planar = 0, orientation = 0, format = 0;
	TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
	TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
	TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
	TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
	TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
	if (TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) != 1 || photometric != PHOTOMETRIC_RGB || bits != 8 ||
	    planar != PLANARCONFIG_CONTIG || orientation != ORIENTATION_TOPLEFT || format != SAMPLEFORMAT_UINT ||
	    TIFFIsTiled(tiff))
		return false;
	if (samples == 3)
		return true;
	std::uint16_t extraCount = 0;
	std::uint16_t* extraTypes = nullptr;
	if (samples != 4 || TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes) != 1)
		return false;
	return extraCount == 1 && (extraTypes[0] == EXTRASAMPLE_UNASSALPHA || extraTypes[0] == EXTRASAMPLE_UNSPECIFIED);
}

bool ReadPlainRgb(TIFF* tiff, Image& image)
{
	std::uint16_t samples = 0;
	TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
	const std::size_t width = std::size_t(image.width);
	if (TIFFScanlineSize64(tiff) < std::uint64_t(width) * samples)
		return false;
	std::vector<std::uint8_t> row(std::size_t(TIFFScanlineSize64(tiff)));
	for (int y = 0; y < image.height; ++y)
	{
		if (TIFFReadScanline(tiff, row.data(), std::uint32_t(y), 0) < 0)
			return false;
		std::uint8_t* out = image.rgba.data() + std::size_t(y) * width * 4;
		for (std::size_t x = 0; x < width; ++x)
		{
			const std::uint8_t* in = row.data() + x * samples;
			out[x * 4 + 0] = in[0];
			out[x * 4 + 1] = in[1];
			out[x * 4 + 2] = in[2];
			out[x * 4 + 3] = samples == 4 ? in[3] : 255;
		}
	}
	return true;
}

bool ReadThroughRgbaInterface(TIFF* tiff, Image& image, std::string& message)
{
	char reason[1024] = {};
	if (TIFFRGBAImageOK(tiff, reason) != 1)
	{
		message = reason[0] != '\0' ? reason : "unsupported TIFF layout";
		return false;
	}
	std::vector<std::uint32_t> raster(std::size_t(image.width) * std::size_t(image.height));
	if (TIFFReadRGBAImageOriented(tiff, std::uint32_t(image.width), std::uint32_t(image.height), raster.data(),
	                              ORIENTATION_TOPLEFT, 1) != 1)
		return false;
	for (std::size_t i = 0; i < raster.size(); ++i)
	{
		image.rgba[i * 4 + 0] = std::uint8_t(TIFFGetR(raster[i]));
		image.rgba[i * 4 + 1] = std::uint8_t(TIFFGetG(raster[i]));
		image.rgba[i * 4 + 2] = std::uint8_t(TIFFGetB(raster[i]));
		image.rgba[i * 4 + 3] = std::uint8_t(TIFFGetA(raster[i]));
	}
	return true;
}

// --- libpng writing -----------------------------------------------------------------------------------------------

// Plain data only: libpng's error handler longjmps out of its callers, past any destructor.
struct PngWriteState
{
	char message[256];
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp text)
{
	PngWriteState* state = static_cast<PngWriteState*>(png_get_error_ptr(png));
	std::snprintf(state->message, sizeof(state->message), "%s", text);
	png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp)
{
	// Warnings about our own well-formed output carry nothing a caller can act on; they are dropped, not printed.
}

void WriteToOutput(png_structp png, png_bytep data, png_size_t length)
{
	static_cast<core::OutputFile*>(png_get_io_ptr(png))->Write(data, length);
}

void FlushNothing(png_structp)
{
	// OutputFile::Commit flushes and syncs once at the end.
}

// No C++ object with a destructor lives in this frame, so OnPngError's longjmp back to the setjmp is safe.
bool WritePngRows(core::OutputFile* file, png_bytepp rows, int width, int height, int compression, bool opaque,
                  PngWriteState* state)
{
	png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, state, OnPngError, OnPngWarning);
	if (png == nullptr)
	{
		std::snprintf(state->message, sizeof(state->message), "out of memory");
		return false;
	}
	png_infop info = png_create_info_struct(png);
	if (info == nullptr)
	{
		png_destroy_write_struct(&png, nullptr);
		std::snprintf(state->message, sizeof(state->message), "out of memory");
		return false;
	}
	if (setjmp(png_jmpbuf(png)))
	{
		png_destroy_write_struct(&png, &info);
		return false;
	}
	png_set_write_fn(png, file, WriteToOutput, FlushNothing);
	png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
	             opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
	             PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
	png_set_compression_level(png, compression);
	// One fixed filter: libpng's adaptive choice costs a trial of every filter on every row, and on previews Sub
	// wins nearly every row anyway. Stored pixels gain nothing from a filter.
	png_set_filter(png, PNG_FILTER_TYPE_BASE, compression == 0 ? PNG_FILTER_NONE : PNG_FILTER_SUB);
	png_write_info(png, info);
	// An opaque picture's rows keep their alpha bytes; libpng leaves them out as it writes.
	if (opaque)
		png_set_filler(png, 0, PNG_FILLER_AFTER);
	png_write_image(png, rows);
	png_write_end(png, nullptr);
	png_destroy_write_struct(&png, &info);
	return true;
}

} // namespace

ImageStatus LoadTiff(const std::string& path, Image& out, std::string& message)
{
	unsigned char signature[4] = {};
	const ImageStatus checked = CheckSignature(path, signature, sizeof(signature), IsTiffSignature, "TIFF", message);
	if (checked != ImageStatus::Ok)
		return checked;

	TiffSession session;
	TIFF* tiff = session.Open(path, "r");
	if (tiff == nullptr)
	{
		message = session.ErrorOr("cannot open the TIFF file");
		return ImageStatus::FileError;
	}
	std::uint32_t width = 0, height = 0;
	TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
	TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
	if (!FitsLimits(width, height))
	{
		TIFFClose(tiff);
		message = "TIFF size " + std::to_string(width) + " x " + std::to_string(height) + " is empty or too large";
		return ImageStatus::FileError;
	}
	Image image;
	image.width = int(width);
	image.height = int(height);
	image.rgba.resize(std::size_t(width) * height * 4);
	std::string reason;
	const bool read = IsPlainRgb(tiff) ? ReadPlainRgb(tiff, image) : ReadThroughRgbaInterface(tiff, image, reason);
	TIFFClose(tiff);
	if (!read)
	{
		message = !reason.empty() ? reason : session.ErrorOr("cannot decode the TIFF image");
		return ImageStatus::FileError;
	}
	message = session.Warnings();
	out = std::move(image);
	return ImageStatus::Ok;
}

bool WriteTiff(const std::string& path, const Image& image, std::string& message)
{
	if (!IsWellFormed(image))
	{
		message = "image is empty or its pixel buffer does not match its size";
		return false;
	}
	TiffSession session;
	TIFF* tiff = session.Open(path, "w");
	if (tiff == nullptr)
	{
		message = session.ErrorOr("cannot create the TIFF file");
		return false;
	}
	const std::uint16_t extraTypes[1] = {EXTRASAMPLE_UNASSALPHA};
	bool ok = TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(image.width)) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(image.height)) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 4) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extraTypes) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW) == 1 &&
	          TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0)) == 1;
	const std::size_t rowBytes = std::size_t(image.width) * 4;
	std::vector<std::uint8_t> row(rowBytes); // TIFFWriteScanline may modify its buffer
	for (int y = 0; ok && y < image.height; ++y)
	{
		std::memcpy(row.data(), image.rgba.data() + std::size_t(y) * rowBytes, rowBytes);
		ok = TIFFWriteScanline(tiff, row.data(), std::uint32_t(y), 0) == 1;
	}
	ok = ok && TIFFFlush(tiff) == 1;
	TIFFClose(tiff);
	if (!ok)
	{
		message = session.ErrorOr("cannot write the TIFF file");
		RemovePartialFile(path);
	}
	return ok;
}

ImageStatus LoadPng(const std::string& path, Image& out, std::string& message)
{
	unsigned char signature[8] = {};
	const ImageStatus checked = CheckSignature(path, signature, sizeof(signature), IsPngSignature, "PNG", message);
	if (checked != ImageStatus::Ok)
		return checked;
	// The simplified API keeps libpng's longjmp inside libpng and reports through `reader.message`.
	png_image reader;
	std::memset(&reader, 0, sizeof(reader));
	reader.version = PNG_IMAGE_VERSION;
	if (png_image_begin_read_from_file(&reader, path.c_str()) == 0)
	{
		message = reader.message;
		png_image_free(&reader);
		return ImageStatus::FileError;
	}
	if (!FitsLimits(reader.width, reader.height))
	{
		message = "PNG size " + std::to_string(reader.width) + " x " + std::to_string(reader.height) + " is too large";
		png_image_free(&reader);
		return ImageStatus::FileError;
	}
	reader.format = PNG_FORMAT_RGBA;
	Image image;
	image.width = int(reader.width);
	image.height = int(reader.height);
	image.rgba.resize(PNG_IMAGE_SIZE(reader));
	if (png_image_finish_read(&reader, nullptr, image.rgba.data(), 0, nullptr) == 0)
	{
		message = reader.message;
		png_image_free(&reader);
		return ImageStatus::FileError;
	}
	message = (reader.warning_or_error & PNG_IMAGE_WARNING) != 0 ? reader.message : "";
	png_image_free(&reader);
	out = std::move(image);
	return ImageStatus::Ok;
}

bool WritePng(const std::string& path, const Image& image, std::string& message, int compression)
{
	compression = std::clamp(compression, kMinPngCompression, kMaxPngCompression);
	if (!IsWellFormed(image))
	{
		message = path + ": image is empty or its pixel buffer does not match its size";
		return false;
	}
	std::vector<png_bytep> rows(std::size_t(image.height));
	for (std::size_t y = 0; y < rows.size(); ++y)
		rows[y] = const_cast<png_bytep>(image.rgba.data() + y * std::size_t(image.width) * 4); // only read
	core::OutputFile file(path);
	if (!file.IsOpen())
		return file.Commit(message);
	PngWriteState state = {};
	bool opaque = true;
	for (std::size_t i = 3; opaque && i < image.rgba.size(); i += 4)
		opaque = image.rgba[i] == 255;
	if (!WritePngRows(&file, rows.data(), image.width, image.height, compression, opaque, &state))
	{
		message =
		    path + ": cannot be written (" + (state.message[0] != '\0' ? state.message : "PNG encoder failed") + ")";
		return false;
	}
	return file.Commit(message);
}

Image CropImage(const Image& image, int x, int y, int w, int h)
{
	if (!IsWellFormed(image) || w <= 0 || h <= 0)
		return Image{};
	const std::int64_t left = std::max<std::int64_t>(x, 0);
	const std::int64_t top = std::max<std::int64_t>(y, 0);
	const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + w, image.width);
	const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(y) + h, image.height);
	if (left >= right || top >= bottom)
		return Image{};
	Image part;
	part.width = int(right - left);
	part.height = int(bottom - top);
	part.rgba.resize(std::size_t(part.width) * std::size_t(part.height) * 4);
	const std::size_t rowBytes = std::size_t(part.width) * 4;
	for (int row = 0; row < part.height; ++row)
	{
		const std::size_t source = (std::size_t(top + row) * std::size_t(image.width) + std::size_t(left)) * 4;
		std::memcpy(part.rgba.data() + std::size_t(row) * rowBytes, image.rgba.data() + source, rowBytes);
	}
	return part;
}

} // namespace surfax::io
