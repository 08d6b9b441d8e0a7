// The plot object: parameters and lifecycle, the evaluation of its formula into the sample cache, and the reactions
// to the actions in its attribute panel (presets, recolouring, reset, adding components, help).
#include "c4d.h"
#include "customgui_gradient.h"

#include "c4d_symbols.h"
#include "o3dplot.h"
#include "o3dplotlabel.h"

#include "formula.h"
#include "main.h"
#include "plotobject.h"
#include "plotwatcher.h"

#include <cmath>
#include <limits>

using namespace cinema;

namespace
{
constexpr Int32 kMinResolution = 1;
constexpr Int32 kMaxResolution = 1000; // (n+1)^2 samples: a million at most

constexpr Int32 kDefaultResolution = 50;
constexpr Float kDefaultRangeStart = -180.0;
constexpr Float kDefaultRangeEnd = 180.0;
constexpr Float kDefaultSize = 200.0;
constexpr Float kDefaultHeight = 50.0;
constexpr Char kDefaultFormula[] = "Sin(x) * Cos(z)";

constexpr Int32 kHandleCount = 2;
constexpr Int32 kSizeHandle = 0;
constexpr Int32 kHeightHandle = 1;
constexpr Float kMaxHandleValue = 1e20;

/// Builds the default ramp: blue at the bottom, green in the middle, red at the top. Null when memory is out;
/// the caller frees it.
Gradient* AllocDefaultGradient()
{
	Gradient* gradient = Gradient::Alloc();
	if (gradient == nullptr)
		return nullptr;
	gradient->SetData(GRADIENT_MODE, GeData(GRADIENTMODE_COLOR));
	const Vector colors[] = {Vector(0.0, 0.0, 1.0), Vector(0.0, 1.0, 0.0), Vector(1.0, 0.0, 0.0)};
	const Float positions[] = {0.0, 0.5, 1.0};
	for (Int32 k = 0; k < 3; ++k)
	{
		maxon::GradientKnot knot;
		knot.col = maxon::Color(colors[k]);
		knot.brightness = 1.0;
		knot.pos = positions[k];
		knot.bias = 0.5;
		knot.index = 0;
		knot.interpolation = maxon::GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT;
		gradient->InsertKnot(knot);
	}
	return gradient;
}

/// Clamps a gradient position to 0..1; not-a-number (from a not-a-number sample) looks up the first colour.
Float ClampLookup(Float position)
{
	if (position > 0.0)
		return position < 1.0 ? position : 1.0;
	return 0.0;
}

/// The colour settings of one evaluation or recolouring, with the gradient prepared once: the same colours as
/// preparing it for every sample, without the cost.
struct SampleColoring
{
	Bool fromGradient = false; // gradient mode with a gradient in the container
	Bool byMagnitude = false;
	Float halfHeight = 0.0;
	Vector flatColor; // every sample's colour when fromGradient is false
	maxon::GradientRenderData gradient;

	/// The colour of a sample whose height before fitting is y.
	Vector At(Float y) const
	{
		if (!fromGradient)
			return flatColor;
		Float lookup;
		if (byMagnitude)
			lookup = halfHeight > 0.0 ? maxon::Abs(y) / halfHeight : 0.0;
		else
			lookup = halfHeight > 0.0 ? (y + halfHeight) / (2.0 * halfHeight) : 0.5;
		// A gradient without render data (no knots) paints black.
		const maxon::Color pixel = gradient ? gradient.CalcGradientPixel(ClampLookup(lookup)) : maxon::Color(0.0);
		return Vector(pixel.r, pixel.g, pixel.b);
	}
};

/// Fills coloring from the colour settings. The flat colour is PLOT_COLOR in colour mode 1 and white otherwise,
/// which is also what gradient mode gives when the container has no gradient. False when the gradient cannot be
/// prepared (memory).
Bool PrepareColoring(const BaseContainer& bc, Int32 colorMode, const Vector& color, Bool byMagnitude, Float halfHeight,
                     const BaseDocument* doc, SampleColoring& coloring)
{
	coloring.fromGradient = false;
	coloring.byMagnitude = byMagnitude;
	coloring.halfHeight = halfHeight;
	coloring.flatColor = colorMode == PLOT_COLORMODE_COLOR ? color : Vector(1.0);
	if (colorMode != PLOT_COLORMODE_GRADIENT)
		return true;
	const Gradient* gradient = bc.GetCustomDataType<Gradient>(PLOT_GRADIENT);
	if (gradient == nullptr)
		return true;
	maxon::Result<maxon::GradientRenderData> prepared = gradient->PrepareRenderData(InitRenderStruct(doc));
	if (prepared == maxon::FAILED)
		return false;
	coloring.gradient = prepared.GetValue();
	coloring.fromGradient = true;
	return true;
}

/// Preset formulas by PLOT_PRESET index.
constexpr const Char* kPresetFormulas[] = {
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
static_assert(sizeof(kPresetFormulas) / sizeof(kPresetFormulas[0]) == PLOT_PRESET_10 + 1);

/// Plug-in type of the component that a PLOT_ADDCOMPONENT value offers, or NOTOK for other values.
Int32 ComponentType(Int32 choice)
{
	switch (choice)
	{
	case PLOT_ADDCOMPONENT_MESH:
		return ID_PLOTMESH;
	case PLOT_ADDCOMPONENT_GRID:
		return ID_PLOTGRID;
	case PLOT_ADDCOMPONENT_CAGE:
		return ID_PLOTCAGE;
	case PLOT_ADDCOMPONENT_LABEL:
		return ID_PLOTLABEL;
	default:
		return NOTOK;
	}
}

constexpr Char kDuplicateComponentQuestion[] =
    "A component of this type already exists. Do you want to add another one?";
constexpr Char kHelpFileName[] = "Surfax.pdf";
} // namespace

NodeData* PlotObject::Alloc()
{
	return NewObjClear(PlotObject);
}

Bool PlotObject::Init(GeListNode* node, Bool isCloneInit)
{
	// A clone is initialised like a new object; its own values arrive through CopyTo afterwards.
	(void)isCloneInit;
	BaseObject* op = static_cast<BaseObject*>(node);
	BaseContainer& bc = op->GetDataInstanceRef();
	SetDefaults(bc);
	_settings.Write(bc);
	_lastFrame = maxon::LIMIT<Int32>::MIN;
	return true;
}

void PlotObject::Free(GeListNode* node)
{
	(void)node;
	_samples.Flush();
}

Bool PlotObject::CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
                        AliasTrans* trn) const
{
	PlotObject* copy = static_cast<PlotObject*>(dest);
	if (copy == nullptr)
		return false;

	copy->_lastFrame = _lastFrame;
	copy->_valueMin = _valueMin;
	copy->_valueMax = _valueMax;
	copy->_samplesHalfHeight = _samplesHalfHeight;
	copy->_fitFactor = _fitFactor;
	// The copy shows these samples until its first execution, which evaluates anew (its previous height is 0).
	if (copy->_samples.CopyFrom(_samples) == maxon::FAILED)
		DebugStop("The copy of the plot object's sample cache could not grow; the copy starts empty.");

	copy->_settings = _settings;
	return SUPER::CopyTo(dest, snode, dnode, flags, trn);
}

Bool PlotObject::Message(GeListNode* node, Int32 type, void* data)
{
	BaseObject* op = static_cast<BaseObject*>(node);
	if (op == nullptr)
		return SUPER::Message(node, type, data);

	switch (type)
	{
	case MSG_DESCRIPTION_CHECKUPDATE:
	{
		const DescriptionCheckUpdate* update = static_cast<const DescriptionCheckUpdate*>(data);
		if (update == nullptr || update->descid == nullptr)
			break;
		// Whole ids: a change to one component of PLOT_COLOR (two levels) is not a colour setting here, and a
		// formula typed by hand is picked up by the next execution.
		const DescID& id = *update->descid;
		BaseContainer& bc = op->GetDataInstanceRef();
		if (id == ConstDescID(DescLevel(PLOT_COLORMODE)) || id == ConstDescID(DescLevel(PLOT_COLOR)) ||
		    id == ConstDescID(DescLevel(PLOT_GRADIENT)) || id == ConstDescID(DescLevel(PLOT_GRADIENTABS)))
			RecolorSamples(bc, op->GetDocument());
		else if (id == ConstDescID(DescLevel(PLOT_PRESET)))
			ApplyPreset(bc);
		break;
	}
	case MSG_DESCRIPTION_COMMAND:
	{
		const DescriptionCommand* command = static_cast<const DescriptionCommand*>(data);
		if (command == nullptr)
			break;
		switch (command->_descId[0].id)
		{
		case PLOT_RESET:
		{
			// The cache stays: the next execution sees the changed settings and re-evaluates.
			BaseContainer& bc = op->GetDataInstanceRef();
			SetDefaults(bc);
			_settings.Write(bc);
			break;
		}
		case PLOT_ADDCOMPONENT:
			AddComponent(op);
			break;
		case PLOT_HELP:
			OpenHelp();
			break;
		default:
			break;
		}
		break;
	}
	case MSG_DEFORMMODECHANGED:
		// Enabled or disabled: the next enabled execution evaluates anew.
		_samples.Flush();
		op->Message(MSG_UPDATE);
		EventAdd();
		break;
	default:
		break;
	}
	return SUPER::Message(node, type, data);
}

Bool PlotObject::GetDDescription(const GeListNode* node, Description* description, DESCFLAGS_DESC& flags) const
{
	if (node == nullptr || description == nullptr || !description->LoadDescription(node->GetType()))
		return false;
	flags |= DESCFLAGS_DESC::LOADED;
	return SUPER::GetDDescription(node, description, flags);
}

Bool PlotObject::GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
                              const BaseContainer* itemdesc) const
{
	if (node != nullptr)
	{
		const BaseContainer& bc = static_cast<const BaseObject*>(node)->GetDataInstanceRef();
		switch (id[0].id)
		{
		case PLOT_GRADIENT:
		case PLOT_GRADIENTABS:
			return bc.GetInt32(PLOT_COLORMODE) == PLOT_COLORMODE_GRADIENT;
		case PLOT_COLOR:
			return bc.GetInt32(PLOT_COLORMODE) == PLOT_COLORMODE_COLOR;
		case PLOT_ZMIN:
		case PLOT_ZMAX:
			return bc.GetBool(PLOT_SEPARATEZ);
		default:
			break;
		}
	}
	return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
}

Bool PlotObject::AddToExecution(BaseObject* op, PriorityList* list)
{
	// Generator priority: before every component, so they read a cache that is up to date.
	list->Add(op, EXECUTIONPRIORITY_GENERATOR, EXECUTIONFLAGS::NONE);
	return true;
}

EXECUTIONRESULT PlotObject::Execute(BaseObject* op, BaseDocument* doc, BaseThread* bt, Int32 priority,
                                    EXECUTIONFLAGS flags)
{
	(void)bt;
	(void)priority;
	(void)flags;
	if (op == nullptr || doc == nullptr || !op->GetDeformMode())
		return EXECUTIONRESULT::OK; // a disabled plot keeps its samples as they are

	_settings.Read(op->GetDataInstanceRef());
	const Float halfHeight = _settings.halfHeight;
	const Float size = _settings.size;

	// Height and size changes rescale the cache in place: the same positions a full evaluation would give, at a
	// fraction of the cost (this is what dragging a handle does). A previous value of 0 means that nothing was
	// evaluated yet (new, copied or loaded object), so whatever the cache holds is discarded.
	if (halfHeight != _previousHalfHeight && _previousHalfHeight > 0.0 && !_samples.IsEmpty())
	{
		ScaleSamples(Vector(1.0, halfHeight / _previousHalfHeight, 1.0));
		EventAdd(EVENT::FORCEREDRAW);
	}
	else if (_previousHalfHeight == 0.0 && halfHeight != 0.0)
	{
		_samples.Flush();
	}
	_previousHalfHeight = halfHeight;
	_samplesHalfHeight = halfHeight;

	if (size != _previousSize && _previousSize > 0.0 && !_samples.IsEmpty())
	{
		const Float factor = size / _previousSize;
		ScaleSamples(Vector(factor, 1.0, factor));
		EventAdd(EVENT::FORCEREDRAW);
	}
	else if (_previousSize == 0.0 && size != 0.0)
	{
		_samples.Flush();
	}
	_previousSize = size;

	// Only the settings that change the sampled values count; colours, display and animation do not.
	if (_settings.sampling != _previousSampling)
	{
		_previousSampling = _settings.sampling;
		_samples.Flush();
	}

	const BaseTime time = doc->GetTime();
	const Int32 frame = GetDocumentFrame(*doc, time);
	if (_settings.animate && UsesTime(_previousSampling.formula) && frame != _lastFrame)
		_samples.Flush();
	_lastFrame = frame;

	if (!_samples.IsEmpty())
		return EXECUTIONRESULT::OK;
	return EvaluateSamples(op, doc, time.Get(), frame);
}

BaseObject* PlotObject::GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh)
{
	(void)op;
	(void)hh;
	// The plot draws its samples itself; the scene gets geometry from the components.
	return BaseObject::Alloc(Onull);
}

void PlotObject::GetDimension(const BaseObject* op, Vector* mp, Vector* rad) const
{
	// From the container, not the cache: fit, clip and the multipliers may place samples outside the box, and the
	// box should follow a handle drag before the next execution.
	if (mp != nullptr)
		*mp = Vector();
	if (rad == nullptr || op == nullptr)
		return;
	const BaseContainer& bc = op->GetDataInstanceRef();
	const Float halfSize = bc.GetFloat(PLOT_SIZE, kDefaultSize) * 0.5;
	*rad = Vector(halfSize, bc.GetFloat(PLOT_HEIGHT, kDefaultHeight) * 0.5, halfSize);
}

DRAWRESULT PlotObject::Draw(BaseObject* op, DRAWPASS drawpass, BaseDraw* bd, BaseDrawHelp* bh)
{
	if (_samples.IsEmpty())
		return DRAWRESULT::SKIP;
	if (op == nullptr || bd == nullptr || bh == nullptr)
		return SUPER::Draw(op, drawpass, bd, bh);

	if (drawpass == DRAWPASS::OBJECT)
	{
		const BaseContainer& bc = op->GetDataInstanceRef();
		const Float d = bc.GetFloat(PLOT_POINTSIZE, 1.0);
		const Int32 display = bc.GetInt32(PLOT_DISPLAY, PLOT_DISPLAY_DOT);
		bd->SetMatrix_Matrix(op, bh->GetMg());
		for (const PlotSample& sample : _samples)
		{
			const Vector& p = sample.position;
			bd->SetPen(sample.color, 0);
			switch (display)
			{
			case PLOT_DISPLAY_DOT:
				bd->SetPointSize(2.0 * d);
				// The handle type CUSTOM draws at the point size just set; NOCLIP_D (2048) only keeps dots at the
				// view border from being clipped.
				bd->DrawHandle(p, DRAWHANDLE::CUSTOM, NOCLIP_D);
				break;
			case PLOT_DISPLAY_SPHERE:
				bd->DrawSphere(p, Vector(d, d, d), sample.color, 0);
				break;
			case PLOT_DISPLAY_CROSS:
				bd->DrawLine(Vector(p.x - d, p.y, p.z), Vector(p.x + d, p.y, p.z), 0);
				bd->DrawLine(Vector(p.x, p.y - d, p.z), Vector(p.x, p.y + d, p.z), 0);
				break;
			default:
				break; // a display mode from a newer version: nothing to show
			}
		}
	}
	else if (drawpass == DRAWPASS::HANDLES)
	{
		const Int32 highlighted = op->GetHighlightHandle(bd);
		bd->SetMatrix_Matrix(op, bh->GetMg());
		for (Int32 i = 0; i < kHandleCount; ++i)
		{
			bd->SetPen(GetViewColor(i == highlighted ? VIEWCOLOR_SELECTION_PREVIEW : VIEWCOLOR_HANDLES));
			HandleInfo info;
			GetHandle(op, i, info);
			bd->DrawHandle(info.position, DRAWHANDLE::BIG, 0);
			bd->DrawLine(info.position, Vector(), 0);
		}
	}
	return SUPER::Draw(op, drawpass, bd, bh);
}

Int32 PlotObject::GetHandleCount(const BaseObject* op) const
{
	(void)op;
	return kHandleCount;
}

void PlotObject::GetHandle(BaseObject* op, Int32 i, HandleInfo& info)
{
	if (op == nullptr)
		return;
	const BaseContainer& bc = op->GetDataInstanceRef();
	if (i == kSizeHandle)
	{
		info.position = Vector(bc.GetFloat(PLOT_SIZE, kDefaultSize) * 0.5, 0.0, 0.0);
		info.direction = Vector(1.0, 0.0, 0.0);
	}
	else if (i == kHeightHandle)
	{
		info.position = Vector(0.0, bc.GetFloat(PLOT_HEIGHT, kDefaultHeight) * 0.5, 0.0);
		info.direction = Vector(0.0, 1.0, 0.0);
	}
}

void PlotObject::SetHandle(BaseObject* op, Int32 i, Vector p, const HandleInfo& info)
{
	if (op == nullptr || (i != kSizeHandle && i != kHeightHandle))
		return;
	// The handle sits at half the size (or height) from the centre, so the full value is twice its distance.
	Float value = 2.0 * Dot(p, info.direction);
	// A drag that lands nowhere (a position that is not a number) leaves the size and height as they are.
	if (std::isnan(value))
		return;
	if (value < 0.0)
		value = 0.0;
	else if (value > kMaxHandleValue)
		value = kMaxHandleValue;
	op->GetDataInstanceRef().SetFloat(i == kSizeHandle ? PLOT_SIZE : PLOT_HEIGHT, value);
}

void PlotObject::SetDefaults(BaseContainer& bc)
{
	_settings = PlotSettings::Defaults();

	// Without memory for the gradient the container keeps the one it has; everything else is still set.
	Gradient* gradient = AllocDefaultGradient();
	if (gradient != nullptr)
	{
		bc.SetData(PLOT_GRADIENT, GeData(*gradient, CUSTOMDATATYPE_GRADIENT));
		Gradient::Free(gradient);
	}
}

Bool PlotSampling::operator==(const PlotSampling& other) const
{
	return resolution == other.resolution && scalePositive == other.scalePositive &&
	       scaleNegative == other.scaleNegative && heightMode == other.heightMode && formula == other.formula &&
	       xEnd == other.xEnd && xStart == other.xStart && zEnd == other.zEnd && zStart == other.zStart &&
	       separateZ == other.separateZ;
}

PlotSettings PlotSettings::Defaults()
{
	PlotSettings settings;
	settings.preset = 0;
	settings.sampling.resolution = kDefaultResolution;
	settings.displayMode = PLOT_DISPLAY_DOT;
	settings.pointSize = 1.0;
	settings.colorMode = PLOT_COLORMODE_GRADIENT;
	settings.sampling.heightMode = PLOT_YMODE_FIT;
	settings.size = kDefaultSize;
	settings.halfHeight = kDefaultHeight * 0.5;
	settings.sampling.scalePositive = 1.0;
	settings.sampling.scaleNegative = 1.0;
	settings.sampling.xStart = kDefaultRangeStart;
	settings.sampling.xEnd = kDefaultRangeEnd;
	settings.sampling.zStart = kDefaultRangeStart;
	settings.sampling.zEnd = kDefaultRangeEnd;
	settings.sampling.separateZ = false;
	settings.animate = true;
	settings.gradientByMagnitude = false;
	settings.color = Vector(1.0);
	settings.sampling.formula = String(kDefaultFormula);
	return settings;
}

void PlotSettings::Write(BaseContainer& bc) const
{
	bc.SetInt32(PLOT_PRESET, preset);
	bc.SetInt32(PLOT_RESOLUTION, sampling.resolution);
	bc.SetFloat(PLOT_SIZE, size);
	bc.SetFloat(PLOT_HEIGHT, halfHeight * 2.0);
	bc.SetInt32(PLOT_YMODE, sampling.heightMode);
	bc.SetString(PLOT_FORMULA, sampling.formula);
	bc.SetBool(PLOT_ANIMATE, animate);
	bc.SetFloat(PLOT_SCALEPOS, sampling.scalePositive);
	bc.SetFloat(PLOT_SCALENEG, sampling.scaleNegative);
	bc.SetBool(PLOT_SEPARATEZ, sampling.separateZ);
	bc.SetFloat(PLOT_XMIN, sampling.xStart);
	bc.SetFloat(PLOT_XMAX, sampling.xEnd);
	bc.SetFloat(PLOT_ZMIN, sampling.zStart);
	bc.SetFloat(PLOT_ZMAX, sampling.zEnd);
	bc.SetInt32(PLOT_COLORMODE, colorMode);
	bc.SetVector(PLOT_COLOR, color);
	bc.SetInt32(PLOT_DISPLAY, displayMode);
	bc.SetFloat(PLOT_POINTSIZE, pointSize);
	bc.SetBool(PLOT_GRADIENTABS, gradientByMagnitude);
}

void PlotSettings::Read(const BaseContainer& bc)
{
	preset = bc.GetInt32(PLOT_PRESET, 0);
	// The evaluation divides by the resolution and allocates (n+1)^2 samples: keep it in range whatever a
	// document or script stored.
	sampling.resolution =
	    maxon::ClampValue(bc.GetInt32(PLOT_RESOLUTION, kDefaultResolution), kMinResolution, kMaxResolution);
	size = bc.GetFloat(PLOT_SIZE, kDefaultSize);
	halfHeight = bc.GetFloat(PLOT_HEIGHT, kDefaultHeight) * 0.5;
	sampling.heightMode = bc.GetInt32(PLOT_YMODE, PLOT_YMODE_FIT);
	sampling.formula = bc.GetString(PLOT_FORMULA, String(kDefaultFormula));
	animate = bc.GetBool(PLOT_ANIMATE, true);
	sampling.scalePositive = bc.GetFloat(PLOT_SCALEPOS, 1.0);
	sampling.scaleNegative = bc.GetFloat(PLOT_SCALENEG, 1.0);
	sampling.separateZ = bc.GetBool(PLOT_SEPARATEZ, false);
	sampling.xStart = bc.GetFloat(PLOT_XMIN, kDefaultRangeStart);
	sampling.xEnd = bc.GetFloat(PLOT_XMAX, kDefaultRangeEnd);
	sampling.zStart = bc.GetFloat(PLOT_ZMIN, kDefaultRangeStart);
	sampling.zEnd = bc.GetFloat(PLOT_ZMAX, kDefaultRangeEnd);
	colorMode = bc.GetInt32(PLOT_COLORMODE, PLOT_COLORMODE_GRADIENT);
	color = bc.GetVector(PLOT_COLOR, Vector(1.0));
	displayMode = bc.GetInt32(PLOT_DISPLAY, PLOT_DISPLAY_DOT);
	pointSize = bc.GetFloat(PLOT_POINTSIZE, 1.0);
	gradientByMagnitude = bc.GetBool(PLOT_GRADIENTABS, false);
}

void PlotObject::ScaleSamples(const Vector& factors)
{
	for (PlotSample& sample : _samples)
		sample.position = sample.position * factors;
}

void PlotObject::RecolorSamples(const BaseContainer& bc, const BaseDocument* doc)
{
	// The gradient position comes from each sample's own height before fitting, as in a full evaluation, so
	// neither the object's place in the world nor a fit changes the colours.
	SampleColoring coloring;
	if (!PrepareColoring(bc, bc.GetInt32(PLOT_COLORMODE, PLOT_COLORMODE_GRADIENT),
	                     bc.GetVector(PLOT_COLOR, Vector(1.0)), bc.GetBool(PLOT_GRADIENTABS, false), _samplesHalfHeight,
	                     doc, coloring))
		return;
	for (PlotSample& sample : _samples)
		sample.color = coloring.At(sample.position.y / _fitFactor);
}

void PlotObject::ApplyPreset(BaseContainer& bc)
{
	const Int32 preset = bc.GetInt32(PLOT_PRESET, PLOT_PRESET_0);
	String formula = bc.GetString(PLOT_FORMULA);
	if (preset >= PLOT_PRESET_0 && preset <= PLOT_PRESET_10)
		formula = String(kPresetFormulas[preset]);
	bc.SetString(PLOT_FORMULA, formula);
}

void PlotObject::AddComponent(BaseObject* op)
{
	const Int32 type = ComponentType(op->GetDataInstanceRef().GetInt32(PLOT_ADDCOMPONENT, PLOT_ADDCOMPONENT_MESH));
	if (type == NOTOK)
		return;
	if (FindComponent(op, type) != nullptr && !QuestionDialog(String(kDuplicateComponentQuestion)))
		return;
	BaseObject* component = BaseObject::Alloc(type);
	if (component == nullptr)
		return;
	component->InsertUnder(op);
	// The component sets itself up as if made from the menu (the label component picks its font and builds).
	component->Message(MSG_MENUPREPARE, op->GetDocument());
	// Unfold the plot in the Object Manager so that the new child shows.
	op->ChangeNBit(NBIT::OM1_FOLD, NBITCONTROL::SET);
}

void PlotObject::OpenHelp()
{
	// Joined as a path, so the separator is the platform's own. A missing file is not reported.
	(void)GeExecuteFile(GeGetPluginPath() + Filename(kHelpFileName));
}

EXECUTIONRESULT PlotObject::EvaluateSamples(BaseObject* op, BaseDocument* doc, Float time, Int32 frame)
{
	_valueMin = 0.0;
	_valueMax = 0.0;
	_samples.Flush();

	const PlotSampling& sampling = _settings.sampling;
	const Int32 n = sampling.resolution;
	const Int32 perAxis = n + 1;
	const Float a = _settings.halfHeight;
	const Float spacing = _settings.size / n;
	// Positions run from -size/2 to +size/2; for an even n the middle row and column lie exactly at 0.
	const Float center = (n % 2 == 0) ? n / 2 : (n - 1) / 2;
	const Float offset = (n % 2 == 0) ? 0.0 : spacing * 0.5;
	const Float zFirst = sampling.separateZ ? sampling.zStart : sampling.xStart;
	const Float zLast = sampling.separateZ ? sampling.zEnd : sampling.xEnd;
	const Float dx = (sampling.xEnd - sampling.xStart) / n;
	const Float dz = (zLast - zFirst) / n;
	const Int32 fps = doc->GetFps();
	_fitFactor = 1.0;

	SampleColoring coloring;
	if (!PrepareColoring(op->GetDataInstanceRef(), _settings.colorMode, _settings.color, _settings.gradientByMagnitude,
	                     a, doc, coloring))
		return EXECUTIONRESULT::OUTOFMEMORY;

	// Each sample's text is spliced from the formula's pieces and ready-made number texts: everything but z once
	// per row, and the z texts are the same in every row. Should memory for that run out, the samples are
	// substituted one by one, which gives the same text.
	const Bool hasFormula = sampling.formula.IsPopulated();
	FormulaTemplate formulaTemplate;
	maxon::BaseArray<String> zTexts;
	Bool spliced = hasFormula && formulaTemplate.Init(sampling.formula) && zTexts.Resize(perAxis) == maxon::OK;
	if (hasFormula)
		_timeDependent = UsesTime(sampling.formula);
	if (spliced)
	{
		for (Int32 j = 0; j < perAxis; ++j)
			zTexts[j] = FormatArgument(zFirst + j * dz);
	}
	const String timeText = FormatArgument(time);
	const String resolutionText = FormatArgument(static_cast<Float>(n));
	const String halfHeightText = FormatArgument(a);
	const String frameText = FormatArgument(static_cast<Float>(frame));
	String xText;
	const String* valueTexts[kVariableCount] = {&timeText,       &xText,          nullptr,
	                                            &resolutionText, &halfHeightText, &frameText};
	Float values[kVariableCount] = {time, 0.0, 0.0, static_cast<Float>(n), a, static_cast<Float>(frame)};
	String text;

	Float runningMin = std::numeric_limits<Float>::max();
	Float runningMax = -std::numeric_limits<Float>::max();
	// A failed reservation is not fatal: appending then grows as far as memory allows.
	(void)_samples.EnsureCapacity(static_cast<Int>(perAxis) * perAxis);

	for (Int32 i = 0; i < perAxis; ++i)
	{
		const Float px = (i - center) * spacing - offset;
		const Float xArgument = sampling.xStart + i * dx;
		values[static_cast<Int32>(FORMULAVARIABLE::X)] = xArgument;
		if (spliced)
		{
			xText = FormatArgument(xArgument);
			spliced = formulaTemplate.BindRow(valueTexts);
		}

		for (Int32 j = 0; j < perAxis; ++j)
		{
			const Float pz = (j - center) * spacing - offset;
			const Float zArgument = zFirst + j * dz;

			Float raw = 0.0;
			if (hasFormula)
			{
				if (spliced)
					formulaTemplate.BuildRow(zTexts[j], text);
				else
				{
					// Time dependence is known from UsesTime above; a failed substitution must not change it.
					values[static_cast<Int32>(FORMULAVARIABLE::Z)] = zArgument;
					Bool usesTime = false;
					maxon::Result<String> substituted = SubstituteVariables(sampling.formula, values, usesTime);
					iferr (substituted)
						continue; // no memory for this sample's text: the sample is dropped
					text = substituted.GetValue();
				}
				raw = StringToNumber(text, FORMAT_FLOAT, fps, nullptr).GetFloat();
			}

			Float y = raw * a;
			// The extremes are taken before clipping and the multipliers, from finite values only: one infinite
			// sample (a division by zero on one row) would otherwise make fitting flatten the whole surface.
			if (std::isfinite(y))
			{
				if (y < runningMin)
					runningMin = y;
				if (y > runningMax)
					runningMax = y;
			}
			if (sampling.heightMode == PLOT_YMODE_CLIP)
			{
				if (y > a)
					y = a;
				else if (y < -a)
					y = -a;
			}
			y *= y < 0.0 ? sampling.scaleNegative : sampling.scalePositive;

			// A sample that finds no memory is dropped; readers go by the cache's count.
			(void)_samples.Append(PlotSample{Vector(px, y, pz), coloring.At(y)});
		}
	}

	if (a > 0.0)
	{
		_valueMin = runningMin / a;
		_valueMax = runningMax / a;
	}

	if (sampling.heightMode == PLOT_YMODE_FIT)
	{
		// Scaled by the raw extremes, so with multipliers the fitted surface may still leave +-a.
		const Float largest = maxon::Max(maxon::Abs(runningMin), maxon::Abs(runningMax));
		if (largest > a && largest != 0.0)
		{
			for (PlotSample& sample : _samples)
				sample.position.y = sample.position.y / largest * a;
			// Kept so that recolouring finds each sample's height before the fit.
			_fitFactor = a / largest;
		}
	}

	BaseObject* label = FindComponent(op, ID_PLOTLABEL);
	if (label != nullptr)
	{
		DescriptionCommand command;
		command._descId = ConstDescID(DescLevel(PLOTLABEL_UPDATE));
		label->Message(MSG_DESCRIPTION_COMMAND, &command);
	}
	op->Message(MSG_UPDATE);
	EventAdd(EVENT::FORCEREDRAW);
	return EXECUTIONRESULT::OK;
}

Bool RegisterPlotObject(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTOBJECT, GeLoadString(IDS_PLOTOBJECT),
	                            OBJECT_GENERATOR | OBJECT_UNIQUEENUMERATION | OBJECT_CALL_ADDEXECUTION,
	                            PlotObject::Alloc, "o3dplot"_s, icon, 0);
}
