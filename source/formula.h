// Formula text substitution: the variable letters of a formula are replaced by numbers, and the host's number
// entry (StringToNumber) evaluates the resulting text.
#ifndef SURFAX_FORMULA_H__
#define SURFAX_FORMULA_H__

#include "c4d.h"

/// The variables, in substitution order; the index is the position in kVariableLetters and in value arrays.
enum class FORMULAVARIABLE : cinema::Int32
{
	TIME = 0,       ///< t: document time in seconds
	X = 1,          ///< x: the sample's x argument
	Z = 2,          ///< z: the sample's z argument
	RESOLUTION = 3, ///< h: the resolution n
	HALFHEIGHT = 4, ///< r: half the plot height
	FRAME = 5,      ///< f: the document frame
};
constexpr cinema::Int32 kVariableCount = 6;
/// The variable letters, lower case only: the search is case-sensitive, so T or X are never variables.
constexpr cinema::Char kVariableLetters[] = "txzhrf";

/// True for the characters that make a letter part of a word: 'a' to 'z' and '0' to '9'.
cinema::Bool IsWordCharacter(cinema::Utf32Char c);

/// True when the character at pos of text is a standalone letter: neither the character before it nor the one
/// after it is a word character. Positions outside the text are not standalone.
cinema::Bool IsStandaloneLetter(const cinema::String& text, cinema::Int pos);

/// True when formula contains a standalone t or f (the formula then depends on time).
cinema::Bool UsesTime(const cinema::String& formula);

/// The text a variable's value is inserted as: up to 15 significant digits, no exponent, no trailing zeros
/// (0 -> "0", 7.2 -> "7.2", 0.0004 -> "0.0004"); a negative value in parentheses (-3 -> "(-3)") so that "x^2"
/// stays the square. Values below 1e-30 in magnitude come out as zero.
cinema::String FormatArgument(cinema::Float value);

/// Replaces every standalone variable letter of formula, letter by letter in the order of kVariableLetters, by
/// FormatArgument of its value (values indexed by FORMULAVARIABLE). Sets timeDependent to whether a standalone t
/// or f was replaced. Fails when memory runs out (a half-substituted text would evaluate to a wrong number).
maxon::Result<cinema::String> SubstituteVariables(const cinema::String& formula,
                                                  const cinema::Float (&values)[kVariableCount],
                                                  cinema::Bool& timeDependent);

/// A formula split once at its standalone variables, so that the text of one sample is spliced together from
/// the literal pieces and ready-made value texts instead of searched and edited again. Per grid row everything but
/// z is spliced in once (BindRow); each sample then only adds its z text (BuildRow). The result is exactly the text
/// of SubstituteVariables for the same values.
class FormulaTemplate
{
public:
	/// Splits formula. False when memory ran out; the template is then empty and must not be used.
	cinema::Bool Init(const cinema::String& formula);
	/// Splices in every variable but z, the one that changes from sample to sample within a row of the grid.
	/// valueTexts[k] is FormatArgument of variable k (not null); valueTexts[Z] is not read. False when memory ran
	/// out; BuildRow must then not be used until a BindRow succeeds.
	cinema::Bool BindRow(const cinema::String* const (&valueTexts)[kVariableCount]);
	/// Writes into out, reusing its memory, what SubstituteVariables gives for the bound values and z, where
	/// zText is FormatArgument of z.
	void BuildRow(const cinema::String& zText, cinema::String& out) const;

private:
	maxon::BaseArray<cinema::String> _pieces;    // literal text around the variables: one more than _variables
	maxon::BaseArray<cinema::Int32> _variables;  // FORMULAVARIABLE index of each occurrence, in text order
	maxon::BaseArray<cinema::String> _rowPieces; // text around the z occurrences of the bound row
};

#endif // SURFAX_FORMULA_H__
