// Compiled as a plug-in source in C++17, as the SDK's build tools compile plug-ins: results define only ==, so a
// comparison with != has no operator (C++20 would rewrite it from == and hide the fault).
#include "c4d.h"

cinema::Bool AppendsOne(maxon::BaseArray<cinema::Int32>& values)
{
	return values.Append(1) != maxon::FAILED;
}
