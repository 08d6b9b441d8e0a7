#include "host/export/export_scene.h"

#include "ospline.h"

#include "host/core/spline_curve.h"
#include "host/draw/draw_recorder.h"
#include "host/plugins/registry.h"
#include "host/scene/node.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <new>
#include <optional>

namespace surfax::io
{
using namespace cinema;

ExportMatrix ToExportMatrix(const Matrix& m)
{
	// Columns v1, v2, -v3, off, each with z negated: S M S for the z mirror S.
	return {m.sqmat.v1.x,  m.sqmat.v1.y,  -m.sqmat.v1.z, 0.0, m.sqmat.v2.x, m.sqmat.v2.y, -m.sqmat.v2.z, 0.0,
	        -m.sqmat.v3.x, -m.sqmat.v3.y, m.sqmat.v3.z,  0.0, m.off.x,      m.off.y,      -m.off.z,      1.0};
}

namespace
{
constexpr std::uint32_t kNoVertex = 0xFFFFFFFFu;

// Buffers reused from one object to the next, so a document of many objects allocates only while they grow.
struct Scratch
{
	std::vector<Vector> world;        // the object's points in world space (host axes, double)
	std::vector<float> converted;     // the same in glTF axes as float, 3 per point
	std::vector<unsigned char> valid; // whether the converted point is finite
	std::vector<Vector> pointNormals; // smooth shading: sum of the face normals around each point
	std::vector<std::uint32_t> vertexOfPoint;
	std::vector<std::uint32_t> nextVertexOfSamePoint;
	std::vector<Vector> samples; // one spline segment, sampled
};

struct Collector
{
	const BaseDocument* doc;
	ExportScene& out;
	Scratch scratch;
	std::string error;
};

// The display colour an object passes on: its own when usecolor is set, else (inside a generator's output) the one
// it inherited.
using DisplayColor = std::optional<Vector>;

struct Frame
{
	const HostNode* node;
	Matrix parentWorld;
	DisplayColor inherited;
	bool inCache;
	bool followSiblings;
	const std::string* nameOverride; // a cache root is named after its generator
	std::int32_t parentNode;         // the ExportNode of the parent (for a cache root: of its generator), or -1
	bool cacheRoot;                  // a generator's output: the generator's node stands for it at its origin
};

// Gives every item added since the sizes were taken to the node.
struct ItemMark
{
	std::size_t meshes, lines, points;

	explicit ItemMark(const ExportScene& s) : meshes(s.meshes.size()), lines(s.lines.size()), points(s.points.size()) {}
	void Assign(ExportScene& s, std::int32_t node) const
	{
		for (std::size_t i = meshes; i < s.meshes.size(); ++i)
			s.meshes[i].node = node;
		for (std::size_t i = lines; i < s.lines.size(); ++i)
			s.lines[i].node = node;
		for (std::size_t i = points; i < s.points.size(); ++i)
			s.points[i].node = node;
	}
};

float ClampUnit(double v)
{
	// NaN compares false both ways and ends up 0.
	return v > 0.0 ? (v < 1.0 ? static_cast<float>(v) : 1.0f) : 0.0f;
}

// Host (left-handed) to glTF (right-handed) axes. False when a coordinate is not finite as a float.
bool ConvertPoint(const Vector& p, float* q)
{
	q[0] = static_cast<float>(p.x);
	q[1] = static_cast<float>(p.y);
	q[2] = static_cast<float>(-p.z);
	return std::isfinite(q[0]) && std::isfinite(q[1]) && std::isfinite(q[2]);
}

bool IsUsableDirection(const Vector& n)
{
	const double len2 = n.GetSquaredLength();
	return len2 > 0.0 && std::isfinite(len2);
}

// Unit normal, or +y (a valid unit vector) when the surface gives none: readers reject normals of other lengths.
Vector UnitOrUp(const Vector& n)
{
	if (!IsUsableDirection(n))
		return Vector(0.0, 1.0, 0.0);
	const Vector u = n / std::sqrt(n.GetSquaredLength());
	return IsUsableDirection(u) ? u : Vector(0.0, 1.0, 0.0);
}

const HostNode* FindTag(const HostNode* node, Int32 type)
{
	for (const HostNode* tag = node->firstTag; tag != nullptr; tag = tag->next)
	{
		if (tag->type == type)
			return tag;
	}
	return nullptr;
}

// An element tag whose element array fits the object (one element per `expected`), or null.
const float* TagElements(const HostNode* node, Int32 type, Int32 expected, std::size_t floatsPerElement)
{
	const HostNode* tag = FindTag(node, type);
	if (tag == nullptr || tag->elementCount != expected || expected <= 0 ||
	    tag->elementSize != static_cast<Int32>(floatsPerElement * sizeof(float)) ||
	    tag->elements.size() != static_cast<std::size_t>(expected) * floatsPerElement * sizeof(float))
		return nullptr;
	return reinterpret_cast<const float*>(tag->elements.data());
}

void SetItemColor(ExportItem& item, bool vertexColors, const DisplayColor& display)
{
	if (vertexColors)
	{
		item.colorSource = ColorSource::VertexColors;
		std::fill(item.color, item.color + 4, 1.0f);
	}
	else if (display)
	{
		item.colorSource = ColorSource::Display;
		item.color[0] = ClampUnit(display->x);
		item.color[1] = ClampUnit(display->y);
		item.color[2] = ClampUnit(display->z);
		item.color[3] = 1.0f;
	}
	else
	{
		item.colorSource = ColorSource::Neutral;
		std::copy(kNeutralGrey, kNeutralGrey + 4, item.color);
	}
}

void AppendVertexColor(std::vector<float>& colors, const float* rgba)
{
	for (int k = 0; k < 4; ++k)
		colors.push_back(ClampUnit(rgba[k]));
}

// Points to world space, converted, with a validity flag each.
void TransformPoints(const Vector* points, std::size_t count, const Matrix& world, Scratch& s)
{
	s.world.resize(count);
	s.converted.resize(count * 3);
	s.valid.resize(count);
	for (std::size_t i = 0; i < count; ++i)
	{
		s.world[i] = world * points[i];
		s.valid[i] = ConvertPoint(s.world[i], &s.converted[i * 3]) ? 1 : 0;
	}
}

// Face normal by the host's convention; for a quad the cross product of its diagonals, which has the same
// orientation as Cross(b - a, c - a) for a planar convex quad and averages the two halves of a bent one.
Vector PolygonNormal(const std::vector<Vector>& w, const CPolygon& p)
{
	if (p.c == p.d)
		return Cross(w[static_cast<std::size_t>(p.b)] - w[static_cast<std::size_t>(p.a)],
		             w[static_cast<std::size_t>(p.c)] - w[static_cast<std::size_t>(p.a)]);
	return Cross(w[static_cast<std::size_t>(p.c)] - w[static_cast<std::size_t>(p.a)],
	             w[static_cast<std::size_t>(p.d)] - w[static_cast<std::size_t>(p.b)]);
}

Vector TriangleNormal(const std::vector<Vector>& w, Int32 a, Int32 b, Int32 c)
{
	return Cross(w[static_cast<std::size_t>(b)] - w[static_cast<std::size_t>(a)],
	             w[static_cast<std::size_t>(c)] - w[static_cast<std::size_t>(a)]);
}

// The triangles of polygon p that can be kept: bit 0 for (a, b, c), bit 1 for (a, c, d) of a quad. `total` is how
// many triangles the polygon has. Polygons with indices outside the object are skipped whole (total 0).
struct PolygonSplit
{
	int total = 0;
	unsigned kept = 0;
};

PolygonSplit SplitPolygon(const CPolygon& p, Int32 pointCount, const std::vector<unsigned char>& valid)
{
	auto inRange = [pointCount](Int32 i) { return i >= 0 && i < pointCount; };
	PolygonSplit split;
	if (!inRange(p.a) || !inRange(p.b) || !inRange(p.c) || !inRange(p.d))
		return split;
	auto ok = [&valid](Int32 i) { return valid[static_cast<std::size_t>(i)] != 0; };
	const bool abc = ok(p.a) && ok(p.b) && ok(p.c);
	split.total = p.c == p.d ? 1 : 2;
	split.kept = abc ? 1u : 0u;
	if (split.total == 2 && ok(p.a) && ok(p.c) && ok(p.d))
		split.kept |= 2u;
	return split;
}

struct MeshSource
{
	const std::string* name;
	const Vector* points;
	Int32 pointCount;
	const CPolygon* polygons;
	Int32 polygonCount;
	const HostNode* tagOwner; // where the Phong, UVW and vertex colour tags are looked up
	Matrix world;
	DisplayColor display;
};

class MeshBuilder
{
public:
	MeshBuilder(const MeshSource& src, Scratch& s, ExportMesh& mesh) : _src(src), _s(s), _mesh(mesh)
	{
		_uvw = TagElements(src.tagOwner, Tuvw, src.polygonCount, 12);
		_rgba = TagElements(src.tagOwner, Tvertexcolor, src.pointCount, 4);
		_smooth = FindTag(src.tagOwner, Tphong) != nullptr;
	}

	std::uint64_t Build()
	{
		const std::size_t pointCount = static_cast<std::size_t>(_src.pointCount);
		TransformPoints(_src.points, pointCount, _src.world, _s);
		SetItemColor(_mesh, _rgba != nullptr, _src.display);
		_mesh.name = *_src.name;

		const std::size_t polygons = static_cast<std::size_t>(_src.polygonCount);
		// Flat shading gives every polygon its own corners. Smooth shading shares a vertex per point, and more only
		// where the uvs around a point differ, which a surface with continuous uvs never does: reserve for one per
		// point and let a seam grow the arrays.
		const std::size_t expectedVertices = _smooth ? pointCount : polygons * 4;
		_mesh.positions.reserve(expectedVertices * 3);
		_mesh.normals.reserve(expectedVertices * 3);
		if (_uvw != nullptr)
			_mesh.uvs.reserve(expectedVertices * 2);
		if (_rgba != nullptr)
			_mesh.colors.reserve(expectedVertices * 4);
		_mesh.indices.reserve(polygons * 6);

		if (_smooth)
		{
			AccumulatePointNormals();
			// Smooth vertices take their normals from the points: the world positions are done with, and a large
			// mesh should not hold them while its output arrays fill.
			std::vector<Vector>().swap(_s.world);
			_s.vertexOfPoint.assign(pointCount, kNoVertex);
			_s.nextVertexOfSamePoint.clear();
			_s.nextVertexOfSamePoint.reserve(expectedVertices);
		}
		std::uint64_t dropped = 0;
		for (std::size_t i = 0; i < polygons; ++i)
		{
			const CPolygon& p = _src.polygons[i];
			const PolygonSplit split = SplitPolygon(p, _src.pointCount, _s.valid);
			dropped += static_cast<std::uint64_t>(split.total - std::popcount(split.kept));
			if (split.kept == 0)
				continue;
			if (_smooth)
				EmitSmooth(i, p, split);
			else
				EmitFlat(i, p, split);
		}
		return dropped;
	}

private:
	void AccumulatePointNormals()
	{
		const std::size_t pointCount = static_cast<std::size_t>(_src.pointCount);
		_s.pointNormals.assign(pointCount, Vector());
		for (Int32 i = 0; i < _src.polygonCount; ++i)
		{
			const CPolygon& p = _src.polygons[i];
			const PolygonSplit split = SplitPolygon(p, _src.pointCount, _s.valid);
			if (split.kept == 0)
				continue;
			if (split.kept == (split.total == 2 ? 3u : 1u))
			{
				const Vector n = PolygonNormal(_s.world, p);
				if (!IsUsableDirection(n))
					continue;
				const Vector u = UnitOrUp(n);
				_s.pointNormals[static_cast<std::size_t>(p.a)] += u;
				_s.pointNormals[static_cast<std::size_t>(p.b)] += u;
				_s.pointNormals[static_cast<std::size_t>(p.c)] += u;
				if (split.total == 2)
					_s.pointNormals[static_cast<std::size_t>(p.d)] += u;
				continue;
			}
			const Int32 third = split.kept == 1u ? p.b : p.d;
			const Vector n =
			    split.kept == 1u ? TriangleNormal(_s.world, p.a, p.b, p.c) : TriangleNormal(_s.world, p.a, p.c, p.d);
			if (!IsUsableDirection(n))
				continue;
			const Vector u = UnitOrUp(n);
			_s.pointNormals[static_cast<std::size_t>(p.a)] += u;
			_s.pointNormals[static_cast<std::size_t>(p.c)] += u;
			_s.pointNormals[static_cast<std::size_t>(third)] += u;
		}
	}

	// The uv of corner k (0..3) of polygon i, with non-finite values read as 0.
	void CornerUV(std::size_t i, int k, float* uv) const
	{
		const float* e = _uvw + i * 12 + static_cast<std::size_t>(k) * 3;
		uv[0] = std::isfinite(e[0]) ? e[0] : 0.0f;
		uv[1] = std::isfinite(e[1]) ? e[1] : 0.0f;
	}

	std::uint32_t NewVertex(Int32 point, const Vector& normal, const float* uv)
	{
		const std::size_t p = static_cast<std::size_t>(point);
		const std::uint32_t v = static_cast<std::uint32_t>(_mesh.positions.size() / 3);
		_mesh.positions.insert(_mesh.positions.end(), &_s.converted[p * 3], &_s.converted[p * 3] + 3);
		const Vector n = UnitOrUp(normal);
		_mesh.normals.push_back(static_cast<float>(n.x));
		_mesh.normals.push_back(static_cast<float>(n.y));
		_mesh.normals.push_back(static_cast<float>(-n.z));
		if (uv != nullptr)
		{
			_mesh.uvs.push_back(uv[0]);
			_mesh.uvs.push_back(uv[1]);
		}
		if (_rgba != nullptr)
			AppendVertexColor(_mesh.colors, _rgba + p * 4);
		return v;
	}

	// Smooth shading shares a vertex between the polygons around a point unless their uvs there differ.
	std::uint32_t SharedVertex(std::size_t polygon, Int32 point, int corner)
	{
		const std::size_t p = static_cast<std::size_t>(point);
		if (_uvw == nullptr)
		{
			if (_s.vertexOfPoint[p] == kNoVertex)
				_s.vertexOfPoint[p] = NewVertex(point, _s.pointNormals[p], nullptr);
			return _s.vertexOfPoint[p];
		}
		float uv[2];
		CornerUV(polygon, corner, uv);
		for (std::uint32_t v = _s.vertexOfPoint[p]; v != kNoVertex; v = _s.nextVertexOfSamePoint[v])
		{
			if (_mesh.uvs[v * 2] == uv[0] && _mesh.uvs[v * 2 + 1] == uv[1])
				return v;
		}
		const std::uint32_t v = NewVertex(point, _s.pointNormals[p], uv);
		_s.nextVertexOfSamePoint.push_back(_s.vertexOfPoint[p]);
		_s.vertexOfPoint[p] = v;
		return v;
	}

	void EmitTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
	{
		// Reversed: the mirror turns the host's winding around.
		_mesh.indices.push_back(a);
		_mesh.indices.push_back(c);
		_mesh.indices.push_back(b);
	}

	void EmitSmooth(std::size_t i, const CPolygon& p, const PolygonSplit& split)
	{
		const std::uint32_t a = SharedVertex(i, p.a, 0);
		const std::uint32_t c = SharedVertex(i, p.c, 2);
		if (split.kept & 1u)
			EmitTriangle(a, SharedVertex(i, p.b, 1), c);
		if (split.kept & 2u)
			EmitTriangle(a, c, SharedVertex(i, p.d, 3));
	}

	void EmitFlat(std::size_t i, const CPolygon& p, const PolygonSplit& split)
	{
		float uvs[4][2];
		if (_uvw != nullptr)
		{
			for (int k = 0; k < 4; ++k)
				CornerUV(i, k, uvs[k]);
		}
		auto uv = [&](int k) { return _uvw != nullptr ? uvs[k] : nullptr; };
		const bool whole = split.kept == (split.total == 2 ? 3u : 1u);
		if (whole)
		{
			const Vector n = UnitOrUp(PolygonNormal(_s.world, p));
			const std::uint32_t a = NewVertex(p.a, n, uv(0));
			const std::uint32_t b = NewVertex(p.b, n, uv(1));
			const std::uint32_t c = NewVertex(p.c, n, uv(2));
			EmitTriangle(a, b, c);
			if (split.total == 2)
				EmitTriangle(a, c, NewVertex(p.d, n, uv(3)));
			return;
		}
		// Half a quad: its remaining triangle carries its own normal.
		const int third = split.kept == 1u ? 1 : 3;
		const Int32 thirdPoint = third == 1 ? p.b : p.d;
		const Vector n =
		    split.kept == 1u ? TriangleNormal(_s.world, p.a, p.b, p.c) : TriangleNormal(_s.world, p.a, p.c, p.d);
		const std::uint32_t a = NewVertex(p.a, n, uv(0));
		const std::uint32_t c = NewVertex(p.c, n, uv(2));
		const std::uint32_t t = NewVertex(thirdPoint, n, uv(third));
		if (third == 1)
			EmitTriangle(a, t, c);
		else
			EmitTriangle(a, c, t);
	}

	const MeshSource& _src;
	Scratch& _s;
	ExportMesh& _mesh;
	const float* _uvw = nullptr;
	const float* _rgba = nullptr;
	bool _smooth = false;
};

bool AddMesh(Collector& c, const MeshSource& src)
{
	if (src.polygonCount <= 0 || src.pointCount <= 0 || src.points == nullptr || src.polygons == nullptr)
		return true;
	if (static_cast<std::uint64_t>(src.polygonCount) * 4 > kMaxItemVertices)
	{
		c.error = "'" + *src.name + "' has too many polygons to export";
		return false;
	}
	c.out.meshes.emplace_back();
	MeshBuilder builder(src, c.scratch, c.out.meshes.back());
	c.out.dropped.triangles += builder.Build();
	if (c.out.meshes.back().indices.empty())
		c.out.meshes.pop_back();
	return true;
}

// Builds line strips from a stream of vertices, splitting where a vertex is not finite.
class StripBuilder
{
public:
	explicit StripBuilder(ExportLines& lines) : _lines(lines) {}

	void Add(const Vector& hostWorld)
	{
		float q[3];
		const bool finite = ConvertPoint(hostWorld, q);
		if (_havePrevious && !(finite && _previousFinite))
			++_droppedSegments;
		if (finite)
		{
			_lines.positions.insert(_lines.positions.end(), q, q + 3);
			++_run;
		}
		else
			EndStrip();
		_havePrevious = true;
		_previousFinite = finite;
	}

	// Ends the current curve; returns the segments dropped since the last call.
	std::uint64_t Finish()
	{
		EndStrip();
		_havePrevious = false;
		const std::uint64_t dropped = _droppedSegments;
		_droppedSegments = 0;
		return dropped;
	}

private:
	void EndStrip()
	{
		if (_run >= 2)
			_lines.stripCounts.push_back(_run);
		else if (_run == 1)
			_lines.positions.resize(_lines.positions.size() - 3); // a lone vertex belongs to no segment
		_run = 0;
	}

	ExportLines& _lines;
	std::uint32_t _run = 0;
	bool _havePrevious = false;
	bool _previousFinite = false;
	std::uint64_t _droppedSegments = 0;
};

// How many equal steps the Catmull-Rom span from p1 to p2 needs to stay within `tolerance` of its curve. The span
// is the Hermite cubic with tangents m1 = (p2 - p0) / 2 and m2 = (p3 - p1) / 2; less its chord it is
// h(t) = t(1 - t)^2 a - t^2 (1 - t) b with a = m1 - d, b = m2 - d, d = p2 - p1, whose second derivative is largest at
// an end: M = max(|4a + 2b|, |2a + 4b|). A chord stays within M / 8 of the curve counting only the parts of a and b
// across it (along it they only move the parameter), and k equal steps within M / (8 k^2).
int SpanSteps(const Vector& p0, const Vector& p1, const Vector& p2, const Vector& p3, double tolerance)
{
	const Vector d = p2 - p1;
	const Vector a = (p2 - p0) * 0.5 - d;
	const Vector b = (p3 - p1) * 0.5 - d;
	auto largestSecondDerivative = [](const Vector& x, const Vector& y)
	{ return std::sqrt(std::max((x * 4.0 + y * 2.0).GetSquaredLength(), (x * 2.0 + y * 4.0).GetSquaredLength())); };
	const double chord2 = d.GetSquaredLength();
	auto across = [&](const Vector& v) { return chord2 > 0.0 ? v - d * (Dot(v, d) / chord2) : v; };
	if (!(largestSecondDerivative(across(a), across(b)) > 8.0 * tolerance))
		return 1; // also for non-finite points, which the strip drops anyway
	const double steps = std::ceil(std::sqrt(largestSecondDerivative(a, b) / (8.0 * tolerance)));
	return steps < kMaxSplineStepsPerSpan ? std::max(static_cast<int>(steps), 1) : kMaxSplineStepsPerSpan;
}

// The vertices of one spline segment (its world points), sampled as the interpolation asks: the points themselves
// for a linear spline, else each span of the curve through them in the steps SpanSteps gives.
void SampleSegment(const Vector* points, std::size_t count, bool closed, bool smooth, double tolerance,
                   std::vector<Vector>& samples)
{
	samples.clear();
	const Int n = static_cast<Int>(count);
	closed = core::DrawnClosed(closed, n);
	if (!smooth)
	{
		samples.assign(points, points + count);
		if (closed)
			samples.push_back(points[0]);
		return;
	}
	const Int spans = closed ? n : n - 1;
	for (Int s = 0; s < spans; ++s)
	{
		const Vector& p0 = core::SegmentNeighbour(points, n, closed, s - 1);
		const Vector& p1 = core::SegmentNeighbour(points, n, closed, s);
		const Vector& p2 = core::SegmentNeighbour(points, n, closed, s + 1);
		const Vector& p3 = core::SegmentNeighbour(points, n, closed, s + 2);
		samples.push_back(p1);
		const int steps = SpanSteps(p0, p1, p2, p3, tolerance);
		for (int step = 1; step < steps; ++step)
			samples.push_back(core::CatmullRom(p0, p1, p2, p3, static_cast<double>(step) / steps));
	}
	samples.push_back(core::SegmentNeighbour(points, n, closed, spans));
}

// kSplineTolerance of the largest side of the world bounds of the points (0 when they are not finite).
double SplineTolerance(const std::vector<Vector>& points, const Matrix& world)
{
	Vector lo = world * points[0], hi = lo;
	for (const Vector& p : points)
	{
		const Vector w = world * p;
		lo = Vector(std::min(lo.x, w.x), std::min(lo.y, w.y), std::min(lo.z, w.z));
		hi = Vector(std::max(hi.x, w.x), std::max(hi.y, w.y), std::max(hi.z, w.z));
	}
	const double size = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
	return std::isfinite(size) ? size * kSplineTolerance : 0.0;
}

// A spline's segments as line strips. Each segment is taken to world space on its own, so the scratch holds one
// segment, not the whole object (a grid's spline holds every curve of the chart).
void AddSpline(Collector& c, const HostNode* node, const std::string& name, const Matrix& world,
               const DisplayColor& display)
{
	const std::size_t pointCount = node->points.size();
	if (pointCount < 2)
		return;
	const bool objectClosed = node->data.GetBool(SPLINEOBJECT_CLOSED);
	const bool smooth = node->splineType != SPLINETYPE::LINEAR;
	const double tolerance = smooth ? SplineTolerance(node->points, world) : 0.0;

	c.out.lines.emplace_back();
	ExportLines& lines = c.out.lines.back();
	lines.name = name;
	SetItemColor(lines, false, display);
	StripBuilder strips(lines);

	auto addSegment = [&](std::size_t first, std::size_t count, bool closed)
	{
		if (count < 2)
			return;
		std::vector<Vector>& w = c.scratch.world;
		w.resize(count);
		for (std::size_t i = 0; i < count; ++i)
			w[i] = world * node->points[first + i];
		SampleSegment(w.data(), count, closed, smooth, tolerance, c.scratch.samples);
		for (const Vector& v : c.scratch.samples)
			strips.Add(v);
		c.out.dropped.lineSegments += strips.Finish();
	};
	if (node->segments.empty())
		addSegment(0, pointCount, objectClosed);
	std::size_t first = 0;
	for (const Segment& seg : node->segments)
	{
		// Segments that claim more points than the object has end at its last point.
		const std::size_t count = std::min(static_cast<std::size_t>(std::max<Int32>(seg.cnt, 0)), pointCount - first);
		addSegment(first, count, seg.closed || objectClosed);
		first += count;
	}
	if (lines.stripCounts.empty())
		c.out.lines.pop_back();
}

void AddPoints(Collector& c, const HostNode* node, const std::string& name, const Matrix& world,
               const DisplayColor& display)
{
	const std::size_t count = node->points.size();
	if (count == 0)
		return;
	const float* rgba = TagElements(node, Tvertexcolor, static_cast<Int32>(count), 4);
	c.out.points.emplace_back();
	ExportPoints& pts = c.out.points.back();
	pts.name = name;
	SetItemColor(pts, rgba != nullptr, display);
	pts.positions.reserve(count * 3);
	for (std::size_t i = 0; i < count; ++i)
	{
		float q[3];
		if (!ConvertPoint(world * node->points[i], q))
		{
			++c.out.dropped.points;
			continue;
		}
		pts.positions.insert(pts.positions.end(), q, q + 3);
		if (rgba != nullptr)
			AppendVertexColor(pts.colors, rgba + i * 4);
	}
	if (pts.positions.empty())
		c.out.points.pop_back();
}

// A cache that shows something: anything but the empty null object or the empty spline a generator returns when it
// has nothing to show.
bool HasContent(const HostNode* cache)
{
	return (cache->type != Onull && cache->type != Ospline) || cache->down != nullptr || !cache->points.empty();
}

// Whether an object below node (not node itself) puts geometry into the scene through its cache.
bool DescendantGenerates(const HostNode* node)
{
	for (const HostNode* n = scene::NextInDocumentOrder(node, node); n != nullptr;
	     n = scene::NextInDocumentOrder(n, node))
	{
		if (n->cache != nullptr && HasContent(&Host(n->cache)))
			return true;
	}
	return false;
}

// Counts what a drawing puts into the export: its dots (handles) and spheres.
struct DrawnPointCounter final : draw::DrawSink
{
	std::size_t count = 0;
	void DrawHandle(const Vector&, Int32, Int32) override { ++count; }
	void DrawSphere(const Vector&, const Vector&, const Vector&, Int32) override { ++count; }
};

// Turns a drawing's dots and spheres straight into points in the pen colour, placed by the drawing matrix; nothing
// else of the drawing is kept.
struct DrawnPointCollector final : draw::DrawSink
{
	ExportPoints& points;
	std::uint64_t& dropped;
	Matrix matrix;
	float rgba[4] = {1.0f, 1.0f, 1.0f, 1.0f};

	DrawnPointCollector(ExportPoints& out, std::uint64_t& droppedPoints) : points(out), dropped(droppedPoints) {}

	void SetMatrix(const Matrix& mg) override { matrix = mg; }
	void SetPen(const Vector& color, Int32) override
	{
		rgba[0] = static_cast<float>(color.x);
		rgba[1] = static_cast<float>(color.y);
		rgba[2] = static_cast<float>(color.z);
	}
	void DrawHandle(const Vector& p, Int32, Int32) override { Add(p); }
	void DrawSphere(const Vector& p, const Vector&, const Vector&, Int32) override { Add(p); }

	void Add(const Vector& p)
	{
		float q[3];
		if (!ConvertPoint(matrix * p, q))
		{
			++dropped;
			return;
		}
		points.positions.insert(points.positions.end(), q, q + 3);
		AppendVertexColor(points.colors, rgba);
	}
};

// A plug-in object that shows itself only by drawing (the plot's samples without components): the dots and spheres
// of its object pass become points in their pen colours, placed by the matrix the object drew with. Drawing only
// reads plug-in data; the draw call wants a mutable document and object as the application's does. The object
// draws twice, first to count the points, so the arrays are sized once and no drawing is held in memory.
void AddDrawnPoints(Collector& c, const HostNode* node, const std::string& name)
{
	if (node->nodeData == nullptr || DescendantGenerates(node))
		return;
	BaseDocument* doc = const_cast<BaseDocument*>(c.doc);
	BaseObject* op = static_cast<BaseObject*>(node->atom);
	DrawnPointCounter counter;
	draw::DrawObject(doc, op, DRAWPASS::OBJECT, counter);
	if (counter.count == 0)
		return;
	ExportPoints pts;
	pts.name = name;
	SetItemColor(pts, true, std::nullopt);
	pts.positions.reserve(counter.count * 3);
	pts.colors.reserve(counter.count * 4);
	DrawnPointCollector collector(pts, c.out.dropped.points);
	draw::DrawObject(doc, op, DRAWPASS::OBJECT, collector);
	if (!pts.positions.empty())
		c.out.points.push_back(std::move(pts));
}

bool IsPrimitive(Int32 type)
{
	return type == Ocube || type == Osphere || type == Opyramid || type == Oplatonic;
}

bool IsGenerator(const HostNode* node)
{
	return node->objectType != nullptr && (node->objectType->info & OBJECT_GENERATOR) != 0;
}

// The geometry an object adds itself (when it has no cache to stand for it).
bool AddOwnGeometry(Collector& c, const HostNode* node, const std::string& name, const Matrix& world,
                    const DisplayColor& display)
{
	if (node->type == Opolygon)
	{
		if (node->polygons.empty())
		{
			AddPoints(c, node, name, world, display);
			return true;
		}
		return AddMesh(c, MeshSource{&name, node->points.data(), static_cast<Int32>(node->points.size()),
		                             node->polygons.data(), static_cast<Int32>(node->polygons.size()), node, world,
		                             display});
	}
	if (node->type == Ospline)
	{
		AddSpline(c, node, name, world, display);
		return true;
	}
	if (IsPrimitive(node->type))
	{
		BaseObject* built = GeneratePrimitive(c.doc, node->type, node->data, 1.0, false);
		if (built == nullptr)
			return true; // parameters the builder refuses: nothing to show, as in the application
		const HostNode& mesh = Host(built);
		// The primitive's own tags (Phong) apply to the mesh built from it.
		const bool ok = AddMesh(c, MeshSource{&name, mesh.points.data(), static_cast<Int32>(mesh.points.size()),
		                                      mesh.polygons.data(), static_cast<Int32>(mesh.polygons.size()), node,
		                                      world, display});
		BaseObject::Free(built);
		return ok;
	}
	return true;
}

bool Collect(Collector& c, const HostNode* first)
{
	std::vector<Frame> stack;
	if (first != nullptr)
		stack.push_back(Frame{first, Matrix(), std::nullopt, false, true, nullptr, -1, false});
	while (!stack.empty())
	{
		const Frame f = stack.back();
		stack.pop_back();
		const HostNode* node = f.node;
		// Siblings come after this object's subtree: pushed first, popped last.
		if (f.followSiblings && node->next != nullptr)
			stack.push_back(
			    Frame{node->next, f.parentWorld, f.inherited, f.inCache, true, nullptr, f.parentNode, false});
		if (node->editorMode == MODE_OFF || node->renderMode == MODE_OFF)
			continue;

		const Matrix local = scene::LocalMatrix(node);
		const Matrix world = f.parentWorld * local;
		DisplayColor display = f.inherited;
		if (node->color.usecolor != ID_BASEOBJECT_USECOLOR_OFF)
			display = node->color.color;
		const std::string& name = f.nameOverride ? *f.nameOverride : node->name;
		const bool producesNothing = IsGenerator(node) && !node->enabled;
		std::int32_t own = f.parentNode;
		if (!f.cacheRoot || !(local == Matrix()))
		{
			own = static_cast<std::int32_t>(c.out.nodes.size());
			c.out.nodes.push_back(ExportNode{name, f.parentNode, ToExportMatrix(local), ToExportMatrix(world)});
		}

		// Children of document objects do not take their parent's colour; inside a generator's output they do. The
		// child splines of a generator that takes input objects (an extrude object) are its input: its output
		// stands for them.
		const bool consumesChildren = IsGenerator(node) && node->enabled && node->cache != nullptr &&
		                              (node->objectType->info & OBJECT_INPUT) != 0;
		if (node->down != nullptr && !consumesChildren)
			stack.push_back(
			    Frame{node->down, world, f.inCache ? display : std::nullopt, f.inCache, true, nullptr, own, false});
		if (producesNothing)
			continue;
		const ItemMark mark(c.out);
		if (!f.inCache)
			AddDrawnPoints(c, node, name);
		if (node->cache != nullptr)
		{
			mark.Assign(c.out, own);
			// The cache stands for the object; pushed last so it comes before the children.
			stack.push_back(Frame{&Host(node->cache), world, display, true, false, &name, own, true});
			continue;
		}
		const bool added = AddOwnGeometry(c, node, name, world, display);
		mark.Assign(c.out, own);
		if (!added)
			return false;
	}
	return true;
}
} // namespace

std::size_t ExportLines::SegmentCount() const
{
	std::size_t segments = 0;
	for (const std::uint32_t count : stripCounts)
		segments += count - 1;
	return segments;
}

Bounds SceneBounds(const ExportScene& scene)
{
	Bounds b;
	auto add = [&b](const std::vector<float>& positions)
	{
		for (std::size_t i = 0; i + 2 < positions.size(); i += 3)
		{
			for (int k = 0; k < 3; ++k)
			{
				const float v = positions[i + static_cast<std::size_t>(k)];
				if (b.empty || v < b.min[k])
					b.min[k] = v;
				if (b.empty || v > b.max[k])
					b.max[k] = v;
			}
			b.empty = false;
		}
	};
	for (const ExportMesh& m : scene.meshes)
		add(m.positions);
	for (const ExportLines& l : scene.lines)
		add(l.positions);
	for (const ExportPoints& p : scene.points)
		add(p.positions);
	return b;
}

bool CollectScene(const BaseDocument* doc, ExportScene& out, std::string& error)
{
	out = ExportScene();
	if (doc == nullptr)
		return true;
	try
	{
		Collector c{doc, out, {}, {}};
		if (Collect(c, Host(doc).firstObject))
			return true;
		error = c.error;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while collecting the scene";
	}
	out = ExportScene();
	return false;
}

std::string DroppedWarning(const DroppedCounts& dropped)
{
	std::vector<std::string> parts;
	auto add = [&parts](std::uint64_t n, const char* one, const char* many)
	{
		if (n > 0)
			parts.push_back(std::to_string(n) + " " + (n == 1 ? one : many));
	};
	add(dropped.triangles, "triangle", "triangles");
	add(dropped.lineSegments, "line segment", "line segments");
	add(dropped.points, "point", "points");
	if (parts.empty())
		return "";
	std::string text = "dropped " + parts[0];
	for (std::size_t i = 1; i < parts.size(); ++i)
		text += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
	return text + " with non-finite coordinates";
}
} // namespace surfax::io
