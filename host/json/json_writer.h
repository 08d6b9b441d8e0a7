// The one JSON writer of the host: documents, the dump, describe, glTF files and the chart page's settings all go
// through it, so that the same values always give the same bytes.
//
// Two styles:
//   - Readable (documents, the dump): two spaces per level; every member of an object and every element of an
//     array on its own line, except in containers opened as inline, which print on one line with ", " between
//     elements and ": " after keys (everything nested inside an inline container is inline too). -0 prints as
//     "-0.0" so that a reader keeps the sign and sees a float. Control characters print as \b \f \n \r \t where
//     JSON has a short escape, else as \u00XX.
//   - Compact (glTF, the chart page): no whitespace at all ("," and ":" alone), whatever layout a container is
//     opened with. Numbers print as their shortest text ("-0" included), and every control character as \u00XX.
// In both: empty containers print as {} and []; keys print in the order they are written; numbers print in the C
// locale, floats as the shortest text that reads back to the same value; non-finite values cannot be JSON numbers
// and print as the strings "inf", "-inf" and "nan". Text is UTF-8; invalid byte sequences are written as U+FFFD so
// that the output is always valid JSON. Escapes use lower-case hex.
#ifndef SURFAX_HOST_JSON_JSON_WRITER_H
#define SURFAX_HOST_JSON_JSON_WRITER_H

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace surfax::io
{
enum class JsonStyle
{
	Readable, // indented, for people and documents
	Compact,  // no whitespace, for files read by programs
};

enum class Layout
{
	Block,  // one member per line
	Inline, // the whole container on one line
};

/// How control characters (U+0000 to U+001F) are escaped in a string.
enum class ControlEscapes
{
	Short,   // \b \f \n \r \t as such, the others as \u00XX
	Unicode, // all as \u00XX
};

/// Appends JSON text to a string the caller owns. The caller writes a well-formed sequence (a key before each value
/// inside objects, balanced Begin/End); the writer does not check it.
class JsonWriter
{
public:
	explicit JsonWriter(std::string& out, JsonStyle style = JsonStyle::Readable) : _out(out), _style(style) {}

	/// `layout` applies to the Readable style only.
	void BeginObject(Layout layout = Layout::Block);
	void EndObject();
	void BeginArray(Layout layout = Layout::Block);
	void EndArray();
	/// The key of the next value (inside an object).
	void Key(std::string_view key);

	void Null();
	void Bool(bool value);
	void Int(std::int64_t value);
	/// Shortest round-trip text of the double ("0.1", "-180", "1e+300"); -0 as described for the style.
	void Float(double value);
	/// Shortest text that reads back to the same single-precision float (0.1f as "0.1", not as its double's digits),
	/// for values that are floats: more digits would mean nothing. -0 and non-finite values as Float.
	void Float32(float value);
	/// Like Float, but an integral value gets ".0" ("1.0"), so that a reader sees a float and not an integer.
	void FloatMarked(double value);
	void String(std::string_view text);
	/// [x, y, z] inline.
	void Vector3(double x, double y, double z);

	/// Arrays of values, inline: Int, Float or Float32 per element.
	void IntArray(std::span<const std::size_t> values);
	void FloatArray(std::span<const double> values);
	void Float32Array(std::span<const float> values);

	/// Key and value in one call.
	void IntMember(std::string_view key, std::int64_t value);
	void FloatMember(std::string_view key, double value);
	void BoolMember(std::string_view key, bool value);
	void StringMember(std::string_view key, std::string_view text);

	/// Ends the text with a newline (after the last top-level value).
	void Finish();

private:
	struct Frame
	{
		bool inlineLayout = false;
		bool empty = true;
	};

	bool Compact() const { return _style == JsonStyle::Compact; }
	ControlEscapes Escapes() const { return Compact() ? ControlEscapes::Unicode : ControlEscapes::Short; }
	void BeforeValue();
	void NewLine(std::size_t depth);
	void Begin(char bracket, Layout layout);
	void End(char bracket);
	void Number(double value, std::string_view text);

	std::string& _out;
	JsonStyle _style;
	std::vector<Frame> _frames;
	bool _afterKey = false;
};

/// The JSON string literal of text (quotes included), with U+FFFD for invalid UTF-8 as described above.
void AppendJsonString(std::string& out, std::string_view text, ControlEscapes escapes = ControlEscapes::Short);
} // namespace surfax::io

#endif
