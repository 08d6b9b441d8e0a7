// The host's primitives as the plug-in asks for them (GeneratePrimitive) and the normal alignment command.
#include "support/host_fixture.h"

#include "ocube.h"
#include "oplatonic.h"
#include "opyramid.h"
#include "osphere.h"

#include <gtest/gtest.h>

using namespace cinema;

namespace
{
PolygonObject* Generate(Int32 type, const BaseContainer& bc)
{
	BaseObject* op = GeneratePrimitive(nullptr, type, bc, 1.0, false, nullptr);
	if (op == nullptr || !op->IsInstanceOf(Opolygon))
	{
		BaseObject::Free(op);
		return nullptr;
	}
	return static_cast<PolygonObject*>(op);
}

Float MaxRadius(const PolygonObject* poly)
{
	Float r = 0.0;
	for (Int32 i = 0; i < poly->GetPointCount(); ++i)
		r = std::max(r, poly->GetPointR()[i].GetLength());
	return r;
}
} // namespace

TEST(GeneratePrimitive, BuildsEachSupportedSolidFromItsParameters)
{
	BaseContainer cube;
	cube.SetVector(PRIM_CUBE_LEN, Vector(2.0));
	cube.SetInt32(PRIM_CUBE_SUBX, 1);
	cube.SetInt32(PRIM_CUBE_SUBY, 1);
	cube.SetInt32(PRIM_CUBE_SUBZ, 1);
	PolygonObject* c = Generate(Ocube, cube);
	ASSERT_NE(c, nullptr);
	EXPECT_EQ(c->GetPointCount(), 8);
	EXPECT_EQ(c->GetPolygonCount(), 6);
	EXPECT_NEAR(MaxRadius(c), std::sqrt(3.0), 1e-12);
	PolygonObject::Free(c);

	BaseContainer sphere;
	sphere.SetFloat(PRIM_SPHERE_RAD, 0.5);
	sphere.SetInt32(PRIM_SPHERE_SUB, 12);
	PolygonObject* s = Generate(Osphere, sphere);
	ASSERT_NE(s, nullptr);
	EXPECT_NEAR(MaxRadius(s), 0.5, 1e-12);
	EXPECT_GT(s->GetPolygonCount(), 12);
	PolygonObject::Free(s);

	BaseContainer platonic;
	platonic.SetFloat(PRIM_PLATONIC_RAD, 0.5);
	platonic.SetInt32(PRIM_PLATONIC_TYPE, PRIM_PLATONIC_TYPE_ICOSA);
	PolygonObject* ico = Generate(Oplatonic, platonic);
	ASSERT_NE(ico, nullptr);
	EXPECT_EQ(ico->GetPointCount(), 12);
	EXPECT_EQ(ico->GetPolygonCount(), 20);
	PolygonObject::Free(ico);

	BaseContainer pyramid;
	pyramid.SetVector(PRIM_PYRAMID_LEN, Vector(1.0));
	PolygonObject* p = Generate(Opyramid, pyramid);
	ASSERT_NE(p, nullptr);
	EXPECT_EQ(p->GetPointCount(), 5);
	PolygonObject::Free(p);

	EXPECT_EQ(GeneratePrimitive(nullptr, Onull, BaseContainer(), 1.0, false, nullptr), nullptr);
}

TEST(AlignNormalsCommand, TurnsAnInsideOutCubeOutward)
{
	BaseContainer bc;
	bc.SetVector(PRIM_CUBE_LEN, Vector(2.0));
	PolygonObject* cube = Generate(Ocube, bc);
	ASSERT_NE(cube, nullptr);
	ModelingCommandData reverse;
	reverse.op = cube;
	ASSERT_TRUE(SendModelingCommand(MCOMMAND_REVERSENORMALS, reverse));
	const CPolygon* polys = cube->GetPolygonR();
	const Vector* points = cube->GetPointR();
	auto outward = [&](const CPolygon& p)
	{
		const Vector n = Cross(points[p.b] - points[p.a], points[p.c] - points[p.a]);
		return Dot(n, points[p.a] + points[p.c]) > 0.0;
	};
	EXPECT_FALSE(outward(polys[0]));

	surfax::test::TestDocument doc;
	ModelingCommandData align;
	align.op = cube;
	align.doc = doc.Get();
	ASSERT_TRUE(SendModelingCommand(MCOMMAND_ALIGNNORMALS, align));
	for (Int32 i = 0; i < cube->GetPolygonCount(); ++i)
		EXPECT_TRUE(outward(polys[i])) << "polygon " << i;
	PolygonObject::Free(cube);

	ModelingCommandData none;
	EXPECT_FALSE(SendModelingCommand(MCOMMAND_ALIGNNORMALS, none));
}
