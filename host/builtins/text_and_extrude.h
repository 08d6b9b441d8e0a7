// The host's text spline (Osplinetext) and extrude (Oextrude) generators.
//
// Text spline: its contour is the text (PRIM_TEXT_TEXT, default "Text"; '\n' starts a new line) laid out in the
// font of PRIM_TEXT_FONT (a FontData; without one, or when the font is not installed, the host's default font)
// at PRIM_TEXT_HEIGHT (default 200: the font's em square in scene units), aligned by PRIM_TEXT_ALIGN (0 left,
// 1 centre, 2 right) about the object's origin, first baseline at y = 0, in the object's x-y plane (z = 0), as
// glyph_outlines.h lays it out. The contour is a linear spline of closed segments, one per glyph contour. With
// no font installed at all the contour is empty (and the host warns once). PRIM_TEXT_HSPACING, VSPACING,
// SEPARATE and KERNING are kept but do not change the contour.
// GetRad / GetMp of a text spline are the half size and centre of the bounding box of the contour that its
// current parameters give, computed on demand, so they are right at once, before any evaluation; z is 0.
//
// Extrude: its output is the first child that is a spline (a spline object, or a spline generator whose contour
// the extrude asks for itself), placed by the child's local matrix, extruded by EXTRUDEOBJECT_MOVE (default
// (0, 0, 20)) with caps and walls as extrusion.h builds them, as one polygon object named like the extrude
// object, without tags (flat shading). Without such a child, or when the geometry cannot be built, the output
// is an empty polygon object. The output is kept while neither the extrude object's data nor its first spline
// child (data, matrix, identity) changed. EXTRUDEOBJECT_EXTRUSIONOFFSET (1009) is stored as written and unused.
//
// Both types carry a description of the parameters above (no texts), so documents, the dump and --set name them
// (PRIM_TEXT_TEXT, EXTRUDEOBJECT_MOVE, ...).
#ifndef SURFAX_HOST_BUILTINS_TEXT_AND_EXTRUDE_H
#define SURFAX_HOST_BUILTINS_TEXT_AND_EXTRUDE_H

#include "c4d.h"

namespace surfax::builtins
{
/// Default extrusion of a new extrude object.
const cinema::Vector kDefaultExtrudeMove(0.0, 0.0, 20.0);
/// Default text height of a new text spline.
constexpr cinema::Float kDefaultTextHeight = 200.0;

/// True once the two types have their generator code (done when the host library loads).
bool TextAndExtrudeRegistered();
} // namespace surfax::builtins

#endif
