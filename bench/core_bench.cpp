// The random source and the generator against the standard library doing the same work.
#include "generator/password_generator.h"
#include "generator/random_source.h"
#include "standard_engine.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

void NextUniformDraw(benchmark::State& state) {
    SeedRandom(12345);
    for (auto _ : state) {
        benchmark::DoNotOptimize(NextUniform());
    }
}
BENCHMARK(NextUniformDraw);

// The same outputs as NextUniform: the standard engine's next word times 2^-32.
void StandardMt19937Draw(benchmark::State& state) {
    std::mt19937 engine = StandardEngineFromSeed(12345);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine() * (1.0 / 4294967296.0));
    }
}
BENCHMARK(StandardMt19937Draw);

void GeneratePassword99(benchmark::State& state) {
    SeedRandom(12345);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GeneratePassword(99, 1, 1, 1));
    }
}
BENCHMARK(GeneratePassword99);

// 99 characters from the same 62-character pool with the standard engine and distribution.
void PlainLoopPassword99(benchmark::State& state) {
    std::mt19937 engine = StandardEngineFromSeed(12345);
    const std::string pool = std::string(LOWER_SET) + UPPER_SET + DIGIT_SET;
    std::uniform_int_distribution<int> position(0, 61);
    for (auto _ : state) {
        std::string password;
        for (int i = 0; i < 99; ++i) {
            password += pool[static_cast<std::size_t>(position(engine))];
        }
        benchmark::DoNotOptimize(password);
    }
}
BENCHMARK(PlainLoopPassword99);

} // namespace

BENCHMARK_MAIN();
