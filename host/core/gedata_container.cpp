// GeData and BaseContainer.
#include "c4d_basecontainer.h"

#include "host/core/custom_data.h"

#include <cmath>
#include <limits>

namespace cinema
{
namespace
{
bool IsCustomType(Int32 type)
{
	return type >= DA_CUSTOMDATATYPE;
}

Int32 SaturateToInt32(Int64 v)
{
	if (v < std::numeric_limits<Int32>::min())
		return std::numeric_limits<Int32>::min();
	if (v > std::numeric_limits<Int32>::max())
		return std::numeric_limits<Int32>::max();
	return static_cast<Int32>(v);
}

Int64 FloatToInt64(Float f)
{
	if (!(f == f))
		return 0;
	if (f <= static_cast<Float>(std::numeric_limits<Int64>::min()))
		return std::numeric_limits<Int64>::min();
	if (f >= static_cast<Float>(std::numeric_limits<Int64>::max()))
		return std::numeric_limits<Int64>::max();
	return static_cast<Int64>(f);
}

const GeData& NilData()
{
	static const GeData nil;
	return nil;
}
} // namespace

GeData::GeData(const GeData& n)
{
	CopyFrom(n);
}

GeData::GeData(GeData&& n) noexcept
    : _type(n._type), _int(n._int), _float(n._float), _void(n._void), _vector(n._vector), _string(std::move(n._string)),
      _owned(n._owned)
{
	n._type = DA_NIL;
	n._owned = nullptr;
}

GeData& GeData::operator=(const GeData& n)
{
	if (this != &n)
	{
		GeData copy(n);
		*this = std::move(copy);
	}
	return *this;
}

GeData& GeData::operator=(GeData&& n) noexcept
{
	if (this != &n)
	{
		Release();
		_type = n._type;
		_int = n._int;
		_float = n._float;
		_void = n._void;
		_vector = n._vector;
		_string = std::move(n._string);
		_owned = n._owned;
		n._type = DA_NIL;
		n._owned = nullptr;
	}
	return *this;
}

GeData::~GeData()
{
	Release();
}

GeData::GeData(const Matrix& n) : _type(DA_MATRIX)
{
	_owned = new (std::nothrow) Matrix(n);
	if (_owned == nullptr)
		_type = DA_NIL;
}

GeData::GeData(const BaseContainer& n) : _type(DA_CONTAINER)
{
	_owned = new (std::nothrow) BaseContainer(n);
	if (_owned == nullptr)
		_type = DA_NIL;
}

GeData::GeData(const CustomDataType& data, Int32 type)
{
	CustomDataType* copy = surfax::core::CloneCustomData(type, &data);
	if (copy != nullptr)
	{
		_type = type;
		_owned = copy;
	}
}

GeData::GeData(Int32 type, DEFAULTVALUETYPE)
{
	switch (type)
	{
	case DA_LONG:
	case DA_REAL:
	case DA_LLONG:
	case DA_VECTOR:
	case DA_STRING:
	case DA_FILENAME:
	case DA_TIME:
		_type = type;
		break;
	case DA_MATRIX:
		*this = GeData(Matrix());
		break;
	case DA_CONTAINER:
		*this = GeData(BaseContainer());
		break;
	default:
		if (IsCustomType(type))
		{
			CustomDataType* value = surfax::core::CloneCustomData(type, nullptr);
			if (value != nullptr)
			{
				_type = type;
				_owned = value;
			}
		}
		break;
	}
}

void GeData::Release()
{
	if (_owned != nullptr)
	{
		if (_type == DA_MATRIX)
			delete static_cast<Matrix*>(_owned);
		else if (_type == DA_CONTAINER)
			delete static_cast<BaseContainer*>(_owned);
		else if (IsCustomType(_type))
			surfax::core::FreeCustomData(_type, static_cast<CustomDataType*>(_owned));
		_owned = nullptr;
	}
	_type = DA_NIL;
}

void GeData::CopyFrom(const GeData& n)
{
	_type = n._type;
	_int = n._int;
	_float = n._float;
	_void = n._void;
	_vector = n._vector;
	_string = n._string;
	_owned = nullptr;
	if (n._owned == nullptr)
		return;
	if (n._type == DA_MATRIX)
		_owned = new (std::nothrow) Matrix(*static_cast<const Matrix*>(n._owned));
	else if (n._type == DA_CONTAINER)
		_owned = new (std::nothrow) BaseContainer(*static_cast<const BaseContainer*>(n._owned));
	else if (IsCustomType(n._type))
		_owned = surfax::core::CloneCustomData(n._type, static_cast<const CustomDataType*>(n._owned));
	if (_owned == nullptr)
		_type = DA_NIL;
}

Int32 GeData::GetInt32() const
{
	return SaturateToInt32(GetInt64());
}

Int64 GeData::GetInt64() const
{
	switch (_type)
	{
	case DA_LONG:
	case DA_LLONG:
		return _int;
	case DA_REAL:
		return FloatToInt64(_float);
	default:
		return 0;
	}
}

Float GeData::GetFloat() const
{
	switch (_type)
	{
	case DA_REAL:
		return _float;
	case DA_LONG:
	case DA_LLONG:
		return static_cast<Float>(_int);
	case DA_TIME:
		return _vector.y != 0.0 ? _vector.x / _vector.y : 0.0;
	default:
		return 0.0;
	}
}

const Vector& GeData::GetVector() const
{
	static const Vector zero;
	return _type == DA_VECTOR ? _vector : zero;
}

const Matrix& GeData::GetMatrix() const
{
	static const Matrix identity;
	return (_type == DA_MATRIX && _owned) ? *static_cast<const Matrix*>(_owned) : identity;
}

const String& GeData::GetString() const
{
	static const String empty;
	return (_type == DA_STRING || _type == DA_FILENAME) ? _string : empty;
}

Filename GeData::GetFilename() const
{
	return (_type == DA_FILENAME || _type == DA_STRING) ? Filename(_string) : Filename();
}

BaseTime GeData::GetTime() const
{
	return _type == DA_TIME ? BaseTime(_vector.x, _vector.y) : BaseTime();
}

const BaseContainer* GeData::GetContainer() const
{
	return _type == DA_CONTAINER ? static_cast<const BaseContainer*>(_owned) : nullptr;
}

BaseContainer* GeData::GetContainerWritable()
{
	return _type == DA_CONTAINER ? static_cast<BaseContainer*>(_owned) : nullptr;
}

const CustomDataType* GeData::GetCustomDataTypeI(Int32 datatype) const
{
	return (_type == datatype && IsCustomType(datatype)) ? static_cast<const CustomDataType*>(_owned) : nullptr;
}

CustomDataType* GeData::GetCustomDataTypeWritableI(Int32 datatype)
{
	return (_type == datatype && IsCustomType(datatype)) ? static_cast<CustomDataType*>(_owned) : nullptr;
}

Bool GeData::operator==(const GeData& d) const
{
	if (_type != d._type)
		return false;
	switch (_type)
	{
	case DA_NIL:
		return true;
	case DA_LONG:
	case DA_LLONG:
		return _int == d._int;
	case DA_REAL:
		return _float == d._float;
	case DA_VOID:
		return _void == d._void;
	case DA_VECTOR:
	case DA_TIME:
		return _vector == d._vector;
	case DA_STRING:
	case DA_FILENAME:
		return _string == d._string;
	case DA_MATRIX:
		return GetMatrix() == d.GetMatrix();
	case DA_CONTAINER:
		return _owned && d._owned &&
		       *static_cast<const BaseContainer*>(_owned) == *static_cast<const BaseContainer*>(d._owned);
	default:
		if (IsCustomType(_type))
		{
			const surfax::core::CustomDataClass* cls = surfax::core::FindCustomDataClass(_type);
			return cls && _owned && d._owned &&
			       cls->equal(static_cast<const CustomDataType*>(_owned), static_cast<const CustomDataType*>(d._owned));
		}
		return false;
	}
}

// --- BaseContainer --------------------------------------------------------------------------------------------------

const GeData* BaseContainer::GetDataPointer(Int32 id) const
{
	for (const auto& entry : _entries)
	{
		if (entry.first == id)
			return &entry.second;
	}
	return nullptr;
}

GeData* BaseContainer::GetDataPointerWritable(Int32 id)
{
	for (auto& entry : _entries)
	{
		if (entry.first == id)
			return &entry.second;
	}
	return nullptr;
}

const GeData& BaseContainer::GetData(Int32 id) const
{
	const GeData* d = GetDataPointer(id);
	return d ? *d : NilData();
}

Bool BaseContainer::GetBool(Int32 id, Bool preset) const
{
	const GeData* d = GetDataPointer(id);
	if (d == nullptr || (d->GetType() != DA_LONG && d->GetType() != DA_LLONG && d->GetType() != DA_REAL))
		return preset;
	return d->GetBool();
}

Int32 BaseContainer::GetInt32(Int32 id, Int32 preset) const
{
	const GeData* d = GetDataPointer(id);
	if (d == nullptr || (d->GetType() != DA_LONG && d->GetType() != DA_LLONG && d->GetType() != DA_REAL))
		return preset;
	return d->GetInt32();
}

Int64 BaseContainer::GetInt64(Int32 id, Int64 preset) const
{
	const GeData* d = GetDataPointer(id);
	if (d == nullptr || (d->GetType() != DA_LONG && d->GetType() != DA_LLONG && d->GetType() != DA_REAL))
		return preset;
	return d->GetInt64();
}

Float BaseContainer::GetFloat(Int32 id, Float preset) const
{
	const GeData* d = GetDataPointer(id);
	if (d == nullptr || (d->GetType() != DA_LONG && d->GetType() != DA_LLONG && d->GetType() != DA_REAL))
		return preset;
	return d->GetFloat();
}

Vector BaseContainer::GetVector(Int32 id, const Vector& preset) const
{
	const GeData* d = GetDataPointer(id);
	return (d && d->GetType() == DA_VECTOR) ? d->GetVector() : preset;
}

Matrix BaseContainer::GetMatrix(Int32 id, const Matrix& preset) const
{
	const GeData* d = GetDataPointer(id);
	return (d && d->GetType() == DA_MATRIX) ? d->GetMatrix() : preset;
}

String BaseContainer::GetString(Int32 id, const maxon::String& preset) const
{
	const GeData* d = GetDataPointer(id);
	return (d && d->GetType() == DA_STRING) ? d->GetString() : String(preset);
}

Filename BaseContainer::GetFilename(Int32 id, const Filename& preset) const
{
	const GeData* d = GetDataPointer(id);
	return (d && (d->GetType() == DA_FILENAME || d->GetType() == DA_STRING)) ? d->GetFilename() : preset;
}

BaseTime BaseContainer::GetTime(Int32 id, const BaseTime& preset) const
{
	const GeData* d = GetDataPointer(id);
	return (d && d->GetType() == DA_TIME) ? d->GetTime() : preset;
}

BaseContainer BaseContainer::GetContainer(Int32 id) const
{
	const BaseContainer* c = GetContainerInstance(id);
	return c ? *c : BaseContainer();
}

const BaseContainer* BaseContainer::GetContainerInstance(Int32 id) const
{
	const GeData* d = GetDataPointer(id);
	return d ? d->GetContainer() : nullptr;
}

BaseContainer* BaseContainer::GetContainerInstanceWritable(Int32 id)
{
	GeData* d = GetDataPointerWritable(id);
	return d ? d->GetContainerWritable() : nullptr;
}

const CustomDataType* BaseContainer::GetCustomDataTypeI(Int32 id, Int32 datatype) const
{
	const GeData* d = GetDataPointer(id);
	return d ? d->GetCustomDataTypeI(datatype) : nullptr;
}

Bool BaseContainer::SetData(Int32 id, const GeData& n)
{
	return SetData(id, GeData(n));
}

Bool BaseContainer::SetData(Int32 id, GeData&& n)
{
	if (GeData* d = GetDataPointerWritable(id))
		*d = std::move(n);
	else
		_entries.emplace_back(id, std::move(n));
	return true;
}

Bool BaseContainer::RemoveData(Int32 id)
{
	const Int32 index = FindIndex(id);
	return index >= 0 && RemoveIndex(index);
}

Bool BaseContainer::RemoveIndex(Int32 index)
{
	if (index < 0 || index >= GetEntryCount())
		return false;
	_entries.erase(_entries.begin() + index);
	return true;
}

Int32 BaseContainer::FindIndex(Int32 id) const
{
	for (std::size_t i = 0; i < _entries.size(); ++i)
	{
		if (_entries[i].first == id)
			return static_cast<Int32>(i);
	}
	return NOTOK;
}

Int32 BaseContainer::GetIndexId(Int32 index) const
{
	return (index >= 0 && index < GetEntryCount()) ? _entries[static_cast<std::size_t>(index)].first : NOTOK;
}

const GeData* BaseContainer::GetIndexData(Int32 index) const
{
	return (index >= 0 && index < GetEntryCount()) ? &_entries[static_cast<std::size_t>(index)].second : nullptr;
}

Bool BaseContainer::CopyTo(BaseContainer* dst, COPYFLAGS, AliasTrans*) const
{
	if (dst == nullptr)
		return false;
	if (dst != this)
		*dst = *this;
	return true;
}

BaseContainer* BaseContainer::GetClone(COPYFLAGS, AliasTrans*) const
{
	return new (std::nothrow) BaseContainer(*this);
}

void BaseContainer::MergeContainer(const BaseContainer& src)
{
	for (const auto& entry : src._entries)
		SetData(entry.first, entry.second);
}

Bool BaseContainer::operator==(const BaseContainer& d) const
{
	if (_id != d._id || _entries.size() != d._entries.size())
		return false;
	for (const auto& entry : _entries)
	{
		const GeData* other = d.GetDataPointer(entry.first);
		if (other == nullptr || *other != entry.second)
			return false;
	}
	return true;
}
} // namespace cinema
