#ifndef TESSORIN_GENERATOR_RANDOM_SOURCE_H
#define TESSORIN_GENERATOR_RANDOM_SOURCE_H

#include <cstdint>

inline constexpr int RANDOM_STATE_WORDS = 624;

// The process-wide Mersenne Twister (MT19937).
struct RandomState {
    uint32_t words[RANDOM_STATE_WORDS] = {};
    int position = RANDOM_STATE_WORDS; // next word to temper; 624: regenerate before the next draw
    bool seeded = false;
};

// Which clock ReadTimerSeconds reads; zero, undecided, until its first reading decides.
enum class TimerClock : int { Undecided = 0, TickCount = 1, PerformanceCounter = 2 };

// The clock behind ReadTimerSeconds, decided by its first reading.
struct TimerState {
    TimerClock clock = TimerClock::Undecided;
    double secondsPerCount = 0.0;
};

extern RandomState randomState;
extern TimerState timerState;

// Fills the state from the seed's integer part modulo 2^32 (truncated, whatever the rounding
// mode; 0 for a NaN or a magnitude of 2^63 or more) with the rule w[k] = 1664525 w[k-1] +
// 1013904223, so that the next draw regenerates it.
void SeedRandom(double seed);

// Takes words as the whole state, used up so that the next draw regenerates it, and marks the
// source seeded. Refuses a state whose bits that MT19937 uses are all zero (it never uses the low
// 31 bits of the first word), from which it yields nothing but zeros, and then changes nothing.
bool SeedRandomWords(const uint32_t (&words)[RANDOM_STATE_WORDS]);

// The next draw: the next tempered 32-bit output times 2^-32, in [0, 1).
double NextUniform();

// The system's clock: a counter with its frequency, and a 32-bit millisecond tick count.
struct ClockSource {
    int64_t (*frequency)();          // counts per second, 0 when there is no counter
    bool (*counter)(int64_t& count); // false when the counter could not be read
    uint32_t (*tickCount)();
};

extern const ClockSource systemClock;

// Reads clock in seconds: the counter times the cached reciprocal of its frequency, or, once the
// first reading found no counter or a reading of the counter failed, the tick count times 0.001.
double ReadClockSeconds(TimerState& timer, const ClockSource& clock);

// ReadClockSeconds of the process-wide timer on the system's clock.
double ReadTimerSeconds();

#endif
