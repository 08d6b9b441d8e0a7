// What a person does to a document before it is evaluated, as the command line spells it: --set edits a parameter
// through the attribute panel, --drag moves a handle, --press presses a button. The plot and eval commands apply
// their edits with the one loop here, so that both order and report them alike.
#ifndef SURFAX_APP_PARAMETER_EDITS_H
#define SURFAX_APP_PARAMETER_EDITS_H

#include "c4d.h"

#include <string>
#include <string_view>
#include <vector>

namespace surfax::app
{
/// Frees the document before the plug-ins go: nodes of plug-in types must not outlive their library, so a command
/// declares its holder after its PluginSession.
struct DocumentHolder
{
	cinema::BaseDocument* doc = nullptr;
	~DocumentHolder() { cinema::BaseDocument::Free(doc); }
};

/// The edits of one command line, each list in command-line order.
struct Edits
{
	std::vector<std::string> sets;    // "SYMBOL=VALUE" or "OBJECTNAME:SYMBOL=VALUE"
	std::vector<std::string> drags;   // "INDEX=X,Y,Z" or "OBJECTNAME:INDEX=X,Y,Z"
	std::vector<std::string> presses; // "SYMBOL" or "OBJECTNAME:SYMBOL"
};

/// Applies every --set, then every --drag, then every --press to doc. At the first that fails, prints it with its
/// reason ("surfax-host: --set PLOT_SIZE=x: PLOT_SIZE: expected a number") and returns false.
bool ApplyEdits(cinema::BaseDocument& doc, const Edits& edits);

/// Splits "OBJECTNAME:SYMBOL" into name (empty when there is no ':') and symbol, at the last ':'.
void SplitTarget(std::string_view target, std::string& objectName, std::string& symbol);

/// Applies one --set edit through the attribute panel's path (clamped, messages 19 and 17), to the first object in
/// document order that declares the symbol (and has the name, when one is given). A clamped value is reported as a
/// warning. False with a message.
bool ApplySet(cinema::BaseDocument& doc, std::string_view edit, std::string& message);
/// Drags a handle (--drag "[OBJECTNAME:]INDEX=X,Y,Z", the position in the object's coordinates): the named object,
/// or the first object in document order with that many handles. False with a message.
bool ApplyDrag(cinema::BaseDocument& doc, std::string_view drag, std::string& message);
/// Presses one button (--press). False with a message when no object declares it or it is not a button.
bool ApplyPress(cinema::BaseDocument& doc, std::string_view target, std::string& message);
} // namespace surfax::app

#endif
