// ParseReal must round correctly on many inputs and in both precisions of the x87 unit.
#include "text/number_text.h"

#include "float_helpers.h"
#include "number_reference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#if defined(_WIN32) && defined(__i386__)
#include <float.h>
#endif

namespace {

// SplitMix64: the inputs' own generator, independent of the program's random source.
struct InputRandom {
    uint64_t state;

    uint64_t Next() {
        uint64_t z = state += 0x9E3779B97F4A7C15u;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // Uniform in 0 .. limit - 1; the bias of the modulus is of no concern here.
    int64_t Below(int64_t limit) { return static_cast<int64_t>(Next() % uint64_t(limit)); }
};

// Exact decimal digits of odd x 2^exponent, written as "digits" or "digitse-k".
std::string ExactDecimal(uint64_t odd, int64_t exponent) {
    std::vector<uint32_t> limbs; // base 10^9, least significant first
    // limbs x factor + carry
    auto multiply = [&limbs](uint64_t factor, uint64_t carry) {
        for (uint32_t& limb : limbs) {
            const uint64_t product = limb * factor + carry;
            limb = static_cast<uint32_t>(product % 1000000000);
            carry = product / 1000000000;
        }
        for (; carry != 0; carry /= 1000000000) {
            limbs.push_back(static_cast<uint32_t>(carry % 1000000000));
        }
    };
    multiply(1, odd);
    // x 2^j = x 10^-j x 5^j when j is negative. The factors go in as products below 2^31, so that a
    // limb times one plus the carry stays below 2^64.
    uint32_t base = exponent >= 0 ? 2 : 5, factor = 1;
    for (int64_t left = exponent >= 0 ? exponent : -exponent; left > 0; --left) {
        if ((factor *= base) > 0x7FFFFFFF / 5 || left == 1) {
            multiply(std::exchange(factor, 1), 0);
        }
    }
    std::string digits = std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - 1; i-- > 0;) {
        const std::string limb = std::to_string(limbs[i]);
        digits += std::string(9 - limb.size(), '0') + limb;
    }
    return exponent >= 0 ? digits : digits + "e" + std::to_string(exponent);
}

// The decimal number just below digits, which does not end in zeros only.
std::string Decremented(std::string digits) {
    std::size_t i = digits.size();
    while (digits[--i] == '0') {
        digits[i] = '9';
    }
    --digits[i];
    return digits;
}

// A halfway point between two neighbouring doubles, with texts exactly on it and just off it.
struct HalfwayCase {
    uint64_t lowBits;
    std::string exact, above, below;
};

HalfwayCase RandomHalfwayCase(InputRandom& random) {
    uint64_t bits = random.Below(0x7FEFFFFFFFFFFFFF);
    if (random.Below(8) == 0) {
        bits &= 0x000FFFFFFFFFFFFF; // a subnormal
    }
    const uint64_t exponentField = bits >> 52;
    const uint64_t fraction = bits & 0x000FFFFFFFFFFFFF;
    const uint64_t mantissa = exponentField == 0 ? fraction : fraction | uint64_t{1} << 52;
    const int64_t exponent = exponentField == 0 ? -1074 : int64_t(exponentField) - 1075;
    // (2m + 1) x 2^(e - 1) lies halfway between m x 2^e and (m + 1) x 2^e.
    const std::string exact = ExactDecimal(2 * mantissa + 1, exponent - 1);
    const std::size_t mark = exact.find('e');
    const std::string digits = exact.substr(0, mark);
    const int64_t power = mark == std::string::npos ? 0 : std::stoll(exact.substr(mark + 1));
    // Now and then the text above runs far past the 768 digits that decide every halfway point.
    const int zeros =
        static_cast<int>(random.Below(16) == 0 ? 800 + random.Below(400) : random.Below(60));
    return {bits, exact,
            digits + std::string(zeros, '0') + "1e" + std::to_string(power - zeros - 1),
            Decremented(digits) + "9999e" + std::to_string(power - 4)};
}

// A decimal text in the forms a user or the generator may give: sign, digits, point, exponent.
std::string RandomDecimal(InputRandom& random) {
    static const char* const letters[] = {"e", "E", "d", "D"};
    std::string text;
    if (random.Below(4) == 0) {
        text += random.Below(2) == 0 ? "-" : "+";
    }
    const int64_t length = random.Below(8) == 0 ? 1 + random.Below(60) : 1 + random.Below(20);
    const int64_t point = random.Below(length + 4);
    for (int64_t i = 0; i < length; ++i) {
        if (i == point) {
            text += '.';
        }
        text += static_cast<char>('0' + random.Below(10));
    }
    const int64_t exponent = random.Below(680) - 350 - length;
    text += letters[random.Below(4)] + std::to_string(exponent);
    return text;
}

// Runs check in every precision the x87 unit may have while the program runs. Only 32-bit x86
// has a precision control; 64-bit code computes doubles in SSE registers alone.
void InEveryPrecision(const std::function<void()>& check) {
#if defined(_WIN32) && defined(__i386__)
    for (unsigned precision : {_PC_53, _PC_64}) {
        _controlfp(precision, _MCW_PC);
        // The probe sees whether long doubles now keep more than 53 bits.
        volatile long double one = 1.0L, tiny = 0x1p-60L;
        ASSERT_EQ((one + tiny) - one != 0.0L, precision == _PC_64);
        SCOPED_TRACE(precision == _PC_64 ? "64-bit mantissa" : "53-bit mantissa");
        check();
    }
#else
    check();
#endif
}

// Each literal's text read by ParseReal and by the compiler.
#define EXPECT_READ_AS_COMPILED(literal) EXPECT_EQ(ParseReal(#literal), literal)

TEST(ParseRealExactness, HardDecimalsMatchTheCompilersOwnConversion) {
    InEveryPrecision([] {
        EXPECT_READ_AS_COMPILED(873477938315393e9);
        EXPECT_READ_AS_COMPILED(9007199254740993.);
        EXPECT_READ_AS_COMPILED(2.2250738585072011e-308);
        EXPECT_READ_AS_COMPILED(2.2250738585072012e-308);
        EXPECT_READ_AS_COMPILED(1.00000000000000011102230246251565404236316680908203125);
        EXPECT_READ_AS_COMPILED(1.00000000000000011102230246251565404236316680908203124);
        EXPECT_READ_AS_COMPILED(7.038531e-26);
        EXPECT_READ_AS_COMPILED(8.988465674311580536566680e307);
        EXPECT_READ_AS_COMPILED(4.35679031077981e-304);
        EXPECT_READ_AS_COMPILED(0.500000000000000166533453693773481063544750213623046875);
        EXPECT_READ_AS_COMPILED(3.518437208883201171875e13);
        EXPECT_READ_AS_COMPILED(62.5364939768271845828);
        EXPECT_READ_AS_COMPILED(8.10109172351e-10);
        EXPECT_READ_AS_COMPILED(1.50000000000000011102230246251565404236316680908203125);
        EXPECT_READ_AS_COMPILED(9007199254740991.4999999999999999999999999999999995);
    });
}

TEST(ParseRealExactness, HalfwayPointsRoundToEvenAndNeighboursToTheNearerSide) {
    InEveryPrecision([] {
        InputRandom random{20261208};
        for (int i = 0; i < 20000; ++i) {
            const HalfwayCase c = RandomHalfwayCase(random);
            const uint64_t even = (c.lowBits & 1) == 0 ? c.lowBits : c.lowBits + 1;
            ASSERT_EQ(Bits(ParseReal(c.exact)), even) << c.exact;
            ASSERT_EQ(Bits(ParseReal(c.above)), c.lowBits + 1) << c.above;
            ASSERT_EQ(Bits(ParseReal(c.below)), c.lowBits) << c.below;
            ASSERT_EQ(Bits(ParseReal("-" + c.below)), c.lowBits | 1ull << 63) << c.below;
        }
    });
}

// The digest of ParseReal over the random decimals below, as glibc's correctly rounded strtod
// reads them; the native build checks every input against strtod and this digest alike.
constexpr uint64_t REFERENCE_DIGEST = 0x35c236ba4dc05a3fu;

TEST(ParseRealExactness, RandomDecimalsGiveTheCorrectlyRoundedResults) {
    InEveryPrecision([] {
        InputRandom random{1};
        uint64_t digest = 0xCBF29CE484222325u; // FNV-1a over the result bits
        for (int i = 0; i < 150000; ++i) {
            const std::string text = RandomDecimal(random);
            const uint64_t bits = Bits(ParseReal(text));
#ifndef _WIN32
            ASSERT_EQ(bits, Bits(std::strtod(AsStrtodText(text).c_str(), nullptr))) << text;
#endif
            for (int shift = 0; shift < 64; shift += 8) {
                digest = (digest ^ ((bits >> shift) & 0xFF)) * 0x100000001B3u;
            }
        }
        EXPECT_EQ(digest, REFERENCE_DIGEST) << std::hex << digest;
    });
}

} // namespace
