// What the components remember of their plot object between evaluations, to tell when their output is out of date.
#ifndef SURFAX_PLOTWATCHER_H__
#define SURFAX_PLOTWATCHER_H__

#include "c4d.h"

/// The document frame of a time, as the plot object and its components compare frames: the integer part of
/// floor(fps * numerator) / floor(denominator), with the document's frame rate.
cinema::Int32 GetDocumentFrame(const cinema::BaseDocument& doc, const cinema::BaseTime& time);

/// What a component last saw of its plot object: the document frame, the plot's data change counter, and the size and
/// height of the plot's box. Each component takes the parts its own change detection watches, at the moment that
/// detection names; a Take reports whether the part moved since it was last taken and remembers the new value. The
/// parts a component never takes keep the values of Init. A plain value: assigning it copies every part.
class PlotWatcher
{
public:
	/// Nothing seen yet: no frame (the smallest Int32), the counter 0, and a size and height of -1.0, which no plot
	/// has, so that the first take of the frame and of the box sees a move.
	void Init();

	/// True when frame differs from the frame last taken; frame is the last one from now on.
	cinema::Bool TakeFrame(cinema::Int32 frame);
	/// True when frame is the frame last taken. Remembers nothing.
	cinema::Bool IsLastFrame(cinema::Int32 frame) const { return frame == _lastFrame; }

	/// True when plot's data change counter (GetDirty with DIRTYFLAGS::DATA) differs from the one last taken.
	cinema::Bool TakeDataCounter(const cinema::BaseObject& plot);
	/// Gives dest the data change counter last taken here, and none of the other parts.
	void CopyDataCounterTo(PlotWatcher& dest) const { dest._plotDirty = _plotDirty; }

	/// True when plot's PLOT_SIZE or PLOT_HEIGHT (0.0 when absent) differs from the one last taken. The comparison is
	/// exact, so a NaN always counts as moved.
	cinema::Bool TakeBox(const cinema::BaseObject& plot);

private:
	cinema::Int32 _lastFrame = maxon::LIMIT<cinema::Int32>::MIN; // document frame last taken
	cinema::Int32 _plotDirty = 0;                                // the plot's data change counter last taken
	cinema::Float _lastHeight = -1.0;                            // the plot's height and size last taken
	cinema::Float _lastSize = -1.0;
};

#endif // SURFAX_PLOTWATCHER_H__
