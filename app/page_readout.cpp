#include "app/page_readout.h"

#include "app/formula_report.h"
#include "app/plot_parameter_ids.h"
#include "host/export/export_scene.h"

#include <algorithm>
#include <string>

namespace surfax::app
{
using namespace cinema;

namespace
{
double FloatParam(const BaseObject& plot, const char* symbol)
{
	return plot.GetDataInstanceRef().GetFloat(ParamId(plot, symbol));
}

// The grid and arguments as the plot computes them for its n.
void DescribeGrid(const BaseObject& plot, std::int32_t n, render::ChartReadout& out)
{
	const BaseContainer& bc = plot.GetDataInstanceRef();
	out.resolution = n;
	const bool separateZ = bc.GetBool(ParamId(plot, "PLOT_SEPARATEZ"));
	const double xStart = FloatParam(plot, "PLOT_XMIN"), xEnd = FloatParam(plot, "PLOT_XMAX");
	const double zFirst = separateZ ? FloatParam(plot, "PLOT_ZMIN") : xStart;
	const double zLast = separateZ ? FloatParam(plot, "PLOT_ZMAX") : xEnd;
	out.xStart = xStart;
	out.xStep = (xEnd - xStart) / n;
	out.zStart = zFirst;
	out.zStep = (zLast - zFirst) / n;
	out.spacing = FloatParam(plot, "PLOT_SIZE") / n;
	out.center = (n % 2 == 0) ? n / 2 : (n - 1) / 2;
	out.offset = (n % 2 == 0) ? 0.0 : out.spacing * 0.5;
	out.world = io::ToExportMatrix(plot.GetMg());
	out.halfHeight = FloatParam(plot, "PLOT_HEIGHT") * 0.5;
	out.scalePositive = bc.GetFloat(ParamId(plot, "PLOT_SCALEPOS"), 1.0);
	out.scaleNegative = bc.GetFloat(ParamId(plot, "PLOT_SCALENEG"), 1.0);
	const Int32 mode = bc.GetInt32(ParamId(plot, "PLOT_YMODE"));
	out.clip = mode == CycleValue(plot, "PLOT_YMODE", "PLOT_YMODE_CLIP", 2);
	out.fit = mode == CycleValue(plot, "PLOT_YMODE", "PLOT_YMODE_FIT", 1);
}
} // namespace

std::size_t SampleCount(const BaseObject& plot)
{
	const Int32 id = ParamId(plot, "PLOT_RESOLUTION");
	if (id == NOTOK)
		return 0;
	const std::size_t n = static_cast<std::size_t>(std::max(0, plot.GetDataInstanceRef().GetInt32(id)));
	return (n + 1) * (n + 1);
}

std::string WhyValuesCannotBeRead(PageValues& values, std::size_t samples, bool emptyFormula, std::int32_t firstFrame)
{
	const auto frameName = [&](std::size_t k)
	{ return values.frames.size() > 1 ? " in frame " + std::to_string(firstFrame + std::int64_t(k)) : std::string(); };
	if (values.lostFrame >= 0)
		return "memory ran out while keeping the values" + frameName(static_cast<std::size_t>(values.lostFrame));
	if (values.frames.empty())
		return "the chart has no values";
	for (std::size_t k = 0; k < values.frames.size(); ++k)
	{
		std::vector<double>& frame = values.frames[k];
		// An empty formula converts nothing: the plot takes 0 for every sample.
		if (frame.empty() && emptyFormula)
			frame.assign(samples, 0.0);
		if (frame.size() != samples)
			return std::to_string(frame.size()) + " of the " + std::to_string(samples) + " samples were evaluated" +
			       frameName(k) + " (memory ran out), so which value belongs to which sample is not known";
	}
	return std::string();
}

void DescribeReadout(const BaseObject& plot, const PageValues& values, std::int32_t firstFrame,
                     render::ChartReadout& out)
{
	out = render::ChartReadout();
	const std::int32_t n = plot.GetDataInstanceRef().GetInt32(ParamId(plot, "PLOT_RESOLUTION"));
	const std::size_t samples = SampleCount(plot);
	if (n < 1 || samples == 0)
	{
		out.absent = "the plot has no grid of samples";
		return;
	}
	// A copy: every page of the run (-o a.html -o b.htm) gets the same values.
	PageValues read = values;
	std::string formula;
	out.absent = WhyValuesCannotBeRead(read, samples, FormulaOf(&plot, formula) && formula.empty(), firstFrame);
	if (!out.absent.empty())
		return;
	DescribeGrid(plot, n, out);
	out.frames = std::move(read.frames);
}
} // namespace surfax::app
