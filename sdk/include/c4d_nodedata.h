// NodeData: the plug-in's data class behind a node, and the base behaviour of its virtual operations.
#ifndef C4D_NODEDATA_H__
#define C4D_NODEDATA_H__

#include "c4d_baselist.h"
#include "c4d_memory.h"

// The base implementations ignore most of their arguments; the names stay for the reader.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace cinema
{
class HyperFile;

/// Root of the plug-in data classes. The host destroys instances through this virtual destructor.
class BaseData
{
public:
	virtual ~BaseData() = default;
};

/// The data class of a registered node type. The host makes one instance per node with the type's allocator
/// and calls these operations on it; each base implementation is what a type gets when it does not override.
class NodeData : public BaseData
{
public:
	/// The node this instance belongs to (const from a const operation, as in the SDK).
	GeListNode* Get() { return _node; }
	const GeListNode* Get() const { return _node; }

	virtual Bool Init(GeListNode* node, Bool isCloneInit) { return true; }
	virtual void Free(GeListNode* node) {}
	virtual Bool Read(GeListNode* node, HyperFile* hf, Int32 level) { return true; }
	virtual Bool Write(const GeListNode* node, HyperFile* hf) const { return true; }
	virtual Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	                    AliasTrans* trn) const
	{
		return true;
	}
	virtual Bool Message(GeListNode* node, Int32 type, void* data) { return true; }
	virtual const BaseDocument* GetDocument(const GeListNode* node) const { return nullptr; }
	virtual Bool IsInstanceOf(const GeListNode* node, Int32 type) const { return false; }
	virtual Bool GetDDescription(const GeListNode* node, Description* description, DESCFLAGS_DESC& flags) const
	{
		return true;
	}
	virtual Bool GetDParameter(const GeListNode* node, const DescID& id, GeData& t_data, DESCFLAGS_GET& flags) const
	{
		return true;
	}
	virtual Bool SetDParameter(GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_SET& flags)
	{
		return true;
	}
	virtual Bool GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                          const BaseContainer* itemdesc) const
	{
		return true;
	}
	virtual Bool TranslateDescID(GeListNode* node, const DescID& id, DescID& res_id, C4DAtom*& res_at) { return false; }
	virtual Bool IsDocumentRelated(const GeListNode* node, Bool& docrelated) const { return false; }

private:
	friend struct HostAccess;
	GeListNode* _node = nullptr;
};
} // namespace cinema

#pragma GCC diagnostic pop

#endif // C4D_NODEDATA_H__
