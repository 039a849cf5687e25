#ifndef TESSORIN_TESTS_CLASS_SETS_H
#define TESSORIN_TESTS_CLASS_SETS_H

#include <string>

// The three character classes in the order in which a pool holds them, written out here so that
// no test takes them from the program.
inline const std::string LOWER = "abcdefghijklmnopqrstuvwxyz";
inline const std::string UPPER = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline const std::string DIGITS = "1234567890";

struct Flags {
    int lower, upper, digits;
};

// The seven ticks of the three classes that give a pool.
inline const Flags ALL_FLAGS[] = {{1, 1, 1}, {1, 1, 0}, {1, 0, 1}, {1, 0, 0},
                                  {0, 1, 1}, {0, 1, 0}, {0, 0, 1}};

// The pool of the ticked classes: lower-case letters, then upper-case letters, then digits.
inline std::string PoolOf(const Flags& flags) {
    return (flags.lower != 0 ? LOWER : "") + (flags.upper != 0 ? UPPER : "") +
           (flags.digits != 0 ? DIGITS : "");
}

// Whether every character of text is one of pool's.
inline bool DrawnFrom(const std::string& text, const std::string& pool) {
    return text.find_first_not_of(pool) == std::string::npos;
}

#endif
