// The host side of BaseBitmap.
#ifndef SURFAX_HOST_PLUGINS_BITMAP_H
#define SURFAX_HOST_PLUGINS_BITMAP_H

#include "c4d_basebitmap.h"
#include "host/image/image.h"

namespace surfax::plugins
{
// The pixels of a bitmap, or null for null.
const io::Image* BitmapImage(const cinema::BaseBitmap* bitmap);
// Number of bitmaps alive (for leak checks in tests).
int LiveBitmapCount();
} // namespace surfax::plugins

#endif
