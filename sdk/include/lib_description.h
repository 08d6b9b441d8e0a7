// Description ids (DescLevel, DescID), descriptions and the button message record.
#ifndef LIB_DESCRIPTION_H__
#define LIB_DESCRIPTION_H__

#include "c4d_basecontainer.h"

#include <initializer_list>

namespace maxon
{
enum IN_PLACE_TYPE
{
	IN_PLACE
};
} // namespace maxon

namespace cinema
{
class GeDialog;
class DescriptionCustomGui;
class AtomArray;
class BCResourceObj;

enum
{
	DTYPE_NONE = 0,
	DTYPE_CHILDREN = 0,
	DTYPE_GROUP = 1,
	DTYPE_COLOR = 3,
	DTYPE_SUBCONTAINER = 5,
	DTYPE_MULTIPLEDATA = 6,
	DTYPE_TEXTURE = 7,
	DTYPE_BUTTON = 8,
	DTYPE_DYNAMIC = 10,
	DTYPE_SEPARATOR = 11,
	DTYPE_STATICTEXT = 12,
	DTYPE_POPUP = 13,
	DTYPE_LONG = 15,
	DTYPE_REAL = 19,
	DTYPE_TIME = 22,
	DTYPE_VECTOR = 23,
	DTYPE_MATRIX = 25,
	DTYPE_STRING = 130,
	DTYPE_FILENAME = 131,
	DTYPE_BASELISTLINK = 133,
	DTYPE_BOOL = 400006001,
	DTYPE_NORMAL = 400006005,
	DTYPE_COLORA = 400007013,
	DTYPE_VECTOR4D = 1040682,
};

/// One level of a parameter id.
struct DescLevel
{
	Int32 id = 0;
	Int32 dtype = 0;
	Int32 creator = 0;

	constexpr DescLevel(Int32 t_id) : id(t_id) {}
	constexpr DescLevel(Int32 t_id, Int32 t_datatype, Int32 t_creator) : id(t_id), dtype(t_datatype), creator(t_creator)
	{
	}
	/// Levels compare by id; a data type or creator of 0 matches any.
	constexpr Bool operator==(const DescLevel& d) const
	{
		return id == d.id && (dtype == 0 || d.dtype == 0 || dtype == d.dtype) &&
		       (creator == 0 || d.creator == 0 || creator == d.creator);
	}
	constexpr Bool operator!=(const DescLevel& d) const { return !(*this == d); }
};

/// A parameter id: one or more levels (a vector parameter's x component is two levels).
class DescID
{
public:
	static constexpr Int32 kMaxLevels = 8; // stand-in only: the depth limit; deeper ids are cut

	constexpr DescID() = default;
	template <int elementCount> constexpr explicit DescID(maxon::IN_PLACE_TYPE, const DescLevel (&ids)[elementCount])
	{
		for (int i = 0; i < elementCount && i < kMaxLevels; ++i)
			_levels[_depth++] = ids[i];
	}
	template <typename... T> static DescID Create(const T&... ids)
	{
		DescID r;
		(r.PushId(DescLevel(ids)), ...);
		return r;
	}

	void SetId(const DescLevel& subid)
	{
		_depth = 0;
		PushId(subid);
	}
	void PushId(const DescLevel& subid)
	{
		if (_depth < kMaxLevels)
			_levels[_depth++] = subid;
	}
	void PushId(const std::initializer_list<DescLevel>& subids)
	{
		for (const DescLevel& l : subids)
			PushId(l);
	}
	void PopId()
	{
		if (_depth > 0)
			--_depth;
	}
	/// Level pos; a zero level outside the depth.
	const DescLevel& operator[](Int32 pos) const
	{
		static constexpr DescLevel kNone(0);
		return (pos >= 0 && pos < _depth) ? _levels[pos] : kNone;
	}
	Int32 GetDepth() const { return _depth; }
	Bool IsPopulated() const { return _depth > 0; }
	Bool IsEmpty() const { return _depth == 0; }
	Bool operator==(const DescID& d) const
	{
		if (_depth != d._depth)
			return false;
		for (Int32 i = 0; i < _depth; ++i)
		{
			if (_levels[i] != d._levels[i])
				return false;
		}
		return true;
	}
	Bool operator!=(const DescID& d) const { return !(*this == d); }
	/// True when cmp's levels start this id; *pos receives cmp's depth.
	Bool IsPartOf(const DescID& cmp, Int32* pos) const
	{
		if (cmp._depth > _depth)
			return false;
		for (Int32 i = 0; i < cmp._depth; ++i)
		{
			if (_levels[i] != cmp._levels[i])
				return false;
		}
		if (pos)
			*pos = cmp._depth;
		return true;
	}

private:
	DescLevel _levels[kMaxLevels] = {0, 0, 0, 0, 0, 0, 0, 0};
	Int32 _depth = 0;
};

#define ConstDescID(...) ::cinema::DescID(::maxon::IN_PLACE, {__VA_ARGS__})
#define CreateDescID(...) ::cinema::DescID::Create(__VA_ARGS__)
#define ConstDescIDLevel(...) ConstDescID(::cinema::DescLevel(__VA_ARGS__))

/// The parameter description of a node type, as loaded from its description resource.
class Description
{
public:
	static Description* Alloc();
	static void Free(Description*& description);
	/// Loads the registered description of the type id into this description. False when there is none.
	Bool LoadDescription(Int32 id);
	/// Loads the registered description named id (for example "o3dplot").
	Bool LoadDescription(const maxon::String& id);
	/// The description container of a parameter (DESC_* values), or null.
	const BaseContainer* GetParameter(const DescID& id, BaseContainer& temp, AtomArray* ar) const;
	BaseContainer* GetParameterI(const DescID& id, AtomArray* ar);
	Bool SetParameter(const DescID& id, const BaseContainer& param, const DescID& groupid);

protected:
	Description() = default;
	~Description() = default;
};

/// Base record of description messages.
struct DescriptionBaseMessage
{
	DescID _descId;
	GeDialog* _parentDialog = nullptr;
};

/// MSG_DESCRIPTION_COMMAND: a button was pressed.
struct DescriptionCommand : public DescriptionBaseMessage
{
	const BaseContainer* _msg = nullptr;
	DescriptionCustomGui* _descgui = nullptr;
	BaseContainer _data;
};
} // namespace cinema

#endif // LIB_DESCRIPTION_H__
