// Are the passwords uniform? Chi-square tests over millions of characters at fixed seeds, with
// bounds that a real fault (a character missing or doubled, a lost position) clearly exceeds.
#include "generator/password_generator.h"
#include "generator/random_source.h"

#include "class_sets.h"
#include "standard_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int PASSWORD_LENGTH = 99;
constexpr int PASSWORDS_PER_POOL = 10102; // a little over a million characters

// The characters of many passwords, as positions in the pool of their flags.
std::vector<int> DrawPositions(const Flags& flags, double seed) {
    const std::string pool = PoolOf(flags);
    SeedRandom(seed);
    std::vector<int> positions;
    for (int i = 0; i < PASSWORDS_PER_POOL; ++i) {
        const Text password =
            GeneratePassword(PASSWORD_LENGTH, flags.lower, flags.upper, flags.digits);
        for (char c : std::string_view(password)) {
            positions.push_back(static_cast<int>(pool.find(c)));
        }
    }
    return positions;
}

double ChiSquare(const std::vector<long>& counts, double expected) {
    double sum = 0;
    for (long count : counts) {
        sum += (count - expected) * (count - expected) / expected;
    }
    return sum;
}

// Chi-square of the character frequencies; a position outside the pool counts as a fault.
double FrequencyChiSquare(const std::vector<int>& positions, int n) {
    std::vector<long> counts(n, 0);
    for (int position : positions) {
        if (position < 0 || position >= n) {
            return INFINITY;
        }
        ++counts[position];
    }
    return ChiSquare(counts, static_cast<double>(positions.size()) / n);
}

// Chi-square of the non-overlapping pairs of successive characters.
double PairChiSquare(const std::vector<int>& positions, int n) {
    std::vector<long> counts(n * n, 0);
    for (std::size_t i = 0; i + 1 < positions.size(); i += 2) {
        ++counts[positions[i] * n + positions[i + 1]];
    }
    return ChiSquare(counts, static_cast<double>(positions.size() / 2) / (n * n));
}

// Six standard deviations above the mean of a chi-square with these degrees of freedom: a sound
// generator stays below it except with a chance of about one in a billion.
double Bound(int degrees) {
    return degrees + 6 * std::sqrt(2.0 * degrees);
}

TEST(PasswordStatistics, CharactersAndPairsAreUniformInEveryPool) {
    for (const Flags& flags : ALL_FLAGS) {
        const std::string pool = PoolOf(flags);
        const int n = static_cast<int>(pool.size());
        const std::vector<int> positions = DrawPositions(flags, 1000 + (&flags - ALL_FLAGS));
        ASSERT_EQ(positions.size(), std::size_t{PASSWORD_LENGTH} * PASSWORDS_PER_POOL);
        const double single = FrequencyChiSquare(positions, n);
        const double pairs = PairChiSquare(positions, n);
        std::printf("pool of %2d: chi-square %8.1f (%d degrees, bound %.1f), pairs %9.1f "
                    "(%d degrees, bound %.1f)\n",
                    n, single, n - 1, Bound(n - 1), pairs, n * n - 1, Bound(n * n - 1));
        EXPECT_LT(single, Bound(n - 1)) << pool;
        EXPECT_LT(pairs, Bound(n * n - 1)) << pool;
    }
}

// A check of this test's own bounds, on made-up faults in real draws.
TEST(PasswordStatistics, TheTestsBoundsRejectTheFaultsTheyAreThereFor) {
    const int n = 62;
    const std::vector<int> positions = DrawPositions({1, 1, 1}, 7);

    std::vector<int> doubled = positions;  // 'b' stands where 'a' should: one missing, one twice
    std::vector<int> lost;                 // the last character never drawn, as an index off by one
    std::vector<int> repeated = positions; // every second character repeats the one before
    for (std::size_t i = 0; i < positions.size(); ++i) {
        doubled[i] = positions[i] == 0 ? 1 : positions[i];
        if (positions[i] != n - 1) {
            lost.push_back(positions[i]);
        }
        if (i % 2 == 1 && i % 200 == 1) {
            repeated[i] = repeated[i - 1];
        }
    }
    EXPECT_GT(FrequencyChiSquare(doubled, n), Bound(n - 1));
    EXPECT_GT(FrequencyChiSquare(lost, n), Bound(n - 1));
    EXPECT_GT(PairChiSquare(repeated, n), Bound(n * n - 1));
    EXPECT_LT(FrequencyChiSquare(repeated, n), Bound(n - 1)) << "only the pair test sees this";
}

// Every pool position takes the outputs from ceil(k 2^32 / n) up to ceil((k + 1) 2^32 / n) - 1,
// so no position gets more than one output more than another: the least bias a 32-bit draw allows.
TEST(PasswordStatistics, EveryPositionGetsAnEqualShareOfTheOutputs) {
    for (const Flags& flags : ALL_FLAGS) {
        const std::string pool = PoolOf(flags);
        const uint64_t n = pool.size();
        std::vector<uint32_t> outputs;
        std::string expected;
        for (uint64_t k = 0; k < n; ++k) {
            outputs.push_back(static_cast<uint32_t>(((k << 32) + n - 1) / n));
            outputs.push_back(static_cast<uint32_t>((((k + 1) << 32) + n - 1) / n - 1));
            expected += std::string(2, pool[k]);
        }
        for (std::size_t start = 0; start < outputs.size(); start += 98) {
            const std::vector<uint32_t> part(
                outputs.begin() + start, outputs.begin() + std::min(start + 98, outputs.size()));
            PlanDraws(part);
            EXPECT_EQ(GeneratePassword(static_cast<int>(part.size()), flags.lower, flags.upper,
                                       flags.digits),
                      expected.substr(start, part.size()))
                << pool;
        }
    }
}

} // namespace
