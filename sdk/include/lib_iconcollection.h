// The application's icon collection: its own icons by id.
//
// The SDK keeps this header in c4d_libs/ and c4d.h includes it, so every plug-in source sees GetIcon in namespace
// cinema: a plug-in helper of the same name is hidden by it inside that namespace.
#ifndef LIB_ICONCOLLECTION_H__
#define LIB_ICONCOLLECTION_H__

#include "ge_math.h"

namespace cinema
{
class BaseBitmap;

/// Where an icon lies in a bitmap: the bitmap and the icon's rectangle in it.
struct IconData
{
	BaseBitmap* bmp = nullptr;
	Int32 x = 0;
	Int32 y = 0;
	Int32 w = 0;
	Int32 h = 0;
	IconData() = default;
	IconData(BaseBitmap* t_bmp, Int32 t_x, Int32 t_y, Int32 t_w, Int32 t_h) : bmp(t_bmp), x(t_x), y(t_y), w(t_w), h(t_h)
	{
	}
};

/// Fills data with the application's icon iconId. The stand-in host keeps no icon collection: always false.
Bool GetIcon(Int32 iconId, IconData* data);
} // namespace cinema

#endif // LIB_ICONCOLLECTION_H__
