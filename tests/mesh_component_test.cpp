// The mesh component on a plot object, through the loaded plug-in and the host's scene evaluation: the surface
// (points, quadrangles, UVs, Phong, vertex colours mirrored onto the component), primitives, empty results, cache
// reuse, render-only mode and allocation failures during a rebuild.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotmesh.h"

#include "host/core/memory.h"
#include "host/user/actions.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
class MeshComponent : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	/// A plot of resolution n with a mesh component below it, evaluated once.
	void Build(Int32 n, const std::vector<std::pair<Int32, GeData>>& meshSettings = {})
	{
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
		mesh = doc.Add(ID_PLOTMESH, plot);
		ASSERT_NE(mesh, nullptr);
		for (const auto& [id, value] : meshSettings)
			mesh->GetDataInstanceRef().SetData(id, value);
		doc.Evaluate();
	}

	void Set(BaseObject* op, Int32 id, const GeData& value)
	{
		std::string error;
		ASSERT_TRUE(surfax::user::SetParameter(op, id, value, error)) << error;
	}

	const maxon::BaseArray<PlotSample>& Samples() const { return plot->GetNodeData<PlotObject>()->GetSamples(); }

	/// The component's cache as a polygon object, or null (with a failure) when it is something else.
	const PolygonObject* Surface() const
	{
		const BaseObject* cache = mesh->GetCache();
		EXPECT_NE(cache, nullptr);
		if (cache == nullptr || cache->GetType() != Opolygon)
		{
			ADD_FAILURE() << "the cache is not a polygon object";
			return nullptr;
		}
		return static_cast<const PolygonObject*>(cache);
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
	BaseObject* mesh = nullptr;
};

bool IsEmptyNull(const BaseObject* op)
{
	return op != nullptr && op->GetType() == Onull && op->GetDown() == nullptr;
}

/// The sample colours as vertex colours (opaque).
void ExpectColorsOfSamples(const VariableTag* tag, const maxon::BaseArray<PlotSample>& samples)
{
	ASSERT_NE(tag, nullptr);
	ASSERT_EQ(tag->GetDataCount(), samples.GetCount());
	const void* data = tag->GetLowlevelDataAddressR();
	for (Int32 k = 0; k < tag->GetDataCount(); ++k)
	{
		const maxon::ColorA32 c = VertexColorTag::Get(data, nullptr, nullptr, k);
		const Vector& expected = samples[k].color;
		ASSERT_TRUE(c == maxon::ColorA32(Float32(expected.x), Float32(expected.y), Float32(expected.z), 1.0f))
		    << "point " << k;
	}
}

/// Checks the surface against the samples: point k is sample k, each polygon is one grid cell (i, j), (i, j+1),
/// (i+1, j+1), (i+1, j) with every cell covered once, and each corner with point index q has the UV
/// (row / n, 1 - column / n) of q's place in the grid.
void ExpectSurfaceOfSamples(const PolygonObject* poly, const maxon::BaseArray<PlotSample>& samples, Int32 n)
{
	const Int32 perAxis = n + 1;
	ASSERT_EQ(poly->GetPointCount(), perAxis * perAxis);
	ASSERT_EQ(poly->GetPolygonCount(), n * n);
	for (Int32 k = 0; k < poly->GetPointCount(); ++k)
		ASSERT_EQ(poly->GetPointR()[k], samples[k].position) << "point " << k;

	const UVWTag* uvw = static_cast<const UVWTag*>(poly->GetTag(Tuvw));
	ASSERT_NE(uvw, nullptr);
	ASSERT_EQ(uvw->GetDataCount(), n * n);
	std::vector<int> cellUses(static_cast<size_t>(n * n), 0);
	for (Int32 p = 0; p < poly->GetPolygonCount(); ++p)
	{
		const CPolygon& v = poly->GetPolygonR()[p];
		const Int32 i = v.a / perAxis, j = v.a % perAxis;
		ASSERT_TRUE(i < n && j < n) << "polygon " << p;
		EXPECT_EQ(v, CPolygon(v.a, v.a + 1, v.a + perAxis + 1, v.a + perAxis)) << "polygon " << p;
		++cellUses[static_cast<size_t>(i * n + j)];

		UVWStruct uv;
		UVWTag::Get(uvw->GetDataAddressR(), p, uv);
		const Vector* corners[4] = {&uv.a, &uv.b, &uv.c, &uv.d};
		const Int32 indices[4] = {v.a, v.b, v.c, v.d};
		for (int c = 0; c < 4; ++c)
		{
			const Float u = Float(indices[c] / perAxis) / n, w = 1.0 - Float(indices[c] % perAxis) / n;
			EXPECT_FLOAT_EQ(Float32(corners[c]->x), Float32(u)) << "polygon " << p << " corner " << c;
			EXPECT_FLOAT_EQ(Float32(corners[c]->y), Float32(w)) << "polygon " << p << " corner " << c;
			EXPECT_EQ(corners[c]->z, 0.0);
		}
	}
	EXPECT_EQ(std::count(cellUses.begin(), cellUses.end(), 1), n * n);
}
} // namespace

TEST_F(MeshComponent, DefaultPlotGivesASurfaceOfItsSamplesWithUVsAndPhong)
{
	Build(50);
	const PolygonObject* poly = Surface();
	ASSERT_NE(poly, nullptr);
	ExpectSurfaceOfSamples(poly, Samples(), 50);
	EXPECT_NE(poly->GetTag(Tphong), nullptr);
	EXPECT_EQ(poly->GetTag(Tvertexcolor), nullptr);
	EXPECT_EQ(mesh->GetTag(Tvertexcolor), nullptr);
}

TEST_F(MeshComponent, OneCellPlotGivesOneQuadWithTheCornersOfTheUnitSquare)
{
	Build(1, {{PLOTMESH_PHONG, GeData(false)}});
	const PolygonObject* poly = Surface();
	ASSERT_NE(poly, nullptr);
	ASSERT_EQ(poly->GetPolygonCount(), 1);
	EXPECT_EQ(poly->GetPolygonR()[0], CPolygon(0, 1, 3, 2));
	UVWStruct uv;
	UVWTag::Get(static_cast<const UVWTag*>(poly->GetTag(Tuvw))->GetDataAddressR(), 0, uv);
	// Points 0, 1, 3, 2 map to (0, 1), (0, 0), (1, 0), (1, 1).
	EXPECT_EQ(uv.a, Vector(0.0, 1.0, 0.0));
	EXPECT_EQ(uv.b, Vector(0.0, 0.0, 0.0));
	EXPECT_EQ(uv.c, Vector(1.0, 0.0, 0.0));
	EXPECT_EQ(uv.d, Vector(1.0, 1.0, 0.0));
	EXPECT_EQ(poly->GetTag(Tphong), nullptr);
	ExpectSurfaceOfSamples(poly, Samples(), 1);
}

TEST_F(MeshComponent, YieldsAnEmptyNullWithoutPlotSamplesOrForAnUnknownType)
{
	BaseObject* loose = doc.Add(ID_PLOTMESH);
	BaseObject* group = doc.Add(Onull);
	BaseObject* underNull = doc.Add(ID_PLOTMESH, group);
	// A plot switched off before it ever sampled leaves its cache empty.
	Build(4);
	BaseObject* idlePlot = doc.Add(ID_PLOTOBJECT);
	idlePlot->SetDeformMode(false);
	BaseObject* waiting = doc.Add(ID_PLOTMESH, idlePlot);
	mesh->GetDataInstanceRef().SetInt32(PLOTMESH_TYPE, 3);
	mesh->SetDirty(DIRTYFLAGS::DATA);
	doc.Evaluate();
	for (BaseObject* op : {loose, underNull, waiting, mesh})
		EXPECT_TRUE(IsEmptyNull(op->GetCache())) << op->GetName().GetUtf8();

	// The plot's first sampling moves its change counter: the waiting component builds.
	surfax::user::ToggleEnabled(idlePlot);
	doc.Evaluate();
	ASSERT_NE(waiting->GetCache(), nullptr);
	EXPECT_EQ(waiting->GetCache()->GetType(), Opolygon);
}

TEST_F(MeshComponent, VertexColoursAreMirroredOntoTheComponent)
{
	Build(6, {{PLOTMESH_VERTEXCOLORS, GeData(true)}});
	ASSERT_NE(Surface(), nullptr);
	ExpectColorsOfSamples(static_cast<const VariableTag*>(Surface()->GetTag(Tvertexcolor)), Samples());
	BaseTag* mirror = mesh->GetFirstTag();
	ASSERT_NE(mirror, nullptr);
	EXPECT_EQ(mirror->GetType(), Tvertexcolor);
	ExpectColorsOfSamples(static_cast<const VariableTag*>(mirror), Samples());
	mirror->SetName("kept"_s);

	// New colours at the same resolution overwrite the component's tag in place.
	Set(plot, PLOT_COLORMODE, GeData(Int32(PLOT_COLORMODE_COLOR)));
	Set(plot, PLOT_COLOR, GeData(Vector(0.25, 0.5, 0.75)));
	Set(plot, PLOT_FORMULA, GeData("Cos(x) * Sin(z)"_s));
	doc.Evaluate();
	ASSERT_EQ(Samples()[0].color, Vector(0.25, 0.5, 0.75));
	ASSERT_EQ(mesh->GetTag(Tvertexcolor), mirror);
	EXPECT_EQ(mirror->GetName().GetUtf8(), "kept");
	ExpectColorsOfSamples(static_cast<const VariableTag*>(mirror), Samples());

	// Another resolution replaces it by a tag of the new size.
	Set(plot, PLOT_RESOLUTION, GeData(Int32(3)));
	doc.Evaluate();
	EXPECT_EQ(mesh->GetTag(Tvertexcolor, 1), nullptr);
	ExpectColorsOfSamples(static_cast<const VariableTag*>(mesh->GetTag(Tvertexcolor)), Samples());

	// Switched off, the next rebuild removes it.
	Set(mesh, PLOTMESH_VERTEXCOLORS, GeData(false));
	doc.Evaluate();
	EXPECT_EQ(mesh->GetTag(Tvertexcolor), nullptr);
	ASSERT_NE(Surface(), nullptr);
	EXPECT_EQ(Surface()->GetTag(Tvertexcolor), nullptr);
}

TEST_F(MeshComponent, KeepsItsCacheUntilThePlotOrItselfChanges)
{
	Build(4);
	const BaseObject* first = mesh->GetCache();
	doc.Evaluate();
	EXPECT_EQ(mesh->GetCache(), first);

	Set(mesh, PLOTMESH_PHONG, GeData(false));
	doc.Evaluate();
	EXPECT_NE(mesh->GetCache(), first);
	ASSERT_NE(Surface(), nullptr);
	EXPECT_EQ(Surface()->GetTag(Tphong), nullptr);

	const BaseObject* second = mesh->GetCache();
	Set(plot, PLOT_HEIGHT, GeData(80.0));
	doc.Evaluate();
	EXPECT_NE(mesh->GetCache(), second);
	ExpectSurfaceOfSamples(Surface(), Samples(), 4);
}

TEST_F(MeshComponent, FrameChangeRebuildsOnlyAnAnimatedPlotOfTime)
{
	struct Case
	{
		const char* formula;
		bool animate;
		bool rebuilds;
	};
	for (const Case& c : {Case{"Sin(x + t * 90)", true, true}, Case{"Sin(x + t * 90)", false, false},
	                      Case{"Sin(x) * Cos(z)", true, false}})
	{
		TestDocument scene;
		BaseObject* p = scene.Add(ID_PLOTOBJECT);
		p->GetDataInstanceRef().SetString(PLOT_FORMULA, String(c.formula));
		p->GetDataInstanceRef().SetBool(PLOT_ANIMATE, c.animate);
		p->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, 4);
		BaseObject* m = scene.Add(ID_PLOTMESH, p);
		scene.Evaluate();
		const BaseObject* before = m->GetCache();
		scene.SetFrame(10);
		scene.Evaluate();
		EXPECT_EQ(m->GetCache() != before, c.rebuilds) << c.formula << (c.animate ? " animated" : " still");
		ASSERT_EQ(m->GetCache()->GetType(), Opolygon);
		const PolygonObject* poly = static_cast<const PolygonObject*>(m->GetCache());
		EXPECT_EQ(poly->GetPointR()[7], p->GetNodeData<PlotObject>()->GetSamples()[7].position);
	}
}

TEST_F(MeshComponent, RenderOnlyBuildsGeometryOnlyWhileRendering)
{
	Build(5, {{PLOTMESH_RENDERONLY, GeData(true)}});
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
	const BaseObject* editorNull = mesh->GetCache();
	doc.Evaluate();
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
	EXPECT_NE(mesh->GetCache(), editorNull); // a new null at every editor evaluation

	doc.Evaluate(true);
	ASSERT_NE(Surface(), nullptr);
	ExpectSurfaceOfSamples(Surface(), Samples(), 5);
	doc.Evaluate();
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
}

TEST_F(MeshComponent, PrimitivesSitAtTheirSamplesInTheirColours)
{
	struct Case
	{
		Int32 primitive;
		Int32 hostType;
		Int32 pointCount;
		Float radius; // largest corner distance from the centre, for size 2
	};
	for (const Case& c : {Case{PLOTMESH_PRIMITIVE_CUBE, Ocube, 8, std::sqrt(3.0)},
	                      Case{PLOTMESH_PRIMITIVE_SPHERE, Osphere, 12 * 5 + 2, 1.0},
	                      Case{PLOTMESH_PRIMITIVE_PYRAMID, Opyramid, 5, std::sqrt(3.0)},
	                      Case{PLOTMESH_PRIMITIVE_PLATONIC, Oplatonic, 12, 1.0}})
	{
		TestDocument scene;
		BaseObject* p = scene.Add(ID_PLOTOBJECT);
		p->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, 2);
		BaseObject* m = scene.Add(ID_PLOTMESH, p);
		m->GetDataInstanceRef().SetInt32(PLOTMESH_TYPE, PLOTMESH_TYPE_PRIMITIVES);
		m->GetDataInstanceRef().SetInt32(PLOTMESH_PRIMITIVE, c.primitive);
		m->GetDataInstanceRef().SetFloat(PLOTMESH_SIZE, 2.0);
		scene.Evaluate();
		const maxon::BaseArray<PlotSample>& samples = p->GetNodeData<PlotObject>()->GetSamples();
		ASSERT_NE(m->GetCache(), nullptr);
		ASSERT_EQ(m->GetCache()->GetType(), Onull);
		Int k = 0;
		for (const BaseObject* child = m->GetCache()->GetDown(); child != nullptr; child = child->GetNext(), ++k)
		{
			ASSERT_LT(k, samples.GetCount());
			EXPECT_EQ(child->GetRelPos(), samples[k].position);
			ObjectColorProperties color;
			child->GetColorProperties(&color);
			EXPECT_EQ(color.color, samples[k].color);
			EXPECT_EQ(color.usecolor, ID_BASEOBJECT_USECOLOR_AUTOMATIC);
			EXPECT_FALSE(color.xray);
			ASSERT_EQ(child->GetType(), Opolygon);
			const PolygonObject* solid = static_cast<const PolygonObject*>(child);
			ASSERT_EQ(solid->GetPointCount(), c.pointCount) << "primitive " << c.primitive;
			Float farthest = 0.0;
			for (Int32 q = 0; q < solid->GetPointCount(); ++q)
				farthest = std::max(farthest, solid->GetPointR()[q].GetLength());
			EXPECT_NEAR(farthest, c.radius, 1e-9) << "primitive " << c.primitive;
			EXPECT_EQ(solid->GetTag(Tphong) != nullptr, c.hostType == Osphere);
		}
		EXPECT_EQ(k, samples.GetCount());

		m->GetDataInstanceRef().SetInt32(PLOTMESH_PRIMITIVE, 4);
		m->SetDirty(DIRTYFLAGS::DATA);
		scene.Evaluate();
		EXPECT_TRUE(IsEmptyNull(m->GetCache()));
	}
}

/// Fails each host allocation of a rebuild in turn. The component must still yield a valid result: an empty null,
/// or the full surface without the tag that could not be made (the mirrored colours matching the surface's).
/// Leaks show under the sanitizers.
TEST_F(MeshComponent, SurvivesEachFailedAllocationOfASurfaceRebuild)
{
	for (const bool mirrorPresent : {true, false})
	{
		TestDocument scene;
		plot = scene.Add(ID_PLOTOBJECT);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, 3);
		mesh = scene.Add(ID_PLOTMESH, plot);
		mesh->GetDataInstanceRef().SetBool(PLOTMESH_VERTEXCOLORS, true);
		scene.Evaluate();
		auto prepare = [&]
		{
			mesh->SetDirty(DIRTYFLAGS::DATA);
			scene.Evaluate(); // the full result again
			if (!mirrorPresent)
				mesh->KillTag(Tvertexcolor);
			mesh->SetDirty(DIRTYFLAGS::DATA);
		};
		prepare();
		surfax::core::FailAllocationAfter(0);
		scene.Evaluate();
		const std::int64_t allocations = surfax::core::CountedAllocations();
		ASSERT_GE(allocations, mirrorPresent ? 9 : 10);
		bool sawEmptyNull = false, sawMissingTag = false;
		for (std::int64_t failing = 1; failing <= allocations; ++failing)
		{
			prepare();
			surfax::core::FailAllocationAfter(failing);
			scene.Evaluate();
			surfax::core::FailAllocationAfter(0);
			const BaseObject* cache = mesh->GetCache();
			ASSERT_NE(cache, nullptr) << "failing allocation " << failing;
			if (IsEmptyNull(cache))
			{
				sawEmptyNull = true;
				continue;
			}
			ASSERT_EQ(cache->GetType(), Opolygon) << "failing allocation " << failing;
			const PolygonObject* poly = static_cast<const PolygonObject*>(cache);
			ASSERT_EQ(poly->GetPointCount(), 16);
			ASSERT_EQ(poly->GetPolygonCount(), 9);
			EXPECT_EQ(poly->GetPointR()[15], Samples()[15].position);
			if (const BaseTag* uvw = poly->GetTag(Tuvw))
			{
				EXPECT_EQ(static_cast<const VariableTag*>(uvw)->GetDataCount(), 9);
			}
			const VariableTag* colors = static_cast<const VariableTag*>(poly->GetTag(Tvertexcolor));
			const VariableTag* mirror = static_cast<const VariableTag*>(mesh->GetTag(Tvertexcolor));
			if (colors != nullptr)
				ExpectColorsOfSamples(colors, Samples());
			if (colors != nullptr && mirror != nullptr)
				ExpectColorsOfSamples(mirror, Samples());
			sawMissingTag |= colors == nullptr || mirror == nullptr || poly->GetTag(Tuvw) == nullptr ||
			                 poly->GetTag(Tphong) == nullptr;
		}
		EXPECT_TRUE(sawEmptyNull);
		EXPECT_TRUE(sawMissingTag);
	}
}

/// A primitive that cannot be built is left out; the others keep their own sample's place and colour, in order.
TEST_F(MeshComponent, SurvivesEachFailedAllocationOfAPrimitiveRebuild)
{
	Build(1, {{PLOTMESH_TYPE, GeData(Int32(PLOTMESH_TYPE_PRIMITIVES))},
	          {PLOTMESH_PRIMITIVE, GeData(Int32(PLOTMESH_PRIMITIVE_SPHERE))}});
	mesh->SetDirty(DIRTYFLAGS::DATA);
	surfax::core::FailAllocationAfter(0);
	doc.Evaluate();
	const std::int64_t allocations = surfax::core::CountedAllocations();
	ASSERT_GE(allocations, 2 + 4 * 4); // the plot's null, the component's null, four spheres with Phong tags
	std::set<Int> missing;             // samples left without a primitive, over all runs
	for (std::int64_t failing = 1; failing <= allocations; ++failing)
	{
		mesh->SetDirty(DIRTYFLAGS::DATA);
		surfax::core::FailAllocationAfter(failing);
		doc.Evaluate();
		surfax::core::FailAllocationAfter(0);
		const BaseObject* cache = mesh->GetCache();
		ASSERT_NE(cache, nullptr) << "failing allocation " << failing;
		ASSERT_EQ(cache->GetType(), Onull);
		Int next = 0;
		for (const BaseObject* child = cache->GetDown(); child != nullptr; child = child->GetNext(), ++next)
		{
			while (next < Samples().GetCount() && Samples()[next].position != child->GetRelPos())
				missing.insert(next++);
			ASSERT_LT(next, Samples().GetCount()) << "failing allocation " << failing << ": child out of place";
			ObjectColorProperties color;
			child->GetColorProperties(&color);
			EXPECT_EQ(color.color, Samples()[next].color);
		}
		if (cache->GetDown() != nullptr)
			for (; next < Samples().GetCount(); ++next)
				missing.insert(next);
	}
	EXPECT_EQ(missing, (std::set<Int>{0, 1, 2, 3}));
}
