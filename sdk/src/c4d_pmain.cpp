// The entry point every plug-in exports, and the plug-in's folder.
//
// The host calls c4d_main with C4DPL_INIT_SYS (its API version in p1, the plug-in's library file as a Filename* in
// p3), then C4DPL_MESSAGE for PluginMessage, C4DPL_INIT for PluginStart and C4DPL_END for PluginEnd.
#include "c4d.h"
#include "c4d_pmain.h"

namespace cinema
{
// The lowest host API version the plug-in accepts; each plug-in target defines it (see the build).
extern const Int32 g_minimumApiVersion;

namespace
{
Filename* g_pathStorage = nullptr;
Int32 g_initCount = 0;
} // namespace

// The library file is kept; the plug-in's folder is its directory.
const Filename GeGetPluginPath()
{
	return g_pathStorage ? g_pathStorage->GetDirectory() : Filename();
}

Filename GeGetPluginResourcePath()
{
	return GeGetPluginPath() + Filename("res");
}
} // namespace cinema

extern "C" cinema::Int32 c4d_main(cinema::Int32 action, void* p1, void* p2, void* p3)
{
	using namespace cinema;
	switch (action)
	{
	case C4DPL_INIT_VERSION:
		return C4DPL_VERSION;
	case C4DPL_INIT_SYS:
	{
		if (g_initCount == 0)
		{
			const Int32 hostVersion = static_cast<Int32>(reinterpret_cast<Int>(p1));
			if (hostVersion < g_minimumApiVersion)
				return C4DPL_ERROR_VERSION;
			if (p3 == nullptr)
				return C4DPL_ERROR_VERSION;
			g_pathStorage = new (std::nothrow) Filename(*static_cast<const Filename*>(p3));
			if (g_pathStorage == nullptr)
				return C4DPL_ERROR;
		}
		++g_initCount;
		return 1;
	}
	case C4DPL_MESSAGE:
		if (!PluginMessage(static_cast<Int32>(reinterpret_cast<Int>(p1)), p2))
			return C4DPL_ERROR;
		return 1;
	case C4DPL_INIT:
		return PluginStart() ? 1 : 0;
	case C4DPL_END:
		if (g_initCount > 0 && --g_initCount == 0)
		{
			PluginEnd();
			FreeResource();
			delete g_pathStorage;
			g_pathStorage = nullptr;
		}
		return 1;
	default:
		(void)p3;
		return C4DPL_ERROR;
	}
}
