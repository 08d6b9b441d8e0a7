// Test support: a host of its own for every test, loading plug-ins into it, and documents that clean up after
// themselves.
//
// Every test of the test binary starts and ends with a fresh host: a listener that this unit installs resets the
// host before and after each test (ResetHostState), so no test sees the plug-ins, registered types or switches
// another test left behind, in any order and however often the tests run in one process. A test needs nothing for it.
#ifndef SURFAX_TESTS_SUPPORT_HOST_FIXTURE_H
#define SURFAX_TESTS_SUPPORT_HOST_FIXTURE_H

#include "c4d.h"

#include <string>

namespace surfax::test
{
// Folder of a built plug-in: "surfax" and "SurfaxR2025" under the build's plug-in root, test plug-ins
// ("testplug", "testplug_future", ...) under the test plug-in root.
std::string PluginFolder(const std::string& name);

// Loads the named plug-in into this test's host unless it is loaded there already; it stays loaded until the test
// ends. Returns whether it is loaded. Loading "surfax" and "testplug" together is fine; the two Surfax profiles
// register the same ids, so the one loaded second registers no type.
bool EnsurePluginLoaded(const std::string& name);

// Puts the host back as a test finds it: every plug-in unloaded (C4DPL_END, its types and descriptions removed, the
// library closed), the types registered without a plug-in removed too, the reported API version the default, no
// allocation set to fail, reports cleared and printed as SURFAX_QUIET says, no scripted answers or questions, no
// files opened, freed nodes not guarded, no stop requested. Every node of a plug-in type must be freed before. A host
// component that keeps state between calls is reset here, so that every test is isolated from the others without a
// fixture of its own.
void ResetHostState();

// A document freed at the end of the test. Objects added with Add are inserted as the last top-level object
// (or the last child of parent) after BaseObject::Alloc (so Init has run).
class TestDocument
{
public:
	TestDocument();
	~TestDocument();
	TestDocument(const TestDocument&) = delete;
	TestDocument& operator=(const TestDocument&) = delete;

	cinema::BaseDocument* Get() const { return _doc; }
	cinema::BaseDocument* operator->() const { return _doc; }
	// Allocates and inserts an object; fails the test (returns null) when the type is unknown.
	cinema::BaseObject* Add(cinema::Int32 type, cinema::BaseObject* parent = nullptr);
	// Runs one scene evaluation (render = an external render).
	void Evaluate(bool render = false);
	// Sets the time to the frame (document fps).
	void SetFrame(cinema::Int32 frame);

private:
	cinema::BaseDocument* _doc = nullptr;
};
} // namespace surfax::test

#endif
