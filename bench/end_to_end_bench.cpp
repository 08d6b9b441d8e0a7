// End-to-end runs of `surfax-host plot` as a person types them, each in a child process: wall time (the benchmark's
// manual time), and the child's peak resident memory (peak_MB, from the kernel's accounting of the finished
// process). The child inherits this process's CPU affinity, so `taskset -c 1` pins both.
//
//   taskset -c 1 build/end_to_end_bench --benchmark_repetitions=3
//
// Rows:
//   MeshGlb       plot --with mesh --set PLOT_RESOLUTION=1000 -o a.glb
//   MeshPng       plot --with mesh --set PLOT_RESOLUTION=1000 -o a.png
//   NoneMemory    plot --with none --set PLOT_RESOLUTION=1000 (the default outputs); bytes/sample is the peak over
//                 the 1,002,001 samples, extra_bytes/sample the same less the peak of the same command at n = 1
//   Frames        plot --frames 0..29 --set PLOT_RESOLUTION=100 -o f.png (all components); ms/frame
//   DefaultPlot   plot (no arguments: surfax-chart.glb and surfax-chart.png)
//   LongFormula/B           plot "1+1+...+1" (B bytes) --set PLOT_RESOLUTION=1: all components, the default outputs;
//                           the legend "Formula: ..." is extruded text of B + 9 glyphs (target for 65535: under 2 s)
//   LongFormulaNoLabel/B    the same with --with mesh,grid,cage: the same run without the legend, for comparison
//   WiresGlb      plot --set PLOT_RESOLUTION=1000 -o b.glb (every component) and, in the same iteration, its comparison
//                 plot --with mesh --set PLOT_RESOLUTION=1000 -o a.glb; the time is the first's, x_time, x_peak and
//                 x_file are the ratios of the first to the second (wall time, peak memory, file size)
//   WiresPng      the same two with -o b.png and -o a.png (x_time and x_peak)
//   VideoAgainstPng/EXT[_CHART]  plot [CHART] --frames 0..119 -o v.EXT at 800x600 (the default chart; _wave: the
//                 formula Sin(x + t * 1440) * Cos(z); _orbit: --orbit 360; EXT mp4, webm, gif, webp) and,
//                 in the same iteration, its comparison plot --frames 0..119 -o f.png; the time is the video's, fps and
//                 png_fps the frames per second of each, x_png the video's time over the PNG frames' (goal for mp4:
//                 at most 1.3), file_MB the video's size. A video is encoded on a second thread while the next frame
//                 is drawn: run with two cores (taskset -c 0,1) to see that, with one to see the work it adds.
// The rows with ratios also report the minimum over the repetitions (`_min`) beside the mean and median.
// Run after building surfax-host and the plug-in; both are found beside this program.
#include "bench/child_process.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using surfax::bench::ChildRun;
using surfax::bench::RunPlot;
using surfax::bench::Smallest;
using surfax::bench::WorkFolder;

/// Times the command once per iteration; reports the peak memory of the last run.
ChildRun TimePlot(benchmark::State& state, const std::vector<std::string>& arguments)
{
	ChildRun last;
	for (auto _ : state)
	{
		last = RunPlot(arguments);
		if (!last.ok)
		{
			state.SkipWithError("surfax-host failed (is it built, with the plug-in?)");
			return last;
		}
		state.SetIterationTime(last.seconds);
	}
	state.counters["peak_MB"] = last.peakBytes / 1e6;
	return last;
}

void MeshGlb(benchmark::State& state)
{
	TimePlot(state, {"--with", "mesh", "--set", "PLOT_RESOLUTION=1000", "-o", "a.glb"});
}

void MeshPng(benchmark::State& state)
{
	TimePlot(state, {"--with", "mesh", "--set", "PLOT_RESOLUTION=1000", "-o", "a.png"});
}

void NoneMemory(benchmark::State& state)
{
	const ChildRun run = TimePlot(state, {"--with", "none", "--set", "PLOT_RESOLUTION=1000"});
	if (!run.ok)
		return;
	const ChildRun small = RunPlot({"--with", "none", "--set", "PLOT_RESOLUTION=1"});
	constexpr double samples = 1001.0 * 1001.0;
	state.counters["bytes/sample"] = run.peakBytes / samples;
	state.counters["extra_bytes/sample"] = (run.peakBytes - small.peakBytes) / samples;
}

void Frames(benchmark::State& state)
{
	const ChildRun run = TimePlot(state, {"--frames", "0..29", "--set", "PLOT_RESOLUTION=100", "-o", "f.png"});
	if (run.ok)
		state.counters["ms/frame"] = run.seconds * 1000.0 / 30.0;
}

void DefaultPlot(benchmark::State& state)
{
	TimePlot(state, {});
}

// "1+1+...+1" of `bytes` bytes (odd): a formula that stays a number when substituted, so the chart is written.
std::string LongFormula(std::int64_t bytes)
{
	std::string formula = "1";
	while (static_cast<std::int64_t>(formula.size()) + 2 <= bytes)
		formula += "+1";
	return formula;
}

void LongFormulaTimes(benchmark::State& state, std::vector<std::string> extra)
{
	std::vector<std::string> arguments = {LongFormula(state.range(0)), "--set", "PLOT_RESOLUTION=1"};
	arguments.insert(arguments.end(), extra.begin(), extra.end());
	const ChildRun run = TimePlot(state, arguments);
	if (run.ok)
		state.counters["us/glyph"] = run.seconds * 1e6 / static_cast<double>(state.range(0) + 9);
}

void LongFormula(benchmark::State& state)
{
	LongFormulaTimes(state, {});
}

void LongFormulaNoLabel(benchmark::State& state)
{
	LongFormulaTimes(state, {"--with", "mesh,grid,cage"});
}

/// Runs every component and the mesh alone at n = 1000 to the same kind of file, in turn in each iteration, and
/// reports the first against the second.
void AllComponentsAgainstMesh(benchmark::State& state, const std::string& extension)
{
	const std::string all = "b" + extension, mesh = "a" + extension;
	ChildRun withAll, meshOnly;
	for (auto _ : state)
	{
		meshOnly = RunPlot({"--with", "mesh", "--set", "PLOT_RESOLUTION=1000", "-o", mesh});
		withAll = RunPlot({"--set", "PLOT_RESOLUTION=1000", "-o", all});
		if (!withAll.ok || !meshOnly.ok)
		{
			state.SkipWithError("surfax-host failed (is it built, with the plug-in?)");
			return;
		}
		state.SetIterationTime(withAll.seconds);
	}
	state.counters["peak_MB"] = withAll.peakBytes / 1e6;
	state.counters["mesh_peak_MB"] = meshOnly.peakBytes / 1e6;
	state.counters["x_time"] = withAll.seconds / meshOnly.seconds;
	state.counters["x_peak"] = withAll.peakBytes / meshOnly.peakBytes;
	std::error_code error;
	const double allBytes = static_cast<double>(fs::file_size(WorkFolder() / all, error));
	const double meshBytes = static_cast<double>(fs::file_size(WorkFolder() / mesh, error));
	if (!error && meshBytes > 0.0)
	{
		state.counters["file_MB"] = allBytes / 1e6;
		state.counters["x_file"] = allBytes / meshBytes;
	}
}

void WiresGlb(benchmark::State& state)
{
	AllComponentsAgainstMesh(state, ".glb");
}

void WiresPng(benchmark::State& state)
{
	AllComponentsAgainstMesh(state, ".png");
}

// Charts of the video rows: the default chart (which stands still), a wave that travels, the default chart turning.
const std::vector<std::string> kWave = {"Sin(x + t * 1440) * Cos(z)"};
const std::vector<std::string> kOrbit = {"--orbit", "360"};

/// The 120 frames of a chart as one video and as 120 PNG files, in turn in each iteration.
void VideoAgainstPng(benchmark::State& state, const std::string& extension, const std::vector<std::string>& chart)
{
	constexpr double kFrames = 120.0;
	const std::string video = "v" + extension;
	ChildRun videoRun, pngRun;
	for (auto _ : state)
	{
		std::vector<std::string> pngArguments = chart, videoArguments = chart;
		pngArguments.insert(pngArguments.end(), {"--frames", "0..119", "-o", "f.png"});
		videoArguments.insert(videoArguments.end(), {"--frames", "0..119", "-o", video});
		pngRun = RunPlot(pngArguments);
		videoRun = RunPlot(videoArguments);
		if (!videoRun.ok || !pngRun.ok)
		{
			state.SkipWithError("surfax-host failed (is it built, with the plug-in?)");
			return;
		}
		state.SetIterationTime(videoRun.seconds);
	}
	state.counters["fps"] = kFrames / videoRun.seconds;
	state.counters["png_fps"] = kFrames / pngRun.seconds;
	state.counters["x_png"] = videoRun.seconds / pngRun.seconds;
	state.counters["peak_MB"] = videoRun.peakBytes / 1e6;
	std::error_code error;
	const double bytes = static_cast<double>(fs::file_size(WorkFolder() / video, error));
	if (!error)
		state.counters["file_MB"] = bytes / 1e6;
}
} // namespace

BENCHMARK(MeshGlb)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MeshPng)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(NoneMemory)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Frames)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DefaultPlot)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(LongFormula)->Arg(1023)->Arg(8191)->Arg(65535)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LongFormulaNoLabel)->Arg(65535)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WiresGlb)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);
BENCHMARK(WiresPng)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, mp4, std::string(".mp4"), std::vector<std::string>{})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, mp4_wave, std::string(".mp4"), kWave)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, mp4_orbit, std::string(".mp4"), kOrbit)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, webm_wave, std::string(".webm"), kWave)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, gif_wave, std::string(".gif"), kWave)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);
BENCHMARK_CAPTURE(VideoAgainstPng, webp_wave, std::string(".webp"), kWave)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", Smallest);

BENCHMARK_MAIN();
