// Registry of node types: the host's built-in objects and the types plug-ins register.
#ifndef SURFAX_HOST_PLUGINS_REGISTRY_H
#define SURFAX_HOST_PLUGINS_REGISTRY_H

#include "c4d.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace surfax::resources
{
struct DescriptionResource;
}

namespace surfax::plugins
{

/// One object type. Built-in types have no allocator and no description resource.
struct ObjectType
{
	cinema::Int32 id = 0;
	std::string displayName;     // "Null", or the plug-in's GeLoadString name (its description's when that is empty)
	std::string registeredName;  // the name the plug-in registered, as it gave it (may be empty)
	std::string descriptionName; // "Onull" for built-ins, the registered description name for plug-ins
	cinema::Int32 info = 0;      // OBJECT_* and PLUGINFLAG_* bits
	cinema::DataAllocator* allocator = nullptr;
	std::shared_ptr<const resources::DescriptionResource> description; // null for built-ins
	std::string pluginFolder; // folder of the plug-in that registered it ("" for built-ins)
	bool hasIcon = false;
	int iconWidth = 0;
	int iconHeight = 0;
	std::vector<unsigned char> iconRgba; // copy of the icon the plug-in passed (8-bit RGBA)
	bool builtin = false;
};

/// The type with the id, or null.
const ObjectType* FindObjectType(cinema::Int32 id);
/// The type whose description name (or built-in name such as "Onull") equals name, or null.
const ObjectType* FindObjectTypeByName(std::string_view name);
/// All types in registration order (built-ins first).
std::vector<const ObjectType*> AllObjectTypes();
/// Adds a type. False (with a message) when the id is taken.
bool AddObjectType(ObjectType type, std::string& error);
/// Removes the types registered by plug-ins (built-ins stay) and every registered description. Nodes of those
/// types must be gone.
void RemovePluginTypes();

/// The plug-in types and registered descriptions at one moment, so that what one plug-in registered while it
/// failed to start can be taken back without touching what others registered before.
struct RegistryMark
{
	std::vector<cinema::Int32> typeIds;        // plug-in types only
	std::vector<cinema::Int32> descriptionIds; // ids of registered descriptions
};
RegistryMark MarkRegistry();
/// Removes every plug-in type and registered description whose id is not in the mark. Nodes of those types must be
/// gone.
void RemoveRegisteredSince(const RegistryMark& mark);

/// Registered description names (RegisterDescription): id -> resource, for Description::LoadDescription.
const resources::DescriptionResource* FindRegisteredDescription(cinema::Int32 id);
const resources::DescriptionResource* FindRegisteredDescription(std::string_view name);
void AddRegisteredDescription(cinema::Int32 id, std::string name,
                              std::shared_ptr<const resources::DescriptionResource> resource);

/// Gives the built-in type `id` a data class of the host's own (the generator code of text splines and extrude
/// objects), and optionally a description of its parameters (their names in documents and the dump): nodes of
/// the type made afterwards get an instance from allocator. False when id is not built in.
bool SetBuiltinAllocator(cinema::Int32 id, cinema::DataAllocator* allocator,
                         std::shared_ptr<const resources::DescriptionResource> description = nullptr);

/// Registers the host's built-in object types (idempotent).
void RegisterBuiltinTypes();
} // namespace surfax::plugins

#endif
