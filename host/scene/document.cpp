// BaseDocument.
#include "host/scene/node.h"

namespace cinema
{
namespace
{
BaseDocument* g_activeDocument = nullptr;
} // namespace

BaseDocument* BaseDocument::Alloc()
{
	HostNode* n = surfax::scene::CreateNode(NodeKind::Document, 0);
	if (n == nullptr)
		return nullptr;
	n->document = nullptr;
	return static_cast<BaseDocument*>(n->atom);
}

void BaseDocument::Free(BaseDocument*& bl)
{
	if (bl != nullptr)
	{
		if (g_activeDocument == bl)
			g_activeDocument = nullptr;
		surfax::scene::DestroyNode(&Host(bl));
	}
	bl = nullptr;
}

BaseObject* BaseDocument::GetFirstObject() const
{
	HostNode* first = Host(this).firstObject;
	return first ? static_cast<BaseObject*>(first->atom) : nullptr;
}

void BaseDocument::InsertObject(BaseObject* op, BaseObject* parent, BaseObject* pred, Bool, Bool)
{
	if (op == nullptr)
		return;
	HostNode* n = &Host(op);
	surfax::scene::Unlink(n);
	HostNode* parentNode = parent ? &Host(parent) : nullptr;
	HostNode* predNode = pred ? &Host(pred) : nullptr;
	if (predNode != nullptr && predNode->up != parentNode)
		predNode = nullptr;
	surfax::scene::LinkObject(n, &Host(this), parentNode, predNode, false);
}

BaseObject* BaseDocument::GetActiveObject()
{
	return nullptr;
}

const BaseTime& BaseDocument::GetTime() const
{
	return Host(this).time;
}

void BaseDocument::SetTime(const BaseTime& t)
{
	Host(this).time = t;
}

Int32 BaseDocument::GetFps() const
{
	return Host(this).fps;
}

void BaseDocument::SetFps(Int32 fps)
{
	Host(this).fps = fps > 0 ? fps : 1;
}

BaseTime BaseDocument::GetMinTime() const
{
	return Host(this).minTime;
}

void BaseDocument::SetMinTime(const BaseTime& t)
{
	Host(this).minTime = t;
}

BaseTime BaseDocument::GetMaxTime() const
{
	return Host(this).maxTime;
}

void BaseDocument::SetMaxTime(const BaseTime& t)
{
	Host(this).maxTime = t;
}

Bool BaseDocument::StartUndo()
{
	return true;
}

Bool BaseDocument::EndUndo()
{
	return true;
}

BaseDocument* GetActiveDocument()
{
	return g_activeDocument;
}

void SetActiveDocumentForHost(BaseDocument* doc)
{
	g_activeDocument = doc;
}
} // namespace cinema
