// Global string ids of the plug-in (display names of the five object types).
enum
{
	IDS_PLOTOBJECT = 15000,
	IDS_PLOTMESH = 15001,
	IDS_PLOTGRID = 15002,
	IDS_PLOTCAGE = 15003,
	IDS_PLOTLABEL = 15004,

	_DUMMY_ELEMENT_
};
