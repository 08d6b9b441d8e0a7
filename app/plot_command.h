// surfax-host plot: builds a chart the way a person does in the application (a plot object from the menu, the
// formula and parameters typed into the attribute panel, components added with the plot's button), evaluates it as a
// render, each frame of --frames in turn, and hands every frame to its outputs (app/plot_outputs.h).
#ifndef SURFAX_APP_PLOT_COMMAND_H
#define SURFAX_APP_PLOT_COMMAND_H

#include "app/cli.h"
#include "app/parameter_edits.h"

#include "host/image/image.h"
#include "host/render/rasterizer.h"
#include "host/render/video_writer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace surfax::app
{
struct PlotOptions
{
	std::optional<std::string> formula; // typed into PLOT_FORMULA when given
	std::optional<std::string> with;    // "mesh,grid,cage,label" (any of them), "all" or "none"; unset: all
	Edits edits;                        // --set, then --press, after the components are added (no drags)
	bool frameGiven = false;            // --frame or --frames: set the document time before each evaluation
	std::int32_t firstFrame = 0;
	std::int32_t lastFrame = 0;
	bool numbered = false; // --frames: every output but glTF and pages is written once per frame as NAME-0001.EXT
	                       // (NAME-m001.EXT for frame -1); a glTF output or a page holds every frame in one file
	std::vector<std::string> outputs; // by extension: .glb, .gltf, .obj, .png, .html/.htm, .json (the dump), and the
	                                  // videos .mp4, .webm, .gif, .webp (every frame in one file)
	bool dump = false;                // print the dump on stdout
	bool draw = false;                // drawings in the dump (stdout and .json outputs)
	std::string save;                 // save the document here after the last evaluation; empty: do not
	int width = render::kDefaultPreviewWidth; // PNG size, and the picture a page frames
	int height = render::kDefaultPreviewHeight;
	double unitScale = 0.01; // glTF: metres per scene unit (--unit-scale)
	double wireWidth = 0.0;  // --wire-width: grid and cage as tubes this wide (scene units) in every output; 0: lines
	render::ViewAngles view; // PNG and page camera (--camera)
	std::array<std::uint8_t, 4> background = {render::kPreviewBackground[0], render::kPreviewBackground[1],
	                                          render::kPreviewBackground[2], render::kPreviewBackground[3]};
	int pngCompression = io::kDefaultPngCompression; // zlib level of PNG outputs, 0..9
	bool antialias = true;  // --antialias off: triangles of PNG outputs with one sample per pixel (hard edges)
	float lineWidth = 0.0f; // --line-width: PNG lines in pixels; 0: 1 pixel at 800x600, scaled with the picture
	bool colorKey = true;   // --color-key off: no colour key in PNG outputs
	bool axisNames = true;  // --axis-names off: no axis names in PNG outputs
	int videoQuality = render::kDefaultVideoQuality; // .mp4, .webm and .webp outputs, 0..100 (render::QualityFor)
	/// --orbit: degrees the camera turns over the frames of --frames; frame k of N looks from the azimuth of `view`
	/// plus orbit * k / N, so that a full turn does not show its first picture twice
	std::optional<double> orbit;
};

/// The plot command for main.cpp's table.
extern const CommandDeclaration kPlotCommand;

/// The plot command: a new document with a plot object made from the menu, the formula and edits applied, the
/// components added, evaluated as a render (each frame of --frames in turn), then every output written. With no
/// outputs, no dump and no --save the chart goes to surfax-chart.glb and surfax-chart.png in the current folder.
/// Exit codes as in app/cli.h; a bad output extension or component name is a usage error (2). The files of one frame
/// (with --save on the last frame) are renamed into place together once all of them were written (core::OutputBatch);
/// a failure leaves earlier frames and every old file of the failed frame as they were. A video is put in place with
/// the last frame's files; a single frame to a video extension makes a video of one frame. SIGINT or SIGTERM stops at
/// the next frame or write, keeps the finished frames, reports how many there are and exits with kExitSignalBase +
/// signal.
int RunPlot(const GlobalOptions& options, PlotOptions plot);
} // namespace surfax::app

#endif
