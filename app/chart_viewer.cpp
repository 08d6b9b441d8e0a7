#include "app/chart_viewer.h"

#include "host/render/chart_page.h"

#include <cstdlib>
#include <filesystem>

namespace surfax::app
{
std::vector<std::string> ChartViewerCandidates()
{
	if (const char* named = std::getenv(kChartViewerVariable); named != nullptr && *named != '\0')
		return {named};
	std::vector<std::string> candidates;
	std::error_code ec;
	const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
	if (!ec)
		candidates.push_back((executable.parent_path() / "viewer" / render::kChartViewerFileName).string());
	candidates.push_back(SURFAX_VIEWER_SOURCE);
	return candidates;
}

bool LoadChartViewerScript(std::string& script, std::string& message)
{
	const std::vector<std::string> candidates = ChartViewerCandidates();
	std::string places;
	for (const std::string& path : candidates)
	{
		std::error_code ec;
		if (std::filesystem::exists(path, ec))
			return render::LoadChartViewer(path, script, message);
		if (!places.empty())
			places += ", ";
		places += path;
	}
	message = std::string("the glTF viewer for chart pages (three.js, ") + render::kChartViewerFileName +
	          ") is missing: no file at " + places + " (the build copies it from third_party/three/; " +
	          kChartViewerVariable + " can name a copy)";
	return false;
}
} // namespace surfax::app
