// Nothing lost on failure: output files appear whole or not at all, a failed or interrupted write leaves the old file
// byte for byte and no temporary behind, and an interrupted animation keeps every finished frame.
#include "host/core/interruption.h"
#include "host/core/output_file.h"
#include "host/image/image.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using surfax::core::OutputBatch;
using surfax::core::OutputFile;

namespace
{
std::string ReadText(const fs::path& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

void WriteText(const fs::path& path, const std::string& text)
{
	std::ofstream(path, std::ios::binary) << text;
}

std::string Quote(const std::string& arg)
{
	std::string quoted = "'";
	for (const char c : arg)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}

class OutputSafety : public ::testing::Test
{
protected:
	void SetUp() override
	{
		dir = fs::temp_directory_path() / ("surfax-safety-" + std::to_string(getpid()) + "-" +
		                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
		fs::remove_all(dir);
		fs::create_directories(dir);
	}
	void TearDown() override
	{
		surfax::core::ClearInterruption();
		std::error_code ignored;
		fs::remove_all(dir, ignored);
	}

	// The names in dir, sorted (temporaries start with a dot).
	std::vector<std::string> Names() const
	{
		std::vector<std::string> names;
		for (const fs::directory_entry& entry : fs::directory_iterator(dir))
			names.push_back(entry.path().filename().string());
		std::sort(names.begin(), names.end());
		return names;
	}

	std::string Path(const std::string& name) const { return (dir / name).string(); }

	// Runs a shell command line in dir with stdout and stderr to out.txt and err.txt (which Names() then lists).
	int Shell(const std::string& line) const
	{
		const std::string command =
		    "cd " + Quote(dir.string()) + " && unset SURFAX_QUIET && (" + line + ") < /dev/null > out.txt 2> err.txt";
		const int status = std::system(command.c_str());
		return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	}

	static std::string Host() { return Quote(SURFAX_HOST_EXE) + " --no-open"; }
	static bool HavePlugin() { return fs::exists(surfax::test::PluginFolder("surfax")); }

	fs::path dir;
};

const std::vector<std::string> kOutAndErr = {"err.txt", "out.txt"};

std::vector<std::string> With(std::vector<std::string> names)
{
	names.insert(names.end(), kOutAndErr.begin(), kOutAndErr.end());
	std::sort(names.begin(), names.end());
	return names;
}
} // namespace

// --- One file ----------------------------------------------------------------------------------------------------

TEST_F(OutputSafety, TheOldFileStaysUntilTheCommitAndAnUncommittedFileLeavesNothing)
{
	WriteText(dir / "a.bin", "old");
	{
		OutputFile file(Path("a.bin"));
		ASSERT_TRUE(file.IsOpen());
		file.Write("new content");
		EXPECT_EQ(ReadText(dir / "a.bin"), "old") << "the final name is untouched while writing";
		EXPECT_EQ(Names().size(), 2u) << "a temporary beside the final name";
	}
	EXPECT_EQ(ReadText(dir / "a.bin"), "old");
	EXPECT_EQ(Names(), std::vector<std::string>{"a.bin"});

	OutputFile file(Path("a.bin"));
	file.Write("new content");
	std::string error;
	ASSERT_TRUE(file.Commit(error)) << error;
	EXPECT_EQ(ReadText(dir / "a.bin"), "new content");
	EXPECT_EQ(Names(), std::vector<std::string>{"a.bin"});
}

TEST_F(OutputSafety, ALibraryWritingTheTemporaryByNameIsCommittedOrRemovedLikeAnyWrite)
{
	WriteText(dir / "a.mp4", "old");
	// A library that opens the name twice (write, then reopen to move data) sees one file, never the final name.
	const auto writeByName = [](const std::string& name)
	{
		std::ofstream(name, std::ios::binary) << "header";
		std::ofstream(name, std::ios::binary | std::ios::in | std::ios::out) << "HEADER and more";
	};
	{
		OutputFile file(Path("a.mp4"));
		ASSERT_FALSE(file.TemporaryPath().empty());
		EXPECT_EQ(fs::path(file.TemporaryPath()).parent_path(), dir);
		writeByName(file.TemporaryPath());
		EXPECT_EQ(ReadText(dir / "a.mp4"), "old");
	}
	EXPECT_EQ(Names(), std::vector<std::string>{"a.mp4"}) << "an uncommitted temporary written by name is removed";

	OutputFile file(Path("a.mp4"));
	writeByName(file.TemporaryPath());
	std::string error;
	ASSERT_TRUE(file.Commit(error)) << error;
	EXPECT_EQ(ReadText(dir / "a.mp4"), "HEADER and more");
	EXPECT_EQ(Names(), std::vector<std::string>{"a.mp4"});
}

TEST_F(OutputSafety, AWriteOverTheFileSizeLimitKeepsTheOldFileAndSaysWhy)
{
	const std::string old(1000, 'o');
	WriteText(dir / "big.bin", old);
	const pid_t child = fork();
	ASSERT_GE(child, 0);
	if (child == 0)
	{
		std::signal(SIGXFSZ, SIG_IGN);
		const rlimit limit = {8192, 8192};
		setrlimit(RLIMIT_FSIZE, &limit);
		OutputFile file(Path("big.bin"));
		const std::string chunk(4096, 'n');
		for (int i = 0; i < 100; ++i)
			file.Write(chunk);
		std::string error;
		const bool failedWithReason =
		    !file.Commit(error) && error == Path("big.bin") + ": cannot be written (File too large)";
		_exit(failedWithReason ? 0 : 1);
	}
	int status = 0;
	waitpid(child, &status, 0);
	EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the commit did not fail with EFBIG";
	EXPECT_EQ(ReadText(dir / "big.bin"), old);
	EXPECT_EQ(Names(), std::vector<std::string>{"big.bin"});
}

TEST_F(OutputSafety, AnInterruptionStopsTheWriteAndKeepsTheOldFile)
{
	WriteText(dir / "a.bin", "old");
	OutputFile file(Path("a.bin"));
	file.Write("half");
	surfax::core::RequestInterruption(SIGINT);
	file.Write("the rest");
	std::string error;
	EXPECT_FALSE(file.Commit(error));
	EXPECT_EQ(error, Path("a.bin") + ": cannot be written (Interrupted system call)");
	EXPECT_EQ(ReadText(dir / "a.bin"), "old");
	EXPECT_EQ(Names(), std::vector<std::string>{"a.bin"});
}

TEST_F(OutputSafety, AFileThatCannotBeCreatedNamesTheReason)
{
	OutputFile file(Path("missing/a.bin"));
	EXPECT_FALSE(file.IsOpen());
	std::string error;
	EXPECT_FALSE(file.Commit(error));
	EXPECT_EQ(error, Path("missing/a.bin") + ": cannot be written (No such file or directory)");
	EXPECT_TRUE(Names().empty());
}

TEST_F(OutputSafety, ASymbolicLinkIsFollowedAndItsTargetReplacedInItsOwnFolder)
{
	fs::create_directories(dir / "elsewhere");
	WriteText(dir / "elsewhere" / "real.json", "old");
	fs::create_symlink("elsewhere/real.json", dir / "link.json");
	fs::create_symlink("link.json", dir / "link-to-link.json");
	fs::create_symlink("elsewhere/new.json", dir / "dangling.json");
	for (const std::string name : {"link.json", "link-to-link.json", "dangling.json"})
	{
		SCOPED_TRACE(name);
		OutputFile file(Path(name));
		file.Write(name);
		// The temporary lies beside the target, so that the rename stays in one folder and replaces it whole.
		const auto temporaries = [](const fs::path& folder)
		{
			int count = 0;
			for (const fs::directory_entry& entry : fs::directory_iterator(folder))
				count += entry.path().filename().string().rfind('.', 0) == 0 ? 1 : 0;
			return count;
		};
		EXPECT_EQ(temporaries(dir / "elsewhere"), 1);
		EXPECT_EQ(temporaries(dir), 0);
		std::string error;
		ASSERT_TRUE(file.Commit(error)) << error;
		EXPECT_TRUE(fs::is_symlink(dir / name));
		EXPECT_EQ(ReadText(dir / name), name);
	}
	EXPECT_EQ(ReadText(dir / "elsewhere" / "real.json"), "link-to-link.json");
	EXPECT_EQ(ReadText(dir / "elsewhere" / "new.json"), "dangling.json");
	EXPECT_EQ(Names(), (std::vector<std::string>{"dangling.json", "elsewhere", "link-to-link.json", "link.json"}));

	// A loop is named.
	fs::create_symlink("loop-b", dir / "loop-a");
	fs::create_symlink("loop-a", dir / "loop-b");
	OutputFile loop(Path("loop-a"));
	std::string error;
	EXPECT_FALSE(loop.Commit(error));
	EXPECT_EQ(error, Path("loop-a") + ": cannot be written (Too many levels of symbolic links)");

	// The same target, however it is spelt.
	const std::string real = surfax::core::OutputTarget(Path("elsewhere/real.json"));
	EXPECT_EQ(surfax::core::OutputTarget(Path("link.json")), real);
	EXPECT_EQ(surfax::core::OutputTarget(Path("elsewhere/../link-to-link.json")), real);
	EXPECT_NE(surfax::core::OutputTarget(Path("dangling.json")), real);
}

// --- Files that belong together --------------------------------------------------------------------------------------

TEST_F(OutputSafety, ABatchReplacesAllItsFilesOrNone)
{
	WriteText(dir / "a.bin", "old a");
	WriteText(dir / "b.bin", "old b");
	std::string error;
	{
		OutputBatch batch;
		OutputFile a(Path("a.bin"));
		a.Write("new a");
		ASSERT_TRUE(a.Commit(error)) << error;
		OutputFile b(Path("missing/b.bin"));
		b.Write("new b");
		EXPECT_FALSE(b.Commit(error));
		EXPECT_EQ(ReadText(dir / "a.bin"), "old a") << "a committed file waits for the batch";
	}
	EXPECT_EQ(ReadText(dir / "a.bin"), "old a");
	EXPECT_EQ(Names(), (std::vector<std::string>{"a.bin", "b.bin"}));

	OutputBatch batch;
	for (const char* name : {"a.bin", "b.bin"})
	{
		OutputFile file(Path(name));
		file.Write(std::string("new ") + name);
		ASSERT_TRUE(file.Commit(error)) << error;
	}
	EXPECT_EQ(ReadText(dir / "b.bin"), "old b");
	ASSERT_TRUE(batch.Publish(error)) << error;
	EXPECT_EQ(ReadText(dir / "a.bin"), "new a.bin");
	EXPECT_EQ(ReadText(dir / "b.bin"), "new b.bin");
	EXPECT_EQ(Names(), (std::vector<std::string>{"a.bin", "b.bin"}));
}

TEST_F(OutputSafety, AnInterruptedBatchPublishesNothing)
{
	WriteText(dir / "a.bin", "old a");
	std::string error;
	OutputBatch batch;
	OutputFile a(Path("a.bin"));
	a.Write("new a");
	ASSERT_TRUE(a.Commit(error)) << error;
	surfax::core::RequestInterruption(SIGTERM);
	EXPECT_FALSE(batch.Publish(error));
	EXPECT_EQ(ReadText(dir / "a.bin"), "old a");
	EXPECT_EQ(Names(), std::vector<std::string>{"a.bin"});
}

// --- The command line ----------------------------------------------------------------------------------------------

// The second SIGINT or SIGTERM ends the process at once (a person who presses Ctrl-C twice does not wait for the next
// safe point), but removes the temporaries first: the one being written and those committed to a batch that was not
// published yet. Delivered at a fixed point, in a child process with surfax-host's handlers.
TEST_F(OutputSafety, ASecondSignalEndsTheProcessAtOnceAndLeavesNoTemporary)
{
	WriteText(dir / "chart.png", "old");
	for (const int signal : {SIGINT, SIGTERM})
	{
		SCOPED_TRACE(signal == SIGINT ? "SIGINT" : "SIGTERM");
		EXPECT_EXIT(
		    {
			    surfax::core::InstallStopSignalHandlers();
			    OutputBatch batch;
			    OutputFile committed(Path("chart.glb"));
			    committed.Write("a whole frame");
			    std::string error;
			    if (!committed.Commit(error))
				    std::_Exit(3);
			    OutputFile writing(Path("chart.png"));
			    writing.Write("half a frame");
			    if (Names().size() != 3)
				    std::_Exit(4);
			    std::raise(signal); // asks the run to stop at its next safe point
			    std::raise(signal); // ends it now
			    std::_Exit(5);
		    },
		    ::testing::KilledBySignal(signal), "");
		EXPECT_EQ(Names(), std::vector<std::string>{"chart.png"});
		EXPECT_EQ(ReadText(dir / "chart.png"), "old");
	}
}

TEST_F(OutputSafety, AFileSizeLimitLeavesTheOldChartAndSavedDocumentByteIdentical)
{
	if (!HavePlugin())
		GTEST_SKIP() << "the Surfax plug-in is not built";
	const std::string oldGlb(2000, 'g');
	const std::string oldJson = "{\"objects\": []}\n";
	WriteText(dir / "chart.glb", oldGlb);
	WriteText(dir / "chart.json", oldJson);
	// A resolution of 120 makes a .glb of several hundred kilobytes, far past 50 KB.
	const int code = Shell("ulimit -f 50; exec " + Host() +
	                       " plot 'Sin(x)*Cos(z)' --set PLOT_RESOLUTION=120 -o chart.glb --save chart.json");
	EXPECT_EQ(code, 1);
	EXPECT_NE(ReadText(dir / "err.txt").find("chart.glb: cannot be written (File too large)"), std::string::npos)
	    << ReadText(dir / "err.txt");
	EXPECT_TRUE(ReadText(dir / "chart.glb") == oldGlb) << "the old chart was replaced";
	EXPECT_TRUE(ReadText(dir / "chart.json") == oldJson) << "the old document was replaced";
	EXPECT_EQ(Names(), With({"chart.glb", "chart.json"}));

	// A --save of its own that passes the limit: a polygon object of many points makes a large document.
	std::string big = R"({"objects": [{"type": "Opolygon", "points": [)";
	for (int i = 0; i < 4000; ++i)
		big += std::string(i > 0 ? ", " : "") + "[" + std::to_string(i) + ".125, 1.5, -2.75]";
	big += "]}]}";
	WriteText(dir / "big.json", big);
	EXPECT_EQ(Shell("ulimit -f 50; exec " + Host() + " eval big.json --save chart.json"), 1);
	EXPECT_EQ(ReadText(dir / "err.txt"), "surfax-host: chart.json: cannot be written (File too large)\n");
	EXPECT_TRUE(ReadText(dir / "chart.json") == oldJson) << "the old document was replaced";
	EXPECT_EQ(Names(), With({"big.json", "chart.glb", "chart.json"}));
}

TEST_F(OutputSafety, AnInterruptedAnimationKeepsEveryFinishedFrameAndReportsHowMany)
{
	if (!HavePlugin())
		GTEST_SKIP() << "the Surfax plug-in is not built";
	for (const int signal : {SIGINT, SIGTERM})
	{
		SCOPED_TRACE(signal == SIGINT ? "SIGINT" : "SIGTERM");
		fs::remove_all(dir);
		fs::create_directories(dir);
		const pid_t child = fork();
		ASSERT_GE(child, 0);
		if (child == 0)
		{
			if (chdir(dir.c_str()) != 0)
				_exit(100);
			const int err = ::open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
			const int out = ::open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
			dup2(err, 2);
			dup2(out, 1);
			// Numbered outputs (a glTF output would be one animation, written with the last frame).
			execl(SURFAX_HOST_EXE, SURFAX_HOST_EXE, "--no-open", "plot", "Sin(x + t)", "--frames", "0..99999", "-o",
			      "f.png", "-o", "f.json", "--size", "16x16", static_cast<char*>(nullptr));
			_exit(101);
		}
		// Interrupt once a few frames are done (or give up after a minute).
		const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
		while (!fs::exists(dir / "f-0003.json") && std::chrono::steady_clock::now() < deadline)
			std::this_thread::sleep_for(std::chrono::milliseconds(20));
		kill(child, signal);
		int status = 0;
		waitpid(child, &status, 0);
		ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal instead of stopping";
		EXPECT_EQ(WEXITSTATUS(status), 128 + signal);

		const std::string err = ReadText(dir / "err.txt");
		// The last line: "surfax-host: interrupted: N of 100000 frames written".
		const std::string prefix = "surfax-host: interrupted: ";
		const std::string suffix = " of 100000 frames written\n";
		const std::size_t at = err.rfind(prefix);
		ASSERT_NE(at, std::string::npos) << err;
		const std::string count = err.substr(at + prefix.size());
		ASSERT_GT(count.size(), suffix.size()) << err;
		ASSERT_EQ(count.substr(count.size() - suffix.size()), suffix) << err;
		const std::string digits = count.substr(0, count.size() - suffix.size());
		ASSERT_FALSE(digits.empty()) << err;
		ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << err;
		const int written = std::stoi(digits);
		EXPECT_GE(written, 4);
		std::vector<std::string> expected = kOutAndErr;
		for (int frame = 0; frame < written; ++frame)
		{
			char name[32];
			std::snprintf(name, sizeof(name), "f-%04d", frame);
			expected.push_back(std::string(name) + ".png");
			expected.push_back(std::string(name) + ".json");
			surfax::io::Image image;
			std::string message;
			EXPECT_EQ(surfax::io::LoadPng(Path(std::string(name) + ".png"), image, message),
			          surfax::io::ImageStatus::Ok)
			    << name << ": " << message;
		}
		std::sort(expected.begin(), expected.end());
		EXPECT_EQ(Names(), expected) << "finished frames only, no temporaries";
	}
}

TEST_F(OutputSafety, NegativeFramesAreNamedWithoutASecondDash)
{
	if (!HavePlugin())
		GTEST_SKIP() << "the Surfax plug-in is not built";
	ASSERT_EQ(Shell(Host() + " --quiet plot --frames=-2..0 -o n.png --size 8x8"), 0) << ReadText(dir / "err.txt");
	EXPECT_EQ(Names(), With({"n-0000.png", "n-m001.png", "n-m002.png"}));
}

TEST_F(OutputSafety, AnUnknownCommandIsNamed)
{
	EXPECT_EQ(Shell(Host() + " bogus --frames 1"), 2);
	EXPECT_EQ(ReadText(dir / "err.txt"), "surfax-host: 'bogus' is not a command; see --help\n");
	EXPECT_EQ(Shell(Host() + " --quiet plott"), 2);
	EXPECT_EQ(ReadText(dir / "err.txt"), "surfax-host: 'plott' is not a command; see --help\n");
}
