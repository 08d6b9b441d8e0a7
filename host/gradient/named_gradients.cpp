#include "host/gradient/named_gradients.h"

#include "customgui_gradient.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>

namespace surfax::gradient
{
using namespace cinema;

namespace
{
struct NamedKnot
{
	double position;
	std::uint32_t rgb; // 0xRRGGBB, sRGB
};

constexpr NamedKnot kGrey[] = {
    {0.0, 0x000000},
    {1.0, 0xFFFFFF},
};

// The plot object's default gradient: low values blue, middle green, high red.
constexpr NamedKnot kRainbow[] = {
    {0.0, 0x0000FF},
    {0.5, 0x00FF00},
    {1.0, 0xFF0000},
};

// The perceptually uniform maps, each as its ten published stops (the maps are in the public domain). Linear
// interpolation between ten stops stays within a few units of lightness of the continuous map.
constexpr NamedKnot kViridis[] = {
    {0.0 / 9, 0x440154}, {1.0 / 9, 0x482878}, {2.0 / 9, 0x3E4A89}, {3.0 / 9, 0x31688E}, {4.0 / 9, 0x26828E},
    {5.0 / 9, 0x1F9E89}, {6.0 / 9, 0x35B779}, {7.0 / 9, 0x6DCD59}, {8.0 / 9, 0xB4DE2C}, {9.0 / 9, 0xFDE725},
};

constexpr NamedKnot kCividis[] = {
    {0.0 / 9, 0x00204D}, {1.0 / 9, 0x00336F}, {2.0 / 9, 0x39486B}, {3.0 / 9, 0x575C6D}, {4.0 / 9, 0x707173},
    {5.0 / 9, 0x8A8779}, {6.0 / 9, 0xA69D75}, {7.0 / 9, 0xC4B56C}, {8.0 / 9, 0xE4CF5B}, {9.0 / 9, 0xFFEA46},
};

constexpr NamedKnot kMagma[] = {
    {0.0 / 9, 0x000004}, {1.0 / 9, 0x180F3E}, {2.0 / 9, 0x451077}, {3.0 / 9, 0x721F81}, {4.0 / 9, 0x9F2F7F},
    {5.0 / 9, 0xCD4071}, {6.0 / 9, 0xF1605D}, {7.0 / 9, 0xFD9567}, {8.0 / 9, 0xFEC98D}, {9.0 / 9, 0xFCFDBF},
};

struct NamedMap
{
	const char* name;
	const NamedKnot* knots;
	std::size_t count;
	maxon::GRADIENT_INTERPOLATION_TYPE interpolation;
	bool distinctIndices; // the default ramp keeps index 0 on every knot, as the plot object writes it
};

const NamedMap kMaps[] = {
    {"viridis", kViridis, std::size(kViridis), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"cividis", kCividis, std::size(kCividis), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"magma", kMagma, std::size(kMagma), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"grey", kGrey, std::size(kGrey), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"rainbow", kRainbow, std::size(kRainbow), maxon::GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT, false},
};

double Channel(std::uint32_t rgb, int shift)
{
	return static_cast<double>((rgb >> shift) & 0xFFu) / 255.0;
}

const NamedMap* FindMap(std::string_view name)
{
	std::string lower(name);
	std::transform(lower.begin(), lower.end(), lower.begin(),
	               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
	if (lower == "gray")
		lower = "grey";
	for (const NamedMap& map : kMaps)
	{
		if (lower == map.name)
			return &map;
	}
	return nullptr;
}
} // namespace

std::string NamedGradientList()
{
	std::string list;
	for (const NamedMap& map : kMaps)
	{
		if (!list.empty())
			list += ", ";
		list += map.name;
	}
	return list;
}

bool IsNamedGradient(std::string_view name)
{
	return FindMap(name) != nullptr;
}

bool MakeNamedGradient(std::string_view name, GeData& out)
{
	const NamedMap* map = FindMap(name);
	if (map == nullptr)
		return false;
	GeData data(CUSTOMDATATYPE_GRADIENT, DEFAULTVALUE);
	Gradient* gradient = data.GetCustomDataTypeWritable<Gradient>();
	if (gradient == nullptr)
		return false;
	gradient->SetData(GRADIENT_MODE, GeData(Int32(GRADIENTMODE_COLOR)));
	for (std::size_t k = 0; k < map->count; ++k)
	{
		const NamedKnot& source = map->knots[k];
		maxon::GradientKnot knot;
		knot.col = maxon::Color(Channel(source.rgb, 16), Channel(source.rgb, 8), Channel(source.rgb, 0));
		knot.brightness = 1.0;
		knot.pos = source.position;
		knot.bias = 0.5;
		knot.index = map->distinctIndices ? static_cast<Int32>(k) : 0;
		knot.interpolation = map->interpolation;
		if (gradient->InsertKnot(knot) < 0)
			return false;
	}
	out = data;
	return true;
}
} // namespace surfax::gradient
