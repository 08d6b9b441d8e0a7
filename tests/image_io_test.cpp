// Images: TIFF and PNG files in and out, failure kinds, silence on bad input, deterministic PNG bytes, cropping.
#include "host/image/image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace surfax::io;

namespace surfax::io
{
void PrintTo(ImageStatus status, std::ostream* out)
{
	const char* names[] = {"Ok", "NotFound", "WrongType", "FileError"};
	*out << names[int(status)];
}
} // namespace surfax::io

namespace
{

// A folder of its own for each test, removed afterwards.
struct ScratchDir
{
	fs::path path;
	ScratchDir()
	{
		const auto* test = testing::UnitTest::GetInstance()->current_test_info();
		path = fs::temp_directory_path() /
		       ("surfax-image-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name());
		fs::remove_all(path);
		fs::create_directories(path);
	}
	~ScratchDir() { fs::remove_all(path); }
	std::string operator/(const char* name) const { return (path / name).string(); }
};

std::string ReadBytes(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream bytes;
	bytes << in.rdbuf();
	return bytes.str();
}

void WriteBytes(const std::string& path, std::string_view bytes)
{
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out.write(bytes.data(), std::streamsize(bytes.size()));
}

// Every pixel differs from its neighbours and alpha runs through 0, 255 and values in between.
Image PatternImage(int width, int height)
{
	Image image;
	image.width = width;
	image.height = height;
	for (int y = 0; y < height; ++y)
		for (int x = 0; x < width; ++x)
		{
			image.rgba.push_back(std::uint8_t(x * 37 + y));
			image.rgba.push_back(std::uint8_t(y * 11 + x * 3));
			image.rgba.push_back(std::uint8_t((x ^ y) * 5));
			image.rgba.push_back(std::uint8_t((x + y * width) * 29));
		}
	return image;
}

// A baseline uncompressed 8-bit greyscale TIFF, built by hand so the test does not depend on the writer under test.
// Stored row r holds the values r * 16 + column.
std::string GreyTiff(int width, int height, int orientation)
{
	std::string bytes;
	const auto put16 = [&bytes](unsigned value)
	{
		bytes += char(value & 0xFF);
		bytes += char((value >> 8) & 0xFF);
	};
	const auto put32 = [&](unsigned value)
	{
		put16(value & 0xFFFF);
		put16(value >> 16);
	};
	const unsigned kEntries = 10;
	const unsigned dataOffset = 8 + 2 + kEntries * 12 + 4;
	bytes += "II";
	put16(42);
	put32(8);
	put16(kEntries);
	const auto entry = [&](unsigned tag, unsigned type, unsigned value)
	{
		put16(tag);
		put16(type);
		put32(1);
		put32(value);
	};
	const unsigned kShort = 3, kLong = 4;
	entry(256, kLong, unsigned(width));
	entry(257, kLong, unsigned(height));
	entry(258, kShort, 8); // bits per sample
	entry(259, kShort, 1); // no compression
	entry(262, kShort, 1); // black is zero
	entry(273, kLong, dataOffset);
	entry(274, kShort, unsigned(orientation));
	entry(277, kShort, 1); // samples per pixel
	entry(278, kLong, unsigned(height));
	entry(279, kLong, unsigned(width * height));
	put32(0);
	for (int row = 0; row < height; ++row)
		for (int column = 0; column < width; ++column)
			bytes += char(row * 16 + column);
	return bytes;
}

} // namespace

TEST(TiffImages, RoundTripExactlyWithStraightAlpha)
{
	ScratchDir dir;
	const Image image = PatternImage(13, 7);
	std::string message;
	ASSERT_TRUE(WriteTiff(dir / "pattern.tif", image, message)) << message;
	Image loaded;
	ASSERT_EQ(LoadTiff(dir / "pattern.tif", loaded, message), ImageStatus::Ok) << message;
	EXPECT_EQ(loaded.width, image.width);
	EXPECT_EQ(loaded.height, image.height);
	EXPECT_EQ(loaded.rgba, image.rgba);
}

TEST(TiffImages, ReadsOtherLayoutsThroughTheRgbaInterfaceTopRowFirst)
{
	ScratchDir dir;
	const int width = 5, height = 3;
	for (const int orientation : {1, 4}) // top-left, bottom-left
	{
		WriteBytes(dir / "grey.tif", GreyTiff(width, height, orientation));
		Image loaded;
		std::string message;
		ASSERT_EQ(LoadTiff(dir / "grey.tif", loaded, message), ImageStatus::Ok) << message;
		ASSERT_EQ(loaded.width, width);
		ASSERT_EQ(loaded.height, height);
		for (int y = 0; y < height; ++y)
			for (int x = 0; x < width; ++x)
			{
				const int storedRow = orientation == 1 ? y : height - 1 - y;
				const std::uint8_t* pixel = &loaded.rgba[std::size_t(y * width + x) * 4];
				const std::uint8_t grey = std::uint8_t(storedRow * 16 + x);
				EXPECT_EQ(pixel[0], grey);
				EXPECT_EQ(pixel[1], grey);
				EXPECT_EQ(pixel[2], grey);
				EXPECT_EQ(pixel[3], 255);
			}
	}
}

TEST(TiffImages, TellsMissingWrongAndBrokenFilesApartWithoutPrinting)
{
	ScratchDir dir;
	const std::string complete = GreyTiff(8, 8, 1);
	WriteBytes(dir / "cut.tif", std::string_view(complete).substr(0, complete.size() - 20));
	WriteBytes(dir / "header-only.tif", std::string_view(complete).substr(0, 10));
	WriteBytes(dir / "text.tif", "this is not an image\n");
	WriteBytes(dir / "tiny.tif", "II");
	std::string pngMessage;
	ASSERT_TRUE(WritePng(dir / "picture.png", PatternImage(2, 2), pngMessage)) << pngMessage;

	const struct
	{
		std::string path;
		ImageStatus status;
	} cases[] = {
	    {dir / "missing.tif", ImageStatus::NotFound}, {dir / "text.tif", ImageStatus::WrongType},
	    {dir / "tiny.tif", ImageStatus::WrongType},   {dir / "picture.png", ImageStatus::WrongType},
	    {dir / "cut.tif", ImageStatus::FileError},    {dir / "header-only.tif", ImageStatus::FileError},
	    {dir.path.string(), ImageStatus::FileError}, // a folder
	};
	for (const auto& test : cases)
	{
		Image image = PatternImage(1, 1);
		std::string message;
		testing::internal::CaptureStderr();
		const ImageStatus status = LoadTiff(test.path, image, message);
		const std::string printed = testing::internal::GetCapturedStderr();
		EXPECT_EQ(status, test.status) << test.path;
		EXPECT_FALSE(message.empty()) << test.path;
		EXPECT_EQ(printed, "") << test.path;
		EXPECT_EQ(image.rgba, PatternImage(1, 1).rgba) << test.path << ": the output must stay untouched";
	}
}

TEST(TiffImages, WriterRejectsMalformedImagesAndUnwritablePaths)
{
	ScratchDir dir;
	Image wrongSize = PatternImage(4, 4);
	wrongSize.rgba.pop_back();
	std::string message;
	EXPECT_FALSE(WriteTiff(dir / "a.tif", wrongSize, message));
	EXPECT_FALSE(message.empty());
	EXPECT_FALSE(WriteTiff(dir / "b.tif", Image{}, message));
	EXPECT_FALSE(fs::exists(dir / "a.tif"));

	message.clear();
	testing::internal::CaptureStderr();
	EXPECT_FALSE(WriteTiff(dir / "no/such/folder.tif", PatternImage(2, 2), message));
	EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
	EXPECT_FALSE(message.empty());
}

TEST(PngImages, WritesTheSameBytesForTheSamePixelsAndReadsThemBack)
{
	ScratchDir dir;
	const Image image = PatternImage(17, 9);
	std::string message;
	ASSERT_TRUE(WritePng(dir / "first.png", image, message)) << message;
	ASSERT_TRUE(WritePng(dir / "second.png", image, message)) << message;
	const std::string bytes = ReadBytes(dir / "first.png");
	EXPECT_EQ(bytes, ReadBytes(dir / "second.png"));
	EXPECT_EQ(bytes.find("tIME"), std::string::npos);
	ASSERT_GT(bytes.size(), 26u);
	EXPECT_EQ(bytes[24], 8); // bit depth in IHDR
	EXPECT_EQ(bytes[25], 6); // colour type RGBA

	Image loaded;
	ASSERT_EQ(LoadPng(dir / "first.png", loaded, message), ImageStatus::Ok) << message;
	EXPECT_EQ(loaded.width, image.width);
	EXPECT_EQ(loaded.height, image.height);
	EXPECT_EQ(loaded.rgba, image.rgba);

	// Different pixels give a different file: the bytes follow the image, not a cached result.
	Image changed = image;
	changed.rgba[5] ^= 0xFF;
	ASSERT_TRUE(WritePng(dir / "changed.png", changed, message)) << message;
	EXPECT_NE(ReadBytes(dir / "changed.png"), bytes);
}

TEST(PngImages, AnOpaqueImageIsWrittenWithoutItsAlphaAndReadsBackOpaque)
{
	ScratchDir dir;
	Image opaque = PatternImage(17, 9);
	for (std::size_t i = 3; i < opaque.rgba.size(); i += 4)
		opaque.rgba[i] = 255;
	std::string message;
	ASSERT_TRUE(WritePng(dir / "opaque.png", opaque, message)) << message;
	const std::string bytes = ReadBytes(dir / "opaque.png");
	ASSERT_GT(bytes.size(), 26u);
	EXPECT_EQ(bytes[25], 2) << "colour type RGB";
	Image loaded;
	ASSERT_EQ(LoadPng(dir / "opaque.png", loaded, message), ImageStatus::Ok) << message;
	EXPECT_EQ(loaded.rgba, opaque.rgba);

	// One pixel short of opaque keeps the alpha channel, and its value.
	Image translucent = opaque;
	translucent.rgba.back() = 254;
	ASSERT_TRUE(WritePng(dir / "translucent.png", translucent, message)) << message;
	EXPECT_EQ(ReadBytes(dir / "translucent.png")[25], 6) << "colour type RGBA";
	ASSERT_EQ(LoadPng(dir / "translucent.png", loaded, message), ImageStatus::Ok) << message;
	EXPECT_EQ(loaded.rgba, translucent.rgba);
}

TEST(PngImages, EveryCompressionLevelKeepsThePixelsAndHigherLevelsPackTighter)
{
	ScratchDir dir;
	// A picture that compresses: flat areas and gradients as in a preview, with the pattern on top.
	Image image = PatternImage(64, 48);
	for (std::size_t i = 0; i < image.rgba.size() / 2; ++i)
		image.rgba[i] = std::uint8_t(i / 256);
	std::string message;
	std::size_t stored = 0, fastest = 0, tightest = 0;
	for (int level = kMinPngCompression; level <= kMaxPngCompression; ++level)
	{
		const std::string path = dir / ("level" + std::to_string(level) + ".png").c_str();
		ASSERT_TRUE(WritePng(path, image, message, level)) << message;
		Image loaded;
		ASSERT_EQ(LoadPng(path, loaded, message), ImageStatus::Ok) << message;
		EXPECT_EQ(loaded.rgba, image.rgba) << "level " << level;
		const std::size_t size = ReadBytes(path).size();
		stored = level == 0 ? size : stored;
		fastest = level == 1 ? size : fastest;
		tightest = level == 9 ? size : tightest;
	}
	EXPECT_GT(stored, image.rgba.size()) << "level 0 stores the pixels";
	EXPECT_LT(fastest, stored);
	EXPECT_LE(tightest, fastest);

	// Levels outside 0..9 are clamped, and the default is the documented level.
	ASSERT_TRUE(WritePng(dir / "low.png", image, message, -4)) << message;
	ASSERT_TRUE(WritePng(dir / "high.png", image, message, 42)) << message;
	ASSERT_TRUE(WritePng(dir / "default.png", image, message)) << message;
	EXPECT_EQ(ReadBytes(dir / "low.png"), ReadBytes(dir / "level0.png"));
	EXPECT_EQ(ReadBytes(dir / "high.png"), ReadBytes(dir / "level9.png"));
	EXPECT_EQ(ReadBytes(dir / "default.png"),
	          ReadBytes(dir / ("level" + std::to_string(kDefaultPngCompression) + ".png").c_str()));
}

TEST(PngImages, RejectsMalformedImagesUnwritablePathsAndForeignFiles)
{
	ScratchDir dir;
	Image wrongSize = PatternImage(3, 3);
	wrongSize.height = 4;
	std::string message;
	EXPECT_FALSE(WritePng(dir / "a.png", wrongSize, message));
	EXPECT_FALSE(message.empty());
	EXPECT_FALSE(fs::exists(dir / "a.png"));
	message.clear();
	EXPECT_FALSE(WritePng(dir / "no/such/folder.png", PatternImage(2, 2), message));
	EXPECT_FALSE(message.empty());

	ASSERT_TRUE(WriteTiff(dir / "image.tif", PatternImage(2, 2), message)) << message;
	ASSERT_TRUE(WritePng(dir / "image.png", PatternImage(2, 2), message)) << message;
	const std::string png = ReadBytes(dir / "image.png");
	WriteBytes(dir / "cut.png", std::string_view(png).substr(0, png.size() / 2));
	Image image;
	EXPECT_EQ(LoadPng(dir / "missing.png", image, message), ImageStatus::NotFound);
	EXPECT_EQ(LoadPng(dir / "image.tif", image, message), ImageStatus::WrongType);
	testing::internal::CaptureStderr();
	EXPECT_EQ(LoadPng(dir / "cut.png", image, message), ImageStatus::FileError);
	EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
	EXPECT_FALSE(message.empty());
	EXPECT_TRUE(image.rgba.empty());
}

TEST(CropImage, CopiesTheRectangleClippedToTheImage)
{
	const Image image = PatternImage(10, 6);
	const struct
	{
		int x, y, w, h;
		int left, top, width, height; // expected clipped rectangle
	} cases[] = {
	    {2, 1, 3, 4, 2, 1, 3, 4},                   // inside
	    {0, 0, 10, 6, 0, 0, 10, 6},                 // whole image
	    {-3, -2, 5, 4, 0, 0, 2, 2},                 // over the top-left corner
	    {8, 4, 5, 5, 8, 4, 2, 2},                   // over the bottom-right corner
	    {-5, 2, 30, 1, 0, 2, 10, 1},                // wider than the image
	    {9, 5, 2147483647, 2147483647, 9, 5, 1, 1}, // sizes that overflow int when added
	};
	for (const auto& test : cases)
	{
		const Image part = CropImage(image, test.x, test.y, test.w, test.h);
		ASSERT_EQ(part.width, test.width);
		ASSERT_EQ(part.height, test.height);
		ASSERT_EQ(part.rgba.size(), std::size_t(test.width * test.height * 4));
		for (int y = 0; y < part.height; ++y)
			for (int x = 0; x < part.width; ++x)
				for (int c = 0; c < 4; ++c)
					ASSERT_EQ(part.rgba[std::size_t((y * part.width + x) * 4 + c)],
					          image.rgba[std::size_t(((test.top + y) * image.width + test.left + x) * 4 + c)]);
	}
}

TEST(CropImage, ReturnsAnEmptyImageWhenNothingIsLeft)
{
	const Image image = PatternImage(4, 4);
	Image malformed = image;
	malformed.rgba.resize(3);
	for (const Image& part : {CropImage(image, 4, 0, 2, 2), CropImage(image, -2, 0, 2, 2), CropImage(image, 0, 0, 0, 3),
	                          CropImage(image, 1, 1, 2, -1), CropImage(image, -2147483647 - 1, 0, 2147483647, 2),
	                          CropImage(malformed, 0, 0, 1, 1)})
	{
		EXPECT_EQ(part.width, 0);
		EXPECT_EQ(part.height, 0);
		EXPECT_TRUE(part.rgba.empty());
	}
}
