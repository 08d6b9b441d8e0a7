// Base of the custom data types that parameters can hold (gradients, fonts, ...).
#ifndef C4D_CUSTOMDATATYPE_H__
#define C4D_CUSTOMDATATYPE_H__

#include "ge_math.h"

namespace cinema
{
/// Base of every custom data type. Instances are made and copied by the host's registered class of the type,
/// so a plug-in never copies one by value.
class CustomDataType
{
protected:
	CustomDataType() = default;
	~CustomDataType() = default;
	CustomDataType(const CustomDataType&) = default;
	CustomDataType& operator=(const CustomDataType&) = default;
};

/// Custom data type with a compile-time type id.
template <Int32 TYPEID> class CustomDataTypeT : public CustomDataType
{
public:
	static constexpr Int32 DATATYPEID = TYPEID;
};
} // namespace cinema

#endif // C4D_CUSTOMDATATYPE_H__
