// Loading plug-ins through c4d_main: the version check, registration and resources.
#include "support/host_fixture.h"

#include "host/core/diagnostics.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"

#include <gtest/gtest.h>

using namespace cinema;

namespace
{
std::string Library(const std::string& plugin)
{
	const auto libraries = surfax::plugins::FindPluginLibraries(surfax::test::PluginFolder(plugin));
	return libraries.empty() ? std::string() : libraries.front();
}
} // namespace

TEST(PluginLoader, AcceptsAPluginAtItsMinimumVersion)
{
	surfax::plugins::SetHostApiVersion(2024000);
	const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(Library("testplug"));
	EXPECT_TRUE(status.loaded) << status.error;
	ASSERT_EQ(status.typeIds.size(), 1u);
	const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectType(status.typeIds[0]);
	ASSERT_NE(type, nullptr);
	EXPECT_EQ(type->displayName, "Test Generator");
	EXPECT_EQ(type->descriptionName, "otestgen");
	EXPECT_EQ(type->info, OBJECT_GENERATOR | OBJECT_CALL_ADDEXECUTION);
	ASSERT_NE(type->description, nullptr);
	EXPECT_NE(type->description->FindParam("TESTGEN_SIZE"), nullptr);
	surfax::plugins::UnloadAllPlugins();
	EXPECT_EQ(surfax::plugins::FindObjectType(1000001), nullptr);
}

TEST(PluginLoader, RefusesAPluginThatNeedsANewerHostAndNamesIt)
{
	surfax::core::SetQuiet(true);
	surfax::core::ClearReports();
	const std::string library = Library("testplug_future");
	ASSERT_FALSE(library.empty());
	const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(library);
	EXPECT_FALSE(status.loaded);
	EXPECT_NE(status.error.find("version"), std::string::npos) << status.error;
	const auto reports = surfax::core::Reports();
	ASSERT_FALSE(reports.empty());
	EXPECT_NE(reports.back().find("testplug_future.xso64"), std::string::npos) << reports.back();

	// The host goes on with the others.
	EXPECT_TRUE(surfax::plugins::LoadPlugin(Library("testplug")).loaded);
	surfax::plugins::UnloadAllPlugins();
}

TEST(PluginLoader, RefusesBelowTheMinimumVersion)
{
	surfax::core::SetQuiet(true);
	surfax::plugins::SetHostApiVersion(2023999);
	EXPECT_FALSE(surfax::plugins::LoadPlugin(Library("testplug")).loaded);
	surfax::plugins::SetHostApiVersion(surfax::plugins::kDefaultApiVersion);
}

TEST(PluginLoader, ReportsFoldersWithoutPluginsAndFilesThatAreNotPlugins)
{
	surfax::core::SetQuiet(true);
	EXPECT_TRUE(surfax::plugins::FindPluginLibraries("/nonexistent/folder").empty());
	const surfax::plugins::PluginStatus status =
		surfax::plugins::LoadPlugin(std::string(SURFAX_TEST_DATA_DIR) + "/not-a-plugin.xso64");
	EXPECT_FALSE(status.loaded);
	EXPECT_NE(status.error.find("cannot be opened"), std::string::npos);
}

TEST(PluginLoader, ARegisteredTypeMakesObjectsWithItsDataInstance)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	surfax::test::TestDocument doc;
	BaseObject* op = doc.Add(1000001);
	ASSERT_NE(op, nullptr);
	EXPECT_NE(op->GetNodeData<NodeData>(), nullptr);
	EXPECT_EQ(op->GetName(), String("Test Generator"));
	EXPECT_EQ(op->GetDataInstanceRef().GetFloat(1003), 10.0);
}

TEST(PluginLoader, APluginThatFailsToStartTakesBackOnlyWhatItRegistered)
{
	surfax::core::SetQuiet(true);
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(Library("testplug_failing"));
	EXPECT_FALSE(status.loaded);
	EXPECT_NE(status.error.find("PluginStart"), std::string::npos) << status.error;
	EXPECT_EQ(surfax::plugins::FindObjectType(1000002), nullptr);
	EXPECT_EQ(surfax::plugins::FindRegisteredDescription(1000002), nullptr);

	// The plug-in loaded before keeps its type, its description and its objects.
	ASSERT_NE(surfax::plugins::FindObjectType(1000001), nullptr);
	EXPECT_NE(surfax::plugins::FindRegisteredDescription(1000001), nullptr);
	surfax::test::TestDocument doc;
	BaseObject* op = doc.Add(1000001);
	ASSERT_NE(op, nullptr);
	EXPECT_NE(op->GetNodeData<NodeData>(), nullptr);
}
