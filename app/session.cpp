// Global options, plug-in loading and error output shared by the commands.
#include "app/commands.h"

#include "host/core/diagnostics.h"
#include "host/core/memory.h"
#include "host/plugins/loader.h"
#include "host/user/actions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace surfax::app
{
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
