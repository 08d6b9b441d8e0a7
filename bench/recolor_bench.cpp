// Recolouring the sample cache after a colour setting changed (gradient by magnitude switched on and off), at the
// resolutions of the full evaluation benchmark, so the two can be compared: recolouring must stay far below a
// full evaluation, since it runs while a person drags through colours in the attribute panel.
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "host/eval/evaluate.h"
#include "bench/surfax_plugin.h"
#include "res/description/o3dplot.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
using namespace cinema;
using surfax::bench::LoadSurfax;

constexpr Int32 kPlotObjectId = 1055349;

/// One evaluated plot; every iteration flips PLOT_GRADIENTABS and sends the attribute panel's message 17.
void RecolorPlot(benchmark::State& state)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return;
	}
	const Int32 n = static_cast<Int32>(state.range(0));
	BaseDocument* doc = BaseDocument::Alloc();
	BaseObject* plot = BaseObject::Alloc(kPlotObjectId);
	if (doc == nullptr || plot == nullptr)
	{
		BaseDocument::Free(doc);
		BaseObject::Free(plot);
		state.SkipWithError("no memory for the document");
		return;
	}
	doc->InsertObject(plot, nullptr, nullptr);
	BaseContainer& bc = plot->GetDataInstanceRef();
	bc.SetInt32(PLOT_RESOLUTION, n);
	surfax::eval::EvaluateDocument(doc);

	const DescID id = ConstDescID(DescLevel(PLOT_GRADIENTABS));
	DescriptionCheckUpdate update;
	update.doc = doc;
	update.descid = &id;
	Bool byMagnitude = false;
	for (auto _ : state)
	{
		byMagnitude = !byMagnitude;
		bc.SetBool(PLOT_GRADIENTABS, byMagnitude);
		plot->Message(MSG_DESCRIPTION_CHECKUPDATE, &update);
	}
	const double samples = static_cast<double>(n + 1) * (n + 1);
	state.counters["samples"] = samples;
	state.counters["samples/s"] = benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
	BaseDocument::Free(doc);
}
} // namespace

BENCHMARK(RecolorPlot)->Arg(50)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
