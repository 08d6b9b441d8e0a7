// The plug-in's resource: strings and descriptions from its res/ folder.
#ifndef C4D_RESOURCE_H__
#define C4D_RESOURCE_H__

#include "operatingsystem.h"

namespace cinema
{
using LocalResource = hostbridge::LocalResourceData;

/// A plug-in's resource (string table of res/strings_en-US/c4d_strings.str with the ids of res/c4d_symbols.h).
class GeResource
{
public:
	GeResource() = default;
	~GeResource() { Free(); }
	GeResource(const GeResource&) = delete;
	GeResource& operator=(const GeResource&) = delete;

	/// Opens the resource of the calling plug-in (GeGetPluginResourcePath()). False when it cannot be read.
	Bool Init();
	/// Opens the resource in the folder path.
	Bool Init(const Filename& path, Bool regardIsStopped = true);
	/// The string with the id, or an empty string.
	const String& LoadString(Int32 id);
	void Free();
	LocalResource* Get() { return _resource; }

private:
	LocalResource* _resource = nullptr;
};

/// The plug-in's own resource, initialised in PluginMessage(C4DPL_INIT_SYS) and freed after PluginEnd.
extern GeResource g_resource;
void FreeResource();
/// The string with the id from g_resource (empty when missing).
const String& GeLoadString(Int32 id);
/// Registers the description resource idstr (a .res file of the plug-in's res/description) for the type id.
Bool RegisterDescription(Int32 id, const maxon::String& idstr, LocalResource* res = nullptr);
} // namespace cinema

#endif // C4D_RESOURCE_H__
