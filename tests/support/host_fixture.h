// Test support: loading plug-ins into the host once per test binary, and documents that clean up after
// themselves.
#ifndef SURFAX_TESTS_SUPPORT_HOST_FIXTURE_H
#define SURFAX_TESTS_SUPPORT_HOST_FIXTURE_H

#include "c4d.h"

#include <string>

namespace surfax::test
{
// Folder of a built plug-in: "surfax" and "SurfaxR2025" under the build's plug-in root, test plug-ins
// ("testplug", "testplug_future") under the test plug-in root.
std::string PluginFolder(const std::string& name);

// Loads the named plug-in (once per process; later calls return the first result). The host keeps it loaded
// until the process ends. Returns whether it loaded. Loading "surfax" and "testplug" together is fine; the
// two Surfax profiles register the same ids, so load only one of them per process.
bool EnsurePluginLoaded(const std::string& name);

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
