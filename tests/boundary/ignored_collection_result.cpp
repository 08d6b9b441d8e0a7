// Compiled as a plug-in source with -Werror: growing an array without looking at the result must not compile, as
// with the SDK, whose result classes are must-use.
#include "c4d.h"

void GrowsUnchecked(maxon::BaseArray<cinema::Float>& values)
{
	values.Resize(16);
}
