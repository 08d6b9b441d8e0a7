// Test support: skipping a test because a program it runs is missing, in words that the test scripts recognise.
//
// A test that runs a program from a Debian package checks for it with HasProgram and, when it is missing, skips with
// MissingPackageReason: "missing Debian package PACKAGE (PROGRAM)". scripts/test lists every skipped test with its
// reason at the end; under .ci/run a skip with this reason fails the run, because every package a test needs belongs
// in scripts/packages.sh. Skip for anything else (no network, say) with a reason in other words.
#ifndef SURFAX_TESTS_SUPPORT_MISSING_PACKAGE_H
#define SURFAX_TESTS_SUPPORT_MISSING_PACKAGE_H

#include <string>

namespace surfax::test
{
// Whether the shell finds the program (command -v).
bool HasProgram(const std::string& program);
// "missing Debian package PACKAGE (PROGRAM)", the reason to skip with when HasProgram(program) is false.
std::string MissingPackageReason(const std::string& package, const std::string& program);
} // namespace surfax::test

#endif
