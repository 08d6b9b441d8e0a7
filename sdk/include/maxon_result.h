// Error results of the core API: Result, ResultRef and the iferr macro.
//
// Stand-in note: the real error system carries rich error objects and an `iferr (decl)` form that declares a
// variable; this stand-in keeps the expression form `iferr (expression)`, `== maxon::FAILED` / `== maxon::OK`
// comparisons and GetValue().
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

/// Result without a value.
template <typename T>
class Result
{
public:
	Result(ERROR_OK) : _ok(true) {}
	Result(ERROR_FAILED) : _ok(false) {}
	Result(const T& value) : _ok(true), _value(value) {}
	Result(T&& value) : _ok(true), _value(std::move(value)) {}

	Bool operator==(ERROR_OK) const { return _ok; }
	Bool operator!=(ERROR_OK) const { return !_ok; }
	Bool operator==(ERROR_FAILED) const { return !_ok; }
	Bool operator!=(ERROR_FAILED) const { return _ok; }
	/// The value; a default value when the result failed.
	const T& GetValue() const& { return _value; }
	T& GetValue() & { return _value; }
	T GetValue() && { return std::move(_value); }

private:
	Bool _ok;
	T _value{};
};

template <>
class Result<void>
{
public:
	Result(ERROR_OK) : _ok(true) {}
	Result(ERROR_FAILED) : _ok(false) {}
	Bool operator==(ERROR_OK) const { return _ok; }
	Bool operator!=(ERROR_OK) const { return !_ok; }
	Bool operator==(ERROR_FAILED) const { return !_ok; }
	Bool operator!=(ERROR_FAILED) const { return _ok; }

private:
	Bool _ok;
};

/// Result that refers to an element (for example the one an array appended).
template <typename T>
class ResultRef
{
public:
	ResultRef(ERROR_FAILED) : _ptr(nullptr) {}
	explicit ResultRef(T& value) : _ptr(&value) {}
	Bool operator==(ERROR_OK) const { return _ptr != nullptr; }
	Bool operator==(ERROR_FAILED) const { return _ptr == nullptr; }
	Bool operator!=(ERROR_FAILED) const { return _ptr != nullptr; }
	T& GetValue() const { return *_ptr; }

private:
	T* _ptr;
};

namespace details
{
template <typename T>
inline Bool IsFailure(const Result<T>& r)
{
	return r == FAILED;
}
template <typename T>
inline Bool IsFailure(const ResultRef<T>& r)
{
	return r == FAILED;
}
} // namespace details
} // namespace maxon

/// Runs the following statement when the expression's result is an error.
#define iferr(...) if (::maxon::details::IsFailure(__VA_ARGS__))

#endif // MAXON_RESULT_H__
