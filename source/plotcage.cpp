// The cage component: a wire box around the plotted volume, with optional rings and cross-sections.
#include "c4d.h"
#include "ospline.h"

#include "c4d_symbols.h"
#include "o3dplot.h"
#include "o3dplotcage.h"

#include "main.h"
#include "plotwatcher.h"

using namespace cinema;

namespace
{
/// The outline's own points and segments: top and bottom rectangle, four vertical edges.
constexpr Int kOutlinePoints = 16;
constexpr Int kOutlineSegments = 6;
constexpr Int32 kOutlineSegmentCounts[kOutlineSegments] = {4, 4, 2, 2, 2, 2};

/// Writes the four corners of a horizontal rectangle at height y, half width b, starting at (-b, y, -b).
Vector* WriteRing(Vector* out, Float b, Float y)
{
	*out++ = Vector(-b, y, -b);
	*out++ = Vector(b, y, -b);
	*out++ = Vector(b, y, b);
	*out++ = Vector(-b, y, b);
	return out;
}
} // namespace

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
		// The first check always sees a change.
		_watcher.Init();
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotCage* copy = static_cast<PlotCage*>(dest);
		if (copy == nullptr)
			return false;
		copy->_watcher = _watcher;
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

	/// Marks the cage for a rebuild on every frame change and when the plot's size or height moved (exact
	/// comparison, so NaN always counts as moved).
	void CheckDirty(BaseObject* op, const BaseDocument* doc) override
	{
		if (op == nullptr || doc == nullptr)
			return;
		// A contour that ran out of memory is built again at the next evaluation, changed or not.
		if (_shortOfMemory)
			op->SetDirty(DIRTYFLAGS::DATA);
		if (_watcher.TakeFrame(GetDocumentFrame(*doc, doc->GetTime())))
		{
			op->SetDirty(DIRTYFLAGS::DATA);
			return;
		}
		const BaseObject* plot = FindPlotObject(op);
		if (plot != nullptr && _watcher.TakeBox(*plot))
			op->SetDirty(DIRTYFLAGS::DATA);
	}

	/// The box of the plot's size and height around the origin as one closed linear spline: top and bottom
	/// rectangle, four vertical edges, then the rings from the top down, then per division the cross-section across
	/// x and the one across z. An empty spline without a plot or while switched off; null only when not even an
	/// empty spline can be allocated.
	SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt) override
	{
		(void)doc;
		(void)lod;
		(void)bt;
		if (op == nullptr)
			return SplineObject::Alloc(0, SPLINETYPE::LINEAR);
		const BaseContainer& bc = op->GetDataInstanceRef();
		ObjectColorProperties color;
		color.color = bc.GetVector(PLOTCAGE_COLOR, Vector(0.0));
		color.usecolor = ID_BASEOBJECT_USECOLOR_AUTOMATIC;
		color.xray = false;
		op->SetColorProperties(&color);

		// Kept as the answer to every failure below, so a failed allocation of the full spline still leaves a
		// valid, empty one.
		SplineObject* empty = SplineObject::Alloc(0, SPLINETYPE::LINEAR);
		_shortOfMemory = empty == nullptr;
		const BaseObject* plot = FindPlotObject(op);
		if (plot == nullptr || plot->GetNodeData<NodeData>() == nullptr)
			return empty;

		const BaseContainer& plotBc = plot->GetDataInstanceRef();
		const Float b = plotBc.GetFloat(PLOT_SIZE) * 0.5;
		const Float c = plotBc.GetFloat(PLOT_HEIGHT) * 0.5;
		const Int32 levels = bc.GetInt32(PLOTCAGE_LEVELS);
		const Int32 divisions = bc.GetInt32(PLOTCAGE_DIVISIONS);
		if (!op->GetDeformMode())
			return empty;

		const Int ringCount = levels > 0 ? levels : 0;
		const Int sectionCount = divisions > 0 ? divisions : 0;
		const Int pointCount = kOutlinePoints + 4 * ringCount + 8 * sectionCount;
		const Int segmentCount = kOutlineSegments + ringCount + 2 * sectionCount;
		// Counts that no spline can hold would wrap around in the host's Int32 counts.
		if (pointCount > maxon::LIMIT<Int32>::MAX)
			return empty;
		SplineObject* spline = SplineObject::Alloc(static_cast<Int32>(pointCount), SPLINETYPE::LINEAR);
		Vector* points = spline != nullptr ? spline->GetPointW() : nullptr;
		if (points == nullptr)
		{
			SplineObject::Free(spline);
			_shortOfMemory = true;
			return empty;
		}
		SplineObject::Free(empty);

		Vector* out = WriteRing(points, b, c);
		out = WriteRing(out, b, -c);
		const Float corners[4][2] = {{-b, -b}, {b, -b}, {b, b}, {-b, b}};
		for (const auto& corner : corners)
		{
			*out++ = Vector(corner[0], c, corner[1]);
			*out++ = Vector(corner[0], -c, corner[1]);
		}
		const Float ringSpacing = (1.0 / static_cast<Float>(ringCount + 1)) * c * 2.0;
		for (Int k = 1; k <= ringCount; ++k)
			out = WriteRing(out, b, c - static_cast<Float>(k) * ringSpacing);
		const Float sectionSpacing = (1.0 / static_cast<Float>(sectionCount + 1)) * b * 2.0;
		for (Int s = 1; s <= sectionCount; ++s)
		{
			const Float t = static_cast<Float>(s) * sectionSpacing - b;
			*out++ = Vector(t, c, -b);
			*out++ = Vector(t, c, b);
			*out++ = Vector(t, -c, b);
			*out++ = Vector(t, -c, -b);
			*out++ = Vector(-b, c, t);
			*out++ = Vector(b, c, t);
			*out++ = Vector(b, -c, t);
			*out++ = Vector(-b, -c, t);
		}

		// Without a segment table the points still make a valid spline: the host then reads them as one segment.
		if (spline->ResizeObject(static_cast<Int32>(pointCount), static_cast<Int32>(segmentCount)))
		{
			Segment* segments = spline->GetSegmentW();
			for (Int s = 0; segments != nullptr && s < segmentCount; ++s)
				segments[s].cnt = s < kOutlineSegments ? kOutlineSegmentCounts[s] : 4;
		}
		else
		{
			_shortOfMemory = true;
		}
		spline->GetDataInstanceRef().SetBool(SPLINEOBJECT_CLOSED, true);
		return spline;
	}

private:
	PlotWatcher _watcher;        // frame and box of the plot, taken in CheckDirty
	Bool _shortOfMemory = false; // the last contour could not be built whole
};

Bool RegisterPlotCage(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTCAGE, GeLoadString(IDS_PLOTCAGE),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_ISSPLINE |
	                                OBJECT_GENERATOR,
	                            PlotCage::Alloc, "o3dplotcage"_s, icon, 0);
}
