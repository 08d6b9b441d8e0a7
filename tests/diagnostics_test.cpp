// What the host's messages make of the texts they quote.
#include "host/core/diagnostics.h"

#include <gtest/gtest.h>

#include <string>

TEST(Diagnostics, QuotedTextsShowEveryByteAndStayShort)
{
	using surfax::core::QuoteInMessage;
	EXPECT_EQ(QuoteInMessage(std::string("a\0b", 3)), "a\\0b");
	EXPECT_EQ(QuoteInMessage("line\nnext\ttab\x1b\x7f"), "line\\nnext\\ttab\\x1b\\x7f");
	EXPECT_EQ(QuoteInMessage("caf\xc3\xa9 \xff"), "caf\xc3\xa9 \\xff");
	const std::string hundred(100, 'x');
	EXPECT_EQ(QuoteInMessage(hundred), hundred);
	EXPECT_EQ(QuoteInMessage(hundred + "y"), hundred + "... (101 bytes)");
	// A character is never cut in half: a two-byte letter across the limit goes as a whole.
	EXPECT_EQ(QuoteInMessage(std::string(99, 'x') + "\xc3\xa9"), std::string(99, 'x') + "... (101 bytes)");
}
