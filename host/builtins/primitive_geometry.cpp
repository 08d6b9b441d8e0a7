#include "host/builtins/primitive_geometry.h"

#include "host/core/memory.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <utility>

namespace surfax::builtins
{
namespace
{
using cinema::CPolygon;
using cinema::Float;
using cinema::Int32;
using cinema::Vector;

bool IsValidLength(Float v)
{
	return std::isfinite(v) && v >= 0.0;
}

bool IsValidSize(const Vector& v)
{
	return IsValidLength(v.x) && IsValidLength(v.y) && IsValidLength(v.z);
}

Int32 ClampSegments(Int32 segments, Int32 lowest)
{
	return maxon::ClampValue(segments, lowest, kMaxPrimitiveSegments);
}

// Runs a builder with `out` cleared first and cleared again if it fails, so callers never see half a mesh and
// no allocation failure escapes.
template <typename Build> bool BuildGuarded(MeshData& out, Build&& build)
{
	out.points.clear();
	out.polygons.clear();
	bool ok = false;
	try
	{
		ok = build();
	}
	catch (const std::bad_alloc&)
	{
		core::NoteRefusedAllocation();
		ok = false;
	}
	if (!ok)
	{
		out.points.clear();
		out.polygons.clear();
	}
	return ok;
}

// Position of lattice column (i, k) on the boundary of an nx by nz rectangle, walking from (0, 0) along +x, then
// +z, then -x, then -z back to the start. Cube and pyramid layers share this ring order, which is what welds
// the side faces to each other along the vertical edges.
Int32 RingPosition(Int32 i, Int32 k, Int32 nx, Int32 nz)
{
	if (k == 0)
		return i;
	if (i == nx)
		return nx + k;
	if (k == nz)
		return nx + nz + (nx - i);
	return 2 * nx + nz + (nz - k);
}

// Point indices of the surface of an nx by ny by nz lattice: ny + 1 rings of 2 (nx + nz) points, bottom to
// top, followed by the inner points of the bottom cap and then of the top cap.
struct BoxLattice
{
	Int32 n[3] = {1, 1, 1};

	Int32 RingSize() const { return 2 * (n[0] + n[2]); }
	Int32 CapInnerCount() const { return (n[0] - 1) * (n[2] - 1); }
	Int32 PointCount() const { return (n[1] + 1) * RingSize() + 2 * CapInnerCount(); }

	Int32 Index(Int32 i, Int32 j, Int32 k) const
	{
		const bool inner = i > 0 && i < n[0] && k > 0 && k < n[2];
		if (!inner)
			return j * RingSize() + RingPosition(i, k, n[0], n[2]);
		const Int32 capBase = (n[1] + 1) * RingSize() + (j == 0 ? 0 : CapInnerCount());
		return capBase + (k - 1) * (n[0] - 1) + (i - 1);
	}
};

CPolygon Reversed(const CPolygon& p)
{
	if (p.c == p.d)
		return CPolygon(p.a, p.c, p.b);
	return CPolygon(p.a, p.d, p.c, p.b);
}

// Appends `p` turned so that its normal points away from the origin (the centre of every solid built here).
void AddOutward(MeshData& mesh, const CPolygon& p)
{
	const Vector& a = mesh.points[static_cast<std::size_t>(p.a)];
	const Vector& b = mesh.points[static_cast<std::size_t>(p.b)];
	const Vector& c = mesh.points[static_cast<std::size_t>(p.c)];
	const Vector& d = mesh.points[static_cast<std::size_t>(p.d)];
	const Vector normal = Cross(b - a, c - a);
	mesh.polygons.push_back(Dot(normal, a + b + c + d) < 0.0 ? Reversed(p) : p);
}

// Triangles of a convex solid whose faces are equilateral triangles of the shortest point distance
// (tetrahedron, octahedron, icosahedron), found by testing every triple of points.
void AddEquilateralFaces(MeshData& mesh)
{
	const Int32 count = static_cast<Int32>(mesh.points.size());
	const auto distance = [&](Int32 i, Int32 j)
	{ return (mesh.points[static_cast<std::size_t>(i)] - mesh.points[static_cast<std::size_t>(j)]).GetLength(); };
	Float edge = 1e300;
	for (Int32 i = 0; i < count; ++i)
		for (Int32 j = i + 1; j < count; ++j)
			edge = std::min(edge, distance(i, j));
	const auto isEdge = [&](Int32 i, Int32 j) { return distance(i, j) < edge * (1.0 + 1e-9); };
	for (Int32 i = 0; i < count; ++i)
		for (Int32 j = i + 1; j < count; ++j)
		{
			if (!isEdge(i, j))
				continue;
			for (Int32 k = j + 1; k < count; ++k)
				if (isEdge(i, k) && isEdge(j, k))
					AddOutward(mesh, CPolygon(i, j, k));
		}
}

void AddIcosahedronPoints(MeshData& mesh)
{
	const Float phi = 0.5 * (1.0 + std::sqrt(5.0));
	for (const Float s : {-1.0, 1.0})
		for (const Float t : {-1.0, 1.0})
		{
			mesh.points.push_back(Vector(0.0, s, t * phi));
			mesh.points.push_back(Vector(s, t * phi, 0.0));
			mesh.points.push_back(Vector(t * phi, 0.0, s));
		}
}

// The dodecahedron is the icosahedron's dual: one corner per icosahedron face (its centre pushed out to the
// sphere) and one pentagon per icosahedron corner, made of the five faces around it in angular order.
void BuildDodecahedron(MeshData& mesh)
{
	MeshData ico;
	AddIcosahedronPoints(ico);
	for (Vector& p : ico.points)
		p.Normalize();
	AddEquilateralFaces(ico);

	for (const CPolygon& f : ico.polygons)
	{
		const Vector centre = ico.points[static_cast<std::size_t>(f.a)] + ico.points[static_cast<std::size_t>(f.b)] +
		                      ico.points[static_cast<std::size_t>(f.c)];
		mesh.points.push_back(centre.GetNormalized());
	}

	const Int32 faceCount = static_cast<Int32>(ico.polygons.size());
	for (Int32 v = 0; v < static_cast<Int32>(ico.points.size()); ++v)
	{
		const Vector axis = ico.points[static_cast<std::size_t>(v)];
		std::array<std::pair<Float, Int32>, 5> ring{};
		std::size_t found = 0;
		Vector reference;
		Vector side;
		for (Int32 f = 0; f < faceCount && found < ring.size(); ++f)
		{
			const CPolygon& face = ico.polygons[static_cast<std::size_t>(f)];
			if (face.a != v && face.b != v && face.c != v)
				continue;
			const Vector offset = mesh.points[static_cast<std::size_t>(f)] - axis;
			if (found == 0)
			{
				reference = offset;
				side = Cross(axis, reference);
			}
			ring[found++] = {std::atan2(Dot(offset, side), Dot(offset, reference)), f};
		}
		std::sort(ring.begin(), ring.end());
		AddOutward(mesh, CPolygon(ring[0].second, ring[1].second, ring[2].second, ring[3].second));
		AddOutward(mesh, CPolygon(ring[0].second, ring[3].second, ring[4].second));
	}
}

void BuildHexahedron(MeshData& mesh)
{
	const Float s = 1.0 / std::sqrt(3.0);
	for (Int32 corner = 0; corner < 8; ++corner)
		mesh.points.push_back(Vector(corner & 1 ? s : -s, corner & 2 ? s : -s, corner & 4 ? s : -s));
	// Corner bits: x is 1, y is 2, z is 4. Each face fixes one bit and walks the other two around.
	for (Int32 axis = 0; axis < 3; ++axis)
	{
		const Int32 fixed = 1 << axis;
		const Int32 u = 1 << ((axis + 1) % 3);
		const Int32 v = 1 << ((axis + 2) % 3);
		for (const Int32 base : {0, fixed})
			AddOutward(mesh, CPolygon(base, base | u, base | u | v, base | v));
	}
}

bool MakeCube(const Vector& size, Int32 segX, Int32 segY, Int32 segZ, MeshData& out)
{
	if (!IsValidSize(size))
		return false;
	BoxLattice lattice;
	lattice.n[0] = ClampSegments(segX, 1);
	lattice.n[1] = ClampSegments(segY, 1);
	lattice.n[2] = ClampSegments(segZ, 1);
	const Int32* n = lattice.n;

	out.points.resize(static_cast<std::size_t>(lattice.PointCount()));
	for (Int32 j = 0; j <= n[1]; ++j)
		for (Int32 k = 0; k <= n[2]; ++k)
			for (Int32 i = 0; i <= n[0]; ++i)
				if (j == 0 || j == n[1] || i == 0 || i == n[0] || k == 0 || k == n[2])
					out.points[static_cast<std::size_t>(lattice.Index(i, j, k))] =
					    Vector((Float(i) / n[0] - 0.5) * size.x, (Float(j) / n[1] - 0.5) * size.y,
					           (Float(k) / n[2] - 0.5) * size.z);

	// One face per axis and side. U and V are chosen so that Cross(U, V) points out of the face, which makes the
	// quad (u, v), (u+1, v), (u+1, v+1), (u, v+1) face outward.
	struct Face
	{
		Int32 axis, u, v;
		bool high;
	};
	const Face faces[6] = {{0, 1, 2, true},  {0, 2, 1, false}, {1, 2, 0, true},
	                       {1, 0, 2, false}, {2, 0, 1, true},  {2, 1, 0, false}};
	out.polygons.reserve(static_cast<std::size_t>(2 * (n[0] * n[1] + n[1] * n[2] + n[2] * n[0])));
	for (const Face& face : faces)
	{
		const auto index = [&](Int32 u, Int32 v)
		{
			Int32 c[3];
			c[face.axis] = face.high ? n[face.axis] : 0;
			c[face.u] = u;
			c[face.v] = v;
			return lattice.Index(c[0], c[1], c[2]);
		};
		for (Int32 v = 0; v < n[face.v]; ++v)
			for (Int32 u = 0; u < n[face.u]; ++u)
				out.polygons.push_back(CPolygon(index(u, v), index(u + 1, v), index(u + 1, v + 1), index(u, v + 1)));
	}
	return true;
}

bool MakeSphere(Float radius, Int32 segments, MeshData& out)
{
	if (!IsValidLength(radius))
		return false;
	const Int32 around = ClampSegments(segments, 3);
	const Int32 bands = std::max<Int32>(2, around / 2);
	const Int32 rings = bands - 1;
	const Int32 south = 1 + rings * around;
	const auto ringPoint = [&](Int32 ring, Int32 j) { return 1 + ring * around + j % around; };

	out.points.reserve(static_cast<std::size_t>(south + 1));
	out.points.push_back(Vector(0.0, radius, 0.0));
	for (Int32 ring = 0; ring < rings; ++ring)
	{
		const Float theta = cinema::PI * Float(ring + 1) / Float(bands);
		for (Int32 j = 0; j < around; ++j)
		{
			const Float phi = cinema::PI2 * Float(j) / Float(around);
			const Vector direction(std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi));
			// Normalising first keeps every point at the radius to rounding, whatever sin and cos return.
			out.points.push_back(direction.GetNormalized() * radius);
		}
	}
	out.points.push_back(Vector(0.0, -radius, 0.0));

	// Rings run from north to south and each ring goes round in +phi: a quad walks along its upper ring, then
	// down, which faces outward; the caps match the quads' winding on their shared edges.
	out.polygons.reserve(static_cast<std::size_t>(around * bands));
	for (Int32 j = 0; j < around; ++j)
		out.polygons.push_back(CPolygon(0, ringPoint(0, j + 1), ringPoint(0, j)));
	for (Int32 ring = 0; ring + 1 < rings; ++ring)
		for (Int32 j = 0; j < around; ++j)
			out.polygons.push_back(CPolygon(ringPoint(ring, j), ringPoint(ring, j + 1), ringPoint(ring + 1, j + 1),
			                                ringPoint(ring + 1, j)));
	for (Int32 j = 0; j < around; ++j)
		out.polygons.push_back(CPolygon(ringPoint(rings - 1, j), ringPoint(rings - 1, j + 1), south));
	return true;
}

bool MakePyramid(const Vector& size, Int32 segments, MeshData& out)
{
	if (!IsValidSize(size))
		return false;
	const Int32 n = ClampSegments(segments, 1);
	const Int32 ringSize = 4 * n;
	const Int32 apex = n * ringSize;
	const Int32 baseInner = apex + 1;
	// Layers 0..n-1 are rings shrinking towards the apex; the base grid reuses ring 0 for its border.
	const auto basePoint = [&](Int32 i, Int32 k)
	{
		if (i > 0 && i < n && k > 0 && k < n)
			return baseInner + (k - 1) * (n - 1) + (i - 1);
		return RingPosition(i, k, n, n);
	};
	const auto ringPoint = [&](Int32 layer, Int32 position) { return layer * ringSize + position % ringSize; };

	out.points.resize(static_cast<std::size_t>(baseInner + (n - 1) * (n - 1)));
	for (Int32 layer = 0; layer < n; ++layer)
	{
		const Float shrink = Float(n - layer) / Float(n);
		const Float y = (Float(layer) / Float(n) - 0.5) * size.y;
		for (Int32 k = 0; k <= n; ++k)
			for (Int32 i = 0; i <= n; ++i)
				if (i == 0 || i == n || k == 0 || k == n)
					out.points[static_cast<std::size_t>(ringPoint(layer, RingPosition(i, k, n, n)))] =
					    Vector((Float(i) / n - 0.5) * size.x * shrink, y, (Float(k) / n - 0.5) * size.z * shrink);
	}
	out.points[static_cast<std::size_t>(apex)] = Vector(0.0, 0.5 * size.y, 0.0);
	for (Int32 k = 1; k < n; ++k)
		for (Int32 i = 1; i < n; ++i)
			out.points[static_cast<std::size_t>(basePoint(i, k))] =
			    Vector((Float(i) / n - 0.5) * size.x, -0.5 * size.y, (Float(k) / n - 0.5) * size.z);

	out.polygons.reserve(static_cast<std::size_t>(ringSize * n + n * n));
	// Sides: the ring runs along +x on the -z side, so going up first and then along the ring faces out.
	for (Int32 layer = 0; layer < n; ++layer)
		for (Int32 r = 0; r < ringSize; ++r)
		{
			const Int32 a = ringPoint(layer, r);
			const Int32 d = ringPoint(layer, r + 1);
			if (layer + 1 == n)
				out.polygons.push_back(CPolygon(a, apex, d));
			else
				out.polygons.push_back(CPolygon(a, ringPoint(layer + 1, r), ringPoint(layer + 1, r + 1), d));
		}
	// Base: facing -y, so walk +x then +z (Cross(x, z) is -y).
	for (Int32 k = 0; k < n; ++k)
		for (Int32 i = 0; i < n; ++i)
			out.polygons.push_back(
			    CPolygon(basePoint(i, k), basePoint(i + 1, k), basePoint(i + 1, k + 1), basePoint(i, k + 1)));
	return true;
}

bool MakePlatonic(Float radius, Int32 type, MeshData& out)
{
	if (!IsValidLength(radius))
		return false;
	// Built on the unit sphere so faces can be turned outward even when the radius is 0, then scaled.
	switch (type)
	{
	case kPlatonicTetrahedron:
		for (const Vector& p : {Vector(1, 1, 1), Vector(1, -1, -1), Vector(-1, 1, -1), Vector(-1, -1, 1)})
			out.points.push_back(p.GetNormalized());
		AddEquilateralFaces(out);
		break;
	case kPlatonicHexahedron:
		BuildHexahedron(out);
		break;
	case kPlatonicOctahedron:
		for (const Vector& p :
		     {Vector(1, 0, 0), Vector(-1, 0, 0), Vector(0, 1, 0), Vector(0, -1, 0), Vector(0, 0, 1), Vector(0, 0, -1)})
			out.points.push_back(p);
		AddEquilateralFaces(out);
		break;
	case kPlatonicDodecahedron:
		BuildDodecahedron(out);
		break;
	case kPlatonicIcosahedron:
		AddIcosahedronPoints(out);
		for (Vector& p : out.points)
			p.Normalize();
		AddEquilateralFaces(out);
		break;
	default:
		return false; // includes the buckyball, which is not built
	}
	for (Vector& p : out.points)
		p *= radius;
	return true;
}
} // namespace

bool BuildCube(const Vector& size, Int32 segX, Int32 segY, Int32 segZ, MeshData& out)
{
	return BuildGuarded(out, [&] { return MakeCube(size, segX, segY, segZ, out); });
}

bool BuildSphere(Float radius, Int32 segments, MeshData& out)
{
	return BuildGuarded(out, [&] { return MakeSphere(radius, segments, out); });
}

bool BuildPyramid(const Vector& size, Int32 segments, MeshData& out)
{
	return BuildGuarded(out, [&] { return MakePyramid(size, segments, out); });
}

bool BuildPlatonic(Float radius, Int32 type, MeshData& out)
{
	return BuildGuarded(out, [&] { return MakePlatonic(radius, type, out); });
}
} // namespace surfax::builtins
