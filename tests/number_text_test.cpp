#include "text/number_text.h"

#include "float_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr int32_t INVALID = std::numeric_limits<int32_t>::min();

using TextToInteger = std::pair<std::string_view, int32_t>;
using TextToReal = std::pair<std::string_view, double>;
using RealToInteger = std::pair<double, int32_t>;

// Expects read to give each case's second from its first.
template <typename In, typename Out, std::size_t N>
void ExpectEach(Out (*read)(In), const std::pair<In, Out> (&cases)[N]) {
    for (const auto& [given, expected] : cases) {
        EXPECT_EQ(read(given), expected) << given;
    }
}

TEST(FormatInteger, WritesPlainDecimalDigits) {
    EXPECT_EQ(FormatInteger(0), "0");
    EXPECT_EQ(FormatInteger(8), "8");
    EXPECT_EQ(FormatInteger(99), "99");
    EXPECT_EQ(FormatInteger(-5), "-5");
    EXPECT_EQ(FormatInteger(2147483647), "2147483647");
    EXPECT_EQ(FormatInteger(-2147483647 - 1), "-2147483648");
}

// Decimal text as strtoul reads it, wrapped like a 32-bit unsigned long, and the ampersand forms.
TEST(ParseInteger, ReadsDecimalAndAmpersandFormsAndWrapsLikeA32BitUnsignedLong) {
    const TextToInteger decimal[] = {
        {"", 0},    {"    ", 0}, {"abc", 0},   {"   42", 42}, {"42abc", 42}, {"-7", -7},
        {"+7", 7},  {"0x1A", 0}, {"1e2", 1},   {"2.5", 2},    {"\t10", 10},  {" \n\v\f\r 10", 10},
        {"+-1", 0}, {"- 1", 0},  {"123", 123},
    };
    const TextToInteger wrapped[] = {
        {"2147483647", 2147483647}, {"2147483648", INVALID},         {"4294967295", -1},
        {"4294967296", -1},         {"99999999999999999999999", -1}, {"-4294967295", 1},
        {"-2147483648", INVALID},   {"&H123456789", 0x23456789},     {"&HFFFFFFFF", -1},
    };
    const TextToInteger ampersand[] = {
        {"&HFF", 255}, {"&hff", 255}, {"&O17", 15},     {"  &o17", 15}, {"&17", 15},
        {" &17", 15},  {"&B101", 5},  {"   &b1012", 5}, {"&H", 0},      {"&9", 0},
        {"&H-1", 0},   {"  &HF", 15}, {"-&HF", 0},      {"\t&H10", 0},  {"&", 0},
    };
    ExpectEach(ParseInteger, decimal);
    ExpectEach(ParseInteger, wrapped);
    ExpectEach(ParseInteger, ampersand);
}

TEST(ParseReal, ReadsDecimalText) {
    const TextToReal cases[] = {
        {"2.5", 2.5},   {".5", 0.5},      {"5.", 5.0},        {"1e2", 100.0}, {"  1E+2", 100.0},
        {"1d2", 100.0}, {"  1D2", 100.0}, {"1e", 1.0},        {"1e+", 1.0},   {"25e-1x", 2.5},
        {"011", 11.0},  {"101", 101.0},   {"  -3.25", -3.25}, {"\t+7", 7.0},  {"0.1", 0.1},
    };
    ExpectEach(ParseReal, cases);
    EXPECT_EQ(ParseReal("123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(ParseReal, TextWithoutANumberIsZero) {
    for (const char* text : {"", "   ", "abc", ".", "-", "+.e1", "e5", "&", "-x"}) {
        EXPECT_EQ(Bits(ParseReal(text)), 0u) << text;
    }
    EXPECT_EQ(Bits(ParseReal("-0")), Bits(-0.0));
}

TEST(ParseReal, ReadsHexadecimalAndAmpersandForms) {
    const TextToReal cases[] = {
        {"0xd", 14.0},    {"0x1p4", 16.0},    {"  0X.8", 0.5}, {"0x1.8P-1", 0.75},
        {"0x", 0.0},      {"0xg", 0.0},       {"0x1p", 1.0},   {"&H10", 16.0},
        {"   &17", 15.0}, {"  &O777", 511.0}, {" &B11", 3.0},
    };
    ExpectEach(ParseReal, cases);
    EXPECT_EQ(ParseReal("&HFFFFFFFF"), 4294967295.0);
    EXPECT_EQ(ParseReal("&HFFFFFFFFFFFFFFFF"), -1.0);
    EXPECT_EQ(ParseReal("0x1fffffffffffff"), 9007199254740991.0);
    EXPECT_EQ(ParseReal("0x20000000000001"), 9007199254740992.0); // tie to even, down
    EXPECT_EQ(ParseReal("0x20000000000003"), 9007199254740996.0); // tie to even, up
    EXPECT_EQ(ParseReal("0x200000000000010000000000000001"), 0x1.0000000000001p+117);
    EXPECT_EQ(ParseReal("&H8000000000000000"), -9223372036854775808.0);
    EXPECT_EQ(ParseReal("&H7FFFFFFFFFFFFFFF"), 9223372036854775808.0);
    EXPECT_EQ(ParseReal("&H20000000000001"), 9007199254740992.0);
}

TEST(ParseReal, ReadsInfinityAndNotANumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const TextToReal cases[] = {
        {"inf", inf}, {"  INF", inf}, {"-Infinity", -inf}, {"1e400", inf}, {"in", 0.0}, {"na", 0.0},
    };
    ExpectEach(ParseReal, cases);
    EXPECT_EQ(ParseReal("-1e99999999999999999999"), -inf);
    EXPECT_TRUE(std::isnan(ParseReal("nan")));
    EXPECT_TRUE(std::isnan(ParseReal(" NaN(123)")));
    EXPECT_TRUE(std::signbit(ParseReal("-nan")));
}

TEST(ParseReal, RoundsAtTheEdgesOfTheDoubleRange) {
    const double max = std::numeric_limits<double>::max(),
                 inf = std::numeric_limits<double>::infinity();
    const double least = std::numeric_limits<double>::denorm_min();
    const double normal = std::numeric_limits<double>::min();
    const TextToReal decimal[] = {
        {"1.7976931348623157e308", max},     {"1.7976931348623158e308", max},
        {"2.2250738585072014e-308", normal}, {"4.9406564584124654e-324", least},
        {"2.4703282292062328e-324", least},  {"2.4703282292062327e-324", 0.0},
    };
    const TextToReal tiny[] = {
        {"1e-400", 0.0},        {"0x1p-1074", least}, {"0x1p-1075", 0.0},
        {"0x1.1p-1075", least}, {"0x1p1024", inf},
    };
    ExpectEach(ParseReal, decimal);
    ExpectEach(ParseReal, tiny);
    // Half an ulp above the largest double is 1.79769313486231580793728971405303415...e308.
    EXPECT_EQ(ParseReal("1.7976931348623158079372897140530341e308"), max);
    EXPECT_EQ(ParseReal("1.7976931348623158079372897140530342e308"), inf);
    EXPECT_EQ(Bits(ParseReal("-1e-400")), Bits(-0.0));
}

TEST(ParseReal, DecidesTiesByDigitsFarBehindTheFirst800) {
    // 2^53 + 1 is halfway between two doubles: exactly there it rounds to even, any nonzero
    // digit behind it, however far, rounds up.
    const std::string tie = "9007199254740993";
    EXPECT_EQ(ParseReal(tie), 9007199254740992.0);
    EXPECT_EQ(ParseReal(tie + "." + std::string(2000, '0')), 9007199254740992.0);
    EXPECT_EQ(ParseReal(tie + "." + std::string(2000, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(ParseReal(tie + std::string(1000, '0') + "1e-1001"), 9007199254740994.0);
    EXPECT_EQ(ParseReal("0." + std::string(5000, '0') + "1e5000"), 0.1);
    // Long texts whose exponent makes up for their length.
    EXPECT_EQ(ParseReal("1" + std::string(150000, '0') + "e-150000"), 1.0);
    EXPECT_EQ(ParseReal("0." + std::string(150000, '0') + "25e150001"), 2.5);
    EXPECT_EQ(ParseReal("0x1" + std::string(30000, '0') + "p-120000"), 1.0);
}

// Ties to even, and the lowest integer for what has no result.
TEST(RoundToInteger, RoundsTiesToEvenAndGivesTheLowestIntegerForWhatHasNoResult) {
    const double inf = std::numeric_limits<double>::infinity();
    const RealToInteger ties[] = {
        {1.5, 2},  {2.5, 2},  {3.5, 4},        {-2.5, -2},        {-3.5, -4},     {99.5, 100},
        {-0.5, 0}, {-0.0, 0}, {1e10, INVALID}, {-1e300, INVALID}, {inf, INVALID}, {-inf, INVALID},
    };
    const RealToInteger edges[] = {
        {2147483647.4, 2147483647}, {2147483647.5, INVALID},      {-2147483648.5, INVALID},
        {-2147483647.5, INVALID},   {-2147483646.5, -2147483646}, {2.4999999999999996, 2},
        {0.5000000000000001, 1},
    };
    ExpectEach(RoundToInteger, ties);
    ExpectEach(RoundToInteger, edges);
    EXPECT_EQ(RoundToInteger(std::numeric_limits<double>::quiet_NaN()), INVALID);
}

TEST(RoundToInteger, IgnoresTheCurrentRoundingMode) {
    InEveryRoundingMode([](int mode) {
        EXPECT_EQ(RoundToInteger(2.5), 2) << mode;
        EXPECT_EQ(RoundToInteger(2.6), 3) << mode;
        EXPECT_EQ(RoundToInteger(-2.6), -3) << mode;
        EXPECT_EQ(RoundToInteger(-1.5), -2) << mode;
        EXPECT_EQ(RoundToInteger(0.4), 0) << mode;
        EXPECT_EQ(ParseReal("0.1"), 0x1.999999999999ap-4) << mode;
        EXPECT_EQ(ParseReal("-0.1"), -0x1.999999999999ap-4) << mode;
        EXPECT_EQ(ParseReal("&H20000000000001"), 9007199254740992.0) << mode;
        EXPECT_EQ(ParseReal("&H20000000000003"), 9007199254740996.0) << mode;
    });
}

} // namespace
