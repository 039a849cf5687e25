#ifndef TESSORIN_TESTS_CLASS_SETS_H
#define TESSORIN_TESTS_CLASS_SETS_H

#include <string>

// The three character classes in the order in which a pool holds them, written out here so that
// no test takes them from the program.
inline const std::string LOWER = "abcdefghijklmnopqrstuvwxyz";
inline const std::string UPPER = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline const std::string DIGITS = "1234567890";

// The pool of the ticked classes: lower-case letters, then upper-case letters, then digits.
inline std::string PoolOf(int lower, int upper, int digits) {
    return (lower != 0 ? LOWER : "") + (upper != 0 ? UPPER : "") + (digits != 0 ? DIGITS : "");
}

#endif
