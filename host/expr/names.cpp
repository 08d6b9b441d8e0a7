#include "host/expr/tokens.h"

#include <array>

namespace surfax::expr
{
namespace
{

// Names are packed into one little-endian 64-bit word each so a lookup is a handful of integer compares.
constexpr std::uint64_t PackName(const char* name)
{
	std::uint64_t packed = 0;
	for (std::size_t i = 0; name[i] != 0; ++i)
		packed |= std::uint64_t(std::uint8_t(name[i])) << (8 * i);
	return packed;
}

struct PackedName
{
	std::uint64_t packed;
	std::uint8_t token;
};

constexpr std::size_t kNameCount = kFunctionCount + kConstantCount + 2;

constexpr std::array<PackedName, kNameCount> BuildNameTable()
{
	std::array<PackedName, kNameCount> table{};
	std::size_t n = 0;
	for (std::uint8_t i = 0; i < kFunctionCount; ++i)
		table[n++] = {PackName(kFunctions[i].name), std::uint8_t(kTokenFirstFunction + i)};
	for (std::uint8_t i = 0; i < kConstantCount; ++i)
		table[n++] = {PackName(kConstants[i].name), std::uint8_t(kTokenFirstConstant + i)};
	table[n++] = {PackName("and"), kTokenAnd};
	table[n++] = {PackName("or"), kTokenOr};
	return table;
}

constexpr std::array<PackedName, kNameCount> kNameTable = BuildNameTable();

} // namespace

std::uint8_t LookUpName(const char* text, std::size_t length)
{
	if (length == 0 || length > kMaxNameLength)
		return kTokenEnd;
	std::uint64_t packed = 0;
	for (std::size_t i = 0; i < length; ++i)
	{
		std::uint8_t c = std::uint8_t(text[i]);
		if (c >= 'A' && c <= 'Z')
			c = std::uint8_t(c - 'A' + 'a');
		packed |= std::uint64_t(c) << (8 * i);
	}
	for (const PackedName& name : kNameTable)
		if (name.packed == packed)
			return name.token;
	return kTokenEnd;
}

} // namespace surfax::expr
