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
template <typename T, typename... ARGS> T* NewObjClearImpl(ARGS&&... args)
{
	void* mem = hostbridge::AllocMem(static_cast<Int>(sizeof(T)), true);
	if (mem == nullptr)
		return nullptr;
	return new (mem) T(std::forward<ARGS>(args)...);
}

template <typename T> maxon::ResultPtr<T> NewMemClearImpl(Int count)
{
	if (count < 0 || static_cast<UInt>(count) > static_cast<UInt>(INT64_MAX) / sizeof(T))
		return maxon::FAILED;
	void* mem = hostbridge::AllocMem(count * static_cast<Int>(sizeof(T)), true);
	if (mem == nullptr)
		return maxon::FAILED;
	return maxon::ResultPtr<T>(static_cast<T*>(mem));
}

template <typename T> void DeleteObjImpl(T* p)
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
#define DeleteObj(obj)                                                                                                 \
	do                                                                                                                 \
	{                                                                                                                  \
		::cinema::details::DeleteObjImpl(obj);                                                                         \
		obj = nullptr;                                                                                                 \
	} while (false)
/// Zero-filled memory for cnt elements of T, as a maxon::ResultPtr<T> that fails when memory is out (or cnt is
/// negative or too large). Free it with DeleteMem.
#define NewMemClear(T, cnt) ::cinema::details::NewMemClearImpl<T>(cnt)
#define DeleteMem(p)                                                                                                   \
	do                                                                                                                 \
	{                                                                                                                  \
		::cinema::hostbridge::FreeMem(p);                                                                              \
		p = nullptr;                                                                                                   \
	} while (false)
/// Reports an unexpected state to the host's debug output; execution goes on.
#define DebugStop(...) ::cinema::hostbridge::ReportDebugStop(__FILE__, __LINE__, "" __VA_ARGS__)

namespace maxon
{
/// How a collection's memory follows its count when it grows or shrinks. The values NONE, DEFAULT, FIT_TO_SIZE,
/// ON_GROW_UNSPECIFIED and POD_UNINITIALIZED are the SDK's; the stand-in's arrays accept every flag and always grow
/// as with DEFAULT.
enum class COLLECTION_RESIZE_FLAGS
{
	NONE = 0,
	ON_SHRINK_KEEP_CAPACITY = 0,
	ON_SHRINK_FIT_TO_SIZE = 1,
	ON_GROW_RESERVE_CAPACITY = 0,
	ON_GROW_FIT_TO_SIZE = 2,
	ON_GROW_UNINITIALIZED = 4,
	ON_GROW_UNSPECIFIED = 8,
	ON_RESIZE_UNSPECIFIED = 16,
	FIT_TO_SIZE = 3,
	DEFAULT = 2,
	POD_UNINITIALIZED = 6,
};

/// Growable array whose growth reports failure instead of throwing; memory comes from the host.
template <typename T> class BaseArray
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

	/// Makes room for at least requestedCapacity elements without changing the count.
	ResultMem EnsureCapacity(Int requestedCapacity,
	                         COLLECTION_RESIZE_FLAGS resizeFlags = COLLECTION_RESIZE_FLAGS::ON_GROW_RESERVE_CAPACITY)
	{
		(void)resizeFlags;
		if (requestedCapacity <= _capacity)
			return OK;
		if (static_cast<UInt>(requestedCapacity) > static_cast<UInt>(INT64_MAX) / sizeof(T))
			return FAILED;
		T* fresh =
		    static_cast<T*>(::cinema::hostbridge::AllocMem(requestedCapacity * static_cast<Int>(sizeof(T)), false));
		if (fresh == nullptr)
			return FAILED;
		for (Int i = 0; i < _count; ++i)
		{
			new (fresh + i) T(std::move(_data[i]));
			_data[i].~T();
		}
		::cinema::hostbridge::FreeMem(_data);
		_data = fresh;
		_capacity = requestedCapacity;
		return OK;
	}
	/// Appends a new element made from x (a copy, or a move of an rvalue); refers to it, or fails (the array is
	/// unchanged).
	template <typename ARG> ResultRef<T> Append(ARG&& x)
	{
		if (_count == _capacity)
		{
			const Int grown = _capacity < 8 ? 8 : _capacity + _capacity / 2;
			if (EnsureCapacity(grown) == FAILED)
				return FAILED;
		}
		T* slot = new (_data + _count) T(std::forward<ARG>(x));
		++_count;
		return ResultRef<T>(*slot);
	}
	/// Sets the count; new elements are value-initialised. Fails (unchanged) when memory is out.
	ResultMem Resize(Int newCnt, COLLECTION_RESIZE_FLAGS resizeFlags = COLLECTION_RESIZE_FLAGS::DEFAULT)
	{
		(void)resizeFlags;
		if (newCnt < 0)
			return FAILED;
		if (newCnt > _capacity && EnsureCapacity(newCnt) == FAILED)
			return FAILED;
		for (Int i = _count; i < newCnt; ++i)
			new (_data + i) T();
		for (Int i = newCnt; i < _count; ++i)
			_data[i].~T();
		_count = newCnt;
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
	/// Replaces the content with a copy of the elements of other (an array of T). Fails (this array emptied) when
	/// memory is out.
	template <typename COLLECTION2>
	Result<void> CopyFrom(COLLECTION2&& other,
	                      COLLECTION_RESIZE_FLAGS resizeFlags = COLLECTION_RESIZE_FLAGS::FIT_TO_SIZE)
	{
		(void)resizeFlags;
		if (static_cast<const void*>(&other) == static_cast<const void*>(this))
			return OK;
		Flush();
		const Int count = other.GetCount();
		if (EnsureCapacity(count) == FAILED)
			return FAILED;
		for (Int i = 0; i < count; ++i)
			new (_data + i) T(other[i]);
		_count = count;
		return OK;
	}

private:
	T* _data = nullptr;
	Int _count = 0;
	Int _capacity = 0;
};
} // namespace maxon

#endif // C4D_MEMORY_H__
