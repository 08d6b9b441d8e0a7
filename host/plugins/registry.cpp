#include "host/plugins/registry.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <map>

namespace surfax::plugins
{
namespace
{
// Deque: pointers to registered types stay valid while more are added.
std::deque<ObjectType>& Types()
{
	static std::deque<ObjectType> types;
	return types;
}

struct RegisteredDescription
{
	std::string name;
	std::shared_ptr<const resources::DescriptionResource> resource;
};

std::map<cinema::Int32, RegisteredDescription>& Descriptions()
{
	static std::map<cinema::Int32, RegisteredDescription> descriptions;
	return descriptions;
}

struct BuiltinType
{
	cinema::Int32 id;
	const char* name;
	const char* displayName;
	cinema::Int32 info;
};

constexpr BuiltinType kBuiltins[] = {
    {Onull, "Onull", "Null", 0},
    {Opolygon, "Opolygon", "Polygon", OBJECT_POLYGONOBJECT | OBJECT_POINTOBJECT},
    {Ospline, "Ospline", "Spline", OBJECT_ISSPLINE | OBJECT_POINTOBJECT},
    {Ocube, "Ocube", "Cube", OBJECT_GENERATOR},
    {Osphere, "Osphere", "Sphere", OBJECT_GENERATOR},
    {Oplatonic, "Oplatonic", "Platonic", OBJECT_GENERATOR},
    {Opyramid, "Opyramid", "Pyramid", OBJECT_GENERATOR},
    {Oextrude, "Oextrude", "Extrude", OBJECT_GENERATOR | OBJECT_INPUT},
    {Osplinetext, "Osplinetext", "Text", OBJECT_GENERATOR | OBJECT_ISSPLINE},
};
} // namespace

const ObjectType* FindObjectType(cinema::Int32 id)
{
	RegisterBuiltinTypes();
	for (const ObjectType& type : Types())
	{
		if (type.id == id)
			return &type;
	}
	return nullptr;
}

const ObjectType* FindObjectTypeByName(std::string_view name)
{
	RegisterBuiltinTypes();
	for (const ObjectType& type : Types())
	{
		if (type.descriptionName == name)
			return &type;
	}
	return nullptr;
}

std::vector<const ObjectType*> AllObjectTypes()
{
	RegisterBuiltinTypes();
	std::vector<const ObjectType*> all;
	for (const ObjectType& type : Types())
		all.push_back(&type);
	return all;
}

bool AddObjectType(ObjectType type, std::string& error)
{
	RegisterBuiltinTypes();
	if (FindObjectType(type.id) != nullptr)
	{
		error = "type id " + std::to_string(type.id) + " is already registered";
		return false;
	}
	Types().push_back(std::move(type));
	return true;
}

void RemovePluginTypes()
{
	std::deque<ObjectType>& types = Types();
	types.erase(std::remove_if(types.begin(), types.end(), [](const ObjectType& t) { return !t.builtin; }),
	            types.end());
	Descriptions().clear();
}

RegistryMark MarkRegistry()
{
	RegistryMark mark;
	for (const ObjectType& type : Types())
	{
		if (!type.builtin)
			mark.typeIds.push_back(type.id);
	}
	for (const auto& entry : Descriptions())
		mark.descriptionIds.push_back(entry.first);
	return mark;
}

void RemoveRegisteredSince(const RegistryMark& mark)
{
	const auto marked = [](const std::vector<cinema::Int32>& ids, cinema::Int32 id)
	{ return std::find(ids.begin(), ids.end(), id) != ids.end(); };
	std::deque<ObjectType>& types = Types();
	types.erase(std::remove_if(types.begin(), types.end(),
	                           [&](const ObjectType& t) { return !t.builtin && !marked(mark.typeIds, t.id); }),
	            types.end());
	std::map<cinema::Int32, RegisteredDescription>& descriptions = Descriptions();
	for (auto it = descriptions.begin(); it != descriptions.end();)
		it = marked(mark.descriptionIds, it->first) ? std::next(it) : descriptions.erase(it);
}

const resources::DescriptionResource* FindRegisteredDescription(cinema::Int32 id)
{
	const auto it = Descriptions().find(id);
	return it != Descriptions().end() ? it->second.resource.get() : nullptr;
}

const resources::DescriptionResource* FindRegisteredDescription(std::string_view name)
{
	for (const auto& entry : Descriptions())
	{
		if (entry.second.name == name)
			return entry.second.resource.get();
	}
	return nullptr;
}

void AddRegisteredDescription(cinema::Int32 id, std::string name,
                              std::shared_ptr<const resources::DescriptionResource> resource)
{
	Descriptions()[id] = RegisteredDescription{std::move(name), std::move(resource)};
}

bool SetBuiltinAllocator(cinema::Int32 id, cinema::DataAllocator* allocator,
                         std::shared_ptr<const resources::DescriptionResource> description)
{
	RegisterBuiltinTypes();
	for (ObjectType& type : Types())
	{
		if (type.id == id && type.builtin)
		{
			type.allocator = allocator;
			type.description = std::move(description);
			return true;
		}
	}
	return false;
}

void RegisterBuiltinTypes()
{
	std::deque<ObjectType>& types = Types();
	if (!types.empty() && types.front().builtin)
		return;
	std::deque<ObjectType> builtins;
	for (const BuiltinType& b : kBuiltins)
	{
		ObjectType type;
		type.id = b.id;
		type.descriptionName = b.name;
		type.displayName = b.displayName;
		type.info = b.info;
		type.builtin = true;
		builtins.push_back(std::move(type));
	}
	for (ObjectType& t : types)
		builtins.push_back(std::move(t));
	types.swap(builtins);
}
} // namespace surfax::plugins
