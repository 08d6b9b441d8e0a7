// Compiled as a plug-in source: the SDK's vectors have explicit component constructors, so a braced list does not
// make one.
#include "c4d.h"

cinema::Vector Up()
{
	return {0.0, 1.0, 0.0};
}
