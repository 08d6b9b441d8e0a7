// Memory through the host: NewObjClear/DeleteObj, NewMemClear/DeleteMem, maxon::BaseArray and DebugStop.
#ifndef C4D_MEMORY_H__
#define C4D_MEMORY_H__

#include "maxon_result.h"
#include "operatingsystem.h"

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace cinema
{
namespace details
{
template <typename T, typename... ARGS>
T* NewObjClearImpl(ARGS&&... args)
{
	void* mem = hostbridge::AllocMem(static_cast<Int>(sizeof(T)), true);
	if (mem == nullptr)
		return nullptr;
	return new (mem) T(std::forward<ARGS>(args)...);
}

template <typename T>
maxon::ResultPtr<T> NewMemClearImpl(Int count)
{
	if (count < 0 || static_cast<UInt>(count) > static_cast<UInt>(INT64_MAX) / sizeof(T))
		return maxon::FAILED;
	void* mem = hostbridge::AllocMem(count * static_cast<Int>(sizeof(T)), true);
	if (mem == nullptr)
		return maxon::FAILED;
	return maxon::ResultPtr<T>(static_cast<T*>(mem));
}

template <typename T>
void DeleteObjImpl(T* p)
{
	if (p == nullptr)
		return;
	p->~T();
	hostbridge::FreeMem(const_cast<std::remove_const_t<T>*>(p));
}
} // namespace details
} // namespace cinema

/// A new zero-filled instance of T constructed with the arguments, or null when memory is out.
#define NewObjClear(T, ...) ::cinema::details::NewObjClearImpl<T>(__VA_ARGS__)
/// Destroys an object made with NewObjClear and sets the pointer to null.
#define DeleteObj(obj)                                                                                                \
	do                                                                                                                \
	{                                                                                                                 \
		::cinema::details::DeleteObjImpl(obj);                                                                        \
		obj = nullptr;                                                                                                \
	} while (false)
/// Zero-filled memory for cnt elements of T, as a maxon::ResultPtr<T> that fails when memory is out (or cnt is
/// negative or too large). Free it with DeleteMem.
#define NewMemClear(T, cnt) ::cinema::details::NewMemClearImpl<T>(cnt)
#define DeleteMem(p)                                                                                                  \
	do                                                                                                                \
	{                                                                                                                 \
		::cinema::hostbridge::FreeMem(p);                                                                             \
		p = nullptr;                                                                                                  \
	} while (false)
/// Reports an unexpected state to the host's debug output; execution goes on.
#define DebugStop(...) ::cinema::hostbridge::ReportDebugStop(__FILE__, __LINE__, "" __VA_ARGS__)

namespace maxon
{
/// Growable array whose growth reports failure instead of throwing; memory comes from the host.
template <typename T>
class BaseArray
{
public:
	BaseArray() = default;
	BaseArray(const BaseArray&) = delete;
	BaseArray& operator=(const BaseArray&) = delete;
	BaseArray(BaseArray&& src) noexcept : _data(src._data), _count(src._count), _capacity(src._capacity)
	{
		src._data = nullptr;
		src._count = src._capacity = 0;
	}
	~BaseArray() { Reset(); }

	Int GetCount() const { return _count; }
	Int GetCapacityCount() const { return _capacity; }
	Bool IsEmpty() const { return _count == 0; }
	T& operator[](Int i) { return _data[i]; }
	const T& operator[](Int i) const { return _data[i]; }
	T* GetFirst() { return _count > 0 ? _data : nullptr; }
	const T* GetFirst() const { return _count > 0 ? _data : nullptr; }
	T* begin() { return _data; }
	T* end() { return _data + _count; }
	const T* begin() const { return _data; }
	const T* end() const { return _data + _count; }

	/// Makes room for at least count elements without changing the count.
	Result<void> EnsureCapacity(Int count)
	{
		if (count <= _capacity)
			return OK;
		if (count < 0 || static_cast<UInt>(count) > static_cast<UInt>(INT64_MAX) / sizeof(T))
			return FAILED;
		T* fresh = static_cast<T*>(::cinema::hostbridge::AllocMem(count * static_cast<Int>(sizeof(T)), false));
		if (fresh == nullptr)
			return FAILED;
		for (Int i = 0; i < _count; ++i)
		{
			new (fresh + i) T(std::move(_data[i]));
			_data[i].~T();
		}
		::cinema::hostbridge::FreeMem(_data);
		_data = fresh;
		_capacity = count;
		return OK;
	}
	/// Appends a copy of value; refers to the new element, or fails (the array is unchanged).
	ResultRef<T> Append(const T& value)
	{
		if (_count == _capacity)
		{
			const Int grown = _capacity < 8 ? 8 : _capacity + _capacity / 2;
			if (EnsureCapacity(grown) == FAILED)
				return FAILED;
		}
		T* slot = new (_data + _count) T(value);
		++_count;
		return ResultRef<T>(*slot);
	}
	/// Sets the count; new elements are value-initialised. Fails (unchanged) when memory is out.
	Result<void> Resize(Int count)
	{
		if (count < 0)
			return FAILED;
		if (count > _capacity && EnsureCapacity(count) == FAILED)
			return FAILED;
		for (Int i = _count; i < count; ++i)
			new (_data + i) T();
		for (Int i = count; i < _count; ++i)
			_data[i].~T();
		_count = count;
		return OK;
	}
	/// Count 0; the memory stays for reuse.
	void Flush()
	{
		for (Int i = 0; i < _count; ++i)
			_data[i].~T();
		_count = 0;
	}
	/// Count 0 and the memory freed.
	void Reset()
	{
		Flush();
		::cinema::hostbridge::FreeMem(_data);
		_data = nullptr;
		_capacity = 0;
	}
	/// Replaces the content with a copy of src. Fails (this array emptied) when memory is out.
	Result<void> CopyFrom(const BaseArray& src)
	{
		Flush();
		if (EnsureCapacity(src._count) == FAILED)
			return FAILED;
		for (Int i = 0; i < src._count; ++i)
			new (_data + i) T(src._data[i]);
		_count = src._count;
		return OK;
	}

private:
	T* _data = nullptr;
	Int _count = 0;
	Int _capacity = 0;
};
} // namespace maxon

#endif // C4D_MEMORY_H__
