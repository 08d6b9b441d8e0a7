// The label component: its twelve tick labels and legend as extrude objects with text splines, their texts,
// placement and visibility, the font choice, failures, and documents that keep the labels.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotlabel.h"

#include "customgui_fontchooser.h"
#include "lib_clipmap.h"
#include "oextrude.h"
#include "osplinetext.h"

#include "host/core/memory.h"
#include "host/document/document_json.h"
#include "host/eval/evaluate.h"
#include "host/fonts/font_library.h"
#include "host/user/actions.h"
#include "support/failing_allocations.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
const char* const kHorizontal[] = {"_3dPlotHLabel0_", "_3dPlotHLabel1_", "_3dPlotHLabel2_",
                                   "_3dPlotHLabel3_", "_3dPlotHLabel4_", "_3dPlotHLabel5_"};
const char* const kVertical[] = {"_3dPlotVLabel0_", "_3dPlotVLabel1_", "_3dPlotVLabel2_",
                                 "_3dPlotVLabel3_", "_3dPlotVLabel4_", "_3dPlotVLabel5_"};
constexpr char kLegend[] = "_3dPlotLegend_";

/// The label objects directly under the component, by name.
std::map<std::string, BaseObject*> Labels(BaseObject* component)
{
	std::map<std::string, BaseObject*> labels;
	for (BaseObject* child = component->GetDown(); child != nullptr; child = child->GetNext())
		labels[child->GetName().GetUtf8()] = child;
	return labels;
}

std::string TextOf(BaseObject* label)
{
	BaseObject* text = label->GetDown();
	return text != nullptr ? text->GetDataInstanceRef().GetString(PRIM_TEXT_TEXT).GetUtf8() : std::string();
}

bool Shown(BaseObject* label)
{
	return label->GetEditorMode() == MODE_ON && label->GetRenderMode() == MODE_ON;
}

void Set(BaseObject* op, Int32 id, const GeData& value)
{
	std::string error;
	ASSERT_TRUE(surfax::user::SetParameter(op, id, value, error)) << error;
}

class LabelComponent : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		surfax::user::ClearAnswers();
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
	}

	void TearDown() override { surfax::core::FailAllocationAfter(0); }

	/// A label component added with the plot's button, as a person adds it, after the plot has sampled once.
	BaseObject* AddLabel()
	{
		doc.Evaluate();
		plot->GetDataInstanceRef().SetInt32(PLOT_ADDCOMPONENT, 3);
		EXPECT_TRUE(surfax::user::PressButton(plot, PLOT_ADDCOMPONENT));
		BaseObject* label = plot->GetDown();
		EXPECT_NE(label, nullptr);
		EXPECT_EQ(label->GetType(), ID_PLOTLABEL);
		return label;
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
};

TEST_F(LabelComponent, DefaultPlotGetsThirteenExtrudedTextLabelsInOrder)
{
	BaseObject* component = AddLabel();
	doc.Evaluate();
	std::vector<std::string> names;
	for (BaseObject* child = component->GetDown(); child != nullptr; child = child->GetNext())
	{
		names.push_back(child->GetName().GetUtf8());
		EXPECT_EQ(child->GetType(), Oextrude);
		ASSERT_NE(child->GetDown(), nullptr);
		EXPECT_EQ(child->GetDown()->GetType(), Osplinetext);
		EXPECT_EQ(child->GetDown()->GetNext(), nullptr);
		const BaseObject* cache = child->GetCache();
		ASSERT_NE(cache, nullptr) << names.back();
		EXPECT_GT(static_cast<const PolygonObject*>(cache)->GetPolygonCount(), 0) << names.back();
		EXPECT_EQ(child->GetDataInstanceRef().GetVector(EXTRUDEOBJECT_MOVE), Vector(0.0, 0.0, 0.1));
		EXPECT_EQ(child->GetDataInstanceRef().GetVector(EXTRUDEOBJECT_EXTRUSIONOFFSET), Vector(0.0, 0.0, 0.1));
		ObjectColorProperties color;
		child->GetColorProperties(&color);
		EXPECT_EQ(color.color, Vector(1.0));
		EXPECT_EQ(color.usecolor, ID_BASEOBJECT_USECOLOR_AUTOMATIC);
		EXPECT_EQ(child->GetDown()->GetDataInstanceRef().GetFloat(PRIM_TEXT_HEIGHT), 7.0);
		EXPECT_NE(child->GetDown()->GetDataInstanceRef().GetCustomDataType<FontData>(PRIM_TEXT_FONT), nullptr);
	}
	std::vector<std::string> expected(std::begin(kHorizontal), std::end(kHorizontal));
	expected.insert(expected.end(), std::begin(kVertical), std::end(kVertical));
	expected.push_back(kLegend);
	EXPECT_EQ(names, expected);

	std::map<std::string, BaseObject*> labels = Labels(component);
	const char* const texts[] = {"-180.0", "0.0", "180.0", "-180.0", "0.0", "180.0"};
	for (int i = 0; i < 6; ++i)
	{
		EXPECT_EQ(TextOf(labels[kHorizontal[i]]), texts[i]);
		EXPECT_DOUBLE_EQ(labels[kHorizontal[i]]->GetRelPos().y, -32.0);
	}
	EXPECT_EQ(TextOf(labels[kLegend]), "Formula: Sin(x) * Cos(z)");
	EXPECT_EQ(labels[kLegend]->GetRelPos(), Vector(0.0, 27.0, 0.0));
	EXPECT_EQ(labels[kLegend]->GetRelRot(), Vector(0.0));
	// The default plot's values reach +-1 (Sin(90) * Cos(0)).
	EXPECT_EQ(TextOf(labels[kVertical[0]]), "1.0");
	EXPECT_EQ(TextOf(labels[kVertical[1]]), "0.0");
	EXPECT_EQ(TextOf(labels[kVertical[2]]), "-1.0");
	// Sides 1: the front set shows, the side set does not; the legend shows.
	for (int i = 0; i < 6; ++i)
	{
		EXPECT_EQ(Shown(labels[kHorizontal[i]]), i < 3) << i;
		EXPECT_EQ(Shown(labels[kVertical[i]]), i < 3) << i;
	}
	EXPECT_TRUE(Shown(labels[kLegend]));
}

TEST_F(LabelComponent, FrontAndSideSetsArePlacedTurnedAndAlignedAndFlipSwapsThem)
{
	BaseObject* component = AddLabel();
	std::map<std::string, BaseObject*> labels = Labels(component);
	const Int32 aligns[] = {PRIM_TEXT_ALIGN_LEFT, PRIM_TEXT_ALIGN_MIDDLE, PRIM_TEXT_ALIGN_RIGHT};
	for (int i = 0; i < 3; ++i)
	{
		EXPECT_EQ(labels[kHorizontal[i]]->GetRelPos(), Vector(-100.0 + 100.0 * i, -32.0, -100.0));
		EXPECT_EQ(labels[kHorizontal[i]]->GetRelRot(), Vector(0.0));
		EXPECT_EQ(labels[kHorizontal[i]]->GetDown()->GetDataInstanceRef().GetInt32(PRIM_TEXT_ALIGN), aligns[i]);
		EXPECT_EQ(labels[kHorizontal[i + 3]]->GetRelPos(), Vector(100.0, -32.0, -100.0 + 100.0 * i));
		EXPECT_DOUBLE_EQ(labels[kHorizontal[i + 3]]->GetRelRot().x, maxon::PI * 0.5);
	}
	// Vertical labels: right aligned, beside the plot, y from the text's half height.
	BaseObject* top = labels[kVertical[0]];
	const Float r = top->GetDown()->GetRad().y;
	EXPECT_GT(r, 1.0);
	EXPECT_LT(r, 7.0);
	EXPECT_DOUBLE_EQ(top->GetRelPos().y, 25.0 - 2.0 * r);
	EXPECT_DOUBLE_EQ(labels[kVertical[2]]->GetRelPos().y, -25.0);
	EXPECT_DOUBLE_EQ(labels[kVertical[1]]->GetRelPos().y, -labels[kVertical[1]]->GetDown()->GetRad().y);
	EXPECT_DOUBLE_EQ(top->GetRelPos().x, -102.0);
	EXPECT_DOUBLE_EQ(labels[kVertical[3]]->GetRelPos().x, 98.0);
	EXPECT_EQ(top->GetDown()->GetDataInstanceRef().GetInt32(PRIM_TEXT_ALIGN), PRIM_TEXT_ALIGN_RIGHT);

	Set(component, PLOTLABEL_FLIP, GeData(true));
	labels = Labels(component);
	for (int i = 0; i < 3; ++i)
	{
		EXPECT_EQ(labels[kHorizontal[i]]->GetRelPos(), Vector(-100.0 + 100.0 * i, -32.0, 100.0));
		EXPECT_DOUBLE_EQ(labels[kHorizontal[i]]->GetRelRot().x, maxon::PI);
		EXPECT_EQ(labels[kHorizontal[i]]->GetDown()->GetDataInstanceRef().GetInt32(PRIM_TEXT_ALIGN), aligns[2 - i]);
		EXPECT_EQ(labels[kHorizontal[i + 3]]->GetRelPos(), Vector(-100.0, -32.0, -100.0 + 100.0 * i));
		EXPECT_DOUBLE_EQ(labels[kHorizontal[i + 3]]->GetRelRot().x, maxon::PI * 1.5);
	}
	EXPECT_EQ(labels[kVertical[0]]->GetRelPos().x, 102.0);
	EXPECT_EQ(labels[kVertical[0]]->GetRelPos().z, 100.0);
	EXPECT_EQ(labels[kVertical[3]]->GetRelPos().x, -98.0);
	EXPECT_DOUBLE_EQ(labels[kVertical[3]]->GetRelRot().x, maxon::PI * 1.5);
	EXPECT_EQ(labels[kLegend]->GetRelRot(), Vector(0.0)); // flip leaves the legend alone
}

TEST_F(LabelComponent, TicksFollowDecimalsTheSeparateZRangeAndTheValueRange)
{
	BaseContainer& bc = plot->GetDataInstanceRef();
	bc.SetFloat(PLOT_ZMIN, -10.0);
	bc.SetFloat(PLOT_ZMAX, 30.0);
	BaseObject* component = AddLabel();
	std::map<std::string, BaseObject*> labels = Labels(component);
	EXPECT_EQ(TextOf(labels[kHorizontal[3]]), "-180.0"); // separate z off: the x range
	bc.SetBool(PLOT_SEPARATEZ, true);
	doc.Evaluate(); // re-sampling presses the label's update button
	labels = Labels(component);
	EXPECT_EQ(TextOf(labels[kHorizontal[3]]), "-10.0");
	EXPECT_EQ(TextOf(labels[kHorizontal[4]]), "10.0");
	EXPECT_EQ(TextOf(labels[kHorizontal[5]]), "30.0");
	EXPECT_EQ(TextOf(labels[kHorizontal[0]]), "-180.0");

	Set(component, PLOTLABEL_DECIMALS, GeData(0));
	labels = Labels(component);
	EXPECT_EQ(TextOf(labels[kHorizontal[0]]), "-180");
	EXPECT_EQ(TextOf(labels[kHorizontal[4]]), "10");

	// Values from -0.5 to 2: V = 2.
	bc.SetString(PLOT_FORMULA, "(x + 180) / 144 - 0.5"_s);
	doc.Evaluate();
	EXPECT_DOUBLE_EQ(plot->GetNodeData<PlotObject>()->GetValueMin(), -0.5);
	EXPECT_DOUBLE_EQ(plot->GetNodeData<PlotObject>()->GetValueMax(), 2.0);
	labels = Labels(component);
	EXPECT_EQ(TextOf(labels[kVertical[0]]), "2");
	EXPECT_EQ(TextOf(labels[kVertical[1]]), "0");
	EXPECT_EQ(TextOf(labels[kVertical[2]]), "-2");
	EXPECT_EQ(TextOf(labels[kVertical[5]]), "-2");
	EXPECT_EQ(TextOf(labels[kLegend]), "Formula: (x + 180) / 144 - 0.5");
	EXPECT_EQ(labels.size(), 13u);
}

TEST_F(LabelComponent, SidesAndShowSwitchesHideWithoutDeleting)
{
	BaseObject* component = AddLabel();
	std::map<std::string, BaseObject*> labels = Labels(component);
	const int stops = surfax::eval::StopAllThreadsCalls();
	Set(component, PLOTLABEL_SIDES, GeData(PLOTLABEL_SIDES_SIDE));
	EXPECT_EQ(surfax::eval::StopAllThreadsCalls(), stops); // sides alone: no halt before the change
	EXPECT_EQ(Labels(component), labels);                  // the same objects, not rebuilt
	for (int i = 0; i < 6; ++i)
	{
		EXPECT_EQ(Shown(labels[kHorizontal[i]]), i >= 3);
		EXPECT_EQ(Shown(labels[kVertical[i]]), i >= 3);
	}
	EXPECT_TRUE(Shown(labels[kLegend]));
	Set(component, PLOTLABEL_SIDES, GeData(PLOTLABEL_SIDES_BOTH));
	for (int i = 0; i < 6; ++i)
		EXPECT_TRUE(Shown(labels[kHorizontal[i]]) && Shown(labels[kVertical[i]]));

	Set(component, PLOTLABEL_SHOWH, GeData(false));
	EXPECT_EQ(surfax::eval::StopAllThreadsCalls(), stops + 1);
	EXPECT_EQ(Labels(component), labels);
	for (int i = 0; i < 6; ++i)
	{
		EXPECT_FALSE(Shown(labels[kHorizontal[i]]));
		EXPECT_TRUE(Shown(labels[kVertical[i]]));
	}
	Set(component, PLOTLABEL_SIDES, GeData(PLOTLABEL_SIDES_FRONT));
	Set(component, PLOTLABEL_SHOWH, GeData(true));
	for (int i = 0; i < 6; ++i)
		EXPECT_EQ(Shown(labels[kHorizontal[i]]), i < 3);

	Set(component, PLOTLABEL_SHOWLEGEND, GeData(false));
	EXPECT_FALSE(Shown(labels[kLegend]));
	EXPECT_EQ(Labels(component), labels);
}

TEST_F(LabelComponent, LegendFacingAndOffsetMoveTheExistingLegend)
{
	BaseObject* component = AddLabel();
	BaseObject* legend = Labels(component)[kLegend];
	const Float headings[] = {maxon::PI * 0.5, maxon::PI * 1.5, maxon::PI, 0.0};
	for (Int32 facing = 0; facing < 4; ++facing)
	{
		Set(component, PLOTLABEL_LEGENDFACING, GeData(facing));
		EXPECT_EQ(Labels(component)[kLegend], legend);
		EXPECT_DOUBLE_EQ(legend->GetRelRot().x, headings[facing]) << facing;
	}
	Set(component, PLOTLABEL_LEGENDOFFSET, GeData(Vector(5.0, 1.0, -3.0)));
	EXPECT_EQ(legend->GetRelPos(), Vector(5.0, 28.0, -3.0));
}

TEST_F(LabelComponent, ResetRestoresDefaultsAndSwitchingOffHidesEverything)
{
	BaseObject* component = AddLabel();
	Set(component, PLOTLABEL_SIZE, GeData(3.0));
	Set(component, PLOTLABEL_SIDES, GeData(PLOTLABEL_SIDES_BOTH));
	component->GetDataInstanceRef().SetData(PLOTLABEL_FONT, GeData());
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_RESET));
	const BaseContainer& bc = component->GetDataInstanceRef();
	EXPECT_EQ(bc.GetFloat(PLOTLABEL_SIZE), 7.0);
	EXPECT_EQ(bc.GetInt32(PLOTLABEL_SIDES), PLOTLABEL_SIDES_FRONT);
	EXPECT_NE(bc.GetCustomDataType<FontData>(PLOTLABEL_FONT), nullptr);
	std::map<std::string, BaseObject*> labels = Labels(component);
	EXPECT_EQ(labels[kHorizontal[0]]->GetDown()->GetDataInstanceRef().GetFloat(PRIM_TEXT_HEIGHT), 7.0);

	surfax::user::ToggleEnabled(component);
	EXPECT_EQ(Labels(component), labels);
	for (const auto& entry : labels)
		EXPECT_FALSE(Shown(entry.second)) << entry.first;
	// Switched off, a rebuild changes nothing.
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_UPDATE));
	EXPECT_EQ(Labels(component), labels);
	surfax::user::ToggleEnabled(component);
	labels = Labels(component);
	EXPECT_EQ(labels.size(), 13u);
	EXPECT_TRUE(Shown(labels[kHorizontal[0]]));
	EXPECT_FALSE(Shown(labels[kHorizontal[3]]));
}

TEST_F(LabelComponent, WithoutAPlotAboveNothingIsBuilt)
{
	BaseObject* component = doc.Add(ID_PLOTLABEL);
	ASSERT_NE(component, nullptr);
	component->Message(MSG_MENUPREPARE, doc.Get());
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_UPDATE));
	doc.Evaluate();
	EXPECT_EQ(component->GetDown(), nullptr);
	ASSERT_NE(component->GetCache(), nullptr);
	EXPECT_EQ(component->GetCache()->GetType(), Onull);
}

TEST_F(LabelComponent, RebuildRecreatesDeletedLabelsAndLeavesRenamedOnesBeside)
{
	BaseObject* component = AddLabel();
	std::map<std::string, BaseObject*> labels = Labels(component);
	BaseObject* deleted = labels[kVertical[2]];
	deleted->Remove();
	BaseObject::Free(deleted);
	labels[kHorizontal[1]]->SetName("mine"_s);
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_UPDATE));
	std::map<std::string, BaseObject*> rebuilt = Labels(component);
	EXPECT_EQ(rebuilt.size(), 14u);
	EXPECT_EQ(rebuilt["mine"], labels[kHorizontal[1]]);
	EXPECT_NE(rebuilt[kHorizontal[1]], nullptr);
	EXPECT_EQ(TextOf(rebuilt[kVertical[2]]), "-1.0");
	EXPECT_EQ(component->GetDown(), rebuilt["mine"]); // the new labels follow the other children
}

TEST_F(LabelComponent, AComponentNamedLikeALabelIsNeverDeletedByItsOwnRebuild)
{
	BaseObject* component = AddLabel();
	component->SetName(maxon::String(kLegend));
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_UPDATE));
	EXPECT_EQ(plot->GetDown(), component);
	Set(component, PLOTLABEL_SHOWLEGEND, GeData(false));
	EXPECT_TRUE(component->GetDeformMode());
	std::map<std::string, BaseObject*> labels = Labels(component);
	EXPECT_EQ(labels.size(), 13u);
	EXPECT_FALSE(Shown(labels[kLegend]));
}

TEST_F(LabelComponent, EveryFailedAllocationOfARebuildSkipsOrEmptiesALabel)
{
	BaseObject* component = AddLabel();
	surfax::test::ForEachFailingAllocation(
	    26, [] {}, [&] { surfax::user::PressButton(component, PLOTLABEL_UPDATE); },
	    [&](std::int64_t)
	    {
		    int extrudes = 0, withoutText = 0;
		    for (BaseObject* child = component->GetDown(); child != nullptr; child = child->GetNext())
		    {
			    ASSERT_EQ(child->GetType(), Oextrude);
			    ++extrudes;
			    if (child->GetDown() == nullptr)
				    ++withoutText;
		    }
		    // One allocation failed: one label is missing, or one has no text, or (a failed copy of the font) one
		    // text keeps the text spline's own font; never more than one label is hurt.
		    EXPECT_LE((13 - extrudes) + withoutText, 1);
		    EXPECT_GE(extrudes, 12);
	    });
	ASSERT_TRUE(surfax::user::PressButton(component, PLOTLABEL_UPDATE));
	EXPECT_EQ(Labels(component).size(), 13u);
}

TEST_F(LabelComponent, DocumentWithLabelsSavesLoadsAndSavesAgainUnchanged)
{
	AddLabel();
	doc.Evaluate();
	const std::string saved = surfax::io::SaveDocumentJson(*doc.Get());
	EXPECT_NE(saved.find("\"_3dPlotLegend_\""), std::string::npos);
	EXPECT_NE(saved.find("\"font\""), std::string::npos);
	surfax::io::JsonError error;
	BaseDocument* loaded = surfax::io::LoadDocumentJson(saved, error);
	ASSERT_NE(loaded, nullptr) << error.Format();
	EXPECT_EQ(surfax::io::SaveDocumentJson(*loaded), saved);
	BaseDocument::Free(loaded);
}

class FontChoice : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }
	void TearDown() override { surfax::fonts::SetInstalledFontsForTesting({}, true); }

	static std::string ChosenFamily(BaseObject* component)
	{
		const FontData* font = component->GetDataInstanceRef().GetCustomDataType<FontData>(PLOTLABEL_FONT);
		if (font == nullptr)
			return "(none)";
		const BaseContainer description = font->GetFont();
		String name;
		return GeClipMap::GetFontName(&description, GE_FONT_NAME_DISPLAY, &name) ? name.GetUtf8() : "(unnamed)";
	}
};

TEST_F(FontChoice, PrefersTheProfilesFamilyElseTakesTheDefaultFont)
{
	surfax::fonts::FontFace regular;
	ASSERT_TRUE(surfax::fonts::DefaultFontFace(false, regular));
	surfax::fonts::FontFace arialBold{"Arial", "Bold", regular.file, regular.index};
	surfax::fonts::FontFace arial{"Arial", "Regular", regular.file, regular.index};
	surfax::fonts::FontFace other{"Other Sans", "Book", regular.file, regular.index};

	TestDocument doc;
	surfax::fonts::SetInstalledFontsForTesting({other, arialBold, arial});
	BaseObject* component = doc.Add(ID_PLOTLABEL);
	component->Message(MSG_MENUPREPARE, doc.Get());
	EXPECT_EQ(ChosenFamily(component), "Arial");
	EXPECT_EQ(component->GetDataInstanceRef()
	              .GetCustomDataType<FontData>(PLOTLABEL_FONT)
	              ->GetFont()
	              .GetString(surfax::fonts::kFontStyle),
	          String("Regular"));

	surfax::fonts::SetInstalledFontsForTesting({arialBold, other});
	component->Message(MSG_MENUPREPARE, doc.Get());
	EXPECT_EQ(ChosenFamily(component), "Other Sans"); // no plain "Arial": the default font

	surfax::fonts::SetInstalledFontsForTesting({});
	component->Message(MSG_MENUPREPARE, doc.Get());
	EXPECT_EQ(ChosenFamily(component), "Other Sans"); // no font at all: left as it was
}
} // namespace
