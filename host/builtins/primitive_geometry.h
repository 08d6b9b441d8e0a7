// Meshes of the host's built-in primitives: cube, sphere, pyramid and the platonic solids.
//
// Space: the application's (left-handed, y up), lengths in scene units. Every mesh is centred on the origin.
//
// Normal convention: the face normal of polygon (a, b, c, d) is Cross(p[b] - p[a], p[c] - p[a]) with the SDK's
// Cross (x = ay bz - az by, ...). A polygon faces outward when this normal points away from the solid's centre.
// Every mesh built here is closed, faces outward everywhere, and shares each edge between exactly two polygons
// that run along it in opposite directions. Triangles store their third index twice (c == d).
#ifndef SURFAX_HOST_BUILTINS_PRIMITIVE_GEOMETRY_H
#define SURFAX_HOST_BUILTINS_PRIMITIVE_GEOMETRY_H

#include "c4d_polygon.h"
#include "ge_math.h"

#include <vector>

namespace surfax::builtins
{
/// Points and polygons of one mesh; the polygons index into points.
struct MeshData
{
	std::vector<cinema::Vector> points;
	std::vector<cinema::CPolygon> polygons;
};

/// Segment counts are clamped to this many per edge (cube, pyramid) or around (sphere).
constexpr cinema::Int32 kMaxPrimitiveSegments = 1000;

/// Platonic solid types, as the platonic object's type parameter numbers them.
enum PlatonicType : cinema::Int32
{
	kPlatonicTetrahedron = 0,
	kPlatonicHexahedron = 1,
	kPlatonicOctahedron = 2,
	kPlatonicDodecahedron = 3,
	kPlatonicIcosahedron = 4,
	kPlatonicBuckyball = 5 // not built: BuildPlatonic returns false
};

/// Every builder below replaces the contents of `out`. On failure (false) `out` is left empty. Failure means an
/// argument out of its domain as stated, or memory running out.

/// Box with edge lengths size.x, size.y, size.z (each finite, >= 0). Each face is a grid of quads with segX
/// segments along x, segY along y and segZ along z, each count clamped to 1..kMaxPrimitiveSegments. Points along shared
/// edges and corners are welded: a one-segment cube has 8 points and 6 quads; in general (sx+1)(sy+1)(sz+1) -
/// (sx-1)(sy-1)(sz-1) points and 2(sx sy + sy sz + sz sx) quads.
bool BuildCube(const cinema::Vector& size, cinema::Int32 segX, cinema::Int32 segY, cinema::Int32 segZ, MeshData& out);

/// UV sphere of the given radius (finite, >= 0). `segments` is the number of divisions around the y axis,
/// clamped to 3..kMaxPrimitiveSegments; max(2, segments / 2) bands run from the north pole (+y) to the south
/// pole. One point per pole, triangles around the poles and quads elsewhere: segments * (bands - 1) + 2 points,
/// 2 * segments triangles and segments * (bands - 2) quads. Every point lies at distance `radius` from the
/// origin (to rounding).
bool BuildSphere(cinema::Float radius, cinema::Int32 segments, MeshData& out);

/// Four-sided pyramid: base size.x by size.z at y = -size.y / 2, apex at (0, size.y / 2, 0); sizes finite and
/// >= 0. `segments` (clamped to 1..kMaxPrimitiveSegments) divides every base edge and the height: the base is a
/// grid of n^2 quads (n = segments), each side face has n - 1 rows of n quads and a row of n triangles meeting
/// at the apex: 4 n^2 + 1 + (n - 1)^2 points, 4 n triangles, 4 n (n - 1) + n^2 quads. One segment gives 5 points,
/// 4 triangles and 1 quad.
bool BuildPyramid(const cinema::Vector& size, cinema::Int32 segments, MeshData& out);

/// Platonic solid with every corner at distance `radius` (finite, >= 0) from the origin; `type` is a
/// PlatonicType. Tetrahedron: 4 points, 4 triangles. Hexahedron: 8 points, 6 quads, edges parallel to the axes.
/// Octahedron: 6 points on the axes, 8 triangles. Dodecahedron: 20 points; each pentagon is stored as a quad and
/// a triangle (12 of each). Icosahedron: 12 points, 20 triangles. Buckyball and unknown types: false.
bool BuildPlatonic(cinema::Float radius, cinema::Int32 type, MeshData& out);
} // namespace surfax::builtins

#endif // SURFAX_HOST_BUILTINS_PRIMITIVE_GEOMETRY_H
