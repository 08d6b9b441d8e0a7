#include "app/parameter_text.h"

#include "customgui_fontchooser.h"
#include "lib_clipmap.h"

#include "host/core/number_text.h"
#include "host/document/param_json.h"
#include "host/json/json_reader.h"

namespace surfax::app
{
using namespace cinema;
using resources::ParamDesc;
using resources::ParamType;

namespace
{
std::string_view Trim(std::string_view text)
{
	const std::size_t first = text.find_first_not_of(" \t");
	if (first == std::string_view::npos)
		return {};
	const std::size_t last = text.find_last_not_of(" \t");
	return text.substr(first, last - first + 1);
}

// A number as a person types it: blanks around it and a '+' are fine, and the non-finite words of documents.
constexpr core::NumberTextOptions kTypedNumber = {.blanks = core::NumberTextOptions::Blanks::SpacesAndTabsAround,
                                                  .plusSign = true,
                                                  .nonFinite = core::NumberTextOptions::NonFinite::Words};

bool IntegerFromText(const ParamDesc& param, std::string_view text, GeData& out, std::string& message)
{
	if (const resources::CycleEntry* entry = io::CycleEntryBySymbol(param, Trim(text)))
	{
		out = GeData(static_cast<Int32>(entry->value));
		return true;
	}
	std::int64_t v = 0;
	if (!core::ParseNumberText(text, v, kTypedNumber))
	{
		message = param.cycle.empty() ? "expected an integer"
		                              : "expected an integer or a cycle entry: " + io::CycleValueList(param);
		return false;
	}
	if (!io::CheckIntegerValue(param, v, message))
		return false;
	out = GeData(static_cast<Int32>(v));
	return true;
}

bool VectorFromText(std::string_view text, GeData& out, std::string& message)
{
	std::string_view inner = Trim(text);
	if (inner.size() >= 2 && inner.front() == '[' && inner.back() == ']')
		inner = inner.substr(1, inner.size() - 2);
	double xyz[3];
	if (!core::ParseVectorText(inner, xyz, kTypedNumber))
	{
		message = "expected x,y,z";
		return false;
	}
	out = GeData(Vector(xyz[0], xyz[1], xyz[2]));
	return true;
}

bool GradientFromText(const ParamDesc& param, std::string_view text, GeData& out, std::string& message)
{
	nlohmann::json value;
	io::JsonError error;
	if (!io::ParseJson(text, value, error))
	{
		message = "expected a gradient as JSON: {\"gradient\": {...}} (" + error.Format() + ")";
		return false;
	}
	std::string path;
	if (!io::ReadParamValue(value, &param, path, out, error))
	{
		message = error.Format();
		return false;
	}
	return true;
}

bool FontFromText(const ParamDesc& param, std::string_view text, GeData& out, std::string& message)
{
	const std::string_view trimmed = Trim(text);
	if (!trimmed.empty() && trimmed.front() == '{')
	{
		const nlohmann::json value = nlohmann::json::parse(trimmed.begin(), trimmed.end(), nullptr, false);
		std::string path;
		io::JsonError error;
		if (value.is_discarded() || !io::ReadParamValue(value, &param, path, out, error))
		{
			message = value.is_discarded() ? "expected a font name or {\"font\": {...}}" : error.Format();
			return false;
		}
		return true;
	}
	// A font by the name the font chooser shows.
	BaseContainer description;
	if (!GeClipMap::GetFontDescription(String(std::string(trimmed)), GE_FONT_NAME_DISPLAY, &description))
	{
		message = "no installed font is named \"" + std::string(trimmed) + "\"";
		return false;
	}
	GeData font(FONTCHOOSER_DATA, DEFAULTVALUE);
	FontData* fontData = font.GetCustomDataTypeWritable<FontData>();
	if (fontData == nullptr)
	{
		message = "out of memory";
		return false;
	}
	fontData->SetFont(&description);
	out = std::move(font);
	return true;
}
} // namespace

bool ParamValueFromText(const ParamDesc& param, std::string_view text, GeData& out, std::string& message)
{
	switch (param.type)
	{
	case ParamType::Long:
		return IntegerFromText(param, text, out, message);
	case ParamType::Real:
	{
		double v = 0.0;
		if (!core::ParseNumberText(text, v, kTypedNumber))
		{
			message = "expected a number";
			return false;
		}
		out = GeData(v);
		return true;
	}
	case ParamType::Bool:
	{
		const std::string_view word = Trim(text);
		if (word != "true" && word != "false")
		{
			message = "expected true or false";
			return false;
		}
		out = GeData(word == "true");
		return true;
	}
	case ParamType::String:
		out = GeData(maxon::String(std::string(text)));
		return true;
	case ParamType::Filename:
		out = GeData(Filename(maxon::String(std::string(text))));
		return true;
	case ParamType::Vector:
	case ParamType::Color:
		return VectorFromText(text, out, message);
	case ParamType::Gradient:
		return GradientFromText(param, text, out, message);
	case ParamType::Font:
		return FontFromText(param, text, out, message);
	default:
		message = std::string("a ") + resources::ParamTypeKeyword(param.type) + " parameter holds no value";
		return false;
	}
}
} // namespace surfax::app
