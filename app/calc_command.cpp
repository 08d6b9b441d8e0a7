#include "app/calc_command.h"

#include "host/core/number_format.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

namespace surfax::app
{
using namespace cinema;

namespace
{
CommandRun DeclareCalc(CLI::App& command)
{
	auto expressions = std::make_shared<std::vector<std::string>>();
	command.add_option("EXPR", *expressions, "Expression")->required();
	// calc needs no plug-in: the number entry is the host's own.
	return [expressions](const GlobalOptions& options)
	{
		(void)options;
		return RunCalc(*expressions);
	};
}
} // namespace

const CommandDeclaration kCalcCommand = {"calc", "Print what the number entry makes of each expression", DeclareCalc,
                                         true};

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
