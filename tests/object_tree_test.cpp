// The object-tree utilities the plot object and its components use to find each other, on real documents of the
// host with the plug-in's object types.
#include "source/main.h"

#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
/// A document with two plot objects nested in one another, components at several depths and a plot without
/// components followed by a label at the top level:
///
///   group (null)
///     outer (plot)
///       holder (null)
///         outerLabel (label)
///       inner (plot)
///         innerLabel (label)
///         innerMesh (mesh)
///       outerMesh (mesh)
///   bare (plot)
///   looseLabel (label)
class TreeUtilities : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		group = doc.Add(Onull);
		outer = doc.Add(ID_PLOTOBJECT, group);
		holder = doc.Add(Onull, outer);
		outerLabel = doc.Add(ID_PLOTLABEL, holder);
		inner = doc.Add(ID_PLOTOBJECT, outer);
		innerLabel = doc.Add(ID_PLOTLABEL, inner);
		innerMesh = doc.Add(ID_PLOTMESH, inner);
		outerMesh = doc.Add(ID_PLOTMESH, outer);
		bare = doc.Add(ID_PLOTOBJECT);
		looseLabel = doc.Add(ID_PLOTLABEL);
		ASSERT_NE(looseLabel, nullptr);
	}

	TestDocument doc;
	BaseObject* group = nullptr;
	BaseObject* outer = nullptr;
	BaseObject* holder = nullptr;
	BaseObject* outerLabel = nullptr;
	BaseObject* inner = nullptr;
	BaseObject* innerLabel = nullptr;
	BaseObject* innerMesh = nullptr;
	BaseObject* outerMesh = nullptr;
	BaseObject* bare = nullptr;
	BaseObject* looseLabel = nullptr;
};
} // namespace

TEST_F(TreeUtilities, NextObjectWalksTheWholeDocumentInOrder)
{
	std::vector<BaseObject*> visited;
	for (BaseObject* op = group; op != nullptr; op = GetNextObject(op))
		visited.push_back(op);
	const std::vector<BaseObject*> expected = {group,      outer,     holder,    outerLabel, inner,
	                                           innerLabel, innerMesh, outerMesh, bare,       looseLabel};
	EXPECT_EQ(visited, expected);
	EXPECT_EQ(GetNextObject(nullptr), nullptr);
}

TEST_F(TreeUtilities, PlotObjectIsTheNearestPlotAbove)
{
	EXPECT_EQ(FindPlotObject(outerLabel), outer); // under a null under the plot
	EXPECT_EQ(FindPlotObject(innerLabel), inner); // the nearest plot wins
	EXPECT_EQ(FindPlotObject(inner), outer);      // a nested plot belongs to the outer one
	EXPECT_EQ(FindPlotObject(outer), nullptr);    // never the object itself
	EXPECT_EQ(FindPlotObject(looseLabel), nullptr);
	EXPECT_EQ(FindPlotObject(nullptr), nullptr);
}

TEST_F(TreeUtilities, ComponentIsOneOfThePlotsOwn)
{
	EXPECT_EQ(FindComponent(outer, ID_PLOTLABEL), outerLabel);
	// innerMesh comes first in document order but belongs to the inner plot.
	EXPECT_EQ(FindComponent(outer, ID_PLOTMESH), outerMesh);
	EXPECT_EQ(FindComponent(inner, ID_PLOTMESH), innerMesh);
	EXPECT_EQ(FindComponent(inner, ID_PLOTLABEL), innerLabel);
	EXPECT_EQ(FindComponent(outer, ID_PLOTOBJECT), inner);
	// A label that follows a plot in the document is not that plot's component.
	EXPECT_EQ(FindComponent(bare, ID_PLOTLABEL), nullptr);
	EXPECT_EQ(FindComponent(inner, ID_PLOTGRID), nullptr);
	EXPECT_EQ(FindComponent(nullptr, ID_PLOTLABEL), nullptr);
}

TEST_F(TreeUtilities, ComponentOfAPlotWithoutChildrenIsNone)
{
	// The walk must not run on into the objects after the plot.
	EXPECT_EQ(FindComponent(looseLabel, ID_PLOTLABEL), nullptr);
	EXPECT_EQ(FindComponent(bare, ID_PLOTOBJECT), nullptr);
}

TEST_F(TreeUtilities, ObjectByNameSearchesTheStartAndItsDescendantsOnly)
{
	holder->SetName("_3dPlotLegend_"_s);
	EXPECT_EQ(FindObjectByName(holder, "_3dPlotLegend_"_s), holder); // the start itself
	EXPECT_EQ(FindObjectByName(outer, "_3dPlotLegend_"_s), holder);

	innerMesh->SetName("twin"_s);
	outerMesh->SetName("twin"_s);
	EXPECT_EQ(FindObjectByName(group, "twin"_s), innerMesh); // the first in document order
	EXPECT_EQ(FindObjectByName(inner, "twin"_s), innerMesh);

	// Same-named objects after the start's subtree belong to someone else.
	looseLabel->SetName("mine"_s);
	EXPECT_EQ(FindObjectByName(bare, "mine"_s), nullptr);
	EXPECT_EQ(FindObjectByName(innerLabel, "twin"_s), nullptr);

	// Names compare exactly.
	EXPECT_EQ(FindObjectByName(group, "Twin"_s), nullptr);
	EXPECT_EQ(FindObjectByName(group, "twin "_s), nullptr);
	EXPECT_EQ(FindObjectByName(nullptr, "twin"_s), nullptr);
}
