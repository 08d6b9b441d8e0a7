#include "host/json/json_writer.h"

#include "host/core/number_format.h"
#include "host/core/utf8.h"

#include <charconv>
#include <cmath>

namespace surfax::io
{
namespace
{
// The escape of one ASCII byte, or null when it stands for itself.
const char* ShortEscape(unsigned char c)
{
	switch (c)
	{
	case '"':
		return "\\\"";
	case '\\':
		return "\\\\";
	case '\n':
		return "\\n";
	case '\r':
		return "\\r";
	case '\t':
		return "\\t";
	case '\b':
		return "\\b";
	case '\f':
		return "\\f";
	default:
		return nullptr;
	}
}

void AppendAsciiChar(std::string& out, unsigned char c, ControlEscapes escapes)
{
	static const char kHex[] = "0123456789abcdef";
	const bool quoteOrBackslash = c == '"' || c == '\\';
	const char* escape = escapes == ControlEscapes::Short || quoteOrBackslash ? ShortEscape(c) : nullptr;
	if (escape != nullptr)
	{
		out += escape;
	}
	else if (c < 0x20)
	{
		out += "\\u00";
		out += kHex[c >> 4];
		out += kHex[c & 15];
	}
	else
	{
		out += static_cast<char>(c);
	}
}
} // namespace

void AppendJsonString(std::string& out, std::string_view text, ControlEscapes escapes)
{
	out += '"';
	std::size_t i = 0;
	while (i < text.size())
	{
		const unsigned char c = static_cast<unsigned char>(text[i]);
		if (c < 0x80)
		{
			AppendAsciiChar(out, c, escapes);
			++i;
			continue;
		}
		const std::size_t length = core::ValidUtf8Length(text.substr(i));
		if (length == 0)
		{
			out += "\xEF\xBF\xBD";
			++i;
			continue;
		}
		out.append(text.substr(i, length));
		i += length;
	}
	out += '"';
}

void JsonWriter::NewLine(std::size_t depth)
{
	_out += '\n';
	_out.append(depth * 2, ' ');
}

void JsonWriter::BeforeValue()
{
	if (_afterKey)
	{
		_afterKey = false;
		return;
	}
	if (_frames.empty())
		return;
	Frame& frame = _frames.back();
	if (!frame.empty)
		_out += ',';
	if (frame.inlineLayout)
	{
		if (!frame.empty && !Compact())
			_out += ' ';
	}
	else
	{
		NewLine(_frames.size());
	}
	frame.empty = false;
}

void JsonWriter::Begin(char bracket, Layout layout)
{
	BeforeValue();
	_out += bracket;
	const bool parentInline = !_frames.empty() && _frames.back().inlineLayout;
	_frames.push_back(Frame{layout == Layout::Inline || parentInline || Compact(), true});
}

void JsonWriter::End(char bracket)
{
	const Frame frame = _frames.back();
	_frames.pop_back();
	if (!frame.empty && !frame.inlineLayout)
		NewLine(_frames.size());
	_out += bracket;
}

void JsonWriter::BeginObject(Layout layout)
{
	Begin('{', layout);
}

void JsonWriter::EndObject()
{
	End('}');
}

void JsonWriter::BeginArray(Layout layout)
{
	Begin('[', layout);
}

void JsonWriter::EndArray()
{
	End(']');
}

void JsonWriter::Key(std::string_view key)
{
	BeforeValue();
	AppendJsonString(_out, key, Escapes());
	_out += Compact() ? ":" : ": ";
	_afterKey = true;
}

void JsonWriter::Null()
{
	BeforeValue();
	_out += "null";
}

void JsonWriter::Bool(bool value)
{
	BeforeValue();
	_out += value ? "true" : "false";
}

void JsonWriter::Int(std::int64_t value)
{
	BeforeValue();
	char buffer[24];
	const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof(buffer), value);
	_out.append(buffer, r.ptr);
}

void JsonWriter::Number(double value, std::string_view text)
{
	BeforeValue();
	if (!std::isfinite(value))
	{
		AppendJsonString(_out, text);
		return;
	}
	_out.append(text);
	// In a readable document "-0" would read back as the integer 0 and lose its sign.
	if (value == 0.0 && std::signbit(value) && !Compact())
		_out += ".0";
}

void JsonWriter::Float(double value)
{
	char buffer[40];
	Number(value, std::string_view(buffer, core::FormatShortest(value, buffer)));
}

void JsonWriter::Float32(float value)
{
	if (!std::isfinite(value))
	{
		Float(static_cast<double>(value));
		return;
	}
	char buffer[40];
	const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof(buffer), value);
	Number(static_cast<double>(value), std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)));
}

void JsonWriter::FloatMarked(double value)
{
	BeforeValue();
	char buffer[40];
	const std::size_t length = core::FormatShortest(value, buffer);
	if (!std::isfinite(value))
	{
		AppendJsonString(_out, std::string_view(buffer, length));
		return;
	}
	const std::string_view text(buffer, length);
	_out.append(text);
	if (text.find_first_of(".e") == std::string_view::npos)
		_out += ".0";
}

void JsonWriter::String(std::string_view text)
{
	BeforeValue();
	AppendJsonString(_out, text, Escapes());
}

void JsonWriter::Vector3(double x, double y, double z)
{
	const double values[3] = {x, y, z};
	FloatArray(values);
}

void JsonWriter::IntArray(std::span<const std::size_t> values)
{
	BeginArray(Layout::Inline);
	for (const std::size_t v : values)
		Int(static_cast<std::int64_t>(v));
	EndArray();
}

void JsonWriter::FloatArray(std::span<const double> values)
{
	BeginArray(Layout::Inline);
	for (const double v : values)
		Float(v);
	EndArray();
}

void JsonWriter::Float32Array(std::span<const float> values)
{
	BeginArray(Layout::Inline);
	for (const float v : values)
		Float32(v);
	EndArray();
}

void JsonWriter::IntMember(std::string_view key, std::int64_t value)
{
	Key(key);
	Int(value);
}

void JsonWriter::FloatMember(std::string_view key, double value)
{
	Key(key);
	Float(value);
}

void JsonWriter::BoolMember(std::string_view key, bool value)
{
	Key(key);
	Bool(value);
}

void JsonWriter::StringMember(std::string_view key, std::string_view text)
{
	Key(key);
	String(text);
}

void JsonWriter::Finish()
{
	_out += '\n';
}
} // namespace surfax::io
