// JSON text into nlohmann::json, stricter than the library's own parse: an object that names a key twice is an error
// (the library would keep the last value silently), and so is a number too large for a double (1e400), which is
// placed by line, column and JSON path like every other error of a document.
#ifndef SURFAX_HOST_JSON_JSON_READER_H
#define SURFAX_HOST_JSON_JSON_READER_H

#include "host/json/json_error.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace surfax::io
{
/// Parses text into out. False with error set on failure:
/// - text that is not JSON: line and column of the offending character, no path;
/// - a number out of range: line and column of the number's first character and the path of the value
///   ("objects[0].params.PLOT_SIZE"), message "number out of range";
/// - a repeated key: the path of the second occurrence, message "duplicate key".
/// Runs in time and memory linear in the text and without recursion, whatever the nesting.
bool ParseJson(std::string_view text, nlohmann::json& out, JsonError& error);
} // namespace surfax::io

#endif
