// Aligning the normals of a chart made of many small solids: 63,001 icosahedra (a 251 x 251 grid of samples,
// 1.26 million triangles) with every seventh solid inside out and every fifth triangle flipped.
#include "host/builtins/align_normals.h"
#include "host/builtins/primitive_geometry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace
{
using cinema::CPolygon;
using cinema::Int32;
using cinema::Vector;
using surfax::builtins::MeshData;

constexpr int kSamplesPerSide = 251;

CPolygon Reversed(const CPolygon& p)
{
	return p.c == p.d ? CPolygon(p.a, p.c, p.b) : CPolygon(p.a, p.d, p.c, p.b);
}

MeshData BuildChart()
{
	MeshData ico;
	if (!surfax::builtins::BuildPlatonic(0.3, surfax::builtins::kPlatonicIcosahedron, ico))
		std::abort();
	MeshData chart;
	const std::size_t samples = static_cast<std::size_t>(kSamplesPerSide) * kSamplesPerSide;
	chart.points.reserve(samples * ico.points.size());
	chart.polygons.reserve(samples * ico.polygons.size());
	for (int row = 0; row < kSamplesPerSide; ++row)
		for (int column = 0; column < kSamplesPerSide; ++column)
		{
			const Int32 base = static_cast<Int32>(chart.points.size());
			const Vector offset(column, 0.01 * (row * column % 97), row);
			for (const Vector& p : ico.points)
				chart.points.push_back(p + offset);
			const bool insideOut = (row * kSamplesPerSide + column) % 7 == 0;
			for (const CPolygon& p : ico.polygons)
			{
				CPolygon moved(p.a + base, p.b + base, p.c + base, p.d + base);
				const bool flip = insideOut != (chart.polygons.size() % 5 == 0);
				chart.polygons.push_back(flip ? Reversed(moved) : moved);
			}
		}
	return chart;
}

void AlignIcosahedronChart(benchmark::State& state)
{
	const MeshData chart = BuildChart();
	std::vector<CPolygon> polygons;
	Int32 flipped = 0;
	for (auto _ : state)
	{
		state.PauseTiming();
		polygons = chart.polygons;
		state.ResumeTiming();
		flipped = surfax::builtins::AlignNormals(chart.points.data(), static_cast<Int32>(chart.points.size()),
		                                         polygons.data(), static_cast<Int32>(polygons.size()));
		// The call has side effects in a shared library, so it cannot be optimised away; DoNotOptimize on the result
		// is avoided because its "+m,r" constraint miscompiles under GCC with the sanitizers (the value reads 0).
		benchmark::ClobberMemory();
	}
	if (flipped <= 0)
		state.SkipWithError("nothing was flipped");
	state.counters["polygons"] = static_cast<double>(chart.polygons.size());
	state.counters["flipped"] = flipped;
	state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.polygons.size()));
}
BENCHMARK(AlignIcosahedronChart)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
