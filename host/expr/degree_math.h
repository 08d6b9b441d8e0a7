// Trigonometry in degrees, exact where the result is a simple number.
#pragma once

namespace surfax::expr
{

// Sine, cosine and tangent of an angle in degrees. The angle is reduced modulo 360 exactly (fmod) and then to
// an offset of at most 45 degrees from a multiple of 90, so multiples of 90 give exact 0, 1 and -1 (zeros are
// +0 unless the argument is a zero), sin(+-30) and cos(+-60) give exactly +-0.5, and results stay accurate to a
// couple of ulps near the zeros. CosDegrees(-x) == CosDegrees(x) bit for bit, and SinDegrees(-x) == -SinDegrees(x)
// exactly (as values: zeros of non-zero arguments are always +0).
// TanDegrees is exact at multiples of 45 and returns +inf at 90 + 180 k, -inf at -90 - 180 k.
// Infinite or NaN arguments give NaN.
double SinDegrees(double degrees);
double CosDegrees(double degrees);
double TanDegrees(double degrees);

// Inverse functions returning degrees: AsinDegrees(1) is exactly 90, AcosDegrees(-1) 180, AtanDegrees(1) 45.
double AsinDegrees(double value);
double AcosDegrees(double value);
double AtanDegrees(double value);
double Atan2Degrees(double y, double x);

} // namespace surfax::expr
