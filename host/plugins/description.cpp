// Description: a node type's parameters as its description resource declares them.
#include "lib_description.h"

#include "host/plugins/registry.h"
#include "host/resources/resource.h"

#include <new>

namespace surfax::plugins
{
namespace
{
struct DescriptionImpl final : cinema::Description
{
	const resources::DescriptionResource* resource = nullptr;
};

DescriptionImpl& Impl(cinema::Description* d)
{
	return *static_cast<DescriptionImpl*>(d);
}

const DescriptionImpl& Impl(const cinema::Description* d)
{
	return *static_cast<const DescriptionImpl*>(d);
}

// Keys of a parameter's description container (stand-in values; the real ids are the host's DESC_* constants).
enum
{
	kDescName = 1,
	kDescMin = 3,
	kDescMax = 4,
};
} // namespace
} // namespace surfax::plugins

namespace cinema
{
using surfax::plugins::Impl;

Description* Description::Alloc()
{
	return new (std::nothrow) surfax::plugins::DescriptionImpl();
}

void Description::Free(Description*& description)
{
	delete static_cast<surfax::plugins::DescriptionImpl*>(description);
	description = nullptr;
}

Bool Description::LoadDescription(Int32 id)
{
	Impl(this).resource = surfax::plugins::FindRegisteredDescription(id);
	return Impl(this).resource != nullptr;
}

Bool Description::LoadDescription(const maxon::String& id)
{
	Impl(this).resource = surfax::plugins::FindRegisteredDescription(std::string_view(id.GetUtf8()));
	return Impl(this).resource != nullptr;
}

const BaseContainer* Description::GetParameter(const DescID& id, BaseContainer& temp, AtomArray*) const
{
	const surfax::resources::DescriptionResource* resource = Impl(this).resource;
	if (resource == nullptr || id.GetDepth() < 1)
		return nullptr;
	const surfax::resources::ParamDesc* param = resource->FindParam(id[0].id);
	if (param == nullptr)
		return nullptr;
	temp = BaseContainer(id[0].id);
	temp.SetString(surfax::plugins::kDescName, String(param->text));
	if (param->min)
		temp.SetFloat(surfax::plugins::kDescMin, *param->min);
	if (param->max)
		temp.SetFloat(surfax::plugins::kDescMax, *param->max);
	return &temp;
}

BaseContainer* Description::GetParameterI(const DescID&, AtomArray*)
{
	return nullptr;
}

Bool Description::SetParameter(const DescID&, const BaseContainer&, const DescID&)
{
	return false;
}
} // namespace cinema
