// Counting the number entry's results: what the command line's formula reports are built on.
#include "host/expr/number_entry_tally.h"

#include "c4d.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cinema;
using surfax::expr::NumberEntryTally;

namespace
{
GeData Convert(const char* text)
{
	return StringToNumber(maxon::String(text), FORMAT_FLOAT, 30);
}

// Restores the tally that counted before, also when an assertion fails.
struct TallyScope
{
	explicit TallyScope(NumberEntryTally* tally) : previous(surfax::expr::SetNumberEntryTally(tally)) {}
	~TallyScope() { surfax::expr::SetNumberEntryTally(previous); }
	NumberEntryTally* previous;
};
} // namespace

TEST(NumberEntryTally, CountsConversionsTextsWithoutNumbersAndNonFiniteResults)
{
	NumberEntryTally tally;
	{
		TallyScope scope(&tally);
		Convert("1 + 2");
		Convert("1 / 0");
		Convert("Log(-1)");
		Convert("Sin(-180");
		Convert("((");
		EXPECT_EQ(Convert("2 * 3").GetFloat(), 6.0) << "counting changes no result";
	}
	EXPECT_EQ(tally.conversions, 6u);
	EXPECT_EQ(tally.noNumber, 2u);
	EXPECT_EQ(tally.nonFinite, 2u);
	EXPECT_EQ(tally.Failed(), 4u);
	// The first failure is kept with its place, later ones are only counted.
	EXPECT_EQ(tally.firstFailedText, "Sin(-180");
	ASSERT_NE(tally.firstError, nullptr);
	EXPECT_STREQ(tally.firstError, "expected ')'");
	EXPECT_EQ(tally.firstErrorOffset, 8u);
	Convert("((");
	EXPECT_EQ(tally.conversions, 6u) << "nothing is counted once the tally is removed";
}

TEST(NumberEntryTally, ScopesNestAndEachCountsOnlyItsOwnConversions)
{
	NumberEntryTally outer, inner;
	{
		TallyScope outerScope(&outer);
		Convert("x");
		{
			TallyScope innerScope(&inner);
			Convert("1");
			Convert("1 +");
		}
		Convert("2");
	}
	EXPECT_EQ(outer.conversions, 2u);
	EXPECT_EQ(outer.noNumber, 1u);
	EXPECT_EQ(outer.firstFailedText, "x");
	EXPECT_EQ(inner.conversions, 2u);
	EXPECT_EQ(inner.noNumber, 1u);
	EXPECT_STREQ(inner.firstError, "unexpected end of text");
	EXPECT_EQ(inner.firstErrorOffset, 3u);
}

TEST(NumberEntryTally, KeepsABoundedPieceOfAVeryLongFailedText)
{
	std::string text(5000, '(');
	NumberEntryTally tally;
	{
		TallyScope scope(&tally);
		Convert(text.c_str());
	}
	EXPECT_EQ(tally.noNumber, 1u);
	EXPECT_EQ(tally.firstFailedText.size(), surfax::expr::kMaxKeptFailedText);
}
