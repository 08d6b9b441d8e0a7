#include "app/plot_outputs.h"

#include "app/chart_viewer.h"
#include "app/preview_annotations.h"

#include "host/core/number_format.h"
#include "host/core/output_file.h"
#include "host/document/document_json.h"
#include "host/export/gltf_writer.h"
#include "host/export/obj_writer.h"
#include "host/render/chart_page.h"
#include "host/render/png_preview.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <new>

namespace surfax::app
{
using namespace cinema;

namespace
{
// Above this many triangles, line segments and points together, writing a file reports progress.
constexpr std::size_t kLargeScene = 250000;
// What the frames of one animated glTF may hold together (floats kept in memory: 1 GiB).
constexpr std::size_t kMaxAnimationCoordinates = std::size_t(1) << 28;

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

bool IsGltf(OutputKind kind)
{
	return kind == OutputKind::Glb || kind == OutputKind::Gltf;
}

// Outputs that hold every frame of --frames in one file.
bool HoldsEveryFrame(OutputKind kind)
{
	return IsGltf(kind) || kind == OutputKind::Page;
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

// What a chart page says: the formula and the range of values it gave (over every frame), and the frames played.
void DescribeChart(const FormulaWatch& formulas, const BaseObject& plotObject, const PlotOptions& plot, double fps,
                   render::ChartPageOptions& page)
{
	std::string formula;
	FormulaOf(&plotObject, formula);
	double lowest = 0.0, highest = 0.0;
	const auto number = [](double value) { return core::FormatFixed(value, 3, true, 0, U' '); };
	const std::string range = formulas.ValueRange(&plotObject, lowest, highest)
	                              ? "values from " + number(lowest) + " to " + number(highest)
	                              : std::string("no values");
	page.title = "y = " + formula + " (" + range + ")";
	page.caption = {"y = " + formula, range};
	const std::int64_t frameCount = std::int64_t(plot.lastFrame) - plot.firstFrame + 1;
	if (plot.numbered)
		page.caption.push_back("frames " + std::to_string(plot.firstFrame) + " to " + std::to_string(plot.lastFrame) +
		                       " (" + std::to_string(frameCount) + " at " + number(fps) + " per second)");
}

// The PNG preview's options, with what it draws over the chart (which must outlive the options).
render::RenderOptions PngView(const PlotOptions& plot, const render::ChartAnnotations& annotations)
{
	render::RenderOptions view;
	view.width = plot.width;
	view.height = plot.height;
	view.view = plot.view;
	view.pngCompression = plot.pngCompression;
	view.samples = plot.antialias ? render::kPreviewSamples : render::kHardEdgeSamples;
	view.lineWidth = plot.lineWidth;
	view.annotations = &annotations;
	std::copy(plot.background.begin(), plot.background.end(), view.background);
	return view;
}
} // namespace

std::string NumberedPath(const std::string& path, std::int32_t frame)
{
	// A minus sign after the separator would read as a second separator: frame -3 is "m003".
	const std::filesystem::path p(path);
	char number[24];
	std::snprintf(number, sizeof(number), "-%04d", static_cast<int>(frame));
	if (number[1] == '-')
		number[1] = 'm';
	return (p.parent_path() / (p.stem().string() + number + p.extension().string())).string();
}

int PlanOutputs(PlotOptions& plot, OutputPlan& plan)
{
	if (plot.outputs.empty() && !plot.dump && !plot.draw && plot.save.empty())
		plot.outputs = {"surfax-chart.glb", "surfax-chart.png"};
	for (const std::string& path : plot.outputs)
	{
		OutputKind kind;
		if (!OutputKindOf(path, kind))
		{
			PrintError("-o " + path, "unknown file type (expected .glb, .gltf, .obj, .png, .html (.htm) or .json)");
			return kExitUsage;
		}
		plan.outputs.push_back(Output{path, kind});
	}
	std::string where, message;
	if (!OutputsAreDistinct(plan.outputs, plot, where, message))
	{
		PrintError(where, message);
		return kExitUsage;
	}
	if (plot.numbered && (plot.dump || plot.draw))
	{
		PrintError("--dump", "an animation writes one dump per frame: use -o FILE.json with --frames");
		return kExitUsage;
	}
	// A page inlines the glTF viewer: without it nothing is evaluated and no file is written.
	for (const Output& out : plan.outputs)
	{
		if (out.kind == OutputKind::Page && plan.viewer.empty() && !LoadChartViewerScript(plan.viewer, message))
		{
			PrintError("-o " + out.path, message);
			return kExitError;
		}
	}
	return kExitOk;
}

FrameWriter::FrameWriter(const PlotOptions& plot, const OutputPlan& plan, FormulaWatch& formulas,
                         const BaseObject& plotObject)
    : _plot(plot), _plan(plan), _formulas(formulas), _plotObject(plotObject),
      // With --frames, glTF outputs and pages are one animated file: every frame's scene is kept until the last one.
      _keepFrames(plot.numbered && std::any_of(plan.outputs.begin(), plan.outputs.end(),
                                               [](const Output& o) { return HoldsEveryFrame(o.kind); })),
      _hasPage(std::any_of(plan.outputs.begin(), plan.outputs.end(),
                           [](const Output& o) { return o.kind == OutputKind::Page; }))
{
	if (_hasPage)
		_formulas.RecordValues(&_plotObject, SampleCount(_plotObject));
}

// The values of the frame just evaluated, for the page's readout: every frame's with --frames, else the last one's.
void FrameWriter::KeepValues()
{
	if (!_plot.numbered)
		_pageValues.frames.clear();
	const std::int64_t index = static_cast<std::int64_t>(_pageValues.frames.size());
	const std::vector<double>* values = _formulas.ValuesOfEvaluation(&_plotObject);
	try
	{
		_pageValues.frames.push_back(values != nullptr ? *values : std::vector<double>());
	}
	catch (const std::bad_alloc&)
	{
		values = nullptr;
	}
	if (values == nullptr && _pageValues.lostFrame < 0)
		_pageValues.lostFrame = index;
}

bool FrameWriter::KeepFrame(const io::ExportScene& scene, std::string& message)
{
	if (!_keepFrames)
		return true;
	_keptCoordinates += CoordinateCount(scene);
	if (_keptCoordinates > kMaxAnimationCoordinates)
	{
		message = "the animation is too large for one animated glTF or chart page (more than " +
		          std::to_string(kMaxAnimationCoordinates) +
		          " coordinates in all frames): choose fewer frames or a lower resolution";
		return false;
	}
	_frames.push_back(scene);
	return true;
}

bool FrameWriter::Write(BaseDocument& doc, const io::ExportScene& scene, std::int32_t frame, bool lastFrame,
                        std::string& message)
{
	const std::size_t primitives = PrimitiveCount(scene);
	if (_hasPage)
		KeepValues();
	// What the PNG preview says beside this frame's chart: its colour key (of the values of this evaluation) and
	// axis names.
	_annotations = render::ChartAnnotations();
	if (std::any_of(_plan.outputs.begin(), _plan.outputs.end(),
	                [](const Output& o) { return o.kind == OutputKind::Png; }))
	{
		ValueRange range;
		range.known = _formulas.ValueRangeOfEvaluation(&_plotObject, range.lowest, range.highest);
		DescribePreviewAnnotations(doc, _plotObject, scene, range, AnnotationChoices{_plot.colorKey, _plot.axisNames},
		                           _annotations);
	}
	core::OutputBatch batch;
	bool written = true;
	for (std::size_t k = 0; written && k < _plan.outputs.size(); ++k)
	{
		Output target = _plan.outputs[k];
		// A page, and with --frames a glTF, shows every frame: it is written with the last one, in its batch.
		if (target.kind == OutputKind::Page || (_keepFrames && IsGltf(target.kind)))
		{
			if (lastFrame)
				written = WriteOne(doc, scene, target, message);
			continue;
		}
		if (_plot.numbered)
			target.path = NumberedPath(target.path, frame);
		if (primitives > kLargeScene)
			Progress("writing " + target.path + " (" + std::to_string(primitives) + " primitives)");
		written = WriteOne(doc, scene, target, message);
	}
	// Writers' and the saver's messages start with the file's path.
	if (written && lastFrame && !_plot.save.empty())
		written = io::SaveDocumentFile(doc, _plot.save, message);
	return written && batch.Publish(message);
}

bool FrameWriter::WriteOne(BaseDocument& doc, const io::ExportScene& scene, const Output& out, std::string& message)
{
	const io::GltfOptions gltf{_plot.unitScale};
	const io::GltfContainer container =
	    out.kind == OutputKind::Glb ? io::GltfContainer::Binary : io::GltfContainer::Embedded;
	switch (out.kind)
	{
	case OutputKind::Glb:
	case OutputKind::Gltf:
		// With --frames, one animated glTF of every frame, played at the document's frame rate.
		return _keepFrames ? io::WriteAnimatedGltf(out.path, _frames, static_cast<double>(doc.GetFps()), container,
		                                           message, gltf)
		                   : io::WriteGltf(out.path, scene, container, message, gltf);
	case OutputKind::Obj:
		return io::WriteObj(out.path, scene, message);
	case OutputKind::Png:
		return render::WritePreviewPng(out.path, scene, PngView(_plot, _annotations), message);
	case OutputKind::Dump:
		return WriteDump(doc, out.path, _plot.draw, message);
	case OutputKind::Page:
		return WritePage(doc, scene, out, message);
	}
	return false;
}

// The chart page of the frames (one for a still chart), seen as the PNG preview sees it.
bool FrameWriter::WritePage(const BaseDocument& doc, const io::ExportScene& scene, const Output& out,
                            std::string& message)
{
	const double fps = static_cast<double>(doc.GetFps());
	render::ChartPageOptions page;
	DescribeChart(_formulas, _plotObject, _plot, fps, page);
	page.width = _plot.width;
	page.height = _plot.height;
	page.view = _plot.view;
	std::copy(_plot.background.begin(), _plot.background.end(), page.background);
	page.gltf = io::GltfOptions{_plot.unitScale};
	page.firstFrame = _plot.firstFrame;
	DescribeReadout(_plotObject, _pageValues, _plot.firstFrame, page.readout);
	// The colour key and axis names as the PNG preview has them, the key over the values of every frame shown.
	ValueRange range;
	range.known = _formulas.ValueRange(&_plotObject, range.lowest, range.highest);
	render::ChartAnnotations annotations;
	DescribePreviewAnnotations(doc, _plotObject, scene, range, AnnotationChoices{_plot.colorKey, _plot.axisNames},
	                           annotations);
	page.key = std::move(annotations.key);
	page.axisNames = std::move(annotations.axisNames);
	page.textColor = annotations.textColor;
	return _plot.numbered ? render::WriteChartPage(out.path, _frames, fps, _plan.viewer, page, message)
	                      : render::WriteChartPage(out.path, {scene}, fps, _plan.viewer, page, message);
}
} // namespace surfax::app
