#include "host/json/json_reader.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace surfax::io
{
using nlohmann::json;

namespace
{
constexpr int kNumberOverflow = 406; // nlohmann's out_of_range id for a float that does not fit a double

// Byte offset to 1-based line and column.
void PlaceOffset(std::string_view text, std::size_t offset, int& line, int& column)
{
	line = 1;
	column = 1;
	offset = std::min(offset, text.size());
	for (std::size_t i = 0; i < offset; ++i)
	{
		if (text[i] == '\n')
		{
			++line;
			column = 1;
		}
		else
		{
			++column;
		}
	}
}

// nlohmann's message without its "[json.exception...] parse error at line L, column C: " prefix.
std::string ParseErrorMessage(const std::string& what)
{
	const std::size_t colon = what.find(": ");
	return colon != std::string::npos ? what.substr(colon + 2) : what;
}

// Builds the DOM as the library's own parser does, on an explicit stack, and keeps what the path of the value being
// read needs: each open container and, for objects, the key being read.
class StrictBuilder
{
public:
	StrictBuilder(std::string_view text, json& root, JsonError& error) : _text(text), _root(root), _error(error) {}

	bool null() { return Add(json(nullptr)) != nullptr; }
	bool boolean(bool value) { return Add(json(value)) != nullptr; }
	bool number_integer(json::number_integer_t value) { return Add(json(value)) != nullptr; }
	bool number_unsigned(json::number_unsigned_t value) { return Add(json(value)) != nullptr; }
	bool number_float(json::number_float_t value, const json::string_t&) { return Add(json(value)) != nullptr; }
	bool string(json::string_t& value) { return Add(json(std::move(value))) != nullptr; }
	bool binary(json::binary_t& value) { return Add(json(std::move(value))) != nullptr; }

	bool start_object(std::size_t)
	{
		json* object = Add(json::object());
		_open.push_back(Open{object, {}, nullptr});
		return true;
	}
	bool key(json::string_t& name)
	{
		Open& open = _open.back();
		open.key = name;
		if (open.container->contains(name))
		{
			_error = JsonError{Path(), 0, 0, "duplicate key"};
			return false;
		}
		open.slot = &(*open.container)[std::move(name)];
		return true;
	}
	bool end_object()
	{
		_open.pop_back();
		return true;
	}
	bool start_array(std::size_t)
	{
		json* array = Add(json::array());
		_open.push_back(Open{array, {}, nullptr});
		return true;
	}
	bool end_array()
	{
		_open.pop_back();
		return true;
	}

	bool parse_error(std::size_t position, const std::string& lastToken, const nlohmann::detail::exception& ex)
	{
		if (ex.id == kNumberOverflow)
		{
			// The lexer stands just past the number; its text is the last token.
			const std::size_t start = position >= lastToken.size() ? position - lastToken.size() : 0;
			_error = JsonError{Path(), 0, 0, "number out of range"};
			PlaceOffset(_text, start, _error.line, _error.column);
			return false;
		}
		// The position counts the characters read, the last of which is the offending one.
		_error = JsonError{};
		PlaceOffset(_text, position > 0 ? position - 1 : 0, _error.line, _error.column);
		_error.message = ParseErrorMessage(ex.what());
		return false;
	}

private:
	struct Open
	{
		json* container;
		std::string key; // objects: the member being read
		json* slot;      // objects: where that member's value goes
	};

	json* Add(json&& value)
	{
		if (_open.empty())
		{
			_root = std::move(value);
			return &_root;
		}
		Open& open = _open.back();
		if (open.container->is_array())
		{
			// Only the innermost open container grows, so the pointers to the outer ones stay valid.
			open.container->push_back(std::move(value));
			return &open.container->back();
		}
		*open.slot = std::move(value);
		return open.slot;
	}

	// The path of the value being read: the last element of each open array (the next one for the innermost, whose
	// element has not been added yet) and the current key of each open object.
	std::string Path() const
	{
		std::string path;
		for (std::size_t i = 0; i < _open.size(); ++i)
		{
			const Open& open = _open[i];
			if (open.container->is_array())
			{
				const std::size_t count = open.container->size();
				const std::size_t index = i + 1 < _open.size() && count > 0 ? count - 1 : count;
				AppendPathIndex(path, index);
			}
			else
			{
				AppendPathMember(path, open.key);
			}
		}
		return path;
	}

	std::string_view _text;
	json& _root;
	JsonError& _error;
	std::vector<Open> _open;
};
} // namespace

bool ParseJson(std::string_view text, json& out, JsonError& error)
{
	error = JsonError{};
	json root;
	StrictBuilder builder(text, root, error);
	try
	{
		if (!json::sax_parse(text.begin(), text.end(), &builder, json::input_format_t::json, true))
		{
			if (error.message.empty())
				error.message = "not a JSON value";
			return false;
		}
	}
	catch (const std::bad_alloc&)
	{
		error = JsonError{{}, 0, 0, "out of memory"};
		return false;
	}
	out = std::move(root);
	return true;
}
} // namespace surfax::io
