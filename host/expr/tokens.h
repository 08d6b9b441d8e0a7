// Token codes and the table of names (functions, constants, keywords) shared by the lexer and the compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <numbers>

namespace surfax::expr
{

// One byte per token. A text's sequence of codes is its "shape": number literals all share `Number`, names are
// resolved to their own codes, so two texts with the same shape compile to the same program.
enum Token : std::uint8_t
{
	kTokenEnd = 0,
	kTokenNumber,
	kTokenOpenParen,
	kTokenCloseParen,
	kTokenSemicolon,
	kTokenQuestion,
	kTokenPlus,
	kTokenMinus,
	kTokenStar,
	kTokenSlash,
	kTokenCaret,
	kTokenNot,
	kTokenAnd,   // `&&` and `and`
	kTokenOr,    // `||` and `or`
	kTokenEqual, // `=` and `==`
	kTokenNotEqual,
	kTokenLess,
	kTokenGreater,
	kTokenLessEqual,
	kTokenGreaterEqual,
	kTokenFirstFunction, // kTokenFirstFunction + index into kFunctions
};

// Operations of a compiled program; see program.h.
enum class Op : std::uint8_t
{
	PushNumber,   // argument: index of the number literal in the text
	PushConstant, // argument: index into kConstants
	Negate,
	Not,
	Add,
	Subtract,
	Multiply,
	Divide,
	Power,
	Equal,
	NotEqual,
	Less,
	Greater,
	LessEqual,
	GreaterEqual,
	And,
	Or,
	Select, // c, a, b -> c ? a : b
	Sin,
	Cos,
	Tan,
	Asin,
	Acos,
	Atan,
	Atan2,
	Sinh,
	Cosh,
	Tanh,
	Exp,
	Log,
	Log10,
	Sqrt,
	Square,
	Abs,
	Floor,
	Ceil,
	Round,
	Trunc,
	Mod,
	Min,
	Max,
	Clamp,
};

struct FunctionInfo
{
	const char* name; // lower case, at most kMaxNameLength bytes
	std::uint8_t arity;
	Op op;
};

struct ConstantInfo
{
	const char* name; // lower case, at most kMaxNameLength bytes
	double value;
};

inline constexpr std::size_t kMaxNameLength = 8;

inline constexpr FunctionInfo kFunctions[] = {
    {"sin", 1, Op::Sin},     {"cos", 1, Op::Cos},     {"tan", 1, Op::Tan},     {"asin", 1, Op::Asin},
    {"acos", 1, Op::Acos},   {"atan", 1, Op::Atan},   {"atan2", 2, Op::Atan2}, {"sinh", 1, Op::Sinh},
    {"cosh", 1, Op::Cosh},   {"tanh", 1, Op::Tanh},   {"exp", 1, Op::Exp},     {"log", 1, Op::Log},
    {"log10", 1, Op::Log10}, {"sqrt", 1, Op::Sqrt},   {"sqr", 1, Op::Square},  {"pow", 2, Op::Power},
    {"abs", 1, Op::Abs},     {"floor", 1, Op::Floor}, {"ceil", 1, Op::Ceil},   {"round", 1, Op::Round},
    {"trunc", 1, Op::Trunc}, {"mod", 2, Op::Mod},     {"min", 2, Op::Min},     {"max", 2, Op::Max},
    {"clamp", 3, Op::Clamp}, {"if", 3, Op::Select},
};

inline constexpr ConstantInfo kConstants[] = {
    {"e", std::numbers::e},
    {"pi", std::numbers::pi},
    {"pi05", std::numbers::pi / 2},
    {"pi2", 2 * std::numbers::pi},
    {"piinv", std::numbers::inv_pi},
    {"pi05inv", 2 * std::numbers::inv_pi},
    {"pi2inv", std::numbers::inv_pi / 2},
};

inline constexpr std::uint8_t kFunctionCount = std::uint8_t(sizeof(kFunctions) / sizeof(kFunctions[0]));
inline constexpr std::uint8_t kConstantCount = std::uint8_t(sizeof(kConstants) / sizeof(kConstants[0]));
inline constexpr std::uint8_t kTokenFirstConstant = kTokenFirstFunction + kFunctionCount;
static_assert(kTokenFirstConstant + kConstantCount <= 256, "token codes are one byte");

inline bool IsFunctionToken(std::uint8_t token)
{
	return token >= kTokenFirstFunction && token < kTokenFirstConstant;
}

inline bool IsConstantToken(std::uint8_t token)
{
	return token >= kTokenFirstConstant && token < kTokenFirstConstant + kConstantCount;
}

// Returns the token code of the name `text[0, length)` compared without case (a function, a constant, `and` or
// `or`), or kTokenEnd when the name is unknown. `text` must point to `length` readable bytes.
std::uint8_t LookUpName(const char* text, std::size_t length);

} // namespace surfax::expr
