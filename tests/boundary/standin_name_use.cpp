// Compiled as a plug-in source after the stand-in-only names are poisoned: reading a string's bytes through the
// stand-in's GetUtf8 must be refused (the real SDK has no such member).
#include "c4d.h"

int UsesAStandInOnlyName()
{
	const cinema::String text("stand-in");
	return static_cast<int>(text.GetUtf8().size());
}
