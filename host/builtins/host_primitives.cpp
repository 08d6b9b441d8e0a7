// GeneratePrimitive and the modelling commands the plug-in uses, on top of the geometry builders.
#include "c4d_general.h"
#include "ocube.h"
#include "oplatonic.h"
#include "opyramid.h"
#include "osphere.h"

#include "host/builtins/align_normals.h"
#include "host/builtins/primitive_geometry.h"
#include "host/plugins/registry.h"

#include <algorithm>

namespace cinema
{
namespace
{
// The application's defaults for the primitive parameters a container leaves out.
constexpr Float kDefaultCubeEdge = 200.0;
constexpr Float kDefaultRadius = 100.0;
constexpr Int32 kDefaultSphereSegments = 24;

bool BuildMesh(Int32 type, const BaseContainer& bc, surfax::builtins::MeshData& mesh)
{
	switch (type)
	{
	case Ocube:
		return surfax::builtins::BuildCube(bc.GetVector(PRIM_CUBE_LEN, Vector(kDefaultCubeEdge)),
		                                   bc.GetInt32(PRIM_CUBE_SUBX, 1), bc.GetInt32(PRIM_CUBE_SUBY, 1),
		                                   bc.GetInt32(PRIM_CUBE_SUBZ, 1), mesh);
	case Osphere:
		return surfax::builtins::BuildSphere(bc.GetFloat(PRIM_SPHERE_RAD, kDefaultRadius),
		                                     bc.GetInt32(PRIM_SPHERE_SUB, kDefaultSphereSegments), mesh);
	case Opyramid:
		return surfax::builtins::BuildPyramid(bc.GetVector(PRIM_PYRAMID_LEN, Vector(kDefaultCubeEdge)),
		                                      bc.GetInt32(PRIM_PYRAMID_SUB, 1), mesh);
	case Oplatonic:
		return surfax::builtins::BuildPlatonic(bc.GetFloat(PRIM_PLATONIC_RAD, kDefaultRadius),
		                                       bc.GetInt32(PRIM_PLATONIC_TYPE, PRIM_PLATONIC_TYPE_TETRA), mesh);
	default:
		return false;
	}
}
} // namespace

BaseObject* GeneratePrimitive(const BaseDocument*, Int32 type, const BaseContainer& bc, Float, Bool, BaseThread*)
{
	surfax::builtins::MeshData mesh;
	if (!BuildMesh(type, bc, mesh))
		return nullptr;
	PolygonObject* poly =
	    PolygonObject::Alloc(static_cast<Int32>(mesh.points.size()), static_cast<Int32>(mesh.polygons.size()));
	if (poly == nullptr)
		return nullptr;
	if (!mesh.points.empty())
		std::copy(mesh.points.begin(), mesh.points.end(), poly->GetPointW());
	if (!mesh.polygons.empty())
		std::copy(mesh.polygons.begin(), mesh.polygons.end(), poly->GetPolygonW());
	if (const surfax::plugins::ObjectType* primitive = surfax::plugins::FindObjectType(type))
		poly->SetName(String(primitive->displayName));
	return poly;
}

Bool SendModelingCommand(Int32 command, ModelingCommandData& data)
{
	if (data.op == nullptr || !data.op->IsInstanceOf(Opolygon))
		return false;
	PolygonObject* poly = static_cast<PolygonObject*>(data.op);
	switch (command)
	{
	case MCOMMAND_ALIGNNORMALS:
	{
		const Int32 flipped = surfax::builtins::AlignNormals(poly->GetPointR(), poly->GetPointCount(),
		                                                     poly->GetPolygonW(), poly->GetPolygonCount());
		if (flipped < 0)
			return false;
		poly->Message(MSG_UPDATE);
		return true;
	}
	case MCOMMAND_REVERSENORMALS:
	{
		CPolygon* polygons = poly->GetPolygonW();
		for (Int32 i = 0; i < poly->GetPolygonCount(); ++i)
		{
			CPolygon& p = polygons[i];
			p = p.IsTriangle() ? CPolygon(p.a, p.c, p.b) : CPolygon(p.a, p.d, p.c, p.b);
		}
		poly->Message(MSG_UPDATE);
		return true;
	}
	default:
		return false;
	}
}
} // namespace cinema
