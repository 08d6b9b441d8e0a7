// Time as a fraction, as the application keeps it.
#ifndef C4D_BASETIME_H__
#define C4D_BASETIME_H__

#include "ge_math.h"

namespace cinema
{
/// A time in seconds stored as numerator / denominator.
class BaseTime
{
public:
	BaseTime() = default;
	explicit BaseTime(Float r) : _numerator(r), _denominator(1.0) {}
	explicit BaseTime(Float z, Float n) : _numerator(z), _denominator(n) {}

	/// Seconds; 0 when the denominator is 0.
	Float Get() const { return _denominator != 0.0 ? _numerator / _denominator : 0.0; }
	Float GetNumerator() const { return _numerator; }
	Float GetDenominator() const { return _denominator; }
	void SetNumerator(Float r) { _numerator = r; }
	void SetDenominator(Float r) { _denominator = r; }
	/// Frame index at fps: the integer part of floor(fps * numerator) / floor(denominator). Values outside the
	/// Int32 range and divisions by zero saturate instead of overflowing.
	Int32 GetFrame(Float fps) const;
	/// Rounds the time to whole frames of fps.
	void Quantize(Float fps);

	friend Bool operator==(const BaseTime& a, const BaseTime& b) { return a.Get() == b.Get(); }
	friend Bool operator!=(const BaseTime& a, const BaseTime& b) { return a.Get() != b.Get(); }
	friend Bool operator<(const BaseTime& a, const BaseTime& b) { return a.Get() < b.Get(); }
	friend Bool operator<=(const BaseTime& a, const BaseTime& b) { return a.Get() <= b.Get(); }
	friend Bool operator>(const BaseTime& a, const BaseTime& b) { return a.Get() > b.Get(); }
	friend Bool operator>=(const BaseTime& a, const BaseTime& b) { return a.Get() >= b.Get(); }

private:
	Float _numerator = 0.0;
	Float _denominator = 1.0;
};
} // namespace cinema

#endif // C4D_BASETIME_H__
