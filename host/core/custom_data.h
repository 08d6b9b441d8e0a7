// Registry of custom data types (gradients, fonts): how the host makes, copies, compares and frees them.
#ifndef SURFAX_HOST_CORE_CUSTOM_DATA_H
#define SURFAX_HOST_CORE_CUSTOM_DATA_H

#include "c4d_customdatatype.h"

namespace surfax::core
{
struct CustomDataClass
{
	cinema::Int32 typeId = 0;
	const char* name = ""; // for documents and the dump, e.g. "gradient"
	// A new default value, or null when memory is out.
	cinema::CustomDataType* (*alloc)() = nullptr;
	void (*free)(cinema::CustomDataType* data) = nullptr;
	// Copies src into dst (both of this type). False when memory is out.
	bool (*copy)(const cinema::CustomDataType* src, cinema::CustomDataType* dst) = nullptr;
	bool (*equal)(const cinema::CustomDataType* a, const cinema::CustomDataType* b) = nullptr;
};

// Registers a class (replacing one of the same id). The class must stay alive (a static).
void RegisterCustomDataClass(const CustomDataClass* cls);
// The class of a type id, or null.
const CustomDataClass* FindCustomDataClass(cinema::Int32 typeId);

// A new copy of src (type typeId), or null when the type is unknown or memory is out.
cinema::CustomDataType* CloneCustomData(cinema::Int32 typeId, const cinema::CustomDataType* src);
void FreeCustomData(cinema::Int32 typeId, cinema::CustomDataType* data);
} // namespace surfax::core

#endif
