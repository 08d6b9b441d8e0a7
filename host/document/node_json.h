// The members that documents and the dump write alike for one object: parameters, tags, geometry, colour.
//
// Parameters: a type with a description writes its declared value parameters by symbol in the description's order,
// typed by it; then every other container value, keyed by its numeric id in ascending order and untyped (see
// param_json.h). Ids the description declares without a value (buttons, fonts, ...) are left out. A type without a
// description writes every container value untyped by numeric id.
//
// Tags: [{"type": T, "typeName": "Tuvw", "params": {...}, "uvw": [[[u, v, w] x4], ...]}, ...] in tag order, with
// "uvw" for UVW tags (one entry per element, corners a, b, c, d) and "colors": [[r, g, b, a], ...] for vertex colour
// tags (one per point). T is the numeric type in the dump; documents write the name when there is one.
#ifndef SURFAX_HOST_DOCUMENT_NODE_JSON_H
#define SURFAX_HOST_DOCUMENT_NODE_JSON_H

#include "c4d.h"
#include "host/json/json_writer.h"
#include "host/resources/resource.h"

#include <string_view>

namespace surfax::io
{
/// The description of the object's type, or null (built-in types).
const resources::DescriptionResource* DescriptionOf(const cinema::BaseObject& op);

/// "KEY": [x, y, z], inline.
void WriteVectorMember(JsonWriter& writer, std::string_view key, const cinema::Vector& v);

/// "params": {...} as above.
void WriteParamsMember(JsonWriter& writer, const cinema::BaseContainer& data,
                       const resources::DescriptionResource* description);

/// "colorProperties": {"color": [r, g, b], "usecolor": N, "xray": bool}.
void WriteColorPropertiesMember(JsonWriter& writer, const cinema::BaseObject& op);

/// The object's state shared by documents and the dump, in this order: "enabled", "folded", "editorMode",
/// "renderMode", "position", "rotation", "colorProperties".
void WriteStateMembers(JsonWriter& writer, const cinema::BaseObject& op);

/// "tags": [...] as above; numericTypes selects the dump's form of "type".
void WriteTagsMember(JsonWriter& writer, const cinema::BaseObject& op, bool numericTypes);

/// Polygon objects: "points" and "polygons" ([a, b, c, d]). Splines: "points", "segments" ([[count, closed], ...]),
/// "splineType" ("linear", "cubic", ...) and, with withClosed, "closed". Nothing for other objects.
void WriteGeometryMembers(JsonWriter& writer, const cinema::BaseObject& op, bool withClosed);
} // namespace surfax::io

#endif
