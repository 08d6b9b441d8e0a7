// The files of one `surfax-host plot` run: which writer each -o path goes to (by its extension), the numbered files
// of --frames, the frames an animated glTF or a chart page keeps until the last one, the batch that puts the files
// of one frame in place together, and the page's words about the chart.
#ifndef SURFAX_APP_PLOT_OUTPUTS_H
#define SURFAX_APP_PLOT_OUTPUTS_H

#include "app/formula_report.h"
#include "app/page_readout.h"
#include "app/plot_command.h"

#include "c4d.h"
#include "host/export/export_scene.h"
#include "host/render/chart_annotations.h"
#include "host/render/video_writer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace surfax::app
{
enum class OutputKind
{
	Glb,   // .glb
	Gltf,  // .gltf
	Obj,   // .obj, with its .mtl beside it
	Png,   // .png
	Page,  // .html or .htm: the chart page
	Dump,  // .json: the dump
	Video, // .mp4, .webm, .gif, .webp: every frame's picture in one file
};

struct Output
{
	std::string path;
	OutputKind kind;
	render::VideoFormat video = render::VideoFormat::Mp4; // of a Video
};

/// The outputs of a run, checked before anything is evaluated.
struct OutputPlan
{
	std::vector<Output> outputs;
	std::string viewer; // the chart page's viewer script; loaded only when a page is among the outputs
};

/// "chart.png" for frame 1 becomes "chart-0001.png" (in the same folder), frame -3 "chart-m003.png".
std::string NumberedPath(const std::string& path, std::int32_t frame);

/// Reads plot.outputs into plan, giving plot the default outputs (surfax-chart.glb and .png) when it asks for no
/// output, dump or --save. Returns kExitOk, or prints what is wrong and returns its exit code: an unknown extension,
/// two outputs that would write one file, or --dump with --frames (kExitUsage); a page whose viewer script cannot be
/// loaded (kExitError); a video the size, the background or the frame count does not suit (kExitUsage).
int PlanOutputs(PlotOptions& plot, OutputPlan& plan);

/// Writes the outputs of a run frame by frame. Outputs that hold every frame (glTF, pages) keep each frame's scene
/// until the last one when --frames is given. A video gets each frame's picture as it is drawn and encodes it on a
/// thread of its own while the next frame is evaluated and drawn here (the plug-in and the scene stay on this
/// thread); its file is made and put in place on this thread, with the last frame's files.
class FrameWriter
{
public:
	/// plot, plan, formulas and plotObject must outlive the writer; formulas and plotObject give a page its words
	/// and its readout's values (recorded from the first FormulaWatch::StartEvaluation on when a page is planned).
	FrameWriter(const PlotOptions& plot, const OutputPlan& plan, FormulaWatch& formulas,
	            const cinema::BaseObject& plotObject);

	/// Keeps a copy of the frame's scene when an output holds every frame. False with a message when the frames
	/// kept would exceed what one file may hold.
	bool KeepFrame(const io::ExportScene& scene, std::string& message);

	/// Writes every output of one evaluated frame of doc (numbered with --frames), and with the last frame the
	/// outputs that hold every frame and --save, all in one core::OutputBatch: either every file of the frame is in
	/// place, or none was replaced. Reports progress for large scenes. False with a message that starts with the
	/// file's path.
	bool Write(cinema::BaseDocument& doc, const io::ExportScene& scene, std::int32_t frame, bool lastFrame,
	           std::string& message);

private:
	bool WriteOne(cinema::BaseDocument& doc, const io::ExportScene& scene, const Output& out, std::int32_t frame,
	              std::string& message);
	bool WritePage(const cinema::BaseDocument& doc, const io::ExportScene& scene, const Output& out,
	               std::string& message);
	void KeepValues();
	float OrbitDistance(const io::ExportScene& scene);
	bool AddToVideos(const cinema::BaseDocument& doc, const io::ExportScene& scene, std::int32_t frame, bool lastFrame,
	                 std::string& message);

	const PlotOptions& _plot;
	const OutputPlan& _plan;
	FormulaWatch& _formulas;
	const cinema::BaseObject& _plotObject;
	bool _keepFrames = false;
	std::vector<io::ExportScene> _frames;
	std::size_t _keptCoordinates = 0;
	render::ChartAnnotations _annotations;                     // the PNG preview's, of the frame being written
	std::vector<std::unique_ptr<render::VideoWriter>> _videos; // one for each video output, opened with frame one
	io::Image _picture;                                        // the frame's picture, drawn once for every video
	io::Image _handed;                                         // a copy for all videos but the last
	float _orbitDistance = 0.0f; // --orbit without a camera distance: the eye's distance, from the first frame
	bool _hasPage = false;
	PageValues _pageValues; // the readout's values of every frame (of the last one without --frames)
};
} // namespace surfax::app

#endif
