// The font custom data type: a font description container as a parameter value.
#ifndef CUSTOMGUI_FONTCHOOSER_H__
#define CUSTOMGUI_FONTCHOOSER_H__

#include "c4d_basecontainer.h"
#include "c4d_customdatatype.h"

#define FONTCHOOSER_DATA 1009372
#define CUSTOMGUI_FONTCHOOSER 1009371

namespace cinema
{
/// A font, as the font chooser stores it: a copy of a font description container (GeClipMap::EnumerateFonts,
/// GetDefaultFont). Made and copied by the host; write it with GeData(FONTCHOOSER_DATA, fd) or
/// BaseContainer::SetData, read it with GetCustomDataType<FontData>().
class FontData : public CustomDataTypeT<FONTCHOOSER_DATA>
{
public:
	/// A new font value holding an empty description, or null when memory is out. Free with Free.
	static FontData* Alloc();
	static void Free(FontData*& data);

	/// A copy of the font description (empty when none was set).
	BaseContainer GetFont() const;
	/// Replaces the description by a copy of bc; null empties it.
	void SetFont(const BaseContainer* bc);

protected:
	FontData() = default;
	~FontData() = default;
};
} // namespace cinema

#endif // CUSTOMGUI_FONTCHOOSER_H__
