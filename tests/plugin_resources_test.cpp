// The plug-in's resource folder: description names that agree with what the plug-in registers, headers and
// layouts that declare the same parameters, and the limits that keep an evaluation sane.
#include "source/main.h"

#include "host/plugins/registry.h"
#include "host/resources/resource.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>
#include <set>
#include <string>

using namespace cinema;
using surfax::resources::DescriptionResource;

namespace
{
const std::string kResources = std::string(SURFAX_SOURCE_DIR) + "/res";
const char* const kNames[] = {"o3dplot", "o3dplotmesh", "o3dplotgrid", "o3dplotcage", "o3dplotlabel"};

DescriptionResource Load(const std::string& name)
{
	DescriptionResource resource;
	surfax::resources::SourceError error;
	EXPECT_TRUE(surfax::resources::LoadDescriptionResource(kResources, name, resource, error)) << error.Format();
	return resource;
}
} // namespace

TEST(PlotResources, DescriptionNamesAgreeWithTheRegisteredName)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	const Int32 ids[] = {ID_PLOTOBJECT, ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE, ID_PLOTLABEL};
	for (int k = 0; k < 5; ++k)
	{
		const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectType(ids[k]);
		ASSERT_NE(type, nullptr) << kNames[k];
		EXPECT_EQ(type->descriptionName, kNames[k]);
		const DescriptionResource resource = Load(type->descriptionName);
		EXPECT_EQ(resource.containerName, type->descriptionName);
		EXPECT_EQ(resource.nameSymbol, type->descriptionName);
		EXPECT_EQ(resource.stringTableName, type->descriptionName);
	}
}

TEST(PlotResources, LayoutsDeclareEverySymbolOfTheirHeaderWithALabel)
{
	for (const char* name : kNames)
	{
		const DescriptionResource resource = Load(name);
		std::set<std::string> declared;
		for (const surfax::resources::ParamDesc& param : resource.params)
		{
			if (!param.hasId)
				continue; // separators
			declared.insert(param.symbol);
			EXPECT_FALSE(param.text.empty()) << param.symbol << " has no label";
			for (const surfax::resources::CycleEntry& entry : param.cycle)
			{
				declared.insert(entry.symbol);
				EXPECT_FALSE(entry.text.empty()) << entry.symbol << " has no label";
			}
		}
		surfax::resources::SymbolList symbols;
		surfax::resources::SourceError error;
		ASSERT_TRUE(surfax::resources::ParseSymbolHeader(kResources + "/description/" + name + ".h", symbols, error));
		for (const auto& [symbol, id] : symbols)
			EXPECT_TRUE(declared.count(symbol)) << symbol << " (" << id << ") is not in " << name << ".res";
	}
}

TEST(PlotResources, LimitsKeepResolutionStepsAndSizesInRange)
{
	const DescriptionResource plot = Load("o3dplot");
	EXPECT_EQ(plot.FindParam("PLOT_RESOLUTION")->min, 1.0);
	EXPECT_EQ(plot.FindParam("PLOT_RESOLUTION")->max, 1000.0);
	EXPECT_EQ(Load("o3dplotgrid").FindParam("PLOTGRID_STEP")->min, 1.0);
	const std::vector<std::pair<std::string, std::string>> notNegative = {
	    {"o3dplot", "PLOT_SIZE"},         {"o3dplot", "PLOT_HEIGHT"},         {"o3dplot", "PLOT_POINTSIZE"},
	    {"o3dplotmesh", "PLOTMESH_SIZE"}, {"o3dplotlabel", "PLOTLABEL_SIZE"}, {"o3dplotlabel", "PLOTLABEL_DEPTH"}};
	for (const auto& [name, symbol] : notNegative)
		EXPECT_EQ(Load(name).FindParam(symbol)->min, 0.0) << symbol;
	EXPECT_EQ(Load("o3dplotlabel").FindParam("PLOTLABEL_FONT")->type, surfax::resources::ParamType::Font);
	EXPECT_EQ(plot.FindParam("PLOT_GRADIENT")->type, surfax::resources::ParamType::Gradient);
}
