// Tags: plain tags and element-array tags (UVW coordinates, vertex colours).
#ifndef C4D_BASETAG_H__
#define C4D_BASETAG_H__

#include "c4d_baselist.h"
#include "c4d_polygon.h"

namespace cinema
{
class BaseObject;
class Neighbor;

/// A tag on an object.
class BaseTag : public BaseList2D
{
public:
	/// A new tag of the type, not attached. Null when the type is unknown or memory is out.
	static BaseTag* Alloc(Int32 type);
	static void Free(BaseTag*& bl);
	/// The object that holds the tag, or null.
	BaseObject* GetObject();
	const BaseObject* GetObject() const;
	BaseTag* GetNext();
	BaseTag* GetPred();
	const BaseTag* GetNext() const;
	const BaseTag* GetPred() const;

protected:
	BaseTag() = default;
	~BaseTag() = default;
};

/// A tag holding an array of fixed-size elements (points, polygons, UVW, vertex colours, segments).
class VariableTag : public BaseTag
{
public:
	static VariableTag* Alloc(Int32 type, Int32 count);
	Int32 GetDataCount() const;
	const void* GetLowlevelDataAddressR() const;
	void* GetLowlevelDataAddressW();

protected:
	VariableTag() = default;
	~VariableTag() = default;
};

/// UVW coordinates of one polygon's corners.
struct UVWStruct
{
	Vector a, b, c, d;
	UVWStruct() = default;
	UVWStruct(const Vector& t_a, const Vector& t_b, const Vector& t_c, const Vector& t_d)
	    : a(t_a), b(t_b), c(t_c), d(t_d)
	{
	}
	UVWStruct(const Vector& t_a, const Vector& t_b, const Vector& t_c) : a(t_a), b(t_b), c(t_c), d(t_c) {}
};

using UVWHandle = void*;
using ConstUVWHandle = const void*;

/// UVW coordinates, one UVWStruct per polygon (stored in single precision).
class UVWTag : public VariableTag
{
public:
	static UVWTag* Alloc(Int32 count);
	ConstUVWHandle GetDataAddressR() const;
	UVWHandle GetDataAddressW();
	static void Get(ConstUVWHandle dataptr, Int32 i, UVWStruct& res);
	static void Set(UVWHandle dataptr, Int32 i, const UVWStruct& s);
	static void Copy(UVWHandle destptr, Int32 dst, ConstUVWHandle srcptr, Int32 src);

protected:
	UVWTag() = default;
	~UVWTag() = default;
};

using VertexColorHandle = void*;
using ConstVertexColorHandle = const void*;

struct VertexColorStruct
{
	maxon::ColorA32 a, b, c, d;
};

/// Vertex colours. Allocated in per-point mode: one maxon::ColorA32 (16 bytes: r, g, b, a floats) per point.
class VertexColorTag : public VariableTag
{
public:
	static VertexColorTag* Alloc(Int32 count);
	ConstVertexColorHandle GetDataAddressR() const;
	VertexColorHandle GetDataAddressW();
	Bool IsPerPointColor() const;
	Bool SetPerPointMode(Bool perPointColor);
	static void Get(ConstVertexColorHandle dataptr, Int32 i, VertexColorStruct& res);
	static void Set(VertexColorHandle dataptr, Int32 i, const VertexColorStruct& s);
	/// Per-point mode: pass null for nb and vadr and the point index as pIndex.
	static maxon::ColorA32 Get(ConstVertexColorHandle dataptr, Neighbor* nb, const CPolygon* vadr, Int32 pIndex);
	static void Set(VertexColorHandle dataptr, Neighbor* nb, const CPolygon* vadr, Int32 pIndex,
	                const maxon::ColorA32& color);

protected:
	VertexColorTag() = default;
	~VertexColorTag() = default;
};
} // namespace cinema

#endif // C4D_BASETAG_H__
