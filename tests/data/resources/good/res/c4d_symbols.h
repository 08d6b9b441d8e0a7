// Global string ids of the sample plug-in.
enum
{
	// Display names of the object types
	IDS_CHART_SAMPLE = 15000,
	IDS_CHART_WIDGET,
	IDS_GREETING = 0x3AA0, /* 15008 */
	IDS_UNUSED,

	_DUMMY_ELEMENT_
};
