#include "host/core/interruption.h"

#include "host/core/output_file.h"

#include <csignal>

namespace surfax::core
{
namespace
{
// sig_atomic_t is what a signal handler may write; volatile keeps every read a real read.
volatile std::sig_atomic_t g_signal = 0;

void OnStopSignal(int signal)
{
	if (g_signal != 0)
	{
		// The second request: no waiting for a safe point, but nothing half-written left behind either.
		RemoveTemporariesNow();
		std::signal(signal, SIG_DFL);
		std::raise(signal);
		return;
	}
	RequestInterruption(signal);
}
} // namespace

void RequestInterruption(int signal)
{
	if (g_signal == 0)
		g_signal = signal;
}

int InterruptionSignal()
{
	return g_signal;
}

void ClearInterruption()
{
	g_signal = 0;
}
void InstallStopSignalHandlers()
{
	struct sigaction action = {};
	action.sa_handler = OnStopSignal;
	sigemptyset(&action.sa_mask);
	sigaction(SIGINT, &action, nullptr);
	sigaction(SIGTERM, &action, nullptr);
	std::signal(SIGXFSZ, SIG_IGN);
}
} // namespace surfax::core
