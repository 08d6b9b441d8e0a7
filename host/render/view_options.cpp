#include "host/render/view_options.h"

#include "host/core/number_text.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace surfax::render
{
namespace
{
// A finite number; a person may type a leading '+'.
bool ParseNumber(std::string_view text, float& value)
{
	return core::ParseNumberText(text, value, {.plusSign = true});
}

int HexDigit(char c)
{
	if (c >= '0' && c <= '9')
		return c - '0';
	c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
	return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

struct NamedColor
{
	const char* name;
	std::uint8_t rgba[4];
};
constexpr NamedColor kNamedColors[] = {
    {"black", {0, 0, 0, 255}},
    {"white", {255, 255, 255, 255}},
    {"grey", {128, 128, 128, 255}},
    {"gray", {128, 128, 128, 255}},
    {"slate", {kPreviewBackground[0], kPreviewBackground[1], kPreviewBackground[2], kPreviewBackground[3]}},
    {"transparent", {0, 0, 0, 0}},
};
} // namespace

bool ParseViewAngles(const std::string& text, ViewAngles& view, std::string& error)
{
	std::vector<std::string_view> parts;
	std::string_view rest(text);
	for (;;)
	{
		const std::size_t comma = rest.find(',');
		parts.push_back(rest.substr(0, comma));
		if (comma == std::string_view::npos)
			break;
		rest.remove_prefix(comma + 1);
	}
	ViewAngles parsed;
	if (parts.size() < 2 || parts.size() > 3 || !ParseNumber(parts[0], parsed.azimuth) ||
	    !ParseNumber(parts[1], parsed.elevation) || (parts.size() == 3 && !ParseNumber(parts[2], parsed.distance)))
	{
		error = "bad camera '" + text + "': expected AZIMUTH,ELEVATION[,DISTANCE] in degrees (for example 30,20)";
		return false;
	}
	if (!(parsed.elevation > -90.0f && parsed.elevation < 90.0f))
	{
		error = "bad camera '" + text + "': the elevation must lie between -90 and 90 degrees";
		return false;
	}
	if (parts.size() == 3 && !(parsed.distance > 0.0f))
	{
		error = "bad camera '" + text + "': the distance must be greater than 0";
		return false;
	}
	view = parsed;
	return true;
}

bool ParseBackground(const std::string& text, std::uint8_t rgba[4], std::string& error)
{
	std::string lower = text;
	std::transform(lower.begin(), lower.end(), lower.begin(),
	               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
	for (const NamedColor& named : kNamedColors)
	{
		if (lower == named.name)
		{
			std::copy(named.rgba, named.rgba + 4, rgba);
			return true;
		}
	}
	std::string_view hex(text);
	if (!hex.empty() && hex.front() == '#')
		hex.remove_prefix(1);
	std::uint8_t parsed[4] = {0, 0, 0, 255};
	bool ok = hex.size() == 6 || hex.size() == 8;
	for (std::size_t i = 0; ok && i < hex.size(); i += 2)
	{
		const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
		ok = high >= 0 && low >= 0;
		parsed[i / 2] = static_cast<std::uint8_t>(high * 16 + low);
	}
	if (!ok)
	{
		error = "bad background '" + text + "': expected transparent, #RRGGBB, #RRGGBBAA or black, white, grey, slate";
		return false;
	}
	std::copy(parsed, parsed + 4, rgba);
	return true;
}
} // namespace surfax::render
