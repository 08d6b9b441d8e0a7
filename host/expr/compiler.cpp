#include "host/expr/compiler.h"

#include "host/expr/expression.h"

#include <vector>

namespace surfax::expr
{
namespace
{

// Binary operators handled by precedence climbing; `^` and the conditional have their own rules.
struct BinaryOperator
{
	int precedence; // 0: not a binary operator here
	Op op;
};

BinaryOperator BinaryOperatorOf(std::uint8_t token)
{
	switch (token)
	{
	case kTokenOr:
		return {1, Op::Or};
	case kTokenAnd:
		return {2, Op::And};
	case kTokenEqual:
		return {3, Op::Equal};
	case kTokenNotEqual:
		return {3, Op::NotEqual};
	case kTokenLess:
		return {3, Op::Less};
	case kTokenGreater:
		return {3, Op::Greater};
	case kTokenLessEqual:
		return {3, Op::LessEqual};
	case kTokenGreaterEqual:
		return {3, Op::GreaterEqual};
	case kTokenPlus:
		return {4, Op::Add};
	case kTokenMinus:
		return {4, Op::Subtract};
	case kTokenStar:
		return {5, Op::Multiply};
	case kTokenSlash:
		return {5, Op::Divide};
	default:
		return {0, Op::Add};
	}
}

constexpr std::size_t kBinaryLevels = 5;

class Compiler
{
public:
	Compiler(const TokenBuffer& tokens, Program& out)
	    : m_codes(tokens.codes.data()), m_offsets(tokens.offsets.data()), m_out(out)
	{
	}

	const char* Run(std::size_t& errorOffset)
	{
		m_out.code.clear();
		m_out.numberCount = 0;
		m_out.maxStack = 0;
		if (Peek() == kTokenEnd)
			Fail("empty text");
		else if (ParseConditional() && Peek() != kTokenEnd)
		{
			if (Peek() == kTokenCloseParen)
				Fail("')' without '('");
			else if (Peek() == kTokenSemicolon)
				Fail("';' outside of a call");
			else
				Fail("expected an operator");
		}
		errorOffset = m_errorOffset;
		return m_error;
	}

private:
	const std::uint8_t* m_codes;
	const std::uint32_t* m_offsets;
	Program& m_out;
	std::size_t m_position = 0;
	std::size_t m_nesting = 0;
	std::size_t m_stack = 0;
	std::vector<Op> m_prefixOps; // unary operators waiting for their operand, innermost last
	const char* m_error = nullptr;
	std::size_t m_errorOffset = 0;

	std::uint8_t Peek() const { return m_codes[m_position]; }
	std::size_t Offset() const { return m_offsets[m_position]; }
	// The end token stays put, so reading past the text is impossible.
	void Advance() { m_position += Peek() != kTokenEnd ? 1 : 0; }

	bool Fail(const char* message) { return Fail(message, Offset()); }

	bool Fail(const char* message, std::size_t offset)
	{
		if (m_error == nullptr)
		{
			m_error = message;
			m_errorOffset = offset;
		}
		return false;
	}

	bool Expect(std::uint8_t token, const char* message)
	{
		// A text that ends where a closing parenthesis is due is the commonest slip ("Sin(x"): say what is missing.
		if (Peek() != token)
			return Fail(Peek() == kTokenEnd && token != kTokenCloseParen ? "unexpected end of text" : message);
		Advance();
		return true;
	}

	bool Enter(std::size_t offset) { return ++m_nesting <= kMaxNesting || Fail("nesting too deep", offset); }

	void Leave() { --m_nesting; }

	// `popped` values are consumed, one is pushed.
	void Emit(Op op, std::size_t popped, std::uint32_t argument = 0)
	{
		m_out.code.push_back({op, argument});
		m_stack = m_stack - popped + 1;
		m_out.maxStack = m_stack > m_out.maxStack ? m_stack : m_out.maxStack;
	}

	// conditional := binary ('?' '(' conditional ';' conditional ')')*
	bool ParseConditional()
	{
		if (!ParseBinary())
			return false;
		while (Peek() == kTokenQuestion)
		{
			const std::size_t offset = Offset();
			Advance();
			if (!Expect(kTokenOpenParen, "expected '(' after '?'") || !Enter(offset))
				return false;
			if (!ParseConditional() || !Expect(kTokenSemicolon, "expected ';' between the branches of '?'") ||
			    !ParseConditional() || !Expect(kTokenCloseParen, "expected ')' after the branches of '?'"))
				return false;
			Leave();
			Emit(Op::Select, 3);
		}
		return true;
	}

	// binary := unary (op unary)* over the left-associative levels, with a local operator stack (shunting
	// yard) so that a text costs one frame here however many levels it mixes. Pending operators have strictly
	// rising precedence, so the stack never holds more than one per level.
	bool ParseBinary()
	{
		Op pendingOps[kBinaryLevels];
		int pendingPrecedences[kBinaryLevels];
		std::size_t pending = 0;
		if (!ParseUnary())
			return false;
		for (;;)
		{
			const BinaryOperator binary = BinaryOperatorOf(Peek());
			if (binary.precedence == 0)
				break;
			while (pending > 0 && pendingPrecedences[pending - 1] >= binary.precedence)
				Emit(pendingOps[--pending], 2);
			pendingOps[pending] = binary.op;
			pendingPrecedences[pending] = binary.precedence;
			++pending;
			Advance();
			if (!ParseUnary())
				return false;
		}
		while (pending > 0)
			Emit(pendingOps[--pending], 2);
		return true;
	}

	// unary := ('-' | '+' | '!')* primary ('^' unary)?
	// Signs are collected in a loop, so a run of them costs no recursion; they apply after the power, which is
	// right-associative and binds tighter than a sign in front of it.
	bool ParseUnary()
	{
		const std::size_t first = m_prefixOps.size();
		for (;; Advance())
		{
			if (Peek() == kTokenMinus)
				m_prefixOps.push_back(Op::Negate);
			else if (Peek() == kTokenNot)
				m_prefixOps.push_back(Op::Not);
			else if (Peek() != kTokenPlus)
				break;
		}
		if (!ParsePrimary())
			return false;
		if (Peek() == kTokenCaret)
		{
			const std::size_t offset = Offset();
			Advance();
			if (!Enter(offset) || !ParseUnary())
				return false;
			Leave();
			Emit(Op::Power, 2);
		}
		while (m_prefixOps.size() > first)
		{
			Emit(m_prefixOps.back(), 1);
			m_prefixOps.pop_back();
		}
		return true;
	}

	bool ParsePrimary()
	{
		const std::uint8_t token = Peek();
		const std::size_t offset = Offset();
		if (token == kTokenNumber)
		{
			Advance();
			Emit(Op::PushNumber, 0, std::uint32_t(m_out.numberCount++));
			return true;
		}
		if (IsConstantToken(token))
		{
			Advance();
			Emit(Op::PushConstant, 0, std::uint32_t(token - kTokenFirstConstant));
			return true;
		}
		if (token == kTokenOpenParen)
		{
			Advance();
			if (!Enter(offset) || !ParseConditional() || !Expect(kTokenCloseParen, "expected ')'"))
				return false;
			Leave();
			return true;
		}
		if (IsFunctionToken(token))
			return ParseCall(kFunctions[token - kTokenFirstFunction], offset);
		if (token == kTokenEnd)
			return Fail("unexpected end of text");
		return Fail("expected a number, a name or '('");
	}

	// call := name '(' conditional (';' conditional)* ')' with exactly the function's number of arguments.
	bool ParseCall(const FunctionInfo& function, std::size_t nameOffset)
	{
		Advance();
		if (!Expect(kTokenOpenParen, "expected '(' after a function name") || !Enter(nameOffset))
			return false;
		if (Peek() == kTokenCloseParen)
			return Fail("too few arguments");
		std::size_t arguments = 0;
		for (;;)
		{
			if (!ParseConditional())
				return false;
			++arguments;
			if (Peek() != kTokenSemicolon)
				break;
			if (arguments == function.arity)
				return Fail("too many arguments");
			Advance();
		}
		if (Peek() == kTokenCloseParen && arguments < function.arity)
			return Fail("too few arguments");
		if (!Expect(kTokenCloseParen,
		            arguments < function.arity ? "expected ';' or ')' after an argument" : "expected ')'"))
			return false;
		Leave();
		Emit(function.op, function.arity);
		return true;
	}
};

} // namespace

const char* Compile(const TokenBuffer& tokens, Program& out, std::size_t& errorOffset)
{
	Compiler compiler(tokens, out);
	return compiler.Run(errorOffset);
}

} // namespace surfax::expr
