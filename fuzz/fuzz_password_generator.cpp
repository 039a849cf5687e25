// GeneratePassword at fuzzed seeds, lengths and flags: the length, every character and the number
// of draws it takes, against the standard library's MT19937 holding the same state.
#include "class_sets.h"
#include "generator/password_generator.h"
#include "generator/random_source.h"
#include "standard_engine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 7) {
        return 0;
    }
    const uint32_t seed = data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24;
    const int length = static_cast<int16_t>(data[4] | data[5] << 8);
    const int lower = data[6] & 1, upper = data[6] >> 1 & 1, digits = data[6] >> 2 & 1;
    const std::string pool = PoolOf(lower, upper, digits);

    SeedRandom(seed);
    std::mt19937 engine = StandardEngineAfterSeeding();
    const std::string password(GeneratePassword(length, lower, upper, digits));
    const int draws = pool.empty() ? 0 : std::max(length, 0);
    if (password.size() != std::size_t(std::min(draws, 99))) {
        Fail("the password has the wrong length");
    }
    for (int i = 0; i < draws; ++i) {
        const std::size_t index = std::size_t(uint64_t{engine()} * pool.size() >> 32);
        if (i < 99 && password[std::size_t(i)] != pool[index]) {
            Fail("a character is not the pool entry of its draw");
        }
    }
    if (static_cast<uint32_t>(NextUniform() * 4294967296.0) != engine()) {
        Fail("the generator took the wrong number of draws");
    }
    return 0;
}
