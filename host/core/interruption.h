// A request to stop, made by SIGINT or SIGTERM (or a test), that long work checks at its safe points: between frames,
// between output files and in every write of an OutputFile. Work that sees it stops, removes its temporaries and
// keeps what it finished.
#ifndef SURFAX_HOST_CORE_INTERRUPTION_H
#define SURFAX_HOST_CORE_INTERRUPTION_H

namespace surfax::core
{
/// Records that signal (a positive number) asks the process to stop. Async-signal-safe.
void RequestInterruption(int signal);
/// The signal of the first request, or 0 when none was made.
int InterruptionSignal();
/// Forgets the request (for tests).
void ClearInterruption();
} // namespace surfax::core

#endif
