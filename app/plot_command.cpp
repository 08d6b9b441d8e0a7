#include "app/plot_command.h"

#include "app/formula_report.h"
#include "app/frame_progress.h"
#include "app/option_text.h"
#include "app/plot_outputs.h"
#include "app/render_and_collect.h"

#include "host/core/diagnostics.h"
#include "host/core/interruption.h"
#include "host/export/wire_tubes.h"
#include "host/plugins/registry.h"
#include "host/user/actions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace surfax::app
{
using namespace cinema;

namespace
{
// Description names of the plot object and its components, in the order --with all adds them.
constexpr const char* kPlotType = "o3dplot";
struct ComponentKind
{
	const char* name;        // as --with names it
	const char* typeName;    // description name of the object type
	const char* buttonValue; // the plot's add-component choice that makes it
};
constexpr ComponentKind kComponents[] = {
    {"mesh", "o3dplotmesh", "PLOT_ADDCOMPONENT_MESH"},
    {"grid", "o3dplotgrid", "PLOT_ADDCOMPONENT_GRID"},
    {"cage", "o3dplotcage", "PLOT_ADDCOMPONENT_CAGE"},
    {"label", "o3dplotlabel", "PLOT_ADDCOMPONENT_LABEL"},
};

// --- The command line --------------------------------------------------------------------------------------------

struct PlotCommandLine
{
	PlotOptions plot;
	std::string formula, with, text;
	CLI::Option* formulaOption = nullptr;
	CLI::Option* withOption = nullptr;
};

// The options that say how the chart looks in pictures and files.
void DeclareViewOptions(CLI::App& command, PlotCommandLine& line)
{
	PlotOptions& plot = line.plot;
	std::string& text = line.text;
	command
	    .add_option(
	        "-o", plot.outputs,
	        "Output file, by extension: .glb .gltf .obj .png .html/.htm .json .mp4 .webm .gif .webp (repeatable)")
	    ->type_name("FILE")
	    ->allow_extra_args(false);
	DeclareReadOption(
	    command, text, "--size", "WxH", "Size of PNG outputs and of the picture a page frames (default 800x600)",
	    [&plot](const std::string& t, std::string& m) { return ParsePreviewSize(t, plot.width, plot.height, m); });
	DeclareReadOption(command, text, "--unit-scale", "S",
	                  "glTF: metres per scene unit, the scale of the root node (default 0.01: centimetres)",
	                  [&plot](const std::string& t, std::string& m)
	                  { return ParsePositiveNumber(t, plot.unitScale, m); });
	DeclareReadOption(command, text, "--wire-width", "W",
	                  "Grid and cage as tubes this wide (scene units), which renderers draw; default: lines",
	                  [&plot](const std::string& t, std::string& m)
	                  { return ParsePositiveNumber(t, plot.wireWidth, m); });
	DeclareReadOption(
	    command, text, "--camera", "AZIMUTH,ELEVATION[,DISTANCE]",
	    "PNG and page view in degrees around and above the chart, and the eye's distance (default 35,28 fitted)",
	    [&plot](const std::string& t, std::string& m) { return ParseViewAngles(t, plot.view, m); });
	DeclareReadOption(
	    command, text, "--background", "COLOR|transparent",
	    "PNG and page background: transparent, #RRGGBB, #RRGGBBAA, black, white, grey or slate (the default)",
	    [&plot](const std::string& t, std::string& m) { return ParseBackground(t, plot.background.data(), m); });
	DeclareReadOption(command, text, "--png-compression", "0..9",
	                  "zlib level of PNG outputs: 0 (fastest, largest) to 9 (smallest, slowest); default 4",
	                  [&plot](const std::string& t, std::string& m)
	                  { return ParsePngCompression(t, plot.pngCompression, m); });
	DeclareReadOption(command, text, "--antialias", "on|off",
	                  "PNG triangle edges smoothed with 4 samples per pixel (on, the default) or hard with one (off); "
	                  "lines, points and text are always drawn with the share of each pixel they cover",
	                  [&plot](const std::string& t, std::string& m) { return ParseOnOff(t, plot.antialias, m); });
	DeclareReadOption(command, text, "--line-width", "PX",
	                  "Width of lines in PNG outputs in pixels (default 1 at 800x600, scaled with the picture)",
	                  [&plot](const std::string& t, std::string& m) { return ParseLineWidth(t, plot.lineWidth, m); });
	DeclareReadOption(command, text, "--color-key", "on|off",
	                  "The PNG's key of the gradient's colours and values (default on; only for a gradient-coloured "
	                  "surface)",
	                  [&plot](const std::string& t, std::string& m) { return ParseOnOff(t, plot.colorKey, m); });
	DeclareReadOption(command, text, "--axis-names", "on|off",
	                  "The PNG's names x, z and y beside the labelled edges (default on)",
	                  [&plot](const std::string& t, std::string& m) { return ParseOnOff(t, plot.axisNames, m); });
	DeclareReadOption(command, text, "--video-quality", "0..100",
	                  "Videos: 0 (smallest) to 100 (best); default 80, x264 CRF 18 (see the README for each codec)",
	                  [&plot](const std::string& t, std::string& m)
	                  { return ParseVideoQuality(t, plot.videoQuality, m); });
	DeclareReadOption(command, text, "--orbit", "DEGREES",
	                  "Turn the camera this far around the chart over the frames of --frames (360: one full turn)",
	                  [&plot](const std::string& t, std::string& m)
	                  {
		                  double degrees = 0.0;
		                  const bool read = ParseOrbit(t, degrees, m);
		                  plot.orbit = degrees;
		                  return read;
	                  });
}

CommandRun DeclarePlot(CLI::App& command)
{
	auto line = std::make_shared<PlotCommandLine>();
	PlotOptions& plot = line->plot;
	line->formulaOption = command.add_option("FORMULA", line->formula, "y = f(x, z), as typed into the plot object")
	                          ->type_name("\"FORMULA\"");
	command.add_option("--set", plot.edits.sets, "Edit a parameter of the plot or a component (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL=VALUE")
	    ->allow_extra_args(false);
	line->withOption =
	    command.add_option("--with", line->with, "Components to add: mesh,grid,cage,label, all (default) or none")
	        ->type_name("COMPONENTS");
	command.add_option("--press", plot.edits.presses, "Press a button after all edits (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL")
	    ->allow_extra_args(false);
	CLI::Option* frame = DeclareReadOption(command, line->text, "--frame", "N", "Document time as a frame",
	                                       [&plot](const std::string& text, std::string& message)
	                                       {
		                                       plot.frameGiven = true;
		                                       const bool read = ParseFrame(text, plot.firstFrame, message);
		                                       plot.lastFrame = plot.firstFrame;
		                                       return read;
	                                       });
	DeclareReadOption(command, line->text, "--frames", "A..B",
	                  "Evaluate frames A to B in turn: files are numbered (chart-0001.png), glTF is one animation",
	                  [&plot](const std::string& t, std::string& m)
	                  {
		                  plot.frameGiven = plot.numbered = true;
		                  return ParseFrameRange(t, plot.firstFrame, plot.lastFrame, m);
	                  })
	    ->excludes(frame);
	DeclareViewOptions(command, *line);
	DeclareDocumentOutputs(command, plot.dump, plot.draw, plot.save);
	return [line](const GlobalOptions& options)
	{
		if (line->formulaOption->count() > 0)
			line->plot.formula = line->formula;
		if (line->withOption->count() > 0)
			line->plot.with = line->with;
		return RunPlot(options, line->plot);
	};
}

// --- Building the chart ------------------------------------------------------------------------------------------

bool ParseComponents(const std::string& text, std::vector<const ComponentKind*>& out, std::string& message)
{
	out.clear();
	if (text == "none")
		return true;
	if (text == "all")
	{
		for (const ComponentKind& kind : kComponents)
			out.push_back(&kind);
		return true;
	}
	std::size_t start = 0;
	while (start <= text.size())
	{
		const std::size_t comma = std::min(text.find(',', start), text.size());
		const std::string name = text.substr(start, comma - start);
		const ComponentKind* found = nullptr;
		for (const ComponentKind& kind : kComponents)
			found = name == kind.name ? &kind : found;
		if (found == nullptr)
		{
			message = "unknown component \"" + name + "\" (expected mesh, grid, cage, label, all or none)";
			return false;
		}
		out.push_back(found);
		start = comma + 1;
	}
	return true;
}

// Counts the direct children of plot of the given type.
int CountChildren(BaseObject* plot, Int32 type)
{
	int count = 0;
	for (BaseObject* child = plot->GetDown(); child != nullptr; child = child->GetNext())
		count += child->GetType() == type ? 1 : 0;
	return count;
}

// Adds a component as a person does: choose it in the plot's add-component field, then press the button.
bool AddComponent(BaseDocument& doc, BaseObject* plot, const ComponentKind& kind, std::string& message)
{
	const plugins::ObjectType* type = plugins::FindObjectTypeByName(kind.typeName);
	if (type == nullptr)
	{
		message = std::string("the plug-in has no ") + kind.name + " component (" + kind.typeName + ")";
		return false;
	}
	const int before = CountChildren(plot, type->id);
	if (!ApplySet(doc, std::string("PLOT_ADDCOMPONENT=") + kind.buttonValue, message) ||
	    !ApplyPress(doc, "PLOT_ADDCOMPONENT", message))
		return false;
	if (CountChildren(plot, type->id) == before)
	{
		message = std::string("the plot did not add the ") + kind.name + " component";
		return false;
	}
	return true;
}

// A new document with the plot object made from the menu, the formula typed in, the components added and the
// edits applied. Returns kExitOk, or prints what went wrong and returns its exit code.
int BuildChart(const PlotOptions& plot, const std::vector<const ComponentKind*>& components, DocumentHolder& holder,
               BaseObject*& plotObject)
{
	const plugins::ObjectType* plotType = plugins::FindObjectTypeByName(kPlotType);
	if (plotType == nullptr)
	{
		PrintError("plot", "the Surfax plug-in is not loaded (no o3dplot object type)");
		return kExitError;
	}
	holder.doc = BaseDocument::Alloc();
	plotObject = holder.doc ? user::CreateObjectFromMenu(holder.doc, plotType->id) : nullptr;
	if (plotObject == nullptr)
	{
		PrintError("plot", "cannot create the plot object");
		return kExitError;
	}
	BaseDocument& doc = *holder.doc;
	std::string message;
	if (plot.formula && !ApplySet(doc, "PLOT_FORMULA=" + *plot.formula, message))
	{
		PrintError("formula", message);
		return kExitError;
	}
	for (const ComponentKind* kind : components)
	{
		if (!AddComponent(doc, plotObject, *kind, message))
		{
			PrintError(std::string("--with ") + kind->name, message);
			return kExitError;
		}
	}
	// Files have no material to colour the surface with, so the mesh carries the plot's gradient as vertex colours
	// unless an edit below switches them off again.
	const bool withMesh = std::any_of(components.begin(), components.end(),
	                                  [](const ComponentKind* kind) { return std::string_view(kind->name) == "mesh"; });
	if (withMesh && !ApplySet(doc, "PLOTMESH_VERTEXCOLORS=true", message))
	{
		PrintError("--with mesh", message);
		return kExitError;
	}
	if (!ApplyEdits(doc, plot.edits))
		return kExitError;
	// The plug-in takes an empty formula as 0 everywhere; on the command line it is a slip, like a blank one.
	if (std::string formula; FormulaOf(plotObject, formula) && formula.empty())
	{
		PrintError("plot", std::string("formula \"\": ") + kEmptyFormula + " (give one, such as \"Sin(x) * Cos(z)\")");
		return kExitError;
	}
	return kExitOk;
}

// --- Evaluating and writing the frames ---------------------------------------------------------------------------

// A formula that gives no number anywhere is a mistake, not a chart; nor is a chart that memory running out left
// without its surface or samples. False after printing why; `lostToMemory` says which of the two it was.
bool ChartIsSound(const FormulaWatch& formulas, const BaseDocument& doc, FrameProgress& progress, bool& lostToMemory)
{
	std::string message;
	if (AnyFormulaWithoutNumbers(formulas, doc, message))
	{
		progress.EndLine();
		PrintError("plot", message);
		return false;
	}
	const std::vector<std::string> lost = LostToMemory(formulas, doc);
	if (!lost.empty())
		progress.EndLine();
	for (const std::string& sentence : lost)
		PrintError("plot", sentence);
	lostToMemory = !lost.empty();
	return lost.empty();
}

// Evaluates each frame as a render and writes it; after the last, the dump and the warnings. All files of one frame
// (and --save with the last frame) are renamed into place together: a failure or an interruption leaves the frames
// finished before it complete and no file of the failed frame, old or new, replaced.
int EvaluateAndWrite(const PlotOptions& plot, const OutputPlan& plan, BaseDocument& doc, const BaseObject& plotObject)
{
	FormulaWatch formulas;
	FrameWriter writer(plot, plan, formulas, plotObject);
	io::DroppedCounts dropped;
	const std::int64_t frameCount = std::int64_t(plot.lastFrame) - plot.firstFrame + 1;
	std::int64_t framesWritten = 0;
	const auto framesReport = [&]
	{ return std::to_string(framesWritten) + " of " + std::to_string(frameCount) + " frames written"; };
	io::ExportScene scene;
	std::string message;
	// Frames done and the time left, for an animation (on one line rewritten in place on a terminal).
	FrameProgress progress(plot.numbered ? frameCount : 0, ::isatty(STDERR_FILENO) == 1);
	for (std::int64_t i = 0; i < frameCount && core::InterruptionSignal() == 0; ++i)
	{
		const std::int32_t frame = static_cast<std::int32_t>(plot.firstFrame + i);
		if (plot.frameGiven)
			user::SetFrame(&doc, frame);
		formulas.StartEvaluation();
		if (!RenderAndCollect(&doc, scene, message))
		{
			progress.EndLine();
			PrintError("plot", message);
			return kExitError;
		}
		if (core::InterruptionSignal() != 0)
			break;
		if (bool lostToMemory = false; !ChartIsSound(formulas, doc, progress, lostToMemory))
		{
			if (lostToMemory && plot.numbered)
				Progress(framesReport() + " before the failure");
			return kExitError;
		}
		// --wire-width: the grid's and the cage's lines become tubes, which renderers draw; the cost is told once.
		if (plot.wireWidth > 0.0)
		{
			const std::string tubeWarning = i == 0 ? io::TubeWarning(io::TubeCostOf(scene, plot.wireWidth)) : "";
			if (!tubeWarning.empty())
				core::Report("warning: " + tubeWarning);
			if (!io::TubeWires(scene, plot.wireWidth, message))
			{
				progress.EndLine();
				PrintError("--wire-width", message);
				return kExitError;
			}
		}
		dropped.triangles += scene.dropped.triangles;
		dropped.lineSegments += scene.dropped.lineSegments;
		dropped.points += scene.dropped.points;
		if (!writer.KeepFrame(scene, message))
		{
			progress.EndLine();
			PrintError("--frames", message);
			return kExitError;
		}
		const bool written = writer.Write(doc, scene, frame, i + 1 == frameCount, message);
		if (!written && core::InterruptionSignal() != 0)
			break;
		if (!written)
		{
			progress.EndLine();
			std::fprintf(stderr, "surfax-host: %s\n", message.c_str());
			if (plot.numbered)
				Progress(framesReport() + " before the failure");
			return kExitError;
		}
		++framesWritten;
		if (plot.numbered)
			progress.FramesDone(framesWritten);
	}
	progress.EndLine();
	if (const int signal = core::InterruptionSignal(); signal != 0)
	{
		PrintError("interrupted", framesReport());
		return kExitSignalBase + signal;
	}
	if ((plot.dump || plot.draw) && !WriteDump(doc, "", plot.draw, message))
	{
		PrintError("--dump", message);
		return kExitError;
	}
	WarnAboutFormulas(formulas, doc, false);
	if (const std::string warning = io::DroppedWarning(dropped); !warning.empty())
		core::Report("warning: " + warning);
	return kExitOk;
}
} // namespace

const CommandDeclaration kPlotCommand = {
    "plot", "Build a chart from a formula and write it as glTF, OBJ, PNG, a page, a video or the JSON dump",
    DeclarePlot};

int RunPlot(const GlobalOptions& options, PlotOptions plot)
{
	// Everything that can be checked without the plug-in is checked first: a typo costs no evaluation.
	std::vector<const ComponentKind*> components;
	std::string message;
	if (!ParseComponents(plot.with.value_or("all"), components, message))
	{
		PrintError("--with", message);
		return kExitUsage;
	}
	if (plot.orbit && !plot.numbered)
	{
		PrintError("--orbit", "the camera turns over the frames of an animation: give --frames A..B as well");
		return kExitUsage;
	}
	OutputPlan plan;
	if (const int code = PlanOutputs(plot, plan); code != kExitOk)
		return code;
	PluginSession session(options);
	DocumentHolder holder;
	BaseObject* plotObject = nullptr;
	if (const int code = BuildChart(plot, components, holder, plotObject); code != kExitOk)
		return code;
	return EvaluateAndWrite(plot, plan, *holder.doc, *plotObject);
}
} // namespace surfax::app
