#include "host/document/names.h"

namespace surfax::io
{
using namespace cinema;

namespace
{
struct TagName
{
	Int32 type;
	const char* name;
};

constexpr TagName kTagNames[] = {
    {Tphong, "Tphong"},     {Tuvw, "Tuvw"},     {Tvertexcolor, "Tvertexcolor"},
    {Tsegment, "Tsegment"}, {Tpoint, "Tpoint"}, {Tpolygon, "Tpolygon"},
};

constexpr const char* kSplineTypeNames[] = {"linear", "cubic", "akima", "bspline", "bezier"};
constexpr int kSplineTypeCount = static_cast<int>(sizeof(kSplineTypeNames) / sizeof(kSplineTypeNames[0]));
} // namespace

const char* TagTypeName(Int32 type)
{
	for (const TagName& entry : kTagNames)
	{
		if (entry.type == type)
			return entry.name;
	}
	return nullptr;
}

bool TagTypeFromName(std::string_view name, Int32& type)
{
	for (const TagName& entry : kTagNames)
	{
		if (name == entry.name)
		{
			type = entry.type;
			return true;
		}
	}
	return false;
}

const char* VisibilityModeName(Int32 mode)
{
	switch (mode)
	{
	case MODE_ON:
		return "on";
	case MODE_OFF:
		return "off";
	default:
		return "default";
	}
}

bool VisibilityModeFromName(std::string_view name, Int32& mode)
{
	if (name == "on")
		mode = MODE_ON;
	else if (name == "off")
		mode = MODE_OFF;
	else if (name == "default")
		mode = MODE_UNDEF;
	else
		return false;
	return true;
}

const char* SplineTypeName(SPLINETYPE type)
{
	const int index = static_cast<int>(type);
	return index >= 0 && index < kSplineTypeCount ? kSplineTypeNames[index] : kSplineTypeNames[0];
}

bool SplineTypeFromName(std::string_view name, SPLINETYPE& type)
{
	for (int i = 0; i < kSplineTypeCount; ++i)
	{
		if (name == kSplineTypeNames[i])
		{
			type = static_cast<SPLINETYPE>(i);
			return true;
		}
	}
	return false;
}
} // namespace surfax::io
