#include "host/expr/degree_math.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace surfax::expr
{
namespace
{

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Splits a non-negative finite angle below `period` into a quadrant q (0..period/90) and an offset within
// [-45, 45] degrees. The offset is exact: both terms are multiples of ulp(angle) and their difference is small.
struct Reduced
{
	int quadrant;
	double offset;
};

// `angle` is in [0, period). Any quadrant within a hair of the nearest one keeps the offset exact and within
// about 45 degrees, so an approximate division and truncation are enough.
Reduced Reduce(double angle)
{
	const int quadrant = int(angle * (1.0 / 90.0) + 0.5);
	return {quadrant, angle - 90.0 * quadrant};
}

// fmod is exact but not free; most arguments are already within one period.
double Wrap(double magnitude, double period)
{
	return magnitude < period ? magnitude : std::fmod(magnitude, period);
}

double SinOfOffset(double offset)
{
	if (offset == 0.0)
		return 0.0;
	if (std::fabs(offset) == 30.0)
		return std::copysign(0.5, offset);
	return std::sin(offset * kRadiansPerDegree);
}

double CosOfOffset(double offset)
{
	return std::cos(offset * kRadiansPerDegree);
}

double TanOfOffset(double offset)
{
	if (offset == 0.0)
		return 0.0;
	if (std::fabs(offset) == 45.0)
		return std::copysign(1.0, offset);
	return std::tan(offset * kRadiansPerDegree);
}

// Zeros of multiples of 180 come out with either sign depending on the branch; report +0 except for a zero
// argument, whose sign sin and tan keep.
double TidyZero(double result, double degrees)
{
	return result == 0.0 ? (degrees == 0.0 ? degrees : 0.0) : result;
}

} // namespace

double SinDegrees(double degrees)
{
	if (!std::isfinite(degrees))
		return std::numeric_limits<double>::quiet_NaN();
	// Work on |x| so that sin(-x) == -sin(x) holds bit for bit.
	const Reduced r = Reduce(Wrap(std::fabs(degrees), 360.0));
	double result = 0.0;
	switch (r.quadrant & 3)
	{
	case 0:
		result = SinOfOffset(r.offset);
		break;
	case 1:
		result = CosOfOffset(r.offset);
		break;
	case 2:
		result = -SinOfOffset(r.offset);
		break;
	default:
		result = -CosOfOffset(r.offset);
		break;
	}
	return TidyZero(std::signbit(degrees) ? -result : result, degrees);
}

double CosDegrees(double degrees)
{
	if (!std::isfinite(degrees))
		return std::numeric_limits<double>::quiet_NaN();
	const Reduced r = Reduce(Wrap(std::fabs(degrees), 360.0));
	double result = 0.0;
	switch (r.quadrant & 3)
	{
	case 0:
		result = CosOfOffset(r.offset);
		break;
	case 1:
		result = -SinOfOffset(r.offset);
		break;
	case 2:
		result = -CosOfOffset(r.offset);
		break;
	default:
		result = SinOfOffset(r.offset);
		break;
	}
	return result == 0.0 ? 0.0 : result;
}

double TanDegrees(double degrees)
{
	if (!std::isfinite(degrees))
		return std::numeric_limits<double>::quiet_NaN();
	const Reduced r = Reduce(Wrap(std::fabs(degrees), 180.0));
	double result = 0.0;
	if ((r.quadrant & 1) == 0)
		result = TanOfOffset(r.offset);
	else
		result = r.offset == 0.0 ? std::numeric_limits<double>::infinity() : -1.0 / TanOfOffset(r.offset);
	return TidyZero(std::signbit(degrees) ? -result : result, degrees);
}

double AsinDegrees(double value)
{
	return std::asin(value) * kDegreesPerRadian;
}

double AcosDegrees(double value)
{
	return std::acos(value) * kDegreesPerRadian;
}

double AtanDegrees(double value)
{
	return std::atan(value) * kDegreesPerRadian;
}

double Atan2Degrees(double y, double x)
{
	return std::atan2(y, x) * kDegreesPerRadian;
}

} // namespace surfax::expr
