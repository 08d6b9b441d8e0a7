// The entry point every plug-in exports. The SDK glue (c4d_pmain.cpp) implements it; c4d.h does not include this
// header, so a plug-in's own code never names it.
#ifndef C4D_PMAIN_H__
#define C4D_PMAIN_H__

#include "ge_math.h"

/// What the host calls: C4DPL_INIT_VERSION, C4DPL_INIT_SYS (the host's API version in p1, the plug-in's library file
/// as a Filename* in p3), C4DPL_MESSAGE, C4DPL_INIT and C4DPL_END.
extern "C" __attribute__((visibility("default"))) cinema::Int32 c4d_main(cinema::Int32 action, void* p1, void* p2,
                                                                         void* p3);

#endif // C4D_PMAIN_H__
