// GeClipMap's font helpers: the installed fonts, their names and the default font.
#ifndef LIB_CLIPMAP_H__
#define LIB_CLIPMAP_H__

#include "c4d_basecontainer.h"
#include "c4d_string.h"

namespace cinema
{
enum class GE_CM_FONTSORT
{
	FLAT = 0,
	HIERARCHICAL = 1,
};

enum GeFontNameType
{
	GE_FONT_NAME_DISPLAY = 0,
	GE_FONT_NAME_FAMILY = 1,
	GE_FONT_NAME_STYLE = 2,
	GE_FONT_NAME_POSTSCRIPT = 3,
};

enum GeFontDefaultType
{
	GE_FONT_DEFAULT_SYSTEM = 0,
	GE_FONT_DEFAULT_MONOSPACED = 1,
};

/// Font helpers of the clip map. A font description is a BaseContainer that these functions and FontData take.
class GeClipMap
{
public:
	/// Fills dst with the installed fonts. FLAT: one font description sub-container per installed face under
	/// consecutive ids from 0, in no particular order. HIERARCHICAL: one sub-container per family (sorted by
	/// name), each holding one font description per face. dst is emptied first; null does nothing.
	static void EnumerateFonts(BaseContainer* dst, GE_CM_FONTSORT sort_mode);
	/// The name of the kind `type` of the font described; false (dst unchanged) when the description names no
	/// font or an argument is null.
	static Bool GetFontName(const BaseContainer* font_description, GeFontNameType type, String* dst);
	/// The description of the first installed face whose name of kind `type` equals name; false when none.
	static Bool GetFontDescription(const String& name, GeFontNameType type, BaseContainer* dst);
	/// The host's default font of the kind into font_description; false when the host has no font at all.
	static Bool GetDefaultFont(GeFontDefaultType type, BaseContainer* font_description);
};
} // namespace cinema

#endif // LIB_CLIPMAP_H__
