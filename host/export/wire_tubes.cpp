#include "host/export/wire_tubes.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace surfax::io
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr std::size_t kSides = static_cast<std::size_t>(kTubeSides);

struct V3
{
	double x, y, z;
};

V3 operator+(const V3& a, const V3& b)
{
	return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(const V3& a, const V3& b)
{
	return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(const V3& a, double s)
{
	return {a.x * s, a.y * s, a.z * s};
}
double Dot(const V3& a, const V3& b)
{
	return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 Cross(const V3& a, const V3& b)
{
	return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// The unit vector along v, or false when v has no usable length.
bool Unit(const V3& v, V3& out)
{
	const double length = std::sqrt(Dot(v, v));
	if (!(length > 1e-300) || !std::isfinite(length))
		return false;
	out = v * (1.0 / length);
	return true;
}
// Any unit vector at a right angle to the unit vector t.
V3 Perpendicular(const V3& t)
{
	const V3 axis = std::fabs(t.x) < 0.9 ? V3{1, 0, 0} : V3{0, 1, 0};
	V3 u{};
	Unit(axis - t * Dot(axis, t), u);
	return u;
}

// u (at a right angle to the unit vector `from`) turned by the least rotation that takes `from` to the unit vector
// `to`: at a right angle to `to`. When the two are opposite, u is already at a right angle to both and stays.
V3 Transport(const V3& u, const V3& from, const V3& to)
{
	const V3 k = Cross(from, to);
	const double sine = std::sqrt(Dot(k, k)), cosine = Dot(from, to);
	V3 turned = u;
	if (sine > 1e-12)
	{
		const V3 axis = k * (1.0 / sine);
		turned = u * cosine + Cross(axis, u) * sine + axis * (Dot(axis, u) * (1.0 - cosine));
	}
	V3 out{};
	return Unit(turned - to * Dot(turned, to), out) ? out : Perpendicular(to);
}

// One strip's distinct points (indices into the line set's vertices) and whether it closes on itself.
struct StripShape
{
	std::vector<std::uint32_t> points;
	bool closed = false;

	std::size_t Rings() const { return points.size(); }
	std::size_t Segments() const { return closed ? points.size() : points.size() - 1; }
	bool Empty() const { return points.size() < 2; }
};

V3 Position(const ExportLines& lines, std::size_t i)
{
	const float* p = &lines.positions[i * 3];
	return {p[0], p[1], p[2]};
}

// Points nearer than this to the previous one are the same point: far below anything a tube of this radius shows.
double SamePointDistance(double radius)
{
	return radius * 1e-4;
}

void ShapeOf(const ExportLines& lines, std::size_t first, std::size_t count, double radius, StripShape& shape)
{
	shape.points.clear();
	shape.closed = false;
	const double same = SamePointDistance(radius);
	for (std::size_t i = first; i < first + count; ++i)
	{
		if (!shape.points.empty())
		{
			const V3 d = Position(lines, i) - Position(lines, shape.points.back());
			if (Dot(d, d) <= same * same)
				continue;
		}
		shape.points.push_back(static_cast<std::uint32_t>(i));
	}
	// A closed curve repeats its first point at its end: its last ring is its first.
	if (shape.points.size() >= 4)
	{
		const V3 d = Position(lines, shape.points.back()) - Position(lines, shape.points.front());
		if (Dot(d, d) <= same * same)
		{
			shape.points.pop_back();
			shape.closed = true;
		}
	}
}

// Calls visit(first, count) for every strip of the line set that fits its vertices.
template <typename Visit> void ForEachStrip(const ExportLines& lines, Visit visit)
{
	std::size_t first = 0;
	const std::size_t vertices = lines.VertexCount();
	for (const std::uint32_t count : lines.stripCounts)
	{
		if (first + count > vertices)
			return;
		visit(first, static_cast<std::size_t>(count));
		first += count;
	}
}

TubeCost ShapeCost(const StripShape& shape)
{
	TubeCost cost;
	if (shape.Empty())
		return cost;
	cost.vertices = shape.Rings() * kSides + (shape.closed ? 0 : 2 * kSides);
	cost.triangles = shape.Segments() * 2 * kSides + (shape.closed ? 0 : 2 * (kSides - 2));
	return cost;
}

TubeCost LinesCost(const ExportLines& lines, double radius, StripShape& shape)
{
	TubeCost cost;
	ForEachStrip(lines,
	             [&](std::size_t first, std::size_t count)
	             {
		             ShapeOf(lines, first, count, radius, shape);
		             const TubeCost c = ShapeCost(shape);
		             cost.vertices += c.vertices;
		             cost.triangles += c.triangles;
	             });
	return cost;
}

// The ring frames of one strip: at each ring its axis (the halving direction of the two segments), two unit vectors
// across it, the direction of the bend in its plane and how far the ring stretches along that direction.
struct Ring
{
	V3 centre, axis, u, v, bend;
	double stretch;
};

// Builds the tube of one strip into the mesh, whose arrays were reserved for the whole line set.
class TubeBuilder
{
public:
	TubeBuilder(const ExportLines& lines, double radius, ExportMesh& mesh) : _lines(lines), _radius(radius), _mesh(mesh)
	{
	}

	void Add(const StripShape& shape)
	{
		if (shape.Empty())
			return;
		Frames(shape);
		const std::uint32_t base = static_cast<std::uint32_t>(_mesh.VertexCount());
		for (std::size_t r = 0; r < _rings.size(); ++r)
		{
			for (std::size_t j = 0; j < kSides; ++j)
			{
				V3 normal{};
				const V3 p = RingPoint(_rings[r], j, normal);
				AddVertex(p, normal, shape.points[r]);
			}
		}
		const std::size_t rings = _rings.size();
		for (std::size_t s = 0; s < shape.Segments(); ++s)
		{
			const std::uint32_t a0 = base + static_cast<std::uint32_t>(s * kSides);
			const std::uint32_t b0 = base + static_cast<std::uint32_t>(((s + 1) % rings) * kSides);
			for (std::size_t j = 0; j < kSides; ++j)
			{
				const std::uint32_t k = static_cast<std::uint32_t>(j),
				                    next = static_cast<std::uint32_t>((j + 1) % kSides);
				// Around the axis the ring turns counter-clockwise (u towards v), so these face outward.
				Triangle(a0 + k, a0 + next, b0 + k);
				Triangle(a0 + next, b0 + next, b0 + k);
			}
		}
		if (!shape.closed)
		{
			Cap(_rings.front(), shape.points.front(), false);
			Cap(_rings.back(), shape.points.back(), true);
		}
	}

private:
	// The rings' frames: least rotation from one ring to the next; a closed strip spreads what is left over when it
	// comes round again over its rings, so its seam does not twist.
	void Frames(const StripShape& shape)
	{
		const std::size_t n = shape.points.size();
		_rings.resize(n);
		for (std::size_t r = 0; r < n; ++r)
		{
			Ring& ring = _rings[r];
			ring.centre = Position(_lines, shape.points[r]);
			const bool hasBefore = shape.closed || r > 0, hasAfter = shape.closed || r + 1 < n;
			V3 before{}, after{};
			const bool okBefore =
			    hasBefore && Unit(ring.centre - Position(_lines, shape.points[(r + n - 1) % n]), before);
			const bool okAfter = hasAfter && Unit(Position(_lines, shape.points[(r + 1) % n]) - ring.centre, after);
			if (!okBefore)
				before = after;
			if (!okAfter)
				after = before;
			if (!Unit(before + after, ring.axis))
				ring.axis = after; // the strip turns back on itself
			const double cosine = std::fabs(Dot(ring.axis, after));
			ring.stretch = std::min(1.0 / std::max(cosine, 1e-12), kMaxMiter);
			if (!Unit(after - before, ring.bend))
				ring.bend = V3{0, 0, 0};
			ring.u = r == 0 ? Perpendicular(ring.axis) : Transport(_rings[r - 1].u, _rings[r - 1].axis, ring.axis);
			ring.v = Cross(ring.axis, ring.u);
		}
		if (!shape.closed)
			return;
		// Carried once round, the first ring's u arrives turned by `angle` about its axis: turn each ring back by its
		// share.
		const Ring& first = _rings.front();
		const V3 arrived = Transport(_rings.back().u, _rings.back().axis, first.axis);
		const double angle = std::atan2(Dot(Cross(first.u, arrived), first.axis), Dot(first.u, arrived));
		for (std::size_t r = 1; r < n; ++r)
		{
			Ring& ring = _rings[r];
			const double turn = -angle * static_cast<double>(r) / static_cast<double>(n);
			const V3 u = ring.u * std::cos(turn) + ring.v * std::sin(turn);
			ring.u = u;
			ring.v = Cross(ring.axis, u);
		}
	}

	// Point j of the ring and its outward normal.
	V3 RingPoint(const Ring& ring, std::size_t j, V3& normal) const
	{
		const double angle = 2.0 * kPi * static_cast<double>(j) / static_cast<double>(kSides);
		normal = ring.u * std::cos(angle) + ring.v * std::sin(angle);
		const V3 stretched = normal + ring.bend * ((ring.stretch - 1.0) * Dot(normal, ring.bend));
		return ring.centre + stretched * _radius;
	}

	void AddVertex(const V3& p, const V3& normal, std::uint32_t linePoint)
	{
		const float position[3] = {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
		const float n[3] = {static_cast<float>(normal.x), static_cast<float>(normal.y), static_cast<float>(normal.z)};
		_mesh.positions.insert(_mesh.positions.end(), position, position + 3);
		_mesh.normals.insert(_mesh.normals.end(), n, n + 3);
		if (!_lines.colors.empty())
			_mesh.colors.insert(_mesh.colors.end(), &_lines.colors[linePoint * 4u], &_lines.colors[linePoint * 4u] + 4);
	}

	void Triangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
	{
		_mesh.indices.insert(_mesh.indices.end(), {a, b, c});
	}

	// A flat cap over an end ring, facing along the strip at the end and against it at the start: its own vertices
	// at the ring's positions, fanned from the first.
	void Cap(const Ring& ring, std::uint32_t linePoint, bool end)
	{
		const std::uint32_t base = static_cast<std::uint32_t>(_mesh.VertexCount());
		const V3 facing = end ? ring.axis : ring.axis * -1.0;
		for (std::size_t j = 0; j < kSides; ++j)
		{
			V3 radial{};
			AddVertex(RingPoint(ring, j, radial), facing, linePoint);
		}
		for (std::uint32_t j = 1; j + 1 < kSides; ++j)
		{
			if (end)
				Triangle(base, base + j, base + j + 1);
			else
				Triangle(base, base + j + 1, base + j);
		}
	}

	const ExportLines& _lines;
	double _radius;
	ExportMesh& _mesh;
	std::vector<Ring> _rings; // reused from strip to strip
};

// The tubes of one line set as a mesh, its arrays sized once from the count.
bool MakeTubes(const ExportLines& lines, double radius, StripShape& shape, ExportMesh& mesh, std::string& error)
{
	const TubeCost cost = LinesCost(lines, radius, shape);
	if (cost.vertices > kMaxItemVertices)
	{
		error = "the tubes of '" + lines.name + "' have too many vertices to export (" + std::to_string(cost.vertices) +
		        "): choose a lower resolution";
		return false;
	}
	mesh.name = lines.name;
	mesh.node = lines.node;
	mesh.colorSource = lines.colorSource;
	std::copy(lines.color, lines.color + 4, mesh.color);
	mesh.positions.reserve(cost.vertices * 3);
	mesh.normals.reserve(cost.vertices * 3);
	if (!lines.colors.empty())
		mesh.colors.reserve(cost.vertices * 4);
	mesh.indices.reserve(cost.triangles * 3);
	TubeBuilder builder(lines, radius, mesh);
	ForEachStrip(lines,
	             [&](std::size_t first, std::size_t count)
	             {
		             ShapeOf(lines, first, count, radius, shape);
		             builder.Add(shape);
	             });
	return true;
}
} // namespace

TubeCost TubeCostOf(const ExportScene& scene, double width)
{
	TubeCost cost;
	StripShape shape;
	for (const ExportLines& lines : scene.lines)
	{
		const TubeCost c = LinesCost(lines, width * 0.5, shape);
		cost.vertices += c.vertices;
		cost.triangles += c.triangles;
	}
	return cost;
}

bool TubeWires(ExportScene& scene, double width, std::string& error)
{
	if (!(width > 0.0) || !std::isfinite(width))
	{
		error = "the wire width must be a positive number";
		return false;
	}
	try
	{
		std::vector<ExportMesh> tubes;
		tubes.reserve(scene.lines.size());
		StripShape shape;
		for (const ExportLines& lines : scene.lines)
		{
			ExportMesh mesh;
			if (!MakeTubes(lines, width * 0.5, shape, mesh, error))
				return false;
			if (!mesh.indices.empty())
				tubes.push_back(std::move(mesh));
		}
		scene.meshes.reserve(scene.meshes.size() + tubes.size());
		for (ExportMesh& mesh : tubes)
			scene.meshes.push_back(std::move(mesh));
		scene.lines.clear();
		return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while making the wires' tubes";
		return false;
	}
}

std::string TubeWarning(const TubeCost& cost)
{
	if (cost.triangles <= kTubeWarningTriangles)
		return "";
	return "--wire-width: the wire tubes have " + std::to_string(cost.triangles) + " triangles and " +
	       std::to_string(cost.vertices) + " vertices (each wire point becomes " + std::to_string(kTubeSides) +
	       " vertices): large files and slow pictures; a lower resolution or a larger grid step keeps them smaller";
}
} // namespace surfax::io
