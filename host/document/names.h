// Names that documents and the dump use for host enumerations: tag types, visibility modes, spline types.
#ifndef SURFAX_HOST_DOCUMENT_NAMES_H
#define SURFAX_HOST_DOCUMENT_NAMES_H

#include "c4d.h"

#include <string_view>

namespace surfax::io
{
/// "Tphong", "Tuvw", "Tvertexcolor", "Tsegment", "Tpoint", "Tpolygon"; null for other tag types.
const char* TagTypeName(cinema::Int32 type);
/// The tag type of one of the names above; false for other text.
bool TagTypeFromName(std::string_view name, cinema::Int32& type);

/// "on", "off" or "default" for MODE_ON, MODE_OFF and MODE_UNDEF (and any other value).
const char* VisibilityModeName(cinema::Int32 mode);
/// The mode of "on", "off" or "default"; false for other text.
bool VisibilityModeFromName(std::string_view name, cinema::Int32& mode);

/// "linear", "cubic", "akima", "bspline", "bezier"; "linear" for values outside the enumeration.
const char* SplineTypeName(cinema::SPLINETYPE type);
bool SplineTypeFromName(std::string_view name, cinema::SPLINETYPE& type);
} // namespace surfax::io

#endif
