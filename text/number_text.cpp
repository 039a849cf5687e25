#include "text/number_text.h"

#include "text/exact_real.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool IsSpaceOnly(char c) {
    return c == ' ';
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The value of c as a digit of any radix up to 16, or 16 when it is none.
unsigned DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return 16;
}

std::string_view SkipLeadingSpaces(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsSpaceOnly(s[i])) {
        ++i;
    }
    return s.substr(i);
}

bool IsAmpersandNumber(std::string_view s) {
    return s.size() > 1 && s[0] == '&';
}

// Reads &H.., &O.., &B.. or &.. (octal) modulo 2^64; s starts with the ampersand.
uint64_t ReadAmpersandNumber(std::string_view s) {
    unsigned radix = 8;
    std::size_t i = 1;
    switch (s[1]) {
    case 'H':
    case 'h': radix = 16, i = 2; break;
    case 'O':
    case 'o': radix = 8, i = 2; break;
    case 'B':
    case 'b': radix = 2, i = 2; break;
    default: break;
    }
    uint64_t value = 0;
    for (; i < s.size(); ++i) {
        unsigned digit = DigitValue(s[i]);
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// Reads a decimal number the way strtoul does with base 10 and a 32-bit unsigned long.
uint32_t ReadUnsignedDecimal(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsCSpace(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    bool overflow = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        uint32_t digit = static_cast<uint32_t>(s[i] - '0');
        if (value > (std::numeric_limits<uint32_t>::max() - digit) / 10) {
            overflow = true;
        } else {
            value = value * 10 + digit;
        }
    }
    if (overflow) {
        return std::numeric_limits<uint32_t>::max();
    }
    return negative ? 0u - value : value;
}

} // namespace

Text FormatInteger(int32_t value) {
    char digits[11];
    int start = sizeof digits;
    uint32_t magnitude =
        value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[--start] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    Text text;
    if (value < 0) {
        text += '-';
    }
    text.append(digits + start, sizeof digits - start);
    return text;
}

int32_t ParseInteger(std::string_view s) {
    s = SkipLeadingSpaces(s);
    if (IsAmpersandNumber(s)) {
        return static_cast<int32_t>(static_cast<uint32_t>(ReadAmpersandNumber(s)));
    }
    return static_cast<int32_t>(ReadUnsignedDecimal(s));
}

double ParseReal(std::string_view s) {
    s = SkipLeadingSpaces(s);
    if (s.empty()) {
        return 0.0;
    }
    if (IsAmpersandNumber(s)) {
        return IntegerToReal(static_cast<int64_t>(ReadAmpersandNumber(s)));
    }
    Text copy(s);
    for (char& c : copy) {
        if (c == 'd') {
            c = 'e';
        } else if (c == 'D') {
            c = 'E';
        }
    }
    return ReadReal(copy);
}

int32_t RoundToInteger(double x) {
    constexpr int32_t invalid = std::numeric_limits<int32_t>::min();
    if (!(std::fabs(x) < 4611686018427387904.0)) { // NaN, infinities and |x| >= 2^62
        return invalid;
    }
    // The cast truncates whatever the rounding mode; the difference is exact.
    int64_t whole = static_cast<int64_t>(x);
    double fraction = x - static_cast<double>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
        ++whole;
    } else if (fraction < -0.5 || (fraction == -0.5 && whole % 2 != 0)) {
        --whole;
    }
    if (whole < std::numeric_limits<int32_t>::min() ||
        whole > std::numeric_limits<int32_t>::max()) {
        return invalid;
    }
    return static_cast<int32_t>(whole);
}
