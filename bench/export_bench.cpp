// Exporting the largest chart a plot makes: an n = 1000 surface (1,002,001 points, 1,000,000 quads) with a UVW tag,
// a vertex colour tag and a Phong tag, as the mesh component builds it. Measured from the evaluated document to the
// file: collecting plus writing the .glb, and collecting plus rendering and writing the .png preview (800 x 600).
// The pieces (collect, glb, render) are measured on their own too.
#include "host/render/rasterizer.h"
#include "host/export/export_scene.h"
#include "host/export/gltf_writer.h"
#include "host/render/png_preview.h"

#include "c4d.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{
using namespace cinema;

constexpr Int32 kResolution = 1000;

// The surface y = 50 sin(x / 25) cos(z / 40) over -100..100, coloured blue to red by height.
BaseDocument* MakeDocument(bool phong)
{
	BaseDocument* doc = BaseDocument::Alloc();
	const Int32 side = kResolution + 1;
	PolygonObject* poly = PolygonObject::Alloc(side * side, kResolution * kResolution);
	if (doc == nullptr || poly == nullptr)
		std::abort();
	Vector* points = poly->GetPointW();
	for (Int32 i = 0; i < side; ++i)
	{
		for (Int32 j = 0; j < side; ++j)
		{
			const double x = -100.0 + 200.0 * i / kResolution;
			const double z = -100.0 + 200.0 * j / kResolution;
			points[i * side + j] = Vector(x, 50.0 * std::sin(x / 25.0) * std::cos(z / 40.0), z);
		}
	}
	UVWTag* uvw = static_cast<UVWTag*>(poly->MakeVariableTag(Tuvw, kResolution * kResolution));
	VertexColorTag* colors = static_cast<VertexColorTag*>(poly->MakeVariableTag(Tvertexcolor, side * side));
	if (uvw == nullptr || colors == nullptr || (phong && poly->MakeTag(Tphong) == nullptr))
		std::abort();
	CPolygon* polygons = poly->GetPolygonW();
	UVWHandle uv = uvw->GetDataAddressW();
	for (Int32 i = 0; i < kResolution; ++i)
	{
		for (Int32 j = 0; j < kResolution; ++j)
		{
			const Int32 a = i * side + j;
			polygons[i * kResolution + j] = CPolygon(a, a + 1, a + side + 1, a + side);
			const double u0 = double(i) / kResolution, u1 = double(i + 1) / kResolution;
			const double v0 = double(j) / kResolution, v1 = double(j + 1) / kResolution;
			UVWTag::Set(uv, i * kResolution + j,
			            UVWStruct(Vector(u0, v0, 0), Vector(u0, v1, 0), Vector(u1, v1, 0), Vector(u1, v0, 0)));
		}
	}
	VertexColorHandle rgba = colors->GetDataAddressW();
	for (Int32 k = 0; k < side * side; ++k)
	{
		const float t = static_cast<float>((points[k].y + 50.0) / 100.0);
		VertexColorTag::Set(rgba, nullptr, nullptr, k, maxon::ColorA32(t, 0.3f, 1.0f - t, 1.0f));
	}
	poly->InsertUnderLast(doc);
	return doc;
}

std::string OutputPath(const char* name)
{
	return (std::filesystem::temp_directory_path() / name).string();
}

void Collect(BaseDocument* doc, surfax::io::ExportScene& scene, benchmark::State& state)
{
	std::string error;
	if (!surfax::io::CollectScene(doc, scene, error))
		state.SkipWithError(error.c_str());
}

void ExportSurfaceToGlb(benchmark::State& state)
{
	BaseDocument* doc = MakeDocument(state.range(0) != 0);
	const std::string path = OutputPath("surfax-bench.glb");
	surfax::io::ExportScene scene;
	for (auto _ : state)
	{
		std::string error;
		Collect(doc, scene, state);
		if (!surfax::io::WriteGltf(path, scene, surfax::io::GltfContainer::Binary, error))
			state.SkipWithError(error.c_str());
	}
	state.counters["triangles"] = static_cast<double>(scene.meshes.empty() ? 0 : scene.meshes[0].TriangleCount());
	state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
	std::filesystem::remove(path);
	BaseDocument::Free(doc);
}

void ExportSurfaceToPng(benchmark::State& state)
{
	BaseDocument* doc = MakeDocument(state.range(0) != 0);
	const std::string path = OutputPath("surfax-bench.png");
	surfax::io::ExportScene scene;
	for (auto _ : state)
	{
		std::string error;
		Collect(doc, scene, state);
		if (!surfax::render::WritePreviewPng(path, scene, surfax::render::RenderOptions{}, error))
			state.SkipWithError(error.c_str());
	}
	std::filesystem::remove(path);
	BaseDocument::Free(doc);
}

void CollectSurface(benchmark::State& state)
{
	BaseDocument* doc = MakeDocument(true);
	surfax::io::ExportScene scene;
	for (auto _ : state)
		Collect(doc, scene, state);
	BaseDocument::Free(doc);
}

void EncodeSurfaceGlbInMemory(benchmark::State& state)
{
	BaseDocument* doc = MakeDocument(true);
	surfax::io::ExportScene scene;
	Collect(doc, scene, state);
	std::vector<std::uint8_t> bytes;
	for (auto _ : state)
	{
		std::string error;
		if (!surfax::io::EncodeGltf(scene, surfax::io::GltfContainer::Binary, bytes, error))
			state.SkipWithError(error.c_str());
	}
	BaseDocument::Free(doc);
}

void RenderSurface(benchmark::State& state)
{
	BaseDocument* doc = MakeDocument(true);
	surfax::io::ExportScene scene;
	Collect(doc, scene, state);
	surfax::io::Image image;
	for (auto _ : state)
	{
		std::string error;
		if (!surfax::render::RenderScene(scene, surfax::render::RenderOptions{}, image, error))
			state.SkipWithError(error.c_str());
	}
	BaseDocument::Free(doc);
}
} // namespace

// Argument: 1 with the Phong tag (smooth, shared vertices; the mesh component's default), 0 flat.
BENCHMARK(ExportSurfaceToGlb)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExportSurfaceToPng)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CollectSurface)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(EncodeSurfaceGlbInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RenderSurface)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
