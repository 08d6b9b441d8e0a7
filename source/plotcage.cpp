// The cage component: a wire box around the plotted volume, with optional rings and cross-sections.
#include "c4d.h"

#include "c4d_symbols.h"
#include "o3dplotcage.h"

#include "main.h"

using namespace cinema;

/// Data class of the cage component, a spline generator that follows its plot object's size and height.
class PlotCage : public ObjectData
{
	INSTANCEOF(PlotCage, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(PlotCage); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		(void)isCloneInit;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		bc.SetInt32(PLOTCAGE_LEVELS, 0);
		bc.SetInt32(PLOTCAGE_DIVISIONS, 0);
		bc.SetVector(PLOTCAGE_COLOR, Vector(0.8, 0.8, 0.8));
		// Values no document has, so that the first check always sees a change.
		_lastFrame = maxon::LIMIT<Int32>::MIN;
		_lastHeight = -1.0;
		_lastSize = -1.0;
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotCage* copy = static_cast<PlotCage*>(dest);
		if (copy == nullptr)
			return false;
		copy->_lastFrame = _lastFrame;
		copy->_lastHeight = _lastHeight;
		copy->_lastSize = _lastSize;
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
};

Bool RegisterPlotCage(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTCAGE, GeLoadString(IDS_PLOTCAGE),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_ISSPLINE |
	                                OBJECT_GENERATOR,
	                            PlotCage::Alloc, "o3dplotcage"_s, icon, 0);
}
