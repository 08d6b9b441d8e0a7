// Creating, linking, copying and freeing nodes.
#include "host/scene/node.h"

#include "host/core/memory.h"
#include "host/plugins/registry.h"

#include <cmath>
#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace surfax::scene
{
using namespace cinema;

namespace
{
// One allocation holds the SDK view of a node and the host's record of it.
template <typename Shell> struct NodeBlock final : Shell
{
	HostNode host;
};

struct BlockOps
{
	void (*destroy)(HostNode* node);
};

// GuardFreedNodes: blocks on pages of their own, made unreadable when freed and returned when the guard goes off.
bool g_guardFreedNodes = false;
std::vector<std::pair<void*, std::size_t>> g_retiredPages;

std::size_t PageRounded(std::size_t size)
{
	const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
	return (size + page - 1) / page * page;
}

template <typename Block> Block* NewBlock(bool& guarded)
{
	guarded = g_guardFreedNodes;
	if (!guarded)
		return new (std::nothrow) Block();
	void* pages =
	    ::mmap(nullptr, PageRounded(sizeof(Block)), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	return pages == MAP_FAILED ? nullptr : new (pages) Block();
}

template <typename Block> void DeleteBlock(Block* block, bool guarded)
{
	if (!guarded)
	{
		delete block;
		return;
	}
	block->~Block();
	const std::size_t size = PageRounded(sizeof(Block));
	::mprotect(block, size, PROT_NONE);
	try
	{
		g_retiredPages.emplace_back(block, size);
	}
	catch (const std::bad_alloc&)
	{
		// Not recorded: the pages stay unreadable until the process ends.
	}
}

template <typename Shell> HostNode* MakeBlock(const BlockOps*& ops)
{
	static const BlockOps kOps = {[](HostNode* node)
	                              {
		                              const bool guarded = node->guardedBlock;
		                              DeleteBlock(static_cast<NodeBlock<Shell>*>(static_cast<Shell*>(node->atom)),
		                                          guarded);
	                              }};
	bool guarded = false;
	NodeBlock<Shell>* block = NewBlock<NodeBlock<Shell>>(guarded);
	if (block == nullptr)
		return nullptr;
	block->host.atom = static_cast<Shell*>(block);
	block->host.guardedBlock = guarded;
	HostAccess::Bind(block, &block->host);
	ops = &kOps;
	return &block->host;
}

bool IsSplineType(Int32 type)
{
	return type == Ospline;
}

HostNode* AllocateShell(NodeKind kind, Int32 type, const BlockOps*& ops)
{
	switch (kind)
	{
	case NodeKind::Document:
		return MakeBlock<BaseDocument>(ops);
	case NodeKind::Tag:
		if (type == Tuvw)
			return MakeBlock<UVWTag>(ops);
		if (type == Tvertexcolor)
			return MakeBlock<VertexColorTag>(ops);
		if (VariableTagElementSize(type) > 0)
			return MakeBlock<VariableTag>(ops);
		return MakeBlock<BaseTag>(ops);
	case NodeKind::Object:
		if (type == Opolygon)
			return MakeBlock<PolygonObject>(ops);
		if (IsSplineType(type))
			return MakeBlock<SplineObject>(ops);
		return MakeBlock<BaseObject>(ops);
	}
	return nullptr;
}

void FreeNodeData(HostNode* node)
{
	if (node->nodeData == nullptr)
		return;
	node->nodeData->Free(static_cast<GeListNode*>(node->atom));
	NodeData* data = node->nodeData;
	node->nodeData = nullptr;
	data->~NodeData();
	hostbridge::FreeMem(data);
}
} // namespace

Int32 VariableTagElementSize(Int32 tagType)
{
	switch (tagType)
	{
	case Tuvw:
		return static_cast<Int32>(sizeof(Float32) * 12);
	case Tvertexcolor:
		return static_cast<Int32>(sizeof(Float32) * 4);
	case Tsegment:
		return static_cast<Int32>(sizeof(Segment));
	case Tpoint:
		return static_cast<Int32>(sizeof(Vector));
	case Tpolygon:
		return static_cast<Int32>(sizeof(CPolygon));
	default:
		return 0;
	}
}

HostNode* CreateNode(NodeKind kind, Int32 type)
{
	const plugins::ObjectType* objectType = nullptr;
	if (kind == NodeKind::Object)
	{
		objectType = plugins::FindObjectType(type);
		if (objectType == nullptr)
			return nullptr;
	}
	if (core::ShouldFailAllocation())
		return nullptr;
	const BlockOps* ops = nullptr;
	HostNode* node = AllocateShell(kind, type, ops);
	if (node == nullptr)
	{
		core::NoteRefusedAllocation();
		return nullptr;
	}
	node->destroyBlock = ops->destroy;
	node->kind = kind;
	node->type = type;
	node->objectType = objectType;
	if (objectType != nullptr)
	{
		node->name = objectType->displayName;
		if (objectType->allocator != nullptr)
		{
			NodeData* data = objectType->allocator();
			if (data == nullptr)
			{
				ops->destroy(node);
				return nullptr;
			}
			HostAccess::SetNodeOwner(data, static_cast<GeListNode*>(node->atom));
			node->nodeData = data;
		}
	}
	return node;
}

void DestroyNode(HostNode* node)
{
	if (node == nullptr)
		return;
	// Children and tags first, then the cache, then the plug-in data, then the block.
	while (node->down != nullptr)
	{
		HostNode* child = node->down;
		Unlink(child);
		DestroyNode(child);
	}
	while (node->firstTag != nullptr)
	{
		HostNode* tag = node->firstTag;
		Unlink(tag);
		DestroyNode(tag);
	}
	while (node->firstObject != nullptr)
	{
		HostNode* object = node->firstObject;
		Unlink(object);
		DestroyNode(object);
	}
	if (node->cache != nullptr)
	{
		HostNode* cache = &Host(node->cache);
		node->cache = nullptr;
		DestroyNode(cache);
	}
	FreeNodeData(node);
	// A pass still holds the node: it will find it freed, and the record goes with the last hold.
	if (node->holds > 0)
	{
		node->freed = true;
		return;
	}
	node->destroyBlock(node);
}

void HoldNode(HostNode* node)
{
	++node->holds;
}

void ReleaseNode(HostNode* node)
{
	if (--node->holds == 0 && node->freed)
		node->destroyBlock(node);
}

HeldNodes::~HeldNodes()
{
	for (HostNode* node : _nodes)
		ReleaseNode(node);
}

void HeldNodes::Add(HostNode* node)
{
	_nodes.push_back(node);
	HoldNode(node);
}

HeldNodes HeldNodes::DocumentOrder(HostNode* document)
{
	HeldNodes order;
	for (HostNode* n = document->firstObject; n != nullptr; n = NextInDocumentOrder(n))
		order.Add(n);
	return order;
}

void GuardFreedNodes(bool on)
{
	g_guardFreedNodes = on;
	if (on)
		return;
	for (const auto& [pages, size] : g_retiredPages)
		::munmap(pages, size);
	g_retiredPages.clear();
}

void Unlink(HostNode* node)
{
	if (node->kind == NodeKind::Tag)
	{
		if (node->tagOwner != nullptr)
		{
			if (node->tagOwner->firstTag == node)
				node->tagOwner->firstTag = node->next;
		}
	}
	else if (node->up != nullptr)
	{
		if (node->up->down == node)
			node->up->down = node->next;
		if (node->up->downLast == node)
			node->up->downLast = node->pred;
		node->up->dirtyChildren++;
	}
	else if (node->document != nullptr && node->document->firstObject == node)
	{
		node->document->firstObject = node->next;
		if (node->document->lastObject == node)
			node->document->lastObject = nullptr;
	}
	else if (node->document != nullptr && node->document->lastObject == node)
	{
		node->document->lastObject = node->pred;
	}
	if (node->pred != nullptr)
		node->pred->next = node->next;
	if (node->next != nullptr)
		node->next->pred = node->pred;
	node->up = node->next = node->pred = nullptr;
	node->tagOwner = nullptr;
	SetDocumentRecursive(node, nullptr);
}

void LinkObject(HostNode* node, HostNode* document, HostNode* parent, HostNode* pred, bool asLast)
{
	HostNode** first = parent != nullptr ? &parent->down : &document->firstObject;
	HostNode** last = parent != nullptr ? &parent->downLast : &document->lastObject;
	if (asLast && pred == nullptr)
		pred = *last;
	node->up = parent;
	if (pred == nullptr)
	{
		node->pred = nullptr;
		node->next = *first;
		if (*first != nullptr)
			(*first)->pred = node;
		*first = node;
	}
	else
	{
		node->pred = pred;
		node->next = pred->next;
		if (pred->next != nullptr)
			pred->next->pred = node;
		pred->next = node;
	}
	if (node->next == nullptr)
		*last = node;
	if (parent != nullptr)
		parent->dirtyChildren++;
	SetDocumentRecursive(node, parent != nullptr ? parent->document : document);
}

void SetDocumentRecursive(HostNode* node, HostNode* document)
{
	node->document = document;
	for (HostNode* tag = node->firstTag; tag != nullptr; tag = tag->next)
		tag->document = document;
	for (HostNode* child = node->down; child != nullptr; child = child->next)
		SetDocumentRecursive(child, document);
}

HostNode* NextInDocumentOrder(HostNode* node, const HostNode* root)
{
	if (node == nullptr)
		return nullptr;
	if (node->down != nullptr)
		return node->down;
	for (HostNode* walk = node; walk != nullptr && walk != root; walk = walk->up)
	{
		if (walk->next != nullptr)
			return walk->next;
	}
	return nullptr;
}

const HostNode* NextInDocumentOrder(const HostNode* node, const HostNode* root)
{
	return NextInDocumentOrder(const_cast<HostNode*>(node), root);
}

BaseObject* NextInDocumentOrder(BaseObject* op, const BaseObject* root)
{
	if (op == nullptr)
		return nullptr;
	const HostNode* next = NextInDocumentOrder(&Host(op), root != nullptr ? &Host(root) : nullptr);
	return next != nullptr ? static_cast<BaseObject*>(next->atom) : nullptr;
}

const BaseObject* NextInDocumentOrder(const BaseObject* op, const BaseObject* root)
{
	return NextInDocumentOrder(const_cast<BaseObject*>(op), root);
}

void MarkDataChanged(HostNode* node)
{
	node->dirtyData++;
	node->dataChangedSinceBuild = true;
}

void MarkMatrixChanged(HostNode* node)
{
	node->dirtyMatrix++;
}

HostNode* CloneNode(const HostNode* src, COPYFLAGS flags)
{
	HostNode* dst = CreateNode(src->kind, src->type);
	if (dst == nullptr)
		return nullptr;
	GeListNode* dstList = static_cast<GeListNode*>(dst->atom);
	if (dst->nodeData != nullptr && !dst->nodeData->Init(dstList, true))
	{
		DestroyNode(dst);
		return nullptr;
	}
	// Element arrays are the large part of a copy: they go through the allocation switch, and a copy that cannot
	// get its memory fails as a whole instead of throwing through the caller.
	const bool hasArrays = !src->points.empty() || !src->polygons.empty() || !src->segments.empty() ||
	                       !src->tangents.empty() || !src->elements.empty();
	if (hasArrays && core::ShouldFailAllocation())
	{
		DestroyNode(dst);
		return nullptr;
	}
	try
	{
		dst->name = src->name;
		dst->data = src->data;
		dst->bits = (flags & COPYFLAGS::NO_BITS) ? 0 : src->bits;
		dst->nbits = (flags & COPYFLAGS::NO_BITS) ? 0 : src->nbits;
		dst->position = src->position;
		dst->rotation = src->rotation;
		dst->scale = src->scale;
		dst->editorMode = src->editorMode;
		dst->renderMode = src->renderMode;
		dst->enabled = src->enabled;
		dst->color = src->color;
		dst->points = src->points;
		dst->polygons = src->polygons;
		dst->segments = src->segments;
		dst->tangents = src->tangents;
		dst->splineType = src->splineType;
		dst->elements = src->elements;
		dst->elementCount = src->elementCount;
		dst->elementSize = src->elementSize;
		dst->time = src->time;
		dst->fps = src->fps;
		dst->minTime = src->minTime;
		dst->maxTime = src->maxTime;
	}
	catch (const std::bad_alloc&)
	{
		core::NoteRefusedAllocation();
		DestroyNode(dst);
		return nullptr;
	}

	// Tags keep their order.
	HostNode* lastTag = nullptr;
	if (!(flags & COPYFLAGS::PRIVATE_NO_TAGS))
	{
		for (const HostNode* tag = src->firstTag; tag != nullptr; tag = tag->next)
		{
			HostNode* copy = CloneNode(tag, flags);
			if (copy == nullptr)
			{
				DestroyNode(dst);
				return nullptr;
			}
			copy->tagOwner = dst;
			copy->pred = lastTag;
			if (lastTag != nullptr)
				lastTag->next = copy;
			else
				dst->firstTag = copy;
			lastTag = copy;
		}
	}
	const bool withChildren = !(flags & COPYFLAGS::NO_HIERARCHY);
	if (src->kind == NodeKind::Document || withChildren)
	{
		const HostNode* first = src->kind == NodeKind::Document ? src->firstObject : src->down;
		HostNode* last = nullptr;
		for (const HostNode* child = first; child != nullptr; child = child->next)
		{
			HostNode* copy = CloneNode(child, flags & ~COPYFLAGS::NO_HIERARCHY);
			if (copy == nullptr)
			{
				DestroyNode(dst);
				return nullptr;
			}
			if (src->kind == NodeKind::Document)
				LinkObject(copy, dst, nullptr, last, false);
			else
				LinkObject(copy, dst->document, dst, last, false);
			last = copy;
		}
	}
	if (src->nodeData != nullptr && dst->nodeData != nullptr &&
	    !src->nodeData->CopyTo(dst->nodeData, static_cast<const GeListNode*>(src->atom), dstList, flags, nullptr))
	{
		DestroyNode(dst);
		return nullptr;
	}
	return dst;
}

namespace
{
// Rotation from heading, pitch and bank (radians) in the application's order: heading about y, then pitch about x,
// then bank about z (left-handed, y up).
Matrix HPBToMatrix(const Vector& hpb)
{
	const double ch = std::cos(hpb.x), sh = std::sin(hpb.x);
	const double cp = std::cos(hpb.y), sp = std::sin(hpb.y);
	const double cb = std::cos(hpb.z), sb = std::sin(hpb.z);
	const Matrix heading(Vector(), Vector(ch, 0, -sh), Vector(0, 1, 0), Vector(sh, 0, ch));
	const Matrix pitch(Vector(), Vector(1, 0, 0), Vector(0, cp, sp), Vector(0, -sp, cp));
	const Matrix bank(Vector(), Vector(cb, sb, 0), Vector(-sb, cb, 0), Vector(0, 0, 1));
	return heading * pitch * bank;
}
} // namespace

Matrix LocalMatrix(const HostNode* node)
{
	Matrix m = HPBToMatrix(node->rotation);
	m.sqmat.v1 *= node->scale.x;
	m.sqmat.v2 *= node->scale.y;
	m.sqmat.v3 *= node->scale.z;
	m.off = node->position;
	return m;
}

Matrix GlobalMatrix(const HostNode* node)
{
	Matrix m = LocalMatrix(node);
	for (const HostNode* up = node->up; up != nullptr; up = up->up)
		m = LocalMatrix(up) * m;
	return m;
}
} // namespace surfax::scene
