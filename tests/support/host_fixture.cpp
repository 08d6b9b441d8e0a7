#include "support/host_fixture.h"

#include "host/eval/evaluate.h"
#include "host/plugins/loader.h"
#include "host/user/actions.h"

#include <gtest/gtest.h>

#include <map>

namespace surfax::test
{
std::string PluginFolder(const std::string& name)
{
	if (name == "surfax" || name == "SurfaxR2025")
		return std::string(SURFAX_PLUGIN_ROOT) + "/" + name;
	return std::string(SURFAX_TEST_PLUGIN_ROOT) + "/" + name;
}

bool EnsurePluginLoaded(const std::string& name)
{
	static std::map<std::string, bool> loaded;
	const auto it = loaded.find(name);
	if (it != loaded.end())
		return it->second;
	bool ok = false;
	for (const std::string& library : plugins::FindPluginLibraries(PluginFolder(name)))
		ok = plugins::LoadPlugin(library).loaded;
	loaded[name] = ok;
	return ok;
}

TestDocument::TestDocument() : _doc(cinema::BaseDocument::Alloc())
{
}

TestDocument::~TestDocument()
{
	cinema::BaseDocument::Free(_doc);
}

cinema::BaseObject* TestDocument::Add(cinema::Int32 type, cinema::BaseObject* parent)
{
	cinema::BaseObject* op = cinema::BaseObject::Alloc(type);
	EXPECT_NE(op, nullptr) << "object type " << type << " could not be made";
	if (op == nullptr)
		return nullptr;
	if (parent != nullptr)
		op->InsertUnderLast(parent);
	else
		op->InsertUnderLast(_doc);
	return op;
}

void TestDocument::Evaluate(bool render)
{
	eval::EvalOptions options;
	options.render = render;
	eval::EvaluateDocument(_doc, options);
}

void TestDocument::SetFrame(cinema::Int32 frame)
{
	user::SetFrame(_doc, frame);
}
} // namespace surfax::test
