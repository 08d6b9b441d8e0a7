// The bridge between the SDK code compiled into a plug-in and the host that loaded it.
//
// Stand-in note: the real SDK reaches the host through function tables handed over in c4d_main; this stand-in
// links plug-ins against the host library and keeps here the few calls that the SDK glue makes on a plug-in's
// behalf (memory, registration with the plug-in's folder, resources, debug reports).
#ifndef OPERATINGSYSTEM_H__
#define OPERATINGSYSTEM_H__

#include "c4d_file.h"

namespace cinema
{
class NodeData;
class BaseBitmap;
using DataAllocator = NodeData*();

/// Stand-in only (sdk/standin/standin_only.h): a plug-in reaches these through the SDK's functions and macros.
namespace hostbridge
{
/// The host's API version (what c4d_main compares with the plug-in's minimum).
Int32 GetApiVersion();
/// Memory through the host: counted, and made to fail by the host's allocation-failure switch. Null on failure.
/// Blocks are aligned for any fundamental type; AllocMem(size, true) returns zero-filled memory.
void* AllocMem(Int size, Bool clear);
void FreeMem(void* p);
/// A debug report of the SDK's DebugStop: printed by the host unless it is quiet, and counted.
void ReportDebugStop(const char* file, Int32 line, const char* message);

/// Registers an object type for the plug-in in pluginFolder (its res/ folder holds the description).
Bool RegisterObjectType(const Filename& pluginFolder, Int32 id, const maxon::String& name, Int32 info,
                        DataAllocator* allocator, const maxon::String& description, BaseBitmap* icon, Int32 disklevel);
/// Registers the description resource named idstr of pluginFolder for the type id.
Bool RegisterDescription(const Filename& pluginFolder, Int32 id, const maxon::String& idstr);

/// A plug-in's string resource loaded from its res/ folder (null when it cannot be read).
struct LocalResourceData;
LocalResourceData* LoadLocalResource(const Filename& resFolder);
void FreeLocalResource(LocalResourceData* res);
/// The string with the id; an empty string when the resource or the id is missing.
const String& LocalResourceString(const LocalResourceData* res, Int32 id);
} // namespace hostbridge
} // namespace cinema

#endif // OPERATINGSYSTEM_H__
