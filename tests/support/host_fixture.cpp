#include "support/host_fixture.h"

#include "host/core/diagnostics.h"
#include "host/core/interruption.h"
#include "host/core/memory.h"
#include "host/eval/evaluate.h"
#include "host/scene/node.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"
#include "host/user/actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace surfax::test
{
namespace
{
/// Gives every test a fresh host: before it starts, and after it ended (its fixture and documents are gone by then),
/// so that the plug-ins it loaded are unloaded before the next test and before the process exits.
class HostStateListener final : public ::testing::EmptyTestEventListener
{
public:
	void OnTestStart(const ::testing::TestInfo&) override { ResetHostState(); }
	void OnTestEnd(const ::testing::TestInfo&) override { ResetHostState(); }
};

// Installed before main runs, so that every test of the binary is isolated, whichever file it is in.
[[maybe_unused]] const bool g_hostStateListenerInstalled = []
{
	::testing::UnitTest::GetInstance()->listeners().Append(new HostStateListener);
	return true;
}();
} // namespace

void ResetHostState()
{
	plugins::UnloadAllPlugins(); // also removes the types registered without a plug-in, such as the document test type
	plugins::SetHostApiVersion(plugins::kDefaultApiVersion);
	core::FailAllocationAfter(0);
	core::SetDebugReportsQuiet(false);
	core::SetQuiet(std::getenv("SURFAX_QUIET") != nullptr);
	core::ClearReports();
	user::ClearAnswers();
	user::ClearQuestions();
	user::SetOpenFiles(false);
	user::ClearFilesOpened();
	scene::GuardFreedNodes(false);
	core::ClearInterruption();
}

std::string PluginFolder(const std::string& name)
{
	if (name == "surfax" || name == "SurfaxR2025")
		return std::string(SURFAX_PLUGIN_ROOT) + "/" + name;
	return std::string(SURFAX_TEST_PLUGIN_ROOT) + "/" + name;
}

bool EnsurePluginLoaded(const std::string& name)
{
	const std::vector<std::string> libraries = plugins::FindPluginLibraries(PluginFolder(name));
	if (libraries.empty())
		return false;
	bool loaded = true;
	for (const std::string& library : libraries)
	{
		const std::vector<plugins::PluginStatus>& statuses = plugins::PluginStatuses();
		const bool already = std::any_of(statuses.begin(), statuses.end(),
		                                 [&](const plugins::PluginStatus& status)
		                                 { return status.loaded && status.library == library; });
		if (!already && !plugins::LoadPlugin(library).loaded)
			loaded = false;
	}
	return loaded;
}

TestDocument::TestDocument() : _doc(cinema::BaseDocument::Alloc()) {}

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
