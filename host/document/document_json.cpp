#include "host/document/document_json.h"

#include "host/core/diagnostics.h"
#include "host/core/number_text.h"
#include "host/core/output_file.h"
#include "host/json/json_reader.h"
#include "host/json/json_writer.h"
#include "host/document/names.h"
#include "host/document/node_json.h"
#include "host/document/param_json.h"
#include "host/plugins/registry.h"
#include "host/scene/node.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <vector>

namespace surfax::io
{
using namespace cinema;
using nlohmann::json;

namespace
{
constexpr const char* kDocumentKeys[] = {"fps", "frame", "minFrame", "maxFrame", "objects"};
constexpr const char* kObjectKeys[] = {"type",     "name",     "enabled",         "folded",  "editorMode", "renderMode",
                                       "position", "rotation", "colorProperties", "params",  "tags",       "points",
                                       "polygons", "segments", "splineType",      "children"};
constexpr const char* kTagKeys[] = {"type", "params", "uvw", "colors"};

template <std::size_t N>
bool CheckKeys(const json& object, const char* const (&known)[N], std::string& path, JsonError& error)
{
	for (const auto& item : object.items())
	{
		bool found = false;
		for (const char* key : known)
			found = found || item.key() == key;
		if (!found)
		{
			PathScope scope(path, item.key());
			error = JsonError{path, 0, 0, "unknown key"};
			return false;
		}
	}
	return true;
}

bool Fail(JsonError& error, const std::string& path, std::string message)
{
	error = JsonError{path, 0, 0, std::move(message)};
	return false;
}

bool ReadInt32(const json& value, Int32& out)
{
	if (value.is_number_unsigned())
	{
		if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<Int32>::max()))
			return false;
		out = static_cast<Int32>(value.get<std::uint64_t>());
		return true;
	}
	if (!value.is_number_integer())
		return false;
	const std::int64_t v = value.get<std::int64_t>();
	if (v < std::numeric_limits<Int32>::min() || v > std::numeric_limits<Int32>::max())
		return false;
	out = static_cast<Int32>(v);
	return true;
}

// A member that must hold [x, y, z]; absent is fine.
bool ReadVectorMember(const json& object, const char* key, std::string& path, bool& present, Vector& out,
                      JsonError& error)
{
	present = object.contains(key);
	if (!present)
		return true;
	PathScope scope(path, key);
	if (!ReadJsonVector(object[key], out))
		return Fail(error, path, "expected [x, y, z]");
	return true;
}

const plugins::ObjectType* ResolveObjectType(const json& value)
{
	Int32 id = 0;
	if (ReadInt32(value, id))
		return plugins::FindObjectType(id);
	if (!value.is_string())
		return nullptr;
	const std::string& name = value.get_ref<const std::string&>();
	if (const plugins::ObjectType* type = plugins::FindObjectTypeByName(name))
		return type;
	return core::ParseNumberText(name, id) ? plugins::FindObjectType(id) : nullptr;
}

bool ReadParams(const json& params, const resources::DescriptionResource* description, std::string_view typeName,
                BaseContainer& data, std::string& path, JsonError& error)
{
	PathScope scope(path, "params");
	if (!params.is_object())
		return Fail(error, path, "expected an object");
	std::set<Int32> seen;
	for (const auto& [key, value] : params.items())
	{
		PathScope member(path, key);
		Int32 id = 0;
		const resources::ParamDesc* param = nullptr;
		if (core::ParseNumberText(key, id))
		{
			param = description != nullptr ? description->FindParam(id) : nullptr;
		}
		else
		{
			param = description != nullptr ? description->FindParam(key) : nullptr;
			if (param == nullptr)
			{
				return Fail(error, path,
				            description != nullptr
				                ? "unknown parameter of " + std::string(typeName)
				                : std::string(typeName) + " has no description: parameters take numeric ids");
			}
			id = param->id;
		}
		if (!seen.insert(id).second)
			return Fail(error, path, "parameter " + std::to_string(id) + " is given twice");
		GeData parsed;
		if (!ReadParamValue(value, param, path, parsed, error))
			return false;
		data.SetData(id, std::move(parsed));
	}
	return true;
}

bool ReadTag(const json& value, BaseObject& op, BaseTag*& last, std::string& path, JsonError& error)
{
	if (!value.is_object())
		return Fail(error, path, "expected an object");
	if (!CheckKeys(value, kTagKeys, path, error))
		return false;
	if (!value.contains("type"))
		return Fail(error, path, "missing \"type\"");
	Int32 type = 0;
	{
		PathScope scope(path, "type");
		const json& typeValue = value["type"];
		const bool known = (typeValue.is_string() && TagTypeFromName(typeValue.get_ref<const std::string&>(), type)) ||
		                   (ReadInt32(typeValue, type) && type > 0);
		if (!known)
			return Fail(error, path, "unknown tag type");
	}
	const bool hasUvw = value.contains("uvw");
	const bool hasColors = value.contains("colors");
	if (hasUvw && type != Tuvw)
		return Fail(error, path + ".uvw", "only UVW tags hold uvw");
	if (hasColors && type != Tvertexcolor)
		return Fail(error, path + ".colors", "only vertex colour tags hold colors");

	std::vector<UVWStruct> uvw;
	std::vector<maxon::ColorA32> colors;
	if (hasUvw)
	{
		PathScope scope(path, "uvw");
		const json& list = value["uvw"];
		if (!list.is_array())
			return Fail(error, path, "expected an array");
		uvw.resize(list.size());
		for (std::size_t i = 0; i < list.size(); ++i)
		{
			PathScope element(path, i);
			const json& corners = list[i];
			Vector v[4];
			bool ok = corners.is_array() && corners.size() == 4;
			for (std::size_t k = 0; ok && k < 4; ++k)
				ok = ReadJsonVector(corners[k], v[k]);
			if (!ok)
				return Fail(error, path, "expected four [u, v, w] corners");
			uvw[i] = UVWStruct(v[0], v[1], v[2], v[3]);
		}
	}
	if (hasColors)
	{
		PathScope scope(path, "colors");
		const json& list = value["colors"];
		if (!list.is_array())
			return Fail(error, path, "expected an array");
		colors.resize(list.size());
		for (std::size_t i = 0; i < list.size(); ++i)
		{
			PathScope element(path, i);
			const json& c = list[i];
			double rgba[4] = {};
			bool ok = c.is_array() && c.size() == 4;
			for (std::size_t k = 0; ok && k < 4; ++k)
				ok = ReadJsonNumber(c[k], rgba[k]);
			if (!ok)
				return Fail(error, path, "expected [r, g, b, a]");
			colors[i] = maxon::ColorA32(static_cast<Float32>(rgba[0]), static_cast<Float32>(rgba[1]),
			                            static_cast<Float32>(rgba[2]), static_cast<Float32>(rgba[3]));
		}
	}

	BaseTag* tag = nullptr;
	if (scene::VariableTagElementSize(type) > 0)
	{
		const std::size_t count = type == Tuvw ? uvw.size() : colors.size();
		if (count > static_cast<std::size_t>(std::numeric_limits<Int32>::max()))
			return Fail(error, path, "too many elements");
		tag = op.MakeVariableTag(type, static_cast<Int32>(count), last);
	}
	else
	{
		tag = op.MakeTag(type, last);
	}
	if (tag == nullptr)
		return Fail(error, path, "out of memory");
	last = tag;
	if (type == Tuvw && !uvw.empty())
	{
		UVWHandle handle = static_cast<UVWTag*>(tag)->GetDataAddressW();
		for (std::size_t i = 0; i < uvw.size(); ++i)
			UVWTag::Set(handle, static_cast<Int32>(i), uvw[i]);
	}
	if (type == Tvertexcolor && !colors.empty())
	{
		VertexColorHandle handle = static_cast<VertexColorTag*>(tag)->GetDataAddressW();
		for (std::size_t i = 0; i < colors.size(); ++i)
			VertexColorTag::Set(handle, nullptr, nullptr, static_cast<Int32>(i), colors[i]);
	}
	if (value.contains("params"))
		return ReadParams(value["params"], nullptr, TagTypeName(type) ? TagTypeName(type) : "the tag",
		                  tag->GetDataInstanceRef(), path, error);
	return true;
}

bool ReadColorProperties(const json& value, BaseObject& op, std::string& path, JsonError& error)
{
	PathScope scope(path, "colorProperties");
	if (!value.is_object())
		return Fail(error, path, "expected an object");
	ObjectColorProperties color;
	op.GetColorProperties(&color);
	for (const auto& [key, member] : value.items())
	{
		PathScope memberScope(path, key);
		if (key == "color")
		{
			if (!ReadJsonVector(member, color.color))
				return Fail(error, path, "expected [r, g, b]");
		}
		else if (key == "usecolor")
		{
			if (!ReadInt32(member, color.usecolor) || color.usecolor < ID_BASEOBJECT_USECOLOR_OFF ||
			    color.usecolor > ID_BASEOBJECT_USECOLOR_LAYER)
				return Fail(error, path, "expected 0, 1, 2 or 3");
		}
		else if (key == "xray")
		{
			if (!member.is_boolean())
				return Fail(error, path, "expected true or false");
			color.xray = member.get<bool>();
		}
		else
		{
			return Fail(error, path, "unknown key");
		}
	}
	op.SetColorProperties(&color);
	return true;
}

bool ReadPointList(const json& value, std::vector<Vector>& points, std::string& path, JsonError& error)
{
	PathScope scope(path, "points");
	if (!value.is_array())
		return Fail(error, path, "expected an array");
	if (value.size() > static_cast<std::size_t>(std::numeric_limits<Int32>::max()))
		return Fail(error, path, "too many points");
	points.resize(value.size());
	for (std::size_t i = 0; i < value.size(); ++i)
	{
		if (!ReadJsonVector(value[i], points[i]))
		{
			PathScope element(path, i);
			return Fail(error, path, "expected [x, y, z]");
		}
	}
	return true;
}

bool ReadPolygonList(const json& value, std::size_t pointCount, std::vector<CPolygon>& polygons, std::string& path,
                     JsonError& error)
{
	PathScope scope(path, "polygons");
	if (!value.is_array())
		return Fail(error, path, "expected an array");
	if (value.size() > static_cast<std::size_t>(std::numeric_limits<Int32>::max()))
		return Fail(error, path, "too many polygons");
	polygons.resize(value.size());
	for (std::size_t i = 0; i < value.size(); ++i)
	{
		PathScope element(path, i);
		const json& p = value[i];
		if (!p.is_array() || (p.size() != 3 && p.size() != 4))
			return Fail(error, path, "expected [a, b, c, d] or [a, b, c]");
		Int32 corners[4] = {};
		for (std::size_t k = 0; k < p.size(); ++k)
		{
			if (!ReadInt32(p[k], corners[k]))
				return Fail(error, path, "expected point indices");
			if (corners[k] < 0 || static_cast<std::size_t>(corners[k]) >= pointCount)
			{
				return Fail(error, path,
				            "point index " + std::to_string(corners[k]) + " is out of range (" +
				                std::to_string(pointCount) + " points)");
			}
		}
		polygons[i] = p.size() == 3 ? CPolygon(corners[0], corners[1], corners[2])
		                            : CPolygon(corners[0], corners[1], corners[2], corners[3]);
	}
	return true;
}

bool ReadSegmentList(const json& value, std::size_t pointCount, std::vector<Segment>& segments, std::string& path,
                     JsonError& error)
{
	PathScope scope(path, "segments");
	if (!value.is_array())
		return Fail(error, path, "expected an array");
	segments.resize(value.size());
	std::size_t total = 0;
	for (std::size_t i = 0; i < value.size(); ++i)
	{
		PathScope element(path, i);
		const json& s = value[i];
		if (!s.is_array() || s.size() != 2 || !ReadInt32(s[0], segments[i].cnt) || segments[i].cnt < 0 ||
		    !s[1].is_boolean())
			return Fail(error, path, "expected [count, closed]");
		segments[i].closed = s[1].get<bool>();
		total += static_cast<std::size_t>(segments[i].cnt);
	}
	if (!segments.empty() && total != pointCount)
	{
		return Fail(error, path,
		            "the segments hold " + std::to_string(total) + " points but the spline has " +
		                std::to_string(pointCount));
	}
	return true;
}

bool ReadGeometry(const json& value, BaseObject& op, std::string& path, JsonError& error)
{
	const Int32 type = op.GetType();
	const bool isPolygon = type == Opolygon;
	const bool isSpline = type == Ospline;
	struct Rule
	{
		const char* key;
		bool allowed;
		const char* owner;
	};
	const Rule rules[] = {{"points", isPolygon || isSpline, "polygon objects and splines"},
	                      {"polygons", isPolygon, "polygon objects"},
	                      {"segments", isSpline, "splines"},
	                      {"splineType", isSpline, "splines"}};
	for (const Rule& rule : rules)
	{
		if (value.contains(rule.key) && !rule.allowed)
		{
			PathScope scope(path, rule.key);
			return Fail(error, path, std::string("only ") + rule.owner + " have " + rule.key);
		}
	}
	if (!isPolygon && !isSpline)
		return true;

	std::vector<Vector> points;
	if (value.contains("points") && !ReadPointList(value["points"], points, path, error))
		return false;
	const Int32 pointCount = static_cast<Int32>(points.size());
	if (isPolygon)
	{
		std::vector<CPolygon> polygons;
		if (value.contains("polygons") && !ReadPolygonList(value["polygons"], points.size(), polygons, path, error))
			return false;
		PolygonObject& poly = static_cast<PolygonObject&>(op);
		if (!poly.ResizeObject(pointCount, static_cast<Int32>(polygons.size())))
			return Fail(error, path, "out of memory");
		std::copy(points.begin(), points.end(), poly.GetPointW());
		std::copy(polygons.begin(), polygons.end(), poly.GetPolygonW());
		return true;
	}

	SplineObject& spline = static_cast<SplineObject&>(op);
	if (value.contains("splineType"))
	{
		PathScope scope(path, "splineType");
		const json& name = value["splineType"];
		SPLINETYPE splineType = SPLINETYPE::LINEAR;
		if (!name.is_string() || !SplineTypeFromName(name.get_ref<const std::string&>(), splineType))
			return Fail(error, path, "expected \"linear\", \"cubic\", \"akima\", \"bspline\" or \"bezier\"");
		// The interpolation lives in the host's record; SplineObject::Alloc sets it the same way.
		Host(&spline).splineType = splineType;
	}
	std::vector<Segment> segments;
	if (value.contains("segments") && !ReadSegmentList(value["segments"], points.size(), segments, path, error))
		return false;
	if (!spline.ResizeObject(pointCount, static_cast<Int32>(segments.size())))
		return Fail(error, path, "out of memory");
	std::copy(points.begin(), points.end(), spline.GetPointW());
	std::copy(segments.begin(), segments.end(), spline.GetSegmentW());
	return true;
}

// "out of memory" at path (the error owns a copy of the path when there is room for one).
bool OutOfMemory(const std::string& path, JsonError& error)
{
	error = JsonError{};
	error.message = "out of memory";
	try
	{
		error.path = path;
	}
	catch (const std::bad_alloc&)
	{
		error.path.clear();
	}
	return false;
}

bool ReadObject(const json& value, BaseDocument& doc, BaseObject* parent, int depth, std::string& path,
                JsonError& error);

bool ReadObjectList(const json& value, BaseDocument& doc, BaseObject* parent, int depth, std::string& path,
                    JsonError& error)
{
	if (!value.is_array())
		return Fail(error, path, "expected an array");
	// An empty list adds no level: a saved leaf at the deepest level carries "children": [] and must load again.
	if (depth > kMaxObjectNesting && !value.empty())
		return Fail(error, path, "objects nested deeper than " + std::to_string(kMaxObjectNesting) + " levels");
	for (std::size_t i = 0; i < value.size(); ++i)
	{
		PathScope element(path, i);
		try
		{
			if (!ReadObject(value[i], doc, parent, depth, path, error))
				return false;
		}
		catch (const std::bad_alloc&)
		{
			// Placed at the innermost object being read; the path's copy may not fit any more either.
			return OutOfMemory(path, error);
		}
	}
	return true;
}

bool ReadObject(const json& value, BaseDocument& doc, BaseObject* parent, int depth, std::string& path,
                JsonError& error)
{
	if (!value.is_object())
		return Fail(error, path, "expected an object");
	if (!CheckKeys(value, kObjectKeys, path, error))
		return false;
	if (!value.contains("type"))
		return Fail(error, path, "missing \"type\"");
	const plugins::ObjectType* type = nullptr;
	{
		PathScope scope(path, "type");
		type = ResolveObjectType(value["type"]);
		if (type == nullptr)
		{
			const json& name = value["type"];
			return Fail(error, path,
			            "unknown object type " +
			                (name.is_string() ? "\"" + core::QuoteInMessage(name.get_ref<const std::string&>()) + "\""
			                                  : name.dump()));
		}
	}
	BaseObject* op = BaseObject::Alloc(type->id);
	if (op == nullptr)
		return Fail(error, path, "out of memory");
	// Linked right away, so that freeing the document frees the object on every later failure.
	op->InsertUnderLast(parent != nullptr ? static_cast<GeListNode*>(parent) : static_cast<GeListNode*>(&doc));

	if (value.contains("name"))
	{
		PathScope scope(path, "name");
		if (!value["name"].is_string())
			return Fail(error, path, "expected a string");
		op->SetName(maxon::String(value["name"].get<std::string>()));
	}
	if (value.contains("enabled"))
	{
		PathScope scope(path, "enabled");
		if (!value["enabled"].is_boolean())
			return Fail(error, path, "expected true or false");
		op->SetDeformMode(value["enabled"].get<bool>());
	}
	if (value.contains("folded"))
	{
		PathScope scope(path, "folded");
		if (!value["folded"].is_boolean())
			return Fail(error, path, "expected true or false");
		op->ChangeNBit(NBIT::OM1_FOLD, value["folded"].get<bool>() ? NBITCONTROL::CLEAR : NBITCONTROL::SET);
	}
	for (const char* key : {"editorMode", "renderMode"})
	{
		if (!value.contains(key))
			continue;
		PathScope scope(path, key);
		Int32 mode = MODE_UNDEF;
		const json& name = value[key];
		if (!name.is_string() || !VisibilityModeFromName(name.get_ref<const std::string&>(), mode))
			return Fail(error, path, "expected \"on\", \"off\" or \"default\"");
		if (key[0] == 'e')
			op->SetEditorMode(mode);
		else
			op->SetRenderMode(mode);
	}
	bool present = false;
	Vector v;
	if (!ReadVectorMember(value, "position", path, present, v, error))
		return false;
	if (present)
		op->SetRelPos(v);
	if (!ReadVectorMember(value, "rotation", path, present, v, error))
		return false;
	if (present)
		op->SetRelRot(v);
	if (value.contains("colorProperties") && !ReadColorProperties(value["colorProperties"], *op, path, error))
		return false;
	if (value.contains("params") && !ReadParams(value["params"], type->description.get(), type->descriptionName,
	                                            op->GetDataInstanceRef(), path, error))
		return false;
	if (!ReadGeometry(value, *op, path, error))
		return false;
	if (value.contains("tags"))
	{
		PathScope scope(path, "tags");
		const json& tags = value["tags"];
		if (!tags.is_array())
			return Fail(error, path, "expected an array");
		BaseTag* last = nullptr;
		for (std::size_t i = 0; i < tags.size(); ++i)
		{
			PathScope element(path, i);
			if (!ReadTag(tags[i], *op, last, path, error))
				return false;
		}
	}
	if (value.contains("children"))
	{
		PathScope scope(path, "children");
		if (!ReadObjectList(value["children"], doc, op, depth + 1, path, error))
			return false;
	}
	return true;
}

bool ReadDocument(const json& root, BaseDocument& doc, JsonError& error)
{
	std::string path;
	if (!root.is_object())
		return Fail(error, path, "expected a JSON object at the top");
	if (!CheckKeys(root, kDocumentKeys, path, error))
		return false;
	Int32 fps = doc.GetFps();
	if (root.contains("fps"))
	{
		if (!ReadInt32(root["fps"], fps) || fps < 1 || fps > kMaxFps)
			return Fail(error, "fps", "expected an integer from 1 to " + std::to_string(kMaxFps));
		doc.SetFps(fps);
	}
	const auto readFrame = [&](const char* key, Int32& frame)
	{
		if (!root.contains(key))
			return true;
		if (!ReadInt32(root[key], frame))
			return Fail(error, key, "expected an integer");
		return true;
	};
	Int32 frame = doc.GetTime().GetFrame(fps);
	Int32 minFrame = doc.GetMinTime().GetFrame(fps);
	Int32 maxFrame = doc.GetMaxTime().GetFrame(fps);
	if (!readFrame("frame", frame) || !readFrame("minFrame", minFrame) || !readFrame("maxFrame", maxFrame))
		return false;
	if (maxFrame < minFrame)
		return Fail(error, "maxFrame", "is less than minFrame");
	doc.SetTime(BaseTime(frame, fps));
	doc.SetMinTime(BaseTime(minFrame, fps));
	doc.SetMaxTime(BaseTime(maxFrame, fps));
	if (!root.contains("objects"))
		return true;
	PathScope scope(path, "objects");
	return ReadObjectList(root["objects"], doc, nullptr, 1, path, error);
}

// --- Saving
// ------------------------------------------------------------------------------------------------------------

void WriteObject(JsonWriter& w, const BaseObject& op)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	w.BeginObject();
	w.Key("type");
	if (type != nullptr && !type->descriptionName.empty())
		w.String(type->descriptionName);
	else
		w.Int(op.GetType());
	w.Key("name");
	w.String(op.GetName().GetUtf8());
	WriteStateMembers(w, op);
	WriteParamsMember(w, op.GetDataInstanceRef(), type != nullptr ? type->description.get() : nullptr);
	WriteTagsMember(w, op, false);
	WriteGeometryMembers(w, op, false);
	w.Key("children");
	w.BeginArray();
	for (const BaseObject* child = op.GetDown(); child != nullptr; child = child->GetNext())
		WriteObject(w, *child);
	w.EndArray();
	w.EndObject();
}
} // namespace

BaseDocument* LoadDocumentJson(std::string_view text, JsonError& error)
{
	error = JsonError{};
	if (text.size() > kMaxDocumentBytes)
	{
		error.message = "larger than " + std::to_string(kMaxDocumentBytes) + " bytes";
		return nullptr;
	}
	// The tree frees itself without allocating, also when memory ran out while the document was read.
	JsonTree root;
	if (!ParseJson(text, root, error))
		return nullptr;
	BaseDocument* doc = BaseDocument::Alloc();
	if (doc == nullptr)
	{
		OutOfMemory({}, error);
		return nullptr;
	}
	bool read = false;
	try
	{
		read = ReadDocument(root.Root(), *doc, error);
	}
	catch (const std::bad_alloc&)
	{
		read = OutOfMemory({}, error);
	}
	if (!read)
	{
		// The half-read document goes first: what it frees is room for the rest of the way out.
		BaseDocument::Free(doc);
		return nullptr;
	}
	return doc;
}

BaseDocument* LoadDocumentFile(const std::string& path, JsonError& error)
{
	error = JsonError{};
	std::error_code ec;
	if (std::filesystem::is_directory(path, ec))
	{
		error.message = "is a folder, not a document";
		return nullptr;
	}
	std::ifstream file(path, std::ios::binary);
	if (!file)
	{
		error.message = "cannot be opened";
		return nullptr;
	}
	std::string text;
	char buffer[65536];
	try
	{
		while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0)
		{
			text.append(buffer, static_cast<std::size_t>(file.gcount()));
			if (text.size() > kMaxDocumentBytes)
			{
				error.message = "larger than " + std::to_string(kMaxDocumentBytes) + " bytes";
				return nullptr;
			}
		}
	}
	catch (const std::bad_alloc&)
	{
		OutOfMemory({}, error);
		return nullptr;
	}
	if (file.bad())
	{
		error.message = "cannot be read";
		return nullptr;
	}
	return LoadDocumentJson(text, error);
}

std::string SaveDocumentJson(const BaseDocument& doc)
{
	std::string text;
	JsonWriter w(text);
	const Int32 fps = doc.GetFps();
	w.BeginObject();
	w.Key("fps");
	w.Int(fps);
	w.Key("frame");
	w.Int(doc.GetTime().GetFrame(fps));
	w.Key("minFrame");
	w.Int(doc.GetMinTime().GetFrame(fps));
	w.Key("maxFrame");
	w.Int(doc.GetMaxTime().GetFrame(fps));
	w.Key("objects");
	w.BeginArray();
	for (const BaseObject* op = doc.GetFirstObject(); op != nullptr; op = op->GetNext())
		WriteObject(w, *op);
	w.EndArray();
	w.EndObject();
	w.Finish();
	return text;
}

int ObjectNesting(const BaseDocument& doc)
{
	// Iterative, so that a tree of any depth is measured without deep recursion. The walk climbs each level once
	// in all, so counting the levels it leaves costs no more than the walk.
	int deepest = 0;
	int depth = 1;
	for (const BaseObject* op = doc.GetFirstObject(); op != nullptr;)
	{
		deepest = std::max(deepest, depth);
		const BaseObject* next = scene::NextInDocumentOrder(op);
		if (next != nullptr && next == op->GetDown())
		{
			++depth;
		}
		else if (next != nullptr)
		{
			for (const BaseObject* up = op->GetUp(); up != next->GetUp(); up = up->GetUp())
				--depth;
		}
		op = next;
	}
	return deepest;
}

bool SaveDocumentFile(const BaseDocument& doc, const std::string& path, std::string& error)
{
	if (ObjectNesting(doc) > kMaxObjectNesting)
	{
		error = path + ": not saved: objects are nested deeper than " + std::to_string(kMaxObjectNesting) +
		        " levels, which a document cannot load";
		return false;
	}
	core::OutputFile file(path);
	if (!file.IsOpen())
		return file.Commit(error);
	file.Write(SaveDocumentJson(doc));
	return file.Commit(error);
}
} // namespace surfax::io
