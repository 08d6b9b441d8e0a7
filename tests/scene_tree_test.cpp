// The object tree: insertion, removal, document order, clones, tags, and freeing.
#include "support/host_fixture.h"

#include "host/document/document_json.h"
#include "host/scene/node.h"

#include <gtest/gtest.h>

#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
std::vector<BaseObject*> DocumentOrder(BaseDocument* doc)
{
	std::vector<BaseObject*> order;
	for (HostNode* n = Host(doc).firstObject; n != nullptr; n = surfax::scene::NextInDocumentOrder(n))
		order.push_back(static_cast<BaseObject*>(n->atom));
	return order;
}
} // namespace

TEST(ObjectTree, InsertUnderMakesTheFirstChildAndInsertUnderLastTheLast)
{
	TestDocument doc;
	BaseObject* parent = doc.Add(Onull);
	BaseObject* a = doc.Add(Onull, parent);
	BaseObject* b = BaseObject::Alloc(Onull);
	b->InsertUnder(parent);
	EXPECT_EQ(parent->GetDown(), b);
	EXPECT_EQ(b->GetNext(), a);
	EXPECT_EQ(a->GetPred(), b);
	EXPECT_EQ(parent->GetDownLast(), a);
	EXPECT_EQ(a->GetUp(), parent);
	EXPECT_EQ(parent->GetUp(), nullptr);
	EXPECT_EQ(a->GetDocument(), doc.Get());
}

TEST(ObjectTree, DocumentOrderIsDepthFirstAndBelowARootStaysInItsSubtree)
{
	TestDocument doc;
	BaseObject* a = doc.Add(Onull);
	BaseObject* a1 = doc.Add(Onull, a);
	BaseObject* a11 = doc.Add(Onull, a1);
	BaseObject* a2 = doc.Add(Onull, a);
	BaseObject* b = doc.Add(Onull);
	EXPECT_EQ(DocumentOrder(doc.Get()), (std::vector<BaseObject*>{a, a1, a11, a2, b}));
	EXPECT_EQ(doc->GetFirstObject(), a);

	// Below a root the walk ends after the root's last descendant.
	const auto below = [](BaseObject* root)
	{
		std::vector<BaseObject*> order;
		for (BaseObject* op = surfax::scene::NextInDocumentOrder(root, root); op != nullptr;
		     op = surfax::scene::NextInDocumentOrder(op, root))
			order.push_back(op);
		return order;
	};
	EXPECT_EQ(below(a), (std::vector<BaseObject*>{a1, a11, a2}));
	EXPECT_EQ(below(a1), (std::vector<BaseObject*>{a11}));
	EXPECT_EQ(below(a2), std::vector<BaseObject*>{});
	EXPECT_EQ(below(b), std::vector<BaseObject*>{});
	// Without a root the same objects continue into the rest of the document.
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(a11), a2);
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(a2), b);
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(static_cast<const BaseObject*>(b)), nullptr);
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(static_cast<BaseObject*>(nullptr)), nullptr);
	// The walk of host records and the one of SDK objects agree.
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(&Host(a11), &Host(a)), &Host(a2));
	EXPECT_EQ(surfax::scene::NextInDocumentOrder(&Host(a2), &Host(a)), nullptr);
}

TEST(ObjectTree, DocumentOrderClimbsManyLevelsAtOnce)
{
	// After the bottom of a deep chain the next object is the chain's top-level sibling, and the nesting count
	// comes back up all the way.
	constexpr int kDepth = 5000;
	TestDocument doc;
	BaseObject* top = doc.Add(Onull);
	BaseObject* parent = top;
	for (int depth = 2; depth <= kDepth; ++depth)
		parent = doc.Add(Onull, parent);
	BaseObject* after = doc.Add(Onull);
	int count = 0;
	BaseObject* last = nullptr;
	for (BaseObject* op = top; op != nullptr; op = surfax::scene::NextInDocumentOrder(op))
	{
		last = op;
		++count;
	}
	EXPECT_EQ(count, kDepth + 1);
	EXPECT_EQ(last, after);
	EXPECT_EQ(surfax::io::ObjectNesting(*doc.Get()), kDepth);
	doc.Add(Onull, doc.Add(Onull, after));
	EXPECT_EQ(surfax::io::ObjectNesting(*doc.Get()), kDepth);
}

TEST(ObjectTree, RemoveHandsTheObjectToTheCaller)
{
	TestDocument doc;
	BaseObject* a = doc.Add(Onull);
	BaseObject* child = doc.Add(Onull, a);
	BaseObject* b = doc.Add(Onull);
	a->Remove();
	EXPECT_EQ(doc->GetFirstObject(), b);
	EXPECT_EQ(b->GetPred(), nullptr);
	EXPECT_EQ(a->GetDocument(), nullptr);
	EXPECT_EQ(child->GetDocument(), nullptr);
	EXPECT_EQ(a->GetDown(), child);
	BaseObject::Free(a);
	EXPECT_EQ(a, nullptr);
}

TEST(ObjectTree, InsertObjectHonoursParentAndPredecessor)
{
	TestDocument doc;
	BaseObject* a = doc.Add(Onull);
	BaseObject* c = doc.Add(Onull);
	BaseObject* b = BaseObject::Alloc(Onull);
	doc->InsertObject(b, nullptr, a);
	EXPECT_EQ(DocumentOrder(doc.Get()), (std::vector<BaseObject*>{a, b, c}));
	BaseObject* d = BaseObject::Alloc(Onull);
	doc->InsertObject(d, b, nullptr);
	EXPECT_EQ(d->GetUp(), b);
}

TEST(ObjectTree, ClonesCopyDataTagsAndChildrenButNotTheCache)
{
	TestDocument doc;
	BaseObject* a = doc.Add(Opolygon);
	a->SetName("source"_s);
	a->GetDataInstance()->SetFloat(5000, 2.5);
	a->SetRelPos(Vector(1, 2, 3));
	ASSERT_NE(a->MakeTag(Tphong), nullptr);
	static_cast<PolygonObject*>(a)->ResizeObject(3, 1);
	doc.Add(Onull, a);
	BaseObject* copy = static_cast<BaseObject*>(a->GetClone(COPYFLAGS::NONE, nullptr));
	ASSERT_NE(copy, nullptr);
	EXPECT_EQ(copy->GetName(), String("source"));
	EXPECT_EQ(copy->GetDataInstance()->GetFloat(5000), 2.5);
	EXPECT_EQ(copy->GetRelPos(), Vector(1, 2, 3));
	EXPECT_NE(copy->GetTag(Tphong), nullptr);
	EXPECT_EQ(static_cast<PolygonObject*>(copy)->GetPointCount(), 3);
	EXPECT_NE(copy->GetDown(), nullptr);
	EXPECT_EQ(copy->GetDocument(), nullptr);
	BaseObject* flat = static_cast<BaseObject*>(a->GetClone(COPYFLAGS::NO_HIERARCHY, nullptr));
	EXPECT_EQ(flat->GetDown(), nullptr);
	BaseObject::Free(copy);
	BaseObject::Free(flat);
}

TEST(ObjectTree, TagsKeepTheirOrderAndCanBeKilled)
{
	TestDocument doc;
	BaseObject* op = doc.Add(Onull);
	BaseTag* phong = op->MakeTag(Tphong);
	VariableTag* uvw = op->MakeVariableTag(Tuvw, 4);
	ASSERT_NE(uvw, nullptr);
	EXPECT_EQ(op->GetFirstTag(), uvw);
	EXPECT_EQ(uvw->GetNext(), phong);
	EXPECT_EQ(uvw->GetDataCount(), 4);
	EXPECT_EQ(uvw->GetObject(), op);
	BaseTag* second = op->MakeTag(Tphong, phong);
	EXPECT_EQ(op->GetTag(Tphong, 1), second);
	op->KillTag(Tphong);
	EXPECT_EQ(op->GetTag(Tphong), second);
	EXPECT_EQ(op->GetTag(Tphong, 1), nullptr);
	EXPECT_EQ(op->MakeVariableTag(Tphong, 3), nullptr);
}

TEST(ObjectTree, GlobalMatrixAppliesTheParents)
{
	TestDocument doc;
	BaseObject* parent = doc.Add(Onull);
	BaseObject* child = doc.Add(Onull, parent);
	parent->SetRelPos(Vector(10, 0, 0));
	parent->SetRelScale(Vector(2, 2, 2));
	child->SetRelPos(Vector(1, 1, 1));
	EXPECT_EQ(child->GetMg().off, Vector(12, 2, 2));
	EXPECT_EQ(child->GetMl().off, Vector(1, 1, 1));
}

TEST(DirtyCounters, ParameterChangesAndUpdatesCountAsDataChanges)
{
	TestDocument doc;
	BaseObject* op = doc.Add(Onull);
	const UInt32 start = op->GetDirty(DIRTYFLAGS::DATA);
	op->SetParameter(ConstDescID(DescLevel(5000)), GeData(1.0), DESCFLAGS_SET::NONE);
	EXPECT_GT(op->GetDirty(DIRTYFLAGS::DATA), start);
	const UInt32 afterSet = op->GetDirty(DIRTYFLAGS::DATA);
	op->Message(MSG_UPDATE);
	EXPECT_GT(op->GetDirty(DIRTYFLAGS::DATA), afterSet);
	EXPECT_TRUE(op->IsDirty(DIRTYFLAGS::DATA));
	const UInt32 before = op->GetDirty(DIRTYFLAGS::DATA);
	op->SetRelPos(Vector(1, 0, 0));
	EXPECT_EQ(op->GetDirty(DIRTYFLAGS::DATA), before);
}

TEST(Parameters, VectorComponentsAreReachableByTwoLevelIds)
{
	TestDocument doc;
	BaseObject* op = doc.Add(Onull);
	op->SetParameter(ConstDescID(DescLevel(6000)), GeData(Vector(1, 2, 3)), DESCFLAGS_SET::NONE);
	GeData y;
	ASSERT_TRUE(op->GetParameter(CreateDescID(DescLevel(6000), DescLevel(1001)), y, DESCFLAGS_GET::NONE));
	EXPECT_EQ(y.GetFloat(), 2.0);
	op->SetParameter(CreateDescID(DescLevel(6000), DescLevel(1002)), GeData(9.0), DESCFLAGS_SET::NONE);
	EXPECT_EQ(op->GetDataInstance()->GetVector(6000), Vector(1, 2, 9));
	GeData missing;
	EXPECT_FALSE(op->GetParameter(ConstDescID(DescLevel(6001)), missing, DESCFLAGS_GET::NONE));
}

/// Inserting as last child uses the parent's record of its last child; every kind of insertion and removal keeps that
/// record equal to the end of the sibling list, under an object and at a document's top level.
TEST(ObjectTree, TheLastChildIsKnownAfterEveryInsertionAndRemoval)
{
	TestDocument doc;
	BaseObject* parent = doc.Add(Onull);
	std::vector<BaseObject*> pool;
	for (int i = 0; i < 12; ++i)
		pool.push_back(BaseObject::Alloc(Onull));
	const auto lastByWalking = [](GeListNode* first)
	{
		GeListNode* last = first;
		while (last != nullptr && last->GetNext() != nullptr)
			last = last->GetNext();
		return last;
	};
	unsigned state = 12345;
	const auto next = [&state](unsigned range)
	{
		state = state * 1103515245u + 12345u;
		return (state >> 16) % range;
	};
	for (int step = 0; step < 2000; ++step)
	{
		BaseObject* op = pool[next(static_cast<unsigned>(pool.size()))];
		GeListNode* under = next(2) == 0 ? static_cast<GeListNode*>(parent) : static_cast<GeListNode*>(doc.Get());
		BaseObject* sibling = pool[next(static_cast<unsigned>(pool.size()))];
		switch (next(5))
		{
		case 0:
			op->InsertUnder(under);
			break;
		case 1:
			op->InsertUnderLast(under);
			EXPECT_EQ(lastByWalking(under == parent ? static_cast<GeListNode*>(parent->GetDown())
			                                        : static_cast<GeListNode*>(doc->GetFirstObject())),
			          op);
			break;
		case 2:
			if (sibling != op && sibling->GetDocument() != nullptr && sibling != parent)
				op->InsertAfter(sibling);
			break;
		case 3:
			if (sibling != op && sibling->GetDocument() != nullptr && sibling != parent)
				op->InsertBefore(sibling);
			break;
		default:
			op->Remove();
			break;
		}
		ASSERT_EQ(parent->GetDownLast(), lastByWalking(parent->GetDown())) << "step " << step;
		ASSERT_EQ(Host(doc.Get()).lastObject, &Host(static_cast<BaseObject*>(lastByWalking(doc->GetFirstObject()))))
		    << "step " << step;
	}
	for (BaseObject* op : pool)
	{
		op->Remove();
		BaseObject::Free(op);
	}
}
