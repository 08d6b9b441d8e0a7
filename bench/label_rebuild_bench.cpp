// The label component's cost: a full rebuild of its 13 labels (the default font, the default plot), alone and with
// the evaluation that builds the labels' text contours and extruded meshes, and a re-sampling of the default plot
// (n = 50, 2601 samples) with and without a label component, measured in the same run so that the label's share
// of a re-sampling can be read off: (with - without) / with.
//
// Rebuild: one press of the component's update button per iteration (removes and frees the 13 label objects and
// makes them anew). Rebuild and build: the same, then one evaluation pass. Re-sampling: each iteration changes the
// formula text (two spellings of the same formula, alternately), so the plot evaluates all its samples; with a
// label component it then presses the label's update button and the new labels are built in the same evaluation.
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "bench/surfax_plugin.h"
#include "host/eval/evaluate.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "res/description/o3dplot.h"
#include "res/description/o3dplotlabel.h"

#include <benchmark/benchmark.h>

#include <string>

namespace
{
using namespace cinema;

constexpr Int32 kPlotObjectId = 1055349;
constexpr Int32 kLabelId = 1055514;

bool LoadSurfax()
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

/// A default plot, optionally with a label component created as the plot's add button creates it, evaluated once.
struct Scene
{
	BaseDocument* doc = nullptr;
	BaseObject* plot = nullptr;
	BaseObject* label = nullptr;

	explicit Scene(bool withLabel)
	{
		doc = BaseDocument::Alloc();
		plot = doc != nullptr ? BaseObject::Alloc(kPlotObjectId) : nullptr;
		if (plot == nullptr)
			return;
		doc->InsertObject(plot, nullptr, nullptr);
		surfax::eval::EvaluateDocument(doc);
		if (withLabel)
		{
			label = BaseObject::Alloc(kLabelId);
			if (label == nullptr)
				return;
			label->InsertUnder(plot);
			label->Message(MSG_MENUPREPARE, doc);
		}
		surfax::eval::EvaluateDocument(doc);
	}
	~Scene() { BaseDocument::Free(doc); }
	Scene(const Scene&) = delete;
	Scene& operator=(const Scene&) = delete;

	Int32 LabelCount() const
	{
		Int32 count = 0;
		for (const BaseObject* child = label != nullptr ? label->GetDown() : nullptr; child; child = child->GetNext())
			++count;
		return count;
	}

	void PressUpdate()
	{
		DescriptionCommand command;
		command._descId = ConstDescID(DescLevel(PLOTLABEL_UPDATE));
		label->Message(MSG_DESCRIPTION_COMMAND, &command);
	}
};

void LabelRebuild(benchmark::State& state, bool build)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return;
	}
	Scene scene(true);
	if (scene.LabelCount() != 13)
	{
		state.SkipWithError("the label component did not build its 13 labels");
		return;
	}
	for (auto _ : state)
	{
		scene.PressUpdate();
		if (build)
			surfax::eval::EvaluateDocument(scene.doc);
	}
	state.counters["labels"] = scene.LabelCount();
}

void Rebuild(benchmark::State& state)
{
	LabelRebuild(state, false);
}

void RebuildAndBuild(benchmark::State& state)
{
	LabelRebuild(state, true);
}

void Resample(benchmark::State& state, bool withLabel)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return;
	}
	Scene scene(withLabel);
	if (scene.plot == nullptr || (withLabel && scene.LabelCount() != 13))
	{
		state.SkipWithError("the scene could not be made");
		return;
	}
	const maxon::String spellings[2] = {"Sin(x) * Cos(z)"_s, "Sin(x)*Cos(z)"_s};
	int next = 1;
	for (auto _ : state)
	{
		scene.plot->GetDataInstanceRef().SetString(PLOT_FORMULA, spellings[next]);
		next = 1 - next;
		surfax::eval::EvaluateDocument(scene.doc);
	}
	state.counters["labels"] = scene.LabelCount();
}

void ResampleWithoutLabel(benchmark::State& state)
{
	Resample(state, false);
}

void ResampleWithLabel(benchmark::State& state)
{
	Resample(state, true);
}
} // namespace

BENCHMARK(Rebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(RebuildAndBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleWithoutLabel)->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleWithLabel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
	return surfax::bench::RunAndUnload(argc, argv);
}
