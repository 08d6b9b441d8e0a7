#include "host/document/dump.h"

#include "host/json/json_writer.h"
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

void WriteVector(JsonWriter& w, const Vector& v)
{
	w.Vector3(v.x, v.y, v.z);
}

void WriteCall(JsonWriter& w, const draw::DrawCall& call)
{
	w.BeginObject(Layout::Inline);
	switch (call.kind)
	{
	case draw::DrawCallKind::Pen:
		w.Key("pen");
		WriteVector(w, call.a);
		break;
	case draw::DrawCallKind::PointSize:
		w.Key("pointSize");
		w.Float(call.value);
		w.EndObject();
		return;
	case draw::DrawCallKind::Matrix:
		w.Key("matrix");
		w.BeginArray();
		for (const Vector* v : {&call.matrix.off, &call.matrix.sqmat.v1, &call.matrix.sqmat.v2, &call.matrix.sqmat.v3})
			WriteVector(w, *v);
		w.EndArray();
		w.EndObject();
		return;
	case draw::DrawCallKind::Handle:
		w.Key("handle");
		WriteVector(w, call.a);
		w.Key("type");
		w.Int(call.type);
		break;
	case draw::DrawCallKind::Line:
		w.Key("line");
		w.BeginArray();
		WriteVector(w, call.a);
		WriteVector(w, call.b);
		w.EndArray();
		break;
	case draw::DrawCallKind::Sphere:
		w.Key("sphere");
		WriteVector(w, call.a);
		w.Key("size");
		WriteVector(w, call.b);
		w.Key("color");
		WriteVector(w, call.color);
		break;
	}
	w.Key("flags");
	w.Int(call.flags);
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
		w.Key("pass");
		w.String(PassName(drawing.pass));
		w.Key("result");
		w.String(ResultName(drawing.result));
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
	w.Key("name");
	w.String(op.GetName().GetUtf8());
	w.Key("type");
	w.Int(op.GetType());
	w.Key("typeName");
	w.String(type != nullptr ? type->descriptionName : std::to_string(op.GetType()));
	WriteStateMembers(w, op);
	WriteParamsMember(w, op.GetDataInstanceRef(), type != nullptr ? type->description.get() : nullptr);
	WriteTagsMember(w, op, true);
	WriteGeometryMembers(w, op, true);
	// The bounding box the object reports (GetDimension): what the viewport frames and the handles are checked by.
	Vector centre, radius;
	op.GetDimension(centre, radius);
	w.Key("dimension");
	w.BeginObject(Layout::Inline);
	w.Key("center");
	WriteVector(w, centre);
	w.Key("radius");
	WriteVector(w, radius);
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

bool DumpDocument(const BaseDocument& doc, const DumpOptions& options, std::string& out, std::string& error)
{
	JsonWriter w(out);
	const Int32 fps = doc.GetFps();
	w.BeginObject();
	w.Key("host");
	w.BeginObject(Layout::Inline);
	w.Key("apiVersion");
	w.Int(plugins::HostApiVersion());
	w.EndObject();
	w.Key("document");
	w.BeginObject(Layout::Inline);
	w.Key("fps");
	w.Int(fps);
	w.Key("frame");
	w.Int(doc.GetTime().GetFrame(fps));
	w.Key("time");
	w.Float(doc.GetTime().Get());
	w.Key("minFrame");
	w.Int(doc.GetMinTime().GetFrame(fps));
	w.Key("maxFrame");
	w.Int(doc.GetMaxTime().GetFrame(fps));
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
