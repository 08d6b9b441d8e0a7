#include "host/core/utf8.h"

#include <cstdint>

namespace surfax::core
{
std::size_t ValidUtf8Length(std::string_view text)
{
	const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
	std::size_t length = 0;
	std::uint32_t codePoint = 0;
	if (text.empty())
		return 0;
	const unsigned char lead = byte(0);
	if (lead < 0x80)
		return 1;
	if (lead >= 0xC2 && lead <= 0xDF)
	{
		length = 2;
		codePoint = lead & 0x1Fu;
	}
	else if (lead >= 0xE0 && lead <= 0xEF)
	{
		length = 3;
		codePoint = lead & 0x0Fu;
	}
	else if (lead >= 0xF0 && lead <= 0xF4)
	{
		length = 4;
		codePoint = lead & 0x07u;
	}
	else
	{
		return 0;
	}
	if (text.size() < length)
		return 0;
	for (std::size_t i = 1; i < length; ++i)
	{
		if ((byte(i) & 0xC0u) != 0x80u)
			return 0;
		codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
	}
	const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
	const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
	if (overlong || surrogate || codePoint > 0x10FFFF)
		return 0;
	return length;
}
} // namespace surfax::core
