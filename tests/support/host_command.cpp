#include "support/host_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace surfax::test
{
std::string Quote(const std::string& arg)
{
	std::string quoted = "'";
	for (const char c : arg)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}

HostRun RunHost(const std::filesystem::path& dir, const std::vector<std::string>& args, const std::string& prefix)
{
	std::string command = "cd " + Quote(dir.string()) + " && env -u SURFAX_QUIET " + prefix;
	command += ' ';
	command += Quote(SURFAX_HOST_EXE);
	command += " --no-open";
	for (const std::string& arg : args)
	{
		command += ' ';
		command += Quote(arg);
	}
	command += " < /dev/null > .out 2> .err";
	const int status = std::system(command.c_str());
	HostRun run;
	run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	run.out = ReadText(dir / ".out");
	run.err = ReadText(dir / ".err");
	std::error_code ignored;
	std::filesystem::remove(dir / ".out", ignored);
	std::filesystem::remove(dir / ".err", ignored);
	return run;
}

std::filesystem::path MakeTestFolder(const std::string& prefix)
{
	const std::filesystem::path dir =
	    std::filesystem::temp_directory_path() /
	    (prefix + "-" + std::to_string(getpid()) + "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
	std::error_code ignored;
	std::filesystem::remove_all(dir, ignored);
	std::filesystem::create_directories(dir);
	return dir;
}

std::string ReadText(const std::filesystem::path& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

std::vector<std::string> FilesIn(const std::filesystem::path& dir)
{
	std::vector<std::string> names;
	for (const auto& entry : std::filesystem::directory_iterator(dir))
		names.push_back(entry.path().filename().string());
	std::sort(names.begin(), names.end());
	return names;
}
} // namespace surfax::test
