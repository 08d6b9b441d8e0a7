// BaseContainer: ordered map from Int32 ids to GeData values; every object's parameters live in one.
#ifndef C4D_BASECONTAINER_H__
#define C4D_BASECONTAINER_H__

#include "c4d_gedata.h"
#include "c4d_enumflags.h"

#include <utility>
#include <vector>

namespace cinema
{
class AliasTrans;

/// Values keyed by id, in insertion order. Getters return the given preset when the id is absent or holds a
/// value of another kind (numbers convert between Int32, Int64 and Float, as in the application).
class BaseContainer
{
public:
	BaseContainer() = default;
	explicit BaseContainer(Int32 id) : _id(id) {}

	Int32 GetId() const { return _id; }
	void SetId(Int32 id) { _id = id; }
	/// Stand-in only (sdk/standin/standin_only.h): the number of entries. The SDK's container has no count; its
	/// entries are browsed with GetIndexId until it answers NOTOK.
	Int32 GetEntryCount() const { return static_cast<Int32>(_entries.size()); }
	void FlushAll() { _entries.clear(); }

	Bool GetBool(Int32 id, Bool preset = false) const;
	Int32 GetInt32(Int32 id, Int32 preset = 0) const;
	Int64 GetInt64(Int32 id, Int64 preset = 0) const;
	Float GetFloat(Int32 id, Float preset = 0.0) const;
	Vector GetVector(Int32 id, const Vector& preset = Vector()) const;
	Matrix GetMatrix(Int32 id, const Matrix& preset = Matrix()) const;
	String GetString(Int32 id, const maxon::String& preset = maxon::String()) const;
	Filename GetFilename(Int32 id, const Filename& preset = Filename()) const;
	BaseTime GetTime(Int32 id, const BaseTime& preset = BaseTime()) const;
	/// The value of id, or a DA_NIL value when absent.
	const GeData& GetData(Int32 id) const;
	/// The value of id, or null when absent.
	const GeData* GetDataPointer(Int32 id) const;
	GeData* GetDataPointerWritable(Int32 id);
	BaseContainer GetContainer(Int32 id) const;
	const BaseContainer* GetContainerInstance(Int32 id) const;
	BaseContainer* GetContainerInstanceWritable(Int32 id);
	const CustomDataType* GetCustomDataTypeI(Int32 id, Int32 datatype) const;
	template <typename DATATYPE> const DATATYPE* GetCustomDataType(Int32 id) const
	{
		return static_cast<const DATATYPE*>(GetCustomDataTypeI(id, DATATYPE::DATATYPEID));
	}
	template <typename DATATYPE> DATATYPE* GetCustomDataTypeWritableObsolete(Int32 id)
	{
		GeData* d = GetDataPointerWritable(id);
		return d ? d->GetCustomDataTypeWritable<DATATYPE>() : nullptr;
	}

	void SetBool(Int32 id, Bool b) { SetData(id, GeData(b)); }
	void SetInt32(Int32 id, Int32 l) { SetData(id, GeData(l)); }
	void SetInt64(Int32 id, Int64 l) { SetData(id, GeData(l, LLONGVALUE)); }
	void SetFloat(Int32 id, Float r) { SetData(id, GeData(r)); }
	void SetVector(Int32 id, const Vector& v) { SetData(id, GeData(v)); }
	void SetMatrix(Int32 id, const Matrix& m) { SetData(id, GeData(m)); }
	void SetString(Int32 id, const maxon::String& s) { SetData(id, GeData(s)); }
	void SetFilename(Int32 id, const Filename& f) { SetData(id, GeData(f)); }
	void SetTime(Int32 id, const BaseTime& t) { SetData(id, GeData(t)); }
	void SetContainer(Int32 id, const BaseContainer& s) { SetData(id, GeData(s)); }
	/// Stores a copy of n under id (replacing a previous value in place, or appending). Always true here.
	Bool SetData(Int32 id, const GeData& n);
	Bool SetData(Int32 id, GeData&& n);
	/// Removes id; true when it was there.
	Bool RemoveData(Int32 id);
	/// Removes the index-th entry; true when it existed.
	Bool RemoveIndex(Int32 index);
	/// Index of id, or -1.
	Int32 FindIndex(Int32 id) const;
	/// Id of the index-th entry (insertion order), or NOTOK (-1) past the end.
	Int32 GetIndexId(Int32 index) const;
	const GeData* GetIndexData(Int32 index) const;

	/// Copies id and all values into dst.
	Bool CopyTo(BaseContainer* dst, COPYFLAGS flags, AliasTrans* trans) const;
	BaseContainer* GetClone(COPYFLAGS flags, AliasTrans* trans) const;
	/// Adds or replaces every value of src.
	void MergeContainer(const BaseContainer& src);

	Bool operator==(const BaseContainer& d) const;
	Bool operator!=(const BaseContainer& d) const { return !(*this == d); }

private:
	Int32 _id = 0;
	std::vector<std::pair<Int32, GeData>> _entries;
};
} // namespace cinema

#endif // C4D_BASECONTAINER_H__
