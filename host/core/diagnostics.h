// Messages the host reports to the person running it (stderr), e.g. a malformed resource or a refused plug-in.
#ifndef SURFAX_HOST_CORE_DIAGNOSTICS_H
#define SURFAX_HOST_CORE_DIAGNOSTICS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace surfax::core
{
// Reports "surfax-host: <message>" on stderr unless quiet; always kept in the log (bounded to the last 1000).
void Report(const std::string& message);
void SetQuiet(bool quiet);
bool IsQuiet();
// How much of a text a message quotes (QuoteInMessage).
constexpr std::size_t kMaxQuotedBytes = 100;

// A text of the input (a formula, a name) as a message quotes it: a byte that would not show as itself is written as
// an escape (a NUL as \0, a line break as \n, a tab as \t, other control characters and bytes that are not UTF-8 as
// \xNN), and a text longer than kMaxQuotedBytes keeps its start, cut at a character, followed by "... (N bytes)" with
// its whole length. Offsets a message gives still count bytes of the text itself.
std::string QuoteInMessage(std::string_view text);

// The messages reported since the last ClearReports (for tests and the describe command).
std::vector<std::string> Reports();
void ClearReports();
} // namespace surfax::core

#endif
