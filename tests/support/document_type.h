// Test support: an object type with a description of every value kind (and a few value-less elements), registered
// in the host without a plug-in, for tests of documents and the dump.
#ifndef SURFAX_TESTS_SUPPORT_DOCUMENT_TYPE_H
#define SURFAX_TESTS_SUPPORT_DOCUMENT_TYPE_H

#include "c4d.h"

namespace surfax::test
{
constexpr cinema::Int32 kDocumentTestType = 1999001; // description name "otestdoc"

enum
{
	DOC_COUNT = 1001, // LONG, MIN 0, MAX 10
	DOC_MODE = 1002,  // LONG cycle: DOC_MODE_A = 0, DOC_MODE_C = 5
	DOC_MODE_A = 0,
	DOC_MODE_C = 5,
	DOC_SCALE = 1003,  // REAL
	DOC_FLAG = 1004,   // BOOL
	DOC_TEXT = 1005,   // STRING
	DOC_FILE = 1006,   // FILENAME
	DOC_OFFSET = 1007, // VECTOR
	DOC_TINT = 1008,   // COLOR
	DOC_RAMP = 1009,   // GRADIENT
	DOC_FONT = 1010,   // FONT
	DOC_PRESS = 1011,  // BUTTON
};

// Registers "otestdoc" (once; again after plug-in types were removed). Fails the test when it cannot.
void EnsureDocumentTestType();
} // namespace surfax::test

#endif
