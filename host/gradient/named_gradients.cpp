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

// Sampled at 17 even positions from the colour maps' published 256-entry definitions.
constexpr NamedKnot kViridis[] = {
    {0.0000, {0.267004, 0.004874, 0.329415}}, {0.0625, {0.282302, 0.094624, 0.417024}},
    {0.1250, {0.278919, 0.174879, 0.482972}}, {0.1875, {0.259266, 0.250672, 0.524378}},
    {0.2500, {0.230223, 0.321297, 0.545488}}, {0.3125, {0.199995, 0.386377, 0.554533}},
    {0.3750, {0.173302, 0.447386, 0.557850}}, {0.4375, {0.149668, 0.506440, 0.557329}},
    {0.5000, {0.128148, 0.565107, 0.550893}}, {0.5625, {0.120325, 0.623765, 0.534308}},
    {0.6250, {0.155378, 0.681539, 0.503240}}, {0.6875, {0.241467, 0.736626, 0.454543}},
    {0.7500, {0.362859, 0.786695, 0.386589}}, {0.8125, {0.508094, 0.829231, 0.299221}},
    {0.8750, {0.669358, 0.862217, 0.195444}}, {0.9375, {0.835913, 0.886110, 0.102462}},
    {1.0000, {0.993248, 0.906157, 0.143936}},
};

constexpr NamedKnot kCividis[] = {
    {0.0000, {0.000000, 0.135112, 0.304751}}, {0.0625, {0.000000, 0.178632, 0.414315}},
    {0.1250, {0.102432, 0.220061, 0.435890}}, {0.1875, {0.194166, 0.263860, 0.426000}},
    {0.2500, {0.262738, 0.307153, 0.422794}}, {0.3125, {0.323108, 0.350438, 0.426137}},
    {0.3750, {0.379533, 0.394129, 0.435367}}, {0.4375, {0.433702, 0.438532, 0.450630}},
    {0.5000, {0.486919, 0.483885, 0.470696}}, {0.5625, {0.545719, 0.530237, 0.471841}},
    {0.6250, {0.606671, 0.577917, 0.464140}}, {0.6875, {0.669253, 0.627154, 0.448879}},
    {0.7500, {0.733438, 0.678180, 0.425295}}, {0.8125, {0.799265, 0.731217, 0.392139}},
    {0.8750, {0.866958, 0.786471, 0.346166}}, {0.9375, {0.936940, 0.844072, 0.280560}},
    {1.0000, {0.995737, 0.909344, 0.217772}},
};

constexpr NamedKnot kMagma[] = {
    {0.0000, {0.001462, 0.000466, 0.013866}}, {0.0625, {0.039352, 0.030922, 0.132996}},
    {0.1250, {0.112445, 0.065347, 0.275597}}, {0.1875, {0.210446, 0.062164, 0.417310}},
    {0.2500, {0.315086, 0.071193, 0.484831}}, {0.3125, {0.412809, 0.109649, 0.504471}},
    {0.3750, {0.510505, 0.147346, 0.507707}}, {0.4375, {0.610826, 0.180922, 0.498954}},
    {0.5000, {0.713175, 0.213890, 0.476245}}, {0.5625, {0.813506, 0.254188, 0.438061}},
    {0.6250, {0.901325, 0.316489, 0.389950}}, {0.6875, {0.959241, 0.413511, 0.359894}},
    {0.7500, {0.985945, 0.530007, 0.380081}}, {0.8125, {0.995864, 0.647716, 0.442271}},
    {0.8750, {0.997004, 0.763297, 0.529580}}, {0.9375, {0.992807, 0.877616, 0.633546}},
    {1.0000, {0.987053, 0.991438, 0.749504}},
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
    {"viridis", kViridis, std::size(kViridis), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"cividis", kCividis, std::size(kCividis), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
    {"magma", kMagma, std::size(kMagma), maxon::GRADIENT_INTERPOLATION_TYPE::LINEARKNOT, true},
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
