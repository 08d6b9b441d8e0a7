#include "app/parameter_edits.h"

#include "app/cli.h"
#include "app/parameter_text.h"

#include "host/core/diagnostics.h"
#include "host/core/number_format.h"
#include "host/core/number_text.h"
#include "host/gradient/named_gradients.h"
#include "host/plugins/registry.h"
#include "host/scene/node.h"
#include "host/user/actions.h"

#include <algorithm>

namespace surfax::app
{
using namespace cinema;

namespace
{
const resources::ParamDesc* DeclaredParam(const BaseObject& op, const std::string& symbol)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op.GetType());
	if (type == nullptr || type->description == nullptr)
		return nullptr;
	Int32 id = 0;
	if (core::ParseNumberText(symbol, id))
		return type->description->FindParam(id);
	return type->description->FindParam(symbol);
}

// The first object in document order that declares the symbol (and has the name, when one is given).
bool FindTarget(BaseDocument& doc, std::string_view target, BaseObject*& op, const resources::ParamDesc*& param,
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
	for (BaseObject* candidate = doc.GetFirstObject(); candidate != nullptr;
	     candidate = scene::NextInDocumentOrder(candidate))
	{
		if (!objectName.empty())
		{
			if (candidate->GetName().GetUtf8() != objectName)
				continue;
			nameFound = true;
		}
		if (const resources::ParamDesc* declared = DeclaredParam(*candidate, symbol))
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
Int32 HandleCount(const BaseObject& op)
{
	const ObjectData* data = op.GetNodeData<ObjectData>();
	return data != nullptr ? data->GetHandleCount(&op) : 0;
}

std::string ValueText(const GeData& value)
{
	switch (value.GetType())
	{
	case DA_LONG:
	case DA_LLONG:
		return std::to_string(value.GetInt64());
	case DA_VECTOR:
	{
		const Vector v = value.GetVector();
		return core::FormatShortest(v.x) + "," + core::FormatShortest(v.y) + "," + core::FormatShortest(v.z);
	}
	default:
		return core::FormatShortest(value.GetFloat());
	}
}

std::string LimitsText(const resources::ParamDesc& param)
{
	if (param.min && param.max)
		return "its limits are " + core::FormatShortest(*param.min) + " to " + core::FormatShortest(*param.max);
	if (param.min)
		return "it is at least " + core::FormatShortest(*param.min);
	return "it is at most " + core::FormatShortest(param.max.value_or(0.0));
}
} // namespace

bool ApplyEdits(BaseDocument& doc, const Edits& edits)
{
	using Apply = bool (*)(BaseDocument&, std::string_view, std::string&);
	const struct
	{
		const char* option;
		const std::vector<std::string>& texts;
		Apply apply;
	} kinds[] = {
	    {"--set ", edits.sets, ApplySet}, {"--drag ", edits.drags, ApplyDrag}, {"--press ", edits.presses, ApplyPress}};
	std::string message;
	for (const auto& kind : kinds)
	{
		for (const std::string& text : kind.texts)
		{
			if (!kind.apply(doc, text, message))
			{
				PrintError(kind.option + text, message);
				return false;
			}
		}
	}
	return true;
}

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
	const resources::ParamDesc* param = nullptr;
	if (!FindTarget(doc, edit.substr(0, equals), op, param, message))
		return false;
	if (param->type == resources::ParamType::Button)
	{
		message = param->symbol + " is a button: press it with --press";
		return false;
	}
	GeData value;
	const std::string_view text = edit.substr(equals + 1);
	const bool named = param->type == resources::ParamType::Gradient && gradient::IsNamedGradient(text);
	if (named && !gradient::MakeNamedGradient(text, value))
	{
		message = param->symbol + ": out of memory";
		return false;
	}
	if (!named && !ParamValueFromText(*param, text, value, message))
	{
		message = param->symbol + ": " + message;
		if (param->type == resources::ParamType::Gradient)
			message += ", or a name: " + gradient::NamedGradientList();
		return false;
	}
	user::Clamping clamping;
	if (!user::SetParameter(op, param->id, value, message, &clamping))
		return false;
	if (clamping.clamped)
		core::Report("warning: " + param->symbol + ": " + std::string(edit.substr(equals + 1)) + " asked, " +
		             ValueText(clamping.used) + " used (" + LimitsText(*param) + ")");
	return true;
}

bool ApplyDrag(BaseDocument& doc, std::string_view drag, std::string& message)
{
	const std::size_t equals = drag.find('=');
	std::string objectName, indexText;
	SplitTarget(drag.substr(0, std::min(equals, drag.size())), objectName, indexText);
	Int32 index = 0;
	double position[3];
	// "x,y,z" of three finite numbers, each with a '+' if a person types one.
	if (equals == std::string_view::npos || !core::ParseNumberText(indexText, index) || index < 0 ||
	    !core::ParseVectorText(drag.substr(equals + 1), position, {.plusSign = true}))
	{
		message = "expected [OBJECTNAME:]INDEX=X,Y,Z (a handle number and a position in the object's coordinates)";
		return false;
	}
	for (BaseObject* candidate = doc.GetFirstObject(); candidate != nullptr;
	     candidate = scene::NextInDocumentOrder(candidate))
	{
		const bool chosen =
		    objectName.empty() ? HandleCount(*candidate) > index : candidate->GetName().GetUtf8() == objectName;
		if (chosen)
			return user::DragHandle(candidate, index, Vector(position[0], position[1], position[2]), message);
	}
	message = !objectName.empty() ? "no object is named \"" + objectName + "\""
	                              : "no object in the document has a handle " + std::to_string(index);
	return false;
}

bool ApplyPress(BaseDocument& doc, std::string_view target, std::string& message)
{
	BaseObject* op = nullptr;
	const resources::ParamDesc* param = nullptr;
	if (!FindTarget(doc, target, op, param, message))
		return false;
	const bool cycleButton = param->type == resources::ParamType::Long && param->customGui == "CYCLEBUTTON";
	if (param->type != resources::ParamType::Button && !cycleButton)
	{
		message = param->symbol + " is not a button";
		return false;
	}
	user::PressButton(op, param->id);
	return true;
}
} // namespace surfax::app
