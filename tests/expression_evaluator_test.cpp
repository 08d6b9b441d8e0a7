#include "host/expr/degree_math.h"
#include "host/expr/expression.h"
#include "support/sanitizers.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace surfax::expr;

namespace
{

// AddressSanitizer's padded frames need more stack.
constexpr std::size_t kSmallStack = surfax::test::kBuiltWithAddressSanitizer ? 1024 * 1024 : 128 * 1024;

constexpr double kInf = std::numeric_limits<double>::infinity();

// Evaluates and insists on a number; the message shows the error otherwise.
double Value(const std::string& text)
{
	const Outcome outcome = Evaluate(text);
	EXPECT_TRUE(outcome.hasNumber) << "'" << text << "': " << (outcome.error ? outcome.error : "") << " at "
	                               << outcome.offset;
	EXPECT_EQ(outcome.error, nullptr) << text;
	return outcome.value;
}

bool IsCleanError(const Outcome& outcome, const std::string& text)
{
	return !outcome.hasNumber && outcome.error != nullptr && outcome.offset <= text.size();
}

// Any text gives a number without an error, or no number and an error placed inside the text.
void ExpectNumberOrCleanError(const std::string& text)
{
	const Outcome outcome = Evaluate(text);
	EXPECT_TRUE((outcome.hasNumber && outcome.error == nullptr) || IsCleanError(outcome, text)) << text;
}

bool IsError(const std::string& text)
{
	ExpectNumberOrCleanError(text);
	return IsCleanError(Evaluate(text), text);
}

std::uint64_t Bits(double value)
{
	return std::bit_cast<std::uint64_t>(value);
}

std::string Format(double value)
{
	char buffer[64];
	std::snprintf(buffer, sizeof buffer, "%.17g", value);
	return buffer;
}

// Replaces the whole words x and z (the plug-in's variables) by numbers.
std::string Substitute(const std::string& formula, double x, double z)
{
	std::string out;
	for (std::size_t i = 0; i < formula.size(); ++i)
	{
		const char c = formula[i];
		const bool alone = (i == 0 || !std::isalnum(std::uint8_t(formula[i - 1]))) &&
		                   (i + 1 == formula.size() || !std::isalnum(std::uint8_t(formula[i + 1])));
		if (alone && (c == 'x' || c == 'z'))
			out += Format(c == 'x' ? x : z);
		else
			out += c;
	}
	return out;
}

// Both paths must agree bit for bit, in the number and in the error.
void ExpectSameAsFresh(const std::string& text)
{
	const Outcome cached = Evaluate(text);
	const Outcome fresh = EvaluateUncached(text);
	ASSERT_EQ(cached.hasNumber, fresh.hasNumber) << text;
	EXPECT_EQ(Bits(cached.value), Bits(fresh.value)) << text;
	EXPECT_EQ(cached.error, fresh.error) << text;
	EXPECT_EQ(cached.offset, fresh.offset) << text;
}

const char* const kPresets[] = {
    "Sin(x) * Cos(z)",
    "x^3 * Sin(z * 10)",
    "x * x * z",
    "Tan(x) * Atan(z)",
    "Pow(Sin(x); 3)",
    "(x * x) / (z * z)",
    "Pow((x * x) + (z * z); 0.5)",
    "Cos(Abs(x) + Abs(z))",
    "Log(x)",
    "x * Cos(z)",
    "Sin(Sqrt((x * x) + (z * z)))",
};

} // namespace

TEST(Precedence, PowerBindsTighterThanUnaryMinusAndGroupsToTheRight)
{
	EXPECT_EQ(Value("-2^2"), -4.0);
	EXPECT_EQ(Value("2^3^2"), 512.0);
	EXPECT_EQ(Value("2^-1"), 0.5);
	EXPECT_EQ(Value("2^-3^2"), std::pow(2.0, -9.0));
	EXPECT_EQ(Value("-2^-2"), -0.25);
	EXPECT_EQ(Value("(-2)^2"), 4.0);
	EXPECT_EQ(Value("2*3^2"), 18.0);
	EXPECT_EQ(Value("2^3*2"), 16.0);
	EXPECT_EQ(Value("2^+3"), 8.0);
}

TEST(Precedence, UnarySignsStackAndApplyToProducts)
{
	EXPECT_EQ(Value("2*-3"), -6.0);
	EXPECT_EQ(Value("--3"), 3.0);
	EXPECT_EQ(Value("-+-3"), 3.0);
	EXPECT_EQ(Value("---3"), -3.0);
	EXPECT_EQ(Value("2--3"), 5.0);
	EXPECT_EQ(Value("2 -3"), -1.0);
	EXPECT_EQ(Value("-3*-3"), 9.0);
	EXPECT_EQ(Value("6/-2"), -3.0);
}

TEST(Precedence, ProductsBeforeSumsAndLeftToRightWithinALevel)
{
	EXPECT_EQ(Value("1+2*3"), 7.0);
	EXPECT_EQ(Value("(1+2)*3"), 9.0);
	EXPECT_EQ(Value("2-3-4"), -5.0);
	EXPECT_EQ(Value("8/4/2"), 1.0);
	EXPECT_EQ(Value("8/4*2"), 4.0);
	EXPECT_EQ(Value("1-2+3"), 2.0);
}

TEST(Precedence, ComparisonsAndLogicSitBelowArithmetic)
{
	EXPECT_EQ(Value("1+1 == 2"), 1.0);
	EXPECT_EQ(Value("1+1 = 3"), 0.0);
	EXPECT_EQ(Value("2 != 3"), 1.0);
	EXPECT_EQ(Value("1 < 2"), 1.0);
	EXPECT_EQ(Value("2 <= 2"), 1.0);
	EXPECT_EQ(Value("3 > 2*2"), 0.0);
	EXPECT_EQ(Value("2 >= 3"), 0.0);
	EXPECT_EQ(Value("3 > 2 > 1"), 0.0); // (3 > 2) > 1
	EXPECT_EQ(Value("1 || 0 && 0"), 1.0);
	EXPECT_EQ(Value("1 or 0 and 0"), 1.0);
	EXPECT_EQ(Value("0 && 1 || 1"), 1.0);
	EXPECT_EQ(Value("!0"), 1.0);
	EXPECT_EQ(Value("!5"), 0.0);
	EXPECT_EQ(Value("!0 + 1"), 2.0);
	EXPECT_EQ(Value("-!0"), -1.0);
	EXPECT_EQ(Value("!-0"), 1.0);
	EXPECT_EQ(Value("0/0 != 0/0"), 1.0);
	EXPECT_EQ(Value("0/0 == 0/0"), 0.0);
}

TEST(Conditional, QuestionMarkPicksTheFirstBranchWhenTrue)
{
	EXPECT_EQ(Value("(3>4)?(10;20)"), 20.0);
	EXPECT_EQ(Value("3 < 4 ? (10; 20)"), 10.0);
	EXPECT_EQ(Value("1 + 1 ? (2 ? (5; 6); 7)"), 5.0);
	EXPECT_EQ(Value("0 ? (1; 2) ? (3; 4)"), 3.0);
	EXPECT_EQ(Value("if(1; 2; 3)"), 2.0);
	EXPECT_EQ(Value("If(0; 2; 3)"), 3.0);
	EXPECT_EQ(Value("if(2 > 1; 1/0; 0)"), kInf);
	EXPECT_TRUE(IsError("1 ? 2"));
	EXPECT_TRUE(IsError("1 ? (2)"));
	EXPECT_TRUE(IsError("1 ? (2; 3; 4)"));
	EXPECT_TRUE(IsError("1 ? (2; 3) * 2"));
	EXPECT_TRUE(IsError("?(1;2)"));
}

TEST(Numbers, AcceptFractionsWithoutDigitsOnOneSideAndScientificExponents)
{
	EXPECT_EQ(Value("12"), 12.0);
	EXPECT_EQ(Value("0.5"), 0.5);
	EXPECT_EQ(Value(".5"), 0.5);
	EXPECT_EQ(Value("7."), 7.0);
	EXPECT_EQ(Value("1e3"), 1000.0);
	EXPECT_EQ(Value("2.5E-4"), 2.5e-4);
	EXPECT_EQ(Value("1e+2"), 100.0);
	EXPECT_EQ(Value("0.1"), 0.1);
	EXPECT_EQ(Value("000012.50"), 12.5);
	EXPECT_EQ(Value(" \t1\n+\r\n2 "), 3.0);
}

// Short literals take a fast path in the lexer; every literal must still round exactly as from_chars does.
TEST(Numbers, LiteralsRoundExactlyAsFromChars)
{
	std::mt19937 random(5);
	for (int i = 0; i < 200000; ++i)
	{
		std::string literal;
		const int digits = 1 + int(random() % 24);
		for (int d = 0; d < digits; ++d)
			literal += char('0' + (d == 0 && i % 3 == 0 ? random() % 2 : random() % 10));
		if (random() % 4 != 0)
			literal.insert(random() % (literal.size() + 1), 1, '.');
		if (literal == ".")
			literal = "0.";
		if (random() % 3 == 0)
			literal += (random() % 2 ? "e" : "E-") + std::to_string(random() % 40);
		double expected = 0.0;
		const std::from_chars_result parsed =
		    std::from_chars(literal.data(), literal.data() + literal.size(), expected);
		ASSERT_EQ(parsed.ptr, literal.data() + literal.size()) << literal;
		ASSERT_EQ(Bits(Value(literal)), Bits(expected)) << literal;
	}
}

TEST(Numbers, AnEWithoutDigitsIsNotAnExponent)
{
	EXPECT_TRUE(IsError("1e"));
	EXPECT_TRUE(IsError("1e+"));
	EXPECT_TRUE(IsError("1 e"));
	EXPECT_TRUE(IsError("1E-x"));
	EXPECT_EQ(Value("1e-1"), 0.1);
	EXPECT_EQ(Value("2*e"), 2 * std::numbers::e);
	EXPECT_EQ(Value("e-1"), std::numbers::e - 1);
}

TEST(Numbers, HugeAndTinyLiteralsSaturateToInfinityAndZero)
{
	EXPECT_EQ(Value("1e308*10"), kInf);
	EXPECT_EQ(Value("1e400"), kInf);
	EXPECT_EQ(Value("-1e400"), -kInf);
	EXPECT_EQ(Value("1e-400"), 0.0);
	EXPECT_EQ(Value("1e99999999999999999999999"), kInf);
	EXPECT_EQ(Value("1e-99999999999999999999999"), 0.0);
	EXPECT_EQ(Value("0e99999"), 0.0);
	EXPECT_EQ(Value("4e-320"), 4e-320);

	const std::string fourHundredDigits = "1" + std::string(399, '0');
	EXPECT_EQ(Value(fourHundredDigits), kInf);
	EXPECT_EQ(Value(fourHundredDigits + "e-200"), 1e199);
	EXPECT_EQ(Value("1" + std::string(299, '0')), 1e299);
	EXPECT_EQ(Value("0." + std::string(400, '0') + "1"), 0.0);
	EXPECT_EQ(Value("0." + std::string(400, '0') + "1e405"), 1e4);
	EXPECT_EQ(Value(std::string(400, '0') + "1.5"), 1.5);
	EXPECT_EQ(Value("0." + std::string(400, '9')), 1.0);
}

TEST(Functions, TrigonometryTakesDegreesAndIsExactAtQuarterTurns)
{
	EXPECT_EQ(Value("sin(90)"), 1.0);
	EXPECT_EQ(Value("cos(90)"), 0.0);
	EXPECT_EQ(Value("sin(180)"), 0.0);
	EXPECT_EQ(Value("cos(180)"), -1.0);
	EXPECT_EQ(Value("sin(-90)"), -1.0);
	EXPECT_EQ(Value("sin(270)"), -1.0);
	EXPECT_EQ(Value("cos(-270)"), 0.0);
	EXPECT_EQ(Value("sin(360000090)"), 1.0);
	EXPECT_EQ(Value("sin(30)"), 0.5);
	EXPECT_EQ(Value("cos(60)"), 0.5);
	EXPECT_EQ(Value("cos(-240)"), -0.5);
	EXPECT_EQ(Value("tan(45)"), 1.0);
	EXPECT_EQ(Value("tan(-135)"), 1.0);
	EXPECT_EQ(Value("tan(180)"), 0.0);
	EXPECT_EQ(Value("tan(90)"), kInf);
	EXPECT_EQ(Value("tan(-90)"), -kInf);
	EXPECT_TRUE(std::isnan(Value("sin(1/0)")));
	EXPECT_FALSE(std::signbit(Value("sin(180)")));
	EXPECT_FALSE(std::signbit(Value("sin(-180)")));
	EXPECT_TRUE(std::signbit(Value("sin(-0)")));
}

TEST(Functions, InverseTrigonometryReturnsDegrees)
{
	EXPECT_EQ(Value("asin(1)"), 90.0);
	EXPECT_EQ(Value("asin(-1)"), -90.0);
	EXPECT_EQ(Value("acos(-1)"), 180.0);
	EXPECT_EQ(Value("acos(1)"), 0.0);
	EXPECT_EQ(Value("atan(1)"), 45.0);
	EXPECT_EQ(Value("atan2(1; 1)"), 45.0);
	EXPECT_EQ(Value("atan2(0; -1)"), 180.0);
	EXPECT_EQ(Value("atan2(-1; 0)"), -90.0);
	EXPECT_NEAR(Value("asin(0.5)"), 30.0, 1e-13);
	EXPECT_TRUE(std::isnan(Value("asin(2)")));
}

// The plug-in's default grid: -180..180 in steps of 7.2. Compared with long double arithmetic.
TEST(Functions, SineAndCosineAreAccurateOnTheDefaultGrid)
{
	const long double radiansPerDegree = std::numbers::pi_v<long double> / 180;
	for (int k = -25; k <= 25; ++k)
	{
		const double degrees = -180.0 + 7.2 * (k + 25);
		if (k == -25 || k == 25)
		{
			EXPECT_EQ(SinDegrees(degrees), 0.0); // long double pi is not exact either
			continue;
		}
		const long double exactSin = std::sin((long double)degrees * radiansPerDegree);
		const long double exactCos = std::cos((long double)degrees * radiansPerDegree);
		// Within two ulps of the true value, also near the zeros (relative accuracy).
		EXPECT_LE(std::fabs(SinDegrees(degrees) - exactSin),
		          2 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(exactSin), 1e-300L))
		    << degrees;
		EXPECT_LE(std::fabs(CosDegrees(degrees) - exactCos),
		          2 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(exactCos), 1e-300L))
		    << degrees;
		EXPECT_EQ(Bits(Value("Sin(" + Format(degrees) + ")")), Bits(SinDegrees(degrees)));
	}
}

TEST(Functions, CosineIsEvenAndSineIsOddBitForBit)
{
	std::mt19937_64 random(7);
	std::uniform_real_distribution<double> angle(-1e6, 1e6);
	for (int i = 0; i < 20000; ++i)
	{
		const double x = i < 10000 ? angle(random) : 7.2 * (i - 15000);
		ASSERT_EQ(Bits(CosDegrees(-x)), Bits(CosDegrees(x))) << Format(x);
		// Zero results are +0 on both sides, so compare values (0 == -0) but require the same bits otherwise.
		ASSERT_EQ(SinDegrees(-x), -SinDegrees(x)) << Format(x);
		ASSERT_EQ(TanDegrees(-x), -TanDegrees(x)) << Format(x);
		// Periodic: the reduction modulo 360 is exact.
		const double shifted = x + 360.0 * 1024;
		if (shifted - 360.0 * 1024 == x)
		{
			ASSERT_EQ(Bits(SinDegrees(shifted)), Bits(SinDegrees(x))) << Format(x);
		}
	}
}

TEST(Functions, ElementaryFunctionsFollowTheirMathematicalDefinitions)
{
	EXPECT_EQ(Value("log(e)"), 1.0);
	EXPECT_EQ(Value("log10(1000)"), 3.0);
	EXPECT_EQ(Value("exp(1)"), std::exp(1.0));
	EXPECT_EQ(Value("sqrt(16)"), 4.0);
	EXPECT_EQ(Value("sqr(3)"), 9.0);
	EXPECT_EQ(Value("sqr(-3)"), 9.0);
	EXPECT_EQ(Value("pow(2; 10)"), 1024.0);
	EXPECT_EQ(Value("Pow((-3); 3)"), -27.0);
	EXPECT_EQ(Value("abs(-2.5)"), 2.5);
	EXPECT_EQ(Value("floor(-1.5)"), -2.0);
	EXPECT_EQ(Value("ceil(-1.5)"), -1.0);
	EXPECT_EQ(Value("round(2.5)"), 3.0);
	EXPECT_EQ(Value("round(-2.5)"), -3.0);
	EXPECT_EQ(Value("trunc(-1.7)"), -1.0);
	EXPECT_EQ(Value("mod(7; 3)"), 1.0);
	EXPECT_EQ(Value("mod(-7; 3)"), -1.0);
	EXPECT_EQ(Value("mod(7.5; 2)"), 1.5);
	EXPECT_EQ(Value("min(3; -2)"), -2.0);
	EXPECT_EQ(Value("max(3; -2)"), 3.0);
	EXPECT_EQ(Value("clamp(2; 6; 10)"), 6.0);
	EXPECT_EQ(Value("clamp(2; 1; 10)"), 2.0);
	EXPECT_EQ(Value("clamp(2; 11; 10)"), 10.0);
	EXPECT_EQ(Value("clamp(10; 5; 2)"), 2.0);
	EXPECT_TRUE(std::isnan(Value("min(0/0; 1)")));
	EXPECT_TRUE(std::isnan(Value("max(1; 0/0)")));
	EXPECT_TRUE(std::isnan(Value("clamp(0; 0/0; 1)")));
	EXPECT_EQ(Value("sinh(1)"), std::sinh(1.0));
	EXPECT_EQ(Value("cosh(1)"), std::cosh(1.0));
	EXPECT_EQ(Value("tanh(1)"), std::tanh(1.0));
	EXPECT_EQ(Value("max(min(1; 2); if(0; 5; -1))"), 1.0);
}

TEST(Functions, DomainErrorsAndOverflowGiveIeeeNumbers)
{
	EXPECT_EQ(Value("1/0"), kInf);
	EXPECT_EQ(Value("-1/0"), -kInf);
	EXPECT_TRUE(std::isnan(Value("0/0")));
	EXPECT_TRUE(std::isnan(Value("log(-1)")));
	EXPECT_TRUE(std::isnan(Value("sqrt(-1)")));
	EXPECT_TRUE(std::isnan(Value("mod(1; 0)")));
	EXPECT_EQ(Value("log(0)"), -kInf);
	EXPECT_EQ(Value("exp(1000)"), kInf);
	EXPECT_EQ(Value("10^400"), kInf);
}

TEST(Arguments, SemicolonIsTheOnlySeparator)
{
	const Outcome comma = Evaluate("pow(2,3)");
	EXPECT_FALSE(comma.hasNumber);
	EXPECT_EQ(comma.offset, 5u);
	EXPECT_NE(std::string(comma.error).find("';'"), std::string::npos);
	EXPECT_TRUE(IsError("1,5"));
	EXPECT_TRUE(IsError("min(1;2,3)"));
	EXPECT_TRUE(IsError("1;2"));
	EXPECT_EQ(Value("min(  1 ;\t2 )"), 1.0);
}

TEST(Arguments, EveryFunctionInsistsOnItsArgumentCount)
{
	struct Case
	{
		const char* name;
		int arity;
	};
	const Case cases[] = {{"sin", 1},  {"cos", 1},  {"tan", 1},  {"asin", 1},  {"acos", 1}, {"atan", 1},  {"atan2", 2},
	                      {"sinh", 1}, {"cosh", 1}, {"tanh", 1}, {"exp", 1},   {"log", 1},  {"log10", 1}, {"sqrt", 1},
	                      {"sqr", 1},  {"pow", 2},  {"abs", 1},  {"floor", 1}, {"ceil", 1}, {"round", 1}, {"trunc", 1},
	                      {"mod", 2},  {"min", 2},  {"max", 2},  {"clamp", 3}, {"if", 3}};
	for (const Case& c : cases)
	{
		for (int count = 0; count <= 4; ++count)
		{
			std::string text = std::string(c.name) + "(";
			for (int i = 0; i < count; ++i)
			{
				if (i > 0)
					text += ';';
				text += std::to_string(i + 1);
				text += ".5";
			}
			text += ")";
			const Outcome outcome = Evaluate(text);
			EXPECT_EQ(outcome.hasNumber, count == c.arity) << text;
		}
		EXPECT_TRUE(IsError(c.name)) << c.name; // a function name alone is not a value
	}
	EXPECT_EQ(Evaluate("pow(2;3;4)").offset, 7u);
}

TEST(Names, IgnoreCase)
{
	EXPECT_EQ(Value("SIN(90)"), 1.0);
	EXPECT_EQ(Value("sIn(90) + CoS(0)"), 2.0);
	EXPECT_EQ(Value("PI"), std::numbers::pi);
	EXPECT_EQ(Value("Pi05InV"), 2 / std::numbers::pi);
	EXPECT_EQ(Value("1 AND 0 Or 1"), 1.0);
	EXPECT_EQ(Value("E"), std::numbers::e);
	EXPECT_EQ(Value("LOG10(100)"), 2.0);
}

TEST(Names, ConstantsHaveTheirValues)
{
	EXPECT_EQ(Value("e"), std::numbers::e);
	EXPECT_EQ(Value("pi"), std::numbers::pi);
	EXPECT_EQ(Value("pi05"), std::numbers::pi / 2);
	EXPECT_EQ(Value("pi2"), 2 * std::numbers::pi);
	EXPECT_EQ(Value("piinv"), 1 / std::numbers::pi);
	EXPECT_EQ(Value("pi05inv"), 2 / std::numbers::pi);
	EXPECT_EQ(Value("pi2inv"), 1 / (2 * std::numbers::pi));
	EXPECT_EQ(Value("-pi^2"), -(std::numbers::pi * std::numbers::pi));
	EXPECT_TRUE(IsError("pi(2)"));
	EXPECT_TRUE(IsError("2pi"));
	EXPECT_TRUE(IsError("pi pi"));
}

TEST(InvalidText, IsRejectedWithAMessageAndAnOffset)
{
	const char* const texts[] = {"",      "   ",      "x",       "a",     "Sin(",   "Sin",     "1+",    "*1",
	                             "(1",    "1)",       "()",      "1 2",   "sin(x)", "foo(1)",  "1 & 2", "1 | 2",
	                             "#",     "\xC3\xA9", "1,5",     "e e",   ".",      "1..2",    "1.2.3", "+",
	                             "2^",    "!",        "sin(1))", "(((",   "1 <",    "1 = = 2", "and",   "1 and",
	                             "pi05x", "sin 3",    "1?",      "1e3e3", "_"};
	for (const char* text : texts)
		EXPECT_TRUE(IsError(text)) << "'" << text << "'";
}

TEST(InvalidText, ReportsWhereTheProblemIs)
{
	EXPECT_EQ(Evaluate("1 + foo").offset, 4u);
	EXPECT_EQ(Evaluate("(1").offset, 2u);
	EXPECT_EQ(Evaluate("1)").offset, 1u);
	EXPECT_EQ(Evaluate("1 + * 2").offset, 4u);
	EXPECT_EQ(Evaluate("sin(1; 2)").offset, 5u);
	EXPECT_EQ(Evaluate("1 2").offset, 2u);
	EXPECT_EQ(Evaluate("2 $").offset, 2u);
	EXPECT_EQ(Evaluate("12\xB3").offset, 2u); // '3' with the high bit set ends the literal
	EXPECT_EQ(Evaluate("123456789:").offset, 9u);
	EXPECT_EQ(Evaluate("").offset, 0u);
	EXPECT_STREQ(Evaluate("x").error, "unknown name");
}

TEST(InvalidText, EveryPrefixOfAFormulaIsANumberOrACleanError)
{
	const double samples[][2] = {{-180, -172.8}, {3.5, 0}, {1e-7, -2.5e10}, {-0.0, 7}};
	for (const char* preset : kPresets)
		for (const auto& sample : samples)
		{
			const std::string text = Substitute(preset, sample[0], sample[1]);
			for (std::size_t length = 0; length <= text.size(); ++length)
			{
				const std::string prefix = text.substr(0, length);
				ExpectNumberOrCleanError(prefix);
				ExpectSameAsFresh(prefix);
			}
			EXPECT_TRUE(Evaluate(text).hasNumber) << text;
		}
}

TEST(InvalidText, GarbageBytesNeverCrash)
{
	std::mt19937 random(1234);
	const std::string alphabet = "0123456789.eE+-*/^()!;?=<>&|, \t\nsincoxzpiltamqrgd\x80\xff";
	for (int i = 0; i < 20000; ++i)
	{
		std::string text(random() % 40, '\0');
		for (char& c : text)
			c = i % 2 ? char(random()) : alphabet[random() % alphabet.size()];
		ExpectNumberOrCleanError(text);
		ExpectSameAsFresh(text);
	}
	EXPECT_TRUE(IsError(std::string("1\0+1", 4)));
}

TEST(Limits, NestingBeyondTheLimitIsAnErrorNotACrash)
{
	const std::size_t n = kMaxNesting;
	EXPECT_EQ(Value(std::string(n, '(') + "1" + std::string(n, ')')), 1.0);
	EXPECT_STREQ(Evaluate(std::string(n + 1, '(') + "1" + std::string(n + 1, ')')).error, "nesting too deep");
	EXPECT_TRUE(IsError(std::string(10000, '(')));
	EXPECT_TRUE(IsError(std::string(10000, '(') + "1" + std::string(10000, ')')));

	std::string calls;
	for (int i = 0; i < 10000; ++i)
		calls += "sin(";
	EXPECT_TRUE(IsError(calls + "1" + std::string(10000, ')')));

	std::string powers;
	for (int i = 0; i < 10000; ++i)
		powers += "1^";
	EXPECT_TRUE(IsError(powers + "1"));
	std::string conditionals;
	for (int i = 0; i < 10000; ++i)
		conditionals += "1?(";
	EXPECT_TRUE(IsError(conditionals));
}

// Worker threads may have small stacks: the deepest accepted text, mixing every kind of nesting and every
// precedence level, must parse in 128 KiB (it needs about 64). AddressSanitizer's padded frames need more.
TEST(Limits, DeepestNestingFitsInASmallThreadStack)
{
	// Each unit opens three levels: the call, the exponent and the parenthesis.
	auto nested = [](std::size_t units)
	{
		std::string text;
		for (std::size_t i = 0; i < units; ++i)
			text += "1 || 1 && 1 == 1 + 1 * -max(1; 2^(";
		text += "1";
		for (std::size_t i = 0; i < units; ++i)
			text += "))";
		return text;
	};
	const std::string text = nested(kMaxNesting / 3);
	ASSERT_TRUE(Evaluate(text).hasNumber);
	ASSERT_STREQ(Evaluate(nested(kMaxNesting / 3 + 1)).error, "nesting too deep");

	struct Job
	{
		const std::string* text;
		Outcome outcome;
	} job{&text, {}};
	pthread_attr_t attributes;
	pthread_attr_init(&attributes);
	pthread_attr_setstacksize(&attributes, kSmallStack);
	pthread_t thread;
	ASSERT_EQ(pthread_create(
	              &thread, &attributes,
	              [](void* argument) -> void*
	              {
		              Job* j = static_cast<Job*>(argument);
		              j->outcome = EvaluateUncached(*j->text);
		              return nullptr;
	              },
	              &job),
	          0);
	pthread_join(thread, nullptr);
	pthread_attr_destroy(&attributes);
	EXPECT_TRUE(job.outcome.hasNumber);
}

TEST(Limits, LongRunsOfUnaryOperatorsNeedNoNesting)
{
	EXPECT_EQ(Value(std::string(60000, '-') + "1"), 1.0);
	EXPECT_EQ(Value(std::string(60001, '-') + "1"), -1.0);
	EXPECT_EQ(Value(std::string(60000, '!') + "5"), 1.0);
}

TEST(Limits, TextUpToTheMaximumLengthIsEvaluated)
{
	std::string sum = "1";
	while (sum.size() + 2 <= kMaxLength)
		sum += "+1";
	EXPECT_EQ(Value(sum), double((sum.size() + 1) / 2));
	std::string tooLong(kMaxLength + 1, ' ');
	tooLong[0] = '1';
	const Outcome outcome = Evaluate(tooLong);
	EXPECT_FALSE(outcome.hasNumber);
	EXPECT_EQ(outcome.offset, kMaxLength);
	EXPECT_EQ(Value(tooLong.substr(0, kMaxLength)), 1.0);
}

// The presets with numbers put in, against the same formula written in C++.
TEST(Presets, MatchTheFormulasComputedDirectly)
{
	for (double x = -180; x <= 180; x += 36.9)
		for (double z = -180; z <= 180; z += 41.3)
		{
			const double expected[] = {
			    SinDegrees(x) * CosDegrees(z),
			    std::pow(x, 3) * SinDegrees(z * 10),
			    x * x * z,
			    TanDegrees(x) * (std::atan(z) * (180 / std::numbers::pi)),
			    std::pow(SinDegrees(x), 3),
			    (x * x) / (z * z),
			    std::pow((x * x) + (z * z), 0.5),
			    CosDegrees(std::fabs(x) + std::fabs(z)),
			    std::log(x),
			    x * CosDegrees(z),
			    SinDegrees(std::sqrt((x * x) + (z * z))),
			};
			for (std::size_t i = 0; i < std::size(kPresets); ++i)
			{
				const std::string text = Substitute(kPresets[i], x, z);
				EXPECT_EQ(Bits(Value(text)), Bits(expected[i])) << text;
			}
		}
}

TEST(Cache, SubtlyDifferentShapesGiveTheirOwnResults)
{
	// Interleaved so that each shape is in the cache when its neighbour is evaluated.
	for (int round = 0; round < 3; ++round)
	{
		EXPECT_EQ(Value("2-3"), -1.0);
		EXPECT_EQ(Value("2 -3"), -1.0);
		EXPECT_EQ(Value("2--3"), 5.0);
		EXPECT_EQ(Value("2-+3"), -1.0);
		EXPECT_EQ(Value("1e3"), 1000.0);
		EXPECT_TRUE(IsError("1 e"));
		EXPECT_EQ(Value("1e3-1"), 999.0);
		EXPECT_EQ(Value("1 - e"), 1 - std::numbers::e);
		EXPECT_EQ(Value("-2^2"), -4.0);
		EXPECT_EQ(Value("(-2)^2"), 4.0);
		EXPECT_EQ(Value("sin(90)"), 1.0);
		EXPECT_EQ(Value("cos(90)"), 0.0);
		EXPECT_EQ(Value("1 == 2"), 0.0);
		EXPECT_EQ(Value("1 = 2"), 0.0);
		EXPECT_EQ(Value("1 != 2"), 1.0);
		EXPECT_EQ(Value("!1 = 2"), 0.0);
		EXPECT_EQ(Value("1 <= 2"), 1.0);
		EXPECT_EQ(Value("1 < 2"), 1.0);
		EXPECT_EQ(Value("1 < -2"), 0.0);
	}
}

// Random formulas, each evaluated with many number sets so the cached program is reused, compared bit for bit
// with a fresh parse. More shapes than cache entries are live at once, so entries are replaced under way.
TEST(Cache, CachedResultsEqualFreshParsesBitForBit)
{
	std::mt19937 random(99);
	const char* const pieces[] = {"+", "-", "*", "/", "^", " - -", "*-", "^-", "<", "==", "&&", "or"};
	const char* const calls[] = {"sin", "cos", "tan", "sqrt", "log", "abs", "atan", "sqr"};
	auto number = [&]() -> std::string
	{
		switch (random() % 5)
		{
		case 0:
			return Format(std::uniform_real_distribution<double>(-200, 200)(random));
		case 1:
			return std::to_string(int(random() % 400) - 200);
		case 2:
			return std::to_string(random() % 100) + "e" + std::to_string(int(random() % 20) - 10);
		case 3:
			return std::string(1, '.').append(std::to_string(random() % 1000));
		default:
			return std::to_string(random() % 10) + ".";
		}
	};
	std::vector<std::vector<std::string>> shapes; // a shape: the text pieces between the numbers
	for (int s = 0; s < 40; ++s)
	{
		std::vector<std::string> between{""};
		const int terms = 1 + int(random() % 6);
		for (int t = 0; t < terms; ++t)
		{
			if (random() % 3 == 0)
				between.back() += std::string(calls[random() % std::size(calls)]) + "(";
			between.push_back("");
			if (between[between.size() - 2].ends_with("("))
				between.back() += ")";
			if (t + 1 < terms)
				between.back() += std::string(pieces[random() % std::size(pieces)]);
		}
		shapes.push_back(between);
	}
	int numbers = 0;
	for (int round = 0; round < 200; ++round)
		for (const auto& between : shapes)
		{
			std::string text = between[0];
			for (std::size_t i = 1; i < between.size(); ++i)
			{
				text += number();
				text += between[i];
			}
			numbers += Evaluate(text).hasNumber ? 1 : 0;
			ExpectSameAsFresh(text);
		}
	EXPECT_GT(numbers, 4000); // most of the random texts are valid formulas
}

// A text is recognised as a cached shape by its bytes around the numbers. Each pair warms the cache with the first
// text, then evaluates texts whose bytes nearly match it but whose tokens differ, where a number literal would grow
// into the bytes after it, shrink, start or stop in another place, or be read as part of a name.
TEST(Cache, NearMissesOfACachedTextAreParsedAsWhatTheyAre)
{
	const std::vector<std::vector<std::string>> cases = {
	    {"1+2", "1e+2", "1e+2+2", "1.+2", "1.5+2.", "1+2)", "1+2 ", " 1+2", "1+2x", "1+.", "1+.5", "1++2", "1+2e"},
	    {"2*e", "2e*e", "2e1*e", "2.*e", "2*e1", "2*e+1", "2 *e"},
	    {"log10(100)", "log10(1000)", "log1(100)", "log100(100)", "log10(1e3)", "log10(.1)", "log10 (100)"},
	    {"pi2+1", "pi+21", "pi2+1.5", "pi2 +1", "pi05+1", "pi2+1e"},
	    {"Sin(90) * Cos(0)", "sin(90) * Cos(0)", "Sin(90)*Cos(0)", "Sin(90) * Cos(0.)", "Sin(9e1) * Cos(.0)",
	     "Sin(90) * Cos(0) ", "Sin((-90)) * Cos(0)", "Sin(-90) * Cos(0)", "Sin(90) * Cos(0"},
	    {"(-1.5) * 2", "(-1.5e3) * 2", "(-1.5e) * 2", "(-1.5E-3) * 2", "(-1.5e+) * 2", "(-15) * 2", "(-.5) * 2"},
	    {"1 < 2", "1 <= 2", "1 << 2", "1 <2", "1< 2", "1 <2.5"},
	    {"3", "3.", ".3", "3e3", "3e", "3x", "x3", "33333333333333333333333", "1e400", "1e-400", "0e99999", ""},
	};
	for (int round = 0; round < 2; ++round)
		for (const std::vector<std::string>& texts : cases)
			for (const std::string& text : texts)
			{
				// The first text of the row is evaluated before each of the others, so it is always the last hit.
				ExpectSameAsFresh(texts[0]);
				ExpectSameAsFresh(text);
			}
}

// The numbers the plot object writes and the edges of the decimal scan, read through a cached shape: shortest and
// 17-digit round trips of random doubles of every magnitude, the 19-digit and 2^53 limits of the exact path, and
// the powers of ten around its exponent limit, each equal to from_chars bit for bit.
TEST(Cache, NumbersReadThroughACachedShapeRoundTripExactly)
{
	std::mt19937_64 random(2024);
	std::vector<std::string> literals = {"9007199254740992",
	                                     "9007199254740993",
	                                     "9007199254740991.5",
	                                     "1234567890123456789",
	                                     "12345678901234567890",
	                                     "0.1234567890123456789",
	                                     "1e22",
	                                     "1e23",
	                                     "1e-22",
	                                     "1e-23",
	                                     "123456789e22",
	                                     "4.9e-324",
	                                     "2.4e-324",
	                                     "1.7976931348623157e308",
	                                     "0.000000001",
	                                     "10000"};
	char buffer[64];
	for (int i = 0; i < 100000; ++i)
	{
		double value;
		const std::uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFull;
		std::memcpy(&value, &bits, sizeof value);
		if (!std::isfinite(value))
			continue;
		const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
		literals.emplace_back(buffer, shortest.ptr);
		std::snprintf(buffer, sizeof buffer, "%.17g", value);
		literals.emplace_back(buffer);
		const double plotValue = std::uniform_real_distribution<double>(-1000, 1000)(random);
		std::snprintf(buffer, sizeof buffer, "%.15g", plotValue);
		literals.emplace_back(buffer);
	}
	for (const std::string& literal : literals)
	{
		if (literal[0] == '-')
			continue;
		double expected = 0.0;
		const std::from_chars_result parsed =
		    std::from_chars(literal.data(), literal.data() + literal.size(), expected);
		ASSERT_EQ(parsed.ptr, literal.data() + literal.size()) << literal;
		const Outcome cached = Evaluate("abs(" + literal + ") + 0");
		ASSERT_TRUE(cached.hasNumber) << literal;
		ASSERT_EQ(Bits(cached.value), Bits(std::fabs(expected) + 0.0)) << literal;
	}
}

TEST(Cache, EachThreadEvaluatesIndependently)
{
	std::atomic<int> mismatches{0};
	std::vector<std::thread> threads;
	for (int t = 0; t < 4; ++t)
		threads.emplace_back(
		    [t, &mismatches]
		    {
			    for (int i = 0; i < 2000; ++i)
			    {
				    const double x = -180 + 0.36 * i, z = 7.2 * t;
				    const std::string text = Substitute(kPresets[(t + i) % std::size(kPresets)], x, z);
				    const Outcome cached = Evaluate(text);
				    const Outcome fresh = EvaluateUncached(text);
				    if (!cached.hasNumber || Bits(cached.value) != Bits(fresh.value))
					    ++mismatches;
			    }
		    });
	for (std::thread& thread : threads)
		thread.join();
	EXPECT_EQ(mismatches.load(), 0);
}
