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

bool HasChildren(const json& value)
{
	return value.is_structured() && !value.empty();
}
} // namespace

// Builds the DOM as the library's own parser does, on an explicit stack, and keeps what the path of the value being
// read needs: each open container and, for objects, the key being read. Before each container is added, the tree gets
// room for a teardown path one deeper.
class JsonTreeBuilder
{
public:
	JsonTreeBuilder(std::string_view text, JsonTree& tree, JsonError& error)
	    : _text(text), _tree(tree), _root(tree._root), _error(error)
	{
	}

	bool null() { return Add(json(nullptr)) != nullptr; }
	bool boolean(bool value) { return Add(json(value)) != nullptr; }
	bool number_integer(json::number_integer_t value) { return Add(json(value)) != nullptr; }
	bool number_unsigned(json::number_unsigned_t value) { return Add(json(value)) != nullptr; }
	bool number_float(json::number_float_t value, const json::string_t&) { return Add(json(value)) != nullptr; }
	bool string(json::string_t& value) { return Add(json(std::move(value))) != nullptr; }
	bool binary(json::binary_t& value) { return Add(json(std::move(value))) != nullptr; }

	bool start_object(std::size_t)
	{
		ReserveTeardown();
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
		ReserveTeardown();
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
	// Geometric growth: a deeply nested text costs linear time here too.
	void ReserveTeardown()
	{
		std::vector<json*>& path = _tree._path;
		const std::size_t needed = _open.size() + 2;
		if (needed > path.capacity())
			path.reserve(std::max({needed, path.capacity() * 2, std::size_t(16)}));
	}

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
	JsonTree& _tree;
	json& _root;
	JsonError& _error;
	std::vector<Open> _open;
};

void JsonTree::Clear() noexcept
{
	// Depth first from the last child: each value is freed once it has no children, so no destructor of the library
	// needs a stack. The path never grows past the capacity the parse reserved.
	_path.clear();
	if (HasChildren(_root) && _path.capacity() > 0)
		_path.push_back(&_root);
	while (!_path.empty())
	{
		json& top = *_path.back();
		if (!HasChildren(top))
		{
			_path.pop_back();
			continue;
		}
		json* last = nullptr;
		if (top.is_array())
			last = &top.get_ref<json::array_t&>().back();
		else
			last = &std::prev(top.get_ref<json::object_t&>().end())->second;
		if (HasChildren(*last) && _path.size() < _path.capacity())
		{
			_path.push_back(last);
			continue;
		}
		if (top.is_array())
			top.get_ref<json::array_t&>().pop_back();
		else
			top.get_ref<json::object_t&>().erase(std::prev(top.get_ref<json::object_t&>().end()));
	}
	_root = nullptr;
}

json JsonTree::Release() noexcept
{
	json value = std::move(_root);
	_root = nullptr;
	return value;
}

bool ParseJson(std::string_view text, JsonTree& out, JsonError& error)
{
	error = JsonError{};
	out.Clear();
	// JSON text holds no NUL byte anywhere (not even in strings); the library would call it the end of the input.
	if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
	{
		PlaceOffset(text, nul, error.line, error.column);
		error.message = "not JSON text: it holds a NUL byte (a binary file?)";
		return false;
	}
	try
	{
		JsonTreeBuilder builder(text, out, error);
		if (!json::sax_parse(text.begin(), text.end(), &builder, json::input_format_t::json, true))
		{
			if (error.message.empty())
				error.message = "not a JSON value";
			out.Clear();
			return false;
		}
	}
	catch (const std::bad_alloc&)
	{
		out.Clear();
		error = JsonError{};
		error.message = "out of memory";
		return false;
	}
	return true;
}

bool ParseJson(std::string_view text, json& out, JsonError& error)
{
	JsonTree tree;
	if (!ParseJson(text, tree, error))
		return false;
	out = tree.Release();
	return true;
}
} // namespace surfax::io
