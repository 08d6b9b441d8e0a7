#include "app/formula_report.h"

#include "host/core/diagnostics.h"
#include "host/expr/expression.h"
#include "host/plugins/registry.h"
#include "host/resources/resource.h"
#include "host/scene/node.h"

#include <algorithm>
#include <new>
#include <string_view>

namespace surfax::app
{
using namespace cinema;

namespace
{
// The plug-in's variable letters and word rule (source/formula.h), which the command line cannot include; a test of
// the plug-in's substitution holds the two together.
constexpr std::string_view kVariableLetters = "txzhrf";
constexpr const char* kFormulaSymbol = "PLOT_FORMULA";
constexpr const char* kResolutionSymbol = "PLOT_RESOLUTION";

bool IsWordCharacter(char c)
{
	return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string Describe(const std::string& formula, const expr::NumberEntryTally& tally, bool& noSampleHasNumber)
{
	std::string text = "formula \"" + core::QuoteInMessage(formula) + "\": ";
	// An infinite value or one that is not a number is no number a chart can show.
	noSampleHasNumber = tally.Failed() == tally.conversions;
	if (!noSampleHasNumber)
		return text + std::to_string(tally.Failed()) + " of " + std::to_string(tally.conversions) +
		       " samples give no number or a non-finite one";
	if (tally.noNumber == 0)
		return text + (tally.conversions == 1 ? "the sample gives" : "no sample gives") +
		       " a finite number (every value is infinite or not a number)";
	text += tally.conversions == 1 ? "the sample gives no number" : "no sample gives a number";
	const char* error = nullptr;
	std::size_t offset = 0;
	if (DiagnoseFormula(formula, error, offset))
		return text + " (at offset " + std::to_string(offset) + ": " + error + ")";
	// The formula reads as an expression until numbers are put in (a value such as -7.2 meeting ".5"): name the
	// text the number entry was given.
	if (tally.firstError != nullptr)
		text += " (\"" + core::QuoteInMessage(tally.firstFailedText) + "\" at offset " +
		        std::to_string(tally.firstErrorOffset) + ": " + tally.firstError + ")";
	return text;
}
} // namespace

FormulaWatch::FormulaWatch() : _previous(eval::SetExecuteObserver(this)) {}

FormulaWatch::~FormulaWatch()
{
	eval::SetExecuteObserver(_previous);
}

void FormulaWatch::BeforeExecute(BaseObject* op)
{
	_outer.push_back(expr::SetNumberEntryTally(&_tallies[op]));
	if (_previous != nullptr)
		_previous->BeforeExecute(op);
}

void FormulaWatch::AfterExecute(BaseObject* op)
{
	if (_previous != nullptr)
		_previous->AfterExecute(op);
	if (!_outer.empty())
	{
		expr::SetNumberEntryTally(_outer.back());
		_outer.pop_back();
	}
}

std::vector<FormulaFinding> FormulaWatch::Findings(const BaseDocument& doc) const
{
	std::vector<FormulaFinding> findings;
	for (const BaseObject* op = doc.GetFirstObject(); op != nullptr; op = scene::NextInDocumentOrder(op))
	{
		const auto tally = _tallies.find(op);
		FormulaFinding finding;
		if (tally == _tallies.end() || !FormulaOf(op, finding.formula))
			continue;
		// An empty formula is legal for the plug-in (every sample is 0) but almost always a slip.
		if (finding.formula.empty())
			finding.text = std::string("formula \"\": ") + kEmptyFormula;
		else if (tally->second.conversions > 0 && tally->second.Failed() > 0)
			finding.text = Describe(finding.formula, tally->second, finding.noSampleHasNumber);
		else
			continue;
		finding.object = op;
		finding.objectName = op->GetName().GetUtf8();
		findings.push_back(std::move(finding));
	}
	return findings;
}

namespace
{
// Hands out a range that holds values (low <= high); false for an empty one.
bool GiveRange(double low, double high, double& lowest, double& highest)
{
	if (!(low <= high))
		return false;
	lowest = low;
	highest = high;
	return true;
}
} // namespace

bool FormulaWatch::ValueRange(const BaseObject* op, double& lowest, double& highest) const
{
	const auto tally = _tallies.find(op);
	if (tally == _tallies.end())
		return false;
	const auto earlier = _earlier.find(op);
	const bool before = earlier != _earlier.end();
	return GiveRange(std::min(tally->second.lowest, before ? earlier->second.lowest : tally->second.lowest),
	                 std::max(tally->second.highest, before ? earlier->second.highest : tally->second.highest), lowest,
	                 highest);
}

bool FormulaWatch::ValueRangeOfEvaluation(const BaseObject* op, double& lowest, double& highest) const
{
	const auto tally = _tallies.find(op);
	if (tally == _tallies.end())
		return false;
	if (GiveRange(tally->second.lowest, tally->second.highest, lowest, highest))
		return true;
	const auto earlier = _earlier.find(op);
	return earlier != _earlier.end() &&
	       GiveRange(earlier->second.lastLowest, earlier->second.lastHighest, lowest, highest);
}

void FormulaWatch::StartRecording(Recording& recording, expr::NumberEntryTally& tally)
{
	// An evaluation that converted nothing kept its samples: what it recorded before stays the last values.
	if (!recording.current.empty() || tally.valuesLost)
	{
		recording.last.swap(recording.current);
		recording.lastLost = tally.valuesLost;
	}
	recording.current.clear();
	tally.valuesLost = false;
	try
	{
		recording.current.reserve(recording.expected);
	}
	catch (const std::bad_alloc&)
	{
		// Appending grows as far as memory allows; a value that finds none marks the recording lost.
	}
}

void FormulaWatch::StartEvaluation()
{
	_conversionsAtStart.clear();
	for (auto& [op, tally] : _tallies)
	{
		_conversionsAtStart[op] = tally.conversions;
		// The tally's range restarts, so that it holds one evaluation's values; the earlier ones are kept here.
		if (tally.lowest <= tally.highest)
		{
			EarlierRanges& earlier = _earlier[op];
			earlier.lowest = std::min(earlier.lowest, tally.lowest);
			earlier.highest = std::max(earlier.highest, tally.highest);
			earlier.lastLowest = tally.lowest;
			earlier.lastHighest = tally.highest;
		}
		tally.lowest = std::numeric_limits<double>::infinity();
		tally.highest = -std::numeric_limits<double>::infinity();
	}
	for (auto& [op, recording] : _recordings)
		StartRecording(recording, _tallies[op]);
}

void FormulaWatch::RecordValues(const BaseObject* op, std::size_t expected)
{
	Recording& recording = _recordings[op];
	recording.expected = expected;
	_tallies[op].values = &recording.current;
}

const std::vector<double>* FormulaWatch::ValuesOfEvaluation(const BaseObject* op) const
{
	const auto recording = _recordings.find(op);
	const auto tally = _tallies.find(op);
	if (recording == _recordings.end() || tally == _tallies.end())
		return nullptr;
	if (ConversionsOfEvaluation(op) == 0)
		return recording->second.lastLost ? nullptr : &recording->second.last;
	return tally->second.valuesLost ? nullptr : &recording->second.current;
}

std::uint64_t FormulaWatch::ConversionsOfEvaluation(const BaseObject* op) const
{
	const auto tally = _tallies.find(op);
	if (tally == _tallies.end())
		return 0;
	const auto start = _conversionsAtStart.find(op);
	return tally->second.conversions - (start != _conversionsAtStart.end() ? start->second : 0);
}

std::vector<std::string> LostToMemory(const FormulaWatch& watch, const BaseDocument& doc)
{
	std::vector<std::string> lost;
	for (const BaseObject* op = doc.GetFirstObject(); op != nullptr; op = scene::NextInDocumentOrder(op))
	{
		const std::string name = "object \"" + core::QuoteInMessage(op->GetName().GetUtf8()) + "\": ";
		const plugins::ObjectType* type = plugins::FindObjectType(op->GetType());
		const resources::ParamDesc* resolution =
		    type != nullptr && type->description != nullptr ? type->description->FindParam(kResolutionSymbol) : nullptr;
		// A plot that re-sampled converts every sample; fewer means samples were dropped on the way.
		const std::uint64_t conversions = watch.ConversionsOfEvaluation(op);
		const bool refused = eval::AllocationsRefusedDuring(op) > 0;
		if (resolution != nullptr && (conversions > 0 || refused))
		{
			const std::uint64_t n =
			    static_cast<std::uint64_t>(std::max(0, op->GetDataInstanceRef().GetInt32(resolution->id)));
			const std::uint64_t samples = (n + 1) * (n + 1);
			if (conversions < samples)
			{
				lost.push_back(name + "out of memory: " + std::to_string(conversions) + " of its " +
				               std::to_string(samples) + " samples evaluated");
				continue;
			}
		}
		if (refused)
			lost.push_back(name + "out of memory: its output is incomplete");
	}
	return lost;
}

bool FormulaOf(const BaseObject* op, std::string& formula)
{
	const plugins::ObjectType* type = plugins::FindObjectType(op->GetType());
	const resources::ParamDesc* param =
	    type != nullptr && type->description != nullptr ? type->description->FindParam(kFormulaSymbol) : nullptr;
	if (param == nullptr)
		return false;
	formula = op->GetDataInstanceRef().GetString(param->id).GetUtf8();
	return true;
}

bool AnyFormulaWithoutNumbers(const FormulaWatch& watch, const BaseDocument& doc, std::string& message)
{
	for (const FormulaFinding& finding : watch.Findings(doc))
	{
		if (finding.noSampleHasNumber)
		{
			message = finding.text;
			return true;
		}
	}
	return false;
}

void WarnAboutFormulas(const FormulaWatch& watch, const BaseDocument& doc, bool nameObjects)
{
	for (const FormulaFinding& finding : watch.Findings(doc))
		core::Report("warning: " +
		             (nameObjects ? "object \"" + core::QuoteInMessage(finding.objectName) + "\": " : std::string()) +
		             finding.text);
}

std::string WithVariablesAsOne(const std::string& formula)
{
	std::string text = formula;
	for (std::size_t i = 0; i < text.size(); ++i)
	{
		const bool variable = kVariableLetters.find(text[i]) != std::string_view::npos &&
		                      (i == 0 || !IsWordCharacter(formula[i - 1])) &&
		                      (i + 1 == text.size() || !IsWordCharacter(formula[i + 1]));
		if (variable)
			text[i] = '1';
	}
	return text;
}

bool DiagnoseFormula(const std::string& formula, const char*& error, std::size_t& offset)
{
	const expr::Outcome outcome = expr::EvaluateUncached(WithVariablesAsOne(formula));
	if (outcome.hasNumber)
		return false;
	error = outcome.error != nullptr ? outcome.error : "not an expression";
	offset = outcome.offset;
	return true;
}
} // namespace surfax::app
