#include "host/render/png_preview.h"

#include "host/image/image.h"

namespace surfax::render
{
bool WritePreviewPng(const std::string& path, const io::ExportScene& scene, const RenderOptions& options,
                     std::string& error)
{
	io::Image image;
	if (!RenderScene(scene, options, image, error))
	{
		error = path + ": " + error;
		return false;
	}
	// WritePng's messages name the file.
	return io::WritePng(path, image, error, options.pngCompression);
}
} // namespace surfax::render
