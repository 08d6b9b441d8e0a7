// Checks on polygon meshes shared by the primitive and normal-alignment tests. They are written independently of
// the host's code (ordered maps, no sorting tricks) so a fault in one is not mirrored in the other.
#ifndef SURFAX_TESTS_SUPPORT_MESH_CHECKS_H
#define SURFAX_TESTS_SUPPORT_MESH_CHECKS_H

#include "c4d_polygon.h"
#include "ge_math.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace surfax::test
{
/// Corner indices of a polygon: three for a triangle (c == d), four otherwise.
inline std::vector<cinema::Int32> Corners(const cinema::CPolygon& p)
{
	if (p.c == p.d)
		return {p.a, p.b, p.c};
	return {p.a, p.b, p.c, p.d};
}

/// Normal by the host's convention: Cross(b - a, c - a).
inline cinema::Vector FaceNormal(const std::vector<cinema::Vector>& points, const cinema::CPolygon& p)
{
	const cinema::Vector& a = points[static_cast<std::size_t>(p.a)];
	return Cross(points[static_cast<std::size_t>(p.b)] - a, points[static_cast<std::size_t>(p.c)] - a);
}

inline cinema::Vector FaceCentre(const std::vector<cinema::Vector>& points, const cinema::CPolygon& p)
{
	const std::vector<cinema::Int32> corners = Corners(p);
	cinema::Vector sum;
	for (const cinema::Int32 i : corners)
		sum += points[static_cast<std::size_t>(i)];
	return sum / static_cast<double>(corners.size());
}

/// Number of polygons whose normal does not point away from `centre` (meant for convex solids).
inline int CountFacesNotPointingAwayFrom(const std::vector<cinema::Vector>& points,
                                         const std::vector<cinema::CPolygon>& polygons,
                                         const cinema::Vector& centre = cinema::Vector())
{
	int wrong = 0;
	for (const cinema::CPolygon& p : polygons)
		if (!(Dot(FaceNormal(points, p), FaceCentre(points, p) - centre) > 0.0))
			++wrong;
	return wrong;
}

/// Directed edges (from, to) of all polygons with how often each occurs.
inline std::map<std::pair<cinema::Int32, cinema::Int32>, int>
DirectedEdges(const std::vector<cinema::CPolygon>& polygons)
{
	std::map<std::pair<cinema::Int32, cinema::Int32>, int> edges;
	for (const cinema::CPolygon& p : polygons)
	{
		const std::vector<cinema::Int32> corners = Corners(p);
		for (std::size_t i = 0; i < corners.size(); ++i)
			++edges[{corners[i], corners[(i + 1) % corners.size()]}];
	}
	return edges;
}

/// True when every edge is used by exactly two polygons, once in each direction: a closed surface with
/// consistent winding.
inline bool IsClosedAndConsistent(const std::vector<cinema::CPolygon>& polygons)
{
	const auto edges = DirectedEdges(polygons);
	for (const auto& [edge, count] : edges)
	{
		const auto reverse = edges.find({edge.second, edge.first});
		if (count != 1 || reverse == edges.end() || reverse->second != 1)
			return false;
	}
	return !edges.empty();
}

/// True when no directed edge occurs twice: neighbouring polygons run along shared edges in opposite
/// directions (open borders allowed).
inline bool IsConsistentlyWound(const std::vector<cinema::CPolygon>& polygons)
{
	for (const auto& entry : DirectedEdges(polygons))
		if (entry.second != 1)
			return false;
	return true;
}

/// Number of distinct undirected edges.
inline std::size_t CountEdges(const std::vector<cinema::CPolygon>& polygons)
{
	std::set<std::pair<cinema::Int32, cinema::Int32>> edges;
	for (const auto& entry : DirectedEdges(polygons))
		edges.insert(
		    {std::min(entry.first.first, entry.first.second), std::max(entry.first.first, entry.first.second)});
	return edges.size();
}

} // namespace surfax::test

#endif // SURFAX_TESTS_SUPPORT_MESH_CHECKS_H
