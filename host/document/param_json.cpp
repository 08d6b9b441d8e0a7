#include "host/document/param_json.h"

#include "customgui_fontchooser.h"
#include "customgui_gradient.h"

#include "host/core/number_text.h"
#include "host/fonts/font_library.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace surfax::io
{
using namespace cinema;
using nlohmann::json;
using resources::ParamDesc;
using resources::ParamType;

namespace
{
bool Fail(JsonError& error, const std::string& path, std::string message)
{
	error.path = path;
	error.line = 0;
	error.column = 0;
	error.message = std::move(message);
	return false;
}

bool JsonToInt64(const json& value, std::int64_t& out)
{
	if (value.is_number_unsigned())
	{
		const std::uint64_t u = value.get<std::uint64_t>();
		if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
			return false;
		out = static_cast<std::int64_t>(u);
		return true;
	}
	if (value.is_number_integer())
	{
		out = value.get<std::int64_t>();
		return true;
	}
	return false;
}

bool IsInt32(std::int64_t v)
{
	return v >= std::numeric_limits<Int32>::min() && v <= std::numeric_limits<Int32>::max();
}

bool InCycle(const ParamDesc& param, std::int64_t value)
{
	return std::any_of(param.cycle.begin(), param.cycle.end(),
	                   [&](const resources::CycleEntry& entry) { return entry.value == value; });
}

bool IsKnownInterpolation(std::int64_t v)
{
	return (v >= 0 && v <= 3) || (v >= 5 && v <= 8);
}

// --- Gradients -------------------------------------------------------------------------------------------------------

void WriteGradient(JsonWriter& w, const Gradient& gradient)
{
	w.BeginObject();
	w.Key("gradient");
	w.BeginObject();
	w.IntMember("mode", gradient.GetData(GRADIENT_MODE).GetInt32());
	w.BoolMember("unclamped", gradient.GetData(GRADIENT_UNCLAMPED).GetBool());
	w.Key("knots");
	w.BeginArray();
	const Int32 count = gradient.GetKnotCount();
	for (Int32 i = 0; i < count; ++i)
	{
		const maxon::GradientKnot knot = gradient.GetKnot(i);
		w.BeginObject(Layout::Inline);
		w.Key("color");
		w.Vector3(knot.col.r, knot.col.g, knot.col.b);
		w.FloatMember("brightness", knot.brightness);
		w.FloatMember("position", knot.pos);
		w.FloatMember("bias", knot.bias);
		w.IntMember("index", knot.index);
		w.IntMember("interpolation", static_cast<Int32>(knot.interpolation));
		w.EndObject();
	}
	w.EndArray();
	w.EndObject();
	w.EndObject();
}

bool ReadKnot(const json& value, std::string& path, maxon::GradientKnot& knot, JsonError& error)
{
	if (!value.is_object())
		return Fail(error, path, "expected a knot object");
	for (const auto& [key, member] : value.items())
	{
		PathScope scope(path, key);
		if (key == "color")
		{
			Vector color;
			if (!ReadJsonVector(member, color))
				return Fail(error, path, "expected [r, g, b]");
			knot.col = maxon::Color(color.x, color.y, color.z);
		}
		else if (key == "brightness" || key == "position" || key == "bias")
		{
			double number = 0.0;
			if (!ReadJsonNumber(member, number))
				return Fail(error, path, "expected a number");
			(key == "brightness" ? knot.brightness : key == "position" ? knot.pos : knot.bias) = number;
		}
		else if (key == "index")
		{
			std::int64_t index = 0;
			if (!JsonToInt64(member, index) || !IsInt32(index))
				return Fail(error, path, "expected an integer");
			knot.index = static_cast<Int32>(index);
		}
		else if (key == "interpolation")
		{
			std::int64_t interpolation = 0;
			if (!JsonToInt64(member, interpolation) || !IsKnownInterpolation(interpolation))
				return Fail(error, path, "expected an interpolation (0 to 3 or 5 to 8)");
			knot.interpolation = static_cast<maxon::GRADIENT_INTERPOLATION_TYPE>(interpolation);
		}
		else
		{
			return Fail(error, path, "unknown key");
		}
	}
	return true;
}

bool ReadGradient(const json& value, std::string& path, GeData& out, JsonError& error)
{
	if (!value.is_object())
		return Fail(error, path, "expected an object");
	GeData data(CUSTOMDATATYPE_GRADIENT, DEFAULTVALUE);
	Gradient* gradient = data.GetCustomDataTypeWritable<Gradient>();
	if (gradient == nullptr)
		return Fail(error, path, "out of memory");
	for (const auto& [key, member] : value.items())
	{
		PathScope scope(path, key);
		if (key == "mode")
		{
			std::int64_t mode = 0;
			if (!JsonToInt64(member, mode) || mode < GRADIENTMODE_COLOR || mode > GRADIENTMODE_COLORALPHA)
				return Fail(error, path, "expected a gradient mode (0, 1 or 2)");
			gradient->SetData(GRADIENT_MODE, GeData(static_cast<Int32>(mode)));
		}
		else if (key == "unclamped")
		{
			if (!member.is_boolean())
				return Fail(error, path, "expected true or false");
			gradient->SetData(GRADIENT_UNCLAMPED, GeData(member.get<bool>()));
		}
		else if (key == "knots")
		{
			if (!member.is_array())
				return Fail(error, path, "expected an array of knots");
			for (std::size_t i = 0; i < member.size(); ++i)
			{
				PathScope element(path, i);
				maxon::GradientKnot knot;
				if (!ReadKnot(member[i], path, knot, error))
					return false;
				if (gradient->InsertKnot(knot) < 0)
					return Fail(error, path, "out of memory");
			}
		}
		else
		{
			return Fail(error, path, "unknown key");
		}
	}
	out = std::move(data);
	return true;
}

// --- Untyped values -------------------------------------------------------------------------------------------------

bool HasUntypedForm(const GeData& value, int depth);

void WriteFont(JsonWriter& w, const FontData& font);

bool ContainerHasForm(const BaseContainer& bc, int depth)
{
	if (depth >= kMaxValueNesting)
		return false;
	for (Int32 i = 0; i < bc.GetEntryCount(); ++i)
	{
		const GeData* entry = bc.GetIndexData(i);
		if (entry != nullptr && !HasUntypedForm(*entry, depth + 1))
			return false;
	}
	return true;
}

bool HasUntypedForm(const GeData& value, int depth)
{
	switch (value.GetType())
	{
	case DA_LONG:
	case DA_REAL:
	case DA_LLONG:
	case DA_VECTOR:
	case DA_MATRIX:
	case DA_STRING:
	case DA_FILENAME:
	case DA_TIME:
	case CUSTOMDATATYPE_GRADIENT:
		return true;
	case FONTCHOOSER_DATA:
		return value.GetCustomDataType<FontData>() != nullptr &&
		       ContainerHasForm(value.GetCustomDataType<FontData>()->GetFont(), depth);
	case DA_CONTAINER:
		return value.GetContainer() != nullptr && ContainerHasForm(*value.GetContainer(), depth);
	default:
		return false;
	}
}

void WriteUntyped(JsonWriter& w, const GeData& value)
{
	switch (value.GetType())
	{
	case DA_LONG:
		w.Int(value.GetInt32());
		return;
	case DA_REAL:
	{
		const double v = value.GetFloat();
		if (std::isfinite(v))
		{
			w.FloatMarked(v);
			return;
		}
		w.BeginObject(Layout::Inline);
		w.Key("float");
		w.Float(v); // a string for non-finite values
		w.EndObject();
		return;
	}
	case DA_LLONG:
		w.BeginObject(Layout::Inline);
		w.IntMember("int64", value.GetInt64());
		w.EndObject();
		return;
	case DA_VECTOR:
	{
		const Vector& v = value.GetVector();
		w.Vector3(v.x, v.y, v.z);
		return;
	}
	case DA_MATRIX:
	{
		const Matrix& m = value.GetMatrix();
		w.BeginObject(Layout::Inline);
		w.Key("matrix");
		w.BeginArray();
		for (const Vector* v : {&m.off, &m.sqmat.v1, &m.sqmat.v2, &m.sqmat.v3})
			w.Vector3(v->x, v->y, v->z);
		w.EndArray();
		w.EndObject();
		return;
	}
	case DA_STRING:
		w.String(value.GetString().GetUtf8());
		return;
	case DA_FILENAME:
		w.BeginObject(Layout::Inline);
		w.StringMember("filename", value.GetFilename().GetString().GetUtf8());
		w.EndObject();
		return;
	case DA_TIME:
	{
		const BaseTime t = value.GetTime();
		w.BeginObject(Layout::Inline);
		w.Key("time");
		w.BeginArray();
		w.Float(t.GetNumerator());
		w.Float(t.GetDenominator());
		w.EndArray();
		w.EndObject();
		return;
	}
	case DA_CONTAINER:
	{
		const BaseContainer& bc = *value.GetContainer();
		w.BeginObject(Layout::Inline);
		w.Key("container");
		w.BeginObject();
		w.IntMember("id", bc.GetId());
		w.Key("values");
		w.BeginObject();
		for (const auto& [id, entry] : SortedEntries(bc))
		{
			w.Key(std::to_string(id));
			WriteUntyped(w, *entry);
		}
		w.EndObject();
		w.EndObject();
		w.EndObject();
		return;
	}
	case CUSTOMDATATYPE_GRADIENT:
		WriteGradient(w, *value.GetCustomDataType<Gradient>());
		return;
	case FONTCHOOSER_DATA:
		WriteFont(w, *value.GetCustomDataType<FontData>());
		return;
	default:
		w.Null(); // excluded by HasJsonForm
		return;
	}
}

bool ReadUntyped(const json& value, std::string& path, GeData& out, JsonError& error, int depth);

// --- Fonts ---------------------------------------------------------------------------------------------------------

// The named members of a font description; every other id is written by its number.
constexpr struct
{
	Int32 id;
	const char* key;
} kFontKeys[] = {
    {fonts::kFontFamily, "family"}, {fonts::kFontStyle, "style"}, {fonts::kFontDisplay, "display"},
    {fonts::kFontFile, "file"},     {fonts::kFontIndex, "index"},
};

const char* FontKey(Int32 id)
{
	for (const auto& entry : kFontKeys)
	{
		if (entry.id == id)
			return entry.key;
	}
	return nullptr;
}

void WriteFont(JsonWriter& w, const FontData& font)
{
	const BaseContainer description = font.GetFont();
	w.BeginObject(Layout::Inline);
	w.Key("font");
	w.BeginObject();
	// Family and style first: they are what a reader looks for.
	for (const Int32 id : {static_cast<Int32>(fonts::kFontFamily), static_cast<Int32>(fonts::kFontStyle)})
		w.StringMember(FontKey(id), description.GetString(id).GetUtf8());
	for (const auto& [id, entry] : SortedEntries(description))
	{
		if (id == fonts::kFontFamily || id == fonts::kFontStyle)
			continue;
		const char* key = FontKey(id);
		w.Key(key != nullptr ? std::string(key) : std::to_string(id));
		WriteUntyped(w, *entry);
	}
	w.EndObject();
	w.EndObject();
}

bool ReadFont(const json& value, std::string& path, GeData& out, JsonError& error, int depth)
{
	if (!value.is_object())
		return Fail(error, path, "expected {\"family\": \"...\", \"style\": \"...\", ...}");
	BaseContainer description;
	for (const auto& item : value.items())
	{
		const std::string& key = item.key();
		const json& member = item.value();
		PathScope memberScope(path, key);
		Int32 id = 0;
		const auto named = std::find_if(std::begin(kFontKeys), std::end(kFontKeys),
		                                [&key](const auto& entry) { return key == entry.key; });
		if (named != std::end(kFontKeys))
		{
			id = named->id;
			if (id == fonts::kFontIndex ? !member.is_number_integer() : !member.is_string())
				return Fail(error, path, id == fonts::kFontIndex ? "expected an integer" : "expected a string");
		}
		else
		{
			if (!core::ParseNumberText(key, id))
				return Fail(error, path, "unknown key (expected family, style, display, file, index or a numeric id)");
		}
		GeData data;
		if (!ReadUntyped(member, path, data, error, depth + 1))
			return false;
		description.SetData(id, std::move(data));
	}
	GeData font(FONTCHOOSER_DATA, DEFAULTVALUE);
	FontData* fontData = font.GetCustomDataTypeWritable<FontData>();
	if (fontData == nullptr)
		return Fail(error, path, "out of memory");
	fontData->SetFont(&description);
	out = std::move(font);
	return true;
}

bool ReadTagged(const std::string& tag, const json& value, std::string& path, GeData& out, JsonError& error, int depth)
{
	PathScope scope(path, tag);
	if (tag == "float")
	{
		double v = 0.0;
		if (!ReadJsonNumber(value, v))
			return Fail(error, path, "expected a number");
		out = GeData(v);
		return true;
	}
	if (tag == "int64")
	{
		std::int64_t v = 0;
		if (!JsonToInt64(value, v))
			return Fail(error, path, "expected an integer");
		out = GeData(v, LLONGVALUE);
		return true;
	}
	if (tag == "time")
	{
		double numerator = 0.0;
		double denominator = 0.0;
		if (!value.is_array() || value.size() != 2 || !ReadJsonNumber(value[0], numerator) ||
		    !ReadJsonNumber(value[1], denominator))
			return Fail(error, path, "expected [numerator, denominator]");
		out = GeData(BaseTime(numerator, denominator));
		return true;
	}
	if (tag == "filename")
	{
		if (!value.is_string())
			return Fail(error, path, "expected a string");
		out = GeData(Filename(maxon::String(value.get<std::string>())));
		return true;
	}
	if (tag == "matrix")
	{
		Vector rows[4];
		if (!value.is_array() || value.size() != 4)
			return Fail(error, path, "expected [[off], [v1], [v2], [v3]]");
		for (std::size_t i = 0; i < 4; ++i)
		{
			if (!ReadJsonVector(value[i], rows[i]))
			{
				PathScope element(path, i);
				return Fail(error, path, "expected [x, y, z]");
			}
		}
		out = GeData(Matrix(rows[0], rows[1], rows[2], rows[3]));
		return true;
	}
	if (tag == "container")
	{
		if (depth >= kMaxValueNesting)
			return Fail(error, path, "containers nested deeper than " + std::to_string(kMaxValueNesting) + " levels");
		if (!value.is_object())
			return Fail(error, path, "expected {\"id\": N, \"values\": {...}}");
		BaseContainer bc;
		for (const auto& [key, member] : value.items())
		{
			PathScope memberScope(path, key);
			if (key == "id")
			{
				std::int64_t id = 0;
				if (!JsonToInt64(member, id) || !IsInt32(id))
					return Fail(error, path, "expected an integer");
				bc.SetId(static_cast<Int32>(id));
			}
			else if (key == "values")
			{
				if (!member.is_object())
					return Fail(error, path, "expected an object");
				for (const auto& [idText, entry] : member.items())
				{
					PathScope entryScope(path, idText);
					Int32 id = 0;
					if (!core::ParseNumberText(idText, id))
						return Fail(error, path, "expected a numeric id");
					GeData data;
					if (!ReadUntyped(entry, path, data, error, depth + 1))
						return false;
					bc.SetData(id, std::move(data));
				}
			}
			else
			{
				return Fail(error, path, "unknown key");
			}
		}
		out = GeData(bc);
		return true;
	}
	if (tag == "gradient")
		return ReadGradient(value, path, out, error);
	if (tag == "font")
		return ReadFont(value, path, out, error, depth);
	return Fail(error, path, "unknown value kind");
}

bool ReadUntyped(const json& value, std::string& path, GeData& out, JsonError& error, int depth)
{
	if (value.is_boolean())
	{
		out = GeData(value.get<bool>());
		return true;
	}
	std::int64_t integer = 0;
	if (JsonToInt64(value, integer))
	{
		if (!IsInt32(integer))
			return Fail(error, path, "integer out of range (write {\"int64\": N} for 64-bit values)");
		out = GeData(static_cast<Int32>(integer));
		return true;
	}
	if (value.is_number())
	{
		out = GeData(value.get<double>());
		return true;
	}
	if (value.is_string())
	{
		out = GeData(maxon::String(value.get<std::string>()));
		return true;
	}
	Vector v;
	if (ReadJsonVector(value, v))
	{
		out = GeData(v);
		return true;
	}
	if (value.is_object() && value.size() == 1)
		return ReadTagged(value.begin().key(), value.begin().value(), path, out, error, depth);
	return Fail(error, path, "expected a number, a string, true or false, [x, y, z] or a one-member object");
}

// --- Typed values --------------------------------------------------------------------------------------------------

bool FitsType(ParamType type, Int32 kind)
{
	switch (type)
	{
	case ParamType::Long:
	case ParamType::Real:
	case ParamType::Bool:
		return kind == DA_LONG || kind == DA_REAL || kind == DA_LLONG;
	case ParamType::String:
		return kind == DA_STRING;
	case ParamType::Filename:
		return kind == DA_STRING || kind == DA_FILENAME;
	case ParamType::Vector:
	case ParamType::Color:
		return kind == DA_VECTOR;
	case ParamType::Gradient:
		return kind == CUSTOMDATATYPE_GRADIENT;
	case ParamType::Font:
		return kind == FONTCHOOSER_DATA;
	default:
		return false;
	}
}
} // namespace

std::string CycleValueList(const ParamDesc& param)
{
	std::string list;
	for (const resources::CycleEntry& entry : param.cycle)
	{
		if (!list.empty())
			list += ", ";
		list += std::to_string(entry.value) + " (" + entry.symbol + ")";
	}
	return list;
}

const resources::CycleEntry* CycleEntryBySymbol(const ParamDesc& param, std::string_view symbol)
{
	for (const resources::CycleEntry& entry : param.cycle)
	{
		if (entry.symbol == symbol)
			return &entry;
	}
	return nullptr;
}

bool CheckIntegerValue(const ParamDesc& param, std::int64_t v, std::string& message)
{
	if (!IsInt32(v))
	{
		message = "integer out of range";
		return false;
	}
	if (!param.cycle.empty() && !InCycle(param, v))
	{
		message = std::to_string(v) + " is not one of the cycle's values: " + CycleValueList(param);
		return false;
	}
	return true;
}

bool ReadJsonNumber(const json& value, double& out)
{
	if (value.is_number())
	{
		out = value.get<double>();
		return true;
	}
	// The non-finite floats travel as strings: the words JsonWriter::Float writes, in any case.
	return value.is_string() && core::ParseNonFiniteWord(value.get_ref<const std::string&>(), out);
}

bool ReadJsonVector(const json& value, Vector& out)
{
	if (!value.is_array() || value.size() != 3)
		return false;
	for (std::size_t i = 0; i < 3; ++i)
	{
		double component = 0.0;
		if (!ReadJsonNumber(value[i], component))
			return false;
		out[static_cast<Int>(i)] = component;
	}
	return true;
}

std::vector<std::pair<Int32, const GeData*>> SortedEntries(const BaseContainer& bc)
{
	// By id, so that the text does not depend on the order the values were set in.
	std::vector<std::pair<Int32, const GeData*>> entries;
	entries.reserve(static_cast<std::size_t>(bc.GetEntryCount()));
	for (Int32 i = 0; i < bc.GetEntryCount(); ++i)
		entries.emplace_back(bc.GetIndexId(i), bc.GetIndexData(i));
	std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
	return entries;
}

bool IsValueType(ParamType type)
{
	switch (type)
	{
	case ParamType::Long:
	case ParamType::Real:
	case ParamType::Bool:
	case ParamType::String:
	case ParamType::Filename:
	case ParamType::Vector:
	case ParamType::Color:
	case ParamType::Gradient:
	case ParamType::Font:
		return true;
	default:
		return false;
	}
}

bool HasJsonForm(const ParamDesc* param, const GeData& value)
{
	if (param == nullptr)
		return HasUntypedForm(value, 0);
	return IsValueType(param->type) && FitsType(param->type, value.GetType());
}

void WriteParamValue(JsonWriter& w, const ParamDesc* param, const GeData& value)
{
	if (param == nullptr)
	{
		WriteUntyped(w, value);
		return;
	}
	switch (param->type)
	{
	case ParamType::Long:
		w.Int(value.GetInt32());
		return;
	case ParamType::Real:
		w.Float(value.GetFloat());
		return;
	case ParamType::Bool:
		w.Bool(value.GetBool());
		return;
	case ParamType::String:
		w.String(value.GetString().GetUtf8());
		return;
	case ParamType::Filename:
		w.String(value.GetType() == DA_FILENAME ? value.GetFilename().GetString().GetUtf8()
		                                        : value.GetString().GetUtf8());
		return;
	case ParamType::Vector:
	case ParamType::Color:
	{
		const Vector& v = value.GetVector();
		w.Vector3(v.x, v.y, v.z);
		return;
	}
	case ParamType::Gradient:
		WriteGradient(w, *value.GetCustomDataType<Gradient>());
		return;
	case ParamType::Font:
		WriteFont(w, *value.GetCustomDataType<FontData>());
		return;
	default:
		w.Null(); // excluded by HasJsonForm
		return;
	}
}

bool ReadParamValue(const json& value, const ParamDesc* param, std::string& path, GeData& out, JsonError& error)
{
	if (param == nullptr)
		return ReadUntyped(value, path, out, error, 0);
	switch (param->type)
	{
	case ParamType::Long:
	{
		std::int64_t v = 0;
		if (value.is_string() && !param->cycle.empty())
		{
			const resources::CycleEntry* entry = CycleEntryBySymbol(*param, value.get_ref<const std::string&>());
			if (entry == nullptr)
				return Fail(error, path, "not a cycle entry; expected one of " + CycleValueList(*param));
			out = GeData(static_cast<Int32>(entry->value));
			return true;
		}
		if (!JsonToInt64(value, v))
			return Fail(error, path, "expected an integer");
		std::string message;
		if (!CheckIntegerValue(*param, v, message))
			return Fail(error, path, message);
		out = GeData(static_cast<Int32>(v));
		return true;
	}
	case ParamType::Real:
	{
		double v = 0.0;
		if (!ReadJsonNumber(value, v))
			return Fail(error, path, "expected a number");
		out = GeData(v);
		return true;
	}
	case ParamType::Bool:
		if (!value.is_boolean())
			return Fail(error, path, "expected true or false");
		out = GeData(value.get<bool>());
		return true;
	case ParamType::String:
		if (!value.is_string())
			return Fail(error, path, "expected a string");
		out = GeData(maxon::String(value.get<std::string>()));
		return true;
	case ParamType::Filename:
		if (!value.is_string())
			return Fail(error, path, "expected a string");
		out = GeData(Filename(maxon::String(value.get<std::string>())));
		return true;
	case ParamType::Vector:
	case ParamType::Color:
	{
		Vector v;
		if (!ReadJsonVector(value, v))
			return Fail(error, path, "expected [x, y, z]");
		out = GeData(v);
		return true;
	}
	case ParamType::Gradient:
	{
		if (!value.is_object() || value.size() != 1 || !value.contains("gradient"))
			return Fail(error, path, "expected {\"gradient\": {...}}");
		PathScope scope(path, "gradient");
		return ReadGradient(value["gradient"], path, out, error);
	}
	case ParamType::Font:
	{
		if (!value.is_object() || value.size() != 1 || !value.contains("font"))
			return Fail(error, path, "expected {\"font\": {\"family\": \"...\", \"style\": \"...\"}}");
		PathScope scope(path, "font");
		return ReadFont(value["font"], path, out, error, 0);
	}
	default:
		return Fail(error, path,
		            std::string("a ") + resources::ParamTypeKeyword(param->type) + " parameter holds no value");
	}
}

} // namespace surfax::io
