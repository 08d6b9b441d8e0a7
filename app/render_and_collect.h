// Exporting is a render: the one place where the command line joins scene evaluation (eval) and the export model
// (export), so that neither of those layers includes the other.
#ifndef SURFAX_APP_RENDER_AND_COLLECT_H
#define SURFAX_APP_RENDER_AND_COLLECT_H

#include "c4d.h"
#include "host/export/export_scene.h"

#include <string>

namespace surfax::app
{
/// Evaluates doc as an external render (CheckIsRunning reports EXTERNALRENDERING while the generators run), then
/// collects it into `out` (io::CollectScene, whose results and errors it returns). False with `error` also when doc
/// is null; `out` is then empty.
bool RenderAndCollect(cinema::BaseDocument* doc, io::ExportScene& out, std::string& error);
} // namespace surfax::app

#endif
