// surfax-host eval: load a document, set the time, edit parameters, evaluate, then dump and/or save it.
#include "app/commands.h"
#include "app/formula_report.h"

#include "host/draw/draw_recorder.h"
#include "host/eval/evaluate.h"
#include "host/document/document_json.h"
#include "host/document/dump.h"
#include "host/user/actions.h"

#include <cstdio>

namespace surfax::app
{
using namespace cinema;

namespace
{
// Frees the document before the plug-ins go: nodes of plug-in types must not outlive their library.
struct DocumentHolder
{
	BaseDocument* doc = nullptr;
	~DocumentHolder() { BaseDocument::Free(doc); }
};
} // namespace

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
	std::string message;
	for (const std::string& edit : eval.sets)
	{
		if (!ApplySet(doc, edit, message))
		{
			PrintError("--set " + edit, message);
			return kExitError;
		}
	}
	for (const std::string& drag : eval.drags)
	{
		if (!ApplyDrag(doc, drag, message))
		{
			PrintError("--drag " + drag, message);
			return kExitError;
		}
	}
	for (const std::string& target : eval.presses)
	{
		if (!ApplyPress(doc, target, message))
		{
			PrintError("--press " + target, message);
			return kExitError;
		}
	}
	FormulaWatch formulas;
	eval::EvaluateDocument(&doc);
	WarnAboutFormulas(formulas, doc, true);
	// What memory running out cost is reported, and the run fails once the dump and the document are written.
	const std::vector<std::string> lost = LostToMemory(formulas, doc);
	for (const std::string& sentence : lost)
		PrintError(eval.document, sentence);
	// Drawings are part of the dump, so asking for them asks for the dump.
	if (eval.dump || eval.draw)
	{
		std::vector<draw::ObjectDrawing> drawings;
		io::DumpOptions dumpOptions;
		if (eval.draw)
		{
			drawings = draw::DrawDocument(&doc);
			dumpOptions.drawings = &drawings;
		}
		std::string text;
		if (!io::DumpDocument(doc, dumpOptions, text, message))
		{
			PrintError("--dump", message);
			return kExitError;
		}
		WriteStandardOutput(text);
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
