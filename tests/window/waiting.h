#ifndef TESSORIN_TESTS_WINDOW_WAITING_H
#define TESSORIN_TESTS_WINDOW_WAITING_H

// Waiting for another program as long as this system needs, and the facts of the system that
// the waits and the checks depend on.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

// Whether the system is Wine: its ntdll exports wine_get_version, which Windows's has not.
inline bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// The display's scale in percent as a DPI-aware thread reads it: Windows tells a program that is
// not aware, as these tests and tessorin.exe are, 100 % and stretches its windows. The thread is
// aware only for the reading. 0 where Windows has no such threads (before Windows 10, version
// 1607): there the scale cannot be read from here, and an unaware reading of 100 proves nothing.
inline int DisplayScale() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    if (set == nullptr) {
        return 0;
    }
    const DPI_AWARENESS_CONTEXT before = set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    set(before);
    return dpi * 100 / 96;
}

// milliseconds, stretched by TESSORIN_WAIT_SCALE where the Wine launcher sets it: every wait for
// another program or for a window, since under user-mode emulation everything takes longer.
inline DWORD Scaled(DWORD milliseconds) {
    char text[16] = {};
    const DWORD length = GetEnvironmentVariableA("TESSORIN_WAIT_SCALE", text, sizeof text);
    const int scale = length > 0 && length < sizeof text ? std::atoi(text) : 1;
    return milliseconds * static_cast<DWORD>(scale > 1 ? scale : 1);
}

// Sends a message to a window, also another program's, and gives its answer, waiting for that
// five seconds (Scaled) at most: a program that does not answer, because it blocks in a box of its
// own, say, ends the test at once with an error that names the message, rather than holding up
// every message after it.
inline LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, Scaled(5000), &answer)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", message);
        throw std::runtime_error("no answer to the message " + std::string(hex) + " within " +
                                 std::to_string(Scaled(5000) / 1000) + " s");
    }
    return static_cast<LRESULT>(answer);
}

// Asks condition, and while it does not hold, calls step and asks again, for at most five seconds
// (Scaled). The default step rests for a millisecond.
inline bool WaitUntil(
    const std::function<bool()>& condition, const std::function<void()>& step = [] { Sleep(1); }) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= Scaled(5000)) {
            return false;
        }
        step();
    }
    return true;
}

#endif
