// Full evaluation of a plot object (formula text substitution and the host's number entry for every sample, plus
// colours and fitting) at several resolutions, next to the same formula compiled as C++ over the same grid: the
// limit that no text-based evaluation can beat.
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "host/eval/evaluate.h"
#include "bench/surfax_plugin.h"
#include "res/description/o3dplot.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
using namespace cinema;
using surfax::bench::LoadSurfax;

constexpr Int32 kPlotObjectId = 1055349;
constexpr const char* kDefaultFormula = "Sin(x) * Cos(z)";
constexpr const char* kRippleFormula = "Sin(Sqrt((x * x) + (z * z)))";

/// One document with one plot object, re-evaluated in full at every iteration.
void EvaluatePlot(benchmark::State& state, const char* formula)
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
		state.SkipWithError("no memory for the document");
		return;
	}
	doc->InsertObject(plot, nullptr, nullptr);
	BaseContainer& bc = plot->GetDataInstanceRef();
	bc.SetInt32(PLOT_RESOLUTION, n);

	// The plot re-evaluates only when its formula text changes: alternate between two spellings of it.
	const String spellings[2] = {String(formula), String(std::string(formula) + " ")};
	int iteration = 0;
	for (auto _ : state)
	{
		bc.SetString(PLOT_FORMULA, spellings[iteration++ % 2]);
		surfax::eval::EvaluateDocument(doc);
	}
	const double samples = static_cast<double>(n + 1) * (n + 1);
	state.counters["samples"] = samples;
	state.counters["samples/s"] = benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
	BaseDocument::Free(doc);
}

/// The default formula as compiled C++ over the same grid, with the same positions and extremes.
void CompiledLimit(benchmark::State& state)
{
	const int n = static_cast<int>(state.range(0));
	const int perAxis = n + 1;
	const double size = 200.0, halfHeight = 25.0, start = -180.0, step = 360.0 / n, degrees = M_PI / 180.0;
	std::vector<Vector> positions(static_cast<size_t>(perAxis) * perAxis);
	for (auto _ : state)
	{
		double lowest = 1e300, highest = -1e300;
		size_t k = 0;
		for (int i = 0; i < perAxis; ++i)
		{
			const double sx = std::sin((start + i * step) * degrees);
			for (int j = 0; j < perAxis; ++j)
			{
				const double y = sx * std::cos((start + j * step) * degrees) * halfHeight;
				lowest = std::min(lowest, y);
				highest = std::max(highest, y);
				positions[k++] = Vector((i - n / 2) * size / n, y, (j - n / 2) * size / n);
			}
		}
		benchmark::DoNotOptimize(positions.data());
		benchmark::DoNotOptimize(lowest + highest);
	}
	const double samples = static_cast<double>(perAxis) * perAxis;
	state.counters["samples"] = samples;
	state.counters["samples/s"] = benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
}

void DefaultFormula(benchmark::State& state)
{
	EvaluatePlot(state, kDefaultFormula);
}

void RippleFormula(benchmark::State& state)
{
	EvaluatePlot(state, kRippleFormula);
}
} // namespace

BENCHMARK(CompiledLimit)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultFormula)->Arg(50)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RippleFormula)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	surfax::plugins::UnloadAllPlugins();
	return 0;
}
