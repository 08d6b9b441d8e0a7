#include "app/frame_progress.h"

#include "host/core/diagnostics.h"
#include "host/core/number_format.h"

#include <cmath>
#include <cstdio>

namespace surfax::app
{
namespace
{
std::string Number(double value, int decimals)
{
	return core::FormatFixed(value, decimals, false, 0, U' ');
}

// "45 s", "2 min 5 s", "1 h 3 min".
std::string Duration(double seconds)
{
	const std::int64_t whole = static_cast<std::int64_t>(std::ceil(seconds));
	if (whole < 60)
		return std::to_string(whole) + " s";
	if (whole < 3600)
		return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
	return std::to_string(whole / 3600) + " h " + std::to_string(whole % 3600 / 60) + " min";
}
} // namespace

std::string FrameProgressText(std::int64_t done, std::int64_t total, double elapsedSeconds)
{
	std::string text = std::to_string(done) + " of " + std::to_string(total) + " frames";
	if (done <= 0 || elapsedSeconds <= 0.0)
		return text;
	const double rate = double(done) / elapsedSeconds;
	if (done >= total)
		return text + " in " + Number(elapsedSeconds, 1) + " s, " + Number(rate, 1) + " frames/s";
	return text + ", " + Number(rate, 1) + " frames/s, " + Duration(double(total - done) / rate) + " left";
}

FrameProgress::FrameProgress(std::int64_t total, bool terminal)
    : _total(total), _terminal(terminal), _start(Clock::now()), _lastPrinted(_start)
{
}

FrameProgress::~FrameProgress()
{
	EndLine();
}

void FrameProgress::FramesDone(std::int64_t done)
{
	if (core::IsQuiet())
		return;
	const Clock::time_point now = Clock::now();
	const double elapsed = std::chrono::duration<double>(now - _start).count();
	const std::string text = FrameProgressText(done, _total, elapsed);
	if (_terminal)
	{
		// Back to the line's start, the text, the rest of the old line cleared.
		std::fprintf(stderr, "\rsurfax-host: %s\x1b[K", text.c_str());
		std::fflush(stderr);
		_lineOpen = true;
		if (done >= _total)
			EndLine();
		return;
	}
	if (done < _total && std::chrono::duration<double>(now - _lastPrinted).count() < kPlainProgressSeconds)
		return;
	_lastPrinted = now;
	std::fprintf(stderr, "surfax-host: %s\n", text.c_str());
}

void FrameProgress::EndLine()
{
	if (!_lineOpen)
		return;
	std::fputc('\n', stderr);
	_lineOpen = false;
}
} // namespace surfax::app
