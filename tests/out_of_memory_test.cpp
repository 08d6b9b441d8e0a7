// Memory running out, as under a memory cap (ulimit -v): surfax-host ends every such run with a message and exit
// code 1, wherever the memory ran out (reading a document, evaluating, writing), and leaves no temporary and no broken
// file behind. Each case runs the program under a sweep of caps, from one where it cannot start to one where it
// succeeds.
#include "host/core/memory.h"

#include "support/gltf_reader.h"
#include "support/host_command.h"
#include "support/missing_package.h"
#include "support/sanitizers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
bool HasTemporaries(const fs::path& dir)
{
	for (const auto& entry : fs::directory_iterator(dir))
	{
		if (entry.path().filename().string().find(".tmp-") != std::string::npos)
			return true;
	}
	return false;
}

class OutOfMemory : public ::testing::Test
{
protected:
	void SetUp() override
	{
		if (surfax::test::kBuiltWithAddressSanitizer)
			GTEST_SKIP() << "the sanitizers reserve more address space than any cap that makes memory run out";
		if (!surfax::test::HasProgram("prlimit"))
			GTEST_SKIP() << surfax::test::MissingPackageReason("util-linux", "prlimit");
		dir = surfax::test::MakeTestFolder("surfax-oom");
		// fontconfig writes the cache of a font folder it had to scan, and a scan cut short by the cap writes an empty
		// one: the capped runs get a cache folder of their own, read and written before the system's.
		fs::create_directories(dir / "fontconfig" / "cache");
		std::ofstream(dir / "fontconfig" / "fonts.conf")
		    << "<?xml version=\"1.0\"?>\n<fontconfig>\n  <cachedir>" << (dir / "fontconfig" / "cache").string()
		    << "</cachedir>\n  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n</fontconfig>\n";
	}
	void TearDown() override
	{
		if (!dir.empty())
			fs::remove_all(dir);
	}

	// Runs args under address-space caps growing from 8 MiB by an eighth at a time until a run succeeds. Every run must
	// end with exit code 0, or 1 and "out of memory" (or the dynamic loader's "failed to map segment" for the plug-in),
	// or not start at all when the dynamic loader cannot map the program's own libraries; afterwards `check` sees the
	// folder. Returns the number of runs that ran out of memory.
	int Sweep(const std::vector<std::string>& args, const std::function<void(const surfax::test::HostRun&)>& check)
	{
		int outOfMemory = 0;
		for (std::uint64_t cap = std::uint64_t(8) << 20; cap < (std::uint64_t(8) << 30); cap += cap / 8)
		{
			const surfax::test::HostRun run =
			    surfax::test::RunHost(dir, args,
			                          "FONTCONFIG_FILE=" + (dir / "fontconfig" / "fonts.conf").string() +
			                              " prlimit --as=" + std::to_string(cap) + " --");
			SCOPED_TRACE("cap " + std::to_string(cap >> 10) + " KiB: " + run.err);
			EXPECT_FALSE(HasTemporaries(dir));
			if (run.exitCode == 127 && run.err.find("error while loading shared libraries") != std::string::npos)
				continue;
			check(run);
			if (run.exitCode == 0)
				return outOfMemory;
			EXPECT_EQ(run.exitCode, 1);
			// The dynamic loader says it its own way when it cannot map the plug-in.
			EXPECT_TRUE(run.err.find("out of memory") != std::string::npos ||
			            run.err.find("failed to map segment") != std::string::npos);
			EXPECT_EQ(run.err.find("terminate called"), std::string::npos);
			++outOfMemory;
			if (::testing::Test::HasFailure())
				return outOfMemory;
		}
		ADD_FAILURE() << "no cap up to 8 GiB was enough";
		return outOfMemory;
	}

	fs::path dir;
};
} // namespace

TEST_F(OutOfMemory, ReadingEvaluatingAndDumpingALargeDocumentEndsWithAMessageAndKeepsTheOldFile)
{
	nlohmann::json doc;
	nlohmann::json& objects = doc["objects"];
	for (int i = 0; i < 20000; ++i)
		objects.push_back({{"type", "Onull"}, {"name", "null " + std::to_string(i)}});
	std::ofstream(dir / "nulls.json") << doc.dump();
	const std::string old = "{\"an\": \"old document\"}\n";
	std::ofstream(dir / "saved.json") << old;
	const int failures = Sweep({"eval", "nulls.json", "--dump", "--save", "saved.json"},
	                           [&](const surfax::test::HostRun& run)
	                           {
		                           if (run.exitCode != 0)
		                           {
			                           EXPECT_EQ(surfax::test::ReadText(dir / "saved.json"), old);
		                           }
	                           });
	EXPECT_GT(failures, 2) << "the caps never made memory run out";
	EXPECT_NE(surfax::test::ReadText(dir / "saved.json"), old);
}

TEST_F(OutOfMemory, APlotWithItsDrawingsEndsWithAMessageAndWritesOnlyWholeFiles)
{
	const int failures = Sweep({"plot", "--set", "PLOT_RESOLUTION=300", "--draw", "-o", "chart.glb"},
	                           [&](const surfax::test::HostRun&)
	                           {
		                           // The chart is written before the drawings are dumped: it is either absent or whole.
		                           if (!fs::exists(dir / "chart.glb"))
			                           return;
		                           const std::string glb = surfax::test::ReadText(dir / "chart.glb");
		                           ASSERT_GE(glb.size(), 12u);
		                           EXPECT_EQ(glb.substr(0, 4), "glTF");
		                           std::uint32_t length = 0;
		                           std::memcpy(&length, glb.data() + 8, 4);
		                           EXPECT_EQ(length, glb.size());
	                           });
	EXPECT_GT(failures, 2) << "the caps never made memory run out";
}

// A video needs FFmpeg's libraries, loaded with their module on the first frame: a cap too small for them is said to be
// out of memory before any library is mapped, and a video that cannot be finished leaves the old one.
TEST_F(OutOfMemory, AVideoEndsWithAMessageAndKeepsTheOldVideo)
{
	const std::string old = "an old video";
	std::ofstream(dir / "wave.mp4") << old;
	bool moduleRefused = false;
	const int failures =
	    Sweep({"plot", "--frames", "0..2", "--size", "96x64", "-o", "wave.mp4"},
	          [&](const surfax::test::HostRun& run)
	          {
		          if (run.exitCode == 0)
			          return;
		          EXPECT_EQ(surfax::test::ReadText(dir / "wave.mp4"), old);
		          moduleRefused = moduleRefused ||
		                          run.err.find("the video module cannot be loaded: out of memory") != std::string::npos;
	          });
	EXPECT_GT(failures, 2) << "the caps never made memory run out";
	EXPECT_TRUE(moduleRefused) << "no cap stopped the module from loading";
	EXPECT_NE(surfax::test::ReadText(dir / "wave.mp4"), old);
}

// The plug-in's objects fail silently when memory runs out (a plot without samples, a mesh without its surface); the
// command line must not: a chart that lost its surface or samples names the object and writes nothing, and a run that
// succeeds has the whole surface.
TEST_F(OutOfMemory, AChartThatLostItsSurfaceOrSamplesIsNeverASuccess)
{
	constexpr int kResolution = 300;
	int namedObjects = 0;
	Sweep({"plot", "--with", "mesh", "--set", "PLOT_RESOLUTION=" + std::to_string(kResolution), "-o", "chart.glb"},
	      [&](const surfax::test::HostRun& run)
	      {
		      if (run.exitCode != 0)
		      {
			      EXPECT_FALSE(fs::exists(dir / "chart.glb"));
			      namedObjects += run.err.find(": object \"3D Plot") != std::string::npos ? 1 : 0;
			      return;
		      }
		      surfax::test::GltfFile file;
		      std::string error;
		      ASSERT_TRUE(surfax::test::ReadGlb(surfax::test::ReadFileBytes((dir / "chart.glb").string()), file, error))
		          << error;
		      std::size_t vertices = 0;
		      for (const nlohmann::json& mesh : file.json.value("meshes", nlohmann::json::array()))
		      {
			      for (const nlohmann::json& primitive : mesh.at("primitives"))
			      {
				      const std::size_t accessor = primitive.at("attributes").at("POSITION").get<std::size_t>();
				      vertices += file.json.at("accessors").at(accessor).at("count").get<std::size_t>();
			      }
		      }
		      EXPECT_GE(vertices, std::size_t(kResolution + 1) * (kResolution + 1)) << "a chart without its surface";
	      });
	EXPECT_GT(namedObjects, 0) << "no cap made an object lose its output";
}

// The pre-flight that keeps fontconfig and GLU's tessellator away from a memory cap (both crash when their own
// allocations fail) must ask the system: more than any process's address space is refused, and counted. A malloc that
// is only freed may be dropped by the optimiser, and the check then says yes to anything.
TEST(RoomFor, RefusesMoreThanAnAddressSpaceAndCountsTheRefusal)
{
	const std::int64_t refused = surfax::core::RefusedAllocations();
	EXPECT_TRUE(surfax::core::RoomFor(std::size_t(1) << 20));
	EXPECT_FALSE(surfax::core::RoomFor(std::size_t(1) << 47));
	EXPECT_EQ(surfax::core::RefusedAllocations(), refused + 1);
}
