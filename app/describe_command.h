// surfax-host describe: the plug-ins found, whether they loaded, and the object types and parameters they register,
// with the defaults Init writes, as text or JSON.
#ifndef SURFAX_APP_DESCRIBE_COMMAND_H
#define SURFAX_APP_DESCRIBE_COMMAND_H

#include "app/cli.h"

namespace surfax::app
{
/// The describe command for main.cpp's table.
extern const CommandDeclaration kDescribeCommand;

/// Loads the plug-ins and prints what they register on standard output: as JSON when `json` is set, else as text.
int RunDescribe(const GlobalOptions& options, bool json);
} // namespace surfax::app

#endif
