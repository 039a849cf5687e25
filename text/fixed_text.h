#ifndef TESSORIN_TEXT_FIXED_TEXT_H
#define TESSORIN_TEXT_FIXED_TEXT_H

#include "text/text.h"

#include <cstdint>
#include <string_view>

inline constexpr int FIXED_TEXT_SIZE = 100;
inline constexpr int FIXED_TEXT_CAPACITY = FIXED_TEXT_SIZE - 1;

// A zero-terminated text of at most 99 characters in exactly 100 bytes. Every write through
// AssignFixed or AppendFixed leaves zeros in all bytes behind the text.
struct FixedText {
    char bytes[FIXED_TEXT_SIZE] = {};

    // The text: the bytes before the first zero byte, at most 99 of them.
    operator std::string_view() const noexcept;
};

// Replaces dst with the first 99 characters of src; the rest is dropped.
void AssignFixed(FixedText& dst, std::string_view src);

// Adds as much of src to the end of dst as fits within 99 characters; the rest is dropped.
void AppendFixed(FixedText& dst, std::string_view src);

// Sets all 100 bytes to zero through volatile writes, which the compiler keeps even where the
// buffer is not read again: for buffers that held a password.
void WipeFixed(FixedText& buffer);

Text ConcatText(std::string_view a, std::string_view b);

inline int32_t TextLength(std::string_view s) {
    return static_cast<int32_t>(s.size());
}

// Characters start .. start + count - 1 of s, 1-based, cut at the end of s. A negative count
// takes everything to the end; a start outside 1 .. length gives the empty text.
Text MidText(std::string_view s, int32_t start, int32_t count);

// The arguments after the program name, joined by single spaces.
Text CommandLineText(int argumentCount, const char* const* arguments);

#endif
