// The commands of surfax-host and what they share: global options, plug-in loading, error output.
#ifndef SURFAX_APP_COMMANDS_H
#define SURFAX_APP_COMMANDS_H

#include "c4d.h"
#include "host/image/image.h"

#include "host/render/rasterizer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace surfax::app
{
// Exit codes: 0 success, 1 an error in the input or while running, 2 a malformed command line.
constexpr int kExitOk = 0;
constexpr int kExitError = 1;
constexpr int kExitUsage = 2;
// Stopped by SIGINT or SIGTERM: 128 + the signal (130, 143), as shells report a process ended by it.
constexpr int kExitSignalBase = 128;

struct GlobalOptions
{
	std::vector<std::string> pluginFolders; // empty: the build's default plug-in folder
	std::int32_t hostVersion = 0;
	bool answerYes = false;
	bool quiet = false;
	bool noOpen = false;
};

struct EvalOptions
{
	std::string document;
	std::optional<std::int32_t> frame;
	std::vector<std::string> sets;    // "SYMBOL=VALUE" or "OBJECTNAME:SYMBOL=VALUE", in command-line order
	std::vector<std::string> presses; // "SYMBOL" or "OBJECTNAME:SYMBOL"
	std::vector<std::string> drags;   // "INDEX=X,Y,Z" or "OBJECTNAME:INDEX=X,Y,Z", after the edits, before presses
	bool dump = false;
	bool draw = false;
	std::string save; // empty: do not save
};

/// Prints "surfax-host: WHERE: message" on stderr (always, also with --quiet: errors are the result).
void PrintError(std::string_view where, std::string_view message);

/// Writes text to standard output and flushes it. A failure (a full disk, /dev/full) is remembered for
/// FinishStandardOutput, which turns it into the run's error.
void WriteStandardOutput(std::string_view text);
/// Flushes standard output (the C stream and std::cout). False with `reason` ("cannot be written (No space left on
/// device)") when any write to it failed since the program started.
bool FinishStandardOutput(std::string& reason);

/// Applies the global options to the host (API version, answers, quiet, opening files).
void ApplyGlobalOptions(const GlobalOptions& options);

/// Loads the plug-ins of the folders (the default folder when none are given) and keeps them until the session
/// ends; the destructor unloads them. Refusals and failures are reported by the loader and do not stop the others.
class PluginSession
{
public:
	explicit PluginSession(const GlobalOptions& options);
	~PluginSession();
	PluginSession(const PluginSession&) = delete;
	PluginSession& operator=(const PluginSession&) = delete;

	/// The folders that were searched, in order.
	const std::vector<std::string>& Folders() const { return _folders; }

private:
	std::vector<std::string> _folders;
};

/// The folder searched when no --plugins is given.
std::string DefaultPluginFolder();

/// Splits "OBJECTNAME:SYMBOL" into name (empty when there is no ':') and symbol, at the last ':'.
void SplitTarget(std::string_view target, std::string& objectName, std::string& symbol);

/// Applies one --set edit through the attribute panel's path (clamped, messages 19 and 17). False with a message.
bool ApplySet(cinema::BaseDocument& doc, std::string_view edit, std::string& message);
/// Drags a handle (--drag "[OBJECTNAME:]INDEX=X,Y,Z", the position in the object's coordinates): the named object,
/// or the first object in document order with that many handles. False with a message.
bool ApplyDrag(cinema::BaseDocument& doc, std::string_view drag, std::string& message);
/// Presses one button (--press). False with a message when no object declares it or it is not a button.
bool ApplyPress(cinema::BaseDocument& doc, std::string_view target, std::string& message);

struct PlotOptions
{
	std::optional<std::string> formula; // typed into PLOT_FORMULA when given
	std::optional<std::string> with;    // "mesh,grid,cage,label" (any of them), "all" or "none"; unset: all
	std::vector<std::string> sets;      // as EvalOptions::sets, applied after the components are added
	std::vector<std::string> presses;   // as EvalOptions::presses, after the edits
	bool frameGiven = false;            // --frame or --frames: set the document time before each evaluation
	std::int32_t firstFrame = 0;
	std::int32_t lastFrame = 0;
	bool numbered = false; // --frames: every output but glTF is written once per frame as NAME-0001.EXT (NAME-m001.EXT
	                       // for frame -1); a glTF output is one animated file
	std::vector<std::string> outputs; // by extension: .glb, .gltf, .obj, .png, .json (the dump)
	bool dump = false;                // print the dump on stdout
	bool draw = false;                // drawings in the dump (stdout and .json outputs)
	std::string save;                 // save the document here after the last evaluation; empty: do not
	int width = 800;                  // PNG size
	int height = 600;
	double unitScale = 0.01; // glTF: metres per scene unit (--unit-scale)
	double wireWidth = 0.0;  // --wire-width: grid and cage as tubes this wide (scene units) in every output; 0: lines
	render::ViewAngles view; // PNG camera (--camera)
	std::array<std::uint8_t, 4> background = {render::kPreviewBackground[0], render::kPreviewBackground[1],
	                                          render::kPreviewBackground[2], render::kPreviewBackground[3]};
	int pngCompression = io::kDefaultPngCompression; // zlib level of PNG outputs, 0..9
};

/// --version: program version, host API version, and each plug-in library of the plug-in folders with its module
/// id, framework and entry versions and whether it loaded.
int RunVersion(const GlobalOptions& options);
int RunDescribe(const GlobalOptions& options, bool json);
int RunEval(const GlobalOptions& options, const EvalOptions& eval);
int RunCalc(const std::vector<std::string>& expressions);
/// The plot command: a new document with a plot object made from the menu, the formula and edits applied, the
/// components added, evaluated as a render (each frame of --frames in turn), then every output written. With no
/// outputs, no dump and no --save the chart goes to surfax-chart.glb and surfax-chart.png in the current folder.
/// Exit codes as above; a bad output extension or component name is a usage error (2). The files of one frame (with
/// --save on the last frame) are renamed into place together once all of them were written (core::OutputBatch); a
/// failure leaves earlier frames and every old file of the failed frame as they were. SIGINT or SIGTERM stops at the
/// next frame or write, keeps the finished frames, reports how many there are and exits with kExitSignalBase + signal.
int RunPlot(const GlobalOptions& options, PlotOptions plot);
} // namespace surfax::app

#endif
