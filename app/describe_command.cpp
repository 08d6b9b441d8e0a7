#include "app/describe_command.h"

#include "host/core/number_format.h"
#include "host/document/dump.h"
#include "host/document/param_json.h"
#include "host/json/json_writer.h"
#include "host/plugins/loader.h"
#include "host/plugins/registry.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace surfax::app
{
using namespace cinema;
using io::JsonWriter;
using io::Layout;

namespace
{
// The container Init writes for a new object of the type; empty when the object cannot be made.
BaseContainer DefaultContainer(Int32 typeId)
{
	BaseObject* op = BaseObject::Alloc(typeId);
	if (op == nullptr)
		return BaseContainer();
	BaseContainer data = op->GetDataInstanceRef();
	BaseObject::Free(op);
	return data;
}

const GeData* DefaultValue(const BaseContainer& defaults, const resources::ParamDesc& param)
{
	const GeData* value = defaults.GetDataPointer(param.id);
	return value != nullptr && io::HasJsonForm(&param, *value) ? value : nullptr;
}

void WriteOptionalNumber(JsonWriter& w, const char* key, const std::optional<double>& value)
{
	w.Key(key);
	if (value)
		w.Float(*value);
	else
		w.Null();
}

void WriteParam(JsonWriter& w, const resources::ParamDesc& param, const BaseContainer& defaults)
{
	w.BeginObject();
	w.IntMember("id", param.id);
	w.StringMember("symbol", param.symbol);
	w.StringMember("type", resources::ParamTypeKeyword(param.type));
	w.StringMember("text", param.text);
	w.Key("default");
	if (const GeData* value = DefaultValue(defaults, param))
		io::WriteParamValue(w, &param, *value);
	else
		w.Null();
	WriteOptionalNumber(w, "min", param.min);
	WriteOptionalNumber(w, "max", param.max);
	w.Key("cycle");
	w.BeginArray();
	for (const resources::CycleEntry& entry : param.cycle)
	{
		w.BeginObject(Layout::Inline);
		w.IntMember("value", entry.value);
		w.StringMember("symbol", entry.symbol);
		w.StringMember("text", entry.text);
		w.EndObject();
	}
	w.EndArray();
	w.EndObject();
}

void WriteType(JsonWriter& w, const plugins::ObjectType& type)
{
	w.BeginObject();
	w.IntMember("id", type.id);
	w.StringMember("descriptionName", type.descriptionName);
	w.StringMember("displayName", type.displayName);
	w.IntMember("info", type.info);
	w.Key("params");
	w.BeginArray();
	if (type.description != nullptr)
	{
		const BaseContainer defaults = DefaultContainer(type.id);
		for (const resources::ParamDesc& param : type.description->params)
		{
			if (param.hasId)
				WriteParam(w, param, defaults);
		}
	}
	w.EndArray();
	w.EndObject();
}

void WritePlugin(JsonWriter& w, const plugins::PluginStatus& status)
{
	w.BeginObject();
	w.StringMember("library", status.library);
	w.BoolMember("loaded", status.loaded);
	w.Key("error");
	if (status.loaded)
		w.Null();
	else
		w.String(status.error);
	w.Key("objectTypes");
	w.BeginArray();
	for (const std::int32_t id : status.typeIds)
	{
		if (const plugins::ObjectType* type = plugins::FindObjectType(id))
			WriteType(w, *type);
	}
	w.EndArray();
	w.EndObject();
}

std::string DescribeJson(const std::vector<std::string>& folders)
{
	std::string text;
	JsonWriter w(text);
	w.BeginObject();
	io::WriteHostMember(w);
	w.Key("pluginFolders");
	w.BeginArray();
	for (const std::string& folder : folders)
		w.String(folder);
	w.EndArray();
	w.Key("plugins");
	w.BeginArray();
	for (const plugins::PluginStatus& status : plugins::PluginStatuses())
		WritePlugin(w, status);
	w.EndArray();
	w.Key("builtinTypes");
	w.BeginArray();
	for (const plugins::ObjectType* type : plugins::AllObjectTypes())
	{
		if (!type->builtin)
			continue;
		w.BeginObject(Layout::Inline);
		w.IntMember("id", type->id);
		w.StringMember("name", type->descriptionName);
		w.StringMember("displayName", type->displayName);
		w.EndObject();
	}
	w.EndArray();
	w.EndObject();
	w.Finish();
	return text;
}

// A value on one line, as JSON.
std::string InlineValue(const resources::ParamDesc& param, const GeData& value)
{
	std::string text;
	JsonWriter w(text);
	w.BeginArray(Layout::Inline);
	io::WriteParamValue(w, &param, value);
	w.EndArray();
	return text.substr(1, text.size() - 2);
}

std::string DescribeText(const std::vector<std::string>& folders)
{
	std::string text;
	for (const std::string& folder : folders)
		text += "plug-in folder " + folder + "\n";
	for (const plugins::PluginStatus& status : plugins::PluginStatuses())
	{
		text += "plug-in " + status.library + ": " + (status.loaded ? "loaded" : "not loaded: " + status.error) + "\n";
		for (const std::int32_t id : status.typeIds)
		{
			const plugins::ObjectType* type = plugins::FindObjectType(id);
			if (type == nullptr)
				continue;
			text += "  object type " + std::to_string(type->id) + " " + type->descriptionName + " \"" +
			        type->displayName + "\" info " + std::to_string(type->info) + "\n";
			if (type->description == nullptr)
				continue;
			const BaseContainer defaults = DefaultContainer(type->id);
			for (const resources::ParamDesc& param : type->description->params)
			{
				if (!param.hasId)
					continue;
				text += "    " + std::to_string(param.id) + " " + param.symbol + " " +
				        resources::ParamTypeKeyword(param.type);
				if (const GeData* value = DefaultValue(defaults, param))
					text += " = " + InlineValue(param, *value);
				if (param.min || param.max)
				{
					text += " [" + (param.min ? core::FormatShortest(*param.min) : std::string()) + " .. " +
					        (param.max ? core::FormatShortest(*param.max) : std::string()) + "]";
				}
				for (const resources::CycleEntry& entry : param.cycle)
					text += "\n      " + std::to_string(entry.value) + " " + entry.symbol + " \"" + entry.text + "\"";
				text += "\n";
			}
		}
	}
	text += "built-in object types:";
	for (const plugins::ObjectType* type : plugins::AllObjectTypes())
	{
		if (type->builtin)
			text += " " + type->descriptionName + " (" + std::to_string(type->id) + ")";
	}
	text += "\n";
	return text;
}
CommandRun DeclareDescribe(CLI::App& command)
{
	auto json = std::make_shared<bool>(false);
	command.add_flag("--json", *json, "Print JSON");
	return [json](const GlobalOptions& options) { return RunDescribe(options, *json); };
}
} // namespace

const CommandDeclaration kDescribeCommand = {"describe", "List the plug-ins, their object types and parameters",
                                             DeclareDescribe};

int RunDescribe(const GlobalOptions& options, bool json)
{
	PluginSession session(options);
	const std::string text = json ? DescribeJson(session.Folders()) : DescribeText(session.Folders());
	WriteStandardOutput(text);
	return kExitOk;
}
} // namespace surfax::app
