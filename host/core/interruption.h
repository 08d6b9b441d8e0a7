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

/// Handles SIGINT and SIGTERM as surfax-host does: the first asks the work to stop (RequestInterruption); a second one
/// removes the temporaries of the files being written (output_file.h, RemoveTemporariesNow) and ends the process at
/// once, by that signal. SIGXFSZ is ignored, so that a write past a file size limit fails with EFBIG instead of
/// ending the process and the temporary is removed.
void InstallStopSignalHandlers();
} // namespace surfax::core

#endif
