#ifndef TESSORIN_TESTS_STANDARD_ENGINE_H
#define TESSORIN_TESTS_STANDARD_ENGINE_H

#include "generator/random_source.h"

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// The 624 words that seeding with this whole seed gives, by the rule written out here: the seed
// is the first word, and each further word is 1664525 times the one before plus 1013904223,
// modulo 2^32.
inline std::array<uint32_t, RANDOM_STATE_WORDS> LinearWords(uint32_t seed) {
    std::array<uint32_t, RANDOM_STATE_WORDS> words = {seed};
    for (std::size_t k = 1; k < words.size(); ++k) {
        words[k] = 1664525u * words[k - 1] + 1013904223u;
    }
    return words;
}

// The standard library's MT19937 holding these 624 words as a state that is used up, as the source
// holds them right after seeding, so that both produce the same outputs from there on.
inline std::mt19937 StandardEngine(const uint32_t* words) {
    std::stringstream text;
    for (int k = 0; k < RANDOM_STATE_WORDS; ++k) {
        text << words[k] << ' ';
    }
    std::mt19937 engine;
    text >> engine;
    return engine;
}

inline std::mt19937 StandardEngineFromSeed(uint32_t seed) {
    return StandardEngine(LinearWords(seed).data());
}

// The tempered 32-bit output behind the source's next draw; exact, since a draw is a multiple of
// 2^-32.
inline uint32_t NextOutput() {
    return static_cast<uint32_t>(NextUniform() * 4294967296.0);
}

// The password that length draws of engine give from pool: the pool entry of each draw, of which
// the first 99 are kept.
inline std::string ReferencePassword(std::mt19937& engine, const std::string& pool, int length) {
    std::string password;
    for (int i = 0; i < length; ++i) {
        const char c = pool[static_cast<std::size_t>(uint64_t{engine()} * pool.size() >> 32)];
        password.append(i < 99 ? 1 : 0, c);
    }
    return password;
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
