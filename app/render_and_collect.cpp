#include "app/render_and_collect.h"

#include "host/eval/evaluate.h"

namespace surfax::app
{
bool RenderAndCollect(cinema::BaseDocument* doc, io::ExportScene& out, std::string& error)
{
	if (doc == nullptr)
	{
		out = io::ExportScene();
		error = "no document to export";
		return false;
	}
	eval::EvalOptions options;
	options.render = true;
	eval::EvaluateDocument(doc, options);
	return io::CollectScene(doc, out, error);
}
} // namespace surfax::app
