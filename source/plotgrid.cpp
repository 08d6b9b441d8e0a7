// The grid component: cubic spline curves through every few sample rows and columns of its plot object.
#include "c4d.h"

#include "c4d_symbols.h"
#include "o3dplotgrid.h"

#include "main.h"

using namespace cinema;

/// Data class of the grid component, a spline generator. Decides in CheckDirty when the plot's samples moved.
class PlotGrid : public ObjectData
{
	INSTANCEOF(PlotGrid, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(PlotGrid); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		(void)isCloneInit;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		bc.SetInt32(PLOTGRID_STEP, 1);
		bc.SetVector(PLOTGRID_COLOR, Vector(0.8, 0.8, 0.8));
		// -1 is no size or height a plot has, so the first check sees a change; the changed flag is left alone.
		_lastFrame = maxon::LIMIT<Int32>::MIN;
		_lastHeight = -1.0;
		_lastSize = -1.0;
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotGrid* copy = static_cast<PlotGrid*>(dest);
		if (copy == nullptr)
			return false;
		copy->_lastFrame = _lastFrame;
		copy->_lastHeight = _lastHeight;
		copy->_lastSize = _lastSize;
		copy->_changed = _changed;
		return SUPER::CopyTo(dest, snode, dnode, flags, trn);
	}

	Bool GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                  const BaseContainer* itemdesc) const override
	{
		if (node != nullptr && !static_cast<const BaseObject*>(node)->GetDeformMode())
			return false;
		return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
	}

	Bool AddToExecution(BaseObject* op, PriorityList* list) override
	{
		// After the plot object's own execution at the generator priority.
		list->Add(op, EXECUTIONPRIORITY_GENERATOR + 2, EXECUTIONFLAGS::NONE);
		return true;
	}

	SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt) override
	{
		(void)op;
		(void)doc;
		(void)lod;
		(void)bt;
		return SplineObject::Alloc(0, SPLINETYPE::LINEAR);
	}

private:
	Int32 _lastFrame = 0;    // document frame seen by the last CheckDirty
	Float _lastHeight = 0.0; // the plot's height and size as last seen
	Float _lastSize = 0.0;
	Bool _changed = false; // the plot's size or height moved; Execute sends one more update
};

Bool RegisterPlotGrid(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTGRID, GeLoadString(IDS_PLOTGRID),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_ISSPLINE |
	                                OBJECT_GENERATOR,
	                            PlotGrid::Alloc, "o3dplotgrid"_s, icon, 0);
}
