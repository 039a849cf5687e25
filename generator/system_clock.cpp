// The one place of the core that asks the operating system for the time.
#include "generator/random_source.h"

#ifdef _WIN32
#include <windows.h>

namespace {

int64_t Frequency() {
    LARGE_INTEGER frequency;
    return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

bool Counter(int64_t& count) {
    LARGE_INTEGER reading;
    if (!QueryPerformanceCounter(&reading)) {
        return false;
    }
    count = reading.QuadPart;
    return true;
}

uint32_t TickCount() {
    return GetTickCount();
}

} // namespace

#else
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int64_t Frequency() {
    return Clock::period::den / Clock::period::num;
}

bool Counter(int64_t& count) {
    count = Clock::now().time_since_epoch().count();
    return true;
}

uint32_t TickCount() {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
    return static_cast<uint32_t>(elapsed.count());
}

} // namespace

#endif

const ClockSource systemClock = {Frequency, Counter, TickCount};
