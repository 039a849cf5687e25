#include "generator/password_generator.h"

#include "class_sets.h"
#include "generator/random_source.h"
#include "standard_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The draws taken since seed was set: the state's position counts them within a regeneration.
int DrawsSinceSeeding() {
    return randomState.position % RANDOM_STATE_WORDS;
}

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
    SeedRandom(12345);
    EXPECT_EQ(GeneratePassword(3, 1, 1, 1), "dyz");
}

TEST(GeneratePassword, EachCharacterIsThePoolEntryOfItsDraw) {
    for (int flags = 1; flags < 8; ++flags) {
        const int lower = flags >> 2 & 1, upper = flags >> 1 & 1, digits = flags & 1;
        const std::string pool = PoolOf(lower, upper, digits);
        SeedRandom(4711 + flags);
        std::mt19937 engine = StandardEngineAfterSeeding();
        for (int round = 0; round < 20; ++round) {
            const std::string password(GeneratePassword(99, lower, upper, digits));
            ASSERT_EQ(password.size(), 99u);
            for (char c : password) {
                const uint64_t index = uint64_t{engine()} * pool.size() >> 32;
                ASSERT_EQ(c, pool[index]) << "flags " << flags;
            }
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
    EXPECT_EQ(randomState.position, RANDOM_STATE_WORDS);
    EXPECT_EQ(GeneratePassword(3, 1, 1, 1), "uuH");
}

TEST(GeneratePassword, LongRequestsGive99CharactersButDrawForEveryOne) {
    SeedRandom(0);
    const std::string password(GeneratePassword(123, 1, 1, 1));
    EXPECT_EQ(password.size(), 99u);
    EXPECT_EQ(DrawsSinceSeeding(), 123);
    EXPECT_EQ(password.substr(0, 3), "uuH");

    SeedRandom(0);
    EXPECT_EQ(GeneratePassword(999, 0, 0, 1).size(), 99u);
    EXPECT_EQ(DrawsSinceSeeding(), 999 - RANDOM_STATE_WORDS);
}

} // namespace
