// Error results of the core API: Result, ResultRef and the iferr macro.
//
// Stand-in note: the real error system carries rich error objects and an `iferr (decl)` form that declares a
// variable; this stand-in keeps the expression form `iferr (expression)`, `iferr_scope` with `iferr_return` in
// functions that return a Result, `== maxon::FAILED` / `== maxon::OK` comparisons (no `!=`, as in the SDK), GetValue()
// and GetPointer().
#ifndef MAXON_RESULT_H__
#define MAXON_RESULT_H__

#include "ge_math.h"

#include <utility>

namespace maxon
{
enum ERROR_OK
{
	OK
};
enum ERROR_FAILED
{
	FAILED
};

// Every result class is must-use, as the SDK declares them (MAXON_WARN_UNUSED_CLASS): a call whose result is
// dropped warns, and fails under -Werror. Results compare with == only: the SDK defines no operator!= on Result,
// ResultRef or ResultMemT, so `r != maxon::FAILED` compiles only where C++20 rewrites it from ==, and the SDK builds
// plug-ins as C++17. Write `r == maxon::OK`.

/// Result with a value of type T (Result<void>: none).
template <typename T> class [[nodiscard]] Result
{
public:
	Result(ERROR_OK) : _ok(true) {}
	Result(ERROR_FAILED) : _ok(false) {}
	Result(const T& value) : _ok(true), _value(value) {}
	Result(T&& value) : _ok(true), _value(std::move(value)) {}

	Bool operator==(ERROR_OK) const { return _ok; }
	Bool operator==(ERROR_FAILED) const { return !_ok; }
	/// The value; a default value when the result failed.
	const T& GetValue() const& { return _value; }
	T& GetValue() & { return _value; }
	T GetValue() && { return std::move(_value); }

private:
	Bool _ok;
	T _value{};
};

template <typename T> class ResultMemT;

template <> class [[nodiscard]] Result<void>
{
public:
	Result(ERROR_OK) : _ok(true) {}
	Result(ERROR_FAILED) : _ok(false) {}
	/// An out-of-memory result of a collection converts to a plain one, as in the SDK.
	template <typename T> Result(const ResultMemT<T>& r) : _ok(r == OK) {}
	Bool operator==(ERROR_OK) const { return _ok; }
	Bool operator==(ERROR_FAILED) const { return !_ok; }

private:
	Bool _ok;
};

/// Result that refers to an element (for example the one an array appended).
template <typename T> class [[nodiscard]] ResultRef
{
public:
	ResultRef(ERROR_FAILED) : _ptr(nullptr) {}
	explicit ResultRef(T& value) : _ptr(&value) {}
	Bool operator==(ERROR_OK) const { return _ptr != nullptr; }
	Bool operator==(ERROR_FAILED) const { return _ptr == nullptr; }
	T& GetValue() const { return *_ptr; }

private:
	T* _ptr;
};

/// Result of an operation whose only error is running out of memory (growing a collection): a value of T, or the
/// failure. ResultMem, what BaseArray's EnsureCapacity and Resize give, is ResultMemT<Bool>.
template <typename T> class [[nodiscard]] ResultMemT
{
public:
	ResultMemT() : _value(), _ok(false) {}
	ResultMemT(ERROR_OK) : _value(T(true)), _ok(true) {}
	ResultMemT(ERROR_FAILED) : _value(), _ok(false) {}
	ResultMemT(const T& value) : _value(value), _ok(true) {}
	Bool operator==(ERROR_OK) const { return _ok; }
	Bool operator==(ERROR_FAILED) const { return !_ok; }
	const T& GetValue() const& { return _value; }

private:
	T _value;
	Bool _ok;
};

using ResultMem = ResultMemT<Bool>;

/// Result that holds a pointer to new memory (what NewMemClear gives): the pointer, or an error. There is no
/// conversion to T*; GetPointer() reads it after the result was checked.
template <typename T> class [[nodiscard]] ResultPtr
{
public:
	ResultPtr(ERROR_FAILED) : _ptr(nullptr) {}
	explicit ResultPtr(T* ptr) : _ptr(ptr) {}
	Bool operator==(ERROR_OK) const { return _ptr != nullptr; }
	Bool operator==(ERROR_FAILED) const { return _ptr == nullptr; }
	/// The pointer; null when the result failed.
	T* GetPointer() const { return _ptr; }

private:
	T* _ptr;
};

namespace details
{
template <typename T> inline Bool IsFailure(const Result<T>& r)
{
	return r == FAILED;
}
template <typename T> inline Bool IsFailure(const ResultRef<T>& r)
{
	return r == FAILED;
}
template <typename T> inline Bool IsFailure(const ResultPtr<T>& r)
{
	return r == FAILED;
}
template <typename T> inline Bool IsFailure(const ResultMemT<T>& r)
{
	return r == FAILED;
}

/// What iferr_scope declares: whether a result passed to iferr_return in the scope failed.
struct ErrorScope
{
	Bool failed = false;
};
template <typename T> inline T operator%(Result<T>&& r, ErrorScope& scope)
{
	scope.failed = r == FAILED;
	return std::move(r).GetValue();
}
inline void operator%(Result<void>&& r, ErrorScope& scope)
{
	scope.failed = r == FAILED;
}
template <typename T> inline void operator%(ResultMemT<T>&& r, ErrorScope& scope)
{
	scope.failed = r == FAILED;
}
template <typename T> inline T* operator%(ResultPtr<T>&& r, ErrorScope& scope)
{
	scope.failed = r == FAILED;
	return r.GetPointer();
}
} // namespace details
} // namespace maxon

/// Runs the following statement when the expression's result is an error.
#define iferr(...) if (::maxon::details::IsFailure(__VA_ARGS__))
/// Opens error handling for iferr_return in a function that returns a maxon::Result.
#define iferr_scope ::maxon::details::ErrorScope maxon_iferr_scope_
/// After an expression that gives a result: its value, or a return of the error from the function (which has an
/// iferr_scope). Written as `text.Insert(pos, piece) iferr_return;` or `T* p = NewMemClear(T, n) iferr_return;`.
#define iferr_return                                                                                                   \
	% maxon_iferr_scope_;                                                                                              \
	if (maxon_iferr_scope_.failed)                                                                                     \
	return ::maxon::FAILED

#endif // MAXON_RESULT_H__
