// A small plug-in for the host's tests: one generator whose Execute, CheckDirty and GetVirtualObjects leave traces
// in its own container (execution order, passes, dirty checks, builds), so tests can watch the host's evaluation
// from outside.
#include "c4d.h"

#include "c4d_symbols.h"
#include "otestgen.h"

using namespace cinema;

namespace
{
constexpr Int32 ID_TESTGEN = 1000001;
Int32 g_executionSequence = 0;

/// Removes and frees obj (null is fine), as a plug-in deletes an object of the document.
void RemoveAndFree(BaseObject* obj)
{
	if (obj == nullptr)
		return;
	obj->Remove();
	BaseObject::Free(obj);
}
} // namespace

/// Generator used by the host tests.
class TestGenerator : public ObjectData
{
	INSTANCEOF(TestGenerator, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(TestGenerator); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		if (isCloneInit)
			return true;
		BaseContainer* bc = static_cast<BaseObject*>(node)->GetDataInstance();
		bc->SetInt32(TESTGEN_PRIORITY, EXECUTIONPRIORITY_GENERATOR);
		bc->SetInt32(TESTGEN_EVENTADDS, 0);
		bc->SetInt32(TESTGEN_CHILDREN, 1);
		bc->SetFloat(TESTGEN_SIZE, 10.0);
		bc->SetString(TESTGEN_LABEL, "test"_s);
		bc->SetBool(TESTGEN_FLAG, false);
		return true;
	}

	Bool AddToExecution(BaseObject* op, PriorityList* list) override
	{
		list->Add(op, op->GetDataInstanceRef().GetInt32(TESTGEN_PRIORITY), EXECUTIONFLAGS::NONE);
		return true;
	}

	EXECUTIONRESULT Execute(BaseObject* op, BaseDocument*, BaseThread*, Int32, EXECUTIONFLAGS) override
	{
		// Direct container writes: traces must not make the object dirty.
		BaseContainer* bc = op->GetDataInstance();
		bc->SetInt32(TESTGEN_ORDER, ++g_executionSequence);
		bc->SetInt32(TESTGEN_EXECUTIONS, bc->GetInt32(TESTGEN_EXECUTIONS) + 1);
		const Int32 eventAdds = bc->GetInt32(TESTGEN_EVENTADDS);
		if (eventAdds > 0)
		{
			bc->SetInt32(TESTGEN_EVENTADDS, eventAdds - 1);
			EventAdd(EVENT::FORCEREDRAW);
		}
		// Objects deleted while the host's pass still has to visit them (nothing of this instance is used after).
		const Int32 frees = bc->GetInt32(TESTGEN_FREES);
		if (frees == TESTGEN_FREES_NEXT_IN_EXECUTE)
			RemoveAndFree(op->GetNext());
		else if (frees == TESTGEN_FREES_ITSELF_IN_EXECUTE)
			RemoveAndFree(op);
		return EXECUTIONRESULT::OK;
	}

	DRAWRESULT Draw(BaseObject* op, DRAWPASS drawpass, BaseDraw* bd, BaseDrawHelp* bh) override
	{
		if (drawpass != DRAWPASS::OBJECT)
			return SUPER::Draw(op, drawpass, bd, bh);
		if (op->GetDataInstanceRef().GetInt32(TESTGEN_FREES) == TESTGEN_FREES_PARENT_IN_DRAW)
		{
			RemoveAndFree(op->GetUp());
			return DRAWRESULT::OK;
		}
		bd->SetMatrix_Matrix(op, bh->GetMg());
		bd->SetPen(Vector(1.0, 0.0, 0.0));
		bd->DrawLine(Vector(), Vector(op->GetDataInstanceRef().GetFloat(TESTGEN_SIZE), 0.0, 0.0), 0);
		return DRAWRESULT::OK;
	}

	/// Counts the host's calls; with TESTGEN_DIRTYONCHECK set (by a direct container write) marks itself dirty.
	void CheckDirty(BaseObject* op, const BaseDocument*) override
	{
		BaseContainer* bc = op->GetDataInstance();
		bc->SetInt32(TESTGEN_DIRTYCHECKS, bc->GetInt32(TESTGEN_DIRTYCHECKS) + 1);
		if (bc->GetBool(TESTGEN_DIRTYONCHECK))
			op->SetDirty(DIRTYFLAGS::DATA);
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		if (!op->CheckCache(hh) && !op->IsDirty(DIRTYFLAGS::DATA))
			return op->GetCache();
		BaseContainer* bc = op->GetDataInstance();
		bc->SetInt32(TESTGEN_BUILDS, bc->GetInt32(TESTGEN_BUILDS) + 1);
		if (bc->GetInt32(TESTGEN_FREES) == TESTGEN_FREES_NEXT_IN_BUILD)
			RemoveAndFree(op->GetNext());
		BaseObject* root = BaseObject::Alloc(Onull);
		if (root == nullptr)
			return nullptr;
		const Int32 children = bc->GetInt32(TESTGEN_CHILDREN);
		for (Int32 i = 0; i < children; ++i)
		{
			BaseObject* child = BaseObject::Alloc(Onull);
			if (child == nullptr)
				break;
			child->SetRelPos(Vector(static_cast<Float>(i), 0.0, 0.0));
			child->InsertUnderLast(root);
		}
		return root;
	}
};

namespace cinema
{
Bool PluginStart()
{
	return RegisterObjectPlugin(ID_TESTGEN, GeLoadString(IDS_TESTGEN), OBJECT_GENERATOR | OBJECT_CALL_ADDEXECUTION,
	                            TestGenerator::Alloc, "otestgen"_s, nullptr, 0);
}

void PluginEnd() {}

Bool PluginMessage(Int32 id, void*)
{
	if (id == C4DPL_INIT_SYS)
		return g_resource.Init();
	return true;
}
} // namespace cinema
