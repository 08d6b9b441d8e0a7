// Progress of a run over many frames, with the time left. On a terminal it is one line rewritten in place after every
// frame; when stderr is a file or a pipe, a plain line every few seconds and one for the last frame, so that logs
// stay short; with --quiet nothing.
#ifndef SURFAX_APP_FRAME_PROGRESS_H
#define SURFAX_APP_FRAME_PROGRESS_H

#include <chrono>
#include <cstdint>
#include <string>

namespace surfax::app
{
/// Seconds between two plain progress lines when stderr is no terminal.
constexpr double kPlainProgressSeconds = 5.0;

/// "30 of 90 frames, 24.5 frames/s, 2 s left"; for the last frame "90 of 90 frames in 3.7 s, 24.5 frames/s". The
/// rate and the time left come from the frames done so far (none before the first is done).
std::string FrameProgressText(std::int64_t done, std::int64_t total, double elapsedSeconds);

class FrameProgress
{
public:
	/// Starts the clock for `total` frames; `terminal` chooses the line rewritten in place.
	FrameProgress(std::int64_t total, bool terminal);
	/// Ends a line left open on the terminal.
	~FrameProgress();
	FrameProgress(const FrameProgress&) = delete;
	FrameProgress& operator=(const FrameProgress&) = delete;

	/// Tells that `done` frames are finished.
	void FramesDone(std::int64_t done);
	/// Ends the terminal's line, so that a message can follow on a line of its own.
	void EndLine();

private:
	using Clock = std::chrono::steady_clock;
	std::int64_t _total;
	bool _terminal;
	bool _lineOpen = false;
	Clock::time_point _start;
	Clock::time_point _lastPrinted;
};
} // namespace surfax::app

#endif
