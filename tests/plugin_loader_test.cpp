// Loading plug-ins through c4d_main: the version check, registration and resources.
#include "support/host_command.h"
#include "support/host_fixture.h"

#include "host/core/diagnostics.h"
#include "host/core/library_file.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"

#include <gtest/gtest.h>

#include <filesystem>

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

namespace
{
namespace fs = std::filesystem;

// A copy of a built plug-in folder in a folder of the test's own, with the library cut to `keep` bytes (all of it when
// keep is npos).
fs::path CopyPluginFolder(const std::string& plugin, const fs::path& into, std::size_t keep = std::string::npos)
{
	const fs::path from = surfax::test::PluginFolder(plugin);
	fs::copy(from, into, fs::copy_options::recursive);
	const fs::path library = into / fs::path(Library(plugin)).filename();
	if (keep != std::string::npos)
		fs::resize_file(library, keep);
	return library;
}
} // namespace

TEST(PluginLoader, RefusesEveryPrefixOfALibraryByNameInsteadOfCrashing)
{
	surfax::core::SetQuiet(true);
	const fs::path dir = surfax::test::MakeTestFolder("surfax-loader");
	const fs::path whole = CopyPluginFolder("testplug", dir / "whole");
	const std::uintmax_t size = fs::file_size(whole);
	std::string why;
	EXPECT_TRUE(surfax::core::CheckLibraryFile(whole.string(), why)) << why;
	// Cut inside the ELF header, inside the program headers, at the first page and one byte short of the end.
	for (const std::uintmax_t keep : {std::uintmax_t(0), std::uintmax_t(16), std::uintmax_t(63), std::uintmax_t(64),
	                                  std::uintmax_t(200), std::uintmax_t(4096), size / 2, size - 1})
	{
		SCOPED_TRACE(keep);
		const fs::path folder = dir / ("cut-" + std::to_string(keep));
		const fs::path library = CopyPluginFolder("testplug", folder, keep);
		EXPECT_FALSE(surfax::core::CheckLibraryFile(library.string(), why));
		const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(library.string());
		EXPECT_FALSE(status.loaded);
		EXPECT_NE(status.error.find("cannot be opened"), std::string::npos) << status.error;
		EXPECT_EQ(surfax::plugins::FindObjectType(1000001), nullptr);
	}
	EXPECT_FALSE(surfax::core::CheckLibraryFile((dir / "cut-4096").string(), why));
	EXPECT_EQ(why, "not a file");
	fs::remove_all(dir);
}

TEST(PluginLoader, LoadsEveryLibraryOfAFolderAndAStrayOneKeepsOnlyItselfFromLoading)
{
	surfax::core::SetQuiet(true);
	const fs::path dir = surfax::test::MakeTestFolder("surfax-loader");
	CopyPluginFolder("testplug", dir / "testplug");
	// Sorted first: a.xso64 used to be the folder's only library.
	fs::copy_file(std::string(SURFAX_TEST_DATA_DIR) + "/not-a-plugin.xso64", dir / "testplug" / "a.xso64");
	const std::vector<std::string> libraries = surfax::plugins::FindPluginLibraries((dir / "testplug").string());
	ASSERT_EQ(libraries.size(), 2u);
	EXPECT_EQ(fs::path(libraries[0]).filename(), "a.xso64");
	EXPECT_EQ(fs::path(libraries[1]).filename(), "testplug.xso64");
	// Found the same way one folder up, through the plug-in folders below it.
	EXPECT_EQ(surfax::plugins::FindPluginLibraries(dir.string()), libraries);
	for (const std::string& library : libraries)
		surfax::plugins::LoadPlugin(library);
	const std::vector<surfax::plugins::PluginStatus>& statuses = surfax::plugins::PluginStatuses();
	ASSERT_EQ(statuses.size(), 2u);
	EXPECT_FALSE(statuses[0].loaded);
	EXPECT_TRUE(statuses[1].loaded) << statuses[1].error;
	EXPECT_NE(surfax::plugins::FindObjectType(1000001), nullptr);
	surfax::plugins::UnloadAllPlugins();
	fs::remove_all(dir);
}
