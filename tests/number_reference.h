#ifndef TESSORIN_TESTS_NUMBER_REFERENCE_H
#define TESSORIN_TESTS_NUMBER_REFERENCE_H

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// The integer reader's rules written apart from the program: the C library's strtoull for the
// decimal grammar, plain integer arithmetic for the ampersand forms.

// What strtod reads: the same text with the exponent letter d as e.
inline std::string AsStrtodText(std::string text) {
    for (char& c : text) {
        c = c == 'd' ? 'e' : c == 'D' ? 'E' : c;
    }
    return text;
}

inline std::string SkipSpaces(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// The value of the digits after an ampersand prefix, modulo 2^64.
inline uint64_t AmpersandValue(const std::string& rest) {
    static const char digits[] = "0123456789abcdef";
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[1])));
    const unsigned radix = letter == 'h' ? 16 : letter == 'b' ? 2 : 8;
    const std::size_t start = (letter == 'h' || letter == 'o' || letter == 'b') ? 2 : 1;
    uint64_t value = 0; // wraps modulo 2^64
    for (std::size_t i = start; i < rest.size(); ++i) {
        const char* found = std::strchr(digits, std::tolower(static_cast<unsigned char>(rest[i])));
        if (rest[i] == '\0' || found == nullptr || unsigned(found - digits) >= radix) {
            break;
        }
        value = value * radix + unsigned(found - digits);
    }
    return value;
}

// strtoul with base 10 as a 32-bit unsigned long reads it.
inline uint32_t DecimalValue(const std::string& rest) {
    const char* start = rest.c_str();
    while (std::isspace(static_cast<unsigned char>(*start))) {
        ++start;
    }
    errno = 0;
    const unsigned long long wide = std::strtoull(start, nullptr, 10);
    const bool negative = *start == '-';
    const unsigned long long magnitude = negative ? 0 - wide : wide;
    if (errno == ERANGE || magnitude > 0xFFFFFFFFull) {
        return 0xFFFFFFFFu;
    }
    return negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
}

// What ParseInteger gives: leading spaces skipped, then an ampersand form or strtoul's decimal
// reading.
inline int32_t ReferenceInteger(const std::string& text) {
    const std::string rest = SkipSpaces(text);
    if (rest.size() > 1 && rest[0] == '&') {
        return static_cast<int32_t>(static_cast<uint32_t>(AmpersandValue(rest)));
    }
    return static_cast<int32_t>(DecimalValue(rest));
}

#endif
