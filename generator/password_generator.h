#ifndef TESSORIN_GENERATOR_PASSWORD_GENERATOR_H
#define TESSORIN_GENERATOR_PASSWORD_GENERATOR_H

#include "text/fixed_text.h"

#include <cstdint>

inline constexpr char LOWER_SET[] = "abcdefghijklmnopqrstuvwxyz";
inline constexpr char UPPER_SET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr char DIGIT_SET[] = "1234567890";

// The three flags written as decimal digits, joined and read back as a number: 100 x lower +
// 10 x upper + digits for flags of 0 and 1.
int32_t CharsetSelector(int32_t lower, int32_t upper, int32_t digits);

// The characters a password of this selector is drawn from; empty for a selector of no pool.
Text CharacterPool(int32_t selector);

// A password of min(length, 99) characters, each drawn uniformly from the pool of the flags with
// one NextUniform per requested character. Empty, without a draw, when no pool is chosen.
Text GeneratePassword(int32_t length, int32_t lower, int32_t upper, int32_t digits);

#endif
