// Test support: running the built surfax-host in a folder, with its output, errors and exit code.
#ifndef SURFAX_TESTS_SUPPORT_HOST_COMMAND_H
#define SURFAX_TESTS_SUPPORT_HOST_COMMAND_H

#include <filesystem>
#include <string>
#include <vector>

namespace surfax::test
{
struct HostRun
{
	int exitCode = -1;
	std::string out;
	std::string err;
};

/// arg quoted for the shell ('...', a quote inside written '\'').
std::string Quote(const std::string& arg);

/// Runs `surfax-host --no-open ARGS...` with `dir` as the current folder, empty stdin, and the host's messages on
/// (SURFAX_QUIET unset). stdout and stderr are captured through files in dir named .out and .err, removed after.
/// `prefix` is a shell command line put before the program (a memory cap, valgrind), empty for none.
HostRun RunHost(const std::filesystem::path& dir, const std::vector<std::string>& args, const std::string& prefix = {});

/// A fresh, empty folder for one test under the system's temporary folder, named after the running test.
std::filesystem::path MakeTestFolder(const std::string& prefix);

/// The bytes of a file (empty when it cannot be read).
std::string ReadText(const std::filesystem::path& path);

/// The names of the files in dir, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& dir);
} // namespace surfax::test

#endif
