// Global options, the command line before it is parsed, plug-in loading and output shared by the commands.
#include "app/cli.h"

#include "host/core/diagnostics.h"
#include "host/core/memory.h"
#include "host/core/output_file.h"
#include "host/document/dump.h"
#include "host/draw/draw_recorder.h"
#include "host/plugins/loader.h"
#include "host/user/actions.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace surfax::app
{
namespace
{
// How many arguments after itself a global option of app takes from the line: 0 for a flag or "--option=value", 1
// for an option with its value apart, -1 when arg is no global option.
int GlobalOptionValues(const CLI::App& app, const std::string& arg)
{
	if (arg.size() < 2 || arg[0] != '-')
		return -1;
	const std::size_t equals = arg.find('=');
	const CLI::Option* option = app.get_option_no_throw(arg.substr(0, equals));
	if (option == nullptr)
		return -1;
	const bool takesValue = option->get_expected_max() != 0;
	if (equals != std::string::npos)
		return takesValue ? 0 : -1;
	return takesValue ? 1 : 0;
}

// Index in args (args[0] being the program) of the first argument after the global options: the command's name when
// the line is well formed. A global option's value ("--plugins DIR" or "--plugins=DIR") is skipped with it.
std::size_t CommandIndex(const CLI::App& app, const std::vector<std::string>& args)
{
	std::size_t i = 1;
	while (i < args.size())
	{
		const int values = GlobalOptionValues(app, args[i]);
		if (values < 0)
			break;
		i += 1 + static_cast<std::size_t>(values);
	}
	return i;
}

// args with every argument after args[command] that is not a global option moved behind "--".
std::vector<std::string> ProtectRawArguments(const CLI::App& app, const std::vector<std::string>& args,
                                             std::size_t command)
{
	std::vector<std::string> options(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(command) + 1);
	std::vector<std::string> raw;
	for (std::size_t k = command + 1; k < args.size(); ++k)
	{
		const int values = GlobalOptionValues(app, args[k]);
		if (values < 0 || (values == 1 && k + 1 == args.size()))
		{
			raw.push_back(args[k]);
			continue;
		}
		options.push_back(args[k]);
		if (values == 1)
			options.push_back(args[++k]);
	}
	if (!raw.empty())
	{
		options.push_back("--");
		options.insert(options.end(), raw.begin(), raw.end());
	}
	return options;
}
} // namespace

bool ParseCommandLine(CLI::App& app, std::span<const CommandDeclaration* const> commands, int argc, char** argv,
                      int& exitCode)
{
	std::vector<std::string> args(argv, argv + argc);
	const std::size_t index = CommandIndex(app, args);
	const CommandDeclaration* given = nullptr;
	for (const CommandDeclaration* command : commands)
		given = index < args.size() && args[index] == command->name ? command : given;
	// CLI11 would call an unknown command an unexpected argument; a person wants to hear that it is no command.
	if (given == nullptr && index < args.size() && !args[index].empty() && args[index][0] != '-')
	{
		std::fprintf(stderr, "surfax-host: '%s' is not a command; see --help\n", args[index].c_str());
		exitCode = kExitUsage;
		return false;
	}
	if (given != nullptr && given->rawArguments)
		args = ProtectRawArguments(app, args, index);
	try
	{
		// CLI11 takes the arguments in reverse order.
		app.parse(std::vector<std::string>(args.rbegin(), args.rend() - 1));
		return true;
	}
	catch (const CLI::CallForHelp& e)
	{
		exitCode = app.exit(e);
	}
	catch (const CLI::CallForAllHelp& e)
	{
		exitCode = app.exit(e);
	}
	catch (const CLI::ParseError& e)
	{
		exitCode = CommandLineError(e.what());
	}
	return false;
}

int CommandLineError(std::string_view message)
{
	PrintError("command line", message);
	std::fprintf(stderr, "Run with --help for more information.\n");
	return kExitUsage;
}

const char* CommandOf(int argc, char** argv, std::span<const CommandDeclaration* const> commands)
{
	for (int i = 1; i < argc; ++i)
	{
		if (std::strcmp(argv[i], "--version") == 0)
			return argv[i];
		for (const CommandDeclaration* command : commands)
		{
			if (std::strcmp(argv[i], command->name) == 0)
				return command->name;
		}
	}
	return "surfax-host";
}

void PrintError(std::string_view where, std::string_view message)
{
	std::fprintf(stderr, "surfax-host: %.*s: %.*s\n", static_cast<int>(where.size()), where.data(),
	             static_cast<int>(message.size()), message.data());
}

namespace
{
int g_standardOutputError = 0; // errno of the first failed write to standard output
} // namespace

void WriteStandardOutput(std::string_view text)
{
	errno = 0;
	if ((std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) &&
	    g_standardOutputError == 0)
		g_standardOutputError = errno != 0 ? errno : EIO;
}

bool FinishStandardOutput(std::string& reason)
{
	errno = 0;
	if (std::fflush(stdout) != 0 && g_standardOutputError == 0)
		g_standardOutputError = errno != 0 ? errno : EIO;
	std::cout.flush();
	if (g_standardOutputError == 0 && (std::ferror(stdout) || std::cout.fail()))
		g_standardOutputError = EIO;
	if (g_standardOutputError == 0)
		return true;
	reason = std::string("cannot be written (") + std::strerror(g_standardOutputError) + ")";
	return false;
}

CLI::Option* DeclareReadOption(CLI::App& command, std::string& sink, const char* name, const char* type,
                               const char* help, OptionReader read)
{
	const CLI::Validator check(
	    [read = std::move(read)](std::string& text)
	    {
		    std::string message;
		    return read(text, message) ? std::string() : message;
	    },
	    "");
	return command.add_option(name, sink, help)->type_name(type)->check(check);
}

void DeclareDocumentOutputs(CLI::App& command, bool& dump, bool& draw, std::string& save)
{
	command.add_flag("--dump", dump, "Print the evaluated document as JSON");
	command.add_flag("--draw", draw, "Include what objects draw in the dump");
	command.add_option("--save", save, "Save the evaluated document")->type_name("OUT.json");
}

void Progress(const std::string& text)
{
	if (!core::IsQuiet())
		std::fprintf(stderr, "surfax-host: %s\n", text.c_str());
}

bool WriteDump(cinema::BaseDocument& doc, const std::string& path, bool drawings, std::string& message)
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

void ApplyGlobalOptions(const GlobalOptions& options)
{
	plugins::SetHostApiVersion(options.hostVersion);
	user::SetDefaultAnswer(options.answerYes);
	user::SetOpenFiles(!options.noOpen);
	if (options.quiet)
	{
		core::SetQuiet(true);
		core::SetDebugReportsQuiet(true);
	}
}

std::string DefaultPluginFolder()
{
	return plugins::DefaultPluginRoot() + "/surfax";
}

PluginSession::PluginSession(const GlobalOptions& options) : _folders(options.pluginFolders)
{
	if (_folders.empty())
		_folders.push_back(DefaultPluginFolder());
	for (const std::string& folder : _folders)
	{
		std::error_code ec;
		if (!std::filesystem::exists(folder, ec))
		{
			core::Report(folder + ": no such plug-in folder");
			continue;
		}
		const std::vector<std::string> libraries = plugins::FindPluginLibraries(folder);
		if (libraries.empty())
			core::Report(folder + ": no plug-in library found");
		for (const std::string& library : libraries)
			plugins::LoadPlugin(library);
	}
}

PluginSession::~PluginSession()
{
	plugins::UnloadAllPlugins();
}
} // namespace surfax::app
