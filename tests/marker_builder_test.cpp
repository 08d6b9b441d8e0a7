// The mesh component's marker mode: one closed solid per sample in a single polygon object, laid out by the cube,
// pyramid and icosahedron tables, with UVs and normals aligned by the host, and allocation failures while building.
#include "source/main.h"
#include "source/plotobject.h"

#include "res/description/o3dplot.h"
#include "res/description/o3dplotmesh.h"

#include "support/failing_allocations.h"
#include "support/host_fixture.h"
#include "support/mesh_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
/// The component's marker object for a plot of resolution n, its points and polygons copied out.
struct Markers
{
	const PolygonObject* object = nullptr;
	std::vector<Vector> points;
	std::vector<CPolygon> polygons;
};

class MarkerBuilder : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax")); }

	void Build(Int32 n, Int32 shape, Float size)
	{
		plot = doc.Add(ID_PLOTOBJECT);
		ASSERT_NE(plot, nullptr);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
		mesh = doc.Add(ID_PLOTMESH, plot);
		ASSERT_NE(mesh, nullptr);
		BaseContainer& bc = mesh->GetDataInstanceRef();
		bc.SetInt32(PLOTMESH_TYPE, PLOTMESH_TYPE_MARKERS);
		bc.SetInt32(PLOTMESH_MARKER, shape);
		bc.SetFloat(PLOTMESH_SIZE, size);
		doc.Evaluate();
	}

	Markers Read() const
	{
		Markers m;
		const BaseObject* cache = mesh->GetCache();
		if (cache == nullptr || cache->GetType() != Opolygon)
			return m;
		m.object = static_cast<const PolygonObject*>(cache);
		m.points.assign(m.object->GetPointR(), m.object->GetPointR() + m.object->GetPointCount());
		m.polygons.assign(m.object->GetPolygonR(), m.object->GetPolygonR() + m.object->GetPolygonCount());
		return m;
	}

	const maxon::BaseArray<PlotSample>& Samples() const { return plot->GetNodeData<PlotObject>()->GetSamples(); }

	TestDocument doc;
	BaseObject* plot = nullptr;
	BaseObject* mesh = nullptr;
};

/// The polygon the alignment leaves or its reversal, as the host flips one: (a, b, c, c) to (a, c, b, b),
/// (a, b, c, d) to (a, d, c, b).
bool IsPolygonOrItsFlip(const CPolygon& actual, const CPolygon& expected)
{
	const CPolygon flipped = expected.IsTriangle() ? CPolygon(expected.a, expected.c, expected.b)
	                                               : CPolygon(expected.a, expected.d, expected.c, expected.b);
	return actual == expected || actual == flipped;
}

/// Every marker is closed, consistently wound and faces away from its own sample.
void ExpectClosedOutwardMarkers(const Markers& m, const maxon::BaseArray<PlotSample>& samples, Int32 polygonsPerMarker)
{
	ASSERT_EQ(static_cast<Int>(m.polygons.size()), samples.GetCount() * polygonsPerMarker);
	EXPECT_TRUE(surfax::test::IsClosedAndConsistent(m.polygons));
	for (Int i = 0; i < samples.GetCount(); ++i)
	{
		const std::vector<CPolygon> own(m.polygons.begin() + i * polygonsPerMarker,
		                                m.polygons.begin() + (i + 1) * polygonsPerMarker);
		EXPECT_EQ(surfax::test::CountFacesNotPointingAwayFrom(m.points, own, samples[i].position), 0) << "marker " << i;
	}
}

/// The UVW tag is the object's first and gives every polygon the corners (1, 0), (0, 0), (0, 1), (1, 1).
void ExpectMarkerUVs(const Markers& m)
{
	const UVWTag* uvw = static_cast<const UVWTag*>(m.object->GetTag(Tuvw));
	ASSERT_NE(uvw, nullptr);
	ASSERT_EQ(m.object->GetFirstTag(), uvw);
	ASSERT_EQ(uvw->GetDataCount(), static_cast<Int32>(m.polygons.size()));
	for (Int32 p = 0; p < uvw->GetDataCount(); ++p)
	{
		UVWStruct uv;
		UVWTag::Get(uvw->GetDataAddressR(), p, uv);
		ASSERT_TRUE(uv.a == Vector(1, 0, 0) && uv.b == Vector(0, 0, 0) && uv.c == Vector(0, 1, 0) &&
		            uv.d == Vector(1, 1, 0))
		    << "polygon " << p;
	}
}
} // namespace

TEST_F(MarkerBuilder, CubesFollowTheTablesAroundEverySample)
{
	const Float s = 2.5;
	Build(1, PLOTMESH_MARKER_CUBE, s);
	const Markers m = Read();
	ASSERT_NE(m.object, nullptr);
	ASSERT_EQ(m.points.size(), 4u * 8u);
	const Vector corners[8] = {Vector(-1, 1, -1),  Vector(-1, 1, 1),  Vector(1, 1, 1),  Vector(1, 1, -1),
	                           Vector(-1, -1, -1), Vector(-1, -1, 1), Vector(1, -1, 1), Vector(1, -1, -1)};
	const CPolygon faces[6] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
	for (Int32 i = 0; i < 4; ++i)
	{
		for (Int32 k = 0; k < 8; ++k)
			EXPECT_EQ(m.points[size_t(i * 8 + k)], Samples()[i].position + corners[k] * s) << i << "/" << k;
		for (Int32 f = 0; f < 6; ++f)
		{
			const CPolygon& face = faces[f];
			const CPolygon shifted(face.a + i * 8, face.b + i * 8, face.c + i * 8, face.d + i * 8);
			EXPECT_TRUE(IsPolygonOrItsFlip(m.polygons[size_t(i * 6 + f)], shifted)) << i << "/" << f;
		}
	}
	ExpectClosedOutwardMarkers(m, Samples(), 6);
	ExpectMarkerUVs(m);
}

TEST_F(MarkerBuilder, PyramidsRepeatTheirTablesWithShiftedIndices)
{
	Build(1, PLOTMESH_MARKER_PYRAMID, 1.0);
	const Markers m = Read();
	ASSERT_NE(m.object, nullptr);
	ASSERT_EQ(m.points.size(), 4u * 5u);
	const Vector corners[5] = {Vector(-1, -1, 0), Vector(0, -1, -1), Vector(1, -1, 0), Vector(0, -1, 1),
	                           Vector(0, 1, 0)};
	for (Int32 i = 0; i < 4; ++i)
		for (Int32 k = 0; k < 5; ++k)
			EXPECT_EQ(m.points[size_t(i * 5 + k)], Samples()[i].position + corners[k]) << i << "/" << k;
	// Four side triangles around the apex, then the base; the second sample's come 5 indices later.
	EXPECT_EQ(m.polygons[5], CPolygon(5, 9, 6, 6));
	for (size_t p = 0; p < 5; ++p)
	{
		const CPolygon& first = m.polygons[p];
		EXPECT_EQ(m.polygons[p + 5], CPolygon(first.a + 5, first.b + 5, first.c + 5, first.d + 5));
		EXPECT_EQ(first.IsTriangle(), p < 4);
	}
	ExpectClosedOutwardMarkers(m, Samples(), 5);
	ExpectMarkerUVs(m);
}

TEST_F(MarkerBuilder, IcosahedronsAreRegularWithCornersAboutTheSizeAway)
{
	Build(2, PLOTMESH_MARKER_ICOSAHEDRON, 1.0);
	const Markers m = Read();
	ASSERT_NE(m.object, nullptr);
	ASSERT_EQ(m.points.size(), 9u * 12u);
	const Float radius = std::sqrt(0.526 * 0.526 + 0.851 * 0.851);
	for (size_t q = 0; q < m.points.size(); ++q)
		EXPECT_NEAR((m.points[q] - Samples()[Int(q / 12)].position).GetLength(), radius, 1e-12) << q;
	// The second marker's first point and its first of the top pair.
	EXPECT_LT((m.points[12] - Samples()[1].position - Vector(0.0, 0.526, -0.851)).GetLength(), 1e-12);
	EXPECT_LT((m.points[12 + 8] - Samples()[1].position - Vector(0.526, 0.851, 0.0)).GetLength(), 1e-12);
	for (const CPolygon& p : m.polygons)
	{
		ASSERT_TRUE(p.IsTriangle());
		for (const auto& [from, to] : {std::pair{p.a, p.b}, std::pair{p.b, p.c}, std::pair{p.c, p.a}})
			EXPECT_NEAR((m.points[size_t(from)] - m.points[size_t(to)]).GetLength(), 1.052, 1e-3);
	}
	EXPECT_EQ(surfax::test::CountEdges(m.polygons), 9u * 30u);
	ExpectClosedOutwardMarkers(m, Samples(), 20);
	ExpectMarkerUVs(m);
}

TEST_F(MarkerBuilder, ZeroSizeCollapsesEveryMarkerOntoItsSample)
{
	Build(1, PLOTMESH_MARKER_ICOSAHEDRON, 0.0);
	const Markers m = Read();
	ASSERT_NE(m.object, nullptr);
	ASSERT_EQ(m.points.size(), 4u * 12u);
	for (size_t q = 0; q < m.points.size(); ++q)
		EXPECT_EQ(m.points[q], Samples()[Int(q / 12)].position);
}

TEST_F(MarkerBuilder, UnknownShapeGivesAnEmptyNullAndTheDocumentStaysAsItWas)
{
	Build(1, 3, 1.0);
	ASSERT_NE(mesh->GetCache(), nullptr);
	EXPECT_EQ(mesh->GetCache()->GetType(), Onull);
	EXPECT_EQ(mesh->GetCache()->GetDown(), nullptr);

	// Building real markers aligns normals in a copy of the document: the document itself gains nothing.
	mesh->GetDataInstanceRef().SetInt32(PLOTMESH_MARKER, PLOTMESH_MARKER_CUBE);
	mesh->SetDirty(DIRTYFLAGS::DATA);
	doc.Evaluate();
	ASSERT_NE(Read().object, nullptr);
	EXPECT_EQ(doc->GetFirstObject(), plot);
	EXPECT_EQ(plot->GetNext(), nullptr);
	EXPECT_EQ(plot->GetDown(), mesh);
	EXPECT_EQ(mesh->GetNext(), nullptr);
	EXPECT_EQ(mesh->GetFirstTag(), nullptr);
}

/// Fails each host allocation of a marker rebuild in turn (the object, its arrays, the UVW tag and everything the
/// document copy makes). The result is an empty null or complete markers, aligned even without the copy.
TEST_F(MarkerBuilder, SurvivesEachFailedAllocationOfARebuild)
{
	Build(1, PLOTMESH_MARKER_CUBE, 1.0);
	bool sawEmptyNull = false, sawNoUVs = false;
	auto check = [&](std::int64_t)
	{
		ASSERT_NE(mesh->GetCache(), nullptr);
		if (mesh->GetCache()->GetType() == Onull)
		{
			EXPECT_EQ(mesh->GetCache()->GetDown(), nullptr);
			sawEmptyNull = true;
			return;
		}
		const Markers m = Read();
		ASSERT_NE(m.object, nullptr);
		ASSERT_EQ(m.points.size(), 32u);
		ExpectClosedOutwardMarkers(m, Samples(), 6);
		if (m.object->GetTag(Tuvw) != nullptr)
			ExpectMarkerUVs(m);
		else
			sawNoUVs = true;
	};
	// The plot's null, the object with its two arrays, the UVW tag with its array, the document copy.
	surfax::test::ForEachFailingAllocation(
	    7, [&] { mesh->SetDirty(DIRTYFLAGS::DATA); }, [&] { doc.Evaluate(); }, check);
	EXPECT_TRUE(sawEmptyNull);
	EXPECT_TRUE(sawNoUVs);
}
