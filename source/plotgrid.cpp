// The grid component: cubic spline curves through every few sample rows and columns of its plot object.
#include "c4d.h"

#include "c4d_symbols.h"
#include "o3dplot.h"
#include "o3dplotgrid.h"

#include "main.h"
#include "plotobject.h"
#include "plotwatcher.h"

using namespace cinema;

namespace
{
/// The most sample rows or columns one direction can have: the plot's resolution is at most 1000.
constexpr Int32 kMaxSamplesPerAxis = 1001;

/// Fills indices with the drawn rows (or columns) of an axis of count samples: 0, then every step-th, and always
/// the last one, count - 1. Returns how many were written (1 to count); indices holds room for count entries. A
/// step below 1 is taken as 1, so no index ever leaves 0 to count - 1.
Int32 DrawnIndices(Int32 count, Int32 step, Int32* indices)
{
	const Int last = static_cast<Int>(count) - 1;
	const Int stride = step < 1 ? 1 : static_cast<Int>(step);
	Int32 length = 0;
	for (Int index = 0;; index = index + stride < count ? index + stride : last)
	{
		indices[length++] = static_cast<Int32>(index);
		if (index == last)
			break;
	}
	return length;
}
} // namespace

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
		// The first check sees a change of frame and box; the changed flag is left alone.
		_watcher.Init();
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotGrid* copy = static_cast<PlotGrid*>(dest);
		if (copy == nullptr)
			return false;
		copy->_watcher = _watcher;
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

	/// After the plot's size or height moved, rebuilds once more at the next evaluation: the change was seen by
	/// CheckDirty, so this update follows the plot object's rescaled samples.
	EXECUTIONRESULT Execute(BaseObject* op, BaseDocument* doc, BaseThread* bt, Int32 priority,
	                        EXECUTIONFLAGS flags) override
	{
		(void)doc;
		(void)bt;
		(void)priority;
		(void)flags;
		if (!_changed)
			return EXECUTIONRESULT::OK;
		op->Message(MSG_UPDATE);
		op->SetDirty(DIRTYFLAGS::DATA);
		_changed = false;
		return EXECUTIONRESULT::OK;
	}

	/// Marks the grid for a rebuild on every frame change, at every evaluation on the document's first frame, when
	/// the plot's size or height moved (exact comparison, so NaN always counts as moved), and when the plot's data
	/// changed otherwise (a new formula or resolution gives new samples, which the curves must follow).
	void CheckDirty(BaseObject* op, const BaseDocument* doc) override
	{
		if (op == nullptr || doc == nullptr)
			return;
		// A contour that ran out of memory is built again at the next evaluation, changed or not.
		if (_shortOfMemory)
			op->SetDirty(DIRTYFLAGS::DATA);
		const BaseObject* plot = FindPlotObject(op);
		const Int32 frame = GetDocumentFrame(*doc, doc->GetTime());
		if (_watcher.TakeFrame(frame) || frame == GetDocumentFrame(*doc, doc->GetMinTime()))
		{
			op->SetDirty(DIRTYFLAGS::DATA);
			return;
		}
		if (plot == nullptr)
			return;
		if (_watcher.TakeDataCounter(*plot))
			op->SetDirty(DIRTYFLAGS::DATA);
		if (!_watcher.TakeBox(*plot))
			return;
		op->SetDirty(DIRTYFLAGS::DATA);
		_changed = true;
	}

	/// One open cubic segment along z for every drawn x index, then one along x for every drawn z index, through
	/// the plot's sample positions. An empty spline when there is no plot or no complete sample cache; null only
	/// when not even an empty spline can be allocated.
	SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt) override
	{
		(void)doc;
		(void)lod;
		(void)bt;
		// Kept as the answer to every failure below, so a failed allocation of the full spline still leaves a
		// valid, empty one.
		SplineObject* empty = SplineObject::Alloc(0, SPLINETYPE::LINEAR);
		_shortOfMemory = empty == nullptr;
		if (op == nullptr)
			return empty;
		BaseObject* plot = FindPlotObject(op);
		const PlotObject* plotData = plot != nullptr ? plot->GetNodeData<PlotObject>() : nullptr;
		if (plotData == nullptr)
			return empty;

		const BaseContainer& bc = op->GetDataInstanceRef();
		ObjectColorProperties color;
		color.color = bc.GetVector(PLOTGRID_COLOR, Vector(0.0));
		color.usecolor = ID_BASEOBJECT_USECOLOR_AUTOMATIC;
		color.xray = false;
		op->SetColorProperties(&color);

		const maxon::BaseArray<PlotSample>& samples = plotData->GetSamples();
		const Int32 m = plotData->GetResolution() + 1;
		if (samples.IsEmpty() || m < 1 || m > kMaxSamplesPerAxis ||
		    samples.GetCount() != static_cast<Int>(m) * static_cast<Int>(m))
			return empty;

		Int32 drawn[kMaxSamplesPerAxis];
		const Int32 lineCount = DrawnIndices(m, bc.GetInt32(PLOTGRID_STEP, 1), drawn);
		const Int32 segmentCount = 2 * lineCount;
		const Int32 pointCount = segmentCount * m;

		SplineObject* spline = SplineObject::Alloc(pointCount, SPLINETYPE::CUBIC);
		if (spline == nullptr)
		{
			_shortOfMemory = true;
			return empty;
		}
		if (!spline->ResizeObject(pointCount, segmentCount))
		{
			SplineObject::Free(spline);
			_shortOfMemory = true;
			return empty;
		}
		Vector* points = spline->GetPointW();
		Segment* segments = spline->GetSegmentW();
		if (points == nullptr || segments == nullptr || !spline->IsInstanceOf(Ospline))
		{
			SplineObject::Free(spline);
			_shortOfMemory = true;
			return empty;
		}
		SplineObject::Free(empty);

		// Curves at a fixed x index run along z, those at a fixed z index along x; sample k = i * m + j.
		const PlotSample* sample = samples.GetFirst();
		Vector* out = points;
		for (Int32 s = 0; s < lineCount; ++s)
		{
			const PlotSample* row = sample + static_cast<Int>(drawn[s]) * m;
			for (Int32 j = 0; j < m; ++j)
				*out++ = row[j].position;
		}
		for (Int32 s = 0; s < lineCount; ++s)
		{
			const PlotSample* column = sample + drawn[s];
			for (Int32 i = 0; i < m; ++i)
				*out++ = column[static_cast<Int>(i) * m].position;
		}
		for (Int32 s = 0; s < segmentCount; ++s)
		{
			segments[s].cnt = m;
			segments[s].closed = false;
		}
		return spline;
	}

private:
	PlotWatcher _watcher;        // frame, data counter and box of the plot, taken in CheckDirty
	Bool _changed = false;       // the plot's size or height moved; Execute sends one more update
	Bool _shortOfMemory = false; // the last contour could not be built whole
};

Bool RegisterPlotGrid(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTGRID, GeLoadString(IDS_PLOTGRID),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_ISSPLINE |
	                                OBJECT_GENERATOR,
	                            PlotGrid::Alloc, "o3dplotgrid"_s, icon, 0);
}
