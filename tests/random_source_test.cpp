#include "generator/random_source.h"

#include "float_helpers.h"
#include "standard_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

// Known answers of the rule for seed 0: words 0 to 3 are 0, 1013904223, 1196435762 and
// 3519870697; the test's own rule gives all 624, for every seed.
TEST(RandomSource, SeedingFillsTheStateWithItsOwnLinearRule) {
    EXPECT_EQ(LinearWords(0)[3], 3519870697u);
    for (const double seed : {0.0, 12345.0, 4294967295.0}) {
        SeedRandom(seed + 1);
        SeedRandom(seed);
        const auto words = LinearWords(static_cast<uint32_t>(seed));
        EXPECT_TRUE(std::equal(words.begin(), words.end(), randomState.words)) << seed;
        EXPECT_EQ(randomState.position, RANDOM_STATE_WORDS);
        EXPECT_TRUE(randomState.seeded);
    }
}

// Known answers: MT19937's generation and tempering after the seeding rule above.
TEST(RandomSource, SeedZeroGivesItsKnownOutputs) {
    SeedRandom(0);
    EXPECT_EQ(NextUniform(), 1417766733 / 4294967296.0);
    EXPECT_NEAR(NextUniform(), 0.3290384791325778, 1e-16);
    EXPECT_EQ(NextOutput(), 2286996103u);
    for (int draw = 4; draw <= 624; ++draw) {
        NextUniform();
    }
    // The 625th to 627th outputs come from the second regeneration.
    EXPECT_EQ(NextOutput(), 1968666426u);
    EXPECT_EQ(NextOutput(), 378794928u);
    EXPECT_EQ(NextOutput(), 1752324490u);
    // A source that was never seeded seeds itself with 0 before its first draw.
    randomState = RandomState{};
    EXPECT_EQ(NextOutput(), 1417766733u);
    EXPECT_TRUE(randomState.seeded);
}

TEST(RandomSource, OutputsMatchTheStandardMt19937FromTheSameWords) {
    SeedRandom(987654321);
    std::mt19937 engine = StandardEngineFromSeed(987654321);
    for (int draw = 1; draw <= 5000; ++draw) {
        ASSERT_EQ(NextOutput(), engine()) << "draw " << draw;
    }
}

TEST(RandomSource, SeedsAreTruncatedTowardZeroAndKeepTheirLow32Bits) {
    InEveryRoundingMode([](int mode) {
        SeedRandom(12345.9);
        EXPECT_EQ(randomState.words[0], 12345u) << mode;
        SeedRandom(-1.9);
        EXPECT_EQ(randomState.words[0], 0xFFFFFFFFu) << mode;
    });
    // Known answers of seed 12345, which 12345.9 gives too.
    SeedRandom(12345.9);
    EXPECT_EQ(NextOutput(), 214456958u);
    EXPECT_EQ(NextOutput(), 1679725369u);
    EXPECT_EQ(NextOutput(), 1766403005u);
    // Whole seeds keep their low 32 bits; those out of range act as zero.
    SeedRandom(4294967296.0 + 5);
    EXPECT_EQ(randomState.words[0], 5u);
    SeedRandom(-4294967296.0 * 3);
    EXPECT_EQ(randomState.words[0], 0u);
    SeedRandom(9223372036854774784.0); // the largest double below 2^63
    EXPECT_EQ(randomState.words[0], 0xFFFFFC00u);
    for (double seed :
         {9223372036854775808.0, -9223372036854775808.0, 1e300,
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        randomState.words[0] = 7;
        SeedRandom(seed);
        EXPECT_EQ(randomState.words[0], 0u) << seed;
        EXPECT_EQ(randomState.words[1], 1013904223u) << seed;
    }
}

TEST(RandomSource, AWholeStateIsTakenAsItIsAndAStateOfZerosIsRefused) {
    uint32_t words[RANDOM_STATE_WORDS] = {};
    SeedRandom(5);
    EXPECT_FALSE(SeedRandomWords(words));
    words[0] = 0x7FFFFFFF; // bits that MT19937 never uses
    EXPECT_FALSE(SeedRandomWords(words));
    EXPECT_EQ(randomState.words[0], 5u);

    // The least states MT19937 can use, and a state of the test's own, each taken whole.
    uint32_t accepted[3][RANDOM_STATE_WORDS] = {{0x80000000u}, {}, {}};
    accepted[1][RANDOM_STATE_WORDS - 1] = 1;
    const auto own = LinearWords(31337);
    std::copy(own.begin(), own.end(), accepted[2]);
    for (const auto& state : accepted) {
        randomState = RandomState{};
        randomState.position = 3;
        ASSERT_TRUE(SeedRandomWords(state));
        EXPECT_TRUE(randomState.seeded);
        EXPECT_EQ(randomState.position, RANDOM_STATE_WORDS);
        std::mt19937 engine = StandardEngine(state);
        for (int draw = 0; draw < 1000; ++draw) {
            ASSERT_EQ(NextOutput(), engine()) << "state " << &state - accepted;
        }
    }
}

TEST(RandomSource, DrawsStayBelowOneAndCoverItsEnds) {
    PlanDraws({0, 0xFFFFFFFF});
    EXPECT_EQ(NextUniform(), 0.0);
    EXPECT_EQ(NextUniform(), 0.99999999976716935634613037109375);
    SeedRandom(1);
    for (int draw = 0; draw < 100000; ++draw) {
        const double r = NextUniform();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_EQ(r, static_cast<double>(static_cast<uint32_t>(r * 4294967296.0)) / 4294967296.0);
    }
}

// A clock whose readings the test sets, counting how often each source is asked.
struct FakeClock {
    static inline int64_t frequency = 0, counter = 0;
    static inline bool counterWorks = true;
    static inline uint32_t ticks = 0;
    static inline int frequencyQueries = 0, counterReadings = 0;

    static ClockSource Source() {
        frequencyQueries = counterReadings = 0;
        counterWorks = true;
        const auto readFrequency = [] {
            ++frequencyQueries;
            return frequency;
        };
        const auto readCounter = [](int64_t& count) {
            ++counterReadings;
            count = counter;
            return counterWorks;
        };
        return {readFrequency, readCounter, [] { return ticks; }};
    }
};

TEST(TimerSeconds, PrefersTheCounterAsksItsFrequencyOnceAndFallsBackToTheTickCount) {
    FakeClock::frequency = 1000;
    FakeClock::counter = 5000;
    const ClockSource clock = FakeClock::Source();
    TimerState timer;
    EXPECT_EQ(ReadClockSeconds(timer, clock), 5.0);
    EXPECT_EQ(timer.clock, TimerClock::PerformanceCounter);
    EXPECT_EQ(timer.secondsPerCount, 0.001);
    FakeClock::counter = 123456789;
    FakeClock::frequency = 0;
    EXPECT_DOUBLE_EQ(ReadClockSeconds(timer, clock), 123456.789);
    EXPECT_EQ(FakeClock::frequencyQueries, 1);
    EXPECT_EQ(FakeClock::counterReadings, 2);

    // A failed reading falls back to the tick count for good, as a missing counter does.
    FakeClock::counterWorks = false;
    FakeClock::ticks = 90061500;
    EXPECT_EQ(ReadClockSeconds(timer, clock), 90061.5);
    EXPECT_EQ(timer.clock, TimerClock::TickCount);
    FakeClock::counterWorks = true;
    EXPECT_EQ(ReadClockSeconds(timer, clock), 90061.5);
    EXPECT_EQ(FakeClock::counterReadings, 3);

    // Where there is no counter, the tick count for good, also once its 32 bits wrap.
    FakeClock::frequency = 0;
    const ClockSource noCounter = FakeClock::Source();
    TimerState ticking;
    EXPECT_EQ(ReadClockSeconds(ticking, noCounter), 90061.5);
    EXPECT_EQ(ticking.clock, TimerClock::TickCount);
    FakeClock::frequency = 1000;
    FakeClock::ticks = 0xFFFFFFFFu;
    EXPECT_DOUBLE_EQ(ReadClockSeconds(ticking, noCounter), 4294967.295);
    FakeClock::ticks = 0xFFFFFFFFu + 1001u;
    EXPECT_EQ(ReadClockSeconds(ticking, noCounter), 1.0);
    EXPECT_EQ(FakeClock::frequencyQueries, 1);
    EXPECT_EQ(FakeClock::counterReadings, 0);
}

TEST(TimerSeconds, TheSystemClockMovesForward) {
    const double first = ReadTimerSeconds();
    double later = first;
    for (int i = 0; i < 10000000 && later == first; ++i) {
        later = ReadTimerSeconds();
    }
    EXPECT_GT(later, first);
}

} // namespace
