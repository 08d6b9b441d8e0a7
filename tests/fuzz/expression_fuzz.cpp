// Feeds arbitrary bytes to the evaluator. Besides crashes and sanitizer reports it checks the contract:
// a result is a number or an error with an offset inside the text, and the cached path agrees with a fresh
// parse bit for bit. Each input is also evaluated a second time with its digits changed, so that the
// second call reuses the cached program of the first one's shape.
#include "host/expr/expression.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace
{

void Check(std::string_view text)
{
	const surfax::expr::Outcome cached = surfax::expr::Evaluate(text);
	const surfax::expr::Outcome fresh = surfax::expr::EvaluateUncached(text);
	if (cached.hasNumber == (cached.error != nullptr))
		std::abort();
	if (!cached.hasNumber && cached.offset > text.size())
		std::abort();
	if (cached.hasNumber != fresh.hasNumber || cached.error != fresh.error || cached.offset != fresh.offset)
		std::abort();
	if (std::memcmp(&cached.value, &fresh.value, sizeof(double)) != 0)
		std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	const std::string_view text(reinterpret_cast<const char*>(data), size);
	Check(text);
	std::string shifted(text);
	for (char& c : shifted)
		if (c >= '0' && c <= '8')
			++c;
	Check(shifted);
	return 0;
}
