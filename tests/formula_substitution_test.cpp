// The plot object's formula text substitution: which letters are variables, how values are written into the
// text, and the per-sample template that must give the same text as substituting letter by letter.
#include "source/formula.h"

#include "app/formula_report.h"
#include "support/failing_allocations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace cinema;

namespace
{
struct Values
{
	Float time = 0.0, x = 0.0, z = 0.0, resolution = 50.0, halfHeight = 25.0, frame = 0.0;
};

std::string Substitute(const char* formula, const Values& v, Bool* timeDependent = nullptr)
{
	const Float values[kVariableCount] = {v.time, v.x, v.z, v.resolution, v.halfHeight, v.frame};
	Bool time = false;
	const maxon::Result<String> text = SubstituteVariables(String(formula), values, time);
	EXPECT_EQ(text, maxon::OK);
	if (timeDependent != nullptr)
		*timeDependent = time;
	return text.GetValue().GetUtf8();
}

std::string Format(Float value)
{
	return FormatArgument(value).GetUtf8();
}

/// The number a formatted argument stands for, read back without the parentheses of a negative value.
double ReadBack(const std::string& text)
{
	const bool wrapped = text.size() > 2 && text.front() == '(' && text.back() == ')';
	return std::strtod((wrapped ? text.substr(1, text.size() - 2) : text).c_str(), nullptr);
}
} // namespace

TEST(Substitution, ReplacesStandaloneVariablesByTheirValues)
{
	EXPECT_EQ(Substitute("Sin(x) * Cos(z)", {}), "Sin(0) * Cos(0)");
	Values v;
	v.time = 1.5;
	v.x = 2.0;
	v.z = 3.0;
	v.resolution = 40.0;
	v.halfHeight = 12.5;
	v.frame = 45.0;
	EXPECT_EQ(Substitute("t+x+z+h+r+f", v), "1.5+2+3+40+12.5+45");
	EXPECT_EQ(Substitute("(x)*(x)", v), "(2)*(2)");
}

TEST(Substitution, LeavesLettersInsideWordsAlone)
{
	Values v;
	v.x = 1.0;
	v.z = 2.0;
	Bool timeDependent = true;
	EXPECT_EQ(Substitute("Tan(x) * Atan(z)", v, &timeDependent), "Tan(1) * Atan(2)");
	EXPECT_FALSE(timeDependent);
	EXPECT_EQ(Substitute("Sqrt(x)", v, &timeDependent), "Sqrt(1)");
	EXPECT_FALSE(timeDependent);
	// Digits are word characters: neither x2 nor 2x is a variable.
	EXPECT_EQ(Substitute("x2 + 2x + zz", v), "x2 + 2x + zz");
}

TEST(Substitution, ReplacesVariablesAtTheEdgesOfTheText)
{
	Values v;
	v.x = 5.0;
	EXPECT_EQ(Substitute("x", v), "5");
	EXPECT_EQ(Substitute("2*x", v), "2*5");
	EXPECT_EQ(Substitute("x*2", v), "5*2");
}

TEST(Substitution, IsCaseSensitive)
{
	Values v;
	v.x = 5.0;
	v.time = 2.0;
	Bool timeDependent = true;
	EXPECT_EQ(Substitute("X + T + F", v, &timeDependent), "X + T + F");
	EXPECT_FALSE(timeDependent);
	// A capital is no word character, so the x after it still stands alone.
	EXPECT_EQ(Substitute("Ax", v), "A5");
}

TEST(Substitution, MarksFormulasWithTimeOrFrameAsTimeDependent)
{
	Bool timeDependent = false;
	Substitute("Sin(x + t)", {}, &timeDependent);
	EXPECT_TRUE(timeDependent);
	Substitute("f * 2", {}, &timeDependent);
	EXPECT_TRUE(timeDependent);
	// The flag is reset for each formula.
	Substitute("Sin(x)", {}, &timeDependent);
	EXPECT_FALSE(timeDependent);
}

TEST(Substitution, PutsNegativeValuesInParentheses)
{
	Values v;
	v.x = -3.0;
	// Bare, "-3^2" would be -9: the parabola upside down on one side.
	EXPECT_EQ(Substitute("x^2", v), "(-3)^2");
	EXPECT_EQ(Substitute("Pow(x; 3)", v), "Pow((-3); 3)");
	v.x = -7.2;
	EXPECT_EQ(Substitute("x^3 * Sin(z * 10)", v), "(-7.2)^3 * Sin(0 * 10)");
}

TEST(Substitution, FailsRatherThanGiveAHalfSubstitutedTextWhenMemoryRunsOut)
{
	const Float values[kVariableCount] = {1.0, 2.0, 3.0, 50.0, 25.0, 0.0};
	maxon::Result<String> text = maxon::FAILED;
	Bool time = false;
	surfax::test::ForEachFailingAllocation(
	    3, [&] { text = maxon::FAILED; }, [&] { text = SubstituteVariables(String("x * z + t"), values, time); },
	    [&](std::int64_t) { EXPECT_EQ(text, maxon::FAILED); });
	text = SubstituteVariables(String("x * z + t"), values, time);
	ASSERT_EQ(text, maxon::OK);
	EXPECT_EQ(text.GetValue(), String("2 * 3 + 1"));
}

TEST(Substitution, TheCommandLinesFormulaReportFindsTheSameVariables)
{
	// The command line's report cannot include the plug-in's letters and word rule, so it keeps its own copy: with
	// every variable at 1 it must mark exactly the places the plug-in substitutes.
	const Values ones = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
	const auto expectSame = [&ones](const std::string& formula) {
		EXPECT_EQ(surfax::app::WithVariablesAsOne(formula), Substitute(formula.c_str(), ones)) << '"' << formula << '"';
	};
	// Every printable character alone and beside a letter, a digit, an underscore and a bracket.
	for (char c = ' '; c <= '~'; ++c)
	{
		const std::string one(1, c);
		for (const std::string& formula : {one, "a" + one, one + "a", "0" + one, one + "0", "_" + one, "(" + one + ")"})
			expectSame(formula);
	}
	// Every text of up to four pieces of a few that sit next to variables in formulas.
	const std::vector<std::string> pieces = {"t", "x", "z", "h", "r", "f", "e",
	                                         "T", "1", "_", " ", "(", ".", "\xc3\xa9"};
	std::vector<std::string> texts = {""};
	for (int length = 1; length <= 4; ++length)
	{
		std::vector<std::string> longer;
		for (const std::string& text : texts)
		{
			for (const std::string& piece : pieces)
			{
				longer.push_back(text + piece);
				expectSame(longer.back());
			}
		}
		texts = std::move(longer);
	}
}

TEST(StandaloneLetter, LooksOnlyAtTheNeighbours)
{
	const String text("x+ab_c");
	EXPECT_TRUE(IsStandaloneLetter(text, 0));  // first, followed by '+'
	EXPECT_FALSE(IsStandaloneLetter(text, 3)); // 'b' after 'a'
	EXPECT_TRUE(IsStandaloneLetter(text, 5));  // last, after '_'
	EXPECT_FALSE(IsStandaloneLetter(text, -1));
	EXPECT_FALSE(IsStandaloneLetter(text, text.GetLength()));
	EXPECT_TRUE(IsStandaloneLetter(String("x"), 0));
}

TEST(UsesTime, FindsOnlyStandaloneTimeLetters)
{
	EXPECT_TRUE(UsesTime(String("t")));
	EXPECT_TRUE(UsesTime(String("x + (f)")));
	EXPECT_TRUE(UsesTime(String("Atan(t)")));
	EXPECT_FALSE(UsesTime(String("Atan(x) + Sqrt(z)")));
	EXPECT_FALSE(UsesTime(String("2f + t3")));
	EXPECT_FALSE(UsesTime(String("")));
}

TEST(FormatArgument, WritesUpToFifteenSignificantDigitsWithoutExponent)
{
	EXPECT_EQ(Format(0.0), "0");
	EXPECT_EQ(Format(-0.0), "0");
	EXPECT_EQ(Format(7.2), "7.2");
	EXPECT_EQ(Format(-180.0), "(-180)");
	EXPECT_EQ(Format(0.0004), "0.0004");
	EXPECT_EQ(Format(1.0 / 3.0), "0.333333333333333");
	EXPECT_EQ(Format(2000.0 / 3.0), "666.666666666667");
	EXPECT_EQ(Format(1e20), "100000000000000000000");
	EXPECT_EQ(Format(1e-7), "0.0000001");
	// The arguments of the default grid are sums of steps of 7.2; the rounding noise of the sum is not written.
	Float argument = -180.0;
	for (int i = 0; i < 3; ++i)
		argument += 7.2;
	EXPECT_EQ(Format(argument), "(-158.4)");
}

TEST(FormatArgument, KeepsFineArgumentStepsApart)
{
	// Rounded to three decimals these would all read as 1.
	std::vector<std::string> texts;
	for (int k = 0; k < 10; ++k)
		texts.push_back(Format(1.0 + k * 0.0001));
	for (size_t k = 1; k < texts.size(); ++k)
		EXPECT_NE(texts[k - 1], texts[k]);
}

TEST(FormatArgument, ReadsBackToTheValueWithinFifteenDigits)
{
	for (double magnitude = 1e-12; magnitude < 1e16; magnitude *= 7.3)
	{
		for (const double value : {magnitude, -magnitude, magnitude * 1.23456789012345678})
		{
			const std::string text = Format(value);
			EXPECT_EQ(text.find('e'), std::string::npos) << text;
			EXPECT_NEAR(ReadBack(text), value, std::fabs(value) * 1e-14) << text;
		}
	}
}

TEST(FormulaTemplate, BuildsTheSameTextAsLetterByLetterSubstitution)
{
	const char* formulas[] = {"Sin(x) * Cos(z)",
	                          "x^3 * Sin(z * 10)",
	                          "Tan(x) * Atan(z)",
	                          "Pow(Sin(x); 3)",
	                          "Pow((x * x) + (z * z); 0.5)",
	                          "Sin(Sqrt((x * x) + (z * z)))",
	                          "",
	                          "x",
	                          "z",
	                          "xx",
	                          "x x",
	                          "t*f",
	                          "-x^2",
	                          "x2 + 2x + x",
	                          "h r",
	                          "((t))+f-f",
	                          "Ax + xA",
	                          "z*z*z*z*z*z*z*z",
	                          "Sqrt(t)",
	                          "zx z"};
	std::vector<Values> rows(3);
	rows[1].time = 0.5;
	rows[1].x = -7.2;
	rows[1].frame = 12.0;
	rows[2].x = 123456.789;
	rows[2].halfHeight = 0.0;
	rows[2].resolution = 1000.0;
	const Float zValues[] = {0.0, 0.0004, -1e-9, -180.0};

	for (const char* formula : formulas)
	{
		FormulaTemplate formulaTemplate;
		ASSERT_TRUE(formulaTemplate.Init(String(formula)));
		String text("left over from an earlier sample");
		// The same template goes through several rows, as in a grid.
		for (Values v : rows)
		{
			const String texts[kVariableCount] = {
			    FormatArgument(v.time),       FormatArgument(v.x),          String("unused"),
			    FormatArgument(v.resolution), FormatArgument(v.halfHeight), FormatArgument(v.frame)};
			const String* pointers[kVariableCount] = {&texts[0], &texts[1], nullptr, &texts[3], &texts[4], &texts[5]};
			ASSERT_TRUE(formulaTemplate.BindRow(pointers));
			for (const Float z : zValues)
			{
				v.z = z;
				formulaTemplate.BuildRow(FormatArgument(z), text);
				EXPECT_EQ(text.GetUtf8(), Substitute(formula, v)) << formula;
			}
		}
	}
}
