// Loading a document of many sibling objects: n null objects at the top level, or under one parent, from JSON text.
// Each object is inserted as the last child, which takes constant time, so the time per object must stay flat from
// 10^4 to 10^6 objects (the benchmark reports it as the inverse of items per second).
#include "host/document/document_json.h"

#include "c4d.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace
{
std::string SiblingNulls(std::int64_t count, bool underParent)
{
	std::string text = underParent ? R"({"objects": [{"type": "Onull", "children": [)" : R"({"objects": [)";
	text.reserve(text.size() + std::size_t(count) * 20);
	for (std::int64_t i = 0; i < count; ++i)
		text += i == 0 ? R"({"type": "Onull"})" : R"(, {"type": "Onull"})";
	text += underParent ? "]}]}" : "]}";
	return text;
}

void LoadSiblings(benchmark::State& state, bool underParent)
{
	const std::string text = SiblingNulls(state.range(0), underParent);
	for (auto _ : state)
	{
		surfax::io::JsonError error;
		cinema::BaseDocument* doc = surfax::io::LoadDocumentJson(text, error);
		if (doc == nullptr)
			std::abort();
		benchmark::DoNotOptimize(doc);
		cinema::BaseDocument::Free(doc);
	}
	state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadTopLevelNulls(benchmark::State& state)
{
	LoadSiblings(state, false);
}

void BM_LoadChildNulls(benchmark::State& state)
{
	LoadSiblings(state, true);
}
} // namespace

BENCHMARK(BM_LoadTopLevelNulls)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadChildNulls)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
