// Objects of the scene: the base object, point, polygon and spline objects, and the generator helpers.
#ifndef C4D_BASEOBJECT_H__
#define C4D_BASEOBJECT_H__

#include "c4d_baselist.h"
#include "c4d_polygon.h"
#include "ge_prepass.h"

namespace cinema
{
class BaseTag;
class VariableTag;
class BaseThread;
class BaseDraw;
class SplineObject;

/// Display colour of an object. Plain data without initialisers, as in the SDK: set every member before
/// SetColorProperties.
struct ObjectColorProperties
{
	Vector color;
	Int32 usecolor;
	Bool xray;
};

/// Context of one generator call: level of detail, build flags, the generator's global matrix, the document.
class HierarchyHelp
{
public:
	Float GetLOD() const { return _lod; }
	BUILDFLAGS GetBuildFlags() const { return _flags; }
	const Matrix& GetMg() const { return _mg; }
	BaseThread* GetThread() const { return _thread; }
	const BaseDocument* GetDocument() const { return _doc; }
	Bool IsProfilingEnabled() const { return false; }

private:
	friend struct HostAccess;
	HierarchyHelp() = default;
	Float _lod = 1.0;
	BUILDFLAGS _flags = BUILDFLAGS::NONE;
	Matrix _mg;
	BaseThread* _thread = nullptr;
	const BaseDocument* _doc = nullptr;
};

/// An object of the scene.
class BaseObject : public BaseList2D
{
public:
	/// A new object of the type (a host type such as Onull or a registered plug-in id), not yet in a document.
	/// Null when the type is unknown or memory is out.
	static BaseObject* Alloc(Int32 type);
	/// Frees the object (with its children and tags) and sets bl to null. The object must not be in a document.
	static void Free(BaseObject*& bl);

	BaseObject* GetNext();
	BaseObject* GetPred();
	BaseObject* GetUp();
	BaseObject* GetDown();
	BaseObject* GetDownLast();
	const BaseObject* GetNext() const;
	const BaseObject* GetPred() const;
	const BaseObject* GetUp() const;
	const BaseObject* GetDown() const;
	const BaseObject* GetDownLast() const;

	Vector GetRelPos() const;
	void SetRelPos(const Vector& v);
	/// Heading, pitch, bank in radians.
	Vector GetRelRot() const;
	void SetRelRot(const Vector& v);
	Vector GetRelScale() const;
	void SetRelScale(const Vector& v);
	Vector GetAbsPos() const { return GetRelPos(); }
	void SetAbsPos(const Vector& v) { SetRelPos(v); }
	Vector GetAbsRot() const { return GetRelRot(); }
	void SetAbsRot(const Vector& v) { SetRelRot(v); }
	Vector GetAbsScale() const { return GetRelScale(); }
	void SetAbsScale(const Vector& v) { SetRelScale(v); }
	/// Local matrix (relative to the parent).
	Matrix GetMl() const;
	void SetMl(const Matrix& m);
	/// Global matrix (parents' matrices applied).
	Matrix GetMg() const;
	void SetMg(const Matrix& m);
	Matrix GetUpMg() const;
	/// Bounding box centre and half size in object space.
	Vector GetMp() const;
	Vector GetRad() const;
	void GetDimension(Vector& mp, Vector& rad) const;

	Int32 GetEditorMode() const;
	void SetEditorMode(Int32 mode);
	Int32 GetRenderMode() const;
	void SetRenderMode(Int32 mode);
	/// The enabled check mark.
	Bool GetDeformMode() const;
	void SetDeformMode(Bool mode);

	BaseTag* GetFirstTag();
	const BaseTag* GetFirstTag() const;
	BaseTag* GetLastTag();
	/// The nr-th tag of the type, or null.
	BaseTag* GetTag(Int32 type, Int32 nr = 0);
	const BaseTag* GetTag(Int32 type, Int32 nr = 0) const;
	/// Allocates a tag and links it after pred (first when pred is null). Null on failure.
	BaseTag* MakeTag(Int32 type, BaseTag* pred = nullptr);
	/// Allocates an element-array tag with count elements and links it after pred. Null on failure.
	VariableTag* MakeVariableTag(Int32 type, Int32 count, BaseTag* pred = nullptr);
	/// Links an allocated tag after pred (first when pred is null); the object owns it afterwards.
	void InsertTag(BaseTag* tp, BaseTag* pred = nullptr);
	/// Removes and frees the nr-th tag of the type, if any.
	void KillTag(Int32 type, Int32 nr = 0);
	Bool SetPhong(Bool on, Bool anglelimit, Float angle);

	/// The generator's output as last built, or null.
	BaseObject* GetCache();
	const BaseObject* GetCache() const;
	BaseObject* GetDeformCache();
	Bool IsDirty(DIRTYFLAGS flags) const;
	void SetDirty(DIRTYFLAGS flags);
	/// True when the generator's cache must be rebuilt (no cache, or its data changed since the last build).
	Bool CheckCache(const HierarchyHelp* hh) const;
	void Touch();

	void GetColorProperties(ObjectColorProperties* prop) const;
	void SetColorProperties(ObjectColorProperties* prop);
	/// The handle under the cursor in bd, or -1.
	Int32 GetHighlightHandle(BaseDraw* bd);

protected:
	BaseObject() = default;
	~BaseObject() = default;
};

/// An object with points.
class PointObject : public BaseObject
{
public:
	const Vector* GetPointR() const;
	Vector* GetPointW();
	Int32 GetPointCount() const;
	Bool ResizeObject(Int32 pcnt);

protected:
	PointObject() = default;
	~PointObject() = default;
};

/// An object of points and polygons.
class PolygonObject : public PointObject
{
public:
	/// A polygon object with pcnt points and vcnt polygons, all zero. Null when memory is out.
	static PolygonObject* Alloc(Int32 pcnt, Int32 vcnt);
	static void Free(PolygonObject*& op);
	const CPolygon* GetPolygonR() const;
	CPolygon* GetPolygonW();
	Int32 GetPolygonCount() const;
	Bool ResizeObject(Int32 pcnt, Int32 vcnt);

protected:
	PolygonObject() = default;
	~PolygonObject() = default;
};

/// A spline: points in segments, with an interpolation type.
class SplineObject : public PointObject
{
public:
	/// A spline with pcnt points (zero) and no segment data. Null when memory is out.
	static SplineObject* Alloc(Int32 pcnt, SPLINETYPE type);
	static void Free(SplineObject*& bl);
	const Segment* GetSegmentR() const;
	Segment* GetSegmentW();
	/// The number of segments; 0 means one implicit segment over all points.
	Int32 GetSegmentCount() const;
	const Tangent* GetTangentR() const;
	Tangent* GetTangentW();
	Int32 GetTangentCount();
	SPLINETYPE GetInterpolationType() const;
	Bool IsClosed() const;
	/// Resizes points and segments. Added points are at the origin and added segments cleared (no points, open).
	Bool ResizeObject(Int32 pcnt, Int32 scnt);
	/// Position at t (0..1) along a segment.
	Vector GetSplinePoint(Float t, Int32 segment = 0, const Vector* padr = nullptr) const;

protected:
	SplineObject() = default;
	~SplineObject() = default;
};

/// Builds the polygon geometry of a host primitive (Ocube, Osphere, Opyramid, Oplatonic) from its parameters
/// in bc. A new object owned by the caller, or null.
BaseObject* GeneratePrimitive(const BaseDocument* doc, Int32 type, const BaseContainer& bc, Float lod, Bool isoparm,
                              BaseThread* bt = nullptr);
} // namespace cinema

#endif // C4D_BASEOBJECT_H__
