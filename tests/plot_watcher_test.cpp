// The plot watcher the components share: what each part reports at its first take and after, the counter's
// conversion, and a copy of the counter alone.
#include "source/plotwatcher.h"

#include "res/description/o3dplot.h"

#include "host/scene/node.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <limits>

using namespace cinema;
using surfax::test::TestDocument;

TEST(PlotWatcher, TheFirstTakeOfTheFrameAndTheBoxSeesAMove)
{
	TestDocument doc;
	BaseObject* plot = doc.Add(Onull); // the watcher reads only the container
	PlotWatcher watcher;
	watcher.Init();
	EXPECT_FALSE(watcher.IsLastFrame(0));
	EXPECT_TRUE(watcher.TakeFrame(0));
	EXPECT_TRUE(watcher.IsLastFrame(0));
	EXPECT_FALSE(watcher.TakeFrame(0));
	EXPECT_TRUE(watcher.TakeFrame(-1));
	EXPECT_FALSE(watcher.IsLastFrame(0));

	// No size and height in the container read as 0, which differs from Init's -1.
	EXPECT_TRUE(watcher.TakeBox(*plot));
	EXPECT_FALSE(watcher.TakeBox(*plot));
	plot->GetDataInstanceRef().SetFloat(PLOT_SIZE, 200.0);
	EXPECT_TRUE(watcher.TakeBox(*plot));
	EXPECT_FALSE(watcher.TakeBox(*plot));
	plot->GetDataInstanceRef().SetFloat(PLOT_HEIGHT, 50.0);
	EXPECT_TRUE(watcher.TakeBox(*plot));
	EXPECT_FALSE(watcher.TakeBox(*plot));
	// A NaN never equals what was taken before, itself included.
	plot->GetDataInstanceRef().SetFloat(PLOT_HEIGHT, std::numeric_limits<Float>::quiet_NaN());
	EXPECT_TRUE(watcher.TakeBox(*plot));
	EXPECT_TRUE(watcher.TakeBox(*plot));
}

TEST(PlotWatcher, TheCounterIsTakenWhereverTheHostsCountStands)
{
	TestDocument doc;
	BaseObject* plot = doc.Add(Onull);
	PlotWatcher watcher;
	watcher.Init();
	// Init's counter is 0: a plot whose count stands at 0 has not moved.
	Host(plot).dirtyData = 0;
	EXPECT_FALSE(watcher.TakeDataCounter(*plot));
	plot->SetDirty(DIRTYFLAGS::DATA);
	EXPECT_TRUE(watcher.TakeDataCounter(*plot));
	EXPECT_FALSE(watcher.TakeDataCounter(*plot));
	// Counts beyond the Int32 range and the wrap back to 0 are moves like any other.
	for (const UInt32 count : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0u})
	{
		Host(plot).dirtyData = count;
		EXPECT_TRUE(watcher.TakeDataCounter(*plot)) << count;
		EXPECT_FALSE(watcher.TakeDataCounter(*plot)) << count;
	}
}

TEST(PlotWatcher, ACopyOfTheCounterLeavesTheOtherPartsAlone)
{
	TestDocument doc;
	BaseObject* plot = doc.Add(Onull);
	Host(plot).dirtyData = 12;
	PlotWatcher source;
	source.Init();
	EXPECT_TRUE(source.TakeDataCounter(*plot));
	EXPECT_TRUE(source.TakeFrame(7));
	EXPECT_TRUE(source.TakeBox(*plot));

	PlotWatcher copy;
	copy.Init();
	source.CopyDataCounterTo(copy);
	EXPECT_FALSE(copy.TakeDataCounter(*plot));
	EXPECT_FALSE(copy.IsLastFrame(7));
	EXPECT_TRUE(copy.TakeBox(*plot));

	// An assignment copies every part.
	PlotWatcher whole = source;
	EXPECT_FALSE(whole.TakeDataCounter(*plot));
	EXPECT_TRUE(whole.IsLastFrame(7));
	EXPECT_FALSE(whole.TakeBox(*plot));
}
