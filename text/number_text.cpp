#include "text/number_text.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The white space of C's isspace in the "C" locale.
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of c as a digit of any radix up to 16, or 16 when it is none.
unsigned DigitValue(char c) {
    if (IsDigit(c)) {
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

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// string_view's substr is not used in this file: it can throw, which would bring the exception
// runtime into the program (see text/text.h).
std::string_view SkipLeadingSpaces(std::string_view s) {
    s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
    return s;
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

constexpr uint64_t SIGN_BIT = 0x8000000000000000u;
constexpr uint64_t INFINITY_BITS = 0x7FF0000000000000u;
constexpr uint64_t QUIET_NAN_BITS = 0x7FF8000000000000u;
constexpr int64_t MIN_LSB_EXPONENT = -1074; // weight of the lowest bit of a subnormal
// A written exponent saturates here: far beyond any text's length, so that a saturated exponent
// still decides alike, and far from overflowing the sums it goes into.
constexpr int64_t EXPONENT_LIMIT = 1000000000000000;
constexpr int64_t BINARY_EXPONENT_LIMIT = 100000; // far beyond any double's

double SignedZeroOrInfinity(bool negative, bool infinity) {
    return std::bit_cast<double>((negative ? SIGN_BIT : 0) | (infinity ? INFINITY_BITS : 0));
}

// The double nearest to magnitude x 2^exponent, where sticky says that the exact value lies a
// little above that; in integer arithmetic, so that a result that falls among the subnormals is
// rounded once. magnitude is not 0.
double RoundToDouble(uint64_t magnitude, int64_t exponent, bool sticky, bool negative) {
    const uint64_t sign = negative ? SIGN_BIT : 0;
    const int64_t width = std::bit_width(magnitude);
    const int64_t lsb = std::max(exponent + width - 53, MIN_LSB_EXPONENT);
    const int64_t drop = lsb - exponent;
    uint64_t mantissa;
    if (drop <= 0) {
        mantissa = magnitude << -drop;
    } else if (drop > 64) {
        mantissa = 0; // below half of the smallest subnormal
    } else {
        const uint64_t rest = drop == 64 ? magnitude : magnitude & ((uint64_t{1} << drop) - 1);
        const uint64_t half = uint64_t{1} << (drop - 1);
        mantissa = drop == 64 ? 0 : magnitude >> drop;
        if (rest > half || (rest == half && (sticky || (mantissa & 1) != 0))) {
            ++mantissa;
        }
    }
    if (lsb + 1074 >= 2047) {
        return SignedZeroOrInfinity(negative, true);
    }
    // A mantissa of 2^52 or more carries into the exponent field, which is what rounding up from
    // the largest subnormal or from 2^53 - 1 must do.
    const uint64_t bits = (static_cast<uint64_t>(lsb + 1074) << 52) + mantissa;
    return std::bit_cast<double>(sign | std::min(bits, INFINITY_BITS));
}

// The double nearest to value, whatever the floating-point unit's precision and rounding mode.
double IntegerToReal(int64_t value) {
    if (value == 0) {
        return 0.0;
    }
    const uint64_t magnitude =
        value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return RoundToDouble(magnitude, 0, false, value < 0);
}

// A forward reader over the text, where reading past the end yields a zero byte.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    char Peek(std::size_t ahead = 0) const {
        return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
    }
    void Skip(std::size_t count = 1) { position_ += count; }
    std::string_view Rest() const {
        const std::size_t start = std::min(position_, text_.size());
        return {text_.data() + start, text_.size() - start};
    }

    // Consumes word when the text continues with it in any mix of cases.
    bool TakeWord(std::string_view word) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (Lower(Peek(i)) != word[i]) {
                return false;
            }
        }
        Skip(word.size());
        return true;
    }

    // Reads an optionally signed decimal exponent after its letter, saturated at EXPONENT_LIMIT;
    // consumes nothing and gives 0 when no digit follows.
    int64_t TakeBinaryExponent() {
        std::size_t ahead = 1;
        bool negative = false;
        if (Peek(ahead) == '+' || Peek(ahead) == '-') {
            negative = Peek(ahead) == '-';
            ++ahead;
        }
        if (!IsDigit(Peek(ahead))) {
            return 0;
        }
        Skip(ahead);
        int64_t value = 0;
        for (; IsDigit(Peek()); Skip()) {
            value = std::min(value * 10 + (Peek() - '0'), EXPONENT_LIMIT);
        }
        return negative ? -value : value;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads a hexadecimal significand and binary exponent after "0x"; at least one digit follows.
double ReadHexadecimal(Cursor& cursor, bool negative) {
    uint64_t significand = 0;
    int64_t exponent = 0;
    bool sticky = false;
    bool seenPoint = false;
    for (;; cursor.Skip()) {
        const char c = cursor.Peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        const unsigned digit = DigitValue(c);
        if (digit >= 16) {
            break;
        }
        if (significand >> 60 == 0) {
            significand = significand * 16 + digit;
            exponent -= seenPoint ? 4 : 0;
        } else {
            sticky = sticky || digit != 0;
            exponent += seenPoint ? 0 : 4;
        }
    }
    if (cursor.Peek() == 'p' || cursor.Peek() == 'P') {
        exponent += cursor.TakeBinaryExponent();
    }
    if (significand == 0) {
        return SignedZeroOrInfinity(negative, false);
    }
    return RoundToDouble(significand,
                         std::clamp(exponent, -BINARY_EXPONENT_LIMIT, BINARY_EXPONENT_LIMIT),
                         sticky, negative);
}

// The longest prefix of s that strtod reads in the "C" locale (white space, sign, then a decimal
// or 0x hexadecimal significand with its exponent, inf, infinity, nan or nan(...)), converted to
// the nearest double; 0 when s does not start with a number. The decimal digits go to
// fast_float, which rounds correctly in integer arithmetic wherever the floating-point unit
// could not.
double ReadReal(std::string_view s) {
    Cursor cursor(s);
    while (IsCSpace(cursor.Peek())) {
        cursor.Skip();
    }
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Skip();
    }
    if (cursor.TakeWord("inf")) {
        return SignedZeroOrInfinity(negative, true);
    }
    if (cursor.TakeWord("nan")) {
        return std::bit_cast<double>((negative ? SIGN_BIT : 0) | QUIET_NAN_BITS);
    }
    const bool hexPrefix = cursor.Peek() == '0' && Lower(cursor.Peek(1)) == 'x';
    if (hexPrefix && (DigitValue(cursor.Peek(2)) < 16 ||
                      (cursor.Peek(2) == '.' && DigitValue(cursor.Peek(3)) < 16))) {
        cursor.Skip(2);
        return ReadHexadecimal(cursor, negative);
    }
    if (IsDigit(cursor.Peek()) || (cursor.Peek() == '.' && IsDigit(cursor.Peek(1)))) {
        const std::string_view digits = cursor.Rest();
        double magnitude = 0.0;
        fast_float::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        return negative ? -magnitude : magnitude;
    }
    return 0.0;
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
    for (; i < s.size() && IsDigit(s[i]); ++i) {
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
    text += std::string_view(digits + start, sizeof digits - start);
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
    Text copy;
    for (char c : s) {
        copy += c == 'd' ? 'e' : c == 'D' ? 'E' : c;
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
