// Feeds arbitrary formulas and variable values to the plug-in's own substitution (source/formula.cpp, compiled in)
// and evaluates the result as the plot object does. Besides crashes and sanitizer reports it checks the contract:
// - the per-row template gives exactly the text of substituting letter by letter, for two samples of one row;
// - the time dependence SubstituteVariables reports is UsesTime of the formula;
// - the text grows by exactly what the values' texts add at the standalone variables, and no value text is longer
//   than a double's longest fixed-point form, so no text grows without bound;
// - a value text holds no standalone variable letter and reads back as its value;
// - the evaluator's cached program for the sample's shape agrees bit for bit with a fresh parse.
//
// Input: the formula, optionally followed by a NUL byte and up to six values as raw 8-byte doubles in the order of
// FORMULAVARIABLE (t, x, z, h, r, f); without the NUL, a typical sample with a negative x is used.
#include "tests/fuzz/fuzz_support.h"
#include "host/expr/expression.h"
#include "source/formula.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace cinema;

using surfax::fuzz::Require;

namespace
{
// A finite double in fixed point has at most 309 digits before the point; a negative one adds "(-" and ")".
constexpr Int kMaxArgumentChars = 309 + 3;
// What the host document gives the plug-in by default.
constexpr Int32 kFramesPerSecond = 30;

String FromBytes(std::string_view bytes)
{
	return String(std::string(bytes));
}

/// Checks one value's text: bounded, no standalone variable letter, and the number it stands for.
void CheckArgument(Float value, const String& text)
{
	Require(text.GetLength() >= 1 && text.GetLength() <= kMaxArgumentChars);
	for (Int pos = 0; pos < text.GetLength(); ++pos)
		for (Int32 k = 0; k < kVariableCount; ++k)
			Require(text[pos] != static_cast<Utf32Char>(kVariableLetters[k]) || !IsStandaloneLetter(text, pos));
	if (!std::isfinite(value))
		return;
	const surfax::expr::Outcome read = surfax::expr::EvaluateUncached(text.GetUtf8());
	Require(read.hasNumber);
	// Fifteen significant digits, at most thirty decimals.
	Require(std::fabs(read.value - value) <= 1e-14 * std::fabs(value) + 1e-30);
}

/// Evaluates a sample's text as the plot object does, and checks the cached program against a fresh parse.
void CheckEvaluation(const String& text)
{
	(void)StringToNumber(text, FORMAT_FLOAT, kFramesPerSecond, nullptr).GetFloat();
	const std::string utf8 = text.GetUtf8();
	const surfax::expr::Outcome cached = surfax::expr::Evaluate(utf8);
	const surfax::expr::Outcome fresh = surfax::expr::EvaluateUncached(utf8);
	Require(cached.hasNumber == fresh.hasNumber && cached.error == fresh.error && cached.offset == fresh.offset);
	Require(std::memcmp(&cached.value, &fresh.value, sizeof(double)) == 0);
}

/// The standalone occurrences of each variable letter in formula.
void CountVariables(const String& formula, Int (&counts)[kVariableCount])
{
	for (Int32 k = 0; k < kVariableCount; ++k)
		counts[k] = 0;
	for (Int pos = 0; pos < formula.GetLength(); ++pos)
		for (Int32 k = 0; k < kVariableCount; ++k)
			if (formula[pos] == static_cast<Utf32Char>(kVariableLetters[k]) && IsStandaloneLetter(formula, pos))
				++counts[k];
}

/// Substitutes one sample both ways and checks them against each other and the growth bound.
void CheckSample(const String& formula, const Float (&values)[kVariableCount], FormulaTemplate& formulaTemplate)
{
	Bool timeDependent = false;
	const maxon::Result<String> substituted = SubstituteVariables(formula, values, timeDependent);
	Require(substituted == maxon::OK);
	const String& text = substituted.GetValue();
	Require(timeDependent == UsesTime(formula));

	String valueTexts[kVariableCount];
	const String* valuePointers[kVariableCount] = {};
	for (Int32 k = 0; k < kVariableCount; ++k)
	{
		valueTexts[k] = FormatArgument(values[k]);
		CheckArgument(values[k], valueTexts[k]);
		valuePointers[k] = &valueTexts[k];
	}
	Int counts[kVariableCount];
	CountVariables(formula, counts);
	Int expectedLength = formula.GetLength();
	for (Int32 k = 0; k < kVariableCount; ++k)
		expectedLength += counts[k] * (valueTexts[k].GetLength() - 1);
	Require(text.GetLength() == expectedLength);

	Require(formulaTemplate.BindRow(valuePointers));
	String spliced;
	formulaTemplate.BuildRow(valueTexts[static_cast<Int32>(FORMULAVARIABLE::Z)], spliced);
	Require(spliced == text);
	CheckEvaluation(text);
}

Float ReadValue(std::string_view bytes, std::size_t index, Float fallback)
{
	if (bytes.size() < (index + 1) * sizeof(Float))
		return fallback;
	Float value = 0.0;
	std::memcpy(&value, bytes.data() + index * sizeof(Float), sizeof(Float));
	return value;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::string_view input(reinterpret_cast<const char*>(data), size);
	const std::size_t end = input.find('\0');
	const String formula = FromBytes(input.substr(0, end));
	const std::string_view valueBytes = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);

	const Float typical[kVariableCount] = {0.5, -1.5, 2.25, 50.0, 25.0, 15.0};
	Float values[kVariableCount];
	for (Int32 k = 0; k < kVariableCount; ++k)
		values[k] = ReadValue(valueBytes, static_cast<std::size_t>(k), typical[k]);

	FormulaTemplate formulaTemplate;
	Require(formulaTemplate.Init(formula));
	CheckSample(formula, values, formulaTemplate);
	// The next sample of the row changes z only: the row's template is bound again and its cached program reused.
	constexpr Int32 z = static_cast<Int32>(FORMULAVARIABLE::Z);
	values[z] = std::isfinite(values[z]) ? values[z] * 0.5 - 0.125 : 1.0;
	CheckSample(formula, values, formulaTemplate);
	return 0;
}
