// surfax-host --version: the program's version, the host API version it reports to plug-ins, and every plug-in
// library it finds with what the library declares about itself.
#ifndef SURFAX_APP_VERSION_COMMAND_H
#define SURFAX_APP_VERSION_COMMAND_H

#include "app/cli.h"

namespace surfax::app
{
/// --version (a global flag, not a command): program version, host API version, and each plug-in library of the
/// plug-in folders with its module id, framework and entry versions and whether it loaded.
int RunVersion(const GlobalOptions& options);
} // namespace surfax::app

#endif
