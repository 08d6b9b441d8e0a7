// General host functions: events, threads, number entry, modelling commands.
#ifndef C4D_GENERAL_H__
#define C4D_GENERAL_H__

#include "c4d_basedocument.h"

namespace cinema
{
class AtomArray;

/// Asks the host for a redraw (more passes of the scene evaluation).
void EventAdd(EVENT eventflag = EVENT::NONE);
void SpecialEventAdd(Int32 messageid, UInt p1 = 0, UInt p2 = 0);
/// The user's colour (RGB, 0 to 1) for a view element (VIEWCOLOR_*). An unknown id gives *defaultColor when one is
/// passed, else black.
Vector GetViewColor(Int32 colid, Vector* defaultColor = nullptr);
/// Halts the host's running evaluation and drawing threads before a document is changed.
void StopAllThreads();
void StopDrawViewsThread();
/// Whether the host is in the given state (rendering in the editor, rendering externally, ...).
Bool CheckIsRunning(CHECKISRUNNING type);

// Number formats of the number entry (FourCC codes).
enum
{
	FORMAT_FLOAT = 1718773089,
	FORMAT_INT = 1718382183,
	FORMAT_PERCENT = 1718641524,
	FORMAT_DEGREE = 1717856114,
	FORMAT_METER = 1718445428,
	FORMAT_FRAMES = 1717989997,
};

enum class LENGTHUNIT : Int32
{
	PIXEL = 0,
	KM = 1,
	M = 2,
	CM = 3,
	MM = 4,
	UM = 5,
	NM = 6,
	MILE = 7,
	YARD = 8,
	FEET = 9,
	INCH = 10,
};

/// Converts typed input to a number as the application's numeric fields do: arithmetic, functions (degrees for
/// trigonometry), constants, ';' between arguments, '^' as power. A DA_REAL value for FORMAT_FLOAT (DA_LONG for
/// FORMAT_INT); a DA_NIL value when the text is not an expression.
GeData StringToNumber(const maxon::String& text, Int32 format, Int32 fps, const LENGTHUNIT* lengthunit = nullptr);

enum class MODELINGCOMMANDMODE : Int32
{
	ALL = 0,
	POINTSELECTION = 1,
	POLYGONSELECTION = 2,
	EDGESELECTION = 3,
};

enum class MODELINGCOMMANDFLAGS : Int32
{
	NONE = 0,
	CREATEUNDO = 1 << 0,
	IMPORTER = 1 << 1,
	USEGLOBALSYMMETRY = 1 << 2,
	SETESCTESTTHREAD = 1 << 3,
};
MAXON_ENUM_FLAGS(MODELINGCOMMANDFLAGS)

/// Arguments of a modelling command.
class ModelingCommandData
{
public:
	BaseDocument* doc = nullptr;
	BaseObject* op = nullptr;
	BaseContainer* bc = nullptr;
	MODELINGCOMMANDMODE mode = MODELINGCOMMANDMODE::ALL;
	MODELINGCOMMANDFLAGS flags = MODELINGCOMMANDFLAGS::NONE;
	AtomArray* arr = nullptr;
	AtomArray* result = nullptr;
};

/// Runs a modelling command (for example MCOMMAND_ALIGNNORMALS on data.op). False when it fails.
Bool SendModelingCommand(Int32 command, ModelingCommandData& data);
} // namespace cinema

#endif // C4D_GENERAL_H__
