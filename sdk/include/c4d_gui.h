// Dialogs.
#ifndef C4D_GUI_H__
#define C4D_GUI_H__

#include "c4d_string.h"

namespace cinema
{
void MessageDialog(const maxon::String& str);
/// Shows a yes/no question; true for yes.
Bool QuestionDialog(const maxon::String& str);
} // namespace cinema

#endif // C4D_GUI_H__
