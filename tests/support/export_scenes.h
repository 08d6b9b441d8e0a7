// Test support for the export tests: polygon objects from point and polygon lists, and a surface like the mesh
// component's (a grid with uvs, vertex colours and a Phong tag).
#ifndef SURFAX_TESTS_SUPPORT_EXPORT_SCENES_H
#define SURFAX_TESTS_SUPPORT_EXPORT_SCENES_H

#include "c4d.h"
#include "support/host_fixture.h"

#include <vector>

namespace surfax::test
{
/// A polygon object with these points and polygons, inserted into doc (as the last child of parent when given).
/// Null (and the test failed) when it cannot be made.
cinema::PolygonObject* AddPolygon(TestDocument& doc, const std::vector<cinema::Vector>& points,
                                  const std::vector<cinema::CPolygon>& polygons, cinema::BaseObject* parent = nullptr);

/// A free polygon object: a square surface of n x n quads over x, z in -100..100 with y = 30 sin(x/20) cos(z/30),
/// a UVW tag (u along x, v along z), a vertex colour tag (a blue to red ramp over the height) and a Phong tag.
/// The caller owns it. Null when memory runs out.
cinema::PolygonObject* MakeSurface(cinema::Int32 n);
} // namespace surfax::test

#endif
