// The one JSON writer: its two styles, string escapes (control characters, invalid UTF-8) and numbers (-0, floats,
// non-finite values), each read back by an independent parser.
#include "host/json/json_writer.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

using surfax::io::ControlEscapes;
using surfax::io::JsonStyle;
using surfax::io::JsonWriter;
using surfax::io::Layout;

namespace
{
// An object with a nested inline array, an empty object and an empty array, in the given style.
std::string Sample(JsonStyle style)
{
	std::string text;
	JsonWriter w(text, style);
	w.BeginObject();
	w.StringMember("name", "chart");
	w.Key("sizes");
	w.IntArray(std::vector<std::size_t>{1, 2});
	w.Key("empty");
	w.BeginObject();
	w.EndObject();
	w.Key("none");
	w.BeginArray();
	w.EndArray();
	w.Key("rows");
	w.BeginArray();
	w.Vector3(0.5, -1, 1e300);
	w.Null();
	w.EndArray();
	w.BoolMember("on", true);
	w.EndObject();
	return text;
}

std::string Written(JsonStyle style, void (*write)(JsonWriter&))
{
	std::string text;
	JsonWriter w(text, style);
	write(w);
	return text;
}
} // namespace

TEST(JsonWriter, ReadableAndCompactStylesWriteTheSameValuesWithTheirOwnSpacing)
{
	const std::string readable = Sample(JsonStyle::Readable);
	const std::string compact = Sample(JsonStyle::Compact);
	EXPECT_EQ(readable, "{\n  \"name\": \"chart\",\n  \"sizes\": [1, 2],\n  \"empty\": {},\n  \"none\": [],\n"
	                    "  \"rows\": [\n    [0.5, -1, 1e+300],\n    null\n  ],\n  \"on\": true\n}");
	EXPECT_EQ(compact, "{\"name\":\"chart\",\"sizes\":[1,2],\"empty\":{},\"none\":[],\"rows\":[[0.5,-1,1e+300],null],"
	                   "\"on\":true}");
	EXPECT_EQ(nlohmann::json::parse(readable), nlohmann::json::parse(compact));
	// A container opened as a block is still written on one line in the compact style.
	EXPECT_EQ(Written(JsonStyle::Compact,
	                  [](JsonWriter& w)
	                  {
		                  w.BeginArray(Layout::Block);
		                  w.BeginObject(Layout::Inline);
		                  w.IntMember("a", -3);
		                  w.EndObject();
		                  w.EndArray();
	                  }),
	          "[{\"a\":-3}]");
}

TEST(JsonWriter, ControlCharactersAreShortEscapesWhenReadableAndUnicodeEscapesWhenCompact)
{
	std::string text;
	for (int c = 0; c < 0x20; ++c)
		text += static_cast<char>(c);
	text += "\"\\/\x7f";
	std::string shortEscapes, unicodeEscapes;
	surfax::io::AppendJsonString(shortEscapes, text, ControlEscapes::Short);
	surfax::io::AppendJsonString(unicodeEscapes, text, ControlEscapes::Unicode);
	EXPECT_EQ(shortEscapes, "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\b\\t\\n\\u000b\\f\\r\\u000e"
	                        "\\u000f\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017\\u0018\\u0019\\u001a"
	                        "\\u001b\\u001c\\u001d\\u001e\\u001f\\\"\\\\/\x7f\"");
	EXPECT_EQ(unicodeEscapes, "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\u0008\\u0009\\u000a"
	                          "\\u000b\\u000c\\u000d\\u000e\\u000f\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016"
	                          "\\u0017\\u0018\\u0019\\u001a\\u001b\\u001c\\u001d\\u001e\\u001f\\\"\\\\/\x7f\"");
	EXPECT_EQ(nlohmann::json::parse(shortEscapes).get<std::string>(), text);
	EXPECT_EQ(nlohmann::json::parse(unicodeEscapes).get<std::string>(), text);

	// The writer picks the escapes of its style, for keys as for values.
	auto keyAndValue = [](JsonWriter& w)
	{
		w.BeginObject();
		w.StringMember("k\t", "v\n");
		w.EndObject();
	};
	EXPECT_EQ(Written(JsonStyle::Readable, keyAndValue), "{\n  \"k\\t\": \"v\\n\"\n}");
	EXPECT_EQ(Written(JsonStyle::Compact, keyAndValue), "{\"k\\u0009\":\"v\\u000a\"}");
}

TEST(JsonWriter, AnyBytesGiveValidJsonWithInvalidUtf8AsReplacementCharacters)
{
	// Every byte alone, and valid, truncated and overlong sequences beside ASCII.
	std::vector<std::string> texts;
	for (int b = 0; b < 256; ++b)
		texts.push_back(std::string(1, static_cast<char>(b)) + "x");
	texts.push_back("\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80");
	texts.push_back("\xc3");
	texts.push_back("\xe2\x82");
	texts.push_back("\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80");
	for (std::size_t t = 0; t < texts.size(); ++t)
	{
		const std::string& text = texts[t];
		for (const ControlEscapes escapes : {ControlEscapes::Short, ControlEscapes::Unicode})
		{
			std::string out;
			surfax::io::AppendJsonString(out, text, escapes);
			nlohmann::json parsed;
			ASSERT_NO_THROW(parsed = nlohmann::json::parse(out)) << out;
			const std::string back = parsed.get<std::string>();
			const bool ascii = static_cast<unsigned char>(text[0]) < 0x80;
			if (t < 256) // one byte and "x"
			{
				EXPECT_EQ(back, ascii ? text : "\xEF\xBF\xBDx")
				    << static_cast<int>(static_cast<unsigned char>(text[0]));
			}
		}
	}
	std::string out;
	surfax::io::AppendJsonString(out, texts[256]);
	EXPECT_EQ(out, "\"" + texts[256] + "\"") << "valid UTF-8 is kept as it is";
}

TEST(JsonWriter, NumbersKeepNegativeZeroFloatPrecisionAndNonFiniteValuesAsStrings)
{
	auto numbers = [](JsonWriter& w)
	{
		w.BeginArray(Layout::Inline);
		w.Float(-0.0);
		w.Float32(-0.0f);
		w.Float(0.1);
		w.Float(static_cast<double>(0.1f));
		w.Float32(0.1f);
		w.Float32(1.0f / 3.0f);
		w.FloatMarked(2.0);
		w.FloatMarked(-0.0);
		w.Int(std::numeric_limits<std::int64_t>::min());
		w.Float(std::numeric_limits<double>::infinity());
		w.Float32(-std::numeric_limits<float>::infinity());
		w.Float(std::nan(""));
		w.Float32(std::nanf(""));
		w.EndArray();
	};
	EXPECT_EQ(Written(JsonStyle::Readable, numbers),
	          "[-0.0, -0.0, 0.1, 0.10000000149011612, 0.1, 0.33333334, 2.0, -0.0, -9223372036854775808, \"inf\", "
	          "\"-inf\", \"nan\", \"nan\"]");
	const std::string compact = Written(JsonStyle::Compact, numbers);
	EXPECT_EQ(compact, "[-0,-0,0.1,0.10000000149011612,0.1,0.33333334,2.0,-0.0,-9223372036854775808,\"inf\",\"-inf\","
	                   "\"nan\",\"nan\"]");
	// What is read back is the value written: the float's shortest text reads back to the same float.
	const nlohmann::json parsed = nlohmann::json::parse(compact);
	EXPECT_EQ(parsed.at(4).get<float>(), 0.1f);
	EXPECT_EQ(parsed.at(5).get<float>(), 1.0f / 3.0f);
	EXPECT_EQ(parsed.at(3).get<double>(), static_cast<double>(0.1f));
}
