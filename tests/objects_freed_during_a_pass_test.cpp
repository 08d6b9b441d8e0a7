// Objects freed while a pass of the evaluation still has to visit them: a plug-in's Execute, build or Draw deletes
// objects (the label component's rebuild deletes whole subtrees), and the pass must go on without reading them.
//
// Each case runs in a child process with the scene's freed-node guard on, which makes any read of a freed node end the
// process with SIGSEGV at that read: a pass that reads freed memory fails the test in any build, sanitizers or not.
#include "support/host_command.h"
#include "support/host_fixture.h"
#include "support/missing_package.h"
#include "support/sanitizers.h"

#include "host/document/document_json.h"
#include "host/document/dump.h"
#include "host/draw/draw_recorder.h"
#include "host/eval/evaluate.h"
#include "host/scene/node.h"
#include "plugins/testplug/res/description/otestgen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

using namespace cinema;
using surfax::test::TestDocument;

namespace
{
constexpr Int32 kTestGenerator = 1000001;

// Runs body in a child process with freed nodes guarded; the child ends with 0 only when body's checks passed.
void RunGuarded(const std::function<void()>& body)
{
	EXPECT_EXIT(
	    {
		    surfax::scene::GuardFreedNodes(true);
		    body();
		    std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
	    },
	    ::testing::ExitedWithCode(0), "");
}

BaseObject* AddGenerator(TestDocument& doc, Int32 frees, BaseObject* parent = nullptr)
{
	BaseObject* op = doc.Add(kTestGenerator, parent);
	op->GetDataInstance()->SetInt32(TESTGEN_FREES, frees);
	return op;
}

int CountObjects(BaseDocument* doc)
{
	int count = 0;
	for (BaseObject* op = doc->GetFirstObject(); op != nullptr; op = op->GetNext())
		++count;
	return count;
}

class ObjectsFreedDuringAPass : public ::testing::Test
{
protected:
	void SetUp() override
	{
		GTEST_FLAG_SET(death_test_style, "threadsafe");
		ASSERT_TRUE(surfax::test::EnsurePluginLoaded("testplug"));
	}
};
} // namespace

TEST_F(ObjectsFreedDuringAPass, AreNotExecutedOnceAnEarlierExecuteFreedThem)
{
	RunGuarded(
	    []
	    {
		    TestDocument doc;
		    BaseObject* first = AddGenerator(doc, TESTGEN_FREES_NEXT_IN_EXECUTE);
		    AddGenerator(doc, 0);
		    BaseObject* last = AddGenerator(doc, 0);
		    doc.Evaluate();
		    EXPECT_EQ(CountObjects(doc.Get()), 2);
		    EXPECT_EQ(first->GetNext(), last);
		    EXPECT_EQ(last->GetDataInstanceRef().GetInt32(TESTGEN_EXECUTIONS), 1);
		    ASSERT_NE(last->GetCache(), nullptr);
	    });
}

TEST_F(ObjectsFreedDuringAPass, AnObjectThatFreesItselfInExecuteIsLeftAloneAfterwards)
{
	RunGuarded(
	    []
	    {
		    TestDocument doc;
		    AddGenerator(doc, TESTGEN_FREES_ITSELF_IN_EXECUTE);
		    BaseObject* other = AddGenerator(doc, 0);
		    doc.Evaluate();
		    EXPECT_EQ(doc->GetFirstObject(), other);
		    EXPECT_EQ(other->GetDataInstanceRef().GetInt32(TESTGEN_EXECUTIONS), 1);
		    EXPECT_NE(other->GetCache(), nullptr);
	    });
}

TEST_F(ObjectsFreedDuringAPass, AreNotBuiltOnceAnEarlierBuildFreedThem)
{
	RunGuarded(
	    []
	    {
		    TestDocument doc;
		    BaseObject* first = AddGenerator(doc, TESTGEN_FREES_NEXT_IN_BUILD);
		    BaseObject* middle = AddGenerator(doc, 0);
		    middle->GetDataInstance()->SetInt32(TESTGEN_CHILDREN, 5); // a cache of its own that goes with it
		    BaseObject* last = AddGenerator(doc, 0);
		    doc.Evaluate();
		    EXPECT_EQ(first->GetNext(), last);
		    EXPECT_NE(first->GetCache(), nullptr);
		    EXPECT_EQ(last->GetDataInstanceRef().GetInt32(TESTGEN_BUILDS), 1);
	    });
}

TEST_F(ObjectsFreedDuringAPass, DrawingGoesOnAfterADrawFreedTheObjectsAroundIt)
{
	RunGuarded(
	    []
	    {
		    TestDocument doc;
		    BaseObject* parent = AddGenerator(doc, 0);
		    AddGenerator(doc, TESTGEN_FREES_PARENT_IN_DRAW, parent);
		    BaseObject* after = AddGenerator(doc, 0);
		    const std::vector<surfax::draw::ObjectDrawing> drawings = surfax::draw::DrawDocument(doc.Get());
		    EXPECT_EQ(doc->GetFirstObject(), after);
		    // Only the object that is still there keeps its drawings (both passes).
		    ASSERT_EQ(drawings.size(), 2u);
		    EXPECT_EQ(drawings[0].object, after);
		    EXPECT_EQ(drawings[1].object, after);
	    });
}

// The reproduction from the field: a label component whose generated label "_3dPlotHLabel0_" holds another plug-in
// object. The outer label's rebuild (sent by the plot's Execute) frees that subtree, whose label is still in the
// execution list and the generator pass of the same evaluation.
TEST_F(ObjectsFreedDuringAPass, ALabelRebuildFreeingPlugInObjectsOfItsGeneratedLabelsIsSurvived)
{
	ASSERT_TRUE(surfax::test::EnsurePluginLoaded("surfax"));
	const std::string smallest = R"({"objects": [{"type": "o3dplot", "children": [{"type": "o3dplotlabel", "children": [
		{"type": "Oextrude", "name": "_3dPlotHLabel0_", "children": [{"type": "o3dplotlabel"}]}]}]}]})";
	const std::string larger = R"({"objects": [{"type": "o3dplot", "children": [{"type": "o3dplotlabel", "children": [
		{"type": "Oextrude", "name": "_3dPlotHLabel0_", "children": [{"type": "o3dplotlabel", "children": [
			{"type": "Oextrude"}, {"type": "Oextrude"}, {"type": "Oextrude"}, {"type": "Oextrude"},
			{"type": "Oextrude"}, {"type": "Oextrude"}]}, {"type": "o3dplotmesh"}, {"type": "o3dplotgrid"},
			{"type": "o3dplotcage"}]}]}]}]})";
	for (const std::string& text : {smallest, larger})
	{
		RunGuarded(
		    [&text]
		    {
			    surfax::io::JsonError error;
			    BaseDocument* doc = surfax::io::LoadDocumentJson(text, error);
			    ASSERT_NE(doc, nullptr) << error.message;
			    surfax::eval::EvaluateDocument(doc);
			    const std::vector<surfax::draw::ObjectDrawing> drawings = surfax::draw::DrawDocument(doc);
			    surfax::io::DumpOptions options;
			    options.drawings = &drawings;
			    std::string dump, message;
			    EXPECT_TRUE(surfax::io::DumpDocument(*doc, options, dump, message)) << message;
			    // The rebuild made the thirteen labels anew; the hand-made subtree went with the old "_3dPlotHLabel0_".
			    const BaseObject* label = doc->GetFirstObject()->GetDown();
			    int labels = 0;
			    for (const BaseObject* child = label->GetDown(); child != nullptr; child = child->GetNext())
			    {
				    labels += child->GetName().GetUtf8().rfind("_3dPlot", 0) == 0 ? 1 : 0;
				    EXPECT_EQ(child->GetDown() == nullptr || child->GetDown()->GetNext() == nullptr, true);
			    }
			    EXPECT_EQ(labels, 13);
			    const std::string saved = surfax::io::SaveDocumentJson(*doc);
			    BaseDocument::Free(doc);
			    BaseDocument* again = surfax::io::LoadDocumentJson(saved, error);
			    ASSERT_NE(again, nullptr) << error.message;
			    surfax::eval::EvaluateDocument(again);
			    BaseDocument::Free(again);
		    });
	}
}

// The same reproduction as a person runs it, under valgrind's memory check: `eval --dump --save` of the smallest case,
// then `eval --dump` of the document it saved (labels made by a rebuild, nested in the labels of another).
TEST_F(ObjectsFreedDuringAPass, EvalOfTheReproductionAndOfItsSavedDocumentIsCleanUnderValgrind)
{
	if (surfax::test::kBuiltWithAddressSanitizer)
		GTEST_SKIP() << "valgrind does not run programs built with AddressSanitizer (which checks this itself)";
	if (!surfax::test::HasProgram("valgrind"))
		GTEST_SKIP() << surfax::test::MissingPackageReason("valgrind", "valgrind");
	const std::filesystem::path dir = surfax::test::MakeTestFolder("surfax-freed");
	std::ofstream(dir / "smallest.json") << R"({"objects": [{"type": "o3dplot", "children": [{"type": "o3dplotlabel",
		"children": [{"type": "Oextrude", "name": "_3dPlotHLabel0_", "children": [{"type": "o3dplotlabel"}]}]}]}]})";
	const std::string valgrind = "valgrind -q --error-exitcode=99 --exit-on-first-error=no";
	const std::vector<std::vector<std::string>> runs = {{"eval", "smallest.json", "--dump", "--save", "saved.json"},
	                                                    {"eval", "saved.json", "--dump", "--draw"}};
	for (const std::vector<std::string>& args : runs)
	{
		const surfax::test::HostRun run = surfax::test::RunHost(dir, args, valgrind);
		// Debian 12's valgrind cannot read the DWARF 5 debug information Clang writes, and gives up before running.
		if (run.err.find("Possibly corrupted debuginfo file") != std::string::npos)
		{
			std::filesystem::remove_all(dir);
			GTEST_SKIP() << "valgrind cannot read this build's debug information (the GCC build runs this check)";
		}
		EXPECT_EQ(run.exitCode, 0) << args[1] << ":\n" << run.err;
		EXPECT_EQ(run.err.find("Invalid read"), std::string::npos) << run.err;
	}
	std::filesystem::remove_all(dir);
}
