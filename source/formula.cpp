// Formula text substitution and the template that makes it cheap enough to run once per sample.
#include "c4d.h"

#include "formula.h"

using namespace cinema;

namespace
{
constexpr Int32 kSignificantDigits = 15;
// Smaller magnitudes print as zero instead of as ever longer runs of zeros.
constexpr Int32 kMaxDecimals = 30;
// kNegativePowers[k] is 10^-k: a magnitude below it has at least k zeros right after the point.
constexpr Float kNegativePowers[kMaxDecimals + 1] = {
    1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,  1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
    1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22, 1e-23, 1e-24, 1e-25, 1e-26, 1e-27, 1e-28, 1e-29, 1e-30};
constexpr Float kPositivePowers[kSignificantDigits] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};

/// Decimals that leave kSignificantDigits significant digits for a finite, non-zero magnitude.
Int32 DecimalsFor(Float magnitude)
{
	if (magnitude >= 1.0)
	{
		Int32 digitsBeforePoint = 1;
		while (digitsBeforePoint < kSignificantDigits && magnitude >= kPositivePowers[digitsBeforePoint])
			++digitsBeforePoint;
		return kSignificantDigits - digitsBeforePoint;
	}
	Int32 leadingZeros = 0;
	while (leadingZeros < kMaxDecimals && magnitude < kNegativePowers[leadingZeros + 1])
		++leadingZeros;
	return maxon::Min(kSignificantDigits + leadingZeros, kMaxDecimals);
}

Bool IsVariableLetter(Utf32Char c, Int32& variable)
{
	for (Int32 k = 0; k < kVariableCount; ++k)
	{
		if (c == static_cast<Utf32Char>(kVariableLetters[k]))
		{
			variable = k;
			return true;
		}
	}
	return false;
}

Bool IsTimeVariable(Int32 variable)
{
	return variable == static_cast<Int32>(FORMULAVARIABLE::TIME) ||
	       variable == static_cast<Int32>(FORMULAVARIABLE::FRAME);
}
} // namespace

Bool IsWordCharacter(Utf32Char c)
{
	return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

Bool IsStandaloneLetter(const String& text, Int pos)
{
	const Int length = text.GetLength();
	if (pos < 0 || pos >= length)
		return false;
	if (pos > 0 && IsWordCharacter(text[pos - 1]))
		return false;
	return pos == length - 1 || !IsWordCharacter(text[pos + 1]);
}

Bool UsesTime(const String& formula)
{
	for (const Char letter : {'t', 'f'})
	{
		Int32 found = -1;
		for (Int start = 0; start < formula.GetLength() && formula.FindFirst(letter, &found, start); start = found + 1)
		{
			if (IsStandaloneLetter(formula, found))
				return true;
		}
	}
	return false;
}

String FormatArgument(Float value)
{
	if (value == 0.0)
		return String("0"); // also for -0.0, which would otherwise print as "(-0)"
	const Float magnitude = maxon::Abs(value);
	const Int32 decimals = std::isfinite(magnitude) ? DecimalsFor(magnitude) : 0;
	// A negative digit count asks for at most that many decimals, trailing zeros dropped.
	const String text = String::FloatToString(value, -1, -decimals);
	if (value < 0.0)
		return String("(") + text + String(")");
	return text;
}

maxon::Result<String> SubstituteVariables(const String& formula, const Float (&values)[kVariableCount],
                                          Bool& timeDependent)
{
	iferr_scope;
	String text = formula;
	timeDependent = false;
	for (Int32 k = 0; k < kVariableCount; ++k)
	{
		const Utf32Char letter = static_cast<Utf32Char>(kVariableLetters[k]);
		Int32 found = -1;
		for (Int start = 0; start < text.GetLength() && text.FindFirst(letter, &found, start); start = found + 1)
		{
			if (!IsStandaloneLetter(text, found))
				continue;
			if (IsTimeVariable(k))
				timeDependent = true;
			text.Delete(found, 1);
			text.Insert(found, FormatArgument(values[k])) iferr_return;
		}
	}
	return text;
}

Bool FormulaTemplate::Init(const String& formula)
{
	_pieces.Reset();
	_variables.Reset();
	_rowPieces.Reset();

	// Letter by letter substitution gives the same text as splitting at every standalone variable of the
	// original: a replaced letter has non-word neighbours, so no other letter's neighbours change, and an inserted
	// number holds no standalone variable letter.
	const Int length = formula.GetLength();
	Int pieceStart = 0;
	for (Int pos = 0; pos < length; ++pos)
	{
		Int32 variable = 0;
		if (!IsVariableLetter(formula[pos], variable) || !IsStandaloneLetter(formula, pos))
			continue;
		if (_pieces.Append(formula.SubStr(pieceStart, pos - pieceStart)) == maxon::FAILED ||
		    _variables.Append(variable) == maxon::FAILED)
			return false;
		pieceStart = pos + 1;
	}
	return _pieces.Append(formula.SubStr(pieceStart, length - pieceStart)) == maxon::OK;
}

Bool FormulaTemplate::BindRow(const String* const (&valueTexts)[kVariableCount])
{
	constexpr Int32 zVariable = static_cast<Int32>(FORMULAVARIABLE::Z);
	Int zCount = 0;
	for (const Int32 variable : _variables)
		zCount += variable == zVariable ? 1 : 0;
	// Sized once; later rows reuse the strings' memory.
	if (_rowPieces.GetCount() != zCount + 1 && _rowPieces.Resize(zCount + 1) == maxon::FAILED)
		return false;

	Int row = 0;
	_rowPieces[0] = _pieces[0];
	for (Int k = 0; k < _variables.GetCount(); ++k)
	{
		if (_variables[k] == zVariable)
			_rowPieces[++row] = _pieces[k + 1];
		else
		{
			_rowPieces[row] += *valueTexts[_variables[k]];
			_rowPieces[row] += _pieces[k + 1];
		}
	}
	return true;
}

void FormulaTemplate::BuildRow(const String& zText, String& out) const
{
	out = _rowPieces[0];
	for (Int k = 1; k < _rowPieces.GetCount(); ++k)
	{
		out += zText;
		out += _rowPieces[k];
	}
}
