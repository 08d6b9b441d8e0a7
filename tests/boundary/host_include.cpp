// Compiled with the plug-in's include path, this must fail: the host's own headers are not part of the SDK.
#include "c4d.h"
#include "host/scene/node.h"

int HostIsReachable()
{
	return 0;
}
