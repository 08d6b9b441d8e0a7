// surfax-host eval: load a document, set the time, edit it as a person would, evaluate it, then dump and/or save it.
#ifndef SURFAX_APP_EVAL_COMMAND_H
#define SURFAX_APP_EVAL_COMMAND_H

#include "app/cli.h"
#include "app/parameter_edits.h"

#include <cstdint>
#include <optional>
#include <string>

namespace surfax::app
{
struct EvalOptions
{
	std::string document;
	std::optional<std::int32_t> frame;
	Edits edits; // drags after the sets, presses last
	bool dump = false;
	bool draw = false;
	std::string save; // empty: do not save
};

/// The eval command for main.cpp's table.
extern const CommandDeclaration kEvalCommand;

/// Loads eval.document with the plug-ins of the options, applies the frame and the edits, evaluates it once (a
/// redraw), warns about formulas that gave no number, then prints the dump (--dump; --draw adds the drawings) and
/// saves the document (--save). Exit codes as in app/cli.h; memory running out during the evaluation fails the run
/// once the dump and the document are written.
int RunEval(const GlobalOptions& options, const EvalOptions& eval);
} // namespace surfax::app

#endif
