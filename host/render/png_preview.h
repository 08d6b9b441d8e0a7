// PNG previews of a collected scene: the rasteriser's default three-quarter view written as a PNG file.
#ifndef SURFAX_HOST_RENDER_PNG_PREVIEW_H
#define SURFAX_HOST_RENDER_PNG_PREVIEW_H

#include "host/render/rasterizer.h"
#include "host/export/export_scene.h"

#include <string>

namespace surfax::render
{
/// Renders the scene (RenderScene) and writes it to path as PNG. The same scene and options give the same
/// bytes. False with `error` ("PATH: reason") when the size is invalid or the file cannot be written (a partly
/// written file is removed).
bool WritePreviewPng(const std::string& path, const io::ExportScene& scene, const RenderOptions& options,
                     std::string& error);
} // namespace surfax::render

#endif
