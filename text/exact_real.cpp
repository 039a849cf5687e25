#include "text/exact_real.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr uint64_t SIGN_BIT = 0x8000000000000000u;
constexpr uint64_t INFINITY_BITS = 0x7FF0000000000000u;
constexpr uint64_t QUIET_NAN_BITS = 0x7FF8000000000000u;
constexpr int64_t MIN_LSB_EXPONENT = -1074; // weight of the lowest bit of a subnormal
// Written exponents saturate here: far beyond any text's length, so that a saturated exponent
// still decides alike, and far from overflowing the sums it goes into.
constexpr int64_t EXPONENT_LIMIT = 1000000000000000;
constexpr int64_t BINARY_EXPONENT_LIMIT = 100000; // far beyond any double's

// Significant decimal digits kept; a halfway point between two doubles never needs more than 767.
constexpr std::size_t MAX_DECIMAL_DIGITS = 800;

double FromBits(uint64_t bits) {
    return std::bit_cast<double>(bits);
}

// The double nearest to magnitude x 2^exponent, where sticky says that the exact value lies a
// little above that. magnitude is not 0.
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
        return FromBits(sign | INFINITY_BITS);
    }
    // A mantissa of 2^52 or more carries into the exponent field, which is what rounding up from
    // the largest subnormal or from 2^53 - 1 must do.
    const uint64_t bits = (static_cast<uint64_t>(lsb + 1074) << 52) + mantissa;
    return FromBits(sign | std::min(bits, INFINITY_BITS));
}

// An unsigned integer of any size, in 32-bit limbs, least significant first.
class BigNumber {
  public:
    explicit BigNumber(uint32_t value) : limbs_{value} { Trim(); }

    void MultiplyAdd(uint32_t factor, uint32_t addend) {
        uint64_t carry = addend;
        for (uint32_t& limb : limbs_) {
            uint64_t product = uint64_t{limb} * factor + carry;
            limb = static_cast<uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<uint32_t>(carry));
        }
        Trim();
    }

    void MultiplyByPowerOfTen(int64_t power) {
        for (; power >= 9; power -= 9) {
            MultiplyAdd(1000000000, 0);
        }
        for (; power > 0; --power) {
            MultiplyAdd(10, 0);
        }
    }

    void ShiftLeft(int64_t bits) {
        if (limbs_.empty() || bits == 0) {
            return;
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
        const int partial = static_cast<int>(bits % 32);
        if (partial != 0) {
            uint32_t carry = 0;
            for (uint32_t& limb : limbs_) {
                uint32_t next = limb >> (32 - partial);
                limb = (limb << partial) | carry;
                carry = next;
            }
            if (carry != 0) {
                limbs_.push_back(carry);
            }
        }
    }

    void ShiftRightOne() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0;
            limbs_[i] = (limbs_[i] >> 1) | high;
        }
        Trim();
    }

    int64_t BitWidth() const {
        return limbs_.empty()
                   ? 0
                   : 32 * static_cast<int64_t>(limbs_.size() - 1) + std::bit_width(limbs_.back());
    }

    bool IsZero() const { return limbs_.empty(); }

    // -1, 0 or 1 as this is below, equal to or above other.
    int Compare(const BigNumber& other) const {
        if (limbs_.size() != other.limbs_.size()) {
            return limbs_.size() < other.limbs_.size() ? -1 : 1;
        }
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            if (limbs_[i] != other.limbs_[i]) {
                return limbs_[i] < other.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

    // Subtracts other, which is not larger than this.
    void Subtract(const BigNumber& other) {
        uint64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            uint64_t subtrahend = (i < other.limbs_.size() ? other.limbs_[i] : 0u) + borrow;
            borrow = limbs_[i] < subtrahend ? 1 : 0;
            limbs_[i] =
                static_cast<uint32_t>((uint64_t{1} << 32) * borrow + limbs_[i] - subtrahend);
        }
        Trim();
    }

  private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }

    std::vector<uint32_t> limbs_;
};

// The nearest double to digits x 10^exponent, where digits holds decimal digits without leading
// zeros.
double DecimalToDouble(const std::string& digits, int64_t exponent, bool negative) {
    const int64_t magnitude = static_cast<int64_t>(digits.size()) + exponent;
    if (digits.empty() || magnitude < -330) { // below 10^-330, far under half the least subnormal
        return FromBits(negative ? SIGN_BIT : 0);
    }
    if (magnitude > 310) { // at least 10^309, above the largest double
        return FromBits((negative ? SIGN_BIT : 0) | INFINITY_BITS);
    }
    if (exponent >= 0 && magnitude <= 19) { // an integer below 10^19: exact in 64 bits
        uint64_t value = 0;
        for (char digit : digits) {
            value = value * 10 + static_cast<uint64_t>(digit - '0');
        }
        for (int64_t i = 0; i < exponent; ++i) {
            value *= 10;
        }
        return RoundToDouble(value, 0, false, negative);
    }
    BigNumber numerator(0);
    for (char digit : digits) {
        numerator.MultiplyAdd(10, static_cast<uint32_t>(digit - '0'));
    }
    BigNumber denominator(1);
    if (exponent >= 0) {
        numerator.MultiplyByPowerOfTen(exponent);
    } else {
        denominator.MultiplyByPowerOfTen(-exponent);
    }
    // Scale so that the quotient has 63 or 64 bits: enough to round to 53 with the remainder as
    // sticky bit.
    const int64_t shift = 63 + denominator.BitWidth() - numerator.BitWidth();
    if (shift >= 0) {
        numerator.ShiftLeft(shift);
    } else {
        denominator.ShiftLeft(-shift);
    }
    denominator.ShiftLeft(63);
    uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (numerator.Compare(denominator) >= 0) {
            numerator.Subtract(denominator);
            quotient |= uint64_t{1} << bit;
        }
        denominator.ShiftRightOne();
    }
    return RoundToDouble(quotient, -shift, !numerator.IsZero(), negative);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A forward reader over the text, where reading past the end yields a zero byte.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    char Peek(std::size_t ahead = 0) const {
        return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
    }
    void Skip(std::size_t count = 1) { position_ += count; }

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
    int64_t TakeExponent() {
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
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            break;
        }
        if (significand >> 60 == 0) {
            significand = significand * 16 + static_cast<uint64_t>(digit);
            exponent -= seenPoint ? 4 : 0;
        } else {
            sticky = sticky || digit != 0;
            exponent += seenPoint ? 0 : 4;
        }
    }
    if (cursor.Peek() == 'p' || cursor.Peek() == 'P') {
        exponent += cursor.TakeExponent();
    }
    if (significand == 0) {
        return FromBits(negative ? SIGN_BIT : 0);
    }
    return RoundToDouble(significand,
                         std::clamp(exponent, -BINARY_EXPONENT_LIMIT, BINARY_EXPONENT_LIMIT),
                         sticky, negative);
}

// Reads a decimal significand and exponent; the cursor stands on a digit, or on a full stop
// followed by a digit.
double ReadDecimal(Cursor& cursor, bool negative) {
    std::string digits;
    int64_t exponent = 0;
    bool sticky = false;
    bool seenPoint = false;
    for (;; cursor.Skip()) {
        const char c = cursor.Peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        if (digits.empty() && c == '0') {
            exponent -= seenPoint ? 1 : 0;
        } else if (digits.size() < MAX_DECIMAL_DIGITS) {
            digits += c;
            exponent -= seenPoint ? 1 : 0;
        } else {
            sticky = sticky || c != '0';
            exponent += seenPoint ? 0 : 1;
        }
    }
    if (sticky) {
        // Any digit between the last kept one and the next halfway point decides alike.
        digits += '1';
        --exponent;
    }
    if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
        exponent += cursor.TakeExponent();
    }
    return DecimalToDouble(digits, exponent, negative);
}

} // namespace

double IntegerToReal(int64_t value) {
    if (value == 0) {
        return 0.0;
    }
    const uint64_t magnitude =
        value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return RoundToDouble(magnitude, 0, false, value < 0);
}

double ReadReal(std::string_view s) {
    Cursor cursor(s);
    while (cursor.Peek() == ' ' || (cursor.Peek() >= '\t' && cursor.Peek() <= '\r')) {
        cursor.Skip();
    }
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Skip();
    }
    if (cursor.TakeWord("inf")) {
        return FromBits((negative ? SIGN_BIT : 0) | INFINITY_BITS);
    }
    if (cursor.TakeWord("nan")) {
        return FromBits((negative ? SIGN_BIT : 0) | QUIET_NAN_BITS);
    }
    const bool hexPrefix = cursor.Peek() == '0' && Lower(cursor.Peek(1)) == 'x';
    if (hexPrefix && (HexDigitValue(cursor.Peek(2)) >= 0 ||
                      (cursor.Peek(2) == '.' && HexDigitValue(cursor.Peek(3)) >= 0))) {
        cursor.Skip(2);
        return ReadHexadecimal(cursor, negative);
    }
    if (IsDigit(cursor.Peek()) || (cursor.Peek() == '.' && IsDigit(cursor.Peek(1)))) {
        return ReadDecimal(cursor, negative);
    }
    return 0.0;
}
