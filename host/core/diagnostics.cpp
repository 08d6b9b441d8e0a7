#include "host/core/diagnostics.h"

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
	if (!g_quiet)
		std::fprintf(stderr, "surfax-host: %s\n", message.c_str());
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
