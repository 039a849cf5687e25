#ifndef TESSORIN_TESTS_FLOAT_HELPERS_H
#define TESSORIN_TESTS_FLOAT_HELPERS_H

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>

// The bits of a double, so that results compare exactly, the sign of a zero included.
inline uint64_t Bits(double x) {
    return std::bit_cast<uint64_t>(x);
}

// Runs check(mode) in each of the four rounding modes, then restores the mode it found.
template <typename Check> void InEveryRoundingMode(Check check) {
    const int saved = std::fegetround();
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        EXPECT_EQ(std::fesetround(mode), 0) << mode;
        check(mode);
    }
    std::fesetround(saved);
}

#endif
