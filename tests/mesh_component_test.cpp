// The mesh component on a plot object, through the loaded plug-in and the host's scene evaluation: the surface
// (points, quadrangles, UVs, Phong, vertex colours mirrored onto the component), primitives, empty results, cache
// reuse, render-only mode and allocation failures during a rebuild.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotmesh.h"

#include "host/user/actions.h"
#include "support/failing_allocations.h"
#include "support/host_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
class MeshComponent : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	/// A plot of resolution n with a mesh component below it (settings written before the first evaluation),
	/// evaluated once.
	void Build(Int32 n, const std::vector<std::pair<Int32, GeData>>& meshSettings = {})
	{
		plot = doc.Add(ID_PLOTOBJECT);
		mesh = doc.Add(ID_PLOTMESH, plot);
		ASSERT_NE(mesh, nullptr);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
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

	/// The component's cache as a polygon object; null when it is anything else.
	const PolygonObject* Surface() const
	{
		const BaseObject* cache = mesh->GetCache();
		return cache != nullptr && cache->GetType() == Opolygon ? static_cast<const PolygonObject*>(cache) : nullptr;
	}

	TestDocument doc;
	BaseObject* plot = nullptr;
	BaseObject* mesh = nullptr;
};

bool IsEmptyNull(const BaseObject* op)
{
	return op != nullptr && op->GetType() == Onull && op->GetDown() == nullptr;
}

/// The tag holds the sample colours as opaque vertex colours.
void ExpectColorsOfSamples(const BaseTag* tag, const maxon::BaseArray<PlotSample>& samples)
{
	const VariableTag* colors = static_cast<const VariableTag*>(tag);
	ASSERT_NE(colors, nullptr);
	ASSERT_EQ(colors->GetDataCount(), samples.GetCount());
	for (Int32 k = 0; k < colors->GetDataCount(); ++k)
	{
		const Vector& c = samples[k].color;
		ASSERT_TRUE(VertexColorTag::Get(colors->GetLowlevelDataAddressR(), nullptr, nullptr, k) ==
		            maxon::ColorA32(Float32(c.x), Float32(c.y), Float32(c.z), 1.0f))
		    << "point " << k;
	}
}

/// Point k is sample k; every grid cell is covered by exactly one quadrangle (i, j), (i, j+1), (i+1, j+1), (i+1, j);
/// each corner with point index q has the UV (row / n, 1 - column / n) of q's place in the grid.
void ExpectSurfaceOfSamples(const PolygonObject* poly, const maxon::BaseArray<PlotSample>& samples, Int32 n)
{
	ASSERT_NE(poly, nullptr);
	const Int32 perAxis = n + 1;
	ASSERT_EQ(poly->GetPointCount(), perAxis * perAxis);
	ASSERT_EQ(poly->GetPolygonCount(), n * n);
	for (Int32 k = 0; k < poly->GetPointCount(); ++k)
		ASSERT_EQ(poly->GetPointR()[k], samples[k].position) << "point " << k;
	const UVWTag* uvw = static_cast<const UVWTag*>(poly->GetTag(Tuvw));
	ASSERT_NE(uvw, nullptr);
	ASSERT_EQ(uvw->GetDataCount(), n * n);
	std::set<Int32> cells;
	for (Int32 p = 0; p < poly->GetPolygonCount(); ++p)
	{
		const CPolygon& v = poly->GetPolygonR()[p];
		ASSERT_TRUE(v.a / perAxis < n && v.a % perAxis < n) << "polygon " << p;
		ASSERT_EQ(v, CPolygon(v.a, v.a + 1, v.a + perAxis + 1, v.a + perAxis)) << "polygon " << p;
		cells.insert(v.a);
		UVWStruct uv;
		UVWTag::Get(uvw->GetDataAddressR(), p, uv);
		const std::pair<Int32, const Vector*> corners[4] = {{v.a, &uv.a}, {v.b, &uv.b}, {v.c, &uv.c}, {v.d, &uv.d}};
		for (const auto& [q, actual] : corners)
		{
			// Stored in single precision.
			const Float32 u = Float32(Float(q / perAxis) / n), w = Float32(1.0 - Float(q % perAxis) / n);
			ASSERT_TRUE(Float32(actual->x) == u && Float32(actual->y) == w && actual->z == 0.0)
			    << "polygon " << p << " point " << q;
		}
	}
	EXPECT_EQ(cells.size(), size_t(n * n));
}
} // namespace

TEST_F(MeshComponent, DefaultPlotGivesASurfaceOfItsSamplesWithUVsAndPhong)
{
	Build(50);
	ExpectSurfaceOfSamples(Surface(), Samples(), 50);
	EXPECT_NE(Surface()->GetTag(Tphong), nullptr);
	EXPECT_EQ(Surface()->GetTag(Tvertexcolor), nullptr);
	EXPECT_EQ(mesh->GetFirstTag(), nullptr);
}

TEST_F(MeshComponent, OneCellPlotGivesOneQuadWithTheCornersOfTheUnitSquare)
{
	Build(1, {{PLOTMESH_PHONG, GeData(false)}});
	ExpectSurfaceOfSamples(Surface(), Samples(), 1);
	EXPECT_EQ(Surface()->GetPolygonR()[0], CPolygon(0, 1, 3, 2));
	UVWStruct uv;
	UVWTag::Get(static_cast<const UVWTag*>(Surface()->GetTag(Tuvw))->GetDataAddressR(), 0, uv);
	EXPECT_TRUE(uv.a == Vector(0, 1, 0) && uv.b == Vector(0, 0, 0) && uv.c == Vector(1, 0, 0) &&
	            uv.d == Vector(1, 1, 0));
	EXPECT_EQ(Surface()->GetTag(Tphong), nullptr);
}

TEST_F(MeshComponent, YieldsAnEmptyNullWithoutPlotSamplesOrForAnUnknownType)
{
	BaseObject* loose = doc.Add(ID_PLOTMESH);
	BaseObject* underNull = doc.Add(ID_PLOTMESH, doc.Add(Onull));
	BaseObject* idlePlot = doc.Add(ID_PLOTOBJECT);
	idlePlot->SetDeformMode(false); // switched off before it ever sampled: its cache stays empty
	BaseObject* waiting = doc.Add(ID_PLOTMESH, idlePlot);
	Build(4, {{PLOTMESH_TYPE, GeData(Int32(3))}});
	for (BaseObject* op : {loose, underNull, waiting, mesh})
		EXPECT_TRUE(IsEmptyNull(op->GetCache()));

	// The plot's first sampling moves its change counter, and the waiting component builds.
	surfax::user::ToggleEnabled(idlePlot);
	doc.Evaluate();
	ASSERT_NE(waiting->GetCache(), nullptr);
	EXPECT_EQ(waiting->GetCache()->GetType(), Opolygon);
}

TEST_F(MeshComponent, VertexColoursAreMirroredOntoTheComponent)
{
	Build(6, {{PLOTMESH_VERTEXCOLORS, GeData(true)}});
	ASSERT_NE(Surface(), nullptr);
	ExpectColorsOfSamples(Surface()->GetTag(Tvertexcolor), Samples());
	BaseTag* mirror = mesh->GetFirstTag();
	ASSERT_NE(mirror, nullptr);
	ASSERT_EQ(mirror->GetType(), Tvertexcolor);
	ExpectColorsOfSamples(mirror, Samples());
	mirror->SetName("kept"_s);

	// New colours at the same resolution overwrite the component's tag in place.
	Set(plot, PLOT_COLORMODE, GeData(Int32(PLOT_COLORMODE_COLOR)));
	Set(plot, PLOT_COLOR, GeData(Vector(0.25, 0.5, 0.75)));
	Set(plot, PLOT_FORMULA, GeData("Cos(x) * Sin(z)"_s));
	doc.Evaluate();
	ASSERT_EQ(Samples()[0].color, Vector(0.25, 0.5, 0.75));
	ASSERT_EQ(mesh->GetTag(Tvertexcolor), mirror);
	EXPECT_EQ(mirror->GetName().GetUtf8(), "kept");
	ExpectColorsOfSamples(mirror, Samples());

	// Another resolution replaces it by one tag of the new size.
	Set(plot, PLOT_RESOLUTION, GeData(Int32(3)));
	doc.Evaluate();
	EXPECT_EQ(mesh->GetTag(Tvertexcolor, 1), nullptr);
	ExpectColorsOfSamples(mesh->GetTag(Tvertexcolor), Samples());

	// Switched off, the next rebuild removes it.
	Set(mesh, PLOTMESH_VERTEXCOLORS, GeData(false));
	doc.Evaluate();
	EXPECT_EQ(mesh->GetTag(Tvertexcolor), nullptr);
	ASSERT_NE(Surface(), nullptr);
	EXPECT_EQ(Surface()->GetTag(Tvertexcolor), nullptr);
}

TEST_F(MeshComponent, RebuildsWhenThePlotOrItselfChangesOrAnAnimatedFrameMoves)
{
	struct Case
	{
		const char* formula;
		bool animate;
		bool frameRebuilds;
	};
	for (const Case& c : {Case{"Sin(x + t * 90)", true, true}, Case{"Sin(x + t * 90)", false, false},
	                      Case{"Sin(x) * Cos(z)", true, false}})
	{
		TestDocument scene;
		plot = scene.Add(ID_PLOTOBJECT);
		mesh = scene.Add(ID_PLOTMESH, plot);
		plot->GetDataInstanceRef().SetString(PLOT_FORMULA, String(c.formula));
		plot->GetDataInstanceRef().SetBool(PLOT_ANIMATE, c.animate);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, 4);
		scene.Evaluate();
		const BaseObject* built = mesh->GetCache();
		scene.Evaluate();
		EXPECT_EQ(mesh->GetCache(), built);
		scene.SetFrame(10);
		scene.Evaluate();
		EXPECT_EQ(mesh->GetCache() != built, c.frameRebuilds) << c.formula << (c.animate ? " animated" : " still");
		ExpectSurfaceOfSamples(Surface(), Samples(), 4);

		built = mesh->GetCache();
		Set(mesh, PLOTMESH_PHONG, GeData(false));
		scene.Evaluate();
		EXPECT_NE(mesh->GetCache(), built);
		ASSERT_NE(Surface(), nullptr);
		EXPECT_EQ(Surface()->GetTag(Tphong), nullptr);

		built = mesh->GetCache();
		Set(plot, PLOT_HEIGHT, GeData(80.0));
		scene.Evaluate();
		EXPECT_NE(mesh->GetCache(), built);
		ExpectSurfaceOfSamples(Surface(), Samples(), 4);
	}
}

TEST_F(MeshComponent, RenderOnlyBuildsGeometryOnlyWhileRendering)
{
	Build(5, {{PLOTMESH_RENDERONLY, GeData(true)}});
	const BaseObject* editorNull = mesh->GetCache();
	EXPECT_TRUE(IsEmptyNull(editorNull));
	doc.Evaluate();
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
	EXPECT_NE(mesh->GetCache(), editorNull); // a new null at every editor evaluation

	doc.Evaluate(true);
	ExpectSurfaceOfSamples(Surface(), Samples(), 5);
	doc.Evaluate();
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
}

TEST_F(MeshComponent, PrimitivesSitAtTheirSamplesInTheirColours)
{
	// Size 2: cube edge 2, sphere and icosahedron radius 1, pyramid 2 by 2 by 2.
	const std::vector<std::pair<Int32, Float>> farthestCorner = {{PLOTMESH_PRIMITIVE_CUBE, std::sqrt(3.0)},
	                                                             {PLOTMESH_PRIMITIVE_SPHERE, 1.0},
	                                                             {PLOTMESH_PRIMITIVE_PYRAMID, std::sqrt(3.0)},
	                                                             {PLOTMESH_PRIMITIVE_PLATONIC, 1.0}};
	Build(2, {{PLOTMESH_TYPE, GeData(Int32(PLOTMESH_TYPE_PRIMITIVES))}, {PLOTMESH_SIZE, GeData(2.0)}});
	for (const auto& [primitive, radius] : farthestCorner)
	{
		Set(mesh, PLOTMESH_PRIMITIVE, GeData(primitive));
		doc.Evaluate();
		ASSERT_NE(mesh->GetCache(), nullptr);
		Int k = 0;
		for (const BaseObject* child = mesh->GetCache()->GetDown(); child != nullptr; child = child->GetNext(), ++k)
		{
			ASSERT_LT(k, Samples().GetCount());
			ASSERT_EQ(child->GetType(), Opolygon);
			EXPECT_EQ(child->GetRelPos(), Samples()[k].position);
			ObjectColorProperties color;
			child->GetColorProperties(&color);
			EXPECT_TRUE(color.color == Samples()[k].color && color.usecolor == 1 && !color.xray);
			const PolygonObject* solid = static_cast<const PolygonObject*>(child);
			Float farthest = 0.0;
			for (Int32 q = 0; q < solid->GetPointCount(); ++q)
				farthest = std::max(farthest, solid->GetPointR()[q].GetLength());
			EXPECT_NEAR(farthest, radius, 1e-9) << "primitive " << primitive;
			EXPECT_EQ(solid->GetTag(Tphong) != nullptr, primitive == PLOTMESH_PRIMITIVE_SPHERE);
		}
		EXPECT_EQ(k, Samples().GetCount());
	}
	Set(mesh, PLOTMESH_PRIMITIVE, GeData(Int32(4)));
	doc.Evaluate();
	EXPECT_TRUE(IsEmptyNull(mesh->GetCache()));
}

/// Each host allocation of a rebuild fails in turn, with the component's mirrored colour tag kept in place or
/// made anew: the result is an empty null, or the full surface without the tag that could not be made. Leaks show
/// under the sanitizers.
TEST_F(MeshComponent, SurvivesEachFailedAllocationOfASurfaceRebuild)
{
	Build(3, {{PLOTMESH_VERTEXCOLORS, GeData(true)}});
	for (const bool mirrorKept : {true, false})
	{
		bool sawEmptyNull = false, sawMissingTag = false;
		auto prepare = [&]
		{
			mesh->SetDirty(DIRTYFLAGS::DATA);
			doc.Evaluate(); // the full result again
			if (!mirrorKept)
				mesh->KillTag(Tvertexcolor);
			mesh->SetDirty(DIRTYFLAGS::DATA);
		};
		auto check = [&](std::int64_t)
		{
			if (IsEmptyNull(mesh->GetCache()))
			{
				sawEmptyNull = true;
				return;
			}
			const PolygonObject* poly = Surface();
			ASSERT_NE(poly, nullptr);
			ASSERT_EQ(poly->GetPolygonCount(), 9);
			EXPECT_EQ(poly->GetPointR()[15], Samples()[15].position);
			const BaseTag* colors = poly->GetTag(Tvertexcolor);
			const BaseTag* mirrored = mesh->GetTag(Tvertexcolor);
			if (colors != nullptr)
				ExpectColorsOfSamples(colors, Samples());
			if (colors != nullptr && mirrored != nullptr)
				ExpectColorsOfSamples(mirrored, Samples());
			sawMissingTag |= colors == nullptr || mirrored == nullptr || poly->GetTag(Tuvw) == nullptr ||
			                 poly->GetTag(Tphong) == nullptr;
		};
		// The plot's null, the object with its two arrays, the colour tag and its array, Phong, UVW and its array.
		surfax::test::ForEachFailingAllocation(
		    9, prepare, [&] { doc.Evaluate(); }, check);
		EXPECT_TRUE(sawEmptyNull);
		EXPECT_TRUE(sawMissingTag);
	}
}

/// A primitive that cannot be built is left out; the others keep their own sample's place and colour, in order.
TEST_F(MeshComponent, SurvivesEachFailedAllocationOfAPrimitiveRebuild)
{
	Build(1, {{PLOTMESH_TYPE, GeData(Int32(PLOTMESH_TYPE_PRIMITIVES))},
	          {PLOTMESH_PRIMITIVE, GeData(Int32(PLOTMESH_PRIMITIVE_SPHERE))}});
	std::set<Int> missing; // samples left without a primitive, over all runs
	auto check = [&](std::int64_t)
	{
		ASSERT_NE(mesh->GetCache(), nullptr);
		ASSERT_EQ(mesh->GetCache()->GetType(), Onull);
		Int next = 0;
		for (const BaseObject* child = mesh->GetCache()->GetDown(); child != nullptr; child = child->GetNext(), ++next)
		{
			while (next < Samples().GetCount() && Samples()[next].position != child->GetRelPos())
				missing.insert(next++);
			ASSERT_LT(next, Samples().GetCount()) << "a primitive out of its place";
			ObjectColorProperties color;
			child->GetColorProperties(&color);
			EXPECT_EQ(color.color, Samples()[next].color);
		}
		for (; next < Samples().GetCount() && mesh->GetCache()->GetDown() != nullptr; ++next)
			missing.insert(next);
	};
	// The plot's null, the component's null, four spheres of three allocations each with their Phong tags.
	surfax::test::ForEachFailingAllocation(
	    2 + 4 * 4, [&] { mesh->SetDirty(DIRTYFLAGS::DATA); }, [&] { doc.Evaluate(); }, check);
	EXPECT_EQ(missing, (std::set<Int>{0, 1, 2, 3}));
}
