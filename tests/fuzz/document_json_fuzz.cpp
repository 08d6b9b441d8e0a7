// Feeds arbitrary bytes to the document loader, with the built plug-in loaded (once per process), so that documents
// of plot objects and their components reach the plug-in's parameter reading, saving and evaluation. Besides
// crashes, leaks and sanitizer reports it checks the contract:
// - a failure carries a message and a place inside the text (or a path);
// - a loaded document saves to text that loads again and saves to the same bytes;
// - an accepted document evaluates (a redraw, then a render with its export model and the dump), and what it saves
//   after that loads again and saves to the same bytes.
// Work is bounded: inputs over kMaxInputBytes are skipped, documents of more than kMaxEvaluatedObjects objects are
// only loaded and saved, and the parameters that set how much an object builds are clamped before the evaluation.
#include "tests/fuzz/fuzz_support.h"
#include "app/render_and_collect.h"
#include "host/core/diagnostics.h"
#include "host/document/document_json.h"
#include "host/document/dump.h"
#include "host/eval/evaluate.h"
#include "host/export/export_scene.h"
#include "host/scene/node.h"
#include "res/description/o3dplot.h"
#include "res/description/o3dplotcage.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace cinema;

using surfax::fuzz::Require;

namespace
{
constexpr std::size_t kMaxInputBytes = 64 * 1024;
constexpr int kMaxEvaluatedObjects = 48;
// Enough samples for every path of the plot and its components (odd and even counts), few enough to stay fast.
constexpr Int32 kMaxResolution = 5;
constexpr Int32 kMaxCageLines = 4;

void ClampInt32(BaseContainer& bc, Int32 id, Int32 most)
{
	if (bc.GetData(id).GetType() == DA_LONG && bc.GetInt32(id) > most)
		bc.SetInt32(id, most);
}

/// Clamps what sets the work of an evaluation; false when the document has too many objects to evaluate.
bool BoundWork(BaseDocument& doc)
{
	int count = 0;
	for (BaseObject* op = doc.GetFirstObject(); op != nullptr; op = surfax::scene::NextInDocumentOrder(op))
	{
		if (++count > kMaxEvaluatedObjects)
			return false;
		BaseContainer& bc = op->GetDataInstanceRef();
		ClampInt32(bc, PLOT_RESOLUTION, kMaxResolution);
		ClampInt32(bc, PLOTCAGE_LEVELS, kMaxCageLines);
		ClampInt32(bc, PLOTCAGE_DIVISIONS, kMaxCageLines);
	}
	return true;
}

void Evaluate(BaseDocument& doc)
{
	Require(surfax::eval::EvaluateDocument(&doc));
	surfax::io::ExportScene scene;
	std::string error;
	(void)surfax::app::RenderAndCollect(&doc, scene, error);
	std::string dump;
	(void)surfax::io::DumpDocument(doc, surfax::io::DumpOptions{}, dump, error);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	if (size > kMaxInputBytes)
		return 0;
	surfax::fuzz::EnsurePluginLoaded();
	surfax::core::ClearReports();
	const std::string_view text(reinterpret_cast<const char*>(data), size);
	surfax::io::JsonError error;
	BaseDocument* doc = surfax::io::LoadDocumentJson(text, error);
	if (doc == nullptr)
	{
		Require(!error.message.empty() && error.line >= 0 && error.column >= 0);
		return 0;
	}
	surfax::fuzz::RequireRoundTrip(*doc);
	if (BoundWork(*doc))
	{
		Evaluate(*doc);
		surfax::fuzz::RequireRoundTrip(*doc);
	}
	BaseDocument::Free(doc);
	return 0;
}
