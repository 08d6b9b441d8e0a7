// The mesh component: renderable geometry (a surface, markers or primitives) built from its plot object's samples.
#include "c4d.h"
#include "ocube.h"
#include "oplatonic.h"
#include "opyramid.h"
#include "osphere.h"

#include "c4d_symbols.h"
#include "o3dplot.h"
#include "o3dplotmesh.h"

#include "main.h"
#include "plotobject.h"
#include "plotwatcher.h"

#include <cstring>

using namespace cinema;

namespace
{
/// Geometry of one marker solid: corner offsets in units of the marker size, and polygons as point indices within
/// one marker (a triangle repeats its third index).
struct MarkerShape
{
	Int32 pointCount;
	Int32 polygonCount;
	const Vector* offsets;
	const Int32 (*polygons)[4];
};

constexpr Vector kCubeOffsets[] = {
    Vector(-1.0, 1.0, -1.0),  Vector(-1.0, 1.0, 1.0),  Vector(1.0, 1.0, 1.0),  Vector(1.0, 1.0, -1.0),
    Vector(-1.0, -1.0, -1.0), Vector(-1.0, -1.0, 1.0), Vector(1.0, -1.0, 1.0), Vector(1.0, -1.0, -1.0),
};
constexpr Int32 kCubePolygons[][4] = {
    {0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5},
};

// A square base in the plane y - s with its corners on the x and z directions, and the apex at y + s.
constexpr Vector kPyramidOffsets[] = {
    Vector(-1.0, -1.0, 0.0), Vector(0.0, -1.0, -1.0), Vector(1.0, -1.0, 0.0),
    Vector(0.0, -1.0, 1.0),  Vector(0.0, 1.0, 0.0),
};
constexpr Int32 kPyramidPolygons[][4] = {
    {0, 4, 1, 1}, {1, 4, 2, 2}, {2, 4, 3, 3}, {3, 4, 0, 0}, {0, 1, 2, 3},
};

// A regular icosahedron whose corners lie about s from the centre: sqrt(0.526^2 + 0.851^2) = 1.0004.
constexpr Float kIcoA = 0.526;
constexpr Float kIcoC = 0.851;
constexpr Vector kIcosahedronOffsets[] = {
    Vector(0.0, kIcoA, -kIcoC), Vector(0.0, -kIcoA, -kIcoC), Vector(kIcoC, 0.0, -kIcoA),  Vector(kIcoC, 0.0, kIcoA),
    Vector(0.0, kIcoA, kIcoC),  Vector(0.0, -kIcoA, kIcoC),  Vector(-kIcoC, 0.0, kIcoA),  Vector(-kIcoC, 0.0, -kIcoA),
    Vector(kIcoA, kIcoC, 0.0),  Vector(-kIcoA, kIcoC, 0.0),  Vector(-kIcoA, -kIcoC, 0.0), Vector(kIcoA, -kIcoC, 0.0),
};
constexpr Int32 kIcosahedronPolygons[][4] = {
    {9, 8, 0, 0},   {8, 2, 0, 0},   {8, 3, 2, 2},  {8, 4, 3, 3},   {8, 9, 4, 4},   {4, 9, 6, 6},    {6, 9, 7, 7},
    {9, 0, 7, 7},   {11, 10, 1, 1}, {2, 11, 1, 1}, {2, 3, 11, 11}, {3, 5, 11, 11}, {5, 10, 11, 11}, {5, 6, 10, 10},
    {6, 7, 10, 10}, {7, 1, 10, 10}, {1, 7, 0, 0},  {2, 1, 0, 0},   {4, 5, 3, 3},   {4, 6, 5, 5},
};

constexpr Int32 kMaxMarkerPoints = 12;

/// The shape for a PLOTMESH_MARKER value; null outside the table.
const MarkerShape* FindMarkerShape(Int32 shape)
{
	static constexpr MarkerShape kShapes[] = {
	    {8, 6, kCubeOffsets, kCubePolygons},
	    {5, 5, kPyramidOffsets, kPyramidPolygons},
	    {12, 20, kIcosahedronOffsets, kIcosahedronPolygons},
	};
	if (shape < PLOTMESH_MARKER_CUBE || shape > PLOTMESH_MARKER_ICOSAHEDRON)
		return nullptr;
	return &kShapes[shape];
}

/// The result wherever nothing can be built. Null only when even this allocation fails.
BaseObject* AllocEmptyNull()
{
	return BaseObject::Alloc(Onull);
}

/// Unlinks and frees the first vertex colour tag of op, if any.
void RemoveVertexColorTag(BaseObject* op)
{
	BaseTag* tag = op->GetTag(Tvertexcolor);
	if (tag == nullptr)
		return;
	tag->Remove();
	BaseTag::Free(tag);
}

/// Gives op the colours of source (count entries): in place when op's own tag has that many entries, else as a new
/// first tag that replaces op's. A material on the component can then use the vertex colours. False when the copy
/// could not be made.
Bool MirrorVertexColors(BaseObject* op, const VertexColorTag* source, Int32 count)
{
	Bool mirrored = true;
	VariableTag* mirror = static_cast<VariableTag*>(op->GetTag(Tvertexcolor));
	if (mirror != nullptr && mirror->GetDataCount() == count)
	{
		void* target = mirror->GetLowlevelDataAddressW();
		const void* colors = source->GetLowlevelDataAddressR();
		if (target != nullptr && colors != nullptr)
			std::memcpy(target, colors, static_cast<size_t>(count) * sizeof(maxon::ColorA32));
	}
	else
	{
		if (mirror != nullptr)
			op->KillTag(Tvertexcolor);
		BaseTag* copy = static_cast<BaseTag*>(source->GetClone(COPYFLAGS::NONE, nullptr));
		if (copy != nullptr)
			op->InsertTag(copy);
		mirrored = copy != nullptr;
	}
	op->Message(MSG_UPDATE);
	return mirrored;
}

/// A primitive built for one sample, before it is placed.
struct BuiltPrimitive
{
	BaseObject* object = nullptr;
	Int32 sample = 0;
};
} // namespace

/// Data class of the mesh component. Watches its plot object's change counter so that its cache is rebuilt
/// whenever the plot's samples change, and builds a surface, markers or primitives from them.
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
		_watcher.Init();
		_plotChanged = false;
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotMesh* copy = static_cast<PlotMesh*>(dest);
		if (copy == nullptr)
			return false;
		// The copy keeps its own changed flag and frame: it has no cache yet and builds at its first evaluation.
		_watcher.CopyDataCounterTo(copy->_watcher);
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

	/// Notices when the plot object's data moved since the last run and marks the component for a rebuild.
	EXECUTIONRESULT Execute(BaseObject* op, BaseDocument* doc, BaseThread* bt, Int32 priority,
	                        EXECUTIONFLAGS flags) override
	{
		(void)doc;
		(void)bt;
		(void)priority;
		(void)flags;
		const BaseObject* plot = FindPlotObject(op);
		if (plot == nullptr)
			return EXECUTIONRESULT::OK;
		// The update goes to the component itself, so it cannot move the plot's counter just taken.
		_plotChanged = _watcher.TakeDataCounter(*plot);
		if (_plotChanged)
			op->Message(MSG_UPDATE);
		return EXECUTIONRESULT::OK;
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		if (op == nullptr || hh == nullptr)
			return AllocEmptyNull();
		BaseObject* plot = FindPlotObject(op);
		const PlotObject* plotData = plot != nullptr ? plot->GetNodeData<PlotObject>() : nullptr;
		if (plotData == nullptr)
			return AllocEmptyNull();

		const BaseContainer& bc = op->GetDataInstanceRef();
		const Bool animated = plot->GetDataInstanceRef().GetBool(PLOT_ANIMATE) && plotData->IsTimeDependent();
		const Int32 type = bc.GetInt32(PLOTMESH_TYPE);
		const Bool renderOnly = bc.GetBool(PLOTMESH_RENDERONLY);
		if (renderOnly && !CheckIsRunning(CHECKISRUNNING::EDITORRENDERING) &&
		    !CheckIsRunning(CHECKISRUNNING::EXTERNALRENDERING))
			return AllocEmptyNull();

		const BaseDocument* doc = hh->GetDocument();
		const Int32 frame = doc != nullptr ? GetDocumentFrame(*doc, doc->GetTime()) : 0;
		// With render-only on, any cache left from the editor is an empty null, so a render always builds.
		BaseObject* cache = op->GetCache();
		// A cache that a failed allocation left short is not kept: once memory is back, the next evaluation builds
		// the full result without waiting for a change.
		if ((_watcher.IsLastFrame(frame) || !animated) && !_plotChanged && !op->IsDirty(DIRTYFLAGS::DATA) &&
		    cache != nullptr && !renderOnly && !_shortOfMemory)
			return cache;

		const maxon::BaseArray<PlotSample>& samples = plotData->GetSamples();
		if (samples.IsEmpty())
			return AllocEmptyNull();
		_watcher.TakeFrame(frame); // the frame of this rebuild
		const Int32 n = plotData->GetResolution();
		if (n < 1 || samples.GetCount() != (static_cast<Int>(n) + 1) * (static_cast<Int>(n) + 1))
			return AllocEmptyNull();

		BaseObject* result = nullptr;
		Bool complete = true;
		switch (type)
		{
		case PLOTMESH_TYPE_SURFACE:
			result = BuildSurface(op, samples.GetFirst(), n, complete);
			break;
		case PLOTMESH_TYPE_MARKERS:
			result = BuildMarkerObject(plotData, bc.GetFloat(PLOTMESH_SIZE, 1.0), bc.GetInt32(PLOTMESH_MARKER), doc,
			                           complete);
			// Only a missing object is a shortfall here; a shape outside the table gives no object by design.
			complete = complete && (result != nullptr || FindMarkerShape(bc.GetInt32(PLOTMESH_MARKER)) == nullptr);
			break;
		case PLOTMESH_TYPE_PRIMITIVES:
			result = BuildPrimitives(bc, samples, hh, complete);
			break;
		default:
			break;
		}
		_shortOfMemory = !complete;
		if (result != nullptr)
			return result;
		BaseObject* empty = AllocEmptyNull();
		_shortOfMemory = _shortOfMemory || empty == nullptr;
		return empty;
	}

	/// Builds one polygon object with a closed solid around every sample of plot: shape is a PLOTMESH_MARKER value,
	/// size the half edge of a cube or pyramid and about the corner distance of an icosahedron, in scene units. The
	/// points of sample i come at i * P, its polygons at i * F (P and F the shape's counts), every polygon has the
	/// same UVW corners, and the normals are aligned in a temporary copy of doc (doc may be null: the alignment then
	/// runs without a document). Returns a new object owned by the caller, or null for a shape outside the table,
	/// a plot without samples, or no memory for the object. Without memory for the UVW tag the object has no UVs.
	/// complete turns false when memory ran out for any part.
	static PolygonObject* BuildMarkerObject(const PlotObject* plot, Float size, Int32 shape, const BaseDocument* doc,
	                                        Bool& complete)
	{
		const MarkerShape* marker = FindMarkerShape(shape);
		if (plot == nullptr || marker == nullptr)
			return nullptr;
		const maxon::BaseArray<PlotSample>& samples = plot->GetSamples();
		const Int sampleCount = samples.GetCount();
		const Int pointCount = sampleCount * marker->pointCount;
		const Int polygonCount = sampleCount * marker->polygonCount;
		if (pointCount == 0 || polygonCount == 0 || pointCount > maxon::LIMIT<Int32>::MAX ||
		    polygonCount > maxon::LIMIT<Int32>::MAX)
			return nullptr;

		PolygonObject* poly = PolygonObject::Alloc(static_cast<Int32>(pointCount), static_cast<Int32>(polygonCount));
		Vector* points = poly != nullptr ? poly->GetPointW() : nullptr;
		CPolygon* polygons = poly != nullptr ? poly->GetPolygonW() : nullptr;
		if (points == nullptr || polygons == nullptr)
		{
			PolygonObject::Free(poly);
			complete = false;
			return nullptr;
		}

		Vector offsets[kMaxMarkerPoints];
		for (Int32 k = 0; k < marker->pointCount; ++k)
			offsets[k] = marker->offsets[k] * size;
		for (Int i = 0; i < sampleCount; ++i)
		{
			const Vector& centre = samples[i].position;
			for (Int32 k = 0; k < marker->pointCount; ++k)
				*points++ = centre + offsets[k];
		}
		for (Int i = 0; i < sampleCount; ++i)
		{
			const Int32 first = static_cast<Int32>(i) * marker->pointCount;
			for (Int32 k = 0; k < marker->polygonCount; ++k)
			{
				const Int32* corners = marker->polygons[k];
				*polygons++ = CPolygon(first + corners[0], first + corners[1], first + corners[2], first + corners[3]);
			}
		}

		UVWTag* uvw = UVWTag::Alloc(static_cast<Int32>(polygonCount));
		if (uvw != nullptr)
		{
			poly->InsertTag(uvw);
			UVWHandle uvwData = uvw->GetDataAddressW();
			const UVWStruct corners(Vector(1.0, 0.0, 0.0), Vector(0.0, 0.0, 0.0), Vector(0.0, 1.0, 0.0),
			                        Vector(1.0, 1.0, 0.0));
			if (uvwData != nullptr)
			{
				for (Int32 p = 0; p < static_cast<Int32>(polygonCount); ++p)
					UVWTag::Set(uvwData, p, corners);
			}
		}
		complete = complete && uvw != nullptr;

		// The command gets a document of its own: the one being evaluated must not change while it is evaluated.
		// Without memory for the copy the alignment still runs, with no document.
		BaseDocument* scratch =
		    doc != nullptr ? static_cast<BaseDocument*>(doc->GetClone(COPYFLAGS::NO_BITS, nullptr)) : nullptr;
		complete = complete && (doc == nullptr || scratch != nullptr);
		ModelingCommandData command;
		command.doc = scratch;
		command.op = poly;
		SendModelingCommand(MCOMMAND_ALIGNNORMALS, command);
		BaseDocument::Free(scratch);
		return poly;
	}

private:
	/// The surface: one point per sample and one quadrangle per grid cell, with UVs, an optional Phong tag and
	/// optional vertex colours that are mirrored onto op. n >= 1 and samples holds (n+1)^2 entries. Null when the
	/// polygon object cannot be made; complete turns false when memory ran out for any part.
	PolygonObject* BuildSurface(BaseObject* op, const PlotSample* samples, Int32 n, Bool& complete)
	{
		const Int32 perAxis = n + 1;
		const Int32 pointCount = perAxis * perAxis;
		const Int32 polygonCount = n * n;
		PolygonObject* poly = PolygonObject::Alloc(pointCount, polygonCount);
		if (poly == nullptr)
		{
			complete = false;
			return nullptr;
		}

		const BaseContainer& bc = op->GetDataInstanceRef();
		VertexColorTag* colors = nullptr;
		if (bc.GetBool(PLOTMESH_VERTEXCOLORS))
			colors = static_cast<VertexColorTag*>(poly->MakeVariableTag(Tvertexcolor, pointCount));
		else
			RemoveVertexColorTag(op);

		Vector* points = poly->GetPointW();
		CPolygon* polygons = poly->GetPolygonW();
		if (points == nullptr || polygons == nullptr)
		{
			PolygonObject::Free(poly);
			complete = false;
			return nullptr;
		}
		if (bc.GetBool(PLOTMESH_PHONG) && poly->MakeTag(Tphong) == nullptr)
			complete = false;

		VertexColorHandle colorData = colors != nullptr ? colors->GetDataAddressW() : nullptr;
		if (bc.GetBool(PLOTMESH_VERTEXCOLORS) && colorData == nullptr)
			complete = false;
		for (Int32 k = 0; k < pointCount; ++k)
			points[k] = samples[k].position;
		if (colorData != nullptr)
		{
			for (Int32 k = 0; k < pointCount; ++k)
			{
				const Vector& c = samples[k].color;
				VertexColorTag::Set(colorData, nullptr, nullptr, k,
				                    maxon::ColorA32(static_cast<Float32>(c.x), static_cast<Float32>(c.y),
				                                    static_cast<Float32>(c.z), 1.0f));
			}
			complete = MirrorVertexColors(op, colors, pointCount) && complete;
		}

		// Polygon i * n + j joins the samples (i, j), (i, j + 1), (i + 1, j + 1), (i + 1, j).
		for (Int32 i = 0; i < n; ++i)
		{
			const Int32 row = i * perAxis;
			for (Int32 j = 0; j < n; ++j)
			{
				const Int32 k = row + j;
				*polygons++ = CPolygon(k, k + 1, k + perAxis + 1, k + perAxis);
			}
		}

		// u grows with the x index from 0 to 1, v falls with the z index from 1 to 0. The corners' point indices
		// give exactly these row and column numbers, so they are taken from the loop counters.
		UVWTag* uvw = UVWTag::Alloc(polygonCount);
		complete = complete && uvw != nullptr;
		if (uvw != nullptr)
		{
			poly->InsertTag(uvw);
			UVWHandle uvwData = uvw->GetDataAddressW();
			if (uvwData != nullptr)
			{
				Int32 p = 0;
				for (Int32 i = 0; i < n; ++i)
				{
					const Float u0 = static_cast<Float>(i) / static_cast<Float>(n);
					const Float u1 = static_cast<Float>(i + 1) / static_cast<Float>(n);
					for (Int32 j = 0; j < n; ++j)
					{
						const Float v0 = 1.0 - static_cast<Float>(j) / static_cast<Float>(n);
						const Float v1 = 1.0 - static_cast<Float>(j + 1) / static_cast<Float>(n);
						UVWTag::Set(uvwData, p++,
						            UVWStruct(Vector(u0, v0, 0.0), Vector(u0, v1, 0.0), Vector(u1, v1, 0.0),
						                      Vector(u1, v0, 0.0)));
					}
				}
			}
		}
		return poly;
	}

	/// A null with one host primitive per sample as its children, in sample order, each placed at its sample and
	/// displayed in its colour. Primitives that cannot be built are left out; a PLOTMESH_PRIMITIVE value outside
	/// the table gives a null without children. Null only when the null itself cannot be made. complete turns false
	/// when memory ran out for any part.
	static BaseObject* BuildPrimitives(const BaseContainer& bc, const maxon::BaseArray<PlotSample>& samples,
	                                   const HierarchyHelp* hh, Bool& complete)
	{
		const Float size = bc.GetFloat(PLOTMESH_SIZE, 1.0);
		BaseContainer settings;
		Int32 type = 0;
		switch (bc.GetInt32(PLOTMESH_PRIMITIVE))
		{
		case PLOTMESH_PRIMITIVE_CUBE:
			type = Ocube;
			settings.SetVector(PRIM_CUBE_LEN, Vector(size));
			settings.SetInt32(PRIM_CUBE_SUBX, 1);
			settings.SetInt32(PRIM_CUBE_SUBY, 1);
			settings.SetInt32(PRIM_CUBE_SUBZ, 1);
			break;
		case PLOTMESH_PRIMITIVE_SPHERE:
			type = Osphere;
			settings.SetFloat(PRIM_SPHERE_RAD, size * 0.5);
			settings.SetInt32(PRIM_SPHERE_SUB, 12);
			break;
		case PLOTMESH_PRIMITIVE_PYRAMID:
			type = Opyramid;
			settings.SetVector(PRIM_PYRAMID_LEN, Vector(size));
			break;
		case PLOTMESH_PRIMITIVE_PLATONIC:
			type = Oplatonic;
			settings.SetFloat(PRIM_PLATONIC_RAD, size * 0.5);
			settings.SetInt32(PRIM_PLATONIC_TYPE, PRIM_PLATONIC_TYPE_ICOSA);
			break;
		default:
			break;
		}

		BaseObject* group = BaseObject::Alloc(Onull);
		complete = complete && group != nullptr;
		if (group == nullptr || type == 0)
			return group;

		// Built first, placed afterwards; each remembers its sample, as skipped ones leave gaps.
		maxon::BaseArray<BuiltPrimitive> built;
		const Int sampleCount = samples.GetCount();
		iferr (built.EnsureCapacity(sampleCount))
		{
			// Appending below still grows the list step by step.
		}
		for (Int i = 0; i < sampleCount; ++i)
		{
			BaseObject* primitive = GeneratePrimitive(nullptr, type, settings, hh->GetLOD(), false, hh->GetThread());
			if (primitive == nullptr)
			{
				complete = false;
				continue;
			}
			if (type == Osphere && primitive->GetTag(Tphong) == nullptr && primitive->MakeTag(Tphong) == nullptr)
				complete = false;
			BuiltPrimitive entry;
			entry.object = primitive;
			entry.sample = static_cast<Int32>(i);
			iferr (built.Append(entry))
			{
				BaseObject::Free(primitive);
				complete = false;
			}
		}

		for (const BuiltPrimitive& entry : built)
		{
			const PlotSample& sample = samples[entry.sample];
			entry.object->SetRelPos(sample.position);
			ObjectColorProperties color;
			color.color = sample.color;
			color.usecolor = ID_BASEOBJECT_USECOLOR_AUTOMATIC;
			color.xray = false;
			entry.object->SetColorProperties(&color);
			entry.object->InsertUnderLast(group);
		}
		return group;
	}

	PlotWatcher _watcher;      // the plot's data counter, taken by Execute, and the document frame of the last rebuild
	Bool _plotChanged = false; // the counter moved at the last execution
	Bool _shortOfMemory = false; // the last rebuild lacked memory for a part: the next evaluation builds again
};

Bool RegisterPlotMesh(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTMESH, GeLoadString(IDS_PLOTMESH),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_USECACHECOLOR |
	                                OBJECT_UNIQUEENUMERATION | OBJECT_GENERATOR,
	                            PlotMesh::Alloc, "o3dplotmesh"_s, icon, 0);
}
