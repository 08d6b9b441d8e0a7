// A small plug-in for the host's loader tests: PluginStart registers one type and then reports failure, as a
// plug-in does whose later registrations could not be made.
#include "c4d.h"

#include "otestfail.h"

using namespace cinema;

namespace
{
constexpr Int32 ID_TESTFAIL = 1000002;
} // namespace

/// An object type that is registered by a start that fails.
class TestFailing : public ObjectData
{
	INSTANCEOF(TestFailing, ObjectData)

public:
	static NodeData* Alloc() { return NewObjClear(TestFailing); }
};

namespace cinema
{
Bool PluginStart()
{
	RegisterObjectPlugin(ID_TESTFAIL, "Test Failing"_s, 0, TestFailing::Alloc, "otestfail"_s, nullptr, 0);
	return false;
}

void PluginEnd() {}

Bool PluginMessage(Int32, void*)
{
	return true;
}
} // namespace cinema
