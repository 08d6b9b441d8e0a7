// surfax-host calc: what the number entry makes of each expression, one line each.
#include "app/commands.h"

#include "host/core/number_format.h"

#include <cstdio>

namespace surfax::app
{
using namespace cinema;

int RunCalc(const std::vector<std::string>& expressions)
{
	for (const std::string& expression : expressions)
	{
		const GeData result = StringToNumber(maxon::String(expression), FORMAT_FLOAT, 30);
		const std::string text = result.GetType() == DA_NIL ? "no number" : core::FormatShortest(result.GetFloat());
		std::fprintf(stdout, "%s\n", text.c_str());
	}
	return kExitOk;
}
} // namespace surfax::app
