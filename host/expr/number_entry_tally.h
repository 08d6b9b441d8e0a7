// Counting what the number entry (StringToNumber) gave: how many texts it converted, how many of them held no
// number or a non-finite one, and the first failure with its place. The command line uses it to tell a person why
// a chart is flat; the plug-in never sees it.
#ifndef SURFAX_HOST_EXPR_NUMBER_ENTRY_TALLY_H
#define SURFAX_HOST_EXPR_NUMBER_ENTRY_TALLY_H

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace surfax::expr
{
/// Bytes of the first failed text kept in NumberEntryTally::firstFailedText.
inline constexpr std::size_t kMaxKeptFailedText = 200;

struct NumberEntryTally
{
	std::uint64_t conversions = 0; // StringToNumber calls
	std::uint64_t noNumber = 0;    // results that hold no number (the text is not an expression)
	std::uint64_t nonFinite = 0;   // results that are infinite or not a number
	// The lowest and highest finite result; lowest > highest while there was none.
	double lowest = std::numeric_limits<double>::infinity();
	double highest = -std::numeric_limits<double>::infinity();
	// The first text that held no number (cut to kMaxKeptFailedText bytes), the evaluator's message (a static
	// string) and the byte offset in that text where it found the fault. firstError is null while none failed.
	std::string firstFailedText;
	const char* firstError = nullptr;
	std::size_t firstErrorOffset = 0;
	// When set, every result in call order: the number, or NaN for a text that held none (the caller then gets 0).
	// A result that finds no memory stops the recording and sets valuesLost; the vector is not owned.
	std::vector<double>* values = nullptr;
	bool valuesLost = false;

	/// Texts that gave no finite number.
	std::uint64_t Failed() const { return noNumber + nonFinite; }
};

/// Makes StringToNumber count into `tally` from now on (this thread only); null stops counting. The tally is not
/// owned and must outlive its use. Returns the tally that was counting before, so scopes can nest.
NumberEntryTally* SetNumberEntryTally(NumberEntryTally* tally);

/// Adds one conversion outcome to the current tally, when there is one. Called by StringToNumber.
void CountNumberEntry(const char* text, std::size_t length, bool hasNumber, double value, const char* error,
                      std::size_t errorOffset);
} // namespace surfax::expr

#endif
