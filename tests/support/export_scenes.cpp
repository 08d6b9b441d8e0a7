#include "support/export_scenes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace surfax::test
{
using namespace cinema;

PolygonObject* AddPolygon(TestDocument& doc, const std::vector<Vector>& points, const std::vector<CPolygon>& polygons,
                          BaseObject* parent)
{
	BaseObject* op = doc.Add(Opolygon, parent);
	if (op == nullptr)
		return nullptr;
	PolygonObject* poly = static_cast<PolygonObject*>(op);
	if (!poly->ResizeObject(static_cast<Int32>(points.size()), static_cast<Int32>(polygons.size())))
	{
		ADD_FAILURE() << "cannot size the polygon object";
		return nullptr;
	}
	for (std::size_t i = 0; i < points.size(); ++i)
		poly->GetPointW()[i] = points[i];
	for (std::size_t i = 0; i < polygons.size(); ++i)
		poly->GetPolygonW()[i] = polygons[i];
	return poly;
}

PolygonObject* MakeSurface(Int32 n)
{
	const Int32 side = n + 1;
	PolygonObject* poly = PolygonObject::Alloc(side * side, n * n);
	if (poly == nullptr)
		return nullptr;
	Vector* points = poly->GetPointW();
	for (Int32 i = 0; i < side; ++i)
	{
		for (Int32 j = 0; j < side; ++j)
		{
			const double x = -100.0 + 200.0 * i / n;
			const double z = -100.0 + 200.0 * j / n;
			points[i * side + j] = Vector(x, 30.0 * std::sin(x / 20.0) * std::cos(z / 30.0), z);
		}
	}
	CPolygon* polygons = poly->GetPolygonW();
	UVWTag* uvw = static_cast<UVWTag*>(poly->MakeVariableTag(Tuvw, n * n));
	VertexColorTag* colors = static_cast<VertexColorTag*>(poly->MakeVariableTag(Tvertexcolor, side * side));
	if (uvw == nullptr || colors == nullptr || poly->MakeTag(Tphong) == nullptr)
	{
		BaseObject* op = poly;
		BaseObject::Free(op);
		return nullptr;
	}
	UVWHandle uv = uvw->GetDataAddressW();
	for (Int32 i = 0; i < n; ++i)
	{
		for (Int32 j = 0; j < n; ++j)
		{
			const Int32 a = i * side + j;
			polygons[i * n + j] = CPolygon(a, a + 1, a + side + 1, a + side);
			const double u0 = double(i) / n, u1 = double(i + 1) / n, v0 = double(j) / n, v1 = double(j + 1) / n;
			UVWTag::Set(uv, i * n + j,
			            UVWStruct(Vector(u0, v0, 0), Vector(u0, v1, 0), Vector(u1, v1, 0), Vector(u1, v0, 0)));
		}
	}
	VertexColorHandle rgba = colors->GetDataAddressW();
	for (Int32 k = 0; k < side * side; ++k)
	{
		const float t = static_cast<float>((points[k].y + 30.0) / 60.0);
		VertexColorTag::Set(rgba, nullptr, nullptr, k, maxon::ColorA32(t, 0.2f, 1.0f - t, 1.0f));
	}
	return poly;
}
} // namespace surfax::test
