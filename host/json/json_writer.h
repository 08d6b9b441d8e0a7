// A small JSON writer with one fixed layout, so that the same values always give the same bytes.
//
// Layout: two spaces per level; every member of an object and every element of an array on its own line, except in
// containers opened as inline, which print on one line with ", " between elements and ": " after keys (everything
// nested inside an inline container is inline too). Empty containers print as {} and []. Keys print in the order
// they are written. Numbers print in the C locale; floats as the shortest text that reads back to the same double.
// Text is UTF-8; invalid byte sequences are written as U+FFFD so that the output is always valid JSON.
#ifndef SURFAX_HOST_JSON_JSON_WRITER_H
#define SURFAX_HOST_JSON_JSON_WRITER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace surfax::io
{
enum class Layout
{
	Block,  // one member per line
	Inline, // the whole container on one line
};

/// Appends JSON text to a string the caller owns. The caller writes a well-formed sequence (a key before each value
/// inside objects, balanced Begin/End); the writer does not check it.
class JsonWriter
{
public:
	explicit JsonWriter(std::string& out) : _out(out) {}

	void BeginObject(Layout layout = Layout::Block);
	void EndObject();
	void BeginArray(Layout layout = Layout::Block);
	void EndArray();
	/// The key of the next value (inside an object).
	void Key(std::string_view key);

	void Null();
	void Bool(bool value);
	void Int(std::int64_t value);
	/// Shortest round-trip text ("0.1", "-180", "1e+300"); -0 as "-0.0" so that readers keep the sign.
	/// Non-finite values cannot be JSON numbers: they print as the strings "inf", "-inf" and "nan".
	void Float(double value);
	/// Like Float, but an integral value gets ".0" ("1.0"), so that a reader sees a float and not an integer.
	void FloatMarked(double value);
	void String(std::string_view text);
	/// [x, y, z] inline.
	void Vector3(double x, double y, double z);

	/// Ends the text with a newline (after the last top-level value).
	void Finish();

private:
	struct Frame
	{
		bool inlineLayout = false;
		bool empty = true;
	};

	void BeforeValue();
	void NewLine(std::size_t depth);
	void End(char bracket);

	std::string& _out;
	std::vector<Frame> _frames;
	bool _afterKey = false;
};

/// The JSON string literal of text (quotes included), with the escapes and U+FFFD replacement described above.
void AppendJsonString(std::string& out, std::string_view text);
} // namespace surfax::io

#endif
