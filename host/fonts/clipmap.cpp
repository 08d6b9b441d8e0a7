// GeClipMap's font helpers over the installed font list.
#include "lib_clipmap.h"

#include "host/fonts/font_library.h"

#include <map>

namespace cinema
{
using surfax::fonts::FontFace;

void GeClipMap::EnumerateFonts(BaseContainer* dst, GE_CM_FONTSORT sort_mode)
{
	if (dst == nullptr)
		return;
	*dst = BaseContainer();
	const std::vector<FontFace>& faces = surfax::fonts::InstalledFonts();
	if (sort_mode == GE_CM_FONTSORT::FLAT)
	{
		Int32 id = 0;
		for (const FontFace& face : faces)
		{
			BaseContainer description;
			surfax::fonts::WriteFontDescription(face, description);
			dst->SetContainer(id++, description);
		}
		return;
	}
	std::map<std::string, BaseContainer> families;
	for (const FontFace& face : faces)
	{
		BaseContainer& family = families[face.family];
		BaseContainer description;
		surfax::fonts::WriteFontDescription(face, description);
		family.SetContainer(family.GetEntryCount(), description);
	}
	Int32 id = 0;
	for (const auto& entry : families)
		dst->SetContainer(id++, entry.second);
}

Bool GeClipMap::GetFontName(const BaseContainer* font_description, GeFontNameType type, String* dst)
{
	if (font_description == nullptr || dst == nullptr)
		return false;
	const GeData* family = font_description->GetDataPointer(surfax::fonts::kFontFamily);
	if (family == nullptr || family->GetType() != DA_STRING || family->GetString().IsEmpty())
		return false;
	FontFace face;
	face.family = family->GetString().GetUtf8();
	face.style = font_description->GetString(surfax::fonts::kFontStyle).GetUtf8();
	switch (type)
	{
	case GE_FONT_NAME_DISPLAY:
		*dst = String(face.DisplayName());
		return true;
	case GE_FONT_NAME_FAMILY:
		*dst = String(face.family);
		return true;
	case GE_FONT_NAME_STYLE:
		*dst = String(face.style);
		return true;
	case GE_FONT_NAME_POSTSCRIPT:
	{
		// Family and style without spaces, joined by a hyphen, as PostScript names are formed.
		std::string name;
		for (const char c : face.family)
			if (c != ' ')
				name += c;
		if (!face.style.empty())
		{
			name += '-';
			for (const char c : face.style)
				if (c != ' ')
					name += c;
		}
		*dst = String(name);
		return true;
	}
	}
	return false;
}

Bool GeClipMap::GetFontDescription(const String& name, GeFontNameType type, BaseContainer* dst)
{
	if (dst == nullptr)
		return false;
	BaseContainer list;
	EnumerateFonts(&list, GE_CM_FONTSORT::FLAT);
	for (Int32 i = 0; i < list.GetEntryCount(); ++i)
	{
		const BaseContainer* description = list.GetContainerInstance(list.GetIndexId(i));
		String candidate;
		if (description != nullptr && GetFontName(description, type, &candidate) && candidate == name)
		{
			*dst = *description;
			return true;
		}
	}
	return false;
}

Bool GeClipMap::GetDefaultFont(GeFontDefaultType type, BaseContainer* font_description)
{
	if (font_description == nullptr)
		return false;
	FontFace face;
	if (!surfax::fonts::DefaultFontFace(type == GE_FONT_DEFAULT_MONOSPACED, face))
		return false;
	*font_description = BaseContainer();
	surfax::fonts::WriteFontDescription(face, *font_description);
	return true;
}
} // namespace cinema
