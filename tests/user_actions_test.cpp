// What a person does: attribute panel edits (clamped, then messages 19 and 17), buttons, menu creation,
// the enabled check mark, question dialogs.
#include "support/host_fixture.h"

#include "host/user/actions.h"
#include "plugins/testplug/res/description/otestgen.h"

#include <gtest/gtest.h>

using namespace cinema;

namespace
{
constexpr Int32 kTestGenerator = 1000001;

class UserActions : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug")); }
	surfax::test::TestDocument doc;
};
} // namespace

TEST_F(UserActions, ParameterEditsAreClampedToTheDescription)
{
	BaseObject* op = doc.Add(kTestGenerator);
	std::string error;
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_CHILDREN, GeData(Int32(5000)), error)) << error;
	EXPECT_EQ(op->GetDataInstanceRef().GetInt32(TESTGEN_CHILDREN), 100);
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_SIZE, GeData(-3.0), error)) << error;
	EXPECT_EQ(op->GetDataInstanceRef().GetFloat(TESTGEN_SIZE), 0.0);
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_OFFSET, GeData(Vector(-9, 1, 9)), error)) << error;
	EXPECT_EQ(op->GetDataInstanceRef().GetVector(TESTGEN_OFFSET), Vector(-5, 1, 5));
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_FLAG, GeData(Int32(7)), error));
	EXPECT_EQ(op->GetDataInstanceRef().GetInt32(TESTGEN_FLAG), 1);
}

TEST_F(UserActions, EditsOfUnknownParametersOrWrongKindsAreRefused)
{
	BaseObject* op = doc.Add(kTestGenerator);
	std::string error;
	EXPECT_FALSE(surfax::user::SetParameter(op, 424242, GeData(1.0), error));
	EXPECT_FALSE(error.empty());
	EXPECT_FALSE(surfax::user::SetParameter(op, TESTGEN_LABEL, GeData(1.0), error));
	EXPECT_NE(error.find("TESTGEN_LABEL"), std::string::npos);
	BaseObject* null = doc.Add(Onull);
	EXPECT_FALSE(surfax::user::SetParameter(null, TESTGEN_SIZE, GeData(1.0), error));
}

TEST_F(UserActions, EditsMarkTheObjectForARebuild)
{
	BaseObject* op = doc.Add(kTestGenerator);
	doc.Evaluate();
	std::string error;
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_CHILDREN, GeData(Int32(2)), error));
	doc.Evaluate();
	EXPECT_EQ(op->GetDataInstanceRef().GetInt32(TESTGEN_BUILDS), 2);
}

TEST_F(UserActions, MenuCreationInsertsAtTheTop)
{
	BaseObject* existing = doc.Add(Onull);
	BaseObject* created = surfax::user::CreateObjectFromMenu(doc.Get(), kTestGenerator);
	ASSERT_NE(created, nullptr);
	EXPECT_EQ(doc->GetFirstObject(), created);
	EXPECT_EQ(created->GetNext(), existing);
	EXPECT_EQ(surfax::user::CreateObjectFromMenu(doc.Get(), 123), nullptr);
}

TEST_F(UserActions, ToggleEnabledFlipsTheCheckMark)
{
	BaseObject* op = doc.Add(kTestGenerator);
	EXPECT_TRUE(op->GetDeformMode());
	surfax::user::ToggleEnabled(op);
	EXPECT_FALSE(op->GetDeformMode());
	surfax::user::ToggleEnabled(op);
	EXPECT_TRUE(op->GetDeformMode());
}

TEST_F(UserActions, QuestionsTakeQueuedAnswersThenTheDefault)
{
	surfax::user::ClearAnswers();
	surfax::user::ClearQuestions();
	surfax::user::QueueAnswers({true});
	EXPECT_TRUE(QuestionDialog("first?"_s));
	EXPECT_FALSE(QuestionDialog("second?"_s));
	surfax::user::SetDefaultAnswer(true);
	EXPECT_TRUE(QuestionDialog("third?"_s));
	ASSERT_EQ(surfax::user::QuestionsAsked().size(), 3u);
	EXPECT_EQ(surfax::user::QuestionsAsked()[1], "second?");
	surfax::user::ClearAnswers();
}

TEST_F(UserActions, TimeIsSetInWholeFrames)
{
	doc->SetFps(25);
	surfax::user::SetFrame(doc.Get(), 50);
	EXPECT_EQ(doc->GetTime().GetFrame(25.0), 50);
	EXPECT_DOUBLE_EQ(doc->GetTime().Get(), 2.0);
}

TEST_F(UserActions, AClampedEditReportsTheValueStoredAndAnEditWithinTheLimitsNone)
{
	BaseObject* op = doc.Add(kTestGenerator);
	std::string error;
	surfax::user::Clamping clamping;
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_CHILDREN, GeData(Int32(5000)), error, &clamping)) << error;
	EXPECT_TRUE(clamping.clamped);
	EXPECT_EQ(clamping.used.GetInt32(), op->GetDataInstanceRef().GetInt32(TESTGEN_CHILDREN));
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_OFFSET, GeData(Vector(-9, 1, 2)), error, &clamping));
	EXPECT_TRUE(clamping.clamped);
	EXPECT_EQ(clamping.used.GetVector(), op->GetDataInstanceRef().GetVector(TESTGEN_OFFSET));
	for (const GeData& within : {GeData(Int32(3)), GeData(Int32(100))})
	{
		ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_CHILDREN, within, error, &clamping));
		EXPECT_FALSE(clamping.clamped) << within.GetInt32();
	}
	ASSERT_TRUE(surfax::user::SetParameter(op, TESTGEN_SIZE, GeData(2.5), error, &clamping));
	EXPECT_FALSE(clamping.clamped);
}

TEST_F(UserActions, DraggingAHandleGoesThroughTheObjectsHandlesAndRefusesOnesItHasNot)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	BaseObject* plot = doc.Add(1055349);
	ASSERT_NE(plot, nullptr);
	std::string error;
	ASSERT_TRUE(surfax::user::DragHandle(plot, 0, Vector(150, 7, 9), error)) << error;
	Vector centre, radius;
	plot->GetDimension(centre, radius);
	EXPECT_EQ(radius.x, 150.0);
	ASSERT_TRUE(surfax::user::DragHandle(plot, 1, Vector(0, 10, 0), error)) << error;
	plot->GetDimension(centre, radius);
	EXPECT_EQ(radius.y, 10.0);
	EXPECT_FALSE(surfax::user::DragHandle(plot, 2, Vector(1, 1, 1), error));
	EXPECT_NE(error.find("2 handles"), std::string::npos) << error;
	EXPECT_FALSE(surfax::user::DragHandle(plot, -1, Vector(1, 1, 1), error));
	BaseObject* null = doc.Add(Onull);
	EXPECT_FALSE(surfax::user::DragHandle(null, 0, Vector(1, 1, 1), error));
	EXPECT_NE(error.find("no handles"), std::string::npos) << error;
	plot->GetDimension(centre, radius);
	EXPECT_EQ(radius.x, 150.0) << "a refused drag changes nothing";
}
