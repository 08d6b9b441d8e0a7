#include "host/builtins/align_normals.h"

#include "host/core/memory.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace surfax::builtins
{
namespace
{
using cinema::CPolygon;
using cinema::Int32;
using cinema::Vector;

// A corner slot is polygon * 4 + corner; it names the edge from that corner to the next one.
// mate[slot] is the slot of the other polygon on that edge, or one of these markers.
constexpr std::uint32_t kNoEdge = 0xFFFFFFFFu;   // both ends are one point: not an edge at all
constexpr std::uint32_t kOpenEdge = 0xFFFFFFFEu; // border or non-manifold edge: the part is not closed

enum : std::uint8_t
{
	kUnvisited = 0,
	kKeep = 1,
	kFlip = 2
};

struct EdgeRecord
{
	std::uint32_t hi; // larger point index of the edge; the smaller one is the bucket
	std::uint32_t slot;
};

int CornerCount(const CPolygon& p)
{
	return p.c == p.d ? 3 : 4;
}

void GetCorners(const CPolygon& p, Int32 (&v)[4])
{
	v[0] = p.a;
	v[1] = p.b;
	v[2] = p.c;
	v[3] = p.d;
}

// True when the edge leaving corner k runs from the smaller point index to the larger.
bool RunsUp(const CPolygon& p, int k)
{
	Int32 v[4];
	GetCorners(p, v);
	const int n = CornerCount(p);
	return v[k] < v[(k + 1) % n];
}

bool IndicesValid(const CPolygon* polygons, Int32 polygonCount, Int32 pointCount)
{
	for (Int32 i = 0; i < polygonCount; ++i)
	{
		const CPolygon& p = polygons[i];
		for (const Int32 v : {p.a, p.b, p.c, p.d})
			if (v < 0 || v >= pointCount)
				return false;
	}
	return true;
}

// Six times the signed volume under the polygon's current winding, measured from `origin`. Measuring from a
// point of the part itself keeps the sum accurate for parts far from the world origin.
double VolumeTimesSix(const Vector* points, const CPolygon& p, const Vector& origin)
{
	Int32 v[4];
	GetCorners(p, v);
	const int n = CornerCount(p);
	const Vector a = points[v[0]] - origin;
	double sum = 0.0;
	for (int k = 1; k + 1 < n; ++k)
		sum += Dot(a, Cross(points[v[k]] - origin, points[v[k + 1]] - origin));
	return sum;
}

// Pairs up the corner slots that share an edge. Edges are bucketed by their smaller point with a counting sort,
// so the whole map costs two passes over the polygons and a sort of the handful of edges at each point.
void BuildEdgeMates(const CPolygon* polygons, Int32 polygonCount, Int32 pointCount, std::vector<std::uint32_t>& mate)
{
	std::vector<std::uint32_t> bucketEnd(static_cast<std::size_t>(pointCount) + 1, 0);
	std::size_t edgeCount = 0;
	for (Int32 i = 0; i < polygonCount; ++i)
	{
		Int32 v[4];
		GetCorners(polygons[i], v);
		const int n = CornerCount(polygons[i]);
		for (int k = 0; k < n; ++k)
		{
			const Int32 from = v[k];
			const Int32 to = v[(k + 1) % n];
			if (from != to)
			{
				++bucketEnd[static_cast<std::size_t>(std::min(from, to)) + 1];
				++edgeCount;
			}
		}
	}
	for (Int32 point = 0; point < pointCount; ++point)
		bucketEnd[static_cast<std::size_t>(point) + 1] += bucketEnd[static_cast<std::size_t>(point)];

	// Filling advances each bucket's start to its end, so afterwards bucket b spans [bucketEnd[b-1], bucketEnd[b]).
	std::vector<EdgeRecord> records(edgeCount);
	for (Int32 i = 0; i < polygonCount; ++i)
	{
		Int32 v[4];
		GetCorners(polygons[i], v);
		const int n = CornerCount(polygons[i]);
		for (int k = 0; k < n; ++k)
		{
			const Int32 from = v[k];
			const Int32 to = v[(k + 1) % n];
			if (from == to)
				continue;
			const std::uint32_t slot = static_cast<std::uint32_t>(i) * 4u + static_cast<std::uint32_t>(k);
			records[bucketEnd[static_cast<std::size_t>(std::min(from, to))]++] = {
			    static_cast<std::uint32_t>(std::max(from, to)), slot};
		}
	}

	std::size_t begin = 0;
	for (Int32 point = 0; point < pointCount; ++point)
	{
		const std::size_t end = bucketEnd[static_cast<std::size_t>(point)];
		std::sort(
		    records.begin() + static_cast<std::ptrdiff_t>(begin), records.begin() + static_cast<std::ptrdiff_t>(end),
		    [](const EdgeRecord& x, const EdgeRecord& y) { return x.hi != y.hi ? x.hi < y.hi : x.slot < y.slot; });
		for (std::size_t first = begin; first < end;)
		{
			std::size_t last = first + 1;
			while (last < end && records[last].hi == records[first].hi)
				++last;
			const std::uint32_t s0 = records[first].slot;
			if (last - first == 2 && s0 / 4u != records[first + 1].slot / 4u)
			{
				const std::uint32_t s1 = records[first + 1].slot;
				mate[s0] = s1;
				mate[s1] = s0;
			}
			else
			{
				for (std::size_t r = first; r < last; ++r)
					mate[records[r].slot] = kOpenEdge;
			}
			first = last;
		}
		begin = end;
	}
}
} // namespace

Int32 AlignNormals(const Vector* points, Int32 pointCount, CPolygon* polygons, Int32 polygonCount)
{
	if (pointCount < 0 || polygonCount < 0 || polygonCount > kMaxAlignPolygons)
		return -1;
	if ((points == nullptr && pointCount != 0) || (polygons == nullptr && polygonCount != 0))
		return -1;
	if (!IndicesValid(polygons, polygonCount, pointCount))
		return -1;
	if (polygonCount == 0)
		return 0;

	try
	{
		const std::size_t count = static_cast<std::size_t>(polygonCount);
		std::vector<std::uint32_t> mate(count * 4, kNoEdge);
		BuildEdgeMates(polygons, polygonCount, pointCount, mate);

		// Breadth-first over each part with the queue as one flat array: a part's polygons end up contiguous in
		// it, which is what the volume pass below walks.
		std::vector<std::uint8_t> state(count, kUnvisited);
		std::vector<Int32> queue(count);
		std::size_t tail = 0;
		for (Int32 seed = 0; seed < polygonCount; ++seed)
		{
			if (state[static_cast<std::size_t>(seed)] != kUnvisited)
				continue;
			const std::size_t partBegin = tail;
			queue[tail++] = seed;
			state[static_cast<std::size_t>(seed)] = kKeep;
			bool closed = true;
			for (std::size_t head = partBegin; head < tail; ++head)
			{
				const Int32 p = queue[head];
				const CPolygon& poly = polygons[p];
				const bool flipP = state[static_cast<std::size_t>(p)] == kFlip;
				const int n = CornerCount(poly);
				for (int k = 0; k < n; ++k)
				{
					const std::uint32_t m = mate[static_cast<std::size_t>(p) * 4 + static_cast<std::size_t>(k)];
					if (m == kNoEdge)
						continue;
					if (m == kOpenEdge)
					{
						closed = false;
						continue;
					}
					const Int32 q = static_cast<Int32>(m / 4u);
					// The neighbour must run along the shared edge the other way round.
					const bool upP = RunsUp(poly, k) != flipP;
					const bool flipQ = RunsUp(polygons[q], static_cast<int>(m % 4u)) == upP;
					std::uint8_t& stateQ = state[static_cast<std::size_t>(q)];
					if (stateQ == kUnvisited)
					{
						stateQ = flipQ ? kFlip : kKeep;
						queue[tail++] = q;
					}
					else if ((stateQ == kFlip) != flipQ)
						closed = false; // no consistent winding exists for this part
				}
			}

			if (!closed)
				continue;
			const Vector origin = points[polygons[seed].a];
			double volume = 0.0;
			for (std::size_t i = partBegin; i < tail; ++i)
			{
				const Int32 p = queue[i];
				const double v = VolumeTimesSix(points, polygons[p], origin);
				volume += state[static_cast<std::size_t>(p)] == kFlip ? -v : v;
			}
			if (volume < 0.0)
				for (std::size_t i = partBegin; i < tail; ++i)
				{
					std::uint8_t& s = state[static_cast<std::size_t>(queue[i])];
					s = s == kFlip ? kKeep : kFlip;
				}
		}

		Int32 flipped = 0;
		for (Int32 i = 0; i < polygonCount; ++i)
		{
			if (state[static_cast<std::size_t>(i)] != kFlip)
				continue;
			CPolygon& p = polygons[i];
			p = p.c == p.d ? CPolygon(p.a, p.c, p.b) : CPolygon(p.a, p.d, p.c, p.b);
			++flipped;
		}
		return flipped;
	}
	catch (const std::bad_alloc&)
	{
		core::NoteRefusedAllocation();
		return -1;
	}
}
} // namespace surfax::builtins
