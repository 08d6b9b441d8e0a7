// Compiled as a plug-in source: the SDK's BaseContainer has no element count (its entries are browsed with
// GetIndexId until it answers NOTOK).
#include "c4d.h"

cinema::Int32 CountEntries(const cinema::BaseContainer& fonts)
{
	cinema::Int32 count = 0;
	for (cinema::Int32 i = 0; i < fonts.GetCount(); ++i)
		++count;
	return count;
}
