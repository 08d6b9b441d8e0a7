#include "host/io/dump.h"

#include "host/io/json_writer.h"
#include "host/io/names.h"
#include "host/io/node_json.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"

namespace surfax::io
{
using namespace cinema;

namespace
{
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
	w.Key("enabled");
	w.Bool(op.GetDeformMode());
	w.Key("folded");
	w.Bool(!op.GetNBit(NBIT::OM1_FOLD));
	w.Key("editorMode");
	w.String(VisibilityModeName(op.GetEditorMode()));
	w.Key("renderMode");
	w.String(VisibilityModeName(op.GetRenderMode()));
	const Vector position = op.GetRelPos();
	const Vector rotation = op.GetRelRot();
	w.Key("position");
	w.Vector3(position.x, position.y, position.z);
	w.Key("rotation");
	w.Vector3(rotation.x, rotation.y, rotation.z);
	WriteColorPropertiesMember(w, op);
	WriteParamsMember(w, op.GetDataInstanceRef(), type != nullptr ? type->description.get() : nullptr);
	WriteTagsMember(w, op, true);
	WriteGeometryMembers(w, op, true);
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
	if (options.draw)
	{
		w.Key("draw");
		w.BeginArray();
		w.EndArray();
	}
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
