// The closest library peer, muparser, under the plot object's contract and without it, beside our number entry on
// the same texts in the same run. Built only when libmuparser-dev is installed.
//
//   taskset -c 1 build/muparser_peer_bench --benchmark_repetitions=3
//
// Every row evaluates "Sin(x) * Cos(z)" over the 1001 x 1001 grid of arguments from -180 to 180:
//   SurfaxPerSampleText     the text of each sample with its numbers written in (as the plot object makes them),
//                           handed to our StringToNumber path (expr::Evaluate)
//   MuparserPerSampleText   the same texts, each set as muparser's expression and evaluated: a parse per sample
//   MuparserCompiledOnce    muparser's own way: the expression set once with x and z as variables
// muparser's sin and cos take radians; the texts scale the degrees, which costs one multiplication each.
#include "host/expr/expression.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int kGridSize = 1001;

/// The number as the plot object writes it: up to 15 significant digits, negative numbers in parentheses.
std::string Argument(double value)
{
	char text[40];
	std::snprintf(text, sizeof text, value < 0.0 ? "(%.15g)" : "%.15g", value);
	return text;
}

double GridArgument(int i)
{
	return -180.0 + i * (360.0 / (kGridSize - 1));
}

struct Texts
{
	std::vector<std::string> surfax;
	std::vector<std::string> muparser;
};

const Texts& SampleTexts()
{
	static const Texts texts = []
	{
		Texts t;
		t.surfax.reserve(std::size_t(kGridSize) * kGridSize);
		t.muparser.reserve(std::size_t(kGridSize) * kGridSize);
		for (int i = 0; i < kGridSize; ++i)
		{
			const std::string x = Argument(GridArgument(i));
			for (int j = 0; j < kGridSize; ++j)
			{
				const std::string z = Argument(GridArgument(j));
				t.surfax.push_back("Sin(" + x + ") * Cos(" + z + ")");
				t.muparser.push_back("sin(" + x + " * _pi / 180) * cos(" + z + " * _pi / 180)");
			}
		}
		return t;
	}();
	return texts;
}

void SurfaxPerSampleText(benchmark::State& state)
{
	const std::vector<std::string>& texts = SampleTexts().surfax;
	std::size_t i = 0;
	for (auto _ : state)
	{
		benchmark::DoNotOptimize(surfax::expr::Evaluate(texts[i]).value);
		i = i + 1 == texts.size() ? 0 : i + 1;
	}
	state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void MuparserPerSampleText(benchmark::State& state)
{
	const std::vector<std::string>& texts = SampleTexts().muparser;
	mu::Parser parser;
	std::size_t i = 0;
	for (auto _ : state)
	{
		parser.SetExpr(texts[i]);
		benchmark::DoNotOptimize(parser.Eval());
		i = i + 1 == texts.size() ? 0 : i + 1;
	}
	state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void MuparserCompiledOnce(benchmark::State& state)
{
	mu::Parser parser;
	double x = 0.0, z = 0.0;
	parser.DefineVar("x", &x);
	parser.DefineVar("z", &z);
	parser.SetExpr("sin(x * _pi / 180) * cos(z * _pi / 180)");
	int i = 0, j = 0;
	for (auto _ : state)
	{
		x = GridArgument(i);
		z = GridArgument(j);
		benchmark::DoNotOptimize(parser.Eval());
		if (++j == kGridSize)
		{
			j = 0;
			i = i + 1 == kGridSize ? 0 : i + 1;
		}
	}
	state.SetItemsProcessed(std::int64_t(state.iterations()));
}
} // namespace

BENCHMARK(SurfaxPerSampleText);
BENCHMARK(MuparserPerSampleText);
BENCHMARK(MuparserCompiledOnce);

BENCHMARK_MAIN();
