#include "app/option_text.h"

#include "host/core/number_text.h"
#include "host/image/image.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <vector>

namespace surfax::app
{
namespace
{
// Decimal digits with an optional '-': a whole number, whether or not it fits a type.
bool IsWholeNumber(std::string_view text)
{
	if (!text.empty() && text.front() == '-')
		text.remove_prefix(1);
	return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
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
    {"slate",
     {render::kPreviewBackground[0], render::kPreviewBackground[1], render::kPreviewBackground[2],
      render::kPreviewBackground[3]}},
    {"transparent", {0, 0, 0, 0}},
};
} // namespace

bool ParseFrame(std::string_view text, std::int32_t& frame, std::string& message)
{
	if (core::ParseNumberText(text, frame))
		return true;
	// A whole number that does not fit is said so, with the limits.
	message = IsWholeNumber(text) ? "frame " + std::string(text) + " is out of range: frames go from " +
	                                    std::to_string(std::numeric_limits<std::int32_t>::min()) + " to " +
	                                    std::to_string(std::numeric_limits<std::int32_t>::max())
	                              : "expected a whole frame number (for example 12)";
	return false;
}

bool ParseFrameRange(std::string_view text, std::int32_t& first, std::int32_t& last, std::string& message)
{
	constexpr const char* kExpected = "expected A..B with whole frame numbers (for example 0..90)";
	const std::size_t dots = text.find("..");
	std::int32_t a = 0, b = 0;
	if (dots == std::string_view::npos)
	{
		message = kExpected;
		return false;
	}
	for (const auto& [part, value] : {std::pair{text.substr(0, dots), &a}, std::pair{text.substr(dots + 2), &b}})
	{
		if (ParseFrame(part, *value, message))
			continue;
		if (!IsWholeNumber(part))
			message = kExpected;
		return false;
	}
	if (b < a)
	{
		message = "the last frame comes before the first";
		return false;
	}
	if (std::int64_t(b) - std::int64_t(a) + 1 > kMaxFrames)
	{
		message = "at most " + std::to_string(kMaxFrames) + " frames";
		return false;
	}
	first = a;
	last = b;
	return true;
}

bool ParsePreviewSize(const std::string& text, int& width, int& height, std::string& message)
{
	// Digits only (no sign, no blanks), 1 to kMaxPreviewSide.
	constexpr core::NumberTextOptions kSide = {.minusSign = false, .min = 1, .max = render::kMaxPreviewSide};
	const std::size_t x = text.find_first_of("xX");
	int w = 0, h = 0;
	if (x == std::string::npos || !core::ParseNumberText(std::string_view(text).substr(0, x), w, kSide) ||
	    !core::ParseNumberText(std::string_view(text).substr(x + 1), h, kSide))
	{
		message = "bad size '" + text + "': expected WIDTHxHEIGHT, each 1 to " +
		          std::to_string(render::kMaxPreviewSide) + " (for example 800x600)";
		return false;
	}
	width = w;
	height = h;
	return true;
}

bool ParseViewAngles(const std::string& text, render::ViewAngles& view, std::string& message)
{
	// Finite numbers; a person may type a leading '+'.
	constexpr core::NumberTextOptions kAngle = {.plusSign = true};
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
	render::ViewAngles parsed;
	if (parts.size() < 2 || parts.size() > 3 || !core::ParseNumberText(parts[0], parsed.azimuth, kAngle) ||
	    !core::ParseNumberText(parts[1], parsed.elevation, kAngle) ||
	    (parts.size() == 3 && !core::ParseNumberText(parts[2], parsed.distance, kAngle)))
	{
		message = "bad camera '" + text + "': expected AZIMUTH,ELEVATION[,DISTANCE] in degrees (for example 30,20)";
		return false;
	}
	if (!(parsed.elevation > -90.0f && parsed.elevation < 90.0f))
	{
		message = "bad camera '" + text + "': the elevation must lie between -90 and 90 degrees";
		return false;
	}
	if (parts.size() == 3 && !(parsed.distance > 0.0f))
	{
		message = "bad camera '" + text + "': the distance must be greater than 0";
		return false;
	}
	view = parsed;
	return true;
}

bool ParseBackground(const std::string& text, std::uint8_t rgba[4], std::string& message)
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
		message =
		    "bad background '" + text + "': expected transparent, #RRGGBB, #RRGGBBAA or black, white, grey, slate";
		return false;
	}
	std::copy(parsed, parsed + 4, rgba);
	return true;
}

bool ParsePositiveNumber(std::string_view text, double& value, std::string& message)
{
	constexpr core::NumberTextOptions kAsStrtod = {
	    .blanks = core::NumberTextOptions::Blanks::LeadingWhitespace, .plusSign = true, .hexadecimal = true};
	double parsed = 0.0;
	if (!core::ParseNumberText(text, parsed, kAsStrtod) || !(parsed > 0.0 && parsed < 1e30))
	{
		message = "expected a positive number";
		return false;
	}
	value = parsed;
	return true;
}

namespace
{
// A whole number from min to max, as --png-compression and --video-quality take it.
bool ParseWholeNumberIn(std::string_view text, int min, int max, const char* what, int& value, std::string& message)
{
	const std::string range = std::to_string(min) + " to " + std::to_string(max);
	int parsed = 0;
	if (!core::ParseNumberText(text, parsed))
	{
		message = "expected a whole number from " + range + ", not " + std::string(text);
		return false;
	}
	if (parsed < min || parsed > max)
	{
		message = std::string(what) + " from " + range + ", not " + std::string(text);
		return false;
	}
	value = parsed;
	return true;
}
} // namespace

bool ParsePngCompression(std::string_view text, int& level, std::string& message)
{
	return ParseWholeNumberIn(text, io::kMinPngCompression, io::kMaxPngCompression, "a level", level, message);
}

bool ParseVideoQuality(std::string_view text, int& quality, std::string& message)
{
	return ParseWholeNumberIn(text, render::kMinVideoQuality, render::kMaxVideoQuality, "a quality", quality, message);
}

bool ParseOrbit(std::string_view text, double& degrees, std::string& message)
{
	double parsed = 0.0;
	if (!core::ParseNumberText(text, parsed, {.plusSign = true}))
	{
		message = "expected the degrees the camera turns over the frames (for example 360), not " + std::string(text);
		return false;
	}
	degrees = parsed;
	return true;
}
bool ParseLineWidth(std::string_view text, float& width, std::string& message)
{
	double parsed = 0.0;
	const std::string widest = std::to_string(static_cast<int>(render::kMaxLineWidth));
	if (!ParsePositiveNumber(text, parsed, message) || parsed > render::kMaxLineWidth)
	{
		message = "expected a width in pixels above 0 and at most " + widest + ", not " + std::string(text);
		return false;
	}
	width = static_cast<float>(parsed);
	return true;
}

bool ParseOnOff(std::string_view text, bool& on, std::string& message)
{
	if (text != "on" && text != "off")
	{
		message = "expected on or off, not " + std::string(text);
		return false;
	}
	on = text == "on";
	return true;
}
} // namespace surfax::app
