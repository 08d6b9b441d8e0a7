// Benchmark support: the surfax plug-in, loaded from the build's plug-in folder once for the whole run.
#ifndef SURFAX_BENCH_SURFAX_PLUGIN_H
#define SURFAX_BENCH_SURFAX_PLUGIN_H

#include "host/plugins/loader.h"
#include "host/plugins/registry.h"

#include <string>

namespace surfax::bench
{
/// Registers the host's own types and loads the surfax plug-in the first time; false when it is not built.
inline bool LoadSurfax()
{
	static const bool loaded = []
	{
		surfax::plugins::RegisterBuiltinTypes();
		const std::string library =
		    surfax::plugins::DefaultPluginRoot() + "/surfax/surfax" + surfax::plugins::kPluginExtension;
		return surfax::plugins::LoadPlugin(library).loaded;
	}();
	return loaded;
}
} // namespace surfax::bench

#endif // SURFAX_BENCH_SURFAX_PLUGIN_H
