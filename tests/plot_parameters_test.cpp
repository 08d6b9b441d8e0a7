// Parameters and lifecycle of the plot object and its four components, on objects the host makes through the
// loaded plug-in: defaults as Init writes them, the default gradient, parameter enabling, copies, and the output
// of a generator that has no samples.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotcage.h"
#include "res/description/o3dplotgrid.h"
#include "res/description/o3dplotlabel.h"
#include "res/description/o3dplotmesh.h"

#include "customgui_gradient.h"
#include "host/core/memory.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
struct Default
{
	Int32 id;
	GeData value;
};

class PlotParameters : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	TestDocument doc;
};

/// Checks each value with its type (a Float written as an Int32 is a fault: documents keep the type), and that the
/// object's own parameters were written in the listed order.
void ExpectDefaults(const BaseObject* op, const std::vector<Default>& defaults)
{
	const BaseContainer& bc = op->GetDataInstanceRef();
	for (const Default& expected : defaults)
	{
		const GeData& value = bc.GetData(expected.id);
		EXPECT_EQ(value.GetType(), expected.value.GetType()) << "parameter " << expected.id;
		EXPECT_TRUE(value == expected.value) << "parameter " << expected.id;
	}
	std::vector<Int32> written;
	for (Int32 index = 0; index < bc.GetEntryCount(); ++index)
	{
		for (const Default& expected : defaults)
		{
			if (bc.GetIndexId(index) == expected.id)
				written.push_back(expected.id);
		}
	}
	std::vector<Int32> order;
	for (const Default& expected : defaults)
		order.push_back(expected.id);
	EXPECT_EQ(written, order);
}

Bool IsEnabled(const BaseObject* op, Int32 id)
{
	return op->GetEnabling(ConstDescID(DescLevel(id)), GeData(), DESCFLAGS_ENABLE::NONE, nullptr);
}

ObjectData* DataOf(BaseObject* op)
{
	return op->GetNodeData<ObjectData>();
}
} // namespace

TEST_F(PlotParameters, PlotObjectStartsWithTheDocumentedDefaults)
{
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	ExpectDefaults(plot, {{PLOT_PRESET, GeData(0)},
	                      {PLOT_RESOLUTION, GeData(50)},
	                      {PLOT_SIZE, GeData(200.0)},
	                      {PLOT_HEIGHT, GeData(50.0)},
	                      {PLOT_YMODE, GeData(1)},
	                      {PLOT_FORMULA, GeData("Sin(x) * Cos(z)")},
	                      {PLOT_ANIMATE, GeData(true)},
	                      {PLOT_SCALEPOS, GeData(1.0)},
	                      {PLOT_SCALENEG, GeData(1.0)},
	                      {PLOT_SEPARATEZ, GeData(false)},
	                      {PLOT_XMIN, GeData(-180.0)},
	                      {PLOT_XMAX, GeData(180.0)},
	                      {PLOT_ZMIN, GeData(-180.0)},
	                      {PLOT_ZMAX, GeData(180.0)},
	                      {PLOT_COLORMODE, GeData(0)},
	                      {PLOT_COLOR, GeData(Vector(1.0))},
	                      {PLOT_DISPLAY, GeData(0)},
	                      {PLOT_POINTSIZE, GeData(1.0)},
	                      {PLOT_GRADIENTABS, GeData(false)}});
}

TEST_F(PlotParameters, DefaultGradientRunsFromBlueOverGreenToRed)
{
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	const Gradient* gradient = plot->GetDataInstanceRef().GetCustomDataType<Gradient>(PLOT_GRADIENT);
	ASSERT_NE(gradient, nullptr);
	EXPECT_EQ(gradient->GetData(GRADIENT_MODE).GetInt32(), GRADIENTMODE_COLOR);
	ASSERT_EQ(gradient->GetKnotCount(), 3);
	const maxon::Color colors[] = {maxon::Color(0.0, 0.0, 1.0), maxon::Color(0.0, 1.0, 0.0),
	                               maxon::Color(1.0, 0.0, 0.0)};
	const Float positions[] = {0.0, 0.5, 1.0};
	for (Int32 k = 0; k < 3; ++k)
	{
		const maxon::GradientKnot knot = gradient->GetKnot(k);
		EXPECT_TRUE(knot.col == colors[k]) << "knot " << k;
		EXPECT_EQ(knot.pos, positions[k]);
		EXPECT_EQ(knot.brightness, 1.0);
		EXPECT_EQ(knot.bias, 0.5);
		EXPECT_EQ(knot.interpolation, maxon::GRADIENT_INTERPOLATION_TYPE::SMOOTHKNOT);
	}
}

TEST_F(PlotParameters, ComponentsStartWithTheirDocumentedDefaults)
{
	const Vector grey(0.8, 0.8, 0.8);
	BaseObject* mesh = doc.Add(ID_PLOTMESH);
	BaseObject* grid = doc.Add(ID_PLOTGRID);
	BaseObject* cage = doc.Add(ID_PLOTCAGE);
	BaseObject* label = doc.Add(ID_PLOTLABEL);
	ASSERT_NE(label, nullptr);
	ExpectDefaults(mesh, {{PLOTMESH_VERTEXCOLORS, GeData(false)},
	                      {PLOTMESH_PHONG, GeData(true)},
	                      {PLOTMESH_TYPE, GeData(0)},
	                      {PLOTMESH_SIZE, GeData(1.0)},
	                      {PLOTMESH_MARKER, GeData(0)},
	                      {PLOTMESH_PRIMITIVE, GeData(0)},
	                      {PLOTMESH_RENDERONLY, GeData(false)}});
	ExpectDefaults(grid, {{PLOTGRID_STEP, GeData(1)}, {PLOTGRID_COLOR, GeData(grey)}});
	ExpectDefaults(cage,
	               {{PLOTCAGE_LEVELS, GeData(0)}, {PLOTCAGE_DIVISIONS, GeData(0)}, {PLOTCAGE_COLOR, GeData(grey)}});
	ExpectDefaults(label, {{PLOTLABEL_SIZE, GeData(7.0)},
	                       {PLOTLABEL_COLOR, GeData(Vector(1.0))},
	                       {PLOTLABEL_DECIMALS, GeData(1)},
	                       {PLOTLABEL_SHOWH, GeData(true)},
	                       {PLOTLABEL_SHOWV, GeData(true)},
	                       {PLOTLABEL_FLIP, GeData(false)},
	                       {PLOTLABEL_SHOWLEGEND, GeData(true)},
	                       {PLOTLABEL_LEGENDOFFSET, GeData(Vector())},
	                       {PLOTLABEL_LEGENDFACING, GeData(3)},
	                       {PLOTLABEL_SIDES, GeData(1)},
	                       {PLOTLABEL_DEPTH, GeData(0.1)}});
	// The font is chosen from the installed fonts when the label is created from the menu, not by Init.
	EXPECT_EQ(label->GetDataInstanceRef().GetDataPointer(PLOTLABEL_FONT), nullptr);
}

TEST_F(PlotParameters, InitWithoutMemoryForTheGradientStillWritesEveryOtherDefault)
{
	bool sawObjectWithoutGradient = false;
	for (Int64 failing = 1; failing <= 8; ++failing)
	{
		surfax::core::FailAllocationAfter(failing);
		BaseObject* plot = BaseObject::Alloc(ID_PLOTOBJECT);
		surfax::core::FailAllocationAfter(0);
		if (plot == nullptr)
			continue; // the object itself found no memory
		const BaseContainer& bc = plot->GetDataInstanceRef();
		EXPECT_EQ(bc.GetString(PLOT_FORMULA).GetUtf8(), "Sin(x) * Cos(z)");
		EXPECT_EQ(bc.GetInt32(PLOT_RESOLUTION), 50);
		EXPECT_EQ(bc.GetBool(PLOT_GRADIENTABS, true), false);
		if (bc.GetCustomDataType<Gradient>(PLOT_GRADIENT) == nullptr)
			sawObjectWithoutGradient = true;
		BaseObject::Free(plot);
	}
	EXPECT_TRUE(sawObjectWithoutGradient);
}

TEST_F(PlotParameters, PlotEnablesOnlyTheSettingsThatApply)
{
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	BaseContainer& bc = plot->GetDataInstanceRef();
	for (const Int32 mode : {PLOT_COLORMODE_GRADIENT, PLOT_COLORMODE_COLOR})
	{
		bc.SetInt32(PLOT_COLORMODE, mode);
		EXPECT_EQ(IsEnabled(plot, PLOT_GRADIENT), mode == PLOT_COLORMODE_GRADIENT);
		EXPECT_EQ(IsEnabled(plot, PLOT_GRADIENTABS), mode == PLOT_COLORMODE_GRADIENT);
		EXPECT_EQ(IsEnabled(plot, PLOT_COLOR), mode == PLOT_COLORMODE_COLOR);
	}
	for (const Bool separate : {false, true})
	{
		bc.SetBool(PLOT_SEPARATEZ, separate);
		EXPECT_EQ(IsEnabled(plot, PLOT_ZMIN), separate);
		EXPECT_EQ(IsEnabled(plot, PLOT_ZMAX), separate);
	}
	EXPECT_TRUE(IsEnabled(plot, PLOT_FORMULA));
	EXPECT_TRUE(IsEnabled(plot, PLOT_XMIN));
}

TEST_F(PlotParameters, MeshEnablesTheSettingsOfItsType)
{
	BaseObject* mesh = doc.Add(ID_PLOTMESH);
	ASSERT_NE(mesh, nullptr);
	struct Row
	{
		Int32 type;
		bool surface, size, marker, primitive;
	};
	for (const Row& row :
	     {Row{PLOTMESH_TYPE_SURFACE, true, false, false, false}, Row{PLOTMESH_TYPE_MARKERS, false, true, true, false},
	      Row{PLOTMESH_TYPE_PRIMITIVES, false, true, false, true}})
	{
		mesh->GetDataInstanceRef().SetInt32(PLOTMESH_TYPE, row.type);
		EXPECT_EQ(IsEnabled(mesh, PLOTMESH_VERTEXCOLORS), row.surface) << "type " << row.type;
		EXPECT_EQ(IsEnabled(mesh, PLOTMESH_PHONG), row.surface) << "type " << row.type;
		EXPECT_EQ(IsEnabled(mesh, PLOTMESH_SIZE), row.size) << "type " << row.type;
		EXPECT_EQ(IsEnabled(mesh, PLOTMESH_MARKER), row.marker) << "type " << row.type;
		EXPECT_EQ(IsEnabled(mesh, PLOTMESH_PRIMITIVE), row.primitive) << "type " << row.type;
		EXPECT_TRUE(IsEnabled(mesh, PLOTMESH_RENDERONLY));
	}
}

TEST_F(PlotParameters, LabelEnablesSettingsOfTheShownParts)
{
	BaseObject* label = doc.Add(ID_PLOTLABEL);
	ASSERT_NE(label, nullptr);
	BaseContainer& bc = label->GetDataInstanceRef();
	for (const bool horizontal : {false, true})
	{
		for (const bool vertical : {false, true})
		{
			bc.SetBool(PLOTLABEL_SHOWH, horizontal);
			bc.SetBool(PLOTLABEL_SHOWV, vertical);
			EXPECT_EQ(IsEnabled(label, PLOTLABEL_DECIMALS), horizontal || vertical);
			EXPECT_EQ(IsEnabled(label, PLOTLABEL_FLIP), horizontal || vertical);
			EXPECT_EQ(IsEnabled(label, PLOTLABEL_SIDES), horizontal);
		}
	}
	bc.SetBool(PLOTLABEL_SHOWLEGEND, false);
	EXPECT_FALSE(IsEnabled(label, PLOTLABEL_LEGENDOFFSET));
	EXPECT_FALSE(IsEnabled(label, PLOTLABEL_LEGENDFACING));
	bc.SetBool(PLOTLABEL_SHOWLEGEND, true);
	EXPECT_TRUE(IsEnabled(label, PLOTLABEL_LEGENDOFFSET));
	EXPECT_TRUE(IsEnabled(label, PLOTLABEL_LEGENDFACING));
	EXPECT_TRUE(IsEnabled(label, PLOTLABEL_SIZE));
}

TEST_F(PlotParameters, SwitchedOffComponentsDisableEveryParameter)
{
	const std::vector<std::pair<Int32, Int32>> probes = {{ID_PLOTMESH, PLOTMESH_RENDERONLY},
	                                                     {ID_PLOTGRID, PLOTGRID_STEP},
	                                                     {ID_PLOTCAGE, PLOTCAGE_COLOR},
	                                                     {ID_PLOTLABEL, PLOTLABEL_SIZE}};
	for (const auto& [type, parameter] : probes)
	{
		BaseObject* component = doc.Add(type);
		ASSERT_NE(component, nullptr);
		EXPECT_TRUE(IsEnabled(component, parameter)) << "type " << type;
		component->SetDeformMode(false);
		EXPECT_FALSE(IsEnabled(component, parameter)) << "type " << type;
	}
	// The plot object itself keeps its parameters editable while switched off.
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	plot->SetDeformMode(false);
	EXPECT_TRUE(IsEnabled(plot, PLOT_FORMULA));
}

TEST_F(PlotParameters, GeneratorsWithoutSamplesReturnEmptyOutput)
{
	// Fresh objects: nothing has executed, so the plot has no samples and the components nothing to read.
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	BaseObject* mesh = doc.Add(ID_PLOTMESH, plot);
	BaseObject* label = doc.Add(ID_PLOTLABEL, plot);
	BaseObject* grid = doc.Add(ID_PLOTGRID, plot);
	BaseObject* cage = doc.Add(ID_PLOTCAGE, plot);
	ASSERT_NE(cage, nullptr);
	EXPECT_EQ(plot->GetNodeData<PlotObject>()->GetSamples().GetCount(), 0);

	for (BaseObject* generator : {plot, mesh, label})
	{
		BaseObject* first = DataOf(generator)->GetVirtualObjects(generator, nullptr);
		BaseObject* second = DataOf(generator)->GetVirtualObjects(generator, nullptr);
		ASSERT_NE(first, nullptr);
		ASSERT_NE(second, nullptr);
		EXPECT_NE(first, second); // a new null at every call
		EXPECT_EQ(first->GetType(), Onull);
		EXPECT_EQ(first->GetDown(), nullptr);
		BaseObject::Free(first);
		BaseObject::Free(second);
	}
	// The grid draws through the samples; the cage needs only the plot's size and height, so it has its box.
	for (BaseObject* spline : {grid, cage})
	{
		SplineObject* contour = DataOf(spline)->GetContour(spline, doc.Get(), 1.0, nullptr);
		ASSERT_NE(contour, nullptr);
		EXPECT_EQ(contour->GetPointCount(), spline == cage ? 16 : 0);
		BaseObject* object = contour;
		BaseObject::Free(object);
	}
}

TEST_F(PlotParameters, CopyShowsTheSourceSamplesUntilItsFirstExecution)
{
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	BaseContainer& bc = plot->GetDataInstanceRef();
	// y = t * a; with animation off the source keeps its frame-0 samples when the time moves.
	bc.SetString(PLOT_FORMULA, "t"_s);
	bc.SetBool(PLOT_ANIMATE, false);
	bc.SetInt32(PLOT_YMODE, PLOT_YMODE_NONE);
	bc.SetInt32(PLOT_RESOLUTION, 4);
	doc.Evaluate();
	doc.SetFrame(doc->GetFps()); // t = 1 s
	doc.Evaluate();
	const PlotObject* source = plot->GetNodeData<PlotObject>();
	ASSERT_EQ(source->GetSamples().GetCount(), 25);
	EXPECT_EQ(source->GetSamples()[12].position.y, 0.0);

	BaseObject* copy = static_cast<BaseObject*>(plot->GetClone(COPYFLAGS::NONE, nullptr));
	ASSERT_NE(copy, nullptr);
	EXPECT_TRUE(copy->GetDataInstanceRef() == bc);
	const PlotObject* copied = copy->GetNodeData<PlotObject>();
	ASSERT_EQ(copied->GetSamples().GetCount(), 25);
	for (Int k = 0; k < 25; ++k)
		EXPECT_EQ(copied->GetSamples()[k].position, source->GetSamples()[k].position);
	EXPECT_EQ(copied->GetResolution(), 4);

	// Its first execution evaluates anew, at the current time.
	copy->InsertUnderLast(doc.Get());
	doc.Evaluate();
	ASSERT_EQ(copied->GetSamples().GetCount(), 25);
	for (Int k = 0; k < 25; ++k)
		EXPECT_DOUBLE_EQ(copied->GetSamples()[k].position.y, 25.0);
	EXPECT_EQ(source->GetSamples()[12].position.y, 0.0);
}

TEST_F(PlotParameters, CopyWhoseCacheCannotGrowStartsEmptyAndReports)
{
	BaseObject* plot = doc.Add(ID_PLOTOBJECT);
	ASSERT_NE(plot, nullptr);
	doc.Evaluate();
	ASSERT_EQ(plot->GetNodeData<PlotObject>()->GetSamples().GetCount(), 2601);

	bool sawEmptyCopy = false;
	for (Int64 failing = 1; failing <= 12 && !sawEmptyCopy; ++failing)
	{
		const Int64 reportsBefore = surfax::core::DebugReportCount();
		surfax::core::FailAllocationAfter(failing);
		BaseObject* copy = static_cast<BaseObject*>(plot->GetClone(COPYFLAGS::NONE, nullptr));
		surfax::core::FailAllocationAfter(0);
		if (copy == nullptr)
			continue;
		const Int count = copy->GetNodeData<PlotObject>()->GetSamples().GetCount();
		const bool reported = surfax::core::DebugReportCount() > reportsBefore;
		// Either the whole cache was copied, or none of it, with a debug report; the copy itself exists.
		EXPECT_TRUE((count == 2601 && !reported) || (count == 0 && reported)) << "failing allocation " << failing;
		if (count == 0 && reported)
		{
			sawEmptyCopy = true;
			EXPECT_EQ(copy->GetDataInstanceRef().GetString(PLOT_FORMULA).GetUtf8(), "Sin(x) * Cos(z)");
		}
		BaseObject::Free(copy);
	}
	EXPECT_TRUE(sawEmptyCopy);
}
