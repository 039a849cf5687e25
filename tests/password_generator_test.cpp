#include "generator/password_generator.h"

#include "class_sets.h"
#include "generator/random_source.h"
#include "standard_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CharacterPool, FollowsTheSelectorOfTheThreeFlags) {
    struct Case {
        int lower, upper, digits, selector;
        std::string pool;
    };
    const Case cases[] = {
        {1, 1, 1, 111, LOWER + UPPER + DIGITS},
        {1, 1, 0, 110, LOWER + UPPER},
        {1, 0, 1, 101, LOWER + DIGITS},
        {1, 0, 0, 100, LOWER},
        {0, 1, 1, 11, UPPER + DIGITS},
        {0, 1, 0, 10, UPPER},
        {0, 0, 1, 1, DIGITS},
        {0, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const int selector = CharsetSelector(c.lower, c.upper, c.digits);
        EXPECT_EQ(selector, c.selector);
        EXPECT_EQ(CharacterPool(selector), c.pool) << selector;
    }
    // Flags other than 0 and 1 form selectors of no pool, or of another pool.
    EXPECT_EQ(CharsetSelector(2, 0, 0), 200);
    EXPECT_EQ(CharacterPool(200), "");
    EXPECT_EQ(CharsetSelector(0, 0, 11), 11);
    EXPECT_EQ(CharsetSelector(-1, 0, 0), -100);
}

// Known answers: seed 0 picks pool positions 21, 21 and 34; seed 12345 picks 4, 25 and 26.
TEST(GeneratePassword, FixedSeedsGiveTheirKnownPasswords) {
    SeedRandom(0);
    EXPECT_EQ(GeneratePassword(3, 1, 1, 1), "uuH");
    SeedRandom(12345);
    EXPECT_EQ(GeneratePassword(3, 1, 1, 1), "dyz");
}

TEST(GeneratePassword, EachCharacterIsThePoolEntryOfItsDraw) {
    for (const Flags& flags : ALL_FLAGS) {
        const uint32_t seed = 4711 + static_cast<uint32_t>(&flags - ALL_FLAGS);
        SeedRandom(seed);
        std::mt19937 engine = StandardEngineFromSeed(seed);
        for (int round = 0; round < 20; ++round) {
            ASSERT_EQ(GeneratePassword(99, flags.lower, flags.upper, flags.digits),
                      ReferencePassword(engine, PoolOf(flags), 99))
                << PoolOf(flags);
        }
    }
}

TEST(GeneratePassword, NoPoolOrNoLengthGivesTheEmptyTextWithoutADraw) {
    SeedRandom(0);
    EXPECT_EQ(GeneratePassword(8, 0, 0, 0), "");
    EXPECT_EQ(GeneratePassword(500, 0, 0, 0), "");
    EXPECT_EQ(GeneratePassword(0, 1, 1, 1), "");
    EXPECT_EQ(GeneratePassword(-5, 1, 1, 1), "");
    EXPECT_EQ(GeneratePassword(-2147483647 - 1, 1, 0, 0), "");
    EXPECT_EQ(GeneratePassword(3, 1, 1, 1), "uuH") << "the first draws after seeding";
}

// Past 99 characters every requested one still takes its draw, also across a regeneration.
TEST(GeneratePassword, LongRequestsGive99CharactersButDrawForEveryOne) {
    for (const int length : {100, 123, 999}) {
        SeedRandom(0);
        std::mt19937 engine = StandardEngineFromSeed(0);
        EXPECT_EQ(GeneratePassword(length, 0, 0, 1), ReferencePassword(engine, DIGITS, length));
        EXPECT_EQ(NextOutput(), engine()) << length;
    }
}

} // namespace
