// Cost of one evaluation of a sample text, as the plot object issues them: the same formula over a 1001 x 1001
// grid of arguments from -180 to 180, each text differing from the previous one only in its numbers.
#include "host/expr/expression.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace
{

constexpr int kGridSize = 1001;

// All texts of one formula, laid out in one buffer; built once, before any timing.
struct GridTexts
{
	std::string buffer;
	std::vector<std::size_t> starts; // kGridSize * kGridSize + 1 offsets into buffer

	std::string_view Text(std::size_t i) const { return {buffer.data() + starts[i], starts[i + 1] - starts[i]}; }
	std::size_t Count() const { return starts.size() - 1; }
};

// `formula` uses %1$s for x and %2$s for z.
GridTexts BuildGrid(const char* formula)
{
	GridTexts grid;
	grid.starts.reserve(std::size_t(kGridSize) * kGridSize + 1);
	char x[32], z[32], text[256];
	for (int i = 0; i < kGridSize; ++i)
	{
		std::snprintf(x, sizeof x, "%.15g", -180.0 + 360.0 * i / (kGridSize - 1));
		for (int j = 0; j < kGridSize; ++j)
		{
			std::snprintf(z, sizeof z, "%.15g", -180.0 + 360.0 * j / (kGridSize - 1));
			const int length = std::snprintf(text, sizeof text, formula, x, z);
			grid.starts.push_back(grid.buffer.size());
			grid.buffer.append(text, std::size_t(length));
		}
	}
	grid.starts.push_back(grid.buffer.size());
	return grid;
}

const GridTexts& SinCosGrid()
{
	static const GridTexts grid = BuildGrid("Sin(%1$s) * Cos(%2$s)");
	return grid;
}

const GridTexts& SinSqrtGrid()
{
	static const GridTexts grid = BuildGrid("Sin(Sqrt((%1$s * %1$s) + (%2$s * %2$s)))");
	return grid;
}

template <surfax::expr::Outcome (*evaluate)(std::string_view)>
void EvaluateGrid(benchmark::State& state, const GridTexts& grid)
{
	std::size_t i = 0;
	std::size_t failures = 0;
	for (auto _ : state)
	{
		const surfax::expr::Outcome outcome = evaluate(grid.Text(i));
		benchmark::DoNotOptimize(outcome.value);
		failures += outcome.hasNumber ? 0 : 1;
		i = i + 1 == grid.Count() ? 0 : i + 1;
	}
	if (failures != 0)
		state.SkipWithError("a grid text did not evaluate");
	state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void CachedSinCos(benchmark::State& state)
{
	EvaluateGrid<surfax::expr::Evaluate>(state, SinCosGrid());
}
void CachedSinSqrt(benchmark::State& state)
{
	EvaluateGrid<surfax::expr::Evaluate>(state, SinSqrtGrid());
}
void ColdSinCos(benchmark::State& state)
{
	EvaluateGrid<surfax::expr::EvaluateUncached>(state, SinCosGrid());
}
void ColdSinSqrt(benchmark::State& state)
{
	EvaluateGrid<surfax::expr::EvaluateUncached>(state, SinSqrtGrid());
}

// One pass over the whole grid per iteration: the cost of one chart evaluation.
void CachedSinCosWholeGrid(benchmark::State& state)
{
	const GridTexts& grid = SinCosGrid();
	for (auto _ : state)
		for (std::size_t i = 0; i < grid.Count(); ++i)
			benchmark::DoNotOptimize(surfax::expr::Evaluate(grid.Text(i)).value);
	state.SetItemsProcessed(std::int64_t(state.iterations() * grid.Count()));
}

} // namespace

BENCHMARK(CachedSinCos);
BENCHMARK(CachedSinSqrt);
BENCHMARK(ColdSinCos);
BENCHMARK(ColdSinSqrt);
BENCHMARK(CachedSinCosWholeGrid)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
