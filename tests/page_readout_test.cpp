// The chart page's readout values: which frames can be read sample by sample, and why not.
#include "app/page_readout.h"

#include <gtest/gtest.h>

#include <cmath>

using surfax::app::PageValues;
using surfax::app::WhyValuesCannotBeRead;

TEST(PageReadoutValues, EveryFrameMustHoldOneValuePerSample)
{
	// Whole frames are read as they are.
	PageValues whole{{{1.0, 2.0, 3.0, 4.0}, {5.0, 6.0, 7.0, 8.0}}, -1};
	EXPECT_EQ(WhyValuesCannotBeRead(whole, 4, false, 0), "");
	EXPECT_EQ(whole.frames[1], (std::vector<double>{5.0, 6.0, 7.0, 8.0}));

	// A sample dropped in one frame shifts the later ones: the readout is left out, naming the frame.
	PageValues dropped{{{1.0, 2.0, 3.0, 4.0}, {5.0, 6.0, 7.0}}, -1};
	EXPECT_EQ(WhyValuesCannotBeRead(dropped, 4, false, 10),
	          "3 of the 4 samples were evaluated in frame 11 (memory ran out), so which value belongs to which sample "
	          "is not known");
	// A still chart names no frame.
	PageValues still{{{1.0, 2.0, 3.0, 4.0, 5.0}}, -1};
	EXPECT_EQ(
	    WhyValuesCannotBeRead(still, 4, false, 0),
	    "5 of the 4 samples were evaluated (memory ran out), so which value belongs to which sample is not known");

	// Values that could not be kept, and none at all.
	PageValues lost{{{1.0, 2.0, 3.0, 4.0}, {}}, 1};
	EXPECT_EQ(WhyValuesCannotBeRead(lost, 4, false, 0), "memory ran out while keeping the values in frame 1");
	PageValues none;
	EXPECT_EQ(WhyValuesCannotBeRead(none, 4, false, 0), "the chart has no values");
}

TEST(PageReadoutValues, AnEmptyFormulaIsZeroEverywhereAndAFormulaWithoutNumbersIsNot)
{
	// An empty formula converts nothing: every sample is 0, as the plot takes it.
	PageValues empty{{{}, {}}, -1};
	EXPECT_EQ(WhyValuesCannotBeRead(empty, 4, true, 0), "");
	EXPECT_EQ(empty.frames[0], (std::vector<double>(4, 0.0)));
	EXPECT_EQ(empty.frames[1], (std::vector<double>(4, 0.0)));
	// A formula that converted nothing is not empty: nothing to read.
	PageValues nothing{{{}}, -1};
	EXPECT_NE(WhyValuesCannotBeRead(nothing, 4, false, 0), "");
	// Texts without a number are kept as NaN, one per sample: still readable.
	const double nan = std::nan("");
	PageValues noNumbers{{{nan, 1.0, nan, 2.0}}, -1};
	EXPECT_EQ(WhyValuesCannotBeRead(noNumbers, 4, false, 0), "");
}
