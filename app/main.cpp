// surfax-host: loads the Surfax plug-in like the 3D application does, evaluates documents and prints what they hold.
// This file holds the global options, the table of commands, the signals and the dispatch; each command declares its
// own options beside its run function (app/NAME_command.cpp), and app/cli.cpp reads the line before CLI11 does.
#include "app/calc_command.h"
#include "app/cli.h"
#include "app/describe_command.h"
#include "app/eval_command.h"
#include "app/plot_command.h"
#include "app/version_command.h"
#include "host/core/interruption.h"
#include "host/plugins/loader.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <map>
#include <new>

namespace
{
using namespace surfax::app;

// The commands, in the order --help lists them.
constexpr const CommandDeclaration* kCommands[] = {&kDescribeCommand, &kEvalCommand, &kPlotCommand, &kCalcCommand};

int Run(int argc, char** argv)
{
	GlobalOptions global;
	global.hostVersion = surfax::plugins::kDefaultApiVersion;
	std::string answer = "no";
	bool showVersion = false;
	CLI::App app("Loads the Surfax plug-in as the 3D application does, evaluates documents and prints them.",
	             "surfax-host");
	app.fallthrough();
	app.require_subcommand(0, 1); // a command is required unless --version is given; checked after parsing
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
	app.add_flag("--version", showVersion, "Print the program's, the host API's and the plug-ins' versions");
	std::map<const CLI::App*, CommandRun> runs;
	for (const CommandDeclaration* command : kCommands)
	{
		CLI::App* subcommand = app.add_subcommand(command->name, command->description);
		runs[subcommand] = command->declare(*subcommand);
	}
	if (int code = kExitOk; !ParseCommandLine(app, kCommands, argc, argv, code))
		return code;
	if (!showVersion && app.get_subcommands().empty())
		return CommandLineError("A subcommand is required");
	global.answerYes = answer == "yes";
	ApplyGlobalOptions(global);
	return showVersion ? RunVersion(global) : runs.at(app.get_subcommands().front())(global);
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
	catch (const std::exception& e)
	{
		const bool memory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
		std::fprintf(stderr, "surfax-host: %s: %s\n", CommandOf(argc, argv, kCommands),
		             memory ? "out of memory" : e.what());
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
