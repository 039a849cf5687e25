#ifndef TESSORIN_APP_STARTUP_H
#define TESSORIN_APP_STARTUP_H

#include <windows.h>

#include <cstdint>

// Fills the whole random state from the system's cryptographic generator; only where that fails,
// seeds it from the clock in seconds.
void SeedProcessRandom();

// The screen's width, height, colour depth and refresh rate.
void DesktopMetrics(int32_t& width, int32_t& height, int32_t& depth, int32_t& refresh);

// Registers the main window's class; false when that fails.
bool RegisterMainClass(HINSTANCE instance);

// Creates the main window centred on a desktop of this size.
HWND CreateMainWindow(int32_t desktopWidth, int32_t desktopHeight);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand);

#endif
