#ifndef TESSORIN_TESTS_STANDARD_ENGINE_H
#define TESSORIN_TESTS_STANDARD_ENGINE_H

#include "generator/random_source.h"

#include <random>
#include <sstream>
#include <vector>

// The standard library's MT19937 holding the same words as the process-wide source, as it stands
// right after seeding, so that both produce the same outputs from here on.
inline std::mt19937 StandardEngineAfterSeeding() {
    std::stringstream words;
    for (uint32_t word : randomState.words) {
        words << word << ' ';
    }
    std::mt19937 engine;
    words >> engine;
    return engine;
}

// MT19937's tempering undone, step by step in reverse.
inline uint32_t Untemper(uint32_t y) {
    y ^= y >> 18;
    y ^= (y << 15) & 0xEFC60000u;
    uint32_t x = y;
    for (int i = 0; i < 5; ++i) {
        x = y ^ ((x << 7) & 0x9D2C5680u);
    }
    y = x;
    for (int i = 0; i < 3; ++i) {
        x = y ^ (x >> 11);
    }
    return x;
}

// Makes the next draws of the process-wide source take exactly these 32-bit outputs, in order (at
// most 623 of them).
inline void PlanDraws(const std::vector<uint32_t>& outputs) {
    SeedRandom(0);
    randomState.position = 0;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        randomState.words[i] = Untemper(outputs[i]);
    }
}

#endif
