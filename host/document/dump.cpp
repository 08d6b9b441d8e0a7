#include "host/document/dump.h"

#include "host/document/names.h"
#include "host/document/node_json.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"

namespace surfax::io
{
using namespace cinema;

namespace
{
const char* PassName(DRAWPASS pass)
{
	switch (pass)
	{
	case DRAWPASS::OBJECT:
		return "object";
	case DRAWPASS::BOX:
		return "box";
	case DRAWPASS::HANDLES:
		return "handles";
	case DRAWPASS::HIGHLIGHTS:
		return "highlights";
	case DRAWPASS::XRAY:
		return "xray";
	}
	return "object";
}

const char* ResultName(DRAWRESULT result)
{
	switch (result)
	{
	case DRAWRESULT::OK:
		return "ok";
	case DRAWRESULT::SKIP:
		return "skip";
	case DRAWRESULT::FAILURE:
		return "failure";
	}
	return "failure";
}

void WriteCall(JsonWriter& w, const draw::DrawCall& call)
{
	w.BeginObject(Layout::Inline);
	switch (call.kind)
	{
	case draw::DrawCallKind::Pen:
		WriteVectorMember(w, "pen", call.a);
		break;
	case draw::DrawCallKind::PointSize:
		w.FloatMember("pointSize", call.value);
		w.EndObject();
		return;
	case draw::DrawCallKind::Matrix:
		w.Key("matrix");
		w.BeginArray();
		for (const Vector* v : {&call.matrix.off, &call.matrix.sqmat.v1, &call.matrix.sqmat.v2, &call.matrix.sqmat.v3})
			w.Vector3(v->x, v->y, v->z);
		w.EndArray();
		w.EndObject();
		return;
	case draw::DrawCallKind::Handle:
		WriteVectorMember(w, "handle", call.a);
		w.IntMember("type", call.type);
		break;
	case draw::DrawCallKind::Line:
		w.Key("line");
		w.BeginArray();
		w.Vector3(call.a.x, call.a.y, call.a.z);
		w.Vector3(call.b.x, call.b.y, call.b.z);
		w.EndArray();
		break;
	case draw::DrawCallKind::Sphere:
		WriteVectorMember(w, "sphere", call.a);
		WriteVectorMember(w, "size", call.b);
		WriteVectorMember(w, "color", call.color);
		break;
	}
	w.IntMember("flags", call.flags);
	w.EndObject();
}

void WriteDrawMember(JsonWriter& w, const BaseObject& op, const std::vector<draw::ObjectDrawing>& drawings)
{
	w.Key("draw");
	w.BeginArray();
	for (const draw::ObjectDrawing& drawing : drawings)
	{
		if (drawing.object != &op)
			continue;
		w.BeginObject();
		w.StringMember("pass", PassName(drawing.pass));
		w.StringMember("result", ResultName(drawing.result));
		w.Key("calls");
		w.BeginArray();
		for (const draw::DrawCall& call : drawing.calls)
			WriteCall(w, call);
		w.EndArray();
		w.EndObject();
	}
	w.EndArray();
}

bool WriteNode(JsonWriter& w, const BaseObject& op, const DumpOptions& options, int depth, std::string& error)
{
	if (depth > kMaxDumpNesting)
	{
		error = "objects nested deeper than " + std::to_string(kMaxDumpNesting) + " levels";
		return false;
	}
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	w.BeginObject();
	w.StringMember("name", op.GetName().GetUtf8());
	w.IntMember("type", op.GetType());
	w.StringMember("typeName", type != nullptr ? type->descriptionName : std::to_string(op.GetType()));
	WriteStateMembers(w, op);
	WriteParamsMember(w, op.GetDataInstanceRef(), type != nullptr ? type->description.get() : nullptr);
	WriteTagsMember(w, op, true);
	WriteGeometryMembers(w, op, true);
	// The bounding box the object reports (GetDimension): what the viewport frames and the handles are checked by.
	Vector centre, radius;
	op.GetDimension(centre, radius);
	w.Key("dimension");
	w.BeginObject(Layout::Inline);
	WriteVectorMember(w, "center", centre);
	WriteVectorMember(w, "radius", radius);
	w.EndObject();
	w.Key("cache");
	if (const BaseObject* cache = op.GetCache())
	{
		if (!WriteNode(w, *cache, options, depth + 1, error))
			return false;
	}
	else
	{
		w.Null();
	}
	if (options.drawings != nullptr)
		WriteDrawMember(w, op, *options.drawings);
	w.Key("children");
	w.BeginArray();
	for (const BaseObject* child = op.GetDown(); child != nullptr; child = child->GetNext())
	{
		if (!WriteNode(w, *child, options, depth + 1, error))
			return false;
	}
	w.EndArray();
	w.EndObject();
	return true;
}
} // namespace

void WriteHostMember(JsonWriter& w)
{
	w.Key("host");
	w.BeginObject(Layout::Inline);
	w.IntMember("apiVersion", plugins::HostApiVersion());
	w.EndObject();
}

bool DumpDocument(const BaseDocument& doc, const DumpOptions& options, std::string& out, std::string& error)
{
	JsonWriter w(out);
	const Int32 fps = doc.GetFps();
	w.BeginObject();
	WriteHostMember(w);
	w.Key("document");
	w.BeginObject(Layout::Inline);
	w.IntMember("fps", fps);
	w.IntMember("frame", doc.GetTime().GetFrame(fps));
	w.FloatMember("time", doc.GetTime().Get());
	w.IntMember("minFrame", doc.GetMinTime().GetFrame(fps));
	w.IntMember("maxFrame", doc.GetMaxTime().GetFrame(fps));
	w.EndObject();
	w.Key("objects");
	w.BeginArray();
	for (const BaseObject* op = doc.GetFirstObject(); op != nullptr; op = op->GetNext())
	{
		if (!WriteNode(w, *op, options, 1, error))
			return false;
	}
	w.EndArray();
	w.EndObject();
	w.Finish();
	return true;
}
} // namespace surfax::io
