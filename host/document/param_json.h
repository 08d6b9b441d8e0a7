// Parameter values as JSON, typed by the parameter's description.
//
// Typed values (the description declares the parameter):
//   LONG          an integer in the Int32 range; with a CYCLE one of the cycle's values (its symbol is accepted too)
//   REAL          a number; the strings "inf", "-inf" and "nan" for values that JSON numbers cannot hold, in any case
//                 ("NaN", "-Inf") in documents and in command-line text alike; no other spelling ("infinity", "+inf",
//                 "-nan") and no number too large for a double (1e400) is accepted
//   BOOL          true or false
//   STRING        a string; FILENAME too
//   VECTOR, COLOR [x, y, z]
//   GRADIENT      {"gradient": {"mode": N, "unclamped": bool, "knots": [KNOT, ...]}} with
//                 KNOT = {"color": [r, g, b], "brightness": F, "position": F, "bias": F, "index": N,
//                 "interpolation": N}; every member optional on reading (the knot defaults of the SDK)
//   FONT          {"font": {"family": "DejaVu Sans", "style": "Book", ...}}: the font description's family and style,
//                 then its other entries ("display", "file", "index", and any other id by its number, untyped)
// Buttons, separators, static texts, links and splines hold no value.
//
// Untyped values (types without a description, tags, and ids a description does not declare) carry their kind in
// the JSON itself: an integer is DA_LONG, a number with a point or an exponent is DA_REAL (written as "1.0"), a
// string DA_STRING, three numbers a vector, true/false DA_LONG 1/0, and the other kinds are objects of one member:
// {"float": "inf"}, {"int64": N}, {"time": [numerator, denominator]}, {"filename": "..."},
// {"matrix": [[off], [v1], [v2], [v3]]}, {"container": {"id": N, "values": {"ID": value, ...}}}, {"gradient": ...},
// {"font": ...}.
#ifndef SURFAX_HOST_DOCUMENT_PARAM_JSON_H
#define SURFAX_HOST_DOCUMENT_PARAM_JSON_H

#include "c4d.h"
#include "host/json/json_error.h"
#include "host/json/json_writer.h"
#include "host/resources/resource.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace surfax::io
{
// Nesting limit of untyped containers inside values.
constexpr int kMaxValueNesting = 16;

/// The entries of bc by ascending id (pointers into bc, valid until it changes).
std::vector<std::pair<cinema::Int32, const cinema::GeData*>> SortedEntries(const cinema::BaseContainer& bc);

/// A JSON number, or one of the strings "inf", "-inf" and "nan" (any case) that JsonWriter::Float writes for
/// non-finite values.
bool ReadJsonNumber(const nlohmann::json& value, double& out);
/// [x, y, z] of such numbers.
bool ReadJsonVector(const nlohmann::json& value, cinema::Vector& out);

/// True when the parameter type holds a value (not a button, separator, static text, link or spline).
bool IsValueType(resources::ParamType type);

/// True when WriteParamValue writes something for value: param may be null (untyped); false for DA_NIL and
/// DA_VOID values, value-less parameter types, and values whose kind does not fit the parameter's type.
bool HasJsonForm(const resources::ParamDesc* param, const cinema::GeData& value);

/// Writes value as one JSON value, typed by param (null: untyped). Call only when HasJsonForm is true.
void WriteParamValue(JsonWriter& writer, const resources::ParamDesc* param, const cinema::GeData& value);

/// Reads one JSON value typed by param (null: untyped) into out. False with error (path set from `path`, which must
/// name the value) when the value does not fit or memory is out.
bool ReadParamValue(const nlohmann::json& value, const resources::ParamDesc* param, std::string& path,
                    cinema::GeData& out, JsonError& error);

/// The cycle entries of param as a person reads them in a message: "0 (MODE_A), 1 (MODE_B)".
std::string CycleValueList(const resources::ParamDesc& param);
/// The cycle entry of param whose symbol is `symbol`, or null.
const resources::CycleEntry* CycleEntryBySymbol(const resources::ParamDesc& param, std::string_view symbol);
/// Whether an integer fits a LONG parameter: in the Int32 range and, with a cycle, one of its values. False with a
/// message ("integer out of range", "2 is not one of the cycle's values: ...").
bool CheckIntegerValue(const resources::ParamDesc& param, std::int64_t value, std::string& message);
} // namespace surfax::io

#endif
