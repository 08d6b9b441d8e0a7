// What the commands of surfax-host share: exit codes, the global options, plug-in loading, error and result output,
// and how a command declares itself to main.cpp, which parses the command line and runs the command given.
#ifndef SURFAX_APP_CLI_H
#define SURFAX_APP_CLI_H

#include "c4d.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace CLI
{
class App;
class Option;
} // namespace CLI

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

/// How a command runs once the command line is parsed, with the values its options received.
using CommandRun = std::function<int(const GlobalOptions& options)>;

/// One command of surfax-host, declared in the command's own unit beside its run function. main.cpp adds a
/// subcommand per declaration, calls `declare` on it, which adds the command's options bound to storage the returned
/// function owns, and after parsing runs the function of the command given.
struct CommandDeclaration
{
	const char* name;        // as typed: "plot"
	const char* description; // its line in --help
	CommandRun (*declare)(CLI::App& command);
	/// Every argument after the command's name that is no global option is the command's own, also one that looks
	/// like an option ("-Sin(90)" for calc).
	bool rawArguments = false;
};

/// Parses argv with app, on which main.cpp declared the global options and a subcommand per entry of commands. True
/// when the run goes on; false when it ends here with `exitCode`: kExitOk after printing help, kExitUsage after
/// printing what is wrong with the line (CommandLineError, or "'X' is not a command; see --help" for a first argument
/// after the global options that is no option and none of commands). The arguments of a command with rawArguments
/// that are no global options are all its own, whatever they look like.
bool ParseCommandLine(CLI::App& app, std::span<const CommandDeclaration* const> commands, int argc, char** argv,
                      int& exitCode);

/// Prints what is wrong with the command line as "surfax-host: command line: message" and a pointer to --help;
/// returns kExitUsage.
int CommandLineError(std::string_view message);

/// The command an error that reaches main is placed at: "--version" or the first argument that names one of
/// commands, else "surfax-host". Allocates nothing (it serves the out-of-memory message).
const char* CommandOf(int argc, char** argv, std::span<const CommandDeclaration* const> commands);

/// Prints "surfax-host: WHERE: message" on stderr (always, also with --quiet: errors are the result).
void PrintError(std::string_view where, std::string_view message);

/// Writes text to standard output and flushes it. A failure (a full disk, /dev/full) is remembered for
/// FinishStandardOutput, which turns it into the run's error.
void WriteStandardOutput(std::string_view text);
/// Flushes standard output (the C stream and std::cout). False with `reason` ("cannot be written (No space left on
/// device)") when any write to it failed since the program started.
bool FinishStandardOutput(std::string& reason);

/// Reads an option's text into a command's options: true when it fits, else false with a message.
using OptionReader = std::function<bool(const std::string& text, std::string& message)>;

/// Declares an option NAME TYPE of a command whose text `read` takes into the command's options while the parser
/// validates it, so that the reader's message is the error the parser reports after the option's name ("--size: bad
/// size '10': ..."). The text itself goes to `sink`, which nothing needs to read.
CLI::Option* DeclareReadOption(CLI::App& command, std::string& sink, const char* name, const char* type,
                               const char* help, OptionReader read);

/// Declares --dump, --draw and --save on a command that evaluates a document, bound to the three values.
void DeclareDocumentOutputs(CLI::App& command, bool& dump, bool& draw, std::string& save);

/// Prints a progress line "surfax-host: text" on stderr, unless --quiet.
void Progress(const std::string& text);

/// Writes the JSON dump of the evaluated doc, with what its objects draw when `drawings` is set, to the file at path
/// (in one go, core::OutputFile), or to standard output when path is empty. False with a message.
bool WriteDump(cinema::BaseDocument& doc, const std::string& path, bool drawings, std::string& message);

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
} // namespace surfax::app

#endif
