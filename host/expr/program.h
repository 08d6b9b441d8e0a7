// Compiled formulas: postfix code over a value stack, independent of the values of the number literals.
#pragma once

#include "host/expr/tokens.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace surfax::expr
{

struct Instruction
{
	Op op;
	std::uint32_t argument; // PushNumber: literal index; PushConstant: index into kConstants; else unused
};

struct Program
{
	std::vector<Instruction> code;
	std::size_t numberCount = 0; // number literals the program reads
	std::size_t maxStack = 0;    // deepest value stack the program reaches
};

// Executes `count` instructions of `code`. `numbers` holds the literal values (at least numberCount of the
// program), `stack` room for maxStack values. Returns the value left on the stack. Allocates nothing.
double Run(const Instruction* code, std::size_t count, const double* numbers, double* stack);

} // namespace surfax::expr
