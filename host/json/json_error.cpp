#include "host/json/json_error.h"

namespace surfax::io
{
std::string JsonError::Format() const
{
	std::string text;
	if (line > 0)
		text = std::to_string(line) + ":" + std::to_string(column) + ": ";
	if (!path.empty())
		text += path + ": ";
	return text + message;
}

std::string JsonError::Format(std::string_view file) const
{
	std::string text(file);
	// A syntax error sits in the file itself ("doc.json:3:7: ..."); a path error names a member inside it.
	text += line > 0 ? ":" : ": ";
	return text + Format();
}
} // namespace surfax::io
