// Plug-in entry points and the messages of c4d_main.
#ifndef C4D_PLUGIN_H__
#define C4D_PLUGIN_H__

#include "ge_math.h"

namespace cinema
{
#define C4DPL_VERSION 0x0005
#define C4DPL_ERROR -1
#define C4DPL_ERROR_VERSION -3
#define C4DMSG_PRIORITY 0
#define C4DPL_INIT_SYS 1
#define C4DPL_INIT 2
#define C4DPL_END 3
#define C4DPL_INIT_VERSION 4
#define C4DPL_MESSAGE 6
#define C4DPL_STARTACTIVITY 1000
#define C4DPL_ENDACTIVITY 1001
#define C4DPL_COMMANDLINEARGS 1002
#define C4DPL_BUILDMENU 1001188
#define C4DPL_ENDPROGRAM 1001084
#define C4DPL_PROGRAM_STARTED 450000215

#define SetPluginPriority(data, i)                                                                                     \
	{                                                                                                                  \
		*((cinema::Int32*)(data)) = i;                                                                                 \
	}

/// Called once after loading: register the plug-in's types here. False aborts loading.
Bool PluginStart();
/// Called when the host unloads the plug-in: free globals here.
void PluginEnd();
/// Host and plug-in messages (C4DPL_INIT_SYS first).
Bool PluginMessage(Int32 id, void* data);
} // namespace cinema

#endif // C4D_PLUGIN_H__
