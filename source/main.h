// Plug-in ids, the register functions of the five object types (each in its own unit) and the object-tree
// utilities that the plot object and its components share (objecttree.cpp).
#ifndef SURFAX_MAIN_H__
#define SURFAX_MAIN_H__

#include "c4d.h"

/// Plug-in ids of the five object types. Stored in documents: never change them.
constexpr cinema::Int32 ID_PLOTOBJECT = 1055349;
constexpr cinema::Int32 ID_PLOTMESH = 1055457;
constexpr cinema::Int32 ID_PLOTGRID = 1055458;
constexpr cinema::Int32 ID_PLOTCAGE = 1055484;
constexpr cinema::Int32 ID_PLOTLABEL = 1055514;

/// Register one object type each. icon may be null (the type is then registered without an icon); the host
/// copies it, the caller keeps its own. False when the host refuses the type (for example because its
/// description resource cannot be registered).
cinema::Bool RegisterPlotObject(cinema::BaseBitmap* icon);
cinema::Bool RegisterPlotMesh(cinema::BaseBitmap* icon);
cinema::Bool RegisterPlotGrid(cinema::BaseBitmap* icon);
cinema::Bool RegisterPlotCage(cinema::BaseBitmap* icon);
cinema::Bool RegisterPlotLabel(cinema::BaseBitmap* icon);

/// The document-order successor of op: its first child, else the next sibling of op or of its nearest ancestor
/// that has one. Null for null and after the last object of the document.
cinema::BaseObject* GetNextObject(cinema::BaseObject* op);

/// The nearest ancestor of op (never op itself) that is a plot object, or null. op may be null.
cinema::BaseObject* FindPlotObject(cinema::BaseObject* op);

/// The first object of the plug-in type `type`, in document order, among plot's own descendants: objects whose
/// nearest plot ancestor is plot (so the subtrees of plot objects nested below plot are not searched). Null when
/// there is none or plot is null.
cinema::BaseObject* FindComponent(cinema::BaseObject* plot, cinema::Int32 type);

/// start itself or the first of its descendants, in document order, whose name equals name exactly. Objects
/// outside start's subtree are never returned. Null when there is none or start is null.
cinema::BaseObject* FindObjectByName(cinema::BaseObject* start, const maxon::String& name);

#endif // SURFAX_MAIN_H__
