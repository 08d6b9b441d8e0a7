// The label component: tick labels and a legend as extruded text objects below the component.
#include "c4d.h"
#include "customgui_fontchooser.h"
#include "lib_clipmap.h"
#include "oextrude.h"
#include "osplinetext.h"

#include "c4d_symbols.h"
#include "o3dplot.h"
#include "o3dplotlabel.h"

#include "main.h"
#include "plotobject.h"
#include "plotwatcher.h"

using namespace cinema;

namespace
{
/// The family the font choice looks for first; the build names it per platform.
#ifdef SURFAX_PREFERRED_FONT
constexpr const Char* kPreferredFont = SURFAX_PREFERRED_FONT;
#elif defined(MAXON_TARGET_MACOS)
constexpr const Char* kPreferredFont = "Helvetica";
#else
constexpr const Char* kPreferredFont = "Arial";
#endif

constexpr Int32 kTicksPerGroup = 6;
/// Gap between the plot and its vertical labels, and between the plot's top and the legend. Not scaled.
constexpr Float kLabelGap = 2.0;

constexpr Float kHalfTurn = maxon::PI;
constexpr Float kQuarterTurn = maxon::PI * 0.5;
constexpr Float kThreeQuarterTurn = maxon::PI * 1.5;

/// Text alignment of the start, middle and end label of a horizontal set; flipped sets read from the other side.
constexpr Int32 kAlignNormal[3] = {PRIM_TEXT_ALIGN_LEFT, PRIM_TEXT_ALIGN_MIDDLE, PRIM_TEXT_ALIGN_RIGHT};
constexpr Int32 kAlignFlipped[3] = {PRIM_TEXT_ALIGN_RIGHT, PRIM_TEXT_ALIGN_MIDDLE, PRIM_TEXT_ALIGN_LEFT};

/// The two groups of tick labels, by the stem of their names.
enum class LabelGroup
{
	Horizontal,
	Vertical,
};

String GroupStem(LabelGroup group)
{
	return group == LabelGroup::Horizontal ? String("_3dPlotHLabel") : String("_3dPlotVLabel");
}

/// "_3dPlotHLabel3_" and the like: the stem, the index as one digit, an underscore.
String LabelName(LabelGroup group, Int32 index)
{
	return GroupStem(group) + String::IntToString(index) + String("_");
}

String LegendName()
{
	return String("_3dPlotLegend_");
}

/// A tick value with exactly `decimals` digits after the point, as many before it as it needs, never in exponent
/// form.
String FormatTick(Float value, Int32 decimals)
{
	return maxon::String::FloatToString(value, -1, decimals < 0 ? 0 : decimals, false, ' ');
}

/// Heading of the legend for a PLOTLABEL_LEGENDFACING value.
Float LegendHeading(Int32 facing)
{
	switch (facing)
	{
	case PLOTLABEL_LEGENDFACING_LEFT:
		return kQuarterTurn;
	case PLOTLABEL_LEGENDFACING_RIGHT:
		return kThreeQuarterTurn;
	case PLOTLABEL_LEGENDFACING_BACK:
		return kHalfTurn;
	default:
		return 0.0;
	}
}

/// Position of the legend above a plot of height plotHeight, moved by the offset.
Vector LegendPosition(Float plotHeight, const Vector& offset)
{
	return Vector(offset.x, plotHeight * 0.5 + kLabelGap + offset.y, offset.z);
}

/// Shows or hides an object in the editor and in renders alike.
void SetShown(BaseObject* op, Bool shown)
{
	const Int32 mode = shown ? MODE_ON : MODE_OFF;
	op->SetEditorMode(mode);
	op->SetRenderMode(mode);
}

/// The first of the component's descendants (never the component itself, even when the user gave it a label's
/// name: it would delete itself in the middle of its own message) named name, or null.
BaseObject* FindLabel(BaseObject* component, const maxon::String& name)
{
	for (BaseObject* child = component->GetDown(); child != nullptr; child = child->GetNext())
	{
		if (BaseObject* found = FindObjectByName(child, name))
			return found;
	}
	return nullptr;
}

/// Removes and frees the object of that name below the component, if there is one.
void RemoveByName(BaseObject* component, const maxon::String& name)
{
	BaseObject* old = FindLabel(component, name);
	if (old == nullptr)
		return;
	old->Remove();
	BaseObject::Free(old);
}

/// What every label of one rebuild shares.
struct LabelStyle
{
	Float size = 0.0;
	Float depth = 0.0;
	Vector color;
	const FontData* font = nullptr; // may be null: the text spline keeps its own font
};

/// What the tick labels of one rebuild share: the component's choices and the plot's box.
struct TickLayout
{
	Bool flip = false;
	Int32 decimals = 0;
	Int32 sides = 0;
	Float half = 0.0;   // half the plot's size
	Float height = 0.0; // the plot's height
};

/// A label object as the first steps of the order of work leave it: an extrude object with its name and, when it
/// could be allocated, a configured text spline as its child (*text, else null). Null when the extrude object
/// cannot be allocated.
BaseObject* MakeLabel(const maxon::String& name, const maxon::String& text, Int32 align, const LabelStyle& style,
                      BaseObject** textOut)
{
	*textOut = nullptr;
	BaseObject* label = BaseObject::Alloc(Oextrude);
	if (label == nullptr)
		return nullptr;
	label->SetName(name);
	BaseObject* spline = BaseObject::Alloc(Osplinetext);
	if (spline != nullptr)
	{
		BaseContainer& bc = spline->GetDataInstanceRef();
		bc.SetString(PRIM_TEXT_TEXT, text);
		bc.SetInt32(PRIM_TEXT_ALIGN, align);
		bc.SetFloat(PRIM_TEXT_HEIGHT, style.size);
		if (style.font != nullptr)
			bc.SetData(PRIM_TEXT_FONT, GeData(*style.font, FONTCHOOSER_DATA));
		spline->InsertUnderLast(label);
		*textOut = spline;
	}
	return label;
}

/// The remaining steps of the order of work: visibility, extrusion, placement and colour, the update message, and
/// the label appended under the component.
void FinishLabel(BaseObject* label, BaseObject* component, const Vector& position, Float heading, Bool shown,
                 const LabelStyle& style)
{
	SetShown(label, shown);
	BaseContainer& bc = label->GetDataInstanceRef();
	const Vector extrusion(0.0, 0.0, style.depth);
	bc.SetVector(EXTRUDEOBJECT_MOVE, extrusion);
	bc.SetVector(EXTRUDEOBJECT_EXTRUSIONOFFSET, extrusion);
	label->SetRelPos(position);
	label->SetRelRot(Vector(heading, 0.0, 0.0));
	ObjectColorProperties color;
	color.color = style.color;
	color.usecolor = ID_BASEOBJECT_USECOLOR_AUTOMATIC;
	color.xray = false;
	label->SetColorProperties(&color);
	label->Message(MSG_UPDATE);
	label->InsertUnderLast(component);
}

/// Whether a tick label of the front set (index 0 to 2) or the side set (3 to 5) is shown for PLOTLABEL_SIDES s.
Bool SetShownForSides(Int32 index, Int32 sides)
{
	const Bool front = index < 3;
	return front ? (sides == PLOTLABEL_SIDES_FRONT || sides == PLOTLABEL_SIDES_BOTH)
	             : (sides == PLOTLABEL_SIDES_SIDE || sides == PLOTLABEL_SIDES_BOTH);
}
} // namespace

/// Data class of the label component. Its labels are ordinary objects under it; its own output is an empty null.
class PlotLabel : public ObjectData
{
	INSTANCEOF(PlotLabel, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(PlotLabel); }

	Bool Init(GeListNode* node, Bool isCloneInit) override
	{
		(void)isCloneInit;
		BaseContainer& bc = static_cast<BaseObject*>(node)->GetDataInstanceRef();
		WriteDefaults(bc);
		_watcher.Init();
		return true;
	}

	Bool CopyTo(NodeData* dest, const GeListNode* snode, GeListNode* dnode, COPYFLAGS flags,
	            AliasTrans* trn) const override
	{
		PlotLabel* copy = static_cast<PlotLabel*>(dest);
		if (copy == nullptr)
			return false;
		_watcher.CopyDataCounterTo(copy->_watcher);
		return SUPER::CopyTo(dest, snode, dnode, flags, trn);
	}

	/// Parameter changes (17), the two buttons (18), creation from a menu or by the plot object (22) and the
	/// enabled check mark (200000125). Always answers with the base class's result.
	Bool Message(GeListNode* node, Int32 type, void* data) override
	{
		BaseObject* op = static_cast<BaseObject*>(node);
		if (op == nullptr)
			return SUPER::Message(node, type, data);
		switch (type)
		{
		case MSG_DESCRIPTION_CHECKUPDATE:
		{
			const DescriptionCheckUpdate* update = static_cast<const DescriptionCheckUpdate*>(data);
			if (update != nullptr && update->descid != nullptr && update->descid->GetDepth() > 0)
				ParameterChanged(op, (*update->descid)[0].id);
			break;
		}
		case MSG_DESCRIPTION_COMMAND:
		{
			const DescriptionCommand* command = static_cast<const DescriptionCommand*>(data);
			if (command == nullptr || command->_descId.GetDepth() < 1)
				break;
			const Int32 button = command->_descId[0].id;
			if (button == PLOTLABEL_RESET)
			{
				WriteDefaults(op->GetDataInstanceRef());
				ChooseFont(op->GetDataInstanceRef());
				Rebuild(op);
			}
			else if (button == PLOTLABEL_UPDATE)
			{
				Rebuild(op);
			}
			break;
		}
		case MSG_MENUPREPARE:
			ChooseFont(op->GetDataInstanceRef());
			Rebuild(op);
			break;
		case MSG_DEFORMMODECHANGED:
			if (op->GetDeformMode())
			{
				Rebuild(op);
			}
			else
			{
				const Int32 sides = op->GetDataInstanceRef().GetInt32(PLOTLABEL_SIDES);
				UpdateGroupVisibility(op, LabelGroup::Horizontal, true, sides);
				UpdateGroupVisibility(op, LabelGroup::Vertical, true, sides);
				if (BaseObject* legend = FindLabel(op, LegendName()))
					SetShown(legend, false);
			}
			break;
		default:
			break;
		}
		return SUPER::Message(node, type, data);
	}

	Bool GetDEnabling(const GeListNode* node, const DescID& id, const GeData& t_data, DESCFLAGS_ENABLE flags,
	                  const BaseContainer* itemdesc) const override
	{
		if (node == nullptr)
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		const BaseObject* op = static_cast<const BaseObject*>(node);
		if (!op->GetDeformMode())
			return false;
		const BaseContainer& bc = op->GetDataInstanceRef();
		switch (id[0].id)
		{
		case PLOTLABEL_DECIMALS:
		case PLOTLABEL_FLIP:
			return bc.GetBool(PLOTLABEL_SHOWH) || bc.GetBool(PLOTLABEL_SHOWV);
		case PLOTLABEL_LEGENDOFFSET:
		case PLOTLABEL_LEGENDFACING:
			return bc.GetBool(PLOTLABEL_SHOWLEGEND);
		case PLOTLABEL_SIDES:
			return bc.GetBool(PLOTLABEL_SHOWH);
		default:
			return SUPER::GetDEnabling(node, id, t_data, flags, itemdesc);
		}
	}

	Bool AddToExecution(BaseObject* op, PriorityList* list) override
	{
		// Last of the plug-in's types: the plot has sampled and notified it before.
		list->Add(op, EXECUTIONPRIORITY_GENERATOR + 20, EXECUTIONFLAGS::NONE);
		return true;
	}

	/// Watches the plot object's data change counter. The labels are rebuilt when the plot presses the update button
	/// after sampling (during its own execution, before this one); here only when the last rebuild ran out of
	/// memory part way and left labels missing.
	EXECUTIONRESULT Execute(BaseObject* op, BaseDocument* doc, BaseThread* bt, Int32 priority,
	                        EXECUTIONFLAGS flags) override
	{
		(void)doc;
		(void)bt;
		(void)priority;
		(void)flags;
		const BaseObject* plot = FindPlotObject(op);
		if (plot == nullptr)
			return EXECUTIONRESULT::OK;
		if (_incomplete)
			Rebuild(op);
		// The update goes to the component itself, so it cannot move the plot's counter just taken.
		if (_watcher.TakeDataCounter(*plot))
			op->Message(MSG_UPDATE);
		return EXECUTIONRESULT::OK;
	}

	BaseObject* GetVirtualObjects(BaseObject* op, const HierarchyHelp* hh) override
	{
		(void)op;
		(void)hh;
		// The labels are document objects below the component; it generates nothing itself.
		return BaseObject::Alloc(Onull);
	}

private:
	/// Every default but the font, which is chosen from the installed fonts.
	static void WriteDefaults(BaseContainer& bc)
	{
		bc.SetFloat(PLOTLABEL_SIZE, 7.0);
		bc.SetVector(PLOTLABEL_COLOR, Vector(1.0));
		bc.SetInt32(PLOTLABEL_DECIMALS, 1);
		bc.SetBool(PLOTLABEL_SHOWH, true);
		bc.SetBool(PLOTLABEL_SHOWV, true);
		bc.SetBool(PLOTLABEL_FLIP, false);
		bc.SetBool(PLOTLABEL_SHOWLEGEND, true);
		bc.SetVector(PLOTLABEL_LEGENDOFFSET, Vector());
		bc.SetInt32(PLOTLABEL_LEGENDFACING, PLOTLABEL_LEGENDFACING_FRONT);
		bc.SetInt32(PLOTLABEL_SIDES, PLOTLABEL_SIDES_FRONT);
		bc.SetFloat(PLOTLABEL_DEPTH, 0.1);
	}

	/// Stores a copy of the font description into PLOTLABEL_FONT. False when memory is out.
	static Bool StoreFont(BaseContainer& bc, const BaseContainer& description)
	{
		GeData value(FONTCHOOSER_DATA, DEFAULTVALUE);
		FontData* font = value.GetCustomDataTypeWritable<FontData>();
		if (font == nullptr)
			return false;
		font->SetFont(&description);
		bc.SetData(PLOTLABEL_FONT, value);
		return true;
	}

	/// The first installed font whose display name is the preferred family, else the host's default font, into
	/// PLOTLABEL_FONT. False, with the parameter unchanged, when a font's name cannot be read or the host has no
	/// font at all.
	static Bool ChooseFont(BaseContainer& bc)
	{
		BaseContainer fonts;
		GeClipMap::EnumerateFonts(&fonts, GE_CM_FONTSORT::FLAT);
		const String preferred(kPreferredFont);
		// The container has no count: its entries are browsed until GetIndexId answers NOTOK.
		for (Int32 i = 0; fonts.GetIndexId(i) != NOTOK; ++i)
		{
			const GeData* entry = fonts.GetIndexData(i);
			if (entry == nullptr || entry->GetType() != DA_CONTAINER || entry->GetContainer() == nullptr)
				continue;
			String name;
			if (!GeClipMap::GetFontName(entry->GetContainer(), GE_FONT_NAME_DISPLAY, &name))
				return false;
			if (name.Compare(preferred, maxon::STRINGCOMPARISON::UNICODE_NUMBERS) == maxon::COMPARERESULT::EQUAL)
				return StoreFont(bc, *entry->GetContainer());
		}
		BaseContainer fallback;
		if (!GeClipMap::GetDefaultFont(GE_FONT_DEFAULT_SYSTEM, &fallback))
			return false;
		return StoreFont(bc, fallback);
	}

	/// Deletes and re-creates the twelve tick labels and the legend from the parameters. Leaves the document as it
	/// is (false) when the component is not below a plot object, the plot has no data of its own, or the component
	/// is switched off.
	Bool Rebuild(BaseObject* op)
	{
		BaseObject* plot = FindPlotObject(op);
		if (plot == nullptr)
			return false;
		const PlotObject* plotData = plot->GetNodeData<PlotObject>();
		if (plotData == nullptr || !op->GetDeformMode())
			return false;

		const BaseContainer& bc = op->GetDataInstanceRef();
		LabelStyle style;
		style.size = bc.GetFloat(PLOTLABEL_SIZE);
		style.depth = bc.GetFloat(PLOTLABEL_DEPTH);
		style.color = bc.GetVector(PLOTLABEL_COLOR);
		style.font = bc.GetCustomDataType<FontData>(PLOTLABEL_FONT);
		const BaseContainer& plotBc = plot->GetDataInstanceRef();
		TickLayout ticks;
		ticks.flip = bc.GetBool(PLOTLABEL_FLIP);
		ticks.decimals = bc.GetInt32(PLOTLABEL_DECIMALS);
		ticks.sides = bc.GetInt32(PLOTLABEL_SIDES);
		ticks.half = plotBc.GetFloat(PLOT_SIZE) * 0.5;
		ticks.height = plotBc.GetFloat(PLOT_HEIGHT);
		RebuildHorizontalLabels(op, plotBc, ticks, style);
		RebuildVerticalLabels(op, *plotData, ticks, style);
		RebuildLegend(op, plotBc, style);
		// A rebuild that ran out of memory part way is done again at the next execution, so that the labels do
		// not stay missing until the plot changes.
		_incomplete = !HasEveryLabel(op, style.font != nullptr);
		return true;
	}

	/// The six tick labels of the x and z ranges along the front and the side edge, below the plot's floor.
	static void RebuildHorizontalLabels(BaseObject* op, const BaseContainer& plotBc, const TickLayout& ticks,
	                                    const LabelStyle& style)
	{
		const Bool flip = ticks.flip;
		const Float half = ticks.half;
		const Float xMin = plotBc.GetFloat(PLOT_XMIN);
		const Float xMax = plotBc.GetFloat(PLOT_XMAX);
		const Bool separateZ = plotBc.GetBool(PLOT_SEPARATEZ);
		const Float zMin = separateZ ? plotBc.GetFloat(PLOT_ZMIN) : xMin;
		const Float zMax = separateZ ? plotBc.GetFloat(PLOT_ZMAX) : xMax;
		const Bool showH = op->GetDataInstanceRef().GetBool(PLOTLABEL_SHOWH);
		const Float floorY = -ticks.height * 0.5 - style.size;
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
			RemoveByName(op, LabelName(LabelGroup::Horizontal, i));
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
		{
			const Int32 k = i % 3; // 0 start, 1 middle, 2 end of the range
			const Bool front = i < 3;
			const Float start = front ? xMin : zMin;
			const Float end = front ? xMax : zMax;
			const Float value = k == 0 ? start : k == 1 ? (start + end) * 0.5 : end;
			const Float along = (static_cast<Float>(k) - 1.0) * half;
			const Int32 align = flip ? kAlignFlipped[k] : kAlignNormal[k];
			Vector position;
			Float heading = 0.0;
			if (front)
			{
				position = Vector(along, floorY, flip ? half : -half);
				heading = flip ? kHalfTurn : 0.0;
			}
			else
			{
				position = Vector(flip ? -half : half, floorY, along);
				heading = flip ? kThreeQuarterTurn : kQuarterTurn;
			}
			BaseObject* text = nullptr;
			BaseObject* label =
			    MakeLabel(LabelName(LabelGroup::Horizontal, i), FormatTick(value, ticks.decimals), align, style, &text);
			if (label == nullptr)
				continue;
			FinishLabel(label, op, position, heading, showH && SetShownForSides(i, ticks.sides), style);
		}
	}

	/// The six tick labels +V, 0 and -V beside the plot, V being the larger magnitude of the plot's value range.
	static void RebuildVerticalLabels(BaseObject* op, const PlotObject& plotData, const TickLayout& ticks,
	                                  const LabelStyle& style)
	{
		const Bool flip = ticks.flip;
		const Float half = ticks.half;
		const Float height = ticks.height;
		const Bool showV = op->GetDataInstanceRef().GetBool(PLOTLABEL_SHOWV);
		const Float low = plotData.GetValueMin();
		const Float high = plotData.GetValueMax();
		const Float extent = maxon::Abs(low) > maxon::Abs(high) ? maxon::Abs(low) : maxon::Abs(high);
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
			RemoveByName(op, LabelName(LabelGroup::Vertical, i));
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
		{
			const Int32 k = i % 3; // 0 top, 1 middle, 2 bottom
			const Float value = k == 0 ? extent : k == 1 ? 0.0 : -extent;
			BaseObject* text = nullptr;
			BaseObject* label = MakeLabel(LabelName(LabelGroup::Vertical, i), FormatTick(value, ticks.decimals),
			                              PRIM_TEXT_ALIGN_RIGHT, style, &text);
			if (label == nullptr)
				continue;
			// The text's own half height places the top label's top and the middle label's centre on the marks.
			const Float r = text != nullptr ? text->GetRad().y : 0.0;
			const Float y = k == 0 ? height * 0.5 - 2.0 * r : k == 1 ? -r : -height * 0.5;
			Vector position;
			Float heading = 0.0;
			if (i < 3)
			{
				position = flip ? Vector(half + kLabelGap, y, half) : Vector(-half - kLabelGap, y, -half);
				heading = flip ? kHalfTurn : 0.0;
			}
			else
			{
				position = flip ? Vector(kLabelGap - half, y, half) : Vector(half - kLabelGap, y, -half);
				heading = flip ? kThreeQuarterTurn : kQuarterTurn;
			}
			FinishLabel(label, op, position, heading, showV && SetShownForSides(i, ticks.sides), style);
		}
	}

	/// The legend: the formula above the plot.
	static void RebuildLegend(BaseObject* op, const BaseContainer& plotBc, const LabelStyle& style)
	{
		const BaseContainer& bc = op->GetDataInstanceRef();
		RemoveByName(op, LegendName());
		BaseObject* text = nullptr;
		BaseObject* legend = MakeLabel(LegendName(), String("Formula: ") + plotBc.GetString(PLOT_FORMULA),
		                               PRIM_TEXT_ALIGN_MIDDLE, style, &text);
		if (legend == nullptr)
			return;
		FinishLabel(legend, op, LegendPosition(plotBc.GetFloat(PLOT_HEIGHT), bc.GetVector(PLOTLABEL_LEGENDOFFSET)),
		            LegendHeading(bc.GetInt32(PLOTLABEL_LEGENDFACING)), bc.GetBool(PLOTLABEL_SHOWLEGEND), style);
	}

	/// Whether every label is there with its text spline, its text and, when one was chosen, its font.
	static Bool HasEveryLabel(BaseObject* op, Bool withFont)
	{
		const auto complete = [op, withFont](const maxon::String& name)
		{
			const BaseObject* label = FindLabel(op, name);
			const BaseObject* text = label != nullptr ? label->GetDown() : nullptr;
			if (text == nullptr)
				return false;
			const BaseContainer& bc = text->GetDataInstanceRef();
			return bc.GetString(PRIM_TEXT_TEXT).IsPopulated() &&
			       (!withFont || bc.GetCustomDataType<FontData>(PRIM_TEXT_FONT) != nullptr);
		};
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
		{
			if (!complete(LabelName(LabelGroup::Horizontal, i)) || !complete(LabelName(LabelGroup::Vertical, i)))
				return false;
		}
		return complete(LegendName());
	}

	/// Shows or hides the existing labels of a group without rebuilding: all hidden with hide, else the sets that
	/// PLOTLABEL_SIDES selects (an unknown value changes nothing). Labels not found by name are skipped.
	static void UpdateGroupVisibility(BaseObject* op, LabelGroup group, Bool hide, Int32 sides)
	{
		if (!hide && sides != PLOTLABEL_SIDES_SIDE && sides != PLOTLABEL_SIDES_FRONT && sides != PLOTLABEL_SIDES_BOTH)
			return;
		for (Int32 i = 0; i < kTicksPerGroup; ++i)
		{
			BaseObject* label = FindLabel(op, LabelName(group, i));
			if (label == nullptr)
				continue;
			SetShown(label, !hide && SetShownForSides(i, sides));
		}
	}

	/// Applies a change of the legend's visibility, offset or facing to the existing legend.
	static void UpdateLegend(BaseObject* op, Int32 changed)
	{
		BaseObject* plot = FindPlotObject(op);
		BaseObject* legend = FindLabel(op, LegendName());
		if (plot == nullptr || legend == nullptr)
			return;
		const BaseContainer& bc = op->GetDataInstanceRef();
		if (changed == PLOTLABEL_SHOWLEGEND)
		{
			SetShown(legend, bc.GetBool(PLOTLABEL_SHOWLEGEND));
		}
		else
		{
			legend->SetRelPos(
			    LegendPosition(plot->GetDataInstanceRef().GetFloat(PLOT_HEIGHT), bc.GetVector(PLOTLABEL_LEGENDOFFSET)));
			legend->SetRelRot(Vector(LegendHeading(bc.GetInt32(PLOTLABEL_LEGENDFACING)), 0.0, 0.0));
		}
		legend->Message(MSG_UPDATE);
		EventAdd(EVENT::FORCEREDRAW);
	}

	/// Reaction to one of the component's parameters having been set (by its first-level id).
	void ParameterChanged(BaseObject* op, Int32 id)
	{
		const BaseContainer& bc = op->GetDataInstanceRef();
		switch (id)
		{
		case PLOTLABEL_SIZE:
		case PLOTLABEL_COLOR:
		case PLOTLABEL_DECIMALS:
		case PLOTLABEL_FLIP:
		case PLOTLABEL_FONT:
		case PLOTLABEL_DEPTH:
			StopAllThreads();
			Rebuild(op);
			break;
		case PLOTLABEL_SHOWH:
			StopAllThreads();
			UpdateGroupVisibility(op, LabelGroup::Horizontal, !bc.GetBool(PLOTLABEL_SHOWH),
			                      bc.GetInt32(PLOTLABEL_SIDES));
			break;
		case PLOTLABEL_SHOWV:
			StopAllThreads();
			UpdateGroupVisibility(op, LabelGroup::Vertical, !bc.GetBool(PLOTLABEL_SHOWV), bc.GetInt32(PLOTLABEL_SIDES));
			break;
		case PLOTLABEL_SHOWLEGEND:
		case PLOTLABEL_LEGENDOFFSET:
		case PLOTLABEL_LEGENDFACING:
			StopAllThreads();
			UpdateLegend(op, id);
			break;
		case PLOTLABEL_SIDES:
			UpdateGroupVisibility(op, LabelGroup::Horizontal, !bc.GetBool(PLOTLABEL_SHOWH),
			                      bc.GetInt32(PLOTLABEL_SIDES));
			UpdateGroupVisibility(op, LabelGroup::Vertical, !bc.GetBool(PLOTLABEL_SHOWV), bc.GetInt32(PLOTLABEL_SIDES));
			break;
		default:
			break;
		}
	}

	PlotWatcher _watcher;     // the plot's data change counter, taken by Execute
	Bool _incomplete = false; // the last rebuild could not make every label
};

Bool RegisterPlotLabel(BaseBitmap* icon)
{
	return RegisterObjectPlugin(ID_PLOTLABEL, GeLoadString(IDS_PLOTLABEL),
	                            PLUGINFLAG_HIDEPLUGINMENU | OBJECT_CALL_ADDEXECUTION | OBJECT_GENERATOR,
	                            PlotLabel::Alloc, "o3dplotlabel"_s, icon, 0);
}
