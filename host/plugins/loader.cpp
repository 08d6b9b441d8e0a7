#include "host/plugins/loader.h"

#include "host/core/diagnostics.h"
#include "host/core/library_file.h"
#include "host/plugins/registry.h"

#include "c4d.h"

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>
#include <new>

namespace surfax::plugins
{
namespace
{
using EntryPoint = cinema::Int32 (*)(cinema::Int32, void*, void*, void*);

struct LoadedLibrary
{
	void* handle = nullptr;
	EntryPoint entry = nullptr;
};

std::int32_t g_apiVersion = kDefaultApiVersion;
std::vector<PluginStatus> g_statuses;
std::vector<LoadedLibrary> g_libraries;

bool HasPluginExtension(const std::filesystem::path& p)
{
	return p.extension() == kPluginExtension;
}

// The plug-in libraries directly in dir, sorted by name.
std::vector<std::string> LibrariesIn(const std::filesystem::path& dir)
{
	std::error_code ec;
	std::vector<std::string> found;
	for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
	{
		if (entry.is_regular_file(ec) && HasPluginExtension(entry.path()))
			found.push_back(entry.path().string());
	}
	// A folder that could not be read for lack of memory is not a folder without plug-ins.
	if (ec == std::errc::not_enough_memory)
		throw std::bad_alloc();
	std::sort(found.begin(), found.end());
	return found;
}

// The record the SDK glue exports as g_maxon (sdk/src/c4d_globals.cpp): ABI version, framework version, module id.
struct BinaryRecord
{
	cinema::Int32 abiVersion;
	cinema::Int32 coreFrameworkVersion;
	const char* moduleId;
};

void ReadDeclaredVersions(void* handle, EntryPoint entry, PluginStatus& status)
{
	if (const auto* record = static_cast<const BinaryRecord*>(dlsym(handle, "g_maxon")))
	{
		status.frameworkVersion = record->coreFrameworkVersion;
		status.moduleId = record->moduleId != nullptr ? record->moduleId : "";
	}
	status.entryVersion = entry(C4DPL_INIT_VERSION, nullptr, nullptr, nullptr);
}
} // namespace

std::int32_t HostApiVersion()
{
	return g_apiVersion;
}

void SetHostApiVersion(std::int32_t version)
{
	g_apiVersion = version;
}

std::vector<std::string> FindPluginLibraries(const std::string& dir)
{
	std::error_code ec;
	const std::filesystem::path root(dir);
	if (std::filesystem::is_regular_file(root, ec))
		return {root.string()};
	std::vector<std::string> libraries = LibrariesIn(root);
	if (!libraries.empty())
		return libraries;
	std::vector<std::filesystem::path> subdirs;
	for (const auto& entry : std::filesystem::directory_iterator(root, ec))
	{
		if (entry.is_directory(ec))
			subdirs.push_back(entry.path());
	}
	std::sort(subdirs.begin(), subdirs.end());
	for (const auto& sub : subdirs)
	{
		const std::vector<std::string> inSub = LibrariesIn(sub);
		libraries.insert(libraries.end(), inSub.begin(), inSub.end());
	}
	return libraries;
}

PluginStatus LoadPlugin(const std::string& libraryPath)
{
	PluginStatus status;
	status.library = libraryPath;
	status.folder = std::filesystem::path(libraryPath).parent_path().string();
	const std::string name = std::filesystem::path(libraryPath).filename().string();

	auto fail = [&](const std::string& why)
	{
		status.error = why;
		core::Report(libraryPath + ": " + why);
		g_statuses.push_back(status);
		return status;
	};

	// A damaged file is refused here: handed to dlopen, it can end the process (SIGBUS) instead of failing.
	if (std::string why; !core::CheckLibraryFile(libraryPath, why))
		return fail("cannot be opened: " + why);
	void* handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (handle == nullptr)
	{
		const char* why = dlerror();
		return fail(std::string("cannot be opened: ") + (why ? why : "unknown error"));
	}
	auto entry = reinterpret_cast<EntryPoint>(dlsym(handle, "c4d_main"));
	if (entry == nullptr)
	{
		dlclose(handle);
		return fail("not a plug-in: it exports no c4d_main");
	}

	ReadDeclaredVersions(handle, entry, status);
	const RegistryMark before = MarkRegistry();

	// As the application does, p3 is the library file itself; the SDK glue answers its directory as the plug-in's
	// folder (GeGetPluginPath).
	cinema::Filename library{cinema::String(libraryPath)};
	const cinema::Int32 init =
	    entry(C4DPL_INIT_SYS, reinterpret_cast<void*>(static_cast<std::intptr_t>(g_apiVersion)), nullptr, &library);
	if (init == C4DPL_ERROR_VERSION)
	{
		dlclose(handle);
		return fail("refused by its version check: it needs a newer host than API version " +
		            std::to_string(g_apiVersion));
	}
	if (init != 1)
	{
		dlclose(handle);
		return fail("refused to initialise (c4d_main returned " + std::to_string(init) + ")");
	}
	// PluginMessage's answer to C4DPL_INIT_SYS does not decide whether a plug-in loads.
	entry(C4DPL_MESSAGE, reinterpret_cast<void*>(static_cast<std::intptr_t>(C4DPL_INIT_SYS)), nullptr, nullptr);
	if (entry(C4DPL_INIT, nullptr, nullptr, nullptr) != 1)
	{
		entry(C4DPL_END, nullptr, nullptr, nullptr);
		// Only what this plug-in registered goes: the plug-ins loaded before keep their types.
		RemoveRegisteredSince(before);
		dlclose(handle);
		return fail("PluginStart failed");
	}
	for (const ObjectType* t : AllObjectTypes())
	{
		if (!t->builtin && std::find(before.typeIds.begin(), before.typeIds.end(), t->id) == before.typeIds.end())
			status.typeIds.push_back(t->id);
	}
	status.loaded = true;
	g_statuses.push_back(status);
	g_libraries.push_back(LoadedLibrary{handle, entry});
	(void)name;
	return status;
}

const std::vector<PluginStatus>& PluginStatuses()
{
	return g_statuses;
}

void UnloadAllPlugins()
{
	for (auto it = g_libraries.rbegin(); it != g_libraries.rend(); ++it)
		it->entry(C4DPL_END, nullptr, nullptr, nullptr);
	RemovePluginTypes();
	for (auto it = g_libraries.rbegin(); it != g_libraries.rend(); ++it)
		dlclose(it->handle);
	g_libraries.clear();
	g_statuses.clear();
}

std::string DefaultPluginRoot()
{
#ifdef SURFAX_DEFAULT_PLUGIN_ROOT
	return SURFAX_DEFAULT_PLUGIN_ROOT;
#else
	return "plugins";
#endif
}
} // namespace surfax::plugins
