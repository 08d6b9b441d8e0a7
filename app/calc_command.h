// surfax-host calc: what the number entry makes of each expression, one line each.
#ifndef SURFAX_APP_CALC_COMMAND_H
#define SURFAX_APP_CALC_COMMAND_H

#include "app/cli.h"

#include <string>
#include <vector>

namespace surfax::app
{
/// The calc command for main.cpp's table. Its expressions may look like options ("-Sin(90)").
extern const CommandDeclaration kCalcCommand;

/// Prints each expression's number ("no number" for text that holds none) on its own line of standard output.
int RunCalc(const std::vector<std::string>& expressions);
} // namespace surfax::app

#endif
