#include "host/eval/evaluate.h"

#include "host/core/memory.h"
#include "host/plugins/registry.h"
#include "host/scene/node.h"

#include <algorithm>
#include <vector>

namespace surfax::eval
{
using namespace cinema;

namespace
{
bool g_redrawRequested = false;
int g_stopAllThreadsCalls = 0;
bool g_rendering = false;
ExecuteObserver* g_executeObserver = nullptr;

struct ExecutionEntry
{
	BaseList2D* node;
	Int32 priority;
	EXECUTIONFLAGS flags;
	std::size_t order;
};

struct PriorityListImpl final : PriorityList
{
	std::vector<ExecutionEntry> entries;
	scene::HeldNodes held; // every node added, so that one freed before its turn is seen as freed
};

// Counts the host allocations refused while one call of a node's plug-in ran, for AllocationsRefusedDuring.
class RefusalsOf
{
public:
	explicit RefusalsOf(HostNode* node) : _node(node), _before(core::RefusedAllocations()) {}
	~RefusalsOf()
	{
		if (!_node->freed)
			_node->refusedAllocations += core::RefusedAllocations() - _before;
	}
	RefusalsOf(const RefusalsOf&) = delete;
	RefusalsOf& operator=(const RefusalsOf&) = delete;

private:
	HostNode* _node;
	std::int64_t _before;
};

// A node the pass may still visit: not freed by an earlier call of this pass and still in the document.
bool StillInDocument(const HostNode* node, const HostNode* document)
{
	return !node->freed && node->document == document;
}

void ReplaceCache(HostNode* node, BaseObject* output, EvalStats& stats)
{
	if (output == node->cache)
		return;
	if (node->cache != nullptr)
	{
		HostNode* old = &Host(node->cache);
		node->cache = nullptr;
		scene::DestroyNode(old);
	}
	node->cache = output;
	node->dirtyCache++;
	if (output != nullptr)
		++stats.builds;
}

void RunExecution(HostNode* document, BaseDocument* doc, EvalStats& stats)
{
	PriorityListImpl list;
	const scene::HeldNodes order = scene::HeldNodes::DocumentOrder(document);
	for (HostNode* n : order.Nodes())
	{
		if (!StillInDocument(n, document) || n->nodeData == nullptr || n->objectType == nullptr ||
		    !(n->objectType->info & OBJECT_CALL_ADDEXECUTION))
			continue;
		const std::size_t before = list.entries.size();
		static_cast<ObjectData*>(n->nodeData)->AddToExecution(static_cast<BaseObject*>(n->atom), &list);
		for (std::size_t i = before; i < list.entries.size(); ++i)
			list.entries[i].order = i;
	}
	std::stable_sort(list.entries.begin(), list.entries.end(),
	                 [](const ExecutionEntry& a, const ExecutionEntry& b) { return a.priority < b.priority; });
	for (const ExecutionEntry& e : list.entries)
	{
		HostNode* n = &Host(e.node);
		if (!StillInDocument(n, document) || n->nodeData == nullptr)
			continue;
		BaseObject* op = static_cast<BaseObject*>(n->atom);
		if (g_executeObserver != nullptr)
			g_executeObserver->BeforeExecute(op);
		{
			const RefusalsOf refusals(n);
			static_cast<ObjectData*>(n->nodeData)->Execute(op, doc, nullptr, e.priority, e.flags);
		}
		if (g_executeObserver != nullptr)
			g_executeObserver->AfterExecute(op);
		++stats.executeCalls;
	}
}

// The output of a generator that was freed during its own build has no owner left: it goes too, unless it is the cache
// the free took with it.
void DropOrphanedOutput(BaseObject* output, const BaseObject* cacheBefore)
{
	if (output != nullptr && output != cacheBefore)
		scene::DestroyNode(&Host(output));
}

void BuildGenerators(HostNode* document, BaseDocument* doc, EvalStats& stats)
{
	const scene::HeldNodes order = scene::HeldNodes::DocumentOrder(document);
	for (HostNode* n : order.Nodes())
	{
		if (!StillInDocument(n, document) || n->nodeData == nullptr || n->objectType == nullptr)
			continue;
		const Int32 info = n->objectType->info;
		if (!(info & OBJECT_GENERATOR))
			continue;
		BaseObject* op = static_cast<BaseObject*>(n->atom);
		ObjectData* data = static_cast<ObjectData*>(n->nodeData);
		if (!n->enabled)
		{
			ReplaceCache(n, nullptr, stats);
			continue;
		}
		const RefusalsOf refusals(n);
		// As in the application, every generator may mark itself dirty before its rebuild is decided.
		data->CheckDirty(op, doc);
		if (n->freed)
			continue;
		const BaseObject* cacheBefore = n->cache;
		if (info & OBJECT_ISSPLINE)
		{
			if (n->cache == nullptr || n->dataChangedSinceBuild)
			{
				BaseObject* output = data->GetContour(op, doc, 1.0, nullptr);
				if (n->freed)
				{
					DropOrphanedOutput(output, cacheBefore);
					continue;
				}
				ReplaceCache(n, output, stats);
				n->dataChangedSinceBuild = false;
			}
			continue;
		}
		const BUILDFLAGS flags = g_rendering ? BUILDFLAGS::EXTERNALRENDERER : BUILDFLAGS::NONE;
		const HierarchyHelp hh = HostAccess::MakeHierarchyHelp(doc, 1.0, flags, scene::GlobalMatrix(n));
		BaseObject* output = data->GetVirtualObjects(op, &hh);
		if (n->freed)
		{
			DropOrphanedOutput(output, cacheBefore);
			continue;
		}
		ReplaceCache(n, output, stats);
		// Changes the generator made to itself while building belong to this build.
		n->dataChangedSinceBuild = false;
	}
}
} // namespace

bool EvaluateDocument(BaseDocument* doc, const EvalOptions& options, EvalStats* statsOut)
{
	if (doc == nullptr)
		return false;
	EvalStats stats;
	HostNode* document = &Host(doc);
	for (HostNode* n = document->firstObject; n != nullptr; n = scene::NextInDocumentOrder(n))
		n->refusedAllocations = 0;
	const bool wasRendering = g_rendering;
	g_rendering = options.render;
	const int maxPasses = options.maxPasses < 1 ? 1 : options.maxPasses;
	for (int pass = 0; pass < maxPasses; ++pass)
	{
		g_redrawRequested = false;
		++stats.passes;
		RunExecution(document, doc, stats);
		BuildGenerators(document, doc, stats);
		if (!g_redrawRequested)
			break;
	}
	g_redrawRequested = false;
	g_rendering = wasRendering;
	if (statsOut)
		*statsOut = stats;
	return true;
}

ExecuteObserver* SetExecuteObserver(ExecuteObserver* observer)
{
	ExecuteObserver* previous = g_executeObserver;
	g_executeObserver = observer;
	return previous;
}

std::int64_t AllocationsRefusedDuring(const BaseObject* op)
{
	return op != nullptr ? Host(op).refusedAllocations : 0;
}

bool IsRendering()
{
	return g_rendering;
}

int StopAllThreadsCalls()
{
	return g_stopAllThreadsCalls;
}
} // namespace surfax::eval

namespace cinema
{
void PriorityList::Add(BaseList2D* node, Int32 priority, EXECUTIONFLAGS flags)
{
	if (node == nullptr)
		return;
	auto* list = static_cast<surfax::eval::PriorityListImpl*>(this);
	list->entries.push_back(surfax::eval::ExecutionEntry{node, priority, flags, list->entries.size()});
	list->held.Add(&Host(node));
}

void EventAdd(EVENT)
{
	surfax::eval::g_redrawRequested = true;
}

void SpecialEventAdd(Int32, UInt, UInt) {}

void StopAllThreads()
{
	++surfax::eval::g_stopAllThreadsCalls;
}

void StopDrawViewsThread() {}

Bool CheckIsRunning(CHECKISRUNNING type)
{
	switch (type)
	{
	case CHECKISRUNNING::EXTERNALRENDERING:
	case CHECKISRUNNING::EDITORRENDERING:
		return surfax::eval::g_rendering;
	default:
		return false;
	}
}

Bool BaseDocument::ExecutePasses(BaseThread*, Bool, Bool, Bool, BUILDFLAGS flags)
{
	surfax::eval::EvalOptions options;
	options.render = (flags & BUILDFLAGS::EXTERNALRENDERER) || (flags & BUILDFLAGS::INTERNALRENDERER);
	return surfax::eval::EvaluateDocument(this, options);
}
} // namespace cinema
