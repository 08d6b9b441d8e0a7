// The object-tree utilities that the plot object and its components share to find each other.
#include "c4d.h"

#include "main.h"

using namespace cinema;

namespace
{
/// The document-order successor of op that still lies in root's subtree (anywhere in the document when root is
/// null), or null. descend false skips op's own children.
BaseObject* GetNextInSubtree(BaseObject* op, const BaseObject* root, Bool descend)
{
	if (descend && op->GetDown() != nullptr)
		return op->GetDown();
	for (; op != nullptr && op != root; op = op->GetUp())
	{
		if (op->GetNext() != nullptr)
			return op->GetNext();
	}
	return nullptr;
}
} // namespace

BaseObject* GetNextObject(BaseObject* op)
{
	return op != nullptr ? GetNextInSubtree(op, nullptr, true) : nullptr;
}

BaseObject* FindPlotObject(BaseObject* op)
{
	for (BaseObject* up = op != nullptr ? op->GetUp() : nullptr; up != nullptr; up = up->GetUp())
	{
		if (up->GetType() == ID_PLOTOBJECT)
			return up;
	}
	return nullptr;
}

BaseObject* FindComponent(BaseObject* plot, Int32 type)
{
	if (plot == nullptr)
		return nullptr;
	// Whatever lies below a nested plot object belongs to that plot, so its subtree is skipped.
	for (BaseObject* op = plot->GetDown(); op != nullptr;
	     op = GetNextInSubtree(op, plot, op->GetType() != ID_PLOTOBJECT))
	{
		if (op->GetType() == type)
			return op;
	}
	return nullptr;
}

BaseObject* FindObjectByName(BaseObject* start, const maxon::String& name)
{
	for (BaseObject* op = start; op != nullptr; op = GetNextInSubtree(op, start, true))
	{
		if (op->GetName().Compare(name, maxon::STRINGCOMPARISON::MEMORY) == maxon::COMPARERESULT::EQUAL)
			return op;
	}
	return nullptr;
}
