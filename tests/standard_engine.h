#ifndef TESSORIN_TESTS_STANDARD_ENGINE_H
#define TESSORIN_TESTS_STANDARD_ENGINE_H

#include "generator/random_source.h"

#include <random>
#include <sstream>

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

#endif
