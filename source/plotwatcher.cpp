// The plot watcher the components share, and the document frame they compare.
#include "c4d.h"

#include "o3dplot.h"

#include "plotwatcher.h"

using namespace cinema;

Int32 GetDocumentFrame(const BaseDocument& doc, const BaseTime& time)
{
	return time.GetFrame(static_cast<Float>(doc.GetFps()));
}

void PlotWatcher::Init()
{
	_lastFrame = maxon::LIMIT<Int32>::MIN;
	_plotDirty = 0;
	_lastHeight = -1.0;
	_lastSize = -1.0;
}

Bool PlotWatcher::TakeFrame(Int32 frame)
{
	if (frame == _lastFrame)
		return false;
	_lastFrame = frame;
	return true;
}

Bool PlotWatcher::TakeDataCounter(const BaseObject& plot)
{
	// The host counts in UInt32; the counter is kept as the Int32 the components have always stored. The conversion
	// keeps every value apart, so equality is the same in either type.
	const Int32 plotDirty = static_cast<Int32>(plot.GetDirty(DIRTYFLAGS::DATA));
	if (plotDirty == _plotDirty)
		return false;
	_plotDirty = plotDirty;
	return true;
}

Bool PlotWatcher::TakeBox(const BaseObject& plot)
{
	const BaseContainer& bc = plot.GetDataInstanceRef();
	const Float size = bc.GetFloat(PLOT_SIZE, 0.0);
	const Float height = bc.GetFloat(PLOT_HEIGHT, 0.0);
	if (size == _lastSize && height == _lastHeight)
		return false;
	_lastSize = size;
	_lastHeight = height;
	return true;
}
