#include "app/preview_annotations.h"

#include "app/plot_parameter_ids.h"

#include "customgui_fontchooser.h"
#include "customgui_gradient.h"

#include "host/fonts/font_library.h"
#include "host/plugins/registry.h"
#include "host/scene/node.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace surfax::app
{
using namespace cinema;

namespace
{
constexpr const char* kLabelType = "o3dplotlabel";
// The digits after the point of the key's numbers without a label component (the label's default).
constexpr Int32 kDefaultDecimals = 1;
// The names of the label objects that hold the vertical labels at the top and the bottom of each set.
constexpr const char* kTopVerticalLabel[2] = {"_3dPlotVLabel0_", "_3dPlotVLabel3_"};
constexpr const char* kBottomVerticalLabel[2] = {"_3dPlotVLabel2_", "_3dPlotVLabel5_"};

const BaseContainer& Params(const BaseObject& op)
{
	return op.GetDataInstanceRef();
}

// The first object below plot (in document order) of the named plug-in type, or null.
const BaseObject* FindBelow(const BaseObject& plot, const char* typeName)
{
	const plugins::ObjectType* type = plugins::FindObjectTypeByName(typeName);
	if (type == nullptr)
		return nullptr;
	for (const BaseObject* op = plot.GetDown(); op != nullptr; op = scene::NextInDocumentOrder(op, &plot))
	{
		if (op->GetType() == type->id)
			return op;
	}
	return nullptr;
}

// One end of the bar: the value at which the colours stop changing on that side (sign +1 or -1), and whether they do
// (a positive multiplier drives the lookup to its end there; clip mode stops at 1). Without that, the chart's own
// extreme on that side, or 0.
double EndOfBar(double multiplier, double sign, const KeyLookup& lookup, const ValueRange& range, bool& saturates)
{
	const double m = lookup.byMagnitude ? std::fabs(multiplier) : multiplier;
	double end = m > 0.0 ? 1.0 / m : 0.0;
	saturates = m > 0.0 && std::isfinite(end);
	if (!saturates)
		end = range.known ? std::max(0.0, sign > 0.0 ? range.highest : -range.lowest) : 0.0;
	if (lookup.clip)
		end = std::min(end, 1.0);
	return end > 0.0 ? sign * end : 0.0; // never -0, which would be written "-0.0"
}

// A number as the label component writes its ticks.
std::string Number(double value, Int32 decimals)
{
	return maxon::String::FloatToString(value, -1, decimals < 0 ? 0 : decimals, false, ' ').GetUtf8();
}

bool HasVertexColors(const io::ExportScene& scene)
{
	const auto coloured = [](const io::ExportItem& item) { return item.colorSource == io::ColorSource::VertexColors; };
	return std::any_of(scene.meshes.begin(), scene.meshes.end(), coloured) ||
	       std::any_of(scene.lines.begin(), scene.lines.end(), coloured) ||
	       std::any_of(scene.points.begin(), scene.points.end(), coloured);
}

void DescribeKey(const BaseDocument& doc, const BaseObject& plot, const io::ExportScene& scene, const ValueRange& range,
                 Int32 decimals, render::ColorKey& key)
{
	const BaseContainer& bc = Params(plot);
	const Int32 gradientMode = CycleValue(plot, "PLOT_COLORMODE", "PLOT_COLORMODE_GRADIENT", 0);
	const Gradient* gradient = bc.GetCustomDataType<Gradient>(ParamId(plot, "PLOT_GRADIENT"));
	if (bc.GetInt32(ParamId(plot, "PLOT_COLORMODE"), gradientMode) != gradientMode || gradient == nullptr ||
	    !(bc.GetFloat(ParamId(plot, "PLOT_HEIGHT")) > 0.0) || !HasVertexColors(scene))
		return;
	KeyLookup lookup;
	lookup.positive = bc.GetFloat(ParamId(plot, "PLOT_SCALEPOS"), 1.0);
	lookup.negative = bc.GetFloat(ParamId(plot, "PLOT_SCALENEG"), 1.0);
	lookup.clip = bc.GetInt32(ParamId(plot, "PLOT_YMODE")) == CycleValue(plot, "PLOT_YMODE", "PLOT_YMODE_CLIP", 2);
	lookup.byMagnitude = bc.GetBool(ParamId(plot, "PLOT_GRADIENTABS"));
	maxon::Result<maxon::GradientRenderData> prepared = gradient->PrepareRenderData(InitRenderStruct(&doc));
	if (prepared == maxon::FAILED || !prepared.GetValue() || !DescribeKeyRange(lookup, range, decimals, key))
		return;
	const maxon::GradientRenderData& ramp = prepared.GetValue();
	key.colors.resize(kKeyColors);
	for (std::size_t k = 0; k < kKeyColors; ++k)
	{
		const double v = key.low + (key.high - key.low) * static_cast<double>(k) / static_cast<double>(kKeyColors - 1);
		const maxon::Color c = ramp.CalcGradientPixel(lookup.At(v));
		key.colors[k] = {static_cast<float>(std::clamp(c.r, 0.0, 1.0)), static_cast<float>(std::clamp(c.g, 0.0, 1.0)),
		                 static_cast<float>(std::clamp(c.b, 0.0, 1.0))};
	}
}

// A point of the label component's own space in the scene's (export) space: the host's world, z mirrored.
std::array<float, 3> InScene(const Matrix& mg, const Vector& local)
{
	const Vector world = mg * local;
	return {static_cast<float>(world.x), static_cast<float>(world.y), static_cast<float>(-world.z)};
}

// The bounds of the meshes at or below the first text node named `name`; false when it has none.
bool TextBox(const io::ExportScene& scene, const std::vector<std::int32_t>& textNodes, const char* name, float lo[3],
             float hi[3])
{
	std::int32_t node = -1;
	for (const std::int32_t n : textNodes)
		node = node < 0 && scene.nodes[static_cast<std::size_t>(n)].name == name ? n : node;
	if (node < 0)
		return false;
	bool found = false;
	for (const io::ExportMesh& m : scene.meshes)
	{
		std::int32_t up = m.node;
		while (up > node)
			up = scene.nodes[static_cast<std::size_t>(up)].parent;
		if (up != node)
			continue;
		for (std::size_t i = 0; i < m.positions.size(); i += 3)
		{
			for (std::size_t k = 0; k < 3; ++k)
			{
				lo[k] = found ? std::min(lo[k], m.positions[i + k]) : m.positions[i + k];
				hi[k] = found ? std::max(hi[k], m.positions[i + k]) : m.positions[i + k];
			}
			found = true;
		}
	}
	return found;
}

void DescribeAxisNames(const BaseObject& plot, const BaseObject& label, const io::ExportScene& scene,
                       render::ChartAnnotations& out)
{
	const BaseContainer& bc = Params(label);
	const double w = Params(plot).GetFloat(ParamId(plot, "PLOT_SIZE")) * 0.5;
	const double ht = Params(plot).GetFloat(ParamId(plot, "PLOT_HEIGHT")) * 0.5;
	const double h = bc.GetFloat(ParamId(label, "PLOTLABEL_SIZE"));
	const bool flip = bc.GetBool(ParamId(label, "PLOTLABEL_FLIP"));
	const Int32 sides = bc.GetInt32(ParamId(label, "PLOTLABEL_SIDES"));
	const Matrix mg = label.GetMg();
	// The horizontal labels' text stands on the baseline h below the floor; its middle is about 0.35 h above that.
	const double middle = -ht - 0.65 * h;
	const double front = flip ? w : -w, side = flip ? -w : w;
	if (bc.GetBool(ParamId(label, "PLOTLABEL_SHOWH")))
	{
		out.axisNames.push_back({"x", InScene(mg, Vector(-w, middle, front)), InScene(mg, Vector(w, middle, front)),
		                         static_cast<float>(h)});
		out.axisNames.push_back(
		    {"z", InScene(mg, Vector(side, middle, -w)), InScene(mg, Vector(side, middle, w)), static_cast<float>(h)});
	}
	if (!bc.GetBool(ParamId(label, "PLOTLABEL_SHOWV")))
		return;
	// Above the middle of the column of vertical labels, from the bottom label's foot to the top label's head.
	const int set = sides == CycleValue(label, "PLOTLABEL_SIDES", "PLOTLABEL_SIDES_SIDE", 0) ? 1 : 0;
	float topLo[3], topHi[3], bottomLo[3], bottomHi[3];
	if (!TextBox(scene, out.textNodes, kTopVerticalLabel[set], topLo, topHi) ||
	    !TextBox(scene, out.textNodes, kBottomVerticalLabel[set], bottomLo, bottomHi))
		return;
	out.axisNames.push_back({"y",
	                         {(bottomLo[0] + bottomHi[0]) * 0.5f, bottomLo[1], (bottomLo[2] + bottomHi[2]) * 0.5f},
	                         {(topLo[0] + topHi[0]) * 0.5f, topHi[1], (topLo[2] + topHi[2]) * 0.5f},
	                         static_cast<float>(h)});
}

// The scene's nodes of the label component's label objects (its children, by name, below its node).
void FindTextNodes(const BaseObject& label, const io::ExportScene& scene, std::vector<std::int32_t>& out)
{
	std::set<std::string> names;
	for (const BaseObject* child = label.GetDown(); child != nullptr; child = child->GetNext())
		names.insert(child->GetName().GetUtf8());
	const std::string labelName = label.GetName().GetUtf8();
	for (std::size_t n = 0; n < scene.nodes.size(); ++n)
	{
		const io::ExportNode& node = scene.nodes[n];
		if (node.parent >= 0 && scene.nodes[static_cast<std::size_t>(node.parent)].name == labelName &&
		    names.count(node.name) > 0)
			out.push_back(static_cast<std::int32_t>(n));
	}
}
} // namespace

double KeyLookup::At(double v) const
{
	double y = clip ? std::clamp(v, -1.0, 1.0) : v;
	y *= y < 0.0 ? negative : positive;
	const double lookup = byMagnitude ? std::fabs(y) : (y + 1.0) * 0.5;
	return lookup > 0.0 ? std::min(lookup, 1.0) : 0.0; // not a number looks up 0, as the plot does
}

bool DescribeKeyRange(const KeyLookup& lookup, const ValueRange& range, Int32 decimals, render::ColorKey& key)
{
	// With both multipliers 0 every value looks up the same place: one colour, nothing to key.
	if (lookup.positive == 0.0 && lookup.negative == 0.0)
		return false;
	bool lowSaturates = false, highSaturates = false;
	// By magnitude with equal multipliers the colours depend on |v| alone: the bar runs over |v| from 0.
	const bool overMagnitude =
	    lookup.byMagnitude && std::fabs(lookup.positive) == std::fabs(lookup.negative) && lookup.positive != 0.0;
	key.high = EndOfBar(lookup.positive, 1.0, lookup, range, highSaturates);
	key.low = overMagnitude ? 0.0 : EndOfBar(lookup.negative, -1.0, lookup, range, lowSaturates);
	if (!(key.low < key.high))
		return false;
	key.title = overMagnitude ? "|y|" : "y";
	double lowest = range.lowest, highest = range.highest;
	if (overMagnitude)
	{
		lowest = std::fabs(range.lowest);
		highest = std::fabs(range.highest);
		if (lowest > highest)
			std::swap(lowest, highest);
	}
	// Beyond an end by more than rounding: the chart has values there that take the end's colour.
	const double tolerance = 1e-9 * (key.high - key.low);
	const bool below = range.known && lowSaturates && lowest < key.low - tolerance;
	const bool above = range.known && highSaturates && highest > key.high + tolerance;
	key.lowText = (below ? "\u2264 " : "") + Number(key.low, decimals);
	key.highText = (above ? "\u2265 " : "") + Number(key.high, decimals);
	key.marks.clear();
	if (range.known)
		key.marks = {std::clamp(lowest, key.low, key.high), std::clamp(highest, key.low, key.high)};
	return true;
}

void DescribePreviewAnnotations(const BaseDocument& doc, const BaseObject& plot, const io::ExportScene& scene,
                                const ValueRange& range, const AnnotationChoices& choices,
                                render::ChartAnnotations& out)
{
	out = render::ChartAnnotations();
	const BaseObject* label = FindBelow(plot, kLabelType);
	Int32 decimals = kDefaultDecimals;
	bool hasFont = false;
	if (label != nullptr)
	{
		const BaseContainer& bc = Params(*label);
		decimals = std::clamp(bc.GetInt32(ParamId(*label, "PLOTLABEL_DECIMALS"), kDefaultDecimals), 0, 20);
		const Vector color = bc.GetVector(ParamId(*label, "PLOTLABEL_COLOR"), Vector(1.0));
		out.textColor = {static_cast<float>(color.x), static_cast<float>(color.y), static_cast<float>(color.z)};
		if (const FontData* font = bc.GetCustomDataType<FontData>(ParamId(*label, "PLOTLABEL_FONT")))
		{
			const BaseContainer description = font->GetFont();
			hasFont = fonts::ResolveFontDescription(&description, out.font);
		}
		if (label->GetDeformMode())
		{
			FindTextNodes(*label, scene, out.textNodes);
			if (choices.axisNames)
				DescribeAxisNames(plot, *label, scene, out);
		}
	}
	if (choices.colorKey)
		DescribeKey(doc, plot, scene, range, decimals, out.key);
	// The host's fonts are looked up only when there is text to write.
	const bool text = out.key.Present() || !out.axisNames.empty();
	out.hasFont = hasFont || (text && fonts::DefaultFontFace(false, out.font));
}
} // namespace surfax::app
