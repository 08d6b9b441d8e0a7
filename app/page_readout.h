// What the chart page's readout needs from the plot object: its grid of samples, the formula's arguments at each,
// how a value becomes a height, and the values the number entry gave in each frame (FormulaWatch::RecordValues).
//
// The plug-in converts one text per sample, row by row (i along x, then j along z), so the k-th conversion of an
// evaluation is sample k = i * (n+1) + j. That holds only when every sample was converted: a sample dropped for lack
// of memory shifts every later one, so a frame with another count than (n+1)^2 leaves the readout out (and the page
// says why). An empty formula converts nothing: every value is 0.
#ifndef SURFAX_APP_PAGE_READOUT_H
#define SURFAX_APP_PAGE_READOUT_H

#include "c4d.h"

#include "host/render/chart_page.h"

#include <cstdint>
#include <string>
#include <vector>

namespace surfax::app
{
/// The number of samples of plot at its resolution n: (n+1)^2; 0 when plot declares no resolution.
std::size_t SampleCount(const cinema::BaseObject& plot);

/// The values of the frames of one page, as FormulaWatch::ValuesOfEvaluation gave them after each evaluation.
struct PageValues
{
	std::vector<std::vector<double>> frames;
	/// The first frame (index into frames' order) whose values were not kept (memory ran out), or -1.
	std::int64_t lostFrame = -1;
};

/// Checks the frames' values against the plot's `samples` ((n+1)^2), filling the frames of an empty formula (which
/// converts nothing) with 0. Empty when every frame can be read; else why not, as the page says it ("... in frame F"
/// naming the frame by its number from firstFrame when there are several).
std::string WhyValuesCannotBeRead(PageValues& values, std::size_t samples, bool emptyFormula, std::int32_t firstFrame);

/// Fills `out` for plot's chart page from its parameters and the recorded values; `out.absent` says why there is no
/// readout when a frame has another count than (n+1)^2 or its values were lost.
void DescribeReadout(const cinema::BaseObject& plot, const PageValues& values, std::int32_t firstFrame,
                     render::ChartReadout& out);
} // namespace surfax::app

#endif
