// The plot object: a formula y = f(x, z) sampled on a square grid into the sample cache that the components read.
#ifndef SURFAX_PLOTOBJECT_H__
#define SURFAX_PLOTOBJECT_H__

#include "c4d.h"

/// One sample of the cache: position in the plot object's coordinates (scene units, y is the plotted value) and
/// colour (r, g, b, nominally 0 to 1).
struct PlotSample
{
	cinema::Vector position;
	cinema::Vector color;
};

/// The parameters that decide the sampled values; a change to any of them empties the cache. Colours, display and
/// animation are not among them.
struct PlotSampling
{
	cinema::Int32 resolution = 0;
	cinema::Float scalePositive = 0.0;
	cinema::Float scaleNegative = 0.0;
	cinema::Int32 heightMode = 0;
	cinema::String formula;
	cinema::Float xStart = 0.0;
	cinema::Float xEnd = 0.0;
	cinema::Float zStart = 0.0;
	cinema::Float zEnd = 0.0;
	cinema::Bool separateZ = false;

	cinema::Bool operator==(const PlotSampling& other) const;
	cinema::Bool operator!=(const PlotSampling& other) const { return !(*this == other); }
};

/// The plot object's working copies of its parameters, read from its container at every execution. All zero until
/// read or set to the defaults, so that a zeroed record stands for "nothing evaluated yet".
struct PlotSettings
{
	PlotSampling sampling;
	cinema::Int32 preset = 0;
	cinema::Int32 displayMode = 0;
	cinema::Float pointSize = 0.0;
	cinema::Int32 colorMode = 0;
	cinema::Float size = 0.0;
	cinema::Float halfHeight = 0.0;
	cinema::Bool animate = false;
	cinema::Bool gradientByMagnitude = false;
	cinema::Vector color;

	/// The values a new plot object starts with.
	static PlotSettings Defaults();
	/// Reads every parameter from bc, with the defaults for missing ones and the resolution kept in its range.
	void Read(const cinema::BaseContainer& bc);
	/// Writes every parameter into bc (the gradient is not among them).
	void Write(cinema::BaseContainer& bc) const;
};

/// Data class of the plot object. Owns the sample cache: empty, or (n+1)^2 samples with sample i * (n+1) + j at
/// x index i and z index j. Components read it through the accessors, never write it.
class PlotObject : public cinema::ObjectData
{
	INSTANCEOF(PlotObject, cinema::ObjectData)

public:
	static cinema::NodeData* Alloc();

	cinema::Bool Init(cinema::GeListNode* node, cinema::Bool isCloneInit) override;
	void Free(cinema::GeListNode* node) override;
	cinema::Bool CopyTo(cinema::NodeData* dest, const cinema::GeListNode* snode, cinema::GeListNode* dnode,
	                    cinema::COPYFLAGS flags, cinema::AliasTrans* trn) const override;
	/// The attribute panel's actions: colour settings recolour the cache (17), a preset replaces the formula (17),
	/// the buttons reset, add a component or open the help (18); toggling the enabled check mark (200000125)
	/// empties the cache. Always answers with the base class's result.
	cinema::Bool Message(cinema::GeListNode* node, cinema::Int32 type, void* data) override;
	cinema::Bool GetDDescription(const cinema::GeListNode* node, cinema::Description* description,
	                             cinema::DESCFLAGS_DESC& flags) const override;
	cinema::Bool GetDEnabling(const cinema::GeListNode* node, const cinema::DescID& id, const cinema::GeData& t_data,
	                          cinema::DESCFLAGS_ENABLE flags, const cinema::BaseContainer* itemdesc) const override;
	cinema::Bool AddToExecution(cinema::BaseObject* op, cinema::PriorityList* list) override;
	cinema::EXECUTIONRESULT Execute(cinema::BaseObject* op, cinema::BaseDocument* doc, cinema::BaseThread* bt,
	                                cinema::Int32 priority, cinema::EXECUTIONFLAGS flags) override;
	cinema::BaseObject* GetVirtualObjects(cinema::BaseObject* op, const cinema::HierarchyHelp* hh) override;
	/// Bounding box from the container: centre (0, 0, 0), half size (size/2, height/2, size/2). Either output may be
	/// null and is then skipped.
	void GetDimension(const cinema::BaseObject* op, cinema::Vector* mp, cinema::Vector* rad) const override;
	/// Object pass: every cached sample in its colour as a dot (point size 2 * PLOT_POINTSIZE), a sphere or a cross
	/// of half width PLOT_POINTSIZE, by PLOT_DISPLAY, in object coordinates. Handle pass: the two handles with a line
	/// to the origin. Returns SKIP and draws nothing when the cache is empty, else the base class's result.
	cinema::DRAWRESULT Draw(cinema::BaseObject* op, cinema::DRAWPASS drawpass, cinema::BaseDraw* bd,
	                        cinema::BaseDrawHelp* bh) override;
	/// Two handles: 0 at (size/2, 0, 0) along x sets PLOT_SIZE, 1 at (0, height/2, 0) along y sets PLOT_HEIGHT.
	cinema::Int32 GetHandleCount(const cinema::BaseObject* op) const override;
	/// Fills position and direction of handle i (0 or 1); the other fields keep the host's defaults.
	void GetHandle(cinema::BaseObject* op, cinema::Int32 i, cinema::HandleInfo& info) override;
	/// Writes twice the distance of p along info's direction, kept within 0 to 1e20, to the handle's parameter.
	/// The next execution rescales the cache to it without evaluating the formula.
	void SetHandle(cinema::BaseObject* op, cinema::Int32 i, cinema::Vector p, const cinema::HandleInfo& info) override;

	/// The sample cache as the last execution left it. Use its count: after a failed evaluation it may hold fewer
	/// than (n+1)^2 samples.
	const maxon::BaseArray<PlotSample>& GetSamples() const { return _samples; }
	/// The resolution n in effect (1 to 1000) as of the last execution.
	cinema::Int32 GetResolution() const { return _settings.sampling.resolution; }
	/// Whether the formula last substituted has a standalone t or f.
	cinema::Bool IsTimeDependent() const { return _timeDependent; }
	/// The smallest and largest raw formula value of the last full evaluation (0 when the height is 0).
	cinema::Float GetValueMin() const { return _valueMin; }
	cinema::Float GetValueMax() const { return _valueMax; }

private:
	/// Sets the working copies to their defaults and stores the default gradient into bc.
	void SetDefaults(cinema::BaseContainer& bc);
	/// Empties and refills the cache from the formula. OUTOFMEMORY when the gradient cannot be prepared.
	cinema::EXECUTIONRESULT EvaluateSamples(cinema::BaseObject* op, cinema::BaseDocument* doc, cinema::Float time,
	                                        cinema::Int32 frame);
	void ScaleSamples(const cinema::Vector& factors);
	/// Gives every cached sample the colour that a full evaluation with the colour settings of bc would give it,
	/// without evaluating the formula; positions stay. doc (may be null) supplies the gradient's render context.
	/// Changes nothing when the gradient cannot be prepared.
	void RecolorSamples(const cinema::BaseContainer& bc, const cinema::BaseDocument* doc);
	/// Replaces PLOT_FORMULA by the formula of the preset that PLOT_PRESET selects; other indices keep it.
	static void ApplyPreset(cinema::BaseContainer& bc);
	/// Inserts a component of the type PLOT_ADDCOMPONENT selects as op's first child, after asking when op
	/// already has one of that type.
	static void AddComponent(cinema::BaseObject* op);
	/// Hands the help document in the plug-in's folder to the system's application.
	static void OpenHelp();

	cinema::Int32 _lastFrame = 0;
	cinema::Float _valueMin = 0.0;
	cinema::Float _valueMax = 0.0;

	// As of the last execution, to rescale the cache in place.
	cinema::Float _previousSize = 0.0;
	cinema::Float _previousHalfHeight = 0.0;

	// The half height the cached positions are scaled for, and the factor that fitting multiplied the heights
	// with (1 when the last full evaluation did not fit). A sample's height before fitting, which places it on
	// the gradient, is its y divided by the factor. A fit to an infinite extreme (factor 0) cannot be undone.
	cinema::Float _samplesHalfHeight = 0.0;
	cinema::Float _fitFactor = 1.0;

	// As of the last full evaluation, for change detection.
	PlotSampling _previousSampling;

	cinema::Bool _timeDependent = false;

	PlotSettings _settings;
	maxon::BaseArray<PlotSample> _samples;
};

#endif // SURFAX_PLOTOBJECT_H__
