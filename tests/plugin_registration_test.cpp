// Start-up and registration of the plug-in as the host loads it: the five object types with their ids, names, info
// values and icons, the host version check of both builds, and start-up with a damaged plug-in folder.
//
// The two builds register the same ids, and a damaged copy of the plug-in must not meet the intact one, so every
// load that is not the shared one of the test fixture runs in a child process of its own (a death test that is
// expected to exit with 0).
#include "source/main.h"

#include "host/core/diagnostics.h"
#include "host/image/image.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace cinema;
namespace fs = std::filesystem;
using surfax::plugins::FindObjectType;
using surfax::plugins::ObjectType;

namespace
{
struct ExpectedType
{
	Int32 id;
	const char* description;
	const char* displayName;
	Int32 info;
};

// In registration order.
const ExpectedType kTypes[] = {
    {ID_PLOTOBJECT, "o3dplot", "3D Plot", 0x8104},
    {ID_PLOTMESH, "o3dplotmesh", "3D Plot Mesh", 0x10008504},
    {ID_PLOTGRID, "o3dplotgrid", "3D Plot Grid", 0x10008084},
    {ID_PLOTCAGE, "o3dplotcage", "3D Plot Cage", 0x10008084},
    {ID_PLOTLABEL, "o3dplotlabel", "3D Plot Label", 0x10008004},
};

/// Runs check in a fresh child process; the child reports what went wrong on stderr and exits with 1.
void RunIsolated(const std::function<bool()>& check)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	EXPECT_EXIT(std::exit(check() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

bool Fail(const std::string& why)
{
	std::fprintf(stderr, "%s\n", why.c_str());
	return false;
}

/// A private copy of the built surfax plug-in folder for the child to damage.
fs::path CopyOfSurfax(const char* tag)
{
	const fs::path copy = fs::temp_directory_path() / ("surfax-" + std::string(tag) + "-" + std::to_string(getpid()));
	fs::remove_all(copy);
	fs::copy(surfax::test::PluginFolder("surfax"), copy, fs::copy_options::recursive);
	return copy;
}

std::string LibraryIn(const fs::path& folder, const char* name)
{
	return (folder / (std::string(name) + surfax::plugins::kPluginExtension)).string();
}

using EntryPoint = Int32 (*)(Int32, void*, void*, void*);

/// Opens the surfax library of folder by hand (without the host's loader): its c4d_main, or null with the reason on
/// stderr.
EntryPoint OpenSurfaxEntry(const fs::path& folder, void*& library)
{
	library = dlopen(LibraryIn(folder, "surfax").c_str(), RTLD_NOW | RTLD_LOCAL);
	if (library == nullptr)
	{
		Fail(dlerror());
		return nullptr;
	}
	return reinterpret_cast<EntryPoint>(dlsym(library, "c4d_main"));
}

/// Ends a plug-in opened with OpenSurfaxEntry and removes its folder.
void CloseSurfax(EntryPoint entry, void* library, const fs::path& folder)
{
	entry(C4DPL_END, nullptr, nullptr, nullptr);
	surfax::plugins::RemovePluginTypes();
	dlclose(library);
	fs::remove_all(folder);
}

/// Loads the plug-in in folder and checks which of the five types registered and whether they have icons.
/// Unloads it again, so the child's leak check sees what PluginEnd left behind.
bool LoadsWith(const fs::path& folder, const std::vector<Int32>& registered, bool icons, bool names = true)
{
	const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(LibraryIn(folder, "surfax"));
	bool ok = status.loaded || Fail("not loaded: " + status.error);
	if (status.typeIds != registered)
		ok = Fail("registered " + std::to_string(status.typeIds.size()) + " types");
	for (const Int32 id : registered)
	{
		const ObjectType* type = FindObjectType(id);
		if (type == nullptr)
			ok = Fail("missing type " + std::to_string(id));
		else if (type->hasIcon != icons)
			ok = Fail("type " + std::to_string(id) + (icons ? " has no icon" : " has an icon"));
		else if (type->registeredName.empty() == names)
			ok = Fail("type " + std::to_string(id) + " was registered as '" + type->registeredName + "'");
		// Without the plug-in's names the host names the type after its description, never "".
		else if (type->displayName.empty())
			ok = Fail("type " + std::to_string(id) + " has no display name");
	}
	surfax::plugins::UnloadAllPlugins();
	fs::remove_all(folder);
	return ok;
}

/// True when a report starts with prefix; otherwise says so on stderr.
bool WasWarned(const std::string& prefix)
{
	for (const std::string& report : surfax::core::Reports())
	{
		if (report.rfind(prefix, 0) == 0)
			return true;
	}
	return Fail("no report starts with '" + prefix + "'");
}

const std::vector<Int32> kAllIds = {ID_PLOTOBJECT, ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE, ID_PLOTLABEL};
} // namespace

TEST(PlotRegistration, RegistersTheFiveTypesInOrderWithTheirNamesAndInfoValues)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	std::vector<Int32> order;
	for (const ObjectType* type : surfax::plugins::AllObjectTypes())
	{
		if (type->id >= ID_PLOTOBJECT && type->id <= ID_PLOTLABEL)
			order.push_back(type->id);
	}
	EXPECT_EQ(order, kAllIds);
	for (const ExpectedType& expected : kTypes)
	{
		const ObjectType* type = FindObjectType(expected.id);
		ASSERT_NE(type, nullptr) << expected.description;
		EXPECT_EQ(type->descriptionName, expected.description);
		EXPECT_EQ(type->displayName, expected.displayName);
		EXPECT_EQ(type->info, expected.info) << expected.description;
	}
}

TEST(PlotRegistration, CutsOneIconPerTypeFromTheStripInOrder)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	surfax::io::Image strip;
	std::string message;
	ASSERT_EQ(surfax::io::LoadTiff(surfax::test::PluginFolder("surfax") + "/res/3dPlot.tif", strip, message),
	          surfax::io::ImageStatus::Ok)
	    << message;
	ASSERT_EQ(strip.width, 320);
	ASSERT_EQ(strip.height, 64);
	std::vector<std::vector<unsigned char>> icons;
	for (int cell = 0; cell < 5; ++cell)
	{
		const ObjectType* type = FindObjectType(kTypes[cell].id);
		ASSERT_NE(type, nullptr);
		ASSERT_TRUE(type->hasIcon) << kTypes[cell].description;
		EXPECT_EQ(type->iconWidth, 64);
		EXPECT_EQ(type->iconHeight, 64);
		const surfax::io::Image expected = surfax::io::CropImage(strip, cell * 64, 0, 64, 64);
		EXPECT_TRUE(type->iconRgba == std::vector<unsigned char>(expected.rgba.begin(), expected.rgba.end()))
		    << kTypes[cell].description << " does not show cell " << cell;
		for (const std::vector<unsigned char>& other : icons)
			EXPECT_NE(type->iconRgba, other) << kTypes[cell].description << " looks like another icon";
		icons.push_back(type->iconRgba);
	}
}

TEST(PlotRegistration, TheProfileLoadedSecondRegistersNothingAndLeavesTheFirstOnesTypes)
{
	surfax::core::SetQuiet(true);
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	std::vector<const surfax::resources::DescriptionResource*> descriptions;
	for (const Int32 id : kAllIds)
		descriptions.push_back(surfax::plugins::FindRegisteredDescription(id));
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("SurfaxR2025"));
	ASSERT_EQ(surfax::plugins::PluginStatuses().size(), 2u);
	EXPECT_TRUE(surfax::plugins::PluginStatuses()[1].typeIds.empty());
	for (std::size_t k = 0; k < kAllIds.size(); ++k)
	{
		const ObjectType* type = FindObjectType(kAllIds[k]);
		ASSERT_NE(type, nullptr);
		EXPECT_EQ(fs::path(type->pluginFolder), fs::path(surfax::test::PluginFolder("surfax")));
		EXPECT_EQ(surfax::plugins::FindRegisteredDescription(kAllIds[k]), descriptions[k])
		    << type->descriptionName << ": the second registration replaced the description";
	}
	surfax::test::TestDocument doc;
	EXPECT_NE(doc.Add(ID_PLOTOBJECT), nullptr);
}

TEST(PlotRegistration, EachBuildAcceptsHostsFromItsLowestVersionOn)
{
	const auto loadsAt = [](const char* build, Int32 hostVersion)
	{
		return [build, hostVersion]
		{
			surfax::plugins::SetHostApiVersion(hostVersion);
			const fs::path folder = surfax::test::PluginFolder(build);
			const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(LibraryIn(folder, build));
			bool ok = status.loaded || Fail(std::string(build) + " refused: " + status.error);
			if (status.typeIds != kAllIds)
				ok = Fail(std::string(build) + " did not register the five types");
			surfax::plugins::UnloadAllPlugins();
			return ok;
		};
	};
	RunIsolated(loadsAt("surfax", 2024900));
	RunIsolated(loadsAt("surfax", 2025200));
	RunIsolated(loadsAt("SurfaxR2025", 2025200));
}

TEST(PlotRegistration, MacBuildRefusesAnOlderHostWithAMessage)
{
	RunIsolated(
	    []
	    {
		    surfax::plugins::SetHostApiVersion(2024900);
		    const fs::path folder = surfax::test::PluginFolder("SurfaxR2025");
		    const surfax::plugins::PluginStatus status = surfax::plugins::LoadPlugin(LibraryIn(folder, "SurfaxR2025"));
		    if (status.loaded || !status.typeIds.empty())
			    return Fail("SurfaxR2025 loaded into an older host");
		    if (status.error.find("version") == std::string::npos)
			    return Fail("no version in the message: " + status.error);
		    return FindObjectType(ID_PLOTOBJECT) == nullptr || Fail("the plot type was registered");
	    });
}

TEST(PlotRegistration, StartsWithoutIconsWhenTheStripIsMissing)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("no-strip");
		    fs::remove(folder / "res" / "3dPlot.tif");
		    return LoadsWith(folder, kAllIds, false);
	    });
}

TEST(PlotRegistration, StartsWithoutIconsWhenTheStripDoesNotDecode)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("bad-strip");
		    const std::string strip = (folder / "res" / "3dPlot.tif").string();
		    std::ofstream(strip, std::ios::trunc) << "not a TIFF image";
		    surfax::core::ClearReports();
		    const bool loaded = LoadsWith(folder, kAllIds, false);
		    // The strip is there but broken: the person running the host is told which file.
		    return WasWarned("warning: " + strip + ": ") && loaded;
	    });
}

TEST(PlotRegistration, WarnsOfAMissingDescriptionStringTableAndRegistersTheType)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("no-grid-strings");
		    const std::string table = (folder / "res" / "strings_en-US" / "description" / "o3dplotgrid.str").string();
		    fs::remove(table);
		    surfax::core::ClearReports();
		    const bool loaded = LoadsWith(folder, kAllIds, true);
		    return WasWarned("warning: " + table + ": not found") && loaded;
	    });
}

TEST(PlotRegistration, RegistersEveryTypeEvenWithoutItsStringResource)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("no-strings");
		    fs::remove(folder / "res" / "c4d_symbols.h");
		    // No resource: the plug-in registers no names, and the icons are not loaded either.
		    return LoadsWith(folder, kAllIds, false, false);
	    });
}

TEST(PlotRegistration, OneTypeThatFailsToRegisterLeavesTheOthers)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("no-grid");
		    fs::remove(folder / "res" / "description" / "o3dplotgrid.res");
		    return LoadsWith(folder, {ID_PLOTOBJECT, ID_PLOTMESH, ID_PLOTCAGE, ID_PLOTLABEL}, true);
	    });
}

TEST(PlotRegistration, StartsEvenWhenEveryRegistrationFails)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("no-descriptions");
		    fs::remove_all(folder / "res" / "description");
		    return LoadsWith(folder, {}, true);
	    });
}

TEST(PlotRegistration, BothBuildsDeclareTheModuleIdOfTheProjectDefinition)
{
	// The SDK's build takes the module id from the ModuleId line of project/projectdefinition.txt.
	std::ifstream definition(std::string(SURFAX_SOURCE_DIR) + "/project/projectdefinition.txt");
	ASSERT_TRUE(definition.is_open());
	std::vector<std::string> ids;
	for (std::string line; std::getline(definition, line);)
	{
		if (line.rfind("ModuleId=", 0) == 0)
			ids.push_back(line.substr(9));
	}
	ASSERT_EQ(ids.size(), 1u);
	const std::string& moduleId = ids[0];
	EXPECT_NE(moduleId.find('.'), std::string::npos) << "not in reverse-domain form: " << moduleId;
	EXPECT_NE(moduleId.rfind("net.maxon.", 0), 0u) << "the host maker's own domain: " << moduleId;

	// What the module system reads from each library: the exported g_maxon record.
	struct Binary
	{
		Int32 abiVersion;
		Int32 coreFrameworkVersion;
		const char* moduleId;
	};
	for (const char* build : {"surfax", "SurfaxR2025"})
	{
		void* library = dlopen(LibraryIn(surfax::test::PluginFolder(build), build).c_str(), RTLD_NOW | RTLD_LOCAL);
		ASSERT_NE(library, nullptr) << dlerror();
		const auto* binary = static_cast<const Binary*>(dlsym(library, "g_maxon"));
		ASSERT_NE(binary, nullptr) << build;
		EXPECT_EQ(std::string(binary->moduleId), moduleId) << build;
		dlclose(library);
	}
}

TEST(PlotRegistration, PluginMessageAnswersFalseEvenAfterLoadingResourceAndIcons)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("messages");
		    void* library = nullptr;
		    const EntryPoint entry = OpenSurfaxEntry(folder, library);
		    if (entry == nullptr)
			    return false;
		    const auto message = [entry](std::intptr_t id)
		    { return entry(C4DPL_MESSAGE, reinterpret_cast<void*>(id), nullptr, nullptr); };
		    // The application hands over the library file; the glue keeps its directory as the plug-in's folder.
		    Filename path{String(LibraryIn(folder, "surfax"))};
		    bool ok = entry(C4DPL_INIT_SYS, reinterpret_cast<void*>(std::intptr_t(2025200)), nullptr, &path) == 1 ||
		              Fail("the version check refused the host");
		    // The glue turns PluginMessage's false into C4DPL_ERROR.
		    if (message(C4DPL_INIT_SYS) != C4DPL_ERROR)
			    ok = Fail("C4DPL_INIT_SYS was answered with true");
		    for (const std::intptr_t id : {C4DPL_STARTACTIVITY, C4DPL_BUILDMENU, C4DPL_PROGRAM_STARTED, 123456})
		    {
			    if (message(id) != C4DPL_ERROR)
				    ok = Fail("message " + std::to_string(id) + " was answered with true");
		    }
		    if (entry(C4DPL_INIT, nullptr, nullptr, nullptr) != 1)
			    ok = Fail("PluginStart returned false");
		    // The false answer hid nothing: the resource gave the names and the strip the icons.
		    const ObjectType* plot = FindObjectType(ID_PLOTOBJECT);
		    if (plot == nullptr || plot->displayName != "3D Plot" || !plot->hasIcon)
			    ok = Fail("the plot type lacks its name or icon");
		    CloseSurfax(entry, library, folder);
		    return ok;
	    });
}

TEST(PlotRegistration, TheGlueNeedsTheLibraryFileAndTakesItsFolderForResourcesAndIcons)
{
	RunIsolated(
	    []
	    {
		    const fs::path folder = CopyOfSurfax("pluginpath");
		    void* library = nullptr;
		    const EntryPoint entry = OpenSurfaxEntry(folder, library);
		    if (entry == nullptr)
			    return false;
		    void* const version = reinterpret_cast<void*>(std::intptr_t(2025200));
		    bool ok = true;
		    // Without the library file the glue refuses, as the application's does.
		    if (entry(C4DPL_INIT_SYS, version, nullptr, nullptr) != C4DPL_ERROR_VERSION)
			    ok = Fail("a missing library file was not refused with C4DPL_ERROR_VERSION");
		    Filename file{String(LibraryIn(folder, "surfax"))};
		    if (entry(C4DPL_INIT_SYS, version, nullptr, &file) != 1)
			    ok = Fail("the library file was refused");
		    entry(C4DPL_MESSAGE, reinterpret_cast<void*>(std::intptr_t(C4DPL_INIT_SYS)), nullptr, nullptr);
		    entry(C4DPL_INIT, nullptr, nullptr, nullptr);
		    // The description, the name and the icon all come from the file's folder (GeGetPluginPath).
		    const ObjectType* plot = FindObjectType(ID_PLOTOBJECT);
		    if (plot == nullptr || plot->description == nullptr || plot->displayName != "3D Plot" || !plot->hasIcon)
			    ok = Fail("the plot type did not find its resources beside the library file");
		    CloseSurfax(entry, library, folder);
		    return ok;
	    });
}
