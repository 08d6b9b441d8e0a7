// Where `surfax-host plot -o chart.html` finds the glTF viewer it inlines into the page (three.js, bundled as
// third_party/three/surfax-three.js). The program needs no network: the viewer is a file that comes with the build.
#ifndef SURFAX_APP_CHART_VIEWER_H
#define SURFAX_APP_CHART_VIEWER_H

#include <string>
#include <vector>

namespace surfax::app
{
/// The environment variable that names the viewer file instead of the places below.
constexpr const char* kChartViewerVariable = "SURFAX_VIEWER";

/// The files looked at, in order: only the file SURFAX_VIEWER names when it is set and not empty; else
/// viewer/surfax-three.js in the folder of the surfax-host executable (where the build copies it, and where a copied
/// program takes it along), then the copy in the source tree the program was built from.
std::vector<std::string> ChartViewerCandidates();

/// Reads the first candidate that exists. False with `message` naming every place looked at when none does, or the
/// reason when the file found cannot be read or is not the viewer.
bool LoadChartViewerScript(std::string& script, std::string& message);
} // namespace surfax::app

#endif
