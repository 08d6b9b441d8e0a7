// ObjectData: the data class of an object type, and object registration.
#ifndef C4D_OBJECTDATA_H__
#define C4D_OBJECTDATA_H__

#include "c4d_basedocument.h"
#include "c4d_basedraw.h"
#include "c4d_nodedata.h"

// The base implementations ignore most of their arguments; the names stay for the reader.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace cinema
{
class BaseBitmap;
class Particle;
class BaseParticle;
enum class QUALIFIER : Int32
{
	NONE = 0
};

/// Base of object plug-ins (generators, spline generators, modifiers).
class ObjectData : public NodeData
{
	INSTANCEOF(ObjectData, NodeData)

public:
	/// Bounding box centre and half size; either may be null. Base: both zero.
	virtual void GetDimension(const BaseObject* op, Vector* mp, Vector* rad) const
	{
		if (mp)
			*mp = Vector();
		if (rad)
			*rad = Vector();
	}
	virtual DRAWRESULT Draw(BaseObject* op, DRAWPASS drawpass, BaseDraw* bd, BaseDrawHelp* bh)
	{
		return DRAWRESULT::OK;
	}
	virtual DRAWRESULT DrawShadow(BaseObject* op, BaseDraw* bd, BaseDrawHelp* bh) { return DRAWRESULT::SKIP; }
	virtual Int32 DetectHandle(BaseObject* op, BaseDraw* bd, Int32 x, Int32 y, QUALIFIER qualifier) { return -1; }
	virtual Bool MoveHandle(BaseObject* op, BaseObject* undo, const Vector& mouse_pos, Int32 hit_id,
	                        QUALIFIER qualifier, BaseDraw* bd)
	{
		return false;
	}
	/// Adds the object's entries to the execution list (needs OBJECT_CALL_ADDEXECUTION). Base: nothing.
	virtual Bool AddToExecution(BaseObject* op, PriorityList* list) { return false; }
	virtual EXECUTIONRESULT Execute(BaseObject* op, BaseDocument* doc, BaseThread* bt, Int32 priority,
	                                EXECUTIONFLAGS flags)
	{
		return EXECUTIONRESULT::OK;
	}
	virtual void GetModelingAxis(BaseObject* op, BaseDocument* doc, Matrix& axis) {}
	/// The generator's output; null only when memory is out. Base: null.
	virtual BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) { return nullptr; }
	virtual Bool ModifyObject(const BaseObject* mod, const BaseDocument* doc, BaseObject* op, const Matrix& op_mg,
	                          const Matrix& mod_mg, Float lod, Int32 flags, BaseThread* thread) const
	{
		return true;
	}
	virtual void CheckDirty(BaseObject* op, const BaseDocument* doc) {}
	/// The spline generator's output (needs OBJECT_ISSPLINE). Base: null.
	virtual SplineObject* GetContour(BaseObject* op, BaseDocument* doc, Float lod, BaseThread* bt) { return nullptr; }
	virtual void ModifyParticles(BaseObject* op, Particle* pp, BaseParticle* ss, Int32 pcnt, Float diff) {}
	virtual Int32 GetHandleCount(const BaseObject* op) const { return 0; }
	virtual void GetHandle(BaseObject* op, Int32 i, HandleInfo& info) {}
	virtual void SetHandle(BaseObject* op, Int32 i, Vector p, const HandleInfo& info) {}
};

/// Registers an object type: the description name is registered for the id first; false when that or the
/// registration fails. The host copies the icon; the caller keeps its own.
Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g,
                          const maxon::String& description, BaseBitmap* icon, Int32 disklevel);
Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g,
                          const maxon::String& description, BaseBitmap* icon, Int32 disklevel, OBJECTCATEGORY category);
} // namespace cinema

#pragma GCC diagnostic pop

#endif // C4D_OBJECTDATA_H__
