// Basic types and vector maths of the SDK: the maxon value types and their cinema aliases.
//
// Stand-in note: the real SDK defines these in core.framework (maxon/vector.h, maxon/matrix.h, maxon/col.h)
// with many more members; this header keeps the members and operators that plug-ins commonly use, with the
// same names and layouts (Vec3 is x, y, z; Mat3 is off followed by sqmat v1, v2, v3; Col4 is r, g, b, a).
#ifndef GE_MATH_H__
#define GE_MATH_H__

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

/// An index or id that marks "none" (BaseContainer::GetIndexId past the end, for example).
#define NOTOK -1

namespace maxon
{
using Bool = bool;
using Char = char;
using UChar = unsigned char;
using Int16 = std::int16_t;
using UInt16 = std::uint16_t;
using Int32 = std::int32_t;
using UInt32 = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using Int = std::int64_t;
using UInt = std::uint64_t;
using Float32 = float;
using Float64 = double;
using Float = double;
using Utf16Char = char16_t;
using Utf32Char = char32_t;

/// The range of an arithmetic type: LIMIT<Int32>::MIN and LIMIT<Int32>::MAX; for floating-point types MIN is the
/// most negative finite value, as in the SDK.
template <typename T> struct LIMIT
{
	static constexpr T MIN = std::numeric_limits<T>::lowest();
	static constexpr T MAX = std::numeric_limits<T>::max();
};

/// Three-component vector. STRIDE is kept for signature compatibility; it is always 1 here.
template <typename T, Int STRIDE = 1> struct Vec3
{
	T x = T(0);
	T y = T(0);
	T z = T(0);

	constexpr Vec3() = default;
	constexpr explicit Vec3(T v) : x(v), y(v), z(v) {}
	/// Explicit as in the SDK: `Vector v = {x, y, z};` and `return {x, y, z};` do not compile there.
	constexpr explicit Vec3(T ix, T iy, T iz) : x(ix), y(iy), z(iz) {}
	template <typename U, Int S2> constexpr explicit Vec3(const Vec3<U, S2>& v) : x(T(v.x)), y(T(v.y)), z(T(v.z)) {}

	constexpr T& operator[](Int i) { return i == 0 ? x : (i == 1 ? y : z); }
	constexpr const T& operator[](Int i) const { return i == 0 ? x : (i == 1 ? y : z); }

	constexpr Vec3 operator+(const Vec3& v) const { return Vec3(x + v.x, y + v.y, z + v.z); }
	constexpr Vec3 operator-(const Vec3& v) const { return Vec3(x - v.x, y - v.y, z - v.z); }
	constexpr Vec3 operator-() const { return Vec3(-x, -y, -z); }
	constexpr Vec3 operator*(T s) const { return Vec3(x * s, y * s, z * s); }
	constexpr Vec3 operator/(T s) const { return Vec3(x / s, y / s, z / s); }
	/// Component-wise product, as in the SDK.
	constexpr Vec3 operator*(const Vec3& v) const { return Vec3(x * v.x, y * v.y, z * v.z); }
	constexpr Vec3& operator+=(const Vec3& v)
	{
		x += v.x;
		y += v.y;
		z += v.z;
		return *this;
	}
	constexpr Vec3& operator-=(const Vec3& v)
	{
		x -= v.x;
		y -= v.y;
		z -= v.z;
		return *this;
	}
	constexpr Vec3& operator*=(T s)
	{
		x *= s;
		y *= s;
		z *= s;
		return *this;
	}
	constexpr bool operator==(const Vec3& v) const { return x == v.x && y == v.y && z == v.z; }
	constexpr bool operator!=(const Vec3& v) const { return !(*this == v); }

	/// Dot and cross products are hidden friends, as in the SDK: found by argument-dependent lookup of an
	/// unqualified call only (`Dot(a, b)`, never `maxon::Dot(a, b)`).
	friend constexpr T Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
	friend constexpr Vec3 Cross(const Vec3& a, const Vec3& b)
	{
		return Vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
	}

	T GetLength() const { return std::sqrt(x * x + y * y + z * z); }
	T GetSquaredLength() const { return x * x + y * y + z * z; }
	Vec3 GetNormalized() const
	{
		const T len = GetLength();
		return len > T(0) ? *this / len : Vec3();
	}
	void Normalize() { *this = GetNormalized(); }
	bool IsZero() const { return x == T(0) && y == T(0) && z == T(0); }
	T GetMax() const { return x > y ? (x > z ? x : z) : (y > z ? y : z); }
	T GetMin() const { return x < y ? (x < z ? x : z) : (y < z ? y : z); }
};

template <typename T, Int S> constexpr Vec3<T, S> operator*(T s, const Vec3<T, S>& v)
{
	return v * s;
}

/// Two-component vector.
template <typename T> struct Vec2
{
	T x = T(0);
	T y = T(0);
	constexpr Vec2() = default;
	constexpr explicit Vec2(T ix, T iy) : x(ix), y(iy) {}
	constexpr bool operator==(const Vec2& v) const { return x == v.x && y == v.y; }
};

/// Four-component vector.
template <typename T> struct Vec4
{
	T x = T(0);
	T y = T(0);
	T z = T(0);
	T w = T(0);
	constexpr Vec4() = default;
	constexpr explicit Vec4(T ix, T iy, T iz, T iw) : x(ix), y(iy), z(iz), w(iw) {}
	constexpr bool operator==(const Vec4& v) const { return x == v.x && y == v.y && z == v.z && w == v.w; }
};

/// RGB colour.
template <typename T> struct Col3
{
	T r = T(0);
	T g = T(0);
	T b = T(0);
	constexpr Col3() = default;
	constexpr explicit Col3(T v) : r(v), g(v), b(v) {}
	constexpr explicit Col3(T ir, T ig, T ib) : r(ir), g(ig), b(ib) {}
	template <typename U, Int S> constexpr explicit Col3(const Vec3<U, S>& v) : r(T(v.x)), g(T(v.y)), b(T(v.z)) {}
	constexpr Col3 operator+(const Col3& c) const { return Col3(r + c.r, g + c.g, b + c.b); }
	constexpr Col3 operator-(const Col3& c) const { return Col3(r - c.r, g - c.g, b - c.b); }
	constexpr Col3 operator*(T s) const { return Col3(r * s, g * s, b * s); }
	constexpr bool operator==(const Col3& c) const { return r == c.r && g == c.g && b == c.b; }
	constexpr bool operator!=(const Col3& c) const { return !(*this == c); }
};

/// RGBA colour.
template <typename T> struct Col4
{
	T r = T(0);
	T g = T(0);
	T b = T(0);
	T a = T(1);
	constexpr Col4() = default;
	constexpr explicit Col4(T ir, T ig, T ib, T ia) : r(ir), g(ig), b(ib), a(ia) {}
	constexpr bool operator==(const Col4& c) const { return r == c.r && g == c.g && b == c.b && a == c.a; }
};

/// 3x3 matrix of column vectors.
template <typename V> struct SqrMat3
{
	V v1 = V(1, 0, 0);
	V v2 = V(0, 1, 0);
	V v3 = V(0, 0, 1);
	constexpr SqrMat3() = default;
	constexpr SqrMat3(const V& a, const V& b, const V& c) : v1(a), v2(b), v3(c) {}
	constexpr V operator*(const V& v) const { return v1 * v.x + v2 * v.y + v3 * v.z; }
	constexpr bool operator==(const SqrMat3& m) const { return v1 == m.v1 && v2 == m.v2 && v3 == m.v3; }
};

/// Affine transform: offset plus the axes v1 (x), v2 (y), v3 (z). Transforms points as off + v1*x + v2*y + v3*z.
template <typename V> struct Mat3
{
	V off;
	SqrMat3<V> sqmat;

	constexpr Mat3() = default;
	constexpr Mat3(const V& o, const V& a, const V& b, const V& c) : off(o), sqmat(a, b, c) {}

	constexpr V operator*(const V& v) const { return off + sqmat * v; }
	/// Concatenation: (a * b) * v == a * (b * v).
	constexpr Mat3 operator*(const Mat3& m) const
	{
		return Mat3(*this * m.off, sqmat * m.sqmat.v1, sqmat * m.sqmat.v2, sqmat * m.sqmat.v3);
	}
	constexpr bool operator==(const Mat3& m) const { return off == m.off && sqmat == m.sqmat; }
	constexpr bool operator!=(const Mat3& m) const { return !(*this == m); }
	/// Transforms a direction (no offset).
	constexpr V TransformVector(const V& v) const { return sqmat * v; }
};

using Vector = Vec3<Float64, 1>;
using Vector32 = Vec3<Float32, 1>;
using Vector64 = Vec3<Float64, 1>;
using Vector2d = Vec2<Float64>;
using Vector4d = Vec4<Float64>;
using Matrix = Mat3<Vector64>;
using Matrix64 = Mat3<Vector64>;
using Color = Col3<Float64>;
using Color32 = Col3<Float32>;
using Color64 = Col3<Float64>;
using ColorA = Col4<Float64>;
using ColorA32 = Col4<Float32>;

constexpr Float64 PI = 3.14159265358979323846;
constexpr Float64 PI2 = 2.0 * PI;
constexpr Float64 PI05 = 0.5 * PI;

inline Float64 DegToRad(Float64 d)
{
	return d * (PI / 180.0);
}
inline Float64 RadToDeg(Float64 r)
{
	return r * (180.0 / PI);
}

template <typename T> constexpr T Min(T a, T b)
{
	return a < b ? a : b;
}
template <typename T> constexpr T Max(T a, T b)
{
	return a < b ? b : a;
}
template <typename T> constexpr T ClampValue(T v, T lo, T hi)
{
	return v < lo ? lo : (hi < v ? hi : v);
}
inline Float64 Abs(Float64 v)
{
	return std::fabs(v);
}
inline Int32 Abs(Int32 v)
{
	return v < 0 ? -v : v;
}
} // namespace maxon

namespace cinema
{
using maxon::Bool;
using maxon::Char;
using maxon::Float;
using maxon::Float32;
using maxon::Float64;
using maxon::Int;
using maxon::Int16;
using maxon::Int32;
using maxon::Int64;
using maxon::UChar;
using maxon::UInt;
using maxon::UInt16;
using maxon::UInt32;
using maxon::UInt64;
using maxon::Utf16Char;
using maxon::Utf32Char;

using maxon::Matrix;
using maxon::Matrix64;
using maxon::Vector;
using maxon::Vector2d;
using maxon::Vector32;
using maxon::Vector4d;
using maxon::Vector64;

constexpr Float64 PI = maxon::PI;
constexpr Float64 PI05 = maxon::PI05;
constexpr Float64 PI2 = maxon::PI2;

using maxon::DegToRad;
using maxon::RadToDeg;
} // namespace cinema

#endif // GE_MATH_H__
