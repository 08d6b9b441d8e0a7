// Messages the host reports to the person running it (stderr), e.g. a malformed resource or a refused plug-in.
#ifndef SURFAX_HOST_CORE_DIAGNOSTICS_H
#define SURFAX_HOST_CORE_DIAGNOSTICS_H

#include <string>
#include <vector>

namespace surfax::core
{
// Reports "surfax-host: <message>" on stderr unless quiet; always kept in the log (bounded to the last 1000).
void Report(const std::string& message);
void SetQuiet(bool quiet);
bool IsQuiet();
// The messages reported since the last ClearReports (for tests and the describe command).
std::vector<std::string> Reports();
void ClearReports();
} // namespace surfax::core

#endif
