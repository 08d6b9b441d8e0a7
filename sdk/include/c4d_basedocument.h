// Documents, the execution priority list and threads.
#ifndef C4D_BASEDOCUMENT_H__
#define C4D_BASEDOCUMENT_H__

#include "c4d_baseobject.h"

namespace cinema
{
/// The thread a call runs on (opaque).
class BaseThread
{
public:
	Bool TestBreak() { return false; }

protected:
	BaseThread() = default;
	~BaseThread() = default;
};

/// Execution list of one scene evaluation.
class PriorityList
{
public:
	/// Adds node at priority (lower runs first; equal priorities run in document order).
	void Add(BaseList2D* node, Int32 priority, EXECUTIONFLAGS flags);

protected:
	PriorityList() = default;
	~PriorityList() = default;
};

/// A scene: objects, time and frame rate.
class BaseDocument : public BaseList2D
{
public:
	static BaseDocument* Alloc();
	static void Free(BaseDocument*& bl);

	BaseObject* GetFirstObject() const;
	/// Inserts op under parent (top level when null) after pred (first when null).
	void InsertObject(BaseObject* op, BaseObject* parent, BaseObject* pred, Bool checkNames = false,
	                  Bool sendNotification = true);
	BaseObject* GetActiveObject();
	const BaseTime& GetTime() const;
	void SetTime(const BaseTime& t);
	Int32 GetFps() const;
	void SetFps(Int32 fps);
	BaseTime GetMinTime() const;
	void SetMinTime(const BaseTime& t);
	BaseTime GetMaxTime() const;
	void SetMaxTime(const BaseTime& t);
	Bool StartUndo();
	Bool EndUndo();
	/// Evaluates the document: execution list, generators, as the application does between redraws.
	Bool ExecutePasses(BaseThread* bt, Bool animation, Bool expressions, Bool caches, BUILDFLAGS flags);

protected:
	BaseDocument() = default;
	~BaseDocument() = default;
};

/// The document a person is working on, or null.
BaseDocument* GetActiveDocument();
} // namespace cinema

#endif // C4D_BASEDOCUMENT_H__
