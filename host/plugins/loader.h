// Loading plug-in libraries the way the application does: dlopen, c4d_main with the host's API version and the
// library's file (the SDK glue keeps its directory as the plug-in's folder), PluginMessage(C4DPL_INIT_SYS),
// PluginStart; and C4DPL_END at unload.
#ifndef SURFAX_HOST_PLUGINS_LOADER_H
#define SURFAX_HOST_PLUGINS_LOADER_H

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::plugins
{
constexpr std::int32_t kDefaultApiVersion = 2025200;
constexpr const char* kPluginExtension = ".xso64";

// The API version the host reports to plug-ins (default kDefaultApiVersion).
std::int32_t HostApiVersion();
void SetHostApiVersion(std::int32_t version);

struct PluginStatus
{
	std::string library;               // path of the library file
	std::string folder;                // the plug-in folder (the library's directory)
	bool loaded = false;               // started and kept
	std::string error;                 // why not, when !loaded
	std::vector<std::int32_t> typeIds; // object types it registered
	// What the library declares about itself (read before it starts, so also known for refused libraries): the
	// module id and framework version of its g_maxon record, and the entry interface version c4d_main answers to
	// C4DPL_INIT_VERSION. Empty or 0 when it declares none.
	std::string moduleId;
	std::int32_t frameworkVersion = 0;
	std::int32_t entryVersion = 0;
};

// Finds plug-in libraries: every *.xso64 file of `dir` when it holds any, else every *.xso64 file of each direct
// subfolder; sorted by name (subfolder by subfolder). A folder may hold several libraries, as the application's plug-in
// folders may: each is loaded and reported on its own, so a stray or damaged library beside another keeps only itself
// from loading. A file path is taken as the library itself. Throws std::bad_alloc when a folder cannot be read for
// lack of memory.
std::vector<std::string> FindPluginLibraries(const std::string& dir);

// Loads and starts one plug-in library. The file is checked before the dynamic loader sees it (core/library_file.h: a
// library cut short is refused instead of ending the process). On refusal or failure the library is closed again and
// the status says why (the message names the library). Loaded plug-ins stay until UnloadAllPlugins.
PluginStatus LoadPlugin(const std::string& libraryPath);
// Statuses of every library LoadPlugin was called with since the last UnloadAllPlugins.
const std::vector<PluginStatus>& PluginStatuses();
// Sends C4DPL_END to every loaded plug-in (last loaded first), removes their types and closes the libraries.
// Every node of a plug-in type must be freed before.
void UnloadAllPlugins();

// The build's default plug-in folder root (where `surfax` and `SurfaxR2025` are laid out).
std::string DefaultPluginRoot();
} // namespace surfax::plugins

#endif
