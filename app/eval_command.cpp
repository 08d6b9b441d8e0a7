#include "app/eval_command.h"

#include "app/formula_report.h"
#include "app/option_text.h"

#include "host/document/document_json.h"
#include "host/eval/evaluate.h"
#include "host/user/actions.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace surfax::app
{
using namespace cinema;

namespace
{
struct EvalCommandLine
{
	EvalOptions eval;
	std::string text;
};

CommandRun DeclareEval(CLI::App& command)
{
	auto line = std::make_shared<EvalCommandLine>();
	EvalOptions& eval = line->eval;
	command.add_option("DOC", eval.document, "Document (JSON)")->required()->type_name("DOC.json");
	DeclareReadOption(command, line->text, "--frame", "N", "Document time as a frame",
	                  [&eval](const std::string& text, std::string& message)
	                  {
		                  std::int32_t frame = 0;
		                  const bool read = ParseFrame(text, frame, message);
		                  eval.frame = read ? std::optional(frame) : eval.frame;
		                  return read;
	                  });
	command.add_option("--set", eval.edits.sets, "Edit a parameter as the attribute panel does (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL=VALUE")
	    ->allow_extra_args(false);
	command.add_option("--press", eval.edits.presses, "Press a button after all edits (repeatable)")
	    ->type_name("[OBJECTNAME:]SYMBOL")
	    ->allow_extra_args(false);
	command
	    .add_option("--drag", eval.edits.drags,
	                "Drag a handle to a position in the object's coordinates, after the edits (repeatable)")
	    ->type_name("[OBJECTNAME:]INDEX=X,Y,Z")
	    ->allow_extra_args(false);
	DeclareDocumentOutputs(command, eval.dump, eval.draw, eval.save);
	return [line](const GlobalOptions& options) { return RunEval(options, line->eval); };
}
} // namespace

const CommandDeclaration kEvalCommand = {"eval", "Load a document, edit it, evaluate it, dump and/or save it",
                                         DeclareEval};

int RunEval(const GlobalOptions& options, const EvalOptions& eval)
{
	PluginSession session(options);
	DocumentHolder holder;
	io::JsonError loadError;
	holder.doc = io::LoadDocumentFile(eval.document, loadError);
	if (holder.doc == nullptr)
	{
		std::fprintf(stderr, "surfax-host: %s\n", loadError.Format(eval.document).c_str());
		return kExitError;
	}
	BaseDocument& doc = *holder.doc;
	if (eval.frame)
		user::SetFrame(&doc, *eval.frame);
	if (!ApplyEdits(doc, eval.edits))
		return kExitError;
	FormulaWatch formulas;
	eval::EvaluateDocument(&doc);
	WarnAboutFormulas(formulas, doc, true);
	// What memory running out cost is reported, and the run fails once the dump and the document are written.
	const std::vector<std::string> lost = LostToMemory(formulas, doc);
	for (const std::string& sentence : lost)
		PrintError(eval.document, sentence);
	// Drawings are part of the dump, so asking for them asks for the dump.
	std::string message;
	if ((eval.dump || eval.draw) && !WriteDump(doc, "", eval.draw, message))
	{
		PrintError("--dump", message);
		return kExitError;
	}
	if (!eval.save.empty() && !io::SaveDocumentFile(doc, eval.save, message))
	{
		// The message starts with the file's path.
		std::fprintf(stderr, "surfax-host: %s\n", message.c_str());
		return kExitError;
	}
	return lost.empty() ? kExitOk : kExitError;
}
} // namespace surfax::app
