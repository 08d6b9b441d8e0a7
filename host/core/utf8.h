// UTF-8 validation shared by every writer that must emit well-formed text (JSON documents, glTF).
#ifndef SURFAX_HOST_CORE_UTF8_H
#define SURFAX_HOST_CORE_UTF8_H

#include <cstddef>
#include <string_view>

namespace surfax::core
{
/// Length of the well-formed UTF-8 sequence at the start of text (1 to 4), or 0 when it is not one: a stray
/// continuation byte, a truncated sequence, an overlong form, a surrogate or a code point beyond U+10FFFF, as JSON
/// readers check. An empty text gives 0.
std::size_t ValidUtf8Length(std::string_view text);
} // namespace surfax::core

#endif
