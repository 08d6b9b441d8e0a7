// One scene evaluation: execution order by priority, extra passes after EventAdd, generator caches.
#include "support/host_fixture.h"

#include "host/draw/draw_recorder.h"
#include "host/eval/evaluate.h"
#include "plugins/testplug/res/description/otestgen.h"

#include <gtest/gtest.h>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
constexpr Int32 kTestGenerator = 1000001;

class SceneEvaluation : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug")); }

	static Int32 Trace(BaseObject* op, Int32 id) { return op->GetDataInstanceRef().GetInt32(id); }
	static void SetPriority(BaseObject* op, Int32 priority)
	{
		op->GetDataInstance()->SetInt32(TESTGEN_PRIORITY, priority);
	}
};
} // namespace

TEST_F(SceneEvaluation, ExecutesLowerPrioritiesFirstAndDocumentOrderWithinOne)
{
	TestDocument doc;
	BaseObject* late = doc.Add(kTestGenerator);
	BaseObject* firstOfTwo = doc.Add(kTestGenerator);
	BaseObject* nested = doc.Add(kTestGenerator, firstOfTwo);
	BaseObject* secondOfTwo = doc.Add(kTestGenerator);
	SetPriority(late, 5020);
	SetPriority(firstOfTwo, 5000);
	SetPriority(nested, 5000);
	SetPriority(secondOfTwo, 5000);
	doc.Evaluate();
	EXPECT_LT(Trace(firstOfTwo, TESTGEN_ORDER), Trace(nested, TESTGEN_ORDER));
	EXPECT_LT(Trace(nested, TESTGEN_ORDER), Trace(secondOfTwo, TESTGEN_ORDER));
	EXPECT_LT(Trace(secondOfTwo, TESTGEN_ORDER), Trace(late, TESTGEN_ORDER));
}

TEST_F(SceneEvaluation, EventAddCausesAnotherPassUpToTheBound)
{
	TestDocument doc;
	BaseObject* once = doc.Add(kTestGenerator);
	once->GetDataInstance()->SetInt32(TESTGEN_EVENTADDS, 1);
	surfax::eval::EvalStats stats;
	surfax::eval::EvaluateDocument(doc.Get(), {}, &stats);
	EXPECT_EQ(stats.passes, 2);
	EXPECT_EQ(Trace(once, TESTGEN_EXECUTIONS), 2);

	once->GetDataInstance()->SetInt32(TESTGEN_EVENTADDS, 10);
	surfax::eval::EvaluateDocument(doc.Get(), {}, &stats);
	EXPECT_EQ(stats.passes, surfax::eval::kMaxPasses);
}

TEST_F(SceneEvaluation, GeneratorCacheIsKeptUntilTheDataChanges)
{
	TestDocument doc;
	BaseObject* gen = doc.Add(kTestGenerator);
	doc.Evaluate();
	BaseObject* cache = gen->GetCache();
	ASSERT_NE(cache, nullptr);
	EXPECT_EQ(cache->GetType(), Onull);
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 1);
	EXPECT_FALSE(gen->IsDirty(DIRTYFLAGS::DATA));

	doc.Evaluate();
	EXPECT_EQ(gen->GetCache(), cache);
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 1);

	gen->SetParameter(ConstDescID(DescLevel(TESTGEN_CHILDREN)), GeData(Int32(3)), DESCFLAGS_SET::NONE);
	EXPECT_TRUE(gen->IsDirty(DIRTYFLAGS::DATA));
	doc.Evaluate();
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 2);
	ASSERT_NE(gen->GetCache(), nullptr);
	Int32 children = 0;
	for (BaseObject* c = gen->GetCache()->GetDown(); c != nullptr; c = c->GetNext())
		++children;
	EXPECT_EQ(children, 3);
}

TEST_F(SceneEvaluation, EveryGeneratorChecksItsDirtinessBeforeItsRebuildIsDecided)
{
	TestDocument doc;
	BaseObject* gen = doc.Add(kTestGenerator);
	doc.Evaluate();
	doc.Evaluate();
	EXPECT_EQ(Trace(gen, TESTGEN_DIRTYCHECKS), 2);
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 1);
	// Marking itself dirty in CheckDirty rebuilds it in the same evaluation.
	gen->GetDataInstance()->SetBool(TESTGEN_DIRTYONCHECK, true);
	doc.Evaluate();
	EXPECT_EQ(Trace(gen, TESTGEN_DIRTYCHECKS), 3);
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 2);
}

TEST_F(SceneEvaluation, MessageUpdateMarksTheDataDirty)
{
	TestDocument doc;
	BaseObject* gen = doc.Add(kTestGenerator);
	doc.Evaluate();
	gen->Message(MSG_UPDATE);
	doc.Evaluate();
	EXPECT_EQ(Trace(gen, TESTGEN_BUILDS), 2);
}

TEST_F(SceneEvaluation, DisabledGeneratorsBuildNothing)
{
	TestDocument doc;
	BaseObject* gen = doc.Add(kTestGenerator);
	doc.Evaluate();
	ASSERT_NE(gen->GetCache(), nullptr);
	gen->SetDeformMode(false);
	doc.Evaluate();
	EXPECT_EQ(gen->GetCache(), nullptr);
	EXPECT_EQ(Trace(gen, TESTGEN_EXECUTIONS), 2);
}

TEST_F(SceneEvaluation, RenderStateIsSetOnlyWhileRendering)
{
	TestDocument doc;
	EXPECT_FALSE(CheckIsRunning(CHECKISRUNNING::EXTERNALRENDERING));
	doc.Evaluate(true);
	EXPECT_FALSE(CheckIsRunning(CHECKISRUNNING::EXTERNALRENDERING));
	EXPECT_FALSE(CheckIsRunning(CHECKISRUNNING::EDITORRENDERING));
}

TEST_F(SceneEvaluation, DrawingIsRecordedPerObjectAndPass)
{
	TestDocument doc;
	BaseObject* gen = doc.Add(kTestGenerator);
	gen->SetRelPos(Vector(5, 0, 0));
	doc.Add(Onull);
	const auto drawings = surfax::draw::DrawDocument(doc.Get());
	ASSERT_EQ(drawings.size(), 2u);
	EXPECT_EQ(drawings[0].object, gen);
	EXPECT_EQ(drawings[0].pass, DRAWPASS::OBJECT);
	const std::vector<surfax::draw::DrawCall> calls = drawings[0].calls.Expand();
	ASSERT_EQ(calls.size(), 3u);
	EXPECT_EQ(calls[0].kind, surfax::draw::DrawCallKind::Matrix);
	EXPECT_EQ(calls[0].matrix.off, Vector(5, 0, 0));
	EXPECT_EQ(calls[1].a, Vector(1, 0, 0));
	EXPECT_EQ(calls[2].b, Vector(10, 0, 0));
	EXPECT_EQ(drawings[1].pass, DRAWPASS::HANDLES);
	EXPECT_TRUE(drawings[1].calls.empty());
}
