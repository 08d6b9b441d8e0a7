// Turns a token sequence into a postfix program.
#pragma once

#include "host/expr/lexer.h"
#include "host/expr/program.h"

#include <cstddef>

namespace surfax::expr
{

// Parses the tokens that Lex left in `tokens` and writes the program to `out` (its vectors are reused). The
// program depends only on the token codes, never on the number values, so it serves every text of the same
// shape. Returns null on success, else a static message with `errorOffset` set to the byte offset of the
// offending token. Recursion is bounded by kMaxNesting.
const char* Compile(const TokenBuffer& tokens, Program& out, std::size_t& errorOffset);

} // namespace surfax::expr
