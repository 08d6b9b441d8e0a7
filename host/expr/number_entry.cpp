// StringToNumber: the application's number entry, backed by the expression evaluator.
#include "c4d_general.h"

#include "host/expr/expression.h"
#include "host/expr/number_entry_tally.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace surfax::expr
{
namespace
{
thread_local NumberEntryTally* t_tally = nullptr;
} // namespace

NumberEntryTally* SetNumberEntryTally(NumberEntryTally* tally)
{
	NumberEntryTally* previous = t_tally;
	t_tally = tally;
	return previous;
}

void CountNumberEntry(const char* text, std::size_t length, bool hasNumber, double value, const char* error,
                      std::size_t errorOffset)
{
	NumberEntryTally* tally = t_tally;
	if (tally == nullptr)
		return;
	++tally->conversions;
	if (tally->values != nullptr && !tally->valuesLost)
	{
		try
		{
			tally->values->push_back(hasNumber ? value : std::numeric_limits<double>::quiet_NaN());
		}
		catch (const std::bad_alloc&)
		{
			tally->valuesLost = true;
		}
	}
	if (hasNumber)
	{
		if (!std::isfinite(value))
		{
			++tally->nonFinite;
			return;
		}
		tally->lowest = std::min(tally->lowest, value);
		tally->highest = std::max(tally->highest, value);
		return;
	}
	++tally->noNumber;
	if (tally->firstError == nullptr)
	{
		tally->firstFailedText.assign(text, std::min(length, kMaxKeptFailedText));
		tally->firstError = error != nullptr ? error : "not an expression";
		tally->firstErrorOffset = errorOffset;
	}
}
} // namespace surfax::expr

namespace cinema
{
GeData StringToNumber(const maxon::String& text, Int32 format, Int32, const LENGTHUNIT*)
{
	const std::string& utf8 = text.GetUtf8();
	const surfax::expr::Outcome outcome = surfax::expr::Evaluate(utf8);
	surfax::expr::CountNumberEntry(utf8.data(), utf8.size(), outcome.hasNumber, outcome.value, outcome.error,
	                               outcome.offset);
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
