#ifndef TESSORIN_TEXT_EXACT_REAL_H
#define TESSORIN_TEXT_EXACT_REAL_H

#include <cstdint>
#include <string_view>

// Conversions to double that use integer arithmetic only, so that their results are correctly
// rounded (nearest, ties to even) whatever the floating-point unit's precision and rounding mode.

// The double nearest to value.
double IntegerToReal(int64_t value);

// The longest prefix of s that strtod reads in the "C" locale (white space, sign, decimal or 0x
// hexadecimal significand with exponent, inf, infinity, nan, nan(...)), converted to the nearest
// double; 0 when s does not start with a number.
double ReadReal(std::string_view s);

#endif
