#ifndef TESSORIN_APP_STARTUP_H
#define TESSORIN_APP_STARTUP_H

#include <windows.h>

#include <cstdint>

// A cryptographic generator of the system: fills length bytes at buffer, false where it fails.
using SystemRandom = BOOLEAN(WINAPI*)(PVOID buffer, ULONG length);

// Fills the whole random state from systemRandom; only where that fails or gives a state of
// zeros, seeds it from the clock in seconds.
void SeedProcessRandom(SystemRandom systemRandom);

// The screen's width, height, colour depth and refresh rate.
void DesktopMetrics(int32_t& width, int32_t& height, int32_t& depth, int32_t& refresh);

// Registers the main window's class; false when that fails.
bool RegisterMainClass(HINSTANCE instance);

// Creates the main window centred on a desktop of this size.
HWND CreateMainWindow(int32_t desktopWidth, int32_t desktopHeight);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);

#endif
