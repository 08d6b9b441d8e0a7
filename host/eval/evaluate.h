// One scene evaluation, as the application runs it between redraws:
//   1. every object whose type asks for it (OBJECT_CALL_ADDEXECUTION) adds itself to the priority list;
//   2. Execute runs by priority, lower first, document order within a priority;
//   3. generators build their output in document order: each is first asked to CheckDirty, then spline
//      generators build through GetContour (only when dirty or without a cache), the others through
//      GetVirtualObjects (which decides itself whether its cache can stay); the output is kept as the object's
//      cache;
//   4. an EventAdd during the pass asks for one more pass, up to kMaxPasses in all.
// Disabled generators (enabled check mark off) build nothing and lose their cache.
#ifndef SURFAX_HOST_EVAL_EVALUATE_H
#define SURFAX_HOST_EVAL_EVALUATE_H

#include "c4d.h"

#include <cstdint>

namespace surfax::eval
{
constexpr int kMaxPasses = 4;

struct EvalOptions
{
	bool render = false; // an external render: CheckIsRunning(EXTERNALRENDERING) is true while it runs
	int maxPasses = kMaxPasses;
};

struct EvalStats
{
	int passes = 0;
	int executeCalls = 0;
	int builds = 0; // caches replaced by a new output
};

// Evaluates doc. False only when doc is null.
bool EvaluateDocument(cinema::BaseDocument* doc, const EvalOptions& options = {}, EvalStats* stats = nullptr);

// Host allocations refused (core/memory) while op's Execute, CheckDirty, GetVirtualObjects or GetContour ran in the
// last evaluation of its document. The plug-in's objects fail silently when memory runs out (an empty cache, no
// samples); this is how a caller learns which object's output is missing.
std::int64_t AllocationsRefusedDuring(const cinema::BaseObject* op);

// True while an external render runs (EvaluateDocument with render = true).
bool IsRendering();

// The number of StopAllThreads calls since the host started. The host runs no threads of its own, so the call
// has nothing to halt; it is counted so that callers can see a plug-in make it before changing the document.
int StopAllThreadsCalls();

// Watches the Execute calls of every evaluation, so that what an object's Execute caused (such as the number entry's
// results of a plot's formula) can be told apart from the others'. Both calls come on the evaluating thread,
// immediately around each Execute.
class ExecuteObserver
{
public:
	virtual ~ExecuteObserver() = default;
	virtual void BeforeExecute(cinema::BaseObject* op) = 0;
	virtual void AfterExecute(cinema::BaseObject* op) = 0;
};

// Installs observer (not owned; null removes it) and returns the one it replaces.
ExecuteObserver* SetExecuteObserver(ExecuteObserver* observer);
} // namespace surfax::eval

#endif
