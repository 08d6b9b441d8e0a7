// Flag enumerations of the SDK (enum classes with bitwise operators).
#ifndef C4D_ENUMFLAGS_H__
#define C4D_ENUMFLAGS_H__

#include "ge_math.h"

#include <type_traits>

namespace maxon
{
/// Result of `flags & FLAG`: converts to the enum and tests as a Bool, like the SDK's flag enums.
template <typename E> struct EnumFlagTest
{
	E value;
	constexpr operator E() const { return value; }
	constexpr explicit operator bool() const { return static_cast<std::underlying_type_t<E>>(value) != 0; }
	constexpr bool operator!() const { return static_cast<std::underlying_type_t<E>>(value) == 0; }
};
} // namespace maxon

#define MAXON_ENUM_FLAGS(E)                                                                                            \
	constexpr E operator|(E a, E b)                                                                                    \
	{                                                                                                                  \
		using U = std::underlying_type_t<E>;                                                                           \
		return static_cast<E>(static_cast<U>(a) | static_cast<U>(b));                                                  \
	}                                                                                                                  \
	constexpr ::maxon::EnumFlagTest<E> operator&(E a, E b)                                                             \
	{                                                                                                                  \
		using U = std::underlying_type_t<E>;                                                                           \
		return {static_cast<E>(static_cast<U>(a) & static_cast<U>(b))};                                                \
	}                                                                                                                  \
	constexpr E operator~(E a)                                                                                         \
	{                                                                                                                  \
		using U = std::underlying_type_t<E>;                                                                           \
		return static_cast<E>(~static_cast<U>(a));                                                                     \
	}                                                                                                                  \
	constexpr E& operator|=(E& a, E b)                                                                                 \
	{                                                                                                                  \
		a = a | b;                                                                                                     \
		return a;                                                                                                      \
	}                                                                                                                  \
	constexpr E& operator&=(E& a, E b)                                                                                 \
	{                                                                                                                  \
		a = static_cast<E>(a & b);                                                                                     \
		return a;                                                                                                      \
	}

namespace cinema
{
enum class COPYFLAGS : Int32
{
	NONE = 0,
	PRIVATE_IDENTMARKER = 1 << 0,
	NO_HIERARCHY = 1 << 2,
	NO_ANIMATION = 1 << 3,
	NO_BITS = 1 << 4,
	NO_MATERIALPREVIEW = 1 << 5,
	NO_BRANCHES = 1 << 7,
	DOCUMENT = 1 << 10,
	NO_NGONS = 1 << 11,
	CACHE_BUILD = 1 << 13,
	RECURSIONCHECK = 1 << 14,
	PRIVATE_NO_TAGS = 1 << 17,
	DEFORM_CACHE_BUILD = 1 << 25,
};
MAXON_ENUM_FLAGS(COPYFLAGS)

enum class DIRTYFLAGS : Int32
{
	NONE = 0,
	MATRIX = 1 << 1,
	DATA = 1 << 2,
	SELECT = 1 << 3,
	CACHE = 1 << 4,
	CHILDREN = 1 << 5,
	DESCRIPTION = 1 << 6,
	VISIBILITY = 1 << 7,
	SELECTION_OBJECTS = 1 << 20,
	SELECTION_TAGS = 1 << 21,
	SELECTION_MATERIALS = 1 << 22,
	ALL = -1,
};
MAXON_ENUM_FLAGS(DIRTYFLAGS)

enum class DESCFLAGS_DESC : Int32
{
	NONE = 0,
	RESOLVEMULTIPLEDATA = 1 << 0,
	LOADED = 1 << 1,
	RECURSIONLOCK = 1 << 2,
	DONTLOADDEFAULT = 1 << 3,
	MAPTAGS = 1 << 4,
	NEEDDEFAULTVALUE = 1 << 5,
	TRISTATE = 1 << 6,
	EXPORTHELPSYMBOLSMODE = 1 << 7,
	MATREFLECTANCEOVERLAP = 1 << 8,
	XPRESSO = 1 << 9,
	PRESET = 1 << 10,
	CHECK_HAS_CONTENT = 1 << 11,
};
MAXON_ENUM_FLAGS(DESCFLAGS_DESC)

enum class DESCFLAGS_ENABLE : Int32
{
	NONE = 0,
};
MAXON_ENUM_FLAGS(DESCFLAGS_ENABLE)

enum class DESCFLAGS_GET : Int32
{
	NONE = 0,
	PARAM_GET = 1 << 1,
	NO_GLOBALDATA = 1 << 4,
	NO_GEDATADEFAULTVALUE = 1 << 5,
	ALLOW_TRISTATE = 1 << 6,
	PRIVATE_GETDEFAULTVALUEONLY = 1 << 7,
	PRIVATE_GETRAWCOLORDATA = 1 << 8,
};
MAXON_ENUM_FLAGS(DESCFLAGS_GET)

enum class DESCFLAGS_SET : Int32
{
	NONE = 0,
	PARAM_SET = 1 << 1,
	USERINTERACTION = 1 << 2,
	DONTCHECKMINMAX = 1 << 3,
	DONTAFFECTINHERITANCE = 1 << 6,
	FORCESET = 1 << 7,
	DONTFREESPLINECACHE = 1 << 8,
	INDRAG = 1 << 9,
	INRESETTODEFAULT = 1 << 10,
	PRIVATE_SETRAWCOLORDATA = 1 << 11,
	COLOR_SRGB = 1 << 12,
};
MAXON_ENUM_FLAGS(DESCFLAGS_SET)

enum class EXECUTIONFLAGS : Int32
{
	NONE = 0,
	ANIMATION = 1 << 1,
	EXPRESSION = 1 << 2,
	CACHEBUILDING = 1 << 3,
	CAMERAONLY = 1 << 4,
	INDRAG = 1 << 5,
	INMOVE = 1 << 6,
	RENDER = 1 << 7,
	ALLOW_PRIORITYSHIFT = 1 << 8,
	PROFILING = 1 << 9,
	PREPASS = 1 << 10,
	POSTPASS = 1 << 11,
};
MAXON_ENUM_FLAGS(EXECUTIONFLAGS)

enum class EXECUTIONRESULT
{
	OK = 0,
	USERBREAK = 1,
	OUTOFMEMORY = 2,
};

enum class BUILDFLAGS : UInt16
{
	NONE = 0,
	INTERNALRENDERER = 1 << 1,
	EXTERNALRENDERER = 1 << 2,
	ISOPARM = 1 << 3,
	EXPORTONLY = 1 << 4,
	INTERACTIVEEDITOR = 1 << 5,
	PRIVATE_NO_CLEAR_PASS = 1 << 6,
};
MAXON_ENUM_FLAGS(BUILDFLAGS)

enum class EVENT : Int32
{
	NONE = 0,
	FORCEREDRAW = 1 << 0,
	ANIMATE = 1 << 1,
	NOEXPRESSION = 1 << 2,
	GLHACK = 1 << 3,
	CAMERAEXPRESSION = 1 << 4,
	ENQUEUE_REDRAW = 1 << 5,
	DONT_OVERWRITE_RENDERING = 1 << 6,
	NO_PREPARE_SCENE = 1 << 7,
};
MAXON_ENUM_FLAGS(EVENT)

enum class NBIT : Int32
{
	NONE = 0,
	TL1_FOLD = 1,
	TL2_FOLD = 2,
	TL3_FOLD = 3,
	TL4_FOLD = 4,
	TL1_SELECT = 5,
	TL2_SELECT = 6,
	TL3_SELECT = 7,
	TL4_SELECT = 8,
	TL1_TDRAW = 9,
	TL2_TDRAW = 10,
	TL3_TDRAW = 11,
	TL4_TDRAW = 12,
	CKEY_ACTIVE = 13,
	OM1_FOLD = 14,
	OM2_FOLD = 15,
	OM3_FOLD = 16,
	OM4_FOLD = 17,
};

enum class NBITCONTROL : Int32
{
	SET = 1,
	CLEAR = 2,
	TOGGLE = 3,
	PRIVATE_NODIRTY = 0xf0,
};

enum class CHECKISRUNNING : Int32
{
	ANIMATIONRUNNING = 0,
	VIEWDRAWING = 1,
	EDITORRENDERING = 2,
	EXTERNALRENDERING = 3,
	PAINTERUPDATING = 4,
	MATERIALPREVIEWRUNNING = 5,
	EVENTSYSTEM = 6,
	BAKING = 7,
	INTERACTIVERENDERING = 8,
};
} // namespace cinema

#endif // C4D_ENUMFLAGS_H__
