// The test fixture's fresh host: what one test changes in the host is gone for the next, whatever the order.
#include "support/document_type.h"
#include "support/host_fixture.h"

#include "host/core/diagnostics.h"
#include "host/core/memory.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "host/user/actions.h"

#include <gtest/gtest.h>

using namespace cinema;

namespace
{
constexpr Int32 kTestGenerator = 1000001; // testplug's type
} // namespace

TEST(HostFixture, ResetHostStateUnloadsPluginsAndTurnsEverySwitchBack)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	surfax::test::EnsureDocumentTestType();
	surfax::plugins::SetHostApiVersion(2024000);
	surfax::core::SetQuiet(true);
	surfax::core::Report("a report of this test");
	surfax::user::QueueAnswers({true});
	surfax::user::SetDefaultAnswer(true);
	ASSERT_TRUE(QuestionDialog("Asked by this test?"_s));
	surfax::core::FailAllocationAfter(3);

	surfax::test::ResetHostState();
	EXPECT_EQ(surfax::plugins::FindObjectType(kTestGenerator), nullptr);
	EXPECT_EQ(surfax::plugins::FindRegisteredDescription(kTestGenerator), nullptr);
	EXPECT_EQ(surfax::plugins::FindObjectType(surfax::test::kDocumentTestType), nullptr);
	EXPECT_NE(surfax::plugins::FindObjectType(Onull), nullptr) << "the built-in types stay";
	EXPECT_TRUE(surfax::plugins::PluginStatuses().empty());
	EXPECT_EQ(surfax::plugins::HostApiVersion(), surfax::plugins::kDefaultApiVersion);
	EXPECT_TRUE(surfax::core::Reports().empty());
	EXPECT_TRUE(surfax::user::QuestionsAsked().empty());
	EXPECT_FALSE(QuestionDialog("Asked after the reset?"_s)) << "the scripted answers are gone";
	for (int i = 0; i < 5; ++i)
	{
		BaseObject* op = BaseObject::Alloc(Onull);
		EXPECT_NE(op, nullptr) << "allocation " << i << " failed after the reset";
		BaseObject::Free(op);
	}
}

TEST(HostFixture, EnsurePluginLoadedLoadsAgainIntoAFreshHostAndOnlyOnceIntoOne)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	surfax::test::ResetHostState();
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	EXPECT_NE(surfax::plugins::FindObjectType(kTestGenerator), nullptr);
	EXPECT_EQ(surfax::plugins::PluginStatuses().size(), 1u);
	surfax::test::TestDocument doc;
	EXPECT_NE(doc.Add(kTestGenerator), nullptr);
	EXPECT_FALSE(surfax::test::EnsurePluginLoaded("no-such-plugin"));
}
