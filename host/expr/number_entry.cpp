// StringToNumber: the application's number entry, backed by the expression evaluator.
#include "c4d_general.h"

#include "host/expr/expression.h"

#include <cmath>

namespace cinema
{
GeData StringToNumber(const maxon::String& text, Int32 format, Int32, const LENGTHUNIT*)
{
	const surfax::expr::Outcome outcome = surfax::expr::Evaluate(text.GetUtf8());
	if (!outcome.hasNumber)
		return GeData();
	if (format == FORMAT_INT)
	{
		const double v = outcome.value;
		if (!(v == v))
			return GeData(Int32(0));
		const double rounded = std::round(v);
		if (rounded >= 2147483647.0)
			return GeData(Int32(2147483647));
		if (rounded <= -2147483648.0)
			return GeData(Int32(-2147483647 - 1));
		return GeData(static_cast<Int32>(rounded));
	}
	return GeData(outcome.value);
}
} // namespace cinema
