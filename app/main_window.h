#ifndef TESSORIN_APP_MAIN_WINDOW_H
#define TESSORIN_APP_MAIN_WINDOW_H

#include <windows.h>

inline constexpr int WINDOW_WIDTH = 240;
inline constexpr int WINDOW_HEIGHT = 260;

// The main window's procedure: creation, colour, painting, commands and destruction.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
