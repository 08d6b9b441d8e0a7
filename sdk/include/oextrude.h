#ifndef OEXTRUDE_H__
#define OEXTRUDE_H__
// Parameters of the extrude generator (Oextrude). 1000 to 1004 follow the description header. 1009 is unverified:
// by the header's enumerator order it is most likely the scalar extrusion offset. The stand-in stores whatever is
// written to it and reports it back, but builds its geometry from EXTRUDEOBJECT_MOVE alone (the full displacement,
// as in the absolute direction mode).
enum
{
	EXTRUDEOBJECT_ISOPARM = 1000,
	EXTRUDEOBJECT_SUB = 1001,
	EXTRUDEOBJECT_MOVE = 1002,
	EXTRUDEOBJECT_FLIPNORMALS = 1003,
	EXTRUDEOBJECT_HIERARCHIC = 1004,
	EXTRUDEOBJECT_EXTRUSIONOFFSET = 1009,
};
#endif
