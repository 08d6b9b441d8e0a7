// Replays a fuzz target's corpus without a fuzzer: every file of the folders (or the files) named on the command line
// is handed to LLVMFuzzerTestOneInput once, in name order. A target aborts on a broken contract, so a regression that
// an earlier fuzz run found and kept in the corpus fails the test. An empty or missing corpus is an error too.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
	namespace fs = std::filesystem;
	std::vector<fs::path> inputs;
	for (int i = 1; i < argc; ++i)
	{
		std::error_code ec;
		if (fs::is_directory(argv[i], ec))
		{
			for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
				if (entry.is_regular_file())
					inputs.push_back(entry.path());
		}
		else if (fs::is_regular_file(argv[i], ec))
		{
			inputs.push_back(argv[i]);
		}
	}
	if (inputs.empty())
	{
		std::fprintf(stderr, "no corpus inputs found\n");
		return 1;
	}
	std::sort(inputs.begin(), inputs.end());
	for (const fs::path& path : inputs)
	{
		std::ifstream file(path, std::ios::binary);
		const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
		LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
	}
	std::printf("replayed %zu inputs\n", inputs.size());
	return 0;
}
