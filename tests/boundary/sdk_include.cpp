// Compiled with the plug-in's include path: the SDK and the plug-in's resource headers are in reach.
#include "c4d.h"
#include "c4d_symbols.h"
#include "o3dplot.h"

int SdkIsReachable()
{
	return PLOT_FORMULA;
}
