#include "host/resources/host_symbols.h"

namespace surfax::resources
{

namespace
{

struct HostSymbol
{
	std::string_view name;
	std::int32_t value;
};

// Only ids confirmed from the SDK's obase.h and c4d_baselist.h; add more as plug-in resources need them.
constexpr HostSymbol kHostSymbols[] = {
    {"ID_OBJECTPROPERTIES", 802},
    {"ID_BASEOBJECT_VISIBILITY_EDITOR", 901},
    {"ID_BASEOBJECT_VISIBILITY_RENDER", 902},
    {"ID_BASEOBJECT_GENERATOR_FLAG", 906},
    {"ID_BASEOBJECT_USECOLOR", 907},
    {"ID_BASEOBJECT_USECOLOR_OFF", 0},
    {"ID_BASEOBJECT_USECOLOR_AUTOMATIC", 1},
    {"ID_BASEOBJECT_USECOLOR_ALWAYS", 2},
    {"ID_BASEOBJECT_USECOLOR_LAYER", 3},
    {"ID_BASEOBJECT_COLOR", 908},
    {"ID_BASEOBJECT_XRAY", 909},
};

} // namespace

std::optional<std::int32_t> FindHostSymbol(std::string_view symbol)
{
	for (const HostSymbol& entry : kHostSymbols)
		if (entry.name == symbol)
			return entry.value;
	return std::nullopt;
}

} // namespace surfax::resources
