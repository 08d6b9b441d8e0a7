#include "host/core/interruption.h"

#include <csignal>

namespace surfax::core
{
namespace
{
// sig_atomic_t is what a signal handler may write; volatile keeps every read a real read.
volatile std::sig_atomic_t g_signal = 0;
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
} // namespace surfax::core
