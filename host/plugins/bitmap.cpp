// BaseBitmap: an 8-bit RGBA image loaded through libtiff or libpng.
#include "host/plugins/bitmap.h"

#include "host/core/diagnostics.h"
#include "host/core/memory.h"
#include "lib_iconcollection.h"

#include <atomic>
#include <filesystem>
#include <new>

namespace surfax::plugins
{
namespace
{
std::atomic<int> g_liveBitmaps{0};

struct BitmapBlock final : cinema::BaseBitmap
{
	io::Image image;
	BitmapBlock() { ++g_liveBitmaps; }
	~BitmapBlock() { --g_liveBitmaps; }
};

BitmapBlock& Block(cinema::BaseBitmap* bitmap)
{
	return *static_cast<BitmapBlock*>(bitmap);
}

const BitmapBlock& Block(const cinema::BaseBitmap* bitmap)
{
	return *static_cast<const BitmapBlock*>(bitmap);
}
} // namespace

const io::Image* BitmapImage(const cinema::BaseBitmap* bitmap)
{
	return bitmap ? &Block(bitmap).image : nullptr;
}

int LiveBitmapCount()
{
	return g_liveBitmaps;
}
} // namespace surfax::plugins

namespace cinema
{
using surfax::plugins::Block;

BaseBitmap* BaseBitmap::Alloc()
{
	if (surfax::core::ShouldFailAllocation())
		return nullptr;
	return new (std::nothrow) surfax::plugins::BitmapBlock();
}

void BaseBitmap::Free(BaseBitmap*& bm)
{
	delete static_cast<surfax::plugins::BitmapBlock*>(bm);
	bm = nullptr;
}

IMAGERESULT BaseBitmap::Init(const Filename& name, Int32, Bool* ismovie)
{
	if (ismovie)
		*ismovie = false;
	const std::string path = name.GetString().GetUtf8();
	std::string message;
	surfax::io::Image image;
	surfax::io::ImageStatus status = name.CheckSuffix("png"_s) ? surfax::io::LoadPng(path, image, message)
	                                                           : surfax::io::LoadTiff(path, image, message);
	switch (status)
	{
	case surfax::io::ImageStatus::Ok:
		Block(this).image = std::move(image);
		return IMAGERESULT::OK;
	case surfax::io::ImageStatus::NotFound:
		return IMAGERESULT::NOTEXISTING;
	// A file that is there but cannot be decoded is a broken resource, so the person running the host hears of
	// it; a missing file is an ordinary answer that the caller handles.
	case surfax::io::ImageStatus::WrongType:
		surfax::core::Report("warning: " + path + ": not an image that can be decoded" +
		                     (message.empty() ? std::string() : " (" + message + ")"));
		return IMAGERESULT::WRONGTYPE;
	case surfax::io::ImageStatus::FileError:
		surfax::core::Report("warning: " + path + ": cannot be decoded" +
		                     (message.empty() ? std::string() : " (" + message + ")"));
		return IMAGERESULT::FILEERROR;
	}
	return IMAGERESULT::MISC_ERROR;
}

IMAGERESULT BaseBitmap::Init(Int32 x, Int32 y, Int32)
{
	if (x < 0 || y < 0 || static_cast<std::int64_t>(x) * y > surfax::io::kMaxImagePixels)
		return IMAGERESULT::PARAM_ERROR;
	surfax::io::Image& image = Block(this).image;
	image.width = x;
	image.height = y;
	image.rgba.assign(static_cast<std::size_t>(x) * static_cast<std::size_t>(y) * 4, 0);
	return IMAGERESULT::OK;
}

BaseBitmap* BaseBitmap::GetClone() const
{
	return GetClonePart(0, 0, GetBw(), GetBh());
}

BaseBitmap* BaseBitmap::GetClonePart(Int32 x, Int32 y, Int32 w, Int32 h) const
{
	BaseBitmap* part = Alloc();
	if (part == nullptr)
		return nullptr;
	Block(part).image = surfax::io::CropImage(Block(this).image, x, y, w, h);
	return part;
}

Int32 BaseBitmap::GetBw() const
{
	return Block(this).image.width;
}

Int32 BaseBitmap::GetBh() const
{
	return Block(this).image.height;
}

Int32 BaseBitmap::GetBt() const
{
	return 32;
}

void BaseBitmap::GetPixel(Int32 x, Int32 y, UInt16* r, UInt16* g, UInt16* b) const
{
	const surfax::io::Image& image = Block(this).image;
	UInt16 rgb[3] = {0, 0, 0};
	if (x >= 0 && y >= 0 && x < image.width && y < image.height)
	{
		const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x) * 4;
		for (int k = 0; k < 3; ++k)
			rgb[k] = image.rgba[at + k];
	}
	if (r)
		*r = rgb[0];
	if (g)
		*g = rgb[1];
	if (b)
		*b = rgb[2];
}

void BaseBitmap::SetPixel(Int32 x, Int32 y, Int32 r, Int32 g, Int32 b)
{
	surfax::io::Image& image = Block(this).image;
	if (x < 0 || y < 0 || x >= image.width || y >= image.height)
		return;
	const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x) * 4;
	const Int32 rgb[3] = {r, g, b};
	for (int k = 0; k < 3; ++k)
		image.rgba[at + k] = static_cast<std::uint8_t>(rgb[k] < 0 ? 0 : (rgb[k] > 255 ? 255 : rgb[k]));
	image.rgba[at + 3] = 255;
}
Bool GetIcon(Int32 iconId, IconData* data)
{
	(void)iconId;
	(void)data;
	// The stand-in host has no icons of its own to hand out.
	return false;
}
} // namespace cinema
