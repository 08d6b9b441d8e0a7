#include "app/version_command.h"

#include "host/plugins/loader.h"

#include <cstdio>
#include <string>

#ifndef SURFAX_VERSION
#define SURFAX_VERSION "unknown"
#endif

namespace surfax::app
{
int RunVersion(const GlobalOptions& options)
{
	std::printf("surfax-host %s\n", SURFAX_VERSION);
	std::printf("host API version %d\n", static_cast<int>(plugins::HostApiVersion()));
	PluginSession session(options);
	const std::vector<plugins::PluginStatus>& statuses = plugins::PluginStatuses();
	if (statuses.empty())
		std::printf("no plug-in loaded\n");
	for (const plugins::PluginStatus& status : statuses)
	{
		const std::string state = status.loaded ? "loaded, " + std::to_string(status.typeIds.size()) + " object types"
		                                        : "not loaded: " + status.error;
		std::printf("plug-in %s: module %s, framework version %d, entry version %d, %s\n", status.library.c_str(),
		            status.moduleId.empty() ? "(none)" : status.moduleId.c_str(),
		            static_cast<int>(status.frameworkVersion), static_cast<int>(status.entryVersion), state.c_str());
	}
	return kExitOk;
}
} // namespace surfax::app
