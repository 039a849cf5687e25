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
    const Flags flags = {data[6] & 1, data[6] >> 1 & 1, data[6] >> 2 & 1};
    const std::string pool = PoolOf(flags);

    SeedRandom(seed);
    std::mt19937 engine = StandardEngineFromSeed(seed);
    const std::string password(GeneratePassword(length, flags.lower, flags.upper, flags.digits));
    if (password != ReferencePassword(engine, pool, pool.empty() ? 0 : length)) {
        Fail("the password is not the pool entries of its draws");
    }
    if (NextOutput() != engine()) {
        Fail("the generator took the wrong number of draws");
    }
    return 0;
}
