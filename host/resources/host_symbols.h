// Symbols of the host's own descriptions (Obase and its groups) that a plug-in's .res may use without defining
// them in its own header, as the application's resource parser knows them from its built-in descriptions.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace surfax::resources
{

// Value of a well-known host symbol such as ID_OBJECTPROPERTIES (802); nullopt when the name is not in the table.
std::optional<std::int32_t> FindHostSymbol(std::string_view symbol);

} // namespace surfax::resources
