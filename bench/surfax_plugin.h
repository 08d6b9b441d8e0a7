// Benchmark support: the surfax plug-in, loaded from the build's plug-in folder once for the whole run.
#ifndef SURFAX_BENCH_SURFAX_PLUGIN_H
#define SURFAX_BENCH_SURFAX_PLUGIN_H

#include "host/eval/evaluate.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"

#include <benchmark/benchmark.h>

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

/// Times the rebuild of `component`: each iteration marks it changed and evaluates `doc`. Returns its cache when that
/// is an object of `cacheType`; otherwise reports "the component built no WHAT" and returns null.
inline const cinema::BaseObject* TimeRebuilds(benchmark::State& state, cinema::BaseDocument* doc,
                                              cinema::BaseObject* component, cinema::Int32 cacheType, const char* what)
{
	for (auto _ : state)
	{
		component->SetDirty(cinema::DIRTYFLAGS::DATA);
		surfax::eval::EvaluateDocument(doc);
	}
	const cinema::BaseObject* cache = component->GetCache();
	if (cache == nullptr || cache->GetType() != cacheType)
	{
		state.SkipWithError((std::string("the component built no ") + what).c_str());
		return nullptr;
	}
	return cache;
}

/// The benchmarks' main: runs those the command line selects, then unloads the plug-ins before the host's statics
/// go, as the application does when it quits.
inline int RunAndUnload(int argc, char** argv)
{
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	surfax::plugins::UnloadAllPlugins();
	return 0;
}
} // namespace surfax::bench

#endif // SURFAX_BENCH_SURFAX_PLUGIN_H
