// Full evaluation of a plot object (formula text substitution and the host's number entry for every sample, plus
// colours and fitting) at several resolutions, next to the same formula compiled as C++ over the same grid: the
// limit that no text-based evaluation can beat. Each evaluation reports its CPU time per sample, the compiled
// limit's measured in the same run right after it, and their ratio (x_limit).
//
//   taskset -c 1 build/plot_evaluation_bench --benchmark_filter='Formula/1000' --benchmark_repetitions=3
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "host/eval/evaluate.h"
#include "bench/surfax_plugin.h"
#include "res/description/o3dplot.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace
{
using namespace cinema;
using surfax::bench::LoadSurfax;

constexpr Int32 kPlotObjectId = 1055349;
constexpr const char* kDefaultFormula = "Sin(x) * Cos(z)";
constexpr const char* kRippleFormula = "Sin(Sqrt((x * x) + (z * z)))";

double ThreadSeconds()
{
	timespec t{};
	clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
	return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

/// The formula as compiled C++ over the same grid as the plot object samples: positions, y and extremes, no text
/// and no colours. The limit that no text-based evaluation can beat. `row` is what a compiler may hoist out of the
/// inner loop (Sin(x) of the default formula), `at` gives the value from it and z.
struct DefaultFormulaCompiled
{
	static double Row(double x) { return std::sin(x * (M_PI / 180.0)); }
	static double At(double row, double, double z) { return row * std::cos(z * (M_PI / 180.0)); }
};

struct RippleFormulaCompiled
{
	static double Row(double) { return 0.0; }
	static double At(double, double x, double z) { return std::sin(std::sqrt((x * x) + (z * z)) * (M_PI / 180.0)); }
};

using CompiledFunction = double (*)(int n, std::vector<Vector>& positions);

/// One pass of the compiled formula over the (n+1)^2 grid into positions; returns the extremes' sum so that nothing
/// is optimised away.
template <typename Formula> double CompiledPass(int n, std::vector<Vector>& positions)
{
	const int perAxis = n + 1;
	const double size = 200.0, halfHeight = 25.0, start = -180.0, step = 360.0 / n;
	double lowest = 1e300, highest = -1e300;
	size_t k = 0;
	for (int i = 0; i < perAxis; ++i)
	{
		const double x = start + i * step;
		const double row = Formula::Row(x);
		for (int j = 0; j < perAxis; ++j)
		{
			const double y = Formula::At(row, x, start + j * step) * halfHeight;
			lowest = std::min(lowest, y);
			highest = std::max(highest, y);
			positions[k++] = Vector((i - n / 2) * size / n, y, (j - n / 2) * size / n);
		}
	}
	return lowest + highest;
}

/// CPU seconds of one compiled pass: the best of several, measured now, in the same run as the evaluation.
double CompiledSeconds(CompiledFunction pass, int n)
{
	std::vector<Vector> positions(static_cast<size_t>(n + 1) * (n + 1));
	double best = 1e300;
	for (int round = 0; round < 7; ++round)
	{
		const double started = ThreadSeconds();
		benchmark::DoNotOptimize(pass(n, positions));
		benchmark::DoNotOptimize(positions.data());
		best = std::min(best, ThreadSeconds() - started);
	}
	return best;
}

/// One document with one plot object, re-evaluated in full at every iteration. Reports the CPU time per sample and
/// its ratio to the compiled formula over the same grid, measured right after in the same process.
void EvaluatePlot(benchmark::State& state, const char* formula, CompiledFunction compiled)
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
	double cpu = 0.0;
	for (auto _ : state)
	{
		const double started = ThreadSeconds();
		bc.SetString(PLOT_FORMULA, spellings[iteration++ % 2]);
		surfax::eval::EvaluateDocument(doc);
		cpu += ThreadSeconds() - started;
	}
	const double samples = static_cast<double>(n + 1) * (n + 1);
	const double perSample = cpu / static_cast<double>(state.iterations()) / samples;
	const double limitPerSample = CompiledSeconds(compiled, n) / samples;
	state.counters["samples"] = samples;
	state.counters["ns/sample"] = perSample * 1e9;
	state.counters["limit_ns/sample"] = limitPerSample * 1e9;
	state.counters["x_limit"] = perSample / limitPerSample;
	BaseDocument::Free(doc);
}

/// The default formula as compiled C++ over the same grid, with the same positions and extremes.
void CompiledLimit(benchmark::State& state)
{
	const int n = static_cast<int>(state.range(0));
	std::vector<Vector> positions(static_cast<size_t>(n + 1) * (n + 1));
	for (auto _ : state)
	{
		benchmark::DoNotOptimize(CompiledPass<DefaultFormulaCompiled>(n, positions));
		benchmark::DoNotOptimize(positions.data());
	}
	const double samples = static_cast<double>(n + 1) * (n + 1);
	state.counters["samples"] = samples;
	state.counters["samples/s"] = benchmark::Counter(samples, benchmark::Counter::kIsIterationInvariantRate);
}

void DefaultFormula(benchmark::State& state)
{
	EvaluatePlot(state, kDefaultFormula, &CompiledPass<DefaultFormulaCompiled>);
}

void RippleFormula(benchmark::State& state)
{
	EvaluatePlot(state, kRippleFormula, &CompiledPass<RippleFormulaCompiled>);
}
} // namespace

BENCHMARK(CompiledLimit)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultFormula)->Arg(50)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RippleFormula)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
	return surfax::bench::RunAndUnload(argc, argv);
}
