// The installed fonts (through fontconfig) and the font description containers that name them.
//
// A font description (the container GeClipMap and FontData pass around) holds, under the ids below, the face's
// family ("DejaVu Sans"), style ("Bold"), display name and file; other ids it may hold are kept as they are. The
// display name is the family alone for the regular style of a family ("Book", "Regular", "Normal", "Roman",
// "Medium" or empty), else family and style joined by a space ("DejaVu Sans Bold").
#ifndef SURFAX_HOST_FONTS_FONT_LIBRARY_H
#define SURFAX_HOST_FONTS_FONT_LIBRARY_H

#include "c4d.h"

#include <string>
#include <vector>

namespace surfax::fonts
{
/// Ids of a font description container. Stored in documents: never change them.
enum FontDescriptionId : cinema::Int32
{
	kFontFamily = 500,  // String
	kFontStyle = 501,   // String
	kFontDisplay = 502, // String
	kFontFile = 503,    // String: the font file's path
	kFontIndex = 504,   // Int32: the face within the file (collections)
};

/// One installed face.
struct FontFace
{
	std::string family;
	std::string style;
	std::string file;
	int index = 0;

	std::string DisplayName() const;
};

/// The installed faces, in fontconfig's order, read once per process (or the list set for tests). When there is
/// none at all, a warning is reported the first time. When memory is too short to start fontconfig (core::RoomFor),
/// the list is empty for this call only, without the warning, and the refused allocation is counted.
const std::vector<FontFace>& InstalledFonts();
/// Replaces the installed list (tests); `useSystem` true goes back to the system's fonts.
void SetInstalledFontsForTesting(std::vector<FontFace> faces, bool useSystem = false);

/// The host's default face (fontconfig's match for "sans-serif", or "monospace" when monospaced is true), found
/// among the installed faces; false when no font is installed.
bool DefaultFontFace(bool monospaced, FontFace& out);

/// Writes face as a font description into bc (replacing the ids above, keeping others).
void WriteFontDescription(const FontFace& face, cinema::BaseContainer& bc);
/// The face named by a description: the installed face with the same file and index, else with the same family
/// and style, else the first of the family, else the default face. False only when no font is installed.
bool ResolveFontDescription(const cinema::BaseContainer* description, FontFace& out);
} // namespace surfax::fonts

#endif
