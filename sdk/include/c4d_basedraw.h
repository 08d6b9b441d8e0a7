// Viewport drawing: the view, the draw helper and handles.
#ifndef C4D_BASEDRAW_H__
#define C4D_BASEDRAW_H__

#include "c4d_baseobject.h"

namespace cinema
{
enum class DRAWHANDLE : Int32
{
	MINI = 0,
	SMALL = 1,
	MIDDLE = 2,
	BIG = 3,
	CUSTOM = 4,
	POINTSIZE = 5,
	SELPOINTSIZE = 6,
	VERYBIG = 7,
};

enum class HANDLECONSTRAINTTYPE : Int32
{
	INVALID = -1,
	LINEAR = 0,
	PLANAR = 1,
	FREE = 2,
	RADIAL = 3,
	SPHERICAL = 4,
};

// Draw flags of DrawLine and DrawHandle: NOCLIP_D turns off clipping at the view border, NOCLIP_Z clipping in
// depth. The values are those of the SDK's headers (NOCLIP_Z unverified for 2025). The stand-in records the flags
// and gives them no other meaning.
#define NOCLIP_D (1 << 11)
#define NOCLIP_Z (1 << 12)

/// An interactive handle: position and the axis or plane it moves along.
class HandleInfo
{
public:
	Vector position;
	Vector direction;
	Vector center;
	Float radius = 100.0;
	HANDLECONSTRAINTTYPE type = HANDLECONSTRAINTTYPE::LINEAR;
	HandleInfo() = default;
};

/// A viewport. Records what objects draw (pen, points, lines, spheres, handles) in the stand-in.
class BaseDraw : public BaseList2D
{
public:
	void SetMatrix_Matrix(BaseObject* op, const Matrix& mg);
	void SetMatrix_Matrix(BaseObject* op, const Matrix& mg, Int32 zoffset);
	void SetPen(const Vector& col, Int32 flags = 0);
	void SetPointSize(Float pointsize);
	void DrawHandle(const Vector& vp, DRAWHANDLE type, Int32 flags);
	void DrawLine(const Vector& p1, const Vector& p2, Int32 flags);
	void DrawSphere(const Vector& off, const Vector& size, const Vector& col, Int32 flags);

protected:
	BaseDraw() = default;
	~BaseDraw() = default;
};

/// Per-object helper of a draw call.
class BaseDrawHelp
{
public:
	BaseDocument* GetDocument();
	const Matrix& GetMg();

protected:
	BaseDrawHelp() = default;
	~BaseDrawHelp() = default;
};
} // namespace cinema

#endif // C4D_BASEDRAW_H__
