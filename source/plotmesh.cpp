// The mesh component: renderable geometry (a surface, markers or primitives) built from its plot object's samples.
#include "c4d.h"

#include "c4d_symbols.h"
#include "o3dplotmesh.h"

#include "main.h"

using namespace cinema;

/// Data class of the mesh component. Watches its plot object's change counter so that its cache is rebuilt
/// whenever the plot's samples change.
class PlotMesh : public ObjectData
{
	INSTANCEOF(PlotMesh, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(PlotMesh); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		(void)isCloneInit;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		bc.SetBool(PLOTMESH_VERTEXCOLORS, false);
		bc.SetBool(PLOTMESH_PHONG, true);
		bc.SetInt32(PLOTMESH_TYPE, PLOTMESH_TYPE_SURFACE);
		bc.SetFloat(PLOTMESH_SIZE, 1.0);
		bc.SetInt32(PLOTMESH_MARKER, PLOTMESH_MARKER_CUBE);
		bc.SetInt32(PLOTMESH_PRIMITIVE, PLOTMESH_PRIMITIVE_CUBE);
		bc.SetBool(PLOTMESH_RENDERONLY, false);
		_plotDirty = 0;
		_plotChanged = false;
		_lastFrame = maxon::LIMIT_MIN_INT32;
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotMesh* copy = static_cast<PlotMesh*>(dest);
		if (copy == nullptr)
			return false;
		// The copy keeps its own changed flag and frame: it has no cache yet and builds at its first evaluation.
		copy->_plotDirty = _plotDirty;
		return SUPER::CopyTo(dest, snode, dnode, flags, trn);
	}

	Bool GetDDescription(const GeListNode* node, Description* description, DESCFLAGS_DESC& flags) const override
	{
		if (node == nullptr || description == nullptr || !description->LoadDescription(node->GetType()))
			return false;
		flags |= DESCFLAGS_DESC::LOADED;
		return SUPER::GetDDescription(node, description, flags);
	}

	Bool GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                  const BaseContainer* itemdesc) const override
	{
		if (node == nullptr)
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		const BaseObject* op = static_cast<const BaseObject*>(node);
		if (!op->GetDeformMode())
			return false;
		const Int32 type = op->GetDataInstanceRef().GetInt32(PLOTMESH_TYPE);
		switch (id[0].id)
		{
		case PLOTMESH_VERTEXCOLORS:
		case PLOTMESH_PHONG:
			return type == PLOTMESH_TYPE_SURFACE;
		case PLOTMESH_SIZE:
			return type == PLOTMESH_TYPE_MARKERS || type == PLOTMESH_TYPE_PRIMITIVES;
		case PLOTMESH_MARKER:
			return type == PLOTMESH_TYPE_MARKERS;
		case PLOTMESH_PRIMITIVE:
			return type == PLOTMESH_TYPE_PRIMITIVES;
		default:
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		}
	}

	Bool AddToExecution(BaseObject* op, PriorityList* list) override
	{
		// After the plot object's own execution at the generator priority.
		list->Add(op, EXECUTIONPRIORITY_GENERATOR + 10, EXECUTIONFLAGS::NONE);
		return true;
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		(void)op;
		(void)hh;
		return BaseObject::Alloc(Onull);
	}

private:
	Int32 _plotDirty = 0;      // the plot object's data change counter as last seen
	Bool _plotChanged = false; // the counter moved at the last execution
	Int32 _lastFrame = 0;      // document frame of the last rebuild
};

Bool RegisterPlotMesh(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTMESH, GeLoadString(IDS_PLOTMESH),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_USECACHECOLOR |
	                                OBJECT_UNIQUEENUMERATION | OBJECT_GENERATOR,
	                            PlotMesh::Alloc, "o3dplotmesh"_s, icon, 0);
}
