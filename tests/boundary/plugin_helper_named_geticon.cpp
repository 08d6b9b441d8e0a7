// Compiled as a plug-in source: a file-local helper named GetIcon, called from inside namespace cinema, is hidden by
// the SDK's cinema::GetIcon(Int32, IconData*) that c4d.h brings in, so the one-argument call does not compile.
#include "c4d.h"

namespace
{
cinema::BaseBitmap* GetIcon(cinema::Int32 slot)
{
	return slot < 0 ? nullptr : nullptr;
}
} // namespace

namespace cinema
{
BaseBitmap* FirstIcon()
{
	return GetIcon(0);
}
} // namespace cinema
