// GeData: one typed value of a container or parameter.
#ifndef C4D_GEDATA_H__
#define C4D_GEDATA_H__

#include "c4d_basetime.h"
#include "c4d_customdatatype.h"
#include "c4d_file.h"

namespace cinema
{
class BaseContainer;
class BaseList2D;

enum
{
	DA_NIL = 0,
	DA_VOID = 14,
	DA_LONG = 15,
	DA_REAL = 19,
	DA_TIME = 22,
	DA_VECTOR = 23,
	DA_MATRIX = 25,
	DA_LLONG = 26,
	DA_BYTEARRAY = 128,
	DA_STRING = 130,
	DA_FILENAME = 131,
	DA_CONTAINER = 132,
	DA_ALIASLINK = 133,
	DA_MARKER = 256,
	DA_MISSINGPLUG = 257,
	DA_UUID = 258,
	DA_TRISTATE = 259,
	DA_DATA = 260,
	DA_CUSTOMDATATYPE = 1000000,
};

enum DEFAULTVALUETYPE
{
	DEFAULTVALUE
};
enum VOIDVALUETYPE
{
	VOIDVALUE
};
enum LLONGVALUETYPE
{
	LLONGVALUE
};

/// A value of one of the DA_* types or of a registered custom data type (its type id is then the custom id).
/// Bools are stored as DA_LONG, as the application does. Getters of another type return the type's zero value,
/// except that numbers convert between Int32, Int64 and Float.
class GeData
{
public:
	GeData() = default;
	GeData(const GeData& n);
	GeData(GeData&& n) noexcept;
	GeData& operator=(const GeData& n);
	GeData& operator=(GeData&& n) noexcept;
	~GeData();

	GeData(double n) : _type(DA_REAL), _float(n) {}
	GeData(Int32 n) : _type(DA_LONG), _int(n) {}
	GeData(Float32 n) : _type(DA_REAL), _float(n) {}
	GeData(Bool n) : _type(DA_LONG), _int(n ? 1 : 0) {}
	GeData(void* v, VOIDVALUETYPE) : _type(DA_VOID), _void(v) {}
	GeData(Int64 v, LLONGVALUETYPE) : _type(DA_LLONG), _int(v) {}
	GeData(const Vector& n) : _type(DA_VECTOR), _vector(n) {}
	GeData(const Matrix& n);
	GeData(const Char* n) : _type(DA_STRING), _string(n) {}
	GeData(const maxon::String& n) : _type(DA_STRING), _string(n) {}
	GeData(const Filename& n) : _type(DA_FILENAME), _string(n.GetString()) {}
	GeData(const BaseTime& n) : _type(DA_TIME), _vector(n.GetNumerator(), n.GetDenominator(), 0.0) {}
	GeData(const BaseContainer& n);
	/// Copies a custom data value of the given registered type. Holds nothing when the type is unknown.
	GeData(const CustomDataType& data, Int32 type);
	template <typename DATATYPE, size_t = sizeof(DATATYPE::DATATYPEID)>
	explicit GeData(const DATATYPE& data) : GeData(static_cast<const CustomDataType&>(data), DATATYPE::DATATYPEID)
	{
	}
	/// The default value of a type (0, empty string, a new custom value, ...).
	GeData(Int32 type, DEFAULTVALUETYPE);
	GeData(DEFAULTVALUETYPE) = delete;

	Int32 GetType() const { return _type; }
	Bool GetBool() const { return GetInt64() != 0; }
	Int32 GetInt32() const;
	Int64 GetInt64() const;
	Float GetFloat() const;
	const Vector& GetVector() const;
	const Matrix& GetMatrix() const;
	const String& GetString() const;
	Filename GetFilename() const;
	BaseTime GetTime() const;
	void* GetVoid() const { return _type == DA_VOID ? _void : nullptr; }
	const BaseContainer* GetContainer() const;
	BaseContainer* GetContainerWritable();

	const CustomDataType* GetCustomDataTypeI(Int32 datatype) const;
	CustomDataType* GetCustomDataTypeWritableI(Int32 datatype);
	void SetCustomDataTypeI(Int32 datatype, const CustomDataType& v) { *this = GeData(v, datatype); }
	template <typename DATATYPE> const DATATYPE* GetCustomDataType() const
	{
		return static_cast<const DATATYPE*>(GetCustomDataTypeI(DATATYPE::DATATYPEID));
	}
	template <typename DATATYPE> DATATYPE* GetCustomDataTypeWritable()
	{
		return static_cast<DATATYPE*>(GetCustomDataTypeWritableI(DATATYPE::DATATYPEID));
	}
	template <typename DATATYPE> void SetCustomDataType(const DATATYPE& v)
	{
		SetCustomDataTypeI(DATATYPE::DATATYPEID, v);
	}

	void SetInt32(Int32 v) { *this = GeData(v); }
	void SetFloat(Float v) { *this = GeData(v); }
	void SetVector(const Vector& v) { *this = GeData(v); }
	void SetString(const maxon::String& v) { *this = GeData(v); }
	void Free() { *this = GeData(); }

	/// Same type and equal value (custom types compare through their registered class).
	Bool operator==(const GeData& d) const;
	Bool operator!=(const GeData& d) const { return !(*this == d); }

private:
	void Release();
	void CopyFrom(const GeData& n);

	Int32 _type = DA_NIL;
	Int64 _int = 0;
	Float _float = 0.0;
	void* _void = nullptr;
	Vector _vector;
	String _string;
	void* _owned = nullptr; // BaseContainer*, Matrix* or CustomDataType*, owned by this value
};
} // namespace cinema

#endif // C4D_GEDATA_H__
