// The grid component's contour at n = 1000 with step 1: 2002 curves of 1001 points (2,004,002 points, 2002
// segments) from the plot's samples, next to plain loops that allocate and write the same two arrays in the same
// order.
//
// GridContour times the component's GetContour alone (the returned spline is freed inside the timing, as the host
// frees the old output of a rebuild); GridRebuild times one evaluation pass in which the plot keeps its samples and
// only the grid builds anew.
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "host/eval/evaluate.h"
#include "bench/surfax_plugin.h"
#include "res/description/o3dplot.h"
#include "res/description/o3dplotgrid.h"
#include "source/main.h"
#include "source/plotobject.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
using namespace cinema;
using surfax::bench::LoadSurfax;

/// A document at frame 5 with a plot of resolution n and a grid of step 1 below it, evaluated until it rests.
/// Freed by the destructor.
struct Scene
{
	BaseDocument* doc = nullptr;
	BaseObject* plot = nullptr;
	BaseObject* grid = nullptr;

	explicit Scene(Int32 n)
	{
		doc = BaseDocument::Alloc();
		plot = doc != nullptr ? BaseObject::Alloc(ID_PLOTOBJECT) : nullptr;
		if (plot == nullptr)
			return;
		doc->InsertObject(plot, nullptr, nullptr);
		grid = BaseObject::Alloc(ID_PLOTGRID);
		if (grid == nullptr)
			return;
		grid->InsertUnderLast(plot);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
		grid->GetDataInstanceRef().SetInt32(PLOTGRID_STEP, 1);
		// Away from the first frame, so the evaluations of GridRebuild build only what the benchmark marks dirty.
		doc->SetTime(BaseTime(5.0, static_cast<Float>(doc->GetFps())));
		for (int i = 0; i < 3; ++i)
			surfax::eval::EvaluateDocument(doc);
	}
	~Scene() { BaseDocument::Free(doc); }
	Scene(const Scene&) = delete;
	Scene& operator=(const Scene&) = delete;

	bool Ready() const { return grid != nullptr && grid->GetCache() != nullptr && Samples() != nullptr; }
	const maxon::BaseArray<PlotSample>* Samples() const
	{
		const PlotObject* data = plot != nullptr ? plot->GetNodeData<PlotObject>() : nullptr;
		return data != nullptr && !data->GetSamples().IsEmpty() ? &data->GetSamples() : nullptr;
	}
};

/// The scene of the benchmark's argument n, or null (the benchmark then skipped with the reason).
std::unique_ptr<Scene> PrepareScene(benchmark::State& state)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return nullptr;
	}
	std::unique_ptr<Scene> scene = std::make_unique<Scene>(static_cast<Int32>(state.range(0)));
	if (!scene->Ready())
	{
		state.SkipWithError("no memory for the scene");
		return nullptr;
	}
	return scene;
}

void GridContour(benchmark::State& state)
{
	const std::unique_ptr<Scene> scene = PrepareScene(state);
	if (scene == nullptr)
		return;
	ObjectData* data = scene->grid->GetNodeData<ObjectData>();
	Int32 points = 0, segments = 0;
	for (auto _ : state)
	{
		SplineObject* spline = data->GetContour(scene->grid, scene->doc, 1.0, nullptr);
		if (spline == nullptr)
		{
			state.SkipWithError("no memory for the contour");
			return;
		}
		points = spline->GetPointCount();
		segments = spline->GetSegmentCount();
		SplineObject::Free(spline);
	}
	state.counters["points"] = points;
	state.counters["segments"] = segments;
}

void GridRebuild(benchmark::State& state)
{
	const std::unique_ptr<Scene> scene = PrepareScene(state);
	if (scene == nullptr)
		return;
	const BaseObject* cache = surfax::bench::TimeRebuilds(state, scene->doc, scene->grid, Ospline, "spline");
	if (cache == nullptr)
		return;
	const SplineObject* spline = static_cast<const SplineObject*>(cache);
	state.counters["points"] = spline->GetPointCount();
	state.counters["segments"] = spline->GetSegmentCount();
}

/// The contour's arrays written with plain loops from the same samples: every row along z, then every column along
/// x, and one segment record per curve, both arrays allocated anew at every iteration.
void PlainLoops(benchmark::State& state)
{
	const std::unique_ptr<Scene> scene = PrepareScene(state);
	if (scene == nullptr)
		return;
	const Int32 n = static_cast<Int32>(state.range(0));
	const PlotSample* samples = scene->Samples()->GetFirst();
	const size_t m = static_cast<size_t>(n) + 1;
	for (auto _ : state)
	{
		std::vector<Vector> points(2 * m * m);
		std::vector<Segment> segments(2 * m);
		Vector* out = points.data();
		for (size_t i = 0; i < m; ++i)
			for (size_t j = 0; j < m; ++j)
				*out++ = samples[i * m + j].position;
		for (size_t j = 0; j < m; ++j)
			for (size_t i = 0; i < m; ++i)
				*out++ = samples[i * m + j].position;
		for (Segment& s : segments)
			s = Segment{static_cast<Int32>(m), false};
		benchmark::DoNotOptimize(points.data());
		benchmark::DoNotOptimize(segments.data());
		benchmark::ClobberMemory();
	}
	state.counters["points"] = double(2 * m * m);
	state.counters["segments"] = double(2 * m);
}
} // namespace

BENCHMARK(PlainLoops)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridContour)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(GridRebuild)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
	return surfax::bench::RunAndUnload(argc, argv);
}
