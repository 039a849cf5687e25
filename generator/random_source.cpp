#include "generator/random_source.h"

#include <algorithm>
#include <cmath>
#include <iterator>

RandomState randomState;
TimerState timerState;

namespace {

constexpr int SHIFT_DISTANCE = 397;
constexpr uint32_t MATRIX_A = 0x9908B0DFu;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7FFFFFFFu;

// Mixes the upper bit of current with the lower bits of next, as MT19937's recurrence does.
uint32_t Twist(uint32_t current, uint32_t next) {
    const uint32_t y = (current & UPPER_MASK) | (next & LOWER_MASK);
    return (y >> 1) ^ ((y & 1u) != 0 ? MATRIX_A : 0u);
}

// MT19937's generation step over the whole state.
void Regenerate(uint32_t* words) {
    constexpr int n = RANDOM_STATE_WORDS;
    constexpr int m = SHIFT_DISTANCE;
    int k = 0;
    for (; k < n - m; ++k) {
        words[k] = words[k + m] ^ Twist(words[k], words[k + 1]);
    }
    for (; k < n - 1; ++k) {
        words[k] = words[k + m - n] ^ Twist(words[k], words[k + 1]);
    }
    words[n - 1] = words[m - 1] ^ Twist(words[n - 1], words[0]);
}

uint32_t Temper(uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

} // namespace

void SeedRandom(double seed) {
    uint32_t word = 0;
    if (std::fabs(seed) < 9223372036854775808.0) { // false for NaN
        word = static_cast<uint32_t>(static_cast<int64_t>(seed));
    }
    randomState.words[0] = word;
    for (int k = 1; k < RANDOM_STATE_WORDS; ++k) {
        randomState.words[k] = 1664525u * randomState.words[k - 1] + 1013904223u;
    }
    randomState.position = RANDOM_STATE_WORDS;
    randomState.seeded = true;
}

bool SeedRandomWords(const uint32_t (&words)[RANDOM_STATE_WORDS]) {
    if ((words[0] & UPPER_MASK) == 0 && std::all_of(std::begin(words) + 1, std::end(words),
                                                    [](uint32_t word) { return word == 0; })) {
        return false;
    }
    std::copy(std::begin(words), std::end(words), randomState.words);
    randomState.position = RANDOM_STATE_WORDS;
    randomState.seeded = true;
    return true;
}

double NextUniform() {
    if (!randomState.seeded) {
        SeedRandom(0.0);
    }
    if (randomState.position == RANDOM_STATE_WORDS) {
        Regenerate(randomState.words);
        randomState.position = 0;
    }
    const uint32_t y = Temper(randomState.words[randomState.position++]);
    return static_cast<double>(y) * (1.0 / 4294967296.0);
}

double ReadClockSeconds(TimerState& timer, const ClockSource& clock) {
    if (timer.clock == TimerClock::Undecided) {
        const int64_t frequency = clock.frequency();
        if (frequency == 0) {
            timer.clock = TimerClock::TickCount;
        } else {
            timer.secondsPerCount = 1.0 / static_cast<double>(frequency);
            timer.clock = TimerClock::PerformanceCounter;
        }
    }
    if (timer.clock == TimerClock::PerformanceCounter) {
        int64_t count = 0;
        if (clock.counter(count)) {
            return static_cast<double>(count) * timer.secondsPerCount;
        }
        timer.clock = TimerClock::TickCount; // a counter that fails once is not trusted again
    }
    return static_cast<double>(clock.tickCount()) * 0.001;
}

double ReadTimerSeconds() {
    return ReadClockSeconds(timerState, systemClock);
}
