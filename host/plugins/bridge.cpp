// What the SDK glue of a plug-in asks of the host: registration, resources, the API version.
#include "host/plugins/registry.h"

#include "host/core/diagnostics.h"
#include "host/plugins/bitmap.h"
#include "host/plugins/loader.h"
#include "host/resources/resource.h"

#include <map>

namespace cinema::hostbridge
{
struct LocalResourceData
{
	std::map<Int32, String> strings;
};

Int32 GetApiVersion()
{
	return surfax::plugins::HostApiVersion();
}

Bool RegisterDescription(const Filename& pluginFolder, Int32 id, const maxon::String& idstr)
{
	auto resource = std::make_shared<surfax::resources::DescriptionResource>();
	surfax::resources::SourceError error;
	const std::string resDir = (pluginFolder + Filename("res")).GetString().GetUtf8();
	if (!surfax::resources::LoadDescriptionResource(resDir, idstr.GetUtf8(), *resource, error))
	{
		surfax::core::Report(error.Format());
		return false;
	}
	surfax::plugins::AddRegisteredDescription(id, idstr.GetUtf8(), std::move(resource));
	return true;
}

Bool RegisterObjectType(const Filename& pluginFolder, Int32 id, const maxon::String& name, Int32 info,
                        DataAllocator* allocator, const maxon::String& description, BaseBitmap* icon, Int32)
{
	// A taken id is refused before its description is registered: registering it would replace the description
	// that the objects of the type registered first are described by.
	if (const surfax::plugins::ObjectType* existing = surfax::plugins::FindObjectType(id))
	{
		surfax::core::Report("type " + std::to_string(id) + " (" + description.GetUtf8() + "): already registered by " +
		                     (existing->builtin ? std::string("the host") : existing->pluginFolder));
		return false;
	}
	if (!RegisterDescription(pluginFolder, id, description))
	{
		surfax::core::Report("type " + std::to_string(id) + " (" + description.GetUtf8() +
		                     "): not registered, its description could not be loaded");
		return false;
	}
	surfax::plugins::ObjectType type;
	type.id = id;
	type.displayName = name.GetUtf8();
	type.registeredName = type.displayName;
	type.descriptionName = description.GetUtf8();
	type.info = info;
	type.allocator = allocator;
	type.pluginFolder = pluginFolder.GetString().GetUtf8();
	// The real registration takes the shared description just loaded for the id.
	const surfax::resources::DescriptionResource* loaded = surfax::plugins::FindRegisteredDescription(id);
	if (loaded != nullptr)
		type.description = std::make_shared<surfax::resources::DescriptionResource>(*loaded);
	// A plug-in whose string resource did not load registers empty names (GeLoadString finds nothing); a type named ""
	// cannot be told apart, so it takes the name its description gives, else the description's own name.
	if (type.displayName.empty())
		type.displayName =
		    loaded != nullptr && !loaded->displayName.empty() ? loaded->displayName : type.descriptionName;
	if (icon != nullptr)
	{
		const surfax::io::Image* image = surfax::plugins::BitmapImage(icon);
		if (image != nullptr && image->width > 0)
		{
			type.hasIcon = true;
			type.iconWidth = image->width;
			type.iconHeight = image->height;
			type.iconRgba = image->rgba;
		}
	}
	std::string error;
	if (!surfax::plugins::AddObjectType(std::move(type), error))
	{
		surfax::core::Report(error);
		return false;
	}
	return true;
}

LocalResourceData* LoadLocalResource(const Filename& resFolder)
{
	std::map<std::int32_t, std::string> strings;
	surfax::resources::SourceError error;
	if (!surfax::resources::LoadGlobalStrings(resFolder.GetString().GetUtf8(), strings, error))
	{
		// The plug-in goes on without its resource, as the application lets it: a warning, and names from elsewhere.
		surfax::core::Report("warning: " + error.Format() +
		                     " (the plug-in's string resource is not loaded: object types it registers without a "
		                     "name are named after their descriptions)");
		return nullptr;
	}
	auto* resource = new (std::nothrow) LocalResourceData;
	if (resource == nullptr)
		return nullptr;
	for (auto& entry : strings)
		resource->strings[entry.first] = String(std::move(entry.second));
	return resource;
}

void FreeLocalResource(LocalResourceData* res)
{
	delete res;
}

const String& LocalResourceString(const LocalResourceData* res, Int32 id)
{
	static const String empty;
	if (res == nullptr)
		return empty;
	const auto it = res->strings.find(id);
	return it != res->strings.end() ? it->second : empty;
}
} // namespace cinema::hostbridge
