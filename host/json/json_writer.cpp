#include "host/json/json_writer.h"

#include "host/core/number_format.h"
#include "host/core/utf8.h"

#include <charconv>
#include <cmath>

namespace surfax::io
{

void AppendJsonString(std::string& out, std::string_view text)
{
	static const char kHex[] = "0123456789abcdef";
	out += '"';
	std::size_t i = 0;
	while (i < text.size())
	{
		const unsigned char c = static_cast<unsigned char>(text[i]);
		if (c >= 0x80)
		{
			const std::size_t length = core::ValidUtf8Length(text.substr(i));
			if (length == 0)
			{
				out += "\xEF\xBF\xBD";
				++i;
			}
			else
			{
				out.append(text.substr(i, length));
				i += length;
			}
			continue;
		}
		switch (c)
		{
		case '"':
			out += "\\\"";
			break;
		case '\\':
			out += "\\\\";
			break;
		case '\n':
			out += "\\n";
			break;
		case '\r':
			out += "\\r";
			break;
		case '\t':
			out += "\\t";
			break;
		case '\b':
			out += "\\b";
			break;
		case '\f':
			out += "\\f";
			break;
		default:
			if (c < 0x20)
			{
				out += "\\u00";
				out += kHex[c >> 4];
				out += kHex[c & 15];
			}
			else
			{
				out += static_cast<char>(c);
			}
			break;
		}
		++i;
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
		if (!frame.empty)
			_out += ' ';
	}
	else
	{
		NewLine(_frames.size());
	}
	frame.empty = false;
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
	BeforeValue();
	_out += '{';
	const bool parentInline = !_frames.empty() && _frames.back().inlineLayout;
	_frames.push_back(Frame{layout == Layout::Inline || parentInline, true});
}

void JsonWriter::EndObject()
{
	End('}');
}

void JsonWriter::BeginArray(Layout layout)
{
	BeforeValue();
	_out += '[';
	const bool parentInline = !_frames.empty() && _frames.back().inlineLayout;
	_frames.push_back(Frame{layout == Layout::Inline || parentInline, true});
}

void JsonWriter::EndArray()
{
	End(']');
}

void JsonWriter::Key(std::string_view key)
{
	BeforeValue();
	AppendJsonString(_out, key);
	_out += ": ";
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

void JsonWriter::Float(double value)
{
	BeforeValue();
	char buffer[40];
	const std::size_t length = core::FormatShortest(value, buffer);
	if (!std::isfinite(value))
	{
		AppendJsonString(_out, std::string_view(buffer, length));
		return;
	}
	_out.append(buffer, length);
	// "-0" would read back as the integer 0 and lose its sign.
	if (value == 0.0 && std::signbit(value))
		_out += ".0";
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
	AppendJsonString(_out, text);
}

void JsonWriter::Vector3(double x, double y, double z)
{
	BeginArray(Layout::Inline);
	Float(x);
	Float(y);
	Float(z);
	EndArray();
}

void JsonWriter::Finish()
{
	_out += '\n';
}
} // namespace surfax::io
