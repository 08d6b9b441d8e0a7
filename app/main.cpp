// surfax-host: loads the Surfax plug-in like the 3D application does, evaluates documents and prints what they hold.
#include "app/commands.h"

#include "app/option_text.h"
#include "host/plugins/loader.h"

#include <CLI/CLI.hpp>

#include "host/core/interruption.h"

#include <cstdio>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace
{
using namespace surfax::app;

constexpr const char* kGlobalOptionsWithValue[] = {"--plugins", "--host-version", "--answer"};
constexpr const char* kGlobalFlags[] = {"--quiet", "--no-open", "--help", "-h", "--version"};
constexpr const char* kCommands[] = {"describe", "eval", "plot", "calc"};

bool IsOneOf(const std::string& arg, const auto& list)
{
	for (const char* entry : list)
	{
		if (arg == entry)
			return true;
	}
	return false;
}

bool IsGlobalOptionWithInlineValue(const std::string& arg)
{
	for (const char* option : kGlobalOptionsWithValue)
	{
		const std::string prefix = std::string(option) + "=";
		if (arg.compare(0, prefix.size(), prefix) == 0)
			return true;
	}
	return false;
}

// Index of the first argument after the global options (the command's name when the line is well formed).
std::size_t CommandIndex(const std::vector<std::string>& args)
{
	std::size_t i = 1;
	while (i < args.size())
	{
		if (IsOneOf(args[i], kGlobalOptionsWithValue))
			i += 2;
		else if (IsOneOf(args[i], kGlobalFlags) || IsGlobalOptionWithInlineValue(args[i]))
			i += 1;
		else
			break;
	}
	return i;
}

// Expressions such as "-Sin(90)" look like options to the parser. Everything after `calc` that is not a global
// option is therefore passed behind "--", which makes it positional.
std::vector<std::string> ProtectCalcExpressions(const std::vector<std::string>& args)
{
	const std::size_t i = CommandIndex(args);
	if (i >= args.size() || args[i] != "calc")
		return args;
	std::vector<std::string> options(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1);
	std::vector<std::string> expressions;
	for (std::size_t k = i + 1; k < args.size(); ++k)
	{
		if (IsOneOf(args[k], kGlobalOptionsWithValue) && k + 1 < args.size())
		{
			options.push_back(args[k]);
			options.push_back(args[++k]);
		}
		else if (IsOneOf(args[k], kGlobalFlags) || IsGlobalOptionWithInlineValue(args[k]))
		{
			options.push_back(args[k]);
		}
		else
		{
			expressions.push_back(args[k]);
		}
	}
	if (!expressions.empty())
	{
		options.push_back("--");
		options.insert(options.end(), expressions.begin(), expressions.end());
	}
	return options;
}

// A CLI11 check: "" for a finite positive number, else the message.
std::string CheckPositiveNumber(std::string& text)
{
	char* end = nullptr;
	const double v = std::strtod(text.c_str(), &end);
	return end != text.c_str() && *end == '\0' && v > 0.0 && v < 1e30 ? std::string() : "expected a positive number";
}
} // namespace

int Run(int argc, char** argv)
{
	GlobalOptions global;
	global.hostVersion = surfax::plugins::kDefaultApiVersion;
	EvalOptions eval;
	bool describeJson = false;
	std::vector<std::string> expressions;
	std::string answer = "no";

	CLI::App app("Loads the Surfax plug-in as the 3D application does, evaluates documents and prints them.",
	             "surfax-host");
	app.fallthrough();
	// A command is required unless --version is given; checked after parsing.
	app.require_subcommand(0, 1);
	app.add_option("--plugins", global.pluginFolders,
	               "Plug-in folder to load (repeatable; default: " + DefaultPluginFolder() + ")")
	    ->type_name("DIR")
	    ->allow_extra_args(false);
	app.add_option("--host-version", global.hostVersion, "API version the host reports to plug-ins")
	    ->type_name("N")
	    ->capture_default_str();
	app.add_option("--answer", answer, "Answer to question dialogs")
	    ->type_name("yes|no")
	    ->check(CLI::IsMember({"yes", "no"}))
	    ->capture_default_str();
	app.add_flag("--quiet", global.quiet, "Print no host messages (errors are still printed)");
	app.add_flag("--no-open", global.noOpen, "Do not hand files to the system's opener (help pages)");
	bool showVersion = false;
	app.add_flag("--version", showVersion, "Print the program's, the host API's and the plug-ins' versions");

	CLI::App* describe = app.add_subcommand("describe", "List the plug-ins, their object types and parameters");
	describe->add_flag("--json", describeJson, "Print JSON");

	CLI::App* evalCommand = app.add_subcommand("eval", "Load a document, edit it, evaluate it, dump and/or save it");
	evalCommand->add_option("DOC", eval.document, "Document (JSON)")->required()->type_name("DOC.json");
	std::int32_t frameValue = 0;
	CLI::Option* frame = evalCommand->add_option("--frame", frameValue, "Document time as a frame")->type_name("N");
	evalCommand->add_option("--set", eval.sets, "Edit a parameter as the attribute panel does (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL=VALUE")
	    ->allow_extra_args(false);
	evalCommand->add_option("--press", eval.presses, "Press a button after all edits (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL")
	    ->allow_extra_args(false);
	evalCommand
	    ->add_option("--drag", eval.drags,
	                 "Drag a handle to a position in the object's coordinates, after the edits (repeatable)")
	    ->type_name("[OBJECTNAME:]INDEX=X,Y,Z")
	    ->allow_extra_args(false);
	evalCommand->add_flag("--dump", eval.dump, "Print the evaluated document as JSON");
	evalCommand->add_flag("--draw", eval.draw, "Include what objects draw in the dump");
	evalCommand->add_option("--save", eval.save, "Save the evaluated document")->type_name("OUT.json");

	PlotOptions plot;
	std::string plotFormula, plotWith, plotFrames, plotSize;
	std::int32_t plotFrame = 0;
	CLI::App* plotCommand =
	    app.add_subcommand("plot", "Build a chart from a formula and write it as glTF, OBJ, PNG or the JSON dump");
	CLI::Option* plotFormulaOption =
	    plotCommand->add_option("FORMULA", plotFormula, "y = f(x, z), as typed into the plot object")
	        ->type_name("\"FORMULA\"");
	plotCommand->add_option("--set", plot.sets, "Edit a parameter of the plot or a component (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL=VALUE")
	    ->allow_extra_args(false);
	CLI::Option* plotWithOption =
	    plotCommand->add_option("--with", plotWith, "Components to add: mesh,grid,cage,label, all (default) or none")
	        ->type_name("COMPONENTS");
	plotCommand->add_option("--press", plot.presses, "Press a button after all edits (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL")
	    ->allow_extra_args(false);
	CLI::Option* plotFrameOption =
	    plotCommand->add_option("--frame", plotFrame, "Document time as a frame")->type_name("N");
	CLI::Option* plotFramesOption =
	    plotCommand
	        ->add_option("--frames", plotFrames,
	                     "Evaluate frames A to B in turn: files are numbered (chart-0001.png), glTF is one animation")
	        ->type_name("A..B")
	        ->excludes(plotFrameOption)
	        ->check(CLI::Validator(
	            [](std::string& text)
	            {
		            std::int32_t first = 0, last = 0;
		            std::string message;
		            return ParseFrameRange(text, first, last, message) ? std::string() : message;
	            },
	            ""));
	plotCommand
	    ->add_option("-o", plot.outputs,
	                 "Output file, by extension: .glb .gltf .obj .png .html/.htm .json (repeatable)")
	    ->type_name("FILE")
	    ->allow_extra_args(false);
	plotCommand
	    ->add_option("--size", plotSize, "Size of PNG outputs and of the picture a page frames (default 800x600)")
	    ->type_name("WxH")
	    ->check(CLI::Validator(
	        [](std::string& text)
	        {
		        int width = 0, height = 0;
		        std::string message;
		        return ParsePreviewSize(text, width, height, message) ? std::string() : message;
	        },
	        ""));
	std::string plotUnitScale;
	plotCommand
	    ->add_option("--unit-scale", plotUnitScale,
	                 "glTF: metres per scene unit, the scale of the root node (default 0.01: centimetres)")
	    ->type_name("S")
	    ->check(CLI::Validator(
	        [](std::string& text)
	        {
		        double scale = 0.0;
		        std::string message;
		        return ParseUnitScale(text, scale, message) ? std::string() : message;
	        },
	        ""));
	plotCommand
	    ->add_option("--wire-width", plot.wireWidth,
	                 "Grid and cage as tubes this wide (scene units), which renderers draw; default: lines")
	    ->type_name("W")
	    ->check(CLI::Validator(CheckPositiveNumber, ""));
	std::string plotCamera, plotBackground;
	plotCommand
	    ->add_option(
	        "--camera", plotCamera,
	        "PNG and page view in degrees around and above the chart, and the eye's distance (default 35,28 fitted)")
	    ->type_name("AZIMUTH,ELEVATION[,DISTANCE]")
	    ->check(CLI::Validator(
	        [](std::string& text)
	        {
		        surfax::render::ViewAngles view;
		        std::string message;
		        return ParseViewAngles(text, view, message) ? std::string() : message;
	        },
	        ""));
	plotCommand
	    ->add_option(
	        "--background", plotBackground,
	        "PNG and page background: transparent, #RRGGBB, #RRGGBBAA, black, white, grey or slate (the default)")
	    ->type_name("COLOR|transparent")
	    ->check(CLI::Validator(
	        [](std::string& text)
	        {
		        std::uint8_t rgba[4];
		        std::string message;
		        return ParseBackground(text, rgba, message) ? std::string() : message;
	        },
	        ""));
	std::string plotPngCompression;
	plotCommand
	    ->add_option("--png-compression", plotPngCompression,
	                 "zlib level of PNG outputs: 0 (fastest, largest) to 9 (smallest, slowest); default 6")
	    ->type_name("0..9")
	    ->check(CLI::Validator(
	        [](std::string& text)
	        {
		        int level = 0;
		        std::string message;
		        return ParsePngCompression(text, level, message) ? std::string() : message;
	        },
	        ""));
	plotCommand->add_flag("--dump", plot.dump, "Print the evaluated document as JSON");
	plotCommand->add_flag("--draw", plot.draw, "Include what objects draw in the dump");
	plotCommand->add_option("--save", plot.save, "Save the evaluated document")->type_name("OUT.json");

	CLI::App* calc = app.add_subcommand("calc", "Print what the number entry makes of each expression");
	calc->add_option("EXPR", expressions, "Expression")->required();

	std::vector<std::string> args(argv, argv + argc);
	// CLI11 would call an unknown command an unexpected argument; a person wants to hear that it is no command.
	if (const std::size_t command = CommandIndex(args); command < args.size() && !args[command].empty() &&
	                                                    args[command][0] != '-' && !IsOneOf(args[command], kCommands))
	{
		std::fprintf(stderr, "surfax-host: '%s' is not a command; see --help\n", args[command].c_str());
		return kExitUsage;
	}
	args = ProtectCalcExpressions(args);
	try
	{
		// CLI11 takes the arguments in reverse order.
		std::vector<std::string> reversed(args.rbegin(), args.rend() - 1);
		app.parse(reversed);
	}
	catch (const CLI::CallForHelp& e)
	{
		return app.exit(e);
	}
	catch (const CLI::CallForAllHelp& e)
	{
		return app.exit(e);
	}
	catch (const CLI::ParseError& e)
	{
		PrintError("command line", e.what());
		std::fprintf(stderr, "Run with --help for more information.\n");
		return kExitUsage;
	}
	if (!showVersion && app.get_subcommands().empty())
	{
		PrintError("command line", "A subcommand is required");
		std::fprintf(stderr, "Run with --help for more information.\n");
		return kExitUsage;
	}
	global.answerYes = answer == "yes";
	ApplyGlobalOptions(global);
	if (showVersion)
		return RunVersion(global);

	if (describe->parsed())
		return RunDescribe(global, describeJson);
	if (calc->parsed())
		return RunCalc(expressions);
	if (plotCommand->parsed())
	{
		std::string ignored;
		if (plotFormulaOption->count() > 0)
			plot.formula = plotFormula;
		if (plotWithOption->count() > 0)
			plot.with = plotWith;
		if (plotFrameOption->count() > 0)
		{
			plot.frameGiven = true;
			plot.firstFrame = plot.lastFrame = plotFrame;
		}
		if (plotFramesOption->count() > 0)
		{
			plot.frameGiven = plot.numbered = true;
			ParseFrameRange(plotFrames, plot.firstFrame, plot.lastFrame, ignored);
		}
		if (!plotSize.empty())
			ParsePreviewSize(plotSize, plot.width, plot.height, ignored);
		if (!plotCamera.empty())
			ParseViewAngles(plotCamera, plot.view, ignored);
		if (!plotBackground.empty())
			ParseBackground(plotBackground, plot.background.data(), ignored);
		if (!plotUnitScale.empty())
			ParseUnitScale(plotUnitScale, plot.unitScale, ignored);
		if (!plotPngCompression.empty())
			ParsePngCompression(plotPngCompression, plot.pngCompression, ignored);
		return RunPlot(global, plot);
	}
	if (frame->count() > 0)
		eval.frame = frameValue;
	return RunEval(global, eval);
}

namespace
{
// What an error that reaches main is placed at: the command (or --version), found without allocating.
const char* CommandOf(int argc, char** argv)
{
	for (int i = 1; i < argc; ++i)
	{
		if (std::strcmp(argv[i], "--version") == 0)
			return argv[i];
		for (const char* command : kCommands)
		{
			if (std::strcmp(argv[i], command) == 0)
				return command;
		}
	}
	return "surfax-host";
}
} // namespace

int main(int argc, char** argv)
{
	surfax::core::InstallStopSignalHandlers();
	int code = kExitError;
	// Memory can run out anywhere (a document of a million objects under a memory cap): the run ends with a message
	// and exit code 1, and the destructors on the way out remove the temporaries, so old files stay as they were.
	try
	{
		code = Run(argc, argv);
	}
	catch (const std::bad_alloc&)
	{
		std::fprintf(stderr, "surfax-host: %s: out of memory\n", CommandOf(argc, argv));
	}
	catch (const std::exception& e)
	{
		std::fprintf(stderr, "surfax-host: %s: %s\n", CommandOf(argc, argv), e.what());
	}
	// Standard output is the result of dump, describe, calc and --version: a write that failed is the run's error.
	if (std::string reason; !FinishStandardOutput(reason))
	{
		PrintError("standard output", reason);
		code = code == kExitOk ? kExitError : code;
	}
	// A command that saw the request stopped early: its exit code says so, whatever else it reported.
	if (const int signal = surfax::core::InterruptionSignal(); signal != 0)
		return kExitSignalBase + signal;
	return code;
}
