#include "host/gradient/named_gradients.h"

#include "customgui_gradient.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace surfax::gradient
{
using namespace cinema;

namespace
{
struct NamedKnot
{
	double position;
	double rgb[3];
};

constexpr NamedKnot kGrey[] = {
    {0.0, {0.0, 0.0, 0.0}},
    {1.0, {1.0, 1.0, 1.0}},
};

// The plot object's default gradient: low values blue, middle green, high red.
constexpr NamedKnot kRainbow[] = {
    {0.0, {0.0, 0.0, 1.0}},
    {0.5, {0.0, 1.0, 0.0}},
    {1.0, {1.0, 0.0, 0.0}},
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
    {"grey", kGrey, std::size(kGrey), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"rainbow", kRainbow, std::size(kRainbow), maxon::GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT, false},
};

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
		list += (list.empty() ? "" : ", ") + std::string(map.name);
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
		knot.col = maxon::Color(source.rgb[0], source.rgb[1], source.rgb[2]);
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
