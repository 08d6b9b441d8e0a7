// surfax-host plot: builds a chart the way a person does in the application (a plot object from the menu, the
// formula and parameters typed into the attribute panel, components added to the plot), evaluates it as a render
// and writes each output file by its extension.
#include "app/chart_viewer.h"
#include "app/commands.h"
#include "app/formula_report.h"
#include "app/render_and_collect.h"

#include "host/core/diagnostics.h"
#include "host/core/interruption.h"
#include "host/core/number_format.h"
#include "host/core/output_file.h"
#include "host/draw/draw_recorder.h"
#include "host/render/rasterizer.h"
#include "host/eval/evaluate.h"
#include "host/document/document_json.h"
#include "host/document/dump.h"
#include "host/export/export_scene.h"
#include "host/export/gltf_writer.h"
#include "host/export/obj_writer.h"
#include "host/export/wire_tubes.h"
#include "host/render/chart_page.h"
#include "host/render/png_preview.h"
#include "host/plugins/registry.h"
#include "host/user/actions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>

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

// Above this many triangles, line segments and points together, writing a file reports progress.
constexpr std::size_t kLargeScene = 250000;
// What the frames of one animated glTF may hold together (floats kept in memory: 1 GiB).
constexpr std::size_t kMaxAnimationCoordinates = std::size_t(1) << 28;

enum class OutputKind
{
	Glb,
	Gltf,
	Obj,
	Png,
	Page,
	Dump,
};

struct Output
{
	std::string path;
	OutputKind kind;
};

struct DocumentHolder
{
	BaseDocument* doc = nullptr;
	~DocumentHolder() { BaseDocument::Free(doc); }
};

bool OutputKindOf(const std::string& path, OutputKind& kind)
{
	std::string ext = std::filesystem::path(path).extension().string();
	std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
	if (ext == ".glb")
		kind = OutputKind::Glb;
	else if (ext == ".gltf")
		kind = OutputKind::Gltf;
	else if (ext == ".obj")
		kind = OutputKind::Obj;
	else if (ext == ".png")
		kind = OutputKind::Png;
	else if (ext == ".html" || ext == ".htm")
		kind = OutputKind::Page;
	else if (ext == ".json")
		kind = OutputKind::Dump;
	else
		return false;
	return true;
}

// "chart.png" for frame 1 becomes "chart-0001.png" (in the same folder), frame -3 "chart-m003.png": a minus sign
// after the separator would read as a second separator.
std::string NumberedPath(const std::string& path, std::int32_t frame)
{
	const std::filesystem::path p(path);
	char number[24];
	std::snprintf(number, sizeof(number), "-%04d", static_cast<int>(frame));
	if (number[1] == '-')
		number[1] = 'm';
	return (p.parent_path() / (p.stem().string() + number + p.extension().string())).string();
}

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

// Adds a component below the plot. The plot's add-component button (PLOT_ADDCOMPONENT: choose the kind in its
// cycle, then press it) is how a person does it; until the plug-in answers that button, the component is
// allocated and inserted as the plot's last child, which is what the button does. Only this function changes
// when the button is used.
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

std::size_t PrimitiveCount(const io::ExportScene& scene)
{
	std::size_t count = 0;
	for (const io::ExportMesh& m : scene.meshes)
		count += m.TriangleCount();
	for (const io::ExportLines& l : scene.lines)
		count += l.SegmentCount();
	for (const io::ExportPoints& p : scene.points)
		count += p.VertexCount();
	return count;
}

bool WriteDump(BaseDocument& doc, const std::string& path, bool drawings, std::string& message)
{
	std::string text;
	std::vector<draw::ObjectDrawing> recorded;
	io::DumpOptions options;
	if (drawings)
	{
		recorded = draw::DrawDocument(&doc);
		options.drawings = &recorded;
	}
	if (!io::DumpDocument(doc, options, text, message))
		return false;
	if (path.empty())
	{
		WriteStandardOutput(text);
		return true;
	}
	core::OutputFile file(path);
	file.Write(text);
	return file.Commit(message);
}

// What a chart page says: the formula and the range of values it gave (over every frame), and the frames played.
void DescribeChart(const FormulaWatch& formulas, const BaseObject* plotObject, const PlotOptions& plot,
                   std::int64_t frameCount, double fps, render::ChartPageOptions& page)
{
	std::string formula;
	FormulaOf(plotObject, formula);
	double lowest = 0.0, highest = 0.0;
	const auto number = [](double value) { return core::FormatFixed(value, 3, true, 0, U' '); };
	const std::string range = formulas.ValueRange(plotObject, lowest, highest)
	                              ? "values from " + number(lowest) + " to " + number(highest)
	                              : std::string("no values");
	page.title = "y = " + formula + " (" + range + ")";
	page.caption = {"y = " + formula, range};
	if (plot.numbered)
		page.caption.push_back("frames " + std::to_string(plot.firstFrame) + " to " + std::to_string(plot.lastFrame) +
		                       " (" + std::to_string(frameCount) + " at " + number(fps) + " per second)");
}

// The chart page of the frames (one for a still chart), seen as the PNG preview sees it.
bool WritePage(const std::vector<io::ExportScene>& frames, double fps, const std::string& path, const PlotOptions& plot,
               const std::string& viewer, render::ChartPageOptions page, std::string& message)
{
	page.width = plot.width;
	page.height = plot.height;
	page.view = plot.view;
	std::copy(plot.background.begin(), plot.background.end(), page.background);
	page.gltf = io::GltfOptions{plot.unitScale};
	return render::WriteChartPage(path, frames, fps, viewer, page, message);
}

bool WriteOutput(BaseDocument& doc, const io::ExportScene& scene, const Output& out, const PlotOptions& plot,
                 std::string& message)
{
	switch (out.kind)
	{
	case OutputKind::Glb:
		return io::WriteGltf(out.path, scene, io::GltfContainer::Binary, message, io::GltfOptions{plot.unitScale});
	case OutputKind::Gltf:
		return io::WriteGltf(out.path, scene, io::GltfContainer::Embedded, message, io::GltfOptions{plot.unitScale});
	case OutputKind::Obj:
		return io::WriteObj(out.path, scene, message);
	case OutputKind::Png:
	{
		render::RenderOptions view;
		view.width = plot.width;
		view.height = plot.height;
		view.view = plot.view;
		view.pngCompression = plot.pngCompression;
		std::copy(plot.background.begin(), plot.background.end(), view.background);
		return render::WritePreviewPng(out.path, scene, view, message);
	}
	case OutputKind::Dump:
		return WriteDump(doc, out.path, plot.draw, message);
	case OutputKind::Page:
		break; // written with every frame's scene by the caller
	}
	return false;
}

// One animated glTF of every frame, played at the document's frame rate.
bool WriteAnimation(BaseDocument& doc, const std::vector<io::ExportScene>& frames, const Output& out,
                    const PlotOptions& plot, std::string& message)
{
	const io::GltfContainer container =
	    out.kind == OutputKind::Glb ? io::GltfContainer::Binary : io::GltfContainer::Embedded;
	return io::WriteAnimatedGltf(out.path, frames, static_cast<double>(doc.GetFps()), container, message,
	                             io::GltfOptions{plot.unitScale});
}

bool IsGltf(OutputKind kind)
{
	return kind == OutputKind::Glb || kind == OutputKind::Gltf;
}

// Outputs that hold every frame of --frames in one file.
bool HoldsEveryFrame(OutputKind kind)
{
	return IsGltf(kind) || kind == OutputKind::Page;
}

// The frames an animated glTF keeps in memory until it is written, counted in coordinates.
std::size_t CoordinateCount(const io::ExportScene& scene)
{
	std::size_t count = 0;
	for (const io::ExportMesh& m : scene.meshes)
		count += m.positions.size() + m.normals.size() + m.colors.size() + m.uvs.size();
	for (const io::ExportLines& l : scene.lines)
		count += l.positions.size() + l.colors.size();
	for (const io::ExportPoints& p : scene.points)
		count += p.positions.size() + p.colors.size();
	return count;
}

// A file an output of the run writes, with what a person calls it: "-o c.obj", "the material library of -o c.obj",
// "frame 2 of -o a.png".
struct OutputFileName
{
	std::string file;
	std::string role;
};

// The files one output writes: one, or one per frame with --frames (glTF and pages excepted), each .obj with the
// material library beside it.
void FilesOfOutput(const Output& out, const PlotOptions& plot, std::vector<OutputFileName>& files)
{
	const bool perFrame = plot.numbered && !HoldsEveryFrame(out.kind);
	const std::string option = "-o " + out.path;
	for (std::int64_t frame = plot.firstFrame; frame <= (perFrame ? plot.lastFrame : plot.firstFrame); ++frame)
	{
		const std::string path = perFrame ? NumberedPath(out.path, static_cast<std::int32_t>(frame)) : out.path;
		const std::string role = perFrame ? "frame " + std::to_string(frame) + " of " + option : option;
		files.push_back({path, role});
		if (out.kind == OutputKind::Obj)
			files.push_back({io::MaterialLibraryPath(path), "the material library of " + role});
	}
}

// Two outputs of one run that write the same file would overwrite each other (the .mtl of -o c.obj holding the
// document --save c.mtl wrote): refused before anything is evaluated, naming both.
bool OutputsAreDistinct(const std::vector<Output>& outputs, const PlotOptions& plot, std::string& where,
                        std::string& message)
{
	std::map<std::string, OutputFileName> byTarget;
	std::vector<OutputFileName> files;
	for (std::size_t k = 0; k <= outputs.size(); ++k)
	{
		files.clear();
		if (k < outputs.size())
			FilesOfOutput(outputs[k], plot, files);
		else if (!plot.save.empty())
			files.push_back({plot.save, "--save " + plot.save});
		for (const OutputFileName& name : files)
		{
			const auto [first, added] = byTarget.emplace(core::OutputTarget(name.file), name);
			if (added)
				continue;
			where = k < outputs.size() ? "-o " + outputs[k].path : "--save " + plot.save;
			// "frame 3 of -o b.png" is said as "frame 3 (b-0003.png)" after the option's own name.
			std::string subject = name.role;
			if (const std::string of = " of " + where; subject.ends_with(of))
				subject.resize(subject.size() - of.size());
			message = (name.role == where ? std::string() : subject + " (" + name.file + ") is ") +
			          "the same file as " + first->second.role + " (" + first->second.file +
			          "): each output of a run needs a file of its own";
			return false;
		}
	}
	return true;
}

void Progress(const std::string& text)
{
	if (!core::IsQuiet())
		std::fprintf(stderr, "surfax-host: %s\n", text.c_str());
}
} // namespace

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
	if (plot.outputs.empty() && !plot.dump && !plot.draw && plot.save.empty())
		plot.outputs = {"surfax-chart.glb", "surfax-chart.png"};
	std::vector<Output> outputs;
	for (const std::string& path : plot.outputs)
	{
		OutputKind kind;
		if (!OutputKindOf(path, kind))
		{
			PrintError("-o " + path, "unknown file type (expected .glb, .gltf, .obj, .png, .html (.htm) or .json)");
			return kExitUsage;
		}
		outputs.push_back(Output{path, kind});
	}
	if (std::string where; !OutputsAreDistinct(outputs, plot, where, message))
	{
		PrintError(where, message);
		return kExitUsage;
	}
	const bool animation = plot.numbered;
	if (animation && (plot.dump || plot.draw))
	{
		PrintError("--dump", "an animation writes one dump per frame: use -o FILE.json with --frames");
		return kExitUsage;
	}
	// A page inlines the glTF viewer: without it nothing is evaluated and no file is written.
	std::string viewer;
	for (const Output& out : outputs)
	{
		if (out.kind == OutputKind::Page && viewer.empty() && !LoadChartViewerScript(viewer, message))
		{
			PrintError("-o " + out.path, message);
			return kExitError;
		}
	}

	PluginSession session(options);
	const plugins::ObjectType* plotType = plugins::FindObjectTypeByName(kPlotType);
	if (plotType == nullptr)
	{
		PrintError("plot", "the Surfax plug-in is not loaded (no o3dplot object type)");
		return kExitError;
	}
	DocumentHolder holder;
	holder.doc = BaseDocument::Alloc();
	BaseObject* plotObject = holder.doc ? user::CreateObjectFromMenu(holder.doc, plotType->id) : nullptr;
	if (plotObject == nullptr)
	{
		PrintError("plot", "cannot create the plot object");
		return kExitError;
	}
	BaseDocument& doc = *holder.doc;
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
	for (const std::string& edit : plot.sets)
	{
		if (!ApplySet(doc, edit, message))
		{
			PrintError("--set " + edit, message);
			return kExitError;
		}
	}
	for (const std::string& target : plot.presses)
	{
		if (!ApplyPress(doc, target, message))
		{
			PrintError("--press " + target, message);
			return kExitError;
		}
	}

	// The plug-in takes an empty formula as 0 everywhere; on the command line it is a slip, like a blank one.
	if (std::string formula; FormulaOf(plotObject, formula) && formula.empty())
	{
		PrintError("plot", std::string("formula \"\": ") + kEmptyFormula + " (give one, such as \"Sin(x) * Cos(z)\")");
		return kExitError;
	}

	FormulaWatch formulas;
	// All files of one frame (and --save with the last frame) go to temporaries first and are renamed together once
	// every one of them was written: a failure or an interruption leaves the frames finished before it complete and
	// no file of the failed frame, old or new, replaced.
	io::DroppedCounts dropped;
	const std::int64_t frameCount = std::int64_t(plot.lastFrame) - plot.firstFrame + 1;
	std::int64_t framesWritten = 0;
	const auto framesReport = [&]
	{ return std::to_string(framesWritten) + " of " + std::to_string(frameCount) + " frames written"; };
	io::ExportScene scene;
	// With --frames, glTF outputs and pages are one animated file: every frame's scene is kept until the last one.
	const bool keepFrames = animation && std::any_of(outputs.begin(), outputs.end(),
	                                                 [](const Output& o) { return HoldsEveryFrame(o.kind); });
	std::vector<io::ExportScene> frames;
	std::size_t keptCoordinates = 0;
	for (std::int64_t i = 0; i < frameCount && core::InterruptionSignal() == 0; ++i)
	{
		const std::int32_t frame = static_cast<std::int32_t>(plot.firstFrame + i);
		const bool lastFrame = i + 1 == frameCount;
		if (plot.frameGiven)
			user::SetFrame(&doc, frame);
		if (animation)
			Progress("frame " + std::to_string(frame) + " (" + std::to_string(i + 1) + " of " +
			         std::to_string(frameCount) + ")");
		formulas.StartEvaluation();
		if (!RenderAndCollect(&doc, scene, message))
		{
			PrintError("plot", message);
			return kExitError;
		}
		if (core::InterruptionSignal() != 0)
			break;
		// A formula that gives no number anywhere is a mistake, not a chart: nothing is written.
		if (AnyFormulaWithoutNumbers(formulas, doc, message))
		{
			PrintError("plot", message);
			return kExitError;
		}
		// Nor is a chart that memory running out left without its surface or samples.
		if (const std::vector<std::string> lost = LostToMemory(formulas, doc); !lost.empty())
		{
			for (const std::string& sentence : lost)
				PrintError("plot", sentence);
			if (animation)
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
				PrintError("--wire-width", message);
				return kExitError;
			}
		}
		dropped.triangles += scene.dropped.triangles;
		dropped.lineSegments += scene.dropped.lineSegments;
		dropped.points += scene.dropped.points;
		const bool large = PrimitiveCount(scene) > kLargeScene;
		if (keepFrames)
		{
			keptCoordinates += CoordinateCount(scene);
			if (keptCoordinates > kMaxAnimationCoordinates)
			{
				PrintError("--frames", "the animation is too large for one animated glTF or chart page (more than " +
				                           std::to_string(kMaxAnimationCoordinates) +
				                           " coordinates in all frames): choose fewer frames or a lower resolution");
				return kExitError;
			}
			frames.push_back(scene);
		}
		core::OutputBatch batch;
		bool written = true;
		for (std::size_t k = 0; written && k < outputs.size(); ++k)
		{
			Output target = outputs[k];
			if (target.kind == OutputKind::Page)
			{
				// A page shows every frame: it is written with the last one, in its batch.
				if (!lastFrame)
					continue;
				render::ChartPageOptions page;
				const double fps = static_cast<double>(doc.GetFps());
				DescribeChart(formulas, plotObject, plot, frameCount, fps, page);
				written = animation ? WritePage(frames, fps, target.path, plot, viewer, page, message)
				                    : WritePage({scene}, fps, target.path, plot, viewer, page, message);
				continue;
			}
			if (keepFrames && IsGltf(target.kind))
			{
				// The animation is written with the last frame, in its batch.
				if (lastFrame)
					written = WriteAnimation(doc, frames, target, plot, message);
				continue;
			}
			if (animation)
				target.path = NumberedPath(target.path, frame);
			if (large)
				Progress("writing " + target.path + " (" + std::to_string(PrimitiveCount(scene)) + " primitives)");
			written = WriteOutput(doc, scene, target, plot, message);
		}
		// Writers' and the saver's messages start with the file's path.
		if (written && lastFrame && !plot.save.empty())
			written = io::SaveDocumentFile(doc, plot.save, message);
		written = written && batch.Publish(message);
		if (!written && core::InterruptionSignal() != 0)
			break;
		if (!written)
		{
			std::fprintf(stderr, "surfax-host: %s\n", message.c_str());
			if (animation)
				Progress(framesReport() + " before the failure");
			return kExitError;
		}
		++framesWritten;
	}
	if (const int signal = core::InterruptionSignal(); signal != 0)
	{
		PrintError("interrupted", framesReport());
		return kExitSignalBase + signal;
	}
	if (plot.dump || plot.draw)
	{
		if (!WriteDump(doc, "", plot.draw, message))
		{
			PrintError("--dump", message);
			return kExitError;
		}
	}
	WarnAboutFormulas(formulas, doc, false);
	const std::string warning = io::DroppedWarning(dropped);
	if (!warning.empty())
		core::Report("warning: " + warning);
	return kExitOk;
}
} // namespace surfax::app
