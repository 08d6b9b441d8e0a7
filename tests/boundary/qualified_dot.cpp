// Compiled as a plug-in source: the SDK's Dot is a hidden friend of its vectors, found only by argument-dependent
// lookup; a qualified call finds nothing.
#include "c4d.h"

cinema::Float Along(const cinema::Vector& a, const cinema::Vector& b)
{
	return maxon::Dot(a, b);
}
