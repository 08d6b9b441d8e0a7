// The host's record of every node (object, tag, document) behind the SDK's node classes.
//
// Ownership: a node owns its children, its tags, its generator cache and its plug-in data instance. A document
// owns its top-level objects. Nodes are made only by CreateNode and freed only by DestroyNode.
#ifndef SURFAX_HOST_SCENE_NODE_H
#define SURFAX_HOST_SCENE_NODE_H

#include "c4d.h"
#include "customgui_gradient.h"

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::plugins
{
struct ObjectType;
}

namespace cinema
{
enum class NodeKind
{
	Object,
	Tag,
	Document,
};

/// Everything the host knows about one node. Plain data; the SDK member functions read and write it.
struct HostNode
{
	C4DAtom* atom = nullptr;                        // the SDK view of this node (same allocation)
	void (*destroyBlock)(HostNode* node) = nullptr; // frees atom and this record together
	NodeKind kind = NodeKind::Object;
	Int32 type = 0;
	const surfax::plugins::ObjectType* objectType = nullptr; // null for tags and documents

	// Tree. Objects: siblings and children; top-level objects have up == null and belong to `document`.
	HostNode* up = nullptr;
	HostNode* down = nullptr;
	HostNode* downLast = nullptr; // last child, so that inserting as last child takes constant time
	HostNode* next = nullptr;
	HostNode* pred = nullptr;
	HostNode* document = nullptr; // the document the node is in (null when free)

	std::string name;
	BaseContainer data;
	NodeData* nodeData = nullptr; // plug-in instance, owned
	Int32 bits = 0;
	std::uint32_t nbits = 0;

	// Lifetime while a pass looks at the node (HoldNode): the holds taken, whether the node was freed while held (its
	// record alone is then left, until the last hold goes), and whether its block has pages of its own
	// (GuardFreedNodes).
	std::uint32_t holds = 0;
	bool freed = false;
	bool guardedBlock = false;

	// Change counters (GetDirty) and the "changed since the cache was built" flag (IsDirty).
	UInt32 dirtyData = 0;
	UInt32 dirtyMatrix = 0;
	UInt32 dirtyCache = 0;
	UInt32 dirtyChildren = 0;
	bool dataChangedSinceBuild = true;
	// Host allocations refused while the node's Execute, CheckDirty or build ran in its document's last evaluation.
	std::int64_t refusedAllocations = 0;

	// Objects.
	Vector position;
	Vector rotation;
	Vector scale = Vector(1.0);
	Int32 editorMode = MODE_UNDEF;
	Int32 renderMode = MODE_UNDEF;
	bool enabled = true;
	ObjectColorProperties color;
	HostNode* firstTag = nullptr;
	BaseObject* cache = nullptr; // generator output, owned
	std::vector<Vector> points;
	std::vector<CPolygon> polygons;
	std::vector<Segment> segments;
	std::vector<Tangent> tangents;
	SPLINETYPE splineType = SPLINETYPE::LINEAR;

	// Tags: owner object, element array.
	HostNode* tagOwner = nullptr;
	std::vector<unsigned char> elements;
	Int32 elementCount = 0;
	Int32 elementSize = 0;

	// Documents.
	HostNode* firstObject = nullptr;
	HostNode* lastObject = nullptr;
	BaseTime time;
	Int32 fps = 30;
	BaseTime minTime;
	BaseTime maxTime = BaseTime(90.0, 30.0);
};

/// The host's door into the SDK classes' private parts.
struct HostAccess
{
	static void Bind(C4DAtom* atom, HostNode* node) { atom->_hostNode = node; }
	static void SetNodeOwner(NodeData* data, GeListNode* node) { data->_node = node; }
	static HierarchyHelp MakeHierarchyHelp(const BaseDocument* doc, Float lod, BUILDFLAGS flags, const Matrix& mg)
	{
		HierarchyHelp hh;
		hh._doc = doc;
		hh._lod = lod;
		hh._flags = flags;
		hh._mg = mg;
		return hh;
	}
};

inline HostNode& Host(const C4DAtom* atom)
{
	return *atom->GetHostNode();
}
} // namespace cinema

namespace surfax::scene
{
using cinema::HostNode;

/// Element size of a variable tag type (UVW 48 bytes per polygon as 12 floats, vertex colour 16 bytes per point,
/// segments 8), or 0 for plain tags.
cinema::Int32 VariableTagElementSize(cinema::Int32 tagType);

/// Makes a node of kind and type with the SDK class that fits the type (PolygonObject for Opolygon, SplineObject
/// for spline types, UVWTag for Tuvw, ...). For objects of a plug-in type the plug-in's data instance is made
/// and Init is called. Counts as a host allocation; null when it fails or the object type is unknown.
HostNode* CreateNode(cinema::NodeKind kind, cinema::Int32 type);
/// Frees a node that is not linked anywhere, with its children, tags, cache and data instance. A held node (HoldNode)
/// loses all of these at once, but its record stays, with `freed` set, until its last hold is released.
void DestroyNode(HostNode* node);

/// Keeps the record of node readable while a pass of the evaluation may still look at it: a plug-in called during the
/// pass may free objects the pass has yet to visit (a label rebuild deletes whole subtrees), and the pass must then
/// see them as freed instead of reading freed memory. Holds nest; each is released once.
void HoldNode(HostNode* node);
/// Releases one hold of node; the record of a node freed while held is freed with its last hold.
void ReleaseNode(HostNode* node);

/// Nodes held for one pass (HoldNode), released when the list goes. Adding may throw std::bad_alloc.
class HeldNodes
{
public:
	HeldNodes() = default;
	~HeldNodes();
	HeldNodes(HeldNodes&& other) noexcept : _nodes(std::move(other._nodes)) { other._nodes.clear(); }
	HeldNodes(const HeldNodes&) = delete;
	HeldNodes& operator=(const HeldNodes&) = delete;
	HeldNodes& operator=(HeldNodes&&) = delete;

	/// Appends node and holds it.
	void Add(HostNode* node);
	const std::vector<HostNode*>& Nodes() const { return _nodes; }

	/// The objects of a document in document order (a snapshot: the pass may change the tree), each held.
	static HeldNodes DocumentOrder(HostNode* document);

private:
	std::vector<HostNode*> _nodes;
};

/// For tests: while on, every node made gets pages of its own, and freeing it makes those pages unreadable instead of
/// returning them, so that a read of a freed node ends the process with SIGSEGV at that read, in any build. Switching
/// it off returns the pages of the nodes freed so far. Off by default.
void GuardFreedNodes(bool on);

/// Unlinks a node from its parent/siblings (or its document's top level, or its owner's tag list).
void Unlink(HostNode* node);
/// Links an unlinked object: as first child of parent (parent non-null), or at the document's top level.
/// After pred when pred is given (pred must then be a child of the same parent / top level); as the last child when
/// asLast is set and pred is null. Constant time.
void LinkObject(HostNode* node, HostNode* document, HostNode* parent, HostNode* pred, bool asLast);
/// Sets the document of node and its whole subtree (objects and tags).
void SetDocumentRecursive(HostNode* node, HostNode* document);

/// The node after node in document order (parents before children, siblings in order): its first child, else its
/// next sibling, else the next sibling of its nearest ancestor that has one. With a root (node itself or one of its
/// ancestors) the walk stays inside root's subtree and ends, with null, after root's last descendant. Null for null
/// and after the last node. Generator caches are not part of the order. Constant stack, so any depth is walked.
HostNode* NextInDocumentOrder(HostNode* node, const HostNode* root = nullptr);
const HostNode* NextInDocumentOrder(const HostNode* node, const HostNode* root = nullptr);
/// The same over the objects as the SDK shows them.
cinema::BaseObject* NextInDocumentOrder(cinema::BaseObject* op, const cinema::BaseObject* root = nullptr);
const cinema::BaseObject* NextInDocumentOrder(const cinema::BaseObject* op, const cinema::BaseObject* root = nullptr);

/// Bumps the data change counter and marks the node as changed since its cache was built.
void MarkDataChanged(HostNode* node);
void MarkMatrixChanged(HostNode* node);

/// Deep copy of a node (data, tags, children unless NO_HIERARCHY; plug-in data through CopyTo). Null on failure.
HostNode* CloneNode(const HostNode* src, cinema::COPYFLAGS flags);

/// The local matrix from position, rotation (HPB) and scale.
cinema::Matrix LocalMatrix(const HostNode* node);
/// The global matrix (all ancestors applied).
cinema::Matrix GlobalMatrix(const HostNode* node);
} // namespace surfax::scene

#endif
