// BaseObject, PointObject, PolygonObject and SplineObject.
#include "host/scene/node.h"

#include "ospline.h"

#include "host/core/memory.h"
#include "host/core/spline_curve.h"

#include <algorithm>
#include <limits>

namespace cinema
{
using surfax::scene::MarkDataChanged;
using surfax::scene::MarkMatrixChanged;

namespace
{
BaseObject* AsObject(HostNode* n)
{
	return n ? static_cast<BaseObject*>(n->atom) : nullptr;
}

BaseTag* AsTag(HostNode* n)
{
	return n ? static_cast<BaseTag*>(n->atom) : nullptr;
}

// Makes room for count elements without changing v; a growth counts as one host allocation.
template <typename T> bool ReserveCounted(std::vector<T>& v, Int32 count)
{
	if (count < 0)
		return false;
	if (static_cast<std::size_t>(count) <= v.capacity())
		return true;
	if (surfax::core::ShouldFailAllocation())
		return false;
	try
	{
		v.reserve(static_cast<std::size_t>(count));
	}
	catch (const std::bad_alloc&)
	{
		surfax::core::NoteRefusedAllocation();
		return false;
	}
	return true;
}

// Grows a vector through the host's allocation accounting. False when the switch or the system refuses.
template <typename T> bool ResizeCounted(std::vector<T>& v, Int32 count)
{
	if (!ReserveCounted(v, count))
		return false;
	v.resize(static_cast<std::size_t>(count)); // within the capacity: cannot throw
	return true;
}

void LinkTag(HostNode& owner, HostNode* tag, HostNode* pred)
{
	tag->tagOwner = &owner;
	tag->document = owner.document;
	if (pred == nullptr || pred->tagOwner != &owner)
	{
		tag->pred = nullptr;
		tag->next = owner.firstTag;
		if (owner.firstTag != nullptr)
			owner.firstTag->pred = tag;
		owner.firstTag = tag;
	}
	else
	{
		tag->pred = pred;
		tag->next = pred->next;
		if (pred->next != nullptr)
			pred->next->pred = tag;
		pred->next = tag;
	}
}
} // namespace

BaseObject* BaseObject::Alloc(Int32 type)
{
	HostNode* n = surfax::scene::CreateNode(NodeKind::Object, type);
	if (n == nullptr)
		return nullptr;
	BaseObject* op = AsObject(n);
	if (n->nodeData != nullptr && !n->nodeData->Init(op, false))
	{
		surfax::scene::DestroyNode(n);
		return nullptr;
	}
	return op;
}

void BaseObject::Free(BaseObject*& bl)
{
	FreeListNode(bl);
	bl = nullptr;
}

BaseObject* BaseObject::GetNext()
{
	return AsObject(Host(this).next);
}
BaseObject* BaseObject::GetPred()
{
	return AsObject(Host(this).pred);
}
BaseObject* BaseObject::GetUp()
{
	return AsObject(Host(this).up);
}
BaseObject* BaseObject::GetDown()
{
	return AsObject(Host(this).down);
}
BaseObject* BaseObject::GetDownLast()
{
	return static_cast<BaseObject*>(GeListNode::GetDownLast());
}
const BaseObject* BaseObject::GetNext() const
{
	return AsObject(Host(this).next);
}
const BaseObject* BaseObject::GetPred() const
{
	return AsObject(Host(this).pred);
}
const BaseObject* BaseObject::GetUp() const
{
	return AsObject(Host(this).up);
}
const BaseObject* BaseObject::GetDown() const
{
	return AsObject(Host(this).down);
}
const BaseObject* BaseObject::GetDownLast() const
{
	return static_cast<const BaseObject*>(GeListNode::GetDownLast());
}

Vector BaseObject::GetRelPos() const
{
	return Host(this).position;
}
void BaseObject::SetRelPos(const Vector& v)
{
	Host(this).position = v;
	MarkMatrixChanged(&Host(this));
}
Vector BaseObject::GetRelRot() const
{
	return Host(this).rotation;
}
void BaseObject::SetRelRot(const Vector& v)
{
	Host(this).rotation = v;
	MarkMatrixChanged(&Host(this));
}
Vector BaseObject::GetRelScale() const
{
	return Host(this).scale;
}
void BaseObject::SetRelScale(const Vector& v)
{
	Host(this).scale = v;
	MarkMatrixChanged(&Host(this));
}

Matrix BaseObject::GetMl() const
{
	return surfax::scene::LocalMatrix(&Host(this));
}

void BaseObject::SetMl(const Matrix& m)
{
	HostNode& n = Host(this);
	n.position = m.off;
	n.scale = Vector(m.sqmat.v1.GetLength(), m.sqmat.v2.GetLength(), m.sqmat.v3.GetLength());
	// Rotation from the normalised axes (heading, pitch, bank as HPBToMatrix builds them).
	const Vector v1 = m.sqmat.v1.GetNormalized();
	const Vector v2 = m.sqmat.v2.GetNormalized();
	const Vector v3 = m.sqmat.v3.GetNormalized();
	const Float pitch = std::asin(std::clamp(-v3.y, -1.0, 1.0));
	const Float heading = std::atan2(v3.x, v3.z);
	const Float bank = std::atan2(v1.y, v2.y);
	n.rotation = Vector(heading, pitch, bank);
	MarkMatrixChanged(&n);
}

Matrix BaseObject::GetMg() const
{
	return surfax::scene::GlobalMatrix(&Host(this));
}

void BaseObject::SetMg(const Matrix& m)
{
	const HostNode& n = Host(this);
	if (n.up == nullptr)
	{
		SetMl(m);
		return;
	}
	// Local = inverse(parent global) * m; parents here are rigid or scaled orthogonal frames.
	const Matrix parent = surfax::scene::GlobalMatrix(n.up);
	auto inverse = [](const Matrix& a)
	{
		const Vector& x = a.sqmat.v1;
		const Vector& y = a.sqmat.v2;
		const Vector& z = a.sqmat.v3;
		const Float det = Dot(x, Cross(y, z));
		if (det == 0.0)
			return Matrix();
		const Vector r1 = Cross(y, z) / det;
		const Vector r2 = Cross(z, x) / det;
		const Vector r3 = Cross(x, y) / det;
		// Rows r1, r2, r3 form the inverse; write it as columns.
		Matrix inv(Vector(), Vector(r1.x, r2.x, r3.x), Vector(r1.y, r2.y, r3.y), Vector(r1.z, r2.z, r3.z));
		inv.off = -(inv.sqmat * a.off);
		return inv;
	};
	SetMl(inverse(parent) * m);
}

Matrix BaseObject::GetUpMg() const
{
	const HostNode& n = Host(this);
	return n.up ? surfax::scene::GlobalMatrix(n.up) : Matrix();
}

void BaseObject::GetDimension(Vector& mp, Vector& rad) const
{
	const HostNode& n = Host(this);
	mp = Vector();
	rad = Vector();
	if (n.nodeData != nullptr)
	{
		static_cast<const ObjectData*>(n.nodeData)->GetDimension(this, &mp, &rad);
		return;
	}
	const std::vector<Vector>* points = &n.points;
	if (points->empty() && n.cache != nullptr)
		points = &Host(n.cache).points;
	if (points->empty())
		return;
	Vector lo((*points)[0]);
	Vector hi((*points)[0]);
	for (const Vector& p : *points)
	{
		lo = Vector(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
		hi = Vector(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
	}
	mp = (lo + hi) * 0.5;
	rad = (hi - lo) * 0.5;
}

Vector BaseObject::GetMp() const
{
	Vector mp, rad;
	GetDimension(mp, rad);
	return mp;
}

Vector BaseObject::GetRad() const
{
	Vector mp, rad;
	GetDimension(mp, rad);
	return rad;
}

Int32 BaseObject::GetEditorMode() const
{
	return Host(this).editorMode;
}
void BaseObject::SetEditorMode(Int32 mode)
{
	Host(this).editorMode = mode;
}
Int32 BaseObject::GetRenderMode() const
{
	return Host(this).renderMode;
}
void BaseObject::SetRenderMode(Int32 mode)
{
	Host(this).renderMode = mode;
}
Bool BaseObject::GetDeformMode() const
{
	return Host(this).enabled;
}
void BaseObject::SetDeformMode(Bool mode)
{
	HostNode& n = Host(this);
	if (n.enabled != mode)
	{
		n.enabled = mode;
		MarkDataChanged(&n);
	}
}

BaseTag* BaseObject::GetFirstTag()
{
	return AsTag(Host(this).firstTag);
}
const BaseTag* BaseObject::GetFirstTag() const
{
	return AsTag(Host(this).firstTag);
}
BaseTag* BaseObject::GetLastTag()
{
	HostNode* tag = Host(this).firstTag;
	while (tag != nullptr && tag->next != nullptr)
		tag = tag->next;
	return AsTag(tag);
}

BaseTag* BaseObject::GetTag(Int32 type, Int32 nr)
{
	for (HostNode* tag = Host(this).firstTag; tag != nullptr; tag = tag->next)
	{
		if (tag->type == type && nr-- == 0)
			return AsTag(tag);
	}
	return nullptr;
}

const BaseTag* BaseObject::GetTag(Int32 type, Int32 nr) const
{
	return const_cast<BaseObject*>(this)->GetTag(type, nr);
}

BaseTag* BaseObject::MakeTag(Int32 type, BaseTag* pred)
{
	BaseTag* tag = BaseTag::Alloc(type);
	if (tag == nullptr)
		return nullptr;
	InsertTag(tag, pred);
	return tag;
}

VariableTag* BaseObject::MakeVariableTag(Int32 type, Int32 count, BaseTag* pred)
{
	VariableTag* tag = VariableTag::Alloc(type, count);
	if (tag == nullptr)
		return nullptr;
	InsertTag(tag, pred);
	return tag;
}

void BaseObject::InsertTag(BaseTag* tp, BaseTag* pred)
{
	if (tp == nullptr)
		return;
	HostNode* tag = &Host(tp);
	surfax::scene::Unlink(tag);
	LinkTag(Host(this), tag, pred ? &Host(pred) : nullptr);
	MarkDataChanged(&Host(this));
}

void BaseObject::KillTag(Int32 type, Int32 nr)
{
	BaseTag* tag = GetTag(type, nr);
	if (tag == nullptr)
		return;
	HostNode* n = &Host(tag);
	surfax::scene::Unlink(n);
	surfax::scene::DestroyNode(n);
	MarkDataChanged(&Host(this));
}

Bool BaseObject::SetPhong(Bool on, Bool, Float)
{
	KillTag(Tphong);
	return !on || MakeTag(Tphong) != nullptr;
}

BaseObject* BaseObject::GetCache()
{
	return Host(this).cache;
}

const BaseObject* BaseObject::GetCache() const
{
	return Host(this).cache;
}

BaseObject* BaseObject::GetDeformCache()
{
	return nullptr;
}

Bool BaseObject::IsDirty(DIRTYFLAGS flags) const
{
	const HostNode& n = Host(this);
	if (flags & DIRTYFLAGS::DATA)
		return n.dataChangedSinceBuild;
	return false;
}

void BaseObject::SetDirty(DIRTYFLAGS flags)
{
	C4DAtom::SetDirty(flags);
}

Bool BaseObject::CheckCache(const HierarchyHelp*) const
{
	const HostNode& n = Host(this);
	return n.cache == nullptr || n.dataChangedSinceBuild;
}

void BaseObject::Touch() {}

void BaseObject::GetColorProperties(ObjectColorProperties* prop) const
{
	if (prop != nullptr)
		*prop = Host(this).color;
}

void BaseObject::SetColorProperties(ObjectColorProperties* prop)
{
	if (prop != nullptr)
		Host(this).color = *prop;
}

Int32 BaseObject::GetHighlightHandle(BaseDraw*)
{
	return -1;
}

// --- Point, polygon and spline objects
// ---------------------------------------------------------------------------------

const Vector* PointObject::GetPointR() const
{
	const HostNode& n = Host(this);
	return n.points.empty() ? nullptr : n.points.data();
}

Vector* PointObject::GetPointW()
{
	HostNode& n = Host(this);
	return n.points.empty() ? nullptr : n.points.data();
}

Int32 PointObject::GetPointCount() const
{
	return static_cast<Int32>(Host(this).points.size());
}

Bool PointObject::ResizeObject(Int32 pcnt)
{
	HostNode& n = Host(this);
	if (!ResizeCounted(n.points, pcnt))
		return false;
	MarkDataChanged(&n);
	return true;
}

PolygonObject* PolygonObject::Alloc(Int32 pcnt, Int32 vcnt)
{
	if (pcnt < 0 || vcnt < 0)
		return nullptr;
	BaseObject* op = BaseObject::Alloc(Opolygon);
	if (op == nullptr)
		return nullptr;
	PolygonObject* poly = static_cast<PolygonObject*>(op);
	if (!poly->ResizeObject(pcnt, vcnt))
	{
		BaseObject::Free(op);
		return nullptr;
	}
	return poly;
}

void PolygonObject::Free(PolygonObject*& op)
{
	BaseObject* base = op;
	BaseObject::Free(base);
	op = nullptr;
}

const CPolygon* PolygonObject::GetPolygonR() const
{
	const HostNode& n = Host(this);
	return n.polygons.empty() ? nullptr : n.polygons.data();
}

CPolygon* PolygonObject::GetPolygonW()
{
	HostNode& n = Host(this);
	return n.polygons.empty() ? nullptr : n.polygons.data();
}

Int32 PolygonObject::GetPolygonCount() const
{
	return static_cast<Int32>(Host(this).polygons.size());
}

Bool PolygonObject::ResizeObject(Int32 pcnt, Int32 vcnt)
{
	HostNode& n = Host(this);
	if (!ResizeCounted(n.points, pcnt) || !ResizeCounted(n.polygons, vcnt))
		return false;
	MarkDataChanged(&n);
	return true;
}

SplineObject* SplineObject::Alloc(Int32 pcnt, SPLINETYPE type)
{
	if (pcnt < 0)
		return nullptr;
	BaseObject* op = BaseObject::Alloc(Ospline);
	if (op == nullptr)
		return nullptr;
	SplineObject* spline = static_cast<SplineObject*>(op);
	HostNode& n = Host(op);
	n.splineType = type;
	n.data.SetInt32(SPLINEOBJECT_TYPE, static_cast<Int32>(type));
	if (!ResizeCounted(n.points, pcnt))
	{
		BaseObject::Free(op);
		return nullptr;
	}
	return spline;
}

void SplineObject::Free(SplineObject*& bl)
{
	BaseObject* base = bl;
	BaseObject::Free(base);
	bl = nullptr;
}

const Segment* SplineObject::GetSegmentR() const
{
	const HostNode& n = Host(this);
	return n.segments.empty() ? nullptr : n.segments.data();
}

Segment* SplineObject::GetSegmentW()
{
	HostNode& n = Host(this);
	return n.segments.empty() ? nullptr : n.segments.data();
}

Int32 SplineObject::GetSegmentCount() const
{
	return static_cast<Int32>(Host(this).segments.size());
}

const Tangent* SplineObject::GetTangentR() const
{
	const HostNode& n = Host(this);
	return n.tangents.empty() ? nullptr : n.tangents.data();
}

Tangent* SplineObject::GetTangentW()
{
	HostNode& n = Host(this);
	return n.tangents.empty() ? nullptr : n.tangents.data();
}

Int32 SplineObject::GetTangentCount()
{
	return static_cast<Int32>(Host(this).tangents.size());
}

SPLINETYPE SplineObject::GetInterpolationType() const
{
	return Host(this).splineType;
}

Bool SplineObject::IsClosed() const
{
	return Host(this).data.GetBool(SPLINEOBJECT_CLOSED);
}

Bool SplineObject::ResizeObject(Int32 pcnt, Int32 scnt)
{
	HostNode& n = Host(this);
	// The segment table gets its room first, so a failure leaves both arrays as they were.
	if (!ReserveCounted(n.segments, scnt) || !ResizeCounted(n.points, pcnt) || !ResizeCounted(n.segments, scnt))
		return false;
	MarkDataChanged(&n);
	return true;
}

Vector SplineObject::GetSplinePoint(Float t, Int32 segment, const Vector* padr) const
{
	const HostNode& n = Host(this);
	// padr, when given, stands in for the object's points and has as many.
	const Vector* points = padr ? padr : n.points.data();
	const Int pointCount = static_cast<Int>(n.points.size());
	Int first = 0;
	Int count = pointCount;
	bool closed = n.data.GetBool(SPLINEOBJECT_CLOSED);
	if (!n.segments.empty())
	{
		if (segment < 0 || segment >= static_cast<Int32>(n.segments.size()))
			return Vector();
		for (Int32 i = 0; i < segment; ++i)
			first += std::max<Int32>(n.segments[static_cast<std::size_t>(i)].cnt, 0);
		const Segment& seg = n.segments[static_cast<std::size_t>(segment)];
		count = std::max<Int32>(seg.cnt, 0);
		closed = closed || seg.closed;
	}
	// Segment records that claim more points than there are end at the last point.
	if (points == nullptr || first >= pointCount)
		return Vector();
	count = std::min(count, pointCount - first);
	return surfax::core::SegmentPoint(points + first, count, closed, n.splineType != SPLINETYPE::LINEAR, t);
}
} // namespace cinema
