// The command line reads a plug-in object's parameters by the symbols its type's description declares (the
// command line cannot include the plug-in's headers): the parameter's id, a cycle entry's value.
#ifndef SURFAX_APP_PLOT_PARAMETER_IDS_H
#define SURFAX_APP_PLOT_PARAMETER_IDS_H

#include "c4d.h"

namespace surfax::app
{
/// The id of the parameter op's type declares by this symbol, or NOTOK.
cinema::Int32 ParamId(const cinema::BaseObject& op, const char* symbol);

/// The value of the cycle entry `entry` of the parameter `symbol` of op's type, or `fallback`.
cinema::Int32 CycleValue(const cinema::BaseObject& op, const char* symbol, const char* entry, cinema::Int32 fallback);
} // namespace surfax::app

#endif
