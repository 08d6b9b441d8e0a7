#include "host/core/custom_data.h"

#include <array>

namespace surfax::core
{
namespace
{
constexpr int kMaxClasses = 16;
std::array<const CustomDataClass*, kMaxClasses> g_classes{};
} // namespace

void RegisterCustomDataClass(const CustomDataClass* cls)
{
	for (const CustomDataClass*& slot : g_classes)
	{
		if (slot == nullptr || slot->typeId == cls->typeId)
		{
			slot = cls;
			return;
		}
	}
}

const CustomDataClass* FindCustomDataClass(cinema::Int32 typeId)
{
	for (const CustomDataClass* cls : g_classes)
	{
		if (cls != nullptr && cls->typeId == typeId)
			return cls;
	}
	return nullptr;
}

cinema::CustomDataType* CloneCustomData(cinema::Int32 typeId, const cinema::CustomDataType* src)
{
	const CustomDataClass* cls = FindCustomDataClass(typeId);
	if (cls == nullptr)
		return nullptr;
	cinema::CustomDataType* copy = cls->alloc();
	if (copy == nullptr)
		return nullptr;
	if (src != nullptr && !cls->copy(src, copy))
	{
		cls->free(copy);
		return nullptr;
	}
	return copy;
}

void FreeCustomData(cinema::Int32 typeId, cinema::CustomDataType* data)
{
	if (data == nullptr)
		return;
	if (const CustomDataClass* cls = FindCustomDataClass(typeId))
		cls->free(data);
}
} // namespace surfax::core
