// The plug-in's resource folder: description names that agree with what the plug-in registers, every parameter
// with the id and type that documents depend on, the limits that keep evaluations sane, and the global strings.
#include "source/main.h"

#include "host/plugins/registry.h"
#include "host/plugins/resource.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace cinema;
using surfax::plugins::DescriptionResource;
using surfax::plugins::ParamDesc;
using surfax::plugins::ParamType;

namespace
{
const std::string kResources = std::string(SURFAX_SOURCE_DIR) + "/res";

struct Parameter
{
	const char* symbol;
	Int32 id;
	ParamType type;
	std::optional<double> min = std::nullopt;
	std::optional<double> max = std::nullopt;
};

struct ExpectedDescription
{
	Int32 typeId;
	const char* name;
	std::vector<Parameter> parameters;
};

const std::vector<ExpectedDescription> kDescriptions = {
    {ID_PLOTOBJECT,
     "o3dplot",
     {{"PLOT_RESOLUTION", 10000, ParamType::Long, 1.0, 1000.0},
      {"PLOT_XMIN", 10002, ParamType::Real},
      {"PLOT_XMAX", 10003, ParamType::Real},
      {"PLOT_SIZE", 10004, ParamType::Real, 0.0},
      {"PLOT_HEIGHT", 10005, ParamType::Real, 0.0},
      {"PLOT_COLORMODE", 10007, ParamType::Long},
      {"PLOT_GRADIENT", 10008, ParamType::Gradient},
      {"PLOT_COLOR", 10009, ParamType::Color},
      {"PLOT_SCALEPOS", 10010, ParamType::Real},
      {"PLOT_SCALENEG", 10011, ParamType::Real},
      {"PLOT_DISPLAY", 10012, ParamType::Long},
      {"PLOT_FORMULA", 10013, ParamType::String},
      {"PLOT_ZMIN", 10014, ParamType::Real},
      {"PLOT_ZMAX", 10015, ParamType::Real},
      {"PLOT_SEPARATEZ", 10016, ParamType::Bool},
      {"PLOT_YMODE", 10017, ParamType::Long},
      {"PLOT_ANIMATE", 10018, ParamType::Bool},
      {"PLOT_RESET", 10020, ParamType::Button},
      {"PLOT_PRESET", 10025, ParamType::Long},
      {"PLOT_GRADIENTABS", 10028, ParamType::Bool},
      {"PLOT_ADDCOMPONENT", 10029, ParamType::Long},
      {"PLOT_POINTSIZE", 10030, ParamType::Real, 0.0},
      {"PLOT_HELP", 10032, ParamType::Button}}},
    {ID_PLOTMESH,
     "o3dplotmesh",
     {{"PLOTMESH_VERTEXCOLORS", 20000, ParamType::Bool},
      {"PLOTMESH_PHONG", 20001, ParamType::Bool},
      {"PLOTMESH_TYPE", 20002, ParamType::Long},
      {"PLOTMESH_SIZE", 20005, ParamType::Real, 0.0},
      {"PLOTMESH_RENDERONLY", 20006, ParamType::Bool},
      {"PLOTMESH_MARKER", 20007, ParamType::Long},
      {"PLOTMESH_PRIMITIVE", 20008, ParamType::Long}}},
    {ID_PLOTGRID,
     "o3dplotgrid",
     {{"PLOTGRID_STEP", 30000, ParamType::Long, 1.0}, {"PLOTGRID_COLOR", 30001, ParamType::Color}}},
    {ID_PLOTCAGE,
     "o3dplotcage",
     {{"PLOTCAGE_LEVELS", 40000, ParamType::Long},
      {"PLOTCAGE_DIVISIONS", 40001, ParamType::Long},
      {"PLOTCAGE_COLOR", 40002, ParamType::Color}}},
    {ID_PLOTLABEL,
     "o3dplotlabel",
     {{"PLOTLABEL_SIZE", 50000, ParamType::Real, 0.0},
      {"PLOTLABEL_COLOR", 50001, ParamType::Color},
      {"PLOTLABEL_DECIMALS", 50002, ParamType::Long},
      {"PLOTLABEL_SHOWH", 50003, ParamType::Bool},
      {"PLOTLABEL_SHOWV", 50004, ParamType::Bool},
      {"PLOTLABEL_FLIP", 50005, ParamType::Bool},
      {"PLOTLABEL_SHOWLEGEND", 50007, ParamType::Bool},
      {"PLOTLABEL_LEGENDOFFSET", 50008, ParamType::Vector},
      {"PLOTLABEL_LEGENDFACING", 50009, ParamType::Long},
      {"PLOTLABEL_RESET", 50011, ParamType::Button},
      {"PLOTLABEL_UPDATE", 50012, ParamType::Button},
      {"PLOTLABEL_SIDES", 50013, ParamType::Long},
      {"PLOTLABEL_FONT", 50014, ParamType::Font},
      {"PLOTLABEL_DEPTH", 50015, ParamType::Real, 0.0}}},
};

DescriptionResource Load(const char* name)
{
	DescriptionResource resource;
	surfax::plugins::SourceError error;
	EXPECT_TRUE(surfax::plugins::LoadDescriptionResource(kResources, name, resource, error)) << error.Format();
	return resource;
}

std::vector<Int32> CycleValues(const ParamDesc& param)
{
	std::vector<Int32> values;
	for (const surfax::plugins::CycleEntry& entry : param.cycle)
		values.push_back(entry.value);
	return values;
}
} // namespace

TEST(PlotResources, DescriptionNamesAgreeWithTheRegisteredName)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	for (const ExpectedDescription& expected : kDescriptions)
	{
		const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectType(expected.typeId);
		ASSERT_NE(type, nullptr) << expected.name;
		const std::string& registered = type->descriptionName;
		EXPECT_EQ(registered, expected.name);
		const DescriptionResource resource = Load(registered.c_str());
		EXPECT_EQ(resource.containerName, registered);
		EXPECT_EQ(resource.nameSymbol, registered);
		EXPECT_EQ(resource.stringTableName, registered);
		EXPECT_FALSE(resource.displayName.empty()) << registered;
		EXPECT_EQ(resource.includes, std::vector<std::string>{"Obase"}) << registered;
	}
}

TEST(PlotResources, EveryParameterHasItsStoredIdTypeAndLimits)
{
	for (const ExpectedDescription& expected : kDescriptions)
	{
		const DescriptionResource resource = Load(expected.name);
		for (const Parameter& parameter : expected.parameters)
		{
			const ParamDesc* param = resource.FindParam(parameter.symbol);
			ASSERT_NE(param, nullptr) << parameter.symbol;
			EXPECT_EQ(param->id, parameter.id) << parameter.symbol;
			EXPECT_EQ(param->type, parameter.type) << parameter.symbol;
			// Only the limits the evaluation relies on are fixed; the others are layout choices.
			if (parameter.min)
			{
				EXPECT_EQ(param->min, parameter.min) << parameter.symbol;
			}
			if (parameter.max)
			{
				EXPECT_EQ(param->max, parameter.max) << parameter.symbol;
			}
			EXPECT_FALSE(param->text.empty()) << parameter.symbol << " has no label";
		}
	}
}

TEST(PlotResources, CyclesOfferEveryDocumentedValue)
{
	const DescriptionResource plot = Load("o3dplot");
	const DescriptionResource mesh = Load("o3dplotmesh");
	const DescriptionResource label = Load("o3dplotlabel");
	const std::map<std::string, std::pair<const DescriptionResource*, std::vector<Int32>>> cycles = {
	    {"PLOT_COLORMODE", {&plot, {0, 1}}},
	    {"PLOT_DISPLAY", {&plot, {0, 1, 2}}},
	    {"PLOT_YMODE", {&plot, {0, 1, 2}}},
	    {"PLOT_PRESET", {&plot, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
	    {"PLOT_ADDCOMPONENT", {&plot, {0, 1, 2, 3}}},
	    {"PLOTMESH_TYPE", {&mesh, {0, 1, 2}}},
	    {"PLOTMESH_MARKER", {&mesh, {0, 1, 2}}},
	    {"PLOTMESH_PRIMITIVE", {&mesh, {0, 1, 2, 3}}},
	    {"PLOTLABEL_LEGENDFACING", {&label, {0, 1, 2, 3}}},
	    {"PLOTLABEL_SIDES", {&label, {0, 1, 2}}}};
	for (const auto& [symbol, expected] : cycles)
	{
		const ParamDesc* param = expected.first->FindParam(symbol);
		ASSERT_NE(param, nullptr) << symbol;
		EXPECT_EQ(CycleValues(*param), expected.second) << symbol;
		for (const surfax::plugins::CycleEntry& entry : param->cycle)
			EXPECT_FALSE(entry.text.empty()) << entry.symbol;
	}
	// The preset entries show the formula they put in.
	EXPECT_EQ(plot.FindParam("PLOT_PRESET")->cycle[10].text, "Sin(Sqrt((x * x) + (z * z)))");
}

TEST(PlotResources, GlobalStringsNameTheFiveTypes)
{
	std::map<std::int32_t, std::string> strings;
	surfax::plugins::SourceError error;
	ASSERT_TRUE(surfax::plugins::LoadGlobalStrings(kResources, strings, error)) << error.Format();
	for (std::int32_t id = 15000; id <= 15004; ++id)
		EXPECT_FALSE(strings[id].empty()) << id;
}
