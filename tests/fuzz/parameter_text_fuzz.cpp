// Feeds arbitrary command-line edits to --set (app/parameter_edits.cpp and app/parameter_text.cpp, from surfax_app) on
// a fresh document of a plot with all four components, with the built plug-in loaded once per process: the text of each
// line of the input is one "[OBJECTNAME:]SYMBOL=VALUE", read into numbers, vectors, colours, cycle entries, strings,
// gradients (by name or as JSON) and fonts, and set through the attribute panel's path. Besides crashes, leaks and
// sanitizer reports it checks the contract:
// - a refused edit says why;
// - after every edit each number of every object lies within its description's limits (the edit was clamped);
// - the edited document saves to text that loads again and saves to the same bytes.
#include "tests/fuzz/fuzz_support.h"
#include "app/parameter_edits.h"
#include "host/core/diagnostics.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"
#include "host/scene/node.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace cinema;

using surfax::fuzz::Require;

namespace
{
// Edits per input: enough for edits that depend on each other (a cycle entry, then the value it enables).
constexpr int kMaxEdits = 8;
constexpr const char* kPlotDescription = "o3dplot";
constexpr const char* kComponentDescriptions[] = {"o3dplotmesh", "o3dplotgrid", "o3dplotcage", "o3dplotlabel"};

BaseObject* AllocByDescription(const char* name)
{
	const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectTypeByName(name);
	Require(type != nullptr);
	BaseObject* op = BaseObject::Alloc(type->id);
	Require(op != nullptr);
	return op;
}

/// A document as `plot --with all` starts it: the plot with its four components below it.
BaseDocument* PlotDocument()
{
	BaseDocument* doc = BaseDocument::Alloc();
	Require(doc != nullptr);
	BaseObject* plot = AllocByDescription(kPlotDescription);
	doc->InsertObject(plot, nullptr, nullptr);
	for (const char* component : kComponentDescriptions)
		AllocByDescription(component)->InsertUnderLast(plot);
	return doc;
}

/// Every number of the object's container that its description limits lies within the limits.
void CheckLimits(const BaseObject& op)
{
	const surfax::plugins::ObjectType* type = surfax::plugins::FindObjectType(op.GetType());
	if (type == nullptr || type->description == nullptr)
		return;
	const BaseContainer& bc = op.GetDataInstanceRef();
	for (const surfax::resources::ParamDesc& param : type->description->params)
	{
		const GeData& value = bc.GetData(param.id);
		if (!param.hasId || (value.GetType() != DA_LONG && value.GetType() != DA_REAL))
			continue;
		const Float number = value.GetType() == DA_LONG ? static_cast<Float>(value.GetInt32()) : value.GetFloat();
		Require(!param.min || !(number < *param.min));
		Require(!param.max || !(number > *param.max));
	}
}

void CheckDocument(BaseDocument& doc)
{
	for (BaseObject* op = doc.GetFirstObject(); op != nullptr; op = surfax::scene::NextInDocumentOrder(op))
		CheckLimits(*op);
	surfax::fuzz::RequireRoundTrip(doc);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	surfax::fuzz::EnsurePluginLoaded();
	surfax::core::ClearReports();
	std::string_view input(reinterpret_cast<const char*>(data), size);
	BaseDocument* doc = PlotDocument();
	for (int edit = 0; edit < kMaxEdits && !input.empty(); ++edit)
	{
		const std::size_t end = input.find('\n');
		const std::string_view line = input.substr(0, end);
		input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
		std::string message;
		if (!surfax::app::ApplySet(*doc, line, message))
			Require(!message.empty());
		CheckDocument(*doc);
	}
	BaseDocument::Free(doc);
	return 0;
}
