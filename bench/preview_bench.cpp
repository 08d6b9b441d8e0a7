// What anti-aliasing costs the PNG preview, and how the preview compares with gnuplot. Each iteration runs, in turn
// and in child processes, `surfax-host plot --set PLOT_RESOLUTION=N -o a.png` (every component, 800 x 600, the
// default smooth picture), the same with `--antialias off` (triangles with one sample per pixel; lines and text keep
// their coverage), and, when they are there, the same command of another build (SURFAX_BASELINE_HOST: the path of a
// surfax-host built from main, with its plug-in folder beside it) and gnuplot drawing the same function as a pm3d
// surface with as many samples (bench/gnuplot_pm3d.gp, run when `gnuplot` is on the PATH: Debian's gnuplot-nox).
// Whole processes, wall time, so all four count the same.
//
//   taskset -c 1 build/preview_bench --benchmark_repetitions=3
//
// Row PreviewCost/N, time: the anti-aliased run. Counters (each the iteration's ratio or time, so `_min` and
// `_median` over the repetitions are what docs/performance.md reports):
//   one_sample_ms, x_one_sample   the --antialias off run and the anti-aliased run's ratio to it
//   baseline_ms, x_baseline       SURFAX_BASELINE_HOST's run and the ratio to it (when set)
//   gnuplot_ms, x_gnuplot         gnuplot's run and gnuplot's time over the anti-aliased run's (when installed)
#include "bench/child_process.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using surfax::bench::ChildRun;

// Where gnuplot is, or empty.
std::string FindGnuplot()
{
	const char* path = std::getenv("PATH");
	std::string folders = path != nullptr ? path : "";
	std::size_t start = 0;
	while (start <= folders.size())
	{
		const std::size_t colon = std::min(folders.find(':', start), folders.size());
		const fs::path candidate = fs::path(folders.substr(start, colon - start)) / "gnuplot";
		if (access(candidate.c_str(), X_OK) == 0)
			return candidate.string();
		start = colon + 1;
	}
	return {};
}

ChildRun RunGnuplot(const std::string& gnuplot, std::int64_t n)
{
	const std::string script = (fs::path(SURFAX_SOURCE_DIR) / "bench" / "gnuplot_pm3d.gp").string();
	return surfax::bench::RunChild(
	    {gnuplot, "-e", "n = " + std::to_string(n) + "; width = 800; height = 600; out = 'g.png'", script});
}

void PreviewCost(benchmark::State& state)
{
	const std::string n = std::to_string(state.range(0));
	const std::vector<std::string> plot = {"--set", "PLOT_RESOLUTION=" + n, "-o", "a.png"};
	std::vector<std::string> hard = plot;
	hard.insert(hard.end(), {"--antialias", "off"});
	const char* baseline = std::getenv("SURFAX_BASELINE_HOST");
	const std::string gnuplot = FindGnuplot();
	ChildRun smooth, oneSample, main, reference;
	for (auto _ : state)
	{
		oneSample = surfax::bench::RunPlot(hard);
		smooth = surfax::bench::RunPlot(plot);
		if (baseline != nullptr)
			main = surfax::bench::RunPlot(plot, baseline);
		if (!gnuplot.empty())
			reference = RunGnuplot(gnuplot, state.range(0));
		if (!smooth.ok || !oneSample.ok || (baseline != nullptr && !main.ok) || (!gnuplot.empty() && !reference.ok))
		{
			state.SkipWithError("a run failed (is surfax-host built, with the plug-in, and is the baseline?)");
			return;
		}
		state.SetIterationTime(smooth.seconds);
	}
	state.counters["one_sample_ms"] = oneSample.seconds * 1e3;
	state.counters["x_one_sample"] = smooth.seconds / oneSample.seconds;
	if (baseline != nullptr)
	{
		state.counters["baseline_ms"] = main.seconds * 1e3;
		state.counters["x_baseline"] = smooth.seconds / main.seconds;
	}
	if (!gnuplot.empty())
	{
		state.counters["gnuplot_ms"] = reference.seconds * 1e3;
		state.counters["x_gnuplot"] = reference.seconds / smooth.seconds;
	}
}
} // namespace

BENCHMARK(PreviewCost)
    ->Arg(50)
    ->Arg(100)
    ->Arg(300)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", surfax::bench::Smallest);

BENCHMARK_MAIN();
