// Rebuilds of the mesh component's output through the host's scene evaluation: the surface with UVs and vertex
// colours at n = 1000 (1,002,001 points, 1,000,000 quadrangles) next to plain loops that allocate and write the same
// arrays, and icosahedron markers at n = 250 (63,001 markers, 1.26 million triangles, normals aligned).
//
// The plot samples once before timing; each iteration marks only the component dirty, so what is timed is one
// evaluation pass in which the plot keeps its samples and the component builds anew (the old output is freed too).
//
// Run after building the plug-in (the `surfax` target); it is loaded from the build's plug-in folder.
#include "host/eval/evaluate.h"
#include "bench/surfax_plugin.h"
#include "res/description/o3dplot.h"
#include "res/description/o3dplotmesh.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
using namespace cinema;
using surfax::bench::LoadSurfax;

constexpr Int32 kPlotObjectId = 1055349;
constexpr Int32 kMeshId = 1055457;

/// A document with a plot of resolution n and a mesh component below it, evaluated once. Freed by the destructor.
struct Scene
{
	BaseDocument* doc = nullptr;
	BaseObject* plot = nullptr;
	BaseObject* mesh = nullptr;

	Scene(Int32 n, Int32 type, Int32 marker)
	{
		doc = BaseDocument::Alloc();
		plot = doc != nullptr ? BaseObject::Alloc(kPlotObjectId) : nullptr;
		if (plot == nullptr)
			return;
		doc->InsertObject(plot, nullptr, nullptr);
		mesh = BaseObject::Alloc(kMeshId);
		if (mesh == nullptr)
			return;
		mesh->InsertUnderLast(plot);
		plot->GetDataInstanceRef().SetInt32(PLOT_RESOLUTION, n);
		BaseContainer& bc = mesh->GetDataInstanceRef();
		bc.SetInt32(PLOTMESH_TYPE, type);
		bc.SetInt32(PLOTMESH_MARKER, marker);
		bc.SetBool(PLOTMESH_VERTEXCOLORS, true);
		surfax::eval::EvaluateDocument(doc);
	}
	~Scene() { BaseDocument::Free(doc); }
	Scene(const Scene&) = delete;
	Scene& operator=(const Scene&) = delete;

	bool Ready() const { return mesh != nullptr && mesh->GetCache() != nullptr; }
};

/// One rebuild per iteration; counters show the size of the output.
void Rebuild(benchmark::State& state, Int32 type, Int32 marker)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return;
	}
	Scene scene(static_cast<Int32>(state.range(0)), type, marker);
	if (!scene.Ready())
	{
		state.SkipWithError("no memory for the scene");
		return;
	}
	const BaseObject* cache = surfax::bench::TimeRebuilds(state, scene.doc, scene.mesh, Opolygon, "polygon object");
	if (cache == nullptr)
		return;
	const PolygonObject* poly = static_cast<const PolygonObject*>(cache);
	state.counters["points"] = poly->GetPointCount();
	state.counters["polygons"] = poly->GetPolygonCount();
}

void SurfaceRebuild(benchmark::State& state)
{
	Rebuild(state, PLOTMESH_TYPE_SURFACE, PLOTMESH_MARKER_CUBE);
}

void IcosahedronMarkers(benchmark::State& state)
{
	Rebuild(state, PLOTMESH_TYPE_MARKERS, PLOTMESH_MARKER_ICOSAHEDRON);
}

/// The surface's arrays written with plain loops from the same samples: points, quadrangles, 12 UVW floats per
/// quadrangle, vertex colours, and the copy of the colours onto the component; all but the copy's target are
/// allocated anew at every iteration, as a rebuild must.
void PlainLoops(benchmark::State& state)
{
	if (!LoadSurfax())
	{
		state.SkipWithError("the surfax plug-in is not built");
		return;
	}
	const Int32 n = static_cast<Int32>(state.range(0));
	Scene scene(n, PLOTMESH_TYPE_SURFACE, PLOTMESH_MARKER_CUBE);
	if (!scene.Ready())
	{
		state.SkipWithError("no memory for the scene");
		return;
	}
	// The samples as the surface holds them: positions and colours (read back from single precision).
	const BaseObject* cache = scene.mesh->GetCache();
	const BaseTag* colorTag = cache->GetType() == Opolygon ? cache->GetTag(Tvertexcolor) : nullptr;
	if (colorTag == nullptr)
	{
		state.SkipWithError("the component built no coloured surface");
		return;
	}
	const PolygonObject* surface = static_cast<const PolygonObject*>(cache);
	const VariableTag* colorData = static_cast<const VariableTag*>(colorTag);
	const std::vector<Vector> positions(surface->GetPointR(), surface->GetPointR() + surface->GetPointCount());
	const maxon::ColorA32* sampleColors = static_cast<const maxon::ColorA32*>(colorData->GetLowlevelDataAddressR());
	std::vector<Vector> colorsOfSamples;
	for (Int32 k = 0; k < colorData->GetDataCount(); ++k)
		colorsOfSamples.push_back(Vector(sampleColors[k].r, sampleColors[k].g, sampleColors[k].b));
	const Int32 perAxis = n + 1;
	const size_t pointCount = static_cast<size_t>(perAxis) * perAxis;
	const size_t polygonCount = static_cast<size_t>(n) * n;
	std::vector<maxon::ColorA32> mirror(pointCount);
	for (auto _ : state)
	{
		std::vector<Vector> points(pointCount);
		std::vector<CPolygon> polygons(polygonCount);
		std::vector<Float32> uvw(polygonCount * 12);
		std::vector<maxon::ColorA32> colors(pointCount);
		for (size_t k = 0; k < pointCount; ++k)
		{
			const Vector& color = colorsOfSamples[k];
			points[k] = positions[k];
			colors[k] = maxon::ColorA32(Float32(color.x), Float32(color.y), Float32(color.z), 1.0f);
		}
		std::memcpy(mirror.data(), colors.data(), pointCount * sizeof(maxon::ColorA32));
		size_t p = 0;
		for (Int32 i = 0; i < n; ++i)
		{
			const Float u0 = Float(i) / n, u1 = Float(i + 1) / n;
			for (Int32 j = 0; j < n; ++j, ++p)
			{
				const Int32 k = i * perAxis + j;
				polygons[p] = CPolygon(k, k + 1, k + perAxis + 1, k + perAxis);
				const Float v0 = 1.0 - Float(j) / n, v1 = 1.0 - Float(j + 1) / n;
				const Float corners[12] = {u0, v0, 0.0, u0, v1, 0.0, u1, v1, 0.0, u1, v0, 0.0};
				for (int c = 0; c < 12; ++c)
					uvw[p * 12 + size_t(c)] = Float32(corners[c]);
			}
		}
		benchmark::DoNotOptimize(points.data());
		benchmark::DoNotOptimize(polygons.data());
		benchmark::DoNotOptimize(uvw.data());
		benchmark::DoNotOptimize(colors.data());
		benchmark::DoNotOptimize(mirror.data());
		benchmark::ClobberMemory();
	}
	state.counters["points"] = double(pointCount);
	state.counters["polygons"] = double(polygonCount);
}
} // namespace

BENCHMARK(PlainLoops)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(SurfaceRebuild)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(IcosahedronMarkers)->Arg(250)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
	return surfax::bench::RunAndUnload(argc, argv);
}
