// Compiled as a plug-in source: the SDK's GeData takes a custom data value first and its type second; the order of
// SDKs before 2024, type first, has no constructor.
#include "c4d.h"
#include "customgui_fontchooser.h"

cinema::GeData FontValue(const cinema::FontData& font)
{
	return cinema::GeData(FONTCHOOSER_DATA, font);
}
