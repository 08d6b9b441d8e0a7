// JSON text into nlohmann::json, stricter than the library's own parse: an object that names a key twice is an error
// (the library would keep the last value silently), and so is a number too large for a double (1e400), which is
// placed by line, column and JSON path like every other error of a document.
#ifndef SURFAX_HOST_JSON_JSON_READER_H
#define SURFAX_HOST_JSON_JSON_READER_H

#include "host/json/json_error.h"

#include <nlohmann/json.hpp>

#include <string_view>
#include <vector>

namespace surfax::io
{
/// A parsed JSON value that can always be freed. nlohmann's own destructor first moves the children of the value into
/// a stack as wide as its widest array, so freeing a large document when memory is short throws from a destructor and
/// ends the program. A tree keeps, from its parse, room for a path as deep as its deepest value, and frees its values
/// one by one along that path, allocating nothing: Clear and the destructor never throw and never allocate.
class JsonTree
{
public:
	JsonTree() = default;
	~JsonTree() { Clear(); }
	JsonTree(const JsonTree&) = delete;
	JsonTree& operator=(const JsonTree&) = delete;

	const nlohmann::json& Root() const { return _root; }
	/// Frees the value (the tree is null afterwards).
	void Clear() noexcept;
	/// Moves the value out (the tree is null afterwards); it then frees itself the library's way.
	nlohmann::json Release() noexcept;

private:
	friend class JsonTreeBuilder;
	nlohmann::json _root;
	std::vector<nlohmann::json*> _path; // capacity: at least the depth of _root plus one
};

/// Parses text into out (replacing what it held). False with error set on failure, out then null:
/// - text that is not JSON: line and column of the offending character, no path; a NUL byte anywhere makes the text
///   "not JSON text" (a binary file), placed at the first one;
/// - a number out of range: line and column of the number's first character and the path of the value
///   ("objects[0].params.PLOT_SIZE"), message "number out of range";
/// - a repeated key: the path of the second occurrence, message "duplicate key".
/// Runs in time and memory linear in the text and without recursion, whatever the nesting. Memory running out is the
/// error "out of memory".
bool ParseJson(std::string_view text, JsonTree& out, JsonError& error);
/// The same into a plain value, for small texts (a parameter typed on the command line).
bool ParseJson(std::string_view text, nlohmann::json& out, JsonError& error);
} // namespace surfax::io

#endif
