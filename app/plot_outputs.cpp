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
#include <cmath>
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

bool OutputKindOf(const std::string& path, OutputKind& kind, render::VideoFormat& video)
{
	if (render::VideoFormatOfPath(path, video))
	{
		kind = OutputKind::Video;
		return true;
	}
	const std::string ext = core::OutputExtension(path);
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

// Outputs that keep every frame's scene until the last frame.
bool KeepsScenes(OutputKind kind)
{
	return IsGltf(kind) || kind == OutputKind::Page;
}

// Outputs that hold every frame of --frames in one file.
bool HoldsEveryFrame(OutputKind kind)
{
	return KeepsScenes(kind) || kind == OutputKind::Video;
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

// The frames of the run, counted.
std::int64_t FrameCount(const PlotOptions& plot)
{
	return std::int64_t(plot.lastFrame) - plot.firstFrame + 1;
}

// The PNG preview's picture of a frame, for PNG outputs and videos, with what it draws over the chart (which must
// outlive the options): with --orbit, frame k of N looks from the start azimuth plus orbit * k / N degrees, from
// `orbitDistance` when the camera has no distance of its own.
render::RenderOptions FrameView(const PlotOptions& plot, const render::ChartAnnotations& annotations,
                                std::int32_t frame, float orbitDistance)
{
	render::RenderOptions view;
	view.width = plot.width;
	view.height = plot.height;
	view.view = plot.view;
	if (plot.orbit)
	{
		const double k = double(std::int64_t(frame) - plot.firstFrame);
		view.view.azimuth = static_cast<float>(plot.view.azimuth + *plot.orbit * k / double(FrameCount(plot)));
		if (view.view.distance == 0.0f)
			view.view.distance = orbitDistance;
	}
	view.pngCompression = plot.pngCompression;
	view.samples = plot.antialias ? render::kPreviewSamples : render::kHardEdgeSamples;
	view.lineWidth = plot.lineWidth;
	view.annotations = &annotations;
	std::copy(plot.background.begin(), plot.background.end(), view.background);
	return view;
}

render::VideoOptions VideoOptionsOf(const PlotOptions& plot, render::VideoFormat format, int fps)
{
	render::VideoOptions video;
	video.format = format;
	video.width = plot.width;
	video.height = plot.height;
	video.fps = fps;
	video.quality = plot.videoQuality;
	video.alpha = plot.background[3] < 255;
	video.frameCount = FrameCount(plot);
	return video;
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
		render::VideoFormat video = render::VideoFormat::Mp4;
		if (!OutputKindOf(path, kind, video))
		{
			PrintError("-o " + path, "unknown file type (expected .glb, .gltf, .obj, .png, .html (.htm), .json, .mp4, "
			                         ".webm, .gif or .webp)");
			return kExitUsage;
		}
		plan.outputs.push_back(Output{path, kind, video});
	}
	std::string where, message;
	// A video's size, background and length are checked at once; its frame rate, the document's, when it starts.
	for (const Output& out : plan.outputs)
	{
		if (out.kind == OutputKind::Video && !render::CheckVideoOptions(VideoOptionsOf(plot, out.video, 30), message))
		{
			PrintError("-o " + out.path, message);
			return kExitUsage;
		}
	}
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
                                               [](const Output& o) { return KeepsScenes(o.kind); })),
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
	// What the PNG preview (and so every video frame) says beside this frame's chart: its colour key (of the values
	// of this evaluation) and axis names.
	_annotations = render::ChartAnnotations();
	if (std::any_of(_plan.outputs.begin(), _plan.outputs.end(),
	                [](const Output& o) { return o.kind == OutputKind::Png || o.kind == OutputKind::Video; }))
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
		if (target.kind == OutputKind::Video)
			continue; // below, after the files of the frame
		if (target.kind == OutputKind::Page || (_keepFrames && IsGltf(target.kind)))
		{
			if (lastFrame)
				written = WriteOne(doc, scene, target, frame, message);
			continue;
		}
		if (_plot.numbered)
			target.path = NumberedPath(target.path, frame);
		if (primitives > kLargeScene)
			Progress("writing " + target.path + " (" + std::to_string(primitives) + " primitives)");
		written = WriteOne(doc, scene, target, frame, message);
	}
	if (written)
		written = AddToVideos(doc, scene, frame, lastFrame, message);
	// Writers' and the saver's messages start with the file's path.
	if (written && lastFrame && !_plot.save.empty())
		written = io::SaveDocumentFile(doc, _plot.save, message);
	return written && batch.Publish(message);
}

bool FrameWriter::WriteOne(BaseDocument& doc, const io::ExportScene& scene, const Output& out, std::int32_t frame,
                           std::string& message)
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
		return render::WritePreviewPng(out.path, scene, FrameView(_plot, _annotations, frame, OrbitDistance(scene)),
		                               message);
	case OutputKind::Dump:
		return WriteDump(doc, out.path, _plot.draw, message);
	case OutputKind::Page:
		return WritePage(doc, scene, out, message);
	case OutputKind::Video:
		break; // AddToVideos
	}
	return false;
}

// A camera fitted to the chart at every angle would move in and out as the chart turns: an orbit keeps one distance,
// the farthest a fitted camera takes at the angles it passes in the first frame, with room for the aim point, which
// is then the chart's centre rather than the middle of its picture.
float FrameWriter::OrbitDistance(const io::ExportScene& scene)
{
	if (!_plot.orbit || _orbitDistance > 0.0f)
		return _orbitDistance;
	constexpr int kAngles = 36;
	const io::Bounds bounds = io::SceneBounds(scene);
	for (int a = 0; a <= kAngles; ++a)
	{
		render::ViewAngles view = _plot.view;
		view.azimuth = static_cast<float>(_plot.view.azimuth + *_plot.orbit * a / kAngles);
		const render::Camera camera = render::OrbitCamera(bounds, _plot.width, _plot.height, view);
		const float d = std::hypot(camera.eye[0] - camera.target[0], camera.eye[1] - camera.target[1],
		                           camera.eye[2] - camera.target[2]);
		_orbitDistance = std::max(_orbitDistance, d);
	}
	constexpr float kCentredAimRoom = 1.15f;
	_orbitDistance *= kCentredAimRoom;
	return _orbitDistance;
}

// Draws the frame's picture once and hands it to every video; the first frame opens them (at the document's frame
// rate) and the last one finishes them, inside the frame's batch.
bool FrameWriter::AddToVideos(const BaseDocument& doc, const io::ExportScene& scene, std::int32_t frame, bool lastFrame,
                              std::string& message)
{
	std::size_t videoCount = 0;
	std::string firstPath;
	for (std::size_t k = 0; k < _plan.outputs.size(); ++k)
	{
		const Output& out = _plan.outputs[k];
		if (out.kind != OutputKind::Video)
			continue;
		if (videoCount++ == 0)
			firstPath = out.path;
		if (_videos.size() <= k)
			_videos.resize(_plan.outputs.size());
		if (_videos[k] == nullptr)
		{
			_videos[k] = std::make_unique<render::VideoWriter>();
			if (!_videos[k]->Open(out.path, VideoOptionsOf(_plot, out.video, int(doc.GetFps())), message))
				return false;
		}
	}
	if (videoCount == 0)
		return true;
	if (!render::RenderScene(scene, FrameView(_plot, _annotations, frame, OrbitDistance(scene)), _picture, message))
	{
		message = firstPath + ": " + message;
		return false;
	}
	for (std::size_t k = 0; k < _videos.size(); ++k)
	{
		if (_videos[k] == nullptr)
			continue;
		// The last video takes the picture itself (and gives back a buffer to draw the next one into).
		const bool last = --videoCount == 0;
		if (!last)
			_handed = _picture;
		if (!_videos[k]->AddFrame(last ? _picture : _handed, message) || (lastFrame && !_videos[k]->Finish(message)))
			return false;
	}
	return true;
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
