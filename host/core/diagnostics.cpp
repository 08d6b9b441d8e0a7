#include "host/core/diagnostics.h"

#include "host/core/utf8.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace surfax::core
{
namespace
{
constexpr std::size_t kMaxKept = 1000;
std::mutex g_mutex;
std::vector<std::string> g_reports;
bool g_quiet = std::getenv("SURFAX_QUIET") != nullptr;
} // namespace

void Report(const std::string& message)
{
	std::lock_guard<std::mutex> lock(g_mutex);
	if (g_reports.size() >= kMaxKept)
		g_reports.erase(g_reports.begin());
	g_reports.push_back(message);
	// Written whole: a NUL in a message must not cut it.
	if (!g_quiet)
	{
		std::fputs("surfax-host: ", stderr);
		std::fwrite(message.data(), 1, message.size(), stderr);
		std::fputc('\n', stderr);
	}
}

std::string QuoteInMessage(std::string_view text)
{
	static constexpr char kHex[] = "0123456789abcdef";
	std::string quoted;
	std::size_t i = 0;
	while (i < text.size() && i < kMaxQuotedBytes)
	{
		const unsigned char c = static_cast<unsigned char>(text[i]);
		const std::size_t length = c < 0x80 ? 1 : ValidUtf8Length(text.substr(i));
		if (length > 1)
		{
			if (i + length > kMaxQuotedBytes)
				break;
			quoted.append(text.substr(i, length));
			i += length;
			continue;
		}
		if (c == 0)
			quoted += "\\0";
		else if (c == '\n')
			quoted += "\\n";
		else if (c == '\t')
			quoted += "\\t";
		else if (c < 0x20 || c == 0x7f || length == 0)
			quoted += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
		else
			quoted += static_cast<char>(c);
		++i;
	}
	if (i < text.size())
		quoted += "... (" + std::to_string(text.size()) + " bytes)";
	return quoted;
}

void SetQuiet(bool quiet)
{
	std::lock_guard<std::mutex> lock(g_mutex);
	g_quiet = quiet;
}

bool IsQuiet()
{
	std::lock_guard<std::mutex> lock(g_mutex);
	return g_quiet;
}

std::vector<std::string> Reports()
{
	std::lock_guard<std::mutex> lock(g_mutex);
	return g_reports;
}

void ClearReports()
{
	std::lock_guard<std::mutex> lock(g_mutex);
	g_reports.clear();
}
} // namespace surfax::core
