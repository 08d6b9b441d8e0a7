// Test support: whether the test binary was built with AddressSanitizer (scripts/test --sanitize). Tests that run a
// program under valgrind or under a memory cap skip then: the sanitizer reserves huge address ranges and does not run
// under valgrind.
#ifndef SURFAX_TESTS_SUPPORT_SANITIZERS_H
#define SURFAX_TESTS_SUPPORT_SANITIZERS_H

namespace surfax::test
{
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kBuiltWithAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kBuiltWithAddressSanitizer = true;
#else
inline constexpr bool kBuiltWithAddressSanitizer = false;
#endif
#else
inline constexpr bool kBuiltWithAddressSanitizer = false;
#endif
} // namespace surfax::test

#endif
