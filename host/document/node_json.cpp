#include "host/document/node_json.h"

#include "host/document/names.h"
#include "host/document/param_json.h"
#include "host/plugins/registry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace surfax::io
{
using namespace cinema;

namespace
{
void WriteUvw(JsonWriter& w, const UVWTag& tag)
{
	w.Key("uvw");
	w.BeginArray();
	const Int32 count = tag.GetDataCount();
	ConstUVWHandle data = tag.GetDataAddressR();
	for (Int32 i = 0; i < count && data != nullptr; ++i)
	{
		UVWStruct uvw;
		UVWTag::Get(data, i, uvw);
		w.BeginArray(Layout::Inline);
		for (const Vector* corner : {&uvw.a, &uvw.b, &uvw.c, &uvw.d})
			w.Vector3(corner->x, corner->y, corner->z);
		w.EndArray();
	}
	w.EndArray();
}

void WriteVertexColors(JsonWriter& w, const VertexColorTag& tag)
{
	w.Key("colors");
	w.BeginArray();
	const Int32 count = tag.GetDataCount();
	ConstVertexColorHandle data = tag.GetDataAddressR();
	for (Int32 i = 0; i < count && data != nullptr; ++i)
	{
		const maxon::ColorA32 c = VertexColorTag::Get(data, nullptr, nullptr, i);
		w.BeginArray(Layout::Inline);
		w.Float(c.r);
		w.Float(c.g);
		w.Float(c.b);
		w.Float(c.a);
		w.EndArray();
	}
	w.EndArray();
}

void WritePoints(JsonWriter& w, const PointObject& op)
{
	w.Key("points");
	w.BeginArray();
	const Vector* points = op.GetPointR();
	const Int32 count = op.GetPointCount();
	for (Int32 i = 0; i < count && points != nullptr; ++i)
		w.Vector3(points[i].x, points[i].y, points[i].z);
	w.EndArray();
}
} // namespace

void WriteVectorMember(JsonWriter& w, std::string_view key, const Vector& v)
{
	w.Key(key);
	w.Vector3(v.x, v.y, v.z);
}

const resources::DescriptionResource* DescriptionOf(const BaseObject& op)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	return type != nullptr ? type->description.get() : nullptr;
}

void WriteParamsMember(JsonWriter& w, const BaseContainer& data, const resources::DescriptionResource* description)
{
	w.Key("params");
	w.BeginObject();
	if (description != nullptr)
	{
		for (const resources::ParamDesc& param : description->params)
		{
			if (!param.hasId || !IsValueType(param.type))
				continue;
			const GeData* value = data.GetDataPointer(param.id);
			if (value == nullptr || !HasJsonForm(&param, *value))
				continue;
			w.Key(param.symbol);
			WriteParamValue(w, &param, *value);
		}
	}
	for (const auto& [id, value] : SortedEntries(data))
	{
		if (description != nullptr && description->FindParam(id) != nullptr)
			continue;
		if (value == nullptr || !HasJsonForm(nullptr, *value))
			continue;
		w.Key(std::to_string(id));
		WriteParamValue(w, nullptr, *value);
	}
	w.EndObject();
}

void WriteColorPropertiesMember(JsonWriter& w, const BaseObject& op)
{
	ObjectColorProperties color;
	op.GetColorProperties(&color);
	w.Key("colorProperties");
	w.BeginObject(Layout::Inline);
	WriteVectorMember(w, "color", color.color);
	w.IntMember("usecolor", color.usecolor);
	w.BoolMember("xray", color.xray);
	w.EndObject();
}

void WriteStateMembers(JsonWriter& w, const BaseObject& op)
{
	w.BoolMember("enabled", op.GetDeformMode());
	w.BoolMember("folded", !op.GetNBit(NBIT::OM1_FOLD));
	w.StringMember("editorMode", VisibilityModeName(op.GetEditorMode()));
	w.StringMember("renderMode", VisibilityModeName(op.GetRenderMode()));
	WriteVectorMember(w, "position", op.GetRelPos());
	WriteVectorMember(w, "rotation", op.GetRelRot());
	WriteColorPropertiesMember(w, op);
}

void WriteTagsMember(JsonWriter& w, const BaseObject& op, bool numericTypes)
{
	w.Key("tags");
	w.BeginArray();
	for (const BaseTag* tag = op.GetFirstTag(); tag != nullptr; tag = tag->GetNext())
	{
		const Int32 type = tag->GetType();
		const char* name = TagTypeName(type);
		w.BeginObject();
		w.Key("type");
		if (numericTypes || name == nullptr)
			w.Int(type);
		else
			w.String(name);
		if (numericTypes)
			w.StringMember("typeName", name != nullptr ? name : std::to_string(type));
		WriteParamsMember(w, tag->GetDataInstanceRef(), nullptr);
		if (type == Tuvw)
			WriteUvw(w, *static_cast<const UVWTag*>(tag));
		else if (type == Tvertexcolor)
			WriteVertexColors(w, *static_cast<const VertexColorTag*>(tag));
		w.EndObject();
	}
	w.EndArray();
}

void WriteGeometryMembers(JsonWriter& w, const BaseObject& op, bool withClosed)
{
	if (op.GetType() == Opolygon)
	{
		const PolygonObject& poly = static_cast<const PolygonObject&>(op);
		WritePoints(w, poly);
		w.Key("polygons");
		w.BeginArray();
		const CPolygon* polygons = poly.GetPolygonR();
		const Int32 count = poly.GetPolygonCount();
		for (Int32 i = 0; i < count && polygons != nullptr; ++i)
		{
			w.BeginArray(Layout::Inline);
			w.Int(polygons[i].a);
			w.Int(polygons[i].b);
			w.Int(polygons[i].c);
			w.Int(polygons[i].d);
			w.EndArray();
		}
		w.EndArray();
	}
	else if (op.GetType() == Ospline)
	{
		const SplineObject& spline = static_cast<const SplineObject&>(op);
		WritePoints(w, spline);
		w.Key("segments");
		w.BeginArray();
		const Segment* segments = spline.GetSegmentR();
		const Int32 count = spline.GetSegmentCount();
		for (Int32 i = 0; i < count && segments != nullptr; ++i)
		{
			w.BeginArray(Layout::Inline);
			w.Int(segments[i].cnt);
			w.Bool(segments[i].closed);
			w.EndArray();
		}
		w.EndArray();
		w.StringMember("splineType", SplineTypeName(spline.GetInterpolationType()));
		if (withClosed)
			w.BoolMember("closed", spline.IsClosed());
	}
}
} // namespace surfax::io
