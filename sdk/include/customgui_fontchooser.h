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
/// GetDefaultFont). Made and copied by the host; write it with GeData(fd, FONTCHOOSER_DATA) or
/// BaseContainer::SetData, read it with GetCustomDataType<FontData>().
class FontData : public CustomDataTypeT<FONTCHOOSER_DATA>
{
public:
	/// Stand-in only (sdk/standin/standin_only.h): the host makes and frees font values; a plug-in gets one from a
	/// GeData (GetCustomDataTypeWritable<FontData>()).
	static FontData* AllocFontValue();
	static void FreeFontValue(FontData*& data);

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
