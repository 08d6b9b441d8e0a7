// The node hierarchy of the scene: atoms, list nodes, named nodes with parameter containers; message ids.
//
// Stand-in note: every node is made by the host. A node class here adds no data of its own; C4DAtom keeps the
// one link to the host's record of the node (HostNode), and every member function is implemented by the host.
#ifndef C4D_BASELIST_H__
#define C4D_BASELIST_H__

#include "lib_description.h"

namespace cinema
{
struct HostNode;
struct HostAccess;
class BaseDocument;
class NodeData;
class GeListHead;
class GeListNode;

#define INSTANCEOFROOT(X)
#define INSTANCEOF(X, Y)                                                                                               \
public:                                                                                                                \
	typedef Y SUPER;                                                                                                   \
                                                                                                                       \
private:

// Messages.
#define MSG_POINTS_CHANGED 1
#define MSG_POLYGONS_CHANGED 2
#define MSG_UPDATE 5
#define MSG_SMALLUPDATE 6
#define MSG_CHANGE 7
#define MSG_BASECONTAINER 9
#define MSG_SEGMENTS_CHANGED 10
#define MSG_DESCRIPTION_INITUNDO 16
#define MSG_DESCRIPTION_CHECKUPDATE 17
#define MSG_DESCRIPTION_COMMAND 18
#define MSG_DESCRIPTION_POSTSETPARAMETER 19
#define MSG_DESCRIPTION_VALIDATE 20
#define MSG_EDIT 21
#define MSG_MENUPREPARE 22
#define MSG_RETRIEVEPRIVATEDATA 23
#define MSG_DOCUMENT_MODE_CHANGED 200000091
// Sent to an object after a person toggled its enabled check mark (the host's private message, no data).
#define MSG_DEFORMMODECHANGED 200000125
#define MSG_ANIMATE 300001037
#define MSG_DESCRIPTION_POPUP 300001046

#define MSG_DESCRIPTION_CHECKUPDATE_DOCUMENT (1 << 1)
#define MSG_DESCRIPTION_CHECKUPDATE_AUTOKEY (1 << 2)

/// MSG_DESCRIPTION_POSTSETPARAMETER (19): sent right after a parameter was set.
struct DescriptionPostSetValue
{
	const DescID* descid = nullptr;
	DESCFLAGS_SET flags = DESCFLAGS_SET::NONE;
};

/// MSG_DESCRIPTION_CHECKUPDATE (17): sent after a person changed a parameter; descid is its third member.
struct DescriptionCheckUpdate
{
	BaseDocument* doc = nullptr;
	Int32 drawflags = 0;
	const DescID* descid = nullptr;
};

struct DescriptionInitUndo
{
	BaseDocument* doc = nullptr;
	const DescID* descid = nullptr;
};

struct DescriptionValidate
{
	Int32 flags = 0;
};

/// Remaps links between copied elements after a copy.
class AliasTrans
{
public:
	static AliasTrans* Alloc();
	static void Free(AliasTrans*& link);
	Bool Init(const BaseDocument* doc);
	void Translate(Bool connect_oldgoals);

protected:
	AliasTrans() = default;
	~AliasTrans() = default;
};

/// Root of every node.
class C4DAtom
{
public:
	/// The node's type id (for example Onull, or a plug-in id).
	Int32 GetType() const;
	Int32 GetRealType() const;
	Int32 GetDiskType() const;
	/// True when the node is of type id or of a base type of it (Opoint for polygon and spline objects, ...).
	Bool IsInstanceOf(Int32 id) const;
	Int32 GetClassification() const;
	/// Sends a message to the node (its NodeData, for plug-in nodes). The node's answer, true for plain nodes.
	Bool Message(Int32 type, void* data = nullptr);
	/// A copy of the node (with children and tags unless flags say otherwise). Null when memory is out.
	C4DAtom* GetClone(COPYFLAGS flags, AliasTrans* trn) const;
	Bool CopyTo(C4DAtom* dst, COPYFLAGS flags, AliasTrans* trn) const;
	Bool GetDescription(Description* description, DESCFLAGS_DESC flags) const;
	/// Reads a parameter (the container value for one-level ids, a component for two-level vector ids).
	Bool GetParameter(const DescID& id, GeData& t_data, DESCFLAGS_GET flags) const;
	/// Writes a parameter and marks the node's data dirty.
	Bool SetParameter(const DescID& id, const GeData& t_data, DESCFLAGS_SET flags);
	/// Whether a parameter is enabled in the attribute panel (asks the node's NodeData).
	Bool GetEnabling(const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                 const BaseContainer* itemdesc) const;
	/// Change counter of the given kind; it grows whenever the node changes in that way.
	UInt32 GetDirty(DIRTYFLAGS flags) const;
	void SetDirty(DIRTYFLAGS flags);

	/// Stand-in only (sdk/standin/standin_only.h): the host's record of this node.
	HostNode* GetHostNode() const { return _hostNode; }

protected:
	C4DAtom() = default;
	~C4DAtom() = default;
	C4DAtom(const C4DAtom&) = delete;
	C4DAtom& operator=(const C4DAtom&) = delete;

private:
	friend struct HostAccess;
	HostNode* _hostNode = nullptr;
};

/// A node in a list: siblings, parent and children.
class GeListNode : public C4DAtom
{
public:
	GeListNode* GetNext();
	GeListNode* GetPred();
	GeListNode* GetDown();
	GeListNode* GetUp();
	GeListNode* GetDownLast();
	const GeListNode* GetNext() const;
	const GeListNode* GetPred() const;
	const GeListNode* GetDown() const;
	const GeListNode* GetUp() const;
	const GeListNode* GetDownLast() const;
	/// Inserts this node as the previous sibling of bl (removing it from where it was).
	void InsertBefore(GeListNode* bl);
	/// Inserts this node as the next sibling of bl.
	void InsertAfter(GeListNode* bl);
	/// Inserts this node as the first child of bl.
	void InsertUnder(GeListNode* bl);
	/// Inserts this node as the last child of bl.
	void InsertUnderLast(GeListNode* bl);
	/// Unlinks this node; the caller owns it afterwards.
	void Remove();
	/// Frees all children.
	void FlushChilds();
	GeListHead* GetListHead();

	/// The plug-in's data instance of this node, or null for the host's own types.
	NodeData* GetNodeDataI(Int32 index = 0);
	const NodeData* GetNodeDataI(Int32 index = 0) const;
	template <typename CAST> CAST* GetNodeData(Int32 index = 0) { return static_cast<CAST*>(GetNodeDataI(index)); }
	template <typename CAST> const CAST* GetNodeData(Int32 index = 0) const
	{
		return static_cast<const CAST*>(GetNodeDataI(index));
	}

	/// The document the node is in, or null.
	const BaseDocument* GetDocument() const;
	BaseDocument* GetDocument();
	Bool GetNBit(NBIT bit) const;
	/// Sets, clears or toggles a node bit; returns the new state.
	Bool ChangeNBit(NBIT bit, NBITCONTROL bitmode);
	Int32 GetInfo() const;

protected:
	GeListNode() = default;
	~GeListNode() = default;
};

/// Head of a node list.
class GeListHead : public GeListNode
{
public:
	GeListNode* GetFirst();
	GeListNode* GetLast();

protected:
	GeListHead() = default;
	~GeListHead() = default;
};

/// A node with a name, bits and a parameter container.
class BaseList2D : public GeListNode
{
public:
	static BaseList2D* Alloc(Int32 type);
	static void Free(BaseList2D*& bl);

	String GetName() const;
	void SetName(const maxon::String& name, Bool setDirty = true);
	void SetBit(Int32 mask);
	Bool GetBit(Int32 mask) const;
	void DelBit(Int32 mask);
	Int32 GetAllBits() const;
	void SetAllBits(Int32 bits);
	/// The type's display name.
	String GetTypeName() const;

	const BaseContainer* GetDataInstance() const;
	BaseContainer* GetDataInstance();
	const BaseContainer& GetDataInstanceRef() const;
	BaseContainer& GetDataInstanceRef();
	[[deprecated]] BaseContainer GetData() const;
	void SetData(const BaseContainer& bc, Bool add = true);

protected:
	BaseList2D() = default;
	~BaseList2D() = default;
};

/// Frees any list node made by the host (an object, a tag, a document).
void FreeListNode(GeListNode* node);
#define blDelete(v) ::cinema::FreeListNode(v)
} // namespace cinema

#endif // C4D_BASELIST_H__
