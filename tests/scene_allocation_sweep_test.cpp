// Allocation failure across a whole scene: a plot with all four components, evaluated as a render, with each host
// allocation of that evaluation failing in turn. Every run must end without a crash or a leak, leave results the
// plug-in may give on failure (no cache, an empty null or spline, fewer labels), and the next evaluation without
// failures must give exactly the scene that an evaluation without any failure gives.
#include "source/main.h"
#include "res/description/o3dplot.h"
#include "res/description/o3dplotmesh.h"
#include "host/core/memory.h"
#include "host/document/dump.h"
#include "host/user/actions.h"
#include "support/failing_allocations.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
// Small enough that the sweep stays quick, large enough that every builder has several samples per row.
constexpr Int32 kResolution = 3;

struct Scene
{
	std::unique_ptr<TestDocument> doc;
	BaseObject* plot = nullptr;
};

// A plot made from the menu with its four components added through its own button, as a person adds them.
Scene BuildScene(Int32 meshType)
{
	Scene scene;
	scene.doc = std::make_unique<TestDocument>();
	scene.plot = surfax::user::CreateObjectFromMenu(scene.doc->Get(), ID_PLOTOBJECT);
	EXPECT_NE(scene.plot, nullptr);
	if (scene.plot == nullptr)
		return scene;
	std::string error;
	EXPECT_TRUE(surfax::user::SetParameter(scene.plot, PLOT_RESOLUTION, GeData(kResolution), error)) << error;
	for (const Int32 kind :
	     {PLOT_ADDCOMPONENT_MESH, PLOT_ADDCOMPONENT_GRID, PLOT_ADDCOMPONENT_CAGE, PLOT_ADDCOMPONENT_LABEL})
	{
		EXPECT_TRUE(surfax::user::SetParameter(scene.plot, PLOT_ADDCOMPONENT, GeData(kind), error)) << error;
		EXPECT_TRUE(surfax::user::PressButton(scene.plot, PLOT_ADDCOMPONENT));
	}
	for (BaseObject* child = scene.plot->GetDown(); child != nullptr; child = child->GetNext())
	{
		if (child->GetType() != ID_PLOTMESH)
			continue;
		EXPECT_TRUE(surfax::user::SetParameter(child, PLOTMESH_TYPE, GeData(meshType), error)) << error;
	}
	return scene;
}

std::string Dump(const Scene& scene)
{
	std::string text, error;
	EXPECT_TRUE(surfax::io::DumpDocument(*scene.doc->Get(), surfax::io::DumpOptions{}, text, error)) << error;
	return text;
}

const BaseObject* Component(const Scene& scene, Int32 type)
{
	for (const BaseObject* child = scene.plot->GetDown(); child != nullptr; child = child->GetNext())
	{
		if (child->GetType() == type)
			return child;
	}
	return nullptr;
}

int CountChildren(const BaseObject* op)
{
	int count = 0;
	for (const BaseObject* child = op != nullptr ? op->GetDown() : nullptr; child != nullptr; child = child->GetNext())
		++count;
	return count;
}

class SceneAllocationSweep : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
		surfax::core::SetDebugReportsQuiet(true);
	}
	void TearDown() override
	{
		surfax::core::FailAllocationAfter(0);
		surfax::core::SetDebugReportsQuiet(false);
	}
	void Sweep(Int32 meshType);
};
} // namespace

TEST_F(SceneAllocationSweep, EveryFailedAllocationOfAFullEvaluationLeavesAnAllowedResultAndTheNextOneIsNormal)
{
	for (const Int32 meshType : {PLOTMESH_TYPE_SURFACE, PLOTMESH_TYPE_MARKERS, PLOTMESH_TYPE_PRIMITIVES})
	{
		SCOPED_TRACE("mesh type " + std::to_string(meshType));
		Sweep(meshType);
		if (HasFatalFailure())
			return;
	}
}

void SceneAllocationSweep::Sweep(Int32 meshType)
{
	// The normal result: two evaluations without failures (the label component builds during the first).
	Scene normal = BuildScene(meshType);
	ASSERT_NE(normal.plot, nullptr);
	normal.doc->Evaluate(true);
	normal.doc->Evaluate(true);
	const std::string expected = Dump(normal);
	const int normalLabels = CountChildren(Component(normal, ID_PLOTLABEL));
	for (const Int32 type : {ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE, ID_PLOTLABEL})
		ASSERT_NE(Component(normal, type), nullptr) << "component " << type << " was not added";
	ASSERT_NE(Component(normal, ID_PLOTMESH)->GetCache(), nullptr);

	Scene scene;
	std::int64_t swept = 0;
	const auto check = [&](std::int64_t failing)
	{
		swept = failing;
		// What a failure may leave: no cache or one of the normal cache's type; never more labels than normal.
		for (const Int32 type : {ID_PLOTMESH, ID_PLOTGRID, ID_PLOTCAGE})
		{
			const BaseObject* component = Component(scene, type);
			ASSERT_NE(component, nullptr) << "a component was lost";
			const BaseObject* cache = component->GetCache();
			const BaseObject* normalCache = Component(normal, type)->GetCache();
			const bool emptyNull = cache != nullptr && cache->GetType() == Onull && cache->GetDown() == nullptr;
			if (cache != nullptr && !emptyNull)
			{
				ASSERT_NE(normalCache, nullptr) << "component " << type << " built what it builds only on failure";
				EXPECT_EQ(cache->GetType(), normalCache->GetType()) << "component " << type;
			}
		}
		EXPECT_LE(CountChildren(Component(scene, ID_PLOTLABEL)), normalLabels);
		// Once memory is back, the next evaluation gives the normal scene.
		scene.doc->Evaluate(true);
		EXPECT_TRUE(Dump(scene) == expected) << "the scene after the failure differs from the normal one";
	};
	surfax::test::ForEachFailingAllocation(
	    9, [&] { scene = BuildScene(meshType); }, [&] { scene.doc->Evaluate(true); }, check);
	std::printf("[ swept    ] %lld allocation points of one full evaluation (mesh type %d)\n",
	            static_cast<long long>(swept), static_cast<int>(meshType));
}
