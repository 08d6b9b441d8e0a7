// Bitmaps: icons and images.
#ifndef C4D_BASEBITMAP_H__
#define C4D_BASEBITMAP_H__

#include "c4d_file.h"
#include "ge_prepass.h"

namespace cinema
{
/// An 8-bit RGBA image.
class BaseBitmap
{
public:
	/// A new empty bitmap (0 x 0), or null when memory is out.
	static BaseBitmap* Alloc();
	/// Frees the bitmap and sets bm to null; null is allowed.
	static void Free(BaseBitmap*& bm);
	/// Loads an image file (TIFF or PNG). OK, NOTEXISTING, WRONGTYPE or FILEERROR.
	IMAGERESULT Init(const Filename& name, Int32 frame = -1, Bool* ismovie = nullptr);
	/// Makes an empty image of x by y pixels.
	IMAGERESULT Init(Int32 x, Int32 y, Int32 depth = 24);
	BaseBitmap* GetClone() const;
	/// A new bitmap with the sub-rectangle (clipped to the image), or null when memory is out.
	BaseBitmap* GetClonePart(Int32 x, Int32 y, Int32 w, Int32 h) const;
	Int32 GetBw() const;
	Int32 GetBh() const;
	Int32 GetBt() const;
	/// Reads one pixel (0..255 each); outside the image all zero.
	void GetPixel(Int32 x, Int32 y, UInt16* r, UInt16* g, UInt16* b) const;
	void SetPixel(Int32 x, Int32 y, Int32 r, Int32 g, Int32 b);

protected:
	BaseBitmap() = default;
	~BaseBitmap() = default;
};
} // namespace cinema

#endif // C4D_BASEBITMAP_H__
