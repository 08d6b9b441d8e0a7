// Names that the stand-in SDK needs for itself and the real SDK does not have: the bridge to the host library, the
// host's record of a node, the UTF-8 access of strings for the host, and the helpers behind the SDK's macros.
//
// This folder is not on a plug-in's include path. The PluginBoundary.UsesOnlyRealSdkNames:* tests include every
// header of sdk/include and then this file before compiling each source file of a plug-in, so that a plug-in that
// names one of these does not compile there (it would not compile against the real SDK either). A use inside an SDK
// macro (NewMemClear, iferr, iferr_return) is not a use by the plug-in: the macros were defined before the names
// were poisoned, so their expansions stay legal.
//
// A new stand-in-only name in sdk/include gets a "Stand-in only" comment there and its line here.
#ifndef SURFAX_STANDIN_ONLY_H__
#define SURFAX_STANDIN_ONLY_H__

// operatingsystem.h, c4d_resource.h: the calls into the host library.
#pragma GCC poison hostbridge LocalResourceData
// c4d_baselist.h, c4d_baseobject.h, c4d_nodedata.h: the host's record of a node.
#pragma GCC poison HostNode HostAccess GetHostNode
// c4d_string.h: the text's bytes for the host, and the host's table behind ""_s.
#pragma GCC poison GetUtf8 GetUtf8Writable InternLiteral
// c4d_basecontainer.h: the number of entries (the SDK's container is browsed with GetIndexId until NOTOK). A
// member named GetCount cannot be poisoned here: BaseArray::GetCount is real.
#pragma GCC poison GetEntryCount
// c4d_basecontainer.h, c4d_baselist.h: writable value pointers and the untyped node-data access; the SDK has
// FindIndex(id, &data) and GetNodeData<T>() for them.
#pragma GCC poison GetDataPointerWritable GetNodeDataI
// customgui_fontchooser.h, customgui_gradient.h: the host's font values and shared ramp data; GRADIENT_INTERPOLATION
// is the pre-R20 container id (the SDK has the knot's own interpolation).
#pragma GCC poison AllocFontValue FreeFontValue GradientRenderDataImpl GRADIENT_INTERPOLATION
// c4d_enumflags.h: what `flags & FLAG` gives in the stand-in.
#pragma GCC poison EnumFlagTest
// lib_description.h: the depth limit of ids.
#pragma GCC poison kMaxLevels
// c4d_memory.h, maxon_result.h: what NewObjClear, NewMemClear, DeleteObj, iferr and iferr_return expand to.
#pragma GCC poison NewObjClearImpl NewMemClearImpl DeleteObjImpl IsFailure ErrorScope maxon_iferr_scope_
// Names of older stand-ins that the real SDK never had (maxon::LIMIT<Int32>::MIN and ::MAX are the real ones).
#pragma GCC poison LIMIT_MIN_INT32 LIMIT_MAX_INT32

#endif // SURFAX_STANDIN_ONLY_H__
