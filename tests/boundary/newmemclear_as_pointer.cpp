// Compiled as a plug-in source: NewMemClear gives a maxon::ResultPtr, which (as in the real SDK) does not convert to
// a plain pointer; the result has to be checked and read with GetPointer.
#include "c4d.h"

cinema::Int32* TakesThePointerUnchecked()
{
	cinema::Int32* values = NewMemClear(cinema::Int32, 4);
	return values;
}
