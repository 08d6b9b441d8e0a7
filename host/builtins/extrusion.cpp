#include "host/builtins/extrusion.h"

#include "host/core/interruption.h"
#include "host/core/memory.h"

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <list>
#include <mutex>
#include <new>

namespace surfax::builtins
{
using namespace cinema;

namespace
{
struct Contour
{
	Int32 first = 0; // index into ContourSet::points
	Int32 size = 0;
	bool closed = false;
};

// Area vector of a closed contour: its direction is the normal around which the contour runs counter-clockwise.
Vector AreaVector(const std::vector<Vector>& points, const Contour& c)
{
	Vector sum;
	for (Int32 i = 0; i < c.size; ++i)
	{
		const Vector& a = points[static_cast<std::size_t>(c.first + i)];
		const Vector& b = points[static_cast<std::size_t>(c.first + (i + 1) % c.size)];
		sum += Cross(a, b);
	}
	return sum * 0.5;
}

// Even-odd test of a point against a closed contour, both projected onto the plane spanned by u and v.
bool Contains(const std::vector<Vector>& points, const Contour& c, const Vector& p, const Vector& u, const Vector& v)
{
	const double px = Dot(p, u);
	const double py = Dot(p, v);
	bool inside = false;
	for (Int32 i = 0, j = c.size - 1; i < c.size; j = i++)
	{
		const Vector& a = points[static_cast<std::size_t>(c.first + i)];
		const Vector& b = points[static_cast<std::size_t>(c.first + j)];
		const double ax = Dot(a, u), ay = Dot(a, v), bx = Dot(b, u), by = Dot(b, v);
		if ((ay > py) != (by > py) && px < (bx - ax) * (py - ay) / (by - ay) + ax)
			inside = !inside;
	}
	return inside;
}

struct Tessellation
{
	MeshData* mesh = nullptr;
	std::vector<Int32>* twin = nullptr; // moved twin of each start point
	std::vector<Int32> fan;             // the vertices of the current triangle
	bool failed = false;
};

void* EncodeIndex(Int32 index)
{
	return reinterpret_cast<void*>(static_cast<std::intptr_t>(index) + 1);
}

Int32 DecodeIndex(void* data)
{
	return static_cast<Int32>(reinterpret_cast<std::intptr_t>(data) - 1);
}

void GLAPIENTRY OnBegin(GLenum, void*) {}

void GLAPIENTRY OnEdgeFlag(GLboolean, void*)
{
	// Registering this callback makes the tessellator emit separate triangles only.
}

void GLAPIENTRY OnVertex(void* vertex, void* user)
{
	Tessellation& t = *static_cast<Tessellation*>(user);
	t.fan.push_back(DecodeIndex(vertex));
	if (t.fan.size() < 3)
		return;
	t.mesh->polygons.emplace_back(t.fan[0], t.fan[1], t.fan[2]);
	t.fan.clear();
}

void GLAPIENTRY OnEnd(void* user)
{
	static_cast<Tessellation*>(user)->fan.clear();
}

void GLAPIENTRY OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* user)
{
	Tessellation& t = *static_cast<Tessellation*>(user);
	const Int32 index = static_cast<Int32>(t.mesh->points.size());
	t.mesh->points.emplace_back(coords[0], coords[1], coords[2]);
	t.twin->push_back(-1); // filled in after the tessellation
	*out = EncodeIndex(index);
}

void GLAPIENTRY OnError(GLenum, void* user)
{
	static_cast<Tessellation*>(user)->failed = true;
}

template <typename F> _GLUfuncptr Callback(F* f)
{
	return reinterpret_cast<_GLUfuncptr>(f);
}

// GLU's tessellator does not survive its own allocations failing: with memory short it crashes inside
// gluTessEndPolygon. So the room it needs (a generous 512 bytes per vertex, well above its mesh, sweep and queue) is
// asked for first (core::RoomFor); without it the cap is not made.
constexpr std::size_t kTessellatorBytesPerVertex = 512;
constexpr std::size_t kTessellatorFixedBytes = std::size_t(64) << 10;

// Triangulates the closed contours (start points 0..) into start-cap triangles appended to mesh.polygons, in the
// tessellator's winding around normal, one group of contours at a time (GroupClosedContours). False when the
// tessellator fails, memory runs short or the process is asked to stop between two groups.
bool TessellateCap(const std::vector<Contour>& contours, const std::vector<std::vector<std::size_t>>& groups,
                   const std::vector<Vector>& points, const std::vector<Int32>& startIndex, const Vector& normal,
                   MeshData& mesh, std::vector<Int32>& twin)
{
	// The tessellator keeps pointers to the coordinates until its polygon ends: one array, never reallocated.
	std::vector<std::array<GLdouble, 3>> coords;
	coords.reserve(points.size());
	GLUtesselator* tess = gluNewTess();
	if (tess == nullptr)
		return false;
	Tessellation t;
	t.mesh = &mesh;
	t.twin = &twin;
	gluTessCallback(tess, GLU_TESS_BEGIN_DATA, Callback(&OnBegin));
	gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, Callback(&OnEdgeFlag));
	gluTessCallback(tess, GLU_TESS_VERTEX_DATA, Callback(&OnVertex));
	gluTessCallback(tess, GLU_TESS_END_DATA, Callback(&OnEnd));
	gluTessCallback(tess, GLU_TESS_COMBINE_DATA, Callback(&OnCombine));
	gluTessCallback(tess, GLU_TESS_ERROR_DATA, Callback(&OnError));
	gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
	gluTessNormal(tess, normal.x, normal.y, normal.z);
	for (const std::vector<std::size_t>& group : groups)
	{
		std::size_t groupPoints = 0;
		for (const std::size_t k : group)
			groupPoints += static_cast<std::size_t>(contours[k].size);
		if (t.failed || core::InterruptionSignal() != 0 ||
		    !core::RoomFor(kTessellatorFixedBytes + groupPoints * kTessellatorBytesPerVertex))
		{
			t.failed = true;
			break;
		}
		gluTessBeginPolygon(tess, &t);
		for (const std::size_t k : group)
		{
			const Contour& c = contours[k];
			gluTessBeginContour(tess);
			for (Int32 i = 0; i < c.size; ++i)
			{
				const Vector& p = points[static_cast<std::size_t>(c.first + i)];
				coords.push_back({p.x, p.y, p.z});
				gluTessVertex(tess, coords.back().data(), EncodeIndex(startIndex[k] + i));
			}
			gluTessEndContour(tess);
		}
		gluTessEndPolygon(tess);
	}
	gluDeleteTess(tess);
	return !t.failed;
}

// Where a closed contour lies in the plane spanned by u and v.
struct PlaneBox
{
	double minU = 0.0, maxU = 0.0, minV = 0.0, maxV = 0.0;

	bool Overlaps(const PlaneBox& o) const
	{
		return minU <= o.maxU && o.minU <= maxU && minV <= o.maxV && o.minV <= maxV;
	}
};

PlaneBox BoxOf(const std::vector<Vector>& points, const Contour& c, const Vector& u, const Vector& v)
{
	PlaneBox box;
	for (Int32 i = 0; i < c.size; ++i)
	{
		const Vector& p = points[static_cast<std::size_t>(c.first + i)];
		const double pu = Dot(p, u), pv = Dot(p, v);
		box.minU = i == 0 ? pu : std::min(box.minU, pu);
		box.maxU = i == 0 ? pu : std::max(box.maxU, pu);
		box.minV = i == 0 ? pv : std::min(box.minV, pv);
		box.maxV = i == 0 ? pv : std::max(box.maxV, pv);
	}
	return box;
}

std::size_t RootOf(std::vector<std::size_t>& parent, std::size_t k)
{
	while (parent[k] != k)
		k = parent[k] = parent[parent[k]];
	return k;
}

// The closed contours in groups that can be capped one by one: contours whose boxes overlap, directly or through
// others, share a group. A contour inside another (the counter of "0", "8" or "a") and contours that cross always
// overlap, so the even-odd region of all contours is the union of the groups' regions, each group's region is made
// from its own contours alone, and the work grows with the size of each group instead of the whole text. Groups are
// in the order of their first contour, each contour's index in order. Boxes are found by a sweep along the wider
// axis of the whole set, so text costs time linear in its length.
std::vector<std::vector<std::size_t>> GroupClosedContours(const std::vector<Contour>& contours,
                                                          const std::vector<Vector>& points, const Vector& u,
                                                          const Vector& v)
{
	std::vector<PlaneBox> boxes(contours.size());
	std::vector<std::size_t> closed;
	PlaneBox all;
	for (std::size_t k = 0; k < contours.size(); ++k)
	{
		if (!contours[k].closed)
			continue;
		boxes[k] = BoxOf(points, contours[k], u, v);
		const PlaneBox& b = boxes[k];
		all = closed.empty() ? b
		                     : PlaneBox{std::min(all.minU, b.minU), std::max(all.maxU, b.maxU),
		                                std::min(all.minV, b.minV), std::max(all.maxV, b.maxV)};
		closed.push_back(k);
	}
	const bool alongU = all.maxU - all.minU >= all.maxV - all.minV;
	const auto low = [&](std::size_t k) { return alongU ? boxes[k].minU : boxes[k].minV; };
	const auto high = [&](std::size_t k) { return alongU ? boxes[k].maxU : boxes[k].maxV; };
	std::vector<std::size_t> sweep = closed;
	std::stable_sort(sweep.begin(), sweep.end(), [&](std::size_t a, std::size_t b) { return low(a) < low(b); });
	std::vector<std::size_t> parent(contours.size());
	for (std::size_t k = 0; k < parent.size(); ++k)
		parent[k] = k;
	std::vector<std::size_t> active; // contours whose extent along the sweep reaches the current one
	for (const std::size_t k : sweep)
	{
		std::erase_if(active, [&](std::size_t a) { return high(a) < low(k); });
		for (const std::size_t a : active)
		{
			if (boxes[a].Overlaps(boxes[k]))
				parent[RootOf(parent, a)] = RootOf(parent, k);
		}
		active.push_back(k);
	}
	std::vector<std::vector<std::size_t>> groups;
	std::vector<std::size_t> groupOfRoot(contours.size(), SIZE_MAX);
	for (const std::size_t k : closed)
	{
		std::size_t& group = groupOfRoot[RootOf(parent, k)];
		if (group == SIZE_MAX)
		{
			group = groups.size();
			groups.emplace_back();
		}
		groups[group].push_back(k);
	}
	return groups;
}

bool IsFinite(const Vector& v)
{
	return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool Build(const ContourSet& input, const Vector& move, MeshData& out)
{
	for (const Vector& p : input.points)
	{
		if (!IsFinite(p))
			return false;
	}
	if (!IsFinite(move))
		return false;

	std::vector<Contour> contours;
	Int32 offset = 0;
	for (std::size_t k = 0; k < input.sizes.size(); ++k)
	{
		const Int32 size = input.sizes[k];
		if (size < 0 || static_cast<std::size_t>(offset) + static_cast<std::size_t>(size) > input.points.size())
			return false;
		const bool closed = k < input.closed.size() && input.closed[k];
		if (size >= (closed ? 3 : 2))
			contours.push_back(Contour{offset, size, closed});
		offset += size;
	}

	// The plane's normal: the largest closed contour's area vector, turned towards the movement.
	Vector normal;
	double largest = 0.0;
	for (const Contour& c : contours)
	{
		if (!c.closed)
			continue;
		const Vector area = AreaVector(input.points, c);
		const double length = area.GetLength();
		if (length > largest)
		{
			largest = length;
			normal = area / length;
		}
	}
	if (largest == 0.0)
		normal = move.GetLength() > 0.0 ? move.GetNormalized() : Vector(0.0, 0.0, 1.0);
	else if (Dot(normal, move) < 0.0)
		normal = -normal;
	// u, v span the plane with Cross(u, v) = normal.
	const Vector helper = std::abs(normal.x) < 0.9 ? Vector(1.0, 0.0, 0.0) : Vector(0.0, 1.0, 0.0);
	const Vector u = Cross(helper, normal).GetNormalized();
	const Vector v = Cross(normal, u);

	// Points: each contour's start points, then their moved twins. twin[i] is the moved twin of start point i, or
	// kIsTwin for the moved points themselves.
	constexpr Int32 kIsTwin = -2;
	std::vector<Int32> startIndex(contours.size());
	std::vector<Int32> twin;
	for (std::size_t k = 0; k < contours.size(); ++k)
	{
		const Contour& c = contours[k];
		startIndex[k] = static_cast<Int32>(out.points.size());
		for (Int32 i = 0; i < c.size; ++i)
		{
			out.points.push_back(input.points[static_cast<std::size_t>(c.first + i)]);
			twin.push_back(startIndex[k] + c.size + i);
		}
		for (Int32 i = 0; i < c.size; ++i)
		{
			out.points.push_back(input.points[static_cast<std::size_t>(c.first + i)] + move);
			twin.push_back(kIsTwin);
		}
	}

	// Walls. A closed contour's side of solid material: inside it when it is nested in an even number of other
	// closed contours, outside it (a hole) when in an odd number. Only the contours of its own group can hold it.
	const std::vector<std::vector<std::size_t>> groups = GroupClosedContours(contours, input.points, u, v);
	std::vector<int> depth(contours.size(), 0);
	for (const std::vector<std::size_t>& group : groups)
	{
		for (const std::size_t k : group)
		{
			const Vector& probe = input.points[static_cast<std::size_t>(contours[k].first)];
			for (const std::size_t j : group)
				depth[k] += j != k && Contains(input.points, contours[j], probe, u, v) ? 1 : 0;
		}
	}
	const bool hasWalls = move.GetLength() > 0.0;
	for (std::size_t k = 0; hasWalls && k < contours.size(); ++k)
	{
		const Contour& c = contours[k];
		bool reverse = false;
		if (c.closed)
		{
			const bool counterClockwise = Dot(AreaVector(input.points, c), normal) > 0.0;
			reverse = counterClockwise == (depth[k] % 2 == 1);
		}
		const Int32 edges = c.closed ? c.size : c.size - 1;
		for (Int32 i = 0; i < edges; ++i)
		{
			const Int32 a = startIndex[k] + i;
			const Int32 b = startIndex[k] + (i + 1) % c.size;
			const Int32 a2 = a + c.size;
			const Int32 b2 = b + c.size;
			if (reverse)
				out.polygons.emplace_back(b, a, a2, b2);
			else
				out.polygons.emplace_back(a, b, b2, a2);
		}
	}

	// Caps: the start cap as the tessellator gives it, each triangle turned to face against the movement; the end
	// cap is its mirror on the moved twins.
	const std::size_t firstCap = out.polygons.size();
	if (!TessellateCap(contours, groups, input.points, startIndex, normal, out, twin))
		return false;
	const std::size_t capEnd = out.polygons.size();
	// Points the tessellator added where contours cross (twin -1) get their moved twins now.
	const std::size_t added = out.points.size();
	for (std::size_t i = 0; i < added; ++i)
	{
		if (twin[i] != -1)
			continue;
		twin[i] = static_cast<Int32>(out.points.size());
		out.points.push_back(out.points[i] + move);
		twin.push_back(kIsTwin);
	}
	out.polygons.reserve(out.polygons.size() + (capEnd - firstCap));
	for (std::size_t i = firstCap; i < capEnd; ++i)
	{
		CPolygon& tri = out.polygons[i];
		const Vector& pa = out.points[static_cast<std::size_t>(tri.a)];
		const Vector faceNormal =
		    Cross(out.points[static_cast<std::size_t>(tri.b)] - pa, out.points[static_cast<std::size_t>(tri.c)] - pa);
		if (Dot(faceNormal, normal) > 0.0)
			tri = CPolygon(tri.a, tri.c, tri.b);
		const CPolygon start = tri;
		out.polygons.emplace_back(twin[static_cast<std::size_t>(start.a)], twin[static_cast<std::size_t>(start.c)],
		                          twin[static_cast<std::size_t>(start.b)]);
	}
	return true;
}
} // namespace

namespace
{
// Recent results by their input, most recent first. Labels are deleted and made anew with the same texts at every
// re-sampling of their plot, so the same contours come back again and again.
struct CachedExtrusion
{
	std::uint64_t hash = 0;
	ContourSet input;
	Vector move;
	MeshData mesh;
};

struct ExtrusionCache
{
	std::mutex mutex;
	std::list<CachedExtrusion> entries;
};

ExtrusionCache& Cache()
{
	static ExtrusionCache cache;
	return cache;
}

// FNV-style over 64-bit words (the inputs are arrays of doubles and integers), then the remaining bytes.
void HashBytes(std::uint64_t& hash, const void* data, std::size_t size)
{
	const unsigned char* bytes = static_cast<const unsigned char*>(data);
	std::size_t i = 0;
	for (; i + 8 <= size; i += 8)
	{
		std::uint64_t word = 0;
		std::memcpy(&word, bytes + i, 8);
		hash = (hash ^ word) * 1099511628211ull;
		hash ^= hash >> 29;
	}
	for (; i < size; ++i)
		hash = (hash ^ bytes[i]) * 1099511628211ull;
}

std::uint64_t HashInput(const ContourSet& input, const Vector& move)
{
	std::uint64_t hash = 14695981039346656037ull;
	HashBytes(hash, input.points.data(), input.points.size() * sizeof(Vector));
	HashBytes(hash, input.sizes.data(), input.sizes.size() * sizeof(Int32));
	for (const bool closed : input.closed)
		HashBytes(hash, &closed, sizeof(closed));
	HashBytes(hash, &move, sizeof(move));
	return hash;
}

bool SameInput(const CachedExtrusion& entry, std::uint64_t hash, const ContourSet& input, const Vector& move)
{
	return entry.hash == hash && entry.move == move && entry.input.sizes == input.sizes &&
	       entry.input.closed == input.closed && entry.input.points.size() == input.points.size() &&
	       // memcmp must not see the null data of an empty vector, even with a length of 0
	       (input.points.empty() ||
	        std::memcmp(entry.input.points.data(), input.points.data(), input.points.size() * sizeof(Vector)) == 0);
}
} // namespace

bool BuildExtrusion(const ContourSet& contours, const Vector& move, MeshData& out)
{
	out = MeshData();
	try
	{
		const std::uint64_t hash = HashInput(contours, move);
		ExtrusionCache& cache = Cache();
		{
			std::lock_guard<std::mutex> lock(cache.mutex);
			for (auto it = cache.entries.begin(); it != cache.entries.end(); ++it)
			{
				if (!SameInput(*it, hash, contours, move))
					continue;
				cache.entries.splice(cache.entries.begin(), cache.entries, it);
				out = it->mesh;
				return true;
			}
		}
		if (!Build(contours, move, out))
		{
			out = MeshData();
			return false;
		}
		CachedExtrusion entry{hash, contours, move, out};
		std::lock_guard<std::mutex> lock(cache.mutex);
		cache.entries.push_front(std::move(entry));
		if (cache.entries.size() > kCachedExtrusions)
			cache.entries.pop_back();
		return true;
	}
	catch (const std::bad_alloc&)
	{
		core::NoteRefusedAllocation();
		out = MeshData();
		return false;
	}
}
} // namespace surfax::builtins
