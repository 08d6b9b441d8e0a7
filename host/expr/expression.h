// The host's number entry: evaluates formula text such as "Sin(7.2) * Cos(-3.6)" to a double.
#pragma once

#include <cstddef>
#include <string_view>

namespace surfax::expr
{

// Texts longer than this many bytes are rejected.
inline constexpr std::size_t kMaxLength = 64 * 1024;

// Parentheses, call argument lists, `? (a; b)` pairs and chained exponents (`2^2^2`) may nest this deep;
// one level more is an error. This bounds the parser's recursion on any input.
inline constexpr std::size_t kMaxNesting = 200;

// Outcome of one evaluation. `hasNumber` false means the text is not an expression; then `error` names what
// is wrong (a static string) and `offset` is the byte offset in the text where it was found.
struct Outcome
{
	bool hasNumber = false;
	double value = 0.0;
	const char* error = nullptr;
	std::size_t offset = 0;
};

// Evaluates `text` (UTF-8, any bytes). Never throws, never recurses without bound, runs in time linear in
// the length of the text. Thread-safe (any cache is per thread).
//
// The language:
// - Numbers `12`, `0.5`, `.5`, `7.`, `1e3`, `2.5E-4` (`.` is the only decimal separator; an `e` starts an
//   exponent only when digits, or a sign and digits, follow). Literals beyond the double range become inf or 0.
//   Spaces, tabs, carriage returns and newlines between tokens are ignored.
// - From lowest to highest precedence: `c ? (a; b)`; `||` `or`; `&&` `and`; `= == != < > <= >=`; `+ -`;
//   `* /`; unary `- + !`; `^` (right-associative, its right operand may start with unary signs).
//   Binary operators other than `^` group left to right. So `-2^2` is -4, `2^3^2` is 512, `2^-1` is 0.5.
// - Comparisons and logic yield 1 or 0; any non-zero value (NaN included) counts as true. Both branches of a
//   conditional are evaluated (nothing has side effects).
// - Calls `name(a; b; ...)`, `;` being the only separator. Names of functions and constants ignore case.
//   sin cos tan take degrees, asin acos atan atan2(y;x) return degrees; sinh cosh tanh exp log (natural) log10
//   sqrt sqr (square) abs floor ceil round (half away from zero) trunc take one argument; pow(a;b), mod(a;b)
//   (fmod: sign of a), min(a;b), max(a;b) two; clamp(lo;v;hi) and if(c;a;b) three. min, max and clamp return
//   NaN when an argument is NaN; clamp with lo > hi returns hi.
// - Constants e, pi, pi05 (pi/2), pi2 (2 pi), piinv (1/pi), pi05inv (2/pi), pi2inv (1/(2 pi)).
// - Overflow and domain errors give IEEE values as numbers: `1/0` is inf, `0/0`, `log(-1)` and `sqrt(-1)` NaN.
//   Trigonometry reduces the angle modulo 360 first and is exact at multiples of 90 (and sin at 30):
//   `sin(180)` is 0, `cos(90)` is 0, `tan(45)` is 1, `tan(90)` is inf, and `cos(-x)` equals `cos(x)`.
//
// Compiled programs are kept in a small per-thread cache keyed by the text's token sequence without the
// values of its number literals, so texts that differ only in their numbers are parsed once. Each entry also keeps
// the bytes of its last text around the number literals: a text that has exactly those bytes with other numbers in
// between is recognised in one pass over it, reading only its numbers (with the lexer's own correctly rounded
// decimal scan), and runs the cached program without being tokenised. After warm-up the cached path allocates
// nothing. Results are bit for bit those of a fresh parse (EvaluateUncached).
Outcome Evaluate(std::string_view text);

// Same result as Evaluate, bit for bit, but always parses afresh and neither reads nor fills the cache.
// For tests and for measuring the cost of a cold parse.
Outcome EvaluateUncached(std::string_view text);

} // namespace surfax::expr
