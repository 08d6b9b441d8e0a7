// What a person does in the application, as calls: editing parameters in the attribute panel, pressing buttons,
// creating objects from the menu, toggling the enabled check mark, answering questions, changing the time.
#ifndef SURFAX_HOST_USER_ACTIONS_H
#define SURFAX_HOST_USER_ACTIONS_H

#include "c4d.h"

#include <deque>
#include <string>
#include <vector>

namespace surfax::user
{
// Sets a one-level parameter as the attribute panel does: the value is clamped to the description's MIN/MAX
// (numbers, and each component of vectors), stored with SetParameter, then MSG_DESCRIPTION_POSTSETPARAMETER (19)
// and MSG_DESCRIPTION_CHECKUPDATE (17, descid as its third member) go to the object. False with a message when
// the object's type has no such parameter or the value's kind does not fit it.
// When `clamping` is given it tells whether the description's limits changed the value, and what was stored.
struct Clamping
{
	bool clamped = false;
	cinema::GeData used; // the value stored (set when clamped)
};
bool SetParameter(cinema::BaseObject* op, cinema::Int32 id, const cinema::GeData& value, std::string& error,
                  Clamping* clamping = nullptr);

// Presses a button (or the button of a cycle button) as the attribute panel does: MSG_DESCRIPTION_COMMAND (18)
// with a DescriptionCommand for the id. Returns the object's answer.
bool PressButton(cinema::BaseObject* op, cinema::Int32 id);

// Creates an object from the menu: allocates it, inserts it at the top of the document (after `pred` when
// given) and sends MSG_MENUPREPARE (22) with the document. Null when the type is unknown or memory is out.
cinema::BaseObject* CreateObjectFromMenu(cinema::BaseDocument* doc, cinema::Int32 type);

// Drags handle `index` of a plug-in object to `position` (in the object's own coordinates) and lets go, as a person
// does in the viewport: the object's GetHandle fills the handle record, then SetHandle receives the position with
// that record. False with a message when the object has no such handle (GetHandleCount).
bool DragHandle(cinema::BaseObject* op, cinema::Int32 index, const cinema::Vector& position, std::string& error);

// Toggles the enabled check mark: SetDeformMode, then MSG_DEFORMMODECHANGED (200000125).
void ToggleEnabled(cinema::BaseObject* op);

// Sets the document time to a frame.
void SetFrame(cinema::BaseDocument* doc, cinema::Int32 frame);

// Scripted answers to QuestionDialog: answers are taken from the queue first, then the default (no).
void QueueAnswers(const std::vector<bool>& answers);
void SetDefaultAnswer(bool yes);
void ClearAnswers();
// Every question asked since the last ClearQuestions, in order.
const std::vector<std::string>& QuestionsAsked();
void ClearQuestions();

// GeExecuteFile: when opening is allowed the file is handed to the system's opener (xdg-open) if one exists;
// otherwise it is only reported. Every request is recorded.
void SetOpenFiles(bool open);
const std::vector<std::string>& FilesOpened();
void ClearFilesOpened();
} // namespace surfax::user

#endif
