#ifndef TESSORIN_TEXT_NUMBER_TEXT_H
#define TESSORIN_TEXT_NUMBER_TEXT_H

#include "text/fixed_text.h"

#include <cstdint>
#include <string_view>

// Decimal digits with a leading hyphen-minus when negative; nothing else.
Text FormatInteger(int32_t value);

// Reads an integer after leading spaces: &H, &O, &B or & followed by digits of that radix, or
// else a decimal number as strtoul reads it, in 32-bit arithmetic. Text without a number is 0.
int32_t ParseInteger(std::string_view s);

// Reads a real after leading spaces: the ampersand forms as ParseInteger, in 64-bit arithmetic,
// or else the longest prefix that strtod would read (letters d and D standing for e and E), with
// the full stop as decimal point. Correctly rounded, whatever the floating-point unit's precision
// and rounding mode. Text without a number is 0.
double ParseReal(std::string_view s);

// The nearest 32-bit integer, ties to even, whatever the rounding mode; -2147483648 for a NaN, an
// infinity or a result out of range.
int32_t RoundToInteger(double x);

#endif
