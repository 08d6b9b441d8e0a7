// Errors of JSON readers, placed by JSON path (objects[0].params.PLOT_RESOLUTION) or, for text that is not JSON at
// all, by line and column.
#ifndef SURFAX_HOST_JSON_JSON_ERROR_H
#define SURFAX_HOST_JSON_JSON_ERROR_H

#include <cstddef>
#include <string>
#include <string_view>

namespace surfax::io
{
struct JsonError
{
	std::string path; // members joined by '.', array elements as [i]; empty for the text as a whole
	int line = 0;     // 1-based place in the text, or 0 when only the path is known
	int column = 0;
	std::string message;

	/// "LINE:COLUMN: PATH: message" with the parts that are known, or the bare message when there is neither.
	std::string Format() const;
	/// The same with a file name in front: "doc.json: objects[0].name: expected a string", "doc.json:3:7: ...",
	/// "doc.json:1:52: objects[0].params.PLOT_SIZE: number out of range".
	std::string Format(std::string_view file) const;
};

/// Appends ".member" (just "member" to an empty path) or "[index]" to a path.
inline void AppendPathMember(std::string& path, std::string_view member)
{
	if (!path.empty())
		path += '.';
	path += member;
}
inline void AppendPathIndex(std::string& path, std::size_t index)
{
	path += '[';
	path += std::to_string(index);
	path += ']';
}

/// Appends a member or an element to a path for the lifetime of the scope, and takes it off again.
class PathScope
{
public:
	PathScope(std::string& path, std::string_view member) : _path(path), _size(path.size())
	{
		AppendPathMember(path, member);
	}
	PathScope(std::string& path, std::size_t index) : _path(path), _size(path.size()) { AppendPathIndex(path, index); }
	~PathScope() { _path.resize(_size); }
	PathScope(const PathScope&) = delete;
	PathScope& operator=(const PathScope&) = delete;

private:
	std::string& _path;
	std::size_t _size;
};
} // namespace surfax::io

#endif
