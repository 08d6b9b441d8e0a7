#include "app/plot_parameter_ids.h"

#include "host/plugins/registry.h"
#include "host/resources/resource.h"

namespace surfax::app
{
using namespace cinema;

namespace
{
const resources::ParamDesc* FindParam(const BaseObject& op, const char* symbol)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	return type != nullptr && type->description != nullptr ? type->description->FindParam(symbol) : nullptr;
}
} // namespace

Int32 ParamId(const BaseObject& op, const char* symbol)
{
	const resources::ParamDesc* param = FindParam(op, symbol);
	return param != nullptr ? param->id : NOTOK;
}

Int32 CycleValue(const BaseObject& op, const char* symbol, const char* entry, Int32 fallback)
{
	const resources::ParamDesc* param = FindParam(op, symbol);
	if (param == nullptr)
		return fallback;
	for (const resources::CycleEntry& e : param->cycle)
	{
		if (e.symbol == entry)
			return e.value;
	}
	return fallback;
}
} // namespace surfax::app
