// The font custom data type: a font description container that parameters hold.
#include "customgui_fontchooser.h"

#include "host/core/custom_data.h"
#include "host/core/memory.h"

#include <new>

namespace surfax::fonts
{
namespace
{
struct FontDataImpl final : cinema::FontData
{
	cinema::BaseContainer description;
};

cinema::CustomDataType* AllocFont()
{
	return cinema::FontData::AllocFontValue();
}

void FreeFont(cinema::CustomDataType* data)
{
	cinema::FontData* font = static_cast<cinema::FontData*>(data);
	cinema::FontData::FreeFontValue(font);
}

bool CopyFont(const cinema::CustomDataType* src, cinema::CustomDataType* dst)
{
	static_cast<FontDataImpl*>(dst)->description = static_cast<const FontDataImpl*>(src)->description;
	return true;
}

bool EqualFonts(const cinema::CustomDataType* a, const cinema::CustomDataType* b)
{
	return static_cast<const FontDataImpl*>(a)->description == static_cast<const FontDataImpl*>(b)->description;
}

const core::CustomDataClass kFontClass = {FONTCHOOSER_DATA, "font", &AllocFont, &FreeFont, &CopyFont, &EqualFonts};

// Known to every GeData as soon as the host library is loaded.
const bool g_registered = (core::RegisterCustomDataClass(&kFontClass), true);
} // namespace
} // namespace surfax::fonts

namespace cinema
{
FontData* FontData::AllocFontValue()
{
	(void)surfax::fonts::g_registered;
	if (surfax::core::ShouldFailAllocation())
		return nullptr;
	return new (std::nothrow) surfax::fonts::FontDataImpl();
}

void FontData::FreeFontValue(FontData*& data)
{
	delete static_cast<surfax::fonts::FontDataImpl*>(data);
	data = nullptr;
}

BaseContainer FontData::GetFont() const
{
	return static_cast<const surfax::fonts::FontDataImpl*>(this)->description;
}

void FontData::SetFont(const BaseContainer* bc)
{
	static_cast<surfax::fonts::FontDataImpl*>(this)->description = bc != nullptr ? *bc : BaseContainer();
}
} // namespace cinema
