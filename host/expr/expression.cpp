#include "host/expr/expression.h"

#include "host/expr/compiler.h"
#include "host/expr/lexer.h"
#include "host/expr/program.h"

#include <utility>
#include <vector>

namespace surfax::expr
{
namespace
{

// A chart evaluates one or a few shapes a million times; a few more entries cover the axis labels and any other
// fields being typed at the same time.
constexpr std::size_t kCacheEntries = 16;
// Longer token sequences are compiled every time rather than pinned in every thread's cache.
constexpr std::size_t kMaxCachedTokens = 4096;

struct CacheEntry
{
	bool used = false;
	std::uint64_t shapeHash = 0;
	std::vector<std::uint8_t> shape;
	TextPieces pieces; // of the last text that used this entry
	Program program;
};

// Everything an evaluation needs, reused across the calls of one thread so the cached path allocates nothing.
struct Workspace
{
	TokenBuffer tokens;
	Program scratch;
	std::vector<double> stack;
	CacheEntry entries[kCacheEntries];
	std::size_t lastHit = 0;
	std::size_t nextVictim = 0;
};

// The host library is loaded with the program, never opened later, so its thread-local data can live in the static
// TLS block: reaching it is then an offset from the thread pointer instead of a call per evaluation.
[[gnu::tls_model("initial-exec")]] thread_local Workspace t_workspace;

Outcome Failure(const char* message, std::size_t offset)
{
	Outcome outcome;
	outcome.error = message;
	outcome.offset = offset;
	return outcome;
}

Outcome Execute(Workspace& workspace, const Program& program)
{
	if (workspace.stack.size() < program.maxStack)
		workspace.stack.resize(program.maxStack);
	Outcome outcome;
	outcome.hasNumber = true;
	outcome.value =
	    Run(program.code.data(), program.code.size(), workspace.tokens.numbers.data(), workspace.stack.data());
	return outcome;
}

bool Matches(const CacheEntry& entry, const TokenBuffer& tokens)
{
	if (!entry.used || entry.shapeHash != tokens.shapeHash || entry.shape.size() != tokens.count)
		return false;
	// The hash all but settles it; shapes are short, a plain loop beats a call to memcmp.
	const std::uint8_t* cached = entry.shape.data();
	const std::uint8_t* current = tokens.codes.data();
	for (std::size_t i = 0; i < tokens.count; ++i)
		if (cached[i] != current[i])
			return false;
	return true;
}

Outcome Evaluate(std::string_view text, bool useCache)
{
	if (text.size() > kMaxLength)
		return Failure("text longer than 64 KiB", kMaxLength);
	Workspace& workspace = t_workspace;
	TokenBuffer& tokens = workspace.tokens;

	// The fast path: a text that is the pieces of a cached one with other numbers needs only its numbers read.
	if (useCache)
	{
		CacheEntry& last = workspace.entries[workspace.lastHit];
		if (MatchPieces(last.pieces, text, tokens))
			return Execute(workspace, last.program);
		for (std::size_t i = 0; i < kCacheEntries; ++i)
			if (i != workspace.lastHit && MatchPieces(workspace.entries[i].pieces, text, tokens))
			{
				workspace.lastHit = i;
				return Execute(workspace, workspace.entries[i].program);
			}
	}

	std::size_t errorOffset = 0;
	if (const char* error = Lex(text, tokens, errorOffset))
		return Failure(error, errorOffset);

	if (useCache)
	{
		for (std::size_t i = 0; i < kCacheEntries; ++i)
			if (Matches(workspace.entries[i], tokens))
			{
				// The same tokens spelled differently (other spacing, other case): remember this spelling.
				workspace.lastHit = i;
				RecordPieces(tokens, workspace.entries[i].pieces);
				return Execute(workspace, workspace.entries[i].program);
			}
	}

	if (const char* error = Compile(tokens, workspace.scratch, errorOffset))
		return Failure(error, errorOffset);
	if (!useCache || tokens.count > kMaxCachedTokens)
		return Execute(workspace, workspace.scratch);

	// Round-robin replacement: cheap, and a thrashing caller still gets correct results.
	CacheEntry& entry = workspace.entries[workspace.nextVictim];
	workspace.lastHit = workspace.nextVictim;
	workspace.nextVictim = (workspace.nextVictim + 1) % kCacheEntries;
	entry.used = true;
	entry.shapeHash = tokens.shapeHash;
	entry.shape.assign(tokens.codes.data(), tokens.codes.data() + tokens.count);
	RecordPieces(tokens, entry.pieces);
	std::swap(entry.program, workspace.scratch);
	return Execute(workspace, entry.program);
}

} // namespace

Outcome Evaluate(std::string_view text)
{
	return Evaluate(text, true);
}

Outcome EvaluateUncached(std::string_view text)
{
	return Evaluate(text, false);
}

} // namespace surfax::expr
