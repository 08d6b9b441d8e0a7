// Compiled as a plug-in source: inserting into a string without looking at the result must not compile, as with the
// real SDK, whose String members that can fail return a must-use maxon::Result<void>.
#include "c4d.h"

void IgnoresTheResult(cinema::String& text)
{
	text.Insert(0, cinema::String("x"));
}
