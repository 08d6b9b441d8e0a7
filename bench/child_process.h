// Benchmark support: running a program as a child process in a scratch folder and measuring it as a whole: wall time
// and peak resident memory (from the kernel's accounting of the finished process). The child inherits this process's
// CPU affinity, so `taskset -c 1` pins both.
#ifndef SURFAX_BENCH_CHILD_PROCESS_H
#define SURFAX_BENCH_CHILD_PROCESS_H

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace surfax::bench
{
struct ChildRun
{
	bool ok = false; // started, and exited with 0
	double seconds = 0.0;
	double peakBytes = 0.0;
};

/// The folder this benchmark program lies in (the build folder, beside surfax-host).
inline std::filesystem::path BuildFolder()
{
	return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

/// A scratch folder of the run, removed at exit.
inline const std::filesystem::path& WorkFolder()
{
	static const std::filesystem::path folder = []
	{
		std::string pattern = (std::filesystem::temp_directory_path() / "surfax-bench-XXXXXX").string();
		const char* made = mkdtemp(pattern.data());
		return made != nullptr ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
	}();
	static const struct Cleanup
	{
		~Cleanup() { std::filesystem::remove_all(folder); }
	} cleanup;
	return folder;
}

/// Runs args[0] (a path) with its arguments in the scratch folder, its output discarded, and waits for it.
inline ChildRun RunChild(std::vector<std::string> args)
{
	std::vector<char*> argv;
	for (std::string& a : args)
		argv.push_back(a.data());
	argv.push_back(nullptr);
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addchdir_np(&actions, WorkFolder().c_str());
	posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
	ChildRun run;
	const auto started = std::chrono::steady_clock::now();
	pid_t child = 0;
	if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
	{
		int status = 0;
		rusage usage{};
		if (wait4(child, &status, 0, &usage) == child)
		{
			run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
			run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
			run.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0; // ru_maxrss is in KiB on Linux
		}
	}
	posix_spawn_file_actions_destroy(&actions);
	return run;
}

/// Runs `surfax-host --plugins PLUGINS --no-open --quiet plot ARGS...` with the given program (by default the one
/// beside this benchmark, with its plug-in folder).
inline ChildRun RunPlot(const std::vector<std::string>& plotArguments,
                        const std::filesystem::path& host = BuildFolder() / "surfax-host")
{
	std::vector<std::string> args = {host.string(), "--plugins", (host.parent_path() / "plugins/surfax").string(),
	                                 "--no-open",   "--quiet",   "plot"};
	args.insert(args.end(), plotArguments.begin(), plotArguments.end());
	return RunChild(std::move(args));
}

/// A statistic for ComputeStatistics: the smallest value.
inline double Smallest(const std::vector<double>& values)
{
	return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}
} // namespace surfax::bench

#endif // SURFAX_BENCH_CHILD_PROCESS_H
