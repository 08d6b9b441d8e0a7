// --set and --press: finding the object a symbol names and editing it as a person would in the attribute panel.
#include "app/commands.h"

#include "host/document/param_json.h"
#include "host/plugins/registry.h"
#include "host/user/actions.h"

#include <charconv>

namespace surfax::app
{
using namespace cinema;

namespace
{
// Objects of the document (not generator caches), parents before children, siblings in order.
BaseObject* NextObject(BaseObject* op)
{
	if (op->GetDown() != nullptr)
		return op->GetDown();
	while (op != nullptr && op->GetNext() == nullptr)
		op = op->GetUp();
	return op != nullptr ? op->GetNext() : nullptr;
}

const plugins::ParamDesc* DeclaredParam(const BaseObject& op, const std::string& symbol)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	if (type == nullptr || type->description == nullptr)
		return nullptr;
	Int32 id = 0;
	const char* end = symbol.data() + symbol.size();
	const std::from_chars_result r = std::from_chars(symbol.data(), end, id);
	if (!symbol.empty() && r.ec == std::errc() && r.ptr == end)
		return type->description->FindParam(id);
	return type->description->FindParam(symbol);
}

// The first object in document order that declares the symbol (and has the name, when one is given).
bool FindTarget(BaseDocument& doc, std::string_view target, BaseObject*& op, const plugins::ParamDesc*& param,
                std::string& message)
{
	std::string objectName;
	std::string symbol;
	SplitTarget(target, objectName, symbol);
	if (symbol.empty())
	{
		message = "expected SYMBOL or OBJECTNAME:SYMBOL";
		return false;
	}
	bool nameFound = false;
	for (BaseObject* candidate = doc.GetFirstObject(); candidate != nullptr; candidate = NextObject(candidate))
	{
		if (!objectName.empty())
		{
			if (candidate->GetName().GetUtf8() != objectName)
				continue;
			nameFound = true;
		}
		if (const plugins::ParamDesc* declared = DeclaredParam(*candidate, symbol))
		{
			op = candidate;
			param = declared;
			return true;
		}
	}
	if (objectName.empty())
		message = "no object in the document declares " + symbol;
	else if (!nameFound)
		message = "no object is named \"" + objectName + "\"";
	else
		message = "no object named \"" + objectName + "\" declares " + symbol;
	return false;
}
} // namespace

void SplitTarget(std::string_view target, std::string& objectName, std::string& symbol)
{
	const std::size_t colon = target.rfind(':');
	if (colon == std::string_view::npos)
	{
		objectName.clear();
		symbol = std::string(target);
		return;
	}
	objectName = std::string(target.substr(0, colon));
	symbol = std::string(target.substr(colon + 1));
}

bool ApplySet(BaseDocument& doc, std::string_view edit, std::string& message)
{
	const std::size_t equals = edit.find('=');
	if (equals == std::string_view::npos)
	{
		message = "expected SYMBOL=VALUE or OBJECTNAME:SYMBOL=VALUE";
		return false;
	}
	BaseObject* op = nullptr;
	const plugins::ParamDesc* param = nullptr;
	if (!FindTarget(doc, edit.substr(0, equals), op, param, message))
		return false;
	if (param->type == plugins::ParamType::Button)
	{
		message = param->symbol + " is a button: press it with --press";
		return false;
	}
	GeData value;
	if (!io::ParamValueFromText(*param, edit.substr(equals + 1), value, message))
	{
		message = param->symbol + ": " + message;
		return false;
	}
	return user::SetParameter(op, param->id, value, message);
}

bool ApplyPress(BaseDocument& doc, std::string_view target, std::string& message)
{
	BaseObject* op = nullptr;
	const plugins::ParamDesc* param = nullptr;
	if (!FindTarget(doc, target, op, param, message))
		return false;
	const bool cycleButton = param->type == plugins::ParamType::Long && param->customGui == "CYCLEBUTTON";
	if (param->type != plugins::ParamType::Button && !cycleButton)
	{
		message = param->symbol + " is not a button";
		return false;
	}
	user::PressButton(op, param->id);
	return true;
}
} // namespace surfax::app
