// What the command line tells a person about formulas: the plug-in turns a formula the number entry cannot read into
// a flat chart without a word, so the command line watches the number entry while each plot object executes and
// says which formula failed, where, and for how many samples.
#ifndef SURFAX_APP_FORMULA_REPORT_H
#define SURFAX_APP_FORMULA_REPORT_H

#include "c4d.h"

#include "host/eval/evaluate.h"
#include "host/expr/number_entry_tally.h"

#include <limits>
#include <map>
#include <string>
#include <vector>

namespace surfax::app
{
/// What is said of a plot whose formula is empty.
inline constexpr const char* kEmptyFormula = "the formula is empty, so every sample is 0 and the chart is flat";

/// What one object's formula gave in the evaluations watched so far.
struct FormulaFinding
{
	const cinema::BaseObject* object = nullptr;
	std::string objectName;
	std::string formula;
	bool noSampleHasNumber = false; // every conversion held no number
	std::string text;               // the sentence to print: formula "..." and what went wrong
};

/// Counts the number entry's results per executing object from construction to destruction (installs itself as
/// the evaluation's execute observer and restores the previous one when it goes). Results accumulate over every
/// evaluation in between, so a frame range is judged as a whole.
class FormulaWatch final : public eval::ExecuteObserver
{
public:
	FormulaWatch();
	~FormulaWatch() override;
	FormulaWatch(const FormulaWatch&) = delete;
	FormulaWatch& operator=(const FormulaWatch&) = delete;

	void BeforeExecute(cinema::BaseObject* op) override;
	void AfterExecute(cinema::BaseObject* op) override;

	/// The objects of doc that declare PLOT_FORMULA, were executed, and whose formula is empty or gave at least one
	/// sample without a finite number, in document order. Objects never executed have none.
	std::vector<FormulaFinding> Findings(const cinema::BaseDocument& doc) const;

	/// The lowest and highest finite number op's formula gave in the evaluations watched so far: the chart's value
	/// range. False when it gave none (lowest and highest are then unchanged).
	bool ValueRange(const cinema::BaseObject* op, double& lowest, double& highest) const;

	/// The lowest and highest finite number op's formula gave in the evaluation since StartEvaluation, or, when it
	/// converted nothing there (its samples were kept), in the last evaluation that did: the values the chart shows
	/// now. False when there are none.
	bool ValueRangeOfEvaluation(const cinema::BaseObject* op, double& lowest, double& highest) const;

	/// Marks the start of one evaluation, for ConversionsOfEvaluation and ValueRangeOfEvaluation.
	void StartEvaluation();
	/// The number entry's conversions for op since StartEvaluation.
	std::uint64_t ConversionsOfEvaluation(const cinema::BaseObject* op) const;

	/// Keeps every number op's formula gives from the next StartEvaluation on, in call order (NaN for a text that
	/// held no number), room made for `expected` of them per evaluation.
	void RecordValues(const cinema::BaseObject* op, std::size_t expected);
	/// The numbers RecordValues keeps for op from the evaluation since StartEvaluation, or, when op converted nothing
	/// there (its samples were kept), from the last evaluation that did: the values the chart shows now. Null when
	/// op is not recorded or memory ran out while recording them.
	const std::vector<double>* ValuesOfEvaluation(const cinema::BaseObject* op) const;

private:
	// Value ranges of the evaluations before the current one (the tallies' own ranges restart with each evaluation);
	// lowest > highest while there was none.
	struct EarlierRanges
	{
		double lowest = std::numeric_limits<double>::infinity(), highest = -std::numeric_limits<double>::infinity();
		double lastLowest = lowest, lastHighest = highest; // of the last evaluation that gave numbers
	};

	std::map<const cinema::BaseObject*, expr::NumberEntryTally> _tallies;
	std::map<const cinema::BaseObject*, EarlierRanges> _earlier;
	std::map<const cinema::BaseObject*, std::uint64_t> _conversionsAtStart;
	// The recorded values of the current evaluation and of the last one that converted something.
	struct Recording
	{
		std::vector<double> current, last;
		bool lastLost = false;
		std::size_t expected = 0;
	};
	std::map<const cinema::BaseObject*, Recording> _recordings;
	static void StartRecording(Recording& recording, expr::NumberEntryTally& tally);
	std::vector<expr::NumberEntryTally*> _outer; // the tallies the executing objects replaced, innermost last
	eval::ExecuteObserver* _previous = nullptr;
};

/// The formula of op as typed (its PLOT_FORMULA parameter, found by the symbol its type's description declares);
/// false when the type declares none.
bool FormulaOf(const cinema::BaseObject* op, std::string& formula);

/// True when some formula of doc gave no number for any of its samples; `message` is then the first such finding.
bool AnyFormulaWithoutNumbers(const FormulaWatch& watch, const cinema::BaseDocument& doc, std::string& message);

/// What memory running out cost the evaluation of doc since watch.StartEvaluation, one sentence per object in
/// document order (empty when nothing was lost): an object whose Execute or build had a host allocation refused
/// (eval::AllocationsRefusedDuring) has incomplete output, and a plot object whose formula was converted for fewer
/// samples than its resolution n asks for ((n+1)^2) lost samples. The plug-in fails silently by design; the command
/// line must not.
std::vector<std::string> LostToMemory(const FormulaWatch& watch, const cinema::BaseDocument& doc);

/// Prints one warning per finding of doc (host messages: --quiet silences them), naming the object first when
/// `nameObjects` is set (a document can hold several plots).
void WarnAboutFormulas(const FormulaWatch& watch, const cinema::BaseDocument& doc, bool nameObjects);

/// formula with every variable letter (t x z h r f standing alone, not inside a word of a-z and 0-9) replaced by the
/// digit 1, one character for one, so that offsets in it are those of formula: the text the plug-in substitutes for
/// the value 1 of every variable.
std::string WithVariablesAsOne(const std::string& formula);

/// Where the number entry's reading of a formula goes wrong, independent of the values put in for the variables:
/// every variable letter (t x z h r f, standing alone, not inside a word) stands for a one-digit number, so offsets
/// are those of the formula itself. False when the formula reads as an expression; else `error` and `offset`.
bool DiagnoseFormula(const std::string& formula, const char*& error, std::size_t& offset);
} // namespace surfax::app

#endif
