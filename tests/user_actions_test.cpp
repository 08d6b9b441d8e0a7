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
