// The label component: tick labels and a legend as extruded text objects below the component.
#include "c4d.h"

#include "c4d_symbols.h"
#include "o3dplotlabel.h"

#include "main.h"

using namespace cinema;

/// Data class of the label component. Its labels are ordinary objects under it; its own output is an empty null.
class PlotLabel : public ObjectData
{
	INSTANCEOF(PlotLabel, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(PlotLabel); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		(void)isCloneInit;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		WriteDefaults(bc);
		_plotDirty = 0;
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotLabel* copy = static_cast<PlotLabel*>(dest);
		if (copy == nullptr)
			return false;
		copy->_plotDirty = _plotDirty;
		return SUPER::CopyTo(dest, snode, dnode, flags, trn);
	}

	Bool GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                  const BaseContainer* itemdesc) const override
	{
		if (node == nullptr)
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		const BaseObject* op = static_cast<const BaseObject*>(node);
		if (!op->GetDeformMode())
			return false;
		const BaseContainer& bc = op->GetDataInstanceRef();
		switch (id[0].id)
		{
		case PLOTLABEL_DECIMALS:
		case PLOTLABEL_FLIP:
			return bc.GetBool(PLOTLABEL_SHOWH) || bc.GetBool(PLOTLABEL_SHOWV);
		case PLOTLABEL_LEGENDOFFSET:
		case PLOTLABEL_LEGENDFACING:
			return bc.GetBool(PLOTLABEL_SHOWLEGEND);
		case PLOTLABEL_SIDES:
			return bc.GetBool(PLOTLABEL_SHOWH);
		default:
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		}
	}

	Bool AddToExecution(BaseObject* op, PriorityList* list) override
	{
		// Last of the plug-in's types: the plot has sampled and notified it before.
		list->Add(op, EXECUTIONPRIORITY_GENERATOR + 20, EXECUTIONFLAGS::NONE);
		return true;
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		(void)op;
		(void)hh;
		// The labels are document objects below the component; it generates nothing itself.
		return BaseObject::Alloc(Onull);
	}

private:
	/// Every default but the font, which is chosen from the installed fonts.
	static void WriteDefaults(BaseContainer& bc)
	{
		bc.SetFloat(PLOTLABEL_SIZE, 7.0);
		bc.SetVector(PLOTLABEL_COLOR, Vector(1.0));
		bc.SetInt32(PLOTLABEL_DECIMALS, 1);
		bc.SetBool(PLOTLABEL_SHOWH, true);
		bc.SetBool(PLOTLABEL_SHOWV, true);
		bc.SetBool(PLOTLABEL_FLIP, false);
		bc.SetBool(PLOTLABEL_SHOWLEGEND, true);
		bc.SetVector(PLOTLABEL_LEGENDOFFSET, Vector());
		bc.SetInt32(PLOTLABEL_LEGENDFACING, PLOTLABEL_LEGENDFACING_FRONT);
		bc.SetInt32(PLOTLABEL_SIDES, PLOTLABEL_SIDES_FRONT);
		bc.SetFloat(PLOTLABEL_DEPTH, 0.1);
	}

	Int32 _plotDirty = 0; // the plot object's data change counter as last seen by Execute
};

Bool RegisterPlotLabel(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTLABEL, GeLoadString(IDS_PLOTLABEL),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_GENERATOR,
	                            PlotLabel::Alloc, "o3dplotlabel"_s, icon, 0);
}
