// Globals and registration helpers compiled into every plug-in: the resource, string loading, object
// registration with the plug-in's folder, and the exported module symbols.
#include "c4d.h"

namespace cinema
{
// Module identifier of the plug-in in reverse-domain form; each plug-in target defines it (see the build).
extern const char g_moduleIdentifier[];

GeResource g_resource;

Bool GeResource::Init()
{
	return Init(GeGetPluginResourcePath());
}

Bool GeResource::Init(const Filename& path, Bool)
{
	Free();
	_resource = hostbridge::LoadLocalResource(path);
	return _resource != nullptr;
}

const String& GeResource::LoadString(Int32 id)
{
	return hostbridge::LocalResourceString(_resource, id);
}

void GeResource::Free()
{
	if (_resource != nullptr)
	{
		hostbridge::FreeLocalResource(_resource);
		_resource = nullptr;
	}
}

void FreeResource()
{
	g_resource.Free();
}

const String& GeLoadString(Int32 id)
{
	return g_resource.LoadString(id);
}

Bool RegisterDescription(Int32 id, const maxon::String& idstr, LocalResource*)
{
	return hostbridge::RegisterDescription(GeGetPluginPath(), id, idstr);
}

Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g,
                          const maxon::String& description, BaseBitmap* icon, Int32 disklevel)
{
	return hostbridge::RegisterObjectType(GeGetPluginPath(), id, str, info, g, description, icon, disklevel);
}

Bool RegisterObjectPlugin(Int32 id, const maxon::String& str, Int32 info, DataAllocator* g,
                          const maxon::String& description, BaseBitmap* icon, Int32 disklevel, OBJECTCATEGORY)
{
	return RegisterObjectPlugin(id, str, info, g, description, icon, disklevel);
}
} // namespace cinema

namespace maxon
{
/// What the module system reads from a binary: ABI version, framework version and the module id.
struct Binary
{
	Int32 abiVersion;
	Int32 coreFrameworkVersion;
	const char* moduleId;
};

struct CpuYieldState;

namespace
{
void NoCpuYield(CpuYieldState*, const void*) {}
} // namespace
} // namespace maxon

extern "C"
{
	__attribute__((visibility("default"))) maxon::Binary g_maxon = {2025000, 2025000, cinema::g_moduleIdentifier};
	__attribute__((visibility("default"))) void (*g_CpuYieldDelegate)(maxon::CpuYieldState* state,
	                                                                  const void* resource) = &maxon::NoCpuYield;
}
