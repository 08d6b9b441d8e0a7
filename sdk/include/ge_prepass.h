// Type ids, info flags, execution priorities and other constants of the host.
#ifndef GE_PREPASS_H__
#define GE_PREPASS_H__

#include "ge_math.h"

namespace cinema
{
// Object types.
#define Opolygon 5100
#define Ospline 5101
#define Olight 5102
#define Ocamera 5103
#define Opoint 5108
#define Oextrude 5116
#define Onull 5140
#define Ocube 5159
#define Osphere 5160
#define Oplatonic 5161
#define Opyramid 5167
#define Osplinetext 5178
#define Oline 5137
#define Obase 5155

// Tag types.
#define Tpoint 5600
#define Tpolygon 5604
#define Tphong 5612
#define Tsegment 5672
#define Tuvw 5671
#define Tvertexcolor 431000045

// Object info flags (RegisterObjectPlugin).
#define OBJECT_MODIFIER (1 << 0)
#define OBJECT_HIERARCHYMODIFIER (1 << 1)
#define OBJECT_GENERATOR (1 << 2)
#define OBJECT_INPUT (1 << 3)
#define OBJECT_PARTICLEMODIFIER (1 << 5)
#define OBJECT_NOCACHESUB (1 << 6)
#define OBJECT_ISSPLINE (1 << 7)
#define OBJECT_UNIQUEENUMERATION (1 << 8)
#define OBJECT_CAMERADEPENDENT (1 << 9)
#define OBJECT_USECACHECOLOR (1 << 10)
#define OBJECT_POINTOBJECT (1 << 11)
#define OBJECT_POLYGONOBJECT (1 << 12)
#define OBJECT_NO_PLA (1 << 13)
#define OBJECT_DONTFREECACHE (1 << 14)
#define OBJECT_CALL_ADDEXECUTION (1 << 15)
#define OBJECT_NOCHILDEXPRESSIONS (1 << 16)
#define OBJECT_FIELDOBJECT (1 << 17)
#define OBJECT_HASDEFORMMODE (1 << 18)
#define OBJECT_ICONCHOOSER_PARENT_IGNORE (1 << 19)

// Plug-in flags.
#define PLUGINFLAG_INTERNAL (1 << 20)
#define PLUGINFLAG_REFRESHALWAYS (1 << 25)
#define PLUGINFLAG_HIDEPLUGINMENU (1 << 28)
#define PLUGINFLAG_HIDE (1 << 29)
#define PLUGINFLAG_SMALLNODE (1 << 30)

// Execution priorities.
#define EXECUTIONPRIORITY_INITIAL 1000
#define EXECUTIONPRIORITY_ANIMATION 2000
#define EXECUTIONPRIORITY_ANIMATION_NLA 2010
#define EXECUTIONPRIORITY_EXPRESSION 3000
#define EXECUTIONPRIORITY_DYNAMICS 4000
#define EXECUTIONPRIORITY_GENERATOR 5000
#define EXECUTIONPRIORITY_SCENENODE 10000
#define EXECUTIONPRIORITY_FORCE 2147483647

// Visibility modes.
#define MODE_ON 0
#define MODE_OFF 1
#define MODE_UNDEF 2

// Colours of view elements (GetViewColor).
#define VIEWCOLOR_ACTIVEPOINT 12
#define VIEWCOLOR_INACTIVEPOINT 13
#define VIEWCOLOR_SELECTION_PREVIEW 47
#define VIEWCOLOR_HANDLES 91

// Modelling commands.
#define MCOMMAND_REVERSENORMALS 217
#define MCOMMAND_ALIGNNORMALS 218

enum class IMAGERESULT : Int32
{
	OK = 1,
	NOTEXISTING = -1,
	WRONGTYPE = -2,
	OUTOFMEMORY = -3,
	FILEERROR = -4,
	FILESTRUCTURE = -5,
	MISC_ERROR = -6,
	PARAM_ERROR = -7,
	THREADCANCELED = -8,
};

enum class SPLINETYPE : Int32
{
	LINEAR = 0,
	CUBIC = 1,
	AKIMA = 2,
	BSPLINE = 3,
	BEZIER = 4,
	RESERVEDSPLINETYPE1 = 5,
	RESERVEDSPLINETYPE2 = 6,
};

enum class DRAWPASS : Int32
{
	OBJECT = 0,
	BOX = 1,
	HANDLES = 2,
	HIGHLIGHTS = 3,
	XRAY = 4,
};

enum class DRAWRESULT : Int32
{
	FAILURE = 0,
	OK = 1,
	SKIP = 2,
};

enum class OBJECTCATEGORY : Int32
{
	NULLOBJECT = 0,
	POLYGON = 1,
	SPLINE = 2,
	GENERATOR = 3,
	OTHER = 11,
};
} // namespace cinema

#endif // GE_PREPASS_H__
